#include "skin/controls/Skinctrls_TreeView.h"

#include "skin/controls/Skinctrls_ScrollBar.h"
#include "skin/data/Skindata_Views.h"

namespace {

// The tree shows and hides its native bar itself (the style bit follows) but keeps the
// range of a bar it hid: a range alone does not say that there is something to scroll.
bool NativeBarShown(HWND window, int bar) {
  return (GetWindowLongA(window, GWL_STYLE) & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
}

bool SystemFromVersion6() { return LOBYTE(LOWORD(GetVersion())) >= 6; }

}  // namespace

TspSkinCustomTreeView::TspSkinCustomTreeView(TComponent* owner)
    : TCustomTreeView(owner), TspViewSkinLink(*this, "treeview") {
  Font()->Assign(defaultFont_.get());  // a tree that never meets a skin shows DefaultFont too
}

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

void TspSkinCustomTreeView::SetVScrollBar(TspSkinScrollBar* bar) {
  AttachBar(vScrollBar_, bar, TNotifyEvent(this, &TspSkinCustomTreeView::OnVScrollBarChange));
}

void TspSkinCustomTreeView::SetHScrollBar(TspSkinScrollBar* bar) {
  AttachBar(hScrollBar_, bar, TNotifyEvent(this, &TspSkinCustomTreeView::OnHScrollBarChange));
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
      ShowBar(vScrollBar_, NativeBarShown(Handle(), SB_VERT) && range.Max > 0 && visibleCount <= range.Max &&
                               range.Max < count && Visible());
  updating_ = false;
  if (vScrollBar_->Visible()) vScrollBar_->SetRange(range.Min, range.Max, range.Position, visibleCount);
  return changed;
}

bool TspSkinCustomTreeView::UpdateHorizontalBar() {
  if (hScrollBar_ == nullptr) return false;
  const TspNativeScrollRange range = NativeScrollRange(Handle(), SB_HORZ);
  updating_ = true;
  const bool changed = ShowBar(hScrollBar_, NativeBarShown(Handle(), SB_HORZ) && range.Max > Width() && Visible());
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
  if (AnswerFrameMessage(message)) return;
  TCustomTreeView::WndProc(message);
  FollowViewMessage(message);
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
