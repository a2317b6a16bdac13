#include "reports/pagedesign.h"

namespace pagedesign {

namespace {

constexpr double kHeadHeight = 195;
constexpr double kCellHeight = 255;
constexpr double kHeaderTop = 900;
constexpr double kCellTop = 1260;
constexpr double kTateBottom = 2280;

print::Font boldFont()
{
    print::Font f;
    f.bold = true;
    return f;
}

}  // namespace

print::Control scorePage(double left, double width)
{
    return print::label(QStringLiteral("lblScorePage"))
        .at(left, 0, width, kHeadHeight)
        .align(print::AlignRight)
        .withFont(boldFont())
        .sizedToText();
}

print::Control titleLine(const QString& name, double left, double top, double width)
{
    return print::label(name).at(left, top, width, kHeadHeight).withFont(boldFont());
}

print::Control entryNum(double left, double width)
{
    return print::label(QStringLiteral("lblEntryNum")).at(left, 540, width, kHeadHeight).align(print::AlignRight).sizedToText();
}

print::Control pageFooter()
{
    return print::label(QStringLiteral("lblPage")).at(5198, 14760, 915, kHeadHeight).align(print::AlignCenter);
}

print::Control header(const QString& name, int index, double left, double width, const QString& caption,
                      int alignment)
{
    return print::label(name, index).at(left, kHeaderTop, width, kCellHeight).align(alignment).text(caption);
}

print::Control cell(const QString& name, double left, double width, int alignment)
{
    return print::label(name, 0).at(left, kCellTop, width, kCellHeight).align(alignment).color(print::kRed).hidden();
}

print::Control top(double x1, double x2, double y)
{
    return print::line(QStringLiteral("linTop")).from(x1, y, x2, y).thick(2);
}

print::Control tate(int index, double x, bool thick, double y)
{
    return print::line(QStringLiteral("linTate"), index).from(x, y, x, kTateBottom).thick(thick ? 2 : 1);
}

print::Control separator(const QString& name, double x1, double x2, bool thick)
{
    return print::line(name, 0).from(x1, kCellTop, x2, kCellTop).thick(thick ? 2 : 1).color(print::kRed).hidden();
}

}  // namespace pagedesign
