// A game file as a user may have edited it: the game list, the series point
// ranking and the entries read it without a fault, and a game read
// completely is saved without losing a player; saved and read back, it
// saves to the same bytes again.
#include "fuzz_support.h"

#include "core/core.h"
#include "platform/textfile.h"

#include <cstdio>
#include <vector>

namespace {

// The listed game's entries as score rows and back, as the game window
// opens and saves a game; false when the header has no room for them.
bool entriesToRowsAndBack()
{
    if ((gGame.Hole < 1 || gGame.Round < 1) && !gScoreData.empty())
        return false;
    try {
        gsScoreDataToLines();
        gsScoreLinesToData();
    } catch (const vb::VbError&) {
        return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::scratch();
    // A point series and a plain one, for the series point ranking.
    static const bool seriesWritten = [] {
        fuzz::writeFile(gstrSeriesFile, "[Management]\r\nMaxSeriesNo=2\r\n[Series1]\r\nName=A\r\nState=0\r\n"
                                        "PointSeries=1\r\nPoint1=10\r\nPoint2=5\r\n[Series2]\r\nName=B\r\n"
                                        "State=0\r\nPointSeries=0\r\n");
        return true;
    }();
    Q_UNUSED(seriesWritten);
    fuzz::writeFile(gstrManagerFile, "[Management]\r\nMaxGameNo=1\r\n");
    const QString path = gstrGamesFolder + QStringLiteral("/game00001.tcg");
    fuzz::writeFile(path, fuzz::bytesOf(data, size));

    QStringList damaged;
    gsReadGameList(&damaged);
    if (gGameList.empty())
        return 0;
    gsCalSeriesPointsRanking(gGameList[0].SeriesID);

    gsClearCalcResults();
    gGame = gGameList[0];
    QString problem;
    if (!gfReadScoreDataChecked(&problem) || !entriesToRowsAndBack())
        return 0;
    // The texts as the file will hold them: a byte that was no CP932 is
    // written as "?".
    std::vector<StoredScore> entries = gScoreData;
    for (StoredScore& e : entries) {
        e.Holes = platform::decodeCp932(platform::encodeCp932(e.Holes));
        e.TeamID = platform::decodeCp932(platform::encodeCp932(e.TeamID));
    }
    // A save may refuse a header it cannot rank (it says so); it never
    // writes part of a game.
    if (gfGameDataSave().isEmpty()) {
        fuzz::require(fuzz::readFile(path) == fuzz::bytesOf(data, size), "a failed save leaves the file as it was");
        return 0;
    }

    // Read back and saved again, twice: the first save may still drop a
    // blank that only one of the readers trims (a tab at the end of the
    // title); from the second on the file must stay the same.
    QByteArray saved;
    for (int round = 0; round < 2; ++round) {
        saved = fuzz::readFile(path);
        gsReadGameList(&damaged);
        fuzz::require(gGameList.size() == 1 && damaged.isEmpty(), "a saved game is listed");
        gsClearCalcResults();
        gGame = gGameList[0];
        fuzz::require(gfReadScoreDataChecked(&problem), "a saved game reads completely");
        fuzz::require(gScoreData.size() == entries.size(), "a save loses no player");
        for (size_t i = 0; i < entries.size(); ++i)
            fuzz::require(gScoreData[i].IDNo == entries[i].IDNo && gScoreData[i].Holes == entries[i].Holes &&
                              gScoreData[i].Handicap == entries[i].Handicap &&
                              vb::Trim(gScoreData[i].TeamID) == vb::Trim(entries[i].TeamID),
                          "a save keeps every player's number, strokes, team and handicap");
        fuzz::require(entriesToRowsAndBack(), "a saved game's entries fit its header");
        fuzz::require(!gfGameDataSave().isEmpty(), "a saved game saves again");
    }
    const QByteArray again = fuzz::readFile(path);
    if (again != saved)
        std::fprintf(stderr, "saved:\n%s\nsaved again:\n%s\n", saved.constData(), again.constData());
    fuzz::require(again == saved, "a saved game read back saves to the same bytes");
    return 0;
}
