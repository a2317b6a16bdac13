// The grid's tables and keyed members, without layout.
#include "gridtestutil.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct GridModel : ::testing::Test {
    uctMyGrid grid;
    void SetUp() override { resetRecordingUi(); }
};

TEST_F(GridModel, Defaults)
{
    grid.gsSetFixedTopRow(true, false);
    grid.gsCreateColsRows(2, 6);
    EXPECT_EQ(grid.gfRowCount(), 6);
    EXPECT_EQ(grid.gfGetColWidth(0), 3015);
    EXPECT_EQ(grid.rowInfo(1)->Height, 375);
    EXPECT_EQ(grid.gfGetRowItemData(1), -1);
    EXPECT_EQ(grid.gfGetRowItemData(6), 0);    // out of range
    EXPECT_EQ(grid.gfGetRowItemData(-1), 0);
    EXPECT_FALSE(grid.gfGetRowSelected(9));
    EXPECT_EQ(grid.gfGetColWidth(2), 0);
    EXPECT_EQ(grid.cellAt(0, 0)->BackColor.toInt(), int(0x8000000F));
    EXPECT_EQ(grid.cellAt(0, 1)->BackColor.toInt(), 0xFFFFFF);
    EXPECT_DOUBLE_EQ(grid.cellAt(1, 1)->FontSize.toDouble(), 11.25);
    EXPECT_EQ(grid.selectMode(), 1);

    // The fixed row declared after the tables: the header stays white.
    grid.gsClear();
    grid.gsCreateColsRows(2, 3);
    grid.gsSetFixedTopRow(true, false);
    EXPECT_EQ(grid.cellAt(0, 0)->BackColor.toInt(), 0xFFFFFF);

    // No columns: nothing; columns without rows: counts unchanged.
    grid.gsClear();
    grid.gsCreateColsRows(0, 5);
    EXPECT_EQ(grid.gfRowCount(), 0);
    grid.gsCreateColsRows(3, 0);
    EXPECT_EQ(grid.gfRowCount(), 0);
    EXPECT_EQ(grid.gfGetColWidth(0), 0);
}

TEST_F(GridModel, CellDataKeysAndConversions)
{
    grid.gsCreateColsRows(2, 4);
    grid.gsSetCellData(1, 2, " Text ", "abc");          // key trimmed
    grid.gsSetCellData(1, 2, "text", "lower");          // case counts: ignored
    EXPECT_EQ(grid.gfGetCellData(1, 2, "Text").toString(), "abc");
    grid.gsSetCellData(0, 1, "Text", 12.5);
    EXPECT_EQ(grid.gfGetCellData(0, 1, "Text").toString(), "12.5");
    grid.gsSetCellData(0, 1, "Text2", true);
    EXPECT_EQ(grid.gfGetCellData(0, 1, "Text2").toString(), "True");

    // Integers: half to even, True is -1, numeric text converts.
    struct Case {
        QVariant in;
        int out;
    };
    for (const Case& c : {Case{2.5, 2}, Case{3.5, 4}, Case{-2.5, -2}, Case{true, -1},
                          Case{QStringLiteral(" 17 "), 17}, Case{QStringLiteral("&H10"), 16}}) {
        grid.gsSetCellData(0, 3, "Value", c.in);
        EXPECT_EQ(grid.gfGetCellData(0, 3, "Value").toInt(), c.out) << c.in.toString().toStdString();
    }
    EXPECT_TRUE(recordingUi().messages.empty());

    // Text that is no number: one box, field unchanged.
    grid.gsSetCellData(0, 3, "Value", "abc");
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith("uctMyGrid::gsSetCellData():"));
    EXPECT_GT(recordingUi().messages[0].prompt.size(), QString("uctMyGrid::gsSetCellData():").size());
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbOKOnly);
    EXPECT_TRUE(recordingUi().messages[0].title.isEmpty());
    EXPECT_EQ(grid.gfGetCellData(0, 3, "Value").toInt(), 16);

    // Overflow of a 16-bit field.
    grid.gsSetCellData(0, 3, "Type", 40000);
    EXPECT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(grid.cellAt(0, 3)->Type, 0);

    // Colours and font sizes are stored as given.
    grid.gsSetCellData(0, 0, "BackColor", QStringLiteral("red"));
    EXPECT_EQ(grid.cellAt(0, 0)->BackColor.toString(), "red");
    EXPECT_EQ(recordingUi().messages.size(), 2u);

    grid.gsSetCellData(1, 1, "FontBold", 1);
    grid.gsSetCellData(1, 1, "Enabled", 0);
    EXPECT_TRUE(grid.cellAt(1, 1)->FontBold);
    EXPECT_FALSE(grid.cellAt(1, 1)->Enabled);
}

TEST_F(GridModel, GettersOutOfRange)
{
    grid.gsCreateColsRows(2, 4);
    const QVariant v = grid.gfGetCellData(5, 3, "Value");
    EXPECT_TRUE(v.isValid());
    EXPECT_EQ(v.toInt(), 0);
    EXPECT_EQ(grid.gfGetCellData(5, 3, "Text").toString(), "");
    EXPECT_FALSE(grid.gfGetCellData(5, 3, "Tag").isValid());
    EXPECT_FALSE(grid.gfGetCellData(0, 0, "Tag").isValid());
    // Setters out of range change nothing.
    grid.gsSetText(2, 0, "x");
    grid.gsSetText(0, 4, "x");
    grid.gsSetCellData(-1, 0, "Text", "x");
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(GridModel, ColumnAndRowInfo)
{
    grid.gsCreateColsRows(2, 4);
    struct Case {
        QVariant in;
        int out;
    };
    for (const Case& c : {Case{1000, 990}, Case{1004.9, 990}, Case{350, 345}, Case{600, 600},
                          Case{8000, 7995}, Case{-1, -15}}) {
        grid.gsSetColInfo(0, "Width", c.in);
        EXPECT_EQ(grid.gfGetColWidth(0), c.out) << c.in.toDouble();
        grid.gsSetRowInfo(1, "Height", c.in);
        EXPECT_EQ(grid.rowInfo(1)->Height, c.out);
    }
    grid.gsSetRowInfo(2, "RowItemData", "17");
    EXPECT_EQ(grid.gfGetRowItemData(2), 17);
    grid.gsSetRowInfo(2, "Selected", true);
    EXPECT_TRUE(grid.gfGetRowSelected(2));
    grid.gsSetRowInfo(2, "RowItemData", "x");
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith("uctMyGrid::gsSetRowInfo():"));
    EXPECT_EQ(grid.gfGetRowItemData(2), 17);
}

TEST_F(GridModel, SelectModeAndSelectRow)
{
    grid.gsSetFixedTopRow(true, false);
    grid.gsCreateColsRows(2, 8);
    grid.gsSetSelectMode(3);
    grid.gsSetSelectMode(-1);
    EXPECT_EQ(grid.selectMode(), 1);

    grid.gsSetSelectRow(5);
    EXPECT_TRUE(grid.gfGetRowSelected(5));
    grid.gsSetSelectRow(5);   // a selected row is cleared
    EXPECT_FALSE(grid.gfGetRowSelected(5));
    grid.gsSetSelectRow(5);
    grid.gsSetSelectRow(4);   // clears 5, selects 4
    EXPECT_FALSE(grid.gfGetRowSelected(5));
    EXPECT_TRUE(grid.gfGetRowSelected(4));
    grid.gsSetSelectRow(0);   // the header: ignored
    EXPECT_FALSE(grid.gfGetRowSelected(0));
    EXPECT_TRUE(recordingUi().messages.empty());
    grid.gsSetSelectRow(8);   // beyond the table: an error box
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith("uctMyGrid::gsSetSelectRow():"));

    grid.gsSetSelectMode(2);
    grid.gsSetSelectRow(6);
    EXPECT_TRUE(grid.gfGetRowSelected(4));
    EXPECT_TRUE(grid.gfGetRowSelected(6));
    grid.gsSetSelectRow(6);
    EXPECT_FALSE(grid.gfGetRowSelected(6));
    grid.gsSetSelectMode(0);
    grid.gsSetSelectRow(6);
    EXPECT_FALSE(grid.gfGetRowSelected(6));

    // gsClear keeps the mode and the selection colours.
    grid.gsSetSelectRowColor(0xFF, 0xFFFF);
    grid.gsClear();
    EXPECT_EQ(grid.selectMode(), 0);
    EXPECT_EQ(grid.gfRowCount(), 0);
}

}  // namespace
