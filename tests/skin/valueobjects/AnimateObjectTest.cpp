// Animation objects: the frames a timer tick shows (the tests call the timer's handler),
// playing once or in a cycle, the button style's forward and back play, and animations
// as the caption buttons of a dialog: their place in the row, BorderIcons, hints, window
// commands under real pointer input and the system menu they drop.
#include <gtest/gtest.h>

#include "../menus/MenuFixture.h"
#include "ValueObjectFixtures.h"
#include "classlib/windowing/Application.h"
#include "skin/controls/Skinmenus.h"
#include "skin/form/Formskinner_AnimateObject.h"

using namespace formskin;
using namespace formobjects;
using namespace valueobjects;

namespace {

const TRect kSpin{140, 120, 150, 130};
const TRect kFast{155, 120, 165, 130};
const TRect kHover{170, 120, 180, 130};
const TRect kPressed{185, 120, 195, 130};

TObjectEntry Animation(const std::string& name, const TRect& rect, int frames, int interval,
                       std::map<std::string, std::string> more = {}) {
  more["activeskinrect"] = RectText(kSmallFrames);
  more["countframes"] = std::to_string(frames);
  more["timerinterval"] = std::to_string(interval);
  return StripObject(name, "animate", rect, more);
}

std::vector<TObjectEntry> ClientObjects() {
  return {Animation("Spin", kSpin, 4, 60), Animation("Fast", kFast, 4, 10, {{"cycle", "1"}}),
          Animation("Hover", kHover, 6, 25, {{"buttonstyle", "1"}}),
          Animation("Pressed", kPressed, 4, 25, {{"buttonstyle", "1"}, {"downskinrect", RectText(kStripDownFace)}})};
}

class Animations : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(1200, 1000);
    form_ = MakeForm(100, 100, kWidth, kHeight);
    skinner_ = new TspFormSkinner(form_.get());
    skinner_->SetSupportNCArea(false);
    skinner_->Sizeable = false;
    skinner_->SetSkinData(StripSkinData("animations", ClientObjects()));
    form_->Show();
    SetForegroundWindow(form_->Handle());
    testsupport::PumpMessages(150);
    skinner_->MouseTimer->SetEnabled(false);  // the tests move the pointer over objects by hand
  }
  void TearDown() override { form_.reset(); }
  static void TearDownTestSuite() { SharedSkins().clear(); }

  TspSkinAnimateObject* Object(const char* name) const {
    return dynamic_cast<TspSkinAnimateObject*>(skinner_->ObjectList[static_cast<size_t>(skinner_->GetIndex(name))].get());
  }
  COLORREF Pixel(const TRect& rect) { return testsupport::ControlPixel(form_.get(), rect.Left + 5, rect.Top + 5); }
  // One tick of the animation timer; the frame `name` shows after it.
  int Tick(const char* name) {
    skinner_->TestAnimate(nullptr);
    return Object(name)->Frame;
  }

  std::unique_ptr<TForm> form_;
  TspFormSkinner* skinner_ = nullptr;
};

TEST_F(Animations, AFrameLastsItsIntervalRoundedUpToWholeTicksAndPlaysOnce) {
  skinner_->AnimateStart("Spin");
  EXPECT_TRUE(skinner_->AnimateTimer->Enabled());
  skinner_->AnimateTimer->SetEnabled(false);  // ticks come from the test only
  std::vector<int> frames;
  for (int tick = 0; tick < 11; ++tick) frames.push_back(Tick("Spin"));
  EXPECT_EQ(frames, (std::vector<int>{1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4}));
  EXPECT_FALSE(Object("Spin")->Active);  // it rests on its last frame
  EXPECT_EQ(Pixel(kSpin), FrameColour(4));
}

TEST_F(Animations, ACyclingAnimationStepsEveryTickUntilStopped) {
  skinner_->AnimateStart("Fast");
  skinner_->AnimateTimer->SetEnabled(false);
  std::vector<int> frames;
  for (int tick = 0; tick < 6; ++tick) frames.push_back(Tick("Fast"));
  EXPECT_EQ(frames, (std::vector<int>{2, 3, 4, 1, 2, 3}));
  EXPECT_EQ(Pixel(kFast), FrameColour(3));
  skinner_->AnimateStop("Fast");
  EXPECT_EQ(Object("Fast")->Frame, 1);
  EXPECT_EQ(Pixel(kFast), FrameColour(1));
  EXPECT_EQ(Tick("Fast"), 1);
}

TEST_F(Animations, TheTimerStopsOnTheFirstTickWithoutWork) {
  skinner_->AnimateStart("Fast");
  skinner_->TestAnimate(nullptr);
  EXPECT_TRUE(skinner_->AnimateTimer->Enabled());
  skinner_->AnimateStop("Fast");
  skinner_->TestAnimate(nullptr);
  EXPECT_FALSE(skinner_->AnimateTimer->Enabled());
}

TEST_F(Animations, AButtonStyleAnimationLeftMidPlayTurnsBackFromTheFrameReached) {
  skinner_->TestActive(kHover.Left + 5, kHover.Top + 5, true);
  EXPECT_TRUE(skinner_->AnimateTimer->Enabled());
  skinner_->AnimateTimer->SetEnabled(false);
  std::vector<int> frames;
  for (int tick = 0; tick < 3; ++tick) frames.push_back(Tick("Hover"));
  skinner_->TestActive(-1, -1, false);
  for (int tick = 0; tick < 4; ++tick) frames.push_back(Tick("Hover"));
  EXPECT_EQ(frames, (std::vector<int>{2, 3, 4, 3, 2, 1, 1}));
  EXPECT_FALSE(Object("Hover")->Active);
  EXPECT_EQ(Pixel(kHover), FrameColour(1));
}

TEST_F(Animations, APressedButtonStyleAnimationShowsItsDownFaceAndWaitsForTheRelease) {
  const TPoint p = Point(kPressed.Left + 5, kPressed.Top + 5);
  skinner_->MouseDown(mbLeft, p.X, p.Y);
  skinner_->AnimateTimer->SetEnabled(false);
  EXPECT_EQ(Pixel(kPressed), kDownColour);
  EXPECT_EQ(Tick("Pressed"), 4);  // held: the timer leaves it alone
  EXPECT_EQ(Pixel(kPressed), kDownColour);
  skinner_->MouseUp(mbLeft, p.X, p.Y);
  EXPECT_EQ(Pixel(kPressed), FrameColour(4));
  EXPECT_TRUE(skinner_->AnimateTimer->Enabled());
}

TEST_F(Animations, AMoveLoopSetsEveryAnimationBackToFrameOneAtRest) {
  skinner_->AnimateStart("Fast");
  skinner_->AnimateTimer->SetEnabled(false);
  Tick("Fast");
  Tick("Fast");
  skinner_->UpDateActiveObjects();
  EXPECT_EQ(Object("Fast")->Frame, 1);
  EXPECT_FALSE(Object("Fast")->Active);
}

// Animations as the caption buttons of a non-client-mode dialog (400 x 300).
constexpr int kDialogWidth = 400;
constexpr int kDialogHeight = 300;
const TRect kAnimFace{0, 0, 10, 10};

TObjectEntry CaptionAnimation(const std::string& name, const std::string& command) {
  return {name,
          "animate",
          {{"skinrect", RectText(kAnimFace)},
           {"skinrectinapicture", "1"},
           {"activepictureindex", std::to_string(kStripPicture)},
           {"activeskinrect", RectText(Rect(0, 0, 40, 10))},
           {"countframes", "4"},
           {"timerinterval", "25"},
           {"buttonstyle", "1"},
           {"command", command}}};
}

std::vector<TObjectEntry> DialogObjects() {
  return {CaptionButton("CloseBtn", "cmclose", kCloseFace), CaptionButton("MaxBtn", "cmmaximize", kMaxFace),
          CaptionAnimation("MinAnim", "cmminimize"), CaptionAnimation("SysAnim", "cmsysmenu")};
}

std::map<std::string, std::string> DialogValues() {
  std::map<std::string, std::string> values = menutest::MenuLookValues();
  values["FORMINFO/buttonsrect"] = "150,5,190,15";
  values["FORMINFO/buttonsoffset"] = "2";
  values["FORMINFO/captionrect"] = "10,5,148,15";
  return values;
}

class CaptionAnimations : public ::testing::Test {
 protected:
  void SetUp() override { SetCursorPos(1200, 1000); }
  void TearDown() override {
    SetCursorPos(1200, 1000);
    form_.reset();
    testsupport::ServeApplication(20);
    Application->Restore();
  }
  static void TearDownTestSuite() { SharedSkins().clear(); }

  TspFormSkinner* ShowDialog(const TspBorderIcons* icons = nullptr, bool hideCaptionButtons = false) {
    form_ = MakeForm(100, 100, kDialogWidth, kDialogHeight);
    skinner_ = new TspFormSkinner(form_.get());
    if (icons != nullptr) skinner_->BorderIcons = *icons;
    skinner_->HideCaptionButtons = hideCaptionButtons;
    skinner_->SetSkinData(StripSkinData("captionanimations", DialogObjects(), DialogValues()));
    form_->Show();
    SetForegroundWindow(form_->Handle());
    testsupport::PumpMessages(150);
    return skinner_;
  }

  TspSkinAnimateObject* Object(const char* name) const {
    return dynamic_cast<TspSkinAnimateObject*>(skinner_->ObjectList[static_cast<size_t>(skinner_->GetIndex(name))].get());
  }
  void PointerTo(const char* name) {
    const TRect r = Object(name)->ObjectRect;
    const POINT p = WindowPoint(form_.get(), r.Left + 5, r.Top + 5);
    CursorTo(p.x, p.y);
  }
  bool MenuOpen() const { return skinner_->SkinMenu()->Visible() && skinner_->SkinMenu()->WindowCount() > 0; }

  std::unique_ptr<TForm> form_;
  TspFormSkinner* skinner_ = nullptr;
};

TEST_F(CaptionAnimations, AMinimiseAnimationSitsWhereAMinimiseButtonWouldAndHintsMinimize) {
  ShowDialog();
  // Close at the right end of the buttons rectangle (moved with the wider dialog), then
  // maximise and the animation leftwards; the system-menu animation at the caption's start.
  EXPECT_EQ(skinner_->ObjectList[0]->ObjectRect, (TRect{380, 5, 390, 15}));
  EXPECT_EQ(Object("MinAnim")->ObjectRect, (TRect{356, 5, 366, 15}));
  EXPECT_EQ(Object("SysAnim")->ObjectRect, (TRect{10, 5, 20, 15}));
  EXPECT_EQ(Object("MinAnim")->Hint, "Minimize");
  EXPECT_EQ(Object("SysAnim")->Hint, "System menu");
  EXPECT_EQ(WindowPixel(form_.get(), 360, 9), FrameColour(1));
}

TEST_F(CaptionAnimations, WithoutBiMinimizeTheMinimiseAnimationIsDisabledAndHidden) {
  const TspBorderIcons icons{TspBorderIcon::biSystemMenu, TspBorderIcon::biMaximize};
  ShowDialog(&icons);
  EXPECT_FALSE(Object("MinAnim")->Enabled);
  EXPECT_FALSE(Object("MinAnim")->Visible);
  EXPECT_TRUE(Object("SysAnim")->Enabled);
}

TEST_F(CaptionAnimations, HideCaptionButtonsDisablesEveryAnimation) {
  ShowDialog(nullptr, true);
  for (const char* name : {"MinAnim", "SysAnim"}) {
    EXPECT_FALSE(Object(name)->Enabled) << name;
    EXPECT_FALSE(Object(name)->Visible) << name;
  }
}

TEST_F(CaptionAnimations, AReleaseOverTheMinimiseAnimationMinimisesTheDialog) {
  ShowDialog();
  PointerTo("MinAnim");
  LeftButton(true);
  EXPECT_EQ(skinner_->WindowState, spwsNormal);  // the command waits for the release
  LeftButton(false);
  EXPECT_EQ(skinner_->WindowState, spwsMinimized);
}

TEST_F(CaptionAnimations, TheSystemMenuAnimationDropsTheMenuOnThePressAndPlaysBackAfterItCloses) {
  ShowDialog();
  PointerTo("SysAnim");
  LeftButton(true);
  EXPECT_TRUE(MenuOpen());
  EXPECT_TRUE(Object("SysAnim")->MenuTracking);
  LeftButton(false);
  const TRect r = Object("SysAnim")->ObjectRect;
  EXPECT_EQ(skinner_->SkinMenu()->Windows(0)->ScreenPosition(), Point(100 + r.Left, 100 + r.Bottom));
  EXPECT_EQ(WindowPixel(form_.get(), r.Left + 5, r.Top + 5), FrameColour(4));  // the last frame while open
  testsupport::Click(form_.get(), 300, 200);
  EXPECT_FALSE(MenuOpen());
  EXPECT_FALSE(Object("SysAnim")->MenuTracking);
  EXPECT_TRUE(testsupport::ServeUntil([&] { return Object("SysAnim")->Frame == 1 && !Object("SysAnim")->Active; },
                                      2000));
  EXPECT_EQ(WindowPixel(form_.get(), r.Left + 5, r.Top + 5), FrameColour(1));
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
}

TEST_F(CaptionAnimations, AltSpaceDropsTheSystemMenuBesideTheAnimation) {
  ShowDialog();
  testsupport::HoldKey(VK_MENU);
  testsupport::PressKey(VK_SPACE);
  testsupport::ReleaseKey(VK_MENU);
  testsupport::ServeApplication(40);
  ASSERT_TRUE(MenuOpen());
  const TRect r = Object("SysAnim")->ObjectRect;
  EXPECT_EQ(skinner_->SkinMenu()->Windows(0)->ScreenPosition(), Point(100 + r.Left, 100 + r.Bottom));
  skinner_->SkinMenu()->Hide();
}

TEST_F(CaptionAnimations, ADoubleClickOnTheSystemMenuAnimationClosesTheDialog) {
  ShowDialog();
  PointerTo("SysAnim");
  for (int i = 0; i < 2; ++i) {
    LeftButton(true);
    LeftButton(false);
  }
  testsupport::ServeApplication(40);
  EXPECT_FALSE(IsWindowVisible(form_->Handle()));
  EXPECT_FALSE(MenuOpen());
}

}  // namespace
