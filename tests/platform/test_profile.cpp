#include "platform/profile.h"
#include "platform/textfile.h"
#include "support/filesizelimit.h"
#include "support/replacecounter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using namespace Qt::StringLiterals;

namespace {

class Profile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("test.ini");

    void put(const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes() const
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray("<missing>");
        return f.readAll();
    }
};

// Makes a folder read-only for the duration of a test. Permission bits do not
// stop root, so for root the folder gets the immutable attribute instead
// (no entry can be added, renamed or removed, while the files in it stay
// writable: a write that went around the temporary file would still pass).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : m_path(path.toLocal8Bit())
    {
        if (geteuid() != 0) {
            m_ok = chmod(m_path.constData(), 0555) == 0;
            return;
        }
        const int fd = open(m_path.constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return;
        int flags = 0;
        if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            m_ok = m_immutable = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        close(fd);
    }
    ~ReadOnlyFolder()
    {
        if (!m_immutable) {
            chmod(m_path.constData(), 0755);
            return;
        }
        const int fd = open(m_path.constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        if (fd >= 0)
            close(fd);
    }
    bool ok() const { return m_ok; }

private:
    QByteArray m_path;
    bool m_ok = false;
    bool m_immutable = false;
};

}  // namespace

TEST_F(Profile, ReadRules)
{
    put("top=before any section\r\n"
        "[Setup]\r\n"
        "Name=plain\r\n"
        "  Spaced   =   padded value  \r\n"
        "Quoted=\"  in quotes  \"\r\n"
        "Single='x'\r\n"
        "Half=\"open\r\n"
        "Mixed=\"x'\r\n"
        "Empty=\r\n"
        "Eq=a=b\r\n"
        "name=second of the same key\r\n"
        "Tab=\tt\t\r\n"
        "Bracket=[Cr]\r\n"
        "\x83[Lf]=ze\r\n"  // "ゼ" ends in the byte of "[": no section line
        "\r\n"
        "  [ Indented ]  trailing\r\n"
        "k=indented section\r\n"
        "[setup]\r\n"
        "Late=second section of the same name\r\n"
        "[Lf]\n"
        "a=lf only\n"
        "[Cr]\r"
        "b=cr only\r"
        "[Open\r\n"
        "c=after an unclosed bracket\r\n"
        "[Last]\r\n"
        "z=no final line end");
    struct Case {
        const char* section;
        const char* key;
        QString value;
    };
    const Case cases[] = {
        {"Setup", "Name", "plain"},
        {"SETUP", "NAME", "plain"},            // names regardless of case
        {"setup", "name", "plain"},            // the first key wins
        {"Setup", "Spaced", "padded value"},
        {"Setup", "Quoted", "  in quotes  "},  // one pair of quotes removed
        {"Setup", "Single", "x"},
        {"Setup", "Half", "\"open"},
        {"Setup", "Mixed", "\"x'"},
        {"Setup", "Empty", ""},
        {"Setup", "Eq", "a=b"},
        {"Setup", "Tab", "t"},
        {"Setup", "Bracket", "[Cr]"},
        {"Setup", "ゼLf]", "ze"},
        {"Setup", "Missing", ""},
        {"Setup", "Late", ""},                  // the second [setup] is never read
        {"Setup", "top", ""},
        {"Indented", "k", "indented section"},
        {"Lf", "a", "lf only"},
        {"Cr", "b", "cr only"},
        {"Open", "c", ""},
        {"Cr", "c", "after an unclosed bracket"},  // "[Open" is no section line
        {"Last", "c", ""},
        {"Last", "z", "no final line end"},
        {"Nowhere", "Name", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(profileRead(path, c.section, c.key), c.value) << c.section << "/" << c.key;
    // A file loaded once answers the same, whatever the order of the reads
    // (it remembers the section read last and the key lines of a section).
    const ProfileFile file(path);
    for (const Case& c : cases)
        EXPECT_EQ(file.value(QString::fromUtf8(c.section), QString::fromUtf8(c.key)), c.value)
            << c.section << "/" << c.key;
    for (auto c = std::rbegin(cases); c != std::rend(cases); ++c)
        EXPECT_EQ(file.value(QString::fromUtf8(c->section), QString::fromUtf8(c->key)), c->value)
            << c->section << "/" << c->key << " (backwards)";
}

TEST_F(Profile, LoadedFileFindsEveryKeyOfALongSectionAndTheFirstOfAName)
{
    QString text = QStringLiteral("[Team]\r\n名前=最初\r\n");
    for (int n = 1; n <= 3000; ++n)
        text += QStringLiteral("ID%1=T%1\r\nDetail%1=詳細%1\r\n").arg(n);
    text += QStringLiteral("id7=later\r\n名前=二番目\r\n");
    put(encodeCp932(text));
    const ProfileFile file(path);
    for (int n = 1; n <= 3000; ++n) {
        ASSERT_EQ(file.value(u"Team", QStringLiteral("ID%1").arg(n)), QStringLiteral("T%1").arg(n));
        ASSERT_EQ(file.value(u"team", QStringLiteral("DETAIL%1").arg(n)), QStringLiteral("詳細%1").arg(n));
    }
    EXPECT_EQ(file.value(u"Team", u"Id7"), "T7");
    EXPECT_EQ(file.value(u"Team", QStringLiteral("名前")), QStringLiteral("最初"));
    EXPECT_EQ(file.value(u"Team", u"ID3001"), "");
}

TEST_F(Profile, LoadedFileKeepsWhatItRead)
{
    EXPECT_EQ(ProfileFile(path).value(u"S", u"k"), "");  // no file
    EXPECT_EQ(ProfileFile().value(u"S", u"k"), "");
    put("[S]\r\nk=old\r\n");
    const ProfileFile file(path);
    ASSERT_TRUE(profileWrite(path, "S", "k", "new"));
    EXPECT_EQ(file.value(u"S", u"k"), "old");
    EXPECT_EQ(ProfileFile(path).value(u"S", u"k"), "new");
}

TEST_F(Profile, ReadCutsAt255CharactersAndKeepsCp932Text)
{
    const QString longJapanese = QString(300, QChar(u'表'));
    ASSERT_TRUE(writeTextLinesAtomic(path, {u"[ゾーン]"_s, "Long=" + QString(300, u'x'),
                                            u"Jp="_s + longJapanese, u"ソ=表ー～"_s}));
    EXPECT_EQ(profileRead(path, "ゾーン", "Long"), QString(255, u'x'));
    EXPECT_EQ(profileRead(path, u"ゾーン"_s, "Jp"), QString(255, QChar(u'表')));
    EXPECT_EQ(profileRead(path, u"ゾーン"_s, u"ソ"_s), u"表ー～"_s);
    const ProfileFile file(path);
    EXPECT_EQ(file.value(u"ゾーン", u"Jp"), QString(255, QChar(u'表')));
    EXPECT_EQ(file.value(u"ゾーン", u"ソ"), u"表ー～"_s);
    // Case folding is for ASCII letters only.
    ASSERT_TRUE(writeTextLinesAtomic(path, {u"[Ａ]"_s, "k=full width"}));
    EXPECT_EQ(profileRead(path, u"Ａ"_s, "K"), "full width");
    EXPECT_EQ(profileRead(path, u"ａ"_s, "k"), "");
}

TEST_F(Profile, ReadingNeverCreatesTheFile)
{
    EXPECT_EQ(profileRead(path, "Setup", "Key"), "");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(profileRead(dir.filePath("no/such/folder.ini"), "S", "K"), "");
    EXPECT_TRUE(profileDeleteSection(path, "Setup"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Profile, WriteRules)
{
    const QByteArray longLine = "Holes=" + QByteArray(40000, '1') + "\r\n";
    struct Case {
        const char* name;
        QByteArray before;
        const char* section;
        const char* key;
        QString value;
        QByteArray after;
    };
    const Case cases[] = {
        {"creates the file", "<missing>", "Setup", "Key", "v", "[Setup]\r\nKey=v\r\n"},
        {"replaces in place, keeps the stored spelling",
         "; note\r\n[Setup]\r\n  KEY = old \r\nOther=1\r\n", "setup", "key", "new",
         "; note\r\n[Setup]\r\nKEY=new\r\nOther=1\r\n"},
        {"adds a key after the last entry of its section",
         "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "a", "z", "3",
         "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
        {"adds a key to an empty section", "[A]\r\n[B]\r\n", "A", "k", "v",
         "[A]\r\nk=v\r\n[B]\r\n"},
        {"adds a missing section at the end", "[A]\r\nx=1", "B", "k", "v",
         "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        {"keeps other lines byte for byte", "[S]\r\n" + longLine + "odd line\n\xFF\x81junk\r\nk=1\r\n",
         "S", "k", "2", "[S]\r\n" + longLine + "odd line\n\xFF\x81junk\r\nk=2\r\n"},
        {"keeps the stored name's bytes", "[S]\r\n\xED\x40 =1\r\n", "S", "纊", "2",
         "[S]\r\n\xED\x40=2\r\n"},  // 0xED40 and 0xFA5C are the same character
        {"keeps a line's own line end", "[S]\nk=1\nj=2\n", "S", "k", "9", "[S]\nk=9\nj=2\n"},
        {"only the first section and key change",
         "[S]\r\nk=1\r\nk=2\r\n[S]\r\nk=3\r\n", "S", "K", "0",
         "[S]\r\nk=0\r\nk=2\r\n[S]\r\nk=3\r\n"},
        {"value is written as given", "", "S", "k", "  \"quoted\"  ", "[S]\r\nk=  \"quoted\"  \r\n"},
        {"empty value writes an empty value", "[S]\r\nk=1\r\n", "S", "k", "", "[S]\r\nk=\r\n"},
        {"a line break in a value stays on one line", "", "S", "k", "a\r\nb", "[S]\r\nk=a  b\r\n"},
        {"CP932 out, unmappable as ?", "", "S", "名", u"髙\u301Cé"_s,
         "[S]\r\n\x96\xBC=\xFB\xFC\x81\x60?\r\n"},
    };
    for (const Case& c : cases) {
        if (c.before == "<missing>")
            QFile::remove(path);
        else
            put(c.before);
        EXPECT_TRUE(profileWrite(path, QString::fromUtf8(c.section), QString::fromUtf8(c.key), c.value))
            << c.name;
        EXPECT_EQ(bytes(), c.after) << c.name;
    }
}

TEST_F(Profile, WrittenValueReadsBack)
{
    const QString values[] = {"", "0", u"平成22年6月1日"_s, u"ｷｬﾝｾﾙ"_s, u"C:\\ソフト\\表"_s,
                              "a=b", "[x]"};
    for (const QString& v : values) {
        ASSERT_TRUE(profileWrite(path, "Setup", "Key", v));
        EXPECT_EQ(profileRead(path, "Setup", "Key"), v);
    }
}

TEST_F(Profile, DeleteSectionRemovesHeaderAndKeys)
{
    put("[A]\r\na=1\r\n[Team]\r\nt1=x\r\nt2=y\r\n\r\n[B]\r\nb=2\r\n[team]\r\nt3=z\r\n");
    EXPECT_TRUE(profileDeleteSection(path, "TEAM"));
    EXPECT_EQ(bytes(), QByteArray("[A]\r\na=1\r\n[B]\r\nb=2\r\n"));
    EXPECT_EQ(profileRead(path, "Team", "t1"), "");
    // Rewriting the section afterwards gives only the new keys.
    EXPECT_TRUE(profileWrite(path, "Team", "t9", "n"));
    EXPECT_EQ(profileRead(path, "Team", "t9"), "n");
    EXPECT_EQ(profileRead(path, "Team", "t3"), "");
    // A missing section changes nothing.
    const QByteArray before = bytes();
    EXPECT_TRUE(profileDeleteSection(path, "None"));
    EXPECT_EQ(bytes(), before);
}

// A whole section written at once leaves the file byte for byte as deleting
// the section and writing its keys one by one did, but replaces it once.
TEST_F(Profile, WriteSectionMatchesDeleteThenKeyWritesInOneReplace)
{
    const QByteArray shiftJis = platform::encodeCp932(u"[所属]\r\n名前=表ソ\r\n"_s);
    const std::vector<std::pair<const char*, QByteArray>> files = {
        {"missing", QByteArray()},
        {"empty", ""},
        {"section in the middle", "[A]\r\na=1\r\n[Entry]\r\nmember1=9\r\nteam1=Z\r\n\r\n[B]\r\nb=2\r\n"},
        {"twice, other case", "[entry]\r\nold=1\r\n[A]\r\na=1\r\n[ENTRY]\r\nold=2\r\n"},
        {"no final line end", "[A]\r\na=1"},
        {"LF lines, blank tail", "[A]\na=1\n\n"},
        {"only the section", "[Entry]\r\nmember1=9\r\n"},
        {"CP932 elsewhere", shiftJis + "[Entry]\r\nx=1\r\n"},
    };
    const std::vector<std::pair<const char*, std::vector<std::pair<QString, QString>>>> keyLists = {
        {"no keys", {}},
        {"two participants", {{"member1", "12"}, {"team1", "A"}, {"member2", "7"}, {"team2", ""}}},
        {"Japanese value, a key twice", {{"k", "１"}, {"name", u"表\r\n"_s}, {"K", "2"}}},
    };
    for (const auto& [fileCase, content] : files) {
        for (const auto& [keyCase, keys] : keyLists) {
            SCOPED_TRACE(std::string(fileCase) + " / " + keyCase);
            QTemporaryDir folder;
            const QString viaKeys = folder.filePath("keys.ini");
            const QString whole = folder.filePath("whole.ini");
            if (content.isNull()) {
                QFile::remove(viaKeys);
                QFile::remove(whole);
            } else {
                for (const QString& p : {viaKeys, whole}) {
                    QFile f(p);
                    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                    f.write(content);
                }
            }
            ASSERT_TRUE(profileDeleteSection(viaKeys, "Entry"));
            for (const auto& [key, value] : keys)
                ASSERT_TRUE(profileWrite(viaKeys, "Entry", key, value));

            ReplaceCounter replaces(folder.path());
            ASSERT_TRUE(replaces.isValid());
            EXPECT_TRUE(profileWriteSection(whole, "Entry", keys));
            QFile a(viaKeys), b(whole);
            EXPECT_EQ(a.exists(), b.exists());
            if (a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly))
                EXPECT_EQ(b.readAll(), a.readAll());
            // Nothing to change (no section and no keys) writes nothing.
            const bool changes = !keys.empty() || content.toLower().contains("[entry]");
            EXPECT_EQ(replaces.count("whole.ini"), changes ? 1 : 0);
        }
    }
    // A file that cannot be replaced is reported.
    EXPECT_FALSE(profileWriteSection(dir.filePath("missing/x.ini"), "Entry", {{"k", "v"}}));
}

// Many keys written at once leave the file byte for byte as writing them one
// by one did, in one replace of the file.
TEST_F(Profile, WriteKeysMatchesKeyByKeyWritesInOneReplace)
{
    const QByteArray shiftJis = platform::encodeCp932(u"[表ソ]\r\n名前=ゾ\r\n"_s);
    const std::vector<std::pair<const char*, QByteArray>> files = {
        {"missing", QByteArray()},
        {"empty", ""},
        {"other sections and players",
         "[LastValue]\r\noptWhichBy=1\r\n[Other]\r\nM00001=x\r\n[LastSeedNo]\r\nM00099=3\r\n; note\r\n\r\n\r\n"
         "[Tail]\r\nt=1\r\n"},
        {"keys present, other case and blanks, section twice",
         "[lastseedno]\r\n m00001 = 5\r\nM00002=6\r\n[LastValue]\r\ntxtGCT=4\r\n[LASTSEEDNO]\r\nM00003=7\r\n"},
        {"no final line end", "[LastSeedNo]\r\nM00099=3"},
        {"LF lines, blank tail", "[A]\na=1\n\n"},
        {"CP932 elsewhere", shiftJis + "[LastSeedNo]\r\nM00001=1\r\n"},
    };
    using Keys = std::vector<ProfileKey>;
    const std::vector<std::pair<const char*, Keys>> keyLists = {
        {"one key", {{"LastSeedNo", "M00001", "2"}}},
        {"settings and seeds",
         {{"LastValue", "optWhichBy", "0"},
          {"LastValue", "txtGCT", "3"},
          {"LastValue", "chkRGPriority0", "1"},
          {"LastSeedNo", "M00001", "2"},
          {"LastSeedNo", "M00002", "0"},
          {"LastSeedNo", "M00004", "9"}}},
        {"sections interleaved, keys again, Japanese",
         {{"New", "k", "1"},
          {"表ソ", "名前", u"ソ\r\n表"_s},
          {"LastSeedNo", "M00005", "1"},
          {"new", "K", "2"},
          {"Another", "a", ""},
          {"New", "second", "x"},
          {"LastSeedNo", "m00005", "3"}}},
    };
    for (const auto& [fileCase, content] : files) {
        for (const auto& [keyCase, keys] : keyLists) {
            SCOPED_TRACE(std::string(fileCase) + " / " + keyCase);
            QTemporaryDir folder;
            const QString oneByOne = folder.filePath("keys.ini");
            const QString merged = folder.filePath("merged.ini");
            if (!content.isNull()) {
                for (const QString& p : {oneByOne, merged}) {
                    QFile f(p);
                    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                    f.write(content);
                }
            }
            for (const ProfileKey& k : keys)
                ASSERT_TRUE(profileWrite(oneByOne, k.section, k.key, k.value));

            ReplaceCounter replaces(folder.path());
            ASSERT_TRUE(replaces.isValid());
            EXPECT_TRUE(profileWriteKeys(merged, keys));
            EXPECT_EQ(replaces.count("merged.ini"), 1);
            QFile a(oneByOne), b(merged);
            ASSERT_TRUE(a.open(QIODevice::ReadOnly));
            ASSERT_TRUE(b.open(QIODevice::ReadOnly));
            EXPECT_EQ(b.readAll(), a.readAll());
        }
    }

    // No keys: nothing written, not even a missing file created.
    ReplaceCounter replaces(dir.path());
    EXPECT_TRUE(profileWriteKeys(path, {}));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(replaces.count("test.ini"), 0);
}

// A file that cannot be read or replaced is reported and keeps every byte:
// none of the keys is written.
TEST_F(Profile, WriteKeysThatFailsLeavesTheFileAsItWas)
{
    const std::vector<ProfileKey> keys = {{"S", "k", "new"}, {"T", "t", QString(8000, u'v')}};
    EXPECT_FALSE(profileWriteKeys(dir.filePath("missing/test.ini"), keys));
    EXPECT_FALSE(QDir(dir.filePath("missing")).exists());
    EXPECT_FALSE(profileWriteKeys(dir.path(), keys));  // a folder is no file

    // The device takes only part of the new file (a full disk).
    const QByteArray old = "[S]\r\nk=old\r\n";
    put(old);
    const bool ok = testsupport::writeWithFileSizeLimit(1024, [&] { return profileWriteKeys(path, keys); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(bytes(), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"test.ini"});
}

TEST_F(Profile, WriteFailsWithoutFolderAndReturnsFalse)
{
    const QString inMissing = dir.filePath("missing/test.ini");
    EXPECT_FALSE(profileWrite(inMissing, "S", "k", "v"));
    EXPECT_FALSE(QDir(dir.filePath("missing")).exists());
    // A "folder" that is a regular file.
    put("[S]\r\nk=old\r\n");
    EXPECT_FALSE(profileWrite(path + "/inner.ini", "S", "k", "v"));
    EXPECT_FALSE(profileDeleteSection(dir.path(), "S"));  // a folder is no file
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nk=old\r\n"));
}

TEST_F(Profile, WriteInterruptedByTheDeviceKeepsTheOldFile)
{
    const QByteArray old = "[S]\r\nk=old\r\n";
    put(old);
    const bool ok =
        testsupport::writeWithFileSizeLimit(1024, [&] { return profileWrite(path, "S", "k", QString(8000, u'v')); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(bytes(), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"test.ini"});
}

TEST_F(Profile, WriteIntoAReadOnlyFolderReturnsFalseAndKeepsTheFile)
{
    const QByteArray old = "[S]\r\nk=old\r\n";
    put(old);
    {
        ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.ok())
            GTEST_SKIP() << "cannot make a read-only folder here";
        EXPECT_FALSE(profileWrite(path, "S", "k", "new"));
        EXPECT_FALSE(profileWrite(path, "T", "k", "new"));
        EXPECT_FALSE(profileDeleteSection(path, "S"));
        EXPECT_FALSE(profileWrite(dir.filePath("new.ini"), "S", "k", "v"));
        EXPECT_EQ(bytes(), old);
        EXPECT_EQ(profileRead(path, "S", "k"), "old");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"test.ini"});
    EXPECT_TRUE(profileWrite(path, "S", "k", "new"));
}
