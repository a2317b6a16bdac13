#include "reports/pageframe.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/records.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <exception>

using print::Control;

PageFrame::PageFrame(const QString& name, const QString& title, const QString& errorName)
    : PageForm(name), m_title(title), m_errorName(errorName.isEmpty() ? name : errorName)
{
}

print::Font PageFrame::font(double size, bool bold)
{
    print::Font f;
    f.size = size;
    f.bold = bold;
    return f;
}

// Form_Load: the counters start at 0 (a fresh form), then the walk; a
// failed walk is followed by the print error message, and the load ends
// normally with whatever was built.
void PageFrame::fill()
{
    if (pfDataSet())
        platform::MsgBox(QStringLiteral("印刷中にエラーが発生しました！ 再実行してください。"),
                         platform::vbOKOnly | platform::vbExclamation, QString());
}

bool PageFrame::pfDataSet()
{
    QString description;
    try {
        pfDataSetBody();
        return false;
    } catch (const std::exception& e) {
        description = vb::errorDescription(e);
    } catch (...) {
        description = QStringLiteral("内部エラーです。");
    }
    platform::MsgBox(m_errorName + QStringLiteral("::pfDataSet(): ") + description, platform::vbOKOnly,
                     QStringLiteral("エラー"));
    return true;
}

void PageFrame::psSetHeads(const QString& entryNumText)
{
    if (hasControl(QStringLiteral("lblSeasonTittle")))
        control(QStringLiteral("lblSeasonTittle")).caption = gstrPrintTitle1;
    if (hasControl(QStringLiteral("lblScoreTittle")))
        control(QStringLiteral("lblScoreTittle")).caption = gstrPrintTitle2;
    control(QStringLiteral("lblEntryNum")).caption = entryNumText;
}

Long PageFrame::pfTopY() const
{
    return vb::CLng(control(QStringLiteral("linTop")).y1);
}

void PageFrame::psStretchTateToTop()
{
    const double top = control(QStringLiteral("linTop")).y1;
    forEachElement(QStringLiteral("linTate"), [top](Control& c) { c.y1 = top; });
}

void PageFrame::psClearPageTexts()
{
    control(QStringLiteral("lblScorePage")).caption.clear();
    control(QStringLiteral("lblPage")).caption.clear();
}

bool PageFrame::pfFilling() const
{
    return gintPageNo == gintMaxPageNo;
}

void PageFrame::psStartRows()
{
    mTopY = pfTopY();
    mY = mTopY;
}

bool PageFrame::pfPageTop(bool groupFilter)
{
    if (mY != mTopY)
        return false;
    ++gintMaxPageNo;
    if (pfFilling()) {
        if (groupFilter) {
            Control& belong = control(QStringLiteral("lblExractBelong"));
            if (glngExtractBelong != 0) {
                belong.caption = QStringLiteral("【所属抽出：") + gfGetBelongName(glngExtractBelong) +
                                 QStringLiteral("】");
                belong.visible = true;
            } else {
                belong.visible = false;
            }
        }
        const QString page = QString::number(gintPageNo);
        control(QStringLiteral("lblScorePage")).caption = reportTitle() + QStringLiteral("（") + page +
                                                          QLatin1Char('/') + QString::number(gintPageCount) +
                                                          QStringLiteral("）");
        control(QStringLiteral("lblPage")).caption = QStringLiteral("- ") + page + QStringLiteral(" -");
    }
    mY += kRowHeight;
    return true;
}

void PageFrame::psSeparator(bool firstOfPage)
{
    if (firstOfPage)
        psRowLine(QStringLiteral("linFutoYoko"), true);
    else
        psRowLine(QStringLiteral("linHosoYoko"), false);
}

Control& PageFrame::psRowLine(const QString& array, bool acrossTop)
{
    Control& sep = loadElement(array);
    if (acrossTop) {
        const Control& top = control(QStringLiteral("linTop"));
        sep.x1 = top.x1;
        sep.x2 = top.x2;
    }
    sep.y1 = mY;
    sep.y2 = mY;
    sep.borderColor = print::kBlack;
    sep.visible = true;
    return sep;
}

Control& PageFrame::psCell(const QString& array, const QString& caption)
{
    Control& c = loadElement(array);
    c.top = mY + kCellOffset;
    c.foreColor = print::kBlack;
    c.caption = caption;
    c.visible = true;
    return c;
}

bool PageFrame::pfPageEnds(bool lastRow, Long nextRowHeight) const
{
    return lastRow || mY + nextRowHeight > kPageLimit;
}

void PageFrame::psEndPage(const std::function<void()>& more)
{
    if (pfFilling()) {
        const double y = mY;
        forEachElement(QStringLiteral("linTate"), [y](Control& c) { c.y2 = y; });
        if (more)
            more();
        psRowLine(QStringLiteral("linFutoYoko"), true);
    }
    mY = mTopY;
}

void PageFrame::psWalk(const Walk& walk)
{
    psStartRows();
    for (Long i = 0; i < walk.rows; ++i) {
        const bool first = pfPageTop(walk.groupFilter);
        if (!walk.keep || walk.keep(i)) {
            if (pfFilling()) {
                if (walk.separator)
                    walk.separator(i, first);
                else
                    psSeparator(first);
                if (walk.drawRow)
                    walk.drawRow(i);
            }
            mY += walk.rowHeight;
        }
        if (pfPageEnds(i == walk.rows - 1, walk.rowHeight))
            psEndPage(walk.atPageEnd);
    }
}
