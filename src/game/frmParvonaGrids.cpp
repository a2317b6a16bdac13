// frmParvona: the fillers of its six grids - participants, scores (with the
// round tally and the game total worked out for display from the stroke
// texts), personal ranking, best rounds, team list and team ranking.
#include "game/frmParvona.h"

#include "core/masterlists.h"
#include "core/records.h"
#include "grid/uctMyGrid.h"
#include "platform/eradate.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QVariant>

#include <algorithm>

namespace {

// OLE colours.
constexpr quint32 kHighlight = 0x8000000Du;
constexpr quint32 kHighlightText = 0x8000000Eu;
constexpr quint32 kButtonFace = 0x8000000Fu;
constexpr quint32 kGreyText = 0x80000011u;
constexpr quint32 kGrey = 0xF0F0F0u;          // RGB(240, 240, 240)
constexpr quint32 kLightBlue = 0xFFF0F0u;     // RGB(240, 240, 255)
constexpr quint32 kLightRed = 0xF0F0FFu;      // RGB(255, 240, 240)
constexpr quint32 kRankingBand = 0xFAFAE6u;   // RGB(230, 250, 250)
constexpr quint32 kTeamListBand = 0xF0FFF0u;  // RGB(240, 255, 240)

constexpr int kRowHeight = 350;
constexpr int kCentre = 2;
constexpr int kLeft = 0;

QVariant ole(quint32 c) { return QVariant(c); }

QString num(qint64 v) { return QString::number(v); }

// The numeric value of a stroke text as a whole number.
Long strokeValue(const QString& text) { return vb::CLng(vb::Val(text)); }

// A hole's mark: "①" for a hole-in-one, the text as stored for more strokes,
// "-" for a hole not entered.
QString holeMark(const QString& text)
{
    const Long v = strokeValue(text);
    if (v == 1)
        return QStringLiteral("①");
    if (v >= 1)
        return text;
    return QStringLiteral("-");
}

// The birthday in the era pattern "gee/mm/dd"; "" without a valid birthday.
QString eraBirthday(Long id)
{
    const QString birthday = gfGetMemberBirthday(id);
    if (birthday.isEmpty())
        return QString();
    return vb::FormatDateText(birthday, QStringLiteral("gee/mm/dd"));
}

void setCell(uctMyGrid* g, int col, int row, const QString& text, int alignment)
{
    g->gsSetText(col, row, text);
    g->gsSetCellData(col, row, QStringLiteral("Alignment"), alignment);
}

void setBack(uctMyGrid* g, int col, int row, quint32 colour)
{
    g->gsSetCellData(col, row, QStringLiteral("BackColor"), ole(colour));
}

void setBold(uctMyGrid* g, int col, int row)
{
    g->gsSetCellData(col, row, QStringLiteral("FontBold"), true);
}

void setHeader(uctMyGrid* g, int col, const QString& text)
{
    setCell(g, col, 0, text, kCentre);
}

void setWidth(uctMyGrid* g, int col, int twips)
{
    g->gsSetColInfo(col, QStringLiteral("Width"), twips);
}

void startRow(uctMyGrid* g, int row, Long itemData)
{
    g->gsSetRowInfo(row, QStringLiteral("Height"), kRowHeight);
    g->gsSetRowInfo(row, QStringLiteral("RowItemData"), itemData);
}

void band(uctMyGrid* g, int row, int cols, quint32 colour)
{
    for (int c = 0; c < cols; ++c)
        setBack(g, c, row, colour);
}

// The header row: the columns' widths, then their captions, the caption of
// the column that ranks in bold (none where boldCol < 0), and its height.
void writeHeaderRow(uctMyGrid* g, const QList<QPair<QString, int>>& columns, int boldCol)
{
    for (int c = 0; c < columns.size(); ++c)
        setWidth(g, c, columns[c].second);
    for (int c = 0; c < columns.size(); ++c)
        setHeader(g, c, columns[c].first);
    if (boldCol >= 0)
        setBold(g, boldCol, 0);
    g->gsSetRowInfo(0, QStringLiteral("Height"), kRowHeight);
}

// A row's start with every second row banded in `colour`.
void startBandedRow(uctMyGrid* g, int row, Long itemData, int cols, quint32 colour)
{
    startRow(g, row, itemData);
    if (row % 2 == 0)
        band(g, row, cols, colour);
}

// The first column: the row's number or rank on button face.
void numberCell(uctMyGrid* g, int row, const QString& text)
{
    setCell(g, 0, row, text, kCentre);
    setBack(g, 0, row, kButtonFace);
}

// Name, age and gender of a player from column `firstCol` on.
void memberCells(uctMyGrid* g, int firstCol, int row, Long id)
{
    setCell(g, firstCol, row, gfGetMemberName(id), kLeft);
    setCell(g, firstCol + 1, row, gfGetMemberAge(id, gGame.Date), kCentre);
    setCell(g, firstCol + 2, row, gfGetMemberGender(id, 0), kCentre);
}

// The grey note under a player's name in the score grid: group and team.
void noteCell(uctMyGrid* g, int row, const QString& text)
{
    setCell(g, 1, row, text, kLeft);
    g->gsSetCellData(1, row, QStringLiteral("ForeColor"), ole(kGreyText));
}

void showTrapped(QWidget* owner, const char* procedure, const QString& description)
{
    platform::MsgBox(QString::fromLatin1(procedure) + QStringLiteral("() : ") + description,
                     platform::vbOKOnly | platform::vbCritical, QStringLiteral("エラー"), owner);
}

}  // namespace

// The common start of every fill: cleared grid, fixed header row without
// column resizing, selection colours, and the tables sized.
void frmParvona::psSetGridFrame(uctMyGrid* grid, int cols, int rows)
{
    grid->gsClear();
    grid->gsSetFixedTopRow(true, false);
    grid->gsSetSelectRowColor(ole(kHighlight), ole(kHighlightText));
    grid->gsCreateColsRows(cols, rows);
}

// ---------------------------------------------------------------- participants

void frmParvona::psSetList0()
{
    try {
        uctMyGrid* g = uctGridList0;
        const Integer rounds = gGame.Round;
        if (rounds == 0)
            vb::raiseDivisionByZero();
        const Long lines = glngScoreLinesUBound() + 1;
        const int rows = lines / rounds + 1;
        constexpr int cols = 8;
        psSetGridFrame(g, cols, rows);

        writeHeaderRow(g,
                       {{QStringLiteral("No."), 550}, {QStringLiteral("チーム"), 800}, {QStringLiteral("名前"), 2500},
                        {QStringLiteral("年令"), 550}, {QStringLiteral("性別"), 550}, {QStringLiteral("地域"), 1300},
                        {QStringLiteral("所属"), 4500}, {QStringLiteral("RG"), 550}},
                       -1);

        int row = 0;
        for (Long i = 0; i <= glngScoreLinesUBound(); i += std::max<Integer>(rounds, 1)) {
            ++row;
            const ScoreLine& line = gScoreLines[i];
            startBandedRow(g, row, i + 1, cols, kLightBlue);
            numberCell(g, row, num(row));
            setCell(g, 1, row, vb::Trim(line.TeamID), kCentre);
            setBack(g, 1, row, kGrey);
            memberCells(g, 2, row, line.IDNo);
            setCell(g, 5, row, gfGetMemberLocation(line.IDNo), kLeft);
            setCell(g, 6, row, gfGetMemberBelongName(line.IDNo), kLeft);
            setCell(g, 7, row, line.RoundGNo > 0 ? num(line.RoundGNo) : QString(), kCentre);
        }

        if (mSelMemberID > 0)
            psSelectKeptMember();
        mSelMemberID = 0;
        if (mEntryTopRow > 0)
            g->gsSetTopIndexOfRowsY(mEntryTopRow);
        mEntryTopRow = 0;
        g->gsUpdate();
        psSetEntryNum();
    } catch (const std::exception& e) {
        showTrapped(this, "psSetList0", pfErrorDescription(e));
    }
}

// ---------------------------------------------------------------- scores

QString frmParvona::pfGroupAndTeamText(const ScoreLine& line) const
{
    QString text;
    if (line.RoundGNo > 0)
        text += QStringLiteral("<") + num(line.RoundGNo) + QStringLiteral("> ");
    const QString team = vb::Trim(line.TeamID);
    if (!team.isEmpty())
        text += QStringLiteral("[ ") + team + QStringLiteral(" ]");
    return text;
}

// Columns "R" to the last of the row of line `index`: the hole marks and the
// round's tally; on the player's last round also the game total in the
// player's round-1 row.
void frmParvona::psWriteScoreTally(Long index, PlayerSums& sums)
{
    uctMyGrid* g = uctGridList;
    if (index < 0 || index > glngScoreLinesUBound())
        vb::raiseSubscriptOutOfRange();
    const ScoreLine& line = gScoreLines[index];
    const int row = index + 1;
    const int holes = gGame.Hole;
    if (holes < 0 || holes > 16)
        vb::raiseSubscriptOutOfRange();
    const bool withHandicap = gGame.HandiCapKind != 0;

    if (line.RoundNo == 1)
        sums = PlayerSums{};

    setCell(g, 4, row, num(line.RoundNo), kCentre);
    setBack(g, 4, row, kGrey);

    qint64 strokes = 0;
    int missing = 0;
    int classes[5] = {0, 0, 0, 0, 0};
    for (int h = 0; h < holes; ++h) {
        const QString& text = line.Holes[h];
        const Long v = strokeValue(text);
        setCell(g, 5 + h, row, holeMark(text), kCentre);
        strokes += v;
        if (v >= 1 && v <= 5)
            ++classes[v - 1];
        else if (v <= 0)
            ++missing;
    }
    const bool complete = strokes != 0 && missing == 0;
    const qint64 subtotal = strokes - 3 * classes[0];
    const QString dash = QStringLiteral("-");

    int c = holes + 5;
    setCell(g, c, row, complete ? num(strokes) : dash, kCentre);        // 実打
    setBack(g, c, row, kGrey);
    ++c;
    setCell(g, c, row, complete ? num(classes[0]) : dash, kCentre);     // H
    ++c;
    setCell(g, c, row, complete ? num(subtotal) : dash, kCentre);       // 小計
    setBack(g, c, row, kGrey);
    ++c;
    if (withHandicap) {
        setCell(g, c, row, line.RoundNo == 1 ? num(line.Handicap) : QString(), kCentre);   // Hc
        ++c;
    }
    const int totalCol = c;
    setCell(g, totalCol, row, QString(), kCentre);                       // 合計
    setBack(g, totalCol, row, kGrey);
    setBold(g, totalCol, row);
    ++c;
    for (int k = 0; k < 5; ++k)
        setCell(g, c + k, row, complete ? num(classes[k]) : dash, kCentre);   // 1打 .. 5打

    if (complete)
        sums.strokes += strokes;
    if (missing == 0)
        sums.subtotals += subtotal;

    if (line.RoundNo == gGame.Round) {
        const int firstRow = row - (gGame.Round - 1);
        QString total = dash;
        if (sums.strokes > 0) {
            qint64 t = sums.subtotals;
            if (gGame.HandiCapKind == 2)
                t += line.Handicap;
            total = num(t);
        }
        g->gsSetText(totalCol, firstRow, total);
    }
}

// After a fill of the score grid: the kept selection and top row back, the
// grid drawn and the entry count shown.
void frmParvona::psRestoreScoreView()
{
    if (mSelScoreLine.IDNo > 0)
        psSelectKeptScore();
    mSelScoreLine.IDNo = 0;
    if (mScoreTopRow > 0)
        uctGridList->gsSetTopIndexOfRowsY(mScoreTopRow);
    mScoreTopRow = 0;
    uctGridList->gsUpdate();
    psSetEntryNum();
}

void frmParvona::psSetList1()
{
    try {
        uctMyGrid* g = uctGridList;
        const int holes = gGame.Hole;
        if (holes < 0 || holes > 16)
            vb::raiseSubscriptOutOfRange();
        const bool withHandicap = gGame.HandiCapKind != 0;
        const int cols = holes + 14 + (withHandicap ? 1 : 0);
        const int rows = glngScoreLinesUBound() + 2;
        psSetGridFrame(g, cols, rows);

        // Widths and headers.
        QList<QPair<QString, int>> columns = {
            {QStringLiteral("No."), 550}, {QStringLiteral("名前"), 2500}, {QStringLiteral("年令"), 550},
            {QStringLiteral("性別"), 550}, {QStringLiteral("R"), 400}};
        for (int h = 1; h <= holes; ++h)
            columns.append({num(h), 550});
        columns.append({QStringLiteral("実打"), 600});
        columns.append({QStringLiteral("H"), 500});
        columns.append({QStringLiteral("小計"), 600});
        if (withHandicap)
            columns.append({QStringLiteral("Hc"), 600});
        const int totalCol = columns.size();
        columns.append({QStringLiteral("合計"), 700});
        for (int k = 1; k <= 5; ++k)
            columns.append({num(k) + QStringLiteral("打"), 500});
        writeHeaderRow(g, columns, totalCol);

        bool tint = true;
        Long player = 0;
        PlayerSums sums;
        for (Long i = 0; i <= glngScoreLinesUBound(); ++i) {
            const ScoreLine& line = gScoreLines[i];
            const int row = i + 1;
            startRow(g, row, row);
            if (line.RoundNo == 1) {
                tint = !tint;
                ++player;
            }
            if (tint)
                band(g, row, cols, kLightRed);

            const bool first = line.RoundNo == 1;
            numberCell(g, row, first ? num(player) : QString());
            if (first) {
                setCell(g, 1, row, gfGetMemberName(line.IDNo), kLeft);
            } else if (line.RoundNo == 2) {
                noteCell(g, row, pfGroupAndTeamText(line));
            } else {
                setCell(g, 1, row, QString(), kLeft);
            }
            setCell(g, 2, row, first ? gfGetMemberAge(line.IDNo, gGame.Date) : QString(), kCentre);
            setCell(g, 3, row, first ? gfGetMemberGender(line.IDNo, 0) : QString(), kCentre);
            psWriteScoreTally(i, sums);
        }

        psRestoreScoreView();
    } catch (const std::exception& e) {
        showTrapped(this, "psSetList1", pfErrorDescription(e));
    }
}

void frmParvona::psSetList1_After_ScoreEntry(Long& index)
{
    platform::setHourglass();
    try {
        uctMyGrid* g = uctGridList;
        g->gsInterruptResizeCol();
        mSelScoreLine.IDNo = 0;
        psKeepSelectedScore();
        mScoreTopRow = g->gfGetTopIndexOfRowsY();

        if (index < 0 || index > glngScoreLinesUBound())
            vb::raiseSubscriptOutOfRange();
        const Long id = gScoreLines[index].IDNo;
        Long i = index;
        while (i > 0 && gScoreLines[i].RoundNo != 1)
            --i;

        PlayerSums sums;
        for (; i <= glngScoreLinesUBound() && gScoreLines[i].IDNo == id; ++i) {
            const ScoreLine& line = gScoreLines[i];
            if (line.RoundNo == 2)
                noteCell(g, i + 1, pfGroupAndTeamText(line));
            psWriteScoreTally(i, sums);
        }

        psRestoreScoreView();
        platform::resetMousePointer();
    } catch (const std::exception& e) {
        platform::resetMousePointer();
        showTrapped(this, "psSetList1_After_ScoreEntry", pfErrorDescription(e));
    }
}

// ---------------------------------------------------------------- results

namespace {

// The five stroke-class cells of a ranking row.
void strokeClassCells(uctMyGrid* g, int firstCol, int row, Long gross, const std::array<Integer, 5>& counts)
{
    for (int c = 1; c <= 5; ++c) {
        const bool shown = gross != 0 && c <= gGame.JudgeDaSu;
        setCell(g, firstCol + c - 1, row, shown ? num(counts[c - 1]) : QStringLiteral("-"), kCentre);
    }
}

QString birthdayCell(Long id)
{
    return gGame.JudgeBirthday == 1 ? eraBirthday(id) : QStringLiteral("-");
}

QString orDash(bool shown, qint64 v)
{
    return shown ? num(v) : QStringLiteral("-");
}

// The end of a ranking row from column `col`: the total (grey, bold), the
// five stroke classes and the birthday.
template <class Rank>
void totalToBirthdayCells(uctMyGrid* g, int col, int row, const Rank& p)
{
    setCell(g, col, row, orDash(p.Gross != 0, p.Net), kCentre);
    setBack(g, col, row, kGrey);
    setBold(g, col, row);
    strokeClassCells(g, col + 1, row, p.Gross, p.StrokeCount);
    setCell(g, col + 6, row, birthdayCell(p.IDNo), kCentre);
}

}  // namespace

void frmParvona::psSetList2()
{
    try {
        uctMyGrid* g = uctGridList2;
        const int rounds = gGame.Round;
        if (rounds < 0 || rounds > 10)
            vb::raiseSubscriptOutOfRange();
        const bool withHandicap = gGame.HandiCapKind != 0;
        const int cols = rounds + 13 + (withHandicap ? 1 : 0);
        psSetGridFrame(g, cols, glngRankingUBound() + 2);

        QList<QPair<QString, int>> columns = {{QStringLiteral("順位"), 550},
                                              {QStringLiteral("名前"), 2500},
                                              {QStringLiteral("年令"), 550},
                                              {QStringLiteral("性別"), 550}};
        for (int r = 1; r <= rounds; ++r)
            columns.append({QStringLiteral("R") + num(r), 600});
        columns.append({QStringLiteral("実打数"), 800});
        columns.append({QStringLiteral("H"), 550});
        if (withHandicap)
            columns.append({QStringLiteral("Hc"), 550});
        const int totalCol = columns.size();
        columns.append({QStringLiteral("合計"), 800});
        for (int k = 1; k <= 5; ++k)
            columns.append({num(k) + QStringLiteral("打"), 550});
        columns.append({QStringLiteral("生年月日"), 1300});
        writeHeaderRow(g, columns, totalCol);

        for (Long k = 0; k <= glngRankingUBound(); ++k) {
            const PersonRank& p = gRanking[k];
            const int row = k + 1;
            startBandedRow(g, row, row, cols, kRankingBand);
            const bool any = p.Gross != 0;
            numberCell(g, row, num(p.Rank));
            memberCells(g, 1, row, p.IDNo);
            int c = 4;
            for (int r = 0; r < rounds; ++r, ++c) {
                setCell(g, c, row, orDash(p.RoundGross[r] != 0, p.RoundGross[r]), kCentre);
                setBack(g, c, row, kGrey);
            }
            setCell(g, c++, row, orDash(any, p.Gross), kCentre);
            setCell(g, c++, row, orDash(any, p.StrokeCount[0]), kCentre);
            if (withHandicap)
                setCell(g, c++, row, orDash(any, p.Handicap), kCentre);
            totalToBirthdayCells(g, c, row, p);
        }
        g->gsUpdate();
        psSetEntryNum();
    } catch (const std::exception& e) {
        showTrapped(this, "psSetList2", pfErrorDescription(e));
    }
}

void frmParvona::psSetList4()
{
    try {
        uctMyGrid* g = uctGridList4;
        const int holes = gGame.Hole;
        if (holes < 0 || holes > 16)
            vb::raiseSubscriptOutOfRange();
        const int cols = holes + 14;
        psSetGridFrame(g, cols, glngRoundRankingUBound() + 2);

        QList<QPair<QString, int>> columns = {{QStringLiteral("順位"), 550},
                                              {QStringLiteral("名前"), 2500},
                                              {QStringLiteral("年令"), 550},
                                              {QStringLiteral("性別"), 550},
                                              {QStringLiteral("R"), 400}};
        for (int h = 1; h <= holes; ++h)
            columns.append({num(h), 500});
        columns.append({QStringLiteral("実打"), 600});
        columns.append({QStringLiteral("H"), 500});
        const int totalCol = columns.size();
        columns.append({QStringLiteral("合計"), 700});
        for (int k = 1; k <= 5; ++k)
            columns.append({num(k) + QStringLiteral("打"), 500});
        columns.append({QStringLiteral("生年月日"), 1300});
        writeHeaderRow(g, columns, totalCol);

        for (Long k = 0; k <= glngRoundRankingUBound(); ++k) {
            const RoundRank& p = gRoundRanking[k];
            const int row = k + 1;
            startBandedRow(g, row, row, cols, kLightBlue);
            const bool any = p.Gross != 0;
            numberCell(g, row, num(p.Rank));
            memberCells(g, 1, row, p.IDNo);
            setCell(g, 4, row, orDash(any, p.RoundNo), kCentre);
            setBack(g, 4, row, kGrey);
            int c = 5;
            for (int h = 0; h < holes; ++h, ++c)
                setCell(g, c, row, holeMark(p.Holes[h]), kCentre);
            setCell(g, c, row, orDash(any, p.Gross), kCentre);
            setBack(g, c, row, kGrey);
            ++c;
            setCell(g, c++, row, orDash(any, p.StrokeCount[0]), kCentre);
            totalToBirthdayCells(g, c, row, p);
        }
        g->gsUpdate();
        psSetEntryNum();
    } catch (const std::exception& e) {
        showTrapped(this, "psSetList4", pfErrorDescription(e));
    }
}

void frmParvona::psSetList6()
{
    try {
        uctMyGrid* g = uctGridList6;
        constexpr int cols = 12;
        psSetGridFrame(g, cols, glngRankingUBound() + 2);

        const int boldCol = gGame.TeamHowtoRank == 0 ? 10 : 11;
        writeHeaderRow(g,
                       {{QStringLiteral("No."), 550}, {QStringLiteral("チーム"), 800}, {QStringLiteral("MNo."), 550},
                        {QStringLiteral("名前"), 2500}, {QStringLiteral("年令"), 550}, {QStringLiteral("性別"), 550},
                        {QStringLiteral("所属"), 3000}, {QStringLiteral("R数"), 600}, {QStringLiteral("実打"), 800},
                        {QStringLiteral("H"), 550}, {QStringLiteral("合計"), 800}, {QStringLiteral("R平均"), 1000}},
                       boldCol);

        QString previousTeam;
        int bandFlag = 1;
        Long teamNo = 0;
        Long memberNo = 0;
        for (Long k = 0; k <= glngRankingUBound(); ++k) {
            const PersonRank& p = gRanking[k];
            const int row = k + 1;
            startRow(g, row, row);
            bool opensBlock = false;
            if (p.TeamID != previousTeam) {
                opensBlock = true;
                ++teamNo;
                memberNo = 0;
                bandFlag = bandFlag == 1 ? 0 : 1;
                previousTeam = p.TeamID;
            }
            if (bandFlag == 1)
                band(g, row, cols, kTeamListBand);
            ++memberNo;
            const bool any = p.Gross != 0;
            numberCell(g, row, opensBlock ? num(teamNo) : QString());
            setCell(g, 1, row, opensBlock ? p.TeamID : QString(), kCentre);
            setCell(g, 2, row, QStringLiteral("M") + num(memberNo), kCentre);
            setBack(g, 2, row, kGrey);
            memberCells(g, 3, row, p.IDNo);
            setCell(g, 6, row, gfGetMemberBelongName(p.IDNo), kLeft);
            setCell(g, 7, row, orDash(p.Rounds > 0, p.Rounds), kCentre);
            setBack(g, 7, row, kGrey);
            setCell(g, 8, row, orDash(any, p.Gross), kCentre);
            setCell(g, 9, row, orDash(any, p.StrokeCount[0]), kCentre);
            setCell(g, 10, row, orDash(any, p.Net), kCentre);
            setBack(g, 10, row, kGrey);
            setCell(g, 11, row,
                    p.Rounds > 0 ? vb::FormatRatio(p.Net, p.Rounds, QStringLiteral("0.00")) : QStringLiteral("-"),
                    kCentre);
            setBack(g, 11, row, kGrey);
            setBold(g, boldCol, row);
        }
        g->gsUpdate();
        psSetEntryNumTeam();
    } catch (const std::exception& e) {
        showTrapped(this, "psSetList6", pfErrorDescription(e));
    }
}

void frmParvona::psSetList7()
{
    try {
        uctMyGrid* g = uctGridList7;
        Long maxMembers = 0;
        for (const TeamRank& t : gTeamRanking)
            maxMembers = std::max(maxMembers, t.Members);
        const int members = static_cast<int>(std::min<Long>(maxMembers, 10));
        const int cols = 6 + members;
        psSetGridFrame(g, cols, glngTeamRankingUBound() + 2);

        QList<QPair<QString, int>> columns = {{QStringLiteral("順位"), 550}, {QStringLiteral("チーム"), 800},
                                              {QStringLiteral("人数"), 600}, {QStringLiteral("R数"), 600},
                                              {QStringLiteral("合計"), 1000}, {QStringLiteral("R平均"), 1000}};
        for (int m = 1; m <= members; ++m)
            columns.append({QStringLiteral("M") + num(m), 800});
        const int boldCol = gGame.TeamHowtoRank == 0 ? 4 : 5;
        writeHeaderRow(g, columns, boldCol);

        for (Long k = 0; k <= glngTeamRankingUBound(); ++k) {
            const TeamRank& t = gTeamRanking[k];
            const int row = k + 1;
            startBandedRow(g, row, row, cols, kLightBlue);
            numberCell(g, row, num(t.Rank));
            setCell(g, 1, row, t.TeamID, kCentre);
            setCell(g, 2, row, num(t.Members), kCentre);
            setCell(g, 3, row, orDash(t.Rounds > 0, t.Rounds), kCentre);
            setBack(g, 3, row, kGrey);
            setCell(g, 4, row, orDash(t.Rounds != 0, t.Net), kCentre);
            setBack(g, 4, row, kGrey);
            setCell(g, 5, row,
                    t.Rounds > 0 ? vb::FormatRatio(t.Net, t.Rounds, QStringLiteral("0.000")) : QStringLiteral("-"),
                    kCentre);
            setBack(g, 5, row, kGrey);
            setBold(g, boldCol, row);

            const Long shown = std::min<Long>(t.Members - 1, 9);
            for (Long i = 0; i <= shown; ++i) {
                const Long r = t.FirstRow + i;
                if (r < 0 || r > glngRankingUBound())
                    vb::raiseSubscriptOutOfRange();
                const PersonRank& m = gRanking[r];
                QString text;
                if (gGame.TeamHowtoRank != 0)
                    text = m.Rounds > 0 ? vb::FormatRatio(m.Net, m.Rounds, QStringLiteral("0.00"))
                                        : QStringLiteral("-");
                else
                    text = orDash(m.Gross != 0, m.Net);
                setCell(g, 6 + i, row, text, kCentre);
            }
        }
        g->gsUpdate();
        psSetEntryNumTeam();
    } catch (const std::exception& e) {
        showTrapped(this, "psSetList7", pfErrorDescription(e));
    }
}
