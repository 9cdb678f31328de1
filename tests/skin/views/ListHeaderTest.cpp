// The list view's column header painted from the header look: section faces at their
// size, the pressed section, cut captions, the rest of the strip and CM_SEPAINT.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "SkinControlsFixtures.h"
#include "ViewsFixtures.h"
#include "skin/controls/Skinctrls_ListView.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Text.h"
#include "window_support.h"

namespace {

using rangetest::RangeTest;

class ListHeaderTest : public RangeTest {
 protected:
  // A report view with sections of 60 and 50 pixels and no captions, drawing only faces.
  void PlaceList() {
    view = Place<TspSkinListView>(10, 10, 200, 120);
    view->SetViewStyle(vsReport);
    view->SetHeaderSkinDataName("button");
    for (int width : {60, 50}) view->Columns()->Add()->SetWidth(width);
    view->SetSkinData(viewtest::SharedViewsSkin());
    view->Items()->SetCount(5);
    testsupport::ServeApplication(50);
    header = view->HookedHeader();
    ASSERT_NE(nullptr, header);
    RECT r;
    GetClientRect(header, &r);
    height = r.bottom;
    ASSERT_GT(height, 0);
  }
  std::vector<TColor> Section(int left, int width) {
    return viewtest::WindowPixels(header, Rect(left, 0, left + width, height));
  }
  // What a normal section W pixels wide shows: the look's face, `text` in the view's font
  // at `textX` clipped to the 5-pixel margins and, with `images`, image 0 at `imageX`.
  // `canvas` (the expected bitmap's) measures texts before the call.
  std::vector<TColor> ExpectedSection(TBitmap& expected, int W, const AnsiString& text, int textX,
                                      TCustomImageList* images = nullptr, int imageX = 0) {
    const std::vector<TColor> pixels = viewtest::HeaderFace("skinrect", W, height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < W; ++x) expected.Canvas()->SetPixels(x, y, pixels[static_cast<size_t>(y * W + x)]);
    }
    TCanvas* canvas = expected.Canvas();
    if (images != nullptr) images->Draw(canvas, imageX, height / 2 - images->Height() / 2, 0, true);
    canvas->TextRect(Rect(5, 0, W - 5, height), textX, height / 2 - canvas->TextHeight(text) / 2, text);
    return skinbases::PixelsOf(expected);
  }
  // A bitmap of W x height whose canvas writes as a section's caption is written.
  static void PrepareExpected(TBitmap& expected, int W, int height, TFont* font) {
    expected.SetSize(W, height);
    TCanvas* canvas = expected.Canvas();
    canvas->Font()->Assign(font);
    canvas->Font()->SetColor(0);
    canvas->Brush()->SetStyle(bsClear);
  }

  TspSkinListView* view = nullptr;
  HWND header = nullptr;
  int height = 0;
};

TEST_F(ListHeaderTest, TheHeaderIsHookedAndEachSectionIsTheLookComposedAtItsSize) {
  PlaceList();
  EXPECT_EQ(view->HeaderHandle(), header);
  EXPECT_EQ(viewtest::HeaderFace("skinrect", 60, height), Section(0, 60));
  EXPECT_EQ(viewtest::HeaderFace("skinrect", 50, height), Section(60, 50));
}

TEST_F(ListHeaderTest, APressInsideASectionPaintsItPressedUntilRelease) {
  PlaceList();
  testsupport::HoldMouse(view, 30, height / 2);
  testsupport::ServeApplication(40);
  EXPECT_EQ(viewtest::HeaderFace("downskinrect", 60, height), Section(0, 60));
  EXPECT_EQ(viewtest::HeaderFace("skinrect", 50, height), Section(60, 50));
  testsupport::ReleaseMouse();
  testsupport::ServeApplication(40);
  EXPECT_EQ(viewtest::HeaderFace("skinrect", 60, height), Section(0, 60));
}

TEST_F(ListHeaderTest, APressOnADividerPressesNoSection) {
  PlaceList();
  testsupport::HoldMouse(view, 60, height / 2);
  testsupport::ServeApplication(40);
  EXPECT_EQ(viewtest::HeaderFace("skinrect", 60, height), Section(0, 60));
  EXPECT_EQ(viewtest::HeaderFace("skinrect", 50, height), Section(60, 50));
  testsupport::ReleaseMouse();
  testsupport::ServeApplication(40);
}

TEST_F(ListHeaderTest, TheStripAfterTheLastSectionShowsTheLeftPartOfTheNormalFace) {
  PlaceList();
  RECT r;
  GetClientRect(header, &r);
  const int rest = r.right - 110;
  ASSERT_GT(rest, 8);
  const std::vector<TColor> face = viewtest::HeaderFace("skinrect", rest + 1, height);
  const std::vector<TColor> shown = Section(110, rest);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(face[static_cast<size_t>(y * (rest + 1) + x)], shown[static_cast<size_t>(y * rest + x)])
          << x << "," << y;
    }
  }
}

TEST_F(ListHeaderTest, ANarrowSectionShowsItsCaptionCutWithDots) {
  PlaceList();
  TListColumn* column = view->Columns()->Items(0);
  column->SetCaption("A rather long caption");
  column->SetAlignment(taRightJustify);
  const int W = 40;
  TBitmap drawn;
  drawn.SetSize(W, height);
  view->DrawHeaderSection(drawn.Canvas(), column, false, false, Rect(0, 0, W, height));

  TBitmap expected;
  PrepareExpected(expected, W, height, view->Font());
  TCanvas* canvas = expected.Canvas();
  AnsiString text = column->Caption();
  CorrectTextbyWidth(canvas, text, W - 10);
  ASSERT_NE(column->Caption(), text);
  ASSERT_EQ(AnsiString("..."), text.SubString(text.Length() - 2, 3));
  EXPECT_EQ(ExpectedSection(expected, W, text, W - 5 - canvas->TextWidth(text)), skinbases::PixelsOf(drawn));
}

// A column's image of SmallImages before its caption: placed by the alignment while the
// caption fits, at the left margin once the caption had to be cut.
struct ImageCase {
  const char* caption;
  TAlignment alignment;
  int width;
  TAlignment expectedPlace;
};

class ListHeaderImageTest : public ListHeaderTest, public ::testing::WithParamInterface<ImageCase> {};

TEST_P(ListHeaderImageTest, AColumnImageStandsBeforeItsCaption) {
  PlaceList();
  TImageList images(nullptr);
  images.SetSize(8, 8);
  TBitmap cell;
  cell.SetPixelFormat(pf24bit);
  cell.SetSize(8, 8);
  cell.Canvas()->Brush()->SetColor(clRed);
  cell.Canvas()->FillRect(Rect(0, 0, 8, 8));
  images.Add(&cell, nullptr);
  view->SetSmallImages(&images);
  TListColumn* column = view->Columns()->Items(1);
  column->SetCaption(GetParam().caption);
  column->SetAlignment(GetParam().alignment);
  column->SetImageIndex(0);
  const int W = GetParam().width;
  TBitmap drawn;
  drawn.SetSize(W, height);
  view->DrawHeaderSection(drawn.Canvas(), column, false, false, Rect(0, 0, W, height));

  TBitmap expected;
  PrepareExpected(expected, W, height, view->Font());
  AnsiString text = column->Caption();
  CorrectTextbyWidth(expected.Canvas(), text, W - 10 - 8 - 10);
  ASSERT_EQ(GetParam().expectedPlace == taLeftJustify && GetParam().alignment != taLeftJustify,
            text != column->Caption());
  const int content = 8 + 10 + expected.Canvas()->TextWidth(text);
  const int imageX = GetParam().expectedPlace == taRightJustify ? W - 5 - content
                     : GetParam().expectedPlace == taCenter     ? 5 + (W - 10) / 2 - content / 2
                                                                : 5;
  EXPECT_EQ(ExpectedSection(expected, W, text, imageX + 18, &images, imageX), skinbases::PixelsOf(drawn));
  view->SetSmallImages(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Columns, ListHeaderImageTest,
                         ::testing::Values(ImageCase{"Abc", taLeftJustify, 100, taLeftJustify},
                                           ImageCase{"Abc", taRightJustify, 100, taRightJustify},
                                           ImageCase{"Abc", taCenter, 100, taCenter},
                                           ImageCase{"A rather long caption", taRightJustify, 70, taLeftJustify}));

// With FullDrag the user drags a column's section to another place: the view's columns
// take the new order and each section shows the column that now stands there.
TEST_F(ListHeaderTest, AColumnDraggedWithFullDragIsDrawnAtItsNewPlace) {
  PlaceList();
  view->SetFullDrag(true);
  std::vector<std::pair<int, int>> drawnColumns;  // (column, section width) per section drawn
  struct TRecorder {
    std::vector<std::pair<int, int>>* drawn;
    void Draw(TCanvas*, TListColumn* column, bool, TRect rect) { drawn->push_back({column->Index(), rect.Width()}); }
  } recorder{&drawnColumns};
  view->OnDrawHeaderSection = TspDrawHeaderSectionEvent(&recorder, &TRecorder::Draw);
  testsupport::DragAlong(view, {Point(20, height / 2), Point(30, height / 2), Point(60, height / 2),
                                Point(90, height / 2), Point(105, height / 2)});
  testsupport::ServeApplication(60);
  ASSERT_TRUE(IsWindow(view->Handle()));
  std::vector<int> order(2, -1);
  SendMessageA(view->Handle(), LVM_GETCOLUMNORDERARRAY, order.size(), reinterpret_cast<LPARAM>(order.data()));
  ASSERT_EQ((std::vector<int>{1, 0}), order);
  drawnColumns.clear();
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{1, 50}, {0, 60}}), drawnColumns);
  view->OnDrawHeaderSection = TspDrawHeaderSectionEvent();
}

TEST_F(ListHeaderTest, SePaintPaintsTheHeaderIntoTheGivenContext) {
  PlaceList();
  RECT r;
  GetClientRect(header, &r);
  r.right = view->ClientWidth();  // the header reaches past the view, which clips it
  TBitmap target;
  target.SetSize(r.right, height);
  view->Perform(CM_SEPAINT, reinterpret_cast<WPARAM>(target.Canvas()->Handle()), 0);
  const std::vector<TColor> shown = viewtest::WindowPixels(header, Rect(0, 0, r.right, height));
  const std::vector<TColor> painted = skinbases::PixelsOf(target);
  ASSERT_EQ(shown.size(), painted.size());
  for (size_t i = 0; i < shown.size(); ++i) ASSERT_EQ(shown[i], painted[i]) << i % r.right << "," << i / r.right;
}

}  // namespace
