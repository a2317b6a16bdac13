// Keys, the group box and the date messages shared by the dialogs of every
// window.
#pragma once

#include "core/records.h"

#include <QString>

class QComboBox;
class QDialog;
class QKeyEvent;

namespace dialoghelpers {

// For dialogs without a default button: Enter (Return or keypad Enter)
// presses only the button of `dialog` that has the focus, or nothing; with
// swallowEscape Esc does nothing either. True when the key was taken;
// otherwise the dialog's own handling is left to run.
bool takeDialogKey(QDialog* dialog, QKeyEvent* event, bool swallowEscape);

// Fills a player-group box: "すべて" (-1), "無し" (0), then every group of
// gBelongList that is not deleted (and, with markedOnly, whose Marked is 1),
// each with its BelongID as item data. No item is current afterwards.
// Returns the index of the group `lastBelong`, or -1 when it is not among
// them.
int fillGroupBox(QComboBox* box, Long lastBelong, bool markedOnly = false);

// The three-line message shown for a text that is not a date.
QString dateErrorText();
// The four-line date-input help; its last line (the era example) is
// indented by `indent` ideographic spaces.
QString dateHelpText(int indent);

}  // namespace dialoghelpers
