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

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>
#include <utility>
#include <vector>

namespace platform {

namespace detail {
// A section or key name as stored: an ASCII name is compared on its bytes
// (begin..end of the file), any other is decoded once.
struct ProfileName {
    qsizetype begin = 0;
    qsizetype end = 0;
    QString text;
    bool decoded = false;
};
}  // namespace detail

// A profile file loaded once, for many reads: value() answers as
// profileRead does for the file as it was when loaded. Only the section
// lines are found at load, a section's key lines when it is read, and a
// value is decoded when asked for. A missing or unreadable file reads as
// empty. Not for reading from several threads at once.
class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(const QString& file);

    QString value(QStringView section, QStringView key) const;

private:
    struct Key {
        detail::ProfileName name;
        qsizetype valueBegin = 0;  // after the "="
        qsizetype valueEnd = 0;    // the line end
        quint32 hash = 0;          // of the name, letter case folded
    };
    struct Section {
        detail::ProfileName name;
        qsizetype bodyBegin = 0;  // the line after the section line
        qsizetype bodyEnd = 0;    // the next section line, or the end of the file
        // The first read of a section scans its lines; a second one finds
        // the key lines and indexes the first of each name (open addressing
        // on the folded name's hash, slot = key number + 1, 0 = free), so a
        // section read once costs no index and a long one read key by key
        // costs linear time.
        mutable std::vector<Key> keys;
        mutable std::vector<quint32> table;
        mutable bool readOnce = false;
        mutable bool indexed = false;
    };
    QString scanValue(const Section& s, QStringView key) const;
    void index(const Section& s) const;
    QByteArray m_bytes;
    std::vector<Section> m_sections;
    mutable size_t m_last = 0;  // the section found by the last read
};

QString profileRead(const QString& file, const QString& section, const QString& key);
// Test seam: called with the path of every file loaded for reading (each
// ProfileFile, and so each profileRead), so a test can count how often a
// file is parsed. An empty function removes it.
void setProfileLoadObserver(std::function<void(const QString&)> observer);
// Whether a section or key name as stored (blanks around it included) is
// read as `wanted`: blanks around it dropped, ASCII letters of any case.
bool profileSameName(QStringView stored, QStringView wanted);
bool profileWrite(const QString& file, const QString& section, const QString& key,
                  const QString& value);
// One key of a write of many: the section, the key and its value.
struct ProfileKey {
    QString section;
    QString key;
    QString value;
};
// Writes many keys, of one section or several, in one replace of the file:
// the file comes out byte for byte as one profileWrite per key, in order,
// would leave it (other keys untouched, an existing key replaced on its own
// line, a missing key or section added where profileWrite adds it), but it
// is read once and replaced once, so it never holds only some of the keys.
// No keys: nothing is written (true). False, with the file untouched, when
// it cannot be read or replaced.
bool profileWriteKeys(const QString& file, const std::vector<ProfileKey>& keys);
// Removes the section line and its key lines, for every section of that name
// (so an older copy cannot reappear when the section is written anew).
// No-op (true) when the file or the section is missing; never creates the
// file. False when the file cannot be read or replaced.
bool profileDeleteSection(const QString& file, const QString& section);

// Replaces a whole section in one write: the file comes out exactly as
// profileDeleteSection followed by one profileWrite per key, in order,
// would leave it (every section of the name removed, the section written
// anew at the end of the file, other lines untouched), but the file is
// replaced once, so it never holds part of the section. No keys: the same as
// profileDeleteSection.
bool profileWriteSection(const QString& file, const QString& section,
                         const std::vector<std::pair<QString, QString>>& keys);

}  // namespace platform
