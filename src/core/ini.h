// Settings and INI access: single values key by key through the profile
// functions, and the whole-file reader that parses one file into the tables
// gIniExSections / gIniExKeys for lookups in memory.
#pragma once

#include "core/records.h"
#include "platform/profile.h"

#include <QString>
#include <utility>
#include <vector>

// One value: section and key names match regardless of ASCII letter case;
// the value comes back without surrounding blanks and enclosing quotes, cut to
// 255 characters; a missing file, section or key gives "".
QString gfReadIniFile(const QString& file, const QString& section, const QString& key);
// Writes one value (creating the file and the section when missing, replacing
// an existing key on its own line). Non-zero when written, 0 on failure.
Long gfWriteIniFile(const QString& file, const QString& section, const QString& key,
                    const QString& value);
// Deletes a whole section (its header and its key lines). Non-zero when done
// (also when there was nothing to delete), 0 on failure.
Long gsDeleteIniSection(const QString& file, const QString& section);
// Replaces a whole section with the keys in order, in one write of the file:
// the same file as gsDeleteIniSection followed by gfWriteIniFile for each
// key, without ever holding only part of the section. Non-zero when written,
// 0 on failure.
Long gfWriteIniSection(const QString& file, const QString& section,
                       const std::vector<std::pair<QString, QString>>& keys);
// Writes many keys, of one section or several, in one write of the file:
// the same file as gfWriteIniFile for each key in order, without ever
// holding only some of them. Non-zero when written (or no keys), 0 on
// failure, with the file as it was.
Long gfWriteIniKeys(const QString& file, const std::vector<platform::ProfileKey>& keys);
// The text up to, not including, its first NUL character.
QString pfCutAtNull(const QString& text);

// A file parsed once for many reads (a list of a master file's entries):
// value() answers as gfReadIniFile does for the file as it was when parsed.
class IniFileReader {
public:
    explicit IniFileReader(const QString& file) : m_file(file) {}
    QString value(const QString& section, const QString& key) const;
    // The highest number handed out, [Management] `maxKey`, as a number from
    // 0 to 32767: numbers are handed out up to 32767 only, so a larger
    // (damaged) value names no further entry and a list stops there.
    Long highestNumber(const QString& maxKey) const;

private:
    platform::ProfileFile m_file;
};

// Parses the whole file into gIniExSections / gIniExKeys: 0 on success, -1 on
// failure (missing or unreadable file, a key line before the first section);
// on failure the mouse pointer is reset to the default arrow and the tables
// keep what was parsed so far.
Integer gfReadIniExFile(const QString& file);
// The value of the first key named exactly `key` in the first section named
// exactly `section` of the parsed file; "" when absent.
QString gfGetIniExValue(const QString& section, const QString& key);
// The position in gIniExSections of the first section named exactly
// `section`; -1 when absent.
Long gfFindIniExSection(const QString& section);
// Empties both tables.
void gsClearIniEx();
