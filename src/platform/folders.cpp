#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>

namespace platform {

QString localAppDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString documentsFolder()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (path.isEmpty())
        return QString();
    // A Linux desktop need not have a documents folder yet: make it, so the
    // program finds its data folder where the user expects it.
    if (!QDir().mkpath(path))
        return QString();
    return path;
}

QString installationFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

quint32 tickCount()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<quint32>(timer.elapsed());
}

void sleepMs(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

}  // namespace platform
