// The window-less control button: glyph strips, the disabled image and auto-repeat
// driven by its timer's ticks.
#include <gtest/gtest.h>

#include "ButtonTestSupport.h"
#include "classlib/windowing/Timer.h"
#include "framed/FrButton.h"

namespace {

using buttontests::Host;
using buttontests::OnForm;
using buttontests::TCounter;

class FramedControlButton : public OnForm {};

TEST_F(FramedControlButton, GlyphStripSetsTheImageCount) {
  struct Case {
    int width;
    int expected;
  };
  for (Case c : {Case{48, 3}, Case{80, 1}, Case{20, 2}, Case{32, 2}}) {
    Host host(form_);
    auto* button = host.Add<TFrControlButton>(10, 10, 30, 30);
    button->SetNumGlyphs(2);
    TBitmap glyph;
    glyph.SetSize(c.width, 16);
    button->SetGlyph(&glyph);
    EXPECT_EQ(c.expected, button->NumGlyphs()) << c.width << " x 16";
  }
}

TEST_F(FramedControlButton, DisabledButtonShowsTheSecondImage) {
  Host host(form_);
  auto* button = host.Add<TFrControlButton>(10, 10, 30, 30);
  constexpr TColor kKey = clFuchsia, kFirst = clRed, kSecond = clBlue;
  TBitmap glyph;
  glyph.SetSize(32, 16);
  glyph.Canvas()->Brush()->SetColor(kFirst);
  glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
  glyph.Canvas()->Brush()->SetColor(kSecond);
  glyph.Canvas()->FillRect(Rect(16, 0, 32, 16));
  glyph.Canvas()->SetPixels(0, 15, kKey);
  button->SetGlyph(&glyph);
  ASSERT_EQ(2, button->NumGlyphs());
  host.Panel()->Repaint();
  EXPECT_EQ(static_cast<COLORREF>(kFirst), testsupport::ControlPixel(button, 15, 15));
  button->SetEnabled(false);
  host.Panel()->Repaint();
  EXPECT_EQ(static_cast<COLORREF>(kSecond), testsupport::ControlPixel(button, 15, 15));
}

// Holding the button clicks at each tick of its timer (400 ms first, then 100), and once
// more on a release inside; a release outside adds nothing.
TEST_F(FramedControlButton, HoldingRepeatsAtEachTick) {
  struct Case {
    bool releaseInside;
    int clicksAfterRelease;
  };
  for (Case c : {Case{true, 3}, Case{false, 2}}) {
    Host host(form_);
    auto* button = host.Add<TFrControlButton>(10, 10, 30, 30);
    button->SetStyle(cbsUp);
    button->SetRepeatClicks(true);
    TCounter clicks;
    button->OnClick = clicks.Event();
    testsupport::HoldMouse(button, 10, 10);
    TTimer* timer = button->RepeatTimer();
    ASSERT_NE(nullptr, timer);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(400u, timer->Interval());
    EXPECT_EQ(0, clicks.count);
    timer->OnTimer(timer);
    EXPECT_EQ(1, clicks.count);
    EXPECT_EQ(100u, timer->Interval());
    timer->OnTimer(timer);
    EXPECT_EQ(2, clicks.count);
    if (!c.releaseInside) testsupport::MoveMouse(button, 10, 100);
    testsupport::ReleaseMouse();
    EXPECT_FALSE(timer->Enabled());
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(c.clicksAfterRelease, clicks.count) << "released inside " << c.releaseInside;
  }
}

TEST_F(FramedControlButton, TickAfterTheReleaseDoesNotClick) {
  Host host(form_);
  auto* button = host.Add<TFrControlButton>(10, 10, 30, 30);
  button->SetRepeatClicks(true);
  TCounter clicks;
  button->OnClick = clicks.Event();
  testsupport::Click(button, 10, 10);
  ASSERT_EQ(1, clicks.count);
  TTimer* timer = button->RepeatTimer();
  timer->OnTimer(timer);
  EXPECT_EQ(1, clicks.count);
}

}  // namespace
