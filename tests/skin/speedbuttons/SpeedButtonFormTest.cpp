// A form resource placing a speed button reads back every published value.
#include "ButtonFixture.h"
#include "Defaults.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"

using namespace skinbuttons;

namespace {

class TSpeedButtonsForm : public TForm {
  CLASSLIB_CLASS(TSpeedButtonsForm, TForm)
 public:
  explicit TSpeedButtonsForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TspSkinSpeedButton* Go = nullptr;
};

}  // namespace

TEST_F(ButtonTest, ASpeedButtonFromAFormResourceReadsBackEveryValue) {
  RegisterFormClass(TSpeedButtonsForm::StaticClass(), {}, {Field("Go", &TSpeedButtonsForm::Go)});
  std::unique_ptr<TSpeedButtonsForm> loaded(NewForm<TSpeedButtonsForm>(nullptr));
  TspSkinSpeedButton* go = loaded->Go;
  ASSERT_NE(nullptr, go);
  EXPECT_EQ(AnsiString("resizetoolbutton"), go->SkinDataName());
  EXPECT_EQ(3, go->ImageIndex());
  EXPECT_FALSE(go->UseSkinSize());
  EXPECT_FALSE(go->UseSkinFontColor());
  EXPECT_EQ(75, go->WidthWithCaption());
  EXPECT_EQ(25, go->WidthWithoutCaption());
  EXPECT_FALSE(go->ShowCaption());
  EXPECT_EQ(25, go->Width());
  EXPECT_TRUE(go->RepeatMode());
  EXPECT_EQ(60, go->RepeatInterval());
  EXPECT_TRUE(go->Flat());
  EXPECT_TRUE(go->AllowAllUp());
  EXPECT_EQ(2, go->GroupIndex());
  EXPECT_TRUE(go->Down());
  EXPECT_EQ(2, go->NumGlyphs());
  EXPECT_EQ(2, go->Margin());
  EXPECT_EQ(4, go->Spacing());
  EXPECT_EQ(blGlyphTop, go->Layout());
}

TEST_F(ButtonTest, EverySpeedButtonPropertyAcceptsItsStoredDefault) {
  TspSkinSpeedButton button(nullptr);
  ApplyDefaults(&button, {"SkinDataName", "ImageIndex", "UseSkinSize", "UseSkinFontColor", "WidthWithCaption",
                          "WidthWithoutCaption", "ShowCaption", "RepeatMode", "RepeatInterval", "Flat", "AllowAllUp",
                          "Down", "GroupIndex", "NumGlyphs", "Margin", "Spacing", "Layout"});
  EXPECT_EQ(4, button.Spacing());
  EXPECT_EQ(-1, button.Margin());
  EXPECT_EQ(AnsiString("toolbutton"), button.SkinDataName());
}
