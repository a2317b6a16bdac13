#include "mainwin/frmGetName.h"

#include "core/records.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmGetName::frmGetName(QWidget* owner) : QDialog(owner)
{
    setObjectName("frmGetName");
    setWindowTitle(QStringLiteral("名称登録"));
    setModal(true);

    lblItemName = new QLabel(QStringLiteral("名称："), this);
    lblItemName->setObjectName("lblItemName");
    txtAddGroup = new QLineEdit(this);
    txtAddGroup->setObjectName("txtAddGroup");
    txtAddGroup->setMinimumWidth(300);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName("btnOK");
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName("btnCancel");
    for (auto* b : {btnOK, btnCancel})
        b->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addWidget(lblItemName);
    row->addWidget(txtAddGroup, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    setTabOrder(txtAddGroup, btnOK);
    setTabOrder(btnOK, btnCancel);

    formhelpers::setImeMode(txtAddGroup, formhelpers::ImeMode::Hiragana);
    formhelpers::selectAllOnFocus(txtAddGroup);
    formhelpers::enterAsTab(txtAddGroup);

    connect(btnOK, &QPushButton::clicked, this, &frmGetName::btnOK_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmGetName::btnCancel_Click);

    // Load.
    setWindowTitle(gstrDialogText2);
    gintDialogResult = -1;
    txtAddGroup->setText(gstrDialogText1);
    txtAddGroup->setFocus();
}

void frmGetName::btnOK_Click()
{
    const QString name = vb::Trim(txtAddGroup->text());
    if (name.isEmpty()) {
        platform::MsgBox(QStringLiteral("名称が未入力です。"), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
        txtAddGroup->setFocus();
        return;
    }
    gstrDialogText1 = name;
    gintDialogResult = 0;
    done(QDialog::Accepted);
}

void frmGetName::btnCancel_Click()
{
    gintDialogResult = -1;
    done(QDialog::Rejected);
}

void frmGetName::reject()
{
    btnCancel_Click();
}
