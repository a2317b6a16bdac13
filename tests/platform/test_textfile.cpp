#include "platform/textfile.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

using namespace platform;
using namespace Qt::StringLiterals;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

TEST(TextFile, Cp932RoundTripsTheWindowsCharacters)
{
    struct Case {
        QString text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {u"～"_s, "\x81\x60"},          // FULLWIDTH TILDE
        {u"－"_s, "\x81\x7C"},          // FULLWIDTH HYPHEN-MINUS
        {u"∥"_s, "\x81\x61"},
        {u"￢"_s, "\x81\xCA"},
        {u"①"_s, "\x87\x40"},
        {u"髙"_s, "\xFB\xFC"},
        {u"ｱｲｳ"_s, "\xB1\xB2\xB3"},
        {u"ソ"_s, "\x83\x5C"},
        {u"表"_s, "\x95\x5C"},
        {u"ー"_s, "\x81\x5B"},
        {u"ゾ"_s, "\x83\x5D"},
        {u"ゾーン"_s, "\x83\x5D\x81\x5B\x83\x93"},
        {u"№"_s, "\x87\x82"},
        {u"　"_s, "\x81\x40"},
        {u"a=b[c]\\"_s, "a=b[c]\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeCp932(c.text), c.bytes) << c.text.toStdString();
        EXPECT_EQ(decodeCp932(c.bytes), c.text) << c.text.toStdString();
    }
}

TEST(TextFile, FoldsInputMethodCodePointsAndMarksUnmappable)
{
    struct Case {
        QString in;
        QString readBack;
    };
    const Case cases[] = {
        {u"\u301C"_s, u"～"_s},  {u"\u2212"_s, u"－"_s},  {u"\u2016"_s, u"∥"_s},
        {u"\u00A2"_s, u"￠"_s},  {u"\u00A3"_s, u"￡"_s},  {u"\u00AC"_s, u"￢"_s},
        {u"\u2014"_s, u"―"_s},
        {u"a\u00E9b"_s, u"a?b"_s},                 // é has no CP932 form
        {u"x\U0001F600y"_s, u"x?y"_s},             // a surrogate pair is one "?"
        {QString(QChar(0xD800)) + u"z"_s, u"?z"_s},  // a lone surrogate
        {u"한글"_s, u"??"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeCp932(encodeCp932(c.in)), c.readBack) << c.in.toStdString();
}

TEST(TextFile, InvalidBytesDecodeToReplacementCharacter)
{
    EXPECT_EQ(decodeCp932(QByteArray("a\x81", 2)), u"a\uFFFD"_s);
    EXPECT_EQ(decodeCp932(QByteArray("\xFF" "b", 2)), u"\uFFFDb"_s);
}

TEST(TextFile, SplitLinesAcceptsEveryLineEnd)
{
    struct Case {
        QString text;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"\r\n", {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitLines(c.text), c.lines) << c.text.toStdString();
}

TEST(TextFile, WritesCp932WithCrLfAndReadsItBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.ini");
    const QStringList lines = {u"[ゾーン]"_s, u"名前=髙橋　～①"_s, "", "x=1"};
    ASSERT_TRUE(writeTextLinesAtomic(path, lines));
    const QByteArray bytes = readBytes(path);
    EXPECT_TRUE(bytes.endsWith("x=1\r\n"));
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(bytes.count("\r\n"), 4);
    EXPECT_EQ(bytes.left(8), QByteArray("[\x83\x5D\x81\x5B\x83\x93]"));
    QStringList back;
    ASSERT_TRUE(readTextLines(path, back));
    EXPECT_EQ(back, lines);
}

TEST(TextFile, ReadingAMissingFileFailsAndCreatesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("none.txt");
    QStringList lines = {"stale"};
    EXPECT_FALSE(readTextLines(path, lines));
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

// A write that cannot be completed must leave the old file as it was. As
// root, permissions do not stop a write, so the failures are made from the
// file-system layout: a folder that does not exist, a "folder" that is a
// regular file, a target that is a folder, and a full device.
TEST(TextFile, FailedWriteLeavesTheOldFileIntact)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath("plain");
    writeBytes(blocker, "not a folder");
    EXPECT_FALSE(writeTextLinesAtomic(dir.filePath("missing/t.ini"), {"a"}));
    EXPECT_FALSE(QDir(dir.filePath("missing")).exists());
    EXPECT_FALSE(writeTextLinesAtomic(blocker + "/t.ini", {"a"}));
    EXPECT_EQ(readBytes(blocker), QByteArray("not a folder"));

    ASSERT_TRUE(QDir(dir.path()).mkdir("target"));
    EXPECT_FALSE(writeTextLinesAtomic(dir.filePath("target"), {"a"}));
    EXPECT_TRUE(QFileInfo(dir.filePath("target")).isDir());
}

TEST(TextFile, WriteCutShortByTheDeviceKeepsTheOldFile)
{
    // A file-size limit makes the device refuse the data part-way through
    // the temporary file (EFBIG), as a full disk would; the rename never
    // happens and the old file stays, with no temporary file left behind.
    QTemporaryDir dir;
    const QString path = dir.filePath("game.ini");
    const QByteArray old = "[Game]\r\nHole=8\r\n";
    writeBytes(path, old);

    const bool ok =
        testsupport::writeWithFileSizeLimit(4096, [&] { return writeBytesAtomic(path, QByteArray(256 * 1024, 'x')); });

    EXPECT_FALSE(ok);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"game.ini"});
}

TEST(TextFile, StampTellsEveryWriteApart)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("team.dat");
    EXPECT_EQ(platform::fileStamp(path), platform::FileStamp{});
    ASSERT_TRUE(platform::writeTextLinesAtomic(path, {"[Team]", "ID1=A"}));
    const platform::FileStamp first = platform::fileStamp(path);
    EXPECT_NE(first, platform::FileStamp{});
    EXPECT_EQ(platform::fileStamp(path), first);
    // The same content written again is another file.
    ASSERT_TRUE(platform::writeTextLinesAtomic(path, {"[Team]", "ID1=A"}));
    EXPECT_NE(platform::fileStamp(path), first);
}

// A save killed between writing and renaming leaves its temporary file,
// named as Qt names it: the target's name and a six-letter suffix.
// QTemporaryFile, given the target as its template, makes names the same
// way.
TEST(TextFile, LeftoverNamesAreTheTargetAndSixLetters)
{
    QTemporaryDir dir;
    for (int i = 0; i < 50; ++i) {
        QTemporaryFile made(dir.filePath("member.dat"));
        ASSERT_TRUE(made.open());
        QString target;
        const QString name = QFileInfo(made.fileName()).fileName();
        EXPECT_TRUE(isAtomicWriteLeftover(name, &target)) << name.toStdString();
        EXPECT_EQ(target, "member.dat");
    }
    const struct { const char* name; const char* target; } cases[] = {
        {"Tallicor.ini.qWxYzA", "Tallicor.ini"},
        {"game00012.tcg.abcdef", "game00012.tcg"},
        {"member.dat.AbCdE", nullptr},    // five letters
        {"member.dat.AbCdEfG", nullptr},  // seven letters
        {"member.dat.AbC3Ef", nullptr},   // a digit
        {"member.dat_AbCdEf", nullptr},   // no dot
        {"member.dat.ÄbCdEf", nullptr},   // not ASCII
        {".AbCdEf", nullptr},             // no target
        {"member.dat", nullptr},
    };
    for (const auto& c : cases) {
        QString target;
        const bool leftover = isAtomicWriteLeftover(QString::fromUtf8(c.name), &target);
        EXPECT_EQ(leftover, c.target != nullptr) << c.name;
        if (c.target)
            EXPECT_EQ(target, QString::fromUtf8(c.target)) << c.name;
    }
}
