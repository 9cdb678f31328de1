// The scroll panel and both splitters read from a form resource: their values read back
// and the scroll panel shows its buttons for the child it was stored with.
#include <gtest/gtest.h>

#include <memory>

#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/stdctrls/Panel.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_ScrollPanel.h"
#include "skin/controls/Skinctrls_Splitter.h"
#include "window_support.h"

namespace {

class TPanelsForm : public TForm {
  CLASSLIB_CLASS(TPanelsForm, TForm)
 public:
  explicit TPanelsForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TspSkinScrollPanel* Scroll = nullptr;
  TPanel* Item = nullptr;
  TspSkinSplitterEx* Live = nullptr;
  TspSkinSplitter* Plain = nullptr;
};

TEST(PanelsFormTest, AFormResourcePlacesTheScrollPanelAndBothSplittersWithTheirValues) {
  InitializeControlClasses();
  InitializeSkinControls();
  RegisterFormClass(TPanelsForm::StaticClass(), {},
                    {Field("Scroll", &TPanelsForm::Scroll), Field("Item", &TPanelsForm::Item),
                     Field("Live", &TPanelsForm::Live), Field("Plain", &TPanelsForm::Plain)});
  std::unique_ptr<TPanelsForm> form(testsupport::ShowForm<TPanelsForm>(nullptr));
  ASSERT_NE(nullptr, form->Scroll);
  EXPECT_TRUE(form->Scroll->CanFocused());
  EXPECT_TRUE(form->Scroll->HotScroll());
  EXPECT_EQ(20, form->Scroll->ScrollOffset());
  EXPECT_EQ(80, form->Scroll->ScrollTimerInterval());
  EXPECT_EQ(stHorizontal, form->Scroll->ScrollType());
  EXPECT_EQ(form->Scroll, form->Item->Parent());
  EXPECT_TRUE(form->Scroll->ButtonsVisible());
  ASSERT_NE(nullptr, form->Live);
  EXPECT_EQ(alLeft, form->Live->Align());
  EXPECT_EQ(40, form->Live->MinSize());
  EXPECT_FALSE(form->Live->AutoSnap());
  EXPECT_EQ(8, form->Live->DefaultSize());
  ASSERT_NE(nullptr, form->Plain);
  EXPECT_EQ(alBottom, form->Plain->Align());
  EXPECT_TRUE(form->Plain->Transparent());
  EXPECT_EQ(6, form->Plain->DefaultSize());
  EXPECT_EQ("hsplitter", std::string(form->Plain->SkinDataName().c_str()));
}

}  // namespace
