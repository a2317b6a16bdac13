// Shared by the fuzz targets: a scratch data folder for the run, the input
// written as a file, the check that turns a broken promise of a reader into
// a finding, and the files the targets and their seeds are made of, written
// with the program's own writers.
#pragma once

#include "core/records.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

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

// Writes the keys one by one into a new file, as the program writes single
// settings, and returns the file's bytes.
QByteArray writeKeys(const QString& path, const std::vector<std::array<QString, 3>>& keys);

// The players of the register writeRegisters() writes, in register order.
const std::vector<Long>& registeredPlayers();

// The register the dialogs and reports read: players (with birthdays,
// genders, groups and places), groups, courses and series (series 1 a live
// point series, series 2 a plain one), written key by key into member.dat,
// group.dat, cource.dat and series.dat, and the players and groups read into
// their tables as the main window reads them.
void writeRegisters();

// A game saved by the program (gfGameDataSave) as its file's bytes: the
// players given, with teams, handicaps, groups and seeds, some holes not
// entered. The game takes the next game number of the games folder.
QByteArray savedGame(int n, Integer hole, Integer round, const std::vector<Long>& players);

}  // namespace fuzz
