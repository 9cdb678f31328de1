// The control bar: bands in rows behind their grab areas, dragged by the grab area into
// other places and rows, and framed through the overridable band-frame painter.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "../windowing/WindowingFixtures.h"
#include "classlib/comctrls/ControlBar.h"

namespace {

using testsupport::ControlPixel;
using testsupport::Drag;

// Records the band rectangles its frame painter is asked for.
class TFrameRecordingBar : public TControlBar {
  CLASSLIB_CLASS(TFrameRecordingBar, TControlBar)
 public:
  using TControlBar::TControlBar;
  std::vector<TRect> frames;

 protected:
  void PaintControlFrame(TCanvas* canvas, TControl* control, TRect& rect) override {
    frames.push_back(rect);
    TControlBar::PaintControlFrame(canvas, control, rect);
  }
};

class ControlBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(400, 200));
    bar = new TFrameRecordingBar(form.get());
    bar->SetBounds(0, 0, 400, 120);
    bar->SetParent(form.get());
    for (int i = 0; i < 2; ++i) {
      panels[i] = new TColorPanel(form.get());
      panels[i]->SetColor(i == 0 ? clRed : clBlue);
      panels[i]->SetBounds(20 + 40 * i, 0, 100, 30);
      panels[i]->SetParent(bar);
    }
    SetForegroundWindow(form->Handle());
    ServeApplication(100);
  }
  std::unique_ptr<TForm> form;
  TFrameRecordingBar* bar = nullptr;
  TColorPanel* panels[2] = {nullptr, nullptr};
};

TEST_F(ControlBarTest, ChildrenOfOneRowShareItWithoutOverlapping) {
  EXPECT_EQ(1, bar->RowCount());
  EXPECT_EQ(0, bar->RowOf(panels[0]));
  EXPECT_EQ(0, bar->RowOf(panels[1]));
  EXPECT_EQ(Bounds(20, 2, 100, 22), panels[0]->BoundsRect());  // snapped to the 26-pixel row
  // The second band starts where the first ends: its child follows behind a grab area.
  EXPECT_EQ(TCustomControlBar::BandRect(panels[0]).Right, TCustomControlBar::BandRect(panels[1]).Left);
  EXPECT_EQ(20 + 100 + 2 + 11, panels[1]->Left());
}

TEST_F(ControlBarTest, DraggingAGrabAreaBelowTheRowMakesASecondRow) {
  const TRect band = TCustomControlBar::BandRect(panels[1]);
  Drag(bar, band.Left + 5, 12, band.Left + 5, 40);
  EXPECT_EQ(2, bar->RowCount());
  EXPECT_EQ(0, bar->RowOf(panels[0]));
  EXPECT_EQ(1, bar->RowOf(panels[1]));
  EXPECT_EQ(26 + 2, panels[1]->Top());
  EXPECT_EQ(band.Left + 11, panels[1]->Left());
  // Dragged back into the first row, before the other band: the rows merge, order swaps.
  Drag(bar, panels[1]->Left() - 6, 38, 2, 12);
  EXPECT_EQ(1, bar->RowCount());
  EXPECT_EQ(11, panels[1]->Left());
  EXPECT_LT(panels[1]->Left(), panels[0]->Left());
}

TEST_F(ControlBarTest, PressingOutsideAGrabAreaDragsNothing) {
  const TRect before = panels[1]->BoundsRect();
  Drag(bar, 300, 12, 300, 60);  // the bar's face right of the bands
  EXPECT_EQ(before, panels[1]->BoundsRect());
  EXPECT_EQ(1, bar->RowCount());
}

TEST_F(ControlBarTest, EachBandIsFramedAroundItsChildAndGrabArea) {
  bar->frames.clear();
  bar->Invalidate();
  bar->Update();
  ServeApplication(100);
  ASSERT_FALSE(bar->frames.empty());
  const TRect first = panels[0]->BoundsRect();
  EXPECT_EQ(Rect(first.Left - 11, first.Top - 2, first.Right + 2, first.Bottom + 2), bar->frames[0]);
  // The grab area shows the default frame's lines, not the bar's plain face.
  EXPECT_NE(static_cast<COLORREF>(ColorToRGB(clBtnFace)), ControlPixel(bar, first.Left - 11, first.Top + 5));
}

TEST_F(ControlBarTest, FreeingAChildLeavesTheOthersInTheirRows) {
  delete panels[0];
  bar->AdjustBands();
  EXPECT_EQ(1, bar->RowCount());
  EXPECT_EQ(0, bar->RowOf(panels[1]));
  EXPECT_EQ(-1, bar->RowOf(panels[0]));
}

}  // namespace
