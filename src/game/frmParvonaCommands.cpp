// frmParvona: the commands of its buttons and the clicks in its grids -
// adding and removing participants, teams, game information, category,
// printing, playing groups, score entry and the moves to the score tab.
//
// Saving and closing are wired with the window's frame (frmParvona.cpp). The
// other commands are not available yet: their buttons are shown disabled and
// their handlers do nothing until each command is built here.
#include "game/frmParvona.h"

#include "grid/uctMyGrid.h"

#include <QPushButton>

void frmParvona::psWireCommands()
{
    for (QPushButton* b : {btnAddMember0, btnDeleteMember0, btnTeam, btnGotoScore, btnGrouping, btnScore,
                           btnGotoScore2, btnGameInfo, btnCategory, btnPrint})
        b->setEnabled(false);

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

// Add a participant (dialog frmAddScoreMember).
void frmParvona::btnAddMember0_Click() {}
// Remove the selected participant.
void frmParvona::btnDeleteMember0_Click() {}
// Set the selected participant's team (dialog frmSetTeam).
void frmParvona::btnTeam_Click() {}
// Show the selected participant's rows on the score tab.
void frmParvona::btnGotoScore_Click() {}
// Form the playing groups (dialog frmRoundGrouping).
void frmParvona::btnGrouping_Click() {}
// Show the selected result row's player on the score tab.
void frmParvona::btnGotoScore2_Click() {}
// Change the game information (dialog frmGameInfo).
void frmParvona::btnGameInfo_Click() {}
// Change the ranking category (dialog frmCategory).
void frmParvona::btnCategory_Click() {}
// Print the game (dialog frmSelectPrintScore).
void frmParvona::btnPrint_Click() {}
// Enter the selected score row's strokes (dialog frmScore).
void frmParvona::btnScore_Click() {}

void frmParvona::uctGridList_MGCellClick(int, int) {}
void frmParvona::uctGridList0_MGCellClick(int, int) {}
void frmParvona::uctGridList0_MGCellDblClick(int, int) {}
void frmParvona::uctGridList2_MGCellDblClick(int, int) {}
void frmParvona::uctGridList4_MGCellDblClick(int, int) {}
void frmParvona::uctGridList6_MGCellDblClick(int, int) {}
