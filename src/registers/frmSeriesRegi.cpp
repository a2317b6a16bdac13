#include "registers/frmSeriesRegi.h"

#include "core/ini.h"
#include "core/records.h"
#include "registers/frmSeriesInfo.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QListWidget>
#include <QPushButton>

namespace {

const QString kPrefix = QStringLiteral("Series");

}  // namespace

frmSeriesRegi::frmSeriesRegi(QWidget* owner) : ListRegister(owner)
{
    setObjectName("frmSeriesRegi");
    setWindowTitle(QStringLiteral("シリーズ＆大会一覧"));

    lstList = new QListWidget(this);
    lstList->setObjectName("lstList");
    lstList->setSelectionMode(QAbstractItemView::SingleSelection);
    lstList->setMinimumSize(320, 300);
    createButtons(QStringLiteral("編集"));
    connect(lstList, &QListWidget::itemDoubleClicked, this, [this] { btnEdit_Click(); });

    layOutBeside(lstList);

    Form_Load();
}

void frmSeriesRegi::Form_Load()
{
    registers::fillLiveEntries(lstList, gstrSeriesFile, "MaxSeriesNo", kPrefix);
}

void frmSeriesRegi::btnAdd_Click()
{
    gstrDialogText1.clear();
    glngDialogParam = 0;
    if (!registers::runDialog<frmSeriesInfo>(this))
        return;
    try {
        registers::Hourglass hourglass;
        auto* item = registers::addItem(lstList, gstrDialogText1, glngDialogParam);
        registers::selectRow(lstList, lstList->row(item));
    } catch (const std::exception&) {
    }
}

void frmSeriesRegi::btnEdit_Click()
{
    const int row = registers::requireSelection(
        lstList, QStringLiteral("編集する「シリーズ＆大会」を選択してください。"), this);
    if (row < 0)
        return;
    QListWidgetItem* item = lstList->item(row);
    glngDialogParam = registers::itemData(item);
    if (!registers::runDialog<frmSeriesInfo>(this))
        return;
    try {
        registers::Hourglass hourglass;
        item->setText(gstrDialogText1);
    } catch (const std::exception&) {
    }
}

void frmSeriesRegi::btnDelete_Click()
{
    registers::deleteSelectedEntry(lstList, gstrSeriesFile, kPrefix,
                                   QStringLiteral("削除する「シリーズ＆大会」を選択してください。"),
                                   QStringLiteral("シリーズ＆大会"), this);
}
