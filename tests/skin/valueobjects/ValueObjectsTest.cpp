// Track bars, gauges, frame gauges and frame regulators of a client-mode form: their
// faces by pixel, the user's changes under real pointer input, the operations by name,
// their quiet forms while a skin is applied, and ranges or strips that leave no steps.
#include <gtest/gtest.h>

#include <cmath>

#include "ValueObjectFixtures.h"
#include "skin/form/Formskinner_ValueObjects.h"

using namespace formskin;
using namespace formobjects;
using namespace valueobjects;

namespace {

const TRect kVolume{20, 10, 140, 20};
const TRect kFlat{20, 22, 140, 32};
const TRect kEnds{20, 34, 140, 44};
const TRect kVertical{150, 10, 160, 110};
const TRect kLevel{20, 48, 60, 58};
const TRect kEmpty{70, 48, 110, 58};
const TRect kMeter{120, 48, 130, 58};
const TRect kTank{170, 10, 180, 60};
const TRect kKnob{20, 62, 70, 112};
const TRect kSlider{80, 62, 130, 112};
const TRect kSingle{170, 70, 180, 80};
const TRect kBare{185, 70, 195, 80};

TObjectEntry Track(const std::string& name, const TRect& rect, const std::string& begin, const std::string& end,
                   const std::string& maxValue) {
  return StripObject(name, "trackbar", rect,
                     {{"beginpoint", begin},
                      {"endpoint", end},
                      {"minvalue", "0"},
                      {"maxvalue", maxValue},
                      {"mousedownchangevalue", "1"},
                      {"buttonrect", RectText(kButtonFace)},
                      {"activebuttonrect", RectText(kDraggedFace)}});
}

TObjectEntry Regulator(const std::string& name, const TRect& rect, const std::string& kind, int frames,
                       const TRect& strip = kLargeFrames) {
  return StripObject(name, "frameregulator", rect,
                     {{"minvalue", "0"},
                      {"maxvalue", "100"},
                      {"countframes", std::to_string(frames)},
                      {"activeskinrect", RectText(strip)},
                      {"kind", kind}});
}

std::vector<TObjectEntry> ValueEntries() {
  TObjectEntry volume = Track("Volume", kVolume, "10,5", "110,5", "100");
  volume.keys["activeskinrect"] = RectText(Rect(0, 70, 120, 80));
  return {volume,
          Track("Flat", kFlat, "10,5", "110,5", "0"),
          Track("Ends", kEnds, "60,5", "60,5", "100"),
          Track("Vertical", kVertical, "5,95", "5,5", "100"),
          StripObject("Level", "gauge", kLevel,
                      {{"minvalue", "0"}, {"maxvalue", "100"}, {"activeskinrect", RectText(Rect(0, 70, 40, 80))}}),
          StripObject("Empty", "gauge", kEmpty, {{"activeskinrect", RectText(Rect(0, 70, 40, 80))}}),
          StripObject("Meter", "framegauge", kMeter,
                      {{"minvalue", "0"},
                       {"maxvalue", "100"},
                       {"countframes", "11"},
                       {"activeskinrect", RectText(kSmallFrames)}}),
          StripObject("Tank", "gauge", kTank,
                      {{"minvalue", "0"},
                       {"maxvalue", "100"},
                       {"kind", "gkvertical"},
                       {"activeskinrect", RectText(Rect(0, 80, 10, 130))}}),
          Regulator("Knob", kKnob, "rkround", 11),
          Regulator("Slider", kSlider, "rkhorizontal", 11),
          Regulator("Single", kSingle, "rkround", 1, Rect(0, 0, 10, 10)),
          Regulator("Bare", kBare, "rkhorizontal", 0, Rect(0, 0, 10, 10))};
}

class ValueObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(1200, 1000);
    form_ = MakeForm(100, 100, kWidth, kHeight);
    skinner_ = new TspFormSkinner(form_.get());
    skinner_->SetSupportNCArea(false);
    skinner_->Sizeable = false;
    skinner_->OnChangeSkinData = TNotifyEvent(this, &ValueObjects::ChangeSkinData);
    skinner_->SetSkinData(StripSkinData("valueobjects", ValueEntries()));
    events_ = std::make_unique<TValueEvents>(skinner_);
    form_->Show();
    SetForegroundWindow(form_->Handle());
    testsupport::PumpMessages(150);
  }

  void TearDown() override {
    SetCursorPos(1200, 1000);
    form_.reset();
  }
  static void TearDownTestSuite() { SharedSkins().clear(); }

  // Sets the knob as an application does whenever a skin is applied.
  void ChangeSkinData(TObject*) { skinner_->FrameRegulatorSetValue("Knob", 30); }

  template <class Kind>
  Kind* Object(const char* name) const {
    return dynamic_cast<Kind*>(skinner_->ObjectList[static_cast<size_t>(skinner_->GetIndex(name))].get());
  }
  // The screen point of a point of `rect` (object-local).
  POINT At(const TRect& rect, int x, int y) const {
    return WindowPoint(form_.get(), rect.Left + x, rect.Top + y);
  }
  COLORREF Pixel(const TRect& rect, int x, int y) { return testsupport::ControlPixel(form_.get(), rect.Left + x, rect.Top + y); }
  void Repaint() {
    form_->Invalidate();
    form_->Update();
  }
  // Presses at the first object-local point of `rect`, moves through the others and
  // releases at the last, with real pointer input.
  void Drag(const TRect& rect, const std::vector<POINT>& path) {
    const POINT start = At(rect, path.front().x, path.front().y);
    CursorTo(start.x, start.y);
    LeftButton(true);
    for (size_t i = 1; i < path.size(); ++i) {
      const POINT p = At(rect, path[i].x, path[i].y);
      CursorTo(p.x, p.y);
    }
    LeftButton(false);
  }

  std::unique_ptr<TForm> form_;
  TspFormSkinner* skinner_ = nullptr;
  std::unique_ptr<TValueEvents> events_;
};

using Lines = std::vector<std::string>;

TEST_F(ValueObjects, TheSkinsValueEntriesBecomeObjectsOfTheirKind) {
  EXPECT_NE(Object<TspSkinTrackBarObject>("Volume"), nullptr);
  EXPECT_NE(Object<TspSkinGaugeObject>("Level"), nullptr);
  EXPECT_NE(Object<TspSkinFrameGaugeObject>("Meter"), nullptr);
  EXPECT_NE(Object<TspSkinFrameRegulatorObject>("Knob"), nullptr);
  EXPECT_EQ(Object<TspSkinTrackBarObject>("Vertical")->TrackKind, 1);
  EXPECT_EQ(Object<TspSkinFrameRegulatorObject>("Slider")->FrameWidth, 50);
}

TEST_F(ValueObjects, ATrackBarAtHalfCentresItsButtonAndFillsTheTrackUpToIt) {
  skinner_->TrackBarSetValue("Volume", 50);
  EXPECT_EQ(events_->lines, Lines{"track Volume 50"});
  EXPECT_EQ(Object<TspSkinTrackBarObject>("Volume")->ButtonPos, Point(60, 5));
  for (int pass = 0; pass < 2; ++pass) {  // drawn at once, and again in a full paint
    EXPECT_EQ(Pixel(kVolume, 57, 2), kButtonColour) << pass;
    EXPECT_EQ(Pixel(kVolume, 63, 8), kButtonColour) << pass;
    EXPECT_EQ(Pixel(kVolume, 55, 5), kFillColour) << pass;
    EXPECT_EQ(Pixel(kVolume, 64, 5), PicturePixel(kVolume.Left + 64, kVolume.Top + 5)) << pass;
    Repaint();
  }
}

TEST_F(ValueObjects, APressBesideTheButtonMovesItThereClampedToTheTrack) {
  skinner_->TrackBarSetValue("Volume", 50);
  events_->lines.clear();
  ClickWindowPoint(form_.get(), kVolume.Left + 116, kVolume.Top + 5);  // past the end at 110
  EXPECT_EQ(skinner_->TrackBarGetValue("Volume"), 100);
  EXPECT_EQ(Object<TspSkinTrackBarObject>("Volume")->ButtonPos, Point(110, 5));
  EXPECT_EQ(Pixel(kVolume, 110, 5), kButtonColour);
  ClickWindowPoint(form_.get(), kVolume.Left + 35, kVolume.Top + 5);
  EXPECT_EQ(skinner_->TrackBarGetValue("Volume"), 25);
  EXPECT_EQ(events_->lines, (Lines{"track Volume 100", "track Volume 25"}));
}

TEST_F(ValueObjects, DraggingTheButtonReportsEveryChangeAndAMovePastAnEndMovesNothing) {
  skinner_->TrackBarSetValue("Volume", 50);
  events_->lines.clear();
  const POINT start = At(kVolume, 60, 5);
  CursorTo(start.x, start.y);
  LeftButton(true);
  EXPECT_EQ(Pixel(kVolume, 60, 5), kDraggedColour);
  for (int x : {70, 90, 105}) {
    const POINT p = At(kVolume, x, 5);
    CursorTo(p.x, p.y);
  }
  EXPECT_EQ(events_->lines, (Lines{"track Volume 60", "track Volume 80", "track Volume 95"}));
  const POINT past = At(kVolume, 118, 5);  // would carry the button to 118
  CursorTo(past.x, past.y);
  EXPECT_EQ(Object<TspSkinTrackBarObject>("Volume")->ButtonPos, Point(105, 5));
  const POINT back = At(kVolume, 108, 5);  // measured from where the pointer now is
  CursorTo(back.x, back.y);
  LeftButton(false);
  EXPECT_EQ(skinner_->TrackBarGetValue("Volume"), 85);
  EXPECT_EQ(events_->lines.back(), "track Volume 85");
  EXPECT_EQ(Pixel(kVolume, 95, 5), kButtonColour);  // the normal face again
}

TEST_F(ValueObjects, TrackBarSetValueClampsAndIgnoresThePresentValue) {
  skinner_->TrackBarSetValue("Volume", 250);
  EXPECT_EQ(skinner_->TrackBarGetValue("Volume"), 100);
  skinner_->TrackBarSetValue("Volume", 100);
  skinner_->TrackBarSetValue("Volume", -5);
  EXPECT_EQ(events_->lines, (Lines{"track Volume 100", "track Volume 0"}));
  EXPECT_EQ(skinner_->TrackBarGetValue("Nowhere"), 0);
  EXPECT_EQ(skinner_->TrackBarGetValue("Level"), 0);  // a gauge is no track bar
  EXPECT_EQ(skinner_->FrameRegulatorGetValue("Volume"), 0);
}

TEST_F(ValueObjects, WhileASkinIsAppliedTrackBarSetValueStoresAndReportsWithoutDrawing) {
  skinner_->ApplyingSkin = true;
  skinner_->TrackBarSetValue("Volume", 50);
  skinner_->ApplyingSkin = false;
  EXPECT_EQ(events_->lines, Lines{"track Volume 50"});
  EXPECT_EQ(skinner_->TrackBarGetValue("Volume"), 50);
  EXPECT_EQ(Pixel(kVolume, 60, 5), PicturePixel(kVolume.Left + 60, kVolume.Top + 5));
  EXPECT_EQ(Pixel(kVolume, 10, 5), kButtonColour);  // still drawn at the start
  Repaint();
  EXPECT_EQ(Pixel(kVolume, 60, 5), kButtonColour);
}

TEST_F(ValueObjects, AValueSetInOnChangeSkinDataHoldsAfterTheSkinIsApplied) {
  EXPECT_EQ(skinner_->FrameRegulatorGetValue("Knob"), 30);
  EXPECT_EQ(Pixel(kKnob, 25, 25), FrameColour(4));
}

TEST_F(ValueObjects, AVerticalTrackBarHasMinValueAtItsLowerEnd) {
  skinner_->TrackBarSetValue("Vertical", 50);
  EXPECT_EQ(Object<TspSkinTrackBarObject>("Vertical")->ButtonPos, Point(5, 50));
  ClickWindowPoint(form_.get(), kVertical.Left + 5, kVertical.Top + 98);
  EXPECT_EQ(skinner_->TrackBarGetValue("Vertical"), 0);
  EXPECT_EQ(Pixel(kVertical, 5, 95), kButtonColour);
  ClickWindowPoint(form_.get(), kVertical.Left + 5, kVertical.Top + 2);
  EXPECT_EQ(skinner_->TrackBarGetValue("Vertical"), 100);
  EXPECT_EQ(events_->lines, (Lines{"track Vertical 50", "track Vertical 0", "track Vertical 100"}));
}

TEST_F(ValueObjects, AGaugeFillsFromTheActivePictureAtOnce) {
  skinner_->GaugeSetValue("Level", 25);
  EXPECT_EQ(Pixel(kLevel, 9, 5), kFillColour);
  EXPECT_EQ(Pixel(kLevel, 10, 5), PicturePixel(kLevel.Left + 10, kLevel.Top + 5));
  skinner_->GaugeSetValue("Tank", 40);  // fills 20 of 50 rows from the bottom
  EXPECT_EQ(Pixel(kTank, 5, 30), kFillColour);
  EXPECT_EQ(Pixel(kTank, 5, 29), PicturePixel(kTank.Left + 5, kTank.Top + 29));
  skinner_->GaugeSetValue("Level", 400);
  EXPECT_EQ(Pixel(kLevel, 39, 5), kFillColour);
  EXPECT_EQ(Object<TspSkinGaugeObject>("Level")->Value, 100);
}

TEST_F(ValueObjects, AGaugeAtMinValueLeavesAFullPaintToTheFormPicture) {
  auto* gauge = Object<TspSkinGaugeObject>("Level");
  TBitmap canvas;
  canvas.SetSize(kWidth, kHeight);
  const COLORREF marker = RGB(1, 2, 3);
  canvas.Canvas()->Brush()->SetColor(static_cast<TColor>(marker));
  canvas.Canvas()->FillRect(Rect(0, 0, kWidth, kHeight));
  gauge->Draw(canvas.Canvas(), false);
  EXPECT_EQ(ColorToRGB(canvas.Canvas()->Pixels(kLevel.Left + 5, kLevel.Top + 5)), marker);
  gauge->Draw(canvas.Canvas(), true);  // drawn alone it shows the empty gauge
  EXPECT_EQ(ColorToRGB(canvas.Canvas()->Pixels(kLevel.Left + 5, kLevel.Top + 5)),
            PicturePixel(kLevel.Left + 5, kLevel.Top + 5));
  skinner_->GaugeSetValue("Level", 50);
  canvas.Canvas()->FillRect(Rect(0, 0, kWidth, kHeight));
  gauge->Draw(canvas.Canvas(), false);
  EXPECT_EQ(ColorToRGB(canvas.Canvas()->Pixels(kLevel.Left + 5, kLevel.Top + 5)), kFillColour);
}

TEST_F(ValueObjects, AFrameGaugeShowsTheFrameOfItsValueAndIgnoresValuesOutsideItsRange) {
  struct Case {
    int value;
    int frame;
  };
  for (const Case& c : {Case{0, 1}, Case{50, 6}, Case{100, 11}, Case{150, 11}, Case{-1, 11}, Case{95, 10}}) {
    skinner_->FrameGaugeSetValue("Meter", c.value);
    EXPECT_EQ(Pixel(kMeter, 5, 5), FrameColour(c.frame)) << c.value;
  }
  EXPECT_EQ(Object<TspSkinFrameGaugeObject>("Meter")->Value, 95);
}

TEST_F(ValueObjects, GetRoundValueMeasuresDegreesClockwiseFromBelowTheCentre) {
  auto* knob = Object<TspSkinFrameRegulatorObject>("Knob");
  struct Case {
    int x, y, angle;
  };
  for (const Case& c : {Case{25, 45, 0}, Case{5, 25, 90}, Case{25, 5, 180}, Case{45, 25, 270}, Case{5, 40, 54},
                        Case{10, 5, 144}, Case{40, 5, 217}, Case{45, 40, 307}, Case{-30, 25, 90},
                        Case{25, 400, 0}}) {
    EXPECT_EQ(knob->GetRoundValue(c.x, c.y), c.angle) << c.x << "," << c.y;
  }
  knob->LastPos = 123;
  EXPECT_EQ(knob->GetRoundValue(25, 25), 123);  // the centre keeps the last position
}

TEST_F(ValueObjects, TurningTheKnobClockwiseStepsEvery36DegreesOnPastTheBottomUntilMaxValue) {
  skinner_->FrameRegulatorSetValue("Knob", 0);
  events_->lines.clear();
  std::vector<POINT> path;  // 20-degree steps at radius 20 from 10 degrees on
  for (int k = 0; k <= 22; ++k) {
    const double a = (10 + 20 * k) * 3.14159265358979 / 180;
    path.push_back(POINT{static_cast<LONG>(std::lround(25 - 20 * std::sin(a))),
                         static_cast<LONG>(std::lround(25 + 20 * std::cos(a)))});
  }
  Drag(kKnob, path);
  Lines expected;
  for (int v = 10; v <= 100; v += 10) expected.push_back("regulator Knob " + std::to_string(v));
  EXPECT_EQ(events_->lines, expected);
  EXPECT_EQ(Pixel(kKnob, 25, 25), FrameColour(11));
}

TEST_F(ValueObjects, DraggingTheSliderRightStepsByTenEveryFivePixels) {
  skinner_->FrameRegulatorSetValue("Slider", 0);
  events_->lines.clear();
  Drag(kSlider, {{5, 25}, {9, 25}, {10, 25}, {14, 25}, {15, 25}, {25, 25}, {20, 25}});
  EXPECT_EQ(events_->lines, (Lines{"regulator Slider 10", "regulator Slider 20", "regulator Slider 30",
                                   "regulator Slider 20"}));
  EXPECT_EQ(Pixel(kSlider, 25, 25), FrameColour(3));
}

TEST_F(ValueObjects, FrameRegulatorSetValueIgnoresValuesOutsideItsRangeAndReportsTheOthers) {
  skinner_->FrameRegulatorSetValue("Knob", 120);
  skinner_->FrameRegulatorSetValue("Knob", 60);
  skinner_->FrameRegulatorSetValue("Knob", 60);
  EXPECT_EQ(events_->lines, Lines{"regulator Knob 60"});
  EXPECT_EQ(Pixel(kKnob, 25, 25), FrameColour(7));
}

// Presses, moves and releases through the form component's pointer entry points, in
// form coordinates.
struct TDegenerateCase {
  const char* name;
  TRect rect;
  std::vector<POINT> path;  // object-local; the first is the press
};

TEST_F(ValueObjects, RangesAndStripsWithoutStepsStayAtTheirStartAndReportNothing) {
  const TDegenerateCase cases[] = {
      {"Flat", kFlat, {{60, 5}, {80, 5}, {100, 5}}},         // min = max: the button stays at the begin point
      {"Ends", kEnds, {{20, 5}}},                            // both ends at one point: beside the button
      {"Ends", kEnds, {{60, 5}, {80, 5}, {60, 9}}},          // and on it
      {"Single", kSingle, {{5, 9}, {1, 5}, {5, 1}, {9, 5}}},  // one frame
      {"Bare", kBare, {{1, 5}, {6, 5}, {9, 5}}},              // no frames
      {"Knob", kKnob, {{25, 25}, {25, 25}, {25, 25}}},       // held at the knob's centre
  };
  for (const TDegenerateCase& c : cases) {
    for (size_t i = 0; i < c.path.size(); ++i) {
      const int x = c.rect.Left + c.path[i].x;
      const int y = c.rect.Top + c.path[i].y;
      if (i == 0) {
        skinner_->MouseDown(mbLeft, x, y);
      } else {
        skinner_->MouseMove(x, y);
      }
    }
    skinner_->MouseUp(mbLeft, c.rect.Left + c.path.back().x, c.rect.Top + c.path.back().y);
    EXPECT_EQ(events_->lines, Lines{}) << c.name;
    events_->lines.clear();
  }
  EXPECT_EQ(Object<TspSkinTrackBarObject>("Flat")->ButtonPos, Point(10, 5));
  EXPECT_EQ(Pixel(kFlat, 10, 5), kButtonColour);
  skinner_->GaugeSetValue("Empty", 5);
  EXPECT_EQ(Object<TspSkinGaugeObject>("Empty")->Value, 0);
  EXPECT_EQ(Pixel(kEmpty, 1, 5), PicturePixel(kEmpty.Left + 1, kEmpty.Top + 5));
  EXPECT_EQ(Pixel(kSingle, 5, 5), FrameColour(1));
  skinner_->TrackBarSetValue("Flat", 7);
  EXPECT_EQ(Object<TspSkinTrackBarObject>("Flat")->ButtonPos, Point(10, 5));
}

}  // namespace
