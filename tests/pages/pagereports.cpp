#include "pagereports.h"

#include "pointsreport.h"
#include "seasonreport.h"

#include "core/gamefile.h"
#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/records.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"
#include "reports/game/frmSelectPrintScore.h"
#include "reports/modReports.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace {

QString noArguments(const QStringList& args)
{
    return args.isEmpty() ? QString() : QStringLiteral("takes no arguments");
}

// A whole number argument, or nothing.
std::optional<Long> wholeNumber(const QString& text)
{
    bool ok = false;
    const Long v = text.toInt(&ok);
    return ok ? std::optional<Long>(v) : std::nullopt;
}

// The main window's game print and the print dialog's 印刷 with the
// proposed titles: GAMEFILE REPORT [--group ID].
QString runGameReport(const QStringList& args)
{
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QStringLiteral("--group")))
        return QStringLiteral("takes GAMEFILE REPORT [--group ID]");
    const std::optional<Long> report = wholeNumber(args[1]);
    if (!report || *report < 0 || *report >= kGameReportCount)
        return QStringLiteral("REPORT is a number from 0 to 5");
    const std::optional<Long> group = args.size() == 4 ? wholeNumber(args[3]) : std::optional<Long>(0);
    if (!group)
        return QStringLiteral("--group takes a group number");

    readMainWindowLists();
    const auto game = std::find_if(gGameList.begin(), gGameList.end(),
                                   [&](const GameInfo& g) { return vb::Trim(g.GameFileName) == args[0]; });
    if (game == gGameList.end())
        return QStringLiteral("no game ") + args[0] + QStringLiteral(" in the games folder");

    // As the main window's print command reads the game.
    gGame = *game;
    gsClearCalcResults();
    QString problem;
    if (!gfReadGameLines(&problem)) {
        gsMsgScoreDataNotRead(problem);
        return QString();
    }
    if (glngScoreLinesUBound() < 0) {
        gsMsgNoPrintData(nullptr);
        return QString();
    }
    try {
        const std::vector<Long> groups = gfGamePrintBelongs();
        if (*group != 0 && std::find(groups.begin(), groups.end(), *group) == groups.end())
            return QStringLiteral("group ") + args[3] + QStringLiteral(" is not in the game's group list");
        gstrPrintTitle1 = gfGamePrintTitle1();
        gstrPrintTitle2 = gfGamePrintTitle2();
        glngExtractBelong = *group;
        gfPrintGameReport(static_cast<int>(*report), nullptr);
    } catch (const std::exception& e) {
        platform::MsgBox(vb::errorDescription(e), platform::vbOKOnly, QStringLiteral("エラー"));
    }
    return QString();
}

}  // namespace

QStringList readMainWindowLists()
{
    gsReadMemberData();
    gsReadBelongData();
    QStringList damaged;
    gsReadGameList(&damaged);
    return damaged;
}

QString readMainWindowListsOrRefuse()
{
    const QStringList damaged = readMainWindowLists();
    if (damaged.isEmpty())
        return QString();
    return QStringLiteral("damaged game files: ") + damaged.join(QStringLiteral(", "));
}

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
        {QStringLiteral("game"), QStringLiteral("GAMEFILE REPORT [--group ID]"), runGameReport},
        // The season print dialog's report buttons.
        {QStringLiteral("season"), seasonReportArguments(), &runSeasonReport},
        // The main window's ポイント集計/印刷 on a series, and the point
        // ranking dialog's print button.
        {QStringLiteral("points"), QStringLiteral("SERIESID"), runPointsReport},
    };
    return reports;
}
