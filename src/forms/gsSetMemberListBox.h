// Fills a list box with players.
#pragma once

#include "core/records.h"

class QListWidget;

// Clears the list (no selection) and adds every player of gMemberList that is
// not deleted, passes the group filter (-1 = all, 0 = no group) and the mark
// filter (-1 = all, else the Marked value): the long description when
// textKind is 1, else the short one. Each item's Qt::UserRole holds the
// player's IDNo. With sortFlag 1 the players are ordered by reading, then
// name; otherwise they stay in list order. Errors go to the caller.
void gsSetMemberListBox(Integer sortFlag, Integer textKind, QListWidget* list, Long groupFilter,
                        Integer markFilter);
