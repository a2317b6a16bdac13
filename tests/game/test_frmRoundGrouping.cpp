// The playing-group dialog: its list lines, the group size, the count box,
// the five grouping methods with a fixed random sequence, typed numbers,
// clearing, moving lines, the settings and seeds of "roundgroup.dat", OK and
// cancel; and the ordering of the game's lines by the groups handed back.
#include "game/frmRoundGrouping.h"

#include "core/core.h"
#include "core/ini.h"
#include "support/gamefixtures.h"
#include "support/recordingui.h"
#include "support/replacecounter.h"
#include "support/uiwait.h"
#include "test_game_fixture.h"
#include "test_roundgrouping_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

using grouptest::fixedTails;

// One entrant of a test: the player's record and the entrant's numbers.
struct Entrant {
    Long id;
    const char* team = "";
    Long group = 0;
    Long seed = 0;
    Integer gender = 0;
    const char* birthday = "";
    Long belong = 0;
};

class RoundGroupingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        testsupport::pointDataPathsAt(dir.path());
        gametest::clearGameTables();
        gRGMembers.clear();
        gGame = gametest::fixtureGameHeader();
        gsSetMemberAgeClock([] { return QDate(2026, 5, 10); });
        resetRecordingUi();
        gintDialogResult = 0;
    }

    void TearDown() override
    {
        dlg.reset();
        gsSetMemberAgeClock({});
        resetRecordingUi();
    }

    // Registers the players and hands them in, in this order. A name that is
    // not given is "選手" and the number.
    static void handIn(const std::vector<Entrant>& entrants)
    {
        for (const Entrant& e : entrants) {
            testsupport::addMember(e.id, QStringLiteral("選手%1").arg(e.id, 2, 10, QLatin1Char('0')),
                                   QString::fromLatin1(e.birthday), e.gender, e.belong);
            RGMember m;
            m.IDNo = e.id;
            m.Name = gMemberList.back().Name;
            m.Birthday = gMemberList.back().Birthday;
            m.Gender = e.gender;
            m.BelongID = e.belong;
            m.TeamID = QString::fromLatin1(e.team);
            m.RoundGNo = e.group;
            m.SeedNo = e.seed;
            gRGMembers.push_back(m);
        }
    }

    // Players 1 to n, nothing else set.
    static void handInPlain(int n)
    {
        std::vector<Entrant> entrants;
        for (int i = 1; i <= n; ++i)
            entrants.push_back({i});
        handIn(entrants);
    }

    frmRoundGrouping* open(std::vector<int> tails = {}, int* drawn = nullptr)
    {
        dlg = std::make_unique<frmRoundGrouping>(nullptr, fixedTails(std::move(tails), drawn));
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get(), testsupport::kWaitMs));
        return dlg.get();
    }

    // The count and what it means (0 groups, 1 persons per group).
    void setCount(int whichBy, const char* count)
    {
        dlg->optWhichBy[whichBy]->setChecked(true);
        dlg->txtGCT->setText(QString::fromLatin1(count));
    }

    // The list as "id/group" per line, the group read from the line's text.
    QString listed() const
    {
        QStringList out;
        for (int row = 0; row < dlg->lstMembers->count(); ++row) {
            const QListWidgetItem* item = dlg->lstMembers->item(row);
            out << QString::number(item->data(Qt::UserRole).toInt()) + QLatin1Char('/')
                       + item->text().mid(1, 5).trimmed();
        }
        return out.join(QLatin1Char(' '));
    }

    // The table as "id/group/seed" in table order.
    static QString table()
    {
        QStringList out;
        for (const RGMember& m : gRGMembers)
            out << QStringLiteral("%1/%2/%3").arg(m.IDNo).arg(m.RoundGNo).arg(m.SeedNo);
        return out.join(QLatin1Char(' '));
    }

    // A click on a line, as the user makes it (with Ctrl to add to the
    // selection).
    void clickLine(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QListWidget* list = dlg->lstMembers;
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, r.center());
    }

    QStringList selectedRows() const
    {
        QStringList out;
        for (int row = 0; row < dlg->lstMembers->count(); ++row)
            if (dlg->lstMembers->item(row)->isSelected())
                out << QString::number(row);
        return out;
    }

    static QString stored(const QString& section, const QString& key)
    {
        return gfReadIniFile(gstrRoundGroupFile, section, key);
    }

    QString lastMessage() const
    {
        const auto& m = recordingUi().messages;
        return m.empty() ? QString() : m.back().title + QLatin1Char('|') + m.back().prompt;
    }

    QTemporaryDir dir;
    std::unique_ptr<frmRoundGrouping> dlg;
};

// ---------------------------------------------------------------- opening and the list

TEST_F(RoundGroupingTest, OpensWithOneFixedPitchLinePerEntrantAndNoSettings)
{
    gBelongList.push_back({1, QStringLiteral("東京クラブ"), QStringLiteral("東京")});
    gBelongList.push_back({2, QStringLiteral("大阪同好会館"), QString()});
    testsupport::addMember(1, QStringLiteral("山田太郎"), QStringLiteral("1950/04/01"), 1, 1,
                           QStringLiteral("東京都千代田区"));
    testsupport::addMember(2, QStringLiteral("佐藤花子"), QStringLiteral("1960/12/31"), 2, 2);
    testsupport::addMember(3, QStringLiteral("鈴木一郎"), QString(), 0);
    auto entrant = [](Long id, const char* team, Long group, Long seed) {
        RGMember m;
        m.IDNo = id;
        m.Name = gMemberList[id - 1].Name;
        m.BelongID = gMemberList[id - 1].BelongID;
        m.TeamID = QString::fromLatin1(team);
        m.RoundGNo = group;
        m.SeedNo = seed;
        return m;
    };
    gRGMembers = {entrant(1, "A", 0, 0), entrant(2, "ABCD", 123456, 1000), entrant(3, "", 7, 0)};

    frmRoundGrouping* d = open();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("ラウンド・グループ編成"));
    EXPECT_EQ(d->Label1->text(), QStringLiteral("グループ№ - シード№ - チーム - 氏名  -  所属"));
    EXPECT_EQ(d->lblEntries->text(), QStringLiteral("参加者 3名"));
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_EQ(d->focusWidget(), d->optWhichBy[1]);
    EXPECT_EQ(d->lstMembers->currentItem(), nullptr);

    // Columns padded to 5, 3 and 3 places; longer values whole.
    ASSERT_EQ(d->lstMembers->count(), 3);
    EXPECT_EQ(d->lstMembers->item(0)->text(), QStringLiteral(" 0     - 0   - A   - 山田太郎 (男、76歳：東京都千代田区) - 東京"));
    EXPECT_EQ(d->lstMembers->item(1)->text(), QStringLiteral(" 123456 - 1000 - ABCD - 佐藤花子 (女、65歳) - 大阪同好会"));
    EXPECT_EQ(d->lstMembers->item(2)->text(), QStringLiteral(" 7     - 0   -     - 鈴木一郎 () - "));
    EXPECT_EQ(d->lstMembers->item(1)->data(Qt::UserRole).toInt(), 2);
    EXPECT_EQ(d->lstMembers->selectionMode(), QAbstractItemView::ExtendedSelection);

    // A full-width character takes exactly two half-width places.
    const QFont font = d->lstMembers->font();
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAGothic"));
    const QFontMetrics fm(font);
    EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("山")), 2 * fm.horizontalAdvance(QStringLiteral("0")));
    EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("ｸ")), fm.horizontalAdvance(QStringLiteral(" ")));

    // No stored settings: persons per group, no count, no box ticked.
    EXPECT_TRUE(d->optWhichBy[1]->isChecked());
    EXPECT_EQ(d->lblGCT1->text(), QStringLiteral("人数："));
    EXPECT_EQ(d->lblGCT2->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ数："));
    EXPECT_EQ(d->txtGCT->text(), QString());
    EXPECT_EQ(d->lblGCT3->text(), QString());
    EXPECT_EQ(d->lblGCTMsg->text(), QString());
    for (QCheckBox* box : d->chkRGPriority)
        EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(d->chkRGPriority[3]->text(), QStringLiteral("年令"));
    EXPECT_EQ(d->btnMakeRG3->text(), QStringLiteral("チーム＝グループ　として編成"));
    EXPECT_FALSE(QFile::exists(gstrRoundGroupFile));
}

TEST_F(RoundGroupingTest, GroupSizeFollowsTheCountAndItsMeaning)
{
    struct Case {
        int entrants;
        int whichBy;   // 0 groups, 1 persons
        const char* count;
        const char* other;   // lblGCT3
        Long groups, persons;
    };
    const Case cases[] = {
        {10, 1, "4", "3", 3, 4},
        {10, 0, "3", "4", 3, 4},
        {9, 1, "4", "3", 3, 3},     // M follows G, not the count
        {10, 1, "25", "1", 1, 10},  // more persons than entrants: one group
        {10, 0, "25", "1", 25, 1},  // more groups than entrants: one each
        {10, 0, "0", "", 0, 0},
        {10, 1, "", "", 0, 0},
        {0, 1, "4", "", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.entrants << " by " << c.whichBy << " count " << c.count);
        gRGMembers.clear();
        gMemberList.clear();
        handInPlain(c.entrants);
        open();
        setCount(c.whichBy, c.count);
        EXPECT_EQ(dlg->lblGCT1->text(), c.whichBy == 0 ? QStringLiteral("ｸﾞﾙｰﾌﾟ数：") : QStringLiteral("人数："));
        EXPECT_EQ(dlg->lblGCT3->text(), QString::fromLatin1(c.other));
        EXPECT_EQ(dlg->mGroupCount, c.groups);
        EXPECT_EQ(dlg->mMaxPersons, c.persons);
        const QString message = c.groups > 0 ? QStringLiteral("ｸﾞﾙｰﾌﾟ数 %1、最大人数 %2 で編成します").arg(c.groups).arg(c.persons)
                                             : QString();
        EXPECT_EQ(dlg->lblGCTMsg->text(), message);
    }
    // Switching the meaning recomputes with the same count.
    handInPlain(10);
    open();
    setCount(1, "4");
    dlg->optWhichBy[0]->setChecked(true);
    EXPECT_EQ(dlg->mGroupCount, 4);
    EXPECT_EQ(dlg->lblGCT2->text(), QStringLiteral("人数："));
}

// The count box takes digits only, up to 32767, and Enter moves on.
TEST_F(RoundGroupingTest, TheCountBoxRefusesWhatTheGameCannotKeep)
{
    handInPlain(3);
    frmRoundGrouping* d = open();
    d->txtGCT->setFocus();
    QTest::keyClicks(d->txtGCT, QStringLiteral("4a0000"));
    EXPECT_EQ(d->txtGCT->text(), QStringLiteral("4000"));   // "a" and the last "0" refused
    EXPECT_EQ(recordingUi().beeps, 2);
    d->txtGCT->clear();
    QTest::keyClicks(d->txtGCT, QStringLiteral("32767"));
    EXPECT_EQ(d->txtGCT->text(), QStringLiteral("32767"));
    EXPECT_EQ(d->mGroupCount, 1);
    QTest::keyClick(d->txtGCT, Qt::Key_Return);
    EXPECT_EQ(d->focusWidget(), d->txtGNo);
    // The typed numbers take five digits.
    QTest::keyClicks(d->txtGNo, QStringLiteral("123456"));
    EXPECT_EQ(d->txtGNo->text(), QStringLiteral("12345"));
}

// ---------------------------------------------------------------- the methods

// Each method with a fixed random sequence: the first N tails are the
// grouping keys of the entrants in table order, the next N their sort keys.
TEST_F(RoundGroupingTest, MethodsDealExactGroupsInExactOrder)
{
    std::vector<Entrant> ten;
    for (int i = 1; i <= 10; ++i)
        ten.push_back({i});
    std::vector<Entrant> nine(ten.begin(), ten.begin() + 9);
    const std::vector<int> up10 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::vector<int> down10 = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    auto join = [](std::vector<int> a, const std::vector<int>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };

    struct Case {
        const char* what;
        int method;
        std::vector<Entrant> entrants;
        int whichBy;
        const char* count;
        std::vector<int> ticked;
        std::vector<int> tails;
        const char* expected;   // the list, "id/group"
    };
    const std::vector<Case> cases = {
        {"method 1, no box: round robin 4, 3, 3", 1, ten, 0, "3", {}, join(down10, up10),
         "1/1 4/1 7/1 10/1 3/2 6/2 9/2 2/3 5/3 8/3"},
        {"method 1, 9 in 4 groups: 3, 2, 2, 2", 1, nine, 0, "4", {}, join({9, 8, 7, 6, 5, 4, 3, 2, 1}, up10),
         "1/1 5/1 9/1 4/2 8/2 3/3 7/3 2/4 6/4"},
        {"method 1, more groups than entrants: groups 1 to N", 1, nine, 0, "12", {}, join(up10, up10),
         "1/1 2/2 3/3 4/4 5/5 6/6 7/7 8/8 9/9"},
        {"method 1, seed box: seed k in group k, the others once more",
         1,
         {{1, "", 0, 3}, {2}, {3, "", 0, 1}, {4}, {5}, {6, "", 0, 2}, {7}, {8, "", 0, 4}},
         0,
         "4",
         {0},
         {5, 4, 3, 2, 1, 8, 7, 6, 1, 2, 3, 4, 5, 6, 7, 8},
         "3/1 5/1 4/2 6/2 1/3 2/3 7/4 8/4"},
        {"method 1, team box: a team spread, no team dealt first",
         1,
         {{1, "A"}, {2, "A"}, {3, "A"}, {4, ""}, {5, "B"}, {6, "B"}},
         0,
         "3",
         {1},
         {3, 2, 1, 9, 5, 4, 1, 2, 3, 4, 5, 6},
         "1/1 4/1 3/2 6/2 2/3 5/3"},
        {"method 1, sex then age: older first, unknown last",
         1,
         {{1, "", 0, 0, 2, "1970/01/01"}, {2, "", 0, 0, 1, "1980/01/01"}, {3, "", 0, 0, 1, "1950/01/01"},
          {4, "", 0, 0, 0, "1940/01/01"}, {5, "", 0, 0, 1, ""}},
         1,
         "2",   // 5 entrants, 2 per group: G 3
         {2, 3},
         join({1, 1, 1, 1, 1}, up10),
         "1/1 3/1 2/2 4/2 5/3"},
        {"method 2: groups 1 and 3 kept, the others in 4 and 5",
         2,
         {{1, "", 3}, {2, "", 1}, {3}, {4, "", 3}, {5}, {6, "", 1}, {7}, {8}, {9, "", 3}, {10}},
         0,
         "3",
         {},
         join({1, 1, 50, 1, 40, 2, 30, 20, 3, 10}, up10),
         "2/1 6/1 1/3 4/3 9/3 5/4 7/4 8/4 10/4 3/5"},
        {"method 3: a team of six is one group, no team in groups of M after",
         3,
         {{1, "A"}, {2, "B"}, {3, "A"}, {4}, {5, "A"}, {6}, {7, "A"}, {8}, {9, "A"}, {10}, {11, "A"}, {12}},
         0,
         "3",   // M 4
         {},
         join({1, 1, 2, 50, 3, 40, 4, 30, 5, 20, 6, 10}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
         "1/1 3/1 5/1 7/1 9/1 11/1 2/2 6/3 8/3 10/3 12/3 4/4"},
        {"method 3: team identifiers are told apart by case",
         3,
         {{1, "a"}, {2, "A"}, {3, " A"}},
         1,
         "5",
         {},
         join({1, 2, 3}, {1, 2, 3}),
         "2/1 3/1 1/2"},
        {"method 4: blocks of M in display order, 4, 4, 2", 4, ten, 0, "3", {}, {},
         "1/1 2/1 3/1 4/1 5/2 6/2 7/2 8/2 9/3 10/3"},
        {"method 4, 9 in 4 groups: 3, 3, 3", 4, nine, 0, "4", {}, {}, "1/1 2/1 3/1 4/2 5/2 6/2 7/3 8/3 9/3"},
        {"method 5: random blocks of M, 4, 4, 2", 5, ten, 0, "3", {}, join({7, 3, 9, 1, 5, 10, 2, 8, 4, 6}, up10),
         "2/1 4/1 7/1 9/1 1/2 5/2 8/2 10/2 3/3 6/3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        gRGMembers.clear();
        gMemberList.clear();
        handIn(c.entrants);
        int drawn = 0;
        frmRoundGrouping* d = open(c.tails, &drawn);
        setCount(c.whichBy, c.count);
        for (int box : c.ticked)
            d->chkRGPriority[box]->setChecked(true);
        QPushButton* const buttons[] = {d->btnMakeRG1, d->btnMakeRG2, d->btnMakeRG3, d->btnMakeRG4, d->btnMakeRG5};
        QTest::mouseClick(buttons[c.method - 1], Qt::LeftButton);
        EXPECT_EQ(listed(), QString::fromLatin1(c.expected));
        EXPECT_EQ(drawn, c.method == 4 ? 0 : 2 * static_cast<int>(c.entrants.size()));
        EXPECT_TRUE(recordingUi().messages.empty());
        // Each line shows its entrant's group and carries the sort key.
        for (const RGMember& m : gRGMembers)
            if (c.method != 4)
                EXPECT_EQ(m.SortKey.left(6), QStringLiteral("%1").arg(m.RoundGNo, 6, 10, QLatin1Char('0')));
    }
}

TEST_F(RoundGroupingTest, MethodsNeedAGroupStructureAndEntrants)
{
    handInPlain(4);
    int drawn = 0;
    frmRoundGrouping* d = open({1}, &drawn);
    d->btnOK->setFocus();
    const QString before = table();
    for (QPushButton* b : {d->btnMakeRG1, d->btnMakeRG2, d->btnMakeRG3, d->btnMakeRG4, d->btnMakeRG5}) {
        resetRecordingUi();
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(lastMessage(), QStringLiteral("エラー|基本ラウンド・グループ構成を設定してください。"))
            << b->objectName().toStdString();
        EXPECT_EQ(recordingUi().messages.back().style, platform::vbOKOnly);
        EXPECT_EQ(d->focusWidget(), d->txtGCT);
        d->btnOK->setFocus();
    }
    EXPECT_EQ(table(), before);
    EXPECT_EQ(drawn, 0);

    // No entrants: nothing happens, not even the message.
    gRGMembers.clear();
    d = open({1}, &drawn);
    EXPECT_EQ(d->lblEntries->text(), QStringLiteral("参加者 0名"));
    resetRecordingUi();
    for (QPushButton* b : {d->btnMakeRG1, d->btnMakeRG2, d->btnMakeRG3, d->btnMakeRG4, d->btnMakeRG5})
        QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_EQ(d->lstMembers->count(), 0);
}

// ---------------------------------------------------------------- typing, clearing, moving

TEST_F(RoundGroupingTest, TypedNumbersGoToTheSelectedLines)
{
    handIn({{1, "", 2, 5}, {2, "", 3, 5}, {3, "", 3, 0}, {4}});
    frmRoundGrouping* d = open();

    clickLine(0);
    EXPECT_EQ(d->txtGNo->text(), QStringLiteral("2"));
    EXPECT_EQ(d->txtSNo->text(), QStringLiteral("5"));
    EXPECT_EQ(d->focusWidget(), d->txtGNo);

    // Groups 2 and 3 are mixed: the group box empties, the common seed stays.
    clickLine(1, Qt::ControlModifier);
    EXPECT_EQ(selectedRows(), QStringList({"0", "1"}));
    EXPECT_EQ(d->txtGNo->text(), QString());
    EXPECT_EQ(d->txtSNo->text(), QStringLiteral("5"));
    EXPECT_EQ(d->focusWidget(), d->txtGNo);
    QTest::keyClicks(d->txtGNo, QStringLiteral("5"));
    EXPECT_EQ(table(), QStringLiteral("1/5/5 2/5/5 3/3/0 4/0/0"));
    EXPECT_EQ(d->lstMembers->item(0)->text().left(9), QStringLiteral(" 5     - "));
    EXPECT_EQ(d->lstMembers->item(1)->text().left(15), QStringLiteral(" 5     - 5   - "));
    EXPECT_EQ(selectedRows(), QStringList({"0", "1"}));

    // Emptying the box gives 0.
    d->txtSNo->setFocus();
    QTest::keyClick(d->txtSNo, Qt::Key_Backspace);
    EXPECT_EQ(table(), QStringLiteral("1/5/0 2/5/0 3/3/0 4/0/0"));
    EXPECT_TRUE(recordingUi().messages.empty());

    // With nothing selected every keystroke is refused with the message.
    d->btnClear[1]->click();
    d->txtGNo->setFocus();
    QTest::keyClicks(d->txtGNo, QStringLiteral("12"));
    ASSERT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(lastMessage(), QStringLiteral("エラー|変更するプレイヤーを選択してください。"));
    EXPECT_EQ(table(), QStringLiteral("1/5/0 2/5/0 3/3/0 4/0/0"));
}

TEST_F(RoundGroupingTest, ClearActsOnEveryLineAndLeavesNoSelection)
{
    handIn({{1, "", 2, 5}, {2, "", 3, 6}, {3, "", 3, 0}});
    frmRoundGrouping* d = open();
    clickLine(1);
    QTest::mouseClick(d->btnClear[0], Qt::LeftButton);
    EXPECT_EQ(table(), QStringLiteral("1/0/5 2/0/6 3/0/0"));
    EXPECT_TRUE(selectedRows().isEmpty());
    EXPECT_EQ(d->lstMembers->currentItem(), nullptr);
    EXPECT_EQ(listed(), QStringLiteral("1/0 2/0 3/0"));
    QTest::mouseClick(d->btnClear[1], Qt::LeftButton);
    EXPECT_EQ(table(), QStringLiteral("1/0/0 2/0/0 3/0/0"));
}

TEST_F(RoundGroupingTest, MovesKeepTheSelectionStopAtTheEndsAndSetTheOrder)
{
    handInPlain(6);
    frmRoundGrouping* d = open();
    clickLine(2);
    clickLine(4, Qt::ControlModifier);
    QTest::mouseClick(d->btnUpDown[0], Qt::LeftButton);
    EXPECT_EQ(listed(), QStringLiteral("1/0 3/0 2/0 5/0 4/0 6/0"));
    EXPECT_EQ(selectedRows(), QStringList({"1", "3"}));
    QTest::mouseClick(d->btnUpDown[0], Qt::LeftButton);
    EXPECT_EQ(listed(), QStringLiteral("3/0 1/0 5/0 2/0 4/0 6/0"));
    // The top line is selected: nothing moves.
    QTest::mouseClick(d->btnUpDown[0], Qt::LeftButton);
    EXPECT_EQ(listed(), QStringLiteral("3/0 1/0 5/0 2/0 4/0 6/0"));
    EXPECT_EQ(selectedRows(), QStringList({"0", "2"}));

    QTest::mouseClick(d->btnUpDown[1], Qt::LeftButton);
    EXPECT_EQ(listed(), QStringLiteral("1/0 3/0 2/0 5/0 4/0 6/0"));
    clickLine(5);
    // The bottom line is selected: nothing moves.
    QTest::mouseClick(d->btnUpDown[1], Qt::LeftButton);
    EXPECT_EQ(listed(), QStringLiteral("1/0 3/0 2/0 5/0 4/0 6/0"));
    EXPECT_EQ(selectedRows(), QStringList({"5"}));

    // Method 4 follows the display order, which it keeps.
    setCount(1, "2");
    QTest::mouseClick(d->btnMakeRG4, Qt::LeftButton);
    EXPECT_EQ(listed(), QStringLiteral("1/1 3/1 2/2 5/2 4/3 6/3"));
    // OK hands the entrants back in the list's order.
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(table(), QStringLiteral("1/1/0 3/1/0 2/2/0 5/2/0 4/3/0 6/3/0"));
}

// ---------------------------------------------------------------- settings, OK and cancel

TEST_F(RoundGroupingTest, AGameWithoutGroupingOpensWithTheLastSettingsAndSeeds)
{
    const QString v = QStringLiteral("LastValue");
    const QString s = QStringLiteral("LastSeedNo");
    gfWriteIniFile(gstrRoundGroupFile, v, QStringLiteral("optWhichBy"), QStringLiteral("0"));
    gfWriteIniFile(gstrRoundGroupFile, v, QStringLiteral("txtGCT"), QStringLiteral("3"));
    gfWriteIniFile(gstrRoundGroupFile, v, QStringLiteral("chkRGPriority1"), QStringLiteral(" 1 "));
    gfWriteIniFile(gstrRoundGroupFile, v, QStringLiteral("chkRGPriority3"), QStringLiteral("2"));
    gfWriteIniFile(gstrRoundGroupFile, s, QStringLiteral("M00001"), QStringLiteral("4"));
    gfWriteIniFile(gstrRoundGroupFile, s, QStringLiteral("M00003"), QStringLiteral("0"));
    gfWriteIniFile(gstrRoundGroupFile, s, QStringLiteral("M00004"), QStringLiteral(" "));
    handIn({{1, "", 0, 9}, {2, "", 0, 8}, {3, "", 0, 7}, {4, "", 0, 6}});
    frmRoundGrouping* d = open();
    EXPECT_TRUE(d->optWhichBy[0]->isChecked());
    EXPECT_EQ(d->txtGCT->text(), QStringLiteral("3"));
    EXPECT_EQ(d->lblGCT3->text(), QStringLiteral("2"));
    EXPECT_EQ(d->mGroupCount, 3);
    EXPECT_EQ(d->mMaxPersons, 2);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(d->chkRGPriority[i]->isChecked(), i == 1) << i;
    // Stored seeds replace the handed-in ones where present.
    EXPECT_EQ(table(), QStringLiteral("1/0/4 2/0/8 3/0/0 4/0/6"));
    EXPECT_EQ(d->lstMembers->item(0)->text().left(15), QStringLiteral(" 0     - 4   - "));

    // Stored values the dialog never writes: a meaning other than 0 or 1
    // reads as persons per group; a count the box cannot take is left out.
    struct Case {
        const char* whichBy;
        const char* count;
        bool persons;
        const char* shown;
    };
    const Case cases[] = {{"7", "99999", true, ""}, {"-1", "-4", true, ""}, {"1", "32767", true, "32767"},
                          {"0", "2.5", false, "3"}};
    for (const Case& c : cases) {
        gfWriteIniFile(gstrRoundGroupFile, v, QStringLiteral("optWhichBy"), QString::fromLatin1(c.whichBy));
        gfWriteIniFile(gstrRoundGroupFile, v, QStringLiteral("txtGCT"), QString::fromLatin1(c.count));
        d = open();
        EXPECT_EQ(d->optWhichBy[1]->isChecked(), c.persons) << c.whichBy;
        EXPECT_EQ(d->txtGCT->text(), QString::fromLatin1(c.shown)) << c.count;
    }
}

TEST_F(RoundGroupingTest, AGameWithGroupingOpensWithItsOwnSettingsAndIgnoresTheFile)
{
    gfWriteIniFile(gstrRoundGroupFile, QStringLiteral("LastValue"), QStringLiteral("txtGCT"), QStringLiteral("9"));
    gfWriteIniFile(gstrRoundGroupFile, QStringLiteral("LastSeedNo"), QStringLiteral("M00001"), QStringLiteral("4"));
    handIn({{1, "", 1, 2}, {2, "", 1, 0}});
    gGame.RGUmu = 1;
    gGame.RGWhichBy = 0;
    gGame.RGCT = 2;
    gGame.RGPriority = {0, 0, 1, 0, 1};
    frmRoundGrouping* d = open();
    EXPECT_TRUE(d->optWhichBy[0]->isChecked());
    EXPECT_EQ(d->txtGCT->text(), QStringLiteral("2"));
    EXPECT_EQ(d->mMaxPersons, 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(d->chkRGPriority[i]->isChecked(), i == 2 || i == 4) << i;
    EXPECT_EQ(table(), QStringLiteral("1/1/2 2/1/0"));

    gGame.RGWhichBy = 3;   // never written by the dialog: persons per group
    d = open();
    EXPECT_TRUE(d->optWhichBy[1]->isChecked());
    EXPECT_EQ(d->mGroupCount, 1);
}

TEST_F(RoundGroupingTest, OKStoresTheGroupingWhileCancelStoresNothing)
{
    gfWriteIniFile(gstrRoundGroupFile, QStringLiteral("LastSeedNo"), QStringLiteral("M00099"), QStringLiteral("3"));
    const GameInfo game = gGame;
    const QString fileName = QFileInfo(gstrRoundGroupFile).fileName();
    ReplaceCounter replaces(gstrDataFolder);
    ASSERT_TRUE(replaces.isValid());
    // Seed 2 for player 1; groups of two, spread by seed and group.
    auto groupThree = [this] {
        gRGMembers.clear();
        gMemberList.clear();
        handIn({{1, "A", 0, 2}, {2, "B"}, {3, "A"}});
        frmRoundGrouping* d = open({5, 4, 3, 2, 1, 6});
        setCount(0, "2");
        d->chkRGPriority[0]->setChecked(true);
        d->chkRGPriority[4]->setChecked(true);
        QTest::mouseClick(d->btnMakeRG1, Qt::LeftButton);
        EXPECT_EQ(listed(), QStringLiteral("2/1 1/1 3/2"));
        return d;
    };

    // Cancel, Esc and the close box: nothing stored, whatever was done.
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        frmRoundGrouping* d = groupThree();
        if (way == 0)
            QTest::mouseClick(d->btnCancel, Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(d->lstMembers, Qt::Key_Escape);
        else
            d->close();
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(gintDialogResult, -1);
        EXPECT_EQ(gGame.RGUmu, game.RGUmu);
        EXPECT_EQ(gGame.RGCT, game.RGCT);
        EXPECT_EQ(stored(QStringLiteral("LastValue"), QStringLiteral("txtGCT")), QString());
        EXPECT_EQ(stored(QStringLiteral("LastSeedNo"), QStringLiteral("M00001")), QString());
    }
    EXPECT_EQ(replaces.count(fileName), 0);

    // OK writes the settings and every seed in one replace of the file.
    frmRoundGrouping* d = groupThree();
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(replaces.count(fileName), 1);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(table(), QStringLiteral("2/1/0 1/1/2 3/2/0"));
    EXPECT_EQ(gGame.RGUmu, 1);
    EXPECT_EQ(gGame.RGWhichBy, 0);
    EXPECT_EQ(gGame.RGCT, 2);
    EXPECT_EQ(gGame.RGPriority, (std::array<Integer, 5>{1, 0, 0, 0, 1}));

    const QString v = QStringLiteral("LastValue");
    EXPECT_EQ(stored(v, QStringLiteral("optWhichBy")), QStringLiteral("0"));
    EXPECT_EQ(stored(v, QStringLiteral("txtGCT")), QStringLiteral("2"));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(stored(v, QStringLiteral("chkRGPriority%1").arg(i)), (i == 0 || i == 4) ? "1" : "0") << i;
    const QString s = QStringLiteral("LastSeedNo");
    EXPECT_EQ(stored(s, QStringLiteral("M00001")), QStringLiteral("2"));
    EXPECT_EQ(stored(s, QStringLiteral("M00002")), QStringLiteral("0"));
    EXPECT_EQ(stored(s, QStringLiteral("M00003")), QStringLiteral("0"));
    EXPECT_EQ(stored(s, QStringLiteral("M00099")), QStringLiteral("3"));   // not in this game

    // OK with no settings and no grouping made stores a count of 0.
    ASSERT_TRUE(QFile::remove(gstrRoundGroupFile));
    gGame = game;
    d = open();
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(gGame.RGUmu, 1);
    EXPECT_EQ(gGame.RGWhichBy, 1);
    EXPECT_EQ(gGame.RGCT, 0);
    EXPECT_EQ(stored(v, QStringLiteral("optWhichBy")), QStringLiteral("1"));
    EXPECT_EQ(stored(v, QStringLiteral("txtGCT")), QStringLiteral("0"));
    EXPECT_EQ(replaces.count(fileName), 2);

    // A large game: still one replace, with every entrant's seed, the
    // stored seeds of some of them replaced and another player's kept.
    const QByteArray before = "[LastSeedNo]\r\nM00999=3\r\nM00010=7\r\nM00120=1\r\n[LastValue]\r\ntxtGCT=9\r\n";
    {
        QFile f(gstrRoundGroupFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    gRGMembers.clear();
    gMemberList.clear();
    gGame = game;
    constexpr int kPlayers = 150;
    std::vector<Entrant> many;
    for (int id = 1; id <= kPlayers; ++id)
        many.push_back({id, "", 0, id % 9});
    handIn(many);
    d = open();
    for (int id = 1; id <= kPlayers; ++id) {
        SCOPED_TRACE(id);
        // Players 10 and 120 opened with their stored seeds.
        ASSERT_EQ(gRGMembers[id - 1].SeedNo, id == 10 ? 7 : id == 120 ? 1 : id % 9);
    }
    setCount(1, "4");
    const int countBefore = replaces.count(fileName);
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(replaces.count(fileName), countBefore + 1);
    EXPECT_EQ(stored(v, QStringLiteral("txtGCT")), QStringLiteral("4"));
    EXPECT_EQ(stored(s, QStringLiteral("M00999")), QStringLiteral("3"));
    for (int id = 1; id <= kPlayers; ++id) {
        const Long seed = id == 10 ? 7 : id == 120 ? 1 : id % 9;
        EXPECT_EQ(stored(s, QStringLiteral("M%1").arg(id, 5, 10, QLatin1Char('0'))), QString::number(seed)) << id;
    }
    // The stored keys stay where they were; the new ones follow them in
    // the entrants' order.
    QStringList seedKeys;
    QFile f(gstrRoundGroupFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith('M'))
            seedKeys << QString::fromLatin1(line.left(6));
    ASSERT_EQ(seedKeys.size(), kPlayers + 1);
    EXPECT_EQ(seedKeys.mid(0, 4), QStringList({"M00999", "M00010", "M00120", "M00001"}));
    EXPECT_EQ(seedKeys.back(), QStringLiteral("M00150"));
}

// OK hands back nothing unless every entrant has exactly one line: a list
// that lost one (here two lines point at one entrant) keeps the dialog open.
TEST_F(RoundGroupingTest, OKRefusesAListThatLostAnEntrant)
{
    handInPlain(3);
    frmRoundGrouping* d = open();
    d->lstMembers->item(2)->setData(Qt::UserRole + 1, 0);
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(lastMessage(), QStringLiteral("エラー|") + frmRoundGrouping::failureMessage());
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->focusWidget(), d->btnCancel);
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_EQ(gGame.RGUmu, 0);
    EXPECT_EQ(table(), QStringLiteral("1/0/0 2/0/0 3/0/0"));
    EXPECT_FALSE(QFile::exists(gstrRoundGroupFile));
}

// ---------------------------------------------------------------- the game's lines

TEST(RoundGroupOrder, LinesFollowTheEntrantsAndNoneIsLostOrDoubled)
{
    gametest::clearGameTables();
    for (Long id : {1, 2, 3, 5})
        testsupport::addMember(id, QStringLiteral("選手"), QString(), 0);
    // Player 4 has no record; player 5's lines lack round 1.
    testsupport::addPlayer(1, {"1 1", "1 2"}, QStringLiteral("A"));
    testsupport::addPlayer(2, {"2 1", "2 2"});
    testsupport::addPlayer(4, {"4 1", "4 2"});
    testsupport::addPlayer(3, {"3 1", "3 2"});
    ScoreLine odd;
    odd.IDNo = 5;
    odd.RoundNo = 2;
    odd.Holes[0] = QStringLiteral("5");
    gScoreLines.push_back(odd);
    const std::vector<ScoreLine> original = gScoreLines;

    std::vector<RGMember> entrants = gfRoundGroupEntrants(gScoreLines);
    auto ids = [](const std::vector<RGMember>& es) {
        QStringList out;
        for (const RGMember& e : es)
            out << QString::number(e.IDNo);
        return out.join(QLatin1Char(' '));
    };
    ASSERT_EQ(ids(entrants), QStringLiteral("1 2 3"));
    EXPECT_EQ(entrants[0].TeamID, QStringLiteral("A"));
    EXPECT_EQ(entrants[0].Name, QStringLiteral("選手"));

    auto keys = [](const std::vector<ScoreLine>& lines) {
        QStringList out;
        for (const ScoreLine& l : lines)
            out << QStringLiteral("%1/%2:%3:%4/%5").arg(l.IDNo).arg(l.RoundNo).arg(l.Holes[0]).arg(l.RoundGNo).arg(l.SeedNo);
        return out.join(QLatin1Char(' '));
    };

    // 3, 1, 2 with their groups and seeds; the others keep their order after them.
    std::vector<RGMember> back = {entrants[2], entrants[0], entrants[1]};
    back[0].RoundGNo = 1;
    back[0].SeedNo = 4;
    back[1].RoundGNo = 1;
    back[2].RoundGNo = 2;
    std::vector<ScoreLine> lines = original;
    ASSERT_TRUE(gfOrderLinesByGroups(lines, back));
    EXPECT_EQ(keys(lines), QStringLiteral("3/1:3:1/4 3/2:3:1/4 1/1:1:1/0 1/2:1:1/0 2/1:2:2/0 2/2:2:2/0 "
                                          "4/1:4:0/0 4/2:4:0/0 5/2:5:0/0"));
    EXPECT_EQ(lines[2].TeamID, QStringLiteral("A"));
    EXPECT_EQ(gametest::holesOf(lines[1], 2), QStringLiteral("3 2"));

    // Returned entrants that are not the game's players change nothing.
    const std::vector<std::vector<RGMember>> wrong = {
        {entrants[0], entrants[1]},                             // one missing
        {entrants[0], entrants[1], entrants[2], entrants[2]},   // one twice
        {entrants[0], entrants[0], entrants[2]},                // one for another
    };
    for (const auto& w : wrong) {
        lines = original;
        EXPECT_FALSE(gfOrderLinesByGroups(lines, w)) << ids(w).toStdString();
        EXPECT_EQ(keys(lines), keys(original));
    }
    RGMember stranger = entrants[0];
    stranger.IDNo = 4;   // a player without a record is never an entrant
    lines = original;
    EXPECT_FALSE(gfOrderLinesByGroups(lines, {entrants[0], entrants[1], entrants[2], stranger}));

    // A player who plays twice is two entrants, each with one run of lines.
    gScoreLines.clear();
    testsupport::addPlayer(1, {"1 1", "1 2"});
    testsupport::addPlayer(1, {"9 1", "9 2"});
    testsupport::addPlayer(2, {"2 1", "2 2"});
    entrants = gfRoundGroupEntrants(gScoreLines);
    ASSERT_EQ(ids(entrants), QStringLiteral("1 1 2"));
    back = {entrants[2], entrants[1], entrants[0]};
    back[1].RoundGNo = 7;
    lines = gScoreLines;
    ASSERT_TRUE(gfOrderLinesByGroups(lines, back));
    EXPECT_EQ(keys(lines), QStringLiteral("2/1:2:0/0 2/2:2:0/0 1/1:1:7/0 1/2:1:7/0 1/1:9:0/0 1/2:9:0/0"));
}

}  // namespace
