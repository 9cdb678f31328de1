// The list view's column header painted from the header look: section faces at their
// size, the pressed section, cut captions, the rest of the strip and CM_SEPAINT.
#include <gtest/gtest.h>

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
  expected.SetSize(W, height);
  const std::vector<TColor> pixels = viewtest::HeaderFace("skinrect", W, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < W; ++x) expected.Canvas()->SetPixels(x, y, pixels[static_cast<size_t>(y * W + x)]);
  }
  TCanvas* canvas = expected.Canvas();
  canvas->Font()->Assign(view->Font());
  canvas->Font()->SetColor(0);
  canvas->Brush()->SetStyle(bsClear);
  AnsiString text = column->Caption();
  CorrectTextbyWidth(canvas, text, W - 10);
  ASSERT_NE(column->Caption(), text);
  ASSERT_EQ(AnsiString("..."), text.SubString(text.Length() - 2, 3));
  const TRect content = Rect(5, 0, W - 5, height);
  canvas->TextRect(content, W - 5 - canvas->TextWidth(text), height / 2 - canvas->TextHeight(text) / 2, text);
  EXPECT_EQ(skinbases::PixelsOf(expected), skinbases::PixelsOf(drawn));
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
