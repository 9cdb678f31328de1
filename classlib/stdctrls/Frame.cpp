#include "classlib/stdctrls/Frame.h"

TCustomFrame::TCustomFrame(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  SetBounds(Left(), Top(), 320, 240);
  SetColor(clBtnFace);
  SetTabStop(true);
}
