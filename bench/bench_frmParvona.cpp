// Times the game window on a large game: 200 players, 10 rounds of 16 holes,
// every stroke entered, in teams of four. Prints the time to open the window
// (reading the game file and filling both grids) and the time of each tab
// switch (ranking calculation and grid fill). Goals: open < 300 ms, each tab
// < 100 ms.
//
//   QT_QPA_PLATFORM=offscreen ./bench_frmParvona [repeats]
#include "core/core.h"
#include "core/ini.h"
#include "game/frmParvona.h"
#include "platform/ui/qtuiservice.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTabBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPlayers = 200;
constexpr Integer kRounds = 10;
constexpr Integer kHoles = 16;

void buildGame(const QString& root)
{
    gstrGamesFolder = root + QStringLiteral("/games");
    gstrManagerFile = gstrGamesFolder + QStringLiteral("/manager.dat");
    gstrSeriesFile = root + QStringLiteral("/series.dat");
    gstrIniFile = root + QStringLiteral("/Tallicor.ini");
    gstrTempFolder = root + QStringLiteral("/temp");
    QDir().mkpath(gstrGamesFolder);
    QDir().mkpath(gstrTempFolder);

    gMemberList.clear();
    for (int i = 1; i <= kPlayers; ++i) {
        MemberInfo m;
        m.IDNo = i;
        m.Name = QStringLiteral("選手%1").arg(i);
        m.Gender = static_cast<Integer>(1 + i % 2);
        m.Birthday = QStringLiteral("19%1/0%2/1%3").arg(40 + i % 50).arg(1 + i % 9).arg(i % 10);
        m.Location = QStringLiteral("地域%1").arg(i % 7);
        gMemberList.push_back(m);
    }

    gGame = gfNewGameDefaults();
    gGame.Date = QStringLiteral("2026/05/10");
    gGame.Tittle = QStringLiteral("大きな大会");
    gGame.Hole = kHoles;
    gGame.Round = kRounds;
    gGame.HandiCapKind = 2;
    gGame.JudgeDaSu = 5;
    gGame.JudgeBirthday = 1;
    gGame.GameFileName.clear();
    gScoreLines.clear();
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    for (int i = 1; i <= kPlayers; ++i) {
        for (Integer r = 1; r <= kRounds; ++r) {
            ScoreLine line;
            line.IDNo = i;
            line.RoundNo = r;
            line.TeamID = QStringLiteral("T%1").arg((i - 1) / 4 + 1);
            line.Handicap = static_cast<Long>(next() % 11) - 5;
            for (int h = 0; h < kHoles; ++h)
                line.Holes[h] = QString::number(1 + next() % 6);
            gScoreLines.push_back(line);
        }
    }
    gsScoreLinesToData();
    if (gfGameDataSave().isEmpty())
        std::fprintf(stderr, "the game file could not be written\n");
    gsClearCalcResults();
    gScoreData.clear();
    gNewEntries.clear();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFontSubstitutions();
    const int repeats = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    QTemporaryDir dir;
    buildGame(dir.path());
    const GameInfo header = gGame;

    std::vector<double> openMs;
    std::vector<std::vector<double>> tabMs(6);
    std::vector<std::vector<double>> calcMs(6);
    for (int rep = 0; rep < repeats; ++rep) {
        gGame = header;
        QElapsedTimer t;
        t.start();
        auto* w = new frmParvona();
        w->show();
        QCoreApplication::processEvents();
        openMs.push_back(t.nsecsElapsed() / 1e6);

        auto* tabs = w->findChild<QTabBar*>(QStringLiteral("tabBody"));
        for (int k : {2, 3, 4, 5, 6, 1}) {
            t.restart();
            tabs->setCurrentIndex(k - 1);
            QCoreApplication::processEvents();
            tabMs[k - 1].push_back(t.nsecsElapsed() / 1e6);
        }
        // The calculations alone, on the same open game: the rest of a
        // tab's time is the grid fill.
        auto timeCalc = [&t](int k, auto&& calc) {
            t.restart();
            calc();
            return std::make_pair(k, t.nsecsElapsed() / 1e6);
        };
        for (auto [k, ms] : {timeCalc(3, [] {
                                 gsCalPersonRanking(0);
                                 gsFilterRankingByCategory(gGame.Date);
                             }),
                             timeCalc(4, [] { gsCalRoundRanking(); }), timeCalc(5, [] { gsCalTeamList(); }),
                             timeCalc(6, [] { gsCalTeamRanking(); })})
            calcMs[k - 1].push_back(ms);
        delete w;
    }

    std::printf("game: %d players, %d rounds, %d holes (%zu score rows), %d runs, median times\n", kPlayers,
                kRounds, kHoles, static_cast<size_t>(kPlayers) * kRounds, repeats);
    std::printf("open window              %8.1f ms  (goal < 300)\n", median(openMs));
    const char* names[6] = {"participants", "scores", "ranking", "best round", "team list", "team ranking"};
    for (int k = 0; k < 6; ++k) {
        std::printf("tab %d %-18s %8.1f ms  (goal < 100)", k + 1, names[k], median(tabMs[k]));
        if (!calcMs[k].empty())
            std::printf("   of which calculation %6.1f ms", median(calcMs[k]));
        std::printf("\n");
    }
    return 0;
}
