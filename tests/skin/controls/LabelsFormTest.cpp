// The labels, panels, bevel and status bar placed by a form resource: their values read
// back, and loading a skin into the form's skin data re-skins exactly the controls on it.
#include <gtest/gtest.h>

#include "ReskinRelay.h"
#include "SkinControlsFixtures.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/data/Skindata_Panels.h"
#include "window_support.h"

using namespace skinbases;

namespace {

class TLabelsForm : public TForm {
  CLASSLIB_CLASS(TLabelsForm, TForm)
 public:
  explicit TLabelsForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TspSkinData* Skin = nullptr;
  TspSkinData* OtherSkin = nullptr;
  TspSkinGroupBox* GroupBox = nullptr;
  TspSkinStdLabel* StdLabel = nullptr;
  TspSkinBevel* Bevel = nullptr;
  TspSkinTextLabel* TextLabel = nullptr;
  TspSkinLinkLabel* LinkLabel = nullptr;
  TspSkinButtonLabel* ButtonLabel = nullptr;
  TTestSkinControl* Other = nullptr;
  TspSkinStatusBar* StatusBar = nullptr;
  TspSkinStatusPanel* StatusPanel = nullptr;
};

class SkinLabelsForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterTestControls();
    using F = TLabelsForm;
    RegisterFormClass(F::StaticClass(), {},
                      {Field("Skin", &F::Skin), Field("OtherSkin", &F::OtherSkin), Field("GroupBox", &F::GroupBox),
                       Field("StdLabel", &F::StdLabel), Field("Bevel", &F::Bevel), Field("TextLabel", &F::TextLabel),
                       Field("LinkLabel", &F::LinkLabel), Field("ButtonLabel", &F::ButtonLabel),
                       Field("Other", &F::Other), Field("StatusBar", &F::StatusBar),
                       Field("StatusPanel", &F::StatusPanel)});
  }
};

const TspDataSkinBevel& BevelLook(TspSkinData& skin) {
  return *dynamic_cast<TspDataSkinBevel*>(skin.CtrlList[skin.GetControlIndex("bevel")].get());
}

}  // namespace

TEST_F(SkinLabelsForm, EachClassIsPlacedWithItsValues) {
  std::unique_ptr<TLabelsForm> form(NewForm<TLabelsForm>(nullptr));
  TspSkinGroupBox& box = *form->GroupBox;
  EXPECT_EQ(form->Skin, box.SkinData());
  EXPECT_TRUE(box.CaptionMode());
  EXPECT_TRUE(box.CheckedMode());
  EXPECT_TRUE(box.Checked());
  EXPECT_TRUE(box.RollUpMode());
  EXPECT_FALSE(box.AutoEnabledControls());
  EXPECT_EQ(30, box.DefaultCaptionHeight());
  EXPECT_EQ(5, box.Spacing());
  EXPECT_EQ(TspSkinBorderStyle::bvRaised, box.BorderStyle());
  EXPECT_EQ(taCenter, box.DefaultAlignment());
  ASSERT_NE(nullptr, form->StdLabel);
  EXPECT_EQ(&box, form->StdLabel->Parent());
  EXPECT_EQ(spetPathEllips, form->StdLabel->EllipsType());
  EXPECT_FALSE(form->StdLabel->UseSkinColor());
  EXPECT_EQ(20, form->StdLabel->DefaultFont()->Height());
  EXPECT_TRUE(form->Bevel->DividerMode());
  TspSkinTextLabel& text = *form->TextLabel;
  EXPECT_EQ(2, text.Lines()->Count());
  EXPECT_EQ(tlBottom, text.Layout());
  EXPECT_EQ(taRightJustify, text.Alignment());
  EXPECT_TRUE(text.WordWrap());
  EXPECT_FALSE(text.UseSkinColor());
  EXPECT_EQ(AnsiString("http://example.org/"), form->LinkLabel->URL());
  EXPECT_FALSE(form->LinkLabel->UseUnderLine());
  EXPECT_EQ(clRed, form->LinkLabel->DefaultActiveFontColor());
  TspSkinButtonLabel& button = *form->ButtonLabel;
  EXPECT_TRUE(button.WebStyle());
  EXPECT_EQ(3, button.Margin());
  EXPECT_EQ(4, button.Spacing());
  EXPECT_EQ(blGlyphTop, button.Layout());
  EXPECT_EQ(4, button.NumGlyphs());
  EXPECT_EQ(1, button.ImageIndex());
  EXPECT_TRUE(form->StatusBar->SizeGrip());
  EXPECT_EQ(alBottom, form->StatusBar->Align());
  TspSkinStatusPanel& panel = *form->StatusPanel;
  EXPECT_EQ(form->StatusBar, panel.Parent());
  EXPECT_EQ(TspSkinBorderStyle::bvLowered, panel.BorderStyle());
  EXPECT_EQ(taCenter, panel.Alignment());
  EXPECT_EQ(spetEllips, panel.EllipsType());
  EXPECT_FALSE(panel.UseSkinFontColor());
  EXPECT_EQ(2, panel.ImageIndex());
  EXPECT_EQ(2, panel.NumGlyphs());
}

TEST_F(SkinLabelsForm, LoadingSkinsReskinsTheControlsOnTheFormsSkinDataOnly) {
  std::unique_ptr<TLabelsForm> form(NewForm<TLabelsForm>(nullptr));
  form->Show();
  TReskinRelay relay(form.get());
  form->Skin->LoadFromFile(WriteBasesSkin("skinlabels_form1", {{"bevel/lightcolor", "255"}}).c_str());
  testsupport::ServeApplication(50);
  EXPECT_NE(-1, form->GroupBox->LookIndex());
  EXPECT_NE(-1, form->StatusBar->LookIndex());
  EXPECT_NE(-1, form->StatusPanel->LookIndex());
  EXPECT_NE(-1, form->StdLabel->LookIndex());
  EXPECT_NE(-1, form->TextLabel->LookIndex());
  EXPECT_NE(-1, form->LinkLabel->LookIndex());
  EXPECT_NE(-1, form->ButtonLabel->LookIndex());
  EXPECT_EQ(TColor(255), form->Bevel->LightColor());
  EXPECT_EQ("", form->Other->calls);

  form->Skin->LoadFromFile(WriteBasesSkin("skinlabels_form2", {{"bevel/lightcolor", "65280"},
                                                                {"panel/clientrect", "12,8,52,40"}})
                               .c_str());
  testsupport::ServeApplication(50);
  EXPECT_EQ(TColor(65280), form->Bevel->LightColor());
  EXPECT_EQ(BevelLook(*form->Skin).LightColor, form->Bevel->LightColor());
  EXPECT_EQ(ComposedLook(*form->Skin, "panel", form->GroupBox->Width(), form->GroupBox->Height())[0],
            FaceOf(form->GroupBox)[0]);
  EXPECT_EQ("", form->Other->calls);
  EXPECT_EQ(-1, form->Other->LookIndex());
}
