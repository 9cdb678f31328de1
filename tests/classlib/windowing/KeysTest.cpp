// The key pipeline: shortcuts, dialog keys, key preview and accelerators, with keys
// typed through the system's input queue.
#include <gtest/gtest.h>

#include <memory>

#include "WindowingFixtures.h"
#include "classlib/windowing/Button.h"
#include "classlib/windowing/Timer.h"

namespace {

void Key(BYTE vk, bool down) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), down ? 0 : KEYEVENTF_KEYUP, 0);
}

void Type(BYTE vk, BYTE modifier = 0) {
  if (modifier != 0) Key(modifier, true);
  Key(vk, true);
  Key(vk, false);
  if (modifier != 0) Key(modifier, false);
  ServeApplication(80);
}

// A focusable custom control that logs its key downs.
class TKeyTarget : public TColorPanel {
 public:
  explicit TKeyTarget(TComponent* owner) : TColorPanel(owner) { SetTabStop(true); }
  std::vector<std::string>* log = nullptr;
  void KeyDown(WORD& key, TShiftState shift) override {
    if (log != nullptr) log->push_back("control:" + std::to_string(key));
    TColorPanel::KeyDown(key, shift);
  }
};

class TLoggingForm : public TForm {
 public:
  explicit TLoggingForm(TComponent* owner) : TForm(owner, CreateNew) {}
  std::vector<std::string> log;
  void KeyDown(WORD& key, TShiftState shift) override {
    log.push_back("form:" + std::to_string(key));
    TForm::KeyDown(key, shift);
  }
};

class TClickLog : public TObject {
 public:
  std::vector<std::string> clicks;
  void Clicked(TObject* sender) { clicks.push_back(static_cast<TControl*>(sender)->Name().c_str()); }
};

class KeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TLoggingForm>(nullptr);
    form->SetBounds(80, 80, 360, 200);
    for (const char* name : {"First", "Second", "Third"}) {
      auto* target = new TKeyTarget(form.get());
      target->SetName(name);
      target->SetBounds(10 + 60 * static_cast<int>(targets.size()), 10, 50, 30);
      target->SetParent(form.get());
      target->log = &form->log;
      targets.push_back(target);
    }
    open = AddButton("OpenButton", "&Open", 10);
    ok = AddButton("OkButton", "OK", 100);
    ok->SetDefault(true);
    cancel = AddButton("CancelButton", "Cancel", 190);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
  }
  TButton* AddButton(const char* name, const char* caption, int left) {
    auto* button = new TButton(form.get());
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(left, 120, 80, 25);
    button->SetParent(form.get());
    button->OnClick = TNotifyEvent(&clicks, &TClickLog::Clicked);
    return button;
  }
  void ShowAndFocus(TWinControl* control) {
    form->Show();
    ServeApplication(150);
    control->SetFocus();
    ServeApplication(50);
    form->log.clear();
  }

  TClickLog clicks;
  std::unique_ptr<TLoggingForm> form;
  std::vector<TKeyTarget*> targets;
  TButton* open = nullptr;
  TButton* ok = nullptr;
  TButton* cancel = nullptr;
};

TEST_F(KeysTest, TabMovesByTabOrderAndSkipsDisabledControls) {
  targets[1]->SetEnabled(false);
  targets[2]->SetTabOrder(0);  // Third, First, (Second), Open, OK, Cancel
  ShowAndFocus(targets[2]);
  Type(VK_TAB);
  EXPECT_TRUE(targets[0]->Focused());
  Type(VK_TAB);
  EXPECT_TRUE(open->Focused());
  Type(VK_TAB, VK_SHIFT);
  EXPECT_TRUE(targets[0]->Focused());
  EXPECT_EQ(form->ActiveControl(), targets[0]);
  EXPECT_TRUE(form->log.empty());  // Tab went to the form, not to the controls
}

TEST_F(KeysTest, KeyPreviewLetsTheFormSeeKeysFirst) {
  ShowAndFocus(targets[0]);
  Type('A');
  EXPECT_EQ(form->log, std::vector<std::string>{"control:65"});
  form->log.clear();
  form->SetKeyPreview(true);
  Type('A');
  EXPECT_EQ(form->log, (std::vector<std::string>{"form:65", "control:65"}));
}

TEST_F(KeysTest, EnterReachesTheDefaultButtonOnceAndAltLetterItsAccelerator) {
  ShowAndFocus(targets[0]);
  Type(VK_RETURN);
  Type('O', VK_MENU);
  EXPECT_EQ(clicks.clicks, (std::vector<std::string>{"OkButton", "OpenButton"}));
  // The control saw Alt and O, never Enter.
  EXPECT_EQ(form->log, (std::vector<std::string>{"control:18", "control:79"}));
}

TEST_F(KeysTest, FormShortcutNeverReachesTheFocusedControl) {
  struct TShortcuts : public TObject {
    int seen = 0;
    void ShortCut(MSG& msg, bool& handled) {
      if (msg.wParam == 'S' && GetKeyState(VK_CONTROL) < 0) {
        ++seen;
        handled = true;
      }
    }
  } shortcuts;
  form->OnShortCut = TShortCutEvent(&shortcuts, &TShortcuts::ShortCut);
  form->SetKeyPreview(true);
  ShowAndFocus(targets[0]);
  Type('S', VK_CONTROL);
  EXPECT_EQ(shortcuts.seen, 1);
  // Only the Ctrl key itself reached form and control.
  EXPECT_EQ(form->log, (std::vector<std::string>{"form:17", "control:17"}));
}

TEST_F(KeysTest, EscapeClicksTheCancelButtonAndEndsTheModalForm) {
  struct TTyper : public TObject {
    TWinControl* target = nullptr;
    void Tick(TObject* sender) {
      static_cast<TTimer*>(sender)->SetEnabled(false);
      target->SetFocus();
      Key(VK_ESCAPE, true);
      Key(VK_ESCAPE, false);
    }
  } typer;
  typer.target = targets[0];
  TTimer timer(nullptr);
  timer.SetInterval(200);
  timer.OnTimer = TNotifyEvent(&typer, &TTyper::Tick);
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(clicks.clicks, std::vector<std::string>{"CancelButton"});
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

}  // namespace
