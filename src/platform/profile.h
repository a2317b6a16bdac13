// Key-by-key access to INI-form files (the "profile" functions).
//
// Read: section and key names match regardless of ASCII letter case; the
// first section of a name and the first key in it win; the value comes back
// with surrounding blanks and one pair of enclosing quotes removed, cut to
// 255 characters; a missing file, section or key gives "" and never creates
// the file.
// Write: creates the file (never its folder) and the section when missing;
// replaces an existing key's value on its own line; adds a missing key after
// the last key line of its section and a missing section at the end; keeps
// every other line byte for byte (and its own line end). New lines are
// "key=value" with CR LF, the value as given; a CR or LF in a value becomes a
// blank so the value stays on its line. Every write replaces the file
// atomically. Returns false on failure (missing folder, a path that is no
// file, no permission, disk full), never throws.
#pragma once

#include <QString>

namespace platform {

QString profileRead(const QString& file, const QString& section, const QString& key);
bool profileWrite(const QString& file, const QString& section, const QString& key,
                  const QString& value);
// Removes the section line and its key lines, for every section of that name
// (so an older copy cannot reappear when the section is written anew).
// No-op (true) when the file or the section is missing; never creates the
// file. False when the file cannot be read or replaced.
bool profileDeleteSection(const QString& file, const QString& section);

}  // namespace platform
