// The expandable panel on a shown form: rolling either way with its size, children and
// limits, the caption buttons under real mouse input, the caption written upwards in the
// rolled bar, and the pictures and rolled sizes of an "expanel" look.
#include <gtest/gtest.h>

#include <algorithm>

#include "ButtonFixture.h"
#include "TestSkin.h"
#include "classlib/stdctrls/Panel.h"
#include "skin/controls/Skinctrls_ExPanel.h"
#include "window_support.h"

using testsupport::ServeApplication;

namespace {

// The "expanel" look over active picture 0 (64 x 48, every pixel coloured by its place):
// a nine-part face of 40 x 30 with a 20-pixel top border, a 14-pixel rolled strip and a
// 16-pixel rolled bar; the roll and restore buttons have no hot or pressed pictures.
skinbuttons::TLookKeys ExPanelLook(const std::string& rollStrip = "0,30,40,44") {
  return {{"pictureindex", "0"},
          {"maskpictureindex", "-1"},
          {"cursorindex", "-1"},
          {"skinrect", "0,0,40,30"},
          {"lefttoppoint", "8,20"},
          {"righttoppoint", "32,20"},
          {"leftbottompoint", "8,26"},
          {"rightbottompoint", "32,26"},
          {"clientrect", "8,20,32,26"},
          {"leftstretch", "0"},
          {"topstretch", "0"},
          {"rightstretch", "0"},
          {"bottomstretch", "0"},
          {"stretcheffect", "0"},
          {"stretchtype", "stfull"},
          {"captionrect", "2,2,38,18"},
          {"closebuttonrect", "40,0,52,12"},
          {"closebuttonactiverect", "52,0,64,12"},
          {"closebuttondownrect", "40,12,52,24"},
          {"vrollbuttonrect", "52,12,62,22"},
          {"vrollbuttonactiverect", "0,0,0,0"},
          {"vrollbuttondownrect", "0,0,0,0"},
          {"vrestorebuttonrect", "40,24,50,34"},
          {"vrestorebuttonactiverect", "0,0,0,0"},
          {"vrestorebuttondownrect", "0,0,0,0"},
          {"hrollbuttonrect", "50,24,60,34"},
          {"hrollbuttonactiverect", "0,0,0,0"},
          {"hrollbuttondownrect", "0,0,0,0"},
          {"hrestorebuttonrect", "50,34,60,44"},
          {"hrestorebuttonactiverect", "0,0,0,0"},
          {"hrestorebuttondownrect", "0,0,0,0"},
          {"rollvskinrect", rollStrip},
          {"rollleftoffset", "4"},
          {"rollrightoffset", "4"},
          {"rollvcaptionrect", "2,1,38,13"},
          {"rollhskinrect", "40,34,56,48"},
          {"rolltopoffset", "4"},
          {"rollbottomoffset", "4"},
          {"rollhcaptionrect", "2,2,14,12"},
          {"fontname", "Arial"},
          {"fontheight", "14"},
          {"fontstyle", ""},
          {"fontcolor", "0"},
          {"buttonstransparent", "0"},
          {"buttonstransparentcolor", "0"}};
}

COLORREF PicturePixel(int x, int y) {
  return static_cast<COLORREF>(skintest::PictureColour(skintest::piActive0, x, y));
}

TPoint Centre(const TRect& r) { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

class ExPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitializeSkinControls();
    form = testsupport::ShowTestForm(400, 300);
    panel = new TspSkinExPanel(form);
    panel->SetParent(form);
    panel->SetLeft(10);
    panel->SetTop(10);
    child = new TPanel(form);
    child->SetParent(panel);
    child->SetAlign(alClient);
    panel->OnChangeRollState = rollChanges.Event();
    panel->OnClose = closes.Event();
    ServeApplication(30);
  }
  void TearDown() override { delete form; }

  TPoint ButtonCentre(int index) const { return Centre(panel->ButtonRect(index)); }

  TForm* form = nullptr;
  TspSkinExPanel* panel = nullptr;
  TPanel* child = nullptr;
  skinbuttons::TCallCounter rollChanges;
  skinbuttons::TCallCounter closes;
};

TEST_F(ExPanelTest, ANewPanelHasTheLooklessCaptionBarWithBothButtonsAtItsRightEnd) {
  EXPECT_EQ(150, panel->Width());
  EXPECT_EQ(100, panel->Height());
  EXPECT_EQ(21, panel->DefaultCaptionHeight());
  EXPECT_EQ(rkRollVertical, panel->RollKind());
  EXPECT_FALSE(panel->RollState());
  // Square buttons of caption height - 6, 3 pixels down, the close button 2 from the right.
  EXPECT_EQ(Rect(133, 3, 148, 18), panel->ButtonRect(TspSkinExPanel::kCloseButton));
  EXPECT_EQ(Rect(118, 3, 133, 18), panel->ButtonRect(TspSkinExPanel::kRollButton));
  // The children share what is below the caption inside a one-pixel border.
  EXPECT_EQ(Rect(1, 21, 149, 99), child->BoundsRect());
  // Without the close button the roll button takes its place.
  panel->SetShowCloseButton(false);
  ServeApplication(30);
  EXPECT_EQ(Rect(133, 3, 148, 18), panel->ButtonRect(TspSkinExPanel::kRollButton));
}

TEST_F(ExPanelTest, RolledVerticallyItHoldsTheCaptionHeightAndUnrollingRestoresSizeAndLimits) {
  TSizeConstraints* limits = panel->Constraints();
  limits->MinHeight = 60;
  limits->MaxHeight = 300;
  limits->MinWidth = 100;
  panel->SetRollState(true);
  ServeApplication(30);
  EXPECT_EQ(21, panel->Height());
  EXPECT_EQ(100, panel->RealHeight());
  EXPECT_FALSE(child->Visible());
  EXPECT_EQ(0, limits->MinHeight);
  EXPECT_EQ(0, limits->MaxHeight);
  EXPECT_EQ(0, limits->MinWidth);
  panel->SetHeight(80);
  EXPECT_EQ(21, panel->Height());
  panel->SetBounds(10, 10, 170, 250);
  EXPECT_EQ(21, panel->Height());
  EXPECT_EQ(170, panel->Width());

  panel->SetRollState(false);
  ServeApplication(30);
  EXPECT_EQ(100, panel->Height());
  EXPECT_EQ(0, panel->RealHeight());
  EXPECT_TRUE(child->Visible());
  EXPECT_EQ(60, limits->MinHeight);
  EXPECT_EQ(300, limits->MaxHeight);
  EXPECT_EQ(100, limits->MinWidth);
  EXPECT_EQ(Rect(1, 21, 169, 99), child->BoundsRect());
  EXPECT_EQ(2, rollChanges.count);
}

TEST_F(ExPanelTest, TheRollButtonRollsOnlyWhenReleasedOverIt) {
  const TPoint roll = ButtonCentre(TspSkinExPanel::kRollButton);
  testsupport::Drag(panel, roll.X, roll.Y, 60, 60);
  EXPECT_FALSE(panel->RollState());
  EXPECT_EQ(100, panel->Height());
  EXPECT_EQ(0, rollChanges.count);

  testsupport::Click(panel, roll.X, roll.Y);
  EXPECT_TRUE(panel->RollState());
  EXPECT_EQ(21, panel->Height());
  EXPECT_EQ(1, rollChanges.count);
  // The restore button stands where the roll button was.
  testsupport::Click(panel, roll.X, roll.Y);
  EXPECT_FALSE(panel->RollState());
  EXPECT_EQ(100, panel->Height());
}

TEST_F(ExPanelTest, WhileTheCloseButtonIsHeldTheRollButtonStaysDarkAndTheReleaseOverItCloses) {
  const TPoint close = ButtonCentre(TspSkinExPanel::kCloseButton);
  const TPoint roll = ButtonCentre(TspSkinExPanel::kRollButton);
  testsupport::HoldMouse(panel, close.X, close.Y);
  EXPECT_TRUE(panel->ButtonHot(TspSkinExPanel::kCloseButton));
  testsupport::MoveMouse(panel, roll.X, roll.Y);
  EXPECT_FALSE(panel->ButtonHot(TspSkinExPanel::kRollButton));
  EXPECT_FALSE(panel->ButtonHot(TspSkinExPanel::kCloseButton));
  testsupport::MoveMouse(panel, close.X, close.Y);
  EXPECT_TRUE(panel->ButtonHot(TspSkinExPanel::kCloseButton));
  testsupport::ReleaseMouse();
  ServeApplication(30);
  EXPECT_FALSE(panel->Visible());
  EXPECT_EQ(1, closes.count);
  EXPECT_EQ(0, rollChanges.count);
}

TEST_F(ExPanelTest, TheHoveredLooklessButtonTakesTheHotFrame) {
  const TRect close = panel->ButtonRect(TspSkinExPanel::kCloseButton);
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_BTNFACE)), testsupport::ControlPixel(panel, close.Left, close.Top));
  testsupport::MoveMouse(panel, Centre(close).X, Centre(close).Y);
  EXPECT_EQ(static_cast<COLORREF>(0x800000), testsupport::ControlPixel(panel, close.Left, close.Top));
  EXPECT_EQ(static_cast<COLORREF>(0xD2BDB6), testsupport::ControlPixel(panel, close.Left + 1, close.Top + 1));
  testsupport::MoveMouse(panel, 60, 60);
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_BTNFACE)), testsupport::ControlPixel(panel, close.Left, close.Top));
}

TEST_F(ExPanelTest, RolledHorizontallyTheBarCarriesTheButtonsAndTheCaptionFromTheBottomUp) {
  panel->SetCaption("--------");
  panel->SetRollKind(rkRollHorizontal);
  panel->SetRollState(true);
  ServeApplication(30);
  ASSERT_EQ(21, panel->Width());
  EXPECT_EQ(100, panel->Height());
  EXPECT_EQ(150, panel->RealWidth());
  EXPECT_EQ(Rect(3, 3, 18, 18), panel->ButtonRect(TspSkinExPanel::kCloseButton));
  EXPECT_EQ(Rect(3, 18, 18, 33), panel->ButtonRect(TspSkinExPanel::kRollButton));

  // The dashes turn into one vertical stroke that starts 2 pixels above the bottom and
  // runs upwards for the text's width.
  TBitmap measure;
  measure.Canvas()->Font()->Assign(panel->DefaultFont());
  const int textWidth = measure.Canvas()->TextWidth(panel->Caption());
  const auto shot = testsupport::CaptureWindow(panel->Handle());
  int top = panel->Height(), bottom = -1, left = panel->Width(), right = -1;
  for (int y = 36; y < panel->Height() - 2; ++y) {
    for (int x = 2; x < panel->Width() - 2; ++x) {
      const TColor c = shot->Canvas()->Pixels(x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) > 150) continue;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  ASSERT_GE(bottom, 0) << "no caption drawn";
  EXPECT_GE(bottom, panel->Height() - 6);
  EXPECT_NEAR(panel->Height() - 2 - textWidth, top, 3);
  EXPECT_LE(right - left, 4);
}

TEST_F(ExPanelTest, ChangingTheRollKindWhileRolledKeepsTheSavedSize) {
  panel->SetRollState(true);
  panel->SetRollKind(rkRollHorizontal);
  ServeApplication(30);
  EXPECT_TRUE(panel->RollState());
  EXPECT_EQ(21, panel->Width());
  EXPECT_EQ(100, panel->Height());
  panel->SetRollState(false);
  EXPECT_EQ(150, panel->Width());
  EXPECT_EQ(100, panel->Height());
}

class SkinnedExPanelTest : public ExPanelTest {
 protected:
  void SetUp() override {
    ExPanelTest::SetUp();
    panel->SetSkinData(skinbuttons::SkinWithLook("expanel", ExPanelLook()));
    ServeApplication(30);
  }
};

TEST_F(SkinnedExPanelTest, TheButtonsShowTheirPicturesAndTheRollButtonFallsBackToItsNormalOne) {
  // The caption rectangle's right end moves with the width: 38 + 110; the roll button
  // stands 2 pixels left of the close button.
  const TRect close = panel->ButtonRect(TspSkinExPanel::kCloseButton);
  const TRect roll = panel->ButtonRect(TspSkinExPanel::kRollButton);
  EXPECT_EQ(Rect(136, 2, 148, 14), close);
  EXPECT_EQ(Rect(124, 2, 134, 12), roll);
  struct Case {
    const char* what;
    int button;
    bool hover;
    TPoint picture;
  } const cases[] = {{"close, normal", TspSkinExPanel::kCloseButton, false, {40, 0}},
                     {"close, hot", TspSkinExPanel::kCloseButton, true, {52, 0}},
                     {"roll, normal", TspSkinExPanel::kRollButton, false, {52, 12}},
                     {"roll, hot without a hot picture", TspSkinExPanel::kRollButton, true, {52, 12}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TRect r = panel->ButtonRect(c.button);
    const TPoint at = c.hover ? Centre(r) : TPoint{60, 60};
    testsupport::MoveMouse(panel, at.X, at.Y);
    EXPECT_EQ(PicturePixel(c.picture.X + 1, c.picture.Y + 1), testsupport::ControlPixel(panel, r.Left + 1, r.Top + 1));
  }
  // Held, the close button shows its pressed picture.
  testsupport::HoldMouse(panel, Centre(close).X, Centre(close).Y);
  EXPECT_EQ(PicturePixel(41, 13), testsupport::ControlPixel(panel, close.Left + 1, close.Top + 1));
  testsupport::MoveMouse(panel, 60, 60);
  testsupport::ReleaseMouse();
  EXPECT_TRUE(panel->Visible());
}

TEST_F(SkinnedExPanelTest, RolledItTakesTheLooksStripAndTheClientFollowsTheLook) {
  // With the look the children use the face's client rectangle.
  EXPECT_EQ(Rect(8, 20, 142, 96), child->BoundsRect());
  const TPoint roll = ButtonCentre(TspSkinExPanel::kRollButton);
  testsupport::Click(panel, roll.X, roll.Y);
  EXPECT_TRUE(panel->RollState());
  EXPECT_EQ(14, panel->Height());
  // The strip's restore button shows the restore picture.
  const TRect restore = panel->ButtonRect(TspSkinExPanel::kRollButton);
  EXPECT_EQ(PicturePixel(41, 25), testsupport::ControlPixel(panel, restore.Left + 1, restore.Top + 1));
}

TEST_F(SkinnedExPanelTest, ASkinChangeWhileRolledKeepsItRolledAtTheNewLooksSize) {
  panel->SetRollState(true);
  EXPECT_EQ(14, panel->Height());
  panel->SetSkinData(skinbuttons::SkinWithLook("expanel", ExPanelLook("0,30,40,40")));
  ServeApplication(30);
  EXPECT_TRUE(panel->RollState());
  EXPECT_EQ(10, panel->Height());
  EXPECT_FALSE(child->Visible());
  panel->SetRollState(false);
  EXPECT_EQ(100, panel->Height());
  EXPECT_TRUE(child->Visible());
}

}  // namespace
