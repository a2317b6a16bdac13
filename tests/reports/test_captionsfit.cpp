// Captions of the report pages in their labels as the renderer draws them:
// every fixed caption of every report page form (the column headers and the
// other texts of the designs) prints on one line inside its label, set
// narrower only when the substitute font makes it wider than the label; the
// narrow half-width captions (2打 to 5打, an era birthday, No., MNo.) and the
// name headers of the game pages fit as the page dump tool lays them out,
// even as texts the page would set.

#include "game/gamepages_support.h"

#include "print/drawtarget.h"
#include "print/renderer.h"
#include "reports/modReports.h"

#include <QImage>

#include <algorithm>
#include <cmath>

namespace {

using namespace gamepages;

// A picture that notes every line of text it is given, with the stretch it
// is set in.
class LineNotingPicture : public print::ImageTarget {
public:
    LineNotingPicture(double width = 12000, double height = 16000) : ImageTarget(width, height) {}
    void print(const QString& text) override
    {
        lines << text;
        stretches.push_back(textStretch);
        ImageTarget::print(text);
    }
    QStringList lines;
    std::vector<double> stretches;
};

// A page form of one label whose caption the page sets: a data cell, broken
// at its width.
class OneLabelForm : public print::PageForm {
public:
    OneLabelForm(const print::Control& c, const QString& caption)
        : PageForm(QStringLiteral("frmOneLabel")), m_caption(caption)
    {
        add(c);
    }

protected:
    void fill() override { control(QStringLiteral("lblDumped")).caption = m_caption; }

private:
    QString m_caption;
};

// The lines the renderer draws a dumped label's caption in, as a text the
// page sets (fields: name, left, top, width, height, caption, font, size,
// bold).
QStringList drawnLines(const QStringList& f)
{
    print::Control c = print::label(QStringLiteral("lblDumped"))
                           .at(f[1].toDouble(), f[2].toDouble(), f[3].toDouble(), f[4].toDouble())
                           .withFont({f[6], f[7].toDouble(), f[8] == "1"});
    OneLabelForm form(c, f[5]);
    form.load();
    LineNotingPicture picture;
    gintPrintMode = 0;
    gsDrawForm(form, &picture, 1.0, 0);
    return picture.lines;
}

// The inked pixel box of a picture (grey below 160); an empty box when blank.
struct InkBox {
    int left = -1, top = -1, right = -1, bottom = -1;
    bool blank() const { return left < 0; }
};
InkBox inkOf(const QImage& img)
{
    InkBox box;
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qGray(row[x]) >= 160)
                continue;
            if (box.blank()) {
                box = {x, y, x, y};
                continue;
            }
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.bottom = y;
        }
    }
    return box;
}

// Every fixed caption of every report page form, in the form's own design
// (hidden ones too: the page shows some of them under some settings): drawn
// alone on its page, it is one line (one per CR LF of the design) inked
// inside its label, set in the font's own width when that fits and
// condensed just enough when the substitute font makes it wider, never
// below 80 % (a design that needs more wants a wider label, not a squeezed
// text).
TEST(FixedCaptions, EveryFixedCaptionOfEveryPageFormPrintsOnOneLineInsideItsLabel)
{
    resetRecordingUi();
    gintPrintMode = 0;
    QStringList forms;
    QStringList checked;   // form, label and caption
    for (const ReportPageForm& row : gReportPageForms()) {
        const std::unique_ptr<print::PageForm> form = row.form();
        forms << form->name();
        std::vector<const print::Control*> fixed;
        for (const print::Control& c : form->controls())
            if (c.hasFixedCaption())
                fixed.push_back(&c);
        for (const print::Control* shown : fixed) {
            for (const print::Control& c : form->controls())
                form->control(c.name, c.index).visible = &c == shown;
            const print::Control& c = *shown;
            const std::string what = (form->name() + QLatin1Char(' ') + c.displayName() + QStringLiteral(" \"") +
                                      c.caption + QStringLiteral("\" width ") + QString::number(c.width))
                                         .toStdString();
            checked << form->name() + QLatin1Char(' ') + c.displayName() + QLatin1Char(' ') + c.caption;
            QStringList expected = c.caption.split(QStringLiteral("\r\n"));
            if (expected.size() > 1 && expected.last().isEmpty())
                expected.removeLast();   // a final CR LF gives no line

            LineNotingPicture picture(form->Width, form->Height);
            gsDrawForm(*form, &picture, 1.0, 0);
            EXPECT_EQ(picture.lines.join(QStringLiteral(" | ")).toStdString(),
                      expected.join(QStringLiteral(" | ")).toStdString())
                << what;
            if (picture.lines != expected)
                continue;
            for (qsizetype i = 0; i < expected.size(); ++i) {
                const double natural = print::textWidthTwips(c.font, expected[i]);
                const double stretch = picture.stretches[size_t(i)];
                if (natural <= c.width)
                    EXPECT_EQ(stretch, 1.0) << what;
                else
                    EXPECT_NEAR(stretch * natural, c.width, 0.01) << what;
                EXPECT_GE(stretch, 0.8) << what << " natural width " << natural;
            }

            // Inside the label, a pixel of anti-aliasing aside, and no lower
            // than its lines.
            const double px = print::kTwipsPerPixel / gdblScale;
            const double bottom = c.top + expected.size() * print::textHeightTwips(c.font);
            const InkBox ink = inkOf(picture.image());
            ASSERT_FALSE(ink.blank()) << what;
            EXPECT_GE(ink.left, std::floor(c.left / px) - 1) << what;
            EXPECT_LE(ink.right, std::ceil((c.left + c.width) / px)) << what;
            EXPECT_GE(ink.top, std::floor(c.top / px) - 1) << what;
            EXPECT_LE(ink.bottom, std::ceil(bottom / px)) << what;
        }
    }
    EXPECT_TRUE(recordingUi().messages.empty());
    // The table holds the game, season and point pages, and the name
    // headers the substitute font sets wider than their labels are among
    // the captions checked.
    for (const char* name : {"frmPfRegiTeamList", "frmPfScore", "frmPfTeamRanking", "frmPfSeasonTotalRanking",
                             "frmPfPointRanking", "frmPfSeasonPersonalRoundScore"})
        EXPECT_TRUE(forms.contains(QLatin1String(name))) << name;
    for (const char* name : {"frmPfSeasonTotalRanking Label7", "frmPfPointRanking lblNameTitle(0)",
                             "frmPfPointRanking lblNameTitle(1)"})
        EXPECT_TRUE(checked.contains(QLatin1String(name) + QStringLiteral(" 　名 前　（年令・性別）"))) << name;
}

class CaptionsFitTest : public GamePagesTest {
protected:
    // Two teams of two players over 2 rounds of 8 holes, every stroke class
    // and the birthday shown; player 1 born 1940/01/10 (S15/01/10).
    QString game()
    {
        gGame = gameHeader(8, 2);
        gGame.JudgeDaSu = 5;
        gGame.JudgeBirthday = 1;
        addGroup(1, QStringLiteral("Ａクラブ"));
        const char* birthdays[] = {"1940/01/10", "1948/05/01", "1951/12/31", "1960/07/07"};
        for (Long id = 1; id <= 4; ++id) {
            addMember(id, QStringLiteral("選手%1").arg(id), QString::fromUtf8(birthdays[id - 1]), 1, 1);
            addPlayer(id, {"1 2 3 4 5 2 3 2", "2 2 3 3 4 2 1 3"}, id <= 2 ? "A" : "B");
        }
        return storeGame();
    }
};

// As texts the page sets, so that they fit as the font sets them, without
// being condensed.
TEST_F(CaptionsFitTest, NarrowAndWideCaptionsOfTheGamePagesFitTheirLabelsUncondensed)
{
    const QString file = game();
    const struct {
        int report;
        std::vector<const char*> captions;
    } cases[] = {
        {0, {"No."}},                                              // participants list
        {1, {"2打", "3打", "4打", "5打", "No.", "名 前　（年令・性別）"}},   // score sheet
        {2, {"2打", "3打", "4打", "5打", "S15/01/10"}},            // personal ranking
        {3, {"2打", "3打", "4打", "5打", "S15/01/10"}},            // best-round ranking
        {4, {"No.", "MNo.", "名　前　（年令・性別）"}},            // team list
    };
    for (const auto& c : cases) {
        const PageDump d = dump(file, c.report);
        for (const char* text : c.captions) {
            const QString caption = QString::fromUtf8(text);
            const std::vector<QStringList> labels = d.labelsCaptioned(1, caption);
            EXPECT_FALSE(labels.empty()) << "report " << c.report << ": no " << text;
            for (const QStringList& f : labels)
                EXPECT_EQ(drawnLines(f).join(" | ").toStdString(), caption.toStdString())
                    << "report " << c.report << " " << f[0].toStdString() << " width " << f[3].toStdString();
        }
    }
}

}  // namespace
