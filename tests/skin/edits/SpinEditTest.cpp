#include <gtest/gtest.h>

#include "EditsFixture.h"
#include "classlib/runtime/SysUtils.h"

namespace edittest {
namespace {

// Points of the built-in look of a 120 x 20 spin edit.
constexpr int kButtonX = 110;
constexpr int kUpY = 5;
constexpr int kDownY = 14;

class SpinEditTest : public EditsTest {
 protected:
  void SetUp() override {
    EditsTest::SetUp();
    spin_ = AddSpinEdit();
    spin_->OnChange = changes_.Event();
  }
  void Retype(const char* text) {
    spin_->Editor()->SetFocus();
    spin_->Editor()->SelectAll();
    testsupport::TypeText(text);
  }

  TRecordedRepeat<TspSkinSpinEdit>* spin_ = nullptr;
  TEventLog changes_;
};

TEST_F(SpinEditTest, AClickOnUpStepsOnceAndShowsTheValue) {
  spin_->SetMaxValue(100);
  spin_->SetIncrement(10);
  testsupport::Click(spin_, kButtonX, kUpY);
  EXPECT_EQ(10, spin_->Value());
  EXPECT_EQ("10", spin_->Editor()->Text().str());
  EXPECT_EQ(1, changes_.count);
  testsupport::Click(spin_, kButtonX, kDownY);
  EXPECT_EQ(0, spin_->Value());
  EXPECT_FALSE(spin_->running);
}

TEST_F(SpinEditTest, APressReleasedOffTheButtonMakesNoStep) {
  testsupport::HoldMouse(spin_, kButtonX, kUpY);
  testsupport::MoveMouse(spin_, 40, kUpY);
  testsupport::ReleaseMouse();
  EXPECT_EQ(0, spin_->Value());
  EXPECT_EQ(0, changes_.count);
}

TEST_F(SpinEditTest, HoldingAButtonRepeatsAfterTheFirstDelayAndFasterAfterReentering) {
  testsupport::HoldMouse(spin_, kButtonX, kUpY);
  ASSERT_EQ(std::vector<UINT>{500}, spin_->intervals);
  spin_->Tick();  // the first delay is over: no step yet, the repeat starts
  EXPECT_EQ(0, spin_->Value());
  EXPECT_EQ((std::vector<UINT>{500, 100}), spin_->intervals);
  spin_->Tick();
  spin_->Tick();
  EXPECT_EQ(2, spin_->Value());

  testsupport::MoveMouse(spin_, 40, kUpY);
  EXPECT_FALSE(spin_->running);
  testsupport::MoveMouse(spin_, kButtonX, kUpY);
  EXPECT_TRUE(spin_->running);
  EXPECT_EQ(50u, spin_->intervals.back());
  testsupport::ReleaseMouse();
  EXPECT_FALSE(spin_->running);
  EXPECT_EQ(3, spin_->Value());  // one more step at the release over the button
}

// Typing into a spin edit bounded to 10..100: what the editor shows and Value.
struct TTypingCase {
  const char* name;
  const char* typed;
  const char* shown;
  double value;
  const char* shownAfterLeaving;
};

class SpinEditTypingTest : public SpinEditTest, public testing::WithParamInterface<TTypingCase> {};

TEST_P(SpinEditTypingTest, TheTextIsReadAndCorrectedOnLeaving) {
  const TTypingCase& c = GetParam();
  spin_->SetMaxLength(10);
  spin_->SetMinValue(10);
  spin_->SetMaxValue(100);
  spin_->SetValue(40);
  testsupport::TRecordedActions actions;  // an error box would be recorded here
  Retype(c.typed);
  EXPECT_EQ(c.shown, spin_->Editor()->Text().str());
  EXPECT_EQ(c.value, spin_->Value());
  EXPECT_TRUE(actions.Lines().empty());
  edit_->SetFocus();
  testsupport::ServeApplication(20);
  EXPECT_EQ(c.shownAfterLeaving, spin_->Editor()->Text().str());
}

INSTANTIATE_TEST_SUITE_P(
    Bounded, SpinEditTypingTest,
    testing::Values(TTypingCase{"BelowTheMinimum", "5", "5", 10, "10"},
                    TTypingCase{"AboveTheMaximum", "500", "100", 100, "100"},
                    TTypingCase{"InRange", "77", "77", 77, "77"},
                    TTypingCase{"MinusAlone", "-", "-", 40, "40"}),
    [](const testing::TestParamInfo<TTypingCase>& info) { return std::string(info.param.name); });

TEST_F(SpinEditTest, ANumberTooLongToConvertIsNotANumberYet) {
  spin_->SetMaxLength(10);  // no bounds: every prefix of the digits is read
  testsupport::TRecordedActions actions;  // an error box would be recorded here
  Retype("9999999999");
  EXPECT_EQ("9999999999", spin_->Editor()->Text().str());
  EXPECT_TRUE(actions.Lines().empty());
  EXPECT_EQ(999999999, spin_->Value());  // the last text that converted
  edit_->SetFocus();
  testsupport::ServeApplication(20);
  EXPECT_EQ("999999999", spin_->Editor()->Text().str());
}

TEST_F(SpinEditTest, AnIntegerEditRefusesTheDecimalSeparatorWithABeep) {
  testsupport::TRecordedActions actions;
  Retype("12.5");
  EXPECT_EQ("125", spin_->Editor()->Text().str());
  ASSERT_EQ(1u, actions.Lines().size());
  EXPECT_EQ("beep", actions.Lines()[0][0]);
}

TEST_F(SpinEditTest, AFloatEditShowsItsDecimalsWithTheLocalesSeparator) {
  const char saved = FormatSettings().DecimalSeparator;
  FormatSettings().DecimalSeparator = ',';
  spin_->SetValueType(vtFloat);
  spin_->SetValue(12.5);
  EXPECT_EQ("12,50", spin_->Editor()->Text().str());
  Retype("3,25");
  EXPECT_EQ(3.25, spin_->Value());
  FormatSettings().DecimalSeparator = saved;
}

TEST_F(SpinEditTest, TheWheelAndTheArrowKeysStep) {
  spin_->SetValue(50);
  spin_->Editor()->SetFocus();
  SendMessageA(spin_->Editor()->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(49, spin_->Value());  // turned away from the user
  SendMessageA(spin_->Editor()->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(50, spin_->Value());
  testsupport::PressKey(VK_UP);
  EXPECT_EQ(51, spin_->Value());
  testsupport::PressKey(VK_DOWN);
  testsupport::PressKey(VK_DOWN);
  EXPECT_EQ(49, spin_->Value());
}

TEST_F(SpinEditTest, SetValueFiresOnChangeEvenForTheSameValueAndIntegerIncrementsAreWhole) {
  spin_->SetValue(0);
  spin_->SetValue(0);
  EXPECT_EQ(2, changes_.count);
  spin_->SetValueType(vtFloat);
  spin_->SetIncrement(0.4);
  spin_->SetValueType(vtInteger);
  EXPECT_EQ(1, spin_->Increment());
}

}  // namespace
}  // namespace edittest
