// Small pieces shared by the master-data registers and their dialogs: the
// hourglass for the length of a handler, list-box rows that carry an item
// value, a focus-out hook for the boxes that check or rewrite their text
// when the user leaves them, the numbered register files, the common
// messages, the OK/ｷｬﾝｾﾙ row of the entry dialogs and the frame of the list
// registers (新規登録, edit, 削除, 閉じる).
#pragma once

#include "core/records.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QListWidget>
#include <QObject>
#include <QScrollBar>
#include <QString>
#include <QWidget>

#include <functional>

class QBoxLayout;
class QCloseEvent;
class QHBoxLayout;
class QLayout;
class QLineEdit;
class QPushButton;
class uctMyGrid;

namespace registers {

// Shows the hourglass while it lives; the arrow comes back on every path.
class Hourglass {
public:
    Hourglass() { platform::setHourglass(); }
    ~Hourglass() { platform::resetMousePointer(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

// A list box row's item value (ItemData).
inline int itemData(const QListWidgetItem* item)
{
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

// Appends a row with its item value; never selects it.
inline QListWidgetItem* addItem(QListWidget* list, const QString& text, int value)
{
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, value);
    list->addItem(item);
    return item;
}

// Index of the selected row, -1 when none.
inline int selectedIndex(const QListWidget* list)
{
    const auto items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

// Selects one row (or none for -1) and makes it current.
inline void selectRow(QListWidget* list, int row)
{
    if (row < 0 || row >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1, QItemSelectionModel::Clear);
        return;
    }
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(row));
}

// A list box shows whole rows and scrolls by rows, so the scroll value is the
// index of the first visible row (TopIndex).
inline void scrollByRows(QListWidget* list)
{
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}
inline int topIndex(const QListWidget* list) { return list->verticalScrollBar()->value(); }
inline void setTopIndex(QListWidget* list, int row) { list->verticalScrollBar()->setValue(row); }

// Runs `handler` when the widget loses the focus to another control of its
// window (not when the window itself is left, e.g. for a message box, nor
// when the window is closed or destroyed with the focus in the widget). The
// handler receives the widget taking the focus. A handler that shows a
// message and puts the focus back cannot run again inside itself.
class LostFocusHook : public QObject {
public:
    LostFocusHook(QWidget* w, std::function<void(QWidget*)> handler)
        : QObject(w), m_handler(std::move(handler))
    {
        w->installEventFilter(this);
    }

    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        if (ev->type() == QEvent::FocusOut && !m_running) {
            if (!formhelpers::leavesForAnotherControl(static_cast<QWidget*>(obj), static_cast<QFocusEvent*>(ev)))
                return false;
            m_running = true;
            QWidget* next = QApplication::focusWidget();
            m_handler(next);
            m_running = false;
        }
        return QObject::eventFilter(obj, ev);
    }

private:
    std::function<void(QWidget*)> m_handler;
    bool m_running = false;
};

// Installs a LostFocusHook on the widget.
inline void onLostFocus(QWidget* w, std::function<void(QWidget*)> handler)
{
    new LostFocusHook(w, std::move(handler));
}

// Row of the list whose item value is `value`, -1 when none.
int findRow(const QListWidget* list, int value);

// The first selected data row of a grid (row 0 is the heading), -1 when none.
int firstSelectedRow(const uctMyGrid* grid);

// --- Numbered register files --------------------------------------------
// A register file keeps one section per entry, [<prefix><n>], and the
// highest number handed out in [Management] <maxKey>; numbers are never
// reused.

// Reads the highest number, writes it again one higher and returns the new
// number (raises when the file's value is out of range, and after the
// not-written message when the file cannot be written).
Long takeNextNumber(const QString& file, const QString& maxKey);

// Writes one key of a register file. When the file cannot be written
// (read-only, a folder where the file should be, a full disk) the user is
// told and the error is raised, so that the command ends before the list
// shows the change as stored.
void writeKey(const QString& file, const QString& section, const QString& key, const QString& value,
              QWidget* owner = nullptr);

// Fills the list with the Name of every live entry (State 0 or missing), in
// number order, each row carrying its number; no row is selected.
void fillLiveEntries(QListWidget* list, const QString& file, const QString& maxKey,
                     const QString& prefix);

// The delete button of such a list: with no row selected shows
// `noSelectionMessage`; otherwise asks "<label>：<name>\nを削除します。"
// (title "削除確認") and on OK marks the entry's section State "2" and
// removes its row. A failure ends without a message.
void deleteSelectedEntry(QListWidget* list, const QString& file, const QString& prefix,
                         const QString& noSelectionMessage, const QString& label, QWidget* owner);

// --- Messages -------------------------------------------------------------

// The plain error message: OK only, title "エラー".
void showError(const QString& message, QWidget* owner);

// The selected row of the list; with none, shows `message` as an error,
// puts the focus on the list and returns -1.
int requireSelection(QListWidget* list, const QString& message, QWidget* owner);

// Asks "<label>：<name>\nを削除します。" with OK/ｷｬﾝｾﾙ; false when cancelled.
bool confirmDelete(const QString& label, const QString& name, const QString& title, QWidget* owner);

// The box's trimmed text; when it is blank, shows `message` as an error,
// puts the focus back in the box and returns "".
QString requireText(QLineEdit* box, const QString& message, QWidget* owner);

// Enter on the button while it has the focus presses it, as the window
// system's buttons do (none of these buttons is pressed by Enter elsewhere).
void enterPressesWhenFocused(QPushButton* button);

// --- Entry dialogs --------------------------------------------------------

// Opens the dialog (which reads and writes the dialog variables) modally and
// destroys it; true unless it ended with gintDialogResult = -1.
template <class Dialog>
bool runDialog(QWidget* owner)
{
    {
        Dialog dlg(owner);
        dlg.exec();
    }
    return gintDialogResult != -1;
}

// A typing box of an entry dialog: its input-method mode, the whole text
// selected on entry, Enter moves on.
void setUpTextBox(QLineEdit* box, formhelpers::ImeMode mode);

// The frame of an entry dialog: "OK" and "ｷｬﾝｾﾙ" (neither pressed by
// Enter). ｷｬﾝｾﾙ, Esc and the close box leave with gintDialogResult = -1.
class EntryDialog : public QDialog {
    Q_OBJECT
public:
    virtual void btnOK_Click() = 0;
    virtual void btnCancel_Click();

    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    explicit EntryDialog(QWidget* owner);

    // Creates and wires the two buttons and returns the row that holds them
    // on the right.
    QHBoxLayout* createOkCancel();

    void reject() override;   // Esc and the close box: ｷｬﾝｾﾙ
};

// --- List registers -------------------------------------------------------

// The frame of a list register: the buttons 新規登録, edit, 削除 and 閉じる
// (none pressed by Enter). 閉じる closes the register, Esc does nothing and
// the close box closes it as well.
class ListRegister : public QDialog {
    Q_OBJECT
public:
    virtual void btnAdd_Click() = 0;
    virtual void btnEdit_Click() = 0;
    virtual void btnDelete_Click() = 0;
    void btnClose_Click();

    QPushButton* btnAdd = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    explicit ListRegister(QWidget* owner);

    // Creates and wires the four buttons; the edit button shows `editCaption`.
    void createButtons(const QString& editCaption);
    // Adds the buttons to `box`: add, edit, delete, a stretch, close.
    void addButtons(QBoxLayout* box);
    // Lays the register out: `body` on the left taking the room, the buttons
    // in a column on the right.
    void layOutBeside(QWidget* body);
    void layOutBeside(QLayout* body);

    void reject() override;                    // Esc does nothing
    void closeEvent(QCloseEvent* e) override;  // the close box unloads
};

}  // namespace registers
