#include "grid/uctMGRow.h"

#include "grid/mgvariant.h"
#include "platform/ui/qtuiservice.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHash>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

#include <cmath>

namespace {

constexpr int kPx = uctMGRow::TwipsPerPixel;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kGreen = 0x00FF00;
constexpr quint32 kBlack = 0;
constexpr quint32 kGreyText = 0x80000011;
const QString kFontFamily = QStringLiteral("ＭＳ Ｐゴシック");
constexpr double kDefaultFontSize = 11.25;

// Twips to pixels: cut down to whole pixels (floor), also for negatives.
int px(double twips)
{
    return int(std::floor(twips / kPx));
}

// The cells' font in a size (points); no size, the default one.
QFont cellFont(double size)
{
    QFont f(kFontFamily);
    f.setPointSizeF(size > 0 ? size : kDefaultFontSize);
    return f;
}

void showLabel(uctMGRow::LabelState& l, bool shown)
{
    l.visible = shown;
    l.enabled = shown;
}

// Background and text colours (OLE colours) of a child control.
void setColors(QWidget* w, QPalette::ColorRole backRole, quint32 back, QPalette::ColorRole textRole,
               quint32 fore)
{
    QPalette pal = w->palette();
    pal.setColor(backRole, platform::oleColor(back));
    pal.setColor(textRole, platform::oleColor(fore));
    w->setPalette(pal);
}

// The box of a check-box cell is drawn with the window's palette, as any
// check box, whatever the cell's colours: the style draws the box's frame
// from the palette's colours, and a cell's colour there made an enabled box
// look disabled. The row paints the cell's colour around the box (the box
// fills no background); the cell's text colour is the caption's.
void setCheckBoxCaptionColor(QCheckBox* box, quint32 fore)
{
    QPalette pal = QApplication::palette(box);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::WindowText, platform::oleColor(fore));
    pal.setResolveMask(~QPalette::ResolveMask(0));   // nothing taken from the row
    box->setPalette(pal);
}

// A resize handle takes the mouse only while it shows.
void showHandle(QWidget* h, bool shown)
{
    h->setVisible(shown);
    h->setEnabled(shown);
}

void placeLine(uctMGRow::LineState& ln, double x1, double y1, double x2, double y2)
{
    ln.x1 = x1;
    ln.y1 = y1;
    ln.x2 = x2;
    ln.y2 = y2;
}

quint64 fontKey(double size, bool bold)
{
    return (quint64(std::llround(size * 1000)) << 1) | (bold ? 1 : 0);
}

// The label font of a size and weight, with its metrics; made once.
struct LabelFont {
    QFont font;
    QFontMetrics metrics;
};

const LabelFont& labelFontEntry(double size, bool bold)
{
    // Never freed: fonts must not be released once the application object
    // is gone, and the cache holds a few sizes and weights only. The table
    // itself is never destroyed either, so its entries stay reachable to the
    // end (the leak checker then sees no lost memory).
    static auto& cache = *new QHash<quint64, LabelFont*>;
    const quint64 key = fontKey(size, bold);
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it.value();
    QFont f = cellFont(size);
    f.setBold(bold);
    auto* e = new LabelFont{f, QFontMetrics(f)};
    cache.insert(key, e);
    return *e;
}

// Height of a label sized to its font (one line), in twips.
double labelHeightTwips(double size, bool bold)
{
    return labelFontEntry(size, bold).metrics.height() * kPx;
}

// A label's rectangle in pixels: each edge cut down to its pixel.
QRect labelRect(const uctMGRow::LabelState& l)
{
    return QRect(px(l.left), px(l.top), px(l.left + l.width) - px(l.left), px(l.top + l.height) - px(l.top));
}

Qt::Alignment hAlignFlag(int code)
{
    switch (code) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

}  // namespace

// An invisible column-resize handle of a header row: shows the west-east
// sizing pointer and reports press, move and release (in twips relative to
// itself) to its row. Qt's implicit grab keeps the moves and the release
// coming to the pressed handle, also outside the grid.
class MGRowHandle : public QWidget {
public:
    MGRowHandle(uctMGRow* row, int LorR, int index)
        : QWidget(row), m_row(row), m_lorR(LorR), m_index(index)
    {
        setObjectName(LorR == 0 ? QStringLiteral("lblBarOfColMoveL") : QStringLiteral("lblBarOfColMoveR"));
        setProperty("Index", index);
        setCursor(Qt::SizeHorCursor);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton)
            return;
        m_row->barMouseDown(m_lorR, m_index, e->position().x() * kPx);
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        m_row->barMouseMove(m_lorR, m_index, e->position().x() * kPx);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton)
            return;
        m_row->barMouseUp(m_lorR, m_index, e->position().x() * kPx);
    }
    // A double click is no second press: no second drag.
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    void paintEvent(QPaintEvent*) override {}

private:
    uctMGRow* m_row;
    int m_lorR;
    int m_index;
};

// ---------------------------------------------------------------- life

uctMGRow::uctMGRow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("uctMGRow"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    mDefaultFontSize = QVariant(float(kDefaultFontSize));

    chkObj = new QCheckBox(this);
    chkObj->setObjectName(QStringLiteral("chkObj"));
    chkObj->setFixedSize(CheckBoxWidth / kPx, CheckBoxHeight / kPx);
    chkObj->setFocusPolicy(Qt::NoFocus);
    setCheckBoxCaptionColor(chkObj, kBlack);
    chkObj->hide();
    connect(chkObj, &QCheckBox::toggled, this, [this](bool) { chkObjClick(); });

    gsClear();
    mBackColor = kGreen;   // a row that never received columns shows green
}

uctMGRow::~uctMGRow() = default;

// ------------------------------------------------------------ members

void uctMGRow::clearChildren(ColChildren& c)
{
    for (LabelState* l : {&c.lbl, &c.lbl2}) {
        l->caption.clear();
        showLabel(*l, false);
    }
    c.txtText.clear();
    if (c.txt)
        c.txt->setPlainText(QString());
    for (LineState& ln : c.lines)
        ln.visible = false;
    for (QWidget* h : {c.barL, c.barR}) {
        if (h)
            showHandle(h, false);
    }
}

void uctMGRow::gsClear()
{
    mSelected = false;
    mRowOfCellData = -1;
    mRowLeftCol = 0;
    mRowKind = 0;
    for (int i = 0; i < mRowColCount; ++i) {
        clearChildren(mChildren[size_t(i)]);
        MGRowCell& c = mRowCells[size_t(i)];
        c.Type = 0;
        c.Width = mDefaultColWidth;
        c.Text.clear();
        c.Text2.clear();
        c.Alignment = 0;
        c.BackColor = QVariant(int(kWhite));
        c.ForeColor = QVariant(int(kBlack));
        c.FontSize = mDefaultFontSize;
        c.FontBold = false;
        c.Value = 0;
        c.Enabled = true;
    }
    // A new background colour wipes what was painted on the surface.
    mBackColor = kWhite;
    mRects.clear();
    mUsedNow = false;
    mDirty = false;
    mDragStartX = 0;
    mDragging = 0;
    chkObj->hide();
    chkObj->setEnabled(false);
    chkObj->setText(QString());
    setCheckBoxCaptionColor(chkObj, kBlack);
    mSettingCheck = 0;
    mPressTarget = Target::None;
    mInDoubleClick = false;
    update();
}

void uctMGRow::gsCreateRows(int lngCols)
{
    mRowCells.clear();
    // Drop the widgets of columns 1 .. n-1; column 0's stay.
    for (size_t i = 1; i < mChildren.size(); ++i) {
        ColChildren& c = mChildren[i];
        delete c.txt;
        delete c.barL;
        delete c.barR;
    }
    if (!mChildren.empty())
        mChildren.resize(1);
    if (lngCols < 1) {
        mRowColCount = 0;
        mChildren.clear();
        vb::raiseSubscriptOutOfRange();
    }
    mRowCells.resize(size_t(lngCols));
    mChildren.resize(size_t(lngCols));
    if (mChkCol >= lngCols)
        mChkCol = -1;
    mRowColCount = lngCols;
    gsClear();
}

namespace {

// Whether a new value differs from the stored one: variants (colours, font
// sizes) compare the runtime's way, by number or text.
template <typename T>
bool differs(const T& stored, const T& value)
{
    return stored != value;
}

bool differs(const QVariant& stored, const QVariant& value)
{
    return mg::notEqual(stored, value);
}

}  // namespace

template <typename T>
void uctMGRow::assignMarkingDirty(T& slot, const T& value)
{
    if (differs(slot, value))
        mDirty = true;
    slot = value;
}

template <typename T>
void uctMGRow::setCellField(int lngCol, T MGRowCell::*field, const T& value)
{
    if (!validCol(lngCol))
        return;
    assignMarkingDirty(mRowCells[size_t(lngCol)].*field, value);
}

void uctMGRow::gsSetKind(int intKind)
{
    assignMarkingDirty(mRowKind, intKind);
}

void uctMGRow::gsSetRowOfCellData(int lngRow)
{
    assignMarkingDirty(mRowOfCellData, lngRow);
}

void uctMGRow::gsSetColWidth(int lngCol, int lngWidth)
{
    setCellField(lngCol, &MGRowCell::Width, lngWidth);
}

void uctMGRow::gsSetType(int lngCol, int intType)
{
    setCellField(lngCol, &MGRowCell::Type, intType);
}

void uctMGRow::gsSetAlignment(int lngCol, int lngAlignment)
{
    setCellField(lngCol, &MGRowCell::Alignment, lngAlignment);
}

void uctMGRow::gsSetText(int lngCol, const QString& strText)
{
    setCellField(lngCol, &MGRowCell::Text, strText);
}

void uctMGRow::gsSetText2(int lngCol, const QString& strText2)
{
    setCellField(lngCol, &MGRowCell::Text2, strText2);
}

void uctMGRow::gsSetValue(int lngCol, int lngValue)
{
    setCellField(lngCol, &MGRowCell::Value, lngValue);
}

void uctMGRow::gsSetEnabled(int lngCol, bool bolEnabled)
{
    setCellField(lngCol, &MGRowCell::Enabled, bolEnabled);
}

void uctMGRow::gsSetTextFontSize(int lngCol, const QVariant& varFontSize)
{
    setCellField(lngCol, &MGRowCell::FontSize, varFontSize);
}

void uctMGRow::gsSetTextFontBold(int lngCol, bool bolFontBold)
{
    setCellField(lngCol, &MGRowCell::FontBold, bolFontBold);
}

QVariant uctMGRow::gfGetDefaultFontSize() const
{
    return mDefaultFontSize;
}

void uctMGRow::gsSetLeftIndexOfCols(int lngCol)
{
    if (lngCol == mRowLeftCol)
        return;
    mRowLeftCol = lngCol;
    if (mRowKind != 1)
        return;
    for (int i = 0; i <= lngCol; ++i) {
        if (!validCol(i))
            vb::raiseSubscriptOutOfRange();
        if (QWidget* h = mChildren[size_t(i)].barL)
            showHandle(h, false);
    }
    for (int j = lngCol + 1; j < mRowColCount; ++j) {
        if (j < 0)
            vb::raiseSubscriptOutOfRange();
        showHandle(handleL(j), true);
    }
}

void uctMGRow::gsSetUsedNow(bool bolVal)
{
    mUsedNow = bolVal;
}

bool uctMGRow::gfIsUsedNow() const
{
    return mUsedNow;
}

void uctMGRow::gsSetSelected(bool bolVal)
{
    mSelected = bolVal;
}

void uctMGRow::gsSetBackColor(int lngCol, const QVariant& varColor)
{
    setCellField(lngCol, &MGRowCell::BackColor, varColor);
}

void uctMGRow::gsSetForeColor(int lngCol, const QVariant& varColor)
{
    setCellField(lngCol, &MGRowCell::ForeColor, varColor);
}

// ------------------------------------------------------------ drawing

double uctMGRow::pfSnapToPixelX(double v) const
{
    return double(vb::CLng(std::floor(v / kPx) * kPx));
}

double uctMGRow::alignedTop(int code, double height, double SH) const
{
    switch (code / 3) {
    case 0: return (SH - height) / 2;
    case 1: return mMarginY;
    default: return SH - (height + mMarginY);
    }
}

void uctMGRow::gsUpdate()
{
    if (!mDirty)
        return;
    // Whatever happens below (a colour that is no number stops the pass),
    // what was drawn so far shows.
    struct Repaint {
        QWidget* w;
        ~Repaint() { w->update(); }
    } repaint{this};

    const double SW = double(width()) * kPx;
    const double SH = double(height()) * kPx;
    const double pxX = kPx, pyY = kPx;
    mRects.clear();
    mRects.push_back({0, 0, SW, SH, kWhite});

    double x = 0;
    for (int i = 0; i < mRowColCount; ++i) {
        MGRowCell& cell = mRowCells[size_t(i)];
        ColChildren& ch = mChildren[size_t(i)];
        const double W = cell.Width;
        const double w = W - 2.0 * mMarginX;
        const bool wide = w >= pxX;
        const int code = cell.Alignment;
        const bool codeOk = code >= 0 && code <= 8;

        // Border lines.
        LineState& top = ch.lines[0];
        LineState& bottom = ch.lines[1];
        LineState& left = ch.lines[2];
        LineState& right = ch.lines[3];
        placeLine(top, x, 0, x + W - pxX, 0);
        placeLine(bottom, x, SH - pyY, x + W, SH - pyY);
        placeLine(left, x, 0, x, SH - pyY);
        placeLine(right, x + W - pxX, 0, x + W - pxX, SH);
        // A header cell is raised (white top and left, black bottom and
        // right); a data cell has grey lines at its bottom and right only.
        const bool header = mRowKind == 1 || mRowKind == 2;
        top.color = left.color = kWhite;
        top.visible = left.visible = header;
        bottom.color = right.color = header ? kBlack : kGreyText;
        bottom.visible = right.visible = true;

        // Cell background.
        const quint32 back = mg::toColor(cell.BackColor);
        mRects.push_back({x, 0, x + W, SH, back});

        // The main label's font, whatever the type.
        LabelState& L = ch.lbl;
        L.fontSize = mg::toSingle(cell.FontSize);
        L.fontBold = cell.FontBold;
        L.height = labelHeightTwips(L.fontSize, L.fontBold);

        switch (cell.Type) {
        case 0:
        case 3: {
            L.caption = cell.Text;
            if (!wide) {
                showLabel(L, false);
                break;
            }
            if (codeOk) {
                L.top = alignedTop(code, L.height, SH);
                L.left = mMarginX + x;
                L.width = w;
                L.hAlign = code % 3;
            }
            mg::toColor(cell.ForeColor);
            L.backColor = cell.BackColor;
            L.foreColor = cell.ForeColor;
            showLabel(L, true);
            break;
        }
        case 5: {
            setCheckBoxCaptionColor(chkObj, mg::toColor(cell.ForeColor));
            if (!wide) {
                chkObj->hide();
                chkObj->setEnabled(false);
                showLabel(L, false);
                break;
            }
            QString caption = cell.Text;
            chkObj->setText(caption.replace(QLatin1Char('&'), QLatin1String("&&")));
            // The box reports for the column it is drawn for, also while its
            // value is set here.
            mChkCol = i;
            mSettingCheck = 1;
            struct Reset {
                int& flag;
                ~Reset() { flag = 0; }
            } reset{mSettingCheck};
            chkObj->setChecked(cell.Value != 0);
            if (codeOk) {
                const double C = CheckBoxWidth;
                const double topY = alignedTop(code, CheckBoxHeight, SH);
                double leftX = 0;
                switch (code % 3) {
                case 0: leftX = mMarginX + x; break;
                case 1: leftX = (x + W) - (C + mMarginX); break;
                default: leftX = (W - C) / 2 + x; break;
                }
                chkObj->move(px(leftX), px(topY));
            }
            chkObj->show();
            chkObj->setEnabled(cell.Enabled);
            chkObj->raise();
            showLabel(L, false);
            break;
        }
        case 8: {
            if (!wide) {
                if (ch.txt)
                    ch.txt->hide();
                break;
            }
            QPlainTextEdit* T = ensureTextBox(i);
            T->setGeometry(px(mMarginX + x), px(mMarginY), px(mMarginX + x + w) - px(mMarginX + x),
                           px(SH - 2.0 * mMarginY));
            setColors(T, QPalette::Base, back, QPalette::Text, mg::toColor(cell.ForeColor));
            if (codeOk) {
                QTextOption opt = T->document()->defaultTextOption();
                opt.setAlignment(hAlignFlag(code % 3));
                T->document()->setDefaultTextOption(opt);
            }
            T->setFont(cellFont(L.fontSize));
            if (ch.txtText != cell.Text || T->toPlainText() != cell.Text) {
                ch.txtText = cell.Text;
                T->setPlainText(cell.Text);
            }
            T->show();
            break;
        }
        case 9:
        case 10: {
            // Two labels, one above the other. Type 9: both in the cell's
            // size, the caption sitting on the middle, in the cell's
            // alignment. Type 10: a 10 pt caption over a 12 pt bold value,
            // both left.
            LabelState& B = ch.lbl2;
            if (!wide) {
                showLabel(L, false);
                showLabel(B, false);
                break;
            }
            const bool type9 = cell.Type == 9;
            mg::toColor(cell.ForeColor);
            L.backColor = B.backColor = cell.BackColor;
            L.foreColor = B.foreColor = cell.ForeColor;
            if (type9) {
                B.fontSize = L.fontSize;
            } else {
                L.fontSize = 10;
                L.height = labelHeightTwips(L.fontSize, L.fontBold);
                B.fontSize = 12;
                B.fontBold = true;
            }
            B.height = labelHeightTwips(B.fontSize, B.fontBold);
            L.caption = cell.Text;
            L.top = type9 ? SH / 2 - L.height + 2 * pyY : (SH / 2 - L.height) / 2;
            if (!type9)
                L.hAlign = 0;
            else if (codeOk)
                L.hAlign = code % 3;
            B.caption = cell.Text2;
            B.top = (SH / 2 - B.height) / 2 + SH / 2 - (type9 ? 0 : 2 * pyY);
            B.hAlign = L.hAlign;
            for (LabelState* l : {&L, &B}) {
                l->left = mMarginX + x;
                l->width = w;
                showLabel(*l, true);
            }
            break;
        }
        default:
            mRects.push_back({x, 0, x + W, SH, kGreen});
            break;
        }

        // Column-resize handles of a header row.
        if ((cell.Type == 0 || cell.Type == 3) && mRowKind == 1) {
            QWidget* HL = handleL(i);
            QWidget* HR = handleR(i);
            HL->setGeometry(px(x + W), 0, mMarginX / kPx, px(SH));
            HR->setGeometry(px(x + W - mMarginX), 0, mMarginX / kPx, px(SH));
            if (i != mRowLeftCol + 1) {
                showHandle(HL, true);
                HL->raise();
            }
            if (wide) {
                showHandle(HR, true);
                HR->raise();
            }
        }

        x = pfSnapToPixelX(x + W);
    }
    mDirty = false;
    ++mUpdateCount;
}

void uctMGRow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect clip = event->rect();
    // Colour numbers seen in this paint, converted once.
    struct Colors {
        quint32 keys[8];
        QColor values[8];
        int n = 0;
        QColor get(quint32 k)
        {
            for (int i = 0; i < n; ++i)
                if (keys[i] == k)
                    return values[i];
            const QColor c = platform::oleColor(k);
            if (n < 8) {
                keys[n] = k;
                values[n++] = c;
            }
            return c;
        }
    } colors;
    p.fillRect(clip, colors.get(mBackColor));
    for (const Rect& r : mRects) {
        const QRect pr(QPoint(px(r.l), px(r.t)), QPoint(px(r.r) - 1, px(r.b) - 1));
        if (pr.intersects(clip))
            p.fillRect(pr, colors.get(r.color));
    }
    // Lines: the end point is not drawn.
    for (const ColChildren& ch : mChildren) {
        for (const LineState& ln : ch.lines) {
            if (!ln.visible)
                continue;
            const int x1 = px(ln.x1), y1 = px(ln.y1), x2 = px(ln.x2), y2 = px(ln.y2);
            QRect lr;
            if (y1 == y2)
                lr = QRect(std::min(x1, x2), y1, std::abs(x2 - x1), 1);
            else if (x1 == x2)
                lr = QRect(x1, std::min(y1, y2), 1, std::abs(y2 - y1));
            else
                continue;
            if (lr.isEmpty() || !lr.intersects(clip))
                continue;
            p.fillRect(lr, colors.get(ln.color));
        }
    }
    // Label texts: transparent, plain, top-aligned, clipped to the label.
    // A text that fits on one line is drawn at its point (cheap); anything
    // else goes through the clipping rectangle form.
    quint64 currentFont = ~quint64(0);
    quint32 currentPen = 0xFFFFFFFFu;
    const LabelFont* lf = nullptr;
    for (const ColChildren& ch : mChildren) {
        for (const LabelState* l : {&ch.lbl, &ch.lbl2}) {
            if (!l->visible || l->caption.isEmpty())
                continue;
            const QRect lr = labelRect(*l);
            if (!lr.intersects(clip) || lr.isEmpty())
                continue;
            quint32 fore = 0;
            try {
                fore = mg::toColor(l->foreColor);
            } catch (...) {
            }
            const quint64 key = fontKey(l->fontSize, l->fontBold);
            if (key != currentFont) {
                lf = &labelFontEntry(l->fontSize, l->fontBold);
                p.setFont(lf->font);
                currentFont = key;
            }
            if (fore != currentPen) {
                p.setPen(colors.get(fore));
                currentPen = fore;
            }
            const bool simple = !l->caption.contains(QLatin1Char('\n')) && !l->caption.contains(QLatin1Char('\r'));
            const int advance = simple ? lf->metrics.horizontalAdvance(l->caption) : 0;
            if (simple && advance <= lr.width() && lf->metrics.height() <= lr.height()) {
                int tx = lr.left();
                if (l->hAlign == 1)
                    tx = lr.right() + 1 - advance;
                else if (l->hAlign == 2)
                    tx = lr.left() + (lr.width() - advance) / 2;
                p.drawText(QPoint(tx, lr.top() + lf->metrics.ascent()), l->caption);
            } else {
                p.drawText(lr, int(hAlignFlag(l->hAlign) | Qt::AlignTop), l->caption);
            }
        }
    }
}

// ------------------------------------------------------------- children

QWidget* uctMGRow::makeHandle(int LorR, int index)
{
    return new MGRowHandle(this, LorR, index);
}

QWidget* uctMGRow::handle(int LorR, int col) const
{
    if (!validCol(col))
        return nullptr;
    auto& ch = const_cast<ColChildren&>(mChildren[size_t(col)]);
    QWidget*& h = LorR == 0 ? ch.barL : ch.barR;
    if (!h)
        h = const_cast<uctMGRow*>(this)->makeHandle(LorR == 0 ? 0 : 1, col);
    return h;
}

QWidget* uctMGRow::handleL(int col) const
{
    return handle(0, col);
}

QWidget* uctMGRow::handleR(int col) const
{
    return handle(1, col);
}

QPlainTextEdit* uctMGRow::textBox(int col) const
{
    return validCol(col) ? mChildren[size_t(col)].txt : nullptr;
}

QPlainTextEdit* uctMGRow::ensureTextBox(int col)
{
    ColChildren& ch = mChildren[size_t(col)];
    if (!ch.txt) {
        auto* t = new QPlainTextEdit(this);
        t->setObjectName(QStringLiteral("txtObjMultiScrl"));
        t->setProperty("Index", col);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setTabChangesFocus(true);
        t->setFocusPolicy(Qt::ClickFocus);
        t->hide();
        t->viewport()->installEventFilter(this);
        t->viewport()->setProperty("Index", col);
        ch.txt = t;
    }
    return ch.txt;
}

const uctMGRow::LabelState& uctMGRow::label(int col) const
{
    return mChildren.at(size_t(col)).lbl;
}

const uctMGRow::LabelState& uctMGRow::label2(int col) const
{
    return mChildren.at(size_t(col)).lbl2;
}

const uctMGRow::LineState& uctMGRow::line(int col, int which) const
{
    return mChildren.at(size_t(col)).lines[which];
}

// ---------------------------------------------------------------- mouse

int uctMGRow::pfGetColIndexOfX(double x) const
{
    double sum = 0;
    for (int i = 0; i < mRowColCount; ++i) {
        const double W = mRowCells[size_t(i)].Width;
        if (sum <= x && x < sum + W)
            return i;
        sum += W;
    }
    return mRowColCount - 1;
}

uctMGRow::Target uctMGRow::hitTest(const QPoint& pixel, int* index) const
{
    // Later columns lie above earlier ones; the second label above the first.
    for (int i = mRowColCount - 1; i >= 0; --i) {
        const ColChildren& ch = mChildren[size_t(i)];
        const LabelState* labels[2] = {&ch.lbl2, &ch.lbl};
        for (int k = 0; k < 2; ++k) {
            const LabelState* l = labels[k];
            if (!l->visible || !l->enabled)
                continue;
            const QRect lr = labelRect(*l);
            if (lr.contains(pixel)) {
                *index = i;
                return k == 0 ? Target::Label2 : Target::Label;
            }
        }
    }
    *index = -1;
    return Target::Surface;
}

int uctMGRow::colOfTarget(Target t, int index) const
{
    switch (t) {
    case Target::Label:
        return index;
    case Target::Label2:
        return pfGetColIndexOfX(vb::CLng(mChildren[size_t(index)].lbl2.left));
    case Target::Surface:
        return pfGetColIndexOfX(mDragStartX);
    default:
        return -1;
    }
}

void uctMGRow::raiseCellClickFor(Target t, int index)
{
    if (t != Target::None)
        emit CellClick(colOfTarget(t, index), mRowOfCellData);
}

void uctMGRow::raiseCellDblClickFor(Target t, int index)
{
    if (t != Target::None)
        emit CellDblClick(colOfTarget(t, index), mRowOfCellData);
}

void uctMGRow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    mInDoubleClick = false;
    int index = -1;
    mPressTarget = hitTest(event->position().toPoint(), &index);
    mPressIndex = index;
    if (mPressTarget == Target::Surface)
        mDragStartX = int(std::floor(event->position().x())) * kPx;
}

void uctMGRow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Target pressed = mPressTarget;
    const int pressedIndex = mPressIndex;
    mPressTarget = Target::None;
    if (mInDoubleClick) {
        // The release that ends a double click raises nothing.
        mInDoubleClick = false;
        return;
    }
    if (pressed == Target::None || !rect().contains(event->position().toPoint()))
        return;
    int index = -1;
    const Target now = hitTest(event->position().toPoint(), &index);
    if (now != pressed || index != pressedIndex)
        return;
    try {
        raiseCellClickFor(pressed, pressedIndex);
    } catch (const std::exception&) {
    }
}

void uctMGRow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    mInDoubleClick = true;
    int index = -1;
    const Target t = hitTest(event->position().toPoint(), &index);
    mPressTarget = t;
    mPressIndex = index;
    try {
        raiseCellDblClickFor(t, index);
    } catch (const std::exception&) {
    }
}

bool uctMGRow::eventFilter(QObject* watched, QEvent* event)
{
    const QVariant idx = watched->property("Index");
    if (!idx.isValid())
        return QWidget::eventFilter(watched, event);
    const int col = idx.toInt();
    if (!validCol(col) || !mChildren[size_t(col)].txt)
        return QWidget::eventFilter(watched, event);
    QPlainTextEdit* t = mChildren[size_t(col)].txt;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            mPressTarget = Target::None;
            mInDoubleClick = false;
            mPressIndex = -2 - col;   // marks a press on this text box
        }
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            const bool mine = mPressIndex == -2 - col && !mInDoubleClick;
            mInDoubleClick = false;
            mPressIndex = -1;
            if (mine)
                emit CellClick(pfGetColIndexOfX(double(t->x()) * kPx), mRowOfCellData);
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            mInDoubleClick = true;
            emit CellDblClick(pfGetColIndexOfX(double(t->x()) * kPx), mRowOfCellData);
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void uctMGRow::chkObjClick()
{
    const int lngValue = chkObj->isChecked() ? 2 : 0;
    const int col = validCol(mChkCol) ? mChkCol : pfGetColIndexOfX(double(chkObj->x()) * kPx);
    const bool fromUser = mSettingCheck == 0;
    const int row = mRowOfCellData;
    emit CellCheckBoxClick(col, row, lngValue);
    if (fromUser)
        emit CellClick(col, row);
}

// -------------------------------------------------------- resize handles

// X is relative to the handle. The left handle sits right of its column
// (over the next one), so its positions count from the row's origin; the
// right handle's count from the handle itself.
double uctMGRow::dragX(int LorR, int index, double X) const
{
    const double hx = double(handle(LorR, index)->x()) * kPx;
    return (LorR == 0 ? hx : 0.0) + pfSnapToPixelX(X);
}

void uctMGRow::barMouseDown(int LorR, int index, double X)
{
    if (!validCol(index))
        return;
    mDragStartX = vb::CLng(dragX(LorR, index, X));
    // The press is the drag's origin: no travel yet.
    emit CellResizeCol(0, index, LorR, 0);
    mDragging = 1;
}

void uctMGRow::barMouseMove(int LorR, int index, double X)
{
    if (mDragging != 1 || !validCol(index))
        return;
    emit CellResizeCol(1, index, LorR, vb::CLng(dragX(LorR, index, X) - mDragStartX));
}

void uctMGRow::barMouseUp(int LorR, int index, double X)
{
    if (mDragging == 1 && validCol(index))
        emit CellResizeCol(2, index, LorR, vb::CLng(dragX(LorR, index, X) - mDragStartX));
    mDragging = 0;
    platform::resetMousePointer();
}
