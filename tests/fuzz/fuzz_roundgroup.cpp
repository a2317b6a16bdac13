// roundgroup.dat as a user may have edited it, read by the playing-group
// dialog of a game without groups: the dialog opens, deals groups by any of
// its methods and its OK hands back every entrant once and stores its
// settings and seeds without changing anything else the file holds; opened
// again it shows what was stored, and OK then leaves the file as it was.
//
// Input: byte 0 chooses the grouping method pressed before OK (none or one
// of the five), byte 1 the number of entrants; the rest is the file.
#include "fuzz_support.h"
#include "fuzz_widgets.h"

#include "core/core.h"
#include "core/helpers.h"
#include "game/frmRoundGrouping.h"
#include "game/test_roundgrouping_support.h"
#include "platform/profile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <map>

namespace {

const QString kLastValue = QStringLiteral("LastValue");
const QString kLastSeedNo = QStringLiteral("LastSeedNo");

QString seedKey(Long id)
{
    return QStringLiteral("M") + corehelpers::padNum(id, 5);
}

// The settings keys OK writes.
QStringList settingKeys()
{
    QStringList keys{QStringLiteral("optWhichBy"), QStringLiteral("txtGCT")};
    for (int i = 0; i < 5; ++i)
        keys << QStringLiteral("chkRGPriority") + QString::number(i);
    return keys;
}

// Every value a probe of the names the dialog knows reads, by section and
// key: the settings, the seeds of every registered player (entrants or
// not) and a few names the dialog never writes.
std::map<std::pair<QString, QString>, QString> probe()
{
    const platform::ProfileFile file(gstrRoundGroupFile);
    std::map<std::pair<QString, QString>, QString> values;
    QStringList lastValues = settingKeys();
    lastValues << QStringLiteral("Other");
    for (const QString& key : lastValues)
        values[{kLastValue, key}] = file.value(kLastValue, key);
    QStringList seeds{seedKey(99999), seedKey(0), QStringLiteral("Other")};
    for (Long id : fuzz::registeredPlayers())
        seeds << seedKey(id);
    for (const QString& key : seeds)
        values[{kLastSeedNo, key}] = file.value(kLastSeedNo, key);
    values[{QStringLiteral("Other"), QStringLiteral("Key")}] = file.value(QStringLiteral("Other"), QStringLiteral("Key"));
    return values;
}

// The first `count` registered players as the game window hands them in
// from their round-1 lines, with teams, groups and seeds of their own.
std::vector<RGMember> entrants(int count)
{
    std::vector<ScoreLine> lines;
    for (int i = 0; i < count; ++i) {
        ScoreLine line;
        line.IDNo = fuzz::registeredPlayers()[static_cast<size_t>(i)];
        line.RoundNo = 1;
        line.TeamID = i % 3 == 0 ? QString() : QString(QChar(u'A' + i % 3));
        line.RoundGNo = i % 4;
        line.SeedNo = i % 5 == 0 ? 0 : i;
        lines.push_back(line);
    }
    std::vector<RGMember> list = gfRoundGroupEntrants(lines);
    fuzz::require(static_cast<int>(list.size()) == count, "the register is read");
    return list;
}

std::vector<Long> sortedIds(const std::vector<RGMember>& members)
{
    std::vector<Long> ids;
    for (const RGMember& m : members)
        ids.push_back(m.IDNo);
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::unique_ptr<frmRoundGrouping> openDialog()
{
    return std::make_unique<frmRoundGrouping>(nullptr, grouptest::fixedTails({314159, 265358, 979323, 846264, 338327}));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startWidgets();
    fuzz::writeRegisters();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int method = data[0] % 6;
    const int count = data[1] % (static_cast<int>(fuzz::registeredPlayers().size()) + 1);
    fuzz::writeFile(gstrRoundGroupFile, fuzz::bytesOf(data + 2, size - 2));
    const std::vector<RGMember> handedIn = entrants(count);
    gRGMembers = handedIn;
    gGame = gfNewGameDefaults();
    gGame.RGUmu = 0;
    fuzz::freshUi();
    const auto before = probe();

    {
        const std::unique_ptr<frmRoundGrouping> dlg = openDialog();
        QPushButton* const methods[] = {nullptr, dlg->btnMakeRG1, dlg->btnMakeRG2, dlg->btnMakeRG3, dlg->btnMakeRG4,
                                        dlg->btnMakeRG5};
        if (methods[method])
            methods[method]->click();
        gintDialogResult = -1;
        dlg->btnOK->click();
        fuzz::require(gintDialogResult == 0 && dlg->result() == QDialog::Accepted,
                      "OK closes the dialog on the list it made");
    }
    fuzz::require(sortedIds(gRGMembers) == sortedIds(handedIn), "OK hands back every entrant once");
    fuzz::require(gGame.RGUmu == 1, "OK marks the game as grouped");

    // The settings and seeds as OK stored them; nothing else changed.
    const auto after = probe();
    std::map<std::pair<QString, QString>, QString> written;
    written[{kLastValue, QStringLiteral("optWhichBy")}] = QString::number(gGame.RGWhichBy);
    written[{kLastValue, QStringLiteral("txtGCT")}] = QString::number(gGame.RGCT);
    for (int i = 0; i < 5; ++i)
        written[{kLastValue, QStringLiteral("chkRGPriority") + QString::number(i)}] =
            QString::number(gGame.RGPriority[static_cast<size_t>(i)]);
    for (const RGMember& m : gRGMembers)
        written[{kLastSeedNo, seedKey(m.IDNo)}] = QString::number(m.SeedNo);
    for (const auto& [name, value] : after) {
        const auto w = written.find(name);
        if (w != written.end())
            fuzz::require(value == w->second, "OK stores the dialog's settings and every entrant's seed");
        else
            fuzz::require(value == before.at(name), "OK changes no other value of the file");
    }
    fuzz::require(gGame.RGWhichBy == 0 || gGame.RGWhichBy == 1, "the count means groups or persons");
    fuzz::require(gGame.RGCT >= 0 && gGame.RGCT <= frmRoundGrouping::kMaxCount, "the count is one the box takes");

    // Opened again for a game without groups, the dialog shows what OK
    // stored; its OK then stores the same again.
    const QByteArray stored = fuzz::readFile(gstrRoundGroupFile);
    const GameInfo grouped = gGame;
    const std::vector<RGMember> storedMembers = gRGMembers;
    gRGMembers = handedIn;
    gGame.RGUmu = 0;
    {
        const std::unique_ptr<frmRoundGrouping> dlg = openDialog();
        fuzz::require(dlg->optWhichBy[grouped.RGWhichBy == 0 ? 0 : 1]->isChecked(), "the stored meaning shows");
        fuzz::require(dlg->txtGCT->text() == QString::number(grouped.RGCT), "the stored count shows");
        for (int i = 0; i < 5; ++i)
            fuzz::require(dlg->chkRGPriority[static_cast<size_t>(i)]->isChecked() ==
                              (grouped.RGPriority[static_cast<size_t>(i)] == 1),
                          "the stored priorities show");
        for (const RGMember& m : gRGMembers) {
            const auto s = std::find_if(storedMembers.begin(), storedMembers.end(),
                                        [&m](const RGMember& o) { return o.IDNo == m.IDNo; });
            fuzz::require(s != storedMembers.end() && s->SeedNo == m.SeedNo, "every stored seed shows");
        }
        dlg->btnOK->click();
    }
    fuzz::require(fuzz::readFile(gstrRoundGroupFile) == stored, "OK on what was stored leaves the file as it was");
    fuzz::require(recordingUi().messages.size() <= 1, "at most the method's guard speaks");
    return 0;
}
