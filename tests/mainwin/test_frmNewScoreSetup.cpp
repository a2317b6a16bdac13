// The new-game participants dialog: restoring the kept participants and the
// group, entering, removing and moving participants, teams through the team
// dialog, the counts, and what OK and Cancel leave in gNewEntries and the
// settings file.
#include "core/ini.h"
#include "core/records.h"
#include "mainwin/frmNewScoreSetup.h"
#include "game/frmSetTeam.h"
#include "support/registers_support.h"
#include "support/replacecounter.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

using regtest::RegistersTest;
using regtest::ids;

MemberInfo player(Long id, const QString& name, const QString& sort, Long group, Integer state = 0)
{
    MemberInfo m;
    m.IDNo = id;
    m.Name = name;
    m.Sort = sort;
    m.Gender = 1;
    m.BelongID = group;
    m.State = state;
    return m;
}

BelongInfo group(Long id, const QString& name, Integer state = 0)
{
    BelongInfo b;
    b.BelongID = id;
    b.Name = name;
    b.State = state;
    return b;
}

QStringList texts(const QListWidget* l)
{
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        t << l->item(i)->text();
    return t;
}

QList<int> selectedIds(const QListWidget* l)
{
    QList<int> v;
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->isSelected())
            v << l->item(i)->data(Qt::UserRole).toInt();
    return v;
}

void selectIds(QListWidget* l, const QList<int>& wanted)
{
    l->clearSelection();
    for (int i = 0; i < l->count(); ++i)
        if (wanted.contains(l->item(i)->data(Qt::UserRole).toInt()))
            l->item(i)->setSelected(true);
}

class FrmNewScoreSetupTest : public RegistersTest {
protected:
    void SetUp() override
    {
        RegistersTest::SetUp();
        // Register order differs from reading order.
        gMemberList = {player(1, "渡辺", "わたなべ", 1), player(2, "井上", "いのうえ", 1),
                       player(3, "上田", "うえだ", 2), player(4, "江藤", "えとう", 0),
                       player(5, "大野", "おおの", 4, 2), player(6, "加藤", "かとう", 3)};
        gBelongList = {group(1, "北クラブ"), group(2, "南クラブ"), group(3, "旧クラブ", 2),
                       group(4, "空クラブ")};
        regtest::writeFile(gstrTeamFile, "[Team]\r\nID1=A\r\nDetail1=Ａ組\r\nID2=a\r\nDetail2=\r\n"
                                         "ID3=LONG1\r\nDetail3=長い\r\n");
    }

    void setting(const QString& key, const QString& value, const QString& section = "Setup")
    {
        gfWriteIniFile(gstrIniFile, section, key, value);
    }
    QString settingOf(const QString& key, const QString& section = "Setup")
    {
        return gfReadIniFile(gstrIniFile, section, key);
    }
    MemberInfo& member(Long id) { return gMemberList[static_cast<size_t>(gfGetMemberIndexFor(id))]; }
    static Long gfGetMemberIndexFor(Long id)
    {
        for (size_t i = 0; i < gMemberList.size(); ++i)
            if (gMemberList[i].IDNo == id)
                return Long(i);
        return -1;
    }

    // Enters the players with these identifiers from the "すべて" list.
    static void enter(frmNewScoreSetup& d, const QList<int>& wanted)
    {
        selectIds(d.lstMember[0], wanted);
        d.btnEntry_Click();
    }
};

TEST_F(FrmNewScoreSetupTest, ControlsAndCaptions)
{
    frmNewScoreSetup d;
    EXPECT_EQ(d.windowTitle(), "新しいゲーム");
    EXPECT_EQ(d.fraNotEntry->title(), "プレイヤー一覧");
    EXPECT_EQ(d.fraEntry->title(), "参加");
    EXPECT_EQ(d.btnEntry->text(), "参加 =>");
    EXPECT_TRUE(d.btnEntry->font().bold());
    EXPECT_EQ(d.btnUpDown[0]->text(), "↑");
    EXPECT_EQ(d.btnUpDown[1]->text(), "↓");
    EXPECT_EQ(d.btnSelectAll[0]->text(), "全選択");
    EXPECT_EQ(d.btnOutEntry->text(), "参加取消");
    EXPECT_EQ(d.btnSetTeam->text(), "ﾁｰﾑ設定");
    EXPECT_EQ(d.btnOffsetTeam->text(), "ﾁｰﾑ取消");
    EXPECT_EQ(d.chkSort->text(), "ｿｰﾄ");
    EXPECT_EQ(d.chkKeepMemberEntry->text(), "次回、この参加状態を利用する。");
    EXPECT_EQ(d.btnCancel->text(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(d.lstMember[0]->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(d.lstMember[1]->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(d.lblEntryNum->text(), "参加 0名");
    EXPECT_EQ(d.lblTeamNum->text(), "");
    // Groups: すべて, 無し, then the live groups in table order.
    QStringList groups;
    for (int i = 0; i < d.cobBelong->count(); ++i)
        groups << d.cobBelong->itemText(i) + "=" + QString::number(d.cobBelong->itemData(i).toInt());
    EXPECT_EQ(groups, QStringList({"すべて=-1", "無し=0", "北クラブ=1", "南クラブ=2", "空クラブ=4"}));
    EXPECT_EQ(d.cobBelong->currentIndex(), 0);
    EXPECT_EQ(ids(d.lstMember[0]), QList<int>({1, 2, 3, 4, 6}));
    EXPECT_EQ(d.lstMember[0]->item(0)->text(), "渡辺 (男)");
    // Nothing is selected: only the select-all buttons, OK and ｷｬﾝｾﾙ work.
    for (QPushButton* b : {d.btnEntry, d.btnOutEntry, d.btnSetTeam, d.btnOffsetTeam, d.btnUpDown[0], d.btnUpDown[1]})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    for (QPushButton* b : {d.btnSelectAll[0], d.btnSelectAll[1], d.btnOK, d.btnCancel})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(FrmNewScoreSetupTest, KeptParticipantsAreRestoredUpToTheFirstGap)
{
    setting("KeepMemberEntry", "1");
    setting("member1", "3", "ScoreEntry");
    setting("team1", " A ", "ScoreEntry");
    setting("member2", "5", "ScoreEntry");   // deleted since: skipped
    setting("team2", "B", "ScoreEntry");
    setting("member3", "99", "ScoreEntry");  // never existed: skipped
    setting("member4", "1", "ScoreEntry");
    setting("team4", "", "ScoreEntry");
    setting("member6", "2", "ScoreEntry");   // after the gap at 5: not read
    gNewEntries = {NewEntry{7, "X"}};
    member(2).TeamID = "stale";
    gintDialogResult = 0;

    frmNewScoreSetup d;
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_TRUE(gNewEntries.empty());
    EXPECT_TRUE(d.chkKeepMemberEntry->isChecked());
    EXPECT_EQ(ids(d.lstMember[1]), QList<int>({3, 1}));
    EXPECT_EQ(texts(d.lstMember[1]), QStringList({"A  ：上田 (男)", "     渡辺 (男)"}));
    EXPECT_EQ(member(3).TeamID, "A");
    EXPECT_EQ(member(2).TeamID, "");
    EXPECT_EQ(d.lblEntryNum->text(), "参加 2名");
    EXPECT_EQ(d.lblTeamNum->text(), "");

    // Only the value 1 keeps them.
    for (const QString& keep : {QString("0"), QString(""), QString("2")}) {
        setting("KeepMemberEntry", keep);
        frmNewScoreSetup e;
        EXPECT_FALSE(e.chkKeepMemberEntry->isChecked()) << keep.toStdString();
        EXPECT_EQ(e.lstMember[1]->count(), 0) << keep.toStdString();
    }
}

TEST_F(FrmNewScoreSetupTest, RemembersOnlyALiveGroupWithPlayers)
{
    struct Case {
        QString saved;
        QString shown;
        QList<int> players;
    };
    const std::vector<Case> cases = {
        {"", "すべて", {1, 2, 3, 4, 6}},
        {"1", "北クラブ", {1, 2}},
        {"2", "南クラブ", {3}},
        {"0", "すべて", {1, 2, 3, 4, 6}},     // "無し" is not restored
        {"-1", "すべて", {1, 2, 3, 4, 6}},
        {"3", "すべて", {1, 2, 3, 4, 6}},     // deleted group
        {"4", "すべて", {1, 2, 3, 4, 6}},     // only a deleted player
    };
    for (const Case& c : cases) {
        setting("LastBelong_at_NewGame", c.saved);
        frmNewScoreSetup d;
        EXPECT_EQ(d.cobBelong->currentText(), c.shown) << c.saved.toStdString();
        EXPECT_EQ(ids(d.lstMember[0]), c.players) << c.saved.toStdString();
    }

    // The sort box orders by reading; choosing a group refills the list.
    setting("LastBelong_at_NewGame", "");
    setting("Sort_at_NewGame", "1");
    frmNewScoreSetup d;
    EXPECT_TRUE(d.chkSort->isChecked());
    EXPECT_EQ(ids(d.lstMember[0]), QList<int>({2, 3, 4, 6, 1}));
    d.cobBelong->setCurrentIndex(1);   // 無し
    EXPECT_EQ(ids(d.lstMember[0]), QList<int>({4}));
    d.cobBelong->setCurrentIndex(0);
    QTest::mouseClick(d.chkSort, Qt::LeftButton, {}, QPoint(8, d.chkSort->height() / 2));
    EXPECT_FALSE(d.chkSort->isChecked());
    EXPECT_EQ(ids(d.lstMember[0]), QList<int>({1, 2, 3, 4, 6}));
}

TEST_F(FrmNewScoreSetupTest, EnteringNeverDuplicatesAndSelectsTheEntered)
{
    frmNewScoreSetup d;
    enter(d, {2, 4});
    EXPECT_EQ(ids(d.lstMember[1]), QList<int>({2, 4}));
    EXPECT_EQ(selectedIds(d.lstMember[1]), QList<int>({2, 4}));
    EXPECT_EQ(d.lblEntryNum->text(), "参加 2名");
    EXPECT_TRUE(d.btnOutEntry->isEnabled());
    // The player list keeps its items and selection.
    EXPECT_EQ(selectedIds(d.lstMember[0]), QList<int>({2, 4}));

    // Entering again: the present one is only selected, the new one added.
    member(2).TeamID = "A";
    enter(d, {1, 2});
    EXPECT_EQ(ids(d.lstMember[1]), QList<int>({2, 4, 1}));
    EXPECT_EQ(selectedIds(d.lstMember[1]), QList<int>({2, 1}));
    EXPECT_EQ(member(2).TeamID, "A");

    // Nothing selected in the player list: nothing happens.
    d.lstMember[0]->clearSelection();
    d.btnEntry_Click();
    EXPECT_EQ(d.lstMember[1]->count(), 3);

    // A double-click in the player list enters; in the participant list not.
    d.lstMember[0]->clearSelection();
    d.lstMember[0]->item(2)->setSelected(true);   // 上田
    emit d.lstMember[0]->itemDoubleClicked(d.lstMember[0]->item(2));
    EXPECT_EQ(ids(d.lstMember[1]), QList<int>({2, 4, 1, 3}));
    emit d.lstMember[1]->itemDoubleClicked(d.lstMember[1]->item(0));
    EXPECT_EQ(d.lstMember[1]->count(), 4);
}

TEST_F(FrmNewScoreSetupTest, ButtonsFollowTheSelectionAtMouseUpAndSelectAll)
{
    frmNewScoreSetup d;
    ASSERT_TRUE(regtest::showActive(d));
    QListWidget* players = d.lstMember[0];
    const QRect r = players->visualItemRect(players->item(1));
    QTest::mouseClick(players->viewport(), Qt::LeftButton, {}, r.center());
    testsupport::deliverQueuedEvents();
    EXPECT_TRUE(d.btnEntry->isEnabled());
    EXPECT_FALSE(d.btnOutEntry->isEnabled());

    d.btnEntry_Click();
    for (QPushButton* b : {d.btnOutEntry, d.btnSetTeam, d.btnOffsetTeam, d.btnUpDown[0], d.btnUpDown[1]})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();

    // A selection changed by the program alone lags until the next refresh.
    d.lstMember[1]->clearSelection();
    EXPECT_TRUE(d.btnOutEntry->isEnabled());
    d.btnSetTeam_Click();
    d.btnOffsetTeam_Click();
    EXPECT_EQ(messages(), "エラー|設定するプレイヤーを選択してください。\nエラー|取消すプレイヤーを選択してください。");

    QTest::mouseClick(d.btnSelectAll[1], Qt::LeftButton);
    EXPECT_EQ(selectedIds(d.lstMember[1]), QList<int>({2}));
    d.lstMember[0]->clearSelection();
    QTest::mouseClick(d.btnSelectAll[0], Qt::LeftButton);
    EXPECT_EQ(d.lstMember[0]->selectedItems().size(), 5);
    EXPECT_TRUE(d.btnEntry->isEnabled());
}

TEST_F(FrmNewScoreSetupTest, MovingShiftsTheSelectedBlockUnlessItIsAtTheEnd)
{
    frmNewScoreSetup d;
    enter(d, {1, 2, 3, 4});
    struct Case {
        int direction;   // 0 up, 1 down
        QList<int> selected;
        QList<int> order;   // after the move, starting from the previous case's order
    };
    const std::vector<Case> cases = {
        {0, {2, 4}, {2, 1, 4, 3}},
        {0, {2, 4}, {2, 1, 4, 3}},   // the first item is selected: nothing moves
        {0, {4}, {2, 4, 1, 3}},
        {1, {2, 1}, {4, 2, 3, 1}},
        {1, {1, 4}, {4, 2, 3, 1}},   // the last item is selected: nothing moves
        {1, {4, 3}, {2, 4, 1, 3}},
    };
    for (size_t k = 0; k < cases.size(); ++k) {
        const Case& c = cases[k];
        selectIds(d.lstMember[1], c.selected);
        d.btnUpDown_Click(c.direction);
        EXPECT_EQ(ids(d.lstMember[1]), c.order) << k;
        // The selection and the texts move with the items.
        QList<int> sel = selectedIds(d.lstMember[1]);
        std::sort(sel.begin(), sel.end());
        QList<int> want = c.selected;
        std::sort(want.begin(), want.end());
        EXPECT_EQ(sel, want) << k;
        const QStringList t = texts(d.lstMember[1]);
        EXPECT_TRUE(t[c.order.indexOf(3)].endsWith("上田 (男)")) << k;
        EXPECT_TRUE(t[c.order.indexOf(1)].endsWith("渡辺 (男)")) << k;
    }
}

TEST_F(FrmNewScoreSetupTest, TeamsAreSetThroughTheTeamDialogAndCountedExactly)
{
    frmNewScoreSetup d;
    enter(d, {1, 2, 3, 4});

    // Two selected: the team dialog opens in choice mode with no team given.
    selectIds(d.lstMember[1], {1, 3});
    regtest::onNextDialog<frmSetTeam>([](frmSetTeam* t) {
        EXPECT_EQ(gstrDialogText1, "");
        t->lstTeams->setCurrentRow(0);   // A
        t->btnSelect_Click();
    });
    gintDialogResult = 5;
    glngDialogParam = 9;
    d.btnSetTeam_Click();
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_EQ(member(1).TeamID, "A");
    EXPECT_EQ(member(3).TeamID, "A");
    EXPECT_EQ(texts(d.lstMember[1]),
              QStringList({"A  ：渡辺 (男)", "     井上 (男)", "A  ：上田 (男)", "     江藤 (男)"}));
    EXPECT_EQ(d.lblTeamNum->text(), "[ A ﾁｰﾑ 2名]");

    // One selected: its own team is offered; a lower-case a is another team.
    selectIds(d.lstMember[1], {2});
    member(2).TeamID = "a";
    regtest::onNextDialog<frmSetTeam>([](frmSetTeam* t) {
        EXPECT_EQ(gstrDialogText1, "a");
        EXPECT_EQ(glngDialogParam, 0);
        t->lstTeams->setCurrentRow(2);   // LONG1
        t->btnSelect_Click();
    });
    d.btnSetTeam_Click();
    EXPECT_EQ(member(2).TeamID, "LONG1");
    EXPECT_EQ(d.lstMember[1]->item(1)->text(), "LON：井上 (男)");
    member(4).TeamID = "a";
    selectIds(d.lstMember[1], {4});
    EXPECT_EQ(d.lblTeamNum->text(), "[ a ﾁｰﾑ 1名]");
    selectIds(d.lstMember[1], {2, 3});
    EXPECT_EQ(d.lblTeamNum->text(), "[ LONG1 ﾁｰﾑ 1名]");

    // Cancelled team dialog: nothing changes.
    selectIds(d.lstMember[1], {1});
    regtest::onNextDialog<frmSetTeam>([](frmSetTeam* t) { t->btnCancel_Click(); });
    d.btnSetTeam_Click();
    EXPECT_EQ(member(1).TeamID, "A");
    EXPECT_EQ(gintDialogResult, -1);

    // "なし" takes the team away.
    regtest::onNextDialog<frmSetTeam>([](frmSetTeam* t) { t->btnNone_Click(); });
    d.btnSetTeam_Click();
    EXPECT_EQ(member(1).TeamID, "");
    EXPECT_EQ(d.lstMember[1]->item(0)->text(), "     渡辺 (男)");

    // ﾁｰﾑ取消 clears the selected ones' teams and keeps the selection.
    selectIds(d.lstMember[1], {3, 2});
    d.btnOffsetTeam_Click();
    EXPECT_EQ(member(3).TeamID, "");
    EXPECT_EQ(member(2).TeamID, "");
    EXPECT_EQ(member(4).TeamID, "a");
    EXPECT_EQ(selectedIds(d.lstMember[1]), QList<int>({2, 3}));
    EXPECT_EQ(d.lblTeamNum->text(), "");
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(FrmNewScoreSetupTest, RemovingKeepsTheOtherTeams)
{
    frmNewScoreSetup d;
    enter(d, {1, 2, 3});
    member(1).TeamID = "A";
    member(2).TeamID = "B";
    member(3).TeamID = "C";
    selectIds(d.lstMember[1], {1, 3});
    d.btnOutEntry_Click();
    EXPECT_EQ(ids(d.lstMember[1]), QList<int>({2}));
    EXPECT_EQ(member(1).TeamID, "");
    EXPECT_EQ(member(3).TeamID, "");
    EXPECT_EQ(member(2).TeamID, "B");
    EXPECT_EQ(d.lblEntryNum->text(), "参加 1名");
    EXPECT_FALSE(d.btnOutEntry->isEnabled());
}

TEST_F(FrmNewScoreSetupTest, OkStoresTheParticipantsAndRewritesTheSection)
{
    // A longer list of an earlier game.
    for (int n = 1; n <= 5; ++n) {
        setting(QString("member%1").arg(n), QString::number(n), "ScoreEntry");
        setting(QString("team%1").arg(n), "Z", "ScoreEntry");
    }
    setting("LastBelong_at_NewGame", "1");
    frmNewScoreSetup d;
    enter(d, {2, 1});   // entered in list order: 1, 2
    selectIds(d.lstMember[1], {2});
    d.btnUpDown_Click(0);
    selectIds(d.lstMember[1], {1});
    regtest::onNextDialog<frmSetTeam>([](frmSetTeam* t) {
        t->lstTeams->setCurrentRow(1);   // a
        t->btnSelect_Click();
    });
    d.btnSetTeam_Click();
    member(2).TeamID = " B ";
    d.chkKeepMemberEntry->setChecked(true);
    d.chkSort->setChecked(true);

    ReplaceCounter replaces(gstrAppFolder);
    ASSERT_TRUE(replaces.isValid());
    d.btnOK_Click();
    // The participants in one replace of the settings file (never a partial
    // list), then the three choices of the dialog.
    EXPECT_EQ(replaces.count(QFileInfo(gstrIniFile).fileName()), 1 + 3);
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    ASSERT_EQ(gNewEntries.size(), 2u);
    EXPECT_EQ(gNewEntries[0].IDNo, 2);
    EXPECT_EQ(gNewEntries[0].TeamID, "B");
    EXPECT_EQ(gNewEntries[1].IDNo, 1);
    EXPECT_EQ(gNewEntries[1].TeamID, "a");
    const QString ini = regtest::readFile(gstrIniFile);
    EXPECT_TRUE(ini.contains("[ScoreEntry]\r\nmember1=2\r\nteam1=B\r\nmember2=1\r\nteam2=a\r\n")) << ini.toStdString();
    EXPECT_FALSE(ini.contains("member3")) << ini.toStdString();
    EXPECT_EQ(settingOf("KeepMemberEntry"), "1");
    EXPECT_EQ(settingOf("LastBelong_at_NewGame"), "1");
    EXPECT_EQ(settingOf("Sort_at_NewGame"), "1");

    // The next new game starts with them.
    frmNewScoreSetup next;
    EXPECT_EQ(ids(next.lstMember[1]), QList<int>({2, 1}));
    EXPECT_EQ(member(1).TeamID, "a");
    EXPECT_EQ(next.cobBelong->currentText(), "北クラブ");
    EXPECT_TRUE(next.chkSort->isChecked());
}

TEST_F(FrmNewScoreSetupTest, OkWithoutParticipantsLeavesAnEmptySection)
{
    setting("member1", "1", "ScoreEntry");
    setting("KeepMemberEntry", "1");
    frmNewScoreSetup d;
    selectIds(d.lstMember[1], {1});
    d.btnOutEntry_Click();
    d.chkKeepMemberEntry->setChecked(false);
    d.cobBelong->setCurrentIndex(1);
    d.btnOK_Click();
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_TRUE(gNewEntries.empty());
    EXPECT_FALSE(regtest::readFile(gstrIniFile).contains("member")) << regtest::readFile(gstrIniFile).toStdString();
    EXPECT_EQ(settingOf("KeepMemberEntry"), "0");
    EXPECT_EQ(settingOf("LastBelong_at_NewGame"), "0");
    EXPECT_EQ(settingOf("Sort_at_NewGame"), "0");
}

TEST_F(FrmNewScoreSetupTest, CancelAndEscapeWriteNothing)
{
    setting("KeepMemberEntry", "1");
    setting("member1", "3", "ScoreEntry");
    const QByteArray before = regtest::readBytes(gstrIniFile);
    for (int way = 0; way < 2; ++way) {
        frmNewScoreSetup d;
        ASSERT_TRUE(regtest::showActive(d));
        enter(d, {1, 2});
        d.chkKeepMemberEntry->setChecked(false);
        if (way == 0)
            QTest::mouseClick(d.btnCancel, Qt::LeftButton);
        else
            QTest::keyClick(d.lstMember[1], Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible()) << way;
        EXPECT_EQ(gintDialogResult, -1) << way;
        EXPECT_TRUE(gNewEntries.empty()) << way;
        EXPECT_EQ(regtest::readBytes(gstrIniFile), before) << way;
    }
}

// Enter presses the button that has the focus (there is no default button):
// "参加 =>" enters, OK confirms.
TEST_F(FrmNewScoreSetupTest, EnterOnAFocusedButtonPressesIt)
{
    frmNewScoreSetup d;
    ASSERT_TRUE(regtest::showActive(d));
    d.lstMember[0]->item(0)->setSelected(true);
    d.btnSelectAll_Click(0);
    d.btnEntry->setFocus();
    QTest::keyClick(d.btnEntry, Qt::Key_Return);
    EXPECT_TRUE(testsupport::waitUntil([&] { return d.lstMember[1]->count() > 0; }));
    const int entered = d.lstMember[1]->count();
    EXPECT_EQ(entered, d.lstMember[0]->count());
    d.btnOK->setFocus();
    QTest::keyClick(d.btnOK, Qt::Key_Return);
    EXPECT_TRUE(testsupport::waitUntil([&] { return !d.isVisible(); }));
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(int(gNewEntries.size()), entered);
}

TEST_F(FrmNewScoreSetupTest, EntryTextPadsShortTeamsAndCutsLongOnes)
{
    const struct {
        QString team;
        QString head;
    } cases[] = {{"", "     "}, {"  ", "     "}, {"A", "A  ："}, {"ab", "ab ："}, {"ABC", "ABC："},
                 {"ABCD", "ABC："}, {" 1 ", "1  ："}, {"Ａ", "Ａ  ："}};
    for (const auto& c : cases) {
        member(3).TeamID = c.team;
        EXPECT_EQ(frmNewScoreSetup::pfEntryText(gfGetMemberIndexFor(3)), c.head + "上田 (男)")
            << c.team.toStdString();
    }
}

}  // namespace
