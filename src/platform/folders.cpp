#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

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

QStringList folderFileNames(const QString& folder)
{
    QStringList names;
    // An empty path is the current folder, as for QDir.
    DIR* dir = opendir(folder.isEmpty() ? "." : QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent* e = readdir(dir)) {
        bool isFolder = e->d_type == DT_DIR;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            // A link counts as what it leads to; the type may be unknown on
            // some file systems.
            struct stat st;
            isFolder = fstatat(dirfd(dir), e->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        if (!isFolder)
            names << QFile::decodeName(e->d_name);
    }
    closedir(dir);
    return names;
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
