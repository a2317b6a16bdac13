#include "mainwin/frmNewScoreSetup.h"

#include "core/ini.h"
#include "core/masterlists.h"
#include "forms/dialoghelpers.h"
#include "game/frmSetTeam.h"
#include "forms/gsSetMemberListBox.h"
#include "registers/modRegisters.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kScoreEntry = QStringLiteral("ScoreEntry");
const QString kErrorTitle = QStringLiteral("エラー");

QString memberKey(int n) { return QStringLiteral("member") + QString::number(n); }
QString teamKey(int n) { return QStringLiteral("team") + QString::number(n); }

bool anySelected(const QListWidget* list)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            return true;
    return false;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, bool bold = false)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (bold) {
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
    }
    return b;
}

}  // namespace

frmNewScoreSetup::frmNewScoreSetup(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmNewScoreSetup"));
    setWindowTitle(QStringLiteral("新しいゲーム"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    // Left: the players.
    fraNotEntry = new QGroupBox(QStringLiteral("プレイヤー一覧"), this);
    fraNotEntry->setObjectName(QStringLiteral("fraNotEntry"));
    cobBelong = new QComboBox(fraNotEntry);
    cobBelong->setObjectName(QStringLiteral("cobBelong"));
    cobBelong->setEditable(false);
    lstMember[0] = new QListWidget(fraNotEntry);
    lstMember[0]->setObjectName(QStringLiteral("lstMember_0"));
    lstMember[0]->setMinimumSize(300, 360);
    btnSelectAll[0] = makeButton(fraNotEntry, QStringLiteral("btnSelectAll_0"), QStringLiteral("全選択"));
    chkSort = new QCheckBox(QStringLiteral("ｿｰﾄ"), fraNotEntry);
    chkSort->setObjectName(QStringLiteral("chkSort"));
    {
        auto* col = new QVBoxLayout(fraNotEntry);
        col->addWidget(cobBelong);
        col->addWidget(lstMember[0], 1);
        auto* row = new QHBoxLayout;
        row->addWidget(btnSelectAll[0]);
        row->addStretch(1);
        row->addWidget(chkSort);
        col->addLayout(row);
    }

    btnEntry = makeButton(this, QStringLiteral("btnEntry"), QStringLiteral("参加 =>"), true);

    // Right: the participants.
    fraEntry = new QGroupBox(QStringLiteral("参加"), this);
    fraEntry->setObjectName(QStringLiteral("fraEntry"));
    lblEntryNum = new QLabel(fraEntry);
    lblEntryNum->setObjectName(QStringLiteral("lblEntryNum"));
    lblTeamNum = new QLabel(fraEntry);
    lblTeamNum->setObjectName(QStringLiteral("lblTeamNum"));
    chkKeepMemberEntry = new QCheckBox(QStringLiteral("次回、この参加状態を利用する。"), fraEntry);
    chkKeepMemberEntry->setObjectName(QStringLiteral("chkKeepMemberEntry"));
    lstMember[1] = new QListWidget(fraEntry);
    lstMember[1]->setObjectName(QStringLiteral("lstMember_1"));
    lstMember[1]->setMinimumSize(340, 330);
    {
        // Fixed pitch: three half-width characters and the full-width colon
        // line up with five blanks.
        QFont fixed(QStringLiteral("ＭＳ ゴシック"));
        fixed.setStyleHint(QFont::Monospace);
        fixed.setPointSizeF(lstMember[1]->font().pointSizeF());
        lstMember[1]->setFont(fixed);
    }
    btnUpDown[0] = makeButton(fraEntry, QStringLiteral("btnUpDown_0"), QStringLiteral("↑"), true);
    btnUpDown[1] = makeButton(fraEntry, QStringLiteral("btnUpDown_1"), QStringLiteral("↓"), true);
    btnSelectAll[1] = makeButton(fraEntry, QStringLiteral("btnSelectAll_1"), QStringLiteral("全選択"));
    btnOutEntry = makeButton(fraEntry, QStringLiteral("btnOutEntry"), QStringLiteral("参加取消"));
    btnSetTeam = makeButton(fraEntry, QStringLiteral("btnSetTeam"), QStringLiteral("ﾁｰﾑ設定"));
    btnOffsetTeam = makeButton(fraEntry, QStringLiteral("btnOffsetTeam"), QStringLiteral("ﾁｰﾑ取消"));
    {
        auto* col = new QVBoxLayout(fraEntry);
        auto* counts = new QHBoxLayout;
        counts->addWidget(lblEntryNum);
        counts->addWidget(lblTeamNum, 1);
        col->addLayout(counts);
        col->addWidget(chkKeepMemberEntry);
        auto* listRow = new QHBoxLayout;
        listRow->addWidget(lstMember[1], 1);
        auto* arrows = new QVBoxLayout;
        arrows->addStretch(1);
        arrows->addWidget(btnUpDown[0]);
        arrows->addWidget(btnUpDown[1]);
        arrows->addStretch(1);
        for (QPushButton* b : btnUpDown)
            b->setFixedWidth(36);
        listRow->addLayout(arrows);
        col->addLayout(listRow, 1);
        auto* row = new QHBoxLayout;
        row->addWidget(btnSelectAll[1]);
        row->addWidget(btnOutEntry);
        row->addWidget(btnSetTeam);
        row->addWidget(btnOffsetTeam);
        row->addStretch(1);
        col->addLayout(row);
    }

    btnOK = makeButton(this, QStringLiteral("btnOK"), QStringLiteral("OK"));
    btnCancel = makeButton(this, QStringLiteral("btnCancel"), QStringLiteral("ｷｬﾝｾﾙ"));

    auto* frames = new QHBoxLayout;
    frames->addWidget(fraNotEntry, 1);
    frames->addWidget(btnEntry, 0, Qt::AlignVCenter);
    frames->addWidget(fraEntry, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames, 1);
    layout->addLayout(buttons);

    for (QListWidget* l : lstMember) {
        l->setSelectionMode(QAbstractItemView::ExtendedSelection);
        l->viewport()->installEventFilter(this);
    }
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);

    QWidget* order[] = {cobBelong,     lstMember[0],   btnSelectAll[0], btnEntry,    chkKeepMemberEntry,
                        lstMember[1],  btnUpDown[0],   btnUpDown[1],    btnSelectAll[1], btnOutEntry,
                        btnSetTeam,    btnOffsetTeam,  btnOK,           btnCancel,   chkSort};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(cobBelong, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!mFilling && index >= 0)
            cobBelong_Click();
    });
    connect(chkSort, &QCheckBox::clicked, this, &frmNewScoreSetup::chkSort_Click);
    connect(btnEntry, &QPushButton::clicked, this, &frmNewScoreSetup::btnEntry_Click);
    connect(lstMember[0], &QListWidget::itemDoubleClicked, this, [this] { btnEntry_Click(); });
    for (QListWidget* l : lstMember)
        connect(l, &QListWidget::itemSelectionChanged, this, [this] { psShowEntryCount(); });
    for (int k = 0; k < 2; ++k) {
        connect(btnSelectAll[k], &QPushButton::clicked, this, [this, k] { btnSelectAll_Click(k); });
        connect(btnUpDown[k], &QPushButton::clicked, this, [this, k] { btnUpDown_Click(k); });
    }
    connect(btnOutEntry, &QPushButton::clicked, this, &frmNewScoreSetup::btnOutEntry_Click);
    connect(btnSetTeam, &QPushButton::clicked, this, &frmNewScoreSetup::btnSetTeam_Click);
    connect(btnOffsetTeam, &QPushButton::clicked, this, &frmNewScoreSetup::btnOffsetTeam_Click);
    connect(btnOK, &QPushButton::clicked, this, &frmNewScoreSetup::btnOK_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmNewScoreSetup::btnCancel_Click);

    Form_Load();
    cobBelong->setFocus(Qt::OtherFocusReason);
}

Long frmNewScoreSetup::memberIndexOf(Long id)
{
    for (Long i = 0; i <= glngMemberListUBound(); ++i)
        if (gMemberList[i].State != 2 && gMemberList[i].IDNo == id)
            return i;
    return gfGetMemberIndex(id);
}

QString frmNewScoreSetup::pfEntryText(Long memberIndex)
{
    if (memberIndex < 0 || memberIndex > glngMemberListUBound())
        return QString();
    const MemberInfo& m = gMemberList[memberIndex];
    const QString team = vb::Trim(m.TeamID);
    QString head;
    if (!team.isEmpty()) {
        head = team.left(3);
        head += QString(3 - head.length(), QLatin1Char(' '));
        head += QChar(0xFF1A);   // full-width colon
    } else {
        head = QString(5, QLatin1Char(' '));
    }
    return head + gfGetMemberShortDescription(m);
}

void frmNewScoreSetup::Form_Load()
{
    // 1.
    gintDialogResult = -1;
    lblEntryNum->clear();
    lblTeamNum->clear();
    gNewEntries.clear();

    // 2.
    chkSort->setChecked(vb::Val(gfReadIniFile(gstrIniFile, kSetup, QStringLiteral("Sort_at_NewGame"))) != 0);

    // 3.
    lstMember[0]->clear();
    lstMember[1]->clear();
    for (MemberInfo& m : gMemberList)
        m.TeamID.clear();

    // 4. The participants of the last new game, when kept.
    if (vb::Val(gfReadIniFile(gstrIniFile, kSetup, QStringLiteral("KeepMemberEntry"))) == 1) {
        chkKeepMemberEntry->setChecked(true);
        for (int n = 1;; ++n) {
            const QString member = vb::Trim(gfReadIniFile(gstrIniFile, kScoreEntry, memberKey(n)));
            if (member.isEmpty())
                break;
            // A number beyond any field (a damaged settings file) is cut so
            // that it cannot overflow; it names no player.
            const Long id = vb::CLng(std::clamp(vb::Val(member), -2147483648.0, 2147483647.0));
            const QString team = vb::Trim(gfReadIniFile(gstrIniFile, kScoreEntry, teamKey(n)));
            Long index = -1;
            for (Long i = 0; i <= glngMemberListUBound(); ++i) {
                if (gMemberList[i].State != 2 && gMemberList[i].IDNo == id) {
                    index = i;
                    break;
                }
            }
            if (index < 0)
                continue;   // a player deleted since: dropped without a word
            gMemberList[index].TeamID = team;
            registers::addItem(lstMember[1], pfEntryText(index), id);
        }
    } else {
        chkKeepMemberEntry->setChecked(false);
    }

    // 5. Groups; the remembered live group is chosen (which fills the list).
    mFilling = true;
    // A stored number beyond any field (a damaged settings file) is cut so
    // that it cannot overflow; it names no group.
    const Long lastBelong = vb::CLng(std::clamp(
        vb::Val(gfReadIniFile(gstrIniFile, kSetup, QStringLiteral("LastBelong_at_NewGame"))), -2147483648.0, 2147483647.0));
    const int chosen = dialoghelpers::fillGroupBox(cobBelong, lastBelong);
    mFilling = false;
    if (chosen >= 0)
        psSelectGroup(chosen);

    // 6.
    if (cobBelong->currentIndex() < 0 || lstMember[0]->count() == 0)
        psSelectGroup(0);

    // 7.
    psSetButtons();
    psShowEntryCount();
}

void frmNewScoreSetup::psSelectGroup(int index)
{
    if (cobBelong->currentIndex() == index)
        cobBelong_Click();
    else
        cobBelong->setCurrentIndex(index);   // runs cobBelong_Click
}

void frmNewScoreSetup::cobBelong_Click()
{
    if (cobBelong->currentIndex() < 0)
        return;
    gsSetMemberListBox(chkSort->isChecked() ? 1 : 0, 0, lstMember[0], cobBelong->currentData().toInt(), -1);
    psSetButtons();
}

void frmNewScoreSetup::chkSort_Click()
{
    cobBelong_Click();
}

void frmNewScoreSetup::btnEntry_Click()
{
    QListWidget* players = lstMember[0];
    QListWidget* entries = lstMember[1];
    if (!anySelected(players))
        return;
    // The counts are shown once at the end.
    const QSignalBlocker quiet(entries);
    entries->clearSelection();
    for (int i = 0; i < players->count(); ++i) {
        if (!players->item(i)->isSelected())
            continue;
        const Long id = registers::itemData(players->item(i));
        QListWidgetItem* present = nullptr;
        for (int k = 0; k < entries->count(); ++k)
            if (registers::itemData(entries->item(k)) == id) {
                present = entries->item(k);
                break;
            }
        if (present) {
            present->setSelected(true);
            continue;
        }
        const Long index = memberIndexOf(id);
        if (index >= 0)
            gMemberList[index].TeamID.clear();
        auto* item = registers::addItem(entries, pfEntryText(index), id);
        entries->setCurrentItem(item, QItemSelectionModel::Select);
    }
    psSetButtons();
    psShowEntryCount();
}

void frmNewScoreSetup::btnOutEntry_Click()
{
    QListWidget* entries = lstMember[1];
    for (int i = entries->count() - 1; i >= 0; --i) {
        if (!entries->item(i)->isSelected())
            continue;
        const Long index = memberIndexOf(registers::itemData(entries->item(i)));
        if (index >= 0)
            gMemberList[index].TeamID.clear();
        delete entries->takeItem(i);
    }
    psSetButtons();
    psShowEntryCount();
}

void frmNewScoreSetup::btnOffsetTeam_Click()
{
    QListWidget* entries = lstMember[1];
    if (!anySelected(entries)) {
        platform::MsgBox(QStringLiteral("取消すプレイヤーを選択してください。"), platform::vbOKOnly,
                         kErrorTitle, this);
        return;
    }
    for (int i = 0; i < entries->count(); ++i) {
        QListWidgetItem* item = entries->item(i);
        if (!item->isSelected())
            continue;
        const Long index = memberIndexOf(registers::itemData(item));
        if (index >= 0)
            gMemberList[index].TeamID.clear();
        item->setText(pfEntryText(index));
    }
    psShowEntryCount();
}

void frmNewScoreSetup::psMoveEntry(int index)
{
    QListWidget* entries = lstMember[1];
    const int n = entries->count();
    auto swap = [entries](int a, int b) {
        QListWidgetItem* x = entries->item(a);
        QListWidgetItem* y = entries->item(b);
        const QString text = x->text();
        const QVariant data = x->data(Qt::UserRole);
        const bool selected = x->isSelected();
        x->setText(y->text());
        x->setData(Qt::UserRole, y->data(Qt::UserRole));
        x->setSelected(y->isSelected());
        y->setText(text);
        y->setData(Qt::UserRole, data);
        y->setSelected(selected);
    };
    if (index == 0) {
        for (int i = 0; i < n; ++i) {
            if (!entries->item(i)->isSelected())
                continue;
            if (i == 0)
                break;
            swap(i, i - 1);
        }
    } else {
        for (int i = n - 1; i >= 0; --i) {
            if (!entries->item(i)->isSelected())
                continue;
            if (i == n - 1)
                break;
            swap(i, i + 1);
        }
    }
}

void frmNewScoreSetup::btnUpDown_Click(int index)
{
    psMoveEntry(index);
}

void frmNewScoreSetup::btnSelectAll_Click(int index)
{
    lstMember[index]->selectAll();
    psSetButtons();
}

void frmNewScoreSetup::btnSetTeam_Click()
{
    QListWidget* entries = lstMember[1];
    std::vector<int> selected;
    for (int i = 0; i < entries->count(); ++i)
        if (entries->item(i)->isSelected())
            selected.push_back(i);
    if (selected.empty()) {
        platform::MsgBox(QStringLiteral("設定するプレイヤーを選択してください。"), platform::vbOKOnly,
                         kErrorTitle, this);
        return;
    }

    gstrDialogText1.clear();
    if (selected.size() == 1) {
        const Long index = memberIndexOf(registers::itemData(entries->item(selected.front())));
        if (index >= 0)
            gstrDialogText1 = gMemberList[index].TeamID;
    }
    glngDialogParam = 0;
    {
        frmSetTeam dlg(this);
        dlg.exec();
    }
    if (gintDialogResult == -1)
        return;
    // This dialog still reports a cancel when it is closed without OK.
    gintDialogResult = -1;
    for (int i : selected) {
        QListWidgetItem* item = entries->item(i);
        const Long index = memberIndexOf(registers::itemData(item));
        if (index >= 0)
            gMemberList[index].TeamID = gstrDialogText1;
        item->setText(pfEntryText(index));
    }
    psShowEntryCount();
}

void frmNewScoreSetup::btnOK_Click()
{
    QListWidget* entries = lstMember[1];
    gNewEntries.clear();
    // The whole list is written in one replace of the settings file, so a
    // program killed half-way never leaves part of it to be offered next
    // time.
    std::vector<std::pair<QString, QString>> stored;
    for (int i = 0; i < entries->count(); ++i) {
        const Long id = registers::itemData(entries->item(i));
        const Long index = memberIndexOf(id);
        const QString team = index >= 0 ? vb::Trim(gMemberList[index].TeamID) : QString();
        stored.emplace_back(memberKey(i + 1), QString::number(id));
        stored.emplace_back(teamKey(i + 1), team);
        NewEntry e;
        e.IDNo = index >= 0 ? gMemberList[index].IDNo : id;
        e.TeamID = team;
        gNewEntries.push_back(e);
    }
    gfWriteIniSection(gstrIniFile, kScoreEntry, stored);
    gfWriteIniFile(gstrIniFile, kSetup, QStringLiteral("KeepMemberEntry"),
                   chkKeepMemberEntry->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    const int group = cobBelong->currentIndex() >= 0 ? cobBelong->currentData().toInt() : -1;
    gfWriteIniFile(gstrIniFile, kSetup, QStringLiteral("LastBelong_at_NewGame"), QString::number(group));
    gfWriteIniFile(gstrIniFile, kSetup, QStringLiteral("Sort_at_NewGame"),
                   chkSort->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    gintDialogResult = 0;
    done(QDialog::Accepted);
}

void frmNewScoreSetup::btnCancel_Click()
{
    gintDialogResult = -1;
    done(QDialog::Rejected);
}

void frmNewScoreSetup::reject()
{
    btnCancel_Click();
}

void frmNewScoreSetup::keyPressEvent(QKeyEvent* event)
{
    // No button is the dialog's default: Enter presses only the button that
    // has the focus.
    if (!dialoghelpers::takeDialogKey(this, event, false))
        QDialog::keyPressEvent(event);
}

void frmNewScoreSetup::psSetButtons()
{
    const bool player = anySelected(lstMember[0]);
    const bool entry = anySelected(lstMember[1]);
    btnEntry->setEnabled(player);
    for (QPushButton* b : {btnOutEntry, btnSetTeam, btnOffsetTeam, btnUpDown[0], btnUpDown[1]})
        b->setEnabled(entry);
}

void frmNewScoreSetup::psShowEntryCount()
{
    QListWidget* entries = lstMember[1];
    QString team;
    for (int i = 0; i < entries->count(); ++i) {
        if (!entries->item(i)->isSelected())
            continue;
        const Long index = memberIndexOf(registers::itemData(entries->item(i)));
        if (index < 0)
            continue;
        const QString t = vb::Trim(gMemberList[index].TeamID);
        if (!t.isEmpty()) {
            team = t;
            break;
        }
    }
    if (!team.isEmpty()) {
        int count = 0;
        for (int i = 0; i < entries->count(); ++i) {
            const Long index = memberIndexOf(registers::itemData(entries->item(i)));
            if (index >= 0 && vb::Trim(gMemberList[index].TeamID) == team)
                ++count;
        }
        lblTeamNum->setText(QStringLiteral("[ ") + team + QStringLiteral(" ﾁｰﾑ ") + QString::number(count)
                            + QStringLiteral("名]"));
    } else {
        lblTeamNum->clear();
    }
    lblEntryNum->setText(QStringLiteral("参加 ") + QString::number(entries->count()) + QStringLiteral("名"));
}

bool frmNewScoreSetup::eventFilter(QObject* watched, QEvent* event)
{
    // The buttons follow the selection when a mouse button is released over
    // either list.
    // The list settles its selection on the release itself, so the buttons
    // are set right after it.
    if (event->type() == QEvent::MouseButtonRelease
        && (watched == lstMember[0]->viewport() || watched == lstMember[1]->viewport()))
        QTimer::singleShot(0, this, [this] { psSetButtons(); });
    return QDialog::eventFilter(watched, event);
}
