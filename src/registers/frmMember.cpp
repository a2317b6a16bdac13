#include "registers/frmMember.h"

#include "core/ini.h"
#include "core/masterlists.h"
#include "core/records.h"
#include "registers/frmRegiMember.h"
#include "forms/gsSetMemberListBox.h"
#include "registers/modRegisters.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QString memberSection(Long id) { return QStringLiteral("member") + QString::number(id); }

// Raises after the not-written message when the player file cannot be
// written, so the list never shows a change that was not stored.
void writeMember(const QString& key, const QString& value, Long id)
{
    registers::writeKey(gstrMemberFile, memberSection(id), key, value);
}

// Writes the player's keys; a new player gets State "0" right after its name.
void writeMemberKeys(const MemberInfo& m, Long id, bool isNew)
{
    writeMember("Name", m.Name, id);
    if (isNew)
        writeMember("State", "0", id);
    writeMember("Birthday", m.Birthday, id);
    writeMember("Gender", vb::Format(m.Gender, "0"), id);
    writeMember("BelongID", vb::Format(m.BelongID, "0"), id);
    writeMember("Sort", m.Sort, id);
    writeMember("Location", m.Location, id);
}

}  // namespace

frmMember::frmMember(QWidget* owner) : ListRegister(owner)
{
    setObjectName("frmMember");
    setWindowTitle(QStringLiteral("プレイヤー一覧"));

    lblBelong = new QLabel(QStringLiteral("所属："), this);
    lblBelong->setObjectName("lblBelong");
    cobBelong = new QComboBox(this);
    cobBelong->setObjectName("cobBelong");
    cobBelong->setEditable(false);
    cobBelong->setMinimumWidth(200);
    lstMember = new QListWidget(this);
    lstMember->setObjectName("lstMember");
    lstMember->setSelectionMode(QAbstractItemView::SingleSelection);
    lstMember->setMinimumSize(480, 360);
    registers::scrollByRows(lstMember);
    lblNumMembers = new QLabel(this);
    lblNumMembers->setObjectName("lblNumMembers");
    createButtons(QStringLiteral("変更"));

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(lblBelong);
    filterRow->addWidget(cobBelong);
    filterRow->addStretch(1);
    filterRow->addWidget(lblNumMembers);
    auto* left = new QVBoxLayout;
    left->addLayout(filterRow);
    left->addWidget(lstMember, 1);
    layOutBeside(left);

    // Choosing an entry, by the user or by code, refills the list; filling
    // the combo box itself runs nothing.
    connect(cobBelong, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            cobBelong_Click();
    });
    connect(lstMember, &QListWidget::itemDoubleClicked, this, [this] { btnEdit_Click(); });

    Form_Load();
}

void frmMember::Form_Load()
{
    const double stored = vb::Val(gfReadIniFile(gstrIniFile, "Setup", "LastBelong_at_Member"));
    int chosen = -1;
    {
        const QSignalBlocker block(cobBelong);
        cobBelong->clear();
        cobBelong->addItem(QStringLiteral("すべて"), -1);
        cobBelong->addItem(QStringLiteral("無し"), 0);
        for (const BelongInfo& g : gBelongList) {
            if (g.State == 2)
                continue;
            cobBelong->addItem(g.Name, static_cast<int>(g.BelongID));
            if (stored == g.BelongID)
                chosen = cobBelong->count() - 1;
        }
        cobBelong->setCurrentIndex(-1);
    }
    cobBelong->setCurrentIndex(chosen >= 0 ? chosen : 0);
}

int frmMember::filterValue() const
{
    return cobBelong->currentIndex() >= 0 ? cobBelong->currentData().toInt() : -1;
}

void frmMember::showCount()
{
    lblNumMembers->setText(vb::Format(lstMember->count(), "0") + QStringLiteral(" 名"));
}

void frmMember::cobBelong_Click()
{
    gsSetMemberListBox(0, 1, lstMember, filterValue(), -1);
    showCount();
}

void frmMember::btnAdd_Click()
{
    gEditMember.IDNo = 0;
    gEditMember.Name.clear();
    gEditMember.Birthday.clear();
    gEditMember.Sort.clear();
    gEditMember.Location.clear();
    gEditMember.Gender = 0;
    gEditMember.BelongID = filterValue();
    if (!registers::runDialog<frmRegiMember>(this))
        return;
    try {
        registers::Hourglass hourglass;
        const Long n = registers::takeNextNumber(gstrMemberFile, "MaxMemberNo");
        writeMemberKeys(gEditMember, n, true);

        gEditMember.IDNo = n;
        gEditMember.State = 0;
        gMemberList.push_back(gEditMember);

        if (filterValue() != gEditMember.BelongID) {
            const int entry = cobBelong->findData(static_cast<int>(gEditMember.BelongID));
            if (entry >= 0)
                cobBelong->setCurrentIndex(entry);
            registers::selectRow(lstMember, registers::findRow(lstMember, n));
        } else {
            auto* item = registers::addItem(lstMember, gfGetMemberDescription(gEditMember), n);
            registers::selectRow(lstMember, lstMember->row(item));
        }
        showCount();
    } catch (const std::exception&) {
        // Ends without a message; what was written stays.
    }
}

void frmMember::btnEdit_Click()
{
    const int row = registers::requireSelection(
        lstMember, QStringLiteral("変更するプレイヤーを選択してください。"), this);
    if (row < 0)
        return;
    const Long id = registers::itemData(lstMember->item(row));
    const Long i = gfGetMemberIndex(id);
    if (i < 0)
        return;
    gEditMember = gMemberList[static_cast<size_t>(i)];
    if (!registers::runDialog<frmRegiMember>(this))
        return;
    try {
        registers::Hourglass hourglass;
        MemberInfo& m = gMemberList[static_cast<size_t>(i)];
        writeMemberKeys(gEditMember, m.IDNo, false);
        m.Name = gEditMember.Name;
        m.Birthday = gEditMember.Birthday;
        m.Gender = gEditMember.Gender;
        m.BelongID = gEditMember.BelongID;
        m.Sort = gEditMember.Sort;
        m.Location = gEditMember.Location;

        const int top = registers::topIndex(lstMember);
        cobBelong_Click();
        registers::selectRow(lstMember, registers::findRow(lstMember, id));
        if (top >= 0 && top <= lstMember->count() - 1)
            registers::setTopIndex(lstMember, top);
    } catch (const std::exception&) {
    }
}

void frmMember::btnDelete_Click()
{
    const int row = registers::requireSelection(
        lstMember, QStringLiteral("削除するプレイヤーを選択してください。"), this);
    if (row < 0)
        return;
    QListWidgetItem* item = lstMember->item(row);
    const Long i = gfGetMemberIndex(registers::itemData(item));
    if (!registers::confirmDelete(QStringLiteral("プレイヤー"), item->text(), QStringLiteral("プレイヤー削除確認"),
                                  this))
        return;
    try {
        registers::Hourglass hourglass;
        if (i < 0)
            vb::raiseSubscriptOutOfRange();
        MemberInfo& m = gMemberList[static_cast<size_t>(i)];
        writeMember("State", "2", m.IDNo);
        m.State = 2;
        delete lstMember->takeItem(row);
        registers::selectRow(lstMember, -1);
        showCount();
    } catch (const std::exception&) {
    }
}

void frmMember::done(int r)
{
    if (!mUnloaded) {
        mUnloaded = true;
        gfWriteIniFile(gstrIniFile, "Setup", "LastBelong_at_Member", vb::Format(filterValue(), "0"));
    }
    QDialog::done(r);
}
