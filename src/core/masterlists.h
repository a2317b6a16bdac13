// The player list (read from the player file) and the look-ups of players and
// groups by identifier, with the texts that describe a player in list boxes.
//
// Look-ups scan their list from the start and take the first element with the
// identifier; deleted players and groups are found too.
#pragma once

#include "core/records.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

// Rebuilds gMemberList from the player file: every section "member" & n
// (n = 1 to MaxMemberNo) whose Name is not blank, in player-number order. A
// file that cannot be read leaves the list empty. A number too large for its
// field (MaxMemberNo, State, Gender, BelongID) is read as 0 and noted (see
// gfTakeUnreadableValues); the file is left as it is. Other errors go to the
// caller.
void gsReadMemberData();

// Rebuilds gBelongList from the group file: every section "group" & n
// (n = 1 to MaxGroupNo) whose Name is not blank, deleted groups included,
// names trimmed. A State too large for its field is read as 0 and noted.
void gsReadBelongData();

// Numeric values of the master files (players, groups, series) that do not
// fit their field. The readers take such a value as 0 and note it here as
// "<file name> [<section>] <key>=<value>", each line once, in the order met,
// so that the user can be told which entries to mend. A new reading of the
// player file replaces the notes of the player file.
Integer gfStoredInteger(const QString& file, const QString& section, const QString& key,
                        const QString& value);
Long gfStoredLong(const QString& file, const QString& section, const QString& key,
                  const QString& value);
// The notes so far; the list is emptied.
QStringList gfTakeUnreadableValues();

QString gfGetMemberName(Long id);
// "男"/"女" ("M"/"F" when latin is not 0), "-" for any other gender, "" when
// the player is not found.
QString gfGetMemberGender(Long id, Integer latin);
// The birthday as "yyyy/mm/dd" when it is a date, else "".
QString gfGetMemberBirthday(Long id);
// Whole years on the reference date, "-" without a valid birthday, "" when
// the player is not found.
QString gfGetMemberAge(Long id, const QString& refDate);
// Index in gMemberList, -1 when not found.
Long gfGetMemberIndex(Long id);
// The player's group, 0 when not found.
Long gfGetMemberBelongID(Long id);
QString gfGetMemberBelongName(Long id);
QString gfGetMemberBelongShortName(Long id);
QString gfGetBelongName(Long belongId);
// ShortName when it is not blank (as stored), else the first five
// characters of Name.
QString gfGetBelongShortName(Long belongId);
// The first five characters of the player's region.
QString gfGetMemberLocation(Long id);

// " Name (男、<era birthday>　<age>歳：<region>)" as list boxes show it.
QString gfGetMemberDescription(const MemberInfo& member);
// "Name (男、<age>歳：<region>)".
QString gfGetMemberShortDescription(const MemberInfo& member);

// The date the descriptions take ages on (today by default); tests fix it.
// An empty function restores today.
void gsSetMemberAgeClock(std::function<QDate()> today);
