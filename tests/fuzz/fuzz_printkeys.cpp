// The stored print settings as a user may have edited them, read by the
// three print dialogs as they open: the game print dialog (Setup /
// SelectPrint_Score), the season dialog (Setup / SeriesPrint_*) and the point
// ranking dialog (P_Title1, P_Title2, P_BelongOrLocation of the series).
// Each opens with one choice in every option group, stores what it prints
// with and nothing else, and opens again on what it stored.
//
// Input: byte 0 chooses the game report printed, byte 1 the season options
// changed before they are stored, byte 2 the series and the extra column of
// the point ranking; the rest is the file, written both as the settings
// file and as series.dat (one file can hold both kinds of key).
#include "fuzz_support.h"
#include "fuzz_widgets.h"

#include "core/core.h"
#include "core/ini.h"
#include "platform/profile.h"
#include "reports/game/frmSelectPrintScore.h"
#include "reports/season/frmPrintPoinsRanking.h"
#include "reports/season/frmPrintTotalGames.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <map>

namespace {

using Name = std::pair<QString, QString>;
using Values = std::map<Name, QString>;

const QString kSetup = QStringLiteral("Setup");
const QStringList kSeasonKeys = {QStringLiteral("SeriesPrint_SortBelong"),   QStringLiteral("SeriesPrint_NameOrEntries"),
                                 QStringLiteral("SeriesPrint_TotalRankingMode"),
                                 QStringLiteral("SeriesPrint_TeamHowtoRank"), QStringLiteral("SeriesPrint_PrivateGames"),
                                 QStringLiteral("SeriesPrint_JudgeDaSu"),     QStringLiteral("SeriesPrint_JudgeBirthday"),
                                 QStringLiteral("SeriesPrint_BelongOrLocation")};
const QStringList kPointKeys = {QStringLiteral("P_Title1"), QStringLiteral("P_Title2"),
                                QStringLiteral("P_BelongOrLocation")};

// The names the dialogs read or write, and their neighbours.
std::vector<Name> probedNames()
{
    std::vector<Name> names;
    for (const QString& key : kSeasonKeys)
        names.emplace_back(kSetup, key);
    for (const char* key : {"SelectPrint_Score", "SelectPrintMember", "Sort_at_SelectPrinterMember", "Other"})
        names.emplace_back(kSetup, QString::fromLatin1(key));
    names.emplace_back(QStringLiteral("Management"), QStringLiteral("MaxSeriesNo"));
    for (const char* section : {"Series1", "Series2", "Series3"}) {
        QStringList keys = kPointKeys;
        keys << QStringLiteral("Name") << QStringLiteral("State") << QStringLiteral("PointSeries")
             << QStringLiteral("Point1") << QStringLiteral("Point11");
        for (const QString& key : keys)
            names.emplace_back(QString::fromLatin1(section), key);
    }
    return names;
}

Values probe(const QString& path)
{
    const platform::ProfileFile file(path);
    Values values;
    for (const Name& n : probedNames())
        values[n] = file.value(n.first, n.second);
    return values;
}

// The text as any value written reads back: CP932 has no character for
// some ("?" is written), and a reader trims the blanks around a value.
QString asReadBack(const QString& text)
{
    const QString path = fuzz::scratch() + QStringLiteral("/readback.ini");
    QFile::remove(path);
    platform::profileWrite(path, QStringLiteral("S"), QStringLiteral("K"), text);
    return platform::ProfileFile(path).value(QStringLiteral("S"), QStringLiteral("K"));
}

template <std::size_t N>
int checkedIndex(const std::array<QRadioButton*, N>& options, const char* promise)
{
    int found = -1;
    for (std::size_t i = 0; i < N; ++i) {
        if (!options[i]->isChecked())
            continue;
        fuzz::require(found < 0, promise);
        found = static_cast<int>(i);
    }
    fuzz::require(found >= 0, promise);
    return found;
}

// The season dialog's stored choices, in the order of kSeasonKeys (the
// basis of the total ranking is stored but not chosen at opening).
std::vector<int> seasonChoices(const frmPrintTotalGames& dlg)
{
    const char* promise = "the season dialog opens with one choice in every option group";
    return {dlg.chkEntryBelong->isChecked() ? 1 : 0,
            checkedIndex(dlg.optEntry, promise),
            checkedIndex(dlg.optTotalRankingMode, promise),
            checkedIndex(dlg.optTeamHowtoRank, promise),
            checkedIndex(dlg.optPrivateGames, promise),
            checkedIndex(dlg.optJudgeDa, promise),
            dlg.chkJudgeBirthday->isChecked() ? 1 : 0,
            checkedIndex(dlg.optBelongOrLocation, promise)};
}

template <std::size_t N>
void chooseNext(const std::array<QRadioButton*, N>& options, int steps)
{
    const int at = checkedIndex(options, "one choice");
    options[static_cast<std::size_t>((at + steps) % static_cast<int>(N))]->setChecked(true);
}

// The game print dialog: opens on the stored report, prints the chosen one
// and opens again on it. Returns the report stored.
int gamePrintDialog(uint8_t choice)
{
    int printed = 0;
    {
        frmSelectPrintScore dlg;
        checkedIndex(dlg.optScoreSelectPrint, "the game print dialog opens with one report chosen");
        if (choice % 7 < kGameReportCount)
            dlg.optScoreSelectPrint[choice % 7]->setChecked(true);
        printed = dlg.pfSelectedReport();
        dlg.btnOK->click();
    }
    frmSelectPrintScore again;
    fuzz::require(checkedIndex(again.optScoreSelectPrint, "one report chosen") == printed,
                  "the game print dialog opens on the report printed last");
    return printed;
}

// The season dialog: opens on the stored options, stores changed ones as a
// report button does and opens again on them.
std::vector<int> seasonDialog(uint8_t changes)
{
    std::vector<int> stored;
    {
        frmPrintTotalGames dlg;
        seasonChoices(dlg);
        if (changes & 1)
            dlg.chkEntryBelong->setChecked(!dlg.chkEntryBelong->isChecked());
        if (changes & 2)
            chooseNext(dlg.optEntry, 1);
        if (changes & 4)
            chooseNext(dlg.optTeamHowtoRank, 1);
        if (changes & 8)
            chooseNext(dlg.optPrivateGames, 1 + (changes >> 6) % 2);
        if (changes & 16)
            chooseNext(dlg.optJudgeDa, 1 + (changes >> 5));
        if (changes & 32)
            dlg.chkJudgeBirthday->setChecked(!dlg.chkJudgeBirthday->isChecked());
        chooseNext(dlg.optBelongOrLocation, changes >> 6);
        stored = seasonChoices(dlg);
        dlg.psSaveSeriesPrintSetup();
    }
    frmPrintTotalGames again;
    std::vector<int> shown = seasonChoices(again);
    // The basis always starts on the round average.
    shown[2] = stored[2];
    fuzz::require(shown == stored, "the season dialog opens on the options stored");
    return stored;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startWidgets();
    fuzz::writeRegisters();
    // Two games of series 1 of the same size, ticked for the season dialog.
    const std::vector<Long>& players = fuzz::registeredPlayers();
    fuzz::savedGame(2, 8, 2, {players.begin(), players.begin() + 6});
    fuzz::savedGame(4, 8, 2, {players.begin() + 3, players.begin() + 10});
    QStringList damaged;
    gsReadGameList(&damaged);
    fuzz::require(gGameList.size() == 2 && damaged.isEmpty(), "the games are listed");
    fuzz::replacePreview(fuzz::PreviewMode::Count);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const QByteArray file = fuzz::bytesOf(data + 3, size - 3);
    fuzz::writeFile(gstrIniFile, file);
    fuzz::writeFile(gstrSeriesFile, file);
    fuzz::freshUi();
    const Values iniBefore = probe(gstrIniFile);
    const Values seriesBefore = probe(gstrSeriesFile);
    Values iniWritten;
    Values seriesWritten;

    // The game print dialog over the first game, as the main window opens it.
    gGame = gGameList[0];
    gsClearCalcResults();
    QString problem;
    fuzz::require(gfReadGameLines(&problem), "the first game reads whole");
    iniWritten[{kSetup, QStringLiteral("SelectPrint_Score")}] = QString::number(gamePrintDialog(data[0]));

    // The season dialog over both games.
    gSelectedGames = {0, 1};
    gsPrepareSeasonPrint(-1, -1);
    const std::vector<int> season = seasonDialog(data[1]);
    for (size_t i = 0; i < season.size(); ++i)
        iniWritten[{kSetup, kSeasonKeys[static_cast<qsizetype>(i)]}] = QString::number(season[i]);
    gSelectedGames.clear();
    gsClearCalcResults();

    // The point ranking dialog: a preview stores the titles and the column.
    const Long series = 1 + data[2] % 3;
    const int column = (data[2] / 3) % 4;
    glngDialogParam = series;
    bool previewed = false;
    int storedColumn = 0;
    {
        frmPrintPoinsRanking dlg;
        if (dlg.btnOK->isEnabled()) {
            checkedIndex(dlg.optBelongOrLocation, "the point ranking dialog opens with one column chosen");
            if (column < 3)
                dlg.optBelongOrLocation[static_cast<std::size_t>(column)]->setChecked(true);
            storedColumn = checkedIndex(dlg.optBelongOrLocation, "one column");
            const int before = fuzz::previewsOpened();
            const size_t messages = recordingUi().messages.size();
            dlg.btnOK->click();
            previewed = fuzz::previewsOpened() > before;
            fuzz::require(previewed || recordingUi().messages.size() > messages,
                          "the point ranking previews or says why not");
            if (previewed) {
                const QString section = QStringLiteral("Series") + QString::number(series);
                seriesWritten[{section, kPointKeys[0]}] = asReadBack(dlg.txtTittle1->text());
                seriesWritten[{section, kPointKeys[1]}] = asReadBack(dlg.txtTittle2->text());
                seriesWritten[{section, kPointKeys[2]}] = QString::number(storedColumn);
            }
        }
    }
    if (previewed) {
        frmPrintPoinsRanking again;
        fuzz::require(checkedIndex(again.optBelongOrLocation, "one column") == storedColumn,
                      "the point ranking dialog opens on the column stored");
    }

    // What the dialogs stored, and nothing else.
    const auto check = [](const QString& path, const Values& before, const Values& written) {
        for (const auto& [name, value] : probe(path)) {
            const auto w = written.find(name);
            if (w != written.end())
                fuzz::require(value == w->second, "a dialog stores what it printed with");
            else
                fuzz::require(value == before.at(name), "a dialog changes no other value");
        }
    };
    check(gstrIniFile, iniBefore, iniWritten);
    check(gstrSeriesFile, seriesBefore, seriesWritten);
    return 0;
}
