// frmSelectPrintMember: the player of a season personal report.
#include "reports/season/frmSelectPrintMember.h"

#include "core/ini.h"
#include "forms/dialoghelpers.h"
#include "forms/gsSetMemberListBox.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kFilterKey = QStringLiteral("SelectPrintMember");
const QString kSortKey = QStringLiteral("Sort_at_SelectPrinterMember");

// The number of a stored text rounded to a whole number; one beyond the
// 32-bit range matches no group.
Long storedLong(const QString& key)
{
    const double v = std::nearbyint(vb::Val(gfReadIniFile(gstrIniFile, kSetup, key)));
    return std::fabs(v) <= 2147483647.0 ? static_cast<Long>(v) : -1;
}

}  // namespace

frmSelectPrintMember::frmSelectPrintMember(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmSelectPrintMember"));
    setWindowTitle(QStringLiteral("プレイヤー選択"));
    setModal(true);

    cobBelong = new QComboBox(this);
    cobBelong->setObjectName(QStringLiteral("cobBelong"));
    cobBelong->setEditable(false);
    cobBelong->setMaxVisibleItems(20);
    lstMember = new QListWidget(this);
    lstMember->setObjectName(QStringLiteral("lstMember"));
    lstMember->setMinimumSize(330, 300);
    chkSort = new QCheckBox(QStringLiteral("ｿｰﾄ"), this);
    chkSort->setObjectName(QStringLiteral("chkSort"));
    btnOK = new QPushButton(QStringLiteral("選択"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* b : {btnOK, btnCancel})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkSort);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cobBelong);
    layout->addWidget(lstMember, 1);
    layout->addLayout(buttons);

    Form_Load();

    // activated comes from the user only; the choice made while opening ran
    // its click in Form_Load.
    connect(cobBelong, &QComboBox::activated, this, [this] { cobBelong_Click(); });
    connect(chkSort, &QCheckBox::clicked, this, [this] { chkSort_Click(); });
    connect(lstMember, &QListWidget::itemDoubleClicked, this, [this] { btnOK_Click(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });
}

void frmSelectPrintMember::Form_Load()
{
    chkSort->setChecked(vb::Val(gfReadIniFile(gstrIniFile, kSetup, kSortKey)) != 0);

    // The groups of the marked players.
    for (BelongInfo& g : gBelongList)
        g.Marked = 0;
    for (const MemberInfo& m : gMemberList) {
        if (m.Marked != 1)
            continue;
        for (BelongInfo& g : gBelongList)
            if (g.BelongID == m.BelongID)
                g.Marked = 1;
    }

    // A stored group that is offered is chosen; anything else (すべて, 無し
    // included) opens on すべて.
    const int chosen = dialoghelpers::fillGroupBox(cobBelong, storedLong(kFilterKey), true);
    cobBelong->setCurrentIndex(chosen >= 0 ? chosen : 0);
    cobBelong_Click();

    gintDialogResult = -1;
}

void frmSelectPrintMember::cobBelong_Click()
{
    if (cobBelong->currentIndex() < 0)
        return;
    const Long filter = cobBelong->currentData().toInt();
    gsSetMemberListBox(chkSort->isChecked() ? 1 : 0, 0, lstMember, filter, 1);
    gfWriteIniFile(gstrIniFile, kSetup, kFilterKey, QString::number(filter));
}

void frmSelectPrintMember::chkSort_Click()
{
    cobBelong_Click();
}

void frmSelectPrintMember::btnOK_Click()
{
    QListWidgetItem* item = lstMember->currentItem();
    if (!item || !item->isSelected()) {
        platform::MsgBox(QStringLiteral("集計するプレイヤーを選択してください。"), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
        return;
    }
    gfWriteIniFile(gstrIniFile, kSetup, kSortKey, chkSort->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    glngDialogParam = item->data(Qt::UserRole).toInt();
    gintDialogResult = 0;
    accept();
}

void frmSelectPrintMember::btnCancel_Click()
{
    reject();
}

void frmSelectPrintMember::reject()
{
    gintDialogResult = -1;
    QDialog::reject();
}
