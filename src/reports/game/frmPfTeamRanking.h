// The team ranking of the current game: gTeamRanking as gsCalTeamRanking
// leaves it, the members from gRanking, the team ranking method of gGame
// and the head count "参加 <teams>ﾁｰﾑ、<players>名". No group filter. See
// teampages.h.
#pragma once

#include "reports/game/teampages.h"

class frmPfTeamRanking : public TeamRankingPage {
public:
    frmPfTeamRanking();

protected:
    QString pfEntryNumText() override;
    TeamMemberRow pfMember(Long k) const override;
    Integer pfTeamHowtoRank() const override;
};
