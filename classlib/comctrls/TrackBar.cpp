#include "classlib/comctrls/TrackBar.h"

#include <algorithm>

#include "classlib/comctrls/CommonControls.h"

#include <commctrl.h>

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(Left(), Top(), 150, 45);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  InitializeCommonControls();
  TWinControl::CreateParams(params);
  CreateSubClass(params, TRACKBAR_CLASSA);
  params.Style |= WS_TABSTOP | TBS_AUTOTICKS | (orientation_ == trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::CreateHandleState() {
  TWinControl::CreateHandleState();
  HWND window = Handle();
  SendMessageA(window, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageA(window, TBM_SETRANGEMAX, FALSE, max_);
  SendMessageA(window, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
  SendMessageA(window, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  if (HandleAllocated()) {
    SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageA(Handle(), TBM_SETRANGEMAX, TRUE, max_);
  }
  SetPosition(position_);
}

void TTrackBar::SetMin(int value) { SetRange(value, max_); }

void TTrackBar::SetMax(int value) { SetRange(min_, value); }

void TTrackBar::SetPosition(int value) {
  value = std::clamp(value, min_, max_);
  if (value == position_) return;
  position_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
  Changed();
}

void TTrackBar::SetFrequency(int value) {
  frequency_ = std::max(value, 1);
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TTrackBar::Changed() {
  if (!ComponentState().Contains(csLoading)) OnChange(this);
}

void TTrackBar::ScrollNotified() {
  const auto position = static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
  if (position == position_) return;
  position_ = position;
  Changed();
}

void TTrackBar::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
      ScrollNotified();
      message.Result = 0;
      return;
    default:
      TWinControl::Dispatch(message);
  }
}
