// The skinned status bar and status panel: docking, the grip's room and hit test, the
// skin data handed to children, and the auto-sized panel with a glyph.
#include <gtest/gtest.h>

#include <memory>

#include "SkinControlsFixtures.h"
#include "window_support.h"

using namespace skinbases;

namespace {

class SkinStatusBar : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterTestControls(); }
  void SetUp() override {
    form.reset(testsupport::ShowTestForm(300, 200));
    bar = new TspSkinStatusBar(form.get());
    bar->SetParent(form.get());
  }

  std::unique_ptr<TForm> form;
  TspSkinStatusBar* bar = nullptr;
};

TRect ClientOf(TspSkinPanel& panel) {
  TRect rect;
  panel.GetSkinClientRect(rect);
  return rect;
}

LRESULT HitTest(TWinControl* control, int x, int y) {
  POINT point{x, y};
  ClientToScreen(control->Handle(), &point);
  return SendMessageA(control->Handle(), WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
}

}  // namespace

TEST_F(SkinStatusBar, ANewBarDocksAtTheBottomWithoutBorderOrGripAndANewPanelIsLabelSized) {
  EXPECT_EQ(alBottom, bar->Align());
  EXPECT_EQ(21, bar->Height());
  EXPECT_EQ(200 - 21, bar->Top());
  EXPECT_EQ(300, bar->Width());
  EXPECT_EQ(TspSkinBorderStyle::bvNone, bar->BorderStyle());
  EXPECT_FALSE(bar->HasGrip());
  TspSkinStatusPanel panel(nullptr);
  EXPECT_EQ(120, panel.Width());
  EXPECT_EQ(21, panel.Height());
  EXPECT_EQ(AnsiString("statuspanel"), panel.SkinDataName());
}

TEST_F(SkinStatusBar, TheGripTakesItsRoomAtTheRight) {
  EXPECT_EQ(Rect(0, 0, 300, 21), ClientOf(*bar));
  bar->SetSizeGrip(true);
  EXPECT_EQ(Rect(0, 0, 279, 21), ClientOf(*bar)) << "look-less: the bar's own height";
  TRect grip;
  bar->GetGripRect(grip);
  EXPECT_EQ(Rect(281, 0, 300, 19), grip);
  bar->SetShowGrip(false);
  EXPECT_EQ(Rect(0, 0, 300, 21), ClientOf(*bar));

  auto skin = LoadBasesSkin("skinstatus_gripper", {{"panel/gripperrect", "40,30,52,42"}});
  bar->SetShowGrip(true);
  bar->SetSkinDataName("panel");
  bar->SetSkinData(skin.get());
  const TRect client = ClientOf(*bar);
  EXPECT_EQ(bar->Width() - 12, client.Right) << "a 12 x 12 gripper look takes 12";
  bar->GetGripRect(grip);
  EXPECT_EQ(Rect(client.Right, client.Bottom - 12, client.Right + 12, client.Bottom), grip);
}

TEST_F(SkinStatusBar, TheGripAnswersBottomRightAndTheRestOfTheBarClient) {
  bar->SetSizeGrip(true);
  testsupport::ServeApplication(50);
  EXPECT_EQ(HTBOTTOMRIGHT, HitTest(bar, 290, 10));
  EXPECT_EQ(HTCLIENT, HitTest(bar, 100, 10));
  EXPECT_EQ(HTCLIENT, HitTest(bar, 279, 20));
}

TEST_F(SkinStatusBar, SkinDataReachesTheSkinnedWindowedChildrenOnly) {
  auto* windowed = new TspSkinStatusPanel(form.get());
  windowed->SetParent(bar);
  auto* graphic = new TspSkinStdLabel(form.get());
  graphic->SetParent(bar);
  auto skin = LoadBasesSkin("skinstatus_children");
  bar->SetSkinData(skin.get());
  EXPECT_EQ(skin.get(), windowed->SkinData());
  EXPECT_EQ(nullptr, graphic->SkinData());
}

TEST_F(SkinStatusBar, AnAutoSizedLookLessPanelMakesRoomForGlyphAndCaption) {
  auto* panel = new TspSkinStatusPanel(form.get());
  panel->SetParent(bar);
  panel->SetCaption("Ready to go");
  TBitmap glyph;
  glyph.SetSize(16, 16);
  panel->SetGlyph(&glyph);
  panel->SetAutoSize(true);
  TBitmap measure;
  measure.Canvas()->Font()->Assign(panel->DefaultFont());
  const int caption = measure.Canvas()->TextWidth("Ready to go");
  EXPECT_EQ(16 + 3 + caption + 4, panel->Width());
}
