// The message chain: handlers by number, WindowProc hooks, reflection, exceptions.
#include <gtest/gtest.h>

#include <memory>

#include "WindowingFixtures.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/windowing/Button.h"
#include "classlib/windowing/Screen.h"
#include "classlib/windowing/WindowBinding.h"

namespace {

constexpr UINT kThrow = WM_USER + 10;
constexpr UINT kAbort = WM_USER + 11;
constexpr UINT kNote = WM_USER + 12;

// Answers CM_CANCELMODE with 100 + its lParam, throws on kThrow, aborts on kAbort and
// counts kNote.
class TProbe : public TCustomControl {
  CLASSLIB_CLASS(TProbe, TCustomControl)
 public:
  explicit TProbe(TComponent* owner) : TCustomControl(owner) {}
  int notes = 0;
  std::vector<UINT> handled;
  void Dispatch(TMessage& message) override {
    switch (message.Msg) {
      case CM_CANCELMODE:
        handled.push_back(message.Msg);
        message.Result = 100 + message.LParam;
        return;
      case kThrow:
        throw Exception("thrown in a handler");
      case kAbort:
        Abort();
      case kNote:
        ++notes;
        return;
      default:
        TCustomControl::Dispatch(message);
    }
  }
};

class MessagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr, CreateNew);
    form->SetBounds(0, 0, 200, 150);
    probe = new TProbe(form.get());
    probe->SetBounds(5, 5, 50, 50);
    probe->SetParent(form.get());
    form->HandleNeeded();
    Application->OnException = TExceptionEvent(this, &MessagesTest::Caught);
  }
  void TearDown() override { Application->OnException = nullptr; }
  void Caught(TObject*, const std::exception_ptr& error) { caught.push_back(ExceptionMessage(error).c_str()); }

  std::unique_ptr<TForm> form;
  TProbe* probe = nullptr;
  std::vector<std::string> caught;
};

TEST_F(MessagesTest, ControlMessageHandlerAnswersPerformAndSendMessageAlike) {
  EXPECT_EQ(probe->Perform(CM_CANCELMODE, 0, 7), 107);
  EXPECT_EQ(SendMessageA(probe->Handle(), CM_CANCELMODE, 0, 8), 108);
  EXPECT_EQ(probe->handled.size(), 2u);
  EXPECT_EQ(CM_CANCELMODE, 45060u);
}

TEST_F(MessagesTest, ReplacedWindowProcSeesEveryMessageFirstAndRestoringRestores) {
  std::vector<std::string> log;
  {
    TMessageSpy spy(probe, "spy", {CM_CANCELMODE, WM_SIZE, kNote}, &log);
    probe->Perform(CM_CANCELMODE);
    probe->SetBounds(5, 5, 60, 60);  // WM_SIZE from the system
    SendMessageA(probe->Handle(), kNote, 0, 0);
    EXPECT_EQ(probe->notes, 1);
  }
  const std::vector<std::string> expected{"spy:" + std::to_string(CM_CANCELMODE), "spy:" + std::to_string(WM_SIZE),
                                          "spy:" + std::to_string(kNote)};
  EXPECT_EQ(log, expected);
  probe->Perform(CM_CANCELMODE);
  SendMessageA(probe->Handle(), kNote, 0, 0);
  EXPECT_EQ(log.size(), 3u);
  EXPECT_EQ(probe->notes, 2);
  EXPECT_EQ(probe->handled.size(), 2u);
}

TEST_F(MessagesTest, ButtonWrapperGetsReflectedCommandOnClick) {
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->SetCaption("&Open");
  std::vector<std::string> log;
  TMessageSpy spy(button, "button", {CN_COMMAND}, &log);
  class TClickCounter : public TObject {
   public:
    int count = 0;
    void Clicked(TObject*) { ++count; }
  } clickCounter;
  button->OnClick = TNotifyEvent(&clickCounter, &TClickCounter::Clicked);
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(log, std::vector<std::string>{"button:48401"});
  EXPECT_EQ(clickCounter.count, 1);
  EXPECT_EQ(WindowClassName(button->Handle()), "TButton");
  EXPECT_EQ(WindowText(button->Handle()), "&Open");
}

TEST_F(MessagesTest, ExceptionInAHandlerReachesHandleExceptionAndTheLoopGoesOn) {
  PostMessageA(probe->Handle(), kThrow, 0, 0);
  PostMessageA(probe->Handle(), kAbort, 0, 0);
  PostMessageA(probe->Handle(), kNote, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(caught, std::vector<std::string>{"thrown in a handler"});  // EAbort stays silent
  EXPECT_EQ(probe->notes, 1);
}

TEST_F(MessagesTest, ForeignWindowCanBeTiedToAMethod) {
  HWND edit = CreateWindowExA(0, "EDIT", "foreign", WS_CHILD, 0, 0, 50, 20, form->Handle(), nullptr, nullptr, nullptr);
  struct THook : public TObject {
    WNDPROC previous = nullptr;
    HWND window = nullptr;
    int seen = 0;
    void Proc(TMessage& m) {
      if (m.Msg == kNote) ++seen;
      m.Result = CallWindowProcA(previous, window, m.Msg, m.WParam, m.LParam);
    }
  } hook;
  TWndMethod method(&hook, &THook::Proc);
  hook.window = edit;
  hook.previous = BindWindow(edit, &method);
  SendMessageA(edit, kNote, 0, 0);
  EXPECT_EQ(WindowText(edit), "foreign");  // the old procedure still answers
  UnbindWindow(edit, hook.previous);
  SendMessageA(edit, kNote, 0, 0);
  EXPECT_EQ(hook.seen, 1);
  DestroyWindow(edit);
}

TEST_F(MessagesTest, ControlReleasedInItsOwnHandlerIsFreedAfterwards) {
  class TSelfReleasing : public TColorPanel {
   public:
    using TColorPanel::TColorPanel;
    bool* freed = nullptr;
    ~TSelfReleasing() override { *freed = true; }
    void Click() override {
      Release();
      TColorPanel::Click();
    }
  };
  bool freed = false;
  auto* doomed = new TSelfReleasing(form.get());
  doomed->freed = &freed;
  doomed->SetParent(form.get());
  doomed->Click();
  EXPECT_FALSE(freed);
  Application->ProcessMessages();
  EXPECT_TRUE(freed);
  EXPECT_EQ(form->ControlCount(), 1);
}

TEST_F(MessagesTest, MainWindowHooksSeeTheApplicationWindowsMessagesFirst) {
  struct THook : public TObject {
    int seen = 0;
    void Hook(TMessage& m, bool& handled) {
      if (m.Msg != kNote) return;
      ++seen;
      m.Result = 55;
      handled = true;
    }
  } hook;
  const TWindowHook closure(&hook, &THook::Hook);
  Application->HookMainWindow(closure);
  EXPECT_EQ(SendMessageA(Application->Handle(), kNote, 0, 0), 55);
  Application->UnhookMainWindow(closure);
  EXPECT_EQ(SendMessageA(Application->Handle(), kNote, 0, 0), 0);
  EXPECT_EQ(hook.seen, 1);
  EXPECT_EQ(WindowClassName(Application->Handle()), "TApplication");
}

TEST_F(MessagesTest, ScreenKnowsTheFormsAndShowsItsCursor) {
  const int before = Screen->FormCount();
  {
    TForm other(nullptr, CreateNew);
    EXPECT_EQ(Screen->FormCount(), before + 1);
    EXPECT_EQ(Screen->Forms(before), &other);
  }
  EXPECT_EQ(Screen->FormCount(), before);
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
  EXPECT_EQ(Screen->Cursor(), crHourGlass);
  Screen->SetCursor(crDefault);
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST(HintTexts, SplitAtTheFirstBar) {
  struct Case {
    const char* hint;
    const char* shortPart;
    const char* longPart;
  };
  for (const Case& c : {Case{"Short|Long", "Short", "Long"}, Case{"Only", "Only", "Only"},
                        Case{"|Long", "", "Long"}, Case{"a|b|c", "a", "b|c"}}) {
    SCOPED_TRACE(c.hint);
    EXPECT_EQ(GetShortHint(c.hint), AnsiString(c.shortPart));
    EXPECT_EQ(GetLongHint(c.hint), AnsiString(c.longPart));
  }
}

}  // namespace
