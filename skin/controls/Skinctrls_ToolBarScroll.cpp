// TspSkinToolBar: the two scroll buttons in the non-client area, their painting and the
// mouse on them.
#include "skin/controls/Skinctrls_ResizeButton.h"
#include "skin/controls/Skinctrls_ToolBar.h"

namespace {

constexpr UINT_PTR kScrollTimer = 1;
constexpr int kArrowLeft = 1;
constexpr int kArrowRight = 2;

}  // namespace

void TspSkinToolBar::SetButtonsVisible(bool value) {
  if (buttonsVisible_ == value) return;
  buttonsVisible_ = value;
  if (!value) StopScrolling();
  for (TScrollButton& button : buttons_) button = TScrollButton{button.rect};
  if (HandleAllocated()) RecalcFrame(Handle());
}

void TspSkinToolBar::WMNCCalcSize(TMessage& message) {
  TspSkinPanel::Dispatch(message);
  if (!canScroll_ || !buttonsVisible_) return;
  auto* rect = reinterpret_cast<RECT*>(message.LParam);
  rect->left += kScrollButtonWidth;
  rect->right -= kScrollButtonWidth;
  if (rect->right < rect->left) rect->right = rect->left;
}

void TspSkinToolBar::PaintScrollButtons() {
  if (!buttonsVisible_ || !HandleAllocated()) return;
  HDC dc = GetWindowDC(Handle());
  DrawScrollButton(dc, buttons_[0], kArrowLeft);
  DrawScrollButton(dc, buttons_[1], kArrowRight);
  ReleaseDC(Handle(), dc);
}

void TspSkinToolBar::DrawScrollButton(HDC dc, const TScrollButton& button, int arrow) {
  const int w = button.rect.Width(), h = button.rect.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap face;
  face.SetPixelFormat(pf24bit);
  face.SetSize(w, h);
  const TspButtonState state{button.hot, button.down || (button.hot && hotScroll_)};
  const TRect r = Rect(0, 0, w, h);
  if (!DrawSkinButton(skinData_, "resizebutton", face.Canvas(), r, state, arrow))
    DrawDefaultButton(face.Canvas(), r, state, true, arrow);
  BitBlt(dc, button.rect.Left, button.rect.Top, w, h, face.Canvas()->Handle(), 0, 0, SRCCOPY);
}

// The mouse

void TspSkinToolBar::StartScrolling(TScrollDirection direction) {
  direction_ = direction;
  SetTimer(Handle(), kScrollTimer, static_cast<UINT>(scrollTimerInterval_), nullptr);
  timerRunning_ = true;
}

void TspSkinToolBar::StopScrolling() {
  if (timerRunning_ && HandleAllocated()) KillTimer(Handle(), kScrollTimer);
  timerRunning_ = false;
}

void TspSkinToolBar::NCMouseMove(int index) {
  if (buttons_[index].hot) return;
  buttons_[index].hot = true;
  buttons_[1 - index].hot = false;
  PaintScrollButtons();
  if (hotScroll_) StartScrolling(index == 0 ? TScrollDirection::Left : TScrollDirection::Right);
}

void TspSkinToolBar::LeaveScrollButtons() {
  if (!buttons_[0].hot && !buttons_[1].hot) return;
  if (timerRunning_) StopScrolling();
  buttons_[0].hot = buttons_[1].hot = false;
  PaintScrollButtons();
}

bool TspSkinToolBar::ScrollButtonMessage(TMessage& message) {
  const int index = ScrollButtonOfHit(message.WParam);
  switch (message.Msg) {
    case WM_NCHITTEST: {
      const TPoint p = ScreenToClient(MessageScreenPoint(message.LParam));
      message.Result = ScrollButtonHit(buttonsVisible_, p.X, ClientWidth());
      return message.Result != 0;
    }
    case WM_SETCURSOR:
      if (ScrollButtonOfHit(LOWORD(message.LParam)) >= 0)
        message.LParam = MAKELPARAM(HTCLIENT, HIWORD(message.LParam));
      return false;
    case WM_NCMOUSEMOVE:
      if (index >= 0) NCMouseMove(index);
      return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (index < 0) return false;
      buttons_[index].down = true;
      PaintScrollButtons();
      StartScrolling(index == 0 ? TScrollDirection::Left : TScrollDirection::Right);
      return true;
    case WM_NCLBUTTONUP:
      if (index < 0) return false;
      buttons_[index].down = false;
      PaintScrollButtons();
      StopScrolling();
      direction_ = TScrollDirection::None;
      ScrollStep(index == 1);
      return true;
    case WM_MOUSEMOVE:
      LeaveScrollButtons();
      return false;
    case CM_MOUSELEAVE: {
      POINT cursor;
      GetCursorPos(&cursor);
      if (WindowFromPoint(cursor) != Handle()) LeaveScrollButtons();
      return false;
    }
    default:
      return false;
  }
}

void TspSkinToolBar::WndProc(TMessage& message) {
  if (canScroll_ && !ComponentState().Contains(csDesigning) && ScrollButtonMessage(message)) return;
  TspSkinPanel::WndProc(message);
}
