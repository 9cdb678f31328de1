// The scroll panel, the expandable panel and both splitters read from a form resource:
// their values read back, the scroll panel shows its buttons for the child it was stored
// with and the expandable panel stored rolled stays rolled with its child hidden.
#include <gtest/gtest.h>

#include <memory>

#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/stdctrls/Panel.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_ExPanel.h"
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
  TspSkinExPanel* Expander = nullptr;
  TPanel* Inner = nullptr;
};

TEST(PanelsFormTest, AFormResourcePlacesTheScrollPanelTheExpandablePanelAndBothSplittersWithTheirValues) {
  InitializeControlClasses();
  InitializeSkinControls();
  RegisterFormClass(TPanelsForm::StaticClass(), {},
                    {Field("Scroll", &TPanelsForm::Scroll), Field("Item", &TPanelsForm::Item),
                     Field("Live", &TPanelsForm::Live), Field("Plain", &TPanelsForm::Plain),
                     Field("Expander", &TPanelsForm::Expander), Field("Inner", &TPanelsForm::Inner)});
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
  ASSERT_NE(nullptr, form->Expander);
  EXPECT_EQ("More", std::string(form->Expander->Caption().c_str()));
  EXPECT_EQ(4, form->Expander->Spacing());
  EXPECT_FALSE(form->Expander->ShowCloseButton());
  EXPECT_TRUE(form->Expander->ShowRollButton());
  EXPECT_EQ(25, form->Expander->DefaultCaptionHeight());
  EXPECT_EQ(rkRollHorizontal, form->Expander->RollKind());
  EXPECT_TRUE(form->Expander->RollState());
  EXPECT_EQ(25, form->Expander->Width());
  EXPECT_EQ(120, form->Expander->RealWidth());
  EXPECT_EQ(90, form->Expander->Height());
  EXPECT_EQ(form->Expander, form->Inner->Parent());
  EXPECT_FALSE(form->Inner->Visible());
  form->Expander->SetRollState(false);
  EXPECT_EQ(120, form->Expander->Width());
  EXPECT_TRUE(form->Inner->Visible());
}

}  // namespace
