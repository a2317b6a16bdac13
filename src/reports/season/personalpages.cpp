#include "reports/season/personalpages.h"

#include "core/masterlists.h"
#include "core/printstate.h"

namespace personalpages {

const QString kPersonalDatePattern = QStringLiteral("ggge年mm月dd日(aaa)");

namespace {

constexpr double kHeadHeight = 195;
constexpr double kCellHeight = 255;

print::Font boldFont()
{
    print::Font f;
    f.bold = true;
    return f;
}

}  // namespace

std::vector<print::Control> headLabels(Span scorePage, Span title1, Span title2, Span entryNum)
{
    return {print::label(QStringLiteral("lblScorePage"))
                 .at(scorePage.left, 0, scorePage.width, kHeadHeight)
                 .align(print::AlignRight)
                 .withFont(boldFont())
                 .sizedToText(),
            print::label(QStringLiteral("lblSeasonTittle")).at(title1.left, 240, title1.width, kHeadHeight)
                 .withFont(boldFont()),
            print::label(QStringLiteral("lblScoreTittle")).at(title2.left, 540, title2.width, kHeadHeight)
                 .withFont(boldFont()),
            print::label(QStringLiteral("lblEntryNum"))
                 .at(entryNum.left, 540, entryNum.width, kHeadHeight)
                 .align(print::AlignRight)
                 .sizedToText(),
            print::label(QStringLiteral("lblPage")).at(5198, 14760, 915, kHeadHeight).align(print::AlignCenter)};
}

print::Control header(const char* name, int index, double left, double width, const QString& caption)
{
    return print::label(QLatin1String(name), index).at(left, 900, width, kCellHeight).align(print::AlignCenter)
        .text(caption);
}

print::Control cellTemplate(const char* name, double left, double width, int alignment)
{
    return print::label(QLatin1String(name), 0).at(left, 1260, width, kCellHeight).align(alignment)
        .color(print::kRed).text(QStringLiteral("99")).hidden();
}

print::Control tateLine(int index, double x, bool thick)
{
    return print::line(QStringLiteral("linTate"), index).from(x, 840, x, 2280).thick(thick ? 2 : 1);
}

print::Control rowLineTemplate(const char* name, double x1, double x2, bool thick)
{
    return print::line(QLatin1String(name), 0).from(x1, 1200, x2, 1200).thick(thick ? 2 : 1)
        .color(thick ? print::kRed : print::kBlue).hidden();
}

Band psLayBand(print::PageForm& form, Long left, Long bandWidth, Long columns, const QString& separators,
               const QString& numbers, const QString& prefix)
{
    if (columns == 0)
        vb::raiseDivisionByZero();
    Band band;
    band.left = left;
    band.columns = columns;
    band.width = vb::CLng(static_cast<double>(bandWidth) / columns);
    for (Long i = 1; i < columns; ++i) {
        print::Control& sep = form.loadElement(separators);
        sep.x1 = sep.x2 = band.columnLeft(i);
        sep.borderColor = print::kBlack;
        sep.visible = true;
    }
    const double top = form.control(QStringLiteral("linTop")).y1 + 60;
    for (Long i = 0; i < columns; ++i) {
        print::Control& number = form.loadElement(numbers);
        number.top = top;
        number.left = band.columnLeft(i);
        number.width = band.width;
        number.foreColor = print::kBlack;
        number.caption = prefix + QString::number(i + 1);
        number.visible = true;
    }
    return band;
}

void psStretchBand(print::PageForm& form, const QString& separators, double y)
{
    form.forEachElement(separators, [y](print::Control& c) {
        if (c.index > 0)
            c.y2 = y;
    });
}

const GameInfo& gameOf(Long gameNo)
{
    return elementAt(gGameList, gameNo);
}

QString numberOrDash(bool shown, qint64 value)
{
    return shown ? QString::number(value) : QStringLiteral("-");
}

QString strokeCell(const QString& stroke)
{
    const double v = vb::Val(stroke);
    if (v == 1)
        return QStringLiteral("①");
    if (v < 1)
        return QStringLiteral("-");
    return vb::Trim(stroke);
}

void psNameThePlayer(print::PageForm& form, Long player)
{
    if (gintPageNo < 1 || gintPageNo > form.gintMaxPageNo)
        return;
    print::Control& title = form.control(QStringLiteral("lblScoreTittle"));
    title.caption += QStringLiteral(" ： 【") + gfGetMemberName(player) + QStringLiteral("】");
}

}  // namespace personalpages
