#include "registers/modRegisters.h"

#include "core/ini.h"
#include "grid/uctMyGrid.h"
#include "platform/vbruntime.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace registers {

int findRow(const QListWidget* list, int value)
{
    for (int i = 0; i < list->count(); ++i)
        if (itemData(list->item(i)) == value)
            return i;
    return -1;
}

int firstSelectedRow(const uctMyGrid* grid)
{
    for (int row = 1; row <= grid->gfRowCount() - 1; ++row)
        if (grid->gfGetRowSelected(row))
            return row;
    return -1;
}

namespace {

// A register file that could not be written (read-only, a folder where the
// file should be, a full disk): the user is told, and the error ends the
// command before the list shows an entry as stored or deleted.
[[noreturn]] void raiseNotWritten(const QString& file, QWidget* owner)
{
    showError(QStringLiteral("ファイルに書き込めませんでした。\r\n") + QDir::toNativeSeparators(file), owner);
    vb::raisePermissionDenied();
}

}  // namespace

Long takeNextNumber(const QString& file, const QString& maxKey)
{
    const Long n = vb::CInt(vb::Val(gfReadIniFile(file, "Management", maxKey)) + 1);
    writeKey(file, "Management", maxKey, QString::number(n));
    return n;
}

void writeKey(const QString& file, const QString& section, const QString& key, const QString& value,
              QWidget* owner)
{
    if (gfWriteIniFile(file, section, key, value) == 0)
        raiseNotWritten(file, owner);
}

void fillLiveEntries(QListWidget* list, const QString& file, const QString& maxKey, const QString& prefix)
{
    list->clear();
    // The file is parsed once for the whole list.
    const IniFileReader entries(file);
    const int maxNo = entries.highestNumber(maxKey);
    for (int n = 1; n <= maxNo; ++n) {
        const QString section = prefix + QString::number(n);
        if (vb::Val(entries.value(section, "State")) == 0)
            addItem(list, entries.value(section, "Name"), n);
    }
    selectRow(list, -1);
}

void deleteSelectedEntry(QListWidget* list, const QString& file, const QString& prefix,
                         const QString& noSelectionMessage, const QString& label, QWidget* owner)
{
    const int row = requireSelection(list, noSelectionMessage, owner);
    if (row < 0)
        return;
    QListWidgetItem* item = list->item(row);
    if (!confirmDelete(label, item->text(), QStringLiteral("削除確認"), owner))
        return;
    try {
        Hourglass hourglass;
        writeKey(file, prefix + QString::number(itemData(item)), "State", "2", owner);
        delete list->takeItem(row);
    } catch (const std::exception&) {
    }
}

void showError(const QString& message, QWidget* owner)
{
    platform::MsgBox(message, platform::vbOKOnly, QStringLiteral("エラー"), owner);
}

int requireSelection(QListWidget* list, const QString& message, QWidget* owner)
{
    const int row = selectedIndex(list);
    if (row < 0) {
        showError(message, owner);
        list->setFocus();
    }
    return row;
}

bool confirmDelete(const QString& label, const QString& name, const QString& title, QWidget* owner)
{
    return platform::MsgBox(label + QStringLiteral("：") + name + QStringLiteral("\nを削除します。"),
                            platform::vbOKCancel, title, owner)
        != platform::vbCancel;
}

QString requireText(QLineEdit* box, const QString& message, QWidget* owner)
{
    const QString text = vb::Trim(box->text());
    if (text.isEmpty()) {
        showError(message, owner);
        box->setFocus();
    }
    return text;
}

namespace {

class EnterPresses : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        if (ev->type() == QEvent::KeyPress && formhelpers::isEnterKey(static_cast<QKeyEvent*>(ev))) {
            auto* button = static_cast<QPushButton*>(obj);
            if (button->isEnabled())
                button->click();
            return true;
        }
        return QObject::eventFilter(obj, ev);
    }
};

}  // namespace

void enterPressesWhenFocused(QPushButton* button)
{
    button->installEventFilter(new EnterPresses(button));
}

void setUpTextBox(QLineEdit* box, formhelpers::ImeMode mode)
{
    formhelpers::setImeMode(box, mode);
    formhelpers::selectAllOnFocus(box);
    formhelpers::enterAsTab(box);
}

EntryDialog::EntryDialog(QWidget* owner) : QDialog(owner)
{
    setModal(true);
}

QHBoxLayout* EntryDialog::createOkCancel()
{
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName("btnOK");
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName("btnCancel");
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (auto* b : {btnOK, btnCancel}) {
        b->setAutoDefault(false);
        enterPressesWhenFocused(b);
        row->addWidget(b);
    }
    connect(btnOK, &QPushButton::clicked, this, &EntryDialog::btnOK_Click);
    connect(btnCancel, &QPushButton::clicked, this, &EntryDialog::btnCancel_Click);
    return row;
}

void EntryDialog::btnCancel_Click()
{
    gintDialogResult = -1;
    done(QDialog::Rejected);
}

void EntryDialog::reject()
{
    btnCancel_Click();
}

ListRegister::ListRegister(QWidget* owner) : QDialog(owner)
{
    setModal(true);
}

void ListRegister::createButtons(const QString& editCaption)
{
    btnAdd = new QPushButton(QStringLiteral("新規登録"), this);
    btnAdd->setObjectName("btnAdd");
    btnEdit = new QPushButton(editCaption, this);
    btnEdit->setObjectName("btnEdit");
    btnDelete = new QPushButton(QStringLiteral("削除"), this);
    btnDelete->setObjectName("btnDelete");
    btnClose = new QPushButton(QStringLiteral("閉じる"), this);
    btnClose->setObjectName("btnClose");
    for (auto* b : {btnAdd, btnEdit, btnDelete, btnClose}) {
        b->setAutoDefault(false);
        enterPressesWhenFocused(b);
    }

    connect(btnAdd, &QPushButton::clicked, this, &ListRegister::btnAdd_Click);
    connect(btnEdit, &QPushButton::clicked, this, &ListRegister::btnEdit_Click);
    connect(btnDelete, &QPushButton::clicked, this, &ListRegister::btnDelete_Click);
    connect(btnClose, &QPushButton::clicked, this, &ListRegister::btnClose_Click);
}

void ListRegister::addButtons(QBoxLayout* box)
{
    for (auto* b : {btnAdd, btnEdit, btnDelete})
        box->addWidget(b);
    box->addStretch(1);
    box->addWidget(btnClose);
}

void ListRegister::layOutBeside(QWidget* body)
{
    auto* column = new QVBoxLayout;
    addButtons(column);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(body, 1);
    layout->addLayout(column);
}

void ListRegister::layOutBeside(QLayout* body)
{
    auto* column = new QVBoxLayout;
    addButtons(column);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(column);
}

void ListRegister::btnClose_Click()
{
    done(QDialog::Accepted);
}

void ListRegister::reject()
{
}

void ListRegister::closeEvent(QCloseEvent* e)
{
    e->accept();
    done(QDialog::Rejected);
}

}  // namespace registers
