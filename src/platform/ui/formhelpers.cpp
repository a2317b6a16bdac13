#include "platform/ui/formhelpers.h"

#include "platform/uiservice.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>

void gsSelectAllText(QLineEdit* box)
{
    if (!box)
        return;
    box->setCursorPosition(0);
    box->selectAll();
}

void gsNumKeyOnly(std::int16_t& keyAscii)
{
    if (keyAscii == 13 || keyAscii == 8 || (keyAscii >= '0' && keyAscii <= '9'))
        return;
    platform::ui().beep();
    keyAscii = 0;
}

namespace formhelpers {
namespace {

class EnterAsTabFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        if (ev->type() == QEvent::KeyPress) {
            auto* ke = static_cast<QKeyEvent*>(ev);
            if (isEnterKey(ke) && (ke->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                if (auto* w = qobject_cast<QWidget*>(obj)) {
                    // Send a real Tab so the widget's own focus chain applies.
                    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                    QApplication::sendEvent(w, &tab);
                }
                return true;
            }
        }
        return false;
    }
};

class SelectAllFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        if (ev->type() == QEvent::FocusOut) {
            m_lostToWindowOrPopup = isWindowOrPopup(static_cast<QFocusEvent*>(ev)->reason());
            return false;
        }
        if (ev->type() == QEvent::FocusIn) {
            // Focus coming back because the window was re-activated or a
            // popup closed is not a new visit to the box: keep the selection.
            const bool returning = m_lostToWindowOrPopup
                && isWindowOrPopup(static_cast<QFocusEvent*>(ev)->reason());
            m_lostToWindowOrPopup = false;
            if (returning)
                return false;
            QPointer<QLineEdit> box = qobject_cast<QLineEdit*>(obj);
            // Deferred: a mouse click places the caret after the focus event.
            QTimer::singleShot(0, box, [box] {
                if (box && box->window()->focusWidget() == box)
                    gsSelectAllText(box);
            });
        }
        return false;
    }

private:
    static bool isWindowOrPopup(Qt::FocusReason r)
    {
        return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
    }
    bool m_lostToWindowOrPopup = false;
};

class NumKeysFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* ev) override
    {
        if (ev->type() != QEvent::KeyPress)
            return false;
        auto* ke = static_cast<QKeyEvent*>(ev);
        const QString text = ke->text();
        if (text.isEmpty() || (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;   // navigation keys, shortcuts
        const QChar c = text.at(0);
        if (c.unicode() < 32 && c.unicode() != 8 && c.unicode() != 13)
            return false;   // Tab, Esc and other control keys keep their meaning
        std::int16_t code = c.unicode() > 0x7FFF ? std::int16_t(0x7FFF) : std::int16_t(c.unicode());
        gsNumKeyOnly(code);
        return code == 0;
    }
};

class TypingLimitFilter : public QObject {
public:
    TypingLimitFilter(QObject* parent, int limit) : QObject(parent), m_limit(limit) {}
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        if (ev->type() != QEvent::KeyPress)
            return false;
        auto* box = qobject_cast<QLineEdit*>(obj);
        auto* ke = static_cast<QKeyEvent*>(ev);
        if (!box)
            return false;
        if (ke->matches(QKeySequence::Paste)) {
            const int free = m_limit - (box->text().length() - box->selectedText().length());
            if (free <= 0)
                return true;
            return false;   // a paste longer than the room is cut by textEdited below
        }
        const QString text = ke->text();
        if (text.isEmpty() || text.at(0).unicode() < 32 || (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        const int kept = box->text().length() - box->selectedText().length();
        return kept + text.length() > m_limit;
    }

private:
    int m_limit;
};

}  // namespace

bool isEnterKey(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

bool leavesForAnotherControl(const QWidget* box, const QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    // A dialog is hidden before its children are destroyed, so this also
    // covers the focus-out a box sends while it is being destroyed.
    return box->window()->isVisible();
}

void enterAsTab(QWidget* w)
{
    if (w)
        w->installEventFilter(new EnterAsTabFilter(w));
}

void selectAllOnFocus(QLineEdit* box)
{
    if (box)
        box->installEventFilter(new SelectAllFilter(box));
}

void numKeysOnly(QLineEdit* box)
{
    if (box)
        box->installEventFilter(new NumKeysFilter(box));
}

void typingLimit(QLineEdit* box, int maxChars)
{
    if (!box)
        return;
    box->installEventFilter(new TypingLimitFilter(box, maxChars));
    // A paste or an input-method commit longer than the room is cut back to
    // the limit; only user edits come through textEdited.
    QObject::connect(box, &QLineEdit::textEdited, box, [box, maxChars](const QString& t) {
        if (t.length() > maxChars) {
            const int pos = std::min(box->cursorPosition(), maxChars);
            box->setText(t.left(maxChars));
            box->setCursorPosition(pos);
        }
    });
}

void setImeMode(QWidget* w, ImeMode mode)
{
    if (!w)
        return;
    Qt::InputMethodHints hints = w->inputMethodHints();
    if (mode == ImeMode::Off) {
        hints |= Qt::ImhPreferLatin | Qt::ImhNoPredictiveText;
    } else {
        hints &= ~(Qt::ImhPreferLatin | Qt::ImhLatinOnly);
    }
    w->setInputMethodHints(hints);
    w->setAttribute(Qt::WA_InputMethodEnabled, true);
}

void chosenOptionIsTheStop(const QList<QRadioButton*>& group)
{
    auto update = [group] {
        bool anyChosen = false;
        for (QRadioButton* o : group)
            anyChosen = anyChosen || o->isChecked();
        for (QRadioButton* o : group)
            o->setFocusPolicy(!anyChosen || o->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton* o : group)
        QObject::connect(o, &QRadioButton::toggled, o, update);
    update();
}

}  // namespace formhelpers
