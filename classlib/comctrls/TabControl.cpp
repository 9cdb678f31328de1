#include "classlib/comctrls/TabControl.h"

#include <algorithm>

#include "classlib/comctrls/CommonControls.h"
#include "classlib/runtime/Exceptions.h"

#include <commctrl.h>

// The tabs' texts: the window's, or the kept list while there is none.
class TTabStrings : public TStrings {
 public:
  explicit TTabStrings(TCustomTabControl* control) : control_(control) {}

  void Insert(int index, const AnsiString& s) override {
    if (!control_->HandleAllocated()) {
      control_->saved_->Insert(index, s);
      return;
    }
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<char*>(s.c_str());
    item.iImage = index;
    if (SendMessageA(control_->Handle(), TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) < 0)
      throw EListError("Unable to insert a tab");
    control_->TabsChanged();
  }
  void Delete(int index) override {
    if (!control_->HandleAllocated()) {
      control_->saved_->Delete(index);
      return;
    }
    CheckIndex(index);
    SendMessageA(control_->Handle(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
    control_->TabsChanged();
  }
  void Clear() override {
    if (!control_->HandleAllocated()) {
      control_->saved_->Clear();
      return;
    }
    SendMessageA(control_->Handle(), TCM_DELETEALLITEMS, 0, 0);
    control_->TabsChanged();
  }

 protected:
  AnsiString Get(int index) const override {
    if (!control_->HandleAllocated()) return control_->saved_->Strings(index);
    CheckIndex(index);
    char text[256] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(control_->Handle(), TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return AnsiString(item.pszText);
  }
  int GetCount() const override {
    if (!control_->HandleAllocated()) return control_->saved_->Count();
    return static_cast<int>(SendMessageA(control_->Handle(), TCM_GETITEMCOUNT, 0, 0));
  }
  void Put(int index, const AnsiString& s) override {
    if (!control_->HandleAllocated()) {
      control_->saved_->SetStrings(index, s);
      return;
    }
    CheckIndex(index);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(s.c_str());
    SendMessageA(control_->Handle(), TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    control_->TabsChanged();
  }

 private:
  void CheckIndex(int index) const {
    if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
  }
  TCustomTabControl* control_;
};

TCustomTabControl::TCustomTabControl(TComponent* owner)
    : TWinControl(owner), tabs_(new TTabStrings(this)), saved_(new TStringList), canvas_(new TPaintCanvas) {
  SetControlStyle({csAcceptsControls, csDoubleClicks});
  SetBounds(Left(), Top(), 289, 193);
  SetTabStop(true);
  SetColor(clBtnFace);
}

TCustomTabControl::~TCustomTabControl() {
  DestroyHandle();
  delete canvas_;
  delete saved_;
  delete tabs_;
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
  InitializeCommonControls();
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_TABCONTROLA);
  static constexpr DWORD kPositions[] = {0, TCS_BOTTOM, TCS_VERTICAL | TCS_MULTILINE,
                                         TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE};
  params.Style |= WS_CLIPCHILDREN | WS_TABSTOP | kPositions[tabPosition_];
  if (multiLine_) params.Style |= TCS_MULTILINE;
  if (tabWidth_ > 0) params.Style |= TCS_FIXEDWIDTH;
  if (ownerDraw_) params.Style |= TCS_OWNERDRAWFIXED;
}

void TCustomTabControl::CreateHandleState() {
  TWinControl::CreateHandleState();
  SendImageList(this, TCM_SETIMAGELIST, images_);
  ApplyItemSize();
  TStringList* kept = saved_;
  saved_ = new TStringList;
  for (int i = 0; i < kept->Count(); ++i) tabs_->Add(kept->Strings(i));
  delete kept;
  if (savedIndex_ >= 0) SetTabIndex(savedIndex_);
  Realign();
}

void TCustomTabControl::DestroyWnd() {
  saved_->Clear();
  for (int i = 0; i < tabs_->Count(); ++i) saved_->Add(tabs_->Strings(i));
  savedIndex_ = TabIndex();
  TWinControl::DestroyWnd();
}

void TCustomTabControl::ApplyItemSize() {
  if (HandleAllocated() && (tabWidth_ > 0 || tabHeight_ > 0))
    SendMessageA(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth_, tabHeight_));
}

int TCustomTabControl::TabIndex() {
  if (!HandleAllocated()) return savedIndex_;
  return static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
}

void TCustomTabControl::SetTabIndex(int index) {
  if (!HandleAllocated()) {
    savedIndex_ = index;
    return;
  }
  SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomTabControl::SetTabPosition(TTabPosition value) {
  if (value == tabPosition_) return;
  tabPosition_ = value;
  RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool value) {
  if (value == multiLine_) return;
  multiLine_ = value;
  RecreateWnd();
}

void TCustomTabControl::SetTabHeight(int value) {
  tabHeight_ = std::max(value, 0);
  ApplyItemSize();
  Realign();
}

void TCustomTabControl::SetTabWidth(int value) {
  const bool fixedChanged = (value > 0) != (tabWidth_ > 0);
  tabWidth_ = std::max(value, 0);
  if (fixedChanged) RecreateWnd();
  ApplyItemSize();
  Realign();
}

void TCustomTabControl::SetOwnerDraw(bool value) {
  if (value == ownerDraw_) return;
  ownerDraw_ = value;
  RecreateWnd();
}

void TCustomTabControl::SetImages(TCustomImageList* images) {
  images_ = images;
  if (images != nullptr) images->FreeNotification(this);
  SendImageList(this, TCM_SETIMAGELIST, images);
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == images_) SetImages(nullptr);
}

TRect TCustomTabControl::DisplayRect() {
  TRect rect = ClientRect();
  AdjustClientRect(rect);
  return rect;
}

void TCustomTabControl::AdjustClientRect(TRect& rect) {
  if (!HandleAllocated()) return;
  Perform(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(rect.AsRECT()));
}

TRect TCustomTabControl::TabRect(int index) {
  TRect rect = Rect(0, 0, 0, 0);
  Perform(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect.AsRECT()));
  return rect;
}

int TCustomTabControl::IndexOfTabAt(int x, int y) {
  TCHITTESTINFO hit{};
  hit.pt = POINT{x, y};
  return static_cast<int>(SendMessageA(Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void TCustomTabControl::TabsChanged() { Realign(); }

bool TCustomTabControl::CanChange() {
  bool allow = true;
  OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (!ComponentState().Contains(csLoading)) OnChange(this);
}

void TCustomTabControl::DrawTab(int index, const TRect& rect, bool active) {
  if (OnDrawTab) {
    OnDrawTab(this, index, rect, active);
    return;
  }
  canvas_->FillRect(rect);
  canvas_->TextOut(rect.Left + 4, rect.Top + 2, tabs_->Strings(index));
}

void TCustomTabControl::CNNotify(TMessage& message) {
  const auto* header = reinterpret_cast<NMHDR*>(message.LParam);
  switch (header->code) {
    case TCN_SELCHANGING:
      message.Result = CanChange() ? 0 : 1;
      return;
    case TCN_SELCHANGE:
      Change();
      return;
    default:
      message.Result = 0;
  }
}

void TCustomTabControl::CNDrawItem(TMessage& message) {
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
  {
    TPaintScope scope(canvas_, draw->hDC, Font(), Color());
    DrawTab(static_cast<int>(draw->itemID),
            Rect(draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom),
            (draw->itemState & ODS_SELECTED) != 0);
  }
  message.Result = 1;
}

void TCustomTabControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY:
      CNNotify(message);
      return;
    case CN_DRAWITEM:
      CNDrawItem(message);
      return;
    default:
      TWinControl::Dispatch(message);
  }
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetControlStyle({csAcceptsControls});
  SetVisible(false);
  SetColor(clBtnFace);
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* control) {
  if (control == pageControl_) return;
  if (pageControl_ != nullptr) pageControl_->RemovePage(this);
  SetParent(control);
  if (control != nullptr) control->InsertPage(this);
}

void TTabSheet::SetParentComponent(TComponent* parent) {
  if (auto* control = dynamic_cast<TPageControl*>(parent)) SetPageControl(control);
  else TWinControl::SetParentComponent(parent);
}

int TTabSheet::PageIndex() const {
  if (pageControl_ == nullptr) return -1;
  const auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
  if (pageControl_ != nullptr) pageControl_->MovePage(this, index);
}

int TTabSheet::TabIndex() const {
  if (pageControl_ == nullptr || !tabVisible_) return -1;
  int index = 0;
  for (TTabSheet* page : pageControl_->pages_) {
    if (page == this) return index;
    if (page->tabVisible_) ++index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool value) {
  if (value == tabVisible_) return;
  tabVisible_ = value;
  if (pageControl_ == nullptr) return;
  if (!value && pageControl_->activePage_ == this) {
    TTabSheet* next = pageControl_->FindNextPage(this, true);
    pageControl_->SetActivePage(next != this ? next : nullptr);
  }
  pageControl_->UpdateTabs();
}

void TTabSheet::SetImageIndex(int value) {
  imageIndex_ = value;
  if (pageControl_ != nullptr) pageControl_->UpdateTabs();
}

void TTabSheet::Dispatch(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED && pageControl_ != nullptr) pageControl_->UpdateTabs();
  TWinControl::Dispatch(message);
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  page->pageControl_ = this;
  UpdateTabs();
  if (activePage_ == nullptr && page->TabVisible()) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  TTabSheet* next = activePage_ == page ? FindNextPage(page, true) : activePage_;
  std::erase(pages_, page);
  page->pageControl_ = nullptr;
  if (next == page) next = nullptr;
  activePage_ = nullptr;
  UpdateTabs();
  SetActivePage(next);
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  std::erase(pages_, page);
  index = std::clamp(index, 0, static_cast<int>(pages_.size()));
  pages_.insert(pages_.begin() + index, page);
  UpdateTabs();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward) const {
  const auto count = static_cast<int>(pages_.size());
  if (count == 0) return nullptr;
  auto it = std::find(pages_.begin(), pages_.end(), current);
  int start = it == pages_.end() ? (forward ? count - 1 : 0) : static_cast<int>(it - pages_.begin());
  for (int step = 1; step <= count; ++step) {
    const int index = ((start + (forward ? step : -step)) % count + count) % count;
    if (pages_[static_cast<size_t>(index)]->TabVisible()) return pages_[static_cast<size_t>(index)];
  }
  return nullptr;
}

void TPageControl::UpdateTabs() {
  if (ComponentState().Contains(csDestroying)) return;
  Tabs()->BeginUpdate();
  Tabs()->Clear();
  for (TTabSheet* page : pages_) {
    if (page->TabVisible()) Tabs()->Add(page->Caption());
  }
  Tabs()->EndUpdate();
  SetTabIndex(activePage_ != nullptr ? activePage_->TabIndex() : -1);
  Realign();
}

int TPageControl::ActivePageIndex() const { return activePage_ != nullptr ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page != nullptr && page->PageControl() != this) return;
  activePage_ = page;
  SetTabIndex(page != nullptr ? page->TabIndex() : -1);
  ShowActivePage();
}

void TPageControl::ShowActivePage() {
  for (TTabSheet* page : pages_) {
    if (page != activePage_) page->SetVisible(false);
  }
  Realign();
  if (activePage_ != nullptr) {
    activePage_->SetVisible(true);
    activePage_->BringToFront();
  }
}

void TPageControl::AlignControls(TControl* control, TRect& rect) {
  for (TTabSheet* page : pages_) page->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
  TCustomTabControl::AlignControls(control, rect);
}

void TPageControl::Change() {
  const int tab = TabIndex();
  for (TTabSheet* page : pages_) {
    if (page->TabIndex() == tab && tab >= 0) {
      activePage_ = page;
      ShowActivePage();
      break;
    }
  }
  TCustomTabControl::Change();
}

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  UpdateTabs();
  ShowActivePage();
}
