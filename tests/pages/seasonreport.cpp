#include "seasonreport.h"

#include "pagereports.h"

#include "core/gamefile.h"
#include "core/masterlists.h"
#include "core/records.h"
#include "platform/vbruntime.h"
#include "reports/season/frmPrintTotalGames.h"
#include "reports/season/frmSelectPrintMember.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

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

// The chooser's row of a player, when its list shows the player.
QListWidgetItem* chooserRow(const frmSelectPrintMember& chooser, Long player)
{
    for (int row = 0; row < chooser.lstMember->count(); ++row)
        if (chooser.lstMember->item(row)->data(Qt::UserRole).toInt() == player)
            return chooser.lstMember->item(row);
    return nullptr;
}

// Answers the player chooser as a user would: the player is picked in the
// list as it opens, or after choosing すべて when the stored group filter
// hides the player, and 選択 is pressed. A player the chooser does not offer
// cancels it; `problem` then says so.
void answerChooser(frmSelectPrintMember& chooser, Long player, QString& problem)
{
    QListWidgetItem* row = chooserRow(chooser, player);
    const int all = chooser.cobBelong->findData(-1);
    if (!row && all >= 0 && chooser.cobBelong->currentIndex() != all) {
        chooser.cobBelong->setCurrentIndex(all);
        chooser.cobBelong_Click();
        row = chooserRow(chooser, player);
    }
    if (!row) {
        problem = QStringLiteral("player %1 is not among the players of these games").arg(player);
        chooser.btnCancel_Click();
        return;
    }
    chooser.lstMember->setCurrentItem(row);
    chooser.btnOK_Click();
}

}  // namespace

QString seasonReportArguments()
{
    return QStringLiteral("REPORT --games FILE,FILE,... [--series ID] [--course ID] [--category GENDER,LOW,HIGH] "
                          "[--basis 0..4] [--player ID] [--order date|result|info]; REPORT: entry-list, total-ranking, "
                          "best-game, best-round, team-list, team-ranking, personal-games (--player, --order), "
                          "personal-score (--player)");
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
    Long player = 0;
    QString order;
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
        } else if (option == QStringLiteral("--player")) {
            if (!number(value, player) || player <= 0)
                return QStringLiteral("--player takes a player's number");
        } else if (option == QStringLiteral("--order")) {
            if (value != QStringLiteral("date") && value != QStringLiteral("result") && value != QStringLiteral("info"))
                return QStringLiteral("--order takes date, result or info");
            order = value;
        } else {
            return QStringLiteral("unknown option ") + option;
        }
    }
    if (files.isEmpty())
        return QStringLiteral("--games names no game");
    const bool personal = report == QStringLiteral("personal-games") || report == QStringLiteral("personal-score");
    if (personal && player == 0)
        return report + QStringLiteral(" needs --player");
    if (!personal && player != 0)
        return QStringLiteral("--player is only for personal-games and personal-score");
    if (!order.isEmpty() && report != QStringLiteral("personal-games"))
        return QStringLiteral("--order is only for personal-games");

    if (const QString refused = readMainWindowListsOrRefuse(); !refused.isEmpty())
        return refused;

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
        {QStringLiteral("personal-games"), dialog.btnPrivateRanking},
        {QStringLiteral("personal-score"), dialog.btnPrivateScore},
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
    if (!order.isEmpty()) {
        QRadioButton* option =
            dialog.optPrivateGames[order == QStringLiteral("date") ? 0 : order == QStringLiteral("result") ? 1 : 2];
        if (!option->isEnabled())
            return QStringLiteral("order %1 is not offered for these games").arg(order);
        option->setChecked(true);
    }
    if (!button->second->isEnabled())
        return report + QStringLiteral(" is not offered for these games");
    if (!personal) {
        button->second->click();
        return QString();
    }

    // The chooser opens modally inside the button's handler: it is answered
    // from the event loop it runs.
    QString problem;
    QTimer chooserWatch;
    QObject::connect(&chooserWatch, &QTimer::timeout, [&] {
        auto* chooser = qobject_cast<frmSelectPrintMember*>(QApplication::activeModalWidget());
        if (!chooser || !chooser->isVisible())
            return;
        chooserWatch.stop();
        answerChooser(*chooser, player, problem);
    });
    chooserWatch.start(10);
    button->second->click();
    chooserWatch.stop();
    return problem;
}
