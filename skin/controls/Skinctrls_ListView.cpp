#include "skin/controls/Skinctrls_ListView.h"

#include <algorithm>
#include <cstdlib>

#include "skin/controls/Skinctrls_ScrollBar.h"
#include "skin/data/Skindata_Views.h"

namespace {

// The smallest view (either side) whose bars are updated.
constexpr int kSmallestSide = 5;

}  // namespace

TspSkinCustomListView::TspSkinCustomListView(TComponent* owner)
    : TCustomListView(owner),
      TspViewSkinLink(*this, "listview"),
      headerMethod_(this, &TspSkinCustomListView::HeaderWndProc) {
  Font()->Assign(defaultFont_.get());
}

TspSkinCustomListView::~TspSkinCustomListView() { UnhookHeader(); }

void TspSkinCustomListView::SetSkinData(TspSkinData* value) {
  if (StoreSkinData(value)) ChangeSkinData();
}

void TspSkinCustomListView::ChangeSkinData() {
  FindLook();
  ApplyLookOrDefaults<TspDataSkinListView>();
  ApplyCharset();
  UpDateScrollBars();
  RealignBars();
  if (ViewStyle() == vsReport && header_ != nullptr) InvalidateRect(header_, nullptr, TRUE);
}

void TspSkinCustomListView::SetVScrollBar(TspSkinScrollBar* bar) {
  AttachBar(vScrollBar_, bar, TNotifyEvent(this, &TspSkinCustomListView::OnVScrollBarChange));
}

void TspSkinCustomListView::SetHScrollBar(TspSkinScrollBar* bar) {
  AttachBar(hScrollBar_, bar, TNotifyEvent(this, &TspSkinCustomListView::OnHScrollBarChange));
}

void TspSkinCustomListView::UpDateScrollBars() {
  if (!HandleAllocated() || barScrolling_ || updating_) return;
  if (Width() <= kSmallestSide || Height() <= kSmallestSide) return;
  bool changed = false;
  switch (ViewStyle()) {
    case vsIcon:
    case vsSmallIcon:
      changed = UpdateIconBars();
      break;
    case vsList:
      changed = UpdateListBars();
      break;
    case vsReport:
      changed = UpdateReportBars();
      break;
  }
  FinishBarUpdate(changed);
}

bool TspSkinCustomListView::UpdateBar(TspSkinScrollBar* bar, int direction, bool visible, int page,
                                      int& lastPosition) {
  if (bar == nullptr) return false;
  const TspNativeScrollRange range = NativeScrollRange(Handle(), direction);
  updating_ = true;
  const bool changed = ShowBar(bar, visible && Visible());
  updating_ = false;
  if (bar->Visible()) {
    bar->SetRange(range.Min, range.Max, range.Position, page);
    lastPosition = range.Position;
  }
  return changed;
}

bool TspSkinCustomListView::UpdateIconBars() {
  const int step = std::max(FirstItemHeight() / 2, 1);
  for (TspSkinScrollBar* bar : {vScrollBar_, hScrollBar_}) {
    if (bar == nullptr) continue;
    bar->SetSmallChange(step);
    bar->SetLargeChange(step);
  }
  const int vMax = NativeScrollRange(Handle(), SB_VERT).Max;
  const int hMax = NativeScrollRange(Handle(), SB_HORZ).Max;
  const bool vChanged = UpdateBar(vScrollBar_, SB_VERT, vMax > Height(), Height(), lastVPosition_);
  const bool hChanged = UpdateBar(hScrollBar_, SB_HORZ, hMax > Width(), Width(), lastHPosition_);
  return vChanged || hChanged;
}

bool TspSkinCustomListView::UpdateListBars() {
  bool changed = false;
  if (vScrollBar_ != nullptr && vScrollBar_->Visible()) {
    updating_ = true;
    changed = ShowBar(vScrollBar_, false);
    updating_ = false;
  }
  const int perPage = static_cast<int>(SendMessageA(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
  const int count = static_cast<int>(SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0));
  const int columnWidth = FirstItemWidth();
  if (hScrollBar_ != nullptr) {
    hScrollBar_->SetSmallChange(1);
    hScrollBar_->SetLargeChange(1);
  }
  return UpdateBar(hScrollBar_, SB_HORZ, perPage < count, Width() / (columnWidth > 0 ? columnWidth : 1),
                   lastHPosition_) || changed;
}

bool TspSkinCustomListView::UpdateReportBars() {
  const int perPage = static_cast<int>(SendMessageA(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
  if (vScrollBar_ != nullptr) {
    vScrollBar_->SetSmallChange(1);
    vScrollBar_->SetLargeChange(std::max(perPage, 1));
  }
  const int vMax = NativeScrollRange(Handle(), SB_VERT).Max;
  const int hMax = NativeScrollRange(Handle(), SB_HORZ).Max;
  const bool vChanged = UpdateBar(vScrollBar_, SB_VERT, perPage < vMax + 1, perPage, lastVPosition_);
  const bool hChanged = UpdateBar(hScrollBar_, SB_HORZ, hMax > Width(), Width(), lastHPosition_);
  return vChanged || hChanged;
}

int TspSkinCustomListView::FirstItemHeight() {
  RECT bounds{LVIR_BOUNDS, 0, 0, 0};
  if (!SendMessageA(Handle(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&bounds))) return 0;
  return bounds.bottom - bounds.top;
}

int TspSkinCustomListView::FirstItemWidth() {
  RECT bounds{LVIR_BOUNDS, 0, 0, 0};
  if (!SendMessageA(Handle(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&bounds))) return 0;
  return bounds.right - bounds.left;
}

void TspSkinCustomListView::OnVScrollBarChange(TObject*) {
  barScrolling_ = true;
  const int position = vScrollBar_->Position();
  const int delta = position - lastVPosition_;
  const bool pixels = ViewStyle() == vsIcon || ViewStyle() == vsSmallIcon;
  Scroll(0, pixels ? delta : delta * FirstItemHeight());
  lastVPosition_ = position;
  barScrolling_ = false;
}

void TspSkinCustomListView::OnHScrollBarChange(TObject*) {
  barScrolling_ = true;
  const int position = hScrollBar_->Position();
  const int delta = position - lastHPosition_;
  if (ViewStyle() == vsList) {
    const WPARAM line = delta < 0 ? SB_LINELEFT : SB_LINERIGHT;
    for (int i = 0; i < std::abs(delta); ++i) SendMessageA(Handle(), WM_HSCROLL, line, 0);
  } else {
    Scroll(delta, 0);
  }
  lastHPosition_ = position;
  barScrolling_ = false;
}

void TspSkinCustomListView::WndProc(TMessage& message) {
  if (AnswerFrameMessage(message)) return;
  if (message.Msg == CM_SEPAINT) {
    if (header_ != nullptr) PaintHeader(reinterpret_cast<HDC>(message.WParam));
    message.Result = 0;
    return;
  }
  if (message.Msg == WM_PARENTNOTIFY && LOWORD(message.WParam) == WM_CREATE) HookCreatedChild(message);
  TCustomListView::WndProc(message);
  FollowViewMessage(message);
}

void TspSkinCustomListView::Loaded() {
  TCustomListView::Loaded();
  ChangeSkinData();
}

void TspSkinCustomListView::CreateParams(TCreateParams& params) {
  TCustomListView::CreateParams(params);
  params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TspSkinCustomListView::Notification(TComponent* component, TOperation operation) {
  TCustomListView::Notification(component, operation);
  if (operation == opRemove) Forget(component);
}
