// Helpers for the grid tests: a shown host window and real mouse events sent
// to its window handle, so Qt dispatches them to the child under the point
// and keeps the implicit grab during drags.
#pragma once

#include "grid/uctMyGrid.h"
#include "platform/ui/qtuiservice.h"
#include "support/recordingui.h"
#include "support/uiwait.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <memory>

struct GridHost {
    std::unique_ptr<QWidget> top;
    uctMyGrid* grid = nullptr;

    // A grid of the given size (twips) at the host's corner.
    explicit GridHost(int widthTwips = 6000, int heightTwips = 3000)
    {
        top = std::make_unique<QWidget>();
        top->resize(900, 700);
        grid = new uctMyGrid(top.get());
        grid->moveTwips(0, 0, widthTwips, heightTwips);
        top->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(top.get(), testsupport::kWaitMs));
        resetRecordingUi();
    }

    QWindow* window() const { return top->windowHandle(); }
    QPoint at(const QWidget* w, QPoint p) const { return w->mapTo(top.get(), p); }

    void click(const QWidget* w, QPoint p)
    {
        QTest::mouseClick(window(), Qt::LeftButton, {}, at(w, p));
    }
    void doubleClick(const QWidget* w, QPoint p)
    {
        QTest::mouseDClick(window(), Qt::LeftButton, {}, at(w, p));
    }
    void press(const QWidget* w, QPoint p) { QTest::mousePress(window(), Qt::LeftButton, {}, at(w, p)); }
    void move(const QWidget* w, QPoint p) { QTest::mouseMove(window(), at(w, p)); }
    void release(const QWidget* w, QPoint p)
    {
        QTest::mouseRelease(window(), Qt::LeftButton, {}, at(w, p));
    }

    QColor pixel(const QWidget* w, QPoint p) const
    {
        return top->grab().toImage().pixelColor(at(w, p));
    }
};

// Builds a grid the way the hosts do: header row counted in rows.
inline void buildGrid(uctMyGrid* g, int cols, int rows, bool fixed, bool resize, int colWidth = 1200,
                      int rowHeight = 375)
{
    g->gsClear();
    g->gsSetFixedTopRow(fixed, resize);
    g->gsCreateColsRows(cols, rows);
    for (int c = 0; c < cols; ++c)
        g->gsSetColInfo(c, "Width", colWidth);
    for (int r = 0; r < rows; ++r) {
        g->gsSetRowInfo(r, "Height", rowHeight);
        for (int c = 0; c < cols; ++c)
            g->gsSetText(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
    }
}

inline QColor ole(quint32 v)
{
    return platform::oleColor(v);
}
