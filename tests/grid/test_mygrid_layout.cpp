// Layout, scroll bars and the row pool.
#include "gridtestutil.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

struct Bars {
    bool v, h, corner;
};

Bars bars(const uctMyGrid* g)
{
    return {!g->vScrollBar()->isHidden(), !g->hScrollBar()->isHidden(), !g->cornerBox()->isHidden()};
}

TEST(GridLayout, WorkedExample)
{
    GridHost host(6000, 3000);
    uctMyGrid* g = host.grid;
    buildGrid(g, 2, 20, true, false);
    g->gsUpdate();

    EXPECT_EQ(g->firstBoundRow(), 1);
    EXPECT_EQ(g->lastBoundRow(), 7);
    for (int r = 0; r <= 7; ++r) {
        ASSERT_NE(g->boundRow(r), nullptr) << r;
        EXPECT_EQ(g->boundRow(r)->y(), r * 25);
        EXPECT_EQ(g->boundRow(r)->rowOfCellData(), r);
    }
    EXPECT_EQ(g->boundRow(8), nullptr);
    EXPECT_EQ(g->boundRow(0)->rowKind(), 2);
    EXPECT_EQ(g->gfGetLastIndexOf_MGRows(), 8);

    const Bars b = bars(g);
    EXPECT_TRUE(b.v);
    EXPECT_FALSE(b.h);
    EXPECT_FALSE(b.corner);
    QScrollBar* v = g->vScrollBar();
    EXPECT_EQ(v->minimum(), 1);
    EXPECT_EQ(v->maximum(), 19);
    EXPECT_EQ(v->pageStep(), 6);
    EXPECT_EQ(v->singleStep(), 1);
    EXPECT_EQ(v->value(), 1);
    EXPECT_EQ(v->geometry(), QRect(400 - 21, 0, 21, 200));
    // The bar lies above the rows.
    EXPECT_EQ(g->body()->childAt(390, 100), v);
    EXPECT_EQ(g->gfGetListSpaceHeight(), 3000);

    // The row pool: rows above are freed before binding, rows below after.
    v->setValue(19);
    EXPECT_EQ(g->gfGetTopIndexOfRowsY(), 19);
    EXPECT_EQ(g->firstBoundRow(), 19);
    EXPECT_EQ(g->gfGetLastIndexOf_MGRows(), 8);
    v->setValue(1);
    EXPECT_EQ(g->gfGetLastIndexOf_MGRows(), 9);
    EXPECT_EQ(g->boundRow(19), nullptr);
    int used = 0;
    for (int i = 1; i <= g->gfGetLastIndexOf_MGRows(); ++i)
        used += g->mgRow(i)->gfIsUsedNow() ? 1 : 0;
    EXPECT_EQ(used, 8);

    // User scrolling by page.
    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(g->gfGetTopIndexOfRowsY(), 7);
    EXPECT_EQ(g->boundRow(7)->y(), 25);
}

TEST(GridLayout, TopIndexIsClampedAndHeaderOnlyGridHasNoBar)
{
    GridHost host(6000, 3000);
    uctMyGrid* g = host.grid;
    buildGrid(g, 2, 20, true, false);
    g->gsSetTopIndexOfRowsY(100);
    g->gsUpdate();
    EXPECT_EQ(g->gfGetTopIndexOfRowsY(), 19);
    EXPECT_EQ(g->boundRow(19)->y(), 25);
    EXPECT_EQ(g->vScrollBar()->value(), 19);
    g->gsSetTopIndexOfRowsY(0);
    g->gsUpdate();
    EXPECT_EQ(g->gfGetTopIndexOfRowsY(), 1);

    buildGrid(g, 2, 1, true, false);
    g->gsUpdate();
    EXPECT_EQ(g->gfGetTopIndexOfRowsY(), 1);
    const Bars b = bars(g);
    EXPECT_FALSE(b.v || b.h || b.corner);
    ASSERT_NE(g->boundRow(0), nullptr);
    EXPECT_FALSE(g->boundRow(0)->isHidden());
}

TEST(GridLayout, GridSizedWhileHidden)
{
    // The game window fills grids of tabs that are not shown yet.
    uctMyGrid g;
    g.moveTwips(0, 0, 6000, 1500);
    buildGrid(&g, 2, 20, true, false);
    g.gsUpdate();
    EXPECT_EQ(g.lastBoundRow(), 3);
    EXPECT_FALSE(g.vScrollBar()->isHidden());
    EXPECT_EQ(g.vScrollBar()->geometry(), QRect(400 - 21, 0, 21, 100));
    EXPECT_EQ(g.gfGetListSpaceHeight(), 1500);
}

TEST(GridLayout, ZeroHeightRowIsBoundHiddenAndTakesNoSpace)
{
    GridHost host(6000, 3000);
    uctMyGrid* g = host.grid;
    buildGrid(g, 2, 6, true, false);
    g->gsSetRowInfo(2, "Height", 0);
    g->gsUpdate();
    ASSERT_NE(g->boundRow(2), nullptr);
    EXPECT_TRUE(g->boundRow(2)->isHidden());
    EXPECT_EQ(g->boundRow(3)->y(), 50);
    EXPECT_EQ(g->boundRow(1)->y(), 25);
}

TEST(GridLayout, HorizontalScrollingWithHiddenColumns)
{
    GridHost host(6000, 3000);
    uctMyGrid* g = host.grid;
    buildGrid(g, 6, 5, true, true, 1500);
    g->gsUpdate();
    QScrollBar* h = g->hScrollBar();
    ASSERT_TRUE(bars(g).h);
    EXPECT_FALSE(bars(g).v);
    EXPECT_EQ(h->maximum(), 5);
    // Columns 0..3 fill the 6000 exactly, which counts as not whole: 3.
    EXPECT_EQ(h->pageStep(), 3);
    EXPECT_EQ(h->geometry(), QRect(0, 200 - 21, 400, 21));
    EXPECT_EQ(g->gfGetListSpaceHeight(), 3000 - 315);

    h->setValue(2);
    EXPECT_EQ(g->leftIndexOfCols(), 2);
    EXPECT_EQ(h->pageStep(), 3);
    uctMGRow* header = g->boundRow(0);
    EXPECT_EQ(header->x(), -200);                 // columns 0 and 1 are off to the left
    EXPECT_EQ(header->width(), (6 * 1500 + 45) / 15);
    EXPECT_EQ(g->boundRow(1)->x(), -200);
    for (int i = 0; i <= 2; ++i)
        EXPECT_TRUE(header->handleL(i)->isHidden()) << i;
    for (int i = 3; i < 6; ++i)
        EXPECT_FALSE(header->handleL(i)->isHidden()) << i;

    // A rebuild with fewer columns keeps the position, clamped.
    buildGrid(g, 2, 5, true, true, 1500);
    EXPECT_EQ(g->leftIndexOfCols(), 2);
    g->gsUpdate();
    EXPECT_EQ(g->leftIndexOfCols(), 1);
    EXPECT_EQ(g->boundRow(0)->x(), -100);
}

TEST(GridLayout, ShrinkingBringsTheBarsAndTheCorner)
{
    GridHost host(6000, 3000);
    uctMyGrid* g = host.grid;
    buildGrid(g, 2, 5, true, false, 2500);
    g->gsUpdate();
    EXPECT_FALSE(bars(g).v || bars(g).h);

    g->moveTwips(0, 0, 6000, 1500);   // rows no longer fit
    Bars b = bars(g);
    EXPECT_TRUE(b.v);
    EXPECT_FALSE(b.h);
    EXPECT_EQ(g->vScrollBar()->geometry(), QRect(400 - 21, 0, 21, 100));

    g->moveTwips(0, 0, 5200, 1500);   // the columns no longer fit beside the bar
    b = bars(g);
    EXPECT_TRUE(b.v && b.h && b.corner);
    EXPECT_EQ(g->vScrollBar()->geometry(), QRect(5200 / 15 - 21, 0, 21, 100 - 21));
    EXPECT_EQ(g->hScrollBar()->geometry(), QRect(0, 100 - 21, 5200 / 15 - 21, 21));
    EXPECT_EQ(g->cornerBox()->geometry(), QRect(5200 / 15 - 21, 100 - 21, 21, 21));
    EXPECT_EQ(g->gfGetListSpaceHeight(), 1500 - 315);
    EXPECT_EQ(host.pixel(g->cornerBox(), {10, 10}), QColor(255, 255, 255));
    // Case 3 counts whole rows against the room above the horizontal bar:
    // header 375 + rows of 375 in 1185 -> rows 1 and 2 whole.
    EXPECT_EQ(g->vScrollBar()->pageStep(), 2);
    EXPECT_EQ(g->hScrollBar()->pageStep(), 1);

    g->moveTwips(0, 0, 6000, 3000);
    b = bars(g);
    EXPECT_FALSE(b.v || b.h || b.corner);
}

TEST(GridLayout, ClearDropsThePoolAndRedrawOnlyChangedRows)
{
    GridHost host(6000, 3000);
    uctMyGrid* g = host.grid;
    buildGrid(g, 3, 5, true, false);
    g->gsUpdate();
    uctMGRow* r2 = g->boundRow(2);
    const int n = r2->updateCount();
    g->gsUpdate();
    EXPECT_EQ(r2->updateCount(), n);   // nothing changed: no redraw
    g->gsSetText(1, 2, "new");
    g->gsUpdate();
    EXPECT_EQ(r2->updateCount(), n + 1);
    EXPECT_EQ(r2->label(1).caption, "new");

    QPointer<uctMGRow> watch(r2);
    g->gsClear();
    EXPECT_EQ(g->gfGetLastIndexOf_MGRows(), 0);
    EXPECT_TRUE(watch->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
}

TEST(GridLayout, PixelsShowSelectionAndHeaderColours)
{
    GridHost host(6000, 3000);
    uctMyGrid* g = host.grid;
    buildGrid(g, 2, 6, true, false);
    g->gsSetCellData(1, 3, "BackColor", 0xC8F0FF);
    g->gsSetSelectRow(2);
    g->gsUpdate();
    QWidget* body = g->body();
    // Away from the texts: the strip above the labels, inside the columns.
    EXPECT_EQ(host.pixel(body, {70, 2}), ole(0x8000000F));           // header
    EXPECT_EQ(host.pixel(body, {70, 25 + 2}), QColor(255, 255, 255)); // row 1
    EXPECT_EQ(host.pixel(body, {70, 50 + 2}), ole(0x8000000D));       // selected row 2
    EXPECT_EQ(host.pixel(body, {150, 50 + 2}), ole(0x8000000D));
    EXPECT_EQ(host.pixel(body, {150, 75 + 2}), QColor(255, 240, 200)); // row 3, column 1
    EXPECT_EQ(host.pixel(body, {70, 24}), ole(0));                   // header's black rule
    EXPECT_EQ(host.pixel(body, {70, 49}), ole(0x80000011));          // grey rule of row 1

    g->gsSetSelectRowColor(0x0000FF, 0xFFFFFF);
    g->gsUpdate();
    EXPECT_EQ(host.pixel(body, {70, 50 + 2}), QColor(255, 0, 0));

    // A cell colour that is no number: the row's binding reports it.
    resetRecordingUi();
    g->gsSetCellData(0, 4, "BackColor", "red");
    g->gsUpdate();
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith("uctMyGrid::psSetMGRow():"));
}

}  // namespace

TEST(GridLayout, MouseWheelOverTheRowsScrollsTheList)
{
    GridHost host(6000, 3000);
    uctMyGrid* g = host.grid;
    buildGrid(g, 2, 20, true, false);
    g->gsUpdate();
    ASSERT_EQ(g->gfGetTopIndexOfRowsY(), 1);

    // One notch down moves the list as the wheel over the bar would.
    const QPoint overRow = host.at(g->boundRow(3), QPoint(10, 5));
    auto wheel = [&](int angle) {
        // A turn the row under the pointer leaves alone reaches the grid.
        QWheelEvent ev(QPointF(g->mapFrom(host.top.get(), overRow)), QPointF(host.top->mapToGlobal(overRow)),
                       QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(g, &ev);
    };
    wheel(-120);
    const int afterDown = g->gfGetTopIndexOfRowsY();
    EXPECT_GT(afterDown, 1);
    wheel(120);
    EXPECT_EQ(g->gfGetTopIndexOfRowsY(), 1);
}

TEST(GridLayout, MouseWheelFallsToTheHorizontalBarOrPassesOn)
{
    auto wheel = [](uctMyGrid* g) {
        QWheelEvent ev(QPointF(10, 10), QPointF(g->mapToGlobal(QPoint(10, 10))), QPoint(), QPoint(0, -120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(g, &ev);
        return ev.isAccepted();
    };

    // Wide and short: only the horizontal bar shows and takes the wheel.
    GridHost wide(6000, 3000);
    buildGrid(wide.grid, 10, 3, true, false);
    wide.grid->gsUpdate();
    ASSERT_TRUE(wide.grid->vScrollBar()->isHidden());
    ASSERT_FALSE(wide.grid->hScrollBar()->isHidden());
    wheel(wide.grid);
    EXPECT_GT(wide.grid->leftIndexOfCols(), 0);

    // Everything fits: no bar, the wheel is left to the grid's parent.
    GridHost fits(6000, 3000);
    buildGrid(fits.grid, 2, 3, true, false);
    fits.grid->gsUpdate();
    ASSERT_TRUE(fits.grid->vScrollBar()->isHidden());
    ASSERT_TRUE(fits.grid->hScrollBar()->isHidden());
    EXPECT_FALSE(wheel(fits.grid));
    EXPECT_EQ(fits.grid->gfGetTopIndexOfRowsY(), 1);
}
