#include "registers/frmRegiGroup.h"

#include "core/records.h"
#include "registers/modRegisters.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmRegiGroup::frmRegiGroup(QWidget* owner) : EntryDialog(owner)
{
    setObjectName("frmRegiGroup");

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
    QHBoxLayout* buttons = createOkCancel();

    auto* grid = new QGridLayout;
    grid->addWidget(lblItemName, 0, 0);
    grid->addWidget(txtAddGroup, 0, 1);
    grid->addWidget(Label1, 1, 0);
    auto* shortRow = new QHBoxLayout;
    shortRow->addWidget(txtShortName);
    shortRow->addStretch(1);
    grid->addLayout(shortRow, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(txtAddGroup, txtShortName);
    setTabOrder(txtShortName, btnOK);
    setTabOrder(btnOK, btnCancel);

    formhelpers::typingLimit(txtShortName, 5);
    for (auto* box : {txtAddGroup, txtShortName})
        registers::setUpTextBox(box, formhelpers::ImeMode::Hiragana);


    // Load.
    setWindowTitle(gstrDialogCaption);
    gintDialogResult = -1;
    txtAddGroup->setText(gstrDialogText1);
    txtShortName->setText(gstrDialogText2);
    txtAddGroup->setFocus();
}

void frmRegiGroup::btnOK_Click()
{
    const QString name = registers::requireText(txtAddGroup, QStringLiteral("名称が未入力です。"), this);
    if (name.isEmpty())
        return;
    gstrDialogText1 = name;
    gstrDialogText2 = vb::Trim(txtShortName->text());
    gintDialogResult = 0;
    done(QDialog::Accepted);
}
