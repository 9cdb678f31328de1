// Framed check boxes and radio buttons on screen: the glyph templates and their colours,
// hot tracking, the 3D caption, radio and check-box semantics through real input,
// custom glyph strips and linked actions.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ButtonTestSupport.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/windowing/Action.h"
#include "framed/FrCommon.h"
#include "framed/FrRadChk.h"

namespace {

using buttontests::Host;
using buttontests::kBack;
using buttontests::OnForm;
using buttontests::TCounter;

// The templates as letter grids: W white, K black, g green, G gray, p purple, m maroon,
// L lime, R red, F fuchsia, Y yellow, n navy, B blue, A aqua, o olive.
struct TemplateCase {
  const char* name;
  std::vector<std::string> rows;
};

const TemplateCase kTemplates[] = {
    {"FRCOMMON_RADIOBUTTON_UNCHECKED",
     {"ooooAgKgAoooo", "ooAKGLFLGKAoo", "oAgLFFFFFLgAo", "oKLFFYWYFFmKo", "AGFFWWWWWRRpA", "gLFYWWWWWYRmg",
      "KFFWWWWWWWRRK", "gLFYWWWWWYRmg", "AGFFWWWWWRRpA", "oKLFRYWYRRmKo", "oAgmRRRRRmgAo", "ooAKpmRmpKAoo",
      "ooooAgKgAoooo"}},
    {"FRCOMMON_RADIOBUTTON_CHECKED",
     {"ooooAgKgAoooo", "ooAKGLFLGKAoo", "oAgLFFFFFLgAo", "oKLFFYWYFFmKo", "AGFFWBnBWRRpA", "gLFYBnnnBYRmg",
      "KFFWnnnnnWRRK", "gLFYBnnnBYRmg", "AGFFWBnBWRRpA", "oKLFRYWYRRmKo", "oAgmRRRRRmgAo", "ooAKpmRmpKAoo",
      "ooooAgKgAoooo"}},
    {"FRCOMMON_CHECKBOX_UNCHECKED",
     {"GGGGGGGGGGGGG", "GFFFFFFFFFFFG", "GFFFFFFFFFFRG", "GFFWWWWWWWRRG", "GFFWWWWWWWRRG", "GFFWWWWWWWRRG",
      "GFFWWWWWWWRRG", "GFFWWWWWWWRRG", "GFFWWWWWWWRRG", "GFFWWWWWWWRRG", "GFFRRRRRRRRRG", "GFRRRRRRRRRRG",
      "GGGGGGGGGGGGG"}},
    {"FRCOMMON_CHECKBOX_CHECKED",
     {"GGGGGGGGGGGGG", "GFFFFFFFFFFFG", "GFFFFFFFFFFRG", "GFFWWWWWWBRRG", "GFFWWWWWBBRRG", "GFFBWWWBBBRRG",
      "GFFBBWBBBWRRG", "GFFBBBBBWWRRG", "GFFWBBBWWWRRG", "GFFWWBWWWWRRG", "GFFRRRRRRRRRG", "GFRRRRRRRRRRG",
      "GGGGGGGGGGGGG"}},
    {"FRCOMMON_CHECKBOX_GRAYED",
     {"GGGGGGGGGGGGG", "GFFFFFFFFFFFG", "GFFFFFFFFFFRG", "GFFBBBBBBBRRG", "GFFBBBBBBBRRG", "GFFBBBBBBBRRG",
      "GFFBBBBBBBRRG", "GFFBBBBBBBRRG", "GFFBBBBBBBRRG", "GFFBBBBBBBRRG", "GFFRRRRRRRRRG", "GFRRRRRRRRRRG",
      "GGGGGGGGGGGGG"}},
};

TColor LetterColor(char letter) {
  switch (letter) {
    case 'W': return clWhite;
    case 'K': return clBlack;
    case 'g': return clGreen;
    case 'G': return clGray;
    case 'p': return clPurple;
    case 'm': return clMaroon;
    case 'L': return clLime;
    case 'R': return clRed;
    case 'F': return clFuchsia;
    case 'Y': return clYellow;
    case 'n': return clNavy;
    case 'B': return clBlue;
    case 'A': return clAqua;
    default: return clOlive;
  }
}

// The glyph of a control with avTop and the glyph on the left lies at (0, 2).
constexpr int kGlyphTop = 2;

TEST(FramedGlyphTemplates, EachResourceEqualsItsLetterGrid) {
  for (const TemplateCase& expected : kTemplates) {
    TBitmap bitmap;
    bitmap.LoadFromResourceName(GetModuleHandleA(nullptr), expected.name);
    ASSERT_EQ(13, bitmap.Width()) << expected.name;
    ASSERT_EQ(13, bitmap.Height()) << expected.name;
    EXPECT_EQ(pf4bit, bitmap.PixelFormat()) << expected.name;
    for (int y = 0; y < 13; ++y) {
      for (int x = 0; x < 13; ++x) {
        ASSERT_EQ(LetterColor(expected.rows[y][x]), bitmap.Canvas()->Pixels(x, y))
            << expected.name << " at " << x << "," << y;
      }
    }
  }
}

class FramedRadioCheck : public OnForm {};

TEST_F(FramedRadioCheck, MarkInTheKeyGrayIsDrawnOneStepUp) {
  Host host(form_);
  auto* box = host.Add<TFrCheckBox>(10, 10, 120, 20, "Gray");
  box->SetHotTrack(true);
  box->SetHighlightColor(clGray);
  box->SetState(cbChecked);
  box->Repaint();
  // (9, 3) of the template is mark.
  EXPECT_EQ(0x808081u, testsupport::ControlPixel(box, 9, kGlyphTop + 3));
}

TEST_F(FramedRadioCheck, AquaOfTheRadioTemplateEndsAsTheFrameBlend) {
  Host host(form_);
  auto* radio = host.Add<TFrRadioButton>(10, 10, 120, 20, "Aqua");
  constexpr TColor kFrame = 0x3070B0;
  radio->SetHotTrack(true);
  radio->SetFrameColor(kFrame);
  radio->Repaint();
  const TColor blend = MixColors(kFrame, kBack, 128);
  ASSERT_NE(blend, LightenColor(kFrame, 10));
  for (TPoint aqua : {Point(4, 0), Point(0, 4), Point(12, 8), Point(1, 10)})
    EXPECT_EQ(static_cast<COLORREF>(blend), testsupport::ControlPixel(radio, aqua.X, kGlyphTop + aqua.Y))
        << aqua.X << "," << aqua.Y;
}

// Records the area each paint covers.
class TPaintRecordingCheckBox : public TFrCheckBox {
 public:
  using TFrCheckBox::TFrCheckBox;
  std::vector<TRect> painted;

 protected:
  void Paint() override {
    painted.push_back(Canvas()->ClipRect());
    TFrCheckBox::Paint();
  }
};

TEST_F(FramedRadioCheck, HoverRepaintsOnlyTheGlyphInTheHoverColours) {
  ASSERT_TRUE(DisplayHasFullColor());
  Host host(form_);
  auto* box = host.Add<TPaintRecordingCheckBox>(10, 10, 140, 20, "Hover");
  constexpr TColor kTrack = 3983359;
  box->SetHotTrack(true);
  box->SetHotTrackColorType(htctActual);
  box->SetHotTrackColor(kTrack);
  testsupport::MoveMouse(host.Panel(), 300, 200);
  box->Repaint();
  box->painted.clear();
  testsupport::MoveMouse(box, 80, 10);
  ASSERT_TRUE(box->MouseOverButton());
  ASSERT_FALSE(box->painted.empty());
  for (const TRect& area : box->painted) {
    EXPECT_EQ(0, area.Left);
    EXPECT_EQ(kGlyphTop, area.Top);
    EXPECT_EQ(13, area.Right);
    EXPECT_EQ(kGlyphTop + 13, area.Bottom);
  }
  // (1, 1) of the template is the light band, (11, 2) the dark one.
  EXPECT_EQ(static_cast<COLORREF>(ColorToRGB(LightenColor(kTrack, 30))), testsupport::ControlPixel(box, 1, kGlyphTop + 1));
  EXPECT_EQ(static_cast<COLORREF>(ColorToRGB(DarkenColor(kTrack, 30))), testsupport::ControlPixel(box, 11, kGlyphTop + 2));
}

// The bounds of the pixels that `is` picks out.
template <class Pick>
TRect BoundsOf(TBitmap* shot, Pick is) {
  TRect bounds = Rect(10000, 10000, -1, -1);
  for (int y = 0; y < shot->Height(); ++y) {
    for (int x = 0; x < shot->Width(); ++x) {
      const TColor c = shot->Canvas()->Pixels(x, y);
      if (!is(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF)) continue;
      bounds = Rect(std::min<int>(bounds.Left, x), std::min<int>(bounds.Top, y), std::max<int>(bounds.Right, x),
                    std::max<int>(bounds.Bottom, y));
    }
  }
  return bounds;
}

TEST_F(FramedRadioCheck, LightTextStyleDrawsOnlyTheHighlightCopy) {
  struct Case {
    TTextStyle style;
    int offset;  // of the highlight copy
  };
  for (Case c : {Case{tsRaised, -1}, Case{tsRecessed, 1}}) {
    Host host(form_);
    auto* box = host.Add<TFrCheckBox>(10, 10, 200, 40, "HHHH");
    box->Font()->SetName("Arial");
    box->Font()->SetSize(16);
    box->Font()->SetColor(clBlack);
    box->SetTextStyle(c.style);
    box->SetLightTextStyle(true);
    box->SetTextHighlightColor(clRed);
    box->SetTextShadowColor(clBlue);
    box->Repaint();
    auto shot = testsupport::CaptureWindow(box->Handle(), Rect(14, 0, 200, 40));
    const TRect text = BoundsOf(shot.get(), [](int r, int g, int b) { return r < 60 && g < 60 && b < 60; });
    const TRect light = BoundsOf(shot.get(), [](int r, int g, int b) { return r > 200 && g < 60 && b < 60; });
    const TRect shadow = BoundsOf(shot.get(), [](int r, int g, int b) { return b > 200 && r < 60 && g < 60; });
    ASSERT_GE(text.Right, 0) << c.style;
    EXPECT_LT(shadow.Right, 0) << "no shadow copy, style " << c.style;
    if (c.offset < 0) {
      EXPECT_EQ(text.Left - 1, light.Left);
      EXPECT_EQ(text.Top - 1, light.Top);
    } else {
      EXPECT_EQ(text.Right + 1, light.Right);
      EXPECT_EQ(text.Bottom + 1, light.Bottom);
    }
  }
}

TEST_F(FramedRadioCheck, ClicksCheckOneRadioOfTheParentAndClickOnce) {
  Host host(form_);
  TFrRadioButton* radios[3];
  TCounter clicks[3];
  for (int i = 0; i < 3; ++i) {
    radios[i] = host.Add<TFrRadioButton>(10, 10 + 25 * i, 120, 20, "Radio");
    radios[i]->OnClick = clicks[i].Event();
  }
  radios[0]->SetChecked(true);
  clicks[0].count = 0;
  testsupport::Click(radios[0], 5, 8);
  EXPECT_TRUE(radios[0]->Checked());
  EXPECT_EQ(0, clicks[0].count);
  testsupport::Click(radios[1], 40, 8);
  EXPECT_FALSE(radios[0]->GetChecked());
  EXPECT_TRUE(radios[1]->GetChecked());
  EXPECT_FALSE(radios[2]->GetChecked());
  EXPECT_EQ(1, clicks[1].count);
  EXPECT_EQ(0, clicks[0].count + clicks[2].count);
}

TEST_F(FramedRadioCheck, TabbingOntoARadioChecksIt) {
  Host host(form_);
  auto* box = host.Add<TFrCheckBox>(10, 10, 120, 20, "Box");
  auto* radio = host.Add<TFrRadioButton>(10, 40, 120, 20, "Radio");
  radio->SetTabStop(true);
  TCounter clicks;
  radio->OnClick = clicks.Event();
  box->SetFocus();
  testsupport::PressKey(VK_TAB);
  EXPECT_TRUE(radio->Focused());
  EXPECT_TRUE(radio->Checked());
  EXPECT_EQ(1, clicks.count);
}

TEST_F(FramedRadioCheck, ClicksCycleTheCheckBoxStates) {
  struct Case {
    bool allowGrayed;
    TCheckBoxState after[3];
  };
  for (Case c : {Case{true, {cbGrayed, cbChecked, cbUnchecked}}, Case{false, {cbChecked, cbUnchecked, cbChecked}}}) {
    Host host(form_);
    auto* box = host.Add<TFrCheckBox>(10, 10, 120, 20, "Cycle");
    box->SetAllowGrayed(c.allowGrayed);
    TCounter clicks;
    box->OnClick = clicks.Event();
    for (int i = 0; i < 3; ++i) {
      testsupport::Click(box, 5, 8);
      EXPECT_EQ(c.after[i], box->State()) << "grayed allowed " << c.allowGrayed << ", click " << i;
    }
    EXPECT_EQ(3, clicks.count);
  }
}

TEST_F(FramedRadioCheck, SpaceTogglesOnceAndEscapeCancels) {
  struct Case {
    bool escape;
    TCheckBoxState after;
    int clicks;
  };
  for (Case c : {Case{false, cbChecked, 1}, Case{true, cbUnchecked, 0}}) {
    Host host(form_);
    auto* box = host.Add<TFrCheckBox>(10, 10, 120, 20, "Keys");
    TCounter clicks;
    box->OnClick = clicks.Event();
    box->SetFocus();
    testsupport::HoldKey(VK_SPACE);
    EXPECT_TRUE(box->ShowDownVersion());
    EXPECT_EQ(cbUnchecked, box->State());
    if (c.escape) {
      testsupport::HoldKey(VK_ESCAPE);
      testsupport::ReleaseKey(VK_ESCAPE);
      EXPECT_FALSE(box->ShowDownVersion());
    }
    testsupport::ReleaseKey(VK_SPACE);
    EXPECT_FALSE(box->ShowDownVersion());
    EXPECT_EQ(c.after, box->State()) << "escape " << c.escape;
    EXPECT_EQ(c.clicks, clicks.count) << "escape " << c.escape;
  }
}

TEST_F(FramedRadioCheck, PressReleasedOutsideChangesNothing) {
  Host host(form_);
  auto* box = host.Add<TFrCheckBox>(10, 10, 120, 20, "Outside");
  TCounter clicks;
  box->OnClick = clicks.Event();
  testsupport::HoldMouse(box, 5, 8);
  EXPECT_TRUE(box->ShowDownVersion());
  testsupport::MoveMouse(box, 5, 100);
  EXPECT_FALSE(box->ShowDownVersion());
  testsupport::MoveMouse(box, 6, 8);
  EXPECT_TRUE(box->ShowDownVersion());
  testsupport::MoveMouse(box, 5, 100);
  testsupport::ReleaseMouse();
  EXPECT_FALSE(box->ShowDownVersion());
  EXPECT_EQ(cbUnchecked, box->State());
  EXPECT_EQ(0, clicks.count);
}

TEST_F(FramedRadioCheck, CustomGlyphStripSetsTheGlyphSize) {
  Host host(form_);
  auto* radio = host.Add<TFrRadioButton>(10, 10, 120, 20, "Strip");
  TBitmap strip;
  strip.SetSize(78, 13);
  radio->SetCustomGlyphs(&strip);
  EXPECT_TRUE(radio->UseCustomGlyphs());
  EXPECT_EQ(13, radio->GlyphWidth());
  EXPECT_EQ(13, radio->GlyphHeight());
  TBitmap empty;
  radio->SetCustomGlyphs(&empty);
  EXPECT_FALSE(radio->UseCustomGlyphs());
}

TEST_F(FramedRadioCheck, CustomGlyphsShowTheImageOfTheState) {
  Host host(form_);
  auto* radio = host.Add<TFrRadioButton>(10, 10, 120, 20, "Strip");
  // Six 4 x 4 images, each of its own colour.
  const TColor colors[6] = {0x000010, 0x000020, 0x000030, 0x000040, 0x000050, 0x000060};
  TBitmap strip;
  strip.SetSize(24, 4);
  for (int i = 0; i < 6; ++i) {
    strip.Canvas()->Brush()->SetColor(colors[i]);
    strip.Canvas()->FillRect(Rect(4 * i, 0, 4 * i + 4, 4));
  }
  radio->SetCustomGlyphs(&strip);
  radio->SetChecked(true);
  radio->Repaint();
  EXPECT_EQ(static_cast<COLORREF>(colors[1]), testsupport::ControlPixel(radio, 1, kGlyphTop + 1));
  radio->SetEnabled(false);
  radio->Repaint();
  EXPECT_EQ(static_cast<COLORREF>(colors[5]), testsupport::ControlPixel(radio, 1, kGlyphTop + 1));
}

TEST_F(FramedRadioCheck, LinkedActionChecksTheBox) {
  Host host(form_);
  auto* box = host.Add<TFrCheckBox>(10, 10, 120, 20, "Action");
  TAction action(nullptr);
  action.SetChecked(true);
  box->SetAction(&action);
  EXPECT_TRUE(box->GetChecked());
  action.SetChecked(false);
  EXPECT_FALSE(box->GetChecked());
  box->SetAction(nullptr);
}

// A form class without a resource: the test hands it a text.
class TGlyphButtonsForm : public TComponent {
  CLASSLIB_CLASS(TGlyphButtonsForm, TComponent)
 public:
  explicit TGlyphButtonsForm(TComponent* owner) : TComponent(owner) {}
};

TEST(FramedRadioCheckResource, ReadsTheButtonsAndTheirOlderFlat) {
  RegisterFormClass(TGlyphButtonsForm::StaticClass(), {}, {});
  TGlyphButtonsForm form(nullptr);
  ReadFormText(&form, TGlyphButtonsForm::StaticClass(),
               "object F: TGlyphButtonsForm\n"
               "  object Box: TFrCheckBox\n    Flat = True\n    AllowGrayed = True\n    State = cbGrayed\n"
               "    HotTrackColorType = htctActual\n    FrameColor = 8409372\n  end\n"
               "  object Radio: TFrRadioButton\n    Checked = True\n    Alignment = taLeftJustify\n  end\n"
               "end\n",
               "Glyphs.form");
  auto* box = static_cast<TFrCheckBox*>(form.FindComponent("Box"));
  auto* radio = static_cast<TFrRadioButton*>(form.FindComponent("Radio"));
  ASSERT_NE(nullptr, box);
  ASSERT_NE(nullptr, radio);
  EXPECT_TRUE(box->HotTrack());
  EXPECT_TRUE(box->AllowGrayed());
  EXPECT_EQ(cbGrayed, box->State());
  EXPECT_EQ(htctActual, box->HotTrackColorType());
  EXPECT_EQ(TColor(8409372), box->FrameColor());
  EXPECT_EQ(avTop, box->AlignmentVertical());
  EXPECT_TRUE(radio->GetChecked());
  EXPECT_EQ(taLeftJustify, radio->Alignment());
}

}  // namespace
