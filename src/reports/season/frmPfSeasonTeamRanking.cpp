#include "reports/season/frmPfSeasonTeamRanking.h"

#include "core/printstate.h"
#include "core/records.h"
#include "platform/vbruntime.h"

namespace {

const TeamRankingDesign kDesign = {
    .scorePage = {9210, 1845},
    .teamHead = {840, 495}, .teamCell = {780, 615}, .teamFontSize = 9.75,
    .membersHead = {1440, 435}, .membersCell = {1440, 435},
    .roundsHead = {1980, 435}, .roundsCell = {1980, 435},
    .totalHead = {2520, 855}, .totalCell = {2520, 855},
    .tateX = {240, 780, 1380, 1920, 2460, 3420, 4320, 11040},
};

}  // namespace

frmPfSeasonTeamRanking::frmPfSeasonTeamRanking()
    : TeamRankingPage(QStringLiteral("frmPfSeasonTeamRanking"), QStringLiteral("通算チーム順位表"), kDesign)
{
}

QString frmPfSeasonTeamRanking::pfEntryNumText()
{
    gintPrintEntryNum = 0;
    for (const TeamRank& t : gTeamRanking)
        gintPrintEntryNum = vb::CInt(static_cast<double>(gintPrintEntryNum) + t.Members);
    return QStringLiteral("参加 ") + QString::number(glngTeamRankingUBound() + 1) + QStringLiteral("ﾁｰﾑ、のべ") +
           QString::number(gintPrintEntryNum) + QStringLiteral("名");
}

TeamMemberRow frmPfSeasonTeamRanking::pfMember(Long k) const
{
    if (k < 0 || k > glngSeasonTeamListUBound())
        vb::raiseSubscriptOutOfRange();
    return gfTeamMemberOf(gSeasonTeamList[static_cast<size_t>(k)]);
}

Integer frmPfSeasonTeamRanking::pfTeamHowtoRank() const
{
    return gSeasonGameInfo.TeamHowtoRank;
}
