#pragma once
// Shared by the range bar and scrolling view tests: bars on a shown form, mouse and wheel
// messages, screen pixels, event counters and the visual-styles stand-ins.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Timer.h"
#include "imaging/Bitmap32_RangeBars.h"
#include "imaging/Bitmap32_System.h"
#include "test_support.h"
// Part and state names of the visual styles.
#include <vssym32.h>

namespace rangebartest {

using imaging::TArrowBar;

// One form for the whole suite (hiding a window costs seconds under Wine); the controls
// a test places go after it.
class BarsOnAForm : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    form = NewForm<TForm>(nullptr, CreateNew);
    form->SetBounds(40, 40, 320, 260);
    form->Show();
    testsupport::PumpMessages(50);
  }
  static void TearDownTestSuite() {
    delete form;
    form = nullptr;
  }
  void TearDown() override {
    while (form->ComponentCount() > 0) delete form->Components(form->ComponentCount() - 1);
  }

  template <class C>
  C* Place(int left, int top) {
    auto* control = new C(form);
    control->SetParent(form);
    control->SetLeft(left);
    control->SetTop(top);
    control->HandleNeeded();
    return control;
  }

  static void Press(TControl* control, int x, int y) { control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
  static void Release(TControl* control, int x, int y) { control->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
  // A wheel turn with the pointer over the control's client origin.
  static void Wheel(TWinControl* control, int delta) {
    POINT p{0, 0};
    ClientToScreen(control->Handle(), &p);
    control->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))), MAKELPARAM(p.x, p.y));
  }

  // Paints the control now and lets the display catch up before its pixels are read.
  static void ShowNow(TControl* control) {
    control->Repaint();
    testsupport::PumpMessages(100);
  }

  // What the screen shows at a point of a control's client area, or of its window.
  static COLORREF ClientPixel(TWinControl* control, int x, int y) {
    POINT p{x, y};
    ClientToScreen(control->Handle(), &p);
    return testsupport::ScreenPixel(p.x, p.y) & 0xFFFFFF;
  }
  static COLORREF WindowPixel(TWinControl* control, int x, int y) {
    RECT r;
    GetWindowRect(control->Handle(), &r);
    return testsupport::ScreenPixel(r.left + x, r.top + y) & 0xFFFFFF;
  }

  static inline TForm* form = nullptr;
};

// Counts a bar's change events.
struct TChangeCounts {
  explicit TChangeCounts(TArrowBar* bar) {
    bar->OnChange = TNotifyEvent(this, &TChangeCounts::Changed);
    bar->OnUserChange = TNotifyEvent(this, &TChangeCounts::UserChanged);
  }
  void Changed(TObject*) { ++changes; }
  void UserChanged(TObject*) { ++userChanges; }
  int changes = 0;
  int userChanges = 0;
};

struct TMouseDownCounter {
  void Down(TObject*, TMouseButton, TShiftState, int, int) { ++count; }
  int count = 0;
};

struct TWheelEater {
  void Eat(TObject*, TShiftState, int, ::TPoint, bool& handled) { handled = true; }
};

// The auto-repeat timer a bar owns.
inline TTimer* TimerOf(TArrowBar* bar) {
  for (int i = 0; i < bar->ComponentCount(); ++i) {
    if (auto* timer = dynamic_cast<TTimer*>(bar->Components(i))) return timer;
  }
  return nullptr;
}

// Drawing without visual styles while it lives.
class TUnthemed {
 public:
  TUnthemed() : saved_(imaging::USE_THEMES) { imaging::USE_THEMES = false; }
  ~TUnthemed() { imaging::USE_THEMES = saved_; }
  TUnthemed(const TUnthemed&) = delete;
  TUnthemed& operator=(const TUnthemed&) = delete;

 private:
  bool saved_;
};

// Visual styles "in use" while it lives, with every background the bars draw recorded
// as (part, state) instead of drawn.
class TRecordedThemeParts {
 public:
  TRecordedThemeParts() : savedUse_(imaging::USE_THEMES), savedDraw_(imaging::DrawThemeBackground) {
    active_ = this;
    imaging::USE_THEMES = true;
    imaging::DrawThemeBackground = &Record;
  }
  ~TRecordedThemeParts() {
    imaging::USE_THEMES = savedUse_;
    imaging::DrawThemeBackground = savedDraw_;
    active_ = nullptr;
  }
  TRecordedThemeParts(const TRecordedThemeParts&) = delete;
  TRecordedThemeParts& operator=(const TRecordedThemeParts&) = delete;

  bool Drew(int part, int state) const {
    return std::find(parts.begin(), parts.end(), std::make_pair(part, state)) != parts.end();
  }

  std::vector<std::pair<int, int>> parts;

 private:
  static HRESULT WINAPI Record(HTHEME, HDC, int part, int state, LPCRECT, LPCRECT) {
    if (active_ != nullptr) active_->parts.emplace_back(part, state);
    return S_OK;
  }
  static inline TRecordedThemeParts* active_ = nullptr;
  bool savedUse_;
  decltype(imaging::DrawThemeBackground) savedDraw_;
};

}  // namespace rangebartest
