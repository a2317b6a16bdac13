#include "reports/pagecells.h"

#include "core/masterlists.h"
#include "platform/vbruntime.h"

namespace pagecells {

QString ageAndGender(Long id, const QString& date)
{
    return QLatin1Char('(') + gfGetMemberAge(id, date) + QLatin1Char(',') + gfGetMemberGender(id, 1) + QLatin1Char(')');
}

QString strokeCell(Long value)
{
    if (value == 1)
        return QStringLiteral("①");
    return value >= 1 ? QString::number(value) : QStringLiteral("-");
}

Band psLayBand(print::PageForm& form, Long left, Long bandWidth, Long columns, const QString& separators,
               const QString& headerArray, Long headers, const QString& prefix)
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
    for (Long i = 0; i < headers; ++i) {
        print::Control& h = form.loadElement(headerArray);
        h.top = top;
        h.left = band.columnLeft(i);
        h.width = band.width;
        h.foreColor = print::kBlack;
        h.caption = prefix + QString::number(i + 1);
        h.visible = true;
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

}  // namespace pagecells
