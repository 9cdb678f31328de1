// The skinned panel and group box: sizes and client areas, rolling up and down, check
// mode, the background picture and the transparent group frame.
#include <gtest/gtest.h>

#include <memory>

#include "SkinControlsFixtures.h"
#include "TestSkin.h"
#include "window_support.h"

using namespace skinbases;

namespace {

class SkinPanel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterTestControls(); }
  void SetUp() override { form.reset(testsupport::ShowTestForm(400, 300)); }

  // A panel on the form; look-less unless given skin data.
  TspSkinPanel* NewPanel(TspSkinData* skin = nullptr) {
    auto* panel = new TspSkinPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 150, 150);
    if (skin != nullptr) panel->SetSkinData(skin);
    return panel;
  }
  TControl* AddChild(TspSkinPanel* panel, TAlign align = alNone) {
    auto* child = new TTestSkinControl(form.get());
    child->SetParent(panel);
    child->SetBounds(30, 40, 20, 20);
    child->SetAlign(align);
    return child;
  }

  std::unique_ptr<TForm> form;
};

TRect ClientOf(TspSkinPanel& panel) {
  TRect rect;
  panel.GetSkinClientRect(rect);
  return rect;
}

}  // namespace

TEST_F(SkinPanel, ANewPanelAndGroupBoxTakeTheirSizesLooksAndCaptionBar) {
  TspSkinPanel panel(nullptr);
  EXPECT_EQ(150, panel.Width());
  EXPECT_EQ(150, panel.Height());
  EXPECT_EQ(AnsiString("panel"), panel.SkinDataName());
  EXPECT_FALSE(panel.CaptionMode());
  TspSkinGroupBox box(nullptr);
  EXPECT_EQ(AnsiString("groupbox"), box.SkinDataName());
  EXPECT_TRUE(box.CaptionMode());
}

TEST_F(SkinPanel, LookLessClientAreaLeavesTheBorderAndCaptionBar) {
  struct Case {
    TspSkinBorderStyle border;
    bool caption;
    TRect client;
  };
  const Case cases[] = {{TspSkinBorderStyle::bvFrame, true, Rect(1, 23, 149, 149)},
                        {TspSkinBorderStyle::bvNone, true, Rect(0, 22, 150, 150)},
                        {TspSkinBorderStyle::bvLowered, false, Rect(1, 1, 149, 149)}};
  for (const Case& c : cases) {
    TspSkinPanel* panel = NewPanel();
    panel->SetBorderStyle(c.border);
    panel->SetCaptionMode(c.caption);
    TControl* child = AddChild(panel, alClient);
    EXPECT_EQ(c.client, ClientOf(*panel));
    EXPECT_EQ(c.client, child->BoundsRect());
  }
}

TEST_F(SkinPanel, RollingUpAndDownRestoresHeightChildrenAndConstraints) {
  TspSkinPanel* panel = NewPanel();
  panel->SetCaptionMode(true);
  panel->SetRollUpMode(true);
  TControl* shown = AddChild(panel);
  TControl* hidden = AddChild(panel);
  hidden->SetVisible(false);
  panel->Constraints()->MinHeight = 100;
  panel->Constraints()->MaxWidth = 300;
  int changes = 0;
  struct TCounter {
    int& n;
    void Changed(TObject*) { ++n; }
  } counter{changes};
  panel->OnChangeRollUpState = TNotifyEvent(&counter, &TCounter::Changed);

  for (int round = 0; round < 2; ++round) {
    panel->SetRollUpState(true);
    EXPECT_EQ(23, panel->Height());
    EXPECT_EQ(150, panel->RealHeight());
    EXPECT_FALSE(shown->Visible());
    EXPECT_EQ(0, panel->Constraints()->MinHeight);
    EXPECT_EQ(0, panel->Constraints()->MaxWidth);

    panel->SetRollUpState(false);
    EXPECT_EQ(150, panel->Height());
    EXPECT_EQ(-1, panel->RealHeight());
    EXPECT_TRUE(shown->Visible());
    EXPECT_TRUE(hidden->Visible());
    EXPECT_EQ(100, panel->Constraints()->MinHeight) << "round " << round;
    EXPECT_EQ(300, panel->Constraints()->MaxWidth) << "round " << round;
  }
  EXPECT_EQ(4, changes);
}

TEST_F(SkinPanel, AClickOnTheLookLessCaptionBarRollsTheRealWindow) {
  TspSkinPanel* panel = NewPanel();
  panel->SetCaptionMode(true);
  panel->SetRollUpMode(true);
  testsupport::Click(panel, 60, 10);
  EXPECT_TRUE(panel->RollUpState());
  EXPECT_EQ(23, panel->Height());
  testsupport::Click(panel, 60, 10);
  EXPECT_FALSE(panel->RollUpState());
  EXPECT_EQ(150, panel->Height());
}

TEST_F(SkinPanel, CheckModeEnablesAndDisablesTheChildren) {
  TspSkinPanel* panel = NewPanel();
  TControl* child = AddChild(panel);
  int checks = 0;
  struct TCounter {
    int& n;
    void Checked(TObject*) { ++n; }
  } counter{checks};
  panel->OnChecked = TNotifyEvent(&counter, &TCounter::Checked);

  panel->SetChecked(false);  // outside check mode: the event only
  EXPECT_TRUE(child->Enabled());
  panel->SetCheckedMode(true);
  panel->SetChecked(false);
  EXPECT_FALSE(child->Enabled());
  panel->SetChecked(true);
  EXPECT_TRUE(child->Enabled());
  EXPECT_EQ(3, checks);
}

TEST_F(SkinPanel, WithALookAnEmptyCaptionStillTogglesByAClickInItsRectangle) {
  auto skin = LoadBasesSkin("skinpanel_caption", {{"panel/captionrect", "10,0,54,8"}});
  TspSkinPanel* panel = NewPanel(skin.get());
  panel->SetCaptionMode(true);
  panel->SetCheckedMode(true);
  panel->Repaint();
  testsupport::ServeApplication(50);
  // The caption rectangle moves with the right edge of the nine-part look: (10,0)-(140,8).
  testsupport::Click(panel, 100, 4);
  EXPECT_TRUE(panel->Checked());
  testsupport::Click(panel, 100, 20);
  EXPECT_TRUE(panel->Checked());
}

TEST_F(SkinPanel, ABackgroundPictureLookShowsOnlyThePictureOverTheWholeControl) {
  auto skin = LoadBasesSkin("skinpanel_background", {{"panel/bgpictureindex", "1"}});
  TspSkinPanel* panel = NewPanel(skin.get());
  panel->SetCaptionMode(true);
  panel->SetBounds(10, 10, 100, 60);
  EXPECT_EQ(Rect(0, 0, 100, 60), ClientOf(*panel));
  const std::vector<TColor> face = FaceOf(panel);
  TBitmap* picture = skin->ActivePictures[1].get();
  for (int y = 0; y < 60; y += 7) {
    for (int x = 0; x < 100; x += 9)
      ASSERT_EQ(picture->Canvas()->Pixels(x % picture->Width(), y % picture->Height()), face[y * 100 + x])
          << x << "," << y;
  }
}

TEST_F(SkinPanel, ABackgroundPictureTheSkinLacksLeavesTheLooksFace) {
  auto skin = LoadBasesSkin("skinpanel_nobackground", {{"panel/bgpictureindex", "4162"}});
  TspSkinPanel* panel = NewPanel(skin.get());
  panel->SetBounds(10, 10, 100, 60);
  EXPECT_EQ(Rect(10, 8, 90, 52), ClientOf(*panel)) << "the nine-part look's client";
  EXPECT_EQ(BorderStripsOverComposedLook(*skin, "panel", 100, 60), FaceOf(panel));
}

TEST_F(SkinPanel, TransparentModeDrawsTheFrameInTheLooksBottomCentreColourOverTheParent) {
  auto skin = LoadBasesSkin("skinpanel_transparent", {{"panel/fontheight", "14"}});
  form->SetColor(0x00FFFF);
  TspSkinPanel* panel = NewPanel(skin.get());
  panel->SetBounds(10, 10, 100, 60);
  panel->SetTransparentMode(true);
  panel->SetCaption("Jobs");
  const TColor frame = skintest::PictureColour(skintest::piActive0, 32, 47);
  const TColor parent = 0x00FFFF;
  // Without a caption the frame is a rectangle; with one its top line runs through the
  // middle of the caption's rows, so the top row shows the parent.
  struct Case {
    bool caption;
    TColor topRow;
  };
  for (const Case c : {Case{false, frame}, Case{true, parent}}) {
    panel->SetCaptionMode(c.caption);
    const std::vector<TColor> face = FaceOf(panel);
    EXPECT_EQ(frame, face[59 * 100 + 50]) << "bottom line, caption " << c.caption;
    EXPECT_EQ(frame, face[40 * 100 + 0]) << "left line, caption " << c.caption;
    EXPECT_EQ(frame, face[40 * 100 + 99]) << "right line, caption " << c.caption;
    EXPECT_EQ(parent, face[40 * 100 + 50]) << "inside, caption " << c.caption;
    EXPECT_EQ(c.topRow, face[0 * 100 + 2]) << "top row, caption " << c.caption;
  }
}

TEST_F(SkinPanel, TheCaptionIsDrawnInsideItsBarWithAndWithoutALook) {
  constexpr TColor kCaption = 0x0000FF;
  auto skin = LoadBasesSkin("skinpanel_captionface", {{"panel/captionrect", "12,1,50,7"},
                                                      {"panel/fontheight", "14"},
                                                      {"panel/fontstyle", ""},
                                                      {"panel/fontcolor", std::to_string(kCaption)},
                                                      {"panel/framerect", "0,0,0,0"}});
  struct Case {
    TspSkinData* skin;
    int barBottom;  // the caption's rows end above this row
  };
  for (const Case c : {Case{nullptr, 22}, Case{skin.get(), 8}}) {
    TspSkinPaintPanel* panel = new TspSkinPaintPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 150, 100);
    panel->DefaultFont()->SetColor(kCaption);
    panel->SetCaption("Jobs");
    panel->SetCaptionMode(true);
    if (c.skin != nullptr) panel->SetSkinData(c.skin);
    const std::vector<TColor> face = FaceOf(panel);
    int inside = 0, outside = 0;
    for (size_t i = 0; i < face.size(); ++i) {
      if (face[i] == kCaption) ++(static_cast<int>(i) / 150 < c.barBottom ? inside : outside);
    }
    EXPECT_GT(inside, 10) << "look " << (c.skin != nullptr);
    EXPECT_EQ(0, outside) << "look " << (c.skin != nullptr);
  }
}

TEST_F(SkinPanel, APaintPanelsOwnerDrawsOnTheFaceInTheClientRectangle) {
  auto* panel = new TspSkinPaintPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(10, 10, 60, 40);
  panel->SetCaptionMode(true);
  panel->SetDefaultCaptionHeight(10);
  struct TOwner {
    TRect given;
    void Paint(TCanvas* canvas, TRect rect) {
      given = rect;
      canvas->Brush()->SetColor(0x00FF00);
      canvas->FillRect(rect);
    }
  } owner;
  panel->OnPanelPaint = TspPaintPanelEvent(&owner, &TOwner::Paint);
  const std::vector<TColor> face = FaceOf(panel);
  EXPECT_EQ(Rect(1, 11, 59, 39), owner.given);
  EXPECT_EQ(TColor(0x00FF00), face[20 * 60 + 30]);
  EXPECT_NE(TColor(0x00FF00), face[5 * 60 + 30]) << "the caption bar stays";
}
