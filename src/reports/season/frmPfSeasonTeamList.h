// The season team list "通算チーム一覧表": gSeasonTeamList as
// gsCalSeasonTeamList leaves it (one row per team and player, summed over
// the ticked games, teams adjacent), ages at the last game date, the season's
// team ranking method and the head count "参加 <teams>ﾁｰﾑ、のべ<rows>名" (a
// player of two teams counts twice). Every load counts the teams again into
// gintPrintTeamNum. See teampages.h.
#pragma once

#include "reports/game/teampages.h"

class frmPfSeasonTeamList : public TeamListPage {
public:
    frmPfSeasonTeamList();

protected:
    std::vector<TeamMemberRow> pfRows() const override;
    QString pfEntryNumText(const std::vector<TeamMemberRow>& rows) override;
    QString pfAgeDate() const override;
    Integer pfTeamHowtoRank() const override;
};
