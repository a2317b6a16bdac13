#include "reports/game/frmPfTeamList.h"

#include "core/printstate.h"
#include "core/records.h"

namespace {

const TeamListDesign kDesign = {
    .scoreTittle = {300, 8955},
    .noHead = {300, 315}, .noCell = {300, 315},
    .teamHead = {720, 555}, .teamCell = {720, 555},
    .mnoHead = {1380, 435}, .mnoCell = {1380, 435},
    .nameHead = {1920, 2355}, .nameCell = {1920, 1875}, .ageCell = {3540, 735},
    .roundsHead = {4380, 435}, .roundsCell = {4380, 435},
    .strokesHead = {4920, 615}, .strokesCell = {4920, 615},
    .hitsHead = {5640, 315}, .hitsCell = {5640, 315},
    .totalHead = {6060, 555}, .totalCell = {6060, 555},
    .aveHead = {6720, 675}, .aveCell = {6720, 675},
    .belongHead = {7500, 3495}, .belongCell = {7500, 3495},
    .tateX = {240, 660, 4320, 6660, 5580, 1860, 7440, 6000, 4860, 11040, 1320},
    .thinLeft = 1320,
};

}  // namespace

frmPfTeamList::frmPfTeamList()
    : TeamListPage(QStringLiteral("frmPfTeamList"), QStringLiteral("チーム一覧表"), kDesign)
{
}

std::vector<TeamMemberRow> frmPfTeamList::pfRows() const
{
    std::vector<TeamMemberRow> rows;
    rows.reserve(gRanking.size());
    for (const PersonRank& r : gRanking)
        rows.push_back(gfTeamMemberOf(r));
    return rows;
}

QString frmPfTeamList::pfEntryNumText(const std::vector<TeamMemberRow>& rows)
{
    return QStringLiteral("参加 ") + QString::number(gintPrintTeamNum) + QStringLiteral("ﾁｰﾑ、") +
           QString::number(rows.size()) + QStringLiteral("名");
}

QString frmPfTeamList::pfAgeDate() const
{
    return gstrPrintDate;
}

Integer frmPfTeamList::pfTeamHowtoRank() const
{
    return gGame.TeamHowtoRank;
}
