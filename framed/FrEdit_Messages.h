#pragma once
// The messages the framed edit and memo answer alike, whatever their class-library base.
#include "framed/FrEntryFrame.h"

namespace fredit_detail {

// FrameVisible changed: the frame is painted over the two-pixel sunken border of a
// Ctl3D window, so a visible frame asks for one; the window is made again.
template <class C>
void ShowEditFrame(C* control, bool visible) {
  if (visible) control->SetCtl3D(true);
  control->RecreateWnd();
}

// The frame over the standard border, the hot state and events of the pointer, the state
// colour after enabling, the frame after a resize; false for other messages.
template <class Base, class C>
bool DispatchFrameMessage(C* control, TMessage& message) {
  TFrEntryFrame& frame = control->EntryFrame();
  switch (message.Msg) {
    case WM_NCPAINT:
      control->Base::Dispatch(message);
      if (frame.DrawsOwnFrame()) {
        frame.PaintWindowFrame();
        message.Result = 0;
      }
      return true;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      control->Base::Dispatch(message);
      const bool entering = message.Msg == CM_MOUSEENTER;
      frame.ChangeHotState(true, entering);
      (entering ? control->OnMouseEnter : control->OnMouseLeave)(control);
      return true;
    }
    case CM_ENABLEDCHANGED:
      control->Base::Dispatch(message);
      if (control->HandleAllocated()) SendMessageA(control->Handle(), WM_NCPAINT, 1, 0);
      frame.ApplyStateColor();
      return true;
    case WM_SIZE:
    case CM_PARENTCOLORCHANGED:
      control->Base::Dispatch(message);
      if (frame.DrawsOwnFrame()) frame.RedrawWindowFrame();
      return true;
    default:
      return false;
  }
}

}  // namespace fredit_detail
