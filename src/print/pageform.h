// The page model: a report page form is a list of controls (labels, lines,
// shapes) in control order, laid out in twips, that fills itself for one
// page of its report each time it is loaded and is never shown.
//
// How to use it
//   - A page form derives from PageForm. Its constructor adds the designed
//     controls (add(label(...)), add(line(...)), ...) in control order and
//     sets Width and Height; fill() lays the report out for gintPageNo
//     (core/printstate.h), or only counts when gintPageNo is -1, and sets
//     gintMaxPageNo. Report page forms derive from the frame in
//     src/reports/pageframe.h, which does the walk all reports share.
//   - A control array is the controls of one name: element 0 is designed
//     (usually invisible, the template); loadElement(name) appends a copy of
//     element 0 with the next index, invisible, and returns it.
//   - The engine never keeps a form between loads: a PageFormFactory makes a
//     fresh designed form, loadPageForm(factory) makes one and loads it, and
//     destroying it is the unload.
//       auto form = loadPageForm(gfrmPrintForm);   // fills page gintPageNo
//       gsDrawForm(*form, &target, 1.0, 0);        // renderer.h
//   - Auto-sized labels take the size of their caption at the end of every
//     load; right-aligned ones keep their right edge, the others their left.
//   - A designed label keeps the caption its design table gave it as its
//     design caption. While it shows that text (a column header, a fixed
//     title) the caption is fixed and prints on one line (renderer.h); a
//     caption the page sets at fill time to another text, and every loaded
//     array element, is data and breaks at the label's width.
#pragma once

#include "core/records.h"

#include <QHash>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace print {

enum class ControlKind { Label, Line, Shape, Image };

// OLE colours the page designs use.
constexpr quint32 kBlack = 0x000000;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kBlue = 0xFF0000;
// RGB(r, g, b) as an OLE colour.
constexpr quint32 rgb(int r, int g, int b)
{
    return quint32(r & 0xFF) | (quint32(g & 0xFF) << 8) | (quint32(b & 0xFF) << 16);
}

// Label alignment.
enum Alignment : int { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };

// The fonts of the page designs.
extern const QString kPGothic;   // "ＭＳ Ｐゴシック"

struct Font {
    QString name = kPGothic;
    double size = 9.75;    // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
    bool operator==(const Font&) const = default;
};

// One control with the properties the renderer reads. Which ones matter
// depends on the kind:
//   Label: left, top, width, height, caption (line breaks only as CR LF),
//          alignment, borderStyle (0 none, 1 single), font, foreColor,
//          autoSize; designCaption decides whether the caption is fixed.
//   Line:  x1, y1, x2, y2, borderColor, borderStyle (0 transparent, 1 solid,
//          2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside solid),
//          borderWidth (pixels), drawMode.
//   Shape: shape (0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded
//          rectangle, 5 rounded square), left, top, width, height, fillStyle
//          (0 solid, 1 transparent, 2-7 hatches), fillColor, borderStyle,
//          borderWidth, borderColor, drawMode.
//   Image: left, top, width, height, picture (a file name).
struct Control {
    ControlKind kind = ControlKind::Label;
    QString name;          // the name without an index
    int index = -1;        // element number in a control array, -1 for a single control
    bool visible = true;

    double left = 0, top = 0, width = 0, height = 0;
    QString caption;
    // The caption the design table gave a designed label (PageForm::add);
    // empty for a loaded array element.
    QString designCaption;
    int alignment = AlignLeft;
    Font font;
    quint32 foreColor = kBlack;
    bool autoSize = false;

    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    quint32 borderColor = kBlack;
    int borderStyle = 0;
    int borderWidth = 1;
    int drawMode = 13;     // copy pen

    int shape = 0;
    int fillStyle = 1;
    quint32 fillColor = kBlack;
    QString picture;

    // "lblTeamID(3)" for an element of an array, else the name.
    QString displayName() const;
    // A label showing its design caption (not empty): a text of the design,
    // never one the page set.
    bool hasFixedCaption() const
    {
        return kind == ControlKind::Label && !designCaption.isEmpty() && caption == designCaption;
    }

    // Chained setters for design tables.
    Control& at(double l, double t, double w, double h) { left = l; top = t; width = w; height = h; return *this; }
    Control& from(double ax1, double ay1, double ax2, double ay2) { x1 = ax1; y1 = ay1; x2 = ax2; y2 = ay2; return *this; }
    Control& text(const QString& c) { caption = c; return *this; }
    Control& align(int a) { alignment = a; return *this; }
    Control& withFont(const Font& f) { font = f; return *this; }
    Control& color(quint32 c) { foreColor = c; borderColor = c; return *this; }
    Control& thick(int w) { borderWidth = w; return *this; }
    Control& hidden() { visible = false; return *this; }
    Control& sizedToText() { autoSize = true; return *this; }
    Control& boxed() { borderStyle = 1; return *this; }
};

// Design-table makers with the properties a new control of that kind has.
Control label(const QString& name, int index = -1);   // left-aligned, no border, black
Control line(const QString& name, int index = -1);    // solid, 1 pixel, black
Control shape(const QString& name, int shapeKind, int index = -1);   // solid border, transparent

// A loaded page form.
class PageForm {
public:
    explicit PageForm(const QString& name);
    virtual ~PageForm();
    PageForm(const PageForm&) = delete;
    PageForm& operator=(const PageForm&) = delete;

    // The form's name ("frmPfRegiTeamList").
    const QString& name() const { return m_name; }
    // The report's title, for the proposed name of a PDF file.
    virtual QString reportTitle() const { return m_name; }

    // Client area in twips: landscape paper when Width >= Height; shrunk to
    // the printable width when wider than it.
    Long Width = 11310;
    Long Height = 14985;

    // The pages begun by the last load: after a counting load, the report's
    // page count.
    Long gintMaxPageNo = 0;

    // The load: sets gintMaxPageNo to 0, calls fill(), then sizes the
    // auto-sized labels to their captions. A form is loaded once.
    void load();

    // Every control in control order (designed ones first, then the loaded
    // array elements in the order they were loaded). References stay valid
    // while the form lives.
    const std::deque<Control>& controls() const { return m_controls; }

    // A designed control or a loaded element; throws the subscript error (9)
    // when there is none.
    Control& control(const QString& name, int index = -1);
    const Control& control(const QString& name, int index = -1) const;
    bool hasControl(const QString& name, int index = -1) const;

    // Appends the next element of the array `name`: a copy of element 0,
    // invisible, with the index (array counter + 1) and no design caption
    // (what it shows is laid out by the page). Throws the subscript
    // error when the array has no element 0, and error 360 when that index
    // is already there.
    Control& loadElement(const QString& name);
    // Elements loaded into the array so far.
    Long loadedCount(const QString& name) const;
    // Calls fn for every element (designed or loaded) of the array `name`.
    void forEachElement(const QString& name, const std::function<void(Control&)>& fn);

protected:
    // Lays the report out for gintPageNo (see the header comment). A form
    // reports its own failures and returns normally.
    virtual void fill() = 0;

    // Adds a designed control (control order is the order of the calls);
    // a label's caption becomes its design caption.
    Control& add(const Control& c);

private:
    // The controls of one name: a single control, or the elements of an
    // array by index with the array's load counter.
    struct Named {
        Control* single = nullptr;
        QHash<int, Control*> elements;
        Long loaded = 0;
    };
    Named* findNamed(const QString& name, int index) const;
    void sizeAutoSizedLabels();

    QString m_name;
    std::deque<Control> m_controls;
    QHash<QString, Named> m_names;
    bool m_loaded = false;
};

// Makes a fresh designed (not yet loaded) page form.
using PageFormFactory = std::function<std::unique_ptr<PageForm>()>;

template <class Form>
PageFormFactory pageFormFactory()
{
    return [] { return std::unique_ptr<PageForm>(std::make_unique<Form>()); };
}

// Makes a fresh form and loads it (it fills page gintPageNo).
std::unique_ptr<PageForm> loadPageForm(const PageFormFactory& factory);

// Width and height in twips of one line of text in a font at its own size,
// measured the same way on every device (the preview, the printer and the
// auto-sized labels break and size text alike). The height of any text,
// even an empty one, is the font's line height.
double textWidthTwips(const Font& font, const QString& text);
double textHeightTwips(const Font& font);

}  // namespace print
