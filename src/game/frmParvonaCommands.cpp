// frmParvona: the commands of its buttons and the clicks in its grids -
// adding and removing participants, teams, game information, category,
// printing, score entry, the playing groups and the moves to the score tab.
//
// Saving and closing are wired with the window's frame (frmParvona.cpp).
#include "game/frmParvona.h"

#include "core/gamefile.h"
#include "core/masterlists.h"
#include "core/records.h"
#include "forms/frmCategory.h"
#include "game/frmRoundGrouping.h"
#include "game/frmScore.h"
#include "grid/uctMyGrid.h"
#include "game/frmAddScoreMember.h"
#include "game/frmGameInfo.h"
#include "game/frmSetTeam.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"
#include "reports/game/frmSelectPrintScore.h"
#include "reports/modReports.h"

#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kRowHeight = 350;

// The first selected data row of a grid, 0 when none is selected.
int selectedRow(const uctMyGrid* grid)
{
    const int rows = grid->gfRowCount();
    for (int n = 1; n <= rows - 1; ++n)
        if (grid->gfGetRowSelected(n))
            return n;
    return 0;
}

void showError(QWidget* owner, const QString& text)
{
    platform::MsgBox(text, platform::vbOKOnly, QStringLiteral("エラー"), owner);
}

// The first score line of a player, -1 when the player has none.
Long firstLineOf(Long id)
{
    for (Long i = 0; i <= glngScoreLinesUBound(); ++i)
        if (gScoreLines[i].IDNo == id)
            return i;
    return -1;
}

}  // namespace

void frmParvona::psWireCommands()
{
    connect(btnAddMember0, &QPushButton::clicked, this, [this] { btnAddMember0_Click(); });
    connect(btnDeleteMember0, &QPushButton::clicked, this, [this] { btnDeleteMember0_Click(); });
    connect(btnTeam, &QPushButton::clicked, this, [this] { btnTeam_Click(); });
    connect(btnGotoScore, &QPushButton::clicked, this, [this] { btnGotoScore_Click(); });
    connect(btnGrouping, &QPushButton::clicked, this, [this] { btnGrouping_Click(); });
    connect(btnGotoScore2, &QPushButton::clicked, this, [this] { btnGotoScore2_Click(); });
    connect(btnGameInfo, &QPushButton::clicked, this, [this] { btnGameInfo_Click(); });
    connect(btnCategory, &QPushButton::clicked, this, [this] { btnCategory_Click(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrint_Click(); });
    connect(btnScore, &QPushButton::clicked, this, [this] { btnScore_Click(); });

    connect(uctGridList, &uctMyGrid::MGCellClick, this, [this](int c, int r) { uctGridList_MGCellClick(c, r); });
    connect(uctGridList0, &uctMyGrid::MGCellClick, this, [this](int c, int r) { uctGridList0_MGCellClick(c, r); });
    connect(uctGridList0, &uctMyGrid::MGCellDblClick, this,
            [this](int c, int r) { uctGridList0_MGCellDblClick(c, r); });
    connect(uctGridList2, &uctMyGrid::MGCellDblClick, this,
            [this](int c, int r) { uctGridList2_MGCellDblClick(c, r); });
    connect(uctGridList4, &uctMyGrid::MGCellDblClick, this,
            [this](int c, int r) { uctGridList4_MGCellDblClick(c, r); });
    connect(uctGridList6, &uctMyGrid::MGCellDblClick, this,
            [this](int c, int r) { uctGridList6_MGCellDblClick(c, r); });
}

void frmParvona::psSetModified()
{
    mModified = 1;
    psSetCaption();
}

void frmParvona::psShowSystemError(const char* procedure, const std::exception& e)
{
    platform::resetMousePointer();
    platform::MsgBox(QString::fromLatin1(procedure) + QStringLiteral("():") + pfErrorDescription(e),
                     platform::vbOKOnly, QStringLiteral("System error"), this);
}

// ---------------------------------------------------------------- participants

// Adds one participant at the place chosen in frmAddScoreMember.
void frmParvona::btnAddMember0_Click()
{
    const int rowCount = uctGridList0->gfRowCount();
    const int selected = selectedRow(uctGridList0);
    const int w = selected > 0 ? selected : rowCount;
    Long index = -1;
    Long p = -1;
    if (selected > 0) {
        index = uctGridList0->gfGetRowItemData(selected) - 1;
        if (index < 0 || index > glngScoreLinesUBound())
            return;
        p = gScoreLines[index].IDNo;
    }

    for (MemberInfo& m : gMemberList) {
        m.Marked = 0;
        m.TeamID.clear();
    }
    for (const ScoreLine& line : gScoreLines) {
        const Long k = gfGetMemberIndex(line.IDNo);
        if (k >= 0)
            gMemberList[k].Marked = 1;
    }

    glngDialogParam = index;
    {
        frmAddScoreMember dlg(this);
        dlg.exec();
    }
    if (gintDialogResult == -1)
        return;
    const Integer position = gintDialogResult;
    const Long member = glngDialogParam;
    psSetModified();

    try {
        platform::setHourglass();
        const Long end = glngScoreLinesUBound() + 1;
        Long j = end;
        if (position == 1 || position == 2) {
            const Long first = firstLineOf(p);
            if (first >= 0) {
                if (position == 1) {
                    j = first;
                } else {
                    Long k = first + 1;
                    while (k < end && gScoreLines[k].IDNo == p)
                        ++k;
                    j = k;
                }
            }
        } else if (position == 3) {
            j = 0;
        }

        const Integer rounds = std::max<Integer>(gGame.Round, 0);
        std::vector<ScoreLine> added;
        for (Integer r = 1; r <= rounds; ++r) {
            ScoreLine line;
            line.IDNo = member;
            line.RoundNo = r;
            added.push_back(line);
        }
        gScoreLines.insert(gScoreLines.begin() + j, added.begin(), added.end());

        // Keep the new lines in view on the score tab.
        const Long visible = (uctGridList->gfGetListSpaceHeight() - kRowHeight) / kRowHeight;
        const Long top = uctGridList->gfGetTopIndexOfRowsY() - 1;
        if (j < top)
            mScoreTopRow = j + 1;
        else if (j < top + visible - 1)
            mScoreTopRow = top + 1;
        else
            mScoreTopRow = j - visible + 3;
        if (mScoreTopRow < 0)
            mScoreTopRow = 1;
        if (j <= glngScoreLinesUBound())
            mSelScoreLine = gScoreLines[j];
        psSetList1();

        // And the new participant's row on the participants tab.
        mSelMemberID = member;
        const Long k = uctGridList0->gfGetTopIndexOfRowsY();
        mEntryTopRow = k;
        switch (position) {
        case 1:
            if (visible < w - k + 1)
                mEntryTopRow = w - visible + 1;
            break;
        case 2:
            if (visible < w - k + 2)
                mEntryTopRow = w - visible + 2;
            break;
        case 3:
            mEntryTopRow = 1;
            break;
        default:
            if (visible < rowCount - k + 1)
                mEntryTopRow = rowCount - visible + 1;
            break;
        }
        if (mEntryTopRow < 1)
            mEntryTopRow = 1;
        psSetList0();
        platform::resetMousePointer();
    } catch (const std::exception& e) {
        psShowSystemError("btnAddMember0_Click", e);
    }
}

// Removes the selected participant with all their lines.
void frmParvona::btnDeleteMember0_Click()
{
    const int row = selectedRow(uctGridList0);
    if (row == 0) {
        showError(this, QStringLiteral("取消すプレイヤーを選択してください。"));
        return;
    }
    const Long index = uctGridList0->gfGetRowItemData(row) - 1;
    if (index < 0 || index > glngScoreLinesUBound())
        return;
    const Long p = gScoreLines[index].IDNo;

    const QString text = gfGetMemberName(p) + QStringLiteral("　（") + gfGetMemberGender(p, 0) + QStringLiteral("、")
                         + gfGetMemberAge(p, vb::Trim(gGame.Date)) + QStringLiteral("歳）")
                         + QStringLiteral(" さんの参加を取り消します。");
    if (platform::MsgBox(text, platform::vbOKCancel, QStringLiteral("参加取消し確認"), this) != platform::vbOK)
        return;

    psSetModified();
    const Long j = firstLineOf(p);
    if (j >= 0) {
        const Long count = std::min<Long>(std::max<Integer>(gGame.Round, 0), glngScoreLinesUBound() + 1 - j);
        gScoreLines.erase(gScoreLines.begin() + j, gScoreLines.begin() + j + count);
    }
    psRefreshScoreList();
    psRefreshEntryList();
}

// Sets the selected participant's team (dialog frmSetTeam).
void frmParvona::btnTeam_Click()
{
    const int row = selectedRow(uctGridList0);
    if (row == 0) {
        showError(this, QStringLiteral("設定するプレイヤーを選択してください。"));
        return;
    }
    Long index = uctGridList0->gfGetRowItemData(row) - 1;
    if (index < 0 || index > glngScoreLinesUBound())
        return;
    const Long p = gScoreLines[index].IDNo;

    gstrDialogText1 = gScoreLines[index].TeamID;
    glngDialogParam = 0;
    {
        frmSetTeam dlg(this);
        dlg.exec();
    }
    if (gintDialogResult == -1)
        return;
    psSetModified();

    const QString team = vb::Trim(gstrDialogText1);
    bool inPlayer = false;
    for (ScoreLine& line : gScoreLines) {
        if (line.IDNo == p) {
            line.TeamID = team;
            inPlayer = true;
        } else if (inPlayer) {
            break;
        }
    }
    uctGridList0->gsSetText(1, row, team);
    uctGridList0->gsUpdate();
    psSetList1_After_ScoreEntry(index);
}

// Shows the selected participant's round-1 row on the score tab.
void frmParvona::btnGotoScore_Click()
{
    const int row = selectedRow(uctGridList0);
    if (row == 0) {
        psSelectTab(TabScores);
        platform::resetMousePointer();
        return;
    }
    const Long f = uctGridList0->gfGetRowItemData(row);
    if (f - 1 < 0 || f - 1 > glngScoreLinesUBound())
        return;
    psShowScoreLine(f - 1, "btnGotoScore_Click");
}

// Selects score line l (0-based) and shows it on the score tab, scrolled so
// that the rows of its player above it stay in view.
void frmParvona::psShowScoreLine(Long l, const char* procedure)
{
    try {
        platform::setHourglass();
        mScoreTopRow = std::max<Long>(l + 1 - gGame.Round, 1);
        mSelScoreLine = gScoreLines[l];
        if (!uctGridList->gfGetRowSelected(l + 1))
            uctGridList->gsSetSelectRow(l + 1);
        uctGridList->gsSetTopIndexOfRowsY(mScoreTopRow);
        uctGridList->gsUpdate();
        psSelectTab(TabScores);
        platform::resetMousePointer();
    } catch (const std::exception& e) {
        psShowSystemError(procedure, e);
    }
}

// Forms the playing groups (dialog frmRoundGrouping) and orders the players'
// lines by them.
void frmParvona::btnGrouping_Click()
{
    gRGMembers = gfRoundGroupEntrants(gScoreLines);
    const GameInfo before = gGame;
    {
        frmRoundGrouping dlg(this);
        dlg.exec();
    }
    if (gintDialogResult == -1)
        return;

    try {
        platform::setHourglass();
        std::vector<ScoreLine> lines = gScoreLines;
        if (!gfOrderLinesByGroups(lines, gRGMembers)) {
            // The entrants handed back are not the game's players: the game
            // stays as it was, its grouping settings included.
            gGame.RGUmu = before.RGUmu;
            gGame.RGWhichBy = before.RGWhichBy;
            gGame.RGCT = before.RGCT;
            gGame.RGPriority = before.RGPriority;
            platform::resetMousePointer();
            showError(this, frmRoundGrouping::failureMessage());
            return;
        }
        psSetModified();
        gScoreLines = std::move(lines);

        mSelScoreLine.IDNo = 0;
        mScoreTopRow = 0;
        mSelMemberID = 0;
        mEntryTopRow = 0;
        psSetList1();
        psSetList0();
        platform::resetMousePointer();
    } catch (const std::exception& e) {
        psShowSystemError("btnGrouping_Click", e);
    }
}

// Shows the player of the selected result row on the score tab.
void frmParvona::btnGotoScore2_Click()
{
    uctMyGrid* grid = nullptr;
    switch (mCurrentTab) {
    case TabRanking: grid = uctGridList2; break;
    case TabBestRound: grid = uctGridList4; break;
    case TabTeamList: grid = uctGridList6; break;
    default: break;
    }
    const int row = grid ? selectedRow(grid) : 0;
    if (row == 0) {
        psSelectTab(TabScores);
        platform::resetMousePointer();
        return;
    }

    const Long c = grid->gfGetRowItemData(row) - 1;
    Long p = 0;
    if (mCurrentTab == TabBestRound) {
        if (c < 0 || c > glngRoundRankingUBound())
            return;
        p = gRoundRanking[c].IDNo;
    } else {
        if (c < 0 || c > glngRankingUBound())
            return;
        p = gRanking[c].IDNo;
    }
    const Long l = firstLineOf(p);
    if (l < 0)
        return;
    psShowScoreLine(l, "btnGotoScore2_Click");
}

// ---------------------------------------------------------------- game header

// Changes the game information (dialog frmGameInfo). Other holes, rounds or
// handicap use deal the stored strokes out again.
void frmParvona::btnGameInfo_Click()
{
    const GameInfo before = gGame;
    // The stored entries are rebuilt from lines that always hold Round lines
    // per player; a table that does not is left alone and the command ends.
    try {
        gsScoreLinesToData();
    } catch (const std::exception& e) {
        psShowSystemError("btnGameInfo_Click", e);
        return;
    }

    glngDialogParam = 1;
    {
        frmGameInfo dlg(this);
        dlg.exec();
    }
    if (gintDialogResult == -1 || gfIsGameInfoChanged(before, gGame) == 0)
        return;

    platform::setHourglass();
    psSetModified();
    if (gGame.Hole != before.Hole || gGame.Round != before.Round || gGame.HandiCapKind != before.HandiCapKind) {
        const std::vector<ScoreLine> lines = gScoreLines;
        try {
            gsScoreDataToLines();
        } catch (const std::exception& e) {
            // Nothing of the game may be lost: the lines stay as they were,
            // with the header they belong to.
            gScoreLines = lines;
            gGame.Hole = before.Hole;
            gGame.Round = before.Round;
            gGame.HandiCapKind = before.HandiCapKind;
            psShowSystemError("btnGameInfo_Click", e);
            return;
        }
        bool clear = true;
        if (gGame.HandiCapKind != 0 && before.HandiCapKind != 0) {
            if (gGame.Hole != before.Hole) {
                // Either answer goes on.
                platform::MsgBox(QStringLiteral("ハンディキャップをクリアします。再設定してください。"),
                                 platform::vbOKCancel, QStringLiteral("ハンディキャップのクリア"), this);
            } else {
                clear = false;
            }
        }
        if (clear)
            for (ScoreLine& line : gScoreLines)
                line.Handicap = 0;
        psSetList1();
        psSetList0();
    }
    psSelectTab(mCurrentTab);
    platform::resetMousePointer();
}

// Changes the ranking category (dialog frmCategory) and shows the ranking.
void frmParvona::btnCategory_Click()
{
    const GameInfo before = gGame;
    {
        frmCategory dlg(this);
        dlg.exec();
    }
    if (gintDialogResult == -1)
        return;
    if (gfIsGameInfoChanged(before, gGame) == 1) {
        psSetModified();
        ResetTabCaption();
    }
    psSelectTab(TabRanking);
}

// Prints the game's reports (dialog frmSelectPrintScore). A category changed
// there marks the game modified and shows the ranking; otherwise the
// result tab on show is computed again, since the dialog's tallies
// overwrote the tables its rows point into.
void frmParvona::btnPrint_Click()
{
    if (glngScoreLinesUBound() < 0) {
        gsMsgNoPrintData(this);
        return;
    }
    const GameInfo before = gGame;
    {
        frmSelectPrintScore dlg(this);
        dlg.exec();
    }
    if (gfIsGameInfoChanged(before, gGame) == 1) {
        psSetModified();
        ResetTabCaption();
        psSelectTab(TabRanking);
    } else if (mCurrentTab >= TabRanking) {
        psSelectTab(mCurrentTab);
    }
}

// ---------------------------------------------------------------- score entry

void frmParvona::btnScore_Click()
{
    Integer mode = 0;
    psScoreEntry(mode);
}

void frmParvona::psScoreEntry(Integer& startMode)
{
    const int row = selectedRow(uctGridList);
    if (row == 0) {
        showError(this, QStringLiteral("行を選択してください。"));
        return;
    }
    Long index = uctGridList->gfGetRowItemData(row) - 1;
    if (index < 0 || index > glngScoreLinesUBound())
        return;

    glngDialogParam = index;
    gstrDialogText1 = vb::Trim(gGame.Date);
    gintDialogResult = startMode;
    {
        frmScore dlg(this);
        dlg.exec();
    }
    if (gintDialogResult != -1)
        psSetModified();
    psSetList1_After_ScoreEntry(index);
}

// ---------------------------------------------------------------- grid clicks

void frmParvona::uctGridList_MGCellClick(int lngCol, int)
{
    Integer mode = (gGame.HandiCapKind != 0 && lngCol == gGame.Hole + 8) ? 1 : 0;
    psScoreEntry(mode);
}

void frmParvona::uctGridList0_MGCellClick(int lngCol, int lngRow)
{
    if (lngRow > 0 && lngCol == 1)
        btnTeam_Click();
}

void frmParvona::uctGridList0_MGCellDblClick(int, int) { btnGotoScore_Click(); }
void frmParvona::uctGridList2_MGCellDblClick(int, int) { btnGotoScore2_Click(); }
void frmParvona::uctGridList4_MGCellDblClick(int, int) { btnGotoScore2_Click(); }
void frmParvona::uctGridList6_MGCellDblClick(int, int) { btnGotoScore2_Click(); }
