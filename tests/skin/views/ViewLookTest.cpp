// The views' font and background from their looks or their defaults, and their windows
// without frame and native bars.
#include <gtest/gtest.h>

#include <functional>

#include "ViewsFixtures.h"
#include "skin/controls/Skinctrls_ListView.h"
#include "skin/controls/Skinctrls_RichEdit.h"
#include "skin/controls/Skinctrls_TreeView.h"
#include "window_support.h"

namespace {

using rangetest::RangeTest;

class ViewLookTest : public RangeTest {
 protected:
  // A view of each kind, connected to `skin`; the rich edit with SkinSupport.
  std::vector<TWinControl*> PlaceViews(TspSkinData* skin) {
    auto* tree = Place<TspSkinTreeView>(10, 10, 70, 80);
    auto* list = Place<TspSkinListView>(90, 10, 70, 80);
    auto* edit = Place<TspSkinRichEdit>(170, 10, 70, 80);
    edit->SetSkinSupport(true);
    tree->SetSkinData(skin);
    list->SetSkinData(skin);
    edit->SetSkinData(skin);
    return {tree, list, edit};
  }
};

struct TExpectedLook {
  const char* name;
  int height;
  TColor colour;
  TColor background;
};

TEST_F(ViewLookTest, EachViewTakesFontAndBackgroundFromItsLook) {
  const TExpectedLook expected[] = {{"Courier New", 17, 0x0000FF, 0xC0FFC0},
                                    {"Times New Roman", 15, 0x000080, 0xFFE0E0},
                                    {"Tahoma", 16, 0x008000, 0xE0E0FF}};
  const std::vector<TWinControl*> views = PlaceViews(viewtest::SharedViewsSkin());
  for (size_t i = 0; i < views.size(); ++i) {
    SCOPED_TRACE(views[i]->ClassName().c_str());
    EXPECT_EQ(AnsiString(expected[i].name), views[i]->Font()->Name());
    EXPECT_EQ(expected[i].height, views[i]->Font()->Height());
    EXPECT_EQ(expected[i].colour, views[i]->Font()->Color());
    EXPECT_EQ(expected[i].background, views[i]->Color());
  }
}

TEST_F(ViewLookTest, WithoutASkinTheDefaultsApplyAndLaterDefaultsFollowAtOnce) {
  for (TWinControl* view : PlaceViews(nullptr)) {
    SCOPED_TRACE(view->ClassName().c_str());
    auto& link = dynamic_cast<TspViewSkinLink&>(*view);
    EXPECT_EQ(AnsiString("Arial"), view->Font()->Name());
    EXPECT_EQ(14, view->Font()->Height());
    EXPECT_EQ(-1, link.LookIndex());
  }
  auto* tree = Place<TspSkinTreeView>(10, 100, 70, 60);
  tree->SetDefaultColor(clYellow);
  EXPECT_EQ(clYellow, tree->Color());
  TFont font;
  font.SetName("Verdana");
  tree->SetDefaultFont(&font);
  EXPECT_EQ(AnsiString("Verdana"), tree->Font()->Name());
}

TEST_F(ViewLookTest, DefaultColorChangesNothingWhileALookIsInUse) {
  auto* list = Place<TspSkinListView>(10, 10, 120, 80);
  list->SetSkinData(viewtest::SharedViewsSkin());
  testsupport::ServeApplication(50);
  const COLORREF before = testsupport::ControlPixel(list, 60, 60);
  list->SetDefaultColor(clRed);
  list->Invalidate();
  testsupport::ServeApplication(50);
  EXPECT_EQ(TColor(0xFFE0E0), list->Color());
  EXPECT_EQ(before, testsupport::ControlPixel(list, 60, 60));
  EXPECT_EQ(COLORREF(0xFFE0E0), before);
}

TEST_F(ViewLookTest, TheWindowsHaveNoBorderAndNoNativeBars) {
  for (TWinControl* view : PlaceViews(viewtest::SharedViewsSkin())) {
    SCOPED_TRACE(view->ClassName().c_str());
    RECT window, client;
    GetWindowRect(view->Handle(), &window);
    GetClientRect(view->Handle(), &client);
    EXPECT_EQ(window.right - window.left, client.right);
    EXPECT_EQ(window.bottom - window.top, client.bottom);
    EXPECT_EQ(0, GetWindowLongA(view->Handle(), GWL_STYLE) & (WS_BORDER | WS_VSCROLL | WS_HSCROLL));
  }
}

}  // namespace
