// Framed labels and link labels on screen: text passes, rotation, blinking, fly-by
// colour, link opening and the hand cursor.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/windowing/Screen.h"
#include "classlib/windowing/Timer.h"
#include "framed/FrCommon.h"
#include "framed/FrLabel.h"
#include "framed/FrPanel.h"
#include "window_support.h"

namespace {

constexpr TColor kBack = clYellow;
constexpr TColor kText = clBlack;

TColor Rgb(TColor color) { return ColorToRGB(color); }

// Counts the events it is attached to.
struct TCounter {
  int count = 0;
  void Count(TObject*) { ++count; }
};

// A borderless yellow panel on the suite's form that hosts the labels of one test; the
// labels go with it.
class LabelHost {
 public:
  explicit LabelHost(TForm* form) : panel_(new TFrPanel(nullptr)) {
    panel_->SetParent(form);
    panel_->SetBorderOuter(fsNone);
    panel_->SetColor(kBack);
    panel_->SetBounds(0, 0, 320, 200);
  }
  ~LabelHost() { delete panel_; }
  LabelHost(const LabelHost&) = delete;
  LabelHost& operator=(const LabelHost&) = delete;

  TFrPanel* Panel() const { return panel_; }

  template <class L = TFrLabel>
  L* Add(const char* caption, int left = 10, int top = 10) {
    auto* label = new L(panel_);
    label->SetParent(panel_);
    label->SetLeft(left);
    label->SetTop(top);
    label->Font()->SetName("Arial");
    label->Font()->SetSize(14);
    label->Font()->SetColor(kText);
    label->SetCaption(caption);
    return label;
  }

  // What the host shows over the label.
  std::unique_ptr<TBitmap> Shot(TControl* label) {
    panel_->Repaint();
    panel_->Update();
    return testsupport::CaptureWindow(panel_->Handle(), label->BoundsRect());
  }

 private:
  TFrPanel* panel_;
};

// One form on screen for all tests of a suite.
class FramedLabels : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { form_ = testsupport::ShowTestForm(320, 200); }
  static void TearDownTestSuite() {
    delete form_;
    form_ = nullptr;
  }
  static TForm* form_;
};

TForm* FramedLabels::form_ = nullptr;

using TPixels = std::set<std::pair<int, int>>;

TPixels PixelsOf(TBitmap* shot, TColor color) {
  TPixels found;
  for (int y = 0; y < shot->Height(); ++y) {
    for (int x = 0; x < shot->Width(); ++x) {
      if (shot->Canvas()->Pixels(x, y) == Rgb(color)) found.insert({x, y});
    }
  }
  return found;
}

std::set<TColor> ColoursOf(TBitmap* shot) {
  std::set<TColor> colours;
  for (int y = 0; y < shot->Height(); ++y) {
    for (int x = 0; x < shot->Width(); ++x) colours.insert(shot->Canvas()->Pixels(x, y));
  }
  return colours;
}

// A copy of the text at (dx, dy): every pixel of `copy` lies (dx, dy) from a pixel of the text.
bool IsCopyOf(const TPixels& copy, const TPixels& text, int dx, int dy) {
  return std::all_of(copy.begin(), copy.end(), [&](auto p) { return text.contains({p.first - dx, p.second - dy}); });
}

// ---- Text passes ----

struct TCopy {
  TColor color;
  int dx, dy;
};

struct TextCase {
  const char* name;
  TTextStyle style;
  bool light;
  bool enabled;
  TColor textColor;           // the colour the text itself takes
  std::vector<TCopy> copies;  // copies of the text under it
};

class FramedLabelText : public FramedLabels, public ::testing::WithParamInterface<TextCase> {};

// Text, highlight and shadow in primaries: the smoothed edges of the text blend them,
// but only a fully covered pixel has a primary itself.
constexpr TColor kLabelText = clRed;
constexpr TColor kHighlight = clLime;
constexpr TColor kShadow = clBlue;

TEST_P(FramedLabelText, CopiesLieAtTheirOffsetsInTheirColours) {
  const TextCase& c = GetParam();
  LabelHost host(form_);
  auto* label = host.Add("Wg", 20, 20);
  EXPECT_EQ(clBtnHighlight, label->HighlightColor());
  EXPECT_EQ(clBtnShadow, label->ShadowColor());
  label->Font()->SetColor(kLabelText);
  label->SetHighlightColor(kHighlight);
  label->SetShadowColor(kShadow);
  label->SetTextStyle(c.style);
  label->SetLightTextStyle(c.light);
  label->SetEnabled(c.enabled);
  label->SetColor(kBack);
  auto shot = host.Shot(label);

  const TPixels text = PixelsOf(shot.get(), c.textColor);
  ASSERT_GT(text.size(), 20u) << "the caption is drawn";
  std::set<TColor> absent{kLabelText, kHighlight, kShadow, clBtnHighlight, clBtnShadow};
  absent.erase(c.textColor);
  for (const TCopy& copy : c.copies) {
    const TPixels pixels = PixelsOf(shot.get(), copy.color);
    EXPECT_GT(pixels.size(), 5u) << "a copy in " << std::hex << copy.color;
    EXPECT_TRUE(IsCopyOf(pixels, text, copy.dx, copy.dy)) << "copy at " << copy.dx << "," << copy.dy;
    absent.erase(copy.color);
  }
  for (TColor color : absent) EXPECT_TRUE(PixelsOf(shot.get(), color).empty()) << "no copy in " << std::hex << color;
}

INSTANTIATE_TEST_SUITE_P(
    Passes, FramedLabelText,
    ::testing::Values(
        TextCase{"Normal", tsNormal, false, true, kLabelText, {}},
        TextCase{"Recessed", tsRecessed, false, true, kLabelText, {{kHighlight, 1, 1}, {kShadow, -1, -1}}},
        TextCase{"RecessedLight", tsRecessed, true, true, kLabelText, {{kHighlight, 1, 1}}},
        TextCase{"Raised", tsRaised, false, true, kLabelText, {{kShadow, 1, 1}, {kHighlight, -1, -1}}},
        TextCase{"RaisedLight", tsRaised, true, true, kLabelText, {{kHighlight, -1, -1}}},
        TextCase{"Shadow", tsShadow, false, true, kLabelText, {{kShadow, 2, 2}}},
        TextCase{"Disabled", tsNormal, false, false, clBtnShadow, {{clBtnHighlight, 1, 1}}},
        TextCase{"DisabledRecessed", tsRecessed, false, false, clBtnShadow, {{clBtnHighlight, 1, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Rotation ----

SIZE MeasuredText(TFont* font, const AnsiString& text) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font->Handle());
  RECT r{0, 0, 0, 0};
  DrawTextA(screen, text.c_str(), text.Length(), &r, DT_CALCRECT | DT_EXPANDTABS);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

TEST_F(FramedLabels, AnUprightLabelSwapsTheMeasuredWidthAndHeight) {
  LabelHost host(form_);
  auto* label = host.Add("Upright text");
  const SIZE level = MeasuredText(label->Font(), "Upright text");
  ASSERT_GT(level.cx, level.cy);
  EXPECT_EQ(level.cx, label->Width());
  EXPECT_EQ(level.cy, label->Height());
  label->SetAngle(90);
  EXPECT_EQ(roFlat, label->Rotation());
  EXPECT_EQ(level.cy, label->Width());
  EXPECT_EQ(level.cx, label->Height());
  auto shot = host.Shot(label);
  const TPixels text = PixelsOf(shot.get(), kText);
  ASSERT_FALSE(text.empty());
  const auto [minY, maxY] = std::minmax_element(text.begin(), text.end(), [](auto a, auto b) { return a.second < b.second; });
  EXPECT_GT(maxY->second - minY->second, level.cy) << "the text runs upwards";
}

TEST_F(FramedLabels, AnglesAreKeptWithinAFullTurn) {
  LabelHost host(form_);
  auto* label = host.Add("A");
  const std::pair<int, int> cases[] = {{-90, 270}, {450, 90}, {360, 0}, {-450, 270}, {45, 45}};
  for (auto [set, kept] : cases) {
    label->SetAngle(set);
    EXPECT_EQ(kept, label->Angle()) << set;
  }
  label->SetAngle(0);
  EXPECT_EQ(roFlat, label->Rotation()) << "angle 0 keeps a flat rotation";
  label->SetAngle(30);
  label->SetRotation(roCurve);
  EXPECT_EQ(30, label->Angle()) << "a curve keeps the angle";
  label->SetRotation(roFlat);
  EXPECT_EQ(0, label->Angle());
}

// Groups of 8-connected pixels.
std::vector<TPixels> Blobs(TPixels pixels) {
  std::vector<TPixels> blobs;
  while (!pixels.empty()) {
    TPixels blob;
    std::vector<std::pair<int, int>> open{*pixels.begin()};
    pixels.erase(pixels.begin());
    while (!open.empty()) {
      auto [x, y] = open.back();
      open.pop_back();
      blob.insert({x, y});
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          if (pixels.erase({x + dx, y + dy}) > 0) open.push_back({x + dx, y + dy});
        }
      }
    }
    blobs.push_back(blob);
  }
  return blobs;
}

TEST_F(FramedLabels, CurvedTextDrawsEveryCharacterAlongTheArc) {
  LabelHost host(form_);
  auto* label = host.Add("LLLLL");
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 160, 160);
  label->SetRotation(roCurve);
  label->SetAngle(60);
  auto shot = host.Shot(label);
  TPixels drawn;
  for (int y = 0; y < shot->Height(); ++y) {
    for (int x = 0; x < shot->Width(); ++x) {
      if (shot->Canvas()->Pixels(x, y) != Rgb(kBack)) drawn.insert({x, y});
    }
  }
  const std::vector<TPixels> letters = Blobs(drawn);
  ASSERT_EQ(5u, letters.size()) << "one shape per character";
  std::set<int> rows;
  for (const TPixels& letter : letters) rows.insert(letter.begin()->second / 8);
  EXPECT_GT(rows.size(), 2u) << "the characters do not share one line";
}

// ---- Blinking ----

TEST_F(FramedLabels, TheSharedTickAlternatesStateAndIntervalsAndTellsOnlyBlinkingLabels) {
  ASSERT_EQ(nullptr, BlinkingControls) << "no label outlives its test";
  std::vector<std::string> log;
  {
    LabelHost host(form_);
    auto* still = host.Add("still", 10, 10);
    auto* blinking = host.Add("blink", 10, 60);
    ASSERT_NE(nullptr, BlinkingControls);
    EXPECT_EQ(1, BlinkingControls->BlinkState());
    EXPECT_EQ(500u, BlinkingControls->Timer()->Interval());
    EXPECT_TRUE(BlinkingControls->Timer()->Enabled());
    still->SetBlinkIntervalOn(200);
    blinking->SetBlinkIntervalOn(300);
    blinking->SetBlinkIntervalOff(600);
    EXPECT_EQ(300, still->BlinkIntervalOn()) << "the last label to set it decides";
    blinking->SetBlinkColor(clRed);
    blinking->SetBlinking(true);
    testsupport::TMessageSpy spyStill(still, "still", {CM_BLINKSTATE}, &log);
    testsupport::TMessageSpy spyBlinking(blinking, "blink", {CM_BLINKSTATE}, &log);

    BlinkingControls->BlinkTick(nullptr);
    EXPECT_EQ(0, BlinkingControls->BlinkState());
    EXPECT_EQ(600u, BlinkingControls->Timer()->Interval());
    EXPECT_EQ(Rgb(kText), Rgb(blinking->CurrentColor()));
    BlinkingControls->BlinkTick(nullptr);
    EXPECT_EQ(1, BlinkingControls->BlinkState());
    EXPECT_EQ(300u, BlinkingControls->Timer()->Interval());
    EXPECT_EQ(clRed, blinking->CurrentColor());
    EXPECT_EQ(kText, still->CurrentColor());
    EXPECT_FALSE(PixelsOf(host.Shot(blinking).get(), clRed).empty());

    blinking->SetBlinking(false);
    EXPECT_EQ(kText, blinking->CurrentColor()) << "the normal colour at once";
    EXPECT_TRUE(PixelsOf(host.Shot(blinking).get(), clRed).empty());
    BlinkingControls->BlinkTick(nullptr);
    EXPECT_EQ(kText, blinking->CurrentColor());
  }
  EXPECT_EQ((std::vector<std::string>{"blink:46057", "blink:46057"}), log);
  EXPECT_EQ(nullptr, BlinkingControls) << "freed with the last label";
  LabelHost again(form_);
  again.Add("new");
  ASSERT_NE(nullptr, BlinkingControls);
  EXPECT_EQ(1, BlinkingControls->BlinkState());
  EXPECT_EQ(500, BlinkingControls->IntervalOn());
  EXPECT_EQ(500, BlinkingControls->IntervalOff());
}

// ---- Pointer ----

TEST_F(FramedLabels, TheFlyByColourShowsWhileThePointerIsOverTheLabel) {
  LabelHost host(form_);
  auto* label = host.Add("Hover me", 40, 40);
  label->SetFlyByEnabled(true);
  label->SetFlyByColor(clRed);
  TCounter entered, left;
  label->OnMouseEnter = TNotifyEvent(&entered, &TCounter::Count);
  label->OnMouseLeave = TNotifyEvent(&left, &TCounter::Count);
  testsupport::MoveMouse(host.Panel(), 5, 150);
  testsupport::MoveMouse(label, 5, 5);
  EXPECT_EQ(clRed, label->Font()->Color());
  EXPECT_FALSE(PixelsOf(host.Shot(label).get(), clRed).empty());
  testsupport::MoveMouse(host.Panel(), 5, 150);
  EXPECT_EQ(kText, label->Font()->Color());
  EXPECT_TRUE(PixelsOf(host.Shot(label).get(), clRed).empty());
  EXPECT_EQ(1, entered.count);
  EXPECT_EQ(1, left.count);
}

// ---- Link labels ----

struct LinkCase {
  const char* name;
  const char* url;
  const char* caption;
  const char* opened;  // null: nothing is opened
};

class FramedLinkLabel : public FramedLabels, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(FramedLinkLabel, ARealClickOpensTheTargetAndMarksItVisited) {
  const LinkCase& c = GetParam();
  LabelHost host(form_);
  auto* link = host.Add<TFrURLLabel>(c.caption, 30, 30);
  link->SetAutoSize(false);
  link->SetBounds(30, 30, 120, 24);
  link->SetURL(c.url);
  link->SetVisitedColor(clGreen);
  TCounter clicks;
  link->OnClick = TNotifyEvent(&clicks, &TCounter::Count);
  testsupport::TRecordedActions actions;
  testsupport::Click(link, 4, 4);
  EXPECT_EQ(1, clicks.count);
  if (c.opened == nullptr) {
    EXPECT_TRUE(actions.Lines().empty());
    EXPECT_FALSE(link->Visited());
    return;
  }
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"open", "Open", c.opened, "", "", "1"}}), actions.Lines());
  EXPECT_TRUE(link->Visited());
  EXPECT_EQ(clGreen, link->Font()->Color());
}

INSTANTIATE_TEST_SUITE_P(Targets, FramedLinkLabel,
                         ::testing::Values(LinkCase{"Url", "http://www.example.com/", "Home", "http://www.example.com/"},
                                           LinkCase{"CaptionWhenUrlBlank", " ", "http://www.example.org/",
                                                    "http://www.example.org/"},
                                           LinkCase{"NothingWhenBothBlank", "", "  ", nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

// The recorder's opens fail: ".htm" targets offer the open-with command.
class RefusedOpens {
 public:
  explicit RefusedOpens(testsupport::TRecordedActions& recorder) {
    TSystemActionHandlers handlers = RecordingHandlers(recorder);
    auto record = handlers.ShellOpen;
    handlers.ShellOpen = [record](const TShellOpenRequest& request) {
      record(request);
      return false;
    };
    previous_ = SetSystemActionHandlers(handlers);
  }
  ~RefusedOpens() { SetSystemActionHandlers(previous_); }

 private:
  TSystemActionHandlers previous_;
};

TEST_F(FramedLabels, AnHtmTargetThatFailsOffersOpenWithAndStaysUnvisited) {
  const std::pair<const char*, bool> cases[] = {{"C:\\help\\Index.Htm", true}, {"C:\\help\\index.html", false}};
  LabelHost host(form_);
  auto* link = host.Add<TFrURLLabel>("Help", 30, 30);
  const TColor unvisited = link->Font()->Color();
  for (auto [target, offersOpenWith] : cases) {
    testsupport::TRecordedActions actions;
    RefusedOpens refused(actions);
    link->SetURL(target);
    testsupport::Click(link, 2, 2);
    std::vector<std::vector<std::string>> expected{{"open", "Open", target, "", "", "1"}};
    if (offersOpenWith) expected.push_back({"run", "RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", "1"});
    EXPECT_EQ(expected, actions.Lines()) << target;
    EXPECT_FALSE(link->Visited());
    EXPECT_EQ(unvisited, link->Font()->Color());
  }
}

TEST_F(FramedLabels, ThePointerOverALinkIsTheInstalledHandCursor) {
  LabelHost host(form_);
  auto* link = host.Add<TFrURLLabel>("Link", 30, 30);
  EXPECT_EQ(crFrHandCursor, link->Cursor());
  HCURSOR hand = Screen->Cursors(crFrHandCursor);
  ASSERT_NE(Screen->Cursors(crArrow), hand) << "the resource cursor is installed";
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(hand, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(5u, info.xHotspot);
  EXPECT_EQ(0u, info.yHotspot);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  testsupport::MoveMouse(host.Panel(), 5, 150);
  testsupport::MoveMouse(link, 3, 3);
  EXPECT_EQ(hand, GetCursor());
  testsupport::MoveMouse(host.Panel(), 5, 150);
  EXPECT_NE(hand, GetCursor());
}

// ---- Form resources ----

class TLabelsForm : public TForm {
  CLASSLIB_CLASS(TLabelsForm, TForm)
 public:
  explicit TLabelsForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }
  TFrLabel* Turned = nullptr;
  TFrURLLabel* Link = nullptr;
};

TEST_F(FramedLabels, PropertiesAreReadFromAFormResource) {
  RegisterFormClass(TLabelsForm::StaticClass(), {},
                    {Field("Turned", &TLabelsForm::Turned), Field("Link", &TLabelsForm::Link)});
  std::unique_ptr<TLabelsForm> form(NewForm<TLabelsForm>(nullptr));
  ASSERT_NE(nullptr, form->Turned);
  EXPECT_EQ(270, form->Turned->Angle());
  EXPECT_EQ(roFlat, form->Turned->Rotation()) << "an angle without rotation turns flat";
  EXPECT_EQ(tsRecessed, form->Turned->TextStyle());
  EXPECT_TRUE(form->Turned->LightTextStyle());
  EXPECT_EQ(tlCenter, form->Turned->Layout());
  EXPECT_EQ(200, form->Turned->BlinkIntervalOn());
  EXPECT_EQ(200, form->Turned->BlinkIntervalOff());
  EXPECT_EQ(clRed, form->Turned->CurrentColor());
  EXPECT_GT(form->Turned->Height(), form->Turned->Width());
  ASSERT_NE(nullptr, form->Link);
  EXPECT_EQ(AnsiString("http://www.example.com/"), form->Link->URL());
  EXPECT_TRUE(form->Link->Visited());
  EXPECT_EQ(clGreen, form->Link->Font()->Color());
  EXPECT_TRUE(form->Link->Font()->Style().Contains(fsUnderline));
}

}  // namespace
