// Times the season tallies over a generated folder of 1,000 games and 300
// players: the collection plus the total ranking, against reading and
// decoding the same game files once (the least any tally must do), the
// pages of that total ranking (its counting load, then every page loaded
// and rendered to the 100 % preview picture, as the preview does), and the
// series point ranking over the same folder. Prints the times and
// "ratio: X", the tally time divided by the raw read time.
#include "core/gamefile.h"
#include "core/printstate.h"
#include "core/records.h"
#include "core/season.h"
#include "core/series.h"
#include "platform/textfile.h"
#include "platform/ui/qtuiservice.h"
#include "print/drawtarget.h"
#include "print/pageform.h"
#include "print/printer.h"
#include "print/renderer.h"
#include "reports/season/frmPfSeasonTotalRanking.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kGames = 1000;
constexpr int kPlayers = 300;
constexpr int kHoles = 8;
constexpr int kRounds = 3;

// One game file in the stored format: 30 to 60 of the players, mostly
// complete rounds, a team for some, handicaps in every third game, and the
// stored finishing places.
QStringList gameLines(int n, QRandomGenerator& rng)
{
    std::vector<int> ids(kPlayers);
    for (int i = 0; i < kPlayers; ++i)
        ids[i] = i + 1;
    std::shuffle(ids.begin(), ids.end(), rng);
    const int entries = 30 + int(rng.bounded(31));
    const bool handicaps = n % 3 == 0;

    QStringList l;
    l << "[Management]"
      << QString("Date=%1/%2/%3").arg(2000 + n / 300).arg(n % 12 + 1, 2, 10, QLatin1Char('0'))
                                   .arg(n % 28 + 1, 2, 10, QLatin1Char('0'))
      << "Tittle=bench" << "MaxScoreNo=" + QString::number(entries) << "SeriesID=1"
      << "CourceID=0" << "Hole=" + QString::number(kHoles) << "Round=" + QString::number(kRounds)
      << "TeamHowtoRank=0" << "CategoryGender=0" << "CategoryAgeLow=-1" << "CategoryAgeHigh=-1"
      << "JudgeDaSu=5" << "JudgeBirthday=1" << QString("HandiCapKind=%1").arg(handicaps ? 2 : 0)
      << "PointGame=" + QString::number(1 + n % 2);
    for (int s = 0; s < entries; ++s) {
        QString holes;
        for (int r = 0; r < kRounds; ++r) {
            const bool blank = rng.bounded(20) == 0;
            for (int h = 0; h < kHoles; ++h)
                holes += (blank ? QString() : QString::number(1 + rng.bounded(6))) + ",";
        }
        l << QString("[Score%1]").arg(s + 1) << "IDNo=" + QString::number(ids[s])
          << "Holes=" + holes;
        if (ids[s] % 4 != 0)
            l << "TeamID=" + QString(QChar(u'A' + ids[s] % 8));
        l << "Handicap=" + QString::number(ids[s] % 10) << "RoundGNo=0" << "SeedNo=0";
    }
    l << "[Ranking]";
    for (int k = 0; k < entries; ++k)
        l << QString("R%1=%2").arg(k).arg(k + 1 - (k % 7 == 3 ? 1 : 0))
          << QString("P%1=%2").arg(k).arg(ids[k]);
    l << "RealEntries=" + QString::number(entries);
    l << "[RoundGrouping]" << "RGUmu=0" << "RGWhichBy=0" << "RGCT=0";
    for (int p = 0; p < 5; ++p)
        l << QString("RGPriority%1=0").arg(p);
    return l;
}

bool makeFolder(const QString& root)
{
    QDir(root).mkpath("games");
    gstrDataFolder = root;
    gstrGamesFolder = QDir(root).filePath("games");
    gstrManagerFile = QDir(gstrGamesFolder).filePath("manager.dat");
    gstrSeriesFile = QDir(root).filePath("series.dat");
    QRandomGenerator rng(20081210);
    for (int n = 1; n <= kGames; ++n)
        if (!platform::writeTextLinesAtomic(QDir(gstrGamesFolder).filePath(gfGameFileName(n)),
                                            gameLines(n, rng)))
            return false;
    QStringList series{"[Series1]", "Name=bench", "State=0", "PointSeries=1"};
    const int points[] = {10, 8, 6, 5, 4, 3, 2, 1, 1, 1, 0};
    for (int i = 0; i < 11; ++i)
        series << QString("Point%1=%2").arg(i + 1).arg(points[i]);
    return platform::writeTextLinesAtomic(gstrManagerFile,
                                          {"[Management]", "MaxGameNo=" + QString::number(kGames)})
           && platform::writeTextLinesAtomic(gstrSeriesFile, series);
}

// Reads and decodes every game once: what the collection cannot avoid.
qint64 timeRawRead()
{
    QElapsedTimer t;
    t.start();
    for (const GameInfo& g : gGameList) {
        gGame = g;
        gsReadScoreData();
        gsScoreDataToLines();
    }
    return t.nsecsElapsed();
}

qint64 timeTally(Long& rows)
{
    QElapsedTimer t;
    t.start();
    gsClearCalcResults();
    gfSetSeasonTallicor(10);
    gsCalSeasonTotalRanking();
    const qint64 ns = t.nsecsElapsed();
    rows = static_cast<Long>(gSeasonTotalRanking.size());
    return ns;
}

// The total ranking's pages: the counting load, then each page loaded and
// rendered at 100 %. `pages` gets the page count.
qint64 timePages(int& pages)
{
    const print::PageFormFactory factory = print::pageFormFactory<frmPfSeasonTotalRanking>();
    const auto geometry = print::printer::geometry();
    QElapsedTimer t;
    t.start();
    gintPageNo = -1;
    gintPageCount = -1;
    pages = print::loadPageForm(factory)->gintMaxPageNo;
    gintPageCount = static_cast<Integer>(pages);
    gintPrintMode = 0;
    for (int p = 1; p <= pages; ++p) {
        gintPageNo = static_cast<Integer>(p);
        const auto form = print::loadPageForm(factory);
        print::ImageTarget picture(geometry.printableWidth, geometry.printableHeight);
        gsDrawForm(*form, &picture, 1.0, 0);
        picture.image();
    }
    return t.nsecsElapsed();
}

// A digest of the point ranking that does not depend on the order of tied
// rows: every row's identifier, games, points and rank, by identifier.
quint64 pointRankingDigest()
{
    std::vector<PointRank> rows = gPointRanking;
    std::sort(rows.begin(), rows.end(),
              [](const PointRank& a, const PointRank& b) { return a.IDNo < b.IDNo; });
    quint64 h = 1469598103934665603ULL;
    for (const PointRank& r : rows)
        for (qint64 v : {qint64(r.IDNo), qint64(r.Games), qint64(r.Points), qint64(r.Rank)}) {
            h ^= quint64(v);
            h *= 1099511628211ULL;
        }
    return h;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tallicor"));
    platform::installFontSubstitutions();
    QTemporaryDir tmp;
    if (!tmp.isValid() || !makeFolder(tmp.path())) {
        std::fprintf(stderr, "cannot write the game folder\n");
        return 1;
    }
    gsReadGameList();
    gSelectedGames.clear();
    for (Long i = 0; i <= glngGameListUBound(); ++i)
        gSelectedGames.push_back(i);
    gSeasonGameInfo = gfNewGameDefaults();
    gSeasonGameInfo.Hole = kHoles;
    gSeasonGameInfo.Round = kRounds;
    gintTotalRankingMode = 0;
    glngKiteiRound = 30;

    // Warm the file cache, then take the best of three runs of each.
    timeRawRead();
    qint64 raw = -1, tally = -1;
    Long rows = 0;
    for (int run = 0; run < 3; ++run) {
        const qint64 r = timeRawRead();
        const qint64 s = timeTally(rows);
        raw = raw < 0 ? r : std::min(raw, r);
        tally = tally < 0 ? s : std::min(tally, s);
    }

    // The pages of the last tally's ranking, best of three after a warm-up.
    gstrPrintTitle1 = QStringLiteral("* bench *");
    gstrPrintTitle2 = QStringLiteral("8ﾎｰﾙ、3ﾗｳﾝﾄﾞ");
    gstrSeasonLastDate = gGameList.back().Date;
    int pages = 0;
    timePages(pages);
    qint64 rendering = -1;
    for (int run = 0; run < 3; ++run) {
        const qint64 r = timePages(pages);
        rendering = rendering < 0 ? r : std::min(rendering, r);
    }

    QElapsedTimer t;
    t.start();
    gsCalSeriesPointsRanking(1);
    const qint64 points = t.nsecsElapsed();

    std::printf("games: %d, players: %d, season records: %zu, ranked players: %d\n",
                int(gGameList.size()), kPlayers, gSeasonScores.size(), int(rows));
    std::printf("raw read and decode: %.1f ms\n", raw / 1e6);
    std::printf("collection + total ranking: %.1f ms\n", tally / 1e6);
    std::printf("total ranking pages (counting load, each page loaded and rendered at 100 %%): %.1f ms for %d "
                "pages, %.1f ms a page\n",
                rendering / 1e6, pages, rendering / 1e6 / std::max(pages, 1));
    std::printf("point ranking: %.1f ms (%zu players, digest %016llx)\n", points / 1e6,
                gPointRanking.size(), static_cast<unsigned long long>(pointRankingDigest()));
    std::printf("ratio: %.2f\n", double(tally) / double(raw));
    return 0;
}
