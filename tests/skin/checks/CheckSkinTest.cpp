// The check box with the test skin's look: the flat skinned glyph and caption, the faced
// glyph of every state with its fallbacks, the grayed glyph at half brightness, the
// cross-fade and sizes across skin changes.
#include <functional>

#include "CheckFixture.h"
#include "TestSkin.h"
#include "skin/data/Speffbmp.h"
#include "window_support.h"

using namespace skinchecks;

namespace {

const TLookKeys kNoFallbackGlyphs = {{"activecheckimagerect", "0,0,0,0"},
                                     {"activeuncheckimagerect", "0,0,0,0"},
                                     {"unenabledcheckimagerect", "0,0,0,0"},
                                     {"unenableduncheckimagerect", "0,0,0,0"},
                                     {"activegrayedcheckimagerect", "0,0,0,0"}};
const TLookKeys kNoGrayedGlyphs = {{"grayedcheckimagerect", "0,0,0,0"}, {"activegrayedcheckimagerect", "0,0,0,0"}};

TColor FaceColour(const TRect& face, int x, int y) {
  return skintest::PictureColour(skintest::piActive0, face.Left + x, face.Top + y);
}

// The checked glyph `part` brightened by half, as a grayed box without grayed glyphs shows
// it; `under(x, y)` is what the left-out pixels show.
std::vector<TColor> BrightenedGlyph(TspSkinData& skin, const TRect& part, const std::function<TColor(int, int)>& under) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(part.Width(), part.Height());
  bitmap.Canvas()->CopyRect(Rect(0, 0, part.Width(), part.Height()), skin.ActivePictures[0]->Canvas(), part);
  bitmap.FreeContext();
  TspEffectBmp effect(bitmap.Handle());
  effect.ChangeBrightness(0.5);
  effect.Draw(bitmap.Canvas()->Handle(), 0, 0);
  // Brightening merges neighbouring colours: every pixel of the lower-left one's colour
  // is left out.
  const TColor lowerLeft = bitmap.Canvas()->Pixels(0, part.Height() - 1);
  std::vector<TColor> pixels;
  for (int y = 0; y < part.Height(); ++y)
    for (int x = 0; x < part.Width(); ++x) {
      const TColor pixel = bitmap.Canvas()->Pixels(x, y);
      pixels.push_back(pixel == lowerLeft ? under(x, y) : pixel);
    }
  return pixels;
}

class CheckSkinTest : public CheckTest {
 protected:
  TTestBox* PlaceSkinned(int left, int top, bool flat, const TLookKeys& changes = {}) {
    TTestBox* box = Place(left, top, "");
    box->SetSkinDataName(kLook);
    box->SetFlat(flat);
    box->SetSkinData(CheckSkin(changes));
    return box;
  }
};

}  // namespace

TEST_F(CheckSkinTest, AFlatBoxDrawsTheLooksGlyphAtLeft3AndTheCaptionAfterIt) {
  struct Row {
    TCheckBoxState state;
    TRect glyph;
  };
  for (const Row& row : {Row{cbUnchecked, kUnchecked}, Row{cbChecked, kChecked}, Row{cbGrayed, kGrayed}}) {
    SCOPED_TRACE(row.state);
    TTestBox* box = PlaceSkinned(10, 10, true);
    box->SetState(row.state);
    EXPECT_EQ(150, box->Width());
    EXPECT_EQ(25, box->Height());
    EXPECT_EQ(GlyphPixels(*box->SkinData(), row.glyph, ColorToRGB(clBtnFace)), PaintedBlock(box, 3, 8, 8, 8));
    delete box;
  }
  // The caption in "framefontcolor" from glyph width + 7.
  TTestBox* box = PlaceSkinned(10, 10, true);
  box->SetCaption("WWW");
  const std::vector<TColor> face = skinbuttons::FaceOf(box);
  int first = -1;
  for (int x = 11; x < 60 && first < 0; ++x)
    for (int y = 0; y < 25; ++y)
      if (face[static_cast<size_t>(y * 150 + x)] == static_cast<TColor>(0xFF0000)) {
        first = x;
        break;
      }
  // The first stroke of "W" may be smoothed by a pixel or two.
  EXPECT_GE(first, 15);
  EXPECT_LE(first, 17);
}

TEST_F(CheckSkinTest, AFacedBoxShowsTheGlyphOfItsStateWithTheLooksFallbacks) {
  struct Row {
    const char* name;
    TLookKeys changes;
    TCheckBoxState state;
    bool hot;
    bool enabled;
    TRect glyph;
  };
  const Row rows[] = {
      {"checked", {}, cbChecked, false, true, kChecked},
      {"unchecked", {}, cbUnchecked, false, true, kUnchecked},
      {"grayed", {}, cbGrayed, false, true, kGrayed},
      {"hot checked", {}, cbChecked, true, true, kHotChecked},
      {"hot unchecked", {}, cbUnchecked, true, true, kHotUnchecked},
      {"hot grayed", {}, cbGrayed, true, true, kHotGrayed},
      {"disabled checked", {}, cbChecked, false, false, kOffChecked},
      {"disabled unchecked", {}, cbUnchecked, false, false, kOffUnchecked},
      {"disabled grayed", {}, cbGrayed, false, false, kGrayed},
      {"hot checked falls back", kNoFallbackGlyphs, cbChecked, true, true, kChecked},
      {"hot unchecked falls back", kNoFallbackGlyphs, cbUnchecked, true, true, kUnchecked},
      {"hot grayed falls back", kNoFallbackGlyphs, cbGrayed, true, true, kGrayed},
      {"disabled checked falls back", kNoFallbackGlyphs, cbChecked, false, false, kChecked},
      {"disabled unchecked falls back", kNoFallbackGlyphs, cbUnchecked, false, false, kUnchecked},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TTestBox* box = PlaceSkinned(10, 10, false, row.changes);
    ASSERT_EQ(kFace.Width(), box->Width());
    ASSERT_EQ(kFace.Height(), box->Height());
    EXPECT_EQ(Rect(4, 4, 12, 12), box->GlyphRect());
    box->SetState(row.state);
    box->SetEnabled(row.enabled);
    if (row.hot) testsupport::MoveMouse(box, 30, 8);
    ASSERT_EQ(row.hot, box->MouseIn());
    const TRect& face = row.hot ? kHotFace : kFace;
    EXPECT_EQ(GlyphPixels(*box->SkinData(), row.glyph, FaceColour(face, 4, 11)), PaintedBlock(box, 4, 4, 8, 8));
    // The rest of the face is the face part of the state.
    EXPECT_EQ(FaceColour(face, 1, 1), PaintedBlock(box, 1, 1, 1, 1)[0]);
    testsupport::MoveMouse(form, 310, 230);
    delete box;
  }
}

TEST_F(CheckSkinTest, WithoutGrayedGlyphsAGrayedBoxShowsItsCheckedGlyphAtHalfBrightness) {
  struct Row {
    bool flat;
    bool hot;
    TRect checked;
  };
  for (const Row& row : {Row{false, false, kChecked}, Row{false, true, kHotChecked}, Row{true, false, kChecked}}) {
    SCOPED_TRACE(testing::Message() << "flat " << row.flat << " hot " << row.hot);
    TTestBox* box = PlaceSkinned(10, 10, row.flat, kNoGrayedGlyphs);
    box->SetState(cbGrayed);
    if (row.hot) testsupport::MoveMouse(box, 30, 8);
    const TPoint at = row.flat ? Point(3, 8) : Point(4, 4);
    const auto under = [&](int x, int y) {
      return row.flat ? ColorToRGB(clBtnFace) : FaceColour(row.hot ? kHotFace : kFace, at.X + x, at.Y + y);
    };
    EXPECT_EQ(BrightenedGlyph(*box->SkinData(), row.checked, under), PaintedBlock(box, at.X, at.Y, 8, 8));
    testsupport::MoveMouse(form, 310, 230);
    delete box;
  }
}

TEST_F(CheckSkinTest, AFacedBoxFadesToTheHotFaceInFiveStepsAndBack) {
  TTestBox* box = PlaceSkinned(10, 10, false, {{"morphing", "1"}});
  box->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(box));
  ASSERT_NE(nullptr, box->MorphTimer());
  EXPECT_TRUE(box->MorphTimer()->Enabled());
  EXPECT_EQ(20u, box->MorphTimer()->Interval());
  // The test steps the fade itself.
  box->MorphTimer()->SetEnabled(false);
  const double up[] = {0.2, 0.4, 0.6, 0.8, 1.0};
  for (double expected : up) {
    box->DoMorph();
    EXPECT_DOUBLE_EQ(expected, box->MorphFactor());
    if (expected == 0.4) {
      // The top rows (above the glyph) are the faces blended by the factor.
      const std::vector<TColor> blended =
          skinbuttons::MorphedParts(*box->SkinData(), kFace, kHotFace, mkDefault, 0.4);
      EXPECT_EQ(std::vector<TColor>(blended.begin(), blended.begin() + 40 * 4), PaintedBlock(box, 0, 0, 40, 4));
    }
  }
  box->MorphTimer()->SetEnabled(true);
  box->DoMorph();
  EXPECT_DOUBLE_EQ(1.0, box->MorphFactor());
  EXPECT_FALSE(box->MorphTimer()->Enabled());

  box->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(box));
  EXPECT_TRUE(box->MorphTimer()->Enabled());
  for (double expected : {0.8, 0.6, 0.4, 0.2, 0.0}) {
    box->DoMorph();
    EXPECT_DOUBLE_EQ(expected, box->MorphFactor());
  }
  EXPECT_EQ(skinbuttons::PicturePart(*box->SkinData(), Rect(0, 0, 40, 4)), PaintedBlock(box, 0, 0, 40, 4));
}

TEST_F(CheckSkinTest, TheRealPointerFadesInAndOutAndAFocusedBoxStaysHot) {
  TTestBox* box = PlaceSkinned(10, 10, false, {{"morphing", "1"}});
  box->SetCanFocused(true);
  testsupport::MoveMouse(box, 30, 8);
  EXPECT_TRUE(testsupport::ServeUntil([&] { return box->MorphFactor() == 1.0; }, 2000));
  testsupport::MoveMouse(form, 310, 230);
  EXPECT_TRUE(testsupport::ServeUntil([&] { return box->MorphFactor() == 0.0; }, 2000));

  box->SetFocus();
  EXPECT_TRUE(testsupport::ServeUntil([&] { return box->MorphFactor() == 1.0; }, 2000));
  testsupport::MoveMouse(box, 30, 8);
  testsupport::MoveMouse(form, 310, 230);
  EXPECT_TRUE(testsupport::ServeUntil([&] { return !box->MorphTimer()->Enabled(); }, 2000));
  EXPECT_DOUBLE_EQ(1.0, box->MorphFactor());
}

TEST_F(CheckSkinTest, ASkinChangeSizesAFacedBoxButNeverAFlatOne) {
  TTestBox* flat = PlaceSkinned(10, 10, true);
  TTestBox* faced = PlaceSkinned(10, 40, false);
  EXPECT_EQ(150, flat->Width());
  EXPECT_EQ(25, flat->Height());
  EXPECT_EQ(kFace.Width(), faced->Width());
  EXPECT_EQ(kFace.Height(), faced->Height());
  TspSkinData* wider = CheckSkin({{"skinrect", "0,0,48,20"}});
  flat->SetSkinData(wider);
  faced->SetSkinData(wider);
  EXPECT_EQ(150, flat->Width());
  EXPECT_EQ(25, flat->Height());
  EXPECT_EQ(48, faced->Width());
  EXPECT_EQ(20, faced->Height());
  flat->SetBounds(10, 10, 120, 30);
  EXPECT_EQ(120, flat->Width());
  EXPECT_EQ(30, flat->Height());
}

TEST_F(CheckSkinTest, AWiderFaceStretchesTheTextAreaAndCarriesAGlyphRightOfTheText) {
  struct Row {
    const char* name;
    const char* glyphArea;
    const char* textArea;
    TRect text;
    TRect glyph;
  };
  const Row rows[] = {
      {"glyph left", "2,2,14,14", "16,0,40,16", Rect(16, 0, 100, 16), Rect(4, 4, 12, 12)},
      {"glyph right", "26,2,38,14", "0,0,24,16", Rect(0, 0, 84, 16), Rect(88, 4, 96, 12)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TTestBox* box = PlaceSkinned(10, 10, false,
                                 {{"lefttoppoint", "10,0"}, {"righttoppoint", "30,0"},
                                  {"checkimagearea", row.glyphArea}, {"textarea", row.textArea}});
    box->SetBounds(10, 10, 100, 30);
    EXPECT_EQ(100, box->Width());
    EXPECT_EQ(16, box->Height());
    EXPECT_EQ(row.text, box->TextRect());
    EXPECT_EQ(row.glyph, box->GlyphRect());
    box->SetChecked(true);
    EXPECT_EQ(GlyphPixels(*box->SkinData(), kChecked, PaintedBlock(box, row.glyph.Left, 11, 1, 1)[0]),
              PaintedBlock(box, row.glyph.Left, row.glyph.Top, 8, 8));
    delete box;
  }
}
