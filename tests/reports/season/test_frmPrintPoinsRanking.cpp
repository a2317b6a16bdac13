// The point ranking dialog: the period over the series' point games and
// their count, the points note, the titles and the extra column from a
// first print and from the stored keys, the keys written after a preview
// (and not after a failed one or without data), and the print command
// disabled for a series that is not a live point series.

#include "core/test_season_fixture.h"

#include "core/ini.h"
#include "core/printstate.h"
#include "print/modPreview.h"
#include "platform/vbruntime.h"
#include "reports/season/frmPrintPoinsRanking.h"
#include "support/replacecounter.h"
#include "support/uiwait.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace seasonfx;

namespace {

class PointDialogTest : public Folder {
protected:
    void SetUp() override
    {
        Folder::SetUp();
        // Series 1: a live point series; 2: plain; 3: deleted point series;
        // 4: a point series without games.
        QStringList l{"[Management]", "MaxSeriesNo=4"};
        const auto series = [&](int n, const QString& name, int state, int points) {
            l << QStringLiteral("[Series%1]").arg(n) << "Name=" + name << QStringLiteral("State=%1").arg(state)
              << QStringLiteral("PointSeries=%1").arg(points);
            const int values[11] = {10, 8, 6, 5, 4, 3, 2, 1, 1, 1, 0};
            for (int k = 0; k < 11; ++k)
                l << QStringLiteral("Point%1=%2").arg(k + 1).arg(values[k]);
        };
        series(1, QStringLiteral("春季リーグ"), 0, 1);
        series(2, QStringLiteral("練習会"), 0, 0);
        series(3, QStringLiteral("昔の大会"), 2, 1);
        series(4, QStringLiteral("新リーグ"), 0, 1);
        ASSERT_TRUE(platform::writeTextLinesAtomic(gstrSeriesFile, l));
    }

    void TearDown() override
    {
        print::setPreviewWindow(nullptr);
        Folder::TearDown();
    }

    Long pointGame(const QString& date, Long series, Integer weight)
    {
        Game g;
        g.date = date;
        g.series = series;
        g.pointGame = weight;
        g.places = {{1, 1}, {2, 2}};
        return addGame(g, false);
    }

    std::unique_ptr<frmPrintPoinsRanking> open(Long series)
    {
        glngDialogParam = series;
        return std::make_unique<frmPrintPoinsRanking>();
    }

    static QString stored(Long series, const char* key)
    {
        return gfReadIniFile(gstrSeriesFile, QStringLiteral("Series%1").arg(series), QLatin1String(key));
    }
    static void store(Long series, const char* key, const QString& value)
    {
        gfWriteIniFile(gstrSeriesFile, QStringLiteral("Series%1").arg(series), QLatin1String(key), value);
    }

    static int chosenColumn(const frmPrintPoinsRanking& d)
    {
        for (int i = 0; i < 3; ++i)
            if (d.optBelongOrLocation[i]->isChecked())
                return i;
        return -1;
    }
};

TEST_F(PointDialogTest, PeriodCountsTheSeriesPointGamesAcrossTheEraBoundary)
{
    pointGame("2019/05/03", 1, 1);
    pointGame("2019/04/28", 1, 2);
    pointGame("2018/01/01", 1, 0);    // no point weight
    pointGame("2017/01/01", 2, 1);    // another series
    const Long gone = pointGame("2016/01/01", 1, 1);
    QFile::remove(QDir(gstrGamesFolder).filePath(gGameList[gone].GameFileName));   // its file is gone
    pointGame("2020/02/29", 1, 1);
    gGameList.back().GameFileName = QStringLiteral("  ");                          // never saved

    const auto d = open(1);
    const QString period = QStringLiteral("平成31年4月28日(日)～令和1年5月3日(金)：ゲーム数（2）");
    EXPECT_EQ(d->lblPeriod->text(), period);
    EXPECT_EQ(gstrPrintDate, period);
    EXPECT_EQ(gstrSeasonFirstDate, "2019/04/28");
    EXPECT_EQ(gstrSeasonLastDate, "2019/05/03");
    EXPECT_TRUE(d->btnOK->isEnabled());
    EXPECT_EQ(d->windowTitle(), QStringLiteral("シリーズポイント集計"));
}

TEST_F(PointDialogTest, WithoutPointGamesThePeriodKeepsTheSeeds)
{
    const auto d = open(4);
    EXPECT_EQ(d->lblPeriod->text(), QStringLiteral("9999/99/99～0000/00/00：ゲーム数（0）"));
    EXPECT_TRUE(d->btnOK->isEnabled());
}

TEST_F(PointDialogTest, PointsNote)
{
    const auto d = open(1);
    const QString note = QStringLiteral("（ポイント：1位：10、2位：8、3位：6、4位：5、5位：4、6位：3、7位：2、8位：1、"
                                        "9位：1、10位：1、11位以降：0）");
    EXPECT_EQ(d->lblGamePoints->text(), note);
    EXPECT_EQ(gstrPrintPointsNote, note);
}

TEST_F(PointDialogTest, TitlesAndColumnFromTheStoredKeys)
{
    struct Case {
        const char* title1;   // nullptr: no key
        const char* title2;
        const char* column;
        QString shown1;
        QString shown2;
        int chosen;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, QStringLiteral("春季リーグ"), "", 0},   // a first print
        {"   ", "x", "1", QStringLiteral("春季リーグ"), "x", 1},            // blank title 1: the name
        {"第3回 表彰", "最終", "2", QStringLiteral("第3回 表彰"), QStringLiteral("最終"), 2},
        {"t", "", "3", "t", "", 0},
        {"t", "", "-1", "t", "", 0},
        {"t", "", "x", "t", "", 0},
        {"t", "", "", "t", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown1.toStdString() + " / " + (c.column ? c.column : "none"));
        for (const auto& [key, value] : {std::pair{"P_Title1", c.title1}, std::pair{"P_Title2", c.title2},
                                         std::pair{"P_BelongOrLocation", c.column}})
            if (value)
                store(1, key, QString::fromUtf8(value));
        const auto d = open(1);
        EXPECT_EQ(d->txtTittle1->text(), c.shown1);
        EXPECT_EQ(d->txtTittle2->text(), c.shown2);
        EXPECT_EQ(chosenColumn(*d), c.chosen);
    }
}

TEST_F(PointDialogTest, PrintPreviewsTheRankingThenStoresTitlesAndColumn)
{
    pointGame("2019/05/03", 1, 1);
    const auto d = open(1);
    d->txtTittle1->setText(QStringLiteral("  春季 総合"));
    d->txtTittle2->setText(QStringLiteral("最終結果"));
    d->optBelongOrLocation[2]->setChecked(true);
    QString seen;
    print::setPreviewWindow([&](QWidget* owner) {
        seen = QStringLiteral("%1|%2|%3|%4 rows|owner %5|keys %6")
                   .arg(gstrPrintTitle1, gstrPrintTitle2)
                   .arg(gintBelongOrLocation)
                   .arg(gPointRanking.size())
                   .arg(owner == d.get() ? "dialog" : "other")
                   .arg(stored(1, "P_BelongOrLocation").isEmpty() ? "none" : "written");
    });
    d->btnOK->click();
    EXPECT_EQ(seen, QStringLiteral("  春季 総合|最終結果|2|2 rows|owner dialog|keys none"));
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);
    // Stored as typed; the settings reader gives values back without their
    // surrounding blanks.
    EXPECT_EQ(stored(1, "P_Title1"), QStringLiteral("春季 総合"));
    EXPECT_EQ(stored(1, "P_Title2"), QStringLiteral("最終結果"));
    EXPECT_EQ(stored(1, "P_BelongOrLocation"), "2");

    const auto again = open(1);
    EXPECT_EQ(again->txtTittle1->text(), QStringLiteral("春季 総合"));
    EXPECT_EQ(again->txtTittle2->text(), QStringLiteral("最終結果"));
    EXPECT_EQ(chosenColumn(*again), 2);
}

TEST_F(PointDialogTest, TitlesAndColumnGoIntoTheSeriesFileInOneReplace)
{
    pointGame("2019/05/03", 1, 1);
    store(1, "P_Title2", QStringLiteral("前回の副題"));
    store(2, "P_Title1", QStringLiteral("他のシリーズ"));
    const auto d = open(1);
    d->txtTittle1->setText(QStringLiteral("春季 総合"));
    d->txtTittle2->setText(QString());
    d->optBelongOrLocation[1]->setChecked(true);
    print::setPreviewWindow([](QWidget*) {});
    const QByteArray expected = bytesAfterKeyByKeyWrites(
        gstrSeriesFile, {{"Series1", "P_Title1", QStringLiteral("春季 総合")}, {"Series1", "P_Title2", ""},
                         {"Series1", "P_BelongOrLocation", "1"}});
    ASSERT_FALSE(expected.isEmpty());

    const QFileInfo series(gstrSeriesFile);
    ReplaceCounter replaces(series.absolutePath());
    ASSERT_TRUE(replaces.isValid());
    d->btnOK->click();
    EXPECT_EQ(replaces.count(series.fileName()), 1);
    QFile written(gstrSeriesFile);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), expected);
}

TEST_F(PointDialogTest, NoRankingIsRefusedAndNothingIsStored)
{
    const auto d = open(4);
    bool previewed = false;
    print::setPreviewWindow([&](QWidget*) { previewed = true; });
    d->btnOK->click();
    EXPECT_FALSE(previewed);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("印刷データはありません。"));
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("ｴﾗｰ"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbOKOnly);
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);
    EXPECT_TRUE(stored(4, "P_Title1").isEmpty());
}

TEST_F(PointDialogTest, FailedPreviewKeepsTheStoredTitles)
{
    pointGame("2019/05/03", 1, 1);
    store(1, "P_Title1", QStringLiteral("前回"));
    const auto d = open(1);
    d->txtTittle1->setText(QStringLiteral("今回"));
    print::setPreviewWindow([](QWidget*) { vb::raiseIoError(); });
    d->btnOK->click();
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith(QStringLiteral("gfPrintPointRanking(): ")));
    EXPECT_EQ(stored(1, "P_Title1"), QStringLiteral("前回"));
    EXPECT_TRUE(stored(1, "P_BelongOrLocation").isEmpty());
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);
}

TEST_F(PointDialogTest, PrintCommandOnlyForALivePointSeries)
{
    pointGame("2019/05/03", 2, 1);
    pointGame("2019/05/03", 3, 1);
    const std::pair<Long, bool> cases[] = {{1, true}, {2, false}, {3, false}, {4, true}, {0, false}, {40, false}};
    for (const auto& [series, enabled] : cases) {
        SCOPED_TRACE(series);
        const auto d = open(series);
        EXPECT_EQ(d->btnOK->isEnabled(), enabled);
        EXPECT_EQ(d->mSeriesID, series);
    }
    // A series that is not live fills nothing else in.
    gstrPrintDate = QStringLiteral("unchanged");
    const auto deleted = open(3);
    EXPECT_TRUE(deleted->lblPeriod->text().isEmpty());
    EXPECT_TRUE(deleted->txtTittle1->text().isEmpty());
    EXPECT_EQ(gstrPrintDate, QStringLiteral("unchanged"));
}

TEST_F(PointDialogTest, EnterInTheTitlesAndOptionsMovesOn)
{
    const auto d = open(1);
    ASSERT_TRUE(testsupport::showActive(*d));
    d->txtTittle1->setFocus();
    QTest::keyClick(d->txtTittle1, Qt::Key_Return);
    EXPECT_TRUE(testsupport::waitUntil([&] { return d->focusWidget() == d->txtTittle2; }));
    QTest::keyClick(d->txtTittle2, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(testsupport::waitUntil([&] { return d->focusWidget() == d->optBelongOrLocation[0]; }));
    QTest::keyClick(d->optBelongOrLocation[0], Qt::Key_Return);
    EXPECT_TRUE(testsupport::waitUntil([&] { return d->focusWidget() == d->btnOK; }));
    EXPECT_TRUE(d->isVisible());
    d->close();
}

}  // namespace
