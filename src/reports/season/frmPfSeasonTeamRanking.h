// The season team ranking "通算チーム順位表": gTeamRanking as
// gsCalSeasonTeamRanking leaves it, its members the rows of gSeasonTeamList,
// the season's team ranking method, the team identifier in 9.75 pt and the
// head count "参加 <teams>ﾁｰﾑ、のべ<members>名", whose member total every
// load sums again into gintPrintEntryNum (a 16-bit count: an overflow is
// the page's error). See teampages.h.
#pragma once

#include "reports/game/teampages.h"

class frmPfSeasonTeamRanking : public TeamRankingPage {
public:
    frmPfSeasonTeamRanking();

protected:
    QString pfEntryNumText() override;
    TeamMemberRow pfMember(Long k) const override;
    Integer pfTeamHowtoRank() const override;
};
