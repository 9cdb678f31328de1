#include "classlib/stdctrls/ComboBox.h"

#include "classlib/windowing/WindowBinding.h"

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner),
      items_(new TItemStrings(this, kComboBoxMessages)),
      saved_(new TStringList),
      canvas_(new TPaintCanvas),
      editMethod_(this, &TCustomComboBox::EditWndProc),
      listMethod_(this, &TCustomComboBox::ListWndProc) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(Left(), Top(), 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomComboBox::~TCustomComboBox() {
  DestroyHandle();
  delete canvas_;
  delete saved_;
  delete items_;
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "COMBOBOX");
  static constexpr DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST,
                                      CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS};
  params.Style |= WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | kStyles[style_];
  if (sorted_) params.Style |= CBS_SORT;
  // The window's height includes the drop-down list.
  if (style_ != csSimple) params.Height = Height() + itemHeight_ * dropDownCount_ + 2;
}

void TCustomComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  BindParts();
}

void TCustomComboBox::BindParts() {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(Handle(), &info)) return;
  if (info.hwndItem != nullptr && info.hwndItem != Handle()) {
    editWindow_ = info.hwndItem;
    editDefProc_ = BindWindow(editWindow_, &editMethod_);
  }
  if (info.hwndList != nullptr) {
    listWindow_ = info.hwndList;
    listDefProc_ = BindWindow(listWindow_, &listMethod_);
  }
}

void TCustomComboBox::UnbindParts() {
  if (editWindow_ != nullptr) UnbindWindow(editWindow_, editDefProc_);
  if (listWindow_ != nullptr) UnbindWindow(listWindow_, listDefProc_);
  editWindow_ = listWindow_ = nullptr;
}

void TCustomComboBox::CreateHandleState() {
  TWinControl::CreateHandleState();
  HWND window = Handle();
  SendMessageA(window, CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (style_ == csOwnerDrawFixed) SendMessageA(window, CB_SETITEMHEIGHT, 0, itemHeight_);
  TStringList* kept = saved_;
  saved_ = new TStringList;
  for (int i = 0; i < kept->Count(); ++i) items_->AddObject(kept->Strings(i), kept->Objects(i));
  delete kept;
  if (savedIndex_ >= 0) SetItemIndex(savedIndex_);
}

void TCustomComboBox::DestroyWnd() {
  saved_->Clear();
  for (int i = 0; i < items_->Count(); ++i) saved_->AddObject(items_->Strings(i), items_->Objects(i));
  savedIndex_ = ItemIndex();
  UnbindParts();
  TWinControl::DestroyWnd();
}

void TCustomComboBox::EditWndProc(TMessage& message) {
  message.Result = CallWindowProcA(editDefProc_, editWindow_, message.Msg, message.WParam, message.LParam);
}

void TCustomComboBox::ListWndProc(TMessage& message) {
  message.Result = CallWindowProcA(listDefProc_, listWindow_, message.Msg, message.WParam, message.LParam);
}

LONG_PTR TCustomComboBox::GetItemData(int index) {
  return SendMessageA(Handle(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

void TCustomComboBox::SetItemData(int index, LONG_PTR data) {
  SendMessageA(Handle(), CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void TCustomComboBox::DeleteString(int index) { SendMessageA(Handle(), CB_DELETESTRING, static_cast<WPARAM>(index), 0); }

void TCustomComboBox::ResetContent() { SendMessageA(Handle(), CB_RESETCONTENT, 0, 0); }

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (value == style_) return;
  style_ = value;
  RecreateWnd();
}

void TCustomComboBox::SetItemHeight(int value) {
  if (value <= 0 || value == itemHeight_) return;
  itemHeight_ = value;
  RecreateWnd();
}

void TCustomComboBox::SetMaxLength(int value) {
  maxLength_ = value < 0 ? 0 : value;
  if (HandleAllocated()) SendMessageA(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomComboBox::SetSorted(bool value) {
  if (value == sorted_) return;
  sorted_ = value;
  saved_->SetSorted(value);
  RecreateWnd();
}

int TCustomComboBox::ItemIndex() {
  if (!HandleAllocated()) return savedIndex_;
  return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int index) {
  if (!HandleAllocated()) {
    savedIndex_ = index;
    return;
  }
  SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool TCustomComboBox::DroppedDown() {
  return HandleAllocated() && SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value) { SendMessageA(Handle(), CB_SHOWDROPDOWN, value ? TRUE : FALSE, 0); }

void TCustomComboBox::Change() {
  if (!ComponentState().Contains(csLoading)) OnChange(this);
}

void TCustomComboBox::Select() {
  OnSelect(this);
  Change();
}

void TCustomComboBox::DropDown() { OnDropDown(this); }

void TCustomComboBox::CloseUp() { OnCloseUp(this); }

void TCustomComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  canvas_->FillRect(rect);
  if (index >= 0 && index < items_->Count()) canvas_->TextOut(rect.Left + 2, rect.Top, items_->Strings(index));
}

void TCustomComboBox::CNCommand(TMessage& message) {
  switch (HIWORD(message.WParam)) {
    case CBN_DROPDOWN:
      DropDown();
      break;
    case CBN_CLOSEUP:
      CloseUp();
      break;
    case CBN_SELCHANGE:
      Select();
      break;
    case CBN_EDITCHANGE:
      Change();
      break;
    default:
      break;
  }
}

void TCustomComboBox::CNDrawItem(TMessage& message) {
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
  const TOwnerDrawState state = OwnerDrawState(draw->itemState);
  {
    TPaintScope scope(canvas_, draw->hDC, Font(), Color());
    if (state.Contains(odSelected)) {
      canvas_->Brush()->SetColor(clHighlight);
      canvas_->Font()->SetColor(clHighlightText);
    }
    DrawItem(static_cast<int>(draw->itemID),
             Rect(draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom), state);
  }
  message.Result = 1;
}

void TCustomComboBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      CNCommand(message);
      return;
    case CN_DRAWITEM:
      CNDrawItem(message);
      return;
    case CN_DELETEITEM:
      message.Result = 1;
      return;
    default:
      TWinControl::Dispatch(message);
  }
}
