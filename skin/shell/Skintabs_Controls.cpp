// The skinned page control with its sheets and the skinned tab control: what differs
// between the two over the shared core.
#include <algorithm>

#include "classlib/windowing/ControlMessages.h"
#include "skin/controls/Skinctrls_Link.h"
#include "skin/controls/Skinctrls_ViewLink.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/shell/Skintabs.h"

namespace {

// Whether the pointer is over `control`'s own window.
bool PointerOver(TWinControl* control) {
  POINT cursor;
  return GetCursorPos(&cursor) && control->HandleAllocated() && WindowFromPoint(cursor) == control->Handle();
}

// The tab control's close states: one per tab index 0..254.
constexpr size_t kCloseStates = 255;

}  // namespace

// Sheets

TspSkinCustomTabSheet::TspSkinCustomTabSheet(TComponent* owner)
    : TTabSheet(owner), wallPaper_(std::make_unique<TBitmap>()) {
  SetAlign(alClient);
  TControlStyle style = ControlStyle();
  style.Include(csAcceptsControls);
  SetControlStyle(style);
  SetVisible(false);
}

TspSkinCustomTabSheet::~TspSkinCustomTabSheet() { SetPageControl(nullptr); }

void TspSkinCustomTabSheet::CreateParams(TCreateParams& params) {
  TTabSheet::CreateParams(params);
  params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TspSkinCustomTabSheet::SetWallPaper(TBitmap* value) {
  wallPaper_->Assign(value);
  if (ComponentState().Contains(csDesigning)) Invalidate();
}

TspSkinPageControl* TspSkinCustomTabSheet::SkinPageControl() const {
  return dynamic_cast<TspSkinPageControl*>(PageControl());
}

void TspSkinCustomTabSheet::PaintBG(HDC dc) {
  TspSkinPageControl* control = SkinPageControl();
  if (Width() <= 0 || Height() <= 0 || control == nullptr) return;
  control->GetSkinData();
  TspDCCanvas canvas(dc);
  const TRect area = ClientRect();
  if (!wallPaper_->Empty()) {
    PaintLookPart(canvas.get(), wallPaper_.get(), Rect(0, 0, wallPaper_->Width(), wallPaper_->Height()), area, false,
                  spstFull);
    return;
  }
  control->PaintBackground(canvas.get(), area);
}

void TspSkinCustomTabSheet::CheckControlsBackground() {
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* child = dynamic_cast<TWinControl*>(Controls(i)); child != nullptr && child->HandleAllocated())
      SendMessageA(child->Handle(), WM_CHECKPARENTBG, 0, 0);
  }
}

void TspSkinCustomTabSheet::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_SENCPAINT:
      message.Result = kNoFramePainted;
      return;
    case WM_ERASEBKGND:
      PaintBG(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_SIZE: {
      TTabSheet::Dispatch(message);
      Invalidate();
      TspSkinPageControl* control = SkinPageControl();
      if (control != nullptr && control->LookIndex() >= 0 && control->Look().StretchEffect) CheckControlsBackground();
      return;
    }
    default:
      TTabSheet::Dispatch(message);
  }
}

// Page control

TspSkinPageControl::TspSkinPageControl(TComponent* owner) : TspSkinTabs<TPageControl>(owner) {}

int TspSkinPageControl::VisibleTabCount() {
  int count = 0;
  for (int i = 0; i < PageCount(); ++i) count += Pages(i)->TabVisible() ? 1 : 0;
  return count;
}

bool TspSkinPageControl::CheckVisibleTabs() const {
  for (int i = 0; i < PageCount(); ++i) {
    if (Pages(i)->TabVisible()) return true;
  }
  return false;
}

int TspSkinPageControl::ItemOfTab(int visible) {
  for (int i = 0; i < PageCount(); ++i) {
    if (Pages(i)->TabVisible() && visible-- == 0) return i;
  }
  return -1;
}

AnsiString TspSkinPageControl::ItemCaption(int ti) {
  return ti >= 0 && ti < PageCount() ? Pages(ti)->Caption() : AnsiString();
}

int TspSkinPageControl::ItemImage(int ti) {
  if (images_ == nullptr || ti < 0 || ti >= PageCount()) return -1;
  const int index = Pages(ti)->ImageIndex();
  return index >= 0 && index < images_->Count() ? index : -1;
}

bool TspSkinPageControl::ItemEnabled(int ti) { return ti >= 0 && ti < PageCount() && Pages(ti)->Enabled(); }

TspTabCloseState* TspSkinPageControl::CloseState(int ti) {
  if (ti < 0 || ti >= PageCount()) return nullptr;
  auto* sheet = dynamic_cast<TspSkinCustomTabSheet*>(Pages(ti));
  return sheet != nullptr ? &sheet->Close() : nullptr;
}

void TspSkinPageControl::DoClose() {
  TTabSheet* page = ActivePage();
  if (page == nullptr) return;
  bool canClose = true;
  OnClose(page, canClose);
  if (canClose) {
    page->SetTabVisible(false);
    if (freeOnClose_) delete page;
    OnAfterClose(this);
    return;
  }
  if (!PointerOver(this)) {
    ClearCloseState(page->PageIndex());
    RedrawTabs();
  }
}

void TspSkinPageControl::EraseBackground(TMessage& message) {
  message.Result = 1;
  if (PageCount() > 0 && CheckVisibleTabs()) return;
  GetSkinData();
  if (lookIndex_ < 0) {
    TspSkinTabs<TPageControl>::DefaultErase(message);
    return;
  }
  TspDCCanvas canvas(reinterpret_cast<HDC>(message.WParam));
  PaintBackground(canvas.get(), ClientRect());
}

void TspSkinPageControl::Change() {
  TspSkinTabs<TPageControl>::Change();
  if (ActivePage() != nullptr) ActivePage()->Invalidate();
}

void TspSkinPageControl::AfterChangeSkinData() {
  if (ActivePage() != nullptr) ActivePage()->Invalidate();
}

void TspSkinPageControl::HideTabs() {
  if (tabsHidden_ || savedTabHeight_ != -1 || !CheckVisibleTabs()) return;
  tabsHidden_ = true;
  savedPosition_ = TabPosition();
  savedMultiLine_ = MultiLine();
  if (Vertical()) SetTabPosition(tpTop);
  SetMultiLine(false);
  savedTabHeight_ = TabHeight();
  SetTabHeight(1);
  HideSkinUpDown();
  Realign();
  Invalidate();
}

void TspSkinPageControl::ShowTabs() {
  if (!tabsHidden_) return;
  SetTabPosition(savedPosition_);
  SetMultiLine(savedMultiLine_);
  tabsHidden_ = false;
  SetTabHeight(std::max(savedTabHeight_, 0));
  // Without a tab height of its own the row takes the look's or the default height again.
  ApplyItemSize();
  savedTabHeight_ = -1;
  Realign();
  if (!MultiLine()) CheckScroll();
  Invalidate();
}

// Tab control

TspSkinTabControl::TspSkinTabControl(TComponent* owner) : TspSkinTabs<TTabControl>(owner) {}

int TspSkinTabControl::VisibleTabCount() { return Tabs()->Count(); }

AnsiString TspSkinTabControl::ItemCaption(int ti) {
  return ti >= 0 && ti < Tabs()->Count() ? Tabs()->Strings(ti) : AnsiString();
}

int TspSkinTabControl::ItemImage(int ti) {
  return images_ != nullptr && ti >= 0 && ti < images_->Count() ? ti : -1;
}

void TspSkinTabControl::SetShowCloseButtons(bool value) {
  closeStates_.assign(value ? kCloseStates : 0, TspTabCloseState{});
  TspSkinTabs<TTabControl>::SetShowCloseButtons(value);
}

TspTabCloseState* TspSkinTabControl::CloseState(int ti) {
  if (ti < 0 || static_cast<size_t>(ti) >= closeStates_.size()) return nullptr;
  return &closeStates_[static_cast<size_t>(ti)];
}

void TspSkinTabControl::DoClose() {
  const int index = TabIndex();
  if (index < 0) return;
  bool canClose = true;
  OnClose(index, canClose);
  if (canClose) {
    Tabs()->Delete(index);
    // The tabs after it moved down one place, and their close states with them.
    if (static_cast<size_t>(index) < closeStates_.size()) {
      closeStates_.erase(closeStates_.begin() + index);
      closeStates_.emplace_back();
    }
    Invalidate();
    OnAfterClose(this);
    return;
  }
  if (!PointerOver(this)) {
    ClearCloseState(index);
    RedrawTabs();
  }
}

void TspSkinTabControl::EraseBackground(TMessage& message) {
  if (!painting_) PaintBG(reinterpret_cast<HDC>(message.WParam));
  message.Result = 1;
}

void TspSkinTabControl::PaintBG(HDC dc) {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  TspDCCanvas canvas(dc);
  PaintBackground(canvas.get(), ClientRect());
}
