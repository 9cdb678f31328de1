#include <gtest/gtest.h>

#include <memory>

#include "GridFixture.h"
#include "classlib/formres/Filer.h"
#include "classlib/formres/FormError.h"
#include "classlib/formres/FormReader.h"

namespace gridtest {
namespace {

class GridModel : public ::testing::Test {
 protected:
  std::unique_ptr<TProbeGrid> grid = std::make_unique<TProbeGrid>(nullptr);
};

TEST_F(GridModel, StartsWithTheDocumentedStateAndSize) {
  EXPECT_EQ(5, grid->ColCount());
  EXPECT_EQ(5, grid->RowCount());
  EXPECT_EQ(1, grid->FixedCols());
  EXPECT_EQ(1, grid->FixedRows());
  EXPECT_EQ(320, grid->Width());
  EXPECT_EQ(120, grid->Height());
  EXPECT_EQ((TGridRect{1, 1, 1, 1}), grid->Selection());
  EXPECT_EQ(AnsiString("grid"), grid->SkinDataName());
  EXPECT_EQ((TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}), grid->Options());
  EXPECT_FALSE(grid->HasColWidths());
  EXPECT_TRUE(grid->TabStops(3));
}

TEST_F(GridModel, CountsOfZeroOrLessBecomeOneWithoutFixedCells) {
  for (int value : {0, -3}) {
    SCOPED_TRACE(value);
    TProbeGrid probe(nullptr);
    probe.SetColCount(value);
    probe.SetRowCount(value);
    EXPECT_EQ(1, probe.ColCount());
    EXPECT_EQ(0, probe.FixedCols());
    EXPECT_EQ(1, probe.RowCount());
    EXPECT_EQ(0, probe.FixedRows());
    EXPECT_EQ((TGridRect{0, 0, 0, 0}), probe.Selection());
  }
}

TEST_F(GridModel, InvalidOperationsRaiseTheirTextsAndChangeNothing) {
  struct Case {
    const char* name;
    std::function<void()> call;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"fixed cols = cols", [&] { grid->SetFixedCols(5); }, "Fixed column count must be less than column count"},
      {"fixed rows = rows", [&] { grid->SetFixedRows(7); }, "Fixed row count must be less than row count"},
      {"negative fixed", [&] { grid->SetFixedCols(-1); }, "Grid index out of range"},
      {"width of ColCount", [&] { grid->SetColWidths(5, 10); }, "Grid index out of range"},
      {"height of -1", [&] { grid->SetRowHeights(-1, 10); }, "Grid index out of range"},
      {"tab stop of ColCount", [&] { grid->SetTabStops(5, false); }, "Grid index out of range"},
      {"current outside", [&] { grid->MoveCurrent(5, 1, true, false); }, "Grid index out of range"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.message, GridError(c.call));
  }
  EXPECT_EQ(1, grid->FixedCols());
  EXPECT_EQ(1, grid->FixedRows());
  EXPECT_EQ(64, grid->ColWidths(4));
  EXPECT_EQ((TGridRect{1, 1, 1, 1}), grid->Selection());
}

TEST_F(GridModel, SettingAWidthResizesOnceAndAnEqualWidthDoesNothing) {
  grid->SetColWidths(2, 30);
  grid->SetColWidths(2, 30);
  EXPECT_EQ((std::vector<std::string>{"resize col 2 64->30"}), grid->log);
  EXPECT_EQ(30, grid->ColWidths(2));
  EXPECT_EQ(64, grid->ColWidths(3));
  EXPECT_EQ(64, grid->ColWidths(50));  // beyond the block: the default, never a failure
}

TEST_F(GridModel, GrowingColumnsKeepsNoBlockOrExtendsTheBlocksWithDefaults) {
  grid->SetColCount(8);
  EXPECT_FALSE(grid->HasColWidths());
  EXPECT_FALSE(grid->HasTabStops());

  grid->SetColWidths(1, 10);
  grid->SetTabStops(2, false);
  grid->SetColCount(10);
  EXPECT_EQ(10, grid->ColWidths(1));
  EXPECT_EQ(64, grid->ColWidths(9));
  EXPECT_FALSE(grid->TabStops(2));
  EXPECT_TRUE(grid->TabStops(9));

  grid->SetColCount(3);  // shrinking drops the cut columns' values
  grid->SetColCount(6);
  EXPECT_EQ(10, grid->ColWidths(1));
  EXPECT_EQ(64, grid->ColWidths(3));
  EXPECT_FALSE(grid->TabStops(2));
  EXPECT_TRUE(grid->TabStops(4));
}

TEST_F(GridModel, TabStopsAloneFollowTheColumnCount) {
  grid->SetTabStops(4, false);
  grid->SetColCount(9);
  EXPECT_FALSE(grid->TabStops(4));
  EXPECT_TRUE(grid->TabStops(8));
  grid->MoveColumn(4, 1);
  EXPECT_FALSE(grid->TabStops(1));
  EXPECT_TRUE(grid->TabStops(4));
}

TEST_F(GridModel, ADefaultSizeDiscardsTheSingleSizes) {
  grid->SetColWidths(1, 10);
  grid->SetRowHeights(2, 40);
  grid->SetDefaultColWidth(50);
  grid->SetDefaultRowHeight(18);
  EXPECT_FALSE(grid->HasColWidths());
  EXPECT_FALSE(grid->HasRowHeights());
  EXPECT_EQ(50, grid->ColWidths(1));
  EXPECT_EQ(18, grid->RowHeights(2));
}

TEST_F(GridModel, MovingAColumnCarriesItsWidthAndAdjustsTheCurrentColumn) {
  struct Case {
    int current, expected;
  };
  for (const Case& c : {Case{2, 1}, Case{1, 3}, Case{3, 2}, Case{4, 4}}) {
    SCOPED_TRACE(c.current);
    TProbeGrid probe(nullptr);
    for (int col = 0; col < 5; ++col) probe.SetColWidths(col, 10 + col);
    probe.MoveCurrent(c.current, 1, true, false);
    probe.MoveColumn(1, 3);
    EXPECT_EQ(c.expected, probe.Col());
    EXPECT_EQ((TGridRect{c.expected, 1, c.expected, 1}), probe.Selection());  // the anchor moved alike
    EXPECT_EQ((std::vector<int>{10, 12, 13, 11, 14}),
              (std::vector<int>{probe.ColWidths(0), probe.ColWidths(1), probe.ColWidths(2), probe.ColWidths(3),
                                probe.ColWidths(4)}));
  }
}

TEST_F(GridModel, DeletingAColumnDropsItsWidth) {
  grid->SetColWidths(2, 22);
  grid->SetColWidths(3, 33);
  grid->DeleteColumn(2);
  EXPECT_EQ(4, grid->ColCount());
  EXPECT_EQ(33, grid->ColWidths(2));
  EXPECT_EQ(64, grid->ColWidths(3));
  grid->MoveCurrent(2, 3, true, false);
  grid->DeleteRow(3);
  EXPECT_EQ(4, grid->RowCount());
  EXPECT_EQ(3, grid->Row());  // the current row moved to the end, then was clipped
}

TEST_F(GridModel, ShrinkingClipsTheCurrentCellAndTheFixedCells) {
  grid->MoveCurrent(4, 4, true, false);
  grid->SetColCount(3);
  grid->SetRowCount(2);
  EXPECT_EQ((TGridRect{2, 1, 2, 1}), grid->Selection());
  grid->SetFixedCols(2);
  grid->ChangeSize(2, 2);  // called directly: fixed cells still stay below the count
  EXPECT_EQ(1, grid->FixedCols());
}

TEST_F(GridModel, ARefusedSizeChangeRestoresTheOldCountsAndPassesTheException) {
  grid->SetColWidths(1, 11);
  grid->SetRowHeights(1, 33);
  grid->log.clear();
  grid->refuseSizeChanges = 1;
  EXPECT_THROW(grid->SetColCount(9), EInvalidOperation);
  EXPECT_EQ(5, grid->ColCount());
  EXPECT_EQ(5, grid->RowCount());
  EXPECT_EQ((std::vector<std::string>{"size 5x5", "size 9x5"}), grid->log);
  grid->SetColCount(7);  // the blocks were put back to five columns
  EXPECT_EQ(11, grid->ColWidths(1));
  EXPECT_EQ(64, grid->ColWidths(5));
  EXPECT_EQ(33, grid->RowHeights(1));
}

TEST_F(GridModel, InsertingAndRemovingCarriesSizesTabStopsAndTheCurrentCell) {
  struct Case {
    const char* name;
    bool rows;
    int index, amount, current;
    std::vector<int> sizes;  // every cell's size afterwards; cell i started as 10 + i
    int expectedCurrent;
  };
  const Case cases[] = {
      {"cols insert at start", false, 0, 2, 2, {64, 64, 10, 11, 12, 13, 14}, 4},
      {"cols insert in middle", false, 2, 1, 2, {10, 11, 64, 12, 13, 14}, 3},
      {"cols insert at end", false, 5, 2, 4, {10, 11, 12, 13, 14, 64, 64}, 4},
      {"cols remove at start", false, 0, -1, 2, {11, 12, 13, 14}, 1},
      {"cols remove in middle", false, 1, -2, 2, {10, 13, 14}, 1},
      {"cols remove at end", false, 3, -2, 4, {10, 11, 12}, 2},
      {"rows insert at start", true, 0, 1, 1, {24, 10, 11, 12, 13, 14}, 2},
      {"rows insert in middle", true, 3, 2, 4, {10, 11, 12, 24, 24, 13, 14}, 6},
      {"rows insert at end", true, 5, 1, 3, {10, 11, 12, 13, 14, 24}, 3},
      {"rows remove at start", true, 0, -2, 4, {12, 13, 14}, 2},
      {"rows remove in middle", true, 2, -1, 3, {10, 11, 13, 14}, 2},
      {"rows remove at end", true, 2, -3, 3, {10, 11}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TProbeGrid probe(nullptr);
    for (int i = 0; i < 5; ++i) c.rows ? probe.SetRowHeights(i, 10 + i) : probe.SetColWidths(i, 10 + i);
    probe.SetTabStops(3, false);
    probe.MoveCurrent(c.rows ? 2 : c.current, c.rows ? c.current : 2, true, false);
    probe.log.clear();
    probe.AdjustSize(c.index, c.amount, c.rows);
    const int count = static_cast<int>(c.sizes.size());
    EXPECT_EQ(count, c.rows ? probe.RowCount() : probe.ColCount());
    EXPECT_EQ(5, c.rows ? probe.ColCount() : probe.RowCount());
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) sizes.push_back(c.rows ? probe.RowHeights(i) : probe.ColWidths(i));
    EXPECT_EQ(c.sizes, sizes);
    for (int i = 0; i < probe.ColCount(); ++i) {  // the cleared tab stop stays with the column of width 13
      EXPECT_EQ(c.rows ? i != 3 : probe.ColWidths(i) != 13, probe.TabStops(i)) << i;
    }
    const TGridCoord expected{c.rows ? 2 : c.expectedCurrent, c.rows ? c.expectedCurrent : 2};
    EXPECT_EQ((TGridRect{expected.X, expected.Y, expected.X, expected.Y}), probe.Selection());  // anchor too
    EXPECT_EQ((std::vector<std::string>{"size 5x5"}), probe.log);
  }
}

TEST_F(GridModel, RefusedInsertsAndRemovalsChangeNothing) {
  for (int i = 0; i < 5; ++i) grid->SetColWidths(i, 10 + i);
  struct Case {
    const char* name;
    int index, amount;
    const char* message;
  };
  const Case cases[] = {
      {"index below 0", -1, 1, "Grid index out of range"},
      {"index past the count", 6, 2, "Grid index out of range"},
      {"more removed than behind the index", 3, -3, "Too many rows or columns deleted"},
      {"every cell removed", 0, -5, "Too many rows or columns deleted"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.message, GridError([&] { grid->AdjustSize(c.index, c.amount, false); }));
  }
  grid->refuseSizeChanges = 1;
  EXPECT_THROW(grid->AdjustSize(1, -2, false), EInvalidOperation);
  EXPECT_EQ(5, grid->ColCount());
  EXPECT_EQ((std::vector<int>{10, 11, 12, 13, 14}),
            (std::vector<int>{grid->ColWidths(0), grid->ColWidths(1), grid->ColWidths(2), grid->ColWidths(3),
                              grid->ColWidths(4)}));
  EXPECT_EQ((TGridRect{1, 1, 1, 1}), grid->Selection());
}

TEST(GridExtents, ResizingChecksIndexCountAndSize) {
  struct Case {
    const char* name;
    int index, amount;
    const char* message;
  };
  const Case cases[] = {
      {"index below 0", -1, 2, "Grid index out of range"},
      {"index past the count", 5, 2, "Grid index out of range"},
      {"more deleted than held", 2, -3, "Too many rows or columns deleted"},
      {"all deleted and more", 0, -5, "Too many rows or columns deleted"},
      {"too large", 4, 134217722, "Grid too large for operation"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TGridExtents extents;
    extents.Ensure(4, 7);
    EXPECT_EQ(c.message, GridError([&] { extents.Resize(c.index, c.amount, 1); }));
    EXPECT_EQ(4, extents.Count());
  }
}

TEST(GridExtents, InsertingAndRemovingKeepTheOtherValues) {
  TGridExtents extents;
  extents.Resize(0, 3, 1);  // an absent block stays absent
  EXPECT_FALSE(extents.Exists());
  extents.Ensure(3, 5);
  extents.Set(0, 10);
  extents.Set(2, 30);
  extents.Resize(1, 2, 9);
  EXPECT_EQ((std::vector<int>{10, 9, 9, 5, 30}),
            (std::vector<int>{extents.Value(0, 0), extents.Value(1, 0), extents.Value(2, 0), extents.Value(3, 0),
                              extents.Value(4, 0)}));
  extents.Resize(0, -2, 9);
  EXPECT_EQ(3, extents.Count());
  EXPECT_EQ(9, extents.Value(0, 0));
  extents.Resize(0, -3, 9);  // nothing left: released
  EXPECT_FALSE(extents.Exists());
}

TEST_F(GridModel, AttachedScrollBarsAreEnabledHiddenFollowTheGridAndAreForgottenWhenFreed) {
  auto horizontal = std::make_unique<TspSkinScrollBar>(nullptr);
  auto vertical = std::make_unique<TspSkinScrollBar>(nullptr);
  horizontal->SetEnabled(false);
  grid->SetHScrollBar(horizontal.get());
  grid->SetVScrollBar(vertical.get());
  EXPECT_TRUE(horizontal->Enabled());
  EXPECT_FALSE(horizontal->Visible());
  EXPECT_FALSE(vertical->Visible());
  grid->SetVisible(false);
  grid->SetVisible(true);
  EXPECT_TRUE(horizontal->Visible());
  EXPECT_TRUE(vertical->Visible());
  horizontal.reset();
  EXPECT_EQ(nullptr, grid->HScrollBar());
  EXPECT_EQ(vertical.get(), grid->VScrollBar());
  grid.reset();  // the grid lets go of the bar it still holds: freeing the bar tells no one
}

// Hands `value` (form text) to the grid's definition `name`.
void ReadDefinedValue(TPersistent* target, const char* name, const char* value) {
  TFormObject text = ParseFormText(AnsiString("object X: TX\n  ") + name + " = " + value + "\nend\n", "grid.form");
  TComponent root(nullptr);
  TFormReader reader(&root, nullptr, "grid.form");
  TFiler filer(reader);
  target->DefineProperties(&filer);
  ASSERT_TRUE(filer.ReadDefined(name, text.properties.at(0).value));
}

TEST_F(GridModel, ReadsColumnWidthsAndRowHeightsAsIntegerLists) {
  ReadDefinedValue(grid.get(), "ColWidths", "(10 20 64 40)");
  ReadDefinedValue(grid.get(), "RowHeights", "(18 18 30)");
  EXPECT_EQ((std::vector<int>{10, 20, 64, 40, 64}),
            (std::vector<int>{grid->ColWidths(0), grid->ColWidths(1), grid->ColWidths(2), grid->ColWidths(3),
                              grid->ColWidths(4)}));
  EXPECT_EQ(30, grid->RowHeights(2));
  EXPECT_EQ(24, grid->RowHeights(3));
  EXPECT_THROW(ReadDefinedValue(grid.get(), "ColWidths", "(1 2 3 4 5 6)"), EFormValueError);
  EXPECT_THROW(ReadDefinedValue(grid.get(), "RowHeights", "(1 'x')"), EFormValueError);
}

}  // namespace
}  // namespace gridtest
