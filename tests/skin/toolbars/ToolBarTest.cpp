// The skinned tool bar on a shown form: the scroll range with its non-client buttons,
// steps by code, by a held button and by resting the pointer, widening back, the caption
// widths, the settings it hands to its speed buttons and the looks a design surface
// renames them to.
#include <functional>

#include "ButtonFixture.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/stdctrls/Edit.h"
#include "window_support.h"

using namespace skinbuttons;

namespace {

class ToolBarTest : public ButtonTest {
 protected:
  // A bar 200 wide with twelve speed buttons 25 wide side by side (the row ends at 300).
  TspSkinToolBar* PlaceBar(int width = 200) {
    auto* bar = new TspSkinToolBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 60, width, 30);
    for (int i = 0; i < 12; ++i) {
      auto* button = new TspSkinSpeedButton(form);
      button->SetParent(bar);
      button->SetBounds(i * 25, 0, 25, 25);
      buttons.push_back(button);
    }
    testsupport::ServeApplication(20);
    return bar;
  }

  bool ServeUntil(const std::function<bool()>& done) {
    const ULONGLONG end = GetTickCount64() + 3000;
    while (!done()) {
      if (GetTickCount64() > end) return false;
      testsupport::ServeApplication(10);
    }
    return true;
  }

  std::vector<TspSkinSpeedButton*> buttons;
};

TEST_F(ToolBarTest, ARowWiderThanTheBarShowsTheScrollButtonsAndStepsByTheHiddenRest) {
  TspSkinToolBar* bar = PlaceBar();
  EXPECT_FALSE(bar->ScrollButtonsVisible());
  EXPECT_EQ(200, bar->ClientWidth());

  bar->SetCanScroll(true);
  EXPECT_TRUE(bar->ScrollButtonsVisible());
  EXPECT_EQ(176, bar->ClientWidth());
  EXPECT_EQ(299, bar->RangeEnd());

  bar->ScrollStep(true);
  EXPECT_EQ(124, bar->ScrollPosition());
  EXPECT_EQ(-124, buttons[0]->Left());
  EXPECT_EQ(176, buttons[11]->Left() + buttons[11]->Width());
  bar->ScrollStep(true);
  EXPECT_EQ(-124, buttons[0]->Left());

  bar->ScrollStep(false);
  EXPECT_EQ(0, bar->ScrollPosition());
  EXPECT_EQ(0, buttons[0]->Left());
}

TEST_F(ToolBarTest, WideningUntilTheRowFitsMovesItBackAndHidesTheButtons) {
  TspSkinToolBar* bar = PlaceBar();
  bar->SetCanScroll(true);
  bar->ScrollStep(true);
  ASSERT_EQ(-124, buttons[0]->Left());

  bar->SetBounds(0, 60, 260, 30);
  EXPECT_TRUE(bar->ScrollButtonsVisible());
  EXPECT_EQ(64, bar->ScrollPosition());
  EXPECT_EQ(-64, buttons[0]->Left());

  bar->SetBounds(0, 60, 330, 30);
  EXPECT_FALSE(bar->ScrollButtonsVisible());
  EXPECT_EQ(0, buttons[0]->Left());
  EXPECT_EQ(330, bar->ClientWidth());
}

TEST_F(ToolBarTest, RefusedScrollSettingsKeepTheirValues) {
  TspSkinToolBar* bar = PlaceBar();
  bar->SetScrollOffset(-1);
  bar->SetScrollTimerInterval(0);
  EXPECT_EQ(0, bar->ScrollOffset());
  EXPECT_EQ(50, bar->ScrollTimerInterval());
  bar->SetScrollOffset(30);
  bar->SetScrollTimerInterval(-5);
  EXPECT_EQ(30, bar->ScrollOffset());
  EXPECT_EQ(50, bar->ScrollTimerInterval());
}

TEST_F(ToolBarTest, RestingOnTheRightButtonWithHotScrollStepsUntilTheEnd) {
  TspSkinToolBar* bar = PlaceBar();
  bar->SetCanScroll(true);
  bar->SetHotScroll(true);
  bar->SetScrollOffset(20);
  testsupport::MoveMouse(bar, bar->ClientWidth() + 5, 10);
  EXPECT_TRUE(ServeUntil([&] { return bar->ScrollPosition() > 0; }));
  EXPECT_LT(bar->ScrollPosition(), 124);
  EXPECT_TRUE(ServeUntil([&] { return bar->ScrollPosition() == 124; }));
  testsupport::ServeApplication(120);
  EXPECT_EQ(-124, buttons[0]->Left());
}

TEST_F(ToolBarTest, AClickOnTheLeftButtonStepsBack) {
  TspSkinToolBar* bar = PlaceBar();
  bar->SetCanScroll(true);
  bar->SetScrollOffset(30);
  bar->SetScrollTimerInterval(5000);
  bar->ScrollStep(true);
  bar->ScrollStep(true);
  ASSERT_EQ(60, bar->ScrollPosition());
  PressAt(bar, -5, 10);
  ReleaseButton();
  EXPECT_EQ(30, bar->ScrollPosition());
  EXPECT_EQ(-30, buttons[0]->Left());
}

TEST_F(ToolBarTest, ShowCaptionsSwitchesTheBarsWidthAndTheButtonsCaptions) {
  TspSkinToolBar* bar = PlaceBar(150);
  bar->SetWidthWithCaptions(300);
  bar->SetWidthWithoutCaptions(120);
  bar->SetAutoShowHideCaptions(true);
  for (bool on : {true, false, true}) {
    bar->SetShowCaptions(on);
    EXPECT_EQ(on ? 300 : 120, bar->Width());
    EXPECT_EQ(on, buttons[3]->ShowCaption());
  }
}

TEST_F(ToolBarTest, FlatnessSkinAndImagesReachTheSpeedButtons) {
  TspSkinToolBar* bar = PlaceBar();
  bar->SetFlat(true);
  EXPECT_TRUE(buttons[5]->Flat());
  TspSkinData* skin = ButtonSkin();
  bar->SetSkinData(skin);
  EXPECT_EQ(skin, buttons[5]->SkinData());
  auto* images = new TImageList(form);
  bar->SetHotImages(images);
  EXPECT_EQ(images, bar->HotImages());
  delete images;
  EXPECT_EQ(nullptr, bar->HotImages());
}

TEST_F(ToolBarTest, RenamingTheBarsLookOnADesignSurfaceRenamesItsSpeedButtons) {
  struct Case {
    const char* bar;
    const char* speed;
    const char* trackMenu;
    const char* menu;
  };
  TspSkinToolBar* bar = PlaceBar();
  auto* track = new TspSkinMenuSpeedButton(form);
  track->SetParent(bar);
  track->SetTrackButtonMode(true);
  auto* menu = new TspSkinMenuSpeedButton(form);
  menu->SetParent(bar);

  bar->SetSkinDataName("bigtoolpanel");
  EXPECT_EQ("toolbutton", buttons[0]->SkinDataName());

  bar->SetComponentState(csDesigning, true);
  for (const Case& c : {Case{"bigtoolpanel", "bigtoolbutton", "bigtoolmenutrackbutton", "bigtoolmenubutton"},
                        Case{"resizetoolpanel", "resizetoolbutton", "resizetoolbutton", "resizetoolbutton"},
                        Case{"panel", "resizebutton", "resizebutton", "resizebutton"},
                        Case{"toolpanel", "toolbutton", "toolmenutrackbutton", "toolmenubutton"}}) {
    SCOPED_TRACE(c.bar);
    bar->SetSkinDataName(c.bar);
    EXPECT_EQ(c.speed, buttons[0]->SkinDataName());
    EXPECT_EQ(c.trackMenu, track->SkinDataName());
    EXPECT_EQ(c.menu, menu->SkinDataName());
  }
  bar->SetComponentState(csDesigning, false);
}

TEST_F(ToolBarTest, APlainChildIsCentredVertically) {
  TspSkinToolBar* bar = PlaceBar();
  auto* edit = new TEdit(form);
  edit->SetParent(bar);
  edit->SetBounds(0, 0, 40, 20);
  bar->SetBounds(0, 60, 200, 40);
  testsupport::ServeApplication(20);
  const TRect client = bar->SkinClientRect();
  EXPECT_EQ(client.Top + client.Height() / 2 - 10, edit->Top());
}

}  // namespace
