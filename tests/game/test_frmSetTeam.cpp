// The team dialog and the team registration dialog: the team file kept
// dense on register, edit and delete, preselection, the two modes, and the
// close box acting as キャンセル.

#include "registers/frmRegiTeam.h"
#include "game/frmSetTeam.h"
#include "support/registers_support.h"

#include "core/printstate.h"
#include "print/modPreview.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using testsupport::hasWindowFocus;
using regtest::onNextDialog;
using regtest::readFile;

namespace {

class TeamTest : public regtest::RegistersTest {
protected:
    void teams(const QString& keys) { regtest::writeFile(gstrTeamFile, "[Team]\r\n" + keys); }
    QStringList rows(const frmSetTeam& f)
    {
        QStringList out;
        for (int i = 0; i < f.lstTeams->count(); ++i)
            out << f.lstTeams->item(i)->text();
        return out;
    }
    int selected(const frmSetTeam& f)
    {
        const auto items = f.lstTeams->selectedItems();
        return items.isEmpty() ? -1 : f.lstTeams->row(items.first());
    }
};

TEST_F(TeamTest, EntryTextPadsShortIdentifiers)
{
    EXPECT_EQ(gfTeamEntryText("A", QStringLiteral("赤組")), QStringLiteral(" A   ： 赤組"));
    EXPECT_EQ(gfTeamEntryText("12", ""), QStringLiteral(" 12 "));
    EXPECT_EQ(gfTeamEntryText("ABC", "x"), QStringLiteral(" ABC ： x"));
    EXPECT_EQ(gfTeamEntryText("ABCD", "x"), QStringLiteral(" ABCD ： x"));
}

TEST_F(TeamTest, EmptyFileMessagesThenRegisterWritesTheFirstPair)
{
    glngDialogParam = 0;
    frmSetTeam f;
    ASSERT_TRUE(regtest::showActive(f));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("チーム設定"));
    EXPECT_TRUE(f.btnPrint->isEnabled());
    for (QPushButton* b : {f.btnSelect, f.btnEdit, f.btnDelete})
        QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(messages(), QStringLiteral("エラー|チーム識別が未選択です。\nエラー|チーム識別が未選択です。\n"
                                         "エラー|チーム識別が未選択です。"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbOKOnly);

    onNextDialog<frmRegiTeam>([](frmRegiTeam* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("チーム登録"));
        EXPECT_TRUE(hasWindowFocus(d->txtTeamID));
        QTest::keyClicks(d->txtTeamID, "ABCD");   // three characters at most
        EXPECT_EQ(d->txtTeamID->text(), QStringLiteral("ABC"));
        QTest::keyClick(d->txtTeamID, Qt::Key_Return);
        EXPECT_TRUE(hasWindowFocus(d->txtDetail));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnRegiTeam, Qt::LeftButton);
    EXPECT_EQ(readFile(gstrTeamFile), QStringLiteral("[Team]\r\nID1=ABC\r\nDetail1=\r\n"));
    EXPECT_EQ(rows(f), QStringList{QStringLiteral(" ABC")});
    EXPECT_EQ(selected(f), 0);

    // Choosing it: returns the identifier and remembers it.
    QTest::mouseClick(f.btnSelect, Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(gstrDialogText1, QStringLiteral("ABC"));
    EXPECT_EQ(readFile(gstrIniFile), QStringLiteral("[Setup]\r\nlastUsedTeam=ABC\r\n"));
}

TEST_F(TeamTest, EnterPressesTheFocusedButtonNotTheDefault)
{
    glngDialogParam = 0;
    frmSetTeam f;
    ASSERT_TRUE(regtest::showActive(f));
    bool opened = false;
    onNextDialog<frmRegiTeam>([&opened](frmRegiTeam* d) {
        opened = true;
        QTest::mouseClick(d->btnCancel, Qt::LeftButton);
    });
    f.btnRegiTeam->setFocus();
    QTest::keyClick(f.btnRegiTeam, Qt::Key_Return);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(recordingUi().messages.empty());
    // Enter in the list presses the default button (選択).
    f.lstTeams->setFocus();
    QTest::keyClick(f.lstTeams, Qt::Key_Return);
    EXPECT_EQ(messages(), QStringLiteral("エラー|チーム識別が未選択です。"));
}

TEST_F(TeamTest, PreselectionCallerFirstThenLastUsed)
{
    teams(QStringLiteral("ID1=A\r\nDetail1=赤\r\nID2=B\r\nDetail2=\r\nID3=A\r\nDetail3=\r\n"));
    regtest::writeFile(gstrIniFile, QStringLiteral("[Setup]\r\nlastUsedTeam=A\r\n"));
    struct { const char* caller; int expected; } cases[] = {{"B", 1}, {" ", 2}, {"", 2}, {"Z", 2}};
    for (const auto& c : cases) {
        gstrDialogText1 = QString::fromLatin1(c.caller);
        frmSetTeam f;
        EXPECT_EQ(selected(f), c.expected) << c.caller;
    }
    regtest::writeFile(gstrIniFile, QStringLiteral("[Setup]\r\nlastUsedTeam=Q\r\n"));
    gstrDialogText1 = "Z";
    frmSetTeam f;
    EXPECT_EQ(selected(f), -1);
    EXPECT_EQ(rows(f), (QStringList{QStringLiteral(" A   ： 赤"), QStringLiteral(" B  "), QStringLiteral(" A  ")}));
}

TEST_F(TeamTest, DeleteDropsEveryPairOfTheIdentifierAndRenumbers)
{
    teams(QStringLiteral("ID1=A\r\nDetail1=x\r\nID2=B\r\nDetail2=y\r\nID3=A\r\nDetail3=\r\nID4=C\r\nDetail4=z\r\n"));
    frmSetTeam f;
    ASSERT_TRUE(regtest::showActive(f));
    f.lstTeams->setCurrentRow(0);
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    EXPECT_TRUE(recordingUi().messages.empty());   // no question
    EXPECT_EQ(readFile(gstrTeamFile), QStringLiteral("[Team]\r\nID1=B\r\nDetail1=y\r\nID2=C\r\nDetail2=z\r\n"));
    EXPECT_EQ(rows(f), (QStringList{QStringLiteral(" B   ： y"), QStringLiteral(" C   ： z")}));
    EXPECT_EQ(selected(f), -1);
    EXPECT_EQ(gstrDialogText1, QStringLiteral("A"));

    // The close box after a deletion: a cancelled dialog, not the deleted team.
    f.close();
    EXPECT_EQ(gintDialogResult, -1);
}

// Teams the list cannot show (after a blank identifier, or in a second Team
// section of a hand-edited file) would be lost when a deletion rewrites the
// list: the deletion is refused with a message and the file stays as it is.
TEST_F(TeamTest, DeleteIsRefusedWhenTheFileHoldsTeamsTheListCannotShow)
{
    const QString cases[] = {
        QStringLiteral("ID1=A\r\nDetail1=x\r\nID2=B\r\nID3= \r\nID4=D\r\nDetail4=w\r\n"),
        QStringLiteral("ID1=A\r\nDetail1=x\r\nID2=B\r\n[Team]\r\nID3=D\r\n"),
    };
    for (const QString& keys : cases) {
        SCOPED_TRACE(keys.toStdString());
        teams(keys);
        const QString stored = readFile(gstrTeamFile);
        resetRecordingUi();
        frmSetTeam f;
        ASSERT_TRUE(regtest::showActive(f));
        ASSERT_EQ(f.lstTeams->count(), 2);
        f.lstTeams->setCurrentRow(0);
        QTest::mouseClick(f.btnDelete, Qt::LeftButton);
        EXPECT_EQ(messages(), QStringLiteral("エラー|一覧に表示できないチームがファイルにあるため、削除できません。"));
        EXPECT_EQ(readFile(gstrTeamFile), stored);
        EXPECT_EQ(f.lstTeams->count(), 2);
    }
}

TEST_F(TeamTest, EditChecksDuplicatesButAcceptsItsOwnIdentifier)
{
    teams(QStringLiteral("ID1=A\r\nDetail1=x\r\nID2=B\r\nDetail2=y\r\n"));
    frmSetTeam f;
    ASSERT_TRUE(regtest::showActive(f));
    f.lstTeams->setCurrentRow(1);
    onNextDialog<frmRegiTeam>([this](frmRegiTeam* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("チーム編集"));
        EXPECT_EQ(d->txtTeamID->text(), QStringLiteral("B"));
        EXPECT_TRUE(hasWindowFocus(d->txtDetail));
        regtest::setText(d->txtTeamID, "A");
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        EXPECT_EQ(messages(), QStringLiteral("エラー|チーム識別 A は既に存在します。"));
        EXPECT_TRUE(hasWindowFocus(d->txtTeamID));
        regtest::setText(d->txtTeamID, "");
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        EXPECT_TRUE(messages().endsWith(QStringLiteral("エラー|チーム識別が未入力です。")));
        regtest::setText(d->txtTeamID, " B ");   // its own identifier
        regtest::setText(d->txtDetail, QStringLiteral(" 青組 "));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnEdit, Qt::LeftButton);
    EXPECT_EQ(readFile(gstrTeamFile), QStringLiteral("[Team]\r\nID1=A\r\nDetail1=x\r\nID2=B\r\nDetail2=青組\r\n"));
    EXPECT_EQ(f.lstTeams->item(1)->text(), QStringLiteral(" B   ： 青組"));

    // "a" differs from "A": accepted as a new team, appended as pair 3.
    onNextDialog<frmRegiTeam>([](frmRegiTeam* d) {
        regtest::setText(d->txtTeamID, "a");
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnRegiTeam, Qt::LeftButton);
    EXPECT_TRUE(readFile(gstrTeamFile).endsWith(QStringLiteral("ID3=a\r\nDetail3=\r\n")));

    // Registering then cancelling the team dialog keeps the pair, returns -1.
    QTest::keyClick(f.lstTeams, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(gintDialogResult, -1);
}

TEST_F(TeamTest, ManagementModeClosesWithEnterAndIgnoresEsc)
{
    teams(QStringLiteral("ID1=A\r\nDetail1=\r\n"));
    glngDialogParam = 1;
    frmSetTeam f;
    ASSERT_TRUE(regtest::showActive(f));
    EXPECT_EQ(f.btnSelect->text(), QStringLiteral("閉じる"));
    EXPECT_FALSE(f.btnNone->isEnabled());
    EXPECT_FALSE(f.btnCancel->isEnabled());
    f.lstTeams->setFocus();
    QTest::keyClick(f.lstTeams, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    QTest::keyClick(f.lstTeams, Qt::Key_Return);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_FALSE(QFile::exists(gstrIniFile));   // lastUsedTeam untouched
}

TEST_F(TeamTest, ChoiceModeNoneAndStaleEntry)
{
    teams(QStringLiteral("ID1=A\r\nDetail1=\r\n"));
    {
        frmSetTeam f;
        ASSERT_TRUE(regtest::showActive(f));
        QTest::mouseClick(f.btnNone, Qt::LeftButton);
        EXPECT_EQ(gintDialogResult, 0);
        EXPECT_EQ(gstrDialogText1, QString());
    }
    {
        gstrDialogText1 = "A";
        frmSetTeam f;
        ASSERT_TRUE(regtest::showActive(f));
        teams(QString());   // the file changed meanwhile
        QTest::mouseClick(f.btnSelect, Qt::LeftButton);
        EXPECT_EQ(messages(), QStringLiteral("エラー|チーム識別が未選択です。"));
        EXPECT_TRUE(f.isVisible());
    }
}

TEST_F(TeamTest, PrintOpensThePreviewOfTheRegisteredTeamsOverTheDialog)
{
    QStringList file{"[Team]"};
    for (int n = 1; n <= 40; ++n)
        file << QStringLiteral("ID%1=T%1").arg(n) << QStringLiteral("Detail%1=").arg(n);
    teams(file.mid(1).join("\r\n"));
    glngDialogParam = 1;
    frmSetTeam f;
    QString seen;
    print::setPreviewWindow([&](QWidget* owner) {
        seen = QStringLiteral("%1/%2 owner %3 pointer %4")
                   .arg(gintPageNo)
                   .arg(gintPageCount)
                   .arg(owner == &f ? "dialog" : "other")
                   .arg(recordingUi().mousePointer());
    });
    f.btnPrint_Click();
    print::setPreviewWindow(nullptr);
    EXPECT_EQ(seen, QStringLiteral("1/2 owner dialog pointer %1").arg(platform::vbDefault));
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);
    EXPECT_TRUE(recordingUi().messages.empty());
}

}  // namespace
