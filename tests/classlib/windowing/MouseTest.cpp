// The pointer: enter and leave of the deepest control, capture and clicks.
#include <gtest/gtest.h>

#include <memory>

#include "WindowingFixtures.h"
#include "classlib/windowing/HintWindow.h"

namespace {

void MoveTo(const TPoint& p) {
  SetCursorPos(p.X, p.Y);
  ServeApplication(60);
}

void Button(DWORD flags) {
  mouse_event(flags, 0, 0, 0, 0);
  ServeApplication(60);
}

class TClickCounter : public TObject {
 public:
  int count = 0;
  void Clicked(TObject*) { ++count; }
};

class MouseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(300, 200));
    a = new TColorPanel(form.get());
    a->SetBounds(20, 20, 200, 150);
    a->SetColor(clWhite);
    a->SetParent(form.get());
    b = new TColorShape(form.get());
    b->SetBounds(50, 50, 60, 40);
    b->SetColor(clRed);
    b->SetParent(a);
    MoveTo(Point(2, 2));
  }
  TPoint OnForm(int x, int y) const { return form->ClientToScreen(Point(x, y)); }

  std::unique_ptr<TForm> form;
  TColorPanel* a = nullptr;
  TColorShape* b = nullptr;
};

TEST_F(MouseTest, EnterAndLeaveGoToTheDeepestControlUnderThePointer) {
  std::vector<std::string> log;
  {
    TMessageSpy spyA(a, "A", {CM_MOUSEENTER, CM_MOUSELEAVE}, &log);
    TMessageSpy spyB(b, "B", {CM_MOUSEENTER, CM_MOUSELEAVE}, &log);
    MoveTo(OnForm(30, 30));  // over A
    MoveTo(OnForm(90, 90));  // over B inside A
    MoveTo(OnForm(30, 30));  // back on A
    MoveTo(OnForm(5, 5));    // out onto the form
  }
  const std::string enter = std::to_string(CM_MOUSEENTER), leave = std::to_string(CM_MOUSELEAVE);
  const std::vector<std::string> expected{"A:" + enter, "A:" + leave, "B:" + enter,
                                          "B:" + leave, "A:" + enter, "A:" + leave};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(Application->MouseControl(), form.get());
}

TEST_F(MouseTest, ClickNeedsThePressAndTheReleaseInside) {
  TClickCounter clicks;
  b->OnClick = TNotifyEvent(&clicks, &TClickCounter::Clicked);
  MoveTo(OnForm(90, 90));
  Button(MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(GetCaptureControl(), b);
  MoveTo(OnForm(250, 190));
  Button(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(clicks.count, 0);
  EXPECT_EQ(GetCaptureControl(), nullptr);

  MoveTo(OnForm(90, 90));
  Button(MOUSEEVENTF_LEFTDOWN);
  Button(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(clicks.count, 1);
}

TEST_F(MouseTest, WindowlessControlGetsPointerMessagesInItsOwnCoordinates) {
  struct TRecorder : public TObject {
    std::vector<TPoint> downs;
    void Down(TObject*, TMouseButton, TShiftState, int x, int y) { downs.push_back(Point(x, y)); }
  } recorder;
  b->OnMouseDown = TMouseEvent(&recorder, &TRecorder::Down);
  MoveTo(OnForm(75, 80));
  Button(MOUSEEVENTF_LEFTDOWN);
  Button(MOUSEEVENTF_LEFTUP);
  ASSERT_EQ(recorder.downs.size(), 1u);
  EXPECT_EQ(recorder.downs[0], Point(5, 10));
}

TEST_F(MouseTest, ShortHintShowsAndLongHintIsTheApplicationHint) {
  struct THintLog : public TObject {
    int hints = 0;
    void Hinted(TObject*) { ++hints; }
  } hintLog;
  Application->OnHint = TNotifyEvent(&hintLog, &THintLog::Hinted);
  Application->HintPause = 0;
  b->SetHint("Short|Long");
  b->SetShowHint(true);
  MoveTo(OnForm(90, 90));
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_TRUE(Application->HintWindow()->Active());
  EXPECT_EQ(WindowText(Application->HintWindow()->Handle()), "Short");
  EXPECT_EQ(Application->Hint(), AnsiString("Long"));
  EXPECT_GE(hintLog.hints, 1);
  MoveTo(OnForm(5, 5));
  EXPECT_FALSE(Application->HintWindow()->Active());
  EXPECT_EQ(Application->Hint(), AnsiString(""));
  Application->OnHint = nullptr;
}

// A hint window of the program's own class, as a skinned hint would install.
TEST_F(MouseTest, NextHintWaitsTheShortPauseOnlyWhileAHintIsShowing) {
  Application->HintPause = 0;
  a->SetHint("Panel");
  a->SetShowHint(true);
  b->SetHint("Shape");
  b->SetShowHint(true);
  MoveTo(OnForm(30, 30));
  ASSERT_NE(Application->HintWindow(), nullptr);
  ASSERT_TRUE(Application->HintWindow()->Active());
  Application->HintPause = 60000;
  Application->HintShortPause = 0;
  MoveTo(OnForm(90, 90));  // a hint is showing: the short pause applies
  EXPECT_TRUE(Application->HintWindow()->Active());
  EXPECT_EQ(WindowText(Application->HintWindow()->Handle()), "Shape");
  MoveTo(OnForm(5, 5));  // the form has no hint: none shows
  EXPECT_FALSE(Application->HintWindow()->Active());
  MoveTo(OnForm(90, 90));  // nothing showing: the long pause applies
  EXPECT_FALSE(Application->HintWindow()->Active());
  Application->HintPause = 500;
  Application->HintShortPause = 50;
  Application->CancelHint();
}

class TOwnHintWindow : public THintWindow {
  CLASSLIB_CLASS(TOwnHintWindow, THintWindow)
 public:
  explicit TOwnHintWindow(TComponent* owner) : THintWindow(owner) {}
};

TEST_F(MouseTest, OnShowHintMayChangeTheTextShownInTheInstalledHintWindowClass) {
  struct TChanger : public TObject {
    TControl* control = nullptr;
    void ShowHint(AnsiString& text, bool& canShow, THintInfo& info) {
      canShow = info.HintControl == control;
      text = text + "!";
    }
  } changer;
  changer.control = b;
  Application->SetHintWindowClass(TOwnHintWindow::StaticClass());
  Application->OnShowHint = TShowHintEvent(&changer, &TChanger::ShowHint);
  Application->HintPause = 0;
  a->SetHint("Panel");
  a->SetShowHint(true);
  b->SetHint("Shape|Long");
  b->SetShowHint(true);
  MoveTo(OnForm(30, 30));
  EXPECT_TRUE(Application->HintWindow() == nullptr || !Application->HintWindow()->Active());
  MoveTo(OnForm(90, 90));
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_EQ(Application->HintWindow()->ClassName(), AnsiString("TOwnHintWindow"));
  EXPECT_EQ(WindowText(Application->HintWindow()->Handle()), "Shape!");
  Application->OnShowHint = nullptr;
  Application->SetHintWindowClass(THintWindow::StaticClass());
}

}  // namespace
