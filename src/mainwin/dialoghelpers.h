// Keys and the group box shared by the dialogs of the main window that have
// no default button.
#pragma once

#include "core/records.h"

class QComboBox;
class QDialog;
class QKeyEvent;

namespace dialoghelpers {

// Enter (Return or keypad Enter) presses only the button of `dialog` that has
// the focus, or nothing; with swallowEscape Esc does nothing either. True when
// the key was taken; otherwise the dialog's own handling is left to run.
bool takeDialogKey(QDialog* dialog, QKeyEvent* event, bool swallowEscape);

// Fills a player-group box: "すべて" (-1), "無し" (0), then every group of
// gBelongList that is not deleted, each with its BelongID as item data. No
// item is current afterwards. Returns the index of the group `lastBelong`,
// or -1 when it is not among them.
int fillGroupBox(QComboBox* box, Long lastBelong);

}  // namespace dialoghelpers
