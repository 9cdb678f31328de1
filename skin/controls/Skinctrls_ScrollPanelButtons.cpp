// TspSkinScrollPanel: the two scroll buttons in the non-client area (size, hit test,
// pointer, painting) and the window messages.
#include "skin/controls/Skinctrls_FrameMessages.h"
#include "skin/controls/Skinctrls_ScrollPanel.h"
#include "skin/data/Skindata_Buttons.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Glyphs.h"

namespace {

constexpr int kArrowLeft = 1;
constexpr int kArrowRight = 2;
constexpr int kArrowUp = 3;
constexpr int kArrowDown = 4;

TPoint Shifted(TPoint p, int dx, int dy) { return TPoint{p.X + dx, p.Y + dy}; }

}  // namespace

void TspSkinScrollPanel::PlaceButtons() {
  const int w = Width();
  const int h = Height();
  if (Vertical()) {
    buttons_[0].rect = Rect(0, 0, w, kButtonSize);
    buttons_[1].rect = Rect(0, h - kButtonSize, w, h);
  } else {
    buttons_[0].rect = Rect(0, 0, kButtonSize, h);
    buttons_[1].rect = Rect(w - kButtonSize, 0, w, h);
  }
}

void TspSkinScrollPanel::SetButtonsVisible(bool value) {
  if (ButtonsVisible() == value) return;
  for (TScrollButton& button : buttons_) button.visible = value;
  if (!HandleAllocated()) return;
  RecalcFrame(Handle());
  Realign();
}

void TspSkinScrollPanel::RepaintNonClient() {
  if (HandleAllocated()) SendMessage(Handle(), WM_NCPAINT, 1, 0);
}

void TspSkinScrollPanel::LeaveButtons() {
  for (TScrollButton& button : buttons_) {
    if (!button.hot) continue;
    if (timerMode_ != 0) StopTimer();
    button.hot = false;
    RepaintNonClient();
    return;
  }
}

// Painting

void TspSkinScrollPanel::DrawButtons(HDC dc) {
  for (int i = 0; i < 2; ++i) {
    if (!buttons_[i].visible) continue;
    const TRect& r = buttons_[i].rect;
    TBitmap image;
    image.SetSize(r.Width(), r.Height());
    DrawButton(image.Canvas(), i);
    BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), image.Canvas()->Handle(), 0, 0, SRCCOPY);
  }
}

void TspSkinScrollPanel::DrawButton(TCanvas* canvas, int index) {
  const TScrollButton& button = buttons_[index];
  const int w = button.rect.Width();
  const int h = button.rect.Height();
  const bool pressedLook = button.hot && (button.pressed || hotScroll_);
  TColor arrow = clBtnText;
  if (buttonLook_ != nullptr) {
    const TspDataSkinButtonControl& look = *buttonLook_;
    TRect part = look.SkinRect;
    arrow = look.FontColor;
    if (!look.DownSkinRect.IsEmpty() && pressedLook) {
      part = look.DownSkinRect;
      arrow = look.DownFontColor;
    } else if (button.hot && !look.ActiveSkinRect.IsEmpty()) {
      part = look.ActiveSkinRect;
      arrow = look.ActiveFontColor;
    }
    const int dx = w - look.SkinRect.Width();
    const int dy = h - look.SkinRect.Height();
    TBitmap face;
    const TRect ncr = Rect(look.ClientRect.Left, look.ClientRect.Top, look.ClientRect.Right + dx,
                           look.ClientRect.Bottom + dy);
    CreateSkinImage(look.LeftTopPoint, look.RightTopPoint, look.LeftBottomPoint, look.RightBottomPoint,
                    look.ClientRect, look.LeftTopPoint, Shifted(look.RightTopPoint, dx, 0),
                    Shifted(look.LeftBottomPoint, 0, dy), Shifted(look.RightBottomPoint, dx, dy), ncr, &face,
                    buttonPicture_, part, w, h, true, look.LeftStretch, look.TopStretch, look.RightStretch,
                    look.BottomStretch, look.StretchEffect, look.StretchType);
    canvas->Draw(0, 0, &face);
  } else {
    const TColor frame = button.hot ? static_cast<TColor>(0x800000) : clBtnShadow;
    const TColor inside = pressedLook ? static_cast<TColor>(0xB59385)
                          : button.hot ? static_cast<TColor>(0xD2BDB6)
                                       : clBtnFace;
    canvas->Brush()->SetColor(frame);
    canvas->FillRect(Rect(0, 0, w, h));
    canvas->Brush()->SetColor(inside);
    canvas->FillRect(Rect(1, 1, w - 1, h - 1));
  }
  const int code = index == 0 ? (Vertical() ? kArrowUp : kArrowLeft) : (Vertical() ? kArrowDown : kArrowRight);
  DrawArrowImage(canvas, Rect(0, 0, w, h), arrow, code);
}

// Messages

void TspSkinScrollPanel::WMNCCalcSize(TMessage& message) {
  GetSkinData();
  auto* rect = reinterpret_cast<RECT*>(message.LParam);
  if (buttons_[0].visible) (Vertical() ? rect->top : rect->left) += kButtonSize;
  if (buttons_[1].visible) (Vertical() ? rect->bottom : rect->right) -= kButtonSize;
  TspSkinControl::Dispatch(message);
}

void TspSkinScrollPanel::WMNCHitTest(TMessage& message) {
  const TPoint p = ScreenToClient(MessageScreenPoint(message.LParam));
  const LRESULT hit =
      ScrollButtonHit(ButtonsVisible(), Vertical() ? p.Y : p.X, Vertical() ? ClientHeight() : ClientWidth());
  if (hit != 0) message.Result = hit;
  else TspSkinControl::WndProc(message);
}

bool TspSkinScrollPanel::TakeFocusOnPress() {
  if (!canFocused_ || ComponentState().Contains(csDesigning) || Focused()) return false;
  SetFocus();
  return !Focused();
}

// Answers true when the message was handled here and goes no further.
bool TspSkinScrollPanel::NonClientMessage(TMessage& message) {
  const int index = ScrollButtonOfHit(message.WParam);
  switch (message.Msg) {
    case WM_NCMOUSEMOVE:
      if (index >= 0 && !buttons_[index].hot) {
        buttons_[index].hot = true;
        buttons_[1 - index].hot = false;
        RepaintNonClient();
        if (hotScroll_) ButtonDown(index);
      }
      return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (index >= 0) {
        buttons_[index].pressed = true;
        RepaintNonClient();
        ButtonDown(index);
      }
      return TakeFocusOnPress();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return TakeFocusOnPress();
    case WM_NCLBUTTONUP:
      if (index >= 0) {
        buttons_[index].pressed = false;
        RepaintNonClient();
        ButtonUp(index);
      }
      return false;
    case WM_MOUSEMOVE:
      LeaveButtons();
      return false;
    default:
      return false;
  }
}

void TspSkinScrollPanel::WndProc(TMessage& message) {
  const bool designing = ComponentState().Contains(csDesigning);
  if (message.Msg == WM_WINDOWPOSCHANGING && HandleAllocated() && Align() == alNone) GetScrollInfo();
  if (message.Msg == WM_NCHITTEST && !designing) {
    WMNCHitTest(message);
    return;
  }
  if (NonClientMessage(message)) return;
  TspSkinControl::WndProc(message);
}

void TspSkinScrollPanel::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      WMNCCalcSize(message);
      return;
    case WM_NCPAINT:
      if (ButtonsVisible()) {
        HDC dc = GetWindowDC(Handle());
        DrawButtons(dc);
        ReleaseDC(Handle(), dc);
      }
      TspSkinControl::Dispatch(message);
      return;
    case WM_SIZE:
      TspSkinControl::Dispatch(message);
      PlaceButtons();
      if (ButtonsVisible()) RepaintNonClient();
      return;
    case WM_SETCURSOR:
      if (ScrollButtonOfHit(LOWORD(message.LParam)) >= 0) message.LParam = MAKELPARAM(HTCLIENT, HIWORD(message.LParam));
      TspSkinControl::Dispatch(message);
      return;
    case WM_TIMER:
      WMTimer(message);
      return;
    case WM_MOUSEWHEEL:
      WMMouseWheel(message);
      return;
    case CM_SENCPAINT:
      // The form paints the non-client parts into a context of its own.
      if (message.WParam != 0 && ButtonsVisible()) {
        DrawButtons(reinterpret_cast<HDC>(message.WParam));
        message.Result = kFramePaintAnswer;
      } else {
        message.Result = 0;
      }
      return;
    case CM_BENCPAINT:
      if (message.LParam != kBackgroundFramePaint) {
        TspSkinControl::Dispatch(message);
        return;
      }
      if (message.WParam != 0 && ButtonsVisible()) DrawButtons(reinterpret_cast<HDC>(message.WParam));
      message.Result = kBackgroundFramePaint;
      return;
    case CM_WANTSPECIALKEY:
      if (canFocused_ && (message.WParam == VK_LEFT || message.WParam == VK_RIGHT || message.WParam == VK_UP ||
                          message.WParam == VK_DOWN)) {
        message.Result = 1;
        return;
      }
      TspSkinControl::Dispatch(message);
      return;
    case CM_MOUSELEAVE: {
      TspSkinControl::Dispatch(message);
      POINT cursor;
      GetCursorPos(&cursor);
      if (!ComponentState().Contains(csDesigning) && WindowFromPoint(cursor) != Handle()) LeaveButtons();
      return;
    }
    default:
      TspSkinControl::Dispatch(message);
  }
}
