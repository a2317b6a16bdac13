#include "mainwin/frmCourceRegi.h"

#include "core/ini.h"
#include "core/records.h"
#include "mainwin/frmGetName.h"
#include "mainwin/modRegisters.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kKind = QStringLiteral("コース（会場）");

QString courceSection(int id) { return QStringLiteral("Cource") + QString::number(id); }

}  // namespace

frmCourceRegi::frmCourceRegi(QWidget* owner) : QDialog(owner)
{
    setObjectName("frmCourceRegi");
    setWindowTitle(QStringLiteral("コース（会場）一覧"));
    setModal(true);

    lstList = new QListWidget(this);
    lstList->setObjectName("lstList");
    lstList->setSelectionMode(QAbstractItemView::SingleSelection);
    lstList->setMinimumSize(320, 300);
    btnAdd = new QPushButton(QStringLiteral("新規登録"), this);
    btnAdd->setObjectName("btnAdd");
    btnEdit = new QPushButton(QStringLiteral("編集"), this);
    btnEdit->setObjectName("btnEdit");
    btnDelete = new QPushButton(QStringLiteral("削除"), this);
    btnDelete->setObjectName("btnDelete");
    btnClose = new QPushButton(QStringLiteral("閉じる"), this);
    btnClose->setObjectName("btnClose");

    auto* buttons = new QVBoxLayout;
    for (auto* b : {btnAdd, btnEdit, btnDelete}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    btnClose->setAutoDefault(false);
    buttons->addWidget(btnClose);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstList, 1);
    layout->addLayout(buttons);

    connect(btnAdd, &QPushButton::clicked, this, &frmCourceRegi::btnAdd_Click);
    connect(btnEdit, &QPushButton::clicked, this, &frmCourceRegi::btnEdit_Click);
    connect(btnDelete, &QPushButton::clicked, this, &frmCourceRegi::btnDelete_Click);
    connect(btnClose, &QPushButton::clicked, this, &frmCourceRegi::btnClose_Click);
    // A double-click in the list does nothing here.

    Form_Load();
}

void frmCourceRegi::Form_Load()
{
    lstList->clear();
    const int maxNo = vb::CInt(vb::Val(gfReadIniFile(gstrCourceFile, "Management", "MaxCourceNo")));
    for (int n = 1; n <= maxNo; ++n) {
        if (vb::Val(gfReadIniFile(gstrCourceFile, courceSection(n), "State")) == 0)
            registers::addItem(lstList, gfReadIniFile(gstrCourceFile, courceSection(n), "Name"), n);
    }
    registers::selectRow(lstList, -1);
}

void frmCourceRegi::btnAdd_Click()
{
    gstrDialogText1.clear();
    gstrDialogText2 = kKind;
    {
        frmGetName dlg(this);
        dlg.exec();
    }
    if (gintDialogResult == -1)
        return;
    try {
        registers::Hourglass hourglass;
        const int id = vb::CInt(vb::Val(gfReadIniFile(gstrCourceFile, "Management", "MaxCourceNo")) + 1);
        gfWriteIniFile(gstrCourceFile, "Management", "MaxCourceNo", QString::number(id));
        gfWriteIniFile(gstrCourceFile, courceSection(id), "Name", gstrDialogText1);
        gfWriteIniFile(gstrCourceFile, courceSection(id), "State", "0");
        auto* item = registers::addItem(lstList, gstrDialogText1, id);
        registers::selectRow(lstList, lstList->row(item));
    } catch (const std::exception&) {
        // Ends without a message; what was written stays.
    }
}

void frmCourceRegi::btnEdit_Click()
{
    const int row = registers::selectedIndex(lstList);
    if (row < 0) {
        platform::MsgBox(QStringLiteral("編集する「コース（会場）」を選択してください。"),
                         platform::vbOKOnly, QStringLiteral("エラー"), this);
        lstList->setFocus();
        return;
    }
    QListWidgetItem* item = lstList->item(row);
    const int id = registers::itemData(item);
    gintDialogResult = -1;
    gstrDialogText1 = item->text();
    gstrDialogText2 = kKind;
    {
        frmGetName dlg(this);
        dlg.exec();
    }
    if (gintDialogResult == -1)
        return;
    try {
        registers::Hourglass hourglass;
        gfWriteIniFile(gstrCourceFile, courceSection(id), "Name", gstrDialogText1);
        item->setText(gstrDialogText1);
    } catch (const std::exception&) {
    }
}

void frmCourceRegi::btnDelete_Click()
{
    const int row = registers::selectedIndex(lstList);
    if (row < 0) {
        platform::MsgBox(QStringLiteral("削除する「コース（会場）」を選択してください。"),
                         platform::vbOKOnly, QStringLiteral("エラー"), this);
        lstList->setFocus();
        return;
    }
    QListWidgetItem* item = lstList->item(row);
    const int answer = platform::MsgBox(kKind + QStringLiteral("：") + item->text()
                                            + QStringLiteral("\nを削除します。"),
                                        platform::vbOKCancel, QStringLiteral("削除確認"), this);
    if (answer == platform::vbCancel)
        return;
    try {
        registers::Hourglass hourglass;
        gfWriteIniFile(gstrCourceFile, courceSection(registers::itemData(item)), "State", "2");
        delete lstList->takeItem(row);
    } catch (const std::exception&) {
    }
}

void frmCourceRegi::btnClose_Click()
{
    done(QDialog::Accepted);
}

void frmCourceRegi::reject()
{
}

void frmCourceRegi::closeEvent(QCloseEvent* e)
{
    e->accept();
    done(QDialog::Rejected);
}
