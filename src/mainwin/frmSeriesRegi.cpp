#include "mainwin/frmSeriesRegi.h"

#include "core/ini.h"
#include "core/records.h"
#include "mainwin/frmSeriesInfo.h"
#include "mainwin/modRegisters.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString seriesSection(int id) { return QStringLiteral("Series") + QString::number(id); }

}  // namespace

frmSeriesRegi::frmSeriesRegi(QWidget* owner) : QDialog(owner)
{
    setObjectName("frmSeriesRegi");
    setWindowTitle(QStringLiteral("シリーズ＆大会一覧"));
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

    connect(btnAdd, &QPushButton::clicked, this, &frmSeriesRegi::btnAdd_Click);
    connect(btnEdit, &QPushButton::clicked, this, &frmSeriesRegi::btnEdit_Click);
    connect(btnDelete, &QPushButton::clicked, this, &frmSeriesRegi::btnDelete_Click);
    connect(btnClose, &QPushButton::clicked, this, &frmSeriesRegi::btnClose_Click);
    connect(lstList, &QListWidget::itemDoubleClicked, this, [this] { btnEdit_Click(); });

    Form_Load();
}

void frmSeriesRegi::Form_Load()
{
    lstList->clear();
    const int maxNo = vb::CInt(vb::Val(gfReadIniFile(gstrSeriesFile, "Management", "MaxSeriesNo")));
    for (int n = 1; n <= maxNo; ++n) {
        if (vb::Val(gfReadIniFile(gstrSeriesFile, seriesSection(n), "State")) == 0)
            registers::addItem(lstList, gfReadIniFile(gstrSeriesFile, seriesSection(n), "Name"), n);
    }
    registers::selectRow(lstList, -1);
}

void frmSeriesRegi::btnAdd_Click()
{
    gstrDialogText1.clear();
    glngDialogParam = 0;
    {
        frmSeriesInfo dlg(this);
        dlg.exec();
    }
    if (gintDialogResult == -1)
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
    const int row = registers::selectedIndex(lstList);
    if (row < 0) {
        platform::MsgBox(QStringLiteral("編集する「シリーズ＆大会」を選択してください。"),
                         platform::vbOKOnly, QStringLiteral("エラー"), this);
        lstList->setFocus();
        return;
    }
    QListWidgetItem* item = lstList->item(row);
    glngDialogParam = registers::itemData(item);
    {
        frmSeriesInfo dlg(this);
        dlg.exec();
    }
    if (gintDialogResult == -1)
        return;
    try {
        registers::Hourglass hourglass;
        item->setText(gstrDialogText1);
    } catch (const std::exception&) {
    }
}

void frmSeriesRegi::btnDelete_Click()
{
    const int row = registers::selectedIndex(lstList);
    if (row < 0) {
        platform::MsgBox(QStringLiteral("削除する「シリーズ＆大会」を選択してください。"),
                         platform::vbOKOnly, QStringLiteral("エラー"), this);
        lstList->setFocus();
        return;
    }
    QListWidgetItem* item = lstList->item(row);
    const int answer = platform::MsgBox(QStringLiteral("シリーズ＆大会：") + item->text()
                                            + QStringLiteral("\nを削除します。"),
                                        platform::vbOKCancel, QStringLiteral("削除確認"), this);
    if (answer == platform::vbCancel)
        return;
    try {
        registers::Hourglass hourglass;
        gfWriteIniFile(gstrSeriesFile, seriesSection(registers::itemData(item)), "State", "2");
        delete lstList->takeItem(row);
    } catch (const std::exception&) {
    }
}

void frmSeriesRegi::btnClose_Click()
{
    done(QDialog::Accepted);
}

void frmSeriesRegi::reject()
{
}

void frmSeriesRegi::closeEvent(QCloseEvent* e)
{
    e->accept();
    done(QDialog::Rejected);
}
