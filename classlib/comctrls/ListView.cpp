#include "classlib/comctrls/ListView.h"

#include <algorithm>
#include <cstring>

#include "classlib/comctrls/CommonControls.h"

void TListColumn::SetCaption(const AnsiString& value) {
  caption_ = value;
  Changed(false);
}

void TListColumn::SetWidth(int value) {
  width_ = value;
  Changed(false);
}

void TListColumn::SetAlignment(TAlignment value) {
  alignment_ = value;
  Changed(false);
}

void TListColumn::SetImageIndex(int value) {
  imageIndex_ = value;
  Changed(false);
}

TListColumns::TListColumns(TCustomListView* view) : TOwnedCollection(view, TListColumn::StaticClass()), view_(view) {}

void TListColumns::Update(TCollectionItem*) { view_->UpdateColumns(); }

void TListItem::Reset(int index) {
  index_ = index;
  caption_ = AnsiString();
  subItems_->Clear();
  imageIndex_ = -1;
  data_ = nullptr;
}

void TListItems::SetCount(int count) {
  count_ = std::max(count, 0);
  view_->UpdateCount();
}

TCustomListView::TCustomListView(TComponent* owner)
    : TWinControl(owner),
      columns_(new TListColumns(this)),
      items_(new TListItems(this)),
      fetched_(new TListItem),
      canvas_(new TPaintCanvas) {
  SetControlStyle({csAcceptsControls, csDoubleClicks});
  SetBounds(Left(), Top(), 250, 150);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomListView::~TCustomListView() {
  DestroyHandle();
  delete canvas_;
  delete fetched_;
  delete items_;
  delete columns_;
}

void TCustomListView::CreateParams(TCreateParams& params) {
  InitializeCommonControls();
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_LISTVIEWA);
  static constexpr DWORD kViews[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  params.Style |= WS_TABSTOP | WS_CLIPCHILDREN | LVS_OWNERDATA | LVS_SHAREIMAGELISTS | kViews[viewStyle_];
  if (!showColumnHeaders_) params.Style |= LVS_NOCOLUMNHEADER;
  if (ownerDraw_) params.Style |= LVS_OWNERDRAWFIXED;
  if (!multiSelect_) params.Style |= LVS_SINGLESEL;
  if (!readOnly_) params.Style |= LVS_EDITLABELS;
  if (!hideSelection_) params.Style |= LVS_SHOWSELALWAYS;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateHandleState() {
  TWinControl::CreateHandleState();
  ApplyExtendedStyle();
  ApplyImages();
  ApplyColors();
  UpdateColumns();
  UpdateCount();
}

void TCustomListView::ApplyColors() {
  if (!HandleAllocated()) return;
  const COLORREF background = ColorToRGB(Color());
  SendMessageA(Handle(), LVM_SETBKCOLOR, 0, background);
  SendMessageA(Handle(), LVM_SETTEXTBKCOLOR, 0, background);
  SendMessageA(Handle(), LVM_SETTEXTCOLOR, 0, ColorToRGB(Font()->Color()));
}

void TCustomListView::ApplyExtendedStyle() {
  if (!HandleAllocated()) return;
  const DWORD style = (rowSelect_ ? LVS_EX_FULLROWSELECT : 0) | (fullDrag_ ? LVS_EX_HEADERDRAGDROP : 0);
  SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP, style);
}

void TCustomListView::ApplyImages() {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL,
               smallImages_ != nullptr ? reinterpret_cast<LPARAM>(smallImages_->Handle()) : 0);
  SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_NORMAL,
               largeImages_ != nullptr ? reinterpret_cast<LPARAM>(largeImages_->Handle()) : 0);
}

void TCustomListView::UpdateColumns() {
  if (!HandleAllocated()) return;
  HWND window = Handle();
  while (SendMessageA(window, LVM_DELETECOLUMN, 0, 0) != FALSE) {
  }
  static constexpr int kAlign[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
  for (int i = 0; i < columns_->Count(); ++i) {
    TListColumn* column = columns_->Items(i);
    const AnsiString caption = column->Caption();
    LVCOLUMNA info{};
    info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    // The first column is always left aligned by the system.
    info.fmt = kAlign[i == 0 ? taLeftJustify : column->Alignment()];
    info.cx = column->Width();
    info.pszText = const_cast<char*>(caption.c_str());
    info.iSubItem = i;
    if (column->ImageIndex() >= 0) {
      info.mask |= LVCF_IMAGE;
      info.fmt |= LVCFMT_IMAGE;
      info.iImage = column->ImageIndex();
    }
    SendMessageA(window, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
  }
}

void TCustomListView::UpdateItems(int first, int last) {
  fetched_->Reset(-1);
  if (HandleAllocated()) SendMessageA(Handle(), LVM_REDRAWITEMS, static_cast<WPARAM>(first), last);
}

void TCustomListView::UpdateCount() {
  fetched_->Reset(-1);
  if (HandleAllocated()) SendMessageA(Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(items_->Count()), LVSICF_NOSCROLL);
}

void TCustomListView::SetFullDrag(bool value) {
  fullDrag_ = value;
  ApplyExtendedStyle();
}

void TCustomListView::SetViewStyle(TViewStyle value) {
  if (value == viewStyle_) return;
  viewStyle_ = value;
  RecreateWnd();
}

void TCustomListView::SetShowColumnHeaders(bool value) {
  if (value == showColumnHeaders_) return;
  showColumnHeaders_ = value;
  RecreateWnd();
}

void TCustomListView::SetOwnerDraw(bool value) {
  if (value == ownerDraw_) return;
  ownerDraw_ = value;
  RecreateWnd();
}

void TCustomListView::SetMultiSelect(bool value) {
  if (value == multiSelect_) return;
  multiSelect_ = value;
  RecreateWnd();
}

void TCustomListView::SetRowSelect(bool value) {
  rowSelect_ = value;
  ApplyExtendedStyle();
}

void TCustomListView::SetReadOnly(bool value) {
  if (value == readOnly_) return;
  readOnly_ = value;
  RecreateWnd();
}

void TCustomListView::SetHideSelection(bool value) {
  if (value == hideSelection_) return;
  hideSelection_ = value;
  RecreateWnd();
}

void TCustomListView::SetSmallImages(TCustomImageList* images) {
  smallImages_ = images;
  if (images != nullptr) images->FreeNotification(this);
  ApplyImages();
}

void TCustomListView::SetLargeImages(TCustomImageList* images) {
  largeImages_ = images;
  if (images != nullptr) images->FreeNotification(this);
  ApplyImages();
}

void TCustomListView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == smallImages_) SetSmallImages(nullptr);
  if (component == largeImages_) SetLargeImages(nullptr);
}

int TCustomListView::SelCount() { return static_cast<int>(SendMessageA(Handle(), LVM_GETSELECTEDCOUNT, 0, 0)); }

TListItem* TCustomListView::Selected() {
  const int index = ItemIndex();
  return index < 0 ? nullptr : Fetch(index);
}

int TCustomListView::ItemIndex() {
  return static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TCustomListView::SetItemIndex(int index) {
  ClearSelection();
  if (index < 0) return;
  SetSelected(index, true);
  SetItemFocused(index);
}

int TCustomListView::ItemFocused() {
  return static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

void TCustomListView::SetItemFocused(int index) {
  LVITEMA item{};
  item.stateMask = LVIS_FOCUSED;
  item.state = LVIS_FOCUSED;
  SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

bool TCustomListView::IsSelected(int index) {
  return SendMessageA(Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) != 0;
}

void TCustomListView::SetSelected(int index, bool value) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED;
  item.state = value ? LVIS_SELECTED : 0;
  SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TCustomListView::ClearSelection() { SetSelected(-1, false); }

void TCustomListView::SelectAll() {
  if (multiSelect_) SetSelected(-1, true);
}

void TCustomListView::Scroll(int dx, int dy) { SendMessageA(Handle(), LVM_SCROLL, static_cast<WPARAM>(dx), dy); }

int TCustomListView::TopIndex() { return static_cast<int>(SendMessageA(Handle(), LVM_GETTOPINDEX, 0, 0)); }

int TCustomListView::VisibleRowCount() { return static_cast<int>(SendMessageA(Handle(), LVM_GETCOUNTPERPAGE, 0, 0)); }

TRect TCustomListView::ItemRect(int index) {
  RECT r{};
  r.left = LVIR_BOUNDS;
  if (!SendMessageA(Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)))
    return Rect(0, 0, 0, 0);
  return Rect(r.left, r.top, r.right, r.bottom);
}

HWND TCustomListView::HeaderHandle() { return reinterpret_cast<HWND>(SendMessageA(Handle(), LVM_GETHEADER, 0, 0)); }

int TCustomListView::HeaderHeight() {
  HWND header = HeaderHandle();
  if (header == nullptr || !IsWindowVisible(header)) return 0;
  RECT r;
  GetWindowRect(header, &r);
  return r.bottom - r.top;
}

TListItem* TCustomListView::Fetch(int index) {
  if (fetched_->Index() == index) return fetched_;
  fetched_->Reset(index);
  OwnerDataFetch(fetched_);
  return fetched_;
}

bool TCustomListView::OwnerDataFetch(TListItem* item) {
  if (!OnData) return false;
  OnData(this, item);
  return true;
}

int TCustomListView::OwnerDataFind(TItemFind find, const AnsiString& text, int start, bool wrap) {
  int index = -1;
  OnDataFind(this, find, text, Point(0, 0), nullptr, start, 0, wrap, index);
  return index;
}

void TCustomListView::DrawItem(TListItem* item, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, item, rect, state);
    return;
  }
  canvas_->FillRect(rect);
  canvas_->TextOut(rect.Left + 2, rect.Top + 1, item->Caption());
}

bool TCustomListView::Edit(TListItem* item, AnsiString& text) {
  OnEdited(this, item, text);
  return true;
}

void TCustomListView::GetDispInfo(NMLVDISPINFOA* info) {
  LVITEMA& wanted = info->item;
  TListItem* item = Fetch(wanted.iItem);
  if ((wanted.mask & LVIF_TEXT) != 0 && wanted.pszText != nullptr && wanted.cchTextMax > 0) {
    AnsiString text;
    if (wanted.iSubItem == 0) text = item->Caption();
    else if (wanted.iSubItem <= item->SubItems()->Count()) text = item->SubItems()->Strings(wanted.iSubItem - 1);
    const int count = std::min(text.Length(), wanted.cchTextMax - 1);
    std::memcpy(wanted.pszText, text.c_str(), static_cast<size_t>(count));
    wanted.pszText[count] = '\0';
  }
  if ((wanted.mask & LVIF_IMAGE) != 0) wanted.iImage = item->ImageIndex();
}

void TCustomListView::ItemChanged(const NMLISTVIEW* change) {
  if ((change->uChanged & LVIF_STATE) == 0) return;
  const bool was = (change->uOldState & LVIS_SELECTED) != 0, is = (change->uNewState & LVIS_SELECTED) != 0;
  if (was == is) return;
  if (change->iItem >= 0) {
    SelectItem(Fetch(change->iItem), is);
    return;
  }
  SelectItem(nullptr, is);  // every row at once
}

void TCustomListView::RangeChanged(const NMLVODSTATECHANGE* change) {
  const bool was = (change->uOldState & LVIS_SELECTED) != 0, is = (change->uNewState & LVIS_SELECTED) != 0;
  if (was == is) return;
  for (int i = change->iFrom; i <= change->iTo; ++i) SelectItem(Fetch(i), is);
}

void TCustomListView::CNNotify(TMessage& message) {
  auto* header = reinterpret_cast<NMHDR*>(message.LParam);
  message.Result = 0;
  switch (header->code) {
    case LVN_GETDISPINFOA:
      GetDispInfo(reinterpret_cast<NMLVDISPINFOA*>(message.LParam));
      return;
    case LVN_ODFINDITEMA: {
      auto* find = reinterpret_cast<NMLVFINDITEMA*>(message.LParam);
      const bool partial = (find->lvfi.flags & LVFI_PARTIAL) != 0;
      const AnsiString text = (find->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) != 0 ? AnsiString(find->lvfi.psz) : AnsiString();
      message.Result = OwnerDataFind(partial ? ifPartialString : ifExactString, text, find->iStart,
                                     (find->lvfi.flags & LVFI_WRAP) != 0);
      return;
    }
    case LVN_ITEMCHANGED:
      ItemChanged(reinterpret_cast<NMLISTVIEW*>(message.LParam));
      return;
    case LVN_ODSTATECHANGED:
      RangeChanged(reinterpret_cast<NMLVODSTATECHANGE*>(message.LParam));
      return;
    case LVN_COLUMNCLICK: {
      const int column = reinterpret_cast<NMLISTVIEW*>(message.LParam)->iSubItem;
      if (column >= 0 && column < columns_->Count()) ColClick(columns_->Items(column));
      return;
    }
    case LVN_ENDLABELEDITA: {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(message.LParam);
      if (info->item.pszText == nullptr) return;  // the edit was cancelled
      AnsiString text = info->item.pszText;
      message.Result = Edit(Fetch(info->item.iItem), text) ? TRUE : FALSE;
      return;
    }
    default:
      return;
  }
}

void TCustomListView::CNDrawItem(TMessage& message) {
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
  const TOwnerDrawState state = OwnerDrawState(draw->itemState);
  {
    TPaintScope scope(canvas_, draw->hDC, Font(), Color());
    if (state.Contains(odSelected)) {
      canvas_->Brush()->SetColor(clHighlight);
      canvas_->Font()->SetColor(clHighlightText);
    }
    DrawItem(Fetch(static_cast<int>(draw->itemID)),
             Rect(draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom), state);
  }
  message.Result = 1;
}

void TCustomListView::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY:
      CNNotify(message);
      return;
    case CN_DRAWITEM:
      CNDrawItem(message);
      return;
    case WM_PAINT:
      fetched_->Reset(-1);  // each paint asks for the rows it shows afresh
      TWinControl::Dispatch(message);
      return;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      ApplyColors();
      TWinControl::Dispatch(message);
      return;
    default:
      TWinControl::Dispatch(message);
  }
}
