#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/stdctrls/Panel.h"
#include "classlib/windowing/Screen.h"
#include "imaging/Bitmap32_Image.h"
#include "rangebar_fixtures.h"
#include "window_support.h"

namespace {

using namespace imaging;
using rangebartest::BarsOnAForm;
using rangebartest::TRecordedThemeParts;
using rangebartest::TUnthemed;

class ScrollingView : public BarsOnAForm {
 protected:
  // A view whose viewport is 100 x 100 inside 16-pixel bars.
  TImgView32* PlaceView() {
    auto* view = Place<TImgView32>(0, 0);
    view->ScrollBars()->SetSize(16);
    view->SetBounds(0, 0, 116, 116);
    return view;
  }
};

TEST_F(ScrollingView, OverSizeWidensTheRangesAndCentringPlacesTheBitmap) {
  struct Case {
    bool centred;
    float offsetHorz, offsetVert;
  };
  // Centred, the bitmap sits in the middle (100 > 60 + 20); otherwise at the margin less
  // the bar positions, which clamp to 0.
  for (const Case& c : {Case{true, 20.0f, 30.0f}, Case{false, 10.0f, 10.0f}}) {
    auto* view = PlaceView();
    view->SetOverSize(10);
    view->SetCentered(c.centred);
    view->Bitmap()->SetSize(60, 40);
    EXPECT_EQ((imaging::TRect{0, 0, 100, 100}), view->GetViewportRect());
    EXPECT_EQ(80, view->HorizontalBar()->Range());
    EXPECT_EQ(60, view->VerticalBar()->Range());
    EXPECT_EQ(c.offsetHorz, view->OffsetHorz()) << "centred " << c.centred;
    EXPECT_EQ(c.offsetVert, view->OffsetVert()) << "centred " << c.centred;
    delete view;
  }
}

TEST_F(ScrollingView, ABitmapLargerThanTheViewportScrollsByTheBars) {
  auto* view = PlaceView();
  view->SetOverSize(10);
  view->SetCentered(false);
  view->Bitmap()->SetSize(300, 200);  // ranges 320 and 220 in windows of 100
  view->ScrollToCenter(150, 100);
  EXPECT_EQ(110.0f, view->HorizontalBar()->Position());
  EXPECT_EQ(60.0f, view->VerticalBar()->Position());
  EXPECT_EQ(-100.0f, view->OffsetHorz());
  EXPECT_EQ(-50.0f, view->OffsetVert());
  view->Scroll(500, -20);  // the horizontal bar clamps at 320 - 100
  EXPECT_EQ(220.0f, view->HorizontalBar()->Position());
  EXPECT_EQ(-210.0f, view->OffsetHorz());
  EXPECT_EQ(-30.0f, view->OffsetVert());
}

TEST_F(ScrollingView, ScrollingToTheCentreUsesTheHorizontalScaleBothWays) {
  auto* view = PlaceView();
  view->SetCentered(false);
  view->SetScaleX(2);
  view->SetScaleY(1);
  view->Bitmap()->SetSize(100, 300);  // shown 200 x 300
  view->ScrollToCenter(50, 60);
  EXPECT_EQ(50.0f, view->HorizontalBar()->Position());
  EXPECT_EQ(70.0f, view->VerticalBar()->Position());
}

TEST_F(ScrollingView, AutomaticBarsAndGripVanishWhileTheBitmapFits) {
  auto* view = PlaceView();
  view->SetSizeGrip(sgAlways);
  view->ScrollBars()->SetVisibility(svAuto);
  view->Bitmap()->SetSize(60, 40);
  EXPECT_FALSE(view->GetScrollBarsVisible());
  EXPECT_EQ((imaging::TRect{0, 0, 116, 116}), view->GetViewportRect());
  EXPECT_FALSE(view->HorizontalBar()->Visible());
  EXPECT_FALSE(view->VerticalBar()->Visible());
  EXPECT_TRUE(view->GetSizeGripRect().IsEmpty());

  view->Bitmap()->SetSize(300, 40);
  EXPECT_TRUE(view->GetScrollBarsVisible());
  EXPECT_EQ((imaging::TRect{0, 0, 100, 100}), view->GetViewportRect());
  EXPECT_TRUE(view->VerticalBar()->Visible());
  EXPECT_EQ(::Rect(100, 100, 116, 116), view->GetSizeGripRect());
}

TEST_F(ScrollingView, ABarMovedByTheUserScrollsTheView) {
  auto* view = PlaceView();
  view->SetCentered(false);
  view->Bitmap()->SetSize(300, 300);
  int scrolls = 0;
  struct TScrollCounter {
    int* count;
    void Scrolled(TObject*) { ++*count; }
  } counter{&scrolls};
  view->OnScroll = TNotifyEvent(&counter, &TScrollCounter::Scrolled);
  Press(view->HorizontalBar(), 90, 8);  // the next button of the 100 x 16 bar
  Release(view->HorizontalBar(), 90, 8);
  EXPECT_EQ(8.0f, view->HorizontalBar()->Position());
  EXPECT_EQ(-8.0f, view->OffsetHorz());
  EXPECT_EQ(1, scrolls);
  view->Scroll(5, 0);  // not by the user: no scroll event
  EXPECT_EQ(1, scrolls);
}

TEST_F(ScrollingView, ScrollPropertiesCopyAnotherViewsBars) {
  auto* source = PlaceView();
  source->ScrollBars()->SetStyle(rbsMac);
  source->ScrollBars()->SetIncrement(20);
  source->ScrollBars()->SetSize(12);
  source->ScrollBars()->SetVisibility(svHidden);
  auto* view = PlaceView();
  view->SetScrollBars(source->ScrollBars());
  EXPECT_EQ(12, view->ScrollBars()->Size());
  EXPECT_EQ(svHidden, view->ScrollBars()->Visibility());
  for (TCustomRangeBar* bar : {view->HorizontalBar(), view->VerticalBar()}) {
    EXPECT_EQ(rbsMac, bar->Style());
    EXPECT_EQ(20, bar->Increment());
  }
}

TEST_F(ScrollingView, SizeGripShowsWhereTheViewFillsItsForm) {
  struct Case {
    TSizeGripStyle style;
    bool viewFills, panelBetween, panelFills;
    bool visible;
  };
  const Case cases[] = {
      {sgAuto, true, false, false, true},  {sgAuto, false, false, false, false}, {sgAuto, true, true, true, true},
      {sgAuto, true, true, false, false},  {sgNone, true, false, false, false},  {sgAlways, false, false, false, true},
  };
  for (const Case& c : cases) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetAlign(c.panelFills ? alClient : alNone);
    auto* view = new TImgView32(form);
    view->SetParent(c.panelBetween ? static_cast<TWinControl*>(panel) : form);
    view->SetAlign(c.viewFills ? alClient : alNone);
    view->SetSizeGrip(c.style);
    EXPECT_EQ(c.visible, view->IsSizeGripVisible())
        << "style " << c.style << " fills " << c.viewFills << " panel " << c.panelBetween << c.panelFills;
    delete view;
    delete panel;
  }
  TImgView32 orphan(nullptr);
  orphan.SetAlign(alClient);
  EXPECT_FALSE(orphan.IsSizeGripVisible());
}

// Takes WM_NCLBUTTONDOWN from a form's messages, so no sizing loop starts.
struct TSizingRequests {
  explicit TSizingRequests(TControl* form) : form_(form), saved_(form->WindowProc) {
    form->WindowProc = TWndMethod(this, &TSizingRequests::Spy);
  }
  ~TSizingRequests() { form_->WindowProc = saved_; }
  void Spy(TMessage& message) {
    if (message.Msg == WM_NCLBUTTONDOWN) {
      requests.push_back(message);
      return;
    }
    saved_(message);
  }
  TControl* form_;
  TWndMethod saved_;
  std::vector<TMessage> requests;
};

TEST_F(ScrollingView, PressOnTheGripStartsSizingTheFormFromItsCorner) {
  form->SetClientSize(200, 150);
  auto* view = Place<TImgView32>(0, 0);
  view->SetAlign(alClient);
  view->ScrollBars()->SetSize(16);
  view->Bitmap()->SetSize(400, 400);
  TSizingRequests sizing(form);
  testsupport::PumpMessages(50);

  testsupport::Click(view, 50, 50);  // in the viewport: the view's own press
  EXPECT_TRUE(sizing.requests.empty());

  testsupport::Click(view, 195, 145);
  ASSERT_EQ(1u, sizing.requests.size());
  EXPECT_EQ(static_cast<WPARAM>(HTBOTTOMRIGHT), sizing.requests[0].WParam);
  POINT cursor;
  GetCursorPos(&cursor);
  POINT expected{195, 145};
  ClientToScreen(view->Handle(), &expected);
  EXPECT_EQ(expected.x, cursor.x);
  EXPECT_EQ(expected.y, cursor.y);
  EXPECT_EQ(static_cast<DWORD>(MAKELPARAM(expected.x, expected.y)), static_cast<DWORD>(sizing.requests[0].LParam));
  EXPECT_EQ(nullptr, GetCaptureControl());

  // Over the grip the sizing cursor shows everywhere; off it the default one again.
  view->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(195, 145));
  EXPECT_EQ(crSizeNWSE, Screen->Cursor());
  view->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(50, 50));
  EXPECT_EQ(crDefault, Screen->Cursor());
  form->SetBounds(40, 40, 320, 260);
}

TEST_F(ScrollingView, GripIsDrawnUnthemedAndThemed) {
  auto* view = PlaceView();
  view->SetSizeGrip(sgAlways);
  view->Bitmap()->SetSize(300, 300);
  {
    TUnthemed unthemed;
    ShowNow(view);
    // The system's grip: lines across the square, on the button face.
    bool lines = false;
    for (int i = 0; i < 16; ++i) lines = lines || ClientPixel(view, 100 + i, 115) != GetSysColor(COLOR_BTNFACE);
    EXPECT_TRUE(lines);
    EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_BTNFACE)), ClientPixel(view, 101, 101));
  }
  TRecordedThemeParts theme;
  view->Repaint();
  EXPECT_TRUE(theme.Drew(SBP_SIZEBOX, SZB_RIGHTALIGN));
  view->SetSizeGrip(sgNone);
  theme.parts.clear();
  view->Repaint();
  EXPECT_FALSE(theme.Drew(SBP_SIZEBOX, SZB_RIGHTALIGN));
}

// A form text describing a scrolling view and the two bars.
class TBarsForm : public TForm {
  CLASSLIB_CLASS(TBarsForm, TForm)
 public:
  explicit TBarsForm(TComponent* owner) : TForm(owner, CreateNew) {}
  TImgView32* View = nullptr;
  TRangeBar* Range = nullptr;
  TGaugeBar* Gauge = nullptr;
};

TEST(ScrollingViewForm, FormTextSetsTheViewAndTheBars) {
  InitializeControlClasses();
  RegisterFormClass(TBarsForm::StaticClass(), {},
                    {Field("View", &TBarsForm::View), Field("Range", &TBarsForm::Range),
                     Field("Gauge", &TBarsForm::Gauge)});
  std::unique_ptr<TBarsForm> form(new TBarsForm(nullptr));
  ReadFormText(form.get(), TBarsForm::StaticClass(),
               "object BarsForm: TBarsForm\n"
               "  object View: TImgView32\n"
               "    Centered = False\n"
               "    OverSize = 5\n"
               "    SizeGrip = sgNone\n"
               "    ScrollBars.Size = 12\n"
               "    ScrollBars.Increment = 20\n"
               "    ScrollBars.Visibility = svAuto\n"
               "    ScrollBars.Style = rbsMac\n"
               "  end\n"
               "  object Range: TRangeBar\n"
               "    Kind = sbVertical\n"
               "    BorderStyle = bsNone\n"
               "    Range = 500\n"
               "    Window = 50\n"
               "    Position = 120.5\n"
               "  end\n"
               "  object Gauge: TGaugeBar\n"
               "    Min = 2\n"
               "    Max = 10\n"
               "    Position = 5\n"
               "    HandleColor = clRed\n"
               "  end\n"
               "end\n",
               "BarsForm.form");
  ASSERT_NE(nullptr, form->View);
  EXPECT_FALSE(form->View->Centered());
  EXPECT_EQ(5, form->View->OverSize());
  EXPECT_EQ(sgNone, form->View->SizeGrip());
  EXPECT_EQ(12, form->View->ScrollBars()->Size());
  EXPECT_EQ(20, form->View->VerticalBar()->Increment());
  EXPECT_EQ(svAuto, form->View->ScrollBars()->Visibility());
  EXPECT_EQ(rbsMac, form->View->VerticalBar()->Style());
  ASSERT_NE(nullptr, form->Range);
  EXPECT_EQ(sbVertical, form->Range->Kind());
  EXPECT_EQ(bsNone, form->Range->BorderStyle());
  EXPECT_EQ(500, form->Range->Range());
  EXPECT_EQ(120.5f, form->Range->Position());
  ASSERT_NE(nullptr, form->Gauge);
  EXPECT_EQ(2, form->Gauge->Min());
  EXPECT_EQ(10, form->Gauge->Max());
  EXPECT_EQ(5, form->Gauge->Position());
  EXPECT_EQ(clRed, form->Gauge->HandleColor());
}

}  // namespace
