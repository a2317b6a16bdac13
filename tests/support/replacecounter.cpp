#include "support/replacecounter.h"

#include <QFile>
#include <QTemporaryDir>

#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>

ReplaceCounter::ReplaceCounter(const QString& folder)
{
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd >= 0)
        m_watch = inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_CREATE | IN_MOVED_TO);
}

ReplaceCounter::~ReplaceCounter()
{
    if (m_fd >= 0)
        close(m_fd);
}

int ReplaceCounter::count(const QString& fileName)
{
    alignas(struct inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t n = m_fd >= 0 ? read(m_fd, buffer, sizeof buffer) : -1;
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            struct inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            if (event.len > 0)
                ++m_counts[QFile::decodeName(buffer + at + sizeof event)];
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
    return m_counts.value(fileName);
}

QByteArray bytesAfterKeyByKeyWrites(const QString& file, const std::vector<platform::ProfileKey>& keys)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy"));
    if (QFile::exists(file) && !QFile::copy(file, copy))
        return QByteArray();
    for (const platform::ProfileKey& k : keys)
        platform::profileWrite(copy, k.section, k.key, k.value);
    QFile f(copy);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
