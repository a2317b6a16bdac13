#include "pagereports.h"

#include "reports/modReports.h"
#include "platform/uiservice.h"

namespace {

QString noArguments(const QStringList& args)
{
    return args.isEmpty() ? QString() : QStringLiteral("takes no arguments");
}

}  // namespace

const std::vector<PageReport>& pageReports()
{
    static const std::vector<PageReport> reports{
        // The team dialog's 印刷: the hourglass, the launcher in preview mode,
        // the arrow.
        {QStringLiteral("regi-team-list"), QString(),
         [](const QStringList& args) {
             if (QString wrong = noArguments(args); !wrong.isEmpty())
                 return wrong;
             platform::setHourglass();
             gfPrintRegiTeamList(0, nullptr);
             platform::resetMousePointer();
             return QString();
         }},
    };
    return reports;
}
