// The slider's input and painting: thumb drags, held presses on the ruler, keys, focus,
// and the face with its ruler, tick marks and thumb.
#include <algorithm>

#include "skin/controls/Skinctrls_RangeDrawing.h"
#include "skin/controls/Skinctrls_Slider.h"
#include "skin/data/Sputils_ParentImage.h"

namespace {

bool Inside(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

}  // namespace

// Mouse

void TspSkinCustomSlider::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || shift.Contains(ssDouble)) return;
  if (CanFocus()) SetFocus();
  if (Inside(thumbRect_, x, y)) {
    ThumbMouseDown(button, shift, x, y);
    return;
  }
  TRect ruler = Rect(rulerOrigin_.X, rulerOrigin_.Y, rulerOrigin_.X + ruler_->Width(),
                     rulerOrigin_.Y + ruler_->Height());
  if (Vertical()) InflateRect(ruler.AsRECT(), 3, 0);
  else InflateRect(ruler.AsRECT(), 0, 3);
  if (!Inside(ruler, x, y) || !Modifiable()) return;
  SetCaptureControl(this);
  tracking_ = true;
  lastPointer_ = Point(x, y);
  jumpDirection_ = JumpTo(x, y);
  JumpStep();
}

// One step of a held ruler press: a jump while the thumb has not passed the pointer.
void TspSkinCustomSlider::JumpStep() {
  if (JumpTo(lastPointer_.X, lastPointer_.Y) != jumpDirection_) return;
  ThumbJump(jumpDirection_);
  if (timerActive_) return;
  SetJumpTimer(kJumpInterval);
  timerActive_ = true;
}

void TspSkinCustomSlider::MouseMove(TShiftState shift, int x, int y) {
  if (shift.Contains(ssLeft) && sliding_) ThumbMouseMove(shift, x, y);
  else if (tracking_) lastPointer_ = Point(x, y);
  TspSkinControl::MouseMove(shift, x, y);
}

void TspSkinCustomSlider::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  StopTracking();
  if (sliding_) ThumbMouseUp(button, shift, x, y);
  TspSkinControl::MouseUp(button, shift, x, y);
}

void TspSkinCustomSlider::StopTracking() {
  if (!tracking_) return;
  if (timerActive_) KillJumpTimer();
  timerActive_ = false;
  tracking_ = false;
  if (GetCaptureControl() == this) SetCaptureControl(nullptr);
  Changed();
}

void TspSkinCustomSlider::SetJumpTimer(int interval) {
  if (HandleAllocated()) SetTimer(Handle(), kJumpTimer, static_cast<UINT>(interval), nullptr);
}

void TspSkinCustomSlider::KillJumpTimer() {
  if (HandleAllocated()) KillTimer(Handle(), kJumpTimer);
}

void TspSkinCustomSlider::ThumbMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  (void)shift;
  if (CanFocus()) SetFocus();
  if (button != mbLeft || !Modifiable()) return;
  sliding_ = true;
  thumbDown_ = true;
  hitOffset_ = Vertical() ? y - thumbRect_.Top : x - thumbRect_.Left;
  InvalidateThumb();
  Update();
}

void TspSkinCustomSlider::ThumbMouseMove(TShiftState shift, int x, int y) {
  if (shift.Contains(ssLeft) && Modifiable()) SetThumbOffset((Vertical() ? y : x) - hitOffset_);
}

void TspSkinCustomSlider::ThumbMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  (void)shift, (void)x, (void)y;
  if (button != mbLeft) return;
  sliding_ = false;
  thumbDown_ = false;
  InvalidateThumb();
  Update();
  if (Modifiable()) Changed();
}

// Keys and messages

void TspSkinCustomSlider::KeyDown(WORD& key, TShiftState shift) {
  int mode = 0;
  if (!shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) {
    if (key == VK_HOME) mode = 1;
    else if (key == VK_END) mode = 2;
    else if (key == (Vertical() ? VK_UP : VK_RIGHT)) mode = 3;
    else if (key == (Vertical() ? VK_DOWN : VK_LEFT)) mode = 4;
  }
  if (mode != 0 && Modifiable()) {
    key = 0;
    ThumbJump(mode);
    Changed();
  }
  TspSkinControl::KeyDown(key, shift);
}

void TspSkinCustomSlider::FocusChanged(TMessage& message) {
  const bool focused = reinterpret_cast<TControl*>(message.LParam) == this;
  if (focused != focused_) {
    focused_ = focused;
    if (options_.Contains(soShowFocus)) Invalidate();
  }
}

void TspSkinCustomSlider::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case WM_TIMER:
      if (message.WParam == kJumpTimer) JumpStep();
      return;
    case WM_SIZE:
      TspSkinControl::Dispatch(message);
      if (!ComponentState().Contains(csReading)) Sized();
      return;
    case CM_FOCUSCHANGED:
      FocusChanged(message);
      TspSkinControl::Dispatch(message);
      return;
    case CM_ENABLEDCHANGED:
      TspSkinControl::Dispatch(message);
      InvalidateThumb();
      return;
    case WM_CHECKPARENTBG:
    case WM_MOVE:
      TspSkinControl::Dispatch(message);
      if (transparent_) Invalidate();
      return;
    default:
      TspSkinControl::Dispatch(message);
  }
}

// Painting

void TspSkinCustomSlider::Paint() {
  GetSkinData();
  TCanvas* canvas = Canvas();
  TPoint at = Point(thumbRect_.Left, thumbRect_.Top);
  if (ControlState().Contains(csPaintCopy)) {
    int offset = GetOffsetByValue(GetSliderValue());
    at = GetThumbPosition(offset);
  }
  DrawBackground(canvas);
  if (ruler_->Width() > 0) {
    ruler_->SetTransparentMode(tmAuto);
    ruler_->SetTransparent(!(options_.Contains(soRulerOpaque) && lookIndex_ == -1));
    canvas->Draw(rulerOrigin_.X, rulerOrigin_.Y, ruler_.get());
  }
  if (options_.Contains(soShowFocus) && focused_ && !ComponentState().Contains(csDesigning)) {
    TRect focus = GetSliderRect();
    InflateRect(focus.AsRECT(), -2, -2);
    canvas->DrawFocusRect(focus);
  }
  if (options_.Contains(soShowPoints)) {
    if (OnDrawPoints) OnDrawPoints(this);
    else InternalDrawPoints(canvas, increment_, 3, 5);
  }
  DrawThumb(canvas, at);
}

void TspSkinCustomSlider::DrawBackground(TCanvas* canvas) {
  if (transparent_) {
    GetParentImage(this, canvas);
    return;
  }
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(lookIndex_ == -1 ? Color() : look_.BGColor);
  canvas->FillRect(Rect(0, 0, Width(), Height()));
}

void TspSkinCustomSlider::DrawThumb(TCanvas* canvas, const TPoint& at) {
  const bool second = thumbDown_ || !Enabled();
  TBitmap* picture = nullptr;
  TRect source;
  bool transparent = true;
  if (SkinThumb() && lookPicture_ != nullptr) {
    picture = lookPicture_;
    source = Vertical() ? look_.VThumb : look_.HThumb;
    const int half = source.Width() / 2;
    source = second ? Rect(source.Left + half, source.Top, source.Left + 2 * half, source.Bottom)
                    : Rect(source.Left, source.Top, source.Left + half, source.Bottom);
  } else {
    picture = images_[Vertical() ? imVThumb : imHThumb].get();
    const int w = picture->Width() / numThumbStates_;
    const int state = numThumbStates_ == 2 && second ? 1 : 0;
    source = Rect(state * w, 0, (state + 1) * w, picture->Height());
    transparent = !options_.Contains(soThumbOpaque);
  }
  if (source.Width() <= 0 || source.Height() <= 0) return;
  TBitmap thumb;
  thumb.SetPixelFormat(pf24bit);
  thumb.SetSize(source.Width(), source.Height());
  thumb.Canvas()->CopyRect(Rect(0, 0, source.Width(), source.Height()), picture->Canvas(), source);
  thumb.SetTransparentMode(tmAuto);
  thumb.SetTransparent(transparent);
  canvas->Draw(at.X, at.Y, &thumb);
}

// Tick marks

std::vector<int> TspSkinCustomSlider::PointValues(int step) const {
  const int RL = GetRulerLength(), range = maxValue_ - minValue_;
  int n = 1, size = step;
  for (int k = 1;; ++k) {
    size = step * k;
    n = size > 0 ? skinranges::Nearest(static_cast<double>(range) / size) + 1 : 1;
    const int spacing = n > 1 ? RL / (n - 1) : RL;
    if (spacing >= 4 || spacing >= RL) break;
  }
  std::vector<int> values;
  for (int i = 0; i < n; ++i) values.push_back(minValue_ + i * size);
  values.back() = maxValue_;
  return values;
}

void TspSkinCustomSlider::InternalDrawPoints(TCanvas* canvas, int step, int tickLength, int endTickLength) {
  canvas->Pen()->SetColor(lookIndex_ == -1 ? clWindowText : look_.PointsColor);
  const TExtent thumb = ThumbSize();
  for (int value : PointValues(step)) {
    const int length = value == minValue_ || value == maxValue_ ? endTickLength : tickLength;
    if (Vertical()) {
      const int y = GetOffsetByValue(value) + thumb.H / 2;
      canvas->MoveTo(pointsRect_.Left, y);
      canvas->LineTo(pointsRect_.Left + length, y);
    } else {
      const int x = GetOffsetByValue(value) + thumb.W / 2;
      canvas->MoveTo(x, pointsRect_.Top);
      canvas->LineTo(x, pointsRect_.Top + length);
    }
  }
}

void TspSkinCustomSlider::DefaultDrawPoints(int step, int tickLength, int endTickLength) {
  InternalDrawPoints(Canvas(), step, tickLength, endTickLength);
}
