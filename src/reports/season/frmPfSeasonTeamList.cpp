#include "reports/season/frmPfSeasonTeamList.h"

#include "core/printstate.h"
#include "core/records.h"
#include "platform/vbruntime.h"

namespace {

const TeamListDesign kDesign = {
    .scoreTittle = {300, 8895},
    .noHead = {300, 315}, .noCell = {300, 315},
    .teamHead = {720, 495}, .teamCell = {660, 615},
    .mnoHead = {1320, 435}, .mnoCell = {1320, 435},
    .nameHead = {1860, 2055}, .nameCell = {1860, 1755}, .ageCell = {3180, 735},
    .roundsHead = {4020, 435}, .roundsCell = {4020, 435},
    .strokesHead = {4560, 675}, .strokesCell = {4560, 675},
    .hitsHead = {5340, 375}, .hitsCell = {5340, 375},
    .totalHead = {5820, 795}, .totalCell = {5820, 795},
    .aveHead = {6720, 735}, .aveCell = {6720, 735},
    .belongHead = {7560, 3435}, .belongCell = {7560, 3435},
    .tateX = {240, 660, 3960, 6660, 5280, 4500, 7500, 5760, 11040, 1260, 1800},
    .thinLeft = 1260,
};

}  // namespace

frmPfSeasonTeamList::frmPfSeasonTeamList()
    : TeamListPage(QStringLiteral("frmPfSeasonTeamList"), QStringLiteral("通算チーム一覧表"), kDesign)
{
}

std::vector<TeamMemberRow> frmPfSeasonTeamList::pfRows() const
{
    std::vector<TeamMemberRow> rows;
    rows.reserve(gSeasonTeamList.size());
    for (const SeasonScore& s : gSeasonTeamList)
        rows.push_back(gfTeamMemberOf(s));
    return rows;
}

QString frmPfSeasonTeamList::pfEntryNumText(const std::vector<TeamMemberRow>& rows)
{
    // The teams counted again on every load, by identifiers without their
    // surrounding blanks (a 16-bit count).
    gintPrintTeamNum = 0;
    QString previous;
    for (const TeamMemberRow& r : rows) {
        const QString team = vb::Trim(r.TeamID);
        if (team != previous) {
            gintPrintTeamNum = vb::CInt(gintPrintTeamNum + 1);
            previous = team;
        }
    }
    return QStringLiteral("参加 ") + QString::number(gintPrintTeamNum) + QStringLiteral("ﾁｰﾑ、のべ") +
           QString::number(rows.size()) + QStringLiteral("名");
}

QString frmPfSeasonTeamList::pfAgeDate() const
{
    return gstrSeasonLastDate;
}

Integer frmPfSeasonTeamList::pfTeamHowtoRank() const
{
    return gSeasonGameInfo.TeamHowtoRank;
}
