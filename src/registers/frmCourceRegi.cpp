#include "registers/frmCourceRegi.h"

#include "core/ini.h"
#include "core/records.h"
#include "registers/frmGetName.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QListWidget>
#include <QPushButton>

namespace {

const QString kKind = QStringLiteral("コース（会場）");
const QString kPrefix = QStringLiteral("Cource");

QString courceSection(int id) { return kPrefix + QString::number(id); }

}  // namespace

frmCourceRegi::frmCourceRegi(QWidget* owner) : ListRegister(owner)
{
    setObjectName("frmCourceRegi");
    setWindowTitle(QStringLiteral("コース（会場）一覧"));

    lstList = new QListWidget(this);
    lstList->setObjectName("lstList");
    lstList->setSelectionMode(QAbstractItemView::SingleSelection);
    lstList->setMinimumSize(320, 300);
    createButtons(QStringLiteral("編集"));
    // A double-click in the list does nothing here.

    layOutBeside(lstList);

    Form_Load();
}

void frmCourceRegi::Form_Load()
{
    registers::fillLiveEntries(lstList, gstrCourceFile, "MaxCourceNo", kPrefix);
}

void frmCourceRegi::btnAdd_Click()
{
    gstrDialogText1.clear();
    gstrDialogText2 = kKind;
    if (!registers::runDialog<frmGetName>(this))
        return;
    try {
        registers::Hourglass hourglass;
        const int id = registers::takeNextNumber(gstrCourceFile, "MaxCourceNo");
        registers::writeKey(gstrCourceFile, courceSection(id), "Name", gstrDialogText1, this);
        registers::writeKey(gstrCourceFile, courceSection(id), "State", "0", this);
        auto* item = registers::addItem(lstList, gstrDialogText1, id);
        registers::selectRow(lstList, lstList->row(item));
    } catch (const std::exception&) {
        // Ends without a message; what was written stays.
    }
}

void frmCourceRegi::btnEdit_Click()
{
    const int row = registers::requireSelection(
        lstList, QStringLiteral("編集する「コース（会場）」を選択してください。"), this);
    if (row < 0)
        return;
    QListWidgetItem* item = lstList->item(row);
    const int id = registers::itemData(item);
    gintDialogResult = -1;
    gstrDialogText1 = item->text();
    gstrDialogText2 = kKind;
    if (!registers::runDialog<frmGetName>(this))
        return;
    try {
        registers::Hourglass hourglass;
        registers::writeKey(gstrCourceFile, courceSection(id), "Name", gstrDialogText1, this);
        item->setText(gstrDialogText1);
    } catch (const std::exception&) {
    }
}

void frmCourceRegi::btnDelete_Click()
{
    registers::deleteSelectedEntry(lstList, gstrCourceFile, kPrefix,
                                   QStringLiteral("削除する「コース（会場）」を選択してください。"), kKind, this);
}
