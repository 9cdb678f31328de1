#include "classlib/stdctrls/ListBox.h"

#include <algorithm>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Format.h"

TOwnerDrawState OwnerDrawState(UINT itemState) {
  TOwnerDrawState state;
  if (itemState & ODS_SELECTED) state << odSelected;
  if (itemState & ODS_GRAYED) state << odGrayed;
  if (itemState & ODS_DISABLED) state << odDisabled;
  if (itemState & ODS_CHECKED) state << odChecked;
  if (itemState & ODS_FOCUS) state << odFocused;
  if (itemState & ODS_DEFAULT) state << odDefault;
  if (itemState & ODS_COMBOBOXEDIT) state << odComboBoxEdit;
  return state;
}

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), items_(new TItemStrings(this, kListBoxMessages)), saved_(new TStringList), canvas_(new TPaintCanvas) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(Left(), Top(), 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() {
  DestroyHandle();
  delete canvas_;
  delete saved_;
  delete items_;
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "LISTBOX");
  static constexpr DWORD kStyles[] = {0, LBS_OWNERDRAWFIXED};
  params.Style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | kStyles[style_];
  if (sorted_) params.Style |= LBS_SORT;
  if (multiSelect_) params.Style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (!integralHeight_) params.Style |= LBS_NOINTEGRALHEIGHT;
  if (columns_ > 0) params.Style |= LBS_MULTICOLUMN | WS_HSCROLL;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateHandleState() {
  TWinControl::CreateHandleState();
  if (style_ == lbOwnerDrawFixed) SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, itemHeight_);
  SetColumnWidth();
  TStringList* kept = saved_;
  saved_ = new TStringList;
  for (int i = 0; i < kept->Count(); ++i) items_->AddObject(kept->Strings(i), kept->Objects(i));
  delete kept;
  if (savedIndex_ >= 0) SetItemIndex(savedIndex_);
}

void TCustomListBox::DestroyWnd() {
  saved_->Clear();
  for (int i = 0; i < items_->Count(); ++i) saved_->AddObject(items_->Strings(i), items_->Objects(i));
  savedIndex_ = ItemIndex();
  TWinControl::DestroyWnd();
}

LONG_PTR TCustomListBox::GetItemData(int index) {
  return SendMessageA(Handle(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

void TCustomListBox::SetItemData(int index, LONG_PTR data) {
  SendMessageA(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void TCustomListBox::DeleteString(int index) {
  if (SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0) == LB_ERR)
    throw EStringListError(Format("List index out of bounds (%d)", {index}));
}

void TCustomListBox::ResetContent() { SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }

int TCustomListBox::ItemIndex() {
  if (!HandleAllocated()) return savedIndex_;
  const UINT msg = multiSelect_ ? LB_GETCARETINDEX : LB_GETCURSEL;
  return static_cast<int>(SendMessageA(Handle(), msg, 0, 0));
}

void TCustomListBox::SetItemIndex(int index) {
  if (!HandleAllocated()) {
    savedIndex_ = index;
    return;
  }
  if (!multiSelect_) {
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return;
  }
  SendMessageA(Handle(), LB_SETSEL, FALSE, -1);
  if (index < 0) return;
  SendMessageA(Handle(), LB_SETSEL, TRUE, index);
  SendMessageA(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

void TCustomListBox::SetProperty(bool& field, bool value) {
  if (field == value) return;
  field = value;
  RecreateWnd();
}

void TCustomListBox::SetStyle(TListBoxStyle value) {
  if (value == style_) return;
  style_ = value;
  RecreateWnd();
}

void TCustomListBox::SetMultiSelect(bool value) { SetProperty(multiSelect_, value); }
void TCustomListBox::SetExtendedSelect(bool value) { SetProperty(extendedSelect_, value); }
void TCustomListBox::SetIntegralHeight(bool value) { SetProperty(integralHeight_, value); }

void TCustomListBox::SetSorted(bool value) {
  saved_->SetSorted(value);
  SetProperty(sorted_, value);
}

void TCustomListBox::SetColumns(int value) {
  value = std::max(value, 0);
  if (value == columns_) return;
  const bool recreate = (value > 0) != (columns_ > 0);
  columns_ = value;
  if (recreate) RecreateWnd();
  else SetColumnWidth();
}

void TCustomListBox::SetColumnWidth() {
  if (columns_ <= 0 || !HandleAllocated()) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  SendMessageA(Handle(), LB_SETCOLUMNWIDTH, static_cast<WPARAM>(std::max<LONG>(client.right / columns_, 1)), 0);
}

void TCustomListBox::SetBorderStyle(TFormBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

int TCustomListBox::ItemHeight() {
  if (HandleAllocated() && style_ == lbStandard) return static_cast<int>(SendMessageA(Handle(), LB_GETITEMHEIGHT, 0, 0));
  return itemHeight_;
}

void TCustomListBox::SetItemHeight(int value) {
  if (value <= 0 || value == itemHeight_) return;
  itemHeight_ = value;
  RecreateWnd();
}

int TCustomListBox::TopIndex() { return static_cast<int>(SendMessageA(Handle(), LB_GETTOPINDEX, 0, 0)); }

void TCustomListBox::SetTopIndex(int index) { SendMessageA(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0); }

bool TCustomListBox::Selected(int index) {
  const LRESULT result = SendMessageA(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0);
  if (result == LB_ERR) throw EListError(Format("List index out of bounds (%d)", {index}));
  return result != 0;
}

void TCustomListBox::SetSelected(int index, bool value) {
  if (multiSelect_) {
    if (SendMessageA(Handle(), LB_SETSEL, value ? TRUE : FALSE, index) == LB_ERR)
      throw EListError(Format("List index out of bounds (%d)", {index}));
  } else if (value) {
    SetItemIndex(index);
  } else if (ItemIndex() == index) {
    SetItemIndex(-1);
  }
}

int TCustomListBox::SelCount() {
  if (!multiSelect_) return -1;
  return static_cast<int>(SendMessageA(Handle(), LB_GETSELCOUNT, 0, 0));
}

TRect TCustomListBox::ItemRect(int index) {
  RECT r{};
  if (SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) == LB_ERR)
    return Rect(0, 0, 0, 0);
  return Rect(r.left, r.top, r.right, r.bottom);
}

int TCustomListBox::ItemAtPos(const TPoint& pos, bool existing) {
  const int count = items_->Count();
  const TRect client = ClientRect();
  for (int i = TopIndex(); i < count; ++i) {
    const TRect r = ItemRect(i);
    if (r.Top >= client.Bottom) break;
    if (pos.X >= r.Left && pos.X < r.Right && pos.Y >= r.Top && pos.Y < r.Bottom) return i;
  }
  return existing ? -1 : count;
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  canvas_->FillRect(rect);
  if (index >= 0 && index < items_->Count()) canvas_->TextOut(rect.Left + 2, rect.Top, items_->Strings(index));
}

void TCustomListBox::CNDrawItem(TMessage& message) {
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
  const TOwnerDrawState state = OwnerDrawState(draw->itemState);
  {
    TPaintScope scope(canvas_, draw->hDC, Font(), Color());
    if (state.Contains(odSelected)) {
      canvas_->Brush()->SetColor(clHighlight);
      canvas_->Font()->SetColor(clHighlightText);
    }
    const TRect rect = Rect(draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom);
    if (static_cast<int>(draw->itemID) >= 0) DrawItem(static_cast<int>(draw->itemID), rect, state);
    else canvas_->FillRect(rect);
    if (state.Contains(odFocused)) DrawFocusRect(draw->hDC, &draw->rcItem);
  }
  message.Result = 1;
}

void TCustomListBox::KeyPress(char& key) {
  TWinControl::KeyPress(key);
  if (static_cast<unsigned char>(key) < ' ') return;
  if (!autoComplete_) {
    key = 0;  // the system list would select by the first letter
    return;
  }
  const DWORD now = GetTickCount();
  if (now - lastKeyTime_ > 1000) filter_ = AnsiString();
  lastKeyTime_ = now;
  filter_ += key;
  const auto found = static_cast<int>(
      SendMessageA(Handle(), LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(filter_.c_str())));
  key = 0;
  if (found < 0) return;
  SetItemIndex(found);
  Click();
}

void TCustomListBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == LBN_SELCHANGE) Click();
      return;
    case CN_DRAWITEM:
      CNDrawItem(message);
      return;
    case WM_SIZE:
      TWinControl::Dispatch(message);
      SetColumnWidth();
      return;
    default:
      TWinControl::Dispatch(message);
  }
}
