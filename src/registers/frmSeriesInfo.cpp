#include "registers/frmSeriesInfo.h"

#include "core/ini.h"
#include "core/series.h"
#include "registers/modRegisters.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString seriesSection(Long id) { return QStringLiteral("Series") + QString::number(id); }

}  // namespace

frmSeriesInfo::frmSeriesInfo(QWidget* owner) : EntryDialog(owner)
{
    setObjectName("frmSeriesInfo");
    setWindowTitle(QStringLiteral("シーズン＆大会"));

    lblItemName = new QLabel(QStringLiteral("名称："), this);
    lblItemName->setObjectName("lblItemName");
    txtName = new QLineEdit(this);
    txtName->setObjectName("txtName");
    txtName->setMinimumWidth(300);
    chkPoint = new QCheckBox(QStringLiteral("ポイント集計を行う"), this);
    chkPoint->setObjectName("chkPoint");
    fraPoint = new QGroupBox(QStringLiteral("順位ポイント数"), this);
    fraPoint->setObjectName("fraPoint");
    auto* grid = new QGridLayout(fraPoint);
    for (int k = 0; k < 11; ++k) {
        const QString caption = k < 10 ? QString::number(k + 1) + QStringLiteral("位")
                                       : QStringLiteral("11位以降");
        lblRanking[k] = new QLabel(caption, fraPoint);
        lblRanking[k]->setObjectName(QStringLiteral("lblRanking_%1").arg(k));
        txtPoint[k] = new QLineEdit(fraPoint);
        txtPoint[k]->setObjectName(QStringLiteral("txtPoint_%1").arg(k));
        txtPoint[k]->setAlignment(Qt::AlignCenter);
        txtPoint[k]->setFixedWidth(40);
        formhelpers::typingLimit(txtPoint[k], 2);
        registers::setUpTextBox(txtPoint[k], formhelpers::ImeMode::Off);
        registers::onLostFocus(txtPoint[k], [this, k](QWidget*) { txtPoint_LostFocus(k); });
        grid->addWidget(lblRanking[k], k % 6, (k / 6) * 2);
        grid->addWidget(txtPoint[k], k % 6, (k / 6) * 2 + 1);
    }
    grid->setColumnStretch(4, 1);   // each place label stays beside its box
    QHBoxLayout* buttons = createOkCancel();

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(lblItemName);
    nameRow->addWidget(txtName, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(chkPoint);
    layout->addWidget(fraPoint);
    layout->addStretch(1);
    layout->addLayout(buttons);

    setTabOrder(txtName, chkPoint);
    setTabOrder(chkPoint, txtPoint[0]);
    for (int k = 1; k < 11; ++k)
        setTabOrder(txtPoint[k - 1], txtPoint[k]);
    setTabOrder(txtPoint[10], btnOK);
    setTabOrder(btnOK, btnCancel);

    registers::setUpTextBox(txtName, formhelpers::ImeMode::Hiragana);
    formhelpers::enterAsTab(chkPoint);

    // The frame follows the tick, whether the user or the load sets it.
    connect(chkPoint, &QCheckBox::toggled, this, &frmSeriesInfo::chkPoint_Click);

    fraPoint->setVisible(false);
    Form_Load();
    txtName->setFocus();
}

void frmSeriesInfo::Form_Load()
{
    mSeriesID = glngDialogParam;
    gintDialogResult = -1;

    txtName->clear();
    chkPoint->setChecked(false);
    static const char* const defaults[11] = {"5", "4", "3", "2", "1", "1", "1", "1", "0", "0", "0"};
    for (int k = 0; k < 11; ++k)
        txtPoint[k]->setText(QString::fromLatin1(defaults[k]));

    SeriesInfo info;
    if (mSeriesID > 0 && gfGetSeriesInfo(mSeriesID, info)) {
        txtName->setText(info.Name);
        chkPoint->setChecked(info.PointSeries == 1);
        for (int k = 0; k < 11; ++k)
            txtPoint[k]->setText(vb::Format(info.Point[k], "0"));
    }
    chkPoint_Click();
}

void frmSeriesInfo::chkPoint_Click()
{
    fraPoint->setVisible(chkPoint->isChecked());
}

void frmSeriesInfo::txtPoint_LostFocus(int index)
{
    QLineEdit* box = txtPoint[index];
    box->setText(vb::Format(vb::Val(box->text()), "0"));
}

void frmSeriesInfo::btnOK_Click()
{
    const QString name = registers::requireText(txtName, QStringLiteral("名称が未入力です。"), this);
    if (name.isEmpty())
        return;
    if (chkPoint->isChecked()) {
        for (int k = 1; k <= 10; ++k) {
            if (vb::Val(txtPoint[k]->text()) > vb::Val(txtPoint[k - 1]->text())) {
                registers::showError(QStringLiteral("上位より高ポイントになってます。"), this);
                txtPoint[k]->setFocus();
                return;
            }
        }
    }
    try {
        registers::Hourglass hourglass;
        if (mSeriesID == 0) {
            mSeriesID = registers::takeNextNumber(gstrSeriesFile, "MaxSeriesNo");
        }
        const QString section = seriesSection(mSeriesID);
        registers::writeKey(gstrSeriesFile, section, "Name", name, this);
        registers::writeKey(gstrSeriesFile, section, "State", "0", this);
        registers::writeKey(gstrSeriesFile, section, "PointSeries", chkPoint->isChecked() ? "1" : "0", this);
        for (int k = 0; k < 11; ++k)
            registers::writeKey(gstrSeriesFile, section, QStringLiteral("Point") + QString::number(k + 1),
                                vb::Trim(txtPoint[k]->text()), this);
    } catch (const std::exception&) {
        // The dialog stays open with the result at -1.
        return;
    }
    gstrDialogText1 = name;
    glngDialogParam = mSeriesID;
    gintDialogResult = 0;
    done(QDialog::Accepted);
}
