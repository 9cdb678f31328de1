// The range bar and the gauge bar: positions, handles, dragging, auto-repeat and wheel.
#include <algorithm>

#include "imaging/Bitmap32_RangeBars.h"
#include "imaging/Bitmap32_Rounding.h"

namespace imaging {

namespace {

// Below this length a range bar's handle is drawn this long, not in proportion.
constexpr int32_t kMinHandleLength = 17;

::TRect PlaceAlong(::TRect track, bool horizontal, int32_t offset, int32_t length) {
  if (horizontal) {
    track.Left += offset;
    track.Right = track.Left + length;
  } else {
    track.Top += offset;
    track.Bottom = track.Top + length;
  }
  return track;
}

}  // namespace

// --- Range bar -------------------------------------------------------------------------------

TCustomRangeBar::TCustomRangeBar(TComponent* owner) : TArrowBar(owner) { UpdateEffectiveWindow(); }

void TCustomRangeBar::UpdateEffectiveWindow() {
  effectiveWindow_ = window_ > 0 ? window_ : Horizontal() ? Width() : Height();
}

void TCustomRangeBar::AdjustPosition() {
  if (position_ > static_cast<float>(range_ - effectiveWindow_)) position_ = static_cast<float>(range_ - effectiveWindow_);
  if (position_ < 0) position_ = 0;
}

void TCustomRangeBar::SetPosition(float value) {
  if (value == position_) return;
  const float old = position_;
  position_ = value;
  AdjustPosition();
  if (position_ == old) return;
  Invalidate();
  DoChange();
}

void TCustomRangeBar::Recentre(int32_t oldWindow, int32_t oldRange) {
  const double centre =
      oldWindow < oldRange && oldRange != 0 ? (oldWindow * 0.5 + position_) / oldRange : 0.5;
  position_ = static_cast<float>(range_ * centre - effectiveWindow_ * 0.5);
}

void TCustomRangeBar::SetParams(int32_t range, int32_t window) {
  range = std::max(range, 0);
  window = std::max(window, 0);
  if (range == range_ && window == effectiveWindow_) return;
  const int32_t oldWindow = effectiveWindow_;
  const int32_t oldRange = range_;
  range_ = range;
  window_ = window;
  UpdateEffectiveWindow();
  if (centered_ && effectiveWindow_ < range_) Recentre(oldWindow, oldRange);
  AdjustPosition();
  Invalidate();
}

void TCustomRangeBar::Resize() {
  const int32_t oldWindow = effectiveWindow_;
  UpdateEffectiveWindow();
  if (centered_ && effectiveWindow_ < range_) Recentre(oldWindow, range_);
  AdjustPosition();
  TArrowBar::Resize();
}

bool TCustomRangeBar::DrawEnabled() { return Enabled() && effectiveWindow_ < range_; }

::TRect TCustomRangeBar::GetHandleRect() {
  const ::TRect track = GetTrackBoundary();
  const int32_t length = Horizontal() ? track.Width() : track.Height();
  if (length <= kMinHandleLength) return ::TRect{};
  if (effectiveWindow_ >= range_) return track;
  int32_t size = Round(static_cast<double>(length * effectiveWindow_) / range_);
  int32_t offset = Round(length * static_cast<double>(position_) / range_);
  if (size < kMinHandleLength) {
    size = kMinHandleLength;
    offset = Round((length - kMinHandleLength) * static_cast<double>(position_) / (range_ - effectiveWindow_));
  }
  return PlaceAlong(track, Horizontal(), offset, size);
}

void TCustomRangeBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (effectiveWindow_ >= range_) return;
  TArrowBar::MouseDown(button, shift, x, y);
  if (DragZone() != zHandle) return;
  StartHotTracking();
  positionBeforeDrag_ = position_;
}

float TCustomRangeBar::HandleDragDistance(int32_t d) {
  int32_t travel = ClientLengthAlong() - 2 * GetButtonSize();
  if (BorderStyle() == bsSingle) travel -= 2;
  // A handle drawn at its least length moves over the track less that length.
  if (travel > kMinHandleLength && Round(static_cast<double>(effectiveWindow_) * travel / range_) < kMinHandleLength) {
    return static_cast<float>(Round(static_cast<double>(d) * (range_ - effectiveWindow_) / (travel - kMinHandleLength)));
  }
  return travel > 0 ? static_cast<float>(static_cast<double>(range_) * d / travel) : 0.0f;
}

void TCustomRangeBar::MouseMove(TShiftState shift, int x, int y) {
  TArrowBar::MouseMove(shift, x, y);
  if (DragZone() != zHandle || range_ <= effectiveWindow_) return;
  const float moved = HandleDragDistance(Along(x, y) - PressAlong());
  AsUserChange([&] { SetPosition(positionBeforeDrag_ + moved); });
}

void TCustomRangeBar::TimerHandler(TObject* sender) {
  TArrowBar::TimerHandler(sender);
  RepeatStep(increment_, effectiveWindow_);
}

bool TCustomRangeBar::StepPosition(int32_t delta) {
  const float old = position_;
  SetPosition(position_ + static_cast<float>(delta));
  return position_ != old;
}

bool TCustomRangeBar::DoMouseWheel(TShiftState shift, int wheelDelta, const ::TPoint& mousePos) {
  if (!TArrowBar::DoMouseWheel(shift, wheelDelta, mousePos)) {
    SetPosition(position_ + static_cast<float>(wheelDelta) * increment_ / 120);
  }
  return true;
}

// --- Gauge bar -------------------------------------------------------------------------------

TCustomGaugeBar::TCustomGaugeBar(TComponent* owner) : TArrowBar(owner) {}

void TCustomGaugeBar::SetHandleSize(int32_t value) {
  value = std::max(value, 0);
  if (value == handleSize_) return;
  handleSize_ = value;
  Invalidate();
}

void TCustomGaugeBar::SetPosition(int32_t value) {
  value = std::clamp(value, min_, std::max(min_, max_));
  if (value == position_) return;
  position_ = value;
  Invalidate();
  DoChange();
}

void TCustomGaugeBar::SetLimit(int32_t& limit, int32_t value) {
  if (value == limit) return;
  limit = value;
  SetPosition(position_);
  Invalidate();
}

void TCustomGaugeBar::SetMin(int32_t value) {
  if (!ComponentState().Contains(csLoading) && value >= max_) value = max_ - 1;
  SetLimit(min_, value);
}

void TCustomGaugeBar::SetMax(int32_t value) {
  if (!ComponentState().Contains(csLoading) && value <= min_) value = min_ + 1;
  SetLimit(max_, value);
}

int32_t TCustomGaugeBar::GetHandleSize() {
  const int32_t length = TrackLength();
  int32_t size = handleSize_ != 0 ? handleSize_ : Horizontal() ? ClientHeight() : ClientWidth();
  if (size >= length) size = length - 1;
  return std::max(size, 0);
}

::TRect TCustomGaugeBar::GetHandleRect() {
  const int32_t size = GetHandleSize();
  // Min equals Max only while loading; the handle then sits at the track start.
  const int32_t offset =
      max_ == min_ ? 0 : Round(static_cast<double>(TrackLength() - size) * (position_ - min_) / (max_ - min_));
  return PlaceAlong(GetTrackBoundary(), Horizontal(), offset, size);
}

void TCustomGaugeBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TArrowBar::MouseDown(button, shift, x, y);
  if (DragZone() != zHandle) return;
  StartHotTracking();
  positionBeforeDrag_ = position_;
}

void TCustomGaugeBar::MouseMove(TShiftState shift, int x, int y) {
  TArrowBar::MouseMove(shift, x, y);
  if (DragZone() != zHandle) return;
  const int32_t travel = TrackLength() - GetHandleSize();
  if (travel <= 0) return;
  const int32_t d = Along(x, y) - PressAlong();
  AsUserChange([&] {
    SetPosition(Round(positionBeforeDrag_ + static_cast<double>(max_ - min_) * d / travel));
  });
}

void TCustomGaugeBar::TimerHandler(TObject* sender) {
  TArrowBar::TimerHandler(sender);
  RepeatStep(smallChange_, largeChange_);
}

bool TCustomGaugeBar::StepPosition(int32_t delta) {
  const int32_t old = position_;
  SetPosition(position_ + delta);
  return position_ != old;
}

bool TCustomGaugeBar::DoMouseWheel(TShiftState shift, int wheelDelta, const ::TPoint& mousePos) {
  if (!TArrowBar::DoMouseWheel(shift, wheelDelta, mousePos)) SetPosition(position_ + wheelDelta * smallChange_ / 120);
  return true;
}

}  // namespace imaging
