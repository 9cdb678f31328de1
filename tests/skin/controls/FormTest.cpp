// Skinned bases placed by a form resource: their properties read back, their skin data
// is the form's, and each registered default is what a new control holds.
#include <gtest/gtest.h>

#include "Defaults.h"
#include "ReskinRelay.h"
#include "SkinControlsFixtures.h"
#include "classlib/formres/FormError.h"
#include "classlib/formres/FormReader.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/FormText.h"
#include "classlib/formres/PropertyBinders.h"
#include "window_support.h"

using namespace skinbases;

namespace {

class TBasesForm : public TForm {
  CLASSLIB_CLASS(TBasesForm, TForm)
 public:
  explicit TBasesForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TspSkinData* Skin = nullptr;
  TTestSkinControl* Windowed = nullptr;
  TTestGraphicSkinControl* Graphic = nullptr;
};

class SkinBasesForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterTestControls();
    RegisterFormClass(TBasesForm::StaticClass(), {},
                      {Field("Skin", &TBasesForm::Skin), Field("Windowed", &TBasesForm::Windowed),
                       Field("Graphic", &TBasesForm::Graphic)});
  }
};

// Sets every published value of the skin link to something else than a new control's.
template <class C>
void ChangeLinkValues(C& control) {
  control.SetSkinDataName("changed");
  control.SetAreaName("changed");
  control.SetDrawDefault(false);
  control.SetAlphaBlend(true);
  control.SetAlphaBlendValue(7);
  control.SetUseSkinCursor(true);
  control.SetHintTitle("changed");
  control.SetHintImageIndex(5);
  control.SetUseSkinFont(false);
  control.SetDefaultWidth(33);
  control.SetDefaultHeight(44);
}

template <class C>
void ExpectLikeNew(C& control) {
  C fresh(nullptr);
  EXPECT_EQ(fresh.SkinDataName(), control.SkinDataName());
  EXPECT_EQ(fresh.AreaName(), control.AreaName());
  EXPECT_EQ(fresh.DrawDefault(), control.DrawDefault());
  EXPECT_EQ(fresh.AlphaBlend(), control.AlphaBlend());
  EXPECT_EQ(fresh.AlphaBlendValue(), control.AlphaBlendValue());
  EXPECT_EQ(fresh.UseSkinCursor(), control.UseSkinCursor());
  EXPECT_EQ(fresh.HintTitle(), control.HintTitle());
  EXPECT_EQ(fresh.HintImageIndex(), control.HintImageIndex());
  EXPECT_EQ(fresh.UseSkinFont(), control.UseSkinFont());
  EXPECT_EQ(fresh.DefaultWidth(), control.DefaultWidth());
  EXPECT_EQ(fresh.DefaultHeight(), control.DefaultHeight());
}

}  // namespace

TEST_F(SkinBasesForm, AFormPlacesSkinnedControlsThatPaintFromItsSkinOnceLoaded) {
  std::unique_ptr<TBasesForm> form(NewForm<TBasesForm>(nullptr));
  ASSERT_NE(nullptr, form->Windowed);
  ASSERT_NE(nullptr, form->Graphic);
  for (TspSkinLink* link : {static_cast<TspSkinLink*>(form->Windowed), static_cast<TspSkinLink*>(form->Graphic)}) {
    EXPECT_EQ(form->Skin, link->SkinData());
    EXPECT_EQ(AnsiString("panel"), link->SkinDataName());
    EXPECT_EQ(128, link->AlphaBlendValue());
    EXPECT_FALSE(link->AlphaBlend());
    EXPECT_EQ(-1, link->LookIndex());
  }
  EXPECT_EQ(20, form->Windowed->DefaultFont()->Height());
  EXPECT_EQ(20, form->Graphic->DefaultFont()->Height());
  EXPECT_EQ(AnsiString("Arial"), form->Graphic->DefaultFont()->Name());
  EXPECT_EQ(AnsiString("client"), form->Windowed->AreaName());
  EXPECT_EQ(AnsiString("Windowed"), form->Windowed->HintTitle());
  EXPECT_FALSE(form->Graphic->DrawDefault());

  form->Show();
  TReskinRelay relay(form.get());
  form->Skin->LoadFromFile(WriteBasesSkin("skinbases_form").c_str());
  testsupport::ServeApplication(50);
  EXPECT_EQ("BC", form->Windowed->calls);
  EXPECT_EQ("BC", form->Graphic->calls);
  EXPECT_EQ(ComposedLook(*form->Skin, "panel", 100, 70), FaceOf(form->Windowed));
  EXPECT_EQ(ComposedLook(*form->Skin, "panel", 90, 60), FaceOf(form->Graphic));
}

TEST_F(SkinBasesForm, EachRegisteredDefaultIsANewControlsValue) {
  const auto names = {"SkinDataName", "AreaName",       "DrawDefault",    "AlphaBlend",
                      "AlphaBlendValue", "UseSkinCursor", "HintTitle",      "HintImageIndex",
                      "UseSkinFont",  "DefaultWidth",   "DefaultHeight"};
  TTestSkinControl windowed(nullptr);
  ChangeLinkValues(windowed);
  ApplyDefaults(&windowed, names);
  ExpectLikeNew(windowed);

  TTestGraphicSkinControl graphic(nullptr);
  ChangeLinkValues(graphic);
  ApplyDefaults(&graphic, names);
  ExpectLikeNew(graphic);
}

TEST_F(SkinBasesForm, AnOpacityBeyondAByteIsRefused) {
  TTestSkinControl control(nullptr);
  TComponent root(nullptr);
  TFormReader reader(&root, nullptr, "Opacity.form");
  const TFormObject text = ParseFormText("object A: TA\n  AlphaBlendValue = 300\nend\n", "Opacity.form");
  EXPECT_THROW(reader.ApplyProperties(&control, text.properties), EFormError);
  EXPECT_EQ(kDefaultSkinAlphaBlendValue, control.AlphaBlendValue());
}
