// The scroll panel on a shown form: its non-client buttons appearing and disappearing
// with the children's extent, real clicks and holds on them, hot scroll, keys and wheel,
// the range after children go and after the panel grows, and its looks.
#include <gtest/gtest.h>

#include "ButtonFixture.h"
#include "TestSkin.h"
#include "classlib/stdctrls/Panel.h"
#include "skin/controls/Skinctrls_ScrollPanel.h"
#include "skin/data/Skindata_SkinData.h"
#include "window_support.h"

using testsupport::ServeApplication;
using testsupport::ServeUntil;

namespace {

class ScrollPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitializeSkinControls();
    form = testsupport::ShowTestForm(400, 300);
    panel = new TspSkinScrollPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 150, 30);
    ServeApplication(20);
  }
  void TearDown() override { delete form; }

  // A child of the panel from `left`, `width` wide.
  TPanel* AddChild(int left, int width) {
    auto* child = new TPanel(form);
    child->SetParent(panel);
    child->SetBounds(left, 0, width, 30);
    panel->UpDateSize();
    ServeApplication(20);
    return child;
  }

  // A point inside the forward (1) or back (0) button, in client coordinates.
  TPoint InButton(int index) const {
    const TRect r = panel->ButtonRect(index);
    const int x = (r.Left + r.Right) / 2 - (panel->Width() - panel->ClientWidth()) / 2;
    return TPoint{x, panel->ClientHeight() / 2};
  }

  void ClickButton(int index) {
    const TPoint at = InButton(index);
    testsupport::Click(panel, at.X, at.Y);
  }

  // The pixel the window shows at a point of the window (non-client area included).
  COLORREF WindowPixel(int x, int y) {
    HDC dc = GetWindowDC(panel->Handle());
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(panel->Handle(), dc);
    return pixel;
  }

  TForm* form = nullptr;
  TspSkinScrollPanel* panel = nullptr;
};

TEST_F(ScrollPanelTest, ChildrenWiderThanTheClientBringBothButtonsAndTakeTheirStrips) {
  EXPECT_EQ(150, panel->Width());
  EXPECT_EQ(30, panel->Height());
  EXPECT_FALSE(panel->ButtonsVisible());
  EXPECT_EQ(150, panel->ClientWidth());
  AddChild(0, 400);
  EXPECT_TRUE(panel->ButtonsVisible());
  EXPECT_EQ(150 - 2 * TspSkinScrollPanel::kButtonSize, panel->ClientWidth());
  EXPECT_EQ(Rect(0, 0, 12, 30), panel->ButtonRect(0));
  EXPECT_EQ(Rect(138, 0, 150, 30), panel->ButtonRect(1));
  // Without a look the idle buttons have a shadow frame.
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_BTNSHADOW)), WindowPixel(139, 0));
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_BTNFACE)), WindowPixel(140, 2));
}

TEST_F(ScrollPanelTest, AClickStepsByTheClientWidthOnReleaseAndStopsAtTheRangeEnd) {
  panel->SetScrollTimerInterval(60000);  // only the release steps
  TPanel* child = AddChild(0, 400);
  const int page = panel->ClientWidth();
  ClickButton(1);
  EXPECT_EQ(page, panel->Position());
  EXPECT_EQ(-page, child->Left());
  ClickButton(1);
  ClickButton(1);
  // The content ends at 399: the last step stops where its end meets the far edge.
  EXPECT_EQ(399 - page + 1, panel->LastPosition());
  EXPECT_EQ(panel->LastPosition(), panel->Position());
  EXPECT_EQ(panel->ClientWidth(), child->Left() + child->Width());
  ClickButton(0);
  EXPECT_EQ(panel->LastPosition() - page, panel->Position());
}

TEST_F(ScrollPanelTest, AHeldButtonRepeatsUntilTheEnd) {
  TPanel* child = AddChild(0, 600);
  const TPoint at = InButton(1);
  testsupport::HoldMouse(panel, at.X, at.Y);
  // Several steps come before the release.
  EXPECT_TRUE(ServeUntil([&] { return panel->Position() == panel->LastPosition(); }, 3000));
  testsupport::ReleaseMouse();
  EXPECT_EQ(panel->LastPosition(), panel->Position());
  EXPECT_EQ(-panel->Position(), child->Left());
}

TEST_F(ScrollPanelTest, HotScrollRunsWhileThePointerRestsOnAButton) {
  panel->SetHotScroll(true);
  AddChild(0, 2000);
  const TPoint at = InButton(1);
  testsupport::MoveMouse(panel, at.X, at.Y);
  EXPECT_TRUE(ServeUntil([&] { return panel->Position() > 0; }, 2000));
  testsupport::MoveMouse(panel, 20, 10);
  const int reached = panel->Position();
  ServeApplication(200);
  EXPECT_EQ(reached, panel->Position());
  EXPECT_LT(reached, panel->LastPosition());
}

TEST_F(ScrollPanelTest, RemovingChildrenUntilAllFitScrollsBackAndHidesTheButtons) {
  panel->SetScrollTimerInterval(60000);
  TPanel* first = AddChild(0, 100);
  TPanel* second = AddChild(100, 300);
  ClickButton(1);
  ASSERT_GT(panel->Position(), 0);
  delete second;
  panel->UpDateSize();
  EXPECT_EQ(0, panel->Position());
  EXPECT_EQ(0, first->Left());
  EXPECT_FALSE(panel->ButtonsVisible());
  EXPECT_EQ(150, panel->ClientWidth());
}

TEST_F(ScrollPanelTest, EnlargingAScrolledPanelScrollsBackByTheGrowth) {
  panel->SetScrollTimerInterval(60000);
  TPanel* child = AddChild(0, 300);
  ClickButton(1);
  const int position = panel->Position();
  ASSERT_EQ(126, position);
  panel->SetBounds(panel->Left(), panel->Top(), 250, 30);
  EXPECT_EQ(position - 100, panel->Position());
  EXPECT_EQ(-(position - 100), child->Left());
}

TEST_F(ScrollPanelTest, OffsetAndIntervalIgnoreImpossibleValuesAndTheOffsetSetsTheStep) {
  panel->SetScrollOffset(-5);
  panel->SetScrollTimerInterval(0);
  EXPECT_EQ(0, panel->ScrollOffset());
  EXPECT_EQ(50, panel->ScrollTimerInterval());
  panel->SetScrollTimerInterval(60000);
  panel->SetScrollOffset(40);
  AddChild(0, 400);
  ClickButton(1);
  EXPECT_EQ(40, panel->Position());
}

TEST_F(ScrollPanelTest, ArrowKeysAndTheWheelStepOnlyWithCanFocused) {
  for (bool canFocused : {false, true}) {
    SCOPED_TRACE(canFocused);
    panel->SetCanFocused(canFocused);
    panel->SetPosition(0);
    AddChild(0, 400)->SetHeight(15);
    testsupport::Click(panel, 20, 25);
    EXPECT_EQ(canFocused, panel->Focused());
    if (canFocused) testsupport::PressKey(VK_RIGHT);
    else SendMessage(panel->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    ServeApplication(20);
    const int step = canFocused ? panel->ClientWidth() : 0;
    EXPECT_EQ(step, panel->Position());
    SendMessage(panel->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(2 * step, panel->Position());
    SendMessage(panel->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(step, panel->Position());
  }
}

TEST_F(ScrollPanelTest, TheFormsPaintRequestsDrawTheShownButtonsIntoItsContext) {
  constexpr UINT kFramePaint = 45513;
  constexpr UINT kBackgroundPaint = 48203;
  constexpr LPARAM kBackgroundTag = 16802;
  struct Case {
    const char* what;
    bool withButtons;
    UINT msg;
    LPARAM lParam;
    LRESULT answer;
    bool painted;
  } const cases[] = {
      {"frame request, no buttons", false, kFramePaint, 0, 0, false},
      {"background request, no buttons", false, kBackgroundPaint, kBackgroundTag, kBackgroundTag, false},
      {"frame request", true, kFramePaint, 0, 12851, true},
      {"background request", true, kBackgroundPaint, kBackgroundTag, kBackgroundTag, true},
      {"background request without the tag", true, kBackgroundPaint, 0, 0, false},
  };
  const COLORREF red = RGB(255, 0, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.withButtons && !panel->ButtonsVisible()) AddChild(0, 400);
    ASSERT_EQ(c.withButtons, panel->ButtonsVisible());
    TBitmap target;
    target.SetSize(panel->Width(), panel->Height());
    target.Canvas()->Brush()->SetColor(static_cast<TColor>(red));
    target.Canvas()->FillRect(Rect(0, 0, panel->Width(), panel->Height()));
    HDC dc = target.Canvas()->Handle();
    EXPECT_EQ(c.answer, SendMessage(panel->Handle(), c.msg, reinterpret_cast<WPARAM>(dc), c.lParam));
    // The forward button's shadow frame and face, in window coordinates; the client is
    // never painted.
    const COLORREF frame = c.painted ? static_cast<COLORREF>(GetSysColor(COLOR_BTNSHADOW)) : red;
    const COLORREF face = c.painted ? static_cast<COLORREF>(GetSysColor(COLOR_BTNFACE)) : red;
    EXPECT_EQ(frame, GetPixel(dc, 139, 0));
    EXPECT_EQ(face, GetPixel(dc, 140, 2));
    EXPECT_EQ(red, GetPixel(dc, 60, 15));
  }
}

TEST_F(ScrollPanelTest, TheClientShowsThePanelLooksClientPieceAndFallsBackForOtherKinds) {
  TspSkinData* skin = skinbuttons::SkinWithLook(
      "panel", {{"pictureindex", "0"}, {"skinrect", "0,0,40,40"}, {"clientrect", "10,10,30,30"},
                {"stretcheffect", "0"}});
  panel->SetSkinData(skin);
  ServeApplication(30);
  const auto picture = [](int x, int y) {
    return static_cast<COLORREF>(skintest::PictureColour(skintest::piActive0, x, y));
  };
  EXPECT_EQ(picture(10, 10), testsupport::ControlPixel(panel, 0, 0));
  EXPECT_EQ(picture(15, 15), testsupport::ControlPixel(panel, 25, 5));
  // A look of another kind is not drawn from.
  panel->SetSkinDataName("button");
  panel->Repaint();
  ServeApplication(30);
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_BTNFACE)), testsupport::ControlPixel(panel, 5, 5));
}

}  // namespace
