// uctMyGrid: the program's table widget.
//
// A grid of cells with an optional fixed header row (row 0), per-cell text,
// alignment, colours, font size and weight, check boxes, multi-line and
// two-line cells, whole-row selection, both scroll bars and column resizing by
// dragging the header. The grid owns all table data; only the rows on screen
// (and the header) are bound to pooled row controls (uctMGRow), which draw
// them.
//
// Units: every length of the public interface is in twips (15 per pixel);
// widths and heights are stored cut down (floor) to whole pixels:
// 350 -> 345, 1004.9 -> 990. Colours are OLE colours &H00BBGGRR (RGB(r,g,b) =
// r + g*256 + b*65536) or system colours (&H8000000F button face,
// &H8000000D highlight, &H8000000E highlight text, &H80000011 grey text);
// pass them as numbers in a QVariant: QVariant(0xC8F0FF), or
// QVariant(quint32(0x8000000F)) - the unsigned or the negative 32-bit form of
// a system colour both work.
//
// Typical host:
//   grid->gsClear();
//   grid->gsSetFixedTopRow(true, false);          // before gsCreateColsRows
//   grid->gsCreateColsRows(2, n + 1);             // header row counted
//   grid->gsSetColInfo(0, "Width", 4500);
//   grid->gsSetText(0, 0, "名前");
//   grid->gsSetCellData(1, r, "Alignment", 1);
//   grid->gsSetRowInfo(r, "Height", 350);
//   grid->gsSetRowInfo(r, "RowItemData", id);
//   grid->gsUpdate();
//   connect(grid, &uctMyGrid::MGCellClick, this, [](int col, int row) { ... });
//
// Events are Qt signals emitted synchronously (direct connections): a slot
// runs inside the grid's mouse handling and may open a modal dialog, refill
// the grid, even call gsClear - pooled rows are deleted later, never under
// the event that is still running.
//
// Errors: the trapped members (gsClear, gsCreateColsRows, gsSetColInfo,
// gsExSetColInfo, gsSetRowInfo, gsSetSelectRow, gsSetText, gsSetCellData,
// gfGetCellData, gfGetColWidth, the binding of a row and the scroll
// handlers) show "uctMyGrid::<name>():<description>" through
// platform::MsgBox (OK only, application title) and return normally.
// A value that cannot be converted (text that is not a number for a numeric
// key, for example) is such an error; the field keeps its value.
#pragma once

#include "grid/uctMGRow.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <vector>

class QScrollBar;

// One cell of the grid.
struct MGCell {
    QString Text;
    QString Text2;
    int Type = 0;
    int Alignment = 0;
    QVariant BackColor;
    QVariant ForeColor;
    int Value = 0;
    bool Enabled = true;
    QVariant FontSize;
    bool FontBold = false;
};

// One column of the grid.
struct MGColInfo {
    int Mode = 0;
    int Width = 0;               // twips, whole pixels
    int Alignment = 0;
    QPointer<QWidget> frmCell;   // stored only
};

// One row of the grid.
struct MGRowInfo {
    bool Selected = false;
    int Height = 0;              // twips, whole pixels; 0 hides the row
    int RowItemData = -1;        // the host's tag
    int MGRowIndex = 0;          // pooled row control bound to the row, 0 = none
};

class uctMyGrid : public QWidget {
    Q_OBJECT

public:
    static constexpr int TwipsPerPixel = 15;
    static constexpr int ScrollBarTwips = 315;   // thickness of both scroll bars

    explicit uctMyGrid(QWidget* parent = nullptr);
    ~uctMyGrid() override;

    // --- public members ---------------------------------------------------

    // Lays the grid out from everything set since the last update: binds the
    // rows that fit, redraws the ones that changed, decides the scroll bars.
    void gsUpdate();
    // Ends a column drag in progress as if released where the moving bar
    // stands (width stored, MGCellColWidthChange raised), without a layout.
    // Does nothing while no drag is in progress.
    void gsInterruptResizeCol();
    // Empties the grid: tables, counts, fixed-row and resize flags, vertical
    // position, pool. Keeps the select mode, the selection colours and the
    // horizontal position (clamped at the next layout). No layout.
    void gsClear();
    // bolFixed: row 0 is a fixed header that does not scroll;
    // bolResizeEnabled: the header offers column-resize handles. Call before
    // gsCreateColsRows so the header cells start in button face &H8000000F.
    void gsSetFixedTopRow(bool bolFixed, bool bolResizeEnabled);
    // 0 no selection, 1 single (initial), 2 multiple by toggling; other
    // values are ignored.
    void gsSetSelectMode(int intMode);
    // Sizes the tables (header row counted in lngRows) and gives new entries
    // their defaults: column width 3015, row height 375, RowItemData -1,
    // cells white (header button face), black text, 11.25 pt. No layout.
    // lngCols < 1: nothing; lngRows < 1: only the column table grows.
    void gsCreateColsRows(int lngCols, int lngRows);
    // Keys (trimmed, case-sensitive): "Width" (twips, cut to whole pixels),
    // "Mode", "Alignment" (stored only). Out-of-range column: ignored.
    void gsSetColInfo(int lngCol, const QString& strKind, const QVariant& varVal);
    // Stores a form reference with the column (nothing reads it).
    void gsExSetColInfo(int lngCol, QWidget* frmCell);
    // Keys: "Selected" (Boolean), "Height" (twips, whole pixels, 0 hides the
    // row), "RowItemData" (32-bit number or its decimal text).
    void gsSetRowInfo(int lngRow, const QString& strKind, const QVariant& varVal);
    // Selection rule for a host, without layout and without event. Mode 1: a
    // selected row is cleared, otherwise every other data row is cleared and
    // this one selected; mode 2 toggles; rows below the first data row are
    // ignored, rows beyond the table are reported as an error.
    void gsSetSelectRow(int lngRowOfCellData);
    // The cell's Text; out-of-range cell ignored.
    void gsSetText(int lngCol, int lngRow, const QString& strText);
    // Colours of every cell of a selected data row (from the next layout).
    void gsSetSelectRowColor(const QVariant& varBackColor, const QVariant& varForeColor);
    // Keys: "Text", "Text2" (as text), "Type", "Alignment", "Value" (integers,
    // half to even), "BackColor", "ForeColor", "FontSize" (stored as given,
    // converted while drawing), "Enabled", "FontBold" (Boolean).
    void gsSetCellData(int lngCol, int lngRow, const QString& strKind, const QVariant& varVal);
    // "Text"/"Text2" -> QString, "Value" -> int; other keys -> invalid
    // QVariant (Empty). Out of range: "" / "" / 0 / Empty.
    QVariant gfGetCellData(int lngCol, int lngRow, const QString& strKind);
    bool gfGetRowSelected(int lngRow) const;      // false out of range
    int gfGetRowItemData(int lngRow) const;       // -1 fresh, 0 out of range
    int gfRowCount() const;                       // header row included
    int gfGetColWidth(int lngCol);                // twips, 0 out of range
    int gfGetTopIndexOfRowsY() const;             // first data row shown
    // Stored unchecked; the next layout clamps it and scrolls there.
    void gsSetTopIndexOfRowsY(int lngTopIndexOfRowsY);
    int gfGetLastIndexOf_MGRows() const;          // pooled row controls loaded
    // Height of the row area in twips: the grid's height, less the
    // horizontal scroll bar (315) while it shows.
    int gfGetListSpaceHeight() const;

    // --- host geometry in twips (converted with floor to whole pixels) -----
    int twipsLeft() const;
    int twipsTop() const;
    int twipsWidth() const;
    int twipsHeight() const;
    void moveTwips(int left, int top, int width, int height);

    // --- read-only inspection (tests, diagnostics) -------------------------
    int selectMode() const { return mSelectMode; }
    int colCount() const { return mColCount; }
    int leftIndexOfCols() const { return mLeftIndexOfCols; }
    int firstBoundRow() const { return mFirstBoundRow; }
    int lastBoundRow() const { return mLastBoundRow; }
    int resizeCol() const { return mResizeCol; }
    const MGCell* cellAt(int col, int row) const;
    const MGRowInfo* rowInfo(int row) const;
    // Pool element 1 .. gfGetLastIndexOf_MGRows() (null otherwise).
    uctMGRow* mgRow(int index) const;
    // The row control bound to a grid row, null when the row is not bound.
    uctMGRow* boundRow(int row) const;
    QWidget* body() const { return picBody; }
    QScrollBar* vScrollBar() const { return vscMG; }
    QScrollBar* hScrollBar() const { return hscMG; }
    QWidget* cornerBox() const { return picScrBarCorner; }
    QWidget* movingBar() const { return picMoveingBar; }

signals:
    // A click on a data row that leaves the row selected (select mode 1 or 2).
    void MGCellClick(int lngCol, int lngRow);
    // A double click on a data row (select mode 1 or 2), after selecting it.
    void MGCellDblClick(int lngCol, int lngRow);
    // A cell's check box changed (the user's click, or a redraw that flipped
    // a reused box); lngValue 0 cleared or 2 ticked, already stored as the
    // cell's "Value". The user's click is followed by MGCellClick.
    void MGCellCheckBoxClick(int lngColOfCellData, int lngRowOfCellData, int lngValue);
    // A column drag has set a new width.
    void MGCellColWidthChange();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The mouse wheel anywhere over the grid scrolls it as the wheel over its
    // scroll bar would (the horizontal bar when only that one is shown).
    void wheelEvent(QWheelEvent* event) override;

private:
    // Row control event handlers.
    void uctMGRow_CellResizeCol(int intMode, int lngColOfCellData, int LorR, int lngMoveXX);
    void uctMGRow_CellClick(int lngColOfCellData, int lngRowOfCellData);
    void uctMGRow_CellDblClick(int lngColOfCellData, int lngRowOfCellData);
    void uctMGRow_CellCheckBoxClick(int lngColOfCellData, int lngRowOfCellData, int lngValue);

    void psRefreshRows();
    // Binds a row control to a grid row at a top (twips) and fills it; rowX
    // and rowW (pixels) are the span every row of the layout shares.
    void psSetMGRow(int row, int top, int kind, int rowX, int rowW);
    int pfGetIndexOfMGRows();
    void psReleaseMGRow(int row);
    void psResizeBody();
    void vscMG_Change();
    void hscMG_Change();
    static int pfSnapToPixelX(const QVariant& v);
    static int pfSnapToPixelY(const QVariant& v);
    int bodyScaleWidth() const;
    int bodyScaleHeight() const;
    void showError(const char* procedure, const QString& description);
    // Runs a member's body under its error trap: a run-time error is shown
    // as "uctMyGrid::<procedure>():<description>" and the member returns
    // normally (a value-returning body gives its type's default).
    template <typename Body>
    auto trapped(const char* procedure, Body&& body) -> decltype(body());
    void refreshRowsTrapped();
    // The body of gsCreateColsRows, outside its trap.
    void resizeTables(int lngCols, int lngRows);
    void scrollTo(const char* procedure, int& position, int value);
    // Selects a data row and clears every other one.
    void selectOnly(int row);
    // Left edge (twips) of a column counted from the first column shown.
    long long colLeft(int col) const;
    // Widest column a drag may leave: the body less the vertical bar and 5 px.
    int maxColWidth() const;
    static void setBarRange(QScrollBar* bar, int minimum, int maximum, int page, int value);
    bool validCol(int col) const { return col >= 0 && col < mColCount; }
    bool validRow(int row) const { return row >= 0 && row < mRowCount; }
    bool validCell(int col, int row) const { return validCol(col) && validRow(row); }
    // A data cell a click may select: inside the table, below the fixed
    // row, in a select mode that selects.
    bool selectableCell(int col, int row) const;

    // Tables and state.
    std::vector<std::vector<MGCell>> mCells;   // [row][col]
    std::vector<MGColInfo> mCols;
    std::vector<MGRowInfo> mRows;
    int mSelectMode = 1;
    int mColCount = 0;
    int mRowCount = 0;
    int mFixedTopRow = 0;
    bool mResizeEnabled = false;
    int mTopIndexOfRowsY = 0;
    int mLeftIndexOfCols = 0;
    int mFirstBoundRow = 0;
    int mLastBoundRow = 0;
    int mMGRowsCount = 0;
    QVariant mSelBackColor;
    QVariant mSelForeColor;
    int mResizeCol = -1;

    // Children.
    QWidget* picBody = nullptr;
    uctMGRow* mTemplate = nullptr;            // uctMGRow(0), hidden
    std::vector<uctMGRow*> mPool;             // uctMGRow(1 .. n)
    QWidget* picMoveingBar = nullptr;
    QScrollBar* vscMG = nullptr;
    QScrollBar* hscMG = nullptr;
    QWidget* picScrBarCorner = nullptr;
    bool mRaiseOverlays = false;              // new rows loaded: restack the bars
};
