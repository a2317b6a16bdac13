#include "reports/reportcells.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/records.h"
#include "platform/eradate.h"
#include "platform/vbruntime.h"
#include "reports/pageframe.h"

std::vector<print::Control> gfHeadLabels(const HeadDesign& d)
{
    using print::label;
    print::Font bold;
    bold.bold = true;
    std::vector<print::Control> out;
    if (d.exract.width > 0)
        out.push_back(label(QStringLiteral("lblExractBelong")).at(d.exract.left, 0, d.exract.width, 195).sizedToText()
                          .hidden());
    out.push_back(label(QStringLiteral("lblScorePage")).at(d.scorePage.left, 0, d.scorePage.width, 195)
                      .align(print::AlignRight).withFont(bold).sizedToText());
    out.push_back(label(QStringLiteral("lblSeasonTittle")).at(d.seasonTittle.left, 240, d.seasonTittle.width, 195)
                      .withFont(bold));
    out.push_back(label(QStringLiteral("lblScoreTittle")).at(d.scoreTittle.left, 540, d.scoreTittle.width, 195)
                      .withFont(bold));
    out.push_back(label(QStringLiteral("lblEntryNum")).at(d.entryNum.left, 540, d.entryNum.width, 195)
                      .align(print::AlignRight).sizedToText());
    out.push_back(label(QStringLiteral("lblPage")).at(5198, 14760, 915, 195).align(print::AlignCenter));
    return out;
}

print::Control gfColumnHeader(const QString& name, int index, double left, double width, const QString& caption)
{
    return print::label(name, index).at(left, 900, width, 255).align(print::AlignCenter).text(caption);
}

print::Control gfCellTemplate(const QString& name, double left, double width, int align, const QString& sample)
{
    return print::label(name, 0).at(left, 0, width, 255).align(align).color(print::kRed).text(sample).hidden();
}

print::Control gfTateLine(int index, double x, int borderWidth, double top)
{
    return print::line(QStringLiteral("linTate"), index).from(x, top, x, 2280).thick(borderWidth);
}

std::vector<print::Control> StrokeClassColumns::headers() const
{
    std::vector<print::Control> out;
    for (int k = 1; k <= 4; ++k)
        out.push_back(gfColumnHeader(QStringLiteral("lblSPTotal"), 80 - k, left(k), 315,
                                     QString::number(k + 1) + QStringLiteral("打")));
    return out;
}

Long gfColumnWidth(Long band, Long columns)
{
    if (columns == 0)
        vb::raiseDivisionByZero();
    return vb::CLng(static_cast<double>(band) / columns);
}

void gsLayoutColumnBand(print::PageForm& form, const ColumnBand& band)
{
    for (Long i = 1; i <= band.columns - 1; ++i) {
        print::Control& sep = form.loadElement(band.separators);
        sep.x1 = sep.x2 = band.left + i * band.width;
        sep.borderColor = print::kBlack;
        sep.visible = true;
    }
    for (Long i = 0; i < band.headerCount; ++i) {
        print::Control& head = form.loadElement(band.headers);
        head.top = band.headerTop;
        head.left = band.left + i * band.width;
        head.width = band.width;
        head.foreColor = print::kBlack;
        head.caption = band.caption(i);
        head.visible = true;
    }
}

Long gfLayoutNumberedBand(print::PageForm& form, const QString& separators, const QString& headers, Long left,
                          Long band, Long columns, const QString& prefix)
{
    const Long width = gfColumnWidth(band, columns);
    gsLayoutColumnBand(form, {.separators = separators,
                              .headers = headers,
                              .left = left,
                              .width = width,
                              .columns = columns,
                              .headerCount = columns,
                              .headerTop = form.control(QStringLiteral("linTop")).y1 + kCellOffset,
                              .caption = [&prefix](Long i) { return prefix + QString::number(i + 1); }});
    return width;
}

void gsStretchLoadedLines(print::PageForm& form, const QString& array, double y2)
{
    form.forEachElement(array, [y2](print::Control& c) {
        if (c.index > 0)
            c.y2 = y2;
    });
}

QString gfAgeGenderCellText(Long id, const QString& referenceDate)
{
    return QStringLiteral("(") + gfGetMemberAge(id, referenceDate) + QStringLiteral(",") + gfGetMemberGender(id, 1) +
           QStringLiteral(")");
}

QString gfStrokeCellText(const QString& stroke)
{
    const double v = vb::Val(stroke);
    if (v == 1)
        return QStringLiteral("①");
    if (v < 1)
        return QStringLiteral("-");
    return vb::Trim(stroke);
}

QString gfBirthdayCellText(Long id, Integer judgeBirthday)
{
    if (judgeBirthday != 1)
        return QStringLiteral("-");
    return vb::FormatDateText(gfGetMemberBirthday(id), QStringLiteral("gee/mm/dd"));
}

QString gfNumberOrDash(bool shown, qint64 value)
{
    return shown ? QString::number(value) : QStringLiteral("-");
}

QString gfAverageCellText(qint64 total, qint64 count, const QString& pattern)
{
    return count >= 1 ? vb::FormatRatio(total, count, pattern) : QStringLiteral("-");
}

bool gfInPrintGroup(Long memberId)
{
    return glngExtractBelong == 0 || gfGetMemberBelongID(memberId) == glngExtractBelong;
}
