#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "GridFixture.h"
#include "TestSkin.h"
#include "skin/data/Skindata_SkinData.h"
#include "window_support.h"

namespace gridtest {
namespace {

using skintest::PictureColour;

// The "grid" look of the test skin, cut from active picture 0 (a pixel's red is twice its
// x, green twice its y): fixed cells (0,0,20,20), selected (20,0,40,20), focused
// (40,0,60,20), all tiled across the cell; red lines, lime background.
std::unique_ptr<TspSkinData> LoadGridSkin(const std::string& folder,
                                          const std::map<std::string, std::string>& overrides = {}) {
  std::map<std::string, std::string> values = {
      {"grid/pictureindex", "0"},          {"grid/fixedcellrect", "0,0,20,20"},
      {"grid/selectcellrect", "20,0,40,20"}, {"grid/focuscellrect", "40,0,60,20"},
      {"grid/fixedcellleftoffset", "0"},   {"grid/fixedcellrightoffset", "0"},
      {"grid/cellleftoffset", "0"},        {"grid/cellrightoffset", "0"},
      {"grid/cellstretcheffect", "0"},     {"grid/fixedcellstretcheffect", "0"},
      {"grid/showfocus", "0"},             {"grid/bgpictureindex", "-1"},
      {"grid/linescolor", "255"},          {"grid/bgcolor", "65280"},
  };
  for (const auto& [key, value] : overrides) values[key] = value;
  auto skin = std::make_unique<TspSkinData>(nullptr);
  skin->LoadFromFile(skintest::WriteTestSkin(folder, values).c_str());
  return skin;
}

// The index of the first pixel where two captures differ, -1 when none does.
int FirstDifference(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  const auto [atA, atB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  return atA == a.end() && atB == b.end() ? -1 : static_cast<int>(atA - a.begin());
}

COLORREF Rgb(TColor color) { return static_cast<COLORREF>(ColorToRGB(color)); }

// One form on screen for the suite; each case places a grid of 330 x 150 on it: columns
// of 64 with a line after each (the fixed column ends at 65, column 1 spans 65..128 and
// its line is x = 129, column 2 starts at 130).
class GridPaint : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { form = testsupport::ShowTestForm(360, 200); }
  static void TearDownTestSuite() {
    delete form;
    form = nullptr;
  }
  void SetUp() override {
    form->SetColor(clBtnFace);
    grid = std::make_unique<TProbeGrid>(nullptr);
    grid->SetParent(form);
    grid->SetBounds(10, 10, 330, 150);
  }
  void TearDown() override { grid.reset(); }

  void Redraw() {
    RedrawWindow(grid->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    testsupport::ServeApplication(20);
  }
  COLORREF Pixel(int x, int y) { return testsupport::ControlPixel(grid.get(), x, y); }
  // A pixel inside a cell, (dx, dy) from its top-left.
  COLORREF CellPixel(int col, int row, int dx = 5, int dy = 5) {
    const TRect cell = grid->CellRect(col, row);
    return Pixel(cell.Left + dx, cell.Top + dy);
  }
  // Cell (2, 1) selected but not current: the current cell is (1, 1), the anchor (2, 1).
  void SelectTwoCells() {
    grid->MoveCurrent(1, 1, true, false);
    grid->MoveAnchor({2, 1});
  }
  // The pixels along rows y = 30 and y = 60 and columns x = 40 and x = 100.
  std::vector<COLORREF> Strips() {
    std::vector<COLORREF> pixels;
    for (int y : {30, 60}) {
      for (int x = 0; x < grid->ClientWidth(); ++x) pixels.push_back(Pixel(x, y));
    }
    for (int x : {40, 100}) {
      for (int y = 0; y < grid->ClientHeight(); ++y) pixels.push_back(Pixel(x, y));
    }
    return pixels;
  }

  static TForm* form;
  std::unique_ptr<TspSkinData> skin;
  std::unique_ptr<TProbeGrid> grid;
};

TForm* GridPaint::form = nullptr;

TEST_F(GridPaint, TheLookDrawsCellPartsLinesAndBackground) {
  skin = LoadGridSkin("grid_look");
  grid->SetSkinData(skin.get());
  ASSERT_NE(nullptr, grid->Look());
  SelectTwoCells();
  Redraw();
  EXPECT_EQ(20, grid->DefaultRowHeight());  // the selected part's height (UseSkinCellHeight)
  EXPECT_EQ(Rgb(PictureColour(skintest::piActive0, 5, 5)), CellPixel(0, 0));
  EXPECT_EQ(Rgb(PictureColour(skintest::piActive0, 5, 7)), CellPixel(3, 0, 25, 7));  // tiled
  EXPECT_EQ(Rgb(PictureColour(skintest::piActive0, 25, 5)), CellPixel(2, 1));
  EXPECT_EQ(Rgb(clLime), CellPixel(3, 2));
  EXPECT_EQ(Rgb(clRed), Pixel(129, 30));
  EXPECT_EQ(Rgb(clLime), Pixel(327, 5));  // right of the last column
}

TEST_F(GridPaint, UseSkinCellHeightTakesTheSelectedPartsHeightOnASkinChange) {
  struct Case {
    const char* name;
    bool useSkinHeight;
    const char* selectedPart;
    int expected;
  };
  const Case cases[] = {
      {"on", true, "20,0,40,20", 20},
      {"off", false, "20,0,40,20", 24},
      {"no cell parts: no height to take", true, "0,0,0,0", 24},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto cellSkin = LoadGridSkin("grid_height", {{"grid/selectcellrect", c.selectedPart},
                                                 {"grid/focuscellrect", c.selectedPart}});
    TProbeGrid probe(nullptr);
    probe.SetParent(form);
    probe.SetUseSkinCellHeight(c.useSkinHeight);
    probe.SetSkinData(cellSkin.get());
    EXPECT_EQ(c.expected, probe.DefaultRowHeight());
  }
}

TEST_F(GridPaint, ALookWithoutFixedCellPartDrawsThePlainLook) {
  skin = LoadGridSkin("grid_nofixed", {{"grid/fixedcellrect", "0,0,0,0"}});
  grid->SetSkinData(skin.get());
  Redraw();
  EXPECT_EQ(nullptr, grid->Look());
  EXPECT_EQ(24, grid->DefaultRowHeight());
  EXPECT_EQ(Rgb(clBtnFace), CellPixel(0, 1));
  EXPECT_EQ(Rgb(clBtnHighlight), CellPixel(0, 1, 0, 5));  // the fixed cell's 3-D frame
  EXPECT_EQ(Rgb(clWindow), CellPixel(3, 2));
  EXPECT_EQ(Rgb(clWindowText), Pixel(129, 36));
}

TEST_F(GridPaint, PlainLinesTakeTheirColourFromOptionsAndTheGridColour) {
  struct Case {
    const char* name;
    TColor color;
    bool vertLine;
    COLORREF titleLine, cellLine;  // x = 129 in the column titles and in row 1
  };
  const Case cases[] = {
      {"default", clWindow, true, Rgb(clWindowText), Rgb(clWindowText)},
      {"silver grid draws grey lines", clSilver, true, Rgb(clGray), Rgb(clGray)},
      {"vertical lines off: drawn in the grid's colour", clYellow, false, Rgb(clWindowText), Rgb(clYellow)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetColor(c.color);
    TGridOptions options = grid->Options();
    if (!c.vertLine) options.Exclude(goVertLine);
    grid->SetOptions(options);
    Redraw();
    EXPECT_EQ(c.titleLine, Pixel(129, 10));
    EXPECT_EQ(c.cellLine, Pixel(129, 36));
    EXPECT_EQ(130, grid->CellRect(2, 1).Left);  // the line keeps its width
  }
}

TEST_F(GridPaint, ABackgroundPictureShowsUnderPlainCellsAndTheFreeArea) {
  skin = LoadGridSkin("grid_wallpaper", {{"grid/bgpictureindex", "1"}});
  grid->SetSkinData(skin.get());
  SelectTwoCells();
  Redraw();
  const TRect plain = grid->CellRect(3, 2);
  for (TPoint at : {Point(plain.Left + 5, plain.Top + 5), Point(327, 5), Point(40, 140)}) {
    SCOPED_TRACE(std::to_string(at.X) + "," + std::to_string(at.Y));
    EXPECT_EQ(Rgb(PictureColour(skintest::piActive1, at.X % 32, at.Y % 32)), Pixel(at.X, at.Y));
  }
  EXPECT_EQ(Rgb(PictureColour(skintest::piActive0, 25, 5)), CellPixel(2, 1));  // selected: its part
}

TEST_F(GridPaint, TransparentWithoutLookFillsOnlySelectedAndFixedCells) {
  form->SetColor(clAqua);
  grid->SetTransparent(true);
  SelectTwoCells();
  Redraw();
  EXPECT_EQ(Rgb(clAqua), CellPixel(3, 2));
  EXPECT_EQ(Rgb(clHighlight), CellPixel(2, 1));
  EXPECT_EQ(Rgb(clBtnFace), CellPixel(0, 2));
  EXPECT_EQ(Rgb(clAqua), Pixel(327, 5));  // nothing fills the free area
}

TEST_F(GridPaint, EveryShownCellIsDrawnOnceWithItsState) {
  grid->SetColCount(3);
  grid->SetRowCount(3);
  grid->SetColWidths(2, 400);  // wider than the grid: drawn cut
  SelectTwoCells();
  grid->SetFocus();
  testsupport::ServeApplication(30);
  grid->drawn.clear();
  Redraw();
  EXPECT_EQ((std::vector<std::string>{"0,0:X", "1,0:X", "2,0:X", "0,1:X", "0,2:X", "1,1:SF", "2,1:S", "1,2:", "2,2:"}),
            grid->drawn);
}

TEST_F(GridPaint, TextRectanglesFollowTheLooksTextParts) {
  skin = LoadGridSkin("grid_text", {{"grid/fixedcelltextrect", "2,3,18,17"}, {"grid/celltextrect", "4,2,16,18"}});
  grid->SetSkinData(skin.get());
  struct Case {
    const char* name;
    bool useSkinHeight;
    TRect cell;
    TGridDrawState state;
    TRect expected;
  };
  const Case cases[] = {
      {"fixed", true, Rect(0, 0, 64, 20), {gdFixed}, Rect(2, 3, 62, 17)},
      {"plain", true, Rect(65, 21, 129, 41), {}, Rect(69, 23, 125, 39)},
      {"selected, cells taller than the part", false, Rect(65, 21, 129, 51), {gdSelected}, Rect(69, 23, 125, 49)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetUseSkinCellHeight(c.useSkinHeight);
    EXPECT_EQ(c.expected, grid->GetNewTextRect(c.cell, c.state));
  }
  grid->SetSkinData(nullptr);
  EXPECT_EQ(Rect(65, 21, 129, 51), grid->GetNewTextRect(Rect(65, 21, 129, 51), {}));
}

TEST_F(GridPaint, InsertedAndRemovedCellsLeaveTheScreenAsAFullRepaintWould) {
  struct Case {
    const char* name;
    bool rows;
    int index, amount;
  };
  for (const Case& c : {Case{"column inserted", false, 1, 1}, Case{"columns removed", false, 1, -2},
                        Case{"row inserted", true, 2, 1}, Case{"row removed", true, 1, -1}}) {
    SCOPED_TRACE(c.name);
    SetUp();
    grid->SetColWidths(1, 30);
    grid->SetColWidths(2, 90);
    grid->SetRowHeights(1, 14);
    grid->SetRowHeights(2, 40);
    SelectTwoCells();
    Redraw();
    grid->AdjustSize(c.index, c.amount, c.rows);
    testsupport::ServeApplication(20);
    const std::vector<COLORREF> shown = Strips();
    Redraw();
    EXPECT_EQ(-1, FirstDifference(shown, Strips()));
  }
}

TEST_F(GridPaint, RightToLeftDrawsTheFixedColumnAtTheRightEdge) {
  grid->SetRightToLeft(true);
  Redraw();
  EXPECT_EQ(Rgb(clBtnFace), Pixel(320, 36));
  EXPECT_EQ(Rgb(clBtnFace), Pixel(300, 10));
  EXPECT_EQ(Rgb(clWindow), Pixel(200, 36));
  EXPECT_EQ(Rgb(clWindow), Pixel(2, 36));  // the free strip is now at the left
}

}  // namespace
}  // namespace gridtest
