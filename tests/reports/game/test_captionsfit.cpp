// The narrow one-line captions of the game report pages (the stroke-class
// headers 2打 to 5打, an era birthday, No. and MNo.) and the wide name
// headers stay on one line when the renderer draws them in
// their labels as the page dump tool lays them out.

#include "gamepages_support.h"

#include "print/drawtarget.h"
#include "print/renderer.h"

namespace {

using namespace gamepages;

// A picture that notes every line of text it is given.
class LineNotingPicture : public print::ImageTarget {
public:
    LineNotingPicture() : ImageTarget(12000, 16000) {}
    void print(const QString& text) override
    {
        lines << text;
        ImageTarget::print(text);
    }
    QStringList lines;
};

// A page form of one label.
class OneLabelForm : public print::PageForm {
public:
    explicit OneLabelForm(const print::Control& c) : PageForm(QStringLiteral("frmOneLabel")) { add(c); }

protected:
    void fill() override {}
};

// The lines the renderer draws a dumped label in (fields: name, left, top,
// width, height, caption, font, size, bold).
QStringList drawnLines(const QStringList& f)
{
    print::Control c = print::label(QStringLiteral("lblDumped"))
                           .at(f[1].toDouble(), f[2].toDouble(), f[3].toDouble(), f[4].toDouble())
                           .text(f[5])
                           .withFont({f[6], f[7].toDouble(), f[8] == "1"});
    OneLabelForm form(c);
    form.load();
    LineNotingPicture picture;
    gintPrintMode = 0;
    gsDrawForm(form, &picture, 1.0, 0);
    return picture.lines;
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

TEST_F(CaptionsFitTest, NarrowAndWideCaptionsOfTheRealPagesStayOnOneLine)
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
