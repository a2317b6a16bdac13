#include "registers/frmRegiTeam.h"

#include "core/ini.h"
#include "registers/modRegisters.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

frmRegiTeam::frmRegiTeam(QWidget* owner) : EntryDialog(owner)
{
    setObjectName("frmRegiTeam");

    lblTeamID = new QLabel(QStringLiteral("チーム識別："), this);
    lblTeamID->setObjectName("lblTeamID");
    txtTeamID = new QLineEdit(this);
    txtTeamID->setObjectName("txtTeamID");
    txtTeamID->setFixedWidth(60);
    lblTeamIDHint = new QLabel(QStringLiteral("（半角英数字、３文字以内）"), this);
    lblTeamIDHint->setObjectName("lblTeamIDHint");
    lblDetail = new QLabel(QStringLiteral("詳細（省略可）："), this);
    lblDetail->setObjectName("lblDetail");
    txtDetail = new QLineEdit(this);
    txtDetail->setObjectName("txtDetail");
    txtDetail->setMinimumWidth(320);
    QHBoxLayout* buttons = createOkCancel();

    auto* grid = new QGridLayout;
    grid->addWidget(lblTeamID, 0, 0);
    auto* idRow = new QHBoxLayout;
    idRow->addWidget(txtTeamID);
    idRow->addWidget(lblTeamIDHint);
    idRow->addStretch(1);
    grid->addLayout(idRow, 0, 1);
    grid->addWidget(lblDetail, 1, 0);
    grid->addWidget(txtDetail, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(txtTeamID, txtDetail);
    setTabOrder(txtDetail, btnOK);
    setTabOrder(btnOK, btnCancel);

    formhelpers::typingLimit(txtDetail, 512);
    registers::setUpTextBox(txtTeamID, formhelpers::ImeMode::Off);
    registers::setUpTextBox(txtDetail, formhelpers::ImeMode::Hiragana);


    // Load.
    setWindowTitle(gintDialogResult == 0 ? QStringLiteral("チーム登録") : QStringLiteral("チーム編集"));
    mTeamNo = gintDialogResult;
    gintDialogResult = -1;
    txtTeamID->setText(vb::Trim(gstrDialogText1));
    txtDetail->setText(vb::Trim(gstrDialogText2));
    // Three characters can be typed; a longer identifier from the file is
    // shown whole.
    formhelpers::typingLimit(txtTeamID, 3);
    mActivated = 0;
}

void frmRegiTeam::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (mActivated == 0) {
        if (mTeamNo != 0)
            txtDetail->setFocus();
        else
            txtTeamID->setFocus();
        mActivated = 1;
    }
}

void frmRegiTeam::btnOK_Click()
{
    const QString id = registers::requireText(txtTeamID, QStringLiteral("チーム識別が未入力です。"), this);
    if (id.isEmpty())
        return;
    for (int k = 1;; ++k) {
        const QString listed = vb::Trim(gfReadIniFile(gstrTeamFile, "Team", QStringLiteral("ID") + QString::number(k)));
        if (listed.isEmpty())
            break;
        if (listed == id && k != mTeamNo) {
            registers::showError(QStringLiteral("チーム識別 ") + id + QStringLiteral(" は既に存在します。"), this);
            txtTeamID->setFocus();
            return;
        }
    }
    gstrDialogText1 = id;
    gstrDialogText2 = vb::Trim(txtDetail->text());
    gintDialogResult = 0;
    done(QDialog::Accepted);
}
