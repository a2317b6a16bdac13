// The fast notation of the score dialog: reading a round's text into hole
// texts (with the leftover) and writing hole texts back as a text.
#include "game/frmScore.h"

#include <gtest/gtest.h>

namespace {

using Holes = frmScore::HoleTexts;

QString joined(const Holes& holes, int count)
{
    QStringList out;
    for (int h = 0; h < count; ++h)
        out << (holes[h].isEmpty() ? QStringLiteral(".") : holes[h]);
    return out.join(QLatin1Char(' '));
}

struct ParseCase {
    const char* text;
    const char* holes;      // holes 1 to 8, "." = not entered
    const char* leftover;
    const char* normalised; // the text written back
};

TEST(FastNotation, ReadsAndNormalisesEightHoleRounds)
{
    const ParseCase cases[] = {
        {"2340101234", "2 3 4 10 1 2 3 4", "", "2340101234"},
        {"23401012345", "2 3 4 10 1 2 3 4", "5", "2340101234"},
        {"234", "2 3 4 . . . . .", "", "234"},
        {"2 3", "2 . 3 . . . . .", "", "2 3"},
        {"1a3", "1 . 3 . . . . .", "", "1 3"},
        {"20", "2 . . . . . . .", "", "2"},          // a final 0 gives no hole
        {"205", "2 5 . . . . . .", "", "25"},
        {"2005", "2 5 . . . . . .", "", "25"},
        {"012", "12 . . . . . . .", "", "012"},
        {"099", "99 . . . . . . .", "", "099"},
        {"005", "5 . . . . . . .", "", "5"},
        {"000", "0 . . . . . . .", "", ""},          // 0 strokes: not entered
        {"0ab", "0 . . . . . . .", "", ""},
        {"0-5", "-5 . . . . . . .", "", ""},
        {"0 5", "5 . . . . . . .", "", "5"},
        {"0100", "10 . . . . . . .", "", "010"},      // 10, then a final 0
        {" 7", ". 7 . . . . . .", "", " 7"},          // a leading blank is a hole
        {"１２3", ". . 3 . . . . .", "", "  3"},       // full-width digits are no digits
        {"12345678 9", "1 2 3 4 5 6 7 8", " 9", "12345678"},
        {"11111111013", "1 1 1 1 1 1 1 1", "013", "11111111"},
        {"", ". . . . . . . .", "", ""},
    };
    for (const ParseCase& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        Holes holes;
        const QString leftover = frmScore::pfParseEasyScore(holes, text, 8);
        EXPECT_EQ(joined(holes, 8), QString::fromUtf8(c.holes)) << c.text;
        EXPECT_EQ(leftover, QString::fromUtf8(c.leftover)) << c.text;
        EXPECT_EQ(frmScore::pfHolesToEasyText(holes, 8), QString::fromUtf8(c.normalised)) << c.text;
        for (int h = 8; h < 16; ++h)
            EXPECT_TRUE(holes[h].isEmpty()) << c.text;
    }
}

TEST(FastNotation, ReadingStopsAtTheGamesHoles)
{
    Holes holes;
    EXPECT_EQ(frmScore::pfParseEasyScore(holes, QStringLiteral("12345"), 3), QStringLiteral("45"));
    EXPECT_EQ(joined(holes, 4), QStringLiteral("1 2 3 ."));

    // Holes the reading does not reach keep their text.
    holes.fill(QStringLiteral("x"));
    EXPECT_EQ(frmScore::pfParseEasyScore(holes, QStringLiteral("20"), 8), QString());
    EXPECT_EQ(joined(holes, 3), QStringLiteral("2 x x"));

    // Sixteen holes of two digits each.
    EXPECT_EQ(frmScore::pfParseEasyScore(holes, QStringLiteral("011").repeated(16), 16), QString());
    EXPECT_EQ(joined(holes, 16), QStringList(16, QStringLiteral("11")).join(QLatin1Char(' ')));
}

TEST(FastNotation, WritesEveryValueAndOnlyTheGamesHoles)
{
    struct FormatCase {
        std::vector<const char*> holes;
        int count;
        const char* text;
    };
    const FormatCase cases[] = {
        {{"5", "", "12", "", "", "", "", ""}, 8, "5 012"},
        {{"", "7"}, 8, " 7"},
        {{"07", " 3 ", "99"}, 3, "73099"},
        {{"-3", "0", "abc", "00"}, 4, ""},
        {{"100", "5"}, 2, "001005"},                 // no notation that reads back
        {{"1", "2", "3", "4"}, 2, "12"},             // holes beyond the game's are not written
        {{"9"}, 0, ""},
    };
    for (const FormatCase& c : cases) {
        Holes holes;
        for (size_t h = 0; h < c.holes.size(); ++h)
            holes[h] = QString::fromUtf8(c.holes[h]);
        EXPECT_EQ(frmScore::pfHolesToEasyText(holes, c.count), QString::fromUtf8(c.text)) << c.text;
    }
    // "00100" reads back as other holes: the dialog keeps such texts itself.
    Holes back;
    frmScore::pfParseEasyScore(back, QStringLiteral("001005"), 2);
    EXPECT_EQ(joined(back, 2), QStringLiteral("1 5"));
}

TEST(FastNotation, NumericValueOfABox)
{
    const std::pair<const char*, Long> cases[] = {
        {"", 0}, {"abc", 0}, {"-", 0}, {"07", 7}, {"1 2", 12}, {"-5x", -5}, {"2.5", 2}, {"3.5", 4},
        {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(frmScore::pfNumValue(QString::fromUtf8(text)), value) << text;
}

}  // namespace
