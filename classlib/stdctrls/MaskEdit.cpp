#include "classlib/stdctrls/MaskEdit.h"

#include "classlib/runtime/SystemActions.h"
#include "classlib/stdctrls/Clipboard.h"

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void TCustomMaskEdit::SetEditMask(const AnsiString& value) {
  const AnsiString previous = IsMasked() ? Text() : AnsiString();
  editMask_ = value;
  mask_ = TEditMask(value);
  if (!IsMasked()) return;
  SetMaxLength(mask_.Length());
  SetEditText(mask_.EditTextOf(previous));
}

AnsiString TCustomMaskEdit::EditText() const { return TCustomEdit::GetText(); }

void TCustomMaskEdit::SetEditText(const AnsiString& value) { TCustomEdit::SetTextValue(value); }

AnsiString TCustomMaskEdit::GetText() const {
  const AnsiString text = TCustomEdit::GetText();
  return IsMasked() ? mask_.ValueText(text) : text;
}

void TCustomMaskEdit::SetTextValue(const AnsiString& text) {
  TCustomEdit::SetTextValue(IsMasked() ? mask_.EditTextOf(text) : text);
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked()) return;
  const int missing = mask_.FirstMissing(EditText());
  if (missing < 0) return;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(missing), missing);
  ValidateError();
}

void TCustomMaskEdit::ValidateError() {
  throw EDBEditError("Invalid input value.  Use escape key to abandon changes");
}

void TCustomMaskEdit::DoExit() {
  if (IsMasked() && Modified()) ValidateEdit();
  TCustomEdit::DoExit();
}

void TCustomMaskEdit::ReplaceRange(int from, int to, const AnsiString& text) {
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(from), to);
  SendMessageA(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomMaskEdit::DeleteSelection(bool forward) {
  int start = SelStart(), length = SelLength();
  if (length == 0) {
    const int place = forward ? mask_.NextPlace(start) : mask_.PreviousPlace(start);
    if (place < 0) return;
    start = place;
    length = 1;
  }
  AnsiString cleared;
  for (int i = start; i < start + length; ++i) cleared += mask_.ClearedChar(i);
  ReplaceRange(start, start + length, cleared);
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start);
}

void TCustomMaskEdit::TypeChar(char c) {
  if (SelLength() > 0) DeleteSelection(true);
  const int place = mask_.NextPlace(SelStart());
  if (place < 0 || !mask_.Accepts(place, c)) {
    SystemBeep(MB_OK);
    return;
  }
  ReplaceRange(place, place + 1, AnsiString(c));
  const int next = mask_.NextPlace(place + 1);
  const int caret = next < 0 ? place + 1 : next;
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(caret), caret);
}

void TCustomMaskEdit::Backspace() {
  if (SelLength() > 0) DeleteSelection(true);
  else DeleteSelection(false);
}

void TCustomMaskEdit::PasteText(const AnsiString& text) {
  for (int i = 1; i <= text.Length(); ++i) {
    if (text[i] >= ' ') TypeChar(text[i]);
  }
}

bool TCustomMaskEdit::HandleMaskMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_CHAR: {
      const auto c = static_cast<char>(message.WParam);
      if (static_cast<unsigned char>(c) < ' ' && c != VK_BACK) return false;
      if (!EditCanModify()) SystemBeep(MB_OK);
      else if (c == VK_BACK) Backspace();
      else TypeChar(c);
      return true;
    }
    case WM_KEYDOWN:
      if (message.WParam != VK_DELETE) return false;
      if (EditCanModify()) DeleteSelection(true);
      return true;
    case WM_CUT:
      SendMessageA(Handle(), WM_COPY, 0, 0);
      if (EditCanModify()) DeleteSelection(true);
      return true;
    case WM_CLEAR:
      if (EditCanModify()) DeleteSelection(true);
      return true;
    case WM_PASTE:
      if (EditCanModify()) PasteText(Clipboard()->AsText());
      return true;
    default:
      return false;
  }
}

void TCustomMaskEdit::DefaultHandler(TMessage& message) {
  // Keys reach here after the key events; the mask takes what would change the text.
  if (IsMasked() && HandleAllocated() && HandleMaskMessage(message)) return;
  TCustomEdit::DefaultHandler(message);
}
