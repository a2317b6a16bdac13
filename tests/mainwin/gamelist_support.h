// A stored game, readers of the main window's game list and a pick in a
// combo box, shared by the main window tests.
#pragma once

#include "grid/uctMyGrid.h"

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace gamelisttest {

// A stored game as the tests write it: number, date, title, series, course,
// holes, rounds and the number of ranked entries.
struct Game {
    int no;
    QString date;
    QString title;
    int series = 0;
    int cource = 0;
    int hole = 8;
    int round = 3;
    int entries = 4;
};

// Titles of the listed games from the top.
inline QStringList titles(uctMyGrid& grid)
{
    int titleCol = -1;
    for (int c = 0; c < grid.colCount(); ++c)
        if (grid.gfGetCellData(c, 0, "Text").toString() == "タイトル")
            titleCol = c;
    QStringList t;
    for (int r = 1; r < grid.gfRowCount(); ++r)
        t << grid.gfGetCellData(titleCol, r, "Text").toString();
    return t;
}

// The selected row; 0 when none is.
inline int selectedRow(uctMyGrid& grid)
{
    for (int r = 1; r < grid.gfRowCount(); ++r)
        if (grid.gfGetRowSelected(r))
            return r;
    return 0;
}

// The user picks an entry of a list.
inline void choose(QComboBox* c, const QString& text)
{
    const int i = c->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    c->setCurrentIndex(i);
}

}  // namespace gamelisttest
