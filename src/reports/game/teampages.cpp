#include "reports/game/teampages.h"

#include "core/masterlists.h"
#include "core/records.h"
#include "platform/vbruntime.h"
#include "reports/reportcells.h"

#include <algorithm>

using print::AlignCenter;
using print::AlignLeft;
using print::AlignRight;
using print::Control;
using print::line;

namespace {

// The member band of the team ranking.
constexpr Long kMemberLeft = 4320;
constexpr Long kMemberBand = 6720;
constexpr Long kMaxMemberCells = 10;

Control headerAt(const char* name, int index, const DesignBox& box, const QString& caption)
{
    return gfColumnHeader(QLatin1String(name), index, box.left, box.width, caption);
}

Control templateAt(const char* name, const DesignBox& box, int align, const QString& sample)
{
    return gfCellTemplate(QLatin1String(name), box.left, box.width, align, sample);
}

// The bold rule of the two score columns: the ranking method's column stays
// bold, the other loses it (header and cells).
void applyRankingEmphasis(print::PageForm& form, Integer howToRank)
{
    const bool byTotal = howToRank == 0;
    form.control(byTotal ? QStringLiteral("lblRAveT") : QStringLiteral("lblTotalT")).font.bold = false;
    form.control(QStringLiteral("lblGoukei"), 0).font.bold = byTotal;
    form.control(QStringLiteral("lblRoundAve"), 0).font.bold = !byTotal;
}

}  // namespace

TeamMemberRow gfTeamMemberOf(const PersonRank& r)
{
    return {r.IDNo, r.TeamID, r.Rounds, r.Gross, r.Net, r.StrokeCount[0]};
}

TeamMemberRow gfTeamMemberOf(const SeasonScore& s)
{
    return {s.IDNo, s.TeamID, s.Rounds, s.Total, s.Net, s.StrokeCount[0]};
}

// ------------------------------------------------------------------ team list

TeamListPage::TeamListPage(const QString& name, const QString& title, const TeamListDesign& d)
    : PageFrame(name, title)
{
    const print::Font bold = font(9.75, true);

    for (const Control& c : gfHeadLabels({.exract = {0, 0},
                                          .scorePage = {9210, 1845},
                                          .seasonTittle = {300, 10785},
                                          .scoreTittle = d.scoreTittle,
                                          .entryNum = {9420, 1575}}))
        add(c);

    add(headerAt("lblNoNo", -1, d.noHead, QStringLiteral("No.")));
    add(headerAt("lblSPTotal", 83, d.teamHead, QStringLiteral("ﾁｰﾑ")));
    add(headerAt("lblSPTotal", 1, d.mnoHead, QStringLiteral("MNo.")));
    add(headerAt("Label7", -1, d.nameHead, QStringLiteral("名　前　（年令・性別）")));
    add(headerAt("lblSPTotal", 84, d.roundsHead, QStringLiteral("R数")));
    add(headerAt("Label1", -1, d.strokesHead, QStringLiteral("実打数")));
    add(headerAt("lblSPTotal", 81, d.hitsHead, QStringLiteral("H")));
    add(headerAt("lblTotalT", -1, d.totalHead, QStringLiteral("合計")).withFont(bold));
    add(headerAt("lblRAveT", -1, d.aveHead, QStringLiteral("R平均")).withFont(bold));
    add(headerAt("lblSPTotal", 82, d.belongHead, QStringLiteral("所属")));

    add(line("linTop").from(240, 840, 11040, 840).thick(2));
    for (int i = 0; i < 11; ++i)
        add(gfTateLine(i, d.tateX[i], i == 4 ? 1 : 2));
    add(line("linFutoYoko", 0).from(240, 1200, 11040, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHosoYoko", 0).from(d.thinLeft, 1560, 11040, 1560).color(print::kBlue).hidden());

    add(templateAt("lblNo", d.noCell, AlignCenter, QStringLiteral("99")));
    add(templateAt("lblTeamID", d.teamCell, AlignCenter, QStringLiteral("ABC")).withFont(bold));
    add(templateAt("lblMNo", d.mnoCell, AlignCenter, QStringLiteral("M99")));
    add(templateAt("lblName", d.nameCell, AlignLeft, QStringLiteral("山田太郎")));
    add(templateAt("lblAge", d.ageCell, AlignRight, QStringLiteral("(99,M)")));
    add(templateAt("lblRoundNum", d.roundsCell, AlignCenter, QStringLiteral("99")).withFont(bold));
    add(templateAt("lblRHits", d.strokesCell, AlignCenter, QStringLiteral("999")));
    add(templateAt("lblHits", d.hitsCell, AlignCenter, QStringLiteral("9")));
    add(templateAt("lblGoukei", d.totalCell, AlignCenter, QStringLiteral("999")).withFont(bold));
    add(templateAt("lblRoundAve", d.aveCell, AlignCenter, QStringLiteral("99.99")).withFont(bold));
    add(templateAt("lblBelong", d.belongCell, AlignLeft, QStringLiteral("所属グループ")));
}

void TeamListPage::pfDataSetBody()
{
    const std::vector<TeamMemberRow> rows = pfRows();
    psSetHeads(pfEntryNumText(rows));
    psStretchTateToTop();
    applyRankingEmphasis(*this, pfTeamHowtoRank());
    psClearPageTexts();

    // The team test, row by row from the first, on every load: a team
    // identifier other than the previous row's (compared as stored) starts
    // the next team and its member numbers again.
    std::vector<Long> teamNo(rows.size());
    std::vector<Long> memberNo(rows.size());
    std::vector<bool> teamFirst(rows.size());
    Long team = 0;
    Long member = 0;
    QString previous;
    for (size_t i = 0; i < rows.size(); ++i) {
        teamFirst[i] = i == 0 || rows[i].TeamID != previous;
        if (teamFirst[i]) {
            ++team;
            member = 0;
            previous = rows[i].TeamID;
        }
        teamNo[i] = team;
        memberNo[i] = ++member;
    }

    const QString ageDate = pfAgeDate();
    bool pageFirst = false;
    Walk walk;
    walk.rows = static_cast<Long>(rows.size());
    walk.separator = [&](Long i, bool firstOfPage) {
        pageFirst = firstOfPage;
        if (firstOfPage || teamFirst[static_cast<size_t>(i)])
            psRowLine(QStringLiteral("linFutoYoko"), true);
        else
            psRowLine(QStringLiteral("linHosoYoko"), false);
    };
    walk.drawRow = [&](Long i) {
        const TeamMemberRow& r = rows[static_cast<size_t>(i)];
        if (pageFirst || teamFirst[static_cast<size_t>(i)]) {
            psCell(QStringLiteral("lblNo"), QString::number(teamNo[static_cast<size_t>(i)]));
            psCell(QStringLiteral("lblTeamID"), vb::Trim(r.TeamID));
        }
        psCell(QStringLiteral("lblMNo"), QStringLiteral("M") + QString::number(memberNo[static_cast<size_t>(i)]));
        psCell(QStringLiteral("lblName"), gfGetMemberName(r.IDNo));
        psCell(QStringLiteral("lblAge"), gfAgeGenderCellText(r.IDNo, ageDate));
        psCell(QStringLiteral("lblRoundNum"), gfNumberOrDash(r.Rounds >= 1, r.Rounds));
        psCell(QStringLiteral("lblRHits"), gfNumberOrDash(r.Strokes >= 1, r.Strokes));
        psCell(QStringLiteral("lblHits"), gfNumberOrDash(r.Strokes != 0, r.HoleInOnes));
        psCell(QStringLiteral("lblGoukei"), gfNumberOrDash(r.Strokes != 0, r.Net));
        psCell(QStringLiteral("lblRoundAve"), gfAverageCellText(r.Net, r.Rounds, QStringLiteral("0.00")));
        psCell(QStringLiteral("lblBelong"), gfGetMemberBelongName(r.IDNo));
    };
    psWalk(walk);
}

// --------------------------------------------------------------- team ranking

TeamRankingPage::TeamRankingPage(const QString& name, const QString& title, const TeamRankingDesign& d)
    : PageFrame(name, title)
{
    const print::Font bold = font(9.75, true);

    for (const Control& c : gfHeadLabels({.exract = {0, 0},
                                          .scorePage = d.scorePage,
                                          .seasonTittle = {300, 10785},
                                          .scoreTittle = {300, 8895},
                                          .entryNum = {9420, 1575}}))
        add(c);

    add(gfColumnHeader(QStringLiteral("lblNoNo"), -1, 300, 435, QStringLiteral("順位")));
    add(headerAt("lblSPTotal", 83, d.teamHead, QStringLiteral("ﾁｰﾑ")));
    add(headerAt("lblSPTotal", 0, d.membersHead, QStringLiteral("人数")));
    add(headerAt("lblSPTotal", 84, d.roundsHead, QStringLiteral("R数")));
    add(headerAt("lblTotalT", -1, d.totalHead, QStringLiteral("合計")).withFont(bold));
    add(gfColumnHeader(QStringLiteral("lblRAveT"), -1, 3480, 795, QStringLiteral("R平均")).withFont(bold));

    add(line("linTop").from(240, 840, 11040, 840).thick(2));
    for (int i = 0; i < 8; ++i)
        add(gfTateLine(i, d.tateX[i], 2));
    add(line("linFutoYoko", 0).from(240, 1200, 11040, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHosoYoko", 0).from(240, 1560, 11040, 1560).color(print::kBlue).hidden());
    add(line("linMNoTate", 0).from(5664, 840, 5664, 2280).color(print::kBlue).hidden());

    add(gfCellTemplate(QStringLiteral("lblNo"), 300, 435, AlignCenter, QStringLiteral("99")));
    add(templateAt("lblTeamID", d.teamCell, AlignCenter, QStringLiteral("ABC")).withFont(font(d.teamFontSize, true)));
    add(templateAt("lblTeamMemberNum", d.membersCell, AlignCenter, QStringLiteral("99")));
    add(templateAt("lblRoundNum", d.roundsCell, AlignCenter, QStringLiteral("99")));
    add(templateAt("lblGoukei", d.totalCell, AlignCenter, QStringLiteral("9999")).withFont(bold));
    add(gfCellTemplate(QStringLiteral("lblRoundAve"), 3480, 795, AlignCenter, QStringLiteral("99.999")).withFont(bold));
    add(gfCellTemplate(QStringLiteral("lblMNo"), kMemberLeft, 1344, AlignCenter, QStringLiteral("99.99")));
}

void TeamRankingPage::pfDataSetBody()
{
    psSetHeads(pfEntryNumText());
    psStretchTateToTop();

    // The member columns: as many as the largest team, 5 to 10.
    Long most = 0;
    for (const TeamRank& t : gTeamRanking)
        most = std::max(most, t.Members);
    const Long columns = std::clamp<Long>(most, 5, kMaxMemberCells);
    const Long w = gfColumnWidth(kMemberBand, columns);
    gsLayoutColumnBand(*this, {.separators = QStringLiteral("linMNoTate"),
                               .headers = QStringLiteral("lblMNo"),
                               .left = kMemberLeft,
                               .width = w,
                               .columns = columns,
                               .headerCount = std::min(most, kMaxMemberCells),
                               .headerTop = control(QStringLiteral("linTop")).y1 + kCellOffset,
                               .caption = [](Long p) { return QStringLiteral("M") + QString::number(p + 1); }});

    psClearPageTexts();
    const Integer howToRank = pfTeamHowtoRank();
    applyRankingEmphasis(*this, howToRank);

    Walk walk;
    walk.rows = glngTeamRankingUBound() + 1;
    walk.drawRow = [&](Long i) {
        const TeamRank& t = gTeamRanking[static_cast<size_t>(i)];
        psCell(QStringLiteral("lblNo"), QString::number(t.Rank));
        psCell(QStringLiteral("lblTeamID"), vb::Trim(t.TeamID));
        psCell(QStringLiteral("lblTeamMemberNum"), QString::number(t.Members));
        psCell(QStringLiteral("lblRoundNum"), gfNumberOrDash(t.Rounds >= 1, t.Rounds));
        psCell(QStringLiteral("lblGoukei"), gfNumberOrDash(t.Rounds != 0, t.Net));
        psCell(QStringLiteral("lblRoundAve"), gfAverageCellText(t.Net, t.Rounds, QStringLiteral("0.000")));
        for (Long p = 0; p < std::min(t.Members, kMaxMemberCells); ++p) {
            const TeamMemberRow m = pfMember(t.FirstRow + p);
            Control& c = psCell(QStringLiteral("lblMNo"),
                                howToRank == 0 ? gfNumberOrDash(m.Strokes != 0, m.Net)
                                               : gfAverageCellText(m.Net, m.Rounds, QStringLiteral("0.00")));
            c.left = kMemberLeft + p * w;
            c.width = w;
        }
    };
    walk.atPageEnd = [this] { gsStretchLoadedLines(*this, QStringLiteral("linMNoTate"), mY); };
    psWalk(walk);
}
