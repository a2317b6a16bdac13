// The category dialog: opening on gGame's category, the age entries, keeping
// the range in order when the user chooses an age, "総合", OK and cancel.
#include "forms/frmCategory.h"

#include "core/core.h"
#include "support/recordingui.h"
#include "support/uiwait.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using testsupport::hasWindowFocus;

namespace {

class CategoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gGame = gfNewGameDefaults();
        gGame.CategoryGender = 0;
        gGame.CategoryAgeLow = -1;
        gGame.CategoryAgeHigh = -1;
        gintDialogResult = 0;
    }

    frmCategory* open()
    {
        dlg = std::make_unique<frmCategory>();
        EXPECT_TRUE(testsupport::showActive(*dlg));
        return dlg.get();
    }

    // Chooses an entry as the user does: the box's popup, then the entry.
    void choose(int box, const QString& text)
    {
        QComboBox* c = dlg->cobAge[box];
        const int at = c->findText(text);
        ASSERT_GE(at, 0) << text.toStdString();
        c->setFocus();
        c->setCurrentIndex(at);
        emit c->activated(at);
    }

    QString shown(int box) const { return dlg->cobAge[box]->currentText(); }
    int checkedGender() const
    {
        for (int i = 0; i < 3; ++i)
            if (dlg->optGender[i]->isChecked())
                return i;
        return -1;
    }

    std::unique_ptr<frmCategory> dlg;
};

TEST_F(CategoryTest, AgeEntriesAndAGameWithoutCategory)
{
    EXPECT_EQ(gfCategoryAgeText(0), QStringLiteral("   0 歳"));
    EXPECT_EQ(gfCategoryAgeText(45), QStringLiteral("  45 歳"));
    EXPECT_EQ(gfCategoryAgeText(120), QStringLiteral(" 120 歳"));

    frmCategory* d = open();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("部門別の設定"));
    EXPECT_EQ(gintDialogResult, -1);
    ASSERT_EQ(d->cobAge[0]->count(), 122);
    ASSERT_EQ(d->cobAge[1]->count(), 122);
    EXPECT_EQ(d->cobAge[0]->itemText(0), QStringLiteral(" 指定なし"));
    EXPECT_EQ(d->cobAge[0]->itemText(1), QStringLiteral("   0 歳"));
    EXPECT_EQ(d->cobAge[1]->itemText(120), QStringLiteral(" 120 歳"));
    EXPECT_EQ(d->cobAge[1]->itemText(121), QStringLiteral(" 指定なし"));
    EXPECT_EQ(checkedGender(), 0);
    EXPECT_EQ(d->cobAge[0]->currentIndex(), 0);
    EXPECT_EQ(d->cobAge[1]->currentIndex(), 121);
    EXPECT_EQ(d->optGender[1]->text(), QStringLiteral("男子"));
    EXPECT_EQ(d->btnCancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));

    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(gGame.CategoryGender, 0);
    EXPECT_EQ(gGame.CategoryAgeLow, -1);
    EXPECT_EQ(gGame.CategoryAgeHigh, -1);
}

TEST_F(CategoryTest, OpensOnTheStoredCategoryAndOKWritesTheChoice)
{
    gGame.CategoryGender = 2;
    gGame.CategoryAgeLow = 60;
    gGame.CategoryAgeHigh = 69;
    frmCategory* d = open();
    EXPECT_EQ(checkedGender(), 2);
    EXPECT_EQ(shown(0), QStringLiteral("  60 歳"));
    EXPECT_EQ(shown(1), QStringLiteral("  69 歳"));

    QTest::mouseClick(d->optGender[1], Qt::LeftButton, {}, QPoint(6, d->optGender[1]->height() / 2));
    choose(0, QStringLiteral("  65 歳"));
    choose(1, QStringLiteral(" 指定なし"));
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(gGame.CategoryGender, 1);
    EXPECT_EQ(gGame.CategoryAgeLow, 65);
    EXPECT_EQ(gGame.CategoryAgeHigh, -1);
}

TEST_F(CategoryTest, TheChangedBoxWinsWhenTheRangeWouldTurnOver)
{
    struct Case {
        int low, high;     // at opening
        int box;           // the box the user changes
        const char* chosen;
        const char* low_after;
        const char* high_after;
    };
    const Case cases[] = {
        {60, 70, 1, "  40 歳", "  40 歳", "  40 歳"},
        {30, 40, 0, "  70 歳", "  70 歳", "  70 歳"},
        {30, 40, 0, "  40 歳", "  40 歳", "  40 歳"},     // equal bounds stay
        {30, 40, 1, "  35 歳", "  30 歳", "  35 歳"},     // in order: nothing moves
        {-1, 40, 1, "  20 歳", " 指定なし", "  20 歳"},
        {70, -1, 0, "  90 歳", "  90 歳", " 指定なし"},
        {70, 50, 0, " 指定なし", " 指定なし", "  50 歳"}, // a stored reversed range stays until chosen
    };
    for (const Case& c : cases) {
        gGame.CategoryAgeLow = static_cast<Integer>(c.low);
        gGame.CategoryAgeHigh = static_cast<Integer>(c.high);
        open();
        choose(c.box, QString::fromUtf8(c.chosen));
        EXPECT_EQ(shown(0), QString::fromUtf8(c.low_after)) << c.low << "-" << c.high << " " << c.chosen;
        EXPECT_EQ(shown(1), QString::fromUtf8(c.high_after)) << c.low << "-" << c.high << " " << c.chosen;
    }
}

// Tab into the gender options rests on the chosen one, where Space changes
// nothing, not on "指定なし".
TEST_F(CategoryTest, TabIntoTheGenderOptionsFocusesTheChosenOne)
{
    gGame.CategoryGender = 1;
    frmCategory* d = open();
    d->btnCancel->setFocus();
    QTest::keyClick(d->btnCancel, Qt::Key_Tab);
    EXPECT_TRUE(hasWindowFocus(d->optGender[1]));
    QTest::keyClick(d->optGender[1], Qt::Key_Space);
    EXPECT_EQ(checkedGender(), 1);
}

TEST_F(CategoryTest, FullEntryResetsWithoutClosingAndCancelKeepsTheGame)
{
    gGame.CategoryGender = 1;
    gGame.CategoryAgeLow = 20;
    gGame.CategoryAgeHigh = 29;
    frmCategory* d = open();
    QTest::mouseClick(d->btnFullEntry, Qt::LeftButton);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(checkedGender(), 0);
    EXPECT_EQ(d->cobAge[0]->currentIndex(), 0);
    EXPECT_EQ(d->cobAge[1]->currentIndex(), 121);

    QTest::mouseClick(d->btnCancel, Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_EQ(gGame.CategoryGender, 1);
    EXPECT_EQ(gGame.CategoryAgeLow, 20);
    EXPECT_EQ(gGame.CategoryAgeHigh, 29);

    // The close box cancels as well.
    d = open();
    QTest::mouseClick(d->btnFullEntry, Qt::LeftButton);
    d->close();
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_EQ(gGame.CategoryAgeLow, 20);
}

TEST_F(CategoryTest, StoredValuesOutsideTheEntriesCountAsNoCondition)
{
    gGame.CategoryGender = 7;
    gGame.CategoryAgeLow = 150;
    gGame.CategoryAgeHigh = -3;
    frmCategory* d = open();
    EXPECT_EQ(checkedGender(), 0);
    EXPECT_EQ(shown(0), QStringLiteral(" 指定なし"));
    EXPECT_EQ(shown(1), QStringLiteral(" 指定なし"));
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(gGame.CategoryGender, 0);
    EXPECT_EQ(gGame.CategoryAgeLow, -1);
    EXPECT_EQ(gGame.CategoryAgeHigh, -1);
}

}  // namespace
