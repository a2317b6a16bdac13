#include "registers/frmGetName.h"

#include "core/records.h"
#include "registers/modRegisters.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmGetName::frmGetName(QWidget* owner) : EntryDialog(owner)
{
    setObjectName("frmGetName");
    setWindowTitle(QStringLiteral("名称登録"));

    lblItemName = new QLabel(QStringLiteral("名称："), this);
    lblItemName->setObjectName("lblItemName");
    txtAddGroup = new QLineEdit(this);
    txtAddGroup->setObjectName("txtAddGroup");
    txtAddGroup->setMinimumWidth(300);
    QHBoxLayout* buttons = createOkCancel();

    auto* row = new QHBoxLayout;
    row->addWidget(lblItemName);
    row->addWidget(txtAddGroup, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    setTabOrder(txtAddGroup, btnOK);
    setTabOrder(btnOK, btnCancel);

    registers::setUpTextBox(txtAddGroup, formhelpers::ImeMode::Hiragana);


    // Load.
    setWindowTitle(gstrDialogText2);
    gintDialogResult = -1;
    txtAddGroup->setText(gstrDialogText1);
    txtAddGroup->setFocus();
}

void frmGetName::btnOK_Click()
{
    const QString name = registers::requireText(txtAddGroup, QStringLiteral("名称が未入力です。"), this);
    if (name.isEmpty())
        return;
    gstrDialogText1 = name;
    gintDialogResult = 0;
    done(QDialog::Accepted);
}
