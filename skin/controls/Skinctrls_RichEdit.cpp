#include "skin/controls/Skinctrls_RichEdit.h"

#include "skin/controls/Skinctrls_ScrollBar.h"
#include "skin/data/Skindata_Views.h"
#include "skin/data/Sputils_System.h"

namespace {

bool NativeBarIdle(HWND window, LONG objectId) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  MyGetScrollBarInfo(window, objectId, info);
  return (info.rgstate[0] & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE)) != 0;
}

}  // namespace

TspSkinRichEdit::TspSkinRichEdit(TComponent* owner) : TCustomRichEdit(owner), TspViewSkinLink(*this, "richedit") {
  SetScrollBars(ssBoth);
  Font()->Assign(defaultFont_.get());
}

TspSkinRichEdit::~TspSkinRichEdit() = default;

void TspSkinRichEdit::SetSkinData(TspSkinData* value) {
  if (StoreSkinData(value)) ApplySkin();
}

void TspSkinRichEdit::ApplySkin() {
  FindLook();
  if (skinSupport_) ApplyLookOrDefaults<TspDataSkinRichEdit>();
  ApplyCharset();
  UpDateScrollBars();
  RealignBars();
}

void TspSkinRichEdit::SetVScrollBar(TspSkinScrollBar* bar) {
  StoreBar(vScrollBar_, bar);
  if (bar != nullptr) {
    bar->OnChange = TNotifyEvent(this, &TspSkinRichEdit::OnVScrollBarChange);
    bar->OnUpButtonClick = TNotifyEvent(this, &TspSkinRichEdit::OnVScrollBarUpClick);
    bar->OnDownButtonClick = TNotifyEvent(this, &TspSkinRichEdit::OnVScrollBarDownClick);
  }
  UpDateScrollBars();
}

void TspSkinRichEdit::SetHScrollBar(TspSkinScrollBar* bar) {
  StoreBar(hScrollBar_, bar);
  if (bar != nullptr) bar->OnChange = TNotifyEvent(this, &TspSkinRichEdit::OnHScrollBarChange);
  UpDateScrollBars();
}

bool TspSkinRichEdit::VScrollDisabled() { return NativeBarIdle(Handle(), OBJID_VSCROLL); }

bool TspSkinRichEdit::HScrollDisabled() { return NativeBarIdle(Handle(), OBJID_HSCROLL); }

void TspSkinRichEdit::UpDateScrollBars() {
  if (!HandleAllocated()) return;
  if (vScrollBar_ != nullptr) UpdateBar(vScrollBar_, SB_VERT, VScrollDisabled());
  if (hScrollBar_ != nullptr) UpdateBar(hScrollBar_, SB_HORZ, HScrollDisabled());
}

void TspSkinRichEdit::UpdateBar(TspSkinScrollBar* bar, int direction, bool disabled) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  GetScrollInfo(Handle(), direction, &info);
  if (disabled) {
    bar->SetEnabled(false);
    SetScrollRange(Handle(), direction, 0, 0, FALSE);
    return;
  }
  if (!bar->Enabled()) bar->SetEnabled(true);
  bar->SetRange(info.nMin, info.nMax, info.nPos, static_cast<int>(info.nPage));
}

void TspSkinRichEdit::OnVScrollBarChange(TObject*) {
  SendMessageA(Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, vScrollBar_->Position() & 0xFFFF), 0);
}

void TspSkinRichEdit::OnHScrollBarChange(TObject*) {
  SendMessageA(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, hScrollBar_->Position() & 0xFFFF), 0);
}

void TspSkinRichEdit::OnVScrollBarUpClick(TObject*) {
  if (vScrollBar_->Position() < vScrollBar_->Max() - vScrollBar_->PageSize() + 1) {
    SendMessageA(Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  }
  UpDateScrollBars();
}

void TspSkinRichEdit::OnVScrollBarDownClick(TObject*) {
  if (vScrollBar_->Position() != 0) SendMessageA(Handle(), WM_VSCROLL, SB_LINEUP, 0);
  UpDateScrollBars();
}

void TspSkinRichEdit::WndProc(TMessage& message) {
  if (message.Msg == WM_NCCALCSIZE) {
    message.Result = 0;
    return;
  }
  TCustomRichEdit::WndProc(message);
  switch (message.Msg) {
    case WM_SIZE:
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      UpDateScrollBars();
      break;
    default:
      break;
  }
}

void TspSkinRichEdit::Loaded() {
  TCustomRichEdit::Loaded();
  ApplySkin();
}

void TspSkinRichEdit::CreateParams(TCreateParams& params) {
  TCustomRichEdit::CreateParams(params);
  params.Style &= ~WS_BORDER;
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TspSkinRichEdit::Notification(TComponent* component, TOperation operation) {
  TCustomRichEdit::Notification(component, operation);
  if (operation == opRemove) Forget(component);
}

void TspSkinRichEdit::Change() {
  TCustomRichEdit::Change();
  UpDateScrollBars();
}
