#include "classlib/stdctrls/ItemStrings.h"

#include "classlib/runtime/Exceptions.h"

const TItemMessages kListBoxMessages{LB_ADDSTRING, LB_INSERTSTRING, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCOUNT,
                                     LB_FINDSTRINGEXACT};
const TItemMessages kComboBoxMessages{CB_ADDSTRING, CB_INSERTSTRING, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCOUNT,
                                      CB_FINDSTRINGEXACT};

LRESULT TItemStrings::Send(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) const {
  return SendMessageA(window, msg, wParam, lParam);
}

void TItemStrings::CheckIndex(HWND window, int index) const {
  if (index < 0 || index >= static_cast<int>(Send(window, messages_.getCount, 0, 0)))
    Error("List index out of bounds (%d)", index);
}

int TItemStrings::Add(const AnsiString& s) {
  HWND window = host_->ItemWindow();
  if (window == nullptr) return host_->KeptItems()->Add(s);
  const auto index = static_cast<int>(Send(window, messages_.addString, 0, reinterpret_cast<LPARAM>(s.c_str())));
  if (index < 0) throw EOutOfResources("Unable to insert a line");
  return index;
}

void TItemStrings::Insert(int index, const AnsiString& s) {
  HWND window = host_->ItemWindow();
  if (window == nullptr) {
    host_->KeptItems()->Insert(index, s);
    return;
  }
  if (Send(window, messages_.insertString, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.c_str())) < 0)
    throw EOutOfResources("Unable to insert a line");
}

void TItemStrings::Delete(int index) {
  HWND window = host_->ItemWindow();
  if (window == nullptr) {
    host_->KeptItems()->Delete(index);
    return;
  }
  CheckIndex(window, index);
  host_->DeleteString(index);
}

void TItemStrings::Clear() {
  if (host_->ItemWindow() == nullptr) host_->KeptItems()->Clear();
  else host_->ResetContent();
}

int TItemStrings::IndexOf(const AnsiString& s) const {
  HWND window = host_->ItemWindow();
  if (window == nullptr) return host_->KeptItems()->IndexOf(s);
  const auto index = static_cast<int>(
      Send(window, messages_.findStringExact, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(s.c_str())));
  return index < 0 ? -1 : index;
}

AnsiString TItemStrings::Get(int index) const {
  HWND window = host_->ItemWindow();
  if (window == nullptr) return host_->KeptItems()->Strings(index);
  CheckIndex(window, index);
  const auto length = static_cast<int>(Send(window, messages_.getTextLength, static_cast<WPARAM>(index), 0));
  AnsiString text;
  text.SetLength(length);
  Send(window, messages_.getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.WritableBuffer()));
  return text;
}

int TItemStrings::GetCount() const {
  HWND window = host_->ItemWindow();
  if (window == nullptr) return host_->KeptItems()->Count();
  return static_cast<int>(Send(window, messages_.getCount, 0, 0));
}

TObject* TItemStrings::GetObjectAt(int index) const {
  HWND window = host_->ItemWindow();
  if (window == nullptr) return host_->KeptItems()->Objects(index);
  CheckIndex(window, index);
  return reinterpret_cast<TObject*>(host_->GetItemData(index));
}

void TItemStrings::PutObject(int index, TObject* object) {
  HWND window = host_->ItemWindow();
  if (window == nullptr) {
    host_->KeptItems()->SetObjects(index, object);
    return;
  }
  CheckIndex(window, index);
  host_->SetItemData(index, reinterpret_cast<LONG_PTR>(object));
}

void TItemStrings::SetUpdateState(bool updating) {
  HWND window = host_->ItemWindow();
  if (window == nullptr) return;
  Send(window, WM_SETREDRAW, updating ? FALSE : TRUE, 0);
  if (!updating) InvalidateRect(window, nullptr, TRUE);
}
