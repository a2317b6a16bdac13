// The grid driven through real mouse events: selection, check boxes, column
// resizing and hosts that rebuild the grid inside its own events.
#include "gridtestutil.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// A point on a data row's first label (away from the rules).
QPoint onLabel(int col = 0)
{
    return {col * 80 + 20, 12};
}

struct GridMouse : ::testing::Test {
    GridHost host{6000, 3000};
    uctMyGrid* g = host.grid;

    void clickRow(int row, int col = 0) { host.click(g->boundRow(row), onLabel(col)); }
    void dblRow(int row, int col = 0) { host.doubleClick(g->boundRow(row), onLabel(col)); }
    QList<int> selected() const
    {
        QList<int> out;
        for (int r = 0; r < g->gfRowCount(); ++r)
            if (g->gfGetRowSelected(r))
                out << r;
        return out;
    }
};

TEST_F(GridMouse, SingleSelection)
{
    buildGrid(g, 3, 10, true, false);
    g->gsUpdate();
    QSignalSpy clicks(g, &uctMyGrid::MGCellClick);
    QSignalSpy dbl(g, &uctMyGrid::MGCellDblClick);

    clickRow(3);
    clickRow(5, 2);
    EXPECT_EQ(selected(), QList<int>{5});
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks.at(0), (QList<QVariant>{0, 3}));
    EXPECT_EQ(clicks.at(1), (QList<QVariant>{2, 5}));
    clickRow(5);
    EXPECT_EQ(selected(), QList<int>{5});
    EXPECT_EQ(clicks.count(), 3);
    // The selection shows at once (the click ran the layout).
    EXPECT_EQ(host.pixel(g->boundRow(5), {70, 2}), ole(0x8000000D));
    EXPECT_EQ(host.pixel(g->boundRow(3), {70, 2}), QColor(255, 255, 255));

    // The header: nothing.
    clickRow(0);
    dblRow(0);
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_EQ(dbl.count(), 0);
    EXPECT_EQ(selected(), QList<int>{5});

    dblRow(7, 1);
    EXPECT_EQ(selected(), QList<int>{7});
    ASSERT_EQ(dbl.count(), 1);
    EXPECT_EQ(dbl.at(0), (QList<QVariant>{1, 7}));

    // A click in a cell's margin goes through the row's surface.
    host.click(g->boundRow(4), {161, 12});
    EXPECT_EQ(clicks.last(), (QList<QVariant>{2, 4}));
}

TEST_F(GridMouse, MultipleAndNoSelection)
{
    buildGrid(g, 2, 10, true, false);
    g->gsSetSelectMode(2);
    g->gsUpdate();
    QSignalSpy clicks(g, &uctMyGrid::MGCellClick);
    QSignalSpy dbl(g, &uctMyGrid::MGCellDblClick);
    clickRow(2);
    clickRow(4);
    EXPECT_EQ(selected(), (QList<int>{2, 4}));
    EXPECT_EQ(clicks.count(), 2);
    clickRow(2);   // clears it, no event
    EXPECT_EQ(selected(), QList<int>{4});
    EXPECT_EQ(clicks.count(), 2);
    // A double click on a selected row: the first click clears it, the
    // double click selects it again and is raised.
    dblRow(4);
    EXPECT_EQ(selected(), QList<int>{4});
    EXPECT_EQ(dbl.count(), 1);

    g->gsSetSelectMode(0);
    clickRow(6);
    dblRow(6);
    EXPECT_EQ(selected(), QList<int>{4});
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(dbl.count(), 1);
}

TEST_F(GridMouse, CheckBoxColumn)
{
    // The game list's tick column: 540 twips, centred, Value 2 when ticked.
    buildGrid(g, 3, 6, true, true);
    g->gsSetColInfo(0, "Width", 540);
    for (int r = 1; r < 6; ++r) {
        g->gsSetCellData(0, r, "Type", 5);
        g->gsSetCellData(0, r, "Alignment", 2);
        g->gsSetText(0, r, "");
    }
    g->gsSetCellData(0, 2, "Value", 2);
    QList<QList<QVariant>> log;
    QObject::connect(g, &uctMyGrid::MGCellCheckBoxClick, g,
            [&](int c, int r, int v) { log.push_back({QStringLiteral("box"), c, r, v}); });
    QObject::connect(g, &uctMyGrid::MGCellClick, g, [&](int c, int r) { log.push_back({QStringLiteral("click"), c, r}); });
    g->gsUpdate();
    // Drawing the ticked cell reports it (no click).
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0], (QList<QVariant>{"box", 0, 2, 2}));
    log.clear();

    QCheckBox* box = g->boundRow(3)->checkBox();
    ASSERT_FALSE(box->isHidden());
    EXPECT_EQ(box->x(), 9);   // (540 - 255) / 2 twips
    host.click(box, {8, 7});
    EXPECT_EQ(log, (QList<QList<QVariant>>{{"box", 0, 3, 2}, {"click", 0, 3}}));
    EXPECT_EQ(g->gfGetCellData(0, 3, "Value").toInt(), 2);
    EXPECT_EQ(selected(), QList<int>{3});
    log.clear();
    host.click(g->boundRow(3)->checkBox(), {8, 7});
    EXPECT_EQ(log, (QList<QList<QVariant>>{{"box", 0, 3, 0}, {"click", 0, 3}}));
    EXPECT_EQ(g->gfGetCellData(0, 3, "Value").toInt(), 0);

    // A disabled box cannot be ticked.
    g->gsSetCellData(0, 4, "Enabled", false);
    g->gsUpdate();
    EXPECT_FALSE(g->boundRow(4)->checkBox()->isEnabled());
    host.click(g->boundRow(4)->checkBox(), {8, 7});
    EXPECT_EQ(g->gfGetCellData(0, 4, "Value").toInt(), 0);
}

TEST_F(GridMouse, HeaderCheckBoxIsStoredAndRaisedButSelectsNothing)
{
    buildGrid(g, 2, 4, true, false);
    g->gsSetCellData(1, 0, "Type", 5);
    g->gsUpdate();
    QSignalSpy boxes(g, &uctMyGrid::MGCellCheckBoxClick);
    QSignalSpy clicks(g, &uctMyGrid::MGCellClick);
    host.click(g->boundRow(0)->checkBox(), {8, 7});
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.at(0), (QList<QVariant>{1, 0, 2}));
    EXPECT_EQ(g->gfGetCellData(1, 0, "Value").toInt(), 2);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_TRUE(selected().isEmpty());
}

TEST_F(GridMouse, ColumnResizeDrag)
{
    buildGrid(g, 3, 5, true, true);
    g->gsUpdate();
    QSignalSpy changed(g, &uctMyGrid::MGCellColWidthChange);
    uctMGRow* header = g->boundRow(0);
    QWidget* bar = g->movingBar();

    // Right handle of column 1 (its last 3 pixels: 157..159), dragged 66 px.
    QWidget* hr = header->handleR(1);
    ASSERT_FALSE(hr->isHidden());
    host.press(hr, {1, 10});
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->geometry(), QRect(160, 0, 1, 200));
    host.move(hr, {67, 10});
    EXPECT_EQ(bar->x(), (1200 + 1200 + 990) / 15);
    EXPECT_EQ(g->gfGetColWidth(1), 1200);   // nothing stored before the release
    host.release(hr, {67, 10});
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(g->gfGetColWidth(1), 2190);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(g->boundRow(0)->label(2).left, 1200 + 2190 + 45);   // laid out again

    // Left handle of column 0 (over column 1's first pixels): below zero -> 0.
    QWidget* hl = g->boundRow(0)->handleL(0);
    host.press(hl, {1, 10});
    host.move(hl, {-200, 10});
    EXPECT_EQ(bar->x(), 0);
    host.release(hl, {-200, 10});
    EXPECT_EQ(g->gfGetColWidth(0), 0);
    EXPECT_EQ(changed.count(), 2);

    // Beyond the limit: 6000 - 315 - 75 = 5610, although no vertical bar shows.
    ASSERT_TRUE(g->vScrollBar()->isHidden());
    hr = g->boundRow(0)->handleR(2);
    host.press(hr, {1, 10});
    host.move(hr, {600, 10});
    host.release(hr, {600, 10});
    EXPECT_EQ(g->gfGetColWidth(2), 5610);
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(GridMouse, InterruptedDragIsNotAppliedTwice)
{
    buildGrid(g, 3, 5, true, true);
    g->gsUpdate();
    QSignalSpy changed(g, &uctMyGrid::MGCellColWidthChange);
    g->gsInterruptResizeCol();   // idle: nothing
    EXPECT_EQ(changed.count(), 0);

    QWidget* hr = g->boundRow(0)->handleR(0);
    host.press(hr, {1, 10});
    host.move(hr, {21, 10});    // +20 px = 300 twips
    g->gsInterruptResizeCol();
    EXPECT_EQ(g->gfGetColWidth(0), 1500);
    EXPECT_TRUE(g->movingBar()->isHidden());
    EXPECT_EQ(g->resizeCol(), -1);
    EXPECT_EQ(changed.count(), 1);
    host.move(hr, {41, 10});
    host.release(hr, {41, 10});
    EXPECT_EQ(g->gfGetColWidth(0), 1500);
    EXPECT_EQ(changed.count(), 1);
}

TEST(GridMouseNarrow, ReleaseLimitIsNeverNegative)
{
    GridHost host(300, 3000);   // 20 pixels: narrower than the bar and 5 pixels
    uctMyGrid* g = host.grid;
    buildGrid(g, 2, 3, true, true, 150);
    g->gsUpdate();
    g->boundRow(0)->barMouseDown(1, 0, 0);
    g->boundRow(0)->barMouseMove(1, 0, 300);
    g->boundRow(0)->barMouseUp(1, 0, 300);
    EXPECT_EQ(g->gfGetColWidth(0), 0);
}

TEST_F(GridMouse, MultiLineCellClick)
{
    buildGrid(g, 2, 4, true, false, 2400, 900);
    g->gsSetCellData(1, 2, "Type", 8);
    g->gsSetText(1, 2, "line 1\nline 2\nline 3");
    g->gsUpdate();
    QSignalSpy clicks(g, &uctMyGrid::MGCellClick);
    QPlainTextEdit* t = g->boundRow(2)->textBox(1);
    ASSERT_NE(t, nullptr);
    ASSERT_FALSE(t->isHidden());
    EXPECT_EQ(t->toPlainText(), "line 1\nline 2\nline 3");
    EXPECT_EQ(t->geometry(), QRect(160 + 3, 3, 160 - 6, 60 - 6));
    host.click(t->viewport(), {10, 10});
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0), (QList<QVariant>{1, 2}));
    EXPECT_EQ(selected(), QList<int>{2});
}

TEST_F(GridMouse, HostRebuildsTheGridInsideItsDoubleClick)
{
    buildGrid(g, 2, 10, true, false);
    g->gsUpdate();
    int rebuilt = 0;
    QObject::connect(g, &uctMyGrid::MGCellDblClick, g, [&](int, int row) {
        // As the group register does after its edit dialog.
        buildGrid(g, 2, 6, true, false);
        g->gsSetSelectRow(row);
        g->gsUpdate();
        ++rebuilt;
    });
    dblRow(4);
    EXPECT_EQ(rebuilt, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(selected(), QList<int>{4});
    EXPECT_EQ(g->gfRowCount(), 6);
    // The new rows work.
    QSignalSpy clicks(g, &uctMyGrid::MGCellClick);
    clickRow(2);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(selected(), QList<int>{2});
}

TEST_F(GridMouse, ScrollBarChangesMoveTheRows)
{
    buildGrid(g, 8, 40, true, false, 1500);
    g->gsUpdate();
    ASSERT_FALSE(g->vScrollBar()->isHidden());
    ASSERT_FALSE(g->hScrollBar()->isHidden());
    g->vScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(g->gfGetTopIndexOfRowsY(), 2);
    EXPECT_EQ(g->boundRow(2)->y(), 25);
    EXPECT_EQ(g->boundRow(1), nullptr);
    g->hScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(g->leftIndexOfCols(), 1);
    EXPECT_EQ(g->boundRow(2)->x(), -100);
    EXPECT_EQ(g->boundRow(0)->x(), -100);
    // Clicking a row after scrolling names the right cell.
    QSignalSpy clicks(g, &uctMyGrid::MGCellClick);
    host.click(g->body(), {20, 25 + 12});
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0), (QList<QVariant>{1, 2}));
}

}  // namespace
