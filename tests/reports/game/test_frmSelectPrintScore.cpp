// The game print dialog: the proposed titles with and without series and
// course, the stored report (a stored "9" opens on report 0), the group list
// in first-appearance order, the category button relabelling the ranking
// option, the print state and launcher of each report (preview replaced),
// and the no-data message (a game without lines; a category nobody fits).

#include "reports/game/frmSelectPrintScore.h"

#include "gamepages_support.h"

#include "core/core.h"
#include "forms/frmCategory.h"
#include "print/modPreview.h"
#include "support/gamefixtures.h"
#include "support/modaldialog.h"
#include "support/recordingui.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

using testsupport::addMember;
using testsupport::addPlayer;

class SelectPrintScoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        testsupport::pointDataPathsAt(dir.path());
        gMemberList.clear();
        gBelongList.clear();
        gsClearCalcResults();
        resetRecordingUi();
        gGame = gamepages::gameHeader(2, 2);
        gGame.Date = QStringLiteral(" 2010/05/10 ");   // printed trimmed
        gGame.Tittle = QStringLiteral("　春季大会 ");
        gGame.SeriesID = 0;
        gGame.CourceID = 0;
        print::setPreviewWindow([this](QWidget* owner) {
            previews << gfrmPrintForm()->name() + QStringLiteral(" %1mm").arg(gintAdjustTate);
            previewOwner = owner;
        });
    }
    void TearDown() override { print::setPreviewWindow(nullptr); }

    // Two men in teams A and B, group 5 then 3, and a woman without group.
    void threePlayers()
    {
        BelongInfo b;
        b.BelongID = 3;
        b.Name = QStringLiteral("Ｃクラブ");
        gBelongList.push_back(b);
        b.BelongID = 5;
        b.Name = QStringLiteral("Ｅクラブ");
        gBelongList.push_back(b);
        addMember(1, QStringLiteral("一郎"), QStringLiteral("1948/05/01"), 1, 5);
        addMember(2, QStringLiteral("花子"), QStringLiteral("1950/01/01"), 2, 0);
        addMember(3, QStringLiteral("三郎"), QStringLiteral("1949/01/01"), 1, 3);
        addMember(4, QStringLiteral("四郎"), QStringLiteral("1949/01/01"), 1, 5);
        addPlayer(1, {"3 3", "3 3"}, QStringLiteral("A"));
        addPlayer(2, {"3 4", "3 3"}, QStringLiteral("B"));
        addPlayer(3, {"4 4", "3 3"}, QStringLiteral("A"));
        addPlayer(4, {"4 4", "3 4"});
    }

    frmSelectPrintScore* open()
    {
        dlg = std::make_unique<frmSelectPrintScore>();
        dlg->show();
        return dlg.get();
    }
    void choose(int report) { dlg->optScoreSelectPrint[report]->setChecked(true); }
    void print() { QTest::mouseClick(dlg->btnOK, Qt::LeftButton); }
    QString stored() const { return gfReadIniFile(gstrIniFile, "Setup", "SelectPrint_Score"); }
    QStringList messages() const
    {
        QStringList out;
        for (const RecordedMessage& m : recordingUi().messages)
            out << m.title + '|' + m.prompt + '|' + QString::number(m.style);
        return out;
    }

    QTemporaryDir dir;
    std::unique_ptr<frmSelectPrintScore> dlg;
    QStringList previews;
    QWidget* previewOwner = nullptr;
};

TEST_F(SelectPrintScoreTest, ProposedTitlesBySeriesAndCourse)
{
    gfWriteIniFile(gstrSeriesFile, "Series3", "Name", QStringLiteral("春季リーグ"));
    gfWriteIniFile(gstrSeriesFile, "Series3", "State", "2");   // deleted ones are named too
    gfWriteIniFile(gstrCourceFile, "Cource2", "Name", QStringLiteral("中央公園"));
    const struct {
        Long series;
        Long course;
        QString title1;
    } cases[] = {
        {0, 0, ""},
        {0, 2, QStringLiteral("中央公園")},
        {3, 0, QStringLiteral("** 春季リーグ **  ")},
        {3, 2, QStringLiteral("** 春季リーグ **  中央公園")},
        {4, 0, QStringLiteral("**  **  ")},   // a series missing from the file
    };
    for (const auto& c : cases) {
        gGame.SeriesID = c.series;
        gGame.CourceID = c.course;
        open();
        EXPECT_EQ(dlg->txtTittle1->text(), c.title1) << c.series << "/" << c.course;
        EXPECT_EQ(gstrPrintTitle1, c.title1);
        EXPECT_EQ(dlg->txtTittle2->text(), QStringLiteral("平成22年5月10日(月) 「春季大会」"));
        EXPECT_EQ(gstrPrintTitle2, dlg->txtTittle2->text());
        EXPECT_EQ(gintDialogResult, -1);
    }
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("印刷選択"));
    EXPECT_EQ(dlg->fraScore->title(), QStringLiteral("印刷物"));
    EXPECT_EQ(dlg->btnOK->text(), QStringLiteral("印刷"));
    EXPECT_EQ(dlg->btnCancel->text(), QStringLiteral("閉じる"));
}

TEST_F(SelectPrintScoreTest, StoredReportIsChosenAndAnyOtherTextChoosesTheFirst)
{
    const struct {
        const char* stored;
        int chosen;
    } cases[] = {{nullptr, 0}, {"3", 3}, {"5", 5}, {"9", 0}, {"-1", 0}, {"x", 0}, {"99999", 0}};
    for (const auto& c : cases) {
        if (c.stored)
            gfWriteIniFile(gstrIniFile, "Setup", "SelectPrint_Score", c.stored);
        open();
        EXPECT_EQ(dlg->pfSelectedReport(), c.chosen) << (c.stored ? c.stored : "none");
        EXPECT_TRUE(dlg->optScoreSelectPrint[c.chosen]->isChecked());
    }
}

TEST_F(SelectPrintScoreTest, GameWithoutLinesHasNothingToPrintYetTheChoiceIsStored)
{
    open();
    for (int report = 0; report < kGameReportCount; ++report) {
        resetRecordingUi();
        choose(report);
        print();
        EXPECT_EQ(messages(), QStringList{QStringLiteral("ｴﾗｰ|印刷データはありません。|0")}) << report;
        EXPECT_EQ(stored(), QString::number(report));
    }
    EXPECT_TRUE(previews.isEmpty());
    EXPECT_TRUE(dlg->isVisible());

    choose(3);
    print();
    open();
    EXPECT_EQ(dlg->pfSelectedReport(), 3);
}

TEST_F(SelectPrintScoreTest, GroupListInFirstAppearanceOrder)
{
    threePlayers();
    open();
    QStringList items;
    for (int i = 0; i < dlg->cobExractBelong->count(); ++i)
        items << dlg->cobExractBelong->itemText(i) + '=' + dlg->cobExractBelong->itemData(i).toString();
    EXPECT_EQ(items, QStringList({QStringLiteral("指定なし=0"), QStringLiteral("Ｅクラブ=5"),
                                  QStringLiteral("Ｃクラブ=3")}));
    EXPECT_EQ(dlg->cobExractBelong->currentIndex(), 0);

    gMemberList[0].BelongID = 0;
    gMemberList[2].BelongID = 0;
    gMemberList[3].BelongID = 0;
    open();
    EXPECT_EQ(dlg->cobExractBelong->count(), 1);
    EXPECT_EQ(dlg->cobExractBelong->itemText(0), QStringLiteral("指定なし"));
}

TEST_F(SelectPrintScoreTest, EveryReportPreviewsWithThePrintStateAndTheDialogStaysOpen)
{
    threePlayers();
    open();
    EXPECT_EQ(dlg->optScoreSelectPrint[2]->text(), QStringLiteral("総合順位表"));
    dlg->txtTittle1->setText(QStringLiteral("第1回"));
    dlg->txtTittle2->setText(QString());
    dlg->cobExractBelong->setCurrentIndex(2);
    const char* forms[] = {"frmPfEntryList 10mm",     "frmPfScore 10mm",      "frmPfPersonRanking 10mm",
                           "frmPfRoundRanking 10mm",  "frmPfTeamList 10mm",   "frmPfTeamRanking 5mm"};
    for (int report = 0; report < kGameReportCount; ++report) {
        previews.clear();
        gstrPrintTitle1.clear();
        choose(report);
        print();
        EXPECT_EQ(previews, QStringList{QLatin1String(forms[report])}) << report;
        EXPECT_EQ(previewOwner, dlg.get());
        EXPECT_EQ(stored(), QString::number(report));
        EXPECT_EQ(gstrPrintTitle1, QStringLiteral("第1回"));
        EXPECT_EQ(gstrPrintTitle2, QString());
        EXPECT_EQ(glngExtractBelong, 3);
        EXPECT_EQ(gstrPrintDate, QStringLiteral("2010/05/10"));
        EXPECT_EQ(gintPrintEntryNum, 4);
        EXPECT_EQ(gintPrintTeamNum, 2);
        EXPECT_TRUE(dlg->isVisible());
    }
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_EQ(glngTeamRankingUBound(), 1);   // the last tally's table stays
}

TEST_F(SelectPrintScoreTest, CategoryButtonRelabelsTheRankingAtOnceAndFiltersOnlyTheRanking)
{
    threePlayers();
    open();
    testsupport::onNextDialog<frmCategory>([](frmCategory* d) { QTest::mouseClick(d->btnCancel, Qt::LeftButton); });
    QTest::mouseClick(dlg->btnCategory, Qt::LeftButton);
    EXPECT_EQ(dlg->optScoreSelectPrint[2]->text(), QStringLiteral("総合順位表"));
    EXPECT_EQ(gGame.CategoryGender, 0);

    // Women of 70 and over: nobody.
    testsupport::onNextDialog<frmCategory>([](frmCategory* d) {
        d->optGender[2]->setChecked(true);
        d->psChooseAge(0, 70);
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(dlg->btnCategory, Qt::LeftButton);
    EXPECT_EQ(dlg->optScoreSelectPrint[2]->text(), QStringLiteral("部門別（女子：70歳～）順位表"));
    EXPECT_EQ(gGame.CategoryGender, 2);
    EXPECT_EQ(gintDialogResult, 0);

    for (int report = 0; report < kGameReportCount; ++report) {
        resetRecordingUi();
        previews.clear();
        choose(report);
        print();
        if (report == ReportPersonRanking) {
            EXPECT_EQ(messages(), QStringList{QStringLiteral("ｴﾗｰ|印刷データはありません。|0")});
            EXPECT_TRUE(previews.isEmpty());
        } else {
            EXPECT_TRUE(recordingUi().messages.empty()) << report;
            EXPECT_EQ(previews.size(), 1) << report;
        }
    }

    QTest::mouseClick(dlg->btnCancel, Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(gintDialogResult, -1);
}

}  // namespace
