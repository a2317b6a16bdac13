// The team list of the current game: gRanking as gsCalTeamList leaves it
// (the players with a team, teams adjacent, no handicap), ages at the game
// date, the team ranking method of gGame and the head count
// "参加 <teams>ﾁｰﾑ、<players>名". No group filter. See teampages.h.
#pragma once

#include "reports/game/teampages.h"

class frmPfTeamList : public TeamListPage {
public:
    frmPfTeamList();

protected:
    std::vector<TeamMemberRow> pfRows() const override;
    QString pfEntryNumText(const std::vector<TeamMemberRow>& rows) override;
    QString pfAgeDate() const override;
    Integer pfTeamHowtoRank() const override;
};
