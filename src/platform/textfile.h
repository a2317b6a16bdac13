// Text files on disk are CP932 (Windows-31J) with CR LF line ends and no BOM;
// in memory all text is QString. Conversion happens here and nowhere else.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// Encodes to CP932. Code points that Linux input methods produce are folded
// to their CP932 counterparts first (U+301C -> U+FF5E, U+2212 -> U+FF0D,
// U+2016 -> U+2225, U+00A2 -> U+FFE0, U+00A3 -> U+FFE1, U+00AC -> U+FFE2,
// U+2014 -> U+2015); a character with no CP932 form becomes "?".
QByteArray encodeCp932(const QString& text);
// Decodes CP932 bytes; an invalid byte becomes U+FFFD.
QString decodeCp932(const QByteArray& bytes);

// Splits decoded text into lines at CR LF, LF or CR. A final line end does
// not start an extra empty line. No line keeps a CR.
QStringList splitLines(const QString& text);

// Reads a whole file as stored. Returns false (and leaves the output empty)
// when the file is missing or cannot be read.
bool readFileBytes(const QString& path, QByteArray& bytes);
// Reads and decodes a whole file. Returns false (and leaves the output empty)
// when the file is missing or cannot be read.
bool readTextFile(const QString& path, QString& text);
bool readTextLines(const QString& path, QStringList& lines);

// Writes the lines, each followed by CR LF, encoded in CP932, replacing the
// file atomically (temporary file in the same folder, flushed, synced and
// renamed over the old one). A failure leaves the old file untouched and
// returns false; never throws. The folder must exist; an existing target
// that is no regular file or may not be written is refused. A short write
// (full disk) is detected before the rename.
bool writeTextLinesAtomic(const QString& path, const QStringList& lines);
// Same for raw bytes.
bool writeBytesAtomic(const QString& path, const QByteArray& bytes);

// One state of a file on disk: which file it is (device and inode), its
// size and its modification time in nanoseconds. An atomic replace makes a
// new file, so every write gives another stamp. All zero when the file is
// missing.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp fileStamp(const QString& path);

// Whether a file name is that of a temporary file the atomic writers above
// leave beside their target when the process dies between writing and
// renaming: the target's name, "." and six ASCII letters
// ("Tallicor.ini.qWxYzA"). Gives the target's name in *target.
bool isAtomicWriteLeftover(const QString& fileName, QString* target = nullptr);

}  // namespace platform
