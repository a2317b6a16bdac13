#include "game/frmSetTeam.h"

#include "core/ini.h"
#include "core/records.h"
#include "registers/frmRegiTeam.h"
#include "registers/modRegisters.h"
#include "reports/modReports.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString kTeam = QStringLiteral("Team");

QString idKey(int n) { return QStringLiteral("ID") + QString::number(n); }
QString detailKey(int n) { return QStringLiteral("Detail") + QString::number(n); }

QString readID(int n) { return vb::Trim(gfReadIniFile(gstrTeamFile, kTeam, idKey(n))); }
QString readDetail(int n) { return vb::Trim(gfReadIniFile(gstrTeamFile, kTeam, detailKey(n))); }

// True when the team file holds more non-blank identifiers in its Team
// sections than the `listed` ones read from ID1 up to the first blank one:
// the others (after a blank identifier, or in a second Team section of a
// hand-edited file) would be lost when the list is rewritten.
bool pfHasUnlistedTeams(int listed)
{
    if (gfReadIniExFile(gstrTeamFile) != 0)
        return false;
    static const QRegularExpression idKeyPattern(QStringLiteral("^ID[0-9]+$"), QRegularExpression::CaseInsensitiveOption);
    int found = 0;
    for (const IniExSection& s : gIniExSections) {
        if (vb::Trim(s.Name).compare(kTeam, Qt::CaseInsensitive) != 0)
            continue;
        for (Long k = s.FirstKey; k < s.FirstKey + s.KeyCount && k <= glngIniExKeysUBound(); ++k) {
            const IniExKey& e = gIniExKeys[static_cast<size_t>(k)];
            if (idKeyPattern.match(vb::Trim(e.Key)).hasMatch() && !vb::Trim(e.Value).isEmpty())
                ++found;
        }
    }
    gsClearIniEx();
    return found > listed;
}

}  // namespace

QString gfTeamEntryText(const QString& id, const QString& detail)
{
    const QString tid = vb::Trim(id);
    const QString tdetail = vb::Trim(detail);
    QString text = QStringLiteral(" ") + tid;
    if (tid.length() <= 3)
        text += QString(3 - tid.length(), QLatin1Char(' '));
    if (!tdetail.isEmpty())
        text += QStringLiteral(" ： ") + tdetail;
    return text;
}

frmSetTeam::frmSetTeam(QWidget* owner) : QDialog(owner)
{
    setObjectName("frmSetTeam");
    setWindowTitle(QStringLiteral("チーム設定"));
    setModal(true);

    lblHeadID = new QLabel(QStringLiteral("チーム識別"), this);
    lblHeadID->setObjectName("lblHeadID");
    lblHeadDetail = new QLabel(QStringLiteral("詳細"), this);
    lblHeadDetail->setObjectName("lblHeadDetail");
    lstTeams = new QListWidget(this);
    lstTeams->setObjectName("lstTeams");
    lstTeams->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPointSizeF(11.25);
    font.setStyleHint(QFont::Monospace);
    lstTeams->setFont(font);
    lstTeams->setMinimumSize(360, 300);

    btnRegiTeam = new QPushButton(QStringLiteral("登録"), this);
    btnRegiTeam->setObjectName("btnRegiTeam");
    btnEdit = new QPushButton(QStringLiteral("編集"), this);
    btnEdit->setObjectName("btnEdit");
    btnDelete = new QPushButton(QStringLiteral("削除"), this);
    btnDelete->setObjectName("btnDelete");
    btnPrint = new QPushButton(QStringLiteral("印刷"), this);
    btnPrint->setObjectName("btnPrint");
    btnSelect = new QPushButton(QStringLiteral("選択"), this);
    btnSelect->setObjectName("btnSelect");
    btnNone = new QPushButton(QStringLiteral("なし"), this);
    btnNone->setObjectName("btnNone");
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName("btnCancel");
    for (auto* b : {btnRegiTeam, btnEdit, btnDelete, btnPrint, btnNone, btnCancel})
        b->setAutoDefault(false);
    btnSelect->setDefault(true);
    for (auto* b : {btnRegiTeam, btnEdit, btnDelete, btnPrint, btnSelect, btnNone, btnCancel})
        registers::enterPressesWhenFocused(b);

    // The head "詳細" stands above the descriptions, which begin after a
    // blank, three identifier characters and " ： " in the list's font.
    const int detailOffset = QFontMetrics(font).horizontalAdvance(QStringLiteral(" ABC ： "))
        + lstTeams->frameWidth()
        + lstTeams->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lstTeams) + 1;
    lblHeadID->setMinimumWidth(detailOffset);
    auto* heads = new QHBoxLayout;
    heads->setSpacing(0);
    heads->addWidget(lblHeadID);
    heads->addWidget(lblHeadDetail);
    heads->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addLayout(heads);
    left->addWidget(lstTeams, 1);
    auto* right = new QVBoxLayout;
    for (auto* b : {btnRegiTeam, btnEdit, btnDelete, btnPrint})
        right->addWidget(b);
    right->addStretch(1);
    for (auto* b : {btnSelect, btnNone, btnCancel})
        right->addWidget(b);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(btnSelect, &QPushButton::clicked, this, &frmSetTeam::btnSelect_Click);
    connect(lstTeams, &QListWidget::itemDoubleClicked, this, [this] { btnSelect_Click(); });
    connect(btnNone, &QPushButton::clicked, this, &frmSetTeam::btnNone_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmSetTeam::btnCancel_Click);
    connect(btnRegiTeam, &QPushButton::clicked, this, &frmSetTeam::btnRegiTeam_Click);
    connect(btnEdit, &QPushButton::clicked, this, &frmSetTeam::btnEdit_Click);
    connect(btnDelete, &QPushButton::clicked, this, &frmSetTeam::btnDelete_Click);
    connect(btnPrint, &QPushButton::clicked, this, &frmSetTeam::btnPrint_Click);

    // Load.
    mManagement = glngDialogParam == 1;
    if (mManagement) {
        btnNone->setEnabled(false);
        btnCancel->setEnabled(false);
        btnSelect->setText(QStringLiteral("閉じる"));
    }
    gintDialogResult = -1;
    psLoadList(true);
    lstTeams->setFocus();
}

void frmSetTeam::psLoadList(bool useLastUsed)
{
    const QString lastUsed = useLastUsed
        ? vb::Trim(gfReadIniFile(gstrIniFile, "Setup", "lastUsedTeam")) : QString();
    const QString wanted = vb::Trim(gstrDialogText1);
    lstTeams->clear();
    int selected = -1;
    int a = -1;
    for (int n = 1;; ++n) {
        const QString id = readID(n);
        if (id.isEmpty())
            break;
        auto* item = registers::addItem(lstTeams, gfTeamEntryText(id, readDetail(n)), n);
        const int row = lstTeams->row(item);
        if (!wanted.isEmpty() && id == wanted)
            selected = row;
        if (useLastUsed && id == lastUsed)
            a = row;
    }
    if (lstTeams->count() > 0 && selected < 0 && a != -1)
        selected = a;
    registers::selectRow(lstTeams, selected);
}

// The selected row (its item value is the pair number) and the pair's
// identifier; nullptr, after saying that no team is chosen, when no row is
// selected or its pair has no identifier.
QListWidgetItem* frmSetTeam::pfSelectedTeam(QString& id)
{
    const int row = registers::selectedIndex(lstTeams);
    if (row >= 0) {
        QListWidgetItem* item = lstTeams->item(row);
        id = readID(registers::itemData(item));
        if (!id.isEmpty())
            return item;
    }
    registers::showError(QStringLiteral("チーム識別が未選択です。"), this);
    return nullptr;
}

void frmSetTeam::btnSelect_Click()
{
    if (mManagement) {
        gintDialogResult = 0;
        done(QDialog::Accepted);
        return;
    }
    QString id;
    if (!pfSelectedTeam(id))
        return;
    gstrDialogText1 = id;
    gfWriteIniFile(gstrIniFile, "Setup", "lastUsedTeam", id);
    gintDialogResult = 0;
    done(QDialog::Accepted);
}

void frmSetTeam::btnNone_Click()
{
    gstrDialogText1.clear();
    gintDialogResult = 0;
    done(QDialog::Accepted);
}

void frmSetTeam::btnCancel_Click()
{
    gintDialogResult = -1;
    done(QDialog::Rejected);
}

void frmSetTeam::reject()
{
    // Esc presses キャンセル; in management mode it is disabled and Esc does
    // nothing.
    if (btnCancel->isEnabled())
        btnCancel_Click();
}

void frmSetTeam::closeEvent(QCloseEvent* e)
{
    // Whatever a registration, edit or deletion left in the dialog variables,
    // the caller sees a cancelled dialog.
    gintDialogResult = -1;
    e->accept();
    done(QDialog::Rejected);
}

void frmSetTeam::btnRegiTeam_Click()
{
    gintDialogResult = 0;
    gstrDialogText1.clear();
    gstrDialogText2.clear();
    if (!registers::runDialog<frmRegiTeam>(this))
        return;
    int n = 1;
    while (!readID(n).isEmpty())
        ++n;
    const QString id = vb::Trim(gstrDialogText1);
    const QString detail = vb::Trim(gstrDialogText2);
    gfWriteIniFile(gstrTeamFile, kTeam, idKey(n), id);
    gfWriteIniFile(gstrTeamFile, kTeam, detailKey(n), detail);
    auto* item = registers::addItem(lstTeams, gfTeamEntryText(id, detail), n);
    registers::selectRow(lstTeams, lstTeams->row(item));
}

void frmSetTeam::btnEdit_Click()
{
    QString id;
    QListWidgetItem* item = pfSelectedTeam(id);
    if (!item)
        return;
    const int n = registers::itemData(item);
    const QString detail = readDetail(n);
    gintDialogResult = static_cast<Integer>(n);
    gstrDialogText1 = id;
    gstrDialogText2 = detail;
    if (!registers::runDialog<frmRegiTeam>(this))
        return;
    const QString newID = vb::Trim(gstrDialogText1);
    const QString newDetail = vb::Trim(gstrDialogText2);
    gfWriteIniFile(gstrTeamFile, kTeam, idKey(n), newID);
    gfWriteIniFile(gstrTeamFile, kTeam, detailKey(n), newDetail);
    item->setText(gfTeamEntryText(newID, newDetail));
}

void frmSetTeam::btnDelete_Click()
{
    QString id;
    if (!pfSelectedTeam(id))
        return;
    gstrDialogText1 = id;
    QStringList ids;
    QStringList details;
    for (int n = 1;; ++n) {
        const QString listed = readID(n);
        if (listed.isEmpty())
            break;
        ids << listed;
        details << readDetail(n);
    }
    if (pfHasUnlistedTeams(ids.size())) {
        platform::MsgBox(QStringLiteral("一覧に表示できないチームがファイルにあるため、削除できません。"), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
        return;
    }
    gsDeleteIniSection(gstrTeamFile, kTeam);
    int k = 0;
    for (int i = 0; i < ids.size(); ++i) {
        if (ids[i] == id)
            continue;
        ++k;
        gfWriteIniFile(gstrTeamFile, kTeam, idKey(k), ids[i]);
        gfWriteIniFile(gstrTeamFile, kTeam, detailKey(k), details[i]);
    }
    psLoadList(false);
}

void frmSetTeam::btnPrint_Click()
{
    platform::setHourglass();
    gfPrintRegiTeamList(0, this);
    platform::resetMousePointer();
}
