// uctMGRow: one pooled row of the grid control uctMyGrid.
//
// The row owns no grid data: the grid binds it to one of its rows, pushes the
// row kind, the data row index and every cell's properties through the
// setters below, then calls gsUpdate, which redraws the row only when a setter
// really changed something. Mouse actions come back to the grid as four
// signals that name the cell by column and by the data row shown.
//
// Lengths are twips (15 per pixel). Colours are OLE colours (&H00BBGGRR) or
// system colours (&H80000000 | index), held as QVariant numbers.
//
// Drawing: the cell backgrounds, border lines and label texts are a retained
// display list replayed by paintEvent (no QLabel per cell). The one check
// box, the multi-line text boxes and the invisible column-resize handles are
// real child widgets.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <vector>

class QCheckBox;
class QPlainTextEdit;

// One cell of a row.
struct MGRowCell {
    int Type = 0;             // 0/3 label, 5 check box, 8 text box, 9/10 two labels, else green
    int Width = 0;            // twips
    QString Text;
    QString Text2;
    int Alignment = 0;        // 0..8: code mod 3 horizontal (left/right/centre), code \ 3 vertical
    QVariant BackColor;       // colour number
    QVariant ForeColor;       // colour number
    QVariant FontSize;        // points
    bool FontBold = false;
    int Value = 0;            // check box: 0 clear, other ticked
    bool Enabled = true;      // check box enabled
};

class uctMGRow : public QWidget {
    Q_OBJECT

public:
    static constexpr int TwipsPerPixel = 15;
    // Template sizes (twips) of the design-time controls.
    static constexpr int TemplateWidth = 3015;    // row template: default column width
    static constexpr int TemplateHeight = 375;    // row template: default row height
    static constexpr int CheckBoxWidth = 255;
    static constexpr int CheckBoxHeight = 225;

    explicit uctMGRow(QWidget* parent = nullptr);
    ~uctMGRow() override;

    // --- public members, in the order of the control's interface ---
    void gsClear();
    void gsCreateRows(int lngCols);
    void gsSetKind(int intKind);                 // 0 data, 1 header with handles, 2 header without
    void gsSetRowOfCellData(int lngRow);
    void gsSetColWidth(int lngCol, int lngWidth);
    void gsSetType(int lngCol, int intType);
    void gsSetAlignment(int lngCol, int lngAlignment);
    void gsSetText(int lngCol, const QString& strText);
    void gsSetText2(int lngCol, const QString& strText2);
    void gsSetValue(int lngCol, int lngValue);
    void gsSetEnabled(int lngCol, bool bolEnabled);
    void gsSetTextFontSize(int lngCol, const QVariant& varFontSize);
    void gsSetTextFontBold(int lngCol, bool bolFontBold);
    QVariant gfGetDefaultFontSize() const;
    void gsSetLeftIndexOfCols(int lngCol);
    void gsSetUsedNow(bool bolVal);
    bool gfIsUsedNow() const;
    void gsSetSelected(bool bolVal);
    void gsSetBackColor(int lngCol, const QVariant& varColor);
    void gsSetForeColor(int lngCol, const QVariant& varColor);
    // Redraws the row when a setter changed something. Throws vb::VbError when
    // a colour or font size cannot be converted (the row stays dirty).
    void gsUpdate();

    // --- handlers of the resize handles, in twips relative to the handle
    // (public so the drag arithmetic can be driven directly) ---
    void barMouseDown(int LorR, int index, double X);
    void barMouseMove(int LorR, int index, double X);
    void barMouseUp(int LorR, int index, double X);

    // --- read-only inspection (tests, diagnostics) ---
    // Retained state of one label (lblObj or lblObj2), geometry in twips.
    struct LabelState {
        QString caption;
        bool visible = false;
        bool enabled = false;
        double left = 0, top = 0, width = 1155, height = 225;
        int hAlign = 0;                 // 0 left, 1 right, 2 centre
        QVariant backColor, foreColor;  // as last set
        double fontSize = 11.25;
        bool fontBold = false;
    };
    struct LineState {
        bool visible = false;
        quint32 color = 0;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // twips
    };
    int colCount() const { return mRowColCount; }
    int rowKind() const { return mRowKind; }
    int leftCol() const { return mRowLeftCol; }
    int rowOfCellData() const { return mRowOfCellData; }
    bool isDirty() const { return mDirty; }
    bool isDragging() const { return mDragging != 0; }
    const MGRowCell& cell(int col) const { return mRowCells.at(size_t(col)); }
    const LabelState& label(int col) const;    // lblObj(col)
    const LabelState& label2(int col) const;   // lblObj2(col)
    const LineState& line(int col, int which) const;   // 0 top, 1 bottom, 2 left, 3 right
    QCheckBox* checkBox() const { return chkObj; }
    QPlainTextEdit* textBox(int col) const;    // null until the column first shows type 8
    QWidget* handleL(int col) const;           // lblBarOfColMoveL(col)
    QWidget* handleR(int col) const;           // lblBarOfColMoveR(col)
    int updateCount() const { return mUpdateCount; }   // completed redraws
    // Column under x (twips on the row's surface, counted from column 0).
    int pfGetColIndexOfX(double x) const;

signals:
    // A resize handle of column lngColOfCellData was pressed (intMode 0),
    // dragged (1) or released (2); LorR 0 left handle, 1 right handle;
    // lngMoveXX the travel since the press in twips, whole pixels.
    void CellResizeCol(int intMode, int lngColOfCellData, int LorR, int lngMoveXX);
    void CellClick(int lngColOfCellData, int lngRowOfCellData);
    void CellDblClick(int lngColOfCellData, int lngRowOfCellData);
    // lngValue 0 when the box is now clear, 2 when ticked.
    void CellCheckBoxClick(int lngColOfCellData, int lngRowOfCellData, int lngValue);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class MGRowHandle;
    struct Rect {
        double l, t, r, b;   // twips
        quint32 color;
    };
    struct ColChildren {
        LabelState lbl, lbl2;
        LineState lines[4];
        QPlainTextEdit* txt = nullptr;
        QString txtText;
        QWidget* barL = nullptr;
        QWidget* barR = nullptr;
    };
    // Hit target of a mouse press on the row's own surface.
    enum class Target { None, Surface, Label, Label2 };

    bool validCol(int col) const { return col >= 0 && col < mRowColCount; }
    // Stores a value, marking the row for redraw when it differs.
    template <typename T>
    void assignMarkingDirty(T& slot, const T& value);
    // The same for one field of a cell; an out-of-range column is ignored.
    template <typename T>
    void setCellField(int lngCol, T MGRowCell::*field, const T& value);
    double pfSnapToPixelX(double v) const;
    void clearChildren(ColChildren& c);
    QWidget* makeHandle(int LorR, int index);
    QWidget* handle(int LorR, int col) const;   // made on first use
    // A drag position in twips, snapped, as the row's drag arithmetic counts it.
    double dragX(int LorR, int index, double X) const;
    QPlainTextEdit* ensureTextBox(int col);
    void chkObjClick();
    int colOfTarget(Target t, int index) const;
    void raiseCellClickFor(Target t, int index);
    void raiseCellDblClickFor(Target t, int index);
    Target hitTest(const QPoint& pixel, int* index) const;
    // Top of a control of a height in a row of height SH for an alignment
    // code: middle, top or bottom, within the margin.
    double alignedTop(int code, double height, double SH) const;

    std::vector<MGRowCell> mRowCells;
    std::vector<ColChildren> mChildren;
    std::vector<Rect> mRects;
    int mRowColCount = 0;
    int mRowLeftCol = 0;
    int mMarginX = 3 * TwipsPerPixel;
    int mMarginY = 3 * TwipsPerPixel;
    int mDefaultColWidth = 1155;    // the template label's width
    QVariant mDefaultFontSize;
    int mRowKind = 0;
    bool mUsedNow = false;
    bool mDirty = false;
    int mDragStartX = 0;
    int mDragging = 0;
    bool mSelected = false;
    int mRowOfCellData = -1;
    int mSettingCheck = 0;
    quint32 mBackColor = 0xFFFFFF;

    QCheckBox* chkObj = nullptr;
    int mChkCol = -1;            // column the check box was last drawn for
    Target mPressTarget = Target::None;
    int mPressIndex = -1;
    bool mInDoubleClick = false;
    int mUpdateCount = 0;
};
