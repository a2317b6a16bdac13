// One to three game files as a user may have edited them, printed as the
// main window prints them: every report of the game print dialog for each
// game listed, every report of the season dialog over the listed games
// (each basis of the total ranking, each order of the personal games) and
// the point ranking of the point series, every page of every preview loaded
// as the preview loads it. Printing never changes a game file, and a print
// button of the game and point dialogs previews or says why not.
//
// Input: byte 0 chooses the player of the personal reports and the group
// filter of the game reports, byte 1 the season dialog's options; the rest
// is the game files, separated by the byte 0x1E.
#include "fuzz_support.h"
#include "fuzz_widgets.h"

#include "core/core.h"
#include "reports/game/frmSelectPrintScore.h"
#include "reports/season/frmPrintPoinsRanking.h"
#include "reports/season/frmPrintTotalGames.h"
#include "reports/season/frmSelectPrintMember.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <map>

namespace {

constexpr int kMaxGames = 3;
constexpr char kSeparator = '\x1e';

// The player chooser answered as a user would: the chosen row of the list
// as it opens, or of すべて when the list shows nobody; cancelled when
// nobody is offered at all.
void answerChooser(QDialog* dialog, int row)
{
    auto* chooser = qobject_cast<frmSelectPrintMember*>(dialog);
    fuzz::require(chooser != nullptr, "the personal reports ask for the player");
    const int all = chooser->cobBelong->findData(-1);
    if (chooser->lstMember->count() == 0 && all >= 0) {
        chooser->cobBelong->setCurrentIndex(all);
        chooser->cobBelong_Click();
    }
    if (chooser->lstMember->count() == 0) {
        chooser->btnCancel_Click();
        return;
    }
    chooser->lstMember->setCurrentRow(row % chooser->lstMember->count());
    chooser->btnOK_Click();
}

// Presses a print button and requires a preview or a message.
void pressPrint(QPushButton* button, const char* promise)
{
    const int previews = fuzz::previewsOpened();
    const size_t messages = recordingUi().messages.size();
    button->click();
    fuzz::require(fuzz::previewsOpened() > previews || recordingUi().messages.size() > messages, promise);
}

// Every report of the game print dialog over a listed game, opened as the
// main window's print command opens it: a game that cannot be read whole,
// or has no entries, is refused with a message.
void printGame(const GameInfo& game, uint8_t choice)
{
    gGame = game;
    gsClearCalcResults();
    QString problem;
    if (!gfReadGameLines(&problem)) {
        fuzz::require(!problem.isEmpty(), "a game that cannot be read says why");
        gsMsgScoreDataNotRead(problem);
        return;
    }
    if (glngScoreLinesUBound() < 0)
        return;
    frmSelectPrintScore dlg;
    if (dlg.cobExractBelong->count() > 0)
        dlg.cobExractBelong->setCurrentIndex((choice >> 4) % dlg.cobExractBelong->count());
    for (int report = 0; report < kGameReportCount; ++report) {
        dlg.optScoreSelectPrint[static_cast<std::size_t>(report)]->setChecked(true);
        pressPrint(dlg.btnOK, "a game report previews or says why not");
    }
    gsClearCalcResults();
}

// Every report of the season dialog over the listed games, ticked in date
// order as the main window lists them.
void printSeason(uint8_t player, uint8_t options)
{
    std::vector<Long> ticked(gGameList.size());
    for (size_t i = 0; i < ticked.size(); ++i)
        ticked[i] = static_cast<Long>(i);
    std::stable_sort(ticked.begin(), ticked.end(),
                     [](Long a, Long b) { return gGameList[a].Date < gGameList[b].Date; });
    gSelectedGames = ticked;
    gsPrepareSeasonPrint(-1, -1);
    {
        frmPrintTotalGames dlg;
        dlg.chkEntryBelong->setChecked(options & 1);
        dlg.optEntry[(options >> 1) & 1]->setChecked(true);
        if (dlg.optTeamHowtoRank[0]->isEnabled())
            dlg.optTeamHowtoRank[(options >> 2) & 1]->setChecked(true);
        dlg.optJudgeDa[((options >> 3) & 7) % 6]->setChecked(true);
        dlg.chkJudgeBirthday->setChecked(options & 64);
        for (QPushButton* b : {dlg.btnEntryList, dlg.btnBestGame, dlg.btnBestRound, dlg.btnTeamList,
                               dlg.btnTeamRanking})
            if (b->isEnabled())
                b->click();
        for (QRadioButton* basis : dlg.optTotalRankingMode) {
            if (!basis->isEnabled())
                continue;
            basis->setChecked(true);
            dlg.btnTotalRanking->click();
        }
        for (QRadioButton* order : dlg.optPrivateGames) {
            if (!order->isEnabled())
                continue;
            order->setChecked(true);
            fuzz::answerModal([&dlg] { dlg.btnPrivateRanking->click(); },
                              [player](QDialog* d) { answerChooser(d, player); });
        }
        fuzz::answerModal([&dlg] { dlg.btnPrivateScore->click(); },
                          [player](QDialog* d) { answerChooser(d, player); });
    }
    gSelectedGames.clear();
    gsClearCalcResults();
}

// The point ranking of the live point series.
void printPoints()
{
    glngDialogParam = 1;
    frmPrintPoinsRanking dlg;
    fuzz::require(dlg.btnOK->isEnabled(), "series 1 is a live point series");
    pressPrint(dlg.btnOK, "the point ranking previews or says why not");
}

QString gamePath(int n)
{
    return gstrGamesFolder + QLatin1Char('/') + gfGameFileName(n);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startWidgets();
    fuzz::writeRegisters();
    fuzz::replacePreview(fuzz::PreviewMode::LoadPages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    QList<QByteArray> games = fuzz::bytesOf(data + 2, size - 2).split(kSeparator);
    if (games.size() > kMaxGames)
        games.resize(kMaxGames);
    fuzz::writeFile(gstrManagerFile, "[Management]\r\nMaxGameNo=3\r\n");
    for (int n = 1; n <= kMaxGames; ++n) {
        if (n <= games.size())
            fuzz::writeFile(gamePath(n), games[n - 1]);
        else
            QFile::remove(gamePath(n));
    }
    fuzz::freshUi();

    // The game list as the main window reads it; the damaged games are not
    // listed.
    gsReadMemberData();
    gsReadBelongData();
    QStringList damaged;
    gsReadGameList(&damaged);
    const std::vector<GameInfo> listed = gGameList;
    for (const GameInfo& game : listed)
        printGame(game, data[0]);
    if (!listed.empty())
        printSeason(data[0], data[1]);
    printPoints();

    for (int n = 1; n <= games.size(); ++n)
        fuzz::require(fuzz::readFile(gamePath(n)) == games[n - 1], "printing never changes a game file");
    return 0;
}
