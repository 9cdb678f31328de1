// The framed spin edit through real keys and presses: clamping and formatting on leaving,
// the character filter, read-only stepping, a refusing OnChanging, the repeating buttons
// on a held clock, and the values of a form resource.
#include <gtest/gtest.h>

#include <string>

#include "ButtonTestSupport.h"
#include "classlib/formres/FormResource.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/stdctrls/Edit.h"
#include "classlib/windowing/Timer.h"
#include "framed/FrSpnEdt.h"

namespace {

using buttontests::Host;
using buttontests::OnForm;

struct TStepLog {
  int changing = 0;
  bool allow = true;
  std::vector<TSpinButtonType> clicks;
  void Changing(TObject*, bool& allowChange) {
    ++changing;
    allowChange = allow;
  }
  void Clicked(TObject*, TSpinButtonType button) { clicks.push_back(button); }
};

int Beeps(const testsupport::TRecordedActions& actions) {
  int count = 0;
  for (const auto& line : actions.Lines()) count += line.at(0) == "beep" ? 1 : 0;
  return count;
}

class FramedSpinEdit : public OnForm {
 protected:
  TFrSpinEdit* AddSpin(Host& host) {
    auto* spin = host.Add<TFrSpinEdit>(10, 10, 80, 21);
    other_ = new TEdit(host.Panel());
    other_->SetParent(host.Panel());
    other_->SetBounds(10, 100, 80, 21);
    spin->SetAllowKeyEdit(true);
    spin->SetMin(1);
    spin->SetMax(48000);
    return spin;
  }
  void Leave() {
    other_->SetFocus();
    testsupport::ServeApplication(20);
  }
  TEdit* other_ = nullptr;
};

TEST_F(FramedSpinEdit, LeavingClampsToTheRange) {
  Host host(form_);
  TFrSpinEdit* spin = AddSpin(host);
  struct LeaveCase {
    const char* typed;
    const char* shown;
  };
  for (const LeaveCase& c : {LeaveCase{"60000", "48000"}, LeaveCase{"0", "1"}, LeaveCase{"1234", "1234"}}) {
    SCOPED_TRACE(c.typed);
    spin->SetFocus();  // selects the whole text
    testsupport::ServeApplication(20);
    testsupport::TypeText(c.typed);
    EXPECT_EQ(std::string(c.typed), spin->Text().str());
    Leave();
    EXPECT_EQ(std::string(c.shown), spin->Text().str());
  }
}

TEST_F(FramedSpinEdit, EqualBoundsMeanNoRangeUnlessCheckRange) {
  Host host(form_);
  auto* spin = host.Add<TFrSpinEdit>(10, 10, 80, 21);
  spin->SetMax(0);
  spin->SetValue(250);
  EXPECT_EQ("250", spin->Text().str());
  spin->SetCheckRange(true);
  EXPECT_EQ("0", spin->Text().str());
}

struct FilterCase {
  const char* text;
  int selStart, selLength;
  const char* typed;
  bool integersOnly;
  const char* result;  // the text afterwards
  bool beeps;
};

TEST_F(FramedSpinEdit, TheCharacterFilterRefusesWithABeep) {
  Host host(form_);
  TFrSpinEdit* spin = AddSpin(host);
  spin->SetMin(-1000);
  const char saved = FormatSettings().DecimalSeparator;
  FormatSettings().DecimalSeparator = '.';
  const FilterCase cases[] = {
      {"12", 2, 0, ".", true, "12", true},     // no decimal separator for integers
      {"12", 2, 0, ".", false, "12.", false},
      {"1.5", 3, 0, ".", false, "1.5", true},  // a second separator
      {"1.5", 1, 1, ".", false, "1.5", false},  // replacing the selected one
      {"12", 1, 0, "-", true, "12", true},     // a sign in the middle
      {"12", 0, 2, "-", true, "-", false},     // a sign over all of the text
      {"12", 0, 0, "-", true, "-12", false},   // a sign at the start
      {"12", 2, 0, "a", true, "12", true},
  };
  for (const FilterCase& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " + " + c.typed);
    spin->SetIntegersOnly(c.integersOnly);
    spin->SetFocus();
    spin->SetText(c.text);
    spin->SetSelStart(c.selStart);
    spin->SetSelLength(c.selLength);
    testsupport::TRecordedActions actions;
    testsupport::TypeText(c.typed);
    EXPECT_EQ(std::string(c.result), spin->Text().str());
    EXPECT_EQ(c.beeps, Beeps(actions) > 0);
  }
  FormatSettings().DecimalSeparator = saved;
}

TEST_F(FramedSpinEdit, DecimalsShowTheSetSeparator) {
  Host host(form_);
  auto* spin = host.Add<TFrSpinEdit>(10, 10, 80, 21);
  const char saved = FormatSettings().DecimalSeparator;
  FormatSettings().DecimalSeparator = ',';
  spin->SetIntegersOnly(false);
  spin->SetDecimals(2);
  spin->SetValue(3);
  EXPECT_EQ("3,00", spin->Text().str());
  spin->SetValue(2.5);
  EXPECT_EQ(2, spin->IntValue());  // halves to even
  spin->SetValue(3.5);
  EXPECT_EQ(4, spin->IntValue());
  FormatSettings().DecimalSeparator = saved;
}

TEST_F(FramedSpinEdit, ReadOnlyStepsOnlyBeep) {
  Host host(form_);
  TFrSpinEdit* spin = AddSpin(host);
  spin->SetValue(500);
  spin->SetReadOnly(true);
  TStepLog log;
  spin->OnButtonClick = TSpinButtonEvent(&log, &TStepLog::Clicked);
  spin->SetFocus();
  testsupport::TRecordedActions actions;
  testsupport::PressKey(VK_UP);
  testsupport::PressKey(VK_NEXT);
  TFrControlButton* up = spin->SpinButtons()->Button(sbUpRight);
  testsupport::Click(up, up->Width() / 2, up->Height() / 2);
  EXPECT_EQ("500", spin->Text().str());
  EXPECT_EQ(3, Beeps(actions));
  EXPECT_TRUE(log.clicks.empty());
}

TEST_F(FramedSpinEdit, ARefusingOnChangingBlocksTheStepAndItsEvent) {
  Host host(form_);
  TFrSpinEdit* spin = AddSpin(host);
  spin->SetValue(100);
  spin->SetIncrement(500);
  TStepLog log;
  spin->OnChanging = TSpinChangingEvent(&log, &TStepLog::Changing);
  spin->OnButtonClick = TSpinButtonEvent(&log, &TStepLog::Clicked);
  spin->SetFocus();
  log.allow = false;
  testsupport::PressKey(VK_UP);
  EXPECT_EQ("100", spin->Text().str());
  EXPECT_EQ(1, log.changing);
  EXPECT_TRUE(log.clicks.empty());
  log.allow = true;
  testsupport::PressKey(VK_UP);
  testsupport::PressKey(VK_DOWN);
  testsupport::PressKey(VK_DOWN);
  EXPECT_EQ("1", spin->Text().str());  // 600, 100, then clamped to Min
  EXPECT_EQ((std::vector<TSpinButtonType>{sbUpRight, sbDownLeft, sbDownLeft}), log.clicks);
}

TEST_F(FramedSpinEdit, AHeldButtonStepsAtTheFirstRepeatTickAndEachTickAfter) {
  Host host(form_);
  TFrSpinEdit* spin = AddSpin(host);
  spin->SetValue(10);
  TFrControlButton* up = spin->SpinButtons()->Button(sbUpRight);
  testsupport::HoldMouse(up, up->Width() / 2, up->Height() / 2);
  EXPECT_TRUE(spin->Focused());
  TTimer* timer = up->RepeatTimer();
  ASSERT_NE(nullptr, timer);
  EXPECT_EQ(400u, timer->Interval());
  EXPECT_EQ("10", spin->Text().str());
  const char* afterTicks[] = {"11", "12", "13"};
  for (const char* expected : afterTicks) {
    timer->OnTimer(timer);
    EXPECT_EQ(100u, timer->Interval());
    EXPECT_EQ(std::string(expected), spin->Text().str());
  }
  testsupport::ReleaseMouse();
}

// A form class without a resource: the test hands it a text.
class TSpinForm : public TComponent {
  CLASSLIB_CLASS(TSpinForm, TComponent)
 public:
  explicit TSpinForm(TComponent* owner) : TComponent(owner) {}
};

TEST(FramedSpinEditResource, AValueBeforeItsRangeKeepsItsNumber) {
  RegisterFormClass(TSpinForm::StaticClass(), {}, {});
  TSpinForm form(nullptr);
  ReadFormText(&form, TSpinForm::StaticClass(),
               "object F: TSpinForm\n"
               "  object S: TFrSpinEdit\n"
               "    Value = 19500\n    Max = 48000\n    Min = 1\n    Increment = 500\n"
               "    FlatButtonParentColor = True\n    FlatButtons = True\n  end\n"
               "end\n",
               "Spin.form");
  auto* spin = static_cast<TFrSpinEdit*>(form.FindComponent("S"));
  ASSERT_NE(nullptr, spin);
  EXPECT_EQ(19500, spin->IntValue());
  EXPECT_EQ(500, spin->Increment());
  EXPECT_TRUE(spin->SpinButtons()->Flat());
}

}  // namespace
