// Counts how often files come into being under their names in one folder
// (created, or renamed over an old file), from the counter's construction
// on: each atomic replace of a file counts once. The kernel queues the
// events as the files change, so counting right after the code under test
// sees all of them, with no waiting.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include "platform/profile.h"

#include <vector>

class ReplaceCounter {
public:
    explicit ReplaceCounter(const QString& folder);
    ~ReplaceCounter();
    ReplaceCounter(const ReplaceCounter&) = delete;
    ReplaceCounter& operator=(const ReplaceCounter&) = delete;

    bool isValid() const { return m_fd >= 0 && m_watch >= 0; }
    // The replaces of the file of that name so far.
    int count(const QString& fileName);

private:
    int m_fd = -1;
    int m_watch = -1;
    QHash<QString, int> m_counts;
};

// The bytes the file would hold after one single-key write per key, in
// order, made on a copy of it (the file itself is left as it is): what a
// write of many keys in one replace must give byte for byte.
QByteArray bytesAfterKeyByKeyWrites(const QString& file, const std::vector<platform::ProfileKey>& keys);
