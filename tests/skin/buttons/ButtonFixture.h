#pragma once
// The skinned buttons on a shown form, the button look of the test skin and what its
// faces must show, a button whose timers the tests drive, and real mouse presses.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/windowing/Forms.h"
#include "skin/controls/Skinctrls.h"
#include "skin/data/Skindata_SkinData.h"

namespace skinbuttons {

// The "button" look: active picture 0 (64 x 48, every pixel coloured by its place), fixed
// size 16 x 12, a face per state side by side and a frame strip of three 16 x 12 frames.
const TRect kNormal = Rect(0, 0, 16, 12);
const TRect kActive = Rect(16, 0, 32, 12);
const TRect kDown = Rect(32, 0, 48, 12);
const TRect kDisabled = Rect(48, 0, 64, 12);
const TRect kFocused = Rect(0, 12, 16, 24);
const TRect kStrip = Rect(0, 24, 48, 36);
constexpr int kFrames = 3;

using TLookKeys = std::map<std::string, std::string>;

// Writes the test skin with the keys of `look` set as given; answers the description's
// path. Loaded, once per look and keys for the whole program (loading is slow).
std::string WriteSkinWithLook(const std::string& name, const std::string& look, const TLookKeys& keys);
TspSkinData* SkinWithLook(const std::string& look, const TLookKeys& keys);

// Writes a skin whose "button" look is the one above, without fade or frame animation;
// `changes` ("key" -> value) alter the look. Answers the description's path.
std::string WriteButtonSkin(const std::string& name, const TLookKeys& changes = {});
// That skin loaded, once per set of changes for the whole program (loading is slow).
TspSkinData* ButtonSkin(const TLookKeys& changes = {});
// The skin's "button" look, for changes in memory.
TspDataSkinButtonControl& ButtonLook(TspSkinData& skin);

// The pixels of `part` of the skin's active picture 0, row by row.
std::vector<TColor> PicturePart(TspSkinData& skin, const TRect& part);
// The two parts blended as the face's cross-fade blends them.
std::vector<TColor> MorphedParts(TspSkinData& skin, const TRect& from, const TRect& to, TMorphKind kind, double kf);
// What the control paints, row by row.
std::vector<TColor> FaceOf(TControl* control);
// The colour the look-less face shows at (x, y).
TColor FacePixel(TControl* control, int x, int y);

// A push button that counts its clicks (with their times) and lets tests step its timers.
class TTestButton : public TspSkinButton {
  CLASSLIB_CLASS(TTestButton, TspSkinButton)
 public:
  explicit TTestButton(TComponent* owner);
  using TspSkinButton::AnimateTimer;
  using TspSkinButton::DoAnimate;
  using TspSkinButton::DoMorph;
  using TspSkinButton::MorphTimer;
  using TspSkinButton::RepeatTimer;

  int clicks = 0;
  std::vector<ULONGLONG> clickTimes;

 private:
  void Clicked(TObject* sender);
};

// Counts the calls of the event it hands out.
struct TCallCounter {
  int count = 0;
  void Called(TObject* sender) {
    (void)sender;
    ++count;
  }
  TNotifyEvent Event() { return TNotifyEvent(this, &TCallCounter::Called); }
};

// Real left button down and up at a point of the control (the pointer moves there first).
void PressAt(TControl* control, int x, int y);
void ReleaseButton();

// A shown form for the buttons of one test.
class ButtonTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <class B = TTestButton>
  B* Place(int left, int top, TspSkinData* skin = nullptr) {
    auto* button = new B(form);
    button->SetParent(form);
    button->SetBounds(left, top, 60, 24);
    if (skin != nullptr) button->SetSkinData(skin);
    return button;
  }

  TForm* form = nullptr;
};

}  // namespace skinbuttons
