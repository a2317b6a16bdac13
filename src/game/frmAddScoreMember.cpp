#include "game/frmAddScoreMember.h"

#include "core/ini.h"
#include "forms/dialoghelpers.h"
#include "forms/gsSetMemberListBox.h"
#include "registers/modRegisters.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kSetup = QStringLiteral("Setup");

}  // namespace

frmAddScoreMember::frmAddScoreMember(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAddScoreMember"));
    setWindowTitle(QStringLiteral("参加追加"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    cobBelong = new QComboBox(this);
    cobBelong->setObjectName(QStringLiteral("cobBelong"));
    cobBelong->setEditable(false);
    lstMember = new QListWidget(this);
    lstMember->setObjectName(QStringLiteral("lstMember"));
    lstMember->setSelectionMode(QAbstractItemView::SingleSelection);
    lstMember->setMinimumSize(380, 360);
    const QStringList captions{QStringLiteral("上に追加"), QStringLiteral("下に追加"),
                               QStringLiteral("先頭に追加"), QStringLiteral("最後尾に追加")};
    for (int k = 0; k < 4; ++k) {
        btnAddPosition[k] = new QPushButton(captions[k], this);
        btnAddPosition[k]->setObjectName(QStringLiteral("btnAddPosition_%1").arg(k));
    }
    chkSort = new QCheckBox(QStringLiteral("ｿｰﾄ"), this);
    chkSort->setObjectName(QStringLiteral("chkSort"));
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    // No button is the dialog's default button, not even by look.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);

    // Group box, list, and below the list the add buttons in two columns
    // with the sort box and ｷｬﾝｾﾙ at the right end.
    auto* buttons = new QGridLayout;
    buttons->addWidget(btnAddPosition[0], 0, 0);
    buttons->addWidget(btnAddPosition[1], 1, 0);
    buttons->addWidget(btnAddPosition[2], 0, 1);
    buttons->addWidget(btnAddPosition[3], 1, 1);
    buttons->setColumnStretch(2, 1);
    buttons->addWidget(chkSort, 0, 3);
    buttons->addWidget(btnCancel, 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cobBelong);
    layout->addWidget(lstMember, 1);
    layout->addLayout(buttons);

    QWidget* order[] = {lstMember, btnAddPosition[0], btnAddPosition[1], btnAddPosition[2],
                        btnAddPosition[3], btnCancel, cobBelong, chkSort};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(cobBelong, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!mFilling && index >= 0)
            cobBelong_Click();
    });
    connect(chkSort, &QCheckBox::clicked, this, &frmAddScoreMember::chkSort_Click);
    for (int k = 0; k < 4; ++k)
        connect(btnAddPosition[k], &QPushButton::clicked, this, [this, k] { btnAddPosition_Click(k); });
    connect(btnCancel, &QPushButton::clicked, this, &frmAddScoreMember::btnCancel_Click);

    Form_Load();
}

void frmAddScoreMember::Form_Load()
{
    // 1.
    mPosition = glngDialogParam;
    if (mPosition < 0) {
        btnAddPosition[0]->setEnabled(false);
        btnAddPosition[1]->setEnabled(false);
    }

    // 2.
    chkSort->setChecked(vb::Val(gfReadIniFile(gstrIniFile, kSetup, QStringLiteral("Sort_at_AddScoreMember"))) != 0);

    // 3. Groups; the remembered live group is chosen (which fills the list).
    mFilling = true;
    // A stored number beyond any field (a damaged settings file) is cut so
    // that it cannot overflow; it names no group.
    const Long lastBelong = vb::CLng(std::clamp(
        vb::Val(gfReadIniFile(gstrIniFile, kSetup, QStringLiteral("LastBelong_at_AddScoreMember"))), -2147483648.0,
        2147483647.0));
    const int chosen = dialoghelpers::fillGroupBox(cobBelong, lastBelong);
    mFilling = false;
    if (chosen >= 0)
        psSelectGroup(chosen);

    // 4.
    if (cobBelong->currentIndex() < 0 || lstMember->count() == 0)
        psSelectGroup(0);

    // 5.
    gintDialogResult = -1;
}

void frmAddScoreMember::psSelectGroup(int index)
{
    if (cobBelong->currentIndex() == index)
        cobBelong_Click();
    else
        cobBelong->setCurrentIndex(index);   // runs cobBelong_Click
}

void frmAddScoreMember::cobBelong_Click()
{
    if (cobBelong->currentIndex() < 0)
        return;
    // Only live players who are not in the game yet.
    gsSetMemberListBox(chkSort->isChecked() ? 1 : 0, 0, lstMember, cobBelong->currentData().toInt(), 0);
    if (lstMember->count() > 0) {
        btnAddPosition[2]->setEnabled(true);
        btnAddPosition[3]->setEnabled(true);
        btnAddPosition[0]->setEnabled(mPosition >= 0);
        btnAddPosition[1]->setEnabled(mPosition >= 0);
    } else {
        for (QPushButton* b : btnAddPosition)
            b->setEnabled(false);
    }
}

void frmAddScoreMember::chkSort_Click()
{
    cobBelong_Click();
}

void frmAddScoreMember::btnAddPosition_Click(int index)
{
    const auto selected = lstMember->selectedItems();
    if (selected.isEmpty()) {
        platform::MsgBox(QStringLiteral("追加するプレイヤーを選択してください。"), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
        return;
    }
    const int group = cobBelong->currentIndex() >= 0 ? cobBelong->currentData().toInt() : -1;
    gfWriteIniFile(gstrIniFile, kSetup, QStringLiteral("LastBelong_at_AddScoreMember"), QString::number(group));
    glngDialogParam = registers::itemData(selected.first());
    gfWriteIniFile(gstrIniFile, kSetup, QStringLiteral("Sort_at_AddScoreMember"),
                   chkSort->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    gintDialogResult = static_cast<Integer>(index + 1);
    done(QDialog::Accepted);
}

void frmAddScoreMember::btnCancel_Click()
{
    gintDialogResult = -1;
    done(QDialog::Rejected);
}

void frmAddScoreMember::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // No default button; the list has the first focus.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setDefault(false);
    lstMember->setFocus(Qt::OtherFocusReason);
}

void frmAddScoreMember::keyPressEvent(QKeyEvent* event)
{
    // Esc presses no button of this dialog, and Enter only the button that
    // has the focus.
    if (!dialoghelpers::takeDialogKey(this, event, true))
        QDialog::keyPressEvent(event);
}
