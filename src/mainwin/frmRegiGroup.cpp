#include "mainwin/frmRegiGroup.h"

#include "core/records.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmRegiGroup::frmRegiGroup(QWidget* owner) : QDialog(owner)
{
    setObjectName("frmRegiGroup");
    setModal(true);

    lblItemName = new QLabel(QStringLiteral("名称："), this);
    lblItemName->setObjectName("lblItemName");
    txtAddGroup = new QLineEdit(this);
    txtAddGroup->setObjectName("txtAddGroup");
    txtAddGroup->setMinimumWidth(300);
    Label1 = new QLabel(QStringLiteral("略称："), this);
    Label1->setObjectName("Label1");
    txtShortName = new QLineEdit(this);
    txtShortName->setObjectName("txtShortName");
    txtShortName->setFixedWidth(100);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName("btnOK");
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName("btnCancel");
    for (auto* b : {btnOK, btnCancel})
        b->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(lblItemName, 0, 0);
    grid->addWidget(txtAddGroup, 0, 1);
    grid->addWidget(Label1, 1, 0);
    auto* shortRow = new QHBoxLayout;
    shortRow->addWidget(txtShortName);
    shortRow->addStretch(1);
    grid->addLayout(shortRow, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(txtAddGroup, txtShortName);
    setTabOrder(txtShortName, btnOK);
    setTabOrder(btnOK, btnCancel);

    formhelpers::typingLimit(txtShortName, 5);
    for (auto* box : {txtAddGroup, txtShortName}) {
        formhelpers::setImeMode(box, formhelpers::ImeMode::Hiragana);
        formhelpers::selectAllOnFocus(box);
        formhelpers::enterAsTab(box);
    }

    connect(btnOK, &QPushButton::clicked, this, &frmRegiGroup::btnOK_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmRegiGroup::btnCancel_Click);

    // Load.
    setWindowTitle(gstrDialogCaption);
    gintDialogResult = -1;
    txtAddGroup->setText(gstrDialogText1);
    txtShortName->setText(gstrDialogText2);
    txtAddGroup->setFocus();
}

void frmRegiGroup::btnOK_Click()
{
    const QString name = vb::Trim(txtAddGroup->text());
    if (name.isEmpty()) {
        platform::MsgBox(QStringLiteral("名称が未入力です。"), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
        txtAddGroup->setFocus();
        return;
    }
    gstrDialogText1 = name;
    gstrDialogText2 = vb::Trim(txtShortName->text());
    gintDialogResult = 0;
    done(QDialog::Accepted);
}

void frmRegiGroup::btnCancel_Click()
{
    gintDialogResult = -1;
    done(QDialog::Rejected);
}

void frmRegiGroup::reject()
{
    btnCancel_Click();
}
