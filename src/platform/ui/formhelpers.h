// Small behaviours shared by the data-entry dialogs: Enter moves on like Tab,
// a text box selects its whole text when it gets the focus, a digits-only
// key filter, a typing limit that binds the keyboard but not code, and the
// input-method mode of a field.
#pragma once

#include <QList>

#include <cstdint>

class QFocusEvent;
class QLineEdit;
class QRadioButton;
class QWidget;
class QKeyEvent;

// Caret to the start and the whole text selected.
void gsSelectAllText(QLineEdit* box);

// Lets Enter (13), Backspace (8) and the digits 0 to 9 through; any other
// character code sounds the bell and is replaced by 0 (the box ignores it).
void gsNumKeyOnly(std::int16_t& keyAscii);

namespace formhelpers {

// Enter (Return or keypad Enter) in the widget is swallowed and focus moves
// to the next control, as a Tab would.
void enterAsTab(QWidget* w);

// The box selects its whole text whenever it gets the focus (also after a
// mouse click, which would otherwise place the caret).
void selectAllOnFocus(QLineEdit* box);

// Typed characters other than digits are refused with a beep (through
// gsNumKeyOnly); editing keys, Enter and shortcuts pass.
void numKeysOnly(QLineEdit* box);

// At most maxChars characters can be typed or pasted; text set by code is
// not cut (unlike QLineEdit::setMaxLength).
void typingLimit(QLineEdit* box, int maxChars);

enum class ImeMode {
    Off,        // dates, numbers, identifiers
    Hiragana,   // names, readings, titles, descriptions
};
void setImeMode(QWidget* w, ImeMode mode);

// An option group is one tab stop, and the stop is its chosen option: only
// the chosen option takes the focus from Tab, Backtab or Enter-as-Tab, so
// Space or an arrow key cannot change the choice by accident. Arrow keys
// still move the choice inside the group. A group with nothing chosen keeps
// every option as a stop.
void chosenOptionIsTheStop(const QList<QRadioButton*>& group);

// True for Return and keypad Enter.
bool isEnterKey(const QKeyEvent* e);

// True when a focus-out of `box` means the user left it for another control
// of its window. False when the window loses the activation or a popup opens
// (the user comes back to the box as it was), and for the focus-out of a
// window that is closed or being destroyed: nobody works in a hidden window,
// and a dialog being destroyed must not run its handlers half gone.
bool leavesForAnotherControl(const QWidget* box, const QFocusEvent* event);

}  // namespace formhelpers
