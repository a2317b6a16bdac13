#include "fuzz_support.h"

#include "support/gamefixtures.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

const QString& scratch()
{
    static QTemporaryDir dir;
    static const QString root = [] {
        if (!dir.isValid()) {
            std::fprintf(stderr, "fuzz: no scratch folder\n");
            std::abort();
        }
        testsupport::pointDataPathsAt(dir.path());
        return dir.path();
    }();
    return root;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void require(bool holds, const char* promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz: broken promise: %s\n", promise);
    std::abort();
}

}  // namespace fuzz
