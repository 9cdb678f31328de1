// The push button on a form: Enter and Escape, ModalResult, accelerators, the default
// button's hot face, actions, and tab stops of resource-built and code-built buttons.
#include "ButtonFixture.h"
#include "classlib/stdctrls/Edit.h"
#include "classlib/windowing/Action.h"
#include "window_support.h"

using namespace skinbuttons;
using testsupport::PressKey;
using testsupport::ServeApplication;

namespace {

class ButtonOnFormTest : public ButtonTest {
 protected:
  void SetUp() override {
    ButtonTest::SetUp();
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 100, 100, 22);
    ok = Place(10, 10);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel = Place(80, 10);
    cancel->SetCaption("Cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    other = Place(150, 10);
    other->SetCaption("&Go");
    for (TspSkinButton* button : {ok, cancel, other}) button->SetCanFocused(true);
  }

  TEdit* edit = nullptr;
  TTestButton* ok = nullptr;
  TTestButton* cancel = nullptr;
  TTestButton* other = nullptr;
};

const TColor kHotFill = static_cast<TColor>(0xD2BDB6);

}  // namespace

TEST_F(ButtonOnFormTest, EnterClicksTheDefaultOnlyWhileItIsTheActiveDefault) {
  edit->SetFocus();
  PressKey(VK_RETURN);
  EXPECT_EQ(1, ok->clicks);
  EXPECT_EQ(mrOk, form->ModalResult());

  other->SetFocus();
  PressKey(VK_RETURN);
  EXPECT_EQ(1, ok->clicks);
  EXPECT_EQ(1, other->clicks);

  edit->SetFocus();
  ok->SetEnabled(false);
  PressKey(VK_RETURN);
  EXPECT_EQ(1, ok->clicks);
}

TEST_F(ButtonOnFormTest, EscapeClicksTheCancelButton) {
  edit->SetFocus();
  PressKey(VK_ESCAPE);
  EXPECT_EQ(1, cancel->clicks);
  EXPECT_EQ(0, ok->clicks);
  EXPECT_EQ(mrCancel, form->ModalResult());
}

TEST_F(ButtonOnFormTest, TheAcceleratorFocusesAndClicks) {
  edit->SetFocus();
  PressKey('G', {ssAlt});
  EXPECT_EQ(1, other->clicks);
  EXPECT_TRUE(other->Focused());
}

TEST_F(ButtonOnFormTest, TheDefaultIsHotWhileTheFocusIsInAnotherKindOfControl) {
  edit->SetFocus();
  EXPECT_TRUE(ok->MouseIn());
  EXPECT_EQ(kHotFill, FacePixel(ok, 2, 2));
  other->SetFocus();
  EXPECT_FALSE(ok->MouseIn());
  EXPECT_EQ(ColorToRGB(clBtnFace), FacePixel(ok, 2, 2));

  // Making another button the default moves the hot face to it at once.
  edit->SetFocus();
  other->SetDefault(true);
  ok->SetDefault(false);
  EXPECT_TRUE(other->MouseIn());
  PressKey(VK_RETURN);
  EXPECT_EQ(1, other->clicks);
  EXPECT_EQ(0, ok->clicks);
}

TEST_F(ButtonOnFormTest, ModalResultEndsShowModal) {
  std::unique_ptr<TForm> dialog(new TForm(nullptr, CreateNew));
  auto* button = new TspSkinButton(dialog.get());
  button->SetParent(dialog.get());
  button->SetCanFocused(true);
  button->SetDefault(true);
  button->SetModalResult(mrYes);
  auto watch = testsupport::OnNextModal<TForm>([&](TForm* shown) {
    if (shown != dialog.get()) return;
    testsupport::Click(button, 20, 10);
  });
  EXPECT_EQ(mrYes, dialog->ShowModal());
}

TEST_F(ButtonOnFormTest, ALinkedActionRunsOncePerClick) {
  TAction action(form);
  TCallCounter runs;
  action.OnExecute = runs.Event();
  auto* button = new TspSkinButton(form);
  button->SetParent(form);
  button->SetBounds(10, 150, 60, 24);
  button->SetAction(&action);
  testsupport::Click(button, 20, 10);
  EXPECT_EQ(1, runs.count);

  // An own OnClick that is not the action's replaces it.
  TCallCounter own;
  button->OnClick = own.Event();
  testsupport::Click(button, 20, 10);
  EXPECT_EQ(1, runs.count);
  EXPECT_EQ(1, own.count);
}

TEST_F(ButtonOnFormTest, ACodeBuiltButtonIsNoTabStopUntilCanFocusedIsSet) {
  TspSkinButton fresh(nullptr);
  EXPECT_TRUE(fresh.CanFocused());
  EXPECT_FALSE(fresh.TabStop());
  fresh.SetCanFocused(true);
  EXPECT_TRUE(fresh.TabStop());
}
