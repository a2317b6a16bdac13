#include "reports/season/personalpages.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "reports/pageframe.h"
#include "reports/reportcells.h"

namespace personalpages {

const QString kPersonalDatePattern = QStringLiteral("ggge年mm月dd日(aaa)");

namespace {

constexpr double kHeadHeight = 195;

print::Font boldFont()
{
    print::Font f;
    f.bold = true;
    return f;
}

}  // namespace

std::vector<print::Control> headLabels(Span scorePage, Span title1, Span title2, Span entryNum)
{
    using print::label;
    return {label(QStringLiteral("lblScorePage"))
                .at(scorePage.left, 0, scorePage.width, kHeadHeight)
                .align(print::AlignRight)
                .withFont(boldFont())
                .sizedToText(),
            label(QStringLiteral("lblSeasonTittle")).at(title1.left, 240, title1.width, kHeadHeight).withFont(boldFont()),
            label(QStringLiteral("lblScoreTittle")).at(title2.left, 540, title2.width, kHeadHeight).withFont(boldFont()),
            label(QStringLiteral("lblEntryNum"))
                .at(entryNum.left, 540, entryNum.width, kHeadHeight)
                .align(print::AlignRight)
                .sizedToText(),
            label(QStringLiteral("lblPage")).at(5198, 14760, 915, kHeadHeight).align(print::AlignCenter)};
}

Long psLayBand(print::PageForm& form, Long left, Long bandWidth, Long columns, const QString& separators,
               const QString& numbers, const QString& prefix)
{
    const Long width = gfColumnWidth(bandWidth, columns);
    gsLayoutColumnBand(form, {.separators = separators,
                              .headers = numbers,
                              .left = left,
                              .width = width,
                              .columns = columns,
                              .headerCount = columns,
                              .headerTop = form.control(QStringLiteral("linTop")).y1 + kCellOffset,
                              .caption = [&prefix](Long i) { return prefix + QString::number(i + 1); }});
    return width;
}

const GameInfo& gameOf(Long gameNo)
{
    return gfElementAt(gGameList, gameNo);
}

void psNameThePlayer(print::PageForm& form, Long player)
{
    if (gintPageNo < 1 || gintPageNo > form.gintMaxPageNo)
        return;
    print::Control& title = form.control(QStringLiteral("lblScoreTittle"));
    title.caption += QStringLiteral(" ： 【") + gfGetMemberName(player) + QStringLiteral("】");
}

}  // namespace personalpages
