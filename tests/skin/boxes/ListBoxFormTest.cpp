// Skinned lists placed by a form resource: their items, modes and events read back.
#include <gtest/gtest.h>

#include "SkinControlsFixtures.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/windowing/Menus.h"
#include "skin/boxes/Skinboxes_ListBox.h"

namespace {

class TListBoxForm : public TForm {
  CLASSLIB_CLASS(TListBoxForm, TForm)
 public:
  explicit TListBoxForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TImageList* Images = nullptr;
  TPopupMenu* FilesMenu = nullptr;
  TspSkinListBox* Files = nullptr;
  TspSkinListBox* Steps = nullptr;
  int clicks = 0;
  void FilesClick(TObject*) { ++clicks; }
};

class ListBoxForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    skinbases::RegisterTestControls();
    InitializeSkinBoxes();
    RegisterFormClass(TListBoxForm::StaticClass(), {Handler("FilesClick", &TListBoxForm::FilesClick)},
                      {Field("Images", &TListBoxForm::Images), Field("FilesMenu", &TListBoxForm::FilesMenu),
                       Field("Files", &TListBoxForm::Files),
                       Field("Steps", &TListBoxForm::Steps)});
  }
};

}  // namespace

TEST_F(ListBoxForm, AFormPlacesTheListsWithTheirItemsAndModes) {
  std::unique_ptr<TListBoxForm> form(NewForm<TListBoxForm>(nullptr));
  TspSkinListBox* files = form->Files;
  ASSERT_EQ(3, files->Items()->Count());
  EXPECT_EQ(AnsiString("second.avi"), files->Items()->Strings(1));
  EXPECT_EQ(form->Images, files->Images());
  EXPECT_EQ(0, files->ImageIndex());
  EXPECT_TRUE(files->MultiSelect());
  EXPECT_TRUE(files->ExtandedSelect());
  EXPECT_TRUE(files->HorizontalExtent());
  EXPECT_EQ(18, files->ListBox()->ItemHeight());
  ASSERT_EQ(2, files->TabWidths()->Count());
  EXPECT_EQ(AnsiString("120"), files->TabWidths()->Strings(1));
  EXPECT_FALSE(files->ListBox()->TabStop());
  EXPECT_EQ(form->FilesMenu, files->ListBox()->PopupMenu());
  EXPECT_NE(nullptr, form->FilesMenu);
  files->ListBoxClick();
  EXPECT_EQ(1, form->clicks);

  TspSkinListBox* steps = form->Steps;
  EXPECT_TRUE(steps->CaptionMode());
  EXPECT_EQ(24, steps->DefaultCaptionHeight());
  EXPECT_EQ(taCenter, steps->Alignment());
  EXPECT_EQ(AnsiString("Steps"), steps->Caption());
  EXPECT_EQ(2, steps->Columns());
  EXPECT_EQ(3, steps->RowCount());
  EXPECT_EQ(steps->CalcHeight(3), steps->Height());
}
