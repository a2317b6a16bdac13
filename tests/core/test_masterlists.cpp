#include "core/masterlists.h"
#include "core/records.h"
#include "platform/textfile.h"
#include "support/recordingui.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MasterListsTest : public testing::Test {
protected:
    void SetUp() override
    {
        resetRecordingUi();
        ASSERT_TRUE(dir.isValid());
        gstrMemberFile = dir.filePath(QStringLiteral("member.dat"));
        gMemberList.clear();
        gBelongList.clear();
        gsSetMemberAgeClock([] { return QDate(2010, 5, 9); });
    }
    void TearDown() override
    {
        gsSetMemberAgeClock(nullptr);
        gMemberList.clear();
        gBelongList.clear();
    }

    void writeMemberFile(const QStringList& lines)
    {
        ASSERT_TRUE(platform::writeTextLinesAtomic(gstrMemberFile, lines));
    }

    static MemberInfo member(Long id, const QString& name, Integer gender, const QString& birthday,
                             const QString& location, Long belong = 0)
    {
        MemberInfo m;
        m.IDNo = id;
        m.Name = name;
        m.Gender = gender;
        m.Birthday = birthday;
        m.Location = location;
        m.BelongID = belong;
        return m;
    }

    QTemporaryDir dir;
};

TEST_F(MasterListsTest, ReadsNamedSectionsUpToTheHighestNumber)
{
    writeMemberFile({
        QStringLiteral("[Management]"),
        QStringLiteral("MaxMemberNo=5.5"),   // rounds to 6 (half to even)
        QStringLiteral("[member3]"),
        QStringLiteral("Name= 鈴木　花子　"),
        QStringLiteral("State=2"),
        QStringLiteral("Birthday= 1975/03/04 "),
        QStringLiteral("Gender=2"),
        QStringLiteral("BelongID=2.5"),
        QStringLiteral("Sort= すずき はなこ "),
        QStringLiteral("Location= 大阪府 "),
        QStringLiteral("[member1]"),
        QStringLiteral("Name=山田太郎"),
        QStringLiteral("Gender=1"),
        QStringLiteral("BelongID=3.5"),
        // Not a player: a blank name, whatever else the section holds.
        QStringLiteral("[member2]"),
        QStringLiteral("Name= 　"),
        QStringLiteral("State=0"),
        QStringLiteral("Gender=1"),
        // Names match exactly: a lower-case key and a zero-padded section
        // are not read.
        QStringLiteral("[member4]"),
        QStringLiteral("name=小文字"),
        QStringLiteral("[member05]"),
        QStringLiteral("Name=ゼロ埋め"),
        // Only the first section of a name counts.
        QStringLiteral("[member1]"),
        QStringLiteral("Name=二番目"),
        QStringLiteral("[member6]"),
        QStringLiteral("Name=六"),
        // Past MaxMemberNo.
        QStringLiteral("[member7]"),
        QStringLiteral("Name=七"),
    });
    gsReadMemberData();

    ASSERT_EQ(gMemberList.size(), 3u);
    const MemberInfo& a = gMemberList[0];
    EXPECT_EQ(a.IDNo, 1);
    EXPECT_EQ(a.Name, QStringLiteral("山田太郎"));
    EXPECT_EQ(a.State, 0);
    EXPECT_EQ(a.Gender, 1);
    EXPECT_EQ(a.BelongID, 4);
    EXPECT_EQ(a.Birthday, QString());

    const MemberInfo& b = gMemberList[1];
    EXPECT_EQ(b.IDNo, 3);
    EXPECT_EQ(b.Name, QStringLiteral("鈴木　花子"));
    EXPECT_EQ(b.State, 2);
    EXPECT_EQ(b.Gender, 2);
    EXPECT_EQ(b.BelongID, 2);
    EXPECT_EQ(b.Birthday, QStringLiteral("1975/03/04"));
    EXPECT_EQ(b.Sort, QStringLiteral("すずき はなこ"));
    EXPECT_EQ(b.Location, QStringLiteral("大阪府"));
    EXPECT_EQ(b.Marked, 0);
    EXPECT_EQ(b.TeamID, QString());

    EXPECT_EQ(gMemberList[2].IDNo, 6);
    EXPECT_EQ(gfGetMemberIndex(2), -1);
    EXPECT_EQ(gfGetMemberName(2), QString());
}

TEST_F(MasterListsTest, AMissingOrBrokenFileLeavesTheListEmpty)
{
    gMemberList.push_back(member(9, QStringLiteral("前の一覧"), 1, QString(), QString()));
    gsReadMemberData();   // no file
    EXPECT_TRUE(gMemberList.empty());

    writeMemberFile({QStringLiteral("MaxMemberNo=1"), QStringLiteral("[member1]"),
                     QStringLiteral("Name=甲")});   // a key before any section
    gsReadMemberData();
    EXPECT_TRUE(gMemberList.empty());

    writeMemberFile({QStringLiteral("[Management]"), QStringLiteral("MaxMemberNo="),
                     QStringLiteral("[member1]"), QStringLiteral("Name=甲")});
    gsReadMemberData();
    EXPECT_TRUE(gMemberList.empty());
}

TEST_F(MasterListsTest, ReadsThousandsOfPlayersInOrder)
{
    QStringList lines{QStringLiteral("[Management]"), QStringLiteral("MaxMemberNo=32767")};
    for (int n = 32767; n >= 1; n -= 3)
        lines << QStringLiteral("[member%1]").arg(n) << QStringLiteral("Name=P%1").arg(n);
    writeMemberFile(lines);
    gsReadMemberData();
    ASSERT_EQ(gMemberList.size(), 10923u);
    EXPECT_EQ(gMemberList.front().IDNo, 1);
    EXPECT_EQ(gMemberList.back().IDNo, 32767);
    EXPECT_EQ(gfGetMemberName(32764), QStringLiteral("P32764"));
}

TEST_F(MasterListsTest, LookUps)
{
    gBelongList = {
        {1, QStringLiteral("東京中央スポーツ倶楽部"), QString(), 0, 0},
        {2, QStringLiteral("横浜クラブ"), QStringLiteral(" 横浜 "), 2, 0},   // deleted, still found
        {3, QStringLiteral("川崎スポーツ協会"), QStringLiteral(" "), 0, 0},
        {1, QStringLiteral("重複"), QStringLiteral("重"), 0, 0},
    };
    gMemberList = {
        member(5, QStringLiteral("山田"), 1, QStringLiteral("2000/5/10"), QStringLiteral("東京都千代田区"), 1),
        member(7, QStringLiteral("佐藤"), 2, QStringLiteral("不明"), QString(), 2),
        member(8, QStringLiteral("田中"), 0, QString(), QStringLiteral("港"), 0),
        member(9, QStringLiteral("高橋"), 3, QString(), QString(), 4),
        member(5, QStringLiteral("重複"), 2, QString(), QString()),
    };
    gMemberList[1].State = 2;

    EXPECT_EQ(gfGetMemberName(5), QStringLiteral("山田"));   // first match
    EXPECT_EQ(gfGetMemberName(7), QStringLiteral("佐藤"));   // deleted players are found
    EXPECT_EQ(gfGetMemberIndex(8), 2);
    EXPECT_EQ(gfGetMemberIndex(99), -1);

    EXPECT_EQ(gfGetMemberGender(5, 0), QStringLiteral("男"));
    EXPECT_EQ(gfGetMemberGender(5, 1), QStringLiteral("M"));
    EXPECT_EQ(gfGetMemberGender(7, 0), QStringLiteral("女"));
    EXPECT_EQ(gfGetMemberGender(7, -1), QStringLiteral("F"));
    EXPECT_EQ(gfGetMemberGender(8, 0), QStringLiteral("-"));
    EXPECT_EQ(gfGetMemberGender(9, 1), QStringLiteral("-"));
    EXPECT_EQ(gfGetMemberGender(99, 0), QString());

    EXPECT_EQ(gfGetMemberBirthday(5), QStringLiteral("2000/05/10"));
    EXPECT_EQ(gfGetMemberBirthday(7), QString());
    EXPECT_EQ(gfGetMemberBirthday(99), QString());
    EXPECT_EQ(gfGetMemberAge(5, QStringLiteral("2010/05/10")), QStringLiteral("10"));
    EXPECT_EQ(gfGetMemberAge(7, QStringLiteral("2010/05/10")), QStringLiteral("-"));
    EXPECT_EQ(gfGetMemberAge(5, QString()), QStringLiteral("-"));
    EXPECT_EQ(gfGetMemberAge(99, QStringLiteral("2010/05/10")), QString());

    EXPECT_EQ(gfGetMemberBelongID(5), 1);
    EXPECT_EQ(gfGetMemberBelongID(99), 0);
    EXPECT_EQ(gfGetMemberBelongName(5), QStringLiteral("東京中央スポーツ倶楽部"));
    EXPECT_EQ(gfGetMemberBelongName(7), QStringLiteral("横浜クラブ"));
    EXPECT_EQ(gfGetMemberBelongName(8), QString());   // no group
    EXPECT_EQ(gfGetMemberBelongName(9), QString());   // group 4 does not exist
    EXPECT_EQ(gfGetMemberBelongShortName(5), QStringLiteral("東京中央ス"));   // first five characters
    EXPECT_EQ(gfGetMemberBelongShortName(7), QStringLiteral(" 横浜 "));   // as stored
    EXPECT_EQ(gfGetMemberBelongShortName(8), QString());
    EXPECT_EQ(gfGetBelongShortName(3), QStringLiteral("川崎スポー"));   // a blank short name is empty
    EXPECT_EQ(gfGetBelongName(99), QString());
    EXPECT_EQ(gfGetBelongShortName(99), QString());

    EXPECT_EQ(gfGetMemberLocation(5), QStringLiteral("東京都千代"));
    EXPECT_EQ(gfGetMemberLocation(8), QStringLiteral("港"));
    EXPECT_EQ(gfGetMemberLocation(99), QString());
}

TEST_F(MasterListsTest, DescriptionTexts)
{
    const MemberInfo full =
        member(1, QStringLiteral("山田太郎"), 1, QStringLiteral("2000/05/10"), QStringLiteral("東京都"));
    EXPECT_EQ(gfGetMemberDescription(full), QStringLiteral(" 山田太郎 (男、平成12年5月10日生　9歳：東京都)"));
    EXPECT_EQ(gfGetMemberShortDescription(full), QStringLiteral("山田太郎 (男、9歳：東京都)"));

    const MemberInfo bare = member(2, QStringLiteral("佐藤"), 2, QString(), QStringLiteral(" "));
    EXPECT_EQ(gfGetMemberDescription(bare), QStringLiteral(" 佐藤 (女)"));
    EXPECT_EQ(gfGetMemberShortDescription(bare), QStringLiteral("佐藤 (女)"));

    // No gender: the birthday piece follows the bracket directly.
    const MemberInfo noGender =
        member(3, QStringLiteral("田中"), 0, QStringLiteral("S50/3/4"), QStringLiteral("大阪"));
    EXPECT_EQ(gfGetMemberDescription(noGender), QStringLiteral(" 田中 (、昭和50年3月4日生　35歳：大阪)"));
    EXPECT_EQ(gfGetMemberShortDescription(noGender), QStringLiteral("田中 (、35歳：大阪)"));

    // A birthday that is not a date: shown as stored, age "-".
    const MemberInfo badDate = member(4, QStringLiteral("高橋"), 1, QStringLiteral("不明"), QString());
    EXPECT_EQ(gfGetMemberDescription(badDate), QStringLiteral(" 高橋 (男、不明　-歳)"));
    EXPECT_EQ(gfGetMemberShortDescription(badDate), QStringLiteral("高橋 (男、-歳)"));
}

}  // namespace

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A hand-edited player file with numbers too large for their fields: the
// players are read with 0 in those fields, each value is noted once with its
// file, section and key, and the file itself is not touched.
TEST_F(MasterListsTest, NumbersThatFitNoFieldReadAsZeroAndAreNoted)
{
    struct Case {
        const char* line;       // the damaged key of member2
        Integer state, gender;
        Long belong;
    };
    const Case cases[] = {
        {"Gender=99999", 2, 0, 5},
        {"Gender=-40000", 2, 0, 5},
        {"State=32768", 0, 2, 5},
        {"BelongID=2147483648", 2, 2, 0},
        {"BelongID=-99999999999", 2, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const QString damaged = QString::fromLatin1(c.line);
        const QString key = damaged.section(QLatin1Char('='), 0, 0);
        QStringList lines{QStringLiteral("[Management]"), QStringLiteral("MaxMemberNo=3"),
                          QStringLiteral("[member1]"), QStringLiteral("Name=甲"),
                          QStringLiteral("Gender=1"), QStringLiteral("BelongID=4"),
                          QStringLiteral("[member2]"), QStringLiteral("Name=乙")};
        for (const QString& k : {QStringLiteral("State=2"), QStringLiteral("Gender=2"),
                                 QStringLiteral("BelongID=5")})
            lines << (k.startsWith(key + QLatin1Char('=')) ? damaged : k);
        lines << QStringLiteral("[member3]") << QStringLiteral("Name=丙");
        writeMemberFile(lines);
        const QByteArray before = fileBytes(gstrMemberFile);

        ASSERT_NO_THROW(gsReadMemberData());
        ASSERT_EQ(gMemberList.size(), 3u);
        EXPECT_EQ(gMemberList[0].Gender, 1);
        EXPECT_EQ(gMemberList[0].BelongID, 4);
        const MemberInfo& m = gMemberList[1];
        EXPECT_EQ(m.Name, QStringLiteral("乙"));
        EXPECT_EQ(m.State, c.state);
        EXPECT_EQ(m.Gender, c.gender);
        EXPECT_EQ(m.BelongID, c.belong);
        EXPECT_EQ(gMemberList[2].IDNo, 3);

        // Read again (as the dialogs do): still one note.
        gsReadMemberData();
        EXPECT_EQ(gfTakeUnreadableValues(), QStringList{QStringLiteral("member.dat [member2] ") + damaged});
        EXPECT_TRUE(gfTakeUnreadableValues().isEmpty());
        EXPECT_EQ(fileBytes(gstrMemberFile), before);
        EXPECT_TRUE(recordingUi().messages.empty());
    }
}

TEST_F(MasterListsTest, AHighestNumberThatFitsNoFieldReadsAsNoPlayers)
{
    writeMemberFile({QStringLiteral("[Management]"), QStringLiteral("MaxMemberNo=99999999999"),
                     QStringLiteral("[member1]"), QStringLiteral("Name=甲"), QStringLiteral("Gender=77777")});
    ASSERT_NO_THROW(gsReadMemberData());
    EXPECT_TRUE(gMemberList.empty());
    EXPECT_EQ(gfTakeUnreadableValues(),
              QStringList{QStringLiteral("member.dat [Management] MaxMemberNo=99999999999")});

    // Once the file is mended the notes of the earlier reading are gone.
    writeMemberFile({QStringLiteral("[Management]"), QStringLiteral("MaxMemberNo=1"),
                     QStringLiteral("[member1]"), QStringLiteral("Name=甲"), QStringLiteral("Gender=99999")});
    gsReadMemberData();
    writeMemberFile({QStringLiteral("[Management]"), QStringLiteral("MaxMemberNo=1"),
                     QStringLiteral("[member1]"), QStringLiteral("Name=甲"), QStringLiteral("Gender=1")});
    gsReadMemberData();
    ASSERT_EQ(gMemberList.size(), 1u);
    EXPECT_EQ(gMemberList[0].Gender, 1);
    EXPECT_TRUE(gfTakeUnreadableValues().isEmpty());
}

}  // namespace
