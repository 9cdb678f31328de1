// Forms: creation events, modal loops, closing, client size.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>

#include "WindowingFixtures.h"
#include "classlib/runtime/Threads.h"
#include "classlib/windowing/Timer.h"

namespace {

constexpr UINT kSwallowed = WM_USER + 33;

// Sets a value in its constructor that its OnCreate handler reads; counts destroys.
class TCreatingForm : public TForm {
 public:
  explicit TCreatingForm(TComponent* owner, int* destroyed = nullptr) : TForm(owner, CreateNew), destroyed_(destroyed) {
    OnCreate = TNotifyEvent(this, &TCreatingForm::FormCreate);
    OnDestroy = TNotifyEvent(this, &TCreatingForm::FormDestroy);
    value = 42;
  }
  int value = 0;
  int seen = -1;
  int creates = 0;

 private:
  void FormCreate(TObject*) {
    seen = value;
    ++creates;
  }
  void FormDestroy(TObject*) {
    if (destroyed_ != nullptr) ++*destroyed_;
  }
  int* destroyed_;
};

// Runs a step on each tick of a timer while a modal form is up.
class TModalScript : public TObject {
 public:
  TModalScript(TCustomForm* form, std::function<void(TCustomForm*, int)> step) : form_(form), step_(std::move(step)) {
    timer_.SetInterval(60);
    timer_.OnTimer = TNotifyEvent(this, &TModalScript::Tick);
  }
  int ticks = 0;

 private:
  void Tick(TObject*) { step_(form_, ticks++); }
  TCustomForm* form_;
  std::function<void(TCustomForm*, int)> step_;
  TTimer timer_{nullptr};
};

TEST(FormsTest, OnCreateSeesWhatTheDerivedConstructorSetAndRunsOnce) {
  int destroyed = 0;
  TCreatingForm* made = NewForm<TCreatingForm>(nullptr, &destroyed);
  EXPECT_EQ(made->seen, 42);
  made->Show();
  EXPECT_EQ(made->creates, 1);
  made->Release();
  Application->ProcessMessages();
  EXPECT_EQ(destroyed, 1);

  // Made with plain new: OnCreate comes when it is first shown.
  auto plain = std::make_unique<TCreatingForm>(nullptr, &destroyed);
  EXPECT_EQ(plain->seen, -1);
  plain->Show();
  EXPECT_EQ(plain->seen, 42);
}

TEST(FormsTest, ShowModalReturnsTheResultATimerHandlerSets) {
  auto form = std::make_unique<TForm>(nullptr, CreateNew);
  TModalScript script(form.get(), [](TCustomForm* f, int) { f->SetModalResult(mrOk); });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

TEST(FormsTest, CloseQueryRefusalKeepsTheFormAndTheCloseBoxAnswersCancel) {
  struct TGate : public TObject {
    int asked = 0;
    void Query(TObject*, bool& canClose) { canClose = ++asked > 1; }
  } gate;
  auto form = std::make_unique<TForm>(nullptr, CreateNew);
  form->OnCloseQuery = TCloseQueryEvent(&gate, &TGate::Query);
  bool stillUpAfterRefusal = false;
  TModalScript script(form.get(), [&](TCustomForm* f, int tick) {
    if (tick == 1) stillUpAfterRefusal = IsWindowVisible(f->Handle()) && f->ModalResult() == mrNone;
    if (tick < 2) PostMessageA(f->Handle(), WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(gate.asked, 2);
  EXPECT_TRUE(stillUpAfterRefusal);
}

TEST(FormsTest, InsideShowModalOnMessageSwallowsAndSynchronizeIsServed) {
  struct TFilter : public TObject {
    int swallowed = 0;
    void Message(MSG& msg, bool& handled) {
      if (msg.message != kSwallowed) return;
      ++swallowed;
      handled = true;
    }
  } filter;
  class TCountingForm : public TForm {
   public:
    using TForm::TForm;
    int received = 0;
    void Dispatch(TMessage& m) override {
      if (m.Msg == kSwallowed) ++received;
      TForm::Dispatch(m);
    }
  };
  auto form = std::make_unique<TCountingForm>(nullptr, CreateNew);
  Application->OnMessage = TMessageEvent(&filter, &TFilter::Message);
  std::atomic<bool> synchronized{false};
  class TCaller : public TThread {
   public:
    explicit TCaller(std::function<void()> call) : call_(std::move(call)) {}
    ~TCaller() override { WaitFor(); }

   protected:
    void Execute() override { Synchronize(call_); }

   private:
    std::function<void()> call_;
  } caller([&] {
    synchronized = true;
    form->SetModalResult(mrYes);
  });
  TModalScript script(form.get(), [&](TCustomForm* f, int tick) {
    if (tick != 0) return;
    PostMessageA(f->Handle(), kSwallowed, 0, 0);
    caller.Start();
  });
  EXPECT_EQ(form->ShowModal(), mrYes);
  Application->OnMessage = nullptr;
  EXPECT_TRUE(synchronized);
  EXPECT_EQ(filter.swallowed, 1);
  EXPECT_EQ(form->received, 0);
}

TEST(FormsTest, ClientSizeIsExactForEveryBorderStyle) {
  for (TFormBorderStyle style : {bsSizeable, bsSingle, bsDialog, bsToolWindow, bsNone}) {
    SCOPED_TRACE(style);
    auto form = std::make_unique<TForm>(nullptr, CreateNew);
    form->SetBorderStyle(style);
    form->SetClientSize(321, 123);
    form->Show();
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 321);
    EXPECT_EQ(client.bottom, 123);
    EXPECT_EQ(form->ClientWidth(), 321);
  }
}

TEST(FormsTest, FormsAreOwnedByTheApplicationWindowOrAreChildWindows) {
  auto outer = std::make_unique<TForm>(nullptr, CreateNew);
  outer->Show();
  EXPECT_EQ(GetWindow(outer->Handle(), GW_OWNER), Application->Handle());
  auto* inner = new TForm(outer.get(), CreateNew);
  inner->SetParent(outer.get());
  inner->SetBounds(10, 10, 100, 80);
  inner->Show();
  EXPECT_EQ(GetParent(inner->Handle()), outer->Handle());
  EXPECT_NE(GetWindowLongA(inner->Handle(), GWL_STYLE) & WS_CHILD, 0);
  EXPECT_TRUE(IsWindowVisible(inner->Handle()));
}

TEST(FormsTest, MinimisingTheApplicationTakesItsShownFormsAlongAndRestoringBringsThemBack) {
  auto shown = std::make_unique<TForm>(nullptr, CreateNew);
  shown->Show();
  auto hidden = std::make_unique<TForm>(nullptr, CreateNew);
  hidden->HandleNeeded();
  Application->Minimize();
  EXPECT_TRUE(Application->Minimized());
  EXPECT_FALSE(IsWindowVisible(shown->Handle()));
  Application->Minimize();  // already minimised: nothing changes
  Application->Restore();
  EXPECT_FALSE(Application->Minimized());
  EXPECT_TRUE(IsWindowVisible(shown->Handle()));
  EXPECT_FALSE(IsWindowVisible(hidden->Handle()));  // it was not shown before
  EXPECT_FALSE(IsWindowVisible(Application->Handle()));
}

TEST(FormsTest, PositionCentresOnTheScreen) {
  auto form = std::make_unique<TForm>(nullptr, CreateNew);
  form->SetBounds(0, 0, 200, 100);
  form->SetPosition(poScreenCenter);
  form->Show();
  EXPECT_EQ(form->Left(), (GetSystemMetrics(SM_CXSCREEN) - 200) / 2);
  EXPECT_EQ(form->Top(), (GetSystemMetrics(SM_CYSCREEN) - 100) / 2);
}

TEST(FormsTest, TitleAndIconOfTheApplicationReachItsWindowAndTheForms) {
  auto before = std::make_unique<TForm>(nullptr, CreateNew);
  before->HandleNeeded();
  Application->SetTitle("Converter");
  Application->Icon()->SetHandle(CopyIcon(LoadIconA(nullptr, IDI_INFORMATION)));
  auto after = std::make_unique<TForm>(nullptr, CreateNew);
  after->HandleNeeded();
  const auto icon = reinterpret_cast<HICON>(Application->Icon()->Handle());
  EXPECT_EQ(WindowText(Application->Handle()), "Converter");
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Application->Handle(), WM_GETICON, ICON_BIG, 0)), icon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(before->Handle(), WM_GETICON, ICON_BIG, 0)), icon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(after->Handle(), WM_GETICON, ICON_BIG, 0)), icon);
}

}  // namespace

namespace {

// Logs the control named in each CM_FOCUSCHANGED it receives.
template <class Base>
class TFocusWatcher : public Base {
 public:
  explicit TFocusWatcher(TComponent* owner) : Base(owner) {}
  std::vector<TControl*> named;
  void Dispatch(TMessage& message) override {
    if (message.Msg == CM_FOCUSCHANGED) named.push_back(reinterpret_cast<TControl*>(message.LParam));
    Base::Dispatch(message);
  }
};

}  // namespace

TEST(FormsTest, EachFocusMoveTellsEveryControlOnceWhichControlTookIt) {
  std::unique_ptr<TForm> form(ShowTestForm(300, 120));
  std::vector<TWinControl*> focusable;
  std::vector<std::vector<TControl*>*> logs;
  for (int i = 0; i < 3; ++i) {
    auto* panel = new TFocusWatcher<TColorPanel>(form.get());
    panel->SetBounds(10 + 90 * i, 10, 80, 80);
    panel->SetParent(form.get());
    panel->SetTabStop(true);
    focusable.push_back(panel);
    logs.push_back(&panel->named);
  }
  auto* nested = new TFocusWatcher<TColorPanel>(form.get());
  nested->SetBounds(5, 5, 30, 30);
  nested->SetParent(focusable[0]);
  logs.push_back(&nested->named);
  auto* windowLess = new TFocusWatcher<TColorShape>(form.get());
  windowLess->SetBounds(40, 40, 20, 20);
  windowLess->SetParent(focusable[1]);
  logs.push_back(&windowLess->named);
  ServeApplication(50);
  focusable[0]->SetFocus();
  ServeApplication(20);
  for (std::vector<TControl*>* log : logs) log->clear();

  std::vector<TControl*> moves;
  for (int target : {1, 2, 0, 2}) {
    focusable[static_cast<size_t>(target)]->SetFocus();
    ServeApplication(20);
    moves.push_back(focusable[static_cast<size_t>(target)]);
    for (const std::vector<TControl*>* log : logs) EXPECT_EQ(moves, *log);
  }
}
