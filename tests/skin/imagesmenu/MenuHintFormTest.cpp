// A hint component and an images menu read from a form resource, and the looks they take
// after a skin change.
#include <gtest/gtest.h>

#include <memory>

#include "TestSkin.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/windowing/Forms.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinimagesmenu.h"
#include "skin/data/Skindata.h"
#include "tests/support/window_support.h"

namespace {

class TMenuHintForm : public TForm {
  CLASSLIB_CLASS(TMenuHintForm, TForm)
 public:
  explicit TMenuHintForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TImageList* Pictures = nullptr;
  TspSkinHint* Hint = nullptr;
  TspSkinImagesMenu* Menu = nullptr;
};

class MenuHintForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeGraphics();
    InitializeControlClasses();
    InitializeSkinData();
    InitializeSkinControls();
    RegisterFormClass(TMenuHintForm::StaticClass(), {},
                      {Field("Pictures", &TMenuHintForm::Pictures), Field("Hint", &TMenuHintForm::Hint),
                       Field("Menu", &TMenuHintForm::Menu)});
  }
};

TEST_F(MenuHintForm, TheHintAndTheMenuReadBack) {
  std::unique_ptr<TMenuHintForm> form(NewForm<TMenuHintForm>(nullptr));
  TspSkinHint* hint = form->Hint;
  EXPECT_EQ(hint->LineSeparator, AnsiString("|"));
  EXPECT_TRUE(hint->AlphaBlend);
  EXPECT_EQ(hint->AlphaBlendValue(), 150);
  EXPECT_FALSE(hint->UseSkinFont);
  EXPECT_EQ(hint->DefaultFont()->Name(), AnsiString("Courier New"));
  EXPECT_EQ(hint->DefaultFont()->Height(), -17);

  TspSkinImagesMenu* menu = form->Menu;
  EXPECT_EQ(menu->Images(), form->Pictures);
  EXPECT_EQ(menu->SkinHint(), hint);
  EXPECT_EQ(menu->ColumnsCount(), 3);
  EXPECT_EQ(menu->ItemIndex(), 2);
  EXPECT_FALSE(menu->ShowHints);
  EXPECT_EQ(menu->DefaultFont()->Name(), AnsiString("Tahoma"));
  ASSERT_EQ(menu->ImagesItems()->Count(), 4);
  TspImagesMenuItems* items = menu->ImagesItems();
  EXPECT_TRUE(items->Items(0)->Header());
  EXPECT_EQ(items->Items(0)->Caption(), AnsiString("Colours"));
  EXPECT_EQ(items->Items(1)->ImageIndex(), 0);
  EXPECT_EQ(items->Items(1)->Hint(), AnsiString("first"));
  EXPECT_FALSE(items->Items(2)->Button());
  EXPECT_TRUE(items->Items(3)->Button());
  EXPECT_EQ(items->Items(3)->Caption(), AnsiString("More..."));
  EXPECT_EQ(items->Items(3)->ImageIndex(), 4);
  // The menu forgets the image list that goes.
  delete form->Pictures;
  EXPECT_EQ(menu->Images(), nullptr);
}

// A skin whose popup-window and hint-window looks use the 120 x 90 form picture, or none.
std::string LooksSkin(const char* name, bool withLooks) {
  const char* picture = withLooks ? "3" : "-1";
  return skintest::WriteTestSkin(name, {{"PICTURES/activepicturescount", "4"},
                                        {"PICTURES/3", "form.bmp"},
                                        {"POPUPWINDOW/windowpictureindex", picture},
                                        {"POPUPWINDOW/maskpictureindex", "-1"},
                                        {"POPUPWINDOW/lefttoppoint", "10,10"},
                                        {"POPUPWINDOW/righttoppoint", "110,10"},
                                        {"POPUPWINDOW/leftbottompoint", "10,80"},
                                        {"POPUPWINDOW/rightbottompoint", "110,80"},
                                        {"POPUPWINDOW/itemsrect", "12,12,108,78"},
                                        {"HINTWINDOW/windowpictureindex", picture},
                                        {"HINTWINDOW/maskpictureindex", "-1"},
                                        {"HINTWINDOW/lefttoppoint", "10,10"},
                                        {"HINTWINDOW/righttoppoint", "110,10"},
                                        {"HINTWINDOW/leftbottompoint", "10,80"},
                                        {"HINTWINDOW/rightbottompoint", "110,80"},
                                        {"HINTWINDOW/clientrect", "12,12,108,78"},
                                        {"HINTWINDOW/fontheight", "14"}});
}

TEST_F(MenuHintForm, AfterASkinChangeTheNextHintAndPopupTakeTheNewLooks) {
  class TMain : public TForm {
   public:
    explicit TMain(TComponent* owner) : TForm(owner, CreateNew) {}
  };
  if (Application->MainForm() == nullptr) {
    TMain* main = nullptr;
    Application->CreateForm(main);
  }
  std::unique_ptr<TspSkinHint> hint(new TspSkinHint(Application->MainForm()));
  std::unique_ptr<TMenuHintForm> form(NewForm<TMenuHintForm>(nullptr));
  form->Pictures->SetSize(16, 16);
  TBitmap picture;
  picture.SetSize(16, 16);
  form->Pictures->Add(&picture, nullptr);
  TspSkinData skin(nullptr);
  hint->SetSkinData(&skin);
  form->Menu->SetSkinData(&skin);
  TspSkinHintWindow* hintWindow = nullptr;
  for (int i = 0; i < hint->ComponentCount(); ++i)
    if (auto* w = dynamic_cast<TspSkinHintWindow*>(hint->Components(i))) hintWindow = w;
  ASSERT_NE(hintWindow, nullptr);

  struct Step {
    bool withLooks;
    const char* name;
  };
  const std::string on = LooksSkin("looks-on", true), off = LooksSkin("looks-off", false);
  for (const Step& step : {Step{true, "on"}, Step{false, "off"}, Step{true, "on again"}}) {
    skin.LoadFromFile((step.withLooks ? on : off).c_str());
    hint->ActivateHint(Point(100, 100), "after");
    EXPECT_EQ(hintWindow->SkinDataInUse() != nullptr, step.withLooks) << step.name;
    hint->HideHint();
    form->Menu->Popup(100, 100);
    ASSERT_NE(form->Menu->PopupWindow(), nullptr);
    EXPECT_EQ(form->Menu->PopupWindow()->Skinned(), step.withLooks) << step.name;
    form->Menu->Hide();
  }
  testsupport::ServeApplication(20);
}

}  // namespace
