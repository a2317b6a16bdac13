#include "grid/uctMyGrid.h"

#include "grid/mgvariant.h"
#include "platform/ui/qtuiservice.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QWheelEvent>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPx = uctMyGrid::TwipsPerPixel;
constexpr int kBar = uctMyGrid::ScrollBarTwips;
constexpr quint32 kButtonFace = 0x8000000F;

int px(double twips)
{
    return int(std::floor(twips / kPx));
}

void fillColor(QWidget* w, quint32 ole)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, platform::oleColor(ole));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

}  // namespace

// ------------------------------------------------------------------ life

uctMyGrid::uctMyGrid(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("uctMyGrid"));

    picBody = new QWidget(this);
    picBody->setObjectName(QStringLiteral("picBody"));
    picBody->setFocusPolicy(Qt::ClickFocus);
    fillColor(picBody, kButtonFace);

    mTemplate = new uctMGRow(picBody);
    mTemplate->setGeometry(0, 0, uctMGRow::TemplateWidth / kPx, uctMGRow::TemplateHeight / kPx);
    mTemplate->hide();

    picMoveingBar = new QWidget(picBody);
    picMoveingBar->setObjectName(QStringLiteral("picMoveingBar"));
    fillColor(picMoveingBar, 0x000000);
    picMoveingBar->hide();

    vscMG = new QScrollBar(Qt::Vertical, picBody);
    vscMG->setObjectName(QStringLiteral("vscMG"));
    vscMG->setFixedWidth(kBar / kPx);
    vscMG->hide();
    vscMG->setEnabled(false);
    hscMG = new QScrollBar(Qt::Horizontal, picBody);
    hscMG->setObjectName(QStringLiteral("hscMG"));
    hscMG->setFixedHeight(kBar / kPx);
    hscMG->hide();
    hscMG->setEnabled(false);
    connect(vscMG, &QScrollBar::valueChanged, this, [this](int) { vscMG_Change(); });
    connect(hscMG, &QScrollBar::valueChanged, this, [this](int) { hscMG_Change(); });

    picScrBarCorner = new QWidget(picBody);
    picScrBarCorner->setObjectName(QStringLiteral("picScrBarCorner"));
    fillColor(picScrBarCorner, 0xFFFFFF);
    picScrBarCorner->hide();

    mSelBackColor = QVariant(int(0x8000000D));
    mSelForeColor = QVariant(int(0x8000000E));
    psResizeBody();
}

uctMyGrid::~uctMyGrid()
{
    // The pooled rows are children of the body and go with it.
    for (uctMGRow* r : mPool)
        disconnect(r, nullptr, this, nullptr);
}

void uctMyGrid::showError(const char* procedure, const QString& description)
{
    platform::MsgBox(QStringLiteral("uctMyGrid::") + QLatin1String(procedure) + QStringLiteral("():") +
                         description,
                     platform::vbOKOnly);
}

template <typename Body>
auto uctMyGrid::trapped(const char* procedure, Body&& body) -> decltype(body())
{
    try {
        return body();
    } catch (const std::exception& e) {
        showError(procedure, vb::errorDescription(e));
        return decltype(body())();
    }
}

void uctMyGrid::refreshRowsTrapped()
{
    trapped("psRefreshRows", [this] { psRefreshRows(); });
}

void uctMyGrid::selectOnly(int row)
{
    for (int i = mFixedTopRow; i < mRowCount; ++i)
        mRows[size_t(i)].Selected = false;
    mRows[size_t(row)].Selected = true;
}

int uctMyGrid::pfSnapToPixelX(const QVariant& v)
{
    return vb::CLng(std::floor(mg::toNumber(v) / kPx) * kPx);
}

int uctMyGrid::pfSnapToPixelY(const QVariant& v)
{
    return pfSnapToPixelX(v);   // pixels are square
}

int uctMyGrid::bodyScaleWidth() const
{
    return picBody->width() * kPx;
}

int uctMyGrid::bodyScaleHeight() const
{
    return picBody->height() * kPx;
}

void uctMyGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    trapped("psResizeBody", [this] { psResizeBody(); });
}

void uctMyGrid::wheelEvent(QWheelEvent* event)
{
    // A bar is enabled exactly while it shows (the layout sets both).
    QScrollBar* bar = !vscMG->isHidden() ? vscMG : (!hscMG->isHidden() ? hscMG : nullptr);
    if (!bar || event->source() != Qt::MouseEventNotSynthesized) {
        event->ignore();
        return;
    }
    // The bar takes the wheel as it would under the pointer; the value change
    // scrolls the rows through the bar's own handler.
    QCoreApplication::sendEvent(bar, event);
}

void uctMyGrid::psResizeBody()
{
    picBody->setGeometry(0, 0, width(), height());
    psRefreshRows();
}

// ----------------------------------------------------------- geometry

int uctMyGrid::twipsLeft() const { return x() * kPx; }
int uctMyGrid::twipsTop() const { return y() * kPx; }
int uctMyGrid::twipsWidth() const { return width() * kPx; }
int uctMyGrid::twipsHeight() const { return height() * kPx; }

void uctMyGrid::moveTwips(int left, int top, int width, int height)
{
    setGeometry(px(left), px(top), std::max(0, px(width)), std::max(0, px(height)));
}

// ------------------------------------------------------- public members

void uctMyGrid::gsUpdate()
{
    psRefreshRows();
}

void uctMyGrid::gsClear()
{
    trapped("gsClear", [&] {
        // Rows may be in the middle of raising the event that led here:
        // hide and disconnect them now, delete them once the event is done.
        for (uctMGRow* r : mPool) {
            r->hide();
            r->gsSetUsedNow(false);
            disconnect(r, nullptr, this, nullptr);
            r->deleteLater();
        }
        mPool.clear();
        mMGRowsCount = 0;
        mCells.clear();
        mCols.clear();
        mRows.clear();
        mFixedTopRow = 0;
        mResizeEnabled = false;
        mColCount = 0;
        mRowCount = 0;
        mTopIndexOfRowsY = 0;
        mFirstBoundRow = 0;
        mLastBoundRow = 0;
        picMoveingBar->hide();
        mResizeCol = -1;
    });
}

void uctMyGrid::gsSetFixedTopRow(bool bolFixed, bool bolResizeEnabled)
{
    mFixedTopRow = bolFixed ? 1 : 0;
    mResizeEnabled = bolResizeEnabled;
}

void uctMyGrid::gsSetSelectMode(int intMode)
{
    if (intMode >= 0 && intMode <= 2)
        mSelectMode = intMode;
}

void uctMyGrid::gsCreateColsRows(int lngCols, int lngRows)
{
    trapped("gsCreateColsRows", [&] { resizeTables(lngCols, lngRows); });
}

void uctMyGrid::resizeTables(int lngCols, int lngRows)
{
    if (lngCols < 1)
        return;
    const int oldCols = int(mCols.size()) < mColCount ? int(mCols.size()) : mColCount;
    mCols.resize(size_t(lngCols));
    for (int c = oldCols; c < lngCols; ++c) {
        MGColInfo& ci = mCols[size_t(c)];
        ci.Mode = 0;
        ci.Width = pfSnapToPixelX(uctMGRow::TemplateWidth);
        ci.Alignment = 0;
        ci.frmCell = nullptr;
    }
    if (lngRows < 1)
        return;
    const QVariant defaultFontSize = mTemplate->gfGetDefaultFontSize();
    const int oldRows = mRowCount;
    mCells.resize(size_t(lngRows));
    for (int r = 0; r < lngRows; ++r) {
        std::vector<MGCell>& row = mCells[size_t(r)];
        const int have = r < oldRows ? std::min(int(row.size()), mColCount) : 0;
        row.resize(size_t(lngCols));
        for (int c = have; c < lngCols; ++c) {
            MGCell& cell = row[size_t(c)];
            cell = MGCell();
            cell.ForeColor = QVariant(0);
            cell.BackColor = (r == 0 && mFixedTopRow == 1) ? QVariant(int(kButtonFace))
                                                            : QVariant(int(0xFFFFFF));
            cell.FontSize = defaultFontSize;
        }
    }
    mRows.resize(size_t(lngRows));
    for (int r = oldRows; r < lngRows; ++r) {
        MGRowInfo& ri = mRows[size_t(r)];
        ri.Selected = false;
        ri.Height = pfSnapToPixelY(uctMGRow::TemplateHeight);
        ri.RowItemData = -1;
        ri.MGRowIndex = 0;
    }
    // Rows dropped by a smaller table give their row controls back.
    for (uctMGRow* r : mPool) {
        if (r->gfIsUsedNow() && r->rowOfCellData() >= lngRows) {
            r->hide();
            r->gsSetUsedNow(false);
        }
    }
    mColCount = lngCols;
    mRowCount = lngRows;
}

void uctMyGrid::gsSetColInfo(int lngCol, const QString& strKind, const QVariant& varVal)
{
    trapped("gsSetColInfo", [&] {
        if (!validCol(lngCol))
            return;
        MGColInfo& ci = mCols[size_t(lngCol)];
        const QString key = vb::Trim(strKind);
        if (key == QLatin1String("Mode"))
            ci.Mode = mg::toInteger(varVal);
        else if (key == QLatin1String("Width"))
            ci.Width = pfSnapToPixelX(varVal);
        else if (key == QLatin1String("Alignment"))
            ci.Alignment = mg::toLong(varVal);
    });
}

void uctMyGrid::gsExSetColInfo(int lngCol, QWidget* frmCell)
{
    trapped("gsExSetColInfo", [&] {
        if (!validCol(lngCol))
            return;
        mCols[size_t(lngCol)].frmCell = frmCell;
    });
}

void uctMyGrid::gsSetRowInfo(int lngRow, const QString& strKind, const QVariant& varVal)
{
    trapped("gsSetRowInfo", [&] {
        if (!validRow(lngRow))
            return;
        MGRowInfo& ri = mRows[size_t(lngRow)];
        const QString key = vb::Trim(strKind);
        if (key == QLatin1String("Selected"))
            ri.Selected = mg::toBool(varVal);
        else if (key == QLatin1String("Height"))
            ri.Height = pfSnapToPixelY(varVal);
        else if (key == QLatin1String("RowItemData"))
            ri.RowItemData = mg::toLong(varVal);
    });
}

void uctMyGrid::gsSetSelectRow(int lngRowOfCellData)
{
    trapped("gsSetSelectRow", [&] {
        const int r = lngRowOfCellData;
        if (r < mFixedTopRow)
            return;
        if (r >= mRowCount)
            vb::raiseSubscriptOutOfRange();
        if (mSelectMode == 1) {
            if (mRows[size_t(r)].Selected)
                mRows[size_t(r)].Selected = false;
            else
                selectOnly(r);
        } else if (mSelectMode == 2) {
            mRows[size_t(r)].Selected = !mRows[size_t(r)].Selected;
        }
    });
}

void uctMyGrid::gsSetText(int lngCol, int lngRow, const QString& strText)
{
    trapped("gsSetText", [&] {
        if (!validCell(lngCol, lngRow))
            return;
        mCells[size_t(lngRow)][size_t(lngCol)].Text = strText;
    });
}

void uctMyGrid::gsSetSelectRowColor(const QVariant& varBackColor, const QVariant& varForeColor)
{
    mSelBackColor = varBackColor;
    mSelForeColor = varForeColor;
}

void uctMyGrid::gsSetCellData(int lngCol, int lngRow, const QString& strKind, const QVariant& varVal)
{
    trapped("gsSetCellData", [&] {
        if (!validCell(lngCol, lngRow))
            return;
        MGCell& c = mCells[size_t(lngRow)][size_t(lngCol)];
        const QString key = vb::Trim(strKind);
        if (key == QLatin1String("Text"))
            c.Text = mg::toStr(varVal);
        else if (key == QLatin1String("Text2"))
            c.Text2 = mg::toStr(varVal);
        else if (key == QLatin1String("Type"))
            c.Type = mg::toInteger(varVal);
        else if (key == QLatin1String("Alignment"))
            c.Alignment = mg::toLong(varVal);
        else if (key == QLatin1String("BackColor"))
            c.BackColor = varVal;
        else if (key == QLatin1String("ForeColor"))
            c.ForeColor = varVal;
        else if (key == QLatin1String("Value"))
            c.Value = mg::toLong(varVal);
        else if (key == QLatin1String("FontSize"))
            c.FontSize = varVal;
        else if (key == QLatin1String("Enabled"))
            c.Enabled = mg::toBool(varVal);
        else if (key == QLatin1String("FontBold"))
            c.FontBold = mg::toBool(varVal);
    });
}

QVariant uctMyGrid::gfGetCellData(int lngCol, int lngRow, const QString& strKind)
{
    const QString key = vb::Trim(strKind);
    return trapped("gfGetCellData", [&]() -> QVariant {
        if (!validCell(lngCol, lngRow)) {
            if (key == QLatin1String("Text") || key == QLatin1String("Text2"))
                return QVariant(QString());
            if (key == QLatin1String("Value"))
                return QVariant(short(0));
            return QVariant();
        }
        const MGCell& c = mCells[size_t(lngRow)][size_t(lngCol)];
        if (key == QLatin1String("Text"))
            return QVariant(c.Text);
        if (key == QLatin1String("Text2"))
            return QVariant(c.Text2);
        if (key == QLatin1String("Value"))
            return QVariant(c.Value);
        return QVariant();
    });
}

bool uctMyGrid::gfGetRowSelected(int lngRow) const
{
    if (!validRow(lngRow))
        return false;
    return mRows[size_t(lngRow)].Selected;
}

int uctMyGrid::gfGetRowItemData(int lngRow) const
{
    if (!validRow(lngRow))
        return 0;
    return mRows[size_t(lngRow)].RowItemData;
}

int uctMyGrid::gfRowCount() const
{
    return mRowCount;
}

int uctMyGrid::gfGetColWidth(int lngCol)
{
    if (!validCol(lngCol))
        return 0;
    return mCols[size_t(lngCol)].Width;
}

int uctMyGrid::gfGetTopIndexOfRowsY() const
{
    return mTopIndexOfRowsY;
}

void uctMyGrid::gsSetTopIndexOfRowsY(int lngTopIndexOfRowsY)
{
    mTopIndexOfRowsY = lngTopIndexOfRowsY;
}

int uctMyGrid::gfGetLastIndexOf_MGRows() const
{
    return mMGRowsCount;
}

int uctMyGrid::gfGetListSpaceHeight() const
{
    int h = height() * kPx;
    if (!hscMG->isHidden())
        h -= hscMG->height() * kPx;
    return h;
}

// ------------------------------------------------------------- inspection

bool uctMyGrid::selectableCell(int col, int row) const
{
    return validCell(col, row) && row >= mFixedTopRow && mSelectMode != 0;
}

const MGCell* uctMyGrid::cellAt(int col, int row) const
{
    if (!validCell(col, row))
        return nullptr;
    return &mCells[size_t(row)][size_t(col)];
}

const MGRowInfo* uctMyGrid::rowInfo(int row) const
{
    if (!validRow(row))
        return nullptr;
    return &mRows[size_t(row)];
}

uctMGRow* uctMyGrid::mgRow(int index) const
{
    if (index < 1 || index > int(mPool.size()))
        return nullptr;
    return mPool[size_t(index - 1)];
}

uctMGRow* uctMyGrid::boundRow(int row) const
{
    const MGRowInfo* ri = rowInfo(row);
    return ri ? mgRow(ri->MGRowIndex) : nullptr;
}

// ----------------------------------------------------------------- layout

void uctMyGrid::psRefreshRows()
{
    if (mColCount <= 0 || mRowCount <= 0)
        return;
    // A grid sized while hidden gets its resize event only when shown: keep
    // the body over the whole grid now.
    if (picBody->geometry() != rect())
        picBody->setGeometry(rect());
    const int SW = bodyScaleWidth();
    const int SH = bodyScaleHeight();

    // 2. Clamp the positions.
    if (mLeftIndexOfCols > mColCount - 1)
        mLeftIndexOfCols = mColCount - 1;
    if (mTopIndexOfRowsY > mRowCount - 1)
        mTopIndexOfRowsY = mRowCount - 1;
    if (mTopIndexOfRowsY < mFixedTopRow)
        mTopIndexOfRowsY = mFixedTopRow;
    auto clampBound = [this](int v) {
        v = std::min(v, mRowCount - 1);
        return std::max(v, mFixedTopRow);
    };
    mFirstBoundRow = clampBound(mFirstBoundRow);
    mLastBoundRow = clampBound(mLastBoundRow);

    // Every bound row spans all columns, shifted left by the columns
    // scrolled out: one span for the whole layout.
    long long leftSum = 0, total = 0;
    for (int c = 0; c < mColCount; ++c) {
        if (c < mLeftIndexOfCols)
            leftSum += mCols[size_t(c)].Width;
        total += mCols[size_t(c)].Width;
    }
    const int rowX = px(double(-leftSum));
    const int rowW = px(double(total + 3 * kPx));

    // 3. The header.
    long long y = 0;
    if (mFixedTopRow == 1) {
        psSetMGRow(0, 0, mResizeEnabled ? 1 : 2, rowX, rowW);
        y = mRows[0].Height;
    }
    // 4. Free the rows scrolled out above.
    for (int r = mFirstBoundRow; r <= mTopIndexOfRowsY - 1 && r <= mLastBoundRow; ++r) {
        if (mRows[size_t(r)].MGRowIndex != 0)
            psReleaseMGRow(r);
    }
    // 5. Lay out the data rows that fit.
    int last = mTopIndexOfRowsY;
    int r = mTopIndexOfRowsY;
    for (; r <= mRowCount - 1 && SH > y; ++r) {
        psSetMGRow(r, int(y), 0, rowX, rowW);
        y += mRows[size_t(r)].Height;
        last = r;
    }
    // 6. Free the rows below.
    for (int k = std::max(r, mFirstBoundRow); k <= mRowCount - 1 && k <= mLastBoundRow; ++k) {
        if (mRows[size_t(k)].MGRowIndex != 0)
            psReleaseMGRow(k);
    }
    // 7.
    mFirstBoundRow = mTopIndexOfRowsY;
    mLastBoundRow = last;

    // 8. Measure the columns against a room.
    auto measureCols = [this](long long room, long long* wOut, int* fcOut) {
        long long w = 0;
        int fc = mLeftIndexOfCols;
        for (int c = mLeftIndexOfCols; c <= mColCount - 1 && room > w; ++c) {
            w += mCols[size_t(c)].Width;
            fc = c;
        }
        *wOut = w;
        *fcOut = fc;
    };
    // 9. Measure the rows against a room.
    auto measureRows = [this](long long room, long long* HOut, int* frOut) {
        long long h = mFixedTopRow == 1 ? mRows[0].Height : 0;
        long long H = 0;
        int fr = mTopIndexOfRowsY;
        for (int k = mTopIndexOfRowsY; k <= mRowCount - 1 && room > h; ++k) {
            h += mRows[size_t(k)].Height;
            H = h;
            fr = k;
        }
        *HOut = H;
        *frOut = fr;
    };
    long long w = 0, H = 0;
    int fc = 0, fr = 0;
    measureCols(SW, &w, &fc);
    measureRows(SH, &H, &fr);

    // 10. Decide the bars.
    const bool hNeed = (mLeftIndexOfCols > 0 || w >= SW) && mColCount > 1;
    const bool vNeed = (mTopIndexOfRowsY > mFixedTopRow || H >= SH) && mRowCount > 1;
    int kase = hNeed && vNeed ? 3 : (hNeed ? 1 : (vNeed ? 2 : 0));
    const int barW = vscMG->width() * kPx;
    const int barH = hscMG->height() * kPx;
    if (kase == 1 && SH - barH <= H)
        kase = 3;
    if (kase == 2 && SW - barW <= w)
        kase = 3;

    // 11. The horizontal bar's range.
    if (kase == 1 || kase == 3) {
        long long room = SW, ww = w;
        int ffc = fc;
        if (kase == 3) {
            room = SW - barW;
            measureCols(room, &ww, &ffc);
        }
        const int n = ww < room ? ffc - mLeftIndexOfCols + 1 : ffc - mLeftIndexOfCols;
        setBarRange(hscMG, 0, mColCount - 1, n, mLeftIndexOfCols);
    }
    // 12. The vertical bar's range.
    if (kase == 2 || kase == 3) {
        long long room = SH, HH = H;
        int ffr = fr;
        if (kase == 3) {
            room = SH - barH;
            measureRows(room, &HH, &ffr);
        }
        const int n = HH < room ? ffr - mTopIndexOfRowsY + 1 : ffr - mTopIndexOfRowsY;
        setBarRange(vscMG, mFixedTopRow, mRowCount - 1, n, mTopIndexOfRowsY);
    }

    // 13. Place the bars.
    auto hideBar = [](QWidget* b) {
        b->hide();
        b->setEnabled(false);
    };
    auto showBar = [](QWidget* b) {
        b->setEnabled(true);
        b->show();
    };
    switch (kase) {
    case 0:
        hideBar(vscMG);
        hideBar(hscMG);
        hideBar(picScrBarCorner);
        break;
    case 1:
        hscMG->setGeometry(0, px(SH - barH), px(SW), barH / kPx);
        showBar(hscMG);
        hideBar(vscMG);
        hideBar(picScrBarCorner);
        break;
    case 2:
        vscMG->setGeometry(px(SW - barW), 0, barW / kPx, px(SH));
        showBar(vscMG);
        hideBar(hscMG);
        hideBar(picScrBarCorner);
        break;
    default:
        vscMG->setGeometry(px(SW - barW), 0, barW / kPx, px(SH - barH));
        showBar(vscMG);
        hscMG->setGeometry(0, px(SH - barH), px(SW - barW), barH / kPx);
        showBar(hscMG);
        picScrBarCorner->setGeometry(hscMG->width(), vscMG->height(), barW / kPx, barH / kPx);
        showBar(picScrBarCorner);
        break;
    }

    // Rows loaded by this layout stack above the overlays: restack.
    if (mRaiseOverlays) {
        mRaiseOverlays = false;
        picMoveingBar->raise();
        vscMG->raise();
        hscMG->raise();
        picScrBarCorner->raise();
    }
}

void uctMyGrid::setBarRange(QScrollBar* bar, int minimum, int maximum, int page, int value)
{
    const QSignalBlocker block(bar);
    bar->setMinimum(minimum);
    bar->setMaximum(maximum);
    bar->setSingleStep(1);
    bar->setPageStep(std::max(1, page));
    bar->setValue(value);
}

void uctMyGrid::psSetMGRow(int row, int top, int kind, int rowX, int rowW)
{
    trapped("psSetMGRow", [&] {
        MGRowInfo& ri = mRows[size_t(row)];
        if (ri.MGRowIndex == 0) {
            const int idx = pfGetIndexOfMGRows();
            if (idx == 0)
                return;
            ri.MGRowIndex = idx;
        }
        uctMGRow* R = mgRow(ri.MGRowIndex);
        if (!R)
            return;
        R->gsSetRowOfCellData(row);

        R->setGeometry(rowX, px(top), rowW, px(ri.Height));
        R->gsSetKind(kind);
        R->gsSetLeftIndexOfCols(mLeftIndexOfCols);

        const bool selected = row >= mFixedTopRow && ri.Selected;
        const std::vector<MGCell>& cells = mCells[size_t(row)];
        for (int c = 0; c < mColCount; ++c) {
            const MGCell& cell = cells[size_t(c)];
            if (selected) {
                R->gsSetBackColor(c, mSelBackColor);
                R->gsSetForeColor(c, mSelForeColor);
            } else {
                R->gsSetBackColor(c, cell.BackColor);
                R->gsSetForeColor(c, cell.ForeColor);
            }
            R->gsSetColWidth(c, mCols[size_t(c)].Width);
            R->gsSetType(c, cell.Type);
            R->gsSetAlignment(c, cell.Alignment);
            R->gsSetText(c, cell.Text);
            R->gsSetTextFontSize(c, cell.FontSize);
            R->gsSetTextFontBold(c, cell.FontBold);
            if (cell.Type == 9 || cell.Type == 10)
                R->gsSetText2(c, cell.Text2);
            if (cell.Type == 5) {
                R->gsSetValue(c, cell.Value);
                R->gsSetEnabled(c, cell.Enabled);
            }
        }
        R->gsUpdate();
        R->setVisible(ri.Height != 0);
    });
}

int uctMyGrid::pfGetIndexOfMGRows()
{
    return trapped("pfGetIndexOfMGRows", [&] {
        int found = 0;
        for (int i = 1; i <= mMGRowsCount; ++i) {
            if (!mPool[size_t(i - 1)]->gfIsUsedNow()) {
                found = i;
                mPool[size_t(i - 1)]->gsClear();
                break;
            }
        }
        if (found == 0) {
            auto* R = new uctMGRow(picBody);
            R->setGeometry(mTemplate->geometry());
            R->hide();
            connect(R, &uctMGRow::CellResizeCol, this, &uctMyGrid::uctMGRow_CellResizeCol);
            connect(R, &uctMGRow::CellClick, this, &uctMyGrid::uctMGRow_CellClick);
            connect(R, &uctMGRow::CellDblClick, this, &uctMyGrid::uctMGRow_CellDblClick);
            connect(R, &uctMGRow::CellCheckBoxClick, this, &uctMyGrid::uctMGRow_CellCheckBoxClick);
            mPool.push_back(R);
            mMGRowsCount = int(mPool.size());
            found = mMGRowsCount;
            mRaiseOverlays = true;
            R->gsCreateRows(mColCount);
        }
        uctMGRow* R = mPool[size_t(found - 1)];
        R->hide();
        R->gsSetUsedNow(true);
        return found;
    });
}

void uctMyGrid::psReleaseMGRow(int row)
{
    MGRowInfo& ri = mRows[size_t(row)];
    if (ri.MGRowIndex <= 0)
        return;
    if (uctMGRow* R = mgRow(ri.MGRowIndex)) {
        R->hide();
        R->gsSetUsedNow(false);
    }
    ri.MGRowIndex = 0;
}

void uctMyGrid::vscMG_Change()
{
    scrollTo("vscMG_Change", mTopIndexOfRowsY, vscMG->value());
}

void uctMyGrid::hscMG_Change()
{
    scrollTo("hscMG_Change", mLeftIndexOfCols, hscMG->value());
}

void uctMyGrid::scrollTo(const char* procedure, int& position, int value)
{
    try {
        position = value;
        psRefreshRows();
        if (picBody->isVisible())
            picBody->setFocus();
    } catch (const std::exception& e) {
        platform::resetMousePointer();
        showError(procedure, vb::errorDescription(e));
    }
}

// ------------------------------------------------- selection and resize

void uctMyGrid::uctMGRow_CellClick(int lngColOfCellData, int lngRowOfCellData)
{
    const int c = lngColOfCellData, r = lngRowOfCellData;
    if (!selectableCell(c, r))
        return;
    if (mSelectMode == 1) {
        if (!mRows[size_t(r)].Selected)
            selectOnly(r);
    } else if (mSelectMode == 2) {
        mRows[size_t(r)].Selected = !mRows[size_t(r)].Selected;
    }
    refreshRowsTrapped();
    if (r < mRowCount && mRows[size_t(r)].Selected)
        emit MGCellClick(c, r);
}

void uctMyGrid::uctMGRow_CellDblClick(int lngColOfCellData, int lngRowOfCellData)
{
    const int c = lngColOfCellData, r = lngRowOfCellData;
    if (!selectableCell(c, r))
        return;
    if (mSelectMode == 1) {
        selectOnly(r);
    } else if (mSelectMode == 2) {
        mRows[size_t(r)].Selected = true;
    }
    refreshRowsTrapped();
    emit MGCellDblClick(c, r);
}

void uctMyGrid::uctMGRow_CellCheckBoxClick(int lngColOfCellData, int lngRowOfCellData, int lngValue)
{
    const int c = lngColOfCellData, r = lngRowOfCellData;
    if (!validCell(c, r))
        return;
    mCells[size_t(r)][size_t(c)].Value = lngValue;
    emit MGCellCheckBoxClick(c, r, lngValue);
}

void uctMyGrid::uctMGRow_CellResizeCol(int intMode, int lngColOfCellData, int LorR, int lngMoveXX)
{
    Q_UNUSED(LorR);
    const int c = lngColOfCellData;
    if (c < 0) {
        picMoveingBar->hide();
        mResizeCol = -1;
        return;
    }
    if (c >= mColCount)
        return;
    // A drag ended from outside (gsInterruptResizeCol, gsClear) stays ended:
    // the row's later moves and its release change nothing.
    if ((intMode == 1 || intMode == 2) && picMoveingBar->isHidden())
        return;
    mResizeCol = c;
    const long long left = colLeft(c);
    double w = double(mCols[size_t(c)].Width) + lngMoveXX;
    if (w <= 0)
        w = 0;
    const int ws = pfSnapToPixelX(w);
    const double barLeft = double(left) + ws;

    switch (intMode) {
    case 0:
        picMoveingBar->setGeometry(px(barLeft), 0, 1, picBody->height());
        picMoveingBar->show();
        picMoveingBar->raise();
        break;
    case 1:
        picMoveingBar->move(px(barLeft), 0);
        break;
    case 2: {
        picMoveingBar->move(px(barLeft), 0);
        picMoveingBar->hide();
        mCols[size_t(c)].Width = std::min(ws, maxColWidth());
        refreshRowsTrapped();
        emit MGCellColWidthChange();
        break;
    }
    default:
        break;
    }
}

long long uctMyGrid::colLeft(int col) const
{
    long long left = 0;
    for (int k = mLeftIndexOfCols; k <= col - 1; ++k)
        left += mCols[size_t(k)].Width;
    return left;
}

int uctMyGrid::maxColWidth() const
{
    // The limit counts the vertical bar whether it shows or not; a body
    // narrower than the bar and five pixels gives 0, never a negative width.
    return std::max(0, bodyScaleWidth() - vscMG->width() * kPx - 5 * kPx);
}

void uctMyGrid::gsInterruptResizeCol()
{
    if (mResizeCol < 0 || mResizeCol > mColCount - 1 || picMoveingBar->isHidden())
        return;
    const int width = int(picMoveingBar->x() * kPx - colLeft(mResizeCol));
    mCols[size_t(mResizeCol)].Width = std::min(width, maxColWidth());
    picMoveingBar->hide();
    mResizeCol = -1;
    emit MGCellColWidthChange();
}
