#include "platform/ui/formhelpers.h"
#include "support/recordingui.h"
#include "support/uiwait.h"

#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using testsupport::hasWindowFocus;

namespace {

// Two boxes in an active dialog (focus events reach them), the first one
// focused.
struct TwoBoxes {
    QDialog dlg;
    QLineEdit* a = new QLineEdit(&dlg);
    QLineEdit* b = new QLineEdit(&dlg);
    bool active = false;
    TwoBoxes()
    {
        auto* l = new QVBoxLayout(&dlg);
        l->addWidget(a);
        l->addWidget(b);
        active = testsupport::showActive(dlg);
        a->setFocus();
        testsupport::deliverQueuedEvents();
    }
};

}  // namespace

TEST(FormHelpers, EnterMovesFocusLikeTabAndIsSwallowed)
{
    TwoBoxes f;
    ASSERT_TRUE(f.active);
    formhelpers::enterAsTab(f.a);
    bool accepted = false;
    QObject::connect(&f.dlg, &QDialog::accepted, [&] { accepted = true; });
    QTest::keyClick(f.a, Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(f.b));
    EXPECT_FALSE(accepted);
}

TEST(FormHelpers, NumKeyOnlyTable)
{
    resetRecordingUi();
    struct Case { int in; int out; } cases[] = {
        {'0', '0'}, {'9', '9'}, {8, 8}, {13, 13}, {'-', 0}, {'.', 0}, {'a', 0}, {' ', 0},
    };
    int beeps = 0;
    for (auto c : cases) {
        std::int16_t k = std::int16_t(c.in);
        gsNumKeyOnly(k);
        EXPECT_EQ(k, c.out) << c.in;
        if (c.out == 0)
            ++beeps;
    }
    EXPECT_EQ(recordingUi().beeps, beeps);
}

TEST(FormHelpers, NumKeysOnlyBoxRefusesOtherCharacters)
{
    TwoBoxes f;
    ASSERT_TRUE(f.active);
    formhelpers::numKeysOnly(f.a);
    QTest::keyClicks(f.a, "1a-2.3");
    EXPECT_EQ(f.a->text(), "123");
}

TEST(FormHelpers, TypingLimitBindsTypingButNotCode)
{
    TwoBoxes f;
    ASSERT_TRUE(f.active);
    formhelpers::typingLimit(f.a, 3);
    QTest::keyClicks(f.a, "12345");
    EXPECT_EQ(f.a->text(), "123");
    f.a->setText("-150");
    EXPECT_EQ(f.a->text(), "-150");
    f.a->selectAll();
    QTest::keyClicks(f.a, "9");
    EXPECT_EQ(f.a->text(), "9");
}

TEST(FormHelpers, SelectAllOnFocus)
{
    TwoBoxes f;
    ASSERT_TRUE(f.active);
    f.b->setText("abc");
    formhelpers::selectAllOnFocus(f.b);
    f.b->setFocus(Qt::TabFocusReason);
    testsupport::deliverQueuedEvents();   // the deferred select-all
    EXPECT_EQ(f.b->selectedText(), "abc");
}

TEST(FormHelpers, SelectAllOnlyOnANewVisitNotWhenTheWindowComesBack)
{
    TwoBoxes f;
    ASSERT_TRUE(f.active);
    f.b->setText("abcdef");
    formhelpers::selectAllOnFocus(f.b);
    f.b->setFocus(Qt::TabFocusReason);
    testsupport::deliverQueuedEvents();
    ASSERT_EQ(f.b->selectedText(), "abcdef");

    // The user places the caret; the window loses and regains activation.
    f.b->setCursorPosition(2);
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(f.b, &out);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(f.b, &in);
    testsupport::deliverQueuedEvents();
    EXPECT_EQ(f.b->selectedText(), "");
    EXPECT_EQ(f.b->cursorPosition(), 2);

    // A new visit by Tab selects again.
    f.a->setFocus(Qt::TabFocusReason);
    f.b->setFocus(Qt::TabFocusReason);
    testsupport::deliverQueuedEvents();
    EXPECT_EQ(f.b->selectedText(), "abcdef");
}

TEST(FormHelpers, ChosenOptionIsTheGroupsTabStop)
{
    QDialog dlg;
    auto* l = new QVBoxLayout(&dlg);
    auto* before = new QLineEdit(&dlg);
    l->addWidget(before);
    QList<QRadioButton*> group;
    for (int i = 0; i < 3; ++i) {
        group << new QRadioButton(QString::number(i), &dlg);
        l->addWidget(group.back());
    }
    auto* after = new QLineEdit(&dlg);
    l->addWidget(after);
    formhelpers::chosenOptionIsTheStop(group);
    formhelpers::enterAsTab(before);
    ASSERT_TRUE(testsupport::showActive(dlg));

    // Nothing chosen: the first option is the stop.
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(hasWindowFocus(group[0]));

    group[2]->setChecked(true);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(group[2]));
    QTest::keyClick(group[2], Qt::Key_Tab);
    EXPECT_TRUE(hasWindowFocus(after));
    QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(hasWindowFocus(group[2]));
    QTest::keyClick(group[2], Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(hasWindowFocus(before));

    // An arrow key moves the choice; the new choice becomes the stop.
    group[2]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(group[2], Qt::Key_Up);
    EXPECT_TRUE(group[1]->isChecked());
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(hasWindowFocus(group[1]));
}
