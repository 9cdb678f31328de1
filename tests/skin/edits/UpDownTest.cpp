#include <gtest/gtest.h>

#include "EditsFixture.h"

namespace edittest {
namespace {

// A horizontal up-down without skin, 40 x 20: down button left, up button right.
class UpDownTest : public EditsTest {
 protected:
  void SetUp() override {
    EditsTest::SetUp();
    upDown_ = new TRecordedRepeat<TspSkinUpDown>(form_.get());
    upDown_->SetParent(form_.get());
    upDown_->SetBounds(10, 100, 40, 20);
    upDown_->OnChange = changes_.Event();
    upDown_->OnUpButtonClick = upClicks_.Event();
    testsupport::ServeApplication(20);
  }

  TRecordedRepeat<TspSkinUpDown>* upDown_ = nullptr;
  TEventLog changes_;
  TEventLog upClicks_;
};

TEST_F(UpDownTest, TheButtonsStepPositionWithinTheBounds) {
  EXPECT_EQ(Rect(20, 0, 40, 20), upDown_->ButtonRect(kUpButton));
  upDown_->SetIncrement(5);
  testsupport::Click(upDown_, 30, 10);
  EXPECT_EQ(5, upDown_->Position());
  testsupport::Click(upDown_, 5, 10);
  EXPECT_EQ(0, upDown_->Position());
  EXPECT_EQ(2, changes_.count);
}

TEST_F(UpDownTest, AtMaxTheUpButtonClicksWithoutChange) {
  upDown_->SetPosition(100);
  changes_.count = 0;
  testsupport::Click(upDown_, 30, 10);
  EXPECT_EQ(100, upDown_->Position());
  EXPECT_EQ(0, changes_.count);
  EXPECT_EQ(1, upClicks_.count);
}

TEST_F(UpDownTest, AnIncrementOfZeroStartsNoTimerAndStillClicks) {
  upDown_->SetIncrement(0);
  testsupport::Click(upDown_, 30, 10);
  EXPECT_TRUE(upDown_->intervals.empty());
  EXPECT_EQ(0, upDown_->Position());
  EXPECT_EQ(1, upClicks_.count);
}

TEST_F(UpDownTest, MinAndMaxPullThePositionInsideWithoutOnChange) {
  upDown_->SetPosition(50);
  changes_.count = 0;
  upDown_->SetMax(30);
  EXPECT_EQ(30, upDown_->Position());
  upDown_->SetMin(40);
  EXPECT_EQ(40, upDown_->Position());
  upDown_->SetPosition(41);  // beyond Max: ignored
  EXPECT_EQ(40, upDown_->Position());
  EXPECT_EQ(0, changes_.count);
}

}  // namespace
}  // namespace edittest
