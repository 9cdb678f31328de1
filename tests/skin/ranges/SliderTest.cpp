// The slider: layout and value mapping, snapping, ranges, held presses on the ruler, tick
// marks, images, and the sizes that leave no room for the thumb.
#include <gtest/gtest.h>

#include "RangesFixtures.h"
#include "SkinControlsFixtures.h"
#include "window_support.h"

using namespace rangetest;

namespace {

class Slider : public RangeTest {
 protected:
  void SetUp() override {
    RangeTest::SetUp();
    slider = Place<TRecordedSlider>(10, 10, 150, 40);
    slider->OnChange = changes.Event();
    slider->OnChanged = changed.Event();
    testsupport::ServeApplication(30);
  }

  TRecordedSlider* slider = nullptr;
  TCounter changes, changed;
};

// A bitmap of `width` x 6 whose columns are red 0, 1, 2, ...
std::unique_ptr<TBitmap> Columns(int width) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(width, 6);
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < 6; ++y) bitmap->Canvas()->SetPixels(x, y, static_cast<TColor>(RGB(x, 0, 100)));
  return bitmap;
}

}  // namespace

TEST_F(Slider, ANewSliderSpansItsRulerWithTheThumbAtTheStart) {
  EXPECT_EQ(138, slider->Ruler()->Width());
  EXPECT_EQ(6, slider->Ruler()->Height());
  EXPECT_EQ(0, slider->Value());
  EXPECT_EQ(6, slider->ThumbRect().Left);
  EXPECT_EQ(127, slider->GetRulerLength());  // less the 11-pixel thumb
  slider->SetValue(100);
  EXPECT_EQ(133, slider->ThumbRect().Left);
  EXPECT_EQ(AnsiString("slider"), slider->SkinDataName());
  EXPECT_EQ(10, slider->Increment());
  EXPECT_TRUE(slider->TabStop());
}

TEST_F(Slider, WithoutSmoothMovementOffsetsSnapToTheIncrement) {
  struct Case {
    int offset, smooth, snapped;
  } cases[] = {{6, 0, 0}, {35, 23, 20}, {39, 26, 30}, {133, 100, 100}, {200, 100, 100}};
  for (const Case& c : cases) {
    slider->SetOptions({soShowPoints, soSmooth});
    EXPECT_EQ(c.smooth, slider->GetValueByOffset(c.offset)) << c.offset;
    slider->SetOptions({soShowPoints});
    EXPECT_EQ(c.snapped, slider->GetValueByOffset(c.offset)) << c.offset;
  }
  testsupport::Drag(slider, 11, 20, 44, 20);  // the thumb to offset 39
  EXPECT_EQ(30, slider->Value());
  EXPECT_EQ(slider->GetOffsetByValue(30), slider->ThumbRect().Left);
  EXPECT_EQ(1, changed.count);
}

TEST_F(Slider, ANarrowRangeLowersTheIncrementAndEqualBoundsAreRefused) {
  slider->SetRange(0, 5);
  EXPECT_EQ(5, slider->Increment());
  slider->SetRange(7, 7);
  EXPECT_EQ(0, slider->MinValue());
  EXPECT_EQ(5, slider->MaxValue());
  slider->SetIncrement(0);
  EXPECT_EQ(5, slider->Increment());
}

TEST_F(Slider, AHeldRulerPressJumpsUntilTheThumbPassesThePointer) {
  PressLeft(slider, 100, 16);
  EXPECT_EQ(10, slider->Value());
  EXPECT_EQ(std::vector<std::string>{"S400"}, slider->timer);
  for (int i = 0; i < 10; ++i) Tick(slider, 1);
  EXPECT_EQ(70, slider->Value());  // the thumb (95..106) covers the pointer
  EXPECT_EQ(7, changes.count);
  EXPECT_EQ(0, changed.count);
  ReleaseLeft();
  EXPECT_EQ(1, changed.count);
  EXPECT_EQ("K", slider->timer.back());
}

TEST_F(Slider, KeysJumpByIncrementAndAVerticalSliderRisesUpward) {
  slider->SetFocus();
  testsupport::PressKey(VK_RIGHT);
  testsupport::PressKey(VK_RIGHT);
  EXPECT_EQ(20, slider->Value());
  testsupport::PressKey(VK_END);
  EXPECT_EQ(100, slider->Value());
  EXPECT_EQ(3, changed.count);
  slider->SetOrientation(soVertical);
  EXPECT_EQ(40, slider->Width());
  EXPECT_EQ(150, slider->Height());
  testsupport::PressKey(VK_HOME);
  EXPECT_EQ(0, slider->Value());
  const int bottomTop = slider->ThumbRect().Top;
  testsupport::PressKey(VK_UP);
  EXPECT_EQ(10, slider->Value());
  EXPECT_LT(slider->ThumbRect().Top, bottomTop);
}

TEST_F(Slider, TickMarksGrowTheirStepUntilFourPixelsApart) {
  slider->SetBounds(10, 10, 53, 40);  // ruler 41, travel 30
  ASSERT_EQ(30, slider->GetRulerLength());
  EXPECT_EQ((std::vector<int>{0, 20, 40, 60, 80, 100}), slider->PointValues(10));
  const std::vector<TColor> face = skinbases::FaceOf(slider);
  const auto at = [&](int x, int y) { return face[static_cast<size_t>(y * 53 + x)]; };
  const int top = slider->PointsRect().Top;
  EXPECT_EQ(ColorToRGB(clWindowText), at(slider->GetOffsetByValue(20) + 5, top));
  EXPECT_EQ(ColorToRGB(clWindow), at(slider->GetOffsetByValue(10) + 5, top));
  EXPECT_EQ(ColorToRGB(clWindowText), at(slider->GetOffsetByValue(100) + 5, top + 4));  // the end tick is longer
  EXPECT_EQ(ColorToRGB(clWindow), at(slider->GetOffsetByValue(20) + 5, top + 4));
}

TEST_F(Slider, AUserImageReplacesTheBuiltInOneUntilReset) {
  auto ruler = Columns(8);
  slider->SetOptions({soRulerOpaque, soShowPoints});
  slider->SetImage(TspSkinCustomSlider::imHRuler, ruler.get());
  EXPECT_TRUE(slider->IsUserImage(TspSkinCustomSlider::imHRuler));
  EXPECT_EQ(8, slider->ImageHRuler()->Width());
  // The ends (2 columns) stay, the middle (columns 2..5) repeats.
  EXPECT_EQ(RGB(0, 0, 100), slider->Ruler()->Canvas()->Pixels(0, 3));
  EXPECT_EQ(RGB(2, 0, 100), slider->Ruler()->Canvas()->Pixels(2, 3));
  EXPECT_EQ(RGB(2, 0, 100), slider->Ruler()->Canvas()->Pixels(6, 3));
  EXPECT_EQ(RGB(7, 0, 100), slider->Ruler()->Canvas()->Pixels(137, 3));
  slider->SetImage(TspSkinCustomSlider::imHRuler, nullptr);
  EXPECT_FALSE(slider->IsUserImage(TspSkinCustomSlider::imHRuler));
  EXPECT_EQ(20, slider->ImageHRuler()->Width());
  EXPECT_FALSE(slider->Options().Contains(soRulerOpaque));
}

TEST_F(Slider, SizesWithoutRoomAndEqualBoundsPaintAndTakeClicks) {
  slider->SetBounds(10, 10, 10, 10);
  EXPECT_EQ(0, slider->Ruler()->Width());
  skinbases::FaceOf(slider);
  testsupport::Click(slider, 5, 5);
  testsupport::Drag(slider, 6, 6, 9, 9);
  EXPECT_EQ(0, slider->Value());
  EXPECT_EQ(0, slider->GetValueByOffset(9));

  slider->SetBounds(10, 10, 150, 40);
  slider->SetComponentState(csReading, true);  // equal bounds come only from a form
  slider->SetRange(5, 5);
  slider->SetComponentState(csReading, false);
  EXPECT_EQ(5, slider->Value());
  EXPECT_EQ(6, slider->ThumbRect().Left);
  EXPECT_EQ(5, slider->GetValueByOffset(100));
  EXPECT_EQ((std::vector<int>{5}), slider->PointValues(10));
  skinbases::FaceOf(slider);
  testsupport::Click(slider, 100, 16);
  EXPECT_EQ(5, slider->Value());
}

TEST_F(Slider, ARulerImageWithoutAMiddleIsStretchedOnce) {
  auto ruler = Columns(4);  // no longer than its two 2-pixel ends
  slider->SetImage(TspSkinCustomSlider::imHRuler, ruler.get());
  ASSERT_EQ(138, slider->Ruler()->Width());
  EXPECT_EQ(RGB(0, 0, 100), slider->Ruler()->Canvas()->Pixels(0, 3));
  EXPECT_EQ(RGB(2, 0, 100), slider->Ruler()->Canvas()->Pixels(69, 3));
  EXPECT_EQ(RGB(3, 0, 100), slider->Ruler()->Canvas()->Pixels(137, 3));
  skinbases::FaceOf(slider);
}
