#pragma once
// Check boxes, radio buttons and groups on a shown form, the test skin's "checkradio"
// look with a glyph per state, and a box that records its clicks and lets tests step its
// cross-fade.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ButtonFixture.h"
#include "classlib/windowing/Forms.h"
#include "skin/controls/Skinctrls.h"

namespace skinchecks {

using skinbuttons::TLookKeys;

// The look's name in the test skin.
constexpr const char* kLook = "checkradio";
// Faces (fixed size 40 x 16) and the 8 x 8 glyphs of the look in active picture 0.
const TRect kFace = Rect(0, 0, 40, 16);
const TRect kHotFace = Rect(0, 16, 40, 32);
const TRect kGlyphArea = Rect(2, 2, 14, 14);  // on the face: the glyph goes to (4, 4)
const TRect kTextArea = Rect(16, 0, 40, 16);
const TRect kChecked = Rect(0, 32, 8, 40);
const TRect kUnchecked = Rect(8, 32, 16, 40);
const TRect kHotChecked = Rect(16, 32, 24, 40);
const TRect kHotUnchecked = Rect(24, 32, 32, 40);
const TRect kOffChecked = Rect(32, 32, 40, 40);
const TRect kOffUnchecked = Rect(40, 32, 48, 40);
const TRect kGrayed = Rect(48, 32, 56, 40);
const TRect kHotGrayed = Rect(56, 32, 64, 40);

// The test skin with that look (every glyph given, no fade); `changes` alter the look.
// Loaded once per set of changes.
TspSkinData* CheckSkin(const TLookKeys& changes = {});
std::string WriteCheckSkin(const std::string& name, const TLookKeys& changes = {});

// The pixels of a w x h block of what `control` paints, from (x, y), row by row.
std::vector<TColor> PaintedBlock(TControl* control, int x, int y, int w, int h);
// The pixels of `part` of the skin's picture 0 with the lower-left one (drawn
// transparent) replaced by `transparent`.
std::vector<TColor> GlyphPixels(TspSkinData& skin, const TRect& part, TColor transparent);

// A box that logs its clicks (with the Checked state each saw) and exposes its fade.
class TTestBox : public TspSkinCheckRadioBox {
  CLASSLIB_CLASS(TTestBox, TspSkinCheckRadioBox)
 public:
  explicit TTestBox(TComponent* owner);
  using TspSkinCheckRadioBox::DoMorph;
  using TspSkinCheckRadioBox::MorphTimer;

  int clicks = 0;
  // Every click in the order they came, with the clicked box.
  std::vector<TTestBox*>* log = nullptr;

 private:
  void Clicked(TObject* sender);
};

// One shown form (320 x 240) for every test; each test's controls go with it.
class CheckTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A box of 150 x 25 at left, top.
  TTestBox* Place(int left, int top, const char* caption = "Preview Movie");

  TForm* form = nullptr;
};

}  // namespace skinchecks
