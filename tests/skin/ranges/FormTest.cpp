// The value controls placed by a form resource: their values read back, and a second skin
// repaints each from its new look and restarts a running gauge animation.
#include <gtest/gtest.h>

#include "RangesFixtures.h"
#include "ReskinRelay.h"
#include "SkinControlsFixtures.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Gauge.h"
#include "skin/controls/Skinctrls_TrackBar.h"
#include "window_support.h"

using namespace rangetest;

namespace {

class TRangesForm : public TForm {
  CLASSLIB_CLASS(TRangesForm, TForm)
 public:
  explicit TRangesForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TspSkinData* Skin = nullptr;
  TspSkinGauge* Gauge = nullptr;
  TspSkinScrollBar* ScrollBar = nullptr;
  TspSkinTrackBar* TrackBar = nullptr;
  TspSkinSlider* Slider = nullptr;
};

class RangesForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    skinbases::RegisterTestControls();
    RegisterFormClass(TRangesForm::StaticClass(), {},
                      {Field("Skin", &TRangesForm::Skin), Field("Gauge", &TRangesForm::Gauge),
                       Field("ScrollBar", &TRangesForm::ScrollBar), Field("TrackBar", &TRangesForm::TrackBar),
                       Field("Slider", &TRangesForm::Slider)});
  }
};

}  // namespace

TEST_F(RangesForm, AFormPlacesTheControlsWithTheirValues) {
  std::unique_ptr<TRangesForm> form(NewForm<TRangesForm>(nullptr));
  EXPECT_EQ(10, form->Gauge->MinValue());
  EXPECT_EQ(200, form->Gauge->MaxValue());
  EXPECT_EQ(150, form->Gauge->Value());
  EXPECT_EQ(AnsiString("Busy 73%"), form->Gauge->ProgressCaption());
  EXPECT_EQ(300, form->Gauge->ProgressAnimationPause());
  EXPECT_EQ(sbVertical, form->ScrollBar->Kind());
  EXPECT_EQ(5, form->ScrollBar->Min());
  EXPECT_EQ(500, form->ScrollBar->Max());
  EXPECT_EQ(100, form->ScrollBar->Position());
  EXPECT_EQ(50, form->ScrollBar->PageSize());
  EXPECT_EQ(25, form->ScrollBar->LargeChange());
  EXPECT_TRUE(form->ScrollBar->CanFocused());
  EXPECT_EQ(-10, form->TrackBar->MinValue());
  EXPECT_EQ(3, form->TrackBar->Value());
  EXPECT_TRUE(form->TrackBar->JumpWhenClick());
  EXPECT_EQ(20, form->Slider->MinValue());
  EXPECT_EQ(50, form->Slider->MaxValue());
  EXPECT_EQ(25, form->Slider->Value());
  EXPECT_EQ(5, form->Slider->Increment());
  EXPECT_EQ(TspSliderOptions{soShowPoints}, form->Slider->Options());
  EXPECT_TRUE(form->Slider->IsUserImage(TspSkinCustomSlider::imHThumb));
  EXPECT_FALSE(form->Slider->IsUserImage(TspSkinCustomSlider::imHRuler));
  EXPECT_EQ(4, form->Slider->ImageHThumb()->Width());
  EXPECT_EQ(4 / 2, form->Slider->ThumbRect().Width());  // two states side by side
}

TEST_F(RangesForm, ASecondSkinRepaintsEveryControlAndRestartsTheAnimation) {
  std::unique_ptr<TRangesForm> form(testsupport::ShowForm<TRangesForm>(nullptr));
  TReskinRelay relay(form.get());
  form->Skin->LoadFromFile(WriteRangesSkin("ranges_form_a").c_str());
  testsupport::ServeApplication(30);
  TControl* controls[] = {form->Gauge, form->ScrollBar, form->TrackBar, form->Slider};
  std::vector<std::vector<TColor>> first;
  for (TControl* control : controls) {
    EXPECT_NE(-1, dynamic_cast<TspSkinLink*>(control)->LookIndex()) << control->Name().c_str();
    first.push_back(skinbases::FaceOf(control));
  }
  form->Gauge->StartProgressAnimation();
  form->Gauge->FrameTimer()->OnTimer(form->Gauge->FrameTimer());
  ASSERT_EQ(1, form->Gauge->AnimationFrame());

  form->Skin->LoadFromFile(WriteRangesSkin("ranges_form_b", {{"gauge/pictureindex", "4"},
                                                             {"scrollbar/pictureindex", "4"},
                                                             {"trackbar/pictureindex", "4"},
                                                             {"slider/pictureindex", "4"},
                                                             {"gauge/progressanimationskinrect", "0,22,32,32"}})
                               .c_str());
  testsupport::ServeApplication(30);
  for (size_t i = 0; i < std::size(controls); ++i) {
    EXPECT_NE(-1, dynamic_cast<TspSkinLink*>(controls[i])->LookIndex());
    EXPECT_NE(first[i], skinbases::FaceOf(controls[i])) << controls[i]->Name().c_str();
  }
  ASSERT_NE(nullptr, form->Gauge->FrameTimer());
  EXPECT_TRUE(form->Gauge->FrameTimer()->Enabled());
  EXPECT_EQ(0, form->Gauge->AnimationFrame());
  form->Gauge->FrameTimer()->OnTimer(form->Gauge->FrameTimer());
  EXPECT_EQ(Rect(0, 22, 8, 32), form->Gauge->GetAnimationFrameRect());
}
