// The row control on its own: setters and the dirty rule, drawing, its
// events and the resize-handle arithmetic.
#include "grid/uctMGRow.h"
#include "gridtestutil.h"
#include "platform/vbruntime.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct RowFixture : ::testing::Test {
    std::unique_ptr<QWidget> top;
    uctMGRow* row = nullptr;

    // A row of n columns, each `width` twips, 375 twips high.
    void make(int n, int width = 1200, int height = 375)
    {
        top = std::make_unique<QWidget>();
        top->resize(900, 200);
        row = new uctMGRow(top.get());
        row->gsCreateRows(n);
        int total = 0;
        for (int i = 0; i < n; ++i) {
            row->gsSetColWidth(i, width);
            total += width;
        }
        row->setGeometry(0, 0, (total + 45) / 15, height / 15);
        row->show();
        top->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(top.get(), testsupport::kWaitMs));
        resetRecordingUi();
    }
    QColor pixel(QPoint p) const { return row->grab().toImage().pixelColor(p); }
};

TEST_F(RowFixture, SettersMarkDirtyOnlyOnRealChange)
{
    make(3);
    row->gsSetRowOfCellData(4);
    row->gsSetText(1, "abc");
    row->gsSetTextFontSize(1, QVariant(11.0));
    row->gsUpdate();
    ASSERT_FALSE(row->isDirty());
    const int updates = row->updateCount();

    // The same values again, 11 against 11.0, out-of-range columns.
    row->gsSetRowOfCellData(4);
    row->gsSetText(1, "abc");
    row->gsSetTextFontSize(1, QVariant(11));
    row->gsSetColWidth(1, 1200);
    row->gsSetBackColor(0, QVariant(0xFFFFFF));
    row->gsSetText(-1, "x");
    row->gsSetText(3, "x");
    row->gsSetValue(3, 1);
    row->gsSetUsedNow(true);
    row->gsSetSelected(true);
    EXPECT_FALSE(row->isDirty());
    row->gsUpdate();
    EXPECT_EQ(row->updateCount(), updates);

    // Case matters for texts.
    row->gsSetText(1, "ABC");
    EXPECT_TRUE(row->isDirty());
    row->gsUpdate();
    EXPECT_EQ(row->updateCount(), updates + 1);
    EXPECT_EQ(row->label(1).caption, "ABC");
}

TEST_F(RowFixture, ClearKeepsColumnsAndCheckBoxValue)
{
    make(3);
    row->gsSetType(0, 5);
    row->gsSetValue(0, 1);
    row->gsSetText(1, "x");
    row->gsSetKind(1);
    row->gsSetUsedNow(true);
    row->gsUpdate();
    ASSERT_TRUE(row->checkBox()->isChecked());
    ASSERT_TRUE(row->label(1).visible);

    row->gsClear();
    EXPECT_EQ(row->colCount(), 3);
    EXPECT_FALSE(row->gfIsUsedNow());
    EXPECT_FALSE(row->isDirty());
    EXPECT_EQ(row->rowOfCellData(), -1);
    EXPECT_EQ(row->rowKind(), 0);
    EXPECT_FALSE(row->label(1).visible);
    EXPECT_TRUE(row->label(1).caption.isEmpty());
    EXPECT_FALSE(row->line(1, 1).visible);
    EXPECT_TRUE(row->checkBox()->isHidden());
    EXPECT_TRUE(row->checkBox()->isChecked());   // the box keeps its value
    EXPECT_EQ(row->cell(0).Type, 0);
    EXPECT_EQ(row->cell(0).Width, 1155);

    // Fewer columns unload the rest.
    row->gsCreateRows(2);
    EXPECT_EQ(row->colCount(), 2);
    EXPECT_THROW(row->label(2), std::out_of_range);
}

TEST_F(RowFixture, NarrowColumnHidesItsControls)
{
    make(2);
    for (int width : {90, 105}) {
        row->gsSetColWidth(0, width);
        row->gsSetText(0, QStringLiteral("w%1").arg(width));
        row->gsUpdate();
        const auto& l = row->label(0);
        if (width == 90) {
            EXPECT_FALSE(l.visible);
        } else {
            EXPECT_TRUE(l.visible);
            EXPECT_EQ(l.width, 15);
            EXPECT_EQ(l.left, 45);
        }
    }
    // Same for a text box and a check box.
    row->gsSetType(1, 8);
    row->gsSetText(1, "t");
    row->gsUpdate();
    ASSERT_NE(row->textBox(1), nullptr);
    EXPECT_FALSE(row->textBox(1)->isHidden());
    row->gsSetColWidth(1, 90);
    row->gsUpdate();
    EXPECT_TRUE(row->textBox(1)->isHidden());
    row->gsSetType(0, 5);
    row->gsSetColWidth(0, 300);
    row->gsUpdate();
    EXPECT_FALSE(row->checkBox()->isHidden());
    row->gsSetColWidth(0, 90);
    row->gsUpdate();
    EXPECT_TRUE(row->checkBox()->isHidden());
}

TEST_F(RowFixture, UnknownTypeIsGreenWithTheGreyRule)
{
    make(2);
    row->gsSetType(0, 2);
    row->gsSetBackColor(1, QVariant(0xC8F0FF));   // RGB(255, 240, 200)
    row->gsUpdate();
    // Column 0 is 80 pixels wide, 25 high.
    EXPECT_EQ(pixel({20, 10}), QColor(0, 255, 0));
    EXPECT_EQ(pixel({20, 24}), ole(0x80000011));   // rule under the cell
    EXPECT_EQ(pixel({79, 10}), ole(0x80000011));   // rule at its right
    EXPECT_EQ(pixel({120, 2}), QColor(255, 240, 200));
    // The extra strip after the last column stays white.
    EXPECT_EQ(pixel({161, 10}), QColor(255, 255, 255));
}

TEST_F(RowFixture, NeverGivenColumnsShowsGreen)
{
    top = std::make_unique<QWidget>();
    auto* r = new uctMGRow(top.get());
    r->setGeometry(0, 0, 50, 20);
    EXPECT_EQ(r->grab().toImage().pixelColor(10, 10), QColor(0, 255, 0));
}

TEST_F(RowFixture, CheckBoxCells)
{
    make(3, 540);
    QSignalSpy boxes(row, &uctMGRow::CellCheckBoxClick);
    QSignalSpy clicks(row, &uctMGRow::CellClick);
    row->gsSetRowOfCellData(7);
    row->gsSetType(0, 5);
    row->gsSetValue(0, 2);
    row->gsSetAlignment(0, 2);
    row->gsUpdate();
    EXPECT_TRUE(row->checkBox()->isChecked());
    // Centred: (540 - 255) / 2 = 142.5 twips -> pixel 9.
    EXPECT_EQ(row->checkBox()->x(), 9);
    // An update that flips the box reports it, but no click.
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.at(0), (QList<QVariant>{0, 7, 2}));
    EXPECT_EQ(clicks.count(), 0);

    // Updating with the same value reports nothing.
    row->gsSetText(1, "x");
    row->gsUpdate();
    EXPECT_EQ(boxes.count(), 1);

    // Two check-box cells: the one box ends at the later column.
    row->gsSetType(2, 5);
    row->gsSetAlignment(2, 0);
    row->gsUpdate();
    EXPECT_EQ(row->checkBox()->x(), (540 * 2 + 45) / 15);
    EXPECT_TRUE(row->label(2).visible == false);
}

// A check box as the style draws it with the window's palette, on a
// background of the cell's colour.
QImage platformCheckBox(QSize size, quint32 back, bool ticked, bool enabled)
{
    QWidget host;
    host.setFixedSize(size);
    QPalette pal = host.palette();
    pal.setColor(QPalette::Window, platform::oleColor(back));
    host.setPalette(pal);
    host.setAutoFillBackground(true);
    auto* box = new QCheckBox(&host);
    QPalette own = QApplication::palette(box);   // the window's, not the host's
    own.setResolveMask(~QPalette::ResolveMask(0));
    box->setPalette(own);
    box->setFixedSize(size);
    box->setFocusPolicy(Qt::NoFocus);
    box->setChecked(ticked);
    box->setEnabled(enabled);
    return host.grab().toImage();
}

testing::AssertionResult samePixels(const QImage& shown, const QImage& expected)
{
    if (shown.size() != expected.size())
        return testing::AssertionFailure() << "sizes differ";
    const QImage a = shown.convertToFormat(QImage::Format_ARGB32);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return testing::AssertionFailure()
                       << "at (" << x << ", " << y << ") " << a.pixelColor(x, y).name().toStdString()
                       << " instead of " << b.pixelColor(x, y).name().toStdString();
    return testing::AssertionSuccess();
}

// An enabled check-box cell looks like the platform's enabled check box,
// ticked or not (only the tick tells them apart), on any cell colour; a
// cell whose Enabled is False looks like a disabled one.
TEST_F(RowFixture, CheckBoxCellIsDrawnAsThePlatformDrawsACheckBox)
{
    make(2, 540);
    row->gsSetType(0, 5);
    row->gsSetAlignment(0, 2);
    const QSize size = row->checkBox()->size();
    ASSERT_FALSE(samePixels(platformCheckBox(size, 0xFFFFFF, false, true), platformCheckBox(size, 0xFFFFFF, false, false)))
        << "the style draws enabled and disabled boxes alike";
    for (quint32 back : {0xFFFFFFu, 0xF0FFF0u, 0x8000000Du}) {
        for (bool enabled : {true, false}) {
            for (bool ticked : {false, true}) {
                SCOPED_TRACE(testing::Message() << std::hex << back << " enabled " << enabled << " ticked " << ticked);
                row->gsSetBackColor(0, QVariant(qint64(back)));
                row->gsSetEnabled(0, enabled);
                row->gsSetValue(0, ticked ? 2 : 0);
                row->gsUpdate();
                const QCheckBox* box = row->checkBox();
                ASSERT_TRUE(box->isVisible());
                EXPECT_EQ(box->isEnabled(), enabled);
                EXPECT_TRUE(samePixels(row->grab(box->geometry()).toImage(),
                                       platformCheckBox(box->size(), back, ticked, enabled)));
            }
        }
    }
}

TEST_F(RowFixture, NarrowCheckBoxColumnReportsItsOwnColumn)
{
    // A right-aligned box in a 240-twip column starts left of the column; it
    // must still report (and so store into) its own column.
    make(3, 240);
    QSignalSpy boxes(row, &uctMGRow::CellCheckBoxClick);
    row->gsSetRowOfCellData(3);
    row->gsSetType(1, 5);
    row->gsSetAlignment(1, 1);
    row->gsSetValue(1, 1);
    row->gsUpdate();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.at(0).at(0).toInt(), 1);
    ASSERT_LT(row->checkBox()->x() * 15, 240);   // the box does start in column 0
    boxes.clear();
    row->checkBox()->click();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.at(0), (QList<QVariant>{1, 3, 0}));
}

TEST_F(RowFixture, HeaderHandles)
{
    make(4);
    row->gsSetKind(1);
    row->gsUpdate();
    // Left handle of column i sits over the first 3 pixels of column i + 1.
    EXPECT_FALSE(row->handleL(0)->isHidden());
    EXPECT_EQ(row->handleL(0)->geometry(), QRect(80, 0, 3, 25));
    EXPECT_EQ(row->handleR(0)->geometry(), QRect(77, 0, 3, 25));
    EXPECT_TRUE(row->handleL(1)->isHidden());   // column mRowLeftCol + 1 keeps its state
    EXPECT_FALSE(row->handleL(2)->isHidden());
    EXPECT_FALSE(row->handleR(1)->isHidden());
    EXPECT_EQ(row->handleL(0)->cursor().shape(), Qt::SizeHorCursor);
    // Raised header borders.
    EXPECT_TRUE(row->line(0, 0).visible);
    EXPECT_EQ(row->line(0, 0).color, 0xFFFFFFu);
    EXPECT_EQ(row->line(0, 1).color, 0u);

    // Scrolled to column 2: the left handles of 0..2 go, 3 shows.
    row->gsSetLeftIndexOfCols(2);
    EXPECT_TRUE(row->handleL(0)->isHidden());
    EXPECT_TRUE(row->handleL(2)->isHidden());
    EXPECT_FALSE(row->handleL(3)->isHidden());
    // The same value again does nothing, even after a change by hand.
    row->handleL(0)->show();
    row->gsSetLeftIndexOfCols(2);
    EXPECT_FALSE(row->handleL(0)->isHidden());

    // A header without handles.
    make(3);
    row->gsSetKind(2);
    row->gsUpdate();
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(row->handleL(i)->isHidden());
        EXPECT_TRUE(row->handleR(i)->isHidden());
    }
    EXPECT_TRUE(row->line(1, 2).visible);
    row->gsSetLeftIndexOfCols(1);   // kind 2: only stored
    EXPECT_EQ(row->leftCol(), 1);
    EXPECT_TRUE(row->handleL(2)->isHidden());
}

TEST_F(RowFixture, LabelPlacementAndTwoLabelTypes)
{
    make(3, 1500, 600);
    // Alignment 7: bottom, right.
    row->gsSetAlignment(0, 7);
    row->gsSetText(0, "a");
    row->gsUpdate();
    const auto& l = row->label(0);
    EXPECT_EQ(l.hAlign, 1);
    EXPECT_DOUBLE_EQ(l.top, 600 - (l.height + 45));
    EXPECT_EQ(l.width, 1500 - 90);

    // Alignment 12 keeps the place but takes the new text and colours.
    row->gsSetAlignment(0, 12);
    row->gsSetText(0, "b");
    row->gsSetForeColor(0, QVariant(0xFF));
    row->gsUpdate();
    EXPECT_EQ(row->label(0).hAlign, 1);
    EXPECT_DOUBLE_EQ(row->label(0).top, 600 - (l.height + 45));
    EXPECT_EQ(row->label(0).caption, "b");
    EXPECT_EQ(row->label(0).foreColor.toInt(), 0xFF);

    // Type 10: 10 pt over 12 pt bold whatever FontSize says.
    row->gsSetType(1, 10);
    row->gsSetTextFontSize(1, QVariant(20));
    row->gsSetText(1, "cap");
    row->gsSetText2(1, "val");
    row->gsUpdate();
    EXPECT_EQ(row->label(1).fontSize, 10);
    EXPECT_EQ(row->label2(1).fontSize, 12);
    EXPECT_TRUE(row->label2(1).fontBold);
    EXPECT_TRUE(row->label2(1).visible);
    EXPECT_EQ(row->label2(1).caption, "val");
    EXPECT_LT(row->label(1).top, 300);
    EXPECT_GE(row->label2(1).top, 300 - 30);

    // Type 9: the second label takes the first one's size and alignment.
    row->gsSetType(2, 9);
    row->gsSetAlignment(2, 2);
    row->gsSetTextFontSize(2, QVariant(14));
    row->gsSetText(2, "up");
    row->gsSetText2(2, "down");
    row->gsUpdate();
    EXPECT_EQ(row->label2(2).fontSize, 14);
    EXPECT_EQ(row->label2(2).hAlign, 2);
    EXPECT_DOUBLE_EQ(row->label(2).top + row->label(2).height, 300 + 30);
}

TEST_F(RowFixture, BadColourStopsThePassAndLeavesTheRowDirty)
{
    make(2);
    row->gsSetBackColor(1, QVariant(QStringLiteral("red")));
    EXPECT_THROW(row->gsUpdate(), vb::VbError);
    EXPECT_TRUE(row->isDirty());
    row->gsSetBackColor(1, QVariant(QStringLiteral("255")));   // numeric text converts
    EXPECT_NO_THROW(row->gsUpdate());
    EXPECT_FALSE(row->isDirty());
}

TEST_F(RowFixture, ColumnOfX)
{
    make(3, 300);
    struct Case {
        double x;
        int col;
    };
    for (const Case& c : {Case{0, 0}, Case{299, 0}, Case{300, 1}, Case{899, 2}, Case{900, 2},
                          Case{5000, 2}, Case{-1, 2}}) {
        EXPECT_EQ(row->pfGetColIndexOfX(c.x), c.col) << c.x;
    }
}

TEST_F(RowFixture, ResizeHandleArithmetic)
{
    make(3);
    row->gsSetKind(1);
    row->gsUpdate();
    QSignalSpy spy(row, &uctMGRow::CellResizeCol);
    auto events = [&] {
        QList<QList<int>> out;
        for (const auto& a : spy)
            out.push_back({a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt()});
        spy.clear();
        return out;
    };
    for (int lorR : {0, 1}) {
        row->barMouseMove(lorR, 1, 40);   // no press: nothing
        EXPECT_TRUE(events().isEmpty());
        row->barMouseDown(lorR, 1, 0);
        row->barMouseMove(lorR, 1, 20);
        row->barMouseMove(lorR, 1, -1);
        row->barMouseUp(lorR, 1, 20);
        EXPECT_EQ(events(), (QList<QList<int>>{{0, 1, lorR, 0}, {1, 1, lorR, 15}, {1, 1, lorR, -15},
                                               {2, 1, lorR, 15}}));
        EXPECT_FALSE(row->isDragging());
        row->barMouseDown(lorR, 0, 10);
        row->barMouseMove(lorR, 0, 30);
        row->barMouseUp(lorR, 0, 30);
        EXPECT_EQ(events(), (QList<QList<int>>{{0, 0, lorR, 0}, {1, 0, lorR, 30}, {2, 0, lorR, 30}}));
        row->barMouseUp(lorR, 0, 30);   // a release without a drag: nothing
        EXPECT_TRUE(events().isEmpty());
    }
}

TEST_F(RowFixture, MouseOnLabelsSurfaceAndCheckBox)
{
    make(4, 1200);
    row->gsSetRowOfCellData(17);
    for (int i = 0; i < 4; ++i)
        row->gsSetText(i, QStringLiteral("cell %1").arg(i));
    row->gsSetType(0, 5);
    row->gsSetType(3, 8);
    row->gsUpdate();
    QSignalSpy clicks(row, &uctMGRow::CellClick);
    QSignalSpy dbl(row, &uctMGRow::CellDblClick);
    QSignalSpy boxes(row, &uctMGRow::CellCheckBoxClick);
    QWindow* win = top->windowHandle();
    auto at = [&](QPoint p) { return row->mapTo(top.get(), p); };

    // Column 2's label (column 2 spans pixels 160..239; label 163..236).
    QTest::mouseClick(win, Qt::LeftButton, {}, at({200, 12}));
    // Column 2's left margin: through the surface.
    QTest::mouseClick(win, Qt::LeftButton, {}, at({161, 12}));
    // The strip after the last column: the last column.
    QTest::mouseClick(win, Qt::LeftButton, {}, at({321, 12}));
    ASSERT_EQ(clicks.count(), 3);
    EXPECT_EQ(clicks.at(0), (QList<QVariant>{2, 17}));
    EXPECT_EQ(clicks.at(1), (QList<QVariant>{2, 17}));
    EXPECT_EQ(clicks.at(2), (QList<QVariant>{3, 17}));
    clicks.clear();

    // A double click: click, then double click, nothing on the last release.
    QTest::mouseDClick(win, Qt::LeftButton, {}, at({100, 12}));
    EXPECT_EQ(clicks.count(), 1);
    ASSERT_EQ(dbl.count(), 1);
    EXPECT_EQ(dbl.at(0), (QList<QVariant>{1, 17}));
    clicks.clear();

    // The user ticks and clears the box of column 0.
    const QPoint box = row->checkBox()->geometry().center();
    QTest::mouseClick(win, Qt::LeftButton, {}, at(box));
    QTest::mouseClick(win, Qt::LeftButton, {}, at(box));
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.at(0), (QList<QVariant>{0, 17, 2}));
    EXPECT_EQ(boxes.at(1), (QList<QVariant>{0, 17, 0}));
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks.at(0), (QList<QVariant>{0, 17}));
    clicks.clear();

    // A click inside the multi-line text box of column 3.
    QPlainTextEdit* t = row->textBox(3);
    ASSERT_NE(t, nullptr);
    ASSERT_FALSE(t->isHidden());
    QTest::mouseClick(win, Qt::LeftButton, {}, t->viewport()->mapTo(top.get(), QPoint(5, 5)));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0), (QList<QVariant>{3, 17}));
}

TEST_F(RowFixture, HandleDragThroughTheWindow)
{
    make(3);
    row->gsSetKind(1);
    row->gsUpdate();
    QSignalSpy spy(row, &uctMGRow::CellResizeCol);
    QWindow* win = top->windowHandle();
    QWidget* hr = row->handleR(0);
    const QPoint start = hr->mapTo(top.get(), QPoint(1, 10));
    QTest::mousePress(win, Qt::LeftButton, {}, start);
    QTest::mouseMove(win, start + QPoint(10, 0));
    QTest::mouseMove(win, start + QPoint(400, 50));   // far outside: still the handle's
    QTest::mouseRelease(win, Qt::LeftButton, {}, start + QPoint(400, 50));
    ASSERT_EQ(spy.count(), 4);
    EXPECT_EQ(spy.at(0), (QList<QVariant>{0, 0, 1, 0}));
    EXPECT_EQ(spy.at(1), (QList<QVariant>{1, 0, 1, 150}));
    EXPECT_EQ(spy.at(2), (QList<QVariant>{1, 0, 1, 6000}));
    EXPECT_EQ(spy.at(3), (QList<QVariant>{2, 0, 1, 6000}));
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);
}

}  // namespace
