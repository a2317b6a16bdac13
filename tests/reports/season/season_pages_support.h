// The season pages read through the page dump tool: a home folder of the
// tool's own with the player, group and game files and the settings, the
// tool run over it, and its output taken apart.
#pragma once

#include "core/test_season_fixture.h"

#include "core/ini.h"
#include "core/startup.h"
#include "platform/textfile.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

namespace seasonpages {

// One dumped control.
struct Element {
    QString kind;      // "label" or "line"
    int page = 0;
    QString name;      // without the index
    int index = -1;
    // Labels: left, top, width, height; lines: x1, y1, x2, y2.
    int a = 0, b = 0, c = 0, d = 0;
    QString caption;
    QString font;
    QString size;
    bool bold = false;
    int width = 0;     // a line's BorderWidth
};

// The tool's output taken apart.
class Dump {
public:
    int exitCode = -1;
    QString errors;
    int pages = 0;
    std::vector<Element> elements;

    // The element of a page, when it is dumped (visible).
    const Element* find(int page, const QString& name, int index = -1) const
    {
        for (const Element& e : elements)
            if (e.page == page && e.name == name && e.index == index)
                return &e;
        return nullptr;
    }
    QString caption(int page, const QString& name, int index = -1) const
    {
        const Element* e = find(page, name, index);
        return e ? e->caption : QStringLiteral("<hidden>");
    }
    // The loaded elements (index from 1) of an array on a page, in order.
    std::vector<Element> array(int page, const QString& name) const
    {
        std::vector<Element> out;
        for (const Element& e : elements)
            if (e.page == page && e.name == name && e.index > 0)
                out.push_back(e);
        return out;
    }
    QStringList captions(int page, const QString& name) const
    {
        QStringList out;
        for (const Element& e : array(page, name))
            out << e.caption;
        return out;
    }
    // The loaded cells of one row: the elements of the arrays whose top is
    // the row's cell top.
    QString cellAt(int page, const QString& name, int top) const
    {
        for (const Element& e : array(page, name))
            if (e.b == top)
                return e.caption;
        return QStringLiteral("<none>");
    }
    // "y:width" of the loaded horizontal lines of a page, in order.
    QStringList rules(int page) const
    {
        QStringList out;
        for (const Element& e : elements)
            if (e.page == page && e.kind == QStringLiteral("line") && e.index > 0 && e.b == e.d
                && (e.name == QStringLiteral("linFutoYoko") || e.name == QStringLiteral("linHosoYoko")))
                out << QStringLiteral("%1:%2").arg(e.b).arg(e.width);
        return out;
    }
};

inline Dump parse(int exitCode, const QString& out, const QString& err)
{
    Dump d;
    d.exitCode = exitCode;
    d.errors = err;
    for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f[0] == QStringLiteral("pages")) {
            d.pages = f[1].toInt();
            continue;
        }
        Element e;
        e.kind = f[0];
        e.page = f[1].toInt();
        const QString control = f[2];
        const int open = control.indexOf(QLatin1Char('('));
        e.name = open < 0 ? control : control.left(open);
        e.index = open < 0 ? -1 : control.mid(open + 1, control.size() - open - 2).toInt();
        e.a = f[3].toInt();
        e.b = f[4].toInt();
        e.c = f[5].toInt();
        e.d = f[6].toInt();
        if (e.kind == QStringLiteral("label")) {
            e.caption = f[7];
            e.font = f[8];
            e.size = f[9];
            e.bold = f[10] == QStringLiteral("1");
        } else {
            e.width = f[7].toInt();
        }
        d.elements.push_back(e);
    }
    return d;
}

// A player of the player file.
struct Member {
    Long id;
    QString name;
    Integer gender = 1;
    QString birthday;
    Long belong = 0;
    QString sort;
    QString location;
};

// The tool's home folder and its data; the program's paths in this process
// point at the same files while a test runs.
class SeasonPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        for (const char* v : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            saved[v] = qgetenv(v);
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
        qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
        ASSERT_TRUE(gfSetFilePaths());
        QDir().mkpath(gstrGamesFolder);
        QDir().mkpath(gstrAppFolder);
    }

    void TearDown() override
    {
        for (const auto& [name, value] : saved)
            qputenv(name.c_str(), value);
    }

    static void write(const QString& path, const QStringList& lines)
    {
        ASSERT_TRUE(platform::writeTextLinesAtomic(path, lines)) << path.toStdString();
    }

    static void writeMembers(const std::vector<Member>& members)
    {
        Long top = 0;
        QStringList l;
        for (const Member& m : members) {
            top = std::max(top, m.id);
            l << QStringLiteral("[member%1]").arg(m.id) << "Name=" + m.name << "Birthday=" + m.birthday << "State=0"
              << QStringLiteral("Gender=%1").arg(m.gender) << QStringLiteral("BelongID=%1").arg(m.belong)
              << "Sort=" + m.sort << "Location=" + m.location;
        }
        l.prepend(QStringLiteral("MaxMemberNo=%1").arg(top));
        l.prepend(QStringLiteral("[Management]"));
        write(gstrMemberFile, l);
    }

    // Groups: id, name, short name.
    static void writeGroups(const std::vector<std::tuple<Long, QString, QString>>& groups)
    {
        QStringList l{"[Management]", QStringLiteral("MaxGroupNo=%1").arg(groups.size())};
        for (const auto& [id, name, shortName] : groups)
            l << QStringLiteral("[group%1]").arg(id) << "Name=" + name << "ShortName=" + shortName << "State=0";
        write(gstrGroupFile, l);
    }

    // Writes the games as game00001.tcg, ... and returns their file names.
    QStringList writeGames(const std::vector<seasonfx::Game>& games)
    {
        QStringList names;
        for (size_t i = 0; i < games.size(); ++i) {
            const QString name = QStringLiteral("game%1.tcg").arg(i + 1, 5, 10, QLatin1Char('0'));
            write(QDir(gstrGamesFolder).filePath(name), seasonfx::gameFileLines(games[i]));
            names << name;
        }
        write(gstrManagerFile, {"[Management]", QStringLiteral("MaxGameNo=%1").arg(games.size())});
        return names;
    }

    static void store(const QString& key, const QString& value)
    {
        gfWriteIniFile(gstrIniFile, QStringLiteral("Setup"), key, value);
    }

    // One player's round: holes strokes each.
    static QString round(std::initializer_list<int> holes)
    {
        QStringList l;
        for (int h : holes)
            l << QString::number(h);
        return l.join(QLatin1Char(','));
    }

    Dump run(const QString& report, const QStringList& games, const QStringList& more = {})
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_DATA_HOME", home.path() + "/.local/share");
        env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TALLICOR_PAGES),
                QStringList{"season", report, "--games", games.join(QLatin1Char(','))} + more);
        EXPECT_TRUE(p.waitForFinished(120000));
        return parse(p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                     QString::fromUtf8(p.readAllStandardError()));
    }

    QTemporaryDir home;
    std::map<std::string, QByteArray> saved;
};

}  // namespace seasonpages
