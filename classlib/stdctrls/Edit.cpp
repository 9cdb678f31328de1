#include "classlib/stdctrls/Edit.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(Left(), Top(), 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "EDIT");
  params.Style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (borderStyle_ == bsSingle) {
    if (ctl3D_) params.ExStyle |= WS_EX_CLIENTEDGE;
    else params.Style |= WS_BORDER;
  }
  if (charCase_ == ecUpperCase) params.Style |= ES_UPPERCASE;
  if (charCase_ == ecLowerCase) params.Style |= ES_LOWERCASE;
  if (!hideSelection_) params.Style |= ES_NOHIDESEL;
  if (readOnly_) params.Style |= ES_READONLY;
  if (passwordChar_ != 0) params.Style |= ES_PASSWORD;
}

void TCustomEdit::CreateHandleState() {
  TWinControl::CreateHandleState();
  HWND window = Handle();
  SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  SendMessageA(window, EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_), 0);
}

void TCustomEdit::SetBorderStyle(TFormBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomEdit::SetCtl3D(bool value) {
  if (value == ctl3D_) return;
  ctl3D_ = value;
  RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (value == charCase_) return;
  charCase_ = value;
  RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool value) {
  if (value == hideSelection_) return;
  hideSelection_ = value;
  RecreateWnd();
}

void TCustomEdit::SetMaxLength(int value) {
  maxLength_ = value < 0 ? 0 : value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetPasswordChar(char value) {
  if (value == passwordChar_) return;
  passwordChar_ = value;
  RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

bool TCustomEdit::Modified() const {
  auto* self = const_cast<TCustomEdit*>(this);
  return HandleAllocated() && SendMessageA(self->Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool value) {
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETMODIFY, value ? TRUE : FALSE, 0);
}

int TCustomEdit::SelStart() {
  DWORD start = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int value) { SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(value), value); }

int TCustomEdit::SelLength() {
  DWORD start = 0, end = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int value) {
  const int start = SelStart();
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start + value);
}

AnsiString TCustomEdit::SelText() {
  const int start = SelStart(), length = SelLength();
  return Text().SubString(start + 1, length);
}

void TCustomEdit::SetSelText(const AnsiString& text) {
  SendMessageA(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }
void TCustomEdit::ClearSelection() { SendMessageA(Handle(), WM_CLEAR, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessageA(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendMessageA(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessageA(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::Undo() { SendMessageA(Handle(), EM_UNDO, 0, 0); }
bool TCustomEdit::CanUndo() { return SendMessageA(Handle(), EM_CANUNDO, 0, 0) != 0; }
void TCustomEdit::ClearUndo() { SendMessageA(Handle(), EM_EMPTYUNDOBUFFER, 0, 0); }

void TCustomEdit::Change() {
  if (!ComponentState().Contains(csLoading)) OnChange(this);
}

void TCustomEdit::DoEnter() {
  if (autoSelect_ && !(GetKeyState(VK_LBUTTON) < 0)) SelectAll();
  TWinControl::DoEnter();
}

void TCustomEdit::Dispatch(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (HIWORD(message.WParam) == EN_CHANGE) Change();
    return;
  }
  TWinControl::Dispatch(message);
}
