// The track bar, the gauge, the frame gauge and the frame regulator. A range whose ends
// are equal, a track of no length or a strip of fewer than two frames leaves the object
// at its start: no position or value is ever computed by dividing by zero.
#include "skin/form/Formskinner_ValueObjects.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "skin/data/Sputils_Geometry.h"
#include "skin/form/Formskinner.h"

namespace {

// `value` within lo..hi; lo wins when a skin gives the ends the wrong way round.
int ClampInto(int value, int lo, int hi) { return std::max(lo, std::min(value, hi)); }

// Halves go to the even neighbour.
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// Where `value` lies in min..max as a share 0..1; 0 for an empty range.
double RangeShare(int value, int min, int max) {
  if (max == min) return 0;
  return static_cast<double>(value - min) / static_cast<double>(max - min);
}

// Copies `source` of `picture` to `dest` (nothing without a picture or for an empty part).
void CopyPart(TCanvas* canvas, const TRect& dest, TBitmap* picture, const TRect& source) {
  if (picture == nullptr || IsNullRect(dest) || IsNullRect(source)) return;
  canvas->CopyRect(dest, picture->Canvas(), source);
}

std::unique_ptr<TBitmap> MakeFace(int width, int height) {
  auto face = std::make_unique<TBitmap>();
  face->SetPixelFormat(pf24bit);
  face->SetSize(width, height);
  return face;
}

// A strip that fills from the start of `object`'s face up to `split` along one axis:
// horizontal, columns before `split` from `filled`, the rest from `empty`; vertical,
// rows before `split` from `empty`, the rest from `filled`.
void DrawSplitFace(TCanvas* canvas, bool vertical, int split, int width, int height, TBitmap* empty,
                   const TRect& emptyFace, TBitmap* filled, const TRect& filledFace) {
  if (!vertical) {
    split = ClampInto(split, 0, width);
    CopyPart(canvas, Rect(0, 0, split, height), filled,
             Rect(filledFace.Left, filledFace.Top, filledFace.Left + split, filledFace.Top + height));
    CopyPart(canvas, Rect(split, 0, width, height), empty,
             Rect(emptyFace.Left + split, emptyFace.Top, emptyFace.Left + width, emptyFace.Top + height));
    return;
  }
  split = ClampInto(split, 0, height);
  CopyPart(canvas, Rect(0, 0, width, split), empty,
           Rect(emptyFace.Left, emptyFace.Top, emptyFace.Left + width, emptyFace.Top + split));
  CopyPart(canvas, Rect(0, split, width, height), filled,
           Rect(filledFace.Left, filledFace.Top + split, filledFace.Left + width, filledFace.Top + height));
}

}  // namespace

// Track bar.

TspSkinTrackBarObject::TspSkinTrackBarObject(TspFormSkinner* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  auto* track = dynamic_cast<TspDataSkinTrackBar*>(data);
  if (track != nullptr) {
    ButtonRect = track->ButtonRect;
    ActiveButtonRect = track->ActiveButtonRect;
    BeginPoint = track->BeginPoint;
    EndPoint = track->EndPoint;
    MinValue = track->MinValue;
    MaxValue = track->MaxValue;
    MouseDownChangeValue = track->MouseDownChangeValue;
    ButtonTransparent = track->ButtonTransparent;
    ButtonTransparentColor = track->ButtonTransparentColor;
  }
  TrackKind = std::abs(BeginPoint.Y - EndPoint.Y) >= std::abs(EndPoint.X - BeginPoint.X) ? 1 : 0;
  Value = MinValue;
  ButtonPos = PrevButtonPos = CalcButtonPos();
}

TRect TspSkinTrackBarObject::CalcButtonRect(const TPoint& p) const {
  const int w = RectWidth(ButtonRect);
  const int h = RectHeight(ButtonRect);
  return Rect(p.X - w / 2, p.Y - h / 2, p.X - w / 2 + w, p.Y - h / 2 + h);
}

TPoint TspSkinTrackBarObject::CalcButtonPos() const {
  const double x = RangeShare(Value, MinValue, MaxValue);
  if (TrackKind == 0) return Point(BeginPoint.X + RoundHalfEven(x * (EndPoint.X - BeginPoint.X)), BeginPoint.Y);
  return Point(BeginPoint.X, EndPoint.Y + RoundHalfEven((1 - x) * (BeginPoint.Y - EndPoint.Y)));
}

int TspSkinTrackBarObject::CalcValue() const {
  double x = 0;
  if (TrackKind == 0) {
    if (EndPoint.X == BeginPoint.X) return Value;
    x = static_cast<double>(ButtonPos.X - BeginPoint.X) / (EndPoint.X - BeginPoint.X);
  } else {
    if (BeginPoint.Y == EndPoint.Y) return Value;
    x = 1 - static_cast<double>(ButtonPos.Y - EndPoint.Y) / (BeginPoint.Y - EndPoint.Y);
  }
  return MinValue + RoundHalfEven((MaxValue - MinValue) * x);
}

void TspSkinTrackBarObject::StoreValue(int value) {
  Value = ClampInto(value, MinValue, MaxValue);
  PrevButtonPos = ButtonPos;
  ButtonPos = CalcButtonPos();
}

void TspSkinTrackBarObject::SetValue(int value) {
  if (value == Value) return;
  StoreValue(value);
  Parent->DrawSkinObject(this);
  Parent->TrackBarChangeValueEvent(IDName, Value);
}

void TspSkinTrackBarObject::SimplySetValue(int value) {
  StoreValue(value);
  Parent->TrackBarChangeValueEvent(IDName, Value);
}

void TspSkinTrackBarObject::SetButtonPos(const TPoint& p) {
  if (p == ButtonPos || !Movable()) return;
  PrevButtonPos = ButtonPos;
  ButtonPos = p;
  Value = CalcValue();
  Parent->DrawSkinObject(this);
  Parent->TrackBarChangeValueEvent(IDName, Value);
}

void TspSkinTrackBarObject::Draw(TCanvas* canvas, bool alone) {
  (void)alone;
  const int width = RectWidth(SkinRect);
  const int height = RectHeight(SkinRect);
  auto face = MakeFace(width, height);
  if (IsNullRect(ActiveSkinRect)) {
    CopyPart(face->Canvas(), Rect(0, 0, width, height), Picture, SkinRect);
  } else {
    const bool vertical = TrackKind == 1;
    DrawSplitFace(face->Canvas(), vertical, vertical ? ButtonPos.Y : ButtonPos.X, width, height, Picture, SkinRect,
                  ActivePicture, ActiveSkinRect);
  }
  DrawButton(face->Canvas());
  canvas->Draw(ObjectRect.Left, ObjectRect.Top, face.get());
}

void TspSkinTrackBarObject::DrawButton(TCanvas* canvas) const {
  if (ActivePicture == nullptr) return;
  const TRect source = ButtonDragging && !IsNullRect(ActiveButtonRect) ? ActiveButtonRect : ButtonRect;
  const TRect place = CalcButtonRect(ButtonPos);
  if (!ButtonTransparent) {
    CopyPart(canvas, place, ActivePicture, source);
    return;
  }
  auto button = MakeFace(RectWidth(source), RectHeight(source));
  CopyPart(button->Canvas(), Rect(0, 0, RectWidth(source), RectHeight(source)), ActivePicture, source);
  button->SetTransparentColor(ButtonTransparentColor);
  button->SetTransparent(true);
  canvas->Draw(place.Left, place.Top, button.get());
}

void TspSkinTrackBarObject::MouseDown(int x, int y, TMouseButton button) {
  const TPoint p = Point(x - ObjectRect.Left, y - ObjectRect.Top);
  if (button == mbLeft && PointInRect(CalcButtonRect(ButtonPos), p)) {
    ButtonDragging = true;
    OldMousePoint = p;
    if (!IsNullRect(ActiveButtonRect)) Parent->DrawSkinObject(this);
  } else if (MouseDownChangeValue && button == mbLeft) {
    if (TrackKind == 0) {
      SetButtonPos(Point(ClampInto(p.X, BeginPoint.X, EndPoint.X), BeginPoint.Y));
    } else {
      SetButtonPos(Point(BeginPoint.X, ClampInto(p.Y, EndPoint.Y, BeginPoint.Y)));
    }
  }
  TspActiveSkinObject::MouseDown(x, y, button);
}

// A move that would carry the button past an end leaves it where it is.
void TspSkinTrackBarObject::MouseMove(int x, int y) {
  const TPoint p = Point(x - ObjectRect.Left, y - ObjectRect.Top);
  if (ButtonDragging) {
    if (TrackKind == 0) {
      const int q = p.X + ButtonPos.X - OldMousePoint.X;
      if (BeginPoint.X <= q && q <= EndPoint.X) SetButtonPos(Point(q, ButtonPos.Y));
    } else {
      const int q = p.Y + ButtonPos.Y - OldMousePoint.Y;
      if (EndPoint.Y <= q && q <= BeginPoint.Y) SetButtonPos(Point(ButtonPos.X, q));
    }
  }
  OldMousePoint = p;
  TspActiveSkinObject::MouseMove(x, y);
}

void TspSkinTrackBarObject::MouseUp(int x, int y, TMouseButton button) {
  if (button == mbLeft && ButtonDragging) {
    ButtonDragging = false;
    if (!IsNullRect(ActiveButtonRect)) Parent->DrawSkinObject(this);
  }
  TspActiveSkinObject::MouseUp(x, y, button);
}

// Gauge.

TspSkinGaugeObject::TspSkinGaugeObject(TspFormSkinner* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  if (auto* gauge = dynamic_cast<TspDataSkinGauge*>(data)) {
    MinValue = gauge->MinValue;
    MaxValue = gauge->MaxValue;
    Kind = gauge->Kind == gkHorizontal ? 0 : 1;
  }
  Value = MinValue;
  ProgressPos = PrevProgressPos = CalcProgressPos();
}

TPoint TspSkinGaugeObject::CalcProgressPos() const {
  const double x = RangeShare(Value, MinValue, MaxValue);
  if (Kind == 0) return Point(RoundHalfEven(x * RectWidth(SkinRect)), 0);
  return Point(0, RoundHalfEven(RectHeight(SkinRect) * (1 - x)));
}

void TspSkinGaugeObject::SimplySetValue(int value) {
  if (value == Value) return;
  Value = ClampInto(value, MinValue, MaxValue);
  PrevProgressPos = ProgressPos;
  ProgressPos = CalcProgressPos();
}

void TspSkinGaugeObject::SetValue(int value) {
  SimplySetValue(value);
  Parent->DrawSkinObject(this);
}

// At MinValue the form picture already shows the empty gauge.
void TspSkinGaugeObject::Draw(TCanvas* canvas, bool alone) {
  if (Value == MinValue && !alone) return;
  const int width = RectWidth(ObjectRect);
  const int height = RectHeight(ObjectRect);
  auto face = MakeFace(width, height);
  const bool vertical = Kind == 1;
  DrawSplitFace(face->Canvas(), vertical, vertical ? ProgressPos.Y : ProgressPos.X, width, height, Picture, SkinRect,
                ActivePicture, ActiveSkinRect);
  canvas->Draw(ObjectRect.Left, ObjectRect.Top, face.get());
}

void TspSkinGaugeObject::MouseEnter() {
  MouseIn = Active = true;
  Parent->MouseEnterEvent(IDName);
}

void TspSkinGaugeObject::MouseLeave() {
  MouseIn = Active = false;
  Parent->MouseLeaveEvent(IDName);
}

// Frame strips.

TspSkinFrameObject::TspSkinFrameObject(TspFormSkinner* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  if (!ReadFrameLook<TspDataSkinFrameGaugeObject>(data)) ReadFrameLook<TspDataSkinFrameRegulatorObject>(data);
  if (CountFrames > 0) {
    FrameWidth = FramesPlacement == 0 ? RectWidth(ActiveSkinRect) / CountFrames : RectWidth(ActiveSkinRect);
    FrameHeight = FramesPlacement == 0 ? RectHeight(ActiveSkinRect) : RectHeight(ActiveSkinRect) / CountFrames;
  }
}

template <class Look>
bool TspSkinFrameObject::ReadFrameLook(TspDataSkinObject* data) {
  auto* look = dynamic_cast<Look*>(data);
  if (look == nullptr) return false;
  MinValue = look->MinValue;
  MaxValue = look->MaxValue;
  CountFrames = look->CountFrames;
  FramesPlacement = look->FramesPlacement == fpHorizontal ? 0 : 1;
  return true;
}

int TspSkinFrameObject::CalcFrame() const {
  const int step = (MaxValue - MinValue) / (CountFrames - 1);
  if (step == 0) return 1;
  return ClampInto(std::abs(Value - MinValue) / step + 1, 1, CountFrames);
}

void TspSkinFrameObject::Draw(TCanvas* canvas, bool alone) {
  (void)alone;
  Frame = CountFrames < 2 ? 1 : CalcFrame();
  const TRect& a = ActiveSkinRect;
  const int left = FramesPlacement == 0 ? a.Left + FrameWidth * (Frame - 1) : a.Left;
  const int top = FramesPlacement == 0 ? a.Top : a.Top + FrameHeight * (Frame - 1);
  CopyPart(canvas, ObjectRect, ActivePicture, Rect(left, top, left + FrameWidth, top + FrameHeight));
}

void TspSkinFrameGaugeObject::SimplySetValue(int value) {
  if (value != Value && InRange(value)) Value = value;
}

void TspSkinFrameGaugeObject::SetValue(int value) {
  if (value == Value || !InRange(value)) return;
  Value = value;
  Parent->DrawSkinObject(this);
}

void TspSkinFrameGaugeObject::MouseEnter() {
  MouseIn = Active = true;
  Parent->MouseEnterEvent(IDName);
}

void TspSkinFrameGaugeObject::MouseLeave() {
  MouseIn = Active = false;
  Parent->MouseLeaveEvent(IDName);
}

// Frame regulator.

TspSkinFrameRegulatorObject::TspSkinFrameRegulatorObject(TspFormSkinner* form, TspDataSkinObject* data)
    : TspSkinFrameObject(form, data) {
  if (auto* regulator = dynamic_cast<TspDataSkinFrameRegulatorObject*>(data)) {
    Kind = regulator->Kind == rkRound ? 0 : (regulator->Kind == rkHorizontal ? 1 : 2);
  }
  Value = ClampInto(0, MinValue, MaxValue);
}

int TspSkinFrameRegulatorObject::GetRoundValue(int x, int y) const {
  const int width = RectWidth(ObjectRect);
  const int height = RectHeight(ObjectRect);
  x = ClampInto(x, 0, width);
  y = ClampInto(y, 0, height);
  const int cx = width / 2;
  const int cy = height / 2;
  const double dx = cx - x;
  const double dy = cy - y;
  int base = 0;
  if (x <= cx && y < cy) {
    base = 90;
  } else if (x < cx && y >= cy) {
    base = 180;
  } else if (x >= cx && y > cy) {
    base = 270;
  } else if (x > cx && y <= cy) {
    base = 0;
  } else {
    return LastPos;  // the exact centre: the knob keeps its position
  }
  const double r = std::sqrt(dx * dx + dy * dy);
  const double side = base == 0 || base == 180 ? std::fabs(dy) : std::fabs(dx);
  const double degrees = std::asin(std::min(1.0, side / r)) * 180 / std::numbers::pi;
  const int v = static_cast<int>(base + degrees);
  const int angle = 270 - v;
  return angle < 0 ? angle + 360 : angle;
}

int TspSkinFrameRegulatorObject::PositionOf(int x, int y) const {
  if (Kind == 0) return GetRoundValue(x, y);
  return Kind == 1 ? x : -y;
}

void TspSkinFrameRegulatorObject::Step(bool increase) {
  WorkValue = ClampInto(WorkValue + (increase ? ValueStep : -ValueStep), MinValue, MaxValue);
  SetValue(WorkValue);
}

void TspSkinFrameRegulatorObject::CalcValue() {
  const int size = Kind == 1 ? FrameWidth : FrameHeight;
  StepSize = std::max(1, size / (CountFrames - 1));
  ValueStep = std::max(1, (MaxValue - MinValue) / (CountFrames - 1));
  const bool increase = BasePos <= CurPos;
  if (std::abs(CurPos - BasePos) < StepSize) return;
  BasePos = CurPos;
  Step(increase);
}

// Crossing the bottom, where the angle jumps between 0 and 359, counts one step in the
// direction of turning.
void TspSkinFrameRegulatorObject::CalcRoundValue() {
  StepSize = std::max(1, 360 / (CountFrames - 1));
  ValueStep = std::max(1, (MaxValue - MinValue) / (CountFrames - 1));
  bool increase = false;
  int delta = 0;
  if (std::abs(CurPos - LastPos) > 300) {
    BasePos = CurPos;
    increase = CurPos < LastPos;
    delta = StepSize;
  } else {
    increase = CurPos >= BasePos;
    delta = std::abs(CurPos - BasePos);
  }
  if (delta < StepSize) return;
  BasePos = CurPos;
  Step(increase);
}

void TspSkinFrameRegulatorObject::SimplySetValue(int value) {
  if (value == Value || !InRange(value)) return;
  Value = value;
  Parent->FrameRegulatorChangeValueEvent(IDName, Value);
}

void TspSkinFrameRegulatorObject::SetValue(int value) {
  if (value == Value || !InRange(value)) return;
  Value = value;
  Parent->DrawSkinObject(this);
  Parent->FrameRegulatorChangeValueEvent(IDName, Value);
}

void TspSkinFrameRegulatorObject::MouseDown(int x, int y, TMouseButton button) {
  const int px = x - ObjectRect.Left;
  const int py = y - ObjectRect.Top;
  Tracking = true;
  WorkValue = Value;
  BasePos = LastPos = PositionOf(px, py);
  TspActiveSkinObject::MouseDown(x, y, button);
}

// A strip of fewer than two frames has no steps: drags change nothing.
void TspSkinFrameRegulatorObject::MouseMove(int x, int y) {
  if (Tracking && CountFrames >= 2) {
    CurPos = PositionOf(x - ObjectRect.Left, y - ObjectRect.Top);
    if (Kind == 0) {
      CalcRoundValue();
    } else {
      CalcValue();
    }
    LastPos = CurPos;
  }
  TspActiveSkinObject::MouseMove(x, y);
}

void TspSkinFrameRegulatorObject::MouseUp(int x, int y, TMouseButton button) {
  Tracking = false;
  TspActiveSkinObject::MouseUp(x, y, button);
}
