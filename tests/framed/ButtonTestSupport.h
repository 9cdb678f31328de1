#pragma once
// What the framed button tests share: a panel on the suite's form that hosts one test's
// controls and click counting.
#include <windows.h>

#include <memory>

#include "classlib/windowing/Forms.h"
#include "framed/FrPanel.h"
#include "window_support.h"

namespace buttontests {

constexpr TColor kBack = 0xC0E0F0;

// Counts the events it is attached to.
struct TCounter {
  int count = 0;
  void Count(TObject*) { ++count; }
  TNotifyEvent Event() { return TNotifyEvent(this, &TCounter::Count); }
};

// A borderless panel of colour kBack on the form; the controls made on it go with it.
class Host {
 public:
  explicit Host(TForm* form) : panel_(new TFrPanel(nullptr)) {
    panel_->SetParent(form);
    panel_->SetBorderOuter(fsNone);
    panel_->SetColor(kBack);
    panel_->SetBounds(0, 0, 320, 240);
  }
  ~Host() { delete panel_; }
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  TFrPanel* Panel() const { return panel_; }

  template <class C>
  C* Add(int left, int top, int width, int height, const char* caption = "") {
    auto* control = new C(panel_);
    control->SetParent(panel_);
    control->SetBounds(left, top, width, height);
    control->SetCaption(caption);
    return control;
  }

 private:
  TFrPanel* panel_;
};

// One form on screen for all tests of a suite.
class OnForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { form_ = testsupport::ShowTestForm(320, 240); }
  static void TearDownTestSuite() {
    delete form_;
    form_ = nullptr;
  }
  static TForm* form_;
};

}  // namespace buttontests
