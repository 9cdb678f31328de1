// The framed edit's drop-down button for descendants: a strip of the non-client area at
// the right edge that opens with a press or Alt+Down.
#include "framed/FrCommon_Drawing.h"
#include "framed/FrEdit.h"
#include "framed/FrThemes.h"

namespace {

bool StylesInUse() { return ThemeServices != nullptr && ThemeServices->StylesActive(); }

}  // namespace

void TFrCustomEdit::SetDropButtonVisible(bool visible) {
  if (visible == dropButtonVisible_) return;
  dropButtonVisible_ = visible;
  RecreateWnd();
}

void TFrCustomEdit::SetDropButtonState(bool down) {
  if (!dropButtonVisible_ || down == dropButtonDown_) return;
  dropButtonDown_ = down;
  if (HandleAllocated()) SendMessageA(Handle(), WM_NCPAINT, 1, 0);
}

TRect TFrCustomEdit::DropButtonRect() const {
  TRect outer = Rect(0, 0, Width(), Height());
  if (BorderStyle() == bsSingle) {
    const int inset = StylesInUse() ? 1 : 2;
    outer = Rect(outer.Left + inset, outer.Top + inset, outer.Right - inset, outer.Bottom - inset);
  }
  return Rect(outer.Right - GetSystemMetrics(SM_CXVSCROLL), outer.Top, outer.Right, outer.Bottom);
}

// The press: focus, the button down and the mouse held while OnDropDown and OnCloseUp
// run, then everything back up (also when an event raises). Opened by the keyboard, the
// mouse is let go again at once: no release would come to free it.
void TFrCustomEdit::OpenDropButton() {
  if (!Focused() && CanFocus()) SetFocus();
  struct TRaise {
    TFrCustomEdit* edit;
    ~TRaise() {
      edit->SetDropButtonState(false);
      edit->droppedDown_ = false;
      if (GetKeyState(VK_LBUTTON) >= 0 && GetCapture() == edit->Handle()) ReleaseCapture();
    }
  } raise{this};
  droppedDown_ = true;
  SetCapture(Handle());
  SetDropButtonState(true);
  OnDropDown(this);
  OnCloseUp(this);
}

bool TFrCustomEdit::DropButtonMessage(TMessage& message) {
  if (!dropButtonVisible_) return false;
  switch (message.Msg) {
    case WM_NCCALCSIZE: {
      auto* rect = reinterpret_cast<RECT*>(message.LParam);
      rect->right -= GetSystemMetrics(SM_CXVSCROLL) - (StylesInUse() ? 1 : 0);
      TCustomMaskEdit::Dispatch(message);
      return true;
    }
    case WM_NCHITTEST:
      TCustomMaskEdit::Dispatch(message);
      mouseOverButton_ = message.Result == HTNOWHERE;
      if (mouseOverButton_) message.Result = HTCLIENT;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!mouseOverButton_) return false;
      OpenDropButton();
      message.Result = 0;
      return true;
    case WM_RBUTTONDOWN:
      return mouseOverButton_;
    case WM_SETCURSOR:
      if (!mouseOverButton_) return false;
      message.LParam = MAKELPARAM(0, HIWORD(message.LParam));
      return false;
    case WM_LBUTTONUP:
    case WM_KILLFOCUS:
      if (!droppedDown_) SetDropButtonState(false);
      if (GetCapture() == Handle()) ReleaseCapture();
      return false;
    case WM_NCPAINT:
      TCustomMaskEdit::Dispatch(message);
      frame_.PaintWindowFrame();
      PaintDropButton(DropButtonRect());
      message.Result = 0;
      return true;
    default:
      return false;
  }
}

// The button on the window's own context, in window coordinates.
void TFrCustomEdit::PaintDropButton(const TRect& rect) {
  if (!HandleAllocated()) return;
  TControlCanvas* canvas = frame_.Canvas();
  canvas->SetWindow(Handle(), true);
  struct TReleaseContext {
    TControlCanvas* canvas;
    ~TReleaseContext() { canvas->FreeHandle(); }
  } release{canvas};
  const bool hot = frame_.Hot() && Enabled();
  const bool styled = StylesInUse();
  if (flatButtons_ && !hot && !dropButtonDown_) {
    canvas->Brush()->SetColor(!styled && Focused() ? frame_.FocusColor() : styled ? Color() : frame_.RestColor());
    canvas->FillRect(rect);
    PaintDropArrow(canvas, rect, styled, false, Enabled());
  } else if (styled) {
    const int state = !Enabled() ? 5 : dropButtonDown_ ? 4 : hot ? 3 : 2;
    ThemeServices->PaintElement(canvas->Handle(), TThemeServices::ComboBoxElement(state), rect);
  } else if (!flatButtons_) {
    RECT area = *rect.AsRECT();
    UINT state = DFCS_SCROLLCOMBOBOX;
    if (dropButtonDown_) state |= DFCS_PUSHED | DFCS_FLAT;
    if (!Enabled()) state |= DFCS_INACTIVE;
    DrawFrameControl(canvas->Handle(), &area, DFC_SCROLL, state);
  } else {
    PaintHotFlatDropButton(canvas, rect, flatButtonColor_, dropButtonDown_, Enabled());
  }
}
