#include <gtest/gtest.h>

#include "EditsFixture.h"
#include "TestSkin.h"
#include "classlib/stdctrls/Clipboard.h"
#include "classlib/windowing/Button.h"

namespace edittest {
namespace {

// A pixel of the whole window (frame included), in window coordinates.
TColor WindowPixel(HWND window, int x, int y) {
  auto capture = testsupport::CaptureWindow(window);
  return capture->Canvas()->Pixels(x, y) & 0xFFFFFF;
}

using EditLookTest = EditsTest;

TEST_F(EditLookTest, ASkinnedEditKeepsTheLooksHeightAndShowsTextOverTheSkinsClientPart) {
  TspSkinEdit* edit = AddEdit(true);
  edit->SetBounds(10, 60, 200, 50);
  EXPECT_EQ(22, edit->Height());
  RECT client;
  GetClientRect(edit->Handle(), &client);
  EXPECT_EQ(190, client.right);
  EXPECT_EQ(14, client.bottom);

  testsupport::TypeText("abc");
  EXPECT_EQ("abc", edit->Text().str());
  testsupport::MoveMouse(form_.get(), 390, 290);
  RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  testsupport::ServeApplication(30);
  // Right of the text the client shows the look's client part (columns 5..95, tiled from
  // the client's left), not a white box; the focused edit shows its hot face (rows 30..52).
  const int x = 145, y = 8;
  EXPECT_EQ(skintest::PictureColour(skintest::piForm, 5 + x % 90, 30 + 4 + y),
            WindowPixel(edit->Handle(), 5 + x, 4 + y));
  // The frame's fixed right end stays at the right edge.
  EXPECT_EQ(skintest::PictureColour(skintest::piForm, 97, 30 + 2), WindowPixel(edit->Handle(), 197, 2));
}

TEST_F(EditLookTest, WithoutTheSkinsFontTheHeightFollowsTheFontAndTheFrame) {
  TspSkinEdit* edit = AddEdit(true);
  edit->SetUseSkinFont(false);
  edit->SetBounds(10, 60, 200, 40);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, edit->Font()->Handle());
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen, &metrics);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(metrics.tmHeight + 8, edit->Height());
}

TEST_F(EditLookTest, WithoutSkinTheEditShowsAShadowAndAFaceRingAndAnyHeight) {
  TspSkinEdit* edit = AddEdit(false, 150, 30);
  EXPECT_EQ(30, edit->Height());
  RECT client;
  GetClientRect(edit->Handle(), &client);
  EXPECT_EQ(146, client.right);
  EXPECT_EQ(26, client.bottom);
  EXPECT_EQ(ColorToRGB(clBtnShadow), WindowPixel(edit->Handle(), 0, 10));
  EXPECT_EQ(ColorToRGB(clBtnFace), WindowPixel(edit->Handle(), 1, 10));
  EXPECT_EQ(ColorToRGB(clBtnShadow), WindowPixel(edit->Handle(), 149, 10));
}

TEST_F(EditLookTest, ADisabledSkinnedEditDrawsItsTextInTheDisabledColour) {
  TspSkinEdit* edit = AddEdit(true);
  edit->SetText("MMMM");
  edit->SetEnabled(false);
  EXPECT_EQ(kDisabledTextColour, edit->Font()->Color());
  RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  testsupport::ServeApplication(30);
  auto capture = testsupport::CaptureWindow(edit->Handle());
  int red = 0;
  for (int y = 4; y < 18; ++y) {
    for (int x = 5; x < 40; ++x) red += (capture->Canvas()->Pixels(x, y) & 0xFFFFFF) == ColorToRGB(kDisabledTextColour);
  }
  EXPECT_GT(red, 10);
}

// Enter and Escape in a modal dialog reach its default and cancel buttons.
struct TDialogKeyCase {
  WORD key;
  TModalResult result;
};

class EditDialogKeyTest : public EditsTest, public testing::WithParamInterface<TDialogKeyCase> {};

TEST_P(EditDialogKeyTest, TheKeyGivesItsButtonsModalResult) {
  auto dialog = std::make_unique<TForm>(nullptr, CreateNew);
  dialog->SetBounds(80, 80, 300, 160);
  auto* edit = new TspSkinEdit(dialog.get());
  edit->SetParent(dialog.get());
  edit->SetBounds(10, 10, 200, 22);
  auto* ok = new TButton(dialog.get());
  ok->SetParent(dialog.get());
  ok->SetBounds(10, 60, 80, 24);
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  auto* cancel = new TButton(dialog.get());
  cancel->SetParent(dialog.get());
  cancel->SetBounds(100, 60, 80, 24);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  TEventLog log;
  edit->OnKeyPress = log.KeyEvent();
  auto watch = testsupport::OnNextModal<TForm>([&](TForm* shown) {
    if (shown != dialog.get()) return;
    edit->SetFocus();
    testsupport::PressKey(GetParam().key);
  });
  EXPECT_EQ(GetParam().result, dialog->ShowModal());
  EXPECT_EQ(std::string(1, static_cast<char>(GetParam().key)), log.keys);
  EXPECT_EQ("", edit->Text().str());
}

INSTANTIATE_TEST_SUITE_P(Keys, EditDialogKeyTest,
                         testing::Values(TDialogKeyCase{VK_RETURN, mrOk}, TDialogKeyCase{VK_ESCAPE, mrCancel}));

using EditInputTest = EditsTest;

TEST_F(EditInputTest, AReadOnlyEditRefusesEveryChangeButCopies) {
  TspSkinEdit* edit = AddEdit(true);
  edit->SetText("abcdef");
  edit->SetReadOnly(true);
  Clipboard()->SetAsText("pasted");
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  testsupport::TypeText("x");
  testsupport::PressKey(VK_BACK);
  testsupport::PressKey(VK_DELETE);
  testsupport::PressKey('X', {ssCtrl});
  testsupport::PressKey('V', {ssCtrl});
  SendMessageA(edit->Handle(), WM_CLEAR, 0, 0);
  SendMessageA(edit->Handle(), WM_UNDO, 0, 0);
  edit->DoPaste();
  edit->DoDelete();
  EXPECT_EQ("abcdef", edit->Text().str());
  EXPECT_EQ("pasted", Clipboard()->AsText().str());

  testsupport::PressKey('C', {ssCtrl});
  EXPECT_EQ("bc", Clipboard()->AsText().str());
}

TEST_F(EditInputTest, APastedTextKeepsOnlyItsFirstLine) {
  TspSkinEdit* edit = AddEdit(true);
  Clipboard()->SetAsText("a\r\nb");
  testsupport::PressKey('V', {ssCtrl});
  EXPECT_EQ("a", edit->Text().str());
  edit->SetText("");
  Clipboard()->SetAsText("first\nsecond");
  edit->DoPaste();
  EXPECT_EQ("first", edit->Text().str());
}

TEST_F(EditInputTest, TheButtonClicksOnceAndFocusesTheEdit) {
  TspSkinEdit* edit = AddEdit(false, 200, 22);
  edit->SetButtonMode(true);
  edit_->SetFocus();
  testsupport::ServeApplication(20);
  EXPECT_EQ(Rect(178, 0, 200, 22), edit->ButtonRect());
  TEventLog clicks;
  edit->OnButtonClick = clicks.Event();
  // Client coordinates: the client starts 2 pixels into the window.
  testsupport::Click(edit, 187, 8);
  EXPECT_EQ(1, clicks.count);
  EXPECT_TRUE(edit->Focused());

  edit_->SetFocus();
  testsupport::Click(edit, -1, 8);  // the frame's left ring
  EXPECT_EQ(1, clicks.count);
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_TRUE(edit->Focused());
}

}  // namespace
}  // namespace edittest
