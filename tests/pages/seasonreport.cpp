#include "seasonreport.h"

#include "core/gamefile.h"
#include "core/masterlists.h"
#include "core/records.h"
#include "platform/vbruntime.h"
#include "reports/season/frmPrintTotalGames.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <map>

namespace {

// A whole number argument; false when it is none.
bool number(const QString& text, Long& value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

}  // namespace

QString seasonReportArguments()
{
    return QStringLiteral("REPORT --games FILE,FILE,... [--series ID] [--course ID] [--category GENDER,LOW,HIGH] "
                          "[--basis 0..4]; REPORT: entry-list, total-ranking, best-game, best-round, team-list, "
                          "team-ranking");
}

QString runSeasonReport(const QStringList& args)
{
    if (args.isEmpty())
        return QStringLiteral("no report named");
    const QString report = args.first();
    QStringList files;
    Long series = -1;
    Long course = -1;
    bool category = false;
    Long gender = 0, low = -1, high = -1;
    Long basis = 0;
    for (int i = 1; i < args.size(); i += 2) {
        const QString& option = args[i];
        if (i + 1 >= args.size())
            return option + QStringLiteral(" needs a value");
        const QString& value = args[i + 1];
        if (option == QStringLiteral("--games")) {
            files = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (option == QStringLiteral("--series")) {
            if (!number(value, series))
                return QStringLiteral("--series takes a number");
        } else if (option == QStringLiteral("--course")) {
            if (!number(value, course))
                return QStringLiteral("--course takes a number");
        } else if (option == QStringLiteral("--category")) {
            const QStringList parts = value.split(QLatin1Char(','));
            if (parts.size() != 3 || !number(parts[0], gender) || !number(parts[1], low) || !number(parts[2], high)
                || gender < 0 || gender > 2 || low < -1 || low > 120 || high < -1 || high > 120)
                return QStringLiteral("--category takes GENDER (0-2),LOW,HIGH (0-120, -1 for none)");
            category = true;
        } else if (option == QStringLiteral("--basis")) {
            if (!number(value, basis) || basis < 0 || basis > 4)
                return QStringLiteral("--basis takes 0 to 4");
        } else {
            return QStringLiteral("unknown option ") + option;
        }
    }
    if (files.isEmpty())
        return QStringLiteral("--games names no game");

    gsReadMemberData();
    gsReadBelongData();
    QStringList damaged;
    gsReadGameList(&damaged);
    if (!damaged.isEmpty())
        return QStringLiteral("damaged game files: ") + damaged.join(QStringLiteral(", "));

    // The main window lists the games by date, equal dates in list order.
    std::map<std::pair<QString, Long>, Long> ticked;
    for (const QString& file : files) {
        Long found = -1;
        for (Long g = 0; g <= glngGameListUBound(); ++g)
            if (vb::Trim(gGameList[g].GameFileName) == file.trimmed())
                found = g;
        if (found < 0)
            return QStringLiteral("no game ") + file;
        ticked[{gGameList[found].Date, found}] = found;
    }
    gSelectedGames.clear();
    for (const auto& [key, index] : ticked)
        gSelectedGames.push_back(index);

    gsPrepareSeasonPrint(series, course);
    frmPrintTotalGames dialog;
    if (category) {
        gSeasonGameInfo.CategoryGender = static_cast<Integer>(gender);
        gSeasonGameInfo.CategoryAgeLow = static_cast<Integer>(low);
        gSeasonGameInfo.CategoryAgeHigh = static_cast<Integer>(high);
        dialog.fraTotalRanking->setTitle(dialog.pfTotalRankingTitle());
    }
    const std::map<QString, QPushButton*> buttons{
        {QStringLiteral("entry-list"), dialog.btnEntryList},   {QStringLiteral("total-ranking"), dialog.btnTotalRanking},
        {QStringLiteral("best-game"), dialog.btnBestGame},     {QStringLiteral("best-round"), dialog.btnBestRound},
        {QStringLiteral("team-list"), dialog.btnTeamList},     {QStringLiteral("team-ranking"), dialog.btnTeamRanking},
    };
    const auto button = buttons.find(report);
    if (button == buttons.end())
        return QStringLiteral("unknown season report ") + report;
    if (report == QStringLiteral("total-ranking")) {
        QRadioButton* option = dialog.optTotalRankingMode[static_cast<std::size_t>(basis)];
        if (!option->isEnabled())
            return QStringLiteral("basis %1 is not offered for these games").arg(basis);
        option->setChecked(true);
    }
    if (!button->second->isEnabled())
        return report + QStringLiteral(" is not offered for these games");
    button->second->click();
    return QString();
}
