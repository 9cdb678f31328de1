#include <gtest/gtest.h>

#include <vector>

#include "GridFixture.h"
#include "skin/shell/Skingrids_Geometry.h"

namespace gridtest {
namespace {

// One axis laid out over `client` pixels: cells of the given extents (those past the list
// have extent 64).
TGridAxisDrawInfo Axis(std::vector<int> extents, int fixed, int first, int client, int lineWidth = 1) {
  const int count = static_cast<int>(extents.size());
  TGridAxisDrawInfo axis = CalcAxisFixedInfo(lineWidth, fixed, first, count, [extents](int i) {
    return i < static_cast<int>(extents.size()) ? extents[static_cast<size_t>(i)] : 64;
  });
  CalcAxisDrawInfo(axis, client);
  return axis;
}

TEST(GridGeometry, LaysTheCellsOutUpToTheClientExtent) {
  const TGridAxisDrawInfo axis = Axis({20, 64, 64, 64, 64}, 1, 1, 200);
  EXPECT_EQ(21, axis.FixedEnd);
  EXPECT_EQ(2, axis.LastFullCell);    // cells 1 and 2 end at 151; cell 3 would end at 216
  EXPECT_EQ(151, axis.FullCellsEnd);
  EXPECT_EQ(200, axis.CellsEnd);      // cut at the client's edge
  const TGridAxisDrawInfo fits = Axis({20, 64, 64}, 1, 1, 150);  // the last line may hang over
  EXPECT_EQ(2, fits.LastFullCell);
  EXPECT_EQ(151, fits.CellsEnd);
}

TEST(GridGeometry, ZeroWidthCellsTakeALineButNeverBecomeTheFirstCell) {
  struct Case {
    int client, lastCell, expected;
  };
  // Fixed 10 + line ends at 11; cells 1 and 4 are 10 wide, 2 and 3 hidden.
  const Case cases[] = {
      {33, 4, 4},  // 4 and the hidden cells' lines fill it: 1 does not fit
      {34, 4, 1},  // one pixel more and 1 fits, the hidden cells never chosen
      {11, 4, 4},  // nothing fits: the cell itself
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.client);
    EXPECT_EQ(c.expected, CalcAxisMaxFirst(Axis({10, 10, 0, 0, 10}, 1, 1, c.client), c.lastCell));
  }
  const TGridAxisDrawInfo hiddenLast = Axis({10, 10, 10, 0}, 1, 1, 100);
  EXPECT_EQ(1, CalcAxisMaxFirst(hiddenLast, 3));
}

TEST(GridGeometry, PointsMapToTheCellWhoseLineTheyTouchAndPastTheLastToMinusOne) {
  const TGridAxisDrawInfo axis = Axis({20, 64, 64, 64}, 1, 2, 300);  // cell 1 scrolled away
  struct Case {
    int position, expected;
  };
  for (const Case& c : {Case{0, 0}, Case{20, 0}, Case{21, 2}, Case{85, 2}, Case{86, 3}, Case{150, 3},
                        Case{151, -1}, Case{-5, 0}}) {
    SCOPED_TRACE(c.position);
    EXPECT_EQ(c.expected, CalcAxisCoord(axis, c.position));
  }
}

TEST(GridGeometry, ScreenRectanglesOfRanges) {
  TGridDrawInfo info{Axis({20, 64, 64, 64, 64, 64}, 1, 2, 200), Axis({20, 30, 30, 30}, 1, 1, 200)};
  struct Case {
    const char* name;
    TGridRect cells;
    bool includeLine;
    TRect expected;
  };
  // Columns: 0 at 0..20, 2 at 21..85, 3 at 86..150, 4 at 151..215 (cut at 200); LastFullCell 3.
  const Case cases[] = {
      {"fixed cell", {0, 0, 0, 0}, false, Rect(0, 0, 20, 20)},
      {"scrollable cell with line", {2, 1, 2, 1}, true, Rect(21, 21, 86, 52)},
      {"cell left of the first column", {1, 1, 1, 1}, false, TRect()},
      {"range into the hidden columns starts at the first", {1, 1, 2, 1}, false, Rect(21, 21, 85, 51)},
      {"fixed to far beyond: clipped to the cell after the last full one", {0, 0, 40, 0}, false, Rect(0, 0, 200, 20)},
      {"starting past the cell after the last full one", {5, 1, 5, 1}, false, TRect()},
      {"reversed", {3, 1, 2, 1}, false, TRect()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, GridRectToScreenRectOf(info, c.cells, c.includeLine));
  }
}

TEST(GridGeometry, TheGridAnswersCellRectanglesAndMouseCellsFromItsOwnNumbers) {
  TProbeGrid grid(nullptr);
  grid.SetBounds(0, 0, 200, 100);
  grid.SetColWidths(1, 0);
  EXPECT_EQ(Rect(66, 25, 130, 49), grid.CellRect(2, 1));  // column 1 takes only its line
  EXPECT_TRUE(grid.CellRect(1, 1).IsEmpty());
  EXPECT_EQ(3, grid.VisibleColCount());  // columns 1 to 3 shown whole
  EXPECT_EQ((TGridCoord{2, 1}), grid.MouseCoord(70, 30));
  EXPECT_EQ((TGridCoord{2, 0}), grid.MouseCoord(130, 24));  // the lines belong to the cells before them
  grid.SetRowCount(2);
  EXPECT_EQ((TGridCoord{-1, -1}), grid.MouseCoord(70, 60));  // below the last row: both -1
  grid.SetColCount(3);
  EXPECT_EQ((TGridCoord{-1, -1}), grid.MouseCoord(195, 10));
  grid.SetRightToLeft(true);
  EXPECT_EQ((TGridCoord{0, 1}), grid.MouseCoord(195, 30));  // columns run from the right edge
  EXPECT_EQ(Rect(200 - 64, 0, 200, 24), grid.CellRect(0, 0));
}

}  // namespace
}  // namespace gridtest
