// The series register and the series dialog: the series file written on
// add, edit and delete, the point checks and the point boxes' rewriting.

#include "registers/frmSeriesInfo.h"
#include "registers/frmSeriesRegi.h"
#include "support/registers_support.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

using testsupport::hasWindowFocus;
using regtest::onNextDialog;
using regtest::readFile;

namespace {

class SeriesTest : public regtest::RegistersTest {};

QString pointKeys(const QStringList& points)
{
    QString s;
    for (int k = 0; k < points.size(); ++k)
        s += QStringLiteral("Point%1=%2\r\n").arg(k + 1).arg(points[k]);
    return s;
}

TEST_F(SeriesTest, AddEditDeleteWriteEveryKeyAndNeverReuseAnId)
{
    frmSeriesRegi f;
    ASSERT_TRUE(regtest::showActive(f));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("シリーズ＆大会一覧"));

    // Add a plain series: the frame is hidden, defaults written anyway.
    onNextDialog<frmSeriesInfo>([](frmSeriesInfo* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("シーズン＆大会"));
        EXPECT_FALSE(d->fraPoint->isVisible());
        EXPECT_TRUE(hasWindowFocus(d->txtName));
        regtest::setText(d->txtName, QStringLiteral(" 春季リーグ "));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    // Add a point series with rising... equal neighbours accepted.
    onNextDialog<frmSeriesInfo>([](frmSeriesInfo* d) {
        regtest::setText(d->txtName, QStringLiteral("秋季大会"));
        regtest::clickCheck(d->chkPoint);
        EXPECT_TRUE(d->fraPoint->isVisible());
        regtest::setText(d->txtPoint[1], QStringLiteral("5"));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    ASSERT_EQ(f.lstList->count(), 2);
    EXPECT_EQ(f.lstList->item(1)->text(), QStringLiteral("秋季大会"));
    EXPECT_EQ(f.lstList->item(1)->data(Qt::UserRole).toInt(), 2);
    EXPECT_TRUE(f.lstList->item(1)->isSelected());

    const QStringList defaults{"5", "4", "3", "2", "1", "1", "1", "1", "0", "0", "0"};
    const QStringList second{"5", "5", "3", "2", "1", "1", "1", "1", "0", "0", "0"};
    EXPECT_EQ(readFile(gstrSeriesFile),
              QStringLiteral("[Management]\r\nMaxSeriesNo=2\r\n"
                             "[Series1]\r\nName=春季リーグ\r\nState=0\r\nPointSeries=0\r\n")
                  + pointKeys(defaults)
                  + QStringLiteral("[Series2]\r\nName=秋季大会\r\nState=0\r\nPointSeries=1\r\n")
                  + pointKeys(second));

    // Delete the highest, add again: ID 3.
    recordingUi().answers.push_back(platform::vbOK);
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("削除確認"));
    EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("シリーズ＆大会：秋季大会\nを削除します。"));
    EXPECT_EQ(readFile(gstrSeriesFile).count(QStringLiteral("State=2")), 1);
    onNextDialog<frmSeriesInfo>([](frmSeriesInfo* d) {
        regtest::setText(d->txtName, QStringLiteral("冬季"));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    EXPECT_EQ(f.lstList->item(1)->data(Qt::UserRole).toInt(), 3);
    EXPECT_TRUE(readFile(gstrSeriesFile).startsWith(QStringLiteral("[Management]\r\nMaxSeriesNo=3\r\n")));

    // Edit the first by double click: loads the stored values, renames.
    regtest::writeFile(gstrSeriesFile, readFile(gstrSeriesFile).replace(
        QStringLiteral("[Series1]\r\nName=春季リーグ\r\nState=0\r\nPointSeries=0\r\nPoint1=5"),
        QStringLiteral("[Series1]\r\nName=春季リーグ\r\nState=0\r\nPointSeries=1\r\nPoint1=9")));
    onNextDialog<frmSeriesInfo>([](frmSeriesInfo* d) {
        EXPECT_EQ(d->txtName->text(), QStringLiteral("春季リーグ"));
        EXPECT_TRUE(d->chkPoint->isChecked());
        EXPECT_TRUE(d->fraPoint->isVisible());
        EXPECT_EQ(d->txtPoint[0]->text(), QStringLiteral("9"));
        regtest::setText(d->txtName, QStringLiteral("春季"));
        regtest::clickCheck(d->chkPoint);   // untick
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    f.lstList->setCurrentRow(0);
    emit f.lstList->itemDoubleClicked(f.lstList->item(0));
    EXPECT_EQ(f.lstList->item(0)->text(), QStringLiteral("春季"));
    const QString text = readFile(gstrSeriesFile);
    EXPECT_TRUE(text.contains(QStringLiteral("[Series1]\r\nName=春季\r\nState=0\r\nPointSeries=0\r\nPoint1=9\r\n")));
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Management]\r\nMaxSeriesNo=3\r\n")));
}

TEST_F(SeriesTest, RefusalsAndMessagesWriteNothing)
{
    frmSeriesRegi f;
    ASSERT_TRUE(regtest::showActive(f));
    QTest::mouseClick(f.btnEdit, Qt::LeftButton);
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    EXPECT_EQ(messages(), QStringLiteral("エラー|編集する「シリーズ＆大会」を選択してください。\n"
                                         "エラー|削除する「シリーズ＆大会」を選択してください。"));
    EXPECT_TRUE(hasWindowFocus(f.lstList));

    resetRecordingUi();
    onNextDialog<frmSeriesInfo>([this](frmSeriesInfo* d) {
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        EXPECT_EQ(messages(), QStringLiteral("エラー|名称が未入力です。"));
        EXPECT_TRUE(hasWindowFocus(d->txtName));
        resetRecordingUi();

        regtest::setText(d->txtName, QStringLiteral("X"));
        regtest::clickCheck(d->chkPoint);
        regtest::setText(d->txtPoint[0], QStringLiteral("3"));   // place 2 (4) above place 1
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        EXPECT_EQ(messages(), QStringLiteral("エラー|上位より高ポイントになってます。"));
        EXPECT_TRUE(hasWindowFocus(d->txtPoint[1]));
        EXPECT_TRUE(d->isVisible());
        QTest::keyClick(d->txtPoint[1], Qt::Key_Escape);
    });
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    EXPECT_EQ(f.lstList->count(), 0);
    EXPECT_FALSE(QFile::exists(gstrSeriesFile));
}

TEST_F(SeriesTest, PointBoxesKeepTheirNumberWhenLeftAndRisingPointsPassUnticked)
{
    frmSeriesInfo d;
    ASSERT_TRUE(regtest::showActive(d));
    regtest::setText(d.txtName, QStringLiteral("Y"));
    d.chkPoint->setChecked(true);
    struct { const char* typed; const char* shown; } cases[] = {{"ab", "0"}, {"3x", "3"}, {"7", "7"}, {"", "0"}};
    for (const auto& c : cases) {
        regtest::setText(d.txtPoint[2], QString::fromLatin1(c.typed));
        QTest::keyClick(d.txtPoint[2], Qt::Key_Return);   // Enter moves on like Tab
        EXPECT_TRUE(hasWindowFocus(d.txtPoint[3]));
        EXPECT_EQ(d.txtPoint[2]->text(), QString::fromLatin1(c.shown)) << c.typed;
    }
    // Typing stops at two characters.
    d.txtPoint[4]->setFocus();
    d.txtPoint[4]->selectAll();
    QTest::keyClicks(d.txtPoint[4], "123");
    EXPECT_EQ(d.txtPoint[4]->text(), QStringLiteral("12"));

    // Unticked, rising points are not checked and are stored as they are.
    d.chkPoint->setChecked(false);
    QTest::mouseClick(d.btnOK, Qt::LeftButton);
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(glngDialogParam, 1);
    EXPECT_EQ(gstrDialogText1, QStringLiteral("Y"));
    EXPECT_TRUE(readFile(gstrSeriesFile).contains(QStringLiteral("Point3=0\r\nPoint4=2\r\nPoint5=12\r\n")));
}

TEST_F(SeriesTest, MigratedSectionOpensUntickedWithZeros)
{
    regtest::writeFile(gstrSeriesFile, QStringLiteral("[Management]\r\nMaxSeriesNo=1\r\n[Series1]\r\nName=旧シリーズ\r\nState=0\r\n"));
    glngDialogParam = 1;
    frmSeriesInfo d;
    EXPECT_EQ(d.txtName->text(), QStringLiteral("旧シリーズ"));
    EXPECT_FALSE(d.chkPoint->isChecked());
    for (int k = 0; k < 11; ++k)
        EXPECT_EQ(d.txtPoint[k]->text(), QStringLiteral("0"));
    d.close();
    EXPECT_EQ(gintDialogResult, -1);
}

}  // namespace
