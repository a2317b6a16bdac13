#include "registers/frmBelong.h"

#include "core/ini.h"
#include "grid/uctMyGrid.h"
#include "registers/frmRegiGroup.h"
#include "registers/modRegisters.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("所属登録/編集");
constexpr int kRowHeight = 350;
constexpr quint32 kEvenRowColor = 250 + 250 * 256 + 250 * 65536;   // RGB(250, 250, 250)

// The body's inner size in pixels: the grid is 3500 twips high.
constexpr int kBodyWidthPx = 420;
constexpr int kBodyHeightPx = 233;

QString groupSection(Long id) { return QStringLiteral("group") + QString::number(id); }

}  // namespace

frmBelong::frmBelong(QWidget* owner) : ListRegister(owner)
{
    setObjectName("frmBelong");
    setWindowTitle(QStringLiteral("所属一覧"));

    picBody = new QFrame(this);
    picBody->setObjectName("picBody");
    picBody->setFixedSize(kBodyWidthPx, kBodyHeightPx);
    uctGroupList = new uctMyGrid(picBody);
    uctGroupList->setObjectName("uctGroupList");
    createButtons(QStringLiteral("編集"));

    auto* buttons = new QHBoxLayout;
    addButtons(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picBody);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(btnAdd, btnEdit);
    setTabOrder(btnEdit, btnDelete);
    setTabOrder(btnDelete, btnClose);

    connect(uctGroupList, &uctMyGrid::MGCellClick, this, &frmBelong::uctGroupList_MGCellClick);
    connect(uctGroupList, &uctMyGrid::MGCellDblClick, this, &frmBelong::uctGroupList_MGCellDblClick);

    Form_Load();
}

void frmBelong::Form_Load()
{
    mGroupTopRow = -1;
    uctGroupList->moveTwips(0, 0, kBodyWidthPx * uctMyGrid::TwipsPerPixel,
                            kBodyHeightPx * uctMyGrid::TwipsPerPixel);
    for (const BelongInfo& g : gBelongList) {
        if (g.State != 2) {
            mGroupTopRow = 1;
            break;
        }
    }
    gfWriteIniFile(gstrIniFile, "Setup", "SelectedBlong", QString());
    psSetGroupList();
}

void frmBelong::psSetGroupList()
{
    try {
        int m = 0;
        for (const BelongInfo& g : gBelongList)
            if (g.State != 2)
                ++m;

        uctMyGrid* grid = uctGroupList;
        grid->gsClear();
        grid->gsSetFixedTopRow(true, false);
        grid->gsSetSelectRowColor(QVariant(quint32(0x8000000D)), QVariant(quint32(0x8000000E)));
        grid->gsCreateColsRows(2, m + 1);
        grid->gsSetColInfo(0, "Width", 4500);
        grid->gsSetColInfo(1, "Width", 1200);
        grid->gsSetText(0, 0, QStringLiteral("所属名"));
        grid->gsSetCellData(0, 0, "Alignment", 0);
        grid->gsSetText(1, 0, QStringLiteral("略名"));
        grid->gsSetCellData(1, 0, "Alignment", 0);
        grid->gsSetRowInfo(0, "Height", kRowHeight);

        int r = 0;
        for (const BelongInfo& g : gBelongList) {
            if (g.State == 2)
                continue;
            ++r;
            grid->gsSetRowInfo(r, "Height", kRowHeight);
            grid->gsSetRowInfo(r, "RowItemData", static_cast<int>(g.BelongID));
            if (r % 2 == 0) {
                grid->gsSetCellData(0, r, "BackColor", QVariant(kEvenRowColor));
                grid->gsSetCellData(1, r, "BackColor", QVariant(kEvenRowColor));
            }
            grid->gsSetText(0, r, vb::Trim(g.Name));
            grid->gsSetCellData(0, r, "Alignment", 0);
            grid->gsSetText(1, r, vb::Trim(g.ShortName));
            grid->gsSetCellData(1, r, "Alignment", 0);
        }

        const double s = vb::Val(gfReadIniFile(gstrIniFile, "Setup", "SelectedBlong"));
        int selectedRow = -1;
        for (int row = 1; row <= grid->gfRowCount() - 1; ++row) {
            const int id = grid->gfGetRowItemData(row);
            if (id < 0)
                break;
            if (id == s) {
                if (!grid->gfGetRowSelected(row))
                    grid->gsSetSelectRow(row);
                selectedRow = row;
                break;
            }
        }

        grid->gsUpdate();
        if (mGroupTopRow != -1) {
            grid->gsSetTopIndexOfRowsY(mGroupTopRow);
            mGroupTopRow = -1;
        } else if (selectedRow > 0) {
            const int v = vb::CInt(static_cast<double>(grid->twipsHeight()) / kRowHeight);
            const int t = selectedRow - (v - 3);
            if (t >= 1)
                grid->gsSetTopIndexOfRowsY(t);
        }
        grid->gsUpdate();
    } catch (const vb::VbError& e) {
        platform::MsgBox(QStringLiteral("psSetGroupList() : ") + e.description(), platform::vbCritical,
                         QStringLiteral("エラー"), this);
    } catch (const std::exception& e) {
        platform::MsgBox(QStringLiteral("psSetGroupList() : ") + QString::fromLocal8Bit(e.what()),
                         platform::vbCritical, QStringLiteral("エラー"), this);
    }
}

void frmBelong::uctGroupList_MGCellClick(int lngCol, int lngRow)
{
    const int id = uctGroupList->gfGetRowItemData(lngRow);
    if (id > 0)
        gfWriteIniFile(gstrIniFile, "Setup", "SelectedBlong", QString::number(id));
}

void frmBelong::uctGroupList_MGCellDblClick(int lngCol, int lngRow)
{
    btnEdit_Click();
}

// The group of the selected row; with none selected, shows the message.
BelongInfo* frmBelong::pfSelectedGroup(const QString& noSelectionMessage)
{
    const int row = registers::firstSelectedRow(uctGroupList);
    if (row < 0) {
        registers::showError(noSelectionMessage, this);
        return nullptr;
    }
    const int id = uctGroupList->gfGetRowItemData(row);
    if (id < 1)
        return nullptr;
    for (BelongInfo& g : gBelongList)
        if (g.BelongID == id)
            return &g;
    return nullptr;
}

void frmBelong::btnAdd_Click()
{
    gstrDialogCaption = kCaption;
    gstrDialogText1.clear();
    gstrDialogText2.clear();
    if (!registers::runDialog<frmRegiGroup>(this))
        return;
    try {
        registers::Hourglass hourglass;
        const Long n = registers::takeNextNumber(gstrGroupFile, "MaxGroupNo");
        const QString name = vb::Trim(gstrDialogText1);
        const QString shortName = vb::Trim(gstrDialogText2);
        registers::writeKey(gstrGroupFile, groupSection(n), "Name", name, this);
        registers::writeKey(gstrGroupFile, groupSection(n), "ShortName", shortName, this);
        registers::writeKey(gstrGroupFile, groupSection(n), "State", "0", this);
        BelongInfo g;
        g.BelongID = n;
        g.Name = name;
        g.ShortName = shortName;
        g.State = 0;
        gBelongList.push_back(g);
        gfWriteIniFile(gstrIniFile, "Setup", "SelectedBlong", QString::number(n));
        psSetGroupList();
    } catch (const std::exception&) {
        // Ends without a message; what was written stays.
    }
}

void frmBelong::btnEdit_Click()
{
    BelongInfo* entry = pfSelectedGroup(QStringLiteral("編集する所属を選択してください。"));
    if (!entry)
        return;
    const Long id = entry->BelongID;
    gstrDialogText1 = entry->Name;
    gstrDialogText2 = entry->ShortName;
    gstrDialogCaption = kCaption;
    if (!registers::runDialog<frmRegiGroup>(this))
        return;
    try {
        registers::Hourglass hourglass;
        const QString name = vb::Trim(gstrDialogText1);
        const QString shortName = vb::Trim(gstrDialogText2);
        registers::writeKey(gstrGroupFile, groupSection(id), "Name", name, this);
        registers::writeKey(gstrGroupFile, groupSection(id), "ShortName", shortName, this);
        entry->Name = name;
        entry->ShortName = shortName;
        mGroupTopRow = uctGroupList->gfGetTopIndexOfRowsY();
        psSetGroupList();
    } catch (const std::exception&) {
    }
}

void frmBelong::btnDelete_Click()
{
    BelongInfo* entry = pfSelectedGroup(QStringLiteral("削除する所属を選択してください。"));
    if (!entry)
        return;
    if (!registers::confirmDelete(QStringLiteral("所属"), entry->Name, QStringLiteral("所属削除確認"), this))
        return;
    try {
        registers::Hourglass hourglass;
        registers::writeKey(gstrGroupFile, groupSection(entry->BelongID), "State", "2", this);
        entry->State = 2;
        mGroupTopRow = uctGroupList->gfGetTopIndexOfRowsY();
        psSetGroupList();
    } catch (const std::exception&) {
    }
}
