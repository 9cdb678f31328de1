// A job-list-like form: a report view with its two bars, a header control and a rich
// edit read back from a form resource, then re-skinned by a skin loaded later.
#include <gtest/gtest.h>

#include "ReskinRelay.h"
#include "SkinControlsFixtures.h"
#include "ViewsFixtures.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_HeaderControl.h"
#include "skin/controls/Skinctrls_ListView.h"
#include "skin/controls/Skinctrls_RichEdit.h"
#include "skin/controls/Skinctrls_ScrollBar.h"
#include "window_support.h"

namespace {

class TViewsForm : public TForm {
  CLASSLIB_CLASS(TViewsForm, TForm)
 public:
  explicit TViewsForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TspSkinData* Skin = nullptr;
  TspSkinScrollBar* JobsVBar = nullptr;
  TspSkinScrollBar* JobsHBar = nullptr;
  TspSkinScrollBar* LogBar = nullptr;
  TspSkinListView* Jobs = nullptr;
  TspSkinHeaderControl* Sections = nullptr;
  TspSkinRichEdit* Log = nullptr;
};

class ViewsForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    skinbases::RegisterTestControls();
    RegisterFormClass(TViewsForm::StaticClass(), {},
                      {Field("Skin", &TViewsForm::Skin), Field("JobsVBar", &TViewsForm::JobsVBar),
                       Field("JobsHBar", &TViewsForm::JobsHBar), Field("LogBar", &TViewsForm::LogBar),
                       Field("Jobs", &TViewsForm::Jobs), Field("Sections", &TViewsForm::Sections),
                       Field("Log", &TViewsForm::Log)});
  }
};

TEST_F(ViewsForm, TheFormReadsBackItsValuesAndAttachments) {
  std::unique_ptr<TViewsForm> form(NewForm<TViewsForm>(nullptr));
  TspSkinListView* jobs = form->Jobs;
  EXPECT_EQ(vsReport, jobs->ViewStyle());
  ASSERT_EQ(2, jobs->Columns()->Count());
  EXPECT_EQ(AnsiString("Status"), jobs->Columns()->Items(1)->Caption());
  EXPECT_EQ(-1, jobs->Columns()->Items(0)->ImageIndex());
  EXPECT_EQ(2, jobs->Columns()->Items(1)->ImageIndex());
  EXPECT_TRUE(jobs->FullDrag());
  EXPECT_EQ(form->Skin, jobs->SkinData());
  EXPECT_EQ(form->JobsVBar, jobs->VScrollBar());
  EXPECT_EQ(form->JobsHBar, jobs->HScrollBar());
  EXPECT_EQ(AnsiString("button"), jobs->HeaderSkinDataName());
  EXPECT_EQ(clInfoBk, jobs->Color());  // no skin loaded: the defaults
  EXPECT_EQ(12, jobs->Font()->Height());
  EXPECT_EQ(form->Skin, form->Sections->SkinData());
  EXPECT_EQ(AnsiString("button"), form->Sections->SkinDataName());
  ASSERT_EQ(1, form->Sections->Sections()->Count());
  EXPECT_EQ(AnsiString("Source"), form->Sections->Sections()->Items(0)->Text());
  EXPECT_TRUE(form->Log->SkinSupport());
  EXPECT_EQ(form->LogBar, form->Log->VScrollBar());
  EXPECT_EQ(clCream, form->Log->Color());
}

TEST_F(ViewsForm, ASkinLoadedLaterReskinsViewsAndHeadersButNotTheRichEdit) {
  std::unique_ptr<TViewsForm> form(testsupport::ShowForm<TViewsForm>(nullptr));
  TReskinRelay relay(form.get());
  form->Jobs->Items()->SetCount(500);
  form->Skin->LoadFromFile(skinbases::WriteBasesSkin("views_form_skin", viewtest::ViewLooks()).c_str());
  testsupport::ServeApplication(80);

  EXPECT_EQ(TColor(0xFFE0E0), form->Jobs->Color());
  EXPECT_TRUE(form->JobsVBar->Visible());
  HWND header = form->Jobs->HookedHeader();
  RECT r;
  GetClientRect(header, &r);
  TRect first = Rect(0, 0, 100, r.bottom);
  TBitmap expected;  // the face with the caption, as the header draws it
  expected.SetSize(100, r.bottom);
  form->Jobs->DrawHeaderSection(expected.Canvas(), form->Jobs->Columns()->Items(0), false, false, first);
  EXPECT_EQ(skinbases::PixelsOf(expected), viewtest::WindowPixels(header, first));
  EXPECT_NE(viewtest::HeaderFace("skinrect", 100, r.bottom), skinbases::PixelsOf(expected));  // caption drawn
  EXPECT_NE(-1, form->Sections->LookIndex());
  EXPECT_EQ(clCream, form->Log->Color());  // a skin change is not the rich edit's

  form->Log->SetSkinData(form->Skin);
  EXPECT_EQ(TColor(0xE0E0FF), form->Log->Color());
}

}  // namespace
