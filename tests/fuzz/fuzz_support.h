// Shared by the fuzz targets: a scratch data folder for the run, the input
// written as a file, and the check that turns a broken promise of a reader
// into a finding.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// A scratch folder made at the first call (under TMPDIR) and removed at the
// end of the run; every data path of the program points into it.
const QString& scratch();

// The input as bytes.
inline QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Replaces the file by the bytes. A plain write: the targets write a file
// per input and need no atomic replace.
void writeFile(const QString& path, const QByteArray& bytes);

// The file's bytes; empty when it cannot be read.
QByteArray readFile(const QString& path);

// Stops the run with the message when a promise of the code does not hold,
// so the fuzzer keeps the input as a finding.
void require(bool holds, const char* promise);

}  // namespace fuzz
