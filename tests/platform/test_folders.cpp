#include "platform/folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Points HOME and the XDG variables at a temporary folder for one test and
// puts them back afterwards.
class ScopedHome {
public:
    explicit ScopedHome(const QString& home)
    {
        for (const char* name : kNames) {
            m_saved.push_back(qgetenv(name));
            m_wasSet.push_back(qEnvironmentVariableIsSet(name));
        }
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
        qunsetenv("XDG_DATA_HOME");
    }
    ~ScopedHome()
    {
        for (size_t i = 0; i < std::size(kNames); ++i) {
            if (m_wasSet[i])
                qputenv(kNames[i], m_saved[i]);
            else
                qunsetenv(kNames[i]);
        }
    }

private:
    static constexpr const char* kNames[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};
    std::vector<QByteArray> m_saved;
    std::vector<bool> m_wasSet;
};

}  // namespace

TEST(Folders, BaseFoldersFollowXdg)
{
    QTemporaryDir home;
    ScopedHome scoped(home.path());
    EXPECT_EQ(platform::localAppDataFolder(), home.path() + "/.local/share");
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    EXPECT_EQ(platform::localAppDataFolder(), home.path() + "/data");
}

TEST(Folders, DocumentsFolderIsCreatedWhenMissing)
{
    QTemporaryDir home;
    ScopedHome scoped(home.path());
    const QString docs = platform::documentsFolder();
    EXPECT_EQ(docs, home.path() + "/Documents");
    EXPECT_TRUE(QDir(docs).exists());
}

TEST(Folders, LocalisedDocumentsFolder)
{
    QTemporaryDir home;
    ScopedHome scoped(home.path());
    ASSERT_TRUE(QDir(home.path()).mkpath(".config"));
    QFile dirs(home.path() + "/.config/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write(u"XDG_DOCUMENTS_DIR=\"$HOME/ドキュメント\"\n"_s.toUtf8());
    dirs.close();
    const QString docs = platform::documentsFolder();
    EXPECT_EQ(docs, home.path() + u"/ドキュメント"_s);
    EXPECT_TRUE(QDir(docs).exists());
}

TEST(Folders, DocumentsFolderThatCannotBeMadeIsEmpty)
{
    QTemporaryDir home;
    ScopedHome scoped(home.path());
    // A regular file where the folder should be.
    QFile blocker(home.path() + "/Documents");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(platform::documentsFolder(), "");
}

TEST(Folders, FolderFileNamesAreTheEntriesThatAreNoFolders)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    for (const QString& name : {u"game00001.tcg"_s, u".hidden"_s, u"表.dat"_s}) {
        QFile f(root + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(root).mkpath("folder"));
    ASSERT_TRUE(QDir(root).mkpath(".hiddenfolder"));
    ASSERT_TRUE(QFile::link(root + "/game00001.tcg", root + "/link-to-file"));
    ASSERT_TRUE(QFile::link(root + "/folder", root + "/link-to-folder"));
    ASSERT_TRUE(QFile::link(root + "/nothing", root + "/broken-link"));
    ASSERT_EQ(mkfifo(QFile::encodeName(root + "/fifo").constData(), 0600), 0);

    QStringList names = platform::folderFileNames(root);
    names.sort();
    const QStringList expected = {u".hidden"_s,      u"broken-link"_s,  u"fifo"_s,
                                  u"game00001.tcg"_s, u"link-to-file"_s, u"表.dat"_s};
    EXPECT_EQ(names, expected);
    // The same as the slower listing through file information objects.
    EXPECT_EQ(names, QDir(root).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name));

    EXPECT_EQ(platform::folderFileNames(root + "/missing"), QStringList());
    EXPECT_EQ(platform::folderFileNames(root + "/game00001.tcg"), QStringList());
}
