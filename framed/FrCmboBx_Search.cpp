// The framed combo box's keyboard search: type-ahead in a drop-down list and completion
// from the items in the editable styles, with the read-only and edit restrictions.
#include <algorithm>

#include "classlib/runtime/SystemActions.h"
#include "framed/FrCmboBx.h"

namespace {

// The text without its last character; a double-byte character goes as a whole (the
// system's lead-byte table of the current code page says which bytes lead).
std::string DropLastChar(const std::string& text) {
  size_t last = 0;
  for (size_t i = 0; i < text.size(); i += IsDBCSLeadByte(static_cast<BYTE>(text[i])) ? 2 : 1) last = i;
  return text.substr(0, last);
}

// The length of the character starting at `index`: 2 for a lead byte, else 1.
int CharLengthAt(const std::string& text, size_t index) {
  return index < text.size() && IsDBCSLeadByte(static_cast<BYTE>(text[index])) ? 2 : 1;
}

bool IsListStyle(TComboBoxStyle style) { return style == csDropDownList || style == csOwnerDrawFixed; }

}  // namespace

void TFrCustomComboBox::InvalidKeyBeep() {
  if (beepOnInvalidKey_) SystemBeep(0);
}

int TFrCustomComboBox::FindItemPrefix(const AnsiString& text) {
  if (!HandleAllocated()) return -1;
  return static_cast<int>(
      SendMessageA(Handle(), CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
}

void TFrCustomComboBox::SelectBySearch(const AnsiString& text, char key) {
  const int index = FindItemPrefix(text);
  if (index < 0) {
    InvalidKeyBeep();
    return;
  }
  SetItemIndex(index);
  searchText_ = text;
  Click();
  Change();
  if (key != 0) KeyPress(key);
}

bool TFrCustomComboBox::CompleteFromSearch(const AnsiString& text, char key) {
  const int index = FindItemPrefix(text);
  if (index < 0) return false;
  const std::string item = Items()->Strings(index).str();
  if (keepSearchCase_) {
    internalTextChange_ = true;
    SetText(text + AnsiString(item.substr(std::min(item.size(), static_cast<size_t>(text.Length())))));
  } else {
    SetItemIndex(index);
  }
  Click();
  Change();
  if (key != 0) KeyPress(key);
  SetEditSel(text.Length(), static_cast<int>(item.size()) - text.Length());
  DoMatch();
  return true;
}

void TFrCustomComboBox::SetTextWithoutCompletion(const AnsiString& text) {
  if (text == Text()) return;
  autoComplete_ = false;
  SetText(text);
  autoComplete_ = true;
}

void TFrCustomComboBox::SearchTick(TObject*) {
  if (typing_) return;
  searchTimer_->SetEnabled(false);
  searchText_ = AnsiString();
}

void TFrCustomComboBox::DoExit() {
  TCustomComboBox::DoExit();
  focused_ = false;
  frame_.ChangeHotState(false, false);
  if (Style() == csDropDown && !Text().IsEmpty() && IndexOfItem(Text()) < 0) OnNotInList(this);
}

// ---- Drop-down list: type-ahead ----

bool TFrCustomComboBox::ListStyleKey(TMessage& message) {
  if (!IsListStyle(Style())) return false;
  if (message.Msg == WM_KILLFOCUS) {
    searchText_ = AnsiString();
    return false;
  }
  if (message.Msg == WM_KEYDOWN) {
    const WPARAM key = message.WParam;
    if (key == VK_ESCAPE && DroppedDown()) escapeWhileDropped_ = true;
    if (key == VK_ESCAPE || (key >= VK_PRIOR && key <= VK_DOWN)) searchText_ = AnsiString();
    return false;
  }
  const auto c = static_cast<unsigned char>(message.WParam);
  if (c == VK_BACK) {
    if (searchText_.IsEmpty()) {
      InvalidKeyBeep();
      SelectBySearch(searchText_, VK_BACK);
      return true;
    }
    const AnsiString shorter = DropLastChar(searchText_.str());
    if (!shorter.IsEmpty()) {
      SelectBySearch(shorter, VK_BACK);
      return true;
    }
    SelectAndNotify(0);
    searchText_ = AnsiString();
    char key = VK_BACK;
    KeyPress(key);
    return true;
  }
  if (c == VK_ESCAPE) {
    if (escapeWhileDropped_) escapeWhileDropped_ = false;
    else SelectAndNotify(0);
    return true;
  }
  if (c < 32) return false;
  typing_ = true;
  SelectBySearch(searchText_ + static_cast<char>(c), static_cast<char>(c));
  searchTimer_->SetEnabled(false);
  searchTimer_->SetEnabled(true);
  typing_ = false;
  return true;
}

// ---- Editable styles: completion ----

void TFrCustomComboBox::EditWndProc(TMessage& message) {
  keyPressRan_ = shiftInsertPaste_ = clipboardChar_ = false;
  if (autoComplete_ && CompletionMessage(message)) {
    message.Result = 0;
    return;
  }
  if (message.Msg == WM_CHAR && !keyPressRan_) {
    char key = static_cast<char>(message.WParam);
    if (key != 0) KeyPress(key);
    if (key == 0) return;
    message.WParam = static_cast<unsigned char>(key);
  }
  TCustomComboBox::EditWndProc(message);
  if (autoComplete_) AfterCompletionMessage(message);
}

// True when the message is swallowed.
bool TFrCustomComboBox::CompletionMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
      return CompletionKeyDown(message);
    case WM_SYSKEYDOWN:
      systemKey_ = true;
      return readOnly_ && message.WParam != VK_F4;
    case WM_CHAR:
      return CompletionChar(message);
    case WM_LBUTTONDOWN:
      if (Style() == csDropDown) searchText_ = Text();
      return false;
    default:
      return false;
  }
}

bool TFrCustomComboBox::CompletionKeyDown(TMessage& message) {
  systemKey_ = false;
  switch (message.WParam) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
      internalTextChange_ = true;
      searchText_ = AnsiString();
      return readOnly_;
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_RIGHT:
      searchText_ = Text();
      return false;
    case VK_INSERT:
      if (GetKeyState(VK_SHIFT) < 0) shiftInsertPaste_ = true;
      if (!allowEdit_) message.WParam = 0;
      return false;
    case VK_DELETE: {
      std::string text = Text().str();
      const auto start = static_cast<size_t>(SelStart());
      if (start < text.size()) text.erase(start, static_cast<size_t>(std::max(SelLength(), CharLengthAt(text, start))));
      searchText_ = text;
      if (!allowEdit_ && SelLength() != Text().Length()) message.WParam = 0;
      return false;
    }
    case VK_F4:
      return readOnly_;
    default:
      return false;
  }
}

bool TFrCustomComboBox::CompletionChar(TMessage& message) {
  if (systemKey_) {
    systemKey_ = false;
    return false;
  }
  const auto c = static_cast<unsigned char>(message.WParam);
  if (readOnly_) return c != 3;
  switch (c) {
    case VK_BACK:
      return CompletionBackspace();
    case VK_RETURN:
      enterPressed_ = true;
      return false;
    case 22:  // Ctrl+V
    case 24:  // Ctrl+X
      clipboardChar_ = true;
      if (!allowEdit_) message.WParam = 0;
      return false;
    case VK_ESCAPE: {
      const bool dropped = DroppedDown();
      if (!dropped) SetItemIndex(-1);
      searchText_ = AnsiString();
      Click();
      Change();
      char key = VK_ESCAPE;
      KeyPress(key);
      keyPressRan_ = true;
      return !dropped;
    }
    default:
      return c >= 32 && CompletionLetter(message);
  }
}

bool TFrCustomComboBox::CompletionBackspace() {
  std::string text = searchText_.str();
  if (text.empty()) {
    InvalidKeyBeep();
  } else {
    const auto caret = static_cast<size_t>(SelStart());
    const int length = SelLength();
    if (caret >= text.size()) {
      text = DropLastChar(text);
    } else if (length > 0 && allowEdit_) {
      text.erase(caret, static_cast<size_t>(length));
      SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
      SetEditSel(static_cast<int>(caret), 0);
    } else if (allowEdit_ && caret > 0) {
      const std::string head = DropLastChar(text.substr(0, caret));
      text = head + text.substr(caret);
    }
    Change();
    if (text.empty()) {
      SetItemIndex(-1);
      if (keepSearchCase_) SetText(AnsiString());
      searchText_ = AnsiString();
      Click();
      Change();
      char key = VK_BACK;
      KeyPress(key);
      keyPressRan_ = true;
    }
  }
  searchText_ = text;
  // An empty search text completes nothing, so the text can be cleared.
  return !text.empty() && CompleteFromSearch(searchText_, 0);
}

bool TFrCustomComboBox::CompletionLetter(TMessage& message) {
  char key = static_cast<char>(message.WParam);
  KeyPress(key);
  keyPressRan_ = true;
  if (key == 0) return true;
  message.WParam = static_cast<unsigned char>(key);
  if (static_cast<unsigned char>(key) < 32) return false;
  std::string text = searchText_.str();
  const auto caret = std::min(static_cast<size_t>(SelStart()), text.size());
  text.erase(caret, static_cast<size_t>(SelLength()));
  const AnsiString before = text;
  text.insert(caret, 1, key);
  MSG trail{};
  const bool hasTrail = IsDBCSLeadByte(static_cast<BYTE>(key)) &&
                        PeekMessageA(&trail, EditHandle(), WM_CHAR, WM_CHAR, PM_NOREMOVE) != 0;
  if (hasTrail) text.insert(caret + 1, 1, static_cast<char>(trail.wParam));
  searchText_ = text;
  if (CompleteFromSearch(searchText_, 0)) {
    if (hasTrail) PeekMessageA(&trail, EditHandle(), WM_CHAR, WM_CHAR, PM_REMOVE);
    return true;
  }
  if (allowEdit_) {
    internalTextChange_ = true;
    SetText(before);
    SetEditSel(static_cast<int>(caret), 0);
    return false;
  }
  InvalidKeyBeep();
  searchText_ = before;
  message.WParam = 0;
  return true;
}

// A paste by Shift+Insert or Ctrl+V, or a cut by Ctrl+X, completes the new text.
void TFrCustomComboBox::AfterCompletionMessage(const TMessage&) {
  const bool pasted = shiftInsertPaste_ || clipboardChar_;
  shiftInsertPaste_ = clipboardChar_ = false;
  if (!pasted || !allowEdit_) return;
  searchText_ = Text();
  CompleteFromSearch(searchText_, 0);
}

void TFrCustomComboBox::ClipboardMessage(TMessage& message) {
  if (!allowEdit_) return;
  if (message.Msg == WM_CUT) {
    searchText_ = Text();
    CompleteFromSearch(searchText_, 0);
    TCustomComboBox::Dispatch(message);
    return;
  }
  TCustomComboBox::Dispatch(message);
  searchText_ = Text();
  CompleteFromSearch(searchText_, 0);
}

// Text set by code completes like typed text, unless the change was the search's own.
void TFrCustomComboBox::TextChanged() {
  const bool internal = internalTextChange_;
  internalTextChange_ = false;
  if (!autoComplete_ || internal || DroppedDown() || Style() != csDropDown) return;
  if (enterPressed_) enterPressed_ = false;
  else searchText_ = Text();
  if (searchText_.IsEmpty()) return;
  const int index = FindItemPrefix(searchText_);
  if (index < 0) return;
  SetItemIndex(index);
  SetEditSel(searchText_.Length(), Items()->Strings(index).Length() - searchText_.Length());
}
