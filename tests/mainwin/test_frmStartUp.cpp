#include "mainwin/frmStartUp.h"

#include <QLabel>
#include <QImage>
#include <gtest/gtest.h>

TEST(frmStartUpTest, ShowsTitleVersionAndMessage)
{
    frmStartUp w;
    EXPECT_EQ(w.findChild<QLabel*>("lblTittle")->text(), QStringLiteral("Corvanti - Tallicor"));
    EXPECT_EQ(w.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 3.0.0"));
    EXPECT_EQ(w.findChild<QLabel*>("lblMsg")->text(), QString());
    ASSERT_NE(w.findChild<QLabel*>("Image2"), nullptr);
    EXPECT_FALSE(w.Image2->pixmap().isNull());

    w.show();
    const QImage before = w.lblMsg->grab().toImage();
    w.gsSetMsg(QStringLiteral("初期処理中…"));
    EXPECT_EQ(w.lblMsg->text(), QStringLiteral("初期処理中…"));
    EXPECT_NE(w.lblMsg->grab().toImage(), before);   // the text is drawn
}

// A message box shown during start-up (the take-over of older data names the
// files it could not read) must not open behind this window.
TEST(frmStartUpTest, IsNotKeptAboveOtherWindows)
{
    frmStartUp w;
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w.parentWidget(), nullptr);   // no owner
}
