// Times the game list reader over a generated data folder of 2,000 games
// (40 players, 8 holes, 3 rounds each) against merely reading and decoding
// the same files once, and the save of a 200-player game. Prints the times
// and, last, "ratio: X" (list read time over raw read time).
#include "core/gamefile.h"
#include "core/ranking.h"
#include "core/records.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kGames = 2000;
constexpr int kPlayers = 40;
constexpr int kHoles = 8;
constexpr int kRounds = 3;

// The current game: `players` entries with random strokes, some teams and
// an incomplete round now and then.
void makeGame(int n, int players, QRandomGenerator& rng)
{
    gGame = gfNewGameDefaults();
    gGame.Date = QStringLiteral("2010/%1/%2").arg(n % 12 + 1).arg(n % 28 + 1);
    gGame.Tittle = QStringLiteral("第%1回 月例会").arg(n);
    gGame.SeriesID = 1 + n % 4;
    gGame.Hole = kHoles;
    gGame.Round = kRounds;
    gGame.HandiCapKind = n % 3 == 0 ? 2 : 0;
    std::vector<ScoreLine>().swap(gScoreLines);
    for (int p = 0; p < players; ++p) {
        for (int r = 0; r < kRounds; ++r) {
            ScoreLine l;
            l.IDNo = p + 1;
            l.RoundNo = static_cast<Integer>(r + 1);
            l.TeamID = p % 4 == 0 ? QString() : QString(QChar(u'A' + p % 5));
            l.Handicap = p % 7;
            const bool blank = rng.bounded(25) == 0;
            for (int h = 0; h < kHoles; ++h)
                l.Holes[h] = blank && h == 3 ? QString() : QString::number(1 + rng.bounded(6));
            gScoreLines.push_back(l);
        }
    }
    gsScoreLinesToData();
    gsCalPersonRanking(0);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir root;
    gstrGamesFolder = root.path() + QStringLiteral("/games");
    gstrManagerFile = gstrGamesFolder + QStringLiteral("/manager.dat");
    QDir().mkpath(gstrGamesFolder);

    // The data folder, written directly (the generation is not timed).
    QRandomGenerator rng(20101);
    QStringList paths;
    for (int n = 1; n <= kGames; ++n) {
        makeGame(n, kPlayers, rng);
        const QString path = gstrGamesFolder + QStringLiteral("/") + gfGameFileName(n);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) return 1;
        QByteArray bytes;
        for (const QString& line : gfGameFileLines()) bytes += platform::encodeCp932(line) + "\r\n";
        f.write(bytes);
        paths << path;
    }
    {
        QFile f(gstrManagerFile);
        if (!f.open(QIODevice::WriteOnly)) return 1;
        f.write("[Management]\r\nMaxGameNo=" + QByteArray::number(kGames) + "\r\n");
    }

    // Raw: read and decode every file once (warmed once, so both timings see
    // the files in the page cache).
    auto rawRead = [&] {
        qsizetype chars = 0;
        for (const QString& p : paths) {
            QString text;
            platform::readTextFile(p, text);
            chars += text.size();
        }
        return chars;
    };
    rawRead();
    QElapsedTimer t;
    qsizetype chars = 0;
    double rawMs = 0;
    for (int run = 0; run < 3; ++run) {
        t.restart();
        chars = rawRead();
        const double ms = t.nsecsElapsed() / 1e6;
        if (run == 0 || ms < rawMs) rawMs = ms;
    }

    // The list read, the best of three runs (as the raw read, which ran
    // twice, the files are in the page cache).
    double listMs = 0;
    for (int run = 0; run < 3; ++run) {
        t.restart();
        gsReadGameList();
        const double ms = t.nsecsElapsed() / 1e6;
        if (run == 0 || ms < listMs) listMs = ms;
    }
    if (glngGameListUBound() != kGames - 1) {
        std::printf("game list has %d games\n", glngGameListUBound() + 1);
        return 1;
    }

    // One save of a 200-player game (a new game: number file and game file).
    makeGame(kGames + 1, 200, rng);
    gGame.GameFileName.clear();
    t.restart();
    const QString saved = gfGameDataSave();
    const double saveMs = t.nsecsElapsed() / 1e6;
    if (saved.isEmpty()) return 1;
    t.restart();
    gfGameDataSave();
    const double resaveMs = t.nsecsElapsed() / 1e6;

    std::printf("games: %d (%d players, %d holes, %d rounds), %lld characters\n", kGames, kPlayers, kHoles, kRounds,
                static_cast<long long>(chars));
    std::printf("raw read and decode: %.1f ms\n", rawMs);
    std::printf("gsReadGameList: %.1f ms\n", listMs);
    std::printf("save of a new 200-player game: %.1f ms\n", saveMs);
    std::printf("save of the same game again: %.1f ms\n", resaveMs);
    std::printf("ratio: %.2f\n", listMs / rawMs);
    return 0;
}
