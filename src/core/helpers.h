// Small shared helpers of the core: the index quicksort every ranking uses,
// the age of a player on a date, the folder part of a path, showing a page
// in the web browser, and parts of the rankings' keys and sums.
#pragma once

#include "core/records.h"
#include "platform/vbruntime.h"

#include <QString>
#include <functional>
#include <vector>

// Sorts the positions low..high of the index list so that the keys they
// point to ascend (keys(index(p)), not keys(p)). Mode 1 compares the keys by
// their leading number, any other mode as texts by character codes
// (case-sensitive). The sort is not stable: rows with equal keys may end in
// any order. Errors are shown in a message box and end the sort where it
// stands.
void csQuickSort_Asc(Long low, Long high, std::vector<Long>& index,
                     const std::vector<QString>& keys, Integer mode);
// The same, descending.
void csQuickSort_Desc(Long low, Long high, std::vector<Long>& index,
                      const std::vector<QString>& keys, Integer mode);
// The index list 0..n-1 sorted by the keys in text mode with the quicksort
// above (ascending, or descending with csQuickSort_Desc).
std::vector<Long> gfSortedIndexAsc(const std::vector<QString>& keys);
std::vector<Long> gfSortedIndexDesc(const std::vector<QString>& keys);
// Swaps two entries of the index list.
void psSwapIndex(Long a, Long b, std::vector<Long>& index);

// The age on the reference date: whole years ("0") with fraction 0, else
// years plus the part of the current year of age ("0.000"). "-" when either
// trimmed text is not a date. A 29 February birthday falls on 28 February
// in other years.
QString gfGetAge(const QString& birthday, const QString& refDate, Integer fraction);

// The trimmed path without its last part ("/" or "\" separated); "" when the
// path is empty or has no separator.
QString gfGetParentFolder(const QString& path);

// Opens the address (a web address or a local file) in the web browser.
// Returns true on failure (the caller then puts the address on the clipboard
// and tells the user), false when the browser was started; when it started
// but could not show the page, `failedLater` runs (from the event loop). The
// flag is not used.
bool gfOpenWebPage(const QString& address, bool flag = false,
                   std::function<void()> failedLater = {});

// Parts of the rankings' sort keys and sums.
namespace corehelpers {

// A whole number zero-padded to at least `width` digits ("00000000"), with a
// leading "-" for negatives; longer numbers print whole.
QString padNum(qint64 v, int width);

// a + b; a sum outside the Long range raises overflow.
Long addChecked(Long a, qint64 b);

// The team rows of a list kept in team order: a team row starts at the first
// row and wherever the trimmed TeamID changes, with that row's TeamID and
// position (FirstRow); Members counts the team's rows, Rounds and Net sum
// theirs (overflow raises).
template <class Row>
std::vector<TeamRank> teamRowsOf(const std::vector<Row>& rows)
{
    std::vector<TeamRank> teams;
    QString previousTeam;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        const QString team = vb::Trim(row.TeamID);
        if (i == 0 || team != previousTeam) {
            TeamRank t;
            t.TeamID = row.TeamID;
            t.FirstRow = static_cast<Long>(i);
            teams.push_back(t);
        }
        previousTeam = team;
        TeamRank& t = teams.back();
        t.Members = addChecked(t.Members, 1);
        t.Rounds = addChecked(t.Rounds, row.Rounds);
        t.Net = addChecked(t.Net, row.Net);
    }
    return teams;
}

}  // namespace corehelpers
