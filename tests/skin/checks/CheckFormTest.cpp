// Boxes and groups from a form resource, actions, registered defaults, and re-skinning
// through the relay that stands in for the skinned form.
#include "CheckFixture.h"
#include "Defaults.h"
#include "ReskinRelay.h"
#include "TestSkin.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/windowing/Action.h"
#include "window_support.h"

using namespace skinchecks;

namespace {

class TChecksForm : public TForm {
  CLASSLIB_CLASS(TChecksForm, TForm)
 public:
  explicit TChecksForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TspSkinCheckRadioBox* Preview = nullptr;
  TspSkinCheckRadioBox* Option = nullptr;
  TspSkinRadioGroup* Category = nullptr;
  TspSkinCheckGroup* Extras = nullptr;
  TImageList* Pictures = nullptr;
};

std::unique_ptr<TChecksForm> LoadChecksForm() {
  RegisterFormClass(TChecksForm::StaticClass(), {},
                    {Field("Preview", &TChecksForm::Preview), Field("Option", &TChecksForm::Option),
                     Field("Category", &TChecksForm::Category), Field("Extras", &TChecksForm::Extras),
                     Field("Pictures", &TChecksForm::Pictures)});
  return std::unique_ptr<TChecksForm>(NewForm<TChecksForm>(nullptr));
}

}  // namespace

TEST_F(CheckTest, AFormResourcePlacesBoxesAndGroupsAndMakesTheGroupsButtonsFromItems) {
  std::unique_ptr<TChecksForm> loaded = LoadChecksForm();
  TspSkinCheckRadioBox* preview = loaded->Preview;
  ASSERT_NE(nullptr, preview);
  EXPECT_TRUE(preview->Checked());
  EXPECT_TRUE(preview->Flat());
  EXPECT_TRUE(preview->WordWrap());
  EXPECT_FALSE(preview->UseSkinFontColor());
  // A box from a resource applies CanFocused once loaded.
  EXPECT_TRUE(preview->CanFocused());
  EXPECT_TRUE(preview->TabStop());

  TspSkinCheckRadioBox* option = loaded->Option;
  EXPECT_FALSE(option->Flat());
  EXPECT_TRUE(option->AllowGrayed());
  EXPECT_EQ(cbGrayed, option->State());
  EXPECT_FALSE(option->Checked());
  EXPECT_TRUE(option->Radio());
  EXPECT_EQ(3, option->GroupIndex());
  EXPECT_EQ(loaded->Pictures, option->Images());
  EXPECT_EQ(2, option->ImageIndex());
  EXPECT_FALSE(option->TabStop());

  // The stored selection lies past the three items: it falls back to the last one.
  TspSkinRadioGroup* category = loaded->Category;
  EXPECT_EQ(2, category->Columns());
  ASSERT_EQ(3, category->ButtonCount());
  EXPECT_EQ(2, category->ItemIndex());
  EXPECT_TRUE(category->Buttons(2)->Checked());
  EXPECT_STREQ("Audio", category->Buttons(1)->Caption().c_str());
  EXPECT_STREQ("checkradio", category->Buttons(0)->SkinDataName().c_str());
  EXPECT_STREQ("checkradio", category->ButtonSkinDataName().c_str());

  TspSkinCheckGroup* extras = loaded->Extras;
  ASSERT_EQ(2, extras->ButtonCount());
  EXPECT_STREQ("Chapters", extras->Buttons(1)->Caption().c_str());
  EXPECT_EQ(-1, extras->ItemIndex());
  // Two columns side by side in one row.
  EXPECT_EQ(extras->Buttons(0)->Top(), extras->Buttons(1)->Top());
  EXPECT_LT(extras->Buttons(0)->Left(), extras->Buttons(1)->Left());

  // The buttons are the groups' own: none of them was read as a component of the form.
  for (int i = 0; i < loaded->ComponentCount(); ++i)
    EXPECT_EQ(nullptr, dynamic_cast<TspCustomGroupButton*>(loaded->Components(i))) << i;
  // Removing the image list clears the reference.
  delete loaded->Pictures;
  EXPECT_EQ(nullptr, option->Images());
}

TEST_F(CheckTest, RegisteredDefaultsAreWhatANewBoxAndGroupHold) {
  TspSkinCheckRadioBox changed(nullptr);
  changed.SetFlat(false);
  changed.SetImageIndex(5);
  changed.SetUseSkinFontColor(false);
  changed.SetSkinDataName("x");
  ApplyDefaults(&changed, {"Flat", "ImageIndex", "UseSkinFontColor", "SkinDataName"});
  TspSkinCheckRadioBox fresh(nullptr);
  EXPECT_EQ(fresh.Flat(), changed.Flat());
  EXPECT_EQ(fresh.ImageIndex(), changed.ImageIndex());
  EXPECT_EQ(fresh.UseSkinFontColor(), changed.UseSkinFontColor());
  EXPECT_EQ(fresh.SkinDataName(), changed.SkinDataName());

  TspSkinRadioGroup group(nullptr);
  group.SetColumns(4);
  group.SetButtonSkinDataName("x");
  ApplyDefaults(&group, {"Columns", "ButtonSkinDataName"});
  EXPECT_EQ(1, group.Columns());
  EXPECT_STREQ("radiobox", group.ButtonSkinDataName().c_str());
}

TEST_F(CheckTest, ALinkedActionSetsChecked) {
  TAction action(form);
  action.SetChecked(true);
  TTestBox* box = Place(10, 10);
  box->SetAction(&action);
  EXPECT_TRUE(box->Checked());
  action.SetChecked(false);
  EXPECT_FALSE(box->Checked());
}

TEST_F(CheckTest, AReskinRepaintsFacedBoxesAndGroupButtonsAndKeepsFlatSizes) {
  TspSkinData skin(nullptr);
  skin.LoadFromFile(WriteCheckSkin("checks_reskin_a").c_str());
  TReskinRelay relay(form);
  TTestBox* flat = Place(10, 10, "");
  TTestBox* faced = Place(10, 40, "");
  for (TTestBox* box : {flat, faced}) box->SetSkinDataName(kLook);
  faced->SetFlat(false);
  auto* group = new TspSkinRadioGroup(form);
  group->SetParent(form);
  group->SetBounds(10, 70, 200, 100);
  group->SetButtonSkinDataName(kLook);
  group->Items()->SetCommaText("Video,Audio,Pictures");
  group->SetColumns(2);
  for (TControl* control : std::initializer_list<TControl*>{flat, faced, group})
    dynamic_cast<IspSkinControl*>(control)->SetSkinData(&skin);
  ASSERT_EQ(kFace.Width(), faced->Width());
  const int firstLeft = group->Buttons(2)->Left();

  skin.LoadFromFile(WriteCheckSkin("checks_reskin_b", {{"skinrect", "0,0,48,20"},
                                                       {"uncheckimagerect", "16,40,24,48"}})
                        .c_str());
  EXPECT_EQ(150, flat->Width());
  EXPECT_EQ(25, flat->Height());
  EXPECT_EQ(48, faced->Width());
  EXPECT_EQ(20, faced->Height());
  const TColor under = skintest::PictureColour(skintest::piActive0, 4, 11);
  EXPECT_EQ(GlyphPixels(skin, Rect(16, 40, 24, 48), under), PaintedBlock(faced, 4, 4, 8, 8));
  // The group's flat buttons show the new glyph and stay arranged.
  TspSkinCheckRadioBox* button = group->Buttons(0);
  const std::vector<TColor> glyph = PaintedBlock(button, 3, button->Height() / 2 - 4, 8, 8);
  // Its lower-left pixel shows the group's background.
  EXPECT_EQ(GlyphPixels(skin, Rect(16, 40, 24, 48), glyph[56]), glyph);
  EXPECT_EQ(firstLeft, group->Buttons(2)->Left());
}
