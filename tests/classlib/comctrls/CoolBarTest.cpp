// The cool bar: each band's control in its band, vertical bars stacking their bands.
#include <gtest/gtest.h>

#include <memory>

#include "../windowing/WindowingFixtures.h"
#include "classlib/comctrls/CoolBar.h"

namespace {

bool Inside(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right && inner.Bottom <= outer.Bottom;
}

class CoolBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(400, 300));
  }
  TCoolBar* MakeBar(bool vertical) {
    auto* bar = new TCoolBar(form.get());
    bar->SetVertical(vertical);
    bar->SetAlign(vertical ? alLeft : alTop);
    bar->SetParent(form.get());
    for (int i = 0; i < 2; ++i) {
      auto* panel = new TColorPanel(form.get());
      panel->SetBounds(0, 0, 80, 25);
      panel->SetColor(i == 0 ? clRed : clBlue);
      panel->SetParent(bar);
      TCoolBand* band = bar->Bands()->Add();
      band->SetBreak(false);
      band->SetText(i == 0 ? "One" : "Two");
      band->SetControl(panel);
      panels[i] = panel;
    }
    ServeApplication(150);
    return bar;
  }
  std::unique_ptr<TForm> form;
  TColorPanel* panels[2] = {nullptr, nullptr};
};

TEST_F(CoolBarTest, EachBandsControlSitsInItsBand) {
  TCoolBar* bar = MakeBar(false);
  ASSERT_EQ(2, bar->Bands()->Count());
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(Inside(panels[i]->BoundsRect(), bar->BandRect(i)))
        << i << ": " << panels[i]->Left() << "," << panels[i]->Top() << " in " << bar->BandRect(i).Left << ","
        << bar->BandRect(i).Top << "-" << bar->BandRect(i).Right << "," << bar->BandRect(i).Bottom;
  }
  const TPoint red = panels[0]->ClientToScreen(Point(5, 5));
  EXPECT_EQ(clRed, static_cast<TColor>(testsupport::ScreenPixel(red.X, red.Y)));
  EXPECT_GT(GetComCtlVersion(), DWORD{0});
  EXPECT_LT(GetComCtlVersion(), DWORD{0x60000});  // no manifest asks for version 6 here
}

TEST_F(CoolBarTest, AVerticalBarRunsItsBandsDownward) {
  TCoolBar* bar = MakeBar(true);
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(Inside(panels[i]->BoundsRect(), bar->BandRect(i))) << i;
    EXPECT_GT(panels[i]->Height(), panels[i]->Width()) << i;  // each band runs along the bar
  }
  EXPECT_GT(bar->Height(), bar->Width());
}

}  // namespace
