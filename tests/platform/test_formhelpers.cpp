#include "platform/ui/formhelpers.h"
#include "support/recordingui.h"

#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

struct TwoBoxes {
    QDialog dlg;
    QLineEdit* a = new QLineEdit(&dlg);
    QLineEdit* b = new QLineEdit(&dlg);
    TwoBoxes()
    {
        auto* l = new QVBoxLayout(&dlg);
        l->addWidget(a);
        l->addWidget(b);
        dlg.show();
        dlg.activateWindow();
        a->setFocus();
        QApplication::processEvents();
    }
};

}  // namespace

TEST(FormHelpers, EnterMovesFocusLikeTabAndIsSwallowed)
{
    TwoBoxes f;
    formhelpers::enterAsTab(f.a);
    bool accepted = false;
    QObject::connect(&f.dlg, &QDialog::accepted, [&] { accepted = true; });
    QTest::keyClick(f.a, Qt::Key_Return);
    EXPECT_TRUE(f.b->hasFocus());
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
    formhelpers::numKeysOnly(f.a);
    QTest::keyClicks(f.a, "1a-2.3");
    EXPECT_EQ(f.a->text(), "123");
}

TEST(FormHelpers, TypingLimitBindsTypingButNotCode)
{
    TwoBoxes f;
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
    f.b->setText("abc");
    formhelpers::selectAllOnFocus(f.b);
    f.b->setFocus(Qt::TabFocusReason);
    QTest::qWait(10);
    EXPECT_EQ(f.b->selectedText(), "abc");
}

TEST(FormHelpers, SelectAllOnlyOnANewVisitNotWhenTheWindowComesBack)
{
    TwoBoxes f;
    f.b->setText("abcdef");
    formhelpers::selectAllOnFocus(f.b);
    f.b->setFocus(Qt::TabFocusReason);
    QTest::qWait(10);
    ASSERT_EQ(f.b->selectedText(), "abcdef");

    // The user places the caret; the window loses and regains activation.
    f.b->setCursorPosition(2);
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(f.b, &out);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(f.b, &in);
    QTest::qWait(10);
    EXPECT_EQ(f.b->selectedText(), "");
    EXPECT_EQ(f.b->cursorPosition(), 2);

    // A new visit by Tab selects again.
    f.a->setFocus(Qt::TabFocusReason);
    f.b->setFocus(Qt::TabFocusReason);
    QTest::qWait(10);
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
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));

    // Nothing chosen: the first option is the stop.
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), group[0]);

    group[2]->setChecked(true);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), group[2]);
    QTest::keyClick(group[2], Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
    QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), group[2]);
    QTest::keyClick(group[2], Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), before);

    // An arrow key moves the choice; the new choice becomes the stop.
    group[2]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(group[2], Qt::Key_Up);
    EXPECT_TRUE(group[1]->isChecked());
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), group[1]);
}
