// The framed splitter under real pointer input: dragging the bar with and without the
// inverted bar, the hot-spot click, the bar's cursors and the hot spot's grip dots.
#include <gtest/gtest.h>

#include <vector>

#include "framed/FrCommon.h"
#include "framed/FrSplit.h"
#include "window_support.h"

namespace {

// Records each inversion of the dragged bar with the first pane's width at that moment.
class TRecordingSplitter : public TFrSplitter {
 public:
  using TFrSplitter::TFrSplitter;

  struct TInversion {
    int pos;
    int firstPaneWidth;
  };
  std::vector<TInversion> inversions;

  void DrawDragBar(int pos) override {
    TFrSplitter::DrawDragBar(pos);
    inversions.push_back({pos, UpperLeftPane()->Width()});
  }
};

class TClickLog {
 public:
  void HotSpotClicked(TObject*) { ++clicks; }
  void Changed(TObject* sender) { firstWidths.push_back(static_cast<TFrSplitter*>(sender)->UpperLeftPane()->Width()); }
  int clicks = 0;
  std::vector<int> firstWidths;
};

COLORREF ScreenPixel(TPoint at) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, at.X, at.Y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

// The control's pixels as the screen shows them, row by row.
std::vector<COLORREF> ScreenPixels(TControl* control) {
  TBitmap copy;
  copy.SetPixelFormat(pf32bit);
  copy.SetSize(control->Width(), control->Height());
  HDC screen = GetDC(nullptr);
  const TPoint origin = control->ClientToScreen(Point(0, 0));
  BitBlt(copy.Canvas()->Handle(), 0, 0, copy.Width(), copy.Height(), screen, origin.X, origin.Y, SRCCOPY);
  ReleaseDC(nullptr, screen);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < copy.Height(); ++y) {
    for (int x = 0; x < copy.Width(); ++x) pixels.push_back(GetPixel(copy.Canvas()->Handle(), x, y));
  }
  return pixels;
}

// The monochrome mask and colour bits of a cursor, to tell cursors apart by picture.
std::vector<BYTE> CursorBits(HCURSOR cursor) {
  ICONINFO info{};
  if (cursor == nullptr || !GetIconInfo(cursor, &info)) return {};
  std::vector<BYTE> bits;
  for (HBITMAP bitmap : {info.hbmMask, info.hbmColor}) {
    if (bitmap == nullptr) continue;
    BITMAP header{};
    GetObject(bitmap, sizeof header, &header);
    std::vector<BYTE> part(header.bmWidthBytes * header.bmHeight);
    GetBitmapBits(bitmap, static_cast<LONG>(part.size()), part.data());
    bits.insert(bits.end(), part.begin(), part.end());
    DeleteObject(bitmap);
  }
  return bits;
}

std::vector<BYTE> ResourceCursorBits(const char* name) {
  HCURSOR cursor = static_cast<HCURSOR>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
  std::vector<BYTE> bits = CursorBits(cursor);
  if (cursor != nullptr) DestroyCursor(cursor);
  return bits;
}

class FramedSplitterDrag : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { form_ = testsupport::ShowTestForm(640, 400); }
  static void TearDownTestSuite() {
    delete form_;
    form_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(nullptr, form_);
    splitter_ = new TRecordingSplitter(form_);
    splitter_->SetParent(form_);
    splitter_->SetBounds(20, 20, 300, 120);
    splitter_->UpperLeftPane()->SetColor(clWhite);
    splitter_->LowerRightPane()->SetColor(clNavy);
    splitter_->SetColor(clBtnFace);
    splitter_->SetPosition(100);
    splitter_->OnHotSpotClick = TNotifyEvent(&log_, &TClickLog::HotSpotClicked);
    testsupport::ServeApplication(50);
  }
  void TearDown() override {
    delete splitter_;
    testsupport::ServeApplication(30);
  }

  // The middle of the bar, across and along.
  TPoint BarMiddle() const {
    const TRect bar = splitter_->BarRect();
    return Point((bar.Left + bar.Right) / 2, (bar.Top + bar.Bottom) / 2);
  }

  static TForm* form_;
  TRecordingSplitter* splitter_ = nullptr;
  TClickLog log_;
};

TForm* FramedSplitterDrag::form_ = nullptr;

TEST_F(FramedSplitterDrag, TheInvertedBarIsDrawnAndErasedOnceAStepAndThePanesWaitForTheRelease) {
  const TPoint from = Point(BarMiddle().X, 30);  // below the hot spot's band is irrelevant: none shown
  testsupport::Drag(splitter_, from.X, from.Y, from.X + 40, from.Y);
  // Drawn at the press, erased and drawn again at each of the four steps, erased at the release.
  const std::vector<int> expected{100, 100, 110, 110, 120, 120, 130, 130, 140, 140};
  std::vector<int> drawn;
  for (const auto& inversion : splitter_->inversions) {
    drawn.push_back(inversion.pos);
    EXPECT_EQ(100, inversion.firstPaneWidth) << "the panes wait for the release";
  }
  EXPECT_EQ(expected, drawn);
  EXPECT_EQ(140, splitter_->Position());
  EXPECT_EQ(140, splitter_->UpperLeftPane()->Width());
}

// Out and back to where it started: the layout stays, so the screen must show exactly
// what it showed before the press.
TEST_F(FramedSplitterDrag, TheScreenKeepsNoTraceOfTheInvertedBar) {
  const int x = BarMiddle().X;
  testsupport::MoveMouse(splitter_, x, 30);
  const std::vector<COLORREF> before = ScreenPixels(splitter_);
  testsupport::DragAlong(splitter_, {Point(x, 30), Point(x + 20, 30), Point(x + 40, 30), Point(x + 20, 30), Point(x, 30)});
  const std::vector<int> expected{100, 100, 120, 120, 140, 140, 120, 120, 100, 100};
  std::vector<int> drawn;
  for (const auto& inversion : splitter_->inversions) drawn.push_back(inversion.pos);
  EXPECT_EQ(expected, drawn);
  EXPECT_EQ(100, splitter_->Position());
  EXPECT_TRUE(before == ScreenPixels(splitter_)) << "the screen shows what it showed before the drag";
}

// Of two neighbouring pixels one is inverted (the checkerboard's white) and one is kept.
TEST_F(FramedSplitterDrag, InvertingTheBarTwiceRestoresTheScreen) {
  const TPoint a = splitter_->ClientToScreen(Point(200, 40));
  const TPoint b = Point(a.X + 1, a.Y);
  const COLORREF beforeA = ScreenPixel(a), beforeB = ScreenPixel(b);
  splitter_->DrawDragBar(200);
  const COLORREF drawnA = ScreenPixel(a), drawnB = ScreenPixel(b);
  splitter_->DrawDragBar(200);
  const bool aInverted = drawnA == (beforeA ^ 0xFFFFFF) && drawnB == beforeB;
  const bool bInverted = drawnB == (beforeB ^ 0xFFFFFF) && drawnA == beforeA;
  EXPECT_TRUE(aInverted || bInverted) << std::hex << beforeA << " " << drawnA << " " << beforeB << " " << drawnB;
  EXPECT_EQ(beforeA, ScreenPixel(a));
  EXPECT_EQ(beforeB, ScreenPixel(b));
}

TEST_F(FramedSplitterDrag, WithRealTimeDragThePanesFollowEachStep) {
  splitter_->SetRealTimeDrag(true);
  splitter_->OnChange = TNotifyEvent(&log_, &TClickLog::Changed);
  const TPoint from = Point(BarMiddle().X, 30);
  testsupport::Drag(splitter_, from.X, from.Y, from.X - 40, from.Y);
  EXPECT_EQ((std::vector<int>{90, 80, 70, 60}), log_.firstWidths);
  EXPECT_TRUE(splitter_->inversions.empty());
  EXPECT_EQ(60, splitter_->Position());
}

TEST_F(FramedSplitterDrag, ALockedBarDoesNotMoveButItsHotSpotCollapsesAndRestores) {
  splitter_->SetLockBar(true);
  splitter_->SetHotSpotVisible(true);
  testsupport::Drag(splitter_, BarMiddle().X, 10, BarMiddle().X + 40, 10);
  EXPECT_EQ(100, splitter_->Position());
  testsupport::Click(splitter_, BarMiddle().X, BarMiddle().Y);
  EXPECT_TRUE(splitter_->HotSpotClosed());
  EXPECT_EQ(0, splitter_->Position());
  EXPECT_EQ(0, splitter_->UpperLeftPane()->Width());
  testsupport::Click(splitter_, BarMiddle().X, BarMiddle().Y);
  EXPECT_FALSE(splitter_->HotSpotClosed());
  EXPECT_EQ(100, splitter_->Position());
  EXPECT_EQ(2, log_.clicks);
}

TEST_F(FramedSplitterDrag, ALockedHotSpotIgnoresMovesWhilePressed) {
  splitter_->SetLockBar(true);
  splitter_->SetHotSpotVisible(true);
  testsupport::Drag(splitter_, BarMiddle().X, BarMiddle().Y, BarMiddle().X + 2, BarMiddle().Y + 3);
  EXPECT_TRUE(splitter_->HotSpotClosed()) << "with a locked bar a press on the hot spot stays a click";
  EXPECT_EQ(1, log_.clicks);
}

struct TBothCase {
  TOrientation orientation;
  int offset;        // from the hot spot's centre along the bar
  bool firstPane;    // the pane expected to collapse
};

class FramedSplitterBothWays : public FramedSplitterDrag, public ::testing::WithParamInterface<TBothCase> {};

TEST_P(FramedSplitterBothWays, TheClickedHalfChoosesThePaneAndASecondClickRestores) {
  splitter_->SetOrientation(GetParam().orientation);
  splitter_->SetPosition(50);
  splitter_->SetHotSpotVisible(true);
  splitter_->SetHotSpotDirection(hsdBoth);
  splitter_->SetLockBar(true);
  const bool flat = GetParam().orientation == orVertical;
  const TPoint middle = BarMiddle();
  const TPoint at = flat ? Point(middle.X + GetParam().offset, middle.Y) : Point(middle.X, middle.Y + GetParam().offset);
  testsupport::Click(splitter_, at.X, at.Y);
  const int extent = flat ? splitter_->Height() : splitter_->Width();
  EXPECT_EQ(GetParam().firstPane ? 0 : extent - splitter_->SplitterWidth(), splitter_->Position());
  const TPoint centre = BarMiddle();
  testsupport::Click(splitter_, centre.X, centre.Y);
  EXPECT_FALSE(splitter_->HotSpotClosed());
  EXPECT_EQ(50, splitter_->Position());
}

INSTANTIATE_TEST_SUITE_P(Halves, FramedSplitterBothWays,
                         ::testing::Values(TBothCase{orHorizontal, -8, true}, TBothCase{orHorizontal, 8, false},
                                           TBothCase{orVertical, -20, true}, TBothCase{orVertical, 20, false}));

TEST_F(FramedSplitterDrag, ADragStartedOnTheHotSpotIsADrag) {
  splitter_->SetHotSpotVisible(true);
  const TPoint middle = BarMiddle();
  testsupport::Drag(splitter_, middle.X, middle.Y, middle.X + 8, middle.Y);
  EXPECT_FALSE(splitter_->HotSpotClosed());
  EXPECT_EQ(108, splitter_->Position());
  EXPECT_EQ(0, log_.clicks);
}

struct TCursorCase {
  TOrientation orientation;
  bool onHotSpot;
  const char* resource;
};

class FramedSplitterCursors : public FramedSplitterDrag, public ::testing::WithParamInterface<TCursorCase> {};

TEST_P(FramedSplitterCursors, TheBarShowsItsResourceCursor) {
  splitter_->SetOrientation(GetParam().orientation);
  splitter_->SetHotSpotVisible(true);
  splitter_->SetPosition(50);
  const TRect bar = splitter_->BarRect();
  const TPoint middle = BarMiddle();
  const TPoint at = GetParam().onHotSpot ? middle : Point(bar.Left + 2, bar.Top + 2);
  testsupport::MoveMouse(splitter_, at.X, at.Y);
  const std::vector<BYTE> expected = ResourceCursorBits(GetParam().resource);
  ASSERT_FALSE(expected.empty()) << GetParam().resource << " is among the program's resources";
  EXPECT_EQ(expected, CursorBits(GetCursor())) << GetParam().resource;
  splitter_->SetLockBar(true);
  testsupport::MoveMouse(splitter_, at.X, at.Y + 1);
  testsupport::MoveMouse(splitter_, at.X, at.Y);
  EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), GetCursor()) << "a locked bar keeps the default cursor";
}

INSTANTIATE_TEST_SUITE_P(Bars, FramedSplitterCursors,
                         ::testing::Values(TCursorCase{orHorizontal, false, "FRSPLIT_HORZ"},
                                           TCursorCase{orHorizontal, true, "FRSPLIT_HORZHOTSPOT"},
                                           TCursorCase{orVertical, false, "FRSPLIT_VERT"},
                                           TCursorCase{orVertical, true, "FRSPLIT_VERTHOTSPOT"}));

TEST(FramedSplitterCursorPictures, TheFourCursorsDiffer) {
  const std::vector<BYTE> horz = ResourceCursorBits("FRSPLIT_HORZ");
  const std::vector<BYTE> horzHot = ResourceCursorBits("FRSPLIT_HORZHOTSPOT");
  const std::vector<BYTE> vert = ResourceCursorBits("FRSPLIT_VERT");
  const std::vector<BYTE> vertHot = ResourceCursorBits("FRSPLIT_VERTHOTSPOT");
  EXPECT_NE(horz, horzHot);
  EXPECT_NE(horz, vert);
  EXPECT_NE(vert, vertHot);
  EXPECT_NE(horzHot, vertHot);
}

struct THighlightCase {
  THotSpotDirection direction;
  int offset;      // of the pointer from the hot spot's centre, along the bar
  bool firstLit;   // the probe in the first half shows the highlight
  bool secondLit;  // the probe in the second half does
};

class FramedSplitterHighlight : public FramedSplitterDrag, public ::testing::WithParamInterface<THighlightCase> {};

// An upright hot spot: probes 5 pixels above and below its centre, beside the centre line.
TEST_P(FramedSplitterHighlight, ThePointerLightsTheHotSpotOrTheHalfUnderItAndLeavingPutsItOut) {
  splitter_->SetHotSpotVisible(true);
  splitter_->SetHotSpotDirection(GetParam().direction);
  splitter_->SetHotSpotHighlight(clRed);
  testsupport::MoveMouse(form_, 600, 380);
  const TRect spot = splitter_->HotSpotRect();
  const int x = spot.Left + 2;
  const int centre = (spot.Top + spot.Bottom) / 2;
  const auto red = static_cast<COLORREF>(ColorToRGB(clRed));
  testsupport::MoveMouse(splitter_, x, centre + GetParam().offset);
  EXPECT_EQ(GetParam().firstLit, testsupport::ControlPixel(splitter_, x, centre - 5) == red);
  EXPECT_EQ(GetParam().secondLit, testsupport::ControlPixel(splitter_, x, centre + 5) == red);
  testsupport::MoveMouse(splitter_, x, spot.Top - 10);
  EXPECT_NE(red, testsupport::ControlPixel(splitter_, x, centre - 5));
  EXPECT_NE(red, testsupport::ControlPixel(splitter_, x, centre + 5));
}

INSTANTIATE_TEST_SUITE_P(Directions, FramedSplitterHighlight,
                         ::testing::Values(THighlightCase{hsdMin, 6, true, true}, THighlightCase{hsdMax, -6, true, true},
                                           THighlightCase{hsdBoth, -6, true, false},
                                           THighlightCase{hsdBoth, 6, false, true}));

struct TGripCase {
  int hotSpotLength;
  int dots;
};

class FramedSplitterGrips : public FramedSplitterDrag, public ::testing::WithParamInterface<TGripCase> {};

// An upright hot spot as long as the splitter is high (100 %): dots on its centre line
// from 15 pixels below its top, every 3 pixels.
TEST_P(FramedSplitterGrips, TheHotSpotShowsGripDotsByItsLength) {
  splitter_->SetBounds(20, 20, 300, GetParam().hotSpotLength);
  splitter_->SetHotSpotVisible(true);
  splitter_->SetHotSpotSizePercent(100);
  testsupport::MoveMouse(form_, 600, 380);
  splitter_->Repaint();
  testsupport::ServeApplication(30);
  const TRect spot = splitter_->HotSpotRect();
  ASSERT_EQ(GetParam().hotSpotLength, spot.Height());
  const int x = spot.Left + spot.Width() / 2;
  const auto light = static_cast<COLORREF>(ColorToRGB(clHighlightText));
  const auto dark = static_cast<COLORREF>(ColorToRGB(clHighlight));
  int dots = 0;
  for (int y = spot.Top; y < spot.Bottom - 1; ++y) {
    if (testsupport::ControlPixel(splitter_, x, y) == light && testsupport::ControlPixel(splitter_, x + 1, y + 1) == dark) {
      ++dots;
      EXPECT_EQ(0, (y - spot.Top - 15) % 3) << "dot at " << y - spot.Top;
    }
  }
  EXPECT_EQ(GetParam().dots, dots);
}

INSTANTIATE_TEST_SUITE_P(Lengths, FramedSplitterGrips,
                         ::testing::Values(TGripCase{28, 0}, TGripCase{30, 1}, TGripCase{34, 1}, TGripCase{36, 2},
                                           TGripCase{60, 10}));

}  // namespace
