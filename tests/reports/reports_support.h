// Shared pieces of the report page tests: the team file of the registered
// team list, and the page dump tool run over a home folder of its own with
// its output read back.
#pragma once

#include "core/records.h"
#include "platform/textfile.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <vector>

namespace reptest {

// The team file with `count` teams "T1".."Tn" ("詳細1".."詳細n"), the extra
// lines after them, as the team dialog would leave it.
inline QStringList teamLines(int count)
{
    QStringList lines{QStringLiteral("[Team]")};
    for (int n = 1; n <= count; ++n)
        lines << QStringLiteral("ID%1=T%1").arg(n) << QStringLiteral("Detail%1=詳細%1").arg(n);
    return lines;
}

inline bool writeTeamFile(const QStringList& lines)
{
    QDir().mkpath(gstrDataFolder);
    return platform::writeTextLinesAtomic(gstrTeamFile, lines);
}

// 38 teams with blanks around the second, no description for the third
// and a blank identifier after the 38th that hides the 40th.
inline QStringList thirtyEightTeams()
{
    QStringList lines = teamLines(38);
    lines[3] = QStringLiteral("ID2=  T2　");
    lines[4] = QStringLiteral("Detail2=　詳細2  ");
    lines.removeAt(6);   // Detail3
    lines << QStringLiteral("ID39=  ") << QStringLiteral("Detail39=x") << QStringLiteral("ID40=T40")
          << QStringLiteral("Detail40=hidden");
    return lines;
}

// The program's data folder and settings folder under a home folder, as the
// tool finds them.
inline QString toolDataFolder(const QString& home)
{
    return home + QStringLiteral("/Documents/Talvane Software/Tallicor/data");
}
inline QString toolAppFolder(const QString& home)
{
    return home + QStringLiteral("/.local/share/Talvane Software/Tallicor");
}

// One run of tallicor_pages: its exit code, its output lines and its errors.
struct ToolRun {
    int exitCode = -1;
    QStringList lines;
    QString errors;

    // The lines that start with `prefix`.
    QStringList linesOf(const QString& prefix) const
    {
        QStringList out;
        for (const QString& l : lines)
            if (l.startsWith(prefix))
                out << l;
        return out;
    }
};

inline ToolRun runPagesTool(const QStringList& args, const QString& home)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_DATA_HOME", home + "/.local/share");
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TALLICOR_PAGES), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    ToolRun r;
    r.exitCode = p.exitCode();
    r.lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    r.errors = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// The pages of a tool run, read back element by element.
class PageDump {
public:
    explicit PageDump(const ToolRun& run)
    {
        for (const QString& l : run.lines) {
            const QStringList f = l.split('\t');
            if (f.value(0) == QStringLiteral("pages"))
                pages = f.value(1).toInt();
            else if (f.size() >= 3)
                m_items.push_back({f[0], f[1].toInt(), f[2], f.mid(3)});
        }
    }

    int pages = 0;

    // The fields after the name of a label (left, top, width, height,
    // caption, font, size, bold, forecolor) or a line (x1, y1, x2, y2,
    // width) on a page; empty when the page does not show it.
    QStringList label(int page, const QString& control) const { return fields("label", page, control); }
    QStringList line(int page, const QString& control) const { return fields("line", page, control); }
    // A label's caption; "<none>" when the page does not show it.
    QString caption(int page, const QString& control) const
    {
        const QStringList f = label(page, control);
        return f.isEmpty() ? QStringLiteral("<none>") : f[4];
    }
    // The captions of the shown elements of a label array on a page, in
    // control order.
    QStringList captions(int page, const QString& array) const
    {
        QStringList out;
        for (const Item& i : m_items)
            if (i.kind == "label" && i.page == page && i.control.startsWith(array + '('))
                out << i.fields[4];
        return out;
    }
    // The labels of a page showing `caption`, each as its name followed by
    // its fields (see label()).
    std::vector<QStringList> labelsCaptioned(int page, const QString& caption) const
    {
        std::vector<QStringList> out;
        for (const Item& i : m_items)
            if (i.kind == "label" && i.page == page && i.fields.value(4) == caption)
                out.push_back(QStringList{i.control} + i.fields);
        return out;
    }
    // The shown elements of an array on a page, each as "name(i) fields...".
    QStringList elements(const QString& kind, int page, const QString& array) const
    {
        QStringList out;
        for (const Item& i : m_items)
            if (i.kind == kind && i.page == page && i.control.startsWith(array + '('))
                out << i.control + ' ' + i.fields.join(' ');
        return out;
    }

private:
    struct Item {
        QString kind;
        int page;
        QString control;
        QStringList fields;
    };
    QStringList fields(const char* kind, int page, const QString& control) const
    {
        for (const Item& i : m_items)
            if (i.kind == QLatin1String(kind) && i.page == page && i.control == control)
                return i.fields;
        return {};
    }
    std::vector<Item> m_items;
};

}  // namespace reptest
