#include "reports/season/frmPrintPoinsRanking.h"

#include "core/ini.h"
#include "core/printstate.h"
#include "core/records.h"
#include "core/series.h"
#include "platform/eradate.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"
#include "reports/modReports.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>

namespace {

const QString kPeriodPattern = QStringLiteral("ggge年m月d日(aaa)");

QString seriesSection(Long id)
{
    return QStringLiteral("Series") + QString::number(id);
}

}  // namespace

QString gfPointPeriodText(const QString& firstDate, const QString& lastDate, Long games)
{
    return vb::FormatDateText(firstDate, kPeriodPattern) + QStringLiteral("～") +
           vb::FormatDateText(lastDate, kPeriodPattern) + QStringLiteral("：ゲーム数（") + QString::number(games) +
           QStringLiteral("）");
}

QString gfPointsNoteText(const SeriesInfo& series)
{
    QString note = QStringLiteral("（ポイント：");
    for (int place = 1; place <= 10; ++place)
        note += QString::number(place) + QStringLiteral("位：") + QString::number(series.Point[place - 1]) +
                QStringLiteral("、");
    return note + QStringLiteral("11位以降：") + QString::number(series.Point[10]) + QStringLiteral("）");
}

Integer gfStoredBelongOrLocation(const QString& stored)
{
    const double v = vb::Val(stored);
    // Only the three options' indexes are taken; anything else (a value
    // edited by hand) is the first option.
    if (v < -0.5 || v > 2.5)
        return 0;
    return vb::CInt(v);
}

frmPrintPoinsRanking::frmPrintPoinsRanking(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmPrintPoinsRanking"));
    setWindowTitle(QStringLiteral("シリーズポイント集計"));
    setModal(true);

    Label1 = new QLabel(QStringLiteral("タイトル1："), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtTittle1 = new QLineEdit(this);
    txtTittle1->setObjectName(QStringLiteral("txtTittle1"));
    Label2 = new QLabel(QStringLiteral("タイトル2："), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtTittle2 = new QLineEdit(this);
    txtTittle2->setObjectName(QStringLiteral("txtTittle2"));
    for (QLineEdit* box : {txtTittle1, txtTittle2}) {
        box->setMinimumWidth(520);
        formhelpers::setImeMode(box, formhelpers::ImeMode::Hiragana);
        formhelpers::selectAllOnFocus(box);
        formhelpers::enterAsTab(box);
    }

    lblPeriod = new QLabel(this);
    lblPeriod->setObjectName(QStringLiteral("lblPeriod"));
    lblGamePoints = new QLabel(this);
    lblGamePoints->setObjectName(QStringLiteral("lblGamePoints"));
    lblGamePoints->setWordWrap(true);

    fraBelongOrLocation = new QGroupBox(QStringLiteral("印刷する？"), this);
    fraBelongOrLocation->setObjectName(QStringLiteral("fraBelongOrLocation"));
    auto* options = new QHBoxLayout(fraBelongOrLocation);
    const QString captions[3] = {QStringLiteral("なし"), QStringLiteral("所属"), QStringLiteral("地域")};
    QList<QRadioButton*> group;
    for (int i = 0; i < 3; ++i) {
        optBelongOrLocation[i] = new QRadioButton(captions[i], fraBelongOrLocation);
        optBelongOrLocation[i]->setObjectName(QStringLiteral("optBelongOrLocation_%1").arg(i));
        formhelpers::enterAsTab(optBelongOrLocation[i]);
        options->addWidget(optBelongOrLocation[i]);
        group << optBelongOrLocation[i];
    }
    options->addStretch(1);
    formhelpers::chosenOptionIsTheStop(group);

    btnOK = new QPushButton(QStringLiteral("印刷プレビュー/印刷"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("閉じる"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* b : {btnOK, btnCancel}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(120);
    }

    auto* titles = new QGridLayout;
    titles->addWidget(Label1, 0, 0, Qt::AlignRight);
    titles->addWidget(txtTittle1, 0, 1);
    titles->addWidget(Label2, 1, 0, Qt::AlignRight);
    titles->addWidget(txtTittle2, 1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(fraBelongOrLocation);
    bottom->addStretch(1);
    bottom->addWidget(btnOK, 0, Qt::AlignBottom);
    bottom->addWidget(btnCancel, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titles);
    layout->addWidget(lblPeriod);
    layout->addWidget(lblGamePoints);
    layout->addLayout(bottom);

    setTabOrder(txtTittle1, txtTittle2);
    setTabOrder(txtTittle2, optBelongOrLocation[0]);
    setTabOrder(optBelongOrLocation[0], optBelongOrLocation[1]);
    setTabOrder(optBelongOrLocation[1], optBelongOrLocation[2]);
    setTabOrder(optBelongOrLocation[2], btnOK);
    setTabOrder(btnOK, btnCancel);

    connect(btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });

    Form_Load();
    setFixedSize(sizeHint());
}

void frmPrintPoinsRanking::Form_Load()
{
    mSeriesID = glngDialogParam;
    SeriesInfo series;
    if (!gfGetSeriesInfo(mSeriesID, series)) {
        btnOK->setEnabled(false);
        return;
    }
    // The ranking counts only series marked as point series (1).
    if (series.PointSeries != 1)
        btnOK->setEnabled(false);

    gstrSeasonFirstDate = QStringLiteral("9999/99/99");
    gstrSeasonLastDate = QStringLiteral("0000/00/00");
    Long games = 0;
    for (const GameInfo& game : gGameList) {
        if (!gfIsSeriesPointGame(game, mSeriesID))
            continue;
        ++games;
        if (vb::StrComp(game.Date, gstrSeasonFirstDate) < 0)
            gstrSeasonFirstDate = game.Date;
        if (vb::StrComp(game.Date, gstrSeasonLastDate) > 0)
            gstrSeasonLastDate = game.Date;
    }

    const QString section = seriesSection(mSeriesID);
    const QString title1 = gfReadIniFile(gstrSeriesFile, section, QStringLiteral("P_Title1"));
    txtTittle1->setText(vb::Trim(title1).isEmpty() ? series.Name : title1);
    txtTittle2->setText(gfReadIniFile(gstrSeriesFile, section, QStringLiteral("P_Title2")));
    optBelongOrLocation[gfStoredBelongOrLocation(
                            gfReadIniFile(gstrSeriesFile, section, QStringLiteral("P_BelongOrLocation")))]
        ->setChecked(true);

    gstrPrintDate = gfPointPeriodText(gstrSeasonFirstDate, gstrSeasonLastDate, games);
    lblPeriod->setText(gstrPrintDate);
    gstrPrintPointsNote = gfPointsNoteText(series);
    lblGamePoints->setText(gstrPrintPointsNote);
}

Integer frmPrintPoinsRanking::pfBelongOrLocation() const
{
    for (int i = 0; i < 3; ++i)
        if (optBelongOrLocation[i]->isChecked())
            return static_cast<Integer>(i);
    return 0;
}

void frmPrintPoinsRanking::btnOK_Click()
{
    try {
        platform::setHourglass();
        gsCalSeriesPointsRanking(mSeriesID);
        if (glngPointRankingUBound() < 0) {
            platform::resetMousePointer();
            gsMsgNoPrintData(this);
            return;
        }
        gstrPrintTitle1 = txtTittle1->text();
        gstrPrintTitle2 = txtTittle2->text();
        gintBelongOrLocation = pfBelongOrLocation();

        // The launcher reports its own failures (-1); the titles of the last
        // good print stay stored then. The three keys go into the series
        // file in one replace: it never holds titles of two different prints.
        if (gfPrintPointRanking(0, this) == 0) {
            const QString section = seriesSection(mSeriesID);
            gfWriteIniKeys(gstrSeriesFile, {{section, QStringLiteral("P_Title1"), gstrPrintTitle1},
                                            {section, QStringLiteral("P_Title2"), gstrPrintTitle2},
                                            {section, QStringLiteral("P_BelongOrLocation"),
                                             QString::number(gintBelongOrLocation)}});
        }
        platform::resetMousePointer();
    } catch (const std::exception& e) {
        // Whatever fails here leaves the dialog open with its choices.
        platform::resetMousePointer();
        platform::MsgBox(QStringLiteral("btnOK_Click(): ") + vb::errorDescription(e), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
    }
}

void frmPrintPoinsRanking::btnCancel_Click()
{
    reject();
}
