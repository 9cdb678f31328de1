// The faces the bases compose: the built-in look, the skin look at any size, looks that
// cannot be drawn, the direct paint of large faces and a skin data that goes away.
#include <gtest/gtest.h>

#include <functional>

#include "SkinControlsFixtures.h"

using namespace skinbases;

namespace {

using TMaker = std::function<TControl*(TComponent*)>;

struct TKind {
  const char* name;
  TMaker make;
};

const TKind kKinds[] = {
    {"windowed", [](TComponent* owner) -> TControl* { return new TTestSkinControl(owner); }},
    {"window-less", [](TComponent* owner) -> TControl* { return new TTestGraphicSkinControl(owner); }},
};

TspSkinLink* LinkOf(TControl* control) { return dynamic_cast<TspSkinLink*>(control); }

void Connect(TControl* control, const char* look, TspSkinData* skin) {
  if (auto* windowed = dynamic_cast<TspSkinControl*>(control)) {
    windowed->SetSkinDataName(look);
    windowed->SetSkinData(skin);
  } else {
    auto* graphic = dynamic_cast<TspGraphicSkinControl*>(control);
    graphic->SetSkinDataName(look);
    graphic->SetSkinData(skin);
  }
}

std::vector<TColor> Uniform(TControl* control, TColor colour) {
  return std::vector<TColor>(static_cast<size_t>(control->Width() * control->Height()), colour);
}

class SkinBasesFace : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { skin = LoadBasesSkin("skinbases_face").release(); }
  static void TearDownTestSuite() {
    delete skin;
    skin = nullptr;
  }
  static TspSkinData* skin;
};

TspSkinData* SkinBasesFace::skin = nullptr;

}  // namespace

TEST_F(SkinBasesFace, WithoutALookTheDefaultLookIsButtonFaceAndWithoutItBlack) {
  const TColor buttonFace = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
  for (const TKind& kind : kKinds) {
    for (bool drawDefault : {true, false}) {
      SCOPED_TRACE(std::string(kind.name) + (drawDefault ? ", DrawDefault on" : ", DrawDefault off"));
      std::unique_ptr<TControl> control(kind.make(nullptr));
      control->SetBounds(0, 0, 30, 20);
      LinkOf(control.get())->SetDrawDefault(drawDefault);
      EXPECT_EQ(Uniform(control.get(), drawDefault ? buttonFace : TColor{0}), FaceOf(control.get()));
    }
  }
}

TEST_F(SkinBasesFace, ANinePartFaceIsTheCompositionAtEverySize) {
  for (const TKind& kind : kKinds) {
    for (const SIZE size : {SIZE{64, 48}, SIZE{150, 100}, SIZE{90, 30}}) {
      SCOPED_TRACE(std::string(kind.name) + " at " + std::to_string(size.cx) + " x " + std::to_string(size.cy));
      std::unique_ptr<TControl> control(kind.make(nullptr));
      Connect(control.get(), "panel", skin);
      control->SetBounds(0, 0, size.cx, size.cy);
      ASSERT_EQ(size.cx, control->Width());
      EXPECT_EQ(ComposedLook(*skin, "panel", size.cx, size.cy), FaceOf(control.get()));
    }
  }
}

TEST_F(SkinBasesFace, ALookOfAnotherDescriptorClassDrawsNothingAndKeepsTheSize) {
  for (const TKind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    std::unique_ptr<TControl> control(kind.make(nullptr));
    control->SetBounds(0, 0, 40, 25);
    Connect(control.get(), "bevel", skin);
    EXPECT_NE(-1, LinkOf(control.get())->LookIndex());
    EXPECT_EQ(40, control->Width());
    EXPECT_EQ(25, control->Height());
    EXPECT_EQ(Uniform(control.get(), 0), FaceOf(control.get()));
  }
}

TEST_F(SkinBasesFace, ALookNameTheSkinLacksDrawsTheDefaultLook) {
  TTestSkinControl control(nullptr);
  control.SetBounds(0, 0, 20, 10);
  Connect(&control, "no such look", skin);
  EXPECT_EQ(-1, control.LookIndex());
  EXPECT_EQ(Uniform(&control, static_cast<TColor>(GetSysColor(COLOR_BTNFACE))), FaceOf(&control));
}

TEST_F(SkinBasesFace, TheDirectPaintOfALargeFaceDrawsTheBorderStripsAndTheClientPiece) {
  for (const SIZE size : {SIZE{150, 100}, SIZE{64, 48}, SIZE{200, 47}}) {
    SCOPED_TRACE(std::to_string(size.cx) + " x " + std::to_string(size.cy));
    TTestSkinControl control(nullptr);
    Connect(&control, "panel", skin);
    control.SetBounds(0, 0, size.cx, size.cy);
    control.SetDirectPaint(true);
    EXPECT_EQ(BorderStripsOverComposedLook(*skin, "panel", size.cx, size.cy), FaceOf(&control));
  }
}

TEST_F(SkinBasesFace, AWindowLessStretchedClientIsStretchedAcrossOnly) {
  TTestGraphicSkinControl control(nullptr);
  Connect(&control, "label", skin);
  control.SetBounds(0, 0, 150, 100);
  const std::vector<TColor> face = FaceOf(&control);
  EXPECT_EQ(ComposedLook(*skin, "label", 150, 100, true, spstHorz), face);
  EXPECT_NE(ComposedLook(*skin, "label", 150, 100, true, spstFull), face);
}

TEST_F(SkinBasesFace, FreeingTheSkinDataLeavesTheDefaultLook) {
  for (const TKind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    auto owned = LoadBasesSkin("skinbases_face_freed");
    std::unique_ptr<TControl> control(kind.make(nullptr));
    Connect(control.get(), "panel", owned.get());
    control->SetBounds(0, 0, 80, 60);
    ASSERT_EQ(ComposedLook(*owned, "panel", 80, 60), FaceOf(control.get()));
    owned.reset();
    EXPECT_EQ(nullptr, LinkOf(control.get())->SkinData());
    EXPECT_EQ(Uniform(control.get(), static_cast<TColor>(GetSysColor(COLOR_BTNFACE))), FaceOf(control.get()));
  }
}

TEST_F(SkinBasesFace, AHorizontalLookForcesItsHeightWhenTheSkinIsSet) {
  for (const TKind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    std::unique_ptr<TControl> control(kind.make(nullptr));
    control->SetBounds(0, 0, 100, 50);
    Connect(control.get(), "gauge", skin);
    EXPECT_EQ(100, control->Width());
    EXPECT_EQ(20, control->Height());
    control->SetBounds(0, 0, 70, 60);
    EXPECT_EQ(70, control->Width());
    EXPECT_EQ(20, control->Height());
  }
}

TEST_F(SkinBasesFace, TheDefaultSizeAppliesOnlyWithoutALook) {
  TTestSkinControl lookLess(nullptr);
  lookLess.SetBounds(0, 0, 50, 20);
  lookLess.SetDefaultWidth(120);
  lookLess.SetDefaultHeight(33);
  EXPECT_EQ(120, lookLess.Width());
  EXPECT_EQ(33, lookLess.Height());

  TTestGraphicSkinControl skinned(nullptr);
  Connect(&skinned, "panel", skin);
  skinned.SetBounds(0, 0, 80, 60);
  skinned.SetDefaultWidth(120);
  EXPECT_EQ(80, skinned.Width());
  EXPECT_EQ(120, skinned.DefaultWidth());
}

TEST_F(SkinBasesFace, FreeingTheHintImagesClearsThem) {
  TTestSkinControl windowed(nullptr);
  TTestGraphicSkinControl graphic(nullptr);
  auto* images = new TCustomImageList(nullptr);
  windowed.SetHintImageList(images);
  graphic.SetHintImageList(images);
  ASSERT_EQ(images, windowed.HintImageList());
  delete images;
  EXPECT_EQ(nullptr, windowed.HintImageList());
  EXPECT_EQ(nullptr, graphic.HintImageList());
}
