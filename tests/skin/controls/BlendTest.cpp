// Blending the face over the parent's picture, and the repaints that keep it current:
// moves, WM_CHECKPARENTBG and containers whose stretched client changes under children.
#include <gtest/gtest.h>

#include <cmath>

#include "SkinControlsFixtures.h"
#include "window_support.h"

using namespace skinbases;

namespace {

constexpr TColor kFormColour = 0x00C81E3C;  // blue 0xC8, green 0x1E, red 0x3C

// The colour the screen shows at a client point of a control.
TColor ShownAt(TControl* control, int x, int y) {
  const TPoint p = control->ClientToScreen(Point(x, y));
  return static_cast<TColor>(testsupport::ScreenPixel(p.X, p.Y));
}

// face x (1 - kf) + parent x kf per channel, kf = 1 - value / 255, halves to even.
TColor Morphed(TColor face, TColor parent, int value) {
  const double kf = 1.0 - value / 255.0;
  auto channel = [kf](int f, int p) { return static_cast<int>(std::nearbyint(f * (1 - kf) + p * kf)); };
  return static_cast<TColor>(RGB(channel(GetRValue(face), GetRValue(parent)),
                                 channel(GetGValue(face), GetGValue(parent)),
                                 channel(GetBValue(face), GetBValue(parent))));
}

class SkinBasesBlend : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(testsupport::ShowTestForm(320, 240));
    form->SetColor(kFormColour);
    testsupport::ServeApplication(50);
  }

  template <class C>
  C* Place(TWinControl* parent, int left, int top, int width, int height) {
    auto* control = new C(form.get());
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }

  std::unique_ptr<TForm> form;
};

}  // namespace

TEST_F(SkinBasesBlend, TheOpacityMorphsTheFaceTowardTheParent) {
  const TColor face = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
  auto* windowed = Place<TTestSkinControl>(form.get(), 10, 10, 40, 30);
  auto* graphic = Place<TTestGraphicSkinControl>(form.get(), 80, 10, 40, 30);
  for (int value : {255, 0, 128}) {
    SCOPED_TRACE(value);
    windowed->SetAlphaBlend(true);
    windowed->SetAlphaBlendValue(static_cast<BYTE>(value));
    graphic->SetAlphaBlend(true);
    graphic->SetAlphaBlendValue(static_cast<BYTE>(value));
    testsupport::ServeApplication(50);
    const TColor expected = Morphed(face, kFormColour, value);
    EXPECT_EQ(expected, ShownAt(windowed, 20, 15));
    EXPECT_EQ(expected, ShownAt(graphic, 20, 15));
  }
  EXPECT_EQ(face, Morphed(face, kFormColour, 255));
  EXPECT_EQ(kFormColour, Morphed(face, kFormColour, 0));
}

TEST_F(SkinBasesBlend, MovingRepaintsOnlyABlendedWindow) {
  auto* blended = Place<TTestSkinControl>(form.get(), 10, 10, 40, 30);
  auto* opaque = Place<TTestSkinControl>(form.get(), 10, 100, 40, 30);
  blended->SetAlphaBlend(true);
  testsupport::ServeApplication(50);
  const int blendedPaints = blended->paints, opaquePaints = opaque->paints;
  blended->SetLeft(60);
  opaque->SetLeft(60);
  testsupport::ServeApplication(50);
  EXPECT_GT(blended->paints, blendedPaints);
  EXPECT_EQ(opaquePaints, opaque->paints);
}

TEST_F(SkinBasesBlend, CheckParentBackgroundRepaintsOnlyBlendedWindowLessControls) {
  auto* blended = Place<TTestGraphicSkinControl>(form.get(), 10, 10, 40, 30);
  auto* opaque = Place<TTestGraphicSkinControl>(form.get(), 10, 100, 40, 30);
  blended->SetAlphaBlend(true);
  testsupport::ServeApplication(50);
  const int blendedPaints = blended->paints, opaquePaints = opaque->paints;
  blended->Perform(WM_CHECKPARENTBG);
  opaque->Perform(WM_CHECKPARENTBG);
  testsupport::ServeApplication(50);
  EXPECT_GT(blended->paints, blendedPaints);
  EXPECT_EQ(opaquePaints, opaque->paints);
}

TEST_F(SkinBasesBlend, AStretchedContainerThatResizesRepaintsBlendedGrandchildren) {
  auto skin = LoadBasesSkin("skinbases_blend", {{"panel/stretcheffect", "1"}});
  auto* container = Place<TTestSkinControl>(form.get(), 10, 10, 200, 150);
  container->SetSkinDataName("panel");
  container->SetSkinData(skin.get());
  auto* blendedChild = Place<TTestSkinControl>(container, 10, 10, 100, 100);
  blendedChild->SetAlphaBlend(true);
  auto* blendedWindow = Place<TTestSkinControl>(blendedChild, 5, 5, 30, 20);
  blendedWindow->SetAlphaBlend(true);
  auto* blendedGraphic = Place<TTestGraphicSkinControl>(blendedChild, 40, 5, 30, 20);
  blendedGraphic->SetAlphaBlend(true);
  auto* opaqueChild = Place<TTestSkinControl>(container, 120, 10, 70, 100);
  auto* underOpaque = Place<TTestSkinControl>(opaqueChild, 5, 5, 30, 20);
  underOpaque->SetAlphaBlend(true);
  testsupport::ServeApplication(80);
  std::vector<std::string> log;
  testsupport::TMessageSpy windowSpy(blendedWindow, "window", {WM_CHECKPARENTBG}, &log);
  testsupport::TMessageSpy graphicSpy(blendedGraphic, "graphic", {WM_CHECKPARENTBG}, &log);
  testsupport::TMessageSpy opaqueSpy(opaqueChild, "opaque", {WM_CHECKPARENTBG}, &log);
  testsupport::TMessageSpy underSpy(underOpaque, "under opaque", {WM_CHECKPARENTBG}, &log);
  const int windowPaints = blendedWindow->paints, graphicPaints = blendedGraphic->paints;

  container->SetBounds(10, 10, 240, 170);
  testsupport::ServeApplication(80);
  const std::string check = std::to_string(WM_CHECKPARENTBG);
  // Window-less children come first in a parent's list; the opaque child passes nothing on.
  EXPECT_EQ((std::vector<std::string>{"graphic:" + check, "window:" + check, "opaque:" + check}), log);
  EXPECT_GT(blendedWindow->paints, windowPaints);
  EXPECT_GT(blendedGraphic->paints, graphicPaints);
}
