#include "reports/game/frmPfTeamRanking.h"

#include "core/printstate.h"
#include "core/records.h"
#include "platform/vbruntime.h"

namespace {

const TeamRankingDesign kDesign = {
    .scorePage = {9000, 2055},
    .teamHead = {840, 615}, .teamCell = {840, 615}, .teamFontSize = 11.25,
    .membersHead = {1560, 495}, .membersCell = {1560, 495},
    .roundsHead = {2160, 495}, .roundsCell = {2160, 495},
    .totalHead = {2760, 615}, .totalCell = {2760, 615},
    .tateX = {240, 780, 1500, 2100, 2700, 3420, 4320, 11040},
};

}  // namespace

frmPfTeamRanking::frmPfTeamRanking()
    : TeamRankingPage(QStringLiteral("frmPfTeamRanking"), QStringLiteral("チーム順位表"), kDesign)
{
}

QString frmPfTeamRanking::pfEntryNumText()
{
    return QStringLiteral("参加 ") + QString::number(gintPrintTeamNum) + QStringLiteral("ﾁｰﾑ、") +
           QString::number(glngRankingUBound() + 1) + QStringLiteral("名");
}

TeamMemberRow frmPfTeamRanking::pfMember(Long k) const
{
    if (k < 0 || k > glngRankingUBound())
        vb::raiseSubscriptOutOfRange();
    return gfTeamMemberOf(gRanking[static_cast<size_t>(k)]);
}

Integer frmPfTeamRanking::pfTeamHowtoRank() const
{
    return gGame.TeamHowtoRank;
}
