// Small pieces shared by the master-data registers and their dialogs: the
// hourglass for the length of a handler, list-box rows that carry an item
// value, and a focus-out hook for the boxes that check or rewrite their text
// when the user leaves them.
#pragma once

#include "platform/uiservice.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QListWidget>
#include <QObject>
#include <QScrollBar>
#include <QString>
#include <QWidget>

#include <functional>

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
// window (not when the window itself is left, e.g. for a message box). The
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
            const auto reason = static_cast<QFocusEvent*>(ev)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
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

}  // namespace registers
