// frmSelectPrintScore: the print dialog of one game.
#include "reports/game/frmSelectPrintScore.h"

#include "core/ini.h"
#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/ranking.h"
#include "core/records.h"
#include "forms/frmCategory.h"
#include "platform/eradate.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"
#include "reports/modReports.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kSelectPrintScore = QStringLiteral("SelectPrint_Score");

QString rankingCaption()
{
    return gfGetCategoryTitle() + QStringLiteral("順位表");
}

// The name of a series or course, deleted ones included; "" when missing.
QString storedName(const QString& file, const QString& section)
{
    return gfReadIniFile(file, section, QStringLiteral("Name"));
}

}  // namespace

QString gfGamePrintTitle1()
{
    QString title;
    if (gGame.SeriesID > 0)
        title = QStringLiteral("** ") +
                storedName(gstrSeriesFile, QStringLiteral("Series") + QString::number(gGame.SeriesID)) +
                QStringLiteral(" **  ");
    if (gGame.CourceID > 0)
        title += storedName(gstrCourceFile, QStringLiteral("Cource") + QString::number(gGame.CourceID));
    return title;
}

QString gfGamePrintTitle2()
{
    return vb::FormatDateText(gGame.Date, QStringLiteral("ggge年m月d日(aaa)")) + QStringLiteral(" 「") +
           vb::Trim(gGame.Tittle) + QStringLiteral("」");
}

std::vector<Long> gfGamePrintBelongs()
{
    std::vector<Long> ids;
    // Each player holds Round adjacent lines; a header without rounds (never
    // stored by the game dialog) steps line by line instead of not at all.
    const Long step = std::max<Long>(gGame.Round, 1);
    for (Long i = 0; i <= glngScoreLinesUBound(); i += step) {
        const Long id = gfGetMemberBelongID(gScoreLines[i].IDNo);
        if (id != 0 && std::find(ids.begin(), ids.end(), id) == ids.end())
            ids.push_back(id);
    }
    return ids;
}

int gfStoredGameReport()
{
    const double v = vb::Val(gfReadIniFile(gstrIniFile, kSetup, kSelectPrintScore));
    // The dialog stores 0 to 5 only; anything else chooses the first report.
    if (v >= -0.5 && v < kGameReportCount - 0.5)
        return vb::CInt(v);
    return ReportEntryList;
}

bool gfPrintGameReport(int report, QWidget* owner)
{
    gfWriteIniFile(gstrIniFile, kSetup, kSelectPrintScore, QString::number(report));

    gstrPrintDate = vb::Trim(gGame.Date);
    gintPrintEntryNum = gfCountGameMembers();
    gintPrintTeamNum = gfCountGameTeams();

    Long rows = -1;
    Integer (*launcher)(Integer, QWidget*) = nullptr;
    switch (report) {
    case ReportEntryList:
        rows = glngScoreLinesUBound();
        launcher = gfPrintEntryList;
        break;
    case ReportScore:
        rows = glngScoreLinesUBound();
        launcher = gfPrintScore;
        break;
    case ReportPersonRanking:
        gsCalPersonRanking(0);
        gsFilterRankingByCategory(gstrPrintDate);
        rows = glngRankingUBound();
        launcher = gfPrintPersonRanking;
        break;
    case ReportRoundRanking:
        gsCalRoundRanking();
        rows = glngRoundRankingUBound();
        launcher = gfPrintRoundRanking;
        break;
    case ReportTeamList:
        gsCalTeamList();
        rows = glngRankingUBound();
        launcher = gfPrintTeamList;
        break;
    case ReportTeamRanking:
        gsCalTeamRanking();
        rows = glngTeamRankingUBound();
        launcher = gfPrintTeamRanking;
        break;
    default:
        return false;
    }
    if (rows < 0) {
        gsMsgNoPrintData(owner);
        return false;
    }
    launcher(0, owner);
    return true;
}

frmSelectPrintScore::frmSelectPrintScore(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmSelectPrintScore"));
    setWindowTitle(QStringLiteral("印刷選択"));
    setModal(true);

    lblTittle1 = new QLabel(QStringLiteral("タイトル1："), this);
    txtTittle1 = new QLineEdit(this);
    txtTittle1->setObjectName(QStringLiteral("txtTittle1"));
    lblTittle2 = new QLabel(QStringLiteral("タイトル2："), this);
    txtTittle2 = new QLineEdit(this);
    txtTittle2->setObjectName(QStringLiteral("txtTittle2"));
    for (QLineEdit* box : {txtTittle1, txtTittle2}) {
        box->setMinimumWidth(420);
        formhelpers::setImeMode(box, formhelpers::ImeMode::Hiragana);
    }

    fraScore = new QGroupBox(QStringLiteral("印刷物"), this);
    fraScore->setObjectName(QStringLiteral("fraScore"));
    const QString captions[kGameReportCount] = {
        QStringLiteral("参加者一覧表"), QStringLiteral("スコア表"), QString(),
        QStringLiteral("ベスト・ラウンド"), QStringLiteral("チーム一覧表"), QStringLiteral("チーム順位表")};
    auto* options = new QGridLayout(fraScore);
    QList<QRadioButton*> group;
    for (int i = 0; i < kGameReportCount; ++i) {
        optScoreSelectPrint[i] = new QRadioButton(captions[i], fraScore);
        optScoreSelectPrint[i]->setObjectName(QStringLiteral("optScoreSelectPrint_%1").arg(i));
        options->addWidget(optScoreSelectPrint[i], i % 3, i / 3);
        group << optScoreSelectPrint[i];
    }
    formhelpers::chosenOptionIsTheStop(group);

    lblExractBelong = new QLabel(QStringLiteral("所属："), this);
    cobExractBelong = new QComboBox(this);
    cobExractBelong->setObjectName(QStringLiteral("cobExractBelong"));
    cobExractBelong->setEditable(false);
    cobExractBelong->setMinimumWidth(220);

    btnCategory = new QPushButton(QStringLiteral("部門別の設定"), this);
    btnCategory->setObjectName(QStringLiteral("btnCategory"));
    btnOK = new QPushButton(QStringLiteral("印刷"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("閉じる"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* b : {btnCategory, btnOK, btnCancel})
        b->setAutoDefault(false);

    auto* titles = new QGridLayout;
    titles->addWidget(lblTittle1, 0, 0);
    titles->addWidget(txtTittle1, 0, 1);
    titles->addWidget(lblTittle2, 1, 0);
    titles->addWidget(txtTittle2, 1, 1);
    auto* belong = new QHBoxLayout;
    belong->addWidget(lblExractBelong);
    belong->addWidget(cobExractBelong);
    belong->addStretch(1);
    belong->addWidget(btnCategory);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titles);
    layout->addWidget(fraScore);
    layout->addLayout(belong);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(btnCategory, &QPushButton::clicked, this, [this] { btnCategory_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });

    Form_Load();
    setFixedSize(sizeHint());
}

void frmSelectPrintScore::Form_Load()
{
    gstrPrintTitle1 = gfGamePrintTitle1();
    gstrPrintTitle2 = gfGamePrintTitle2();
    txtTittle1->setText(gstrPrintTitle1);
    txtTittle2->setText(gstrPrintTitle2);

    psSetRankingCaption();
    optScoreSelectPrint[gfStoredGameReport()]->setChecked(true);

    cobExractBelong->clear();
    cobExractBelong->addItem(QStringLiteral("指定なし"), 0);
    for (Long id : gfGamePrintBelongs())
        cobExractBelong->addItem(gfGetBelongName(id), id);
    cobExractBelong->setCurrentIndex(0);

    gintDialogResult = -1;
}

void frmSelectPrintScore::psSetRankingCaption()
{
    optScoreSelectPrint[ReportPersonRanking]->setText(rankingCaption());
}

int frmSelectPrintScore::pfSelectedReport() const
{
    for (int i = 0; i < kGameReportCount; ++i)
        if (optScoreSelectPrint[i]->isChecked())
            return i;
    return ReportEntryList;
}

void frmSelectPrintScore::btnOK_Click()
{
    gstrPrintTitle1 = txtTittle1->text();
    gstrPrintTitle2 = txtTittle2->text();
    glngExtractBelong = cobExractBelong->currentIndex() >= 0 ? cobExractBelong->currentData().toInt() : 0;
    try {
        gfPrintGameReport(pfSelectedReport(), this);
    } catch (const std::exception& e) {
        // A tally refuses a game it cannot rank (a damaged header): say so
        // and keep the dialog open.
        platform::resetMousePointer();
        platform::MsgBox(QStringLiteral("btnOK_Click(): ") + vb::errorDescription(e), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
    }
}

void frmSelectPrintScore::btnCategory_Click()
{
    {
        frmCategory dlg(this);
        dlg.exec();
    }
    if (gintDialogResult != -1)
        psSetRankingCaption();
}

void frmSelectPrintScore::btnCancel_Click()
{
    reject();
}

void frmSelectPrintScore::reject()
{
    gintDialogResult = -1;
    QDialog::reject();
}
