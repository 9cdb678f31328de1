// The faces of the push button: the look's picture part for each state and the look's
// fallbacks, the cross-fade of every morph kind step by step, the frame animation, and
// the built-in faces without a look.
#include <functional>

#include "ButtonFixture.h"
#include "window_support.h"

using namespace skinbuttons;

namespace {

struct TStateCase {
  const char* name;
  TLookKeys changes;
  std::function<void(TTestButton*)> enter;
  TRect expected;
};

void Hot(TTestButton* b) { b->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(b)); }
void Pressed(TTestButton* b) {
  Hot(b);
  b->SetDown(true);
}

}  // namespace

TEST_F(ButtonTest, EachStateShowsItsPicturePartAndMissingPartsFallBack) {
  const TStateCase cases[] = {
      {"normal", {}, [](TTestButton*) {}, kNormal},
      {"hot", {}, Hot, kActive},
      {"pressed", {}, Pressed, kDown},
      {"focused", {}, [](TTestButton* b) { b->SetFocus(); }, kFocused},
      {"disabled", {}, [](TTestButton* b) { b->SetEnabled(false); }, kDisabled},
      // Without their own part hot and disabled show the normal one, pressed and
      // focused the active one.
      {"hot without active part", {{"activeskinrect", "0,0,0,0"}, {"disabledskinrect", "0,0,0,0"}}, Hot, kNormal},
      {"disabled without disabled part", {{"activeskinrect", "0,0,0,0"}, {"disabledskinrect", "0,0,0,0"}},
       [](TTestButton* b) { b->SetEnabled(false); }, kNormal},
      {"pressed without down part", {{"downskinrect", "0,0,0,0"}, {"focusedskinrect", "0,0,0,0"}}, Pressed,
       kActive},
      {"focused without focused part", {{"downskinrect", "0,0,0,0"}, {"focusedskinrect", "0,0,0,0"}},
       [](TTestButton* b) { b->SetFocus(); }, kActive},
  };
  for (const TStateCase& c : cases) {
    SCOPED_TRACE(c.name);
    TspSkinData* skin = ButtonSkin(c.changes);
    auto* button = Place(10, 10, skin);
    button->SetCaption("");
    ASSERT_EQ(16, button->Width());
    ASSERT_EQ(12, button->Height());
    c.enter(button);
    EXPECT_EQ(PicturePart(*skin, c.expected), FaceOf(button));
    delete button;
  }
}

TEST_F(ButtonTest, EveryMorphKindBlendsTheFacesInFifthsAndFadesBack) {
  const TMorphKind kinds[] = {mkDefault,     mkGradient,     mkLeftGradient, mkRightGradient,
                              mkLeftSlide,   mkRightSlide,   mkPush};
  for (size_t k = 0; k < std::size(kinds); ++k) {
    SCOPED_TRACE(k);
    TspSkinData* skin = ButtonSkin({{"morphing", "1"}});
    ButtonLook(*skin).MorphKind = kinds[k];
    auto* button = Place(10, 10, skin);
    button->SetCaption("");
    Hot(button);
    ASSERT_TRUE(button->MorphTimer() != nullptr && button->MorphTimer()->Enabled());
    EXPECT_EQ(20u, button->MorphTimer()->Interval());
    for (int step = 1; step <= 4; ++step) {
      button->DoMorph();
      EXPECT_DOUBLE_EQ(step / 5.0, button->MorphFactor());
      EXPECT_EQ(MorphedParts(*skin, kNormal, kActive, kinds[k], step / 5.0), FaceOf(button)) << "step " << step;
    }
    button->DoMorph();
    button->DoMorph();
    EXPECT_FALSE(button->MorphTimer()->Enabled());
    EXPECT_EQ(PicturePart(*skin, kActive), FaceOf(button));

    button->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(button));
    for (int step = 4; step >= 1; --step) {
      button->DoMorph();
      EXPECT_EQ(MorphedParts(*skin, kNormal, kActive, kinds[k], step / 5.0), FaceOf(button)) << "back " << step;
    }
    button->DoMorph();
    button->DoMorph();
    EXPECT_FALSE(button->MorphTimer()->Enabled());
    EXPECT_EQ(PicturePart(*skin, kNormal), FaceOf(button));
    delete button;
  }
}

TEST_F(ButtonTest, FadesNeedSkinEffects) {
  TspSkinData* skin = ButtonSkin({{"morphing", "1"}, {"animateskinrect", "0,24,48,36"},
                                                   {"framecount", "3"}});
  skin->SetEnableSkinEffects(false);
  auto* button = Place(10, 10, skin);
  button->SetCaption("");
  Hot(button);
  EXPECT_TRUE(button->MorphTimer() == nullptr || !button->MorphTimer()->Enabled());
  EXPECT_TRUE(button->AnimateTimer() == nullptr || !button->AnimateTimer()->Enabled());
  EXPECT_EQ(PicturePart(*skin, kActive), FaceOf(button));
  skin->SetEnableSkinEffects(true);
  Hot(button);
  EXPECT_TRUE(button->MorphTimer() != nullptr && button->MorphTimer()->Enabled());
}

TEST_F(ButtonTest, TheFrameAnimationShowsTheStripInOrderAndBackwardsOnLeaving) {
  TspSkinData* skin = ButtonSkin({{"animateskinrect", "0,24,48,36"}, {"framecount", "3"},
                                                {"animateinterval", "40"}});
  auto* button = Place(10, 10, skin);
  button->SetCaption("");
  const TRect frames[] = {Rect(0, 24, 16, 36), Rect(16, 24, 32, 36), Rect(32, 24, 48, 36)};
  Hot(button);
  ASSERT_TRUE(button->AnimateTimer() != nullptr && button->AnimateTimer()->Enabled());
  EXPECT_EQ(40u, button->AnimateTimer()->Interval());
  for (int frame = 1; frame <= kFrames; ++frame) {
    EXPECT_EQ(frame, button->CurrentFrame());
    EXPECT_EQ(PicturePart(*skin, frames[frame - 1]), FaceOf(button)) << "frame " << frame;
    button->DoAnimate();
  }
  EXPECT_FALSE(button->AnimateTimer()->Enabled());
  EXPECT_EQ(PicturePart(*skin, kActive), FaceOf(button));

  button->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(button));
  for (int frame = kFrames; frame >= 1; --frame) {
    EXPECT_EQ(frame, button->CurrentFrame());
    EXPECT_EQ(PicturePart(*skin, frames[frame - 1]), FaceOf(button)) << "back to frame " << frame;
    button->DoAnimate();
  }
  EXPECT_FALSE(button->AnimateTimer()->Enabled());
  EXPECT_EQ(PicturePart(*skin, kNormal), FaceOf(button));
}

TEST_F(ButtonTest, AnAnimationWithoutFramesEndsOnItsFirstTick) {
  TspSkinData* skin = ButtonSkin({{"animateskinrect", "0,24,48,36"}, {"framecount", "0"}});
  auto* button = Place(10, 10, skin);
  button->SetCaption("");
  Hot(button);
  ASSERT_TRUE(button->AnimateTimer() != nullptr);
  EXPECT_EQ(PicturePart(*skin, kActive), FaceOf(button));
  button->DoAnimate();
  EXPECT_FALSE(button->AnimateTimer()->Enabled());
  EXPECT_EQ(PicturePart(*skin, kActive), FaceOf(button));
}

TEST_F(ButtonTest, LooklessFacesUseTheSharedFrameAndFills) {
  struct TCase {
    const char* name;
    std::function<void(TTestButton*)> enter;
    TColor frame, fill;
  } cases[] = {
      {"normal", [](TTestButton*) {}, ColorToRGB(clBtnShadow), ColorToRGB(clBtnFace)},
      {"hot", Hot, static_cast<TColor>(0x800000), static_cast<TColor>(0xD2BDB6)},
      {"focused", [](TTestButton* b) { b->SetFocus(); }, static_cast<TColor>(0x800000),
       static_cast<TColor>(0xD2BDB6)},
      {"pressed", Pressed, static_cast<TColor>(0x800000), static_cast<TColor>(0xB59385)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* button = Place(10, 10);
    button->SetCaption("");
    c.enter(button);
    const std::vector<TColor> face = FaceOf(button);
    const int w = button->Width(), h = button->Height();
    for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {w / 2, 0}})
      EXPECT_EQ(c.frame, face[static_cast<size_t>(y * w + x)]) << x << "," << y;
    for (const auto& [x, y] : {std::pair{1, 1}, {w - 2, h - 2}, {w / 2, h / 2}})
      EXPECT_EQ(c.fill, face[static_cast<size_t>(y * w + x)]) << x << "," << y;
    delete button;
  }
}
