// The about box: caption, close button and the link with its clipboard
// fallback.
#include "mainwin/frmAbout.h"
#include "support/recordingui.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(FrmAboutTest, LinkOpensTheBrowserOrFallsBackToTheClipboard)
{
    resetRecordingUi();
    frmAbout dlg;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "バージョン情報");
    EXPECT_EQ(dlg.btnOK->text(), "OK");
    EXPECT_EQ(dlg.lblURL->text(), frmAbout::makerUrl());
    EXPECT_EQ(dlg.lblURL->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(dlg.lblURL, Qt::LeftButton);
    EXPECT_EQ(recordingUi().openedUrls, QStringList({frmAbout::makerUrl()}));
    EXPECT_TRUE(recordingUi().messages.empty());

    recordingUi().openUrlResult = false;
    QTest::mouseClick(dlg.lblURL, Qt::LeftButton);
    EXPECT_EQ(recordingUi().clipboard, frmAbout::makerUrl());
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].title, "エラー");
    EXPECT_EQ(recordingUi().messages[0].prompt,
              frmAbout::makerUrl()
                  + "\nURLをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました。ご利用のﾌﾞﾗｳｻﾞのｱﾄﾞﾚｽﾊﾞｰに貼り付け(ﾍﾟｲｽﾄ)てください。");
    EXPECT_TRUE(dlg.isVisible());

    dlg.btnOK->click();
    EXPECT_FALSE(dlg.isVisible());
    resetRecordingUi();
}

}  // namespace
