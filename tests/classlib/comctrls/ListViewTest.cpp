// An owner-data list view from a form text: columns, rows asked for only when shown,
// owner-drawn rows, real shift-clicks, the header and a child control.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "../windowing/WindowingFixtures.h"
#include "classlib/comctrls/ListView.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/stdctrls/Panel.h"

namespace {

// Rows alternate between these colours; the selected ones are drawn in the third.
constexpr TColor kEven = clYellow;
constexpr TColor kOdd = clAqua;
constexpr TColor kSelected = clNavy;

class TJobListForm : public TForm {
  CLASSLIB_CLASS(TJobListForm, TForm)
 public:
  explicit TJobListForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }
  void JobsData(TObject*, TListItem* item) {
    asked.insert(item->Index());
    item->SetCaption("clip" + IntToStr(item->Index()) + ".avi");
    item->SubItems()->Add(IntToStr(item->Index() * 10));
  }
  void JobsDrawItem(TCustomListView* view, TListItem* item, TRect rect, TOwnerDrawState state) {
    ++drawn;
    view->Canvas()->Brush()->SetColor(state.Contains(odSelected) ? kSelected : item->Index() % 2 == 0 ? kEven : kOdd);
    view->Canvas()->FillRect(rect);
  }
  void JobsSelectItem(TObject*, TListItem* item, bool selected) {
    if (item != nullptr && selected) selections.insert(item->Index());
  }

  TListView* Jobs = nullptr;
  std::set<int> asked;
  std::set<int> selections;
  int drawn = 0;
};

TColor ScreenAt(TControl* control, int x, int y) {
  const TPoint p = control->ClientToScreen(Point(x, y));
  return static_cast<TColor>(testsupport::ScreenPixel(p.X, p.Y));
}

class ListViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeControlClasses();
    RegisterFormClass(TJobListForm::StaticClass(),
                      {Handler("JobsData", &TJobListForm::JobsData), Handler("JobsDrawItem", &TJobListForm::JobsDrawItem),
                       Handler("JobsSelectItem", &TJobListForm::JobsSelectItem)},
                      {Field("Jobs", &TJobListForm::Jobs)});
  }
  void SetUp() override {
    form.reset(NewForm<TJobListForm>(nullptr));
    form->Jobs->Items()->SetCount(10000);
    form->Show();
    SetForegroundWindow(form->Handle());
    ServeApplication(300);
  }
  void ClickRow(int row, bool shift) {
    const TRect r = form->Jobs->ItemRect(row);
    const TPoint at = form->Jobs->ClientToScreen(Point(20, (r.Top + r.Bottom) / 2));
    SetCursorPos(at.X, at.Y);
    ServeApplication(60);
    if (shift) keybd_event(VK_SHIFT, static_cast<BYTE>(MapVirtualKeyA(VK_SHIFT, MAPVK_VK_TO_VSC)), 0, 0);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    ServeApplication(100);
    if (shift) keybd_event(VK_SHIFT, static_cast<BYTE>(MapVirtualKeyA(VK_SHIFT, MAPVK_VK_TO_VSC)), KEYEVENTF_KEYUP, 0);
    ServeApplication(GetDoubleClickTime() + 50);
  }
  std::unique_ptr<TJobListForm> form;
};

TEST_F(ListViewTest, TheColumnsAreTheSystemsAsTheFormTextDescribesThem) {
  struct TColumn {
    const char* caption;
    int width;
    int format;
  };
  const TColumn expected[] = {{"File", 150, LVCFMT_LEFT}, {"Size", 70, LVCFMT_RIGHT}, {"State", 90, LVCFMT_CENTER}};
  for (int i = 0; i < 3; ++i) {
    char text[64] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    ASSERT_TRUE(SendMessageA(form->Jobs->Handle(), LVM_GETCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(expected[i].caption, text);
    EXPECT_EQ(expected[i].width, column.cx);
    EXPECT_EQ(expected[i].format, column.fmt & LVCFMT_JUSTIFYMASK);
  }
  EXPECT_EQ(10000, SendMessageA(form->Jobs->Handle(), LVM_GETITEMCOUNT, 0, 0));
}

TEST_F(ListViewTest, OnlyTheRowsShownAreAskedForAndEachIsDrawnByItsOwner) {
  const int shown = form->Jobs->VisibleRowCount();
  ASSERT_GT(shown, 3);
  ASSERT_FALSE(form->asked.empty());
  EXPECT_LE(*form->asked.rbegin(), shown);  // the row after the last whole one may peek in
  EXPECT_LE(static_cast<int>(form->asked.size()), shown + 1);
  for (int row = 0; row < 4; ++row) {
    const TRect r = form->Jobs->ItemRect(row);
    EXPECT_EQ(row % 2 == 0 ? kEven : kOdd, ScreenAt(form->Jobs, 30, (r.Top + r.Bottom) / 2)) << row;
  }
  // The header sits above the first row.
  EXPECT_GT(form->Jobs->HeaderHeight(), 0);
  EXPECT_EQ(form->Jobs->HeaderHeight(), form->Jobs->ItemRect(0).Top);
  // Scrolling asks for the rows that come into view, and only those.
  form->asked.clear();
  form->Jobs->Scroll(0, form->Jobs->ItemRect(0).Height() * 100);
  ServeApplication(200);
  EXPECT_EQ(100, form->Jobs->TopIndex());
  ASSERT_FALSE(form->asked.empty());
  EXPECT_GE(*form->asked.begin(), 100);
  EXPECT_LE(*form->asked.rbegin(), 100 + shown);
}

TEST_F(ListViewTest, ShiftClicksSelectARangeOfRows) {
  ClickRow(2, false);
  ClickRow(4, true);
  EXPECT_EQ(3, form->Jobs->SelCount());
  ASSERT_NE(nullptr, form->Jobs->Selected());
  EXPECT_EQ(2, form->Jobs->Selected()->Index());
  EXPECT_EQ(4, form->Jobs->ItemFocused());
  EXPECT_TRUE(form->Jobs->IsSelected(3));
  EXPECT_FALSE(form->Jobs->IsSelected(5));
  EXPECT_EQ(std::set<int>({2, 3, 4}), form->selections);
  const TRect r = form->Jobs->ItemRect(3);
  EXPECT_EQ(kSelected, ScreenAt(form->Jobs, 30, (r.Top + r.Bottom) / 2));
  form->Jobs->ClearSelection();
  EXPECT_EQ(0, form->Jobs->SelCount());
}

TEST_F(ListViewTest, AChildPanelShowsInsideTheList) {
  auto* cover = static_cast<TPanel*>(form->FindComponent("Cover"));
  ASSERT_NE(nullptr, cover);
  EXPECT_EQ(form->Jobs, cover->Parent());
  EXPECT_EQ(clFuchsia, ScreenAt(form->Jobs, 280, 170));
}

}  // namespace
