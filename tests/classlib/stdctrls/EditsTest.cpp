// Edits, masked edits and memos under real keys: length limit, case, masks, validation,
// the clipboard and undo.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "../windowing/WindowingFixtures.h"
#include "classlib/stdctrls/Clipboard.h"
#include "classlib/stdctrls/MaskEdit.h"
#include "classlib/stdctrls/Memo.h"

namespace {

void Key(BYTE vk, bool down) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), down ? 0 : KEYEVENTF_KEYUP, 0);
}

void Press(BYTE vk, BYTE modifier = 0) {
  if (modifier != 0) Key(modifier, true);
  Key(vk, true);
  Key(vk, false);
  if (modifier != 0) Key(modifier, false);
  ServeApplication(40);
}

// Types plain text: letters, digits, blanks, ":".
void Type(const char* text) {
  for (const char* c = text; *c != '\0'; ++c) {
    const SHORT scan = VkKeyScanA(*c);
    const bool shift = (scan & 0x100) != 0;
    Press(static_cast<BYTE>(scan & 0xFF), shift ? VK_SHIFT : 0);
  }
}

struct TKeystrokeCase {
  const char* name;
  std::function<void(TMaskEdit*)> setup;
  std::function<void(TMaskEdit*)> keys;
  const char* text;
};

class EditsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(300, 200));
    edit = new TMaskEdit(form.get());
    edit->SetBounds(10, 10, 150, 21);
    edit->SetParent(form.get());
  }
  void Focus(TWinControl* control) {
    SetForegroundWindow(form->Handle());
    control->SetFocus();
    ServeApplication(60);
  }
  std::unique_ptr<TForm> form;
  TMaskEdit* edit = nullptr;
};

TEST_F(EditsTest, KeystrokesGiveTheTextThatTheEditsPropertiesAllow) {
  const TKeystrokeCase cases[] = {
      {"MaxLength", [](TMaskEdit* e) { e->SetMaxLength(3); }, [](TMaskEdit*) { Type("abcde"); }, "abc"},
      {"CharCase", [](TMaskEdit* e) { e->SetCharCase(ecUpperCase); }, [](TMaskEdit*) { Type("abc"); }, "ABC"},
      {"CharCase lower", [](TMaskEdit* e) { e->SetCharCase(ecLowerCase); }, [](TMaskEdit*) { Type("ABc"); }, "abc"},
      {"time mask refuses letters", [](TMaskEdit* e) { e->SetEditMask("!90:00;1; "); },
       [](TMaskEdit*) { Type("x12a3b0"); }, "12:30"},
      {"time mask backspace", [](TMaskEdit* e) { e->SetEditMask("!90:00;1; "); },
       [](TMaskEdit*) {
         Type("1230");
         Press(VK_BACK);
         Press(VK_BACK);
         Type("45");
       },
       "12:45"},
      {"read-only mask", [](TMaskEdit* e) {
         e->SetEditMask("!90:00;1; ");
         e->SetReadOnly(true);
       },
       [](TMaskEdit*) { Type("12"); }, "  :  "},
      {"cut and paste",
       [](TMaskEdit* e) { e->SetText("hello"); },
       [](TMaskEdit* e) {
         e->SelectAll();
         Press('X', VK_CONTROL);
         Press('V', VK_CONTROL);
         Press('V', VK_CONTROL);
       },
       "hellohello"},
      {"paste into a mask takes the fitting characters",
       [](TMaskEdit* e) {
         e->SetEditMask("!90:00;1; ");
         Clipboard()->SetAsText("09x15");
       },
       [](TMaskEdit*) { Press('V', VK_CONTROL); }, "09:15"},
      {"undo", [](TMaskEdit* e) { e->SetText("keep"); },
       [](TMaskEdit* e) {
         e->SetSelStart(4);
         e->ClearUndo();
         Type("more");
         Press('Z', VK_CONTROL);
       },
       "keep"},
  };
  for (const TKeystrokeCase& c : cases) {
    auto* box = new TMaskEdit(form.get());
    box->SetBounds(10, 40, 150, 21);
    box->SetParent(form.get());
    c.setup(box);
    Focus(box);
    if (!box->IsMasked()) box->SetSelStart(box->Text().Length());
    c.keys(box);
    EXPECT_EQ(AnsiString(c.text), box->Text()) << c.name;
    delete box;
  }
}

TEST_F(EditsTest, ValidateEditRaisesOnAnIncompleteTimeAndPutsTheCaretThere) {
  edit->SetEditMask("!90:00;1; ");
  Focus(edit);
  Type("12");
  EXPECT_EQ(AnsiString("12:  "), edit->EditText());
  EXPECT_THROW(edit->ValidateEdit(), EDBEditError);
  EXPECT_EQ(3, edit->SelStart());
  Type("3");
  EXPECT_THROW(edit->ValidateEdit(), EDBEditError);
  Type("0");
  EXPECT_NO_THROW(edit->ValidateEdit());
  EXPECT_EQ(AnsiString("12:30"), edit->Text());
}

TEST_F(EditsTest, AMaskWithoutSavedLiteralsKeepsThemOutOfTheText) {
  edit->SetEditMask(">LL-000;0;_");
  Focus(edit);
  Type("ab123");
  EXPECT_EQ(AnsiString("AB-123"), edit->EditText());
  EXPECT_EQ(AnsiString("AB123"), edit->Text());
  edit->SetText("xy9");
  EXPECT_EQ(AnsiString("XY-9__"), edit->EditText());
}

TEST_F(EditsTest, OnChangeFollowsEveryChangeOfTheText) {
  struct TCounter : TObject {
    int changes = 0;
    void Changed(TObject*) { ++changes; }
  } counter;
  edit->OnChange = TNotifyEvent(&counter, &TCounter::Changed);
  Focus(edit);
  Type("ab");
  edit->SetText("xyz");
  EXPECT_EQ(3, counter.changes);
}

TEST_F(EditsTest, MemoLinesSplitTypedReturnsAtCrLf) {
  auto* memo = new TMemo(form.get());
  memo->SetBounds(10, 70, 200, 100);
  memo->SetParent(form.get());
  Focus(memo);
  Type("one");
  Press(VK_RETURN);
  Type("two");
  ASSERT_EQ(2, memo->Lines()->Count());
  EXPECT_EQ(AnsiString("one"), memo->Lines()->Strings(0));
  EXPECT_EQ(AnsiString("two"), memo->Lines()->Strings(1));
  EXPECT_EQ(AnsiString("one\r\ntwo"), memo->Text());
  // Tab leaves a memo that does not want it.
  Press(VK_TAB);
  EXPECT_FALSE(memo->Focused());
}

}  // namespace
