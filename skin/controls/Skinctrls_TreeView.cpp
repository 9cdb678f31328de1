#include "skin/controls/Skinctrls_TreeView.h"

#include "classlib/windowing/ControlMessages.h"
#include "skin/controls/Skinctrls_ScrollBar.h"
#include "skin/data/Skindata_Views.h"

namespace {

bool SystemFromVersion6() { return LOBYTE(LOWORD(GetVersion())) >= 6; }

}  // namespace

TspSkinCustomTreeView::TspSkinCustomTreeView(TComponent* owner)
    : TCustomTreeView(owner), TspViewSkinLink(*this, "treeview") {}

TspSkinCustomTreeView::~TspSkinCustomTreeView() = default;

void TspSkinCustomTreeView::SetSkinData(TspSkinData* value) {
  if (StoreSkinData(value)) ChangeSkinData();
}

void TspSkinCustomTreeView::ChangeSkinData() {
  if (ComponentState().Contains(csLoading)) return;
  FindLook();
  ApplyLookOrDefaults<TspDataSkinTreeView>();
  ApplyCharset();
  for (TCustomImageList* images : {Images(), StateImages()}) {
    if (images != nullptr) images->SetBkColor(Color());
  }
  UpDateScrollBars();
  RealignBars();
}

void TspSkinCustomTreeView::SetDefaultFont(TFont* value) {
  defaultFont_->Assign(value);
  if (lookIndex_ == -1) Font()->Assign(value);
}

void TspSkinCustomTreeView::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (lookIndex_ == -1) SetColor(value);
}

void TspSkinCustomTreeView::SetVScrollBar(TspSkinScrollBar* bar) {
  StoreBar(vScrollBar_, bar);
  if (bar != nullptr) {
    bar->SetEnabled(true);
    bar->SetVisible(false);
    bar->OnChange = TNotifyEvent(this, &TspSkinCustomTreeView::OnVScrollBarChange);
  }
  UpDateScrollBars();
}

void TspSkinCustomTreeView::SetHScrollBar(TspSkinScrollBar* bar) {
  StoreBar(hScrollBar_, bar);
  if (bar != nullptr) {
    bar->SetEnabled(true);
    bar->SetVisible(false);
    bar->OnChange = TNotifyEvent(this, &TspSkinCustomTreeView::OnHScrollBarChange);
  }
  UpDateScrollBars();
}

void TspSkinCustomTreeView::UpDateScrollBars() {
  if (ComponentState().Contains(csLoading) || updating_ || !HandleAllocated()) return;
  const bool vChanged = UpdateVerticalBar();
  const bool hChanged = UpdateHorizontalBar();
  FinishBarUpdate(vChanged || hChanged);
}

bool TspSkinCustomTreeView::UpdateVerticalBar() {
  if (vScrollBar_ == nullptr) return false;
  const TspNativeScrollRange range = NativeScrollRange(Handle(), SB_VERT);
  const int visibleCount = static_cast<int>(SendMessageA(Handle(), TVM_GETVISIBLECOUNT, 0, 0));
  const int count = static_cast<int>(SendMessageA(Handle(), TVM_GETCOUNT, 0, 0));
  updating_ = true;
  const bool changed =
      ShowBar(vScrollBar_, range.Max > 0 && visibleCount <= range.Max && range.Max < count && Visible());
  updating_ = false;
  if (vScrollBar_->Visible()) vScrollBar_->SetRange(range.Min, range.Max, range.Position, visibleCount);
  return changed;
}

bool TspSkinCustomTreeView::UpdateHorizontalBar() {
  if (hScrollBar_ == nullptr) return false;
  const TspNativeScrollRange range = NativeScrollRange(Handle(), SB_HORZ);
  updating_ = true;
  const bool changed = ShowBar(hScrollBar_, range.Max > Width() && Visible());
  updating_ = false;
  if (hScrollBar_->Visible()) hScrollBar_->SetRange(range.Min, range.Max, range.Position, Width());
  return changed;
}

void TspSkinCustomTreeView::OnVScrollBarChange(TObject*) {
  const int position = vScrollBar_->Position();
  if (SystemFromVersion6()) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
  }
  SendMessageA(Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position & 0xFFFF), 0);
}

void TspSkinCustomTreeView::OnHScrollBarChange(TObject*) {
  SendMessageA(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, hScrollBar_->Position() & 0xFFFF), 0);
}

void TspSkinCustomTreeView::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      message.Result = 0;
      return;
    case CM_SENCPAINT:
      message.Result = kNoFramePainted;
      return;
    default:
      break;
  }
  TCustomTreeView::WndProc(message);
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
      ShowBarsWithView();
      break;
    case WM_SIZE:
    case WM_PAINT:
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
      UpDateScrollBars();
      break;
    default:
      break;
  }
}

void TspSkinCustomTreeView::Loaded() {
  TCustomTreeView::Loaded();
  ChangeSkinData();
}

void TspSkinCustomTreeView::CreateParams(TCreateParams& params) {
  TCustomTreeView::CreateParams(params);
  params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TspSkinCustomTreeView::Notification(TComponent* component, TOperation operation) {
  TCustomTreeView::Notification(component, operation);
  if (operation == opRemove) Forget(component);
}

void TspSkinCustomTreeView::Change(TTreeNode* node) {
  TCustomTreeView::Change(node);
  UpDateScrollBars();
}
