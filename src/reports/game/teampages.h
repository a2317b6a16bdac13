// The two team pages, with what a game's and a season's page share:
//
// TeamListPage - the players who belong to a team, team by team, with their
// complete rounds, strokes, holes in one, score and average per round. A
// team's number and identifier stand on its first row and again on the
// first row of a page it goes on to; a thick line opens every page and
// every team, thin lines (from the member-number column on) part the
// members; member numbers run on across pages.
//
// TeamRankingPage - one row per team in rank order (gTeamRanking) with its
// rank, identifier, members, complete rounds, total and average per round,
// and one cell per member (at most 10) with that member's total or
// average; the member columns divide their band by the largest team
// (5 to 10 columns).
//
// On both, the column of the team ranking method stays bold (合計 for
// method 0, R平均 otherwise) and the other loses its bold, header and cells.
//
// A variant (the game's pages, frmPfTeamList and frmPfTeamRanking, or a
// season's) gives the design positions that differ, the rows, the head
// count, the age date and the ranking method.
#pragma once

#include "reports/pageframe.h"
#include "reports/reportcells.h"

#include <vector>

// One member of one team.
struct TeamMemberRow {
    Long IDNo = 0;
    QString TeamID;          // as stored: the team test compares it exactly
    Long Rounds = 0;         // complete rounds
    Long Strokes = 0;        // their strokes (0: no complete round)
    Long Net = 0;            // strokes less 3 for every hole in one, no handicap
    Long HoleInOnes = 0;
};

// A row of a game's personal ranking (gRanking) as a team member.
TeamMemberRow gfTeamMemberOf(const PersonRank& r);
// A row of a season's team list (gSeasonTeamList) as a team member.
TeamMemberRow gfTeamMemberOf(const SeasonScore& s);

// Where a team list's controls stand.
struct TeamListDesign {
    DesignBox scoreTittle;               // lblScoreTittle (the other head labels are common)
    // Column headers (Top 900) and cell templates, column by column.
    DesignBox noHead, noCell;            // No.
    DesignBox teamHead, teamCell;        // ﾁｰﾑ
    DesignBox mnoHead, mnoCell;          // MNo.
    DesignBox nameHead, nameCell, ageCell;
    DesignBox roundsHead, roundsCell;    // R数
    DesignBox strokesHead, strokesCell;  // 実打数
    DesignBox hitsHead, hitsCell;        // H
    DesignBox totalHead, totalCell;      // 合計
    DesignBox aveHead, aveCell;          // R平均
    DesignBox belongHead, belongCell;    // 所属
    // X of the linTate elements 0 to 10 (element 4 is thin), and where the
    // thin row lines begin.
    double tateX[11];
    double thinLeft;
};

class TeamListPage : public PageFrame {
public:
    TeamListPage(const QString& name, const QString& title, const TeamListDesign& design);

protected:
    // The rows in print order, the rows of a team adjacent.
    virtual std::vector<TeamMemberRow> pfRows() const = 0;
    // The head-count text; it may count the rows and keep its own counts.
    virtual QString pfEntryNumText(const std::vector<TeamMemberRow>& rows) = 0;
    // The reference date of the ages.
    virtual QString pfAgeDate() const = 0;
    // The team ranking method: 0 by the total, else by the average.
    virtual Integer pfTeamHowtoRank() const = 0;

    void pfDataSetBody() final;
};

// Where a team ranking's controls stand, as far as a variant moves them.
struct TeamRankingDesign {
    DesignBox scorePage;                 // lblScorePage
    DesignBox teamHead, teamCell;        // ﾁｰﾑ
    double teamFontSize;                 // lblTeamID, bold
    DesignBox membersHead, membersCell;  // 人数
    DesignBox roundsHead, roundsCell;    // R数
    DesignBox totalHead, totalCell;      // 合計
    double tateX[8];                     // linTate elements 0 to 7
};

class TeamRankingPage : public PageFrame {
public:
    TeamRankingPage(const QString& name, const QString& title, const TeamRankingDesign& design);

protected:
    // The head-count text; it may count and keep its own counts.
    virtual QString pfEntryNumText() = 0;
    // Member row k (a team's members are FirstRow to FirstRow + Members - 1).
    virtual TeamMemberRow pfMember(Long k) const = 0;
    // The team ranking method: 0 by the total, else by the average.
    virtual Integer pfTeamHowtoRank() const = 0;

    void pfDataSetBody() final;
};
