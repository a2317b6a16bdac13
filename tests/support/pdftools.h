// Poppler's command-line tools on a PDF file written by a test.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What the tool prints on its standard output ("pdfinfo", "pdftotext");
// "" when it is missing, fails or cannot read the file.
inline QString popplerOutput(const QString& tool, const QStringList& arguments)
{
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}
