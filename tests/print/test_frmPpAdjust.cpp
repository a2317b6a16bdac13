// The print position dialog: opening on the incoming offsets, the limits of
// its bars, cancelling and confirming.
#include "print/frmPpAdjust.h"

#include "print/modPreview.h"
#include "support/recordingui.h"
#include "support/uiwait.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class AdjustTest : public ::testing::Test {
protected:
    frmPpAdjust* open(Integer yoko, Integer tate)
    {
        gintAdjustYoko = yoko;
        gintAdjustTate = tate;
        gintAdjustResult = 0;   // the dialog sets -1 itself
        dlg = std::make_unique<frmPpAdjust>();
        EXPECT_TRUE(testsupport::showActive(*dlg));
        return dlg.get();
    }

    QColor boxColor(const QLabel* box) const { return box->palette().color(QPalette::Window); }

    std::unique_ptr<frmPpAdjust> dlg;
};

TEST_F(AdjustTest, OpensOnTheIncomingOffsets)
{
    frmPpAdjust* d = open(0, 10);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("印刷位置調整"));
    EXPECT_EQ(d->Label1[0]->text(), QStringLiteral("横位置"));
    EXPECT_EQ(d->Label1[1]->text(), QStringLiteral("縦位置"));
    EXPECT_EQ(d->Label1[2]->text(), QStringLiteral("ｍｍ（左－、右＋）"));
    EXPECT_EQ(d->Label1[3]->text(), QStringLiteral("ｍｍ（上－、下＋）"));
    EXPECT_EQ(d->btnReturn->text(), QStringLiteral("戻る（F12）"));
    EXPECT_EQ(d->btnCancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    EXPECT_EQ(gintAdjustResult, -1);
    EXPECT_EQ(d->lblYoko->text(), QStringLiteral("0"));
    EXPECT_EQ(d->lblTate->text(), QStringLiteral("10"));
    for (QScrollBar* bar : {d->scrYoko, d->scrTate}) {
        EXPECT_EQ(bar->orientation(), Qt::Vertical);
        EXPECT_EQ(bar->minimum(), -30);
        EXPECT_EQ(bar->maximum(), 30);
        EXPECT_EQ(bar->singleStep(), 1);
        EXPECT_EQ(bar->pageStep(), 1);
    }
    EXPECT_EQ(d->scrTate->value(), 10);

    d = open(-12, 5);
    EXPECT_EQ(d->lblYoko->text(), QStringLiteral("-12"));
    EXPECT_EQ(d->lblTate->text(), QStringLiteral("5"));
}

TEST_F(AdjustTest, UpperArrowLowersAndTheLimitsHold)
{
    frmPpAdjust* d = open(0, 10);
    d->scrYoko->triggerAction(QAbstractSlider::SliderSingleStepSub);   // upper arrow
    EXPECT_EQ(d->lblYoko->text(), QStringLiteral("-1"));
    d->scrTate->triggerAction(QAbstractSlider::SliderSingleStepAdd);   // lower arrow
    EXPECT_EQ(d->lblTate->text(), QStringLiteral("11"));

    d->scrYoko->setValue(-30);
    d->scrYoko->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(d->lblYoko->text(), QStringLiteral("-30"));
    d->scrTate->setValue(30);
    d->scrTate->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QTest::keyClick(d->scrTate, Qt::Key_Down);
    EXPECT_EQ(d->lblTate->text(), QStringLiteral("30"));
    QTest::keyClick(d->scrTate, Qt::Key_Up);
    EXPECT_EQ(d->lblTate->text(), QStringLiteral("29"));
}

TEST_F(AdjustTest, ValueBoxIsWhiteWhileItsBarHasTheFocus)
{
    // The first bar has the focus when the dialog opens.
    frmPpAdjust* d = open(0, 10);
    EXPECT_EQ(d->focusWidget(), d->scrYoko);
    EXPECT_EQ(boxColor(d->lblYoko), QColor(Qt::white));
    const QColor grey = boxColor(d->lblTate);
    EXPECT_NE(grey, QColor(Qt::white));
    d->btnReturn->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(boxColor(d->lblYoko), grey);
    d->scrYoko->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(boxColor(d->lblYoko), QColor(Qt::white));
    EXPECT_EQ(boxColor(d->lblTate), grey);
    QTest::keyClick(d->scrYoko, Qt::Key_Tab);
    EXPECT_EQ(d->focusWidget(), d->scrTate);
    EXPECT_EQ(boxColor(d->lblYoko), grey);
    EXPECT_EQ(boxColor(d->lblTate), QColor(Qt::white));
}

TEST_F(AdjustTest, CancelKeepsTheOffsets)
{
    for (int how = 0; how < 3; ++how) {
        SCOPED_TRACE(how);
        frmPpAdjust* d = open(0, 10);
        d->scrYoko->setValue(7);
        d->scrTate->setValue(-3);
        if (how == 0)
            QTest::mouseClick(d->btnCancel, Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(d->scrYoko, Qt::Key_Escape);
        else
            d->close();
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(gintAdjustResult, -1);
        EXPECT_EQ(gintAdjustYoko, 0);
        EXPECT_EQ(gintAdjustTate, 10);
    }
}

TEST_F(AdjustTest, ConfirmReturnsTheOffsets)
{
    // Unchanged.
    frmPpAdjust* d = open(0, 5);
    QTest::mouseClick(d->btnReturn, Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(gintAdjustResult, 0);
    EXPECT_EQ(gintAdjustYoko, 0);
    EXPECT_EQ(gintAdjustTate, 5);

    // F12 from a bar, and Enter, confirm the moved values.
    d = open(0, 10);
    d->scrYoko->setFocus();
    QTest::keyClick(d->scrYoko, Qt::Key_Up);
    QTest::keyClick(d->scrYoko, Qt::Key_F12);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(gintAdjustResult, 0);
    EXPECT_EQ(gintAdjustYoko, -1);
    EXPECT_EQ(gintAdjustTate, 10);

    d = open(3, 10);
    d->scrTate->setValue(-12);
    QTest::keyClick(d->scrTate, Qt::Key_Return);
    EXPECT_EQ(gintAdjustResult, 0);
    EXPECT_EQ(gintAdjustYoko, 3);
    EXPECT_EQ(gintAdjustTate, -12);
}

}  // namespace
