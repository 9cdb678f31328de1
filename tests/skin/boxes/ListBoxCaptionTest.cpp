// The caption strip of the skinned list box: where the default look puts its buttons, the
// up and down buttons stepping the selection while held (the down step stops at the last
// item), assigned button events, and a strip that is off.
#include <gtest/gtest.h>

#include "ListBoxFixtures.h"
#include "RangesFixtures.h"
#include "window_support.h"

using namespace boxtest;

namespace {

constexpr int kUp = 0;
constexpr int kDown = 1;

class ListBoxCaption : public ListBoxTest {
 protected:
  void SetUp() override {
    ListBoxTest::SetUp();
    list->SetCaptionMode(true);
    Fill(10);
    list->Repaint();
  }
  void TearDown() override { rangetest::ReleaseLeft(); }

  TPoint Centre(int button) {
    const TRect& r = list->CaptionButton(button).R;
    return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  void Press(int button) {
    const TPoint p = Centre(button);
    rangetest::PressLeft(list.get(), p.X, p.Y);
  }
  void Tick() { rangetest::Tick(list.get(), 1); }
  std::string Timer() {
    std::string calls;
    for (const std::string& call : list->timer) calls += call + " ";
    list->timer.clear();
    return calls;
  }
};

}  // namespace

TEST_F(ListBoxCaption, TheDefaultButtonsSitRightAlignedInTheStrip) {
  for (const auto& [height, size] : {std::pair{20, 17}, std::pair{10, 7}}) {
    list->SetDefaultCaptionHeight(height);
    list->Repaint();
    const TRect up = list->CaptionButton(kUp).R;
    EXPECT_EQ(size, up.Width()) << height;
    EXPECT_EQ(size - 1, up.Height()) << height;
    EXPECT_EQ(list->Width() - 2, up.Right) << height;
    EXPECT_EQ(up.Left, list->CaptionButton(kDown).R.Right) << height;
    EXPECT_EQ(list->CaptionButton(kDown).R.Left, list->CaptionButton(2).R.Right) << height;
    EXPECT_EQ(height + 1, list->ListBox()->Top()) << height;
  }
}

TEST_F(ListBoxCaption, HoldingUpStepsAfterTheFirstDelayAndStopsAtTheFirstItem) {
  list->SetItemIndex(3);
  Press(kUp);
  EXPECT_EQ("S500 ", Timer());
  Tick();  // the first tick only switches to the repeat rate
  EXPECT_EQ("K S100 ", Timer());
  EXPECT_EQ(3, list->ItemIndex());
  for (int expected : {2, 1, 0, 0}) {
    Tick();
    EXPECT_EQ(expected, list->ItemIndex());
  }
  rangetest::ReleaseLeft();
  EXPECT_EQ(0, list->ItemIndex());
  EXPECT_EQ("K ", Timer());
}

TEST_F(ListBoxCaption, HoldingDownStopsAtTheLastItem) {
  list->SetItemIndex(8);
  Press(kDown);
  Tick();
  for (int expected : {9, 9, 9}) {
    Tick();
    EXPECT_EQ(expected, list->ItemIndex());
  }
  rangetest::ReleaseLeft();  // the release steps once more, and stops there too
  EXPECT_EQ(9, list->ItemIndex());
}

TEST_F(ListBoxCaption, AnAssignedEventFiresOnceOnReleaseOverTheButtonWithoutRepeat) {
  TSenderLog clicks;
  list->OnUpButtonClick = clicks.Event();
  list->SetItemIndex(5);
  Press(kUp);
  EXPECT_EQ("", Timer());
  rangetest::ReleaseLeft();
  EXPECT_EQ(1, clicks.count);
  EXPECT_EQ(list.get(), clicks.sender);
  EXPECT_EQ(5, list->ItemIndex());
}

TEST_F(ListBoxCaption, ReleasedOffTheButtonRunsTheDefaultStepInstead) {
  TSenderLog clicks;
  list->OnDownButtonClick = clicks.Event();
  list->SetItemIndex(5);
  Press(kDown);
  testsupport::MoveMouse(list.get(), 5, 5);  // still in the strip, off every button
  EXPECT_FALSE(list->CaptionButton(kDown).MouseIn);
  EXPECT_TRUE(list->CaptionButton(kDown).Down);
  rangetest::ReleaseLeft();
  EXPECT_EQ(0, clicks.count);
  EXPECT_EQ(6, list->ItemIndex());
}

TEST_F(ListBoxCaption, TheCheckButtonClicksTheInnerList) {
  TSenderLog clicks;
  list->OnListBoxClick = clicks.Event();
  Press(2);
  rangetest::ReleaseLeft();
  EXPECT_EQ(1, clicks.count);
  EXPECT_EQ(list.get(), clicks.sender);
}

TEST_F(ListBoxCaption, ButtonsShowHotAndPressedInTheDefaultLook) {
  const TPoint p = Centre(kUp);
  const TRect r = list->CaptionButton(kUp).R;
  testsupport::MoveMouse(list.get(), p.X, p.Y);
  EXPECT_TRUE(list->CaptionButton(kUp).MouseIn);
  EXPECT_EQ(static_cast<COLORREF>(0x800000), testsupport::ControlPixel(list.get(), r.Left, r.Top));
  EXPECT_EQ(static_cast<COLORREF>(0xD2BDB6), testsupport::ControlPixel(list.get(), r.Left + 1, r.Top + 1));
  Press(kUp);
  EXPECT_EQ(static_cast<COLORREF>(0xB59385), testsupport::ControlPixel(list.get(), r.Left + 1, r.Top + 1));
  rangetest::ReleaseLeft();
  testsupport::MoveMouse(form, 390, 290);  // leaving the control clears the hot look
  EXPECT_FALSE(list->CaptionButton(kUp).MouseIn);
}

TEST_F(ListBoxCaption, WithoutTheStripNoButtonReacts) {
  list->SetSkinData(SharedListBoxSkin());  // a look whose strip has up and down buttons
  list->Repaint();
  list->TestActive(44, 5);
  EXPECT_TRUE(list->CaptionButton(kUp).MouseIn);
  list->TestActive(-1, -1);

  list->SetCaptionMode(false);
  list->Repaint();
  list->SetItemIndex(5);
  list->timer.clear();
  for (const auto& [x, y] : {std::pair{44, 5}, std::pair{52, 5}}) {
    list->TestActive(x, y);
    EXPECT_FALSE(list->CaptionButton(kUp).MouseIn);
    EXPECT_FALSE(list->CaptionButton(kDown).MouseIn);
    rangetest::PressLeft(list.get(), x, y);
    rangetest::ReleaseLeft();
  }
  EXPECT_EQ(5, list->ItemIndex());
  EXPECT_TRUE(list->timer.empty());
  list->SetSkinData(nullptr);
}

TEST_F(ListBoxCaption, ADisabledListShowsTheSecondGlyphSlice) {
  TBitmap glyph;  // two 8 x 8 slices, red and blue; the lower-left pixel is the clear colour
  glyph.SetPixelFormat(pf24bit);
  glyph.SetSize(16, 8);
  glyph.Canvas()->Brush()->SetColor(clWhite);
  glyph.Canvas()->FillRect(Rect(0, 0, 16, 8));
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(0, 0, 8, 7));
  glyph.Canvas()->Brush()->SetColor(clBlue);
  glyph.Canvas()->FillRect(Rect(8, 0, 16, 7));
  list->SetGlyph(&glyph);
  list->SetNumGlyphs(2);
  for (const auto& [enabled, colour] : {std::pair{true, clRed}, std::pair{false, clBlue}}) {
    list->SetEnabled(enabled);
    list->Repaint();
    // The strip's caption rectangle starts at (3, 2); the glyph is centred in its 16 rows.
    EXPECT_EQ(ColorToRGB(colour), testsupport::ControlPixel(list.get(), 6, 7)) << enabled;
  }
  list->SetEnabled(true);
}
