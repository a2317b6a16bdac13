#include "core/ini.h"
#include "platform/textfile.h"
#include "platform/uiservice.h"
#include "support/recordingui.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class IniEx : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("players.dat");

    void TearDown() override { gsClearIniEx(); }
    Integer load(const QByteArray& bytes)
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 99;
        f.write(bytes);
        f.close();
        return gfReadIniExFile(path);
    }
};

}  // namespace

TEST_F(IniEx, ParsesSectionsAndKeysExactly)
{
    ASSERT_EQ(load("junk line without equals\r\n"
                   "   \r\n"
                   "[S]xyz\r\n"
                   "=empty key\r\n"
                   "a=b=c\r\n"
                   "K = V\r\n"
                   "dup=first\r\n"
                   "dup=second\r\n"
                   " [T]=indented\r\n"
                   "no equals here\r\n"
                   "[]\r\n"
                   "e=in empty name\r\n"
                   "[abc\n"
                   "u=in unclosed\r"
                   "[S]\r\n"
                   "later=second S\r\n"
                   "[Case]\r\n"
                   "IDNo=1\r\n"
                   "Trail= v \r\n"),
              0);
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"S", "", "empty key"},
        {"S", "a", "b=c"},
        {"S", "K ", " V"},
        {"S", "K", ""},            // spaces count
        {"S", "dup", "first"},
        {"S", " [T]", "indented"},  // an indented bracket is a key line
        {"S", "later", ""},         // second section of a name is never searched
        {"", "e", "in empty name"},
        {"", "u", ""},              // "[abc" also has the empty name: the first wins
        {"Case", "IDNo", "1"},
        {"Case", "idno", ""},       // case-sensitive
        {"case", "IDNo", ""},
        {"Case", "Trail", " v "},   // values untrimmed
        {"None", "a", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gfGetIniExValue(c.section, c.key), QString::fromLatin1(c.value))
            << "[" << c.section << "] " << c.key;

    ASSERT_EQ(glngIniExSectionsUBound(), 4);
    EXPECT_EQ(gIniExSections[0].Name, "S");
    EXPECT_EQ(gIniExSections[0].FirstKey, 0);
    EXPECT_EQ(gIniExSections[0].KeyCount, 6);
    EXPECT_EQ(gIniExSections[1].Name, "");
    EXPECT_EQ(gIniExSections[2].Name, "");
    EXPECT_EQ(gIniExSections[2].FirstKey, 7);
    EXPECT_EQ(gIniExSections[2].KeyCount, 1);
    EXPECT_EQ(gIniExSections[3].Name, "S");
    EXPECT_EQ(glngIniExKeysUBound(), 10);

    gsClearIniEx();
    EXPECT_EQ(glngIniExSectionsUBound(), -1);
    EXPECT_EQ(glngIniExKeysUBound(), -1);
    EXPECT_EQ(gfGetIniExValue("S", "a"), "");
}

TEST_F(IniEx, FailuresGiveMinusOneAndResetThePointer)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        Integer result;
        Long sections;  // upper bound after the load
    };
    const Case cases[] = {
        {"key line first", "k=v\r\n[S]\r\n", -1, -1},
        {"text line first is fine", "hello\r\n[S]\r\nk=v\r\n", 0, 0},
        {"blank and full-width blank lines", "\r\n \r\n\x81\x40\r\n[S]\r\n", 0, 0},
        {"section with a key", "[S]\r\nk=v\r\n", 0, 0},
        {"empty file", "", 0, -1},
    };
    for (const Case& c : cases) {
        platform::setHourglass();
        EXPECT_EQ(load(c.bytes), c.result) << c.name;
        EXPECT_EQ(glngIniExSectionsUBound(), c.sections) << c.name;
        if (c.result == -1)
            EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault) << c.name;
        platform::resetMousePointer();
    }
    platform::setHourglass();
    EXPECT_EQ(gfReadIniExFile(dir.filePath("missing.dat")), -1);
    EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault);
    EXPECT_FALSE(QFile::exists(dir.filePath("missing.dat")));
}

TEST_F(IniEx, ReadsCp932WithTrailBytesThatLookLikeBrackets)
{
    // ソ, 表, ー, ゾ have "\", "]" or "[" as their second byte.
    ASSERT_TRUE(platform::writeTextLinesAtomic(
        path, {u"[ゾーン]"_s, u"表=ソー～"_s, u"[1]"_s, u"Name=髙橋　ｱｲｳ"_s}));
    ASSERT_EQ(gfReadIniExFile(path), 0);
    EXPECT_EQ(gfGetIniExValue(u"ゾーン"_s, u"表"_s), u"ソー～"_s);
    EXPECT_EQ(gfGetIniExValue("1", "Name"), u"髙橋　ｱｲｳ"_s);
}

TEST_F(IniEx, TheTwoReadersDifferOnCaseAndIndentation)
{
    ASSERT_EQ(load("[Game]\r\nhole=8\r\n[Score1]\r\nidno=5\r\n  [Ind]\r\nk=1\r\n"), 0);
    EXPECT_EQ(gfReadIniFile(path, "Game", "Hole"), "8");
    EXPECT_EQ(gfGetIniExValue("Game", "Hole"), "");
    EXPECT_EQ(gfGetIniExValue("Score1", "IDNo"), "");
    EXPECT_EQ(gfReadIniFile(path, "Ind", "k"), "1");
    EXPECT_EQ(gfGetIniExValue("Ind", "k"), "");
    EXPECT_EQ(gfGetIniExValue("Score1", "k"), "1");
}

TEST(Ini, ProfileWrappers)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    EXPECT_EQ(gfReadIniFile(file, "Setup", "Folder"), "");
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_NE(gfWriteIniFile(file, "Setup", "Folder", u"ドキュメント"_s), 0);
    EXPECT_NE(gfWriteIniFile(file, "ScoreEntry", "Entry1", "12"), 0);
    EXPECT_EQ(gfReadIniFile(file, "setup", "folder"), u"ドキュメント"_s);
    EXPECT_NE(gfWriteIniFile(file, "Setup", "Long", QString(400, u'9')), 0);
    EXPECT_EQ(gfReadIniFile(file, "Setup", "Long").size(), 255);
    // Empty key and empty value never delete anything.
    EXPECT_NE(gfWriteIniFile(file, "ScoreEntry", "", ""), 0);
    EXPECT_EQ(gfReadIniFile(file, "ScoreEntry", "Entry1"), "12");
    EXPECT_NE(gsDeleteIniSection(file, "ScoreEntry"), 0);
    EXPECT_EQ(gfReadIniFile(file, "ScoreEntry", "Entry1"), "");
    EXPECT_EQ(gfReadIniFile(file, "Setup", "Folder"), u"ドキュメント"_s);
    EXPECT_EQ(gfWriteIniFile(dir.filePath("no/settings.ini"), "Setup", "k", "v"), 0);

    EXPECT_EQ(pfCutAtNull(QString("ab") + QChar(u'\0') + "cd"), "ab");
    EXPECT_EQ(pfCutAtNull("abc"), "abc");
    EXPECT_EQ(pfCutAtNull(QString(QChar(u'\0'))), "");
}
