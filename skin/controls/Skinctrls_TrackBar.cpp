#include "skin/controls/Skinctrls_TrackBar.h"

#include <algorithm>

#include "skin/controls/Skinctrls_RangeDrawing.h"
#include "skin/data/Skindata_Ranges.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Compose.h"

using skinranges::Nearest;

namespace {

constexpr int kDefaultMargin = 2;
constexpr TColor kNavy = static_cast<TColor>(0x800000);
constexpr TColor kDragFill = static_cast<TColor>(0xB59385);
constexpr TColor kFocusFill = static_cast<TColor>(0xD2BDB6);

// A sunken groove: shadow at the top and left, highlight at the bottom and right.
void DrawGroove(TCanvas* canvas, const TRect& r) {
  canvas->Pen()->SetColor(clBtnShadow);
  canvas->MoveTo(r.Left, r.Bottom - 1);
  canvas->LineTo(r.Left, r.Top);
  canvas->LineTo(r.Right, r.Top);
  canvas->Pen()->SetColor(clBtnHighlight);
  canvas->MoveTo(r.Right - 1, r.Top + 1);
  canvas->LineTo(r.Right - 1, r.Bottom - 1);
  canvas->LineTo(r.Left, r.Bottom - 1);
}

}  // namespace

TspSkinTrackBar::TspSkinTrackBar(TComponent* owner) : TspSkinCustomControl(owner) {
  skinDataName_ = "htrackbar";
  SetBounds(Left(), Top(), 100, 20);
}

TspSkinTrackBar::~TspSkinTrackBar() = default;

// Values

void TspSkinTrackBar::SetMinValue(int value) {
  minValue_ = value;
  if (value_ < minValue_) value_ = minValue_;
  Repaint();
}

void TspSkinTrackBar::SetMaxValue(int value) {
  maxValue_ = value;
  if (value_ > maxValue_) value_ = maxValue_;
  Repaint();
}

void TspSkinTrackBar::SetValue(int value) {
  const int clamped = value > maxValue_ ? maxValue_ : std::max(value, minValue_);
  if (clamped == value_) return;
  value_ = clamped;
  Repaint();
  OnChange(this);
}

void TspSkinTrackBar::SetVertical(bool value) {
  vertical_ = value;
  if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
    skinDataName_ = value ? "trackbar" : "htrackbar";
  Repaint();
}

void TspSkinTrackBar::SetCanFocused(bool value) {
  canFocused_ = value;
  SetTabStop(value);
}

bool TspSkinTrackBar::IsFocused() { return skinranges::IsFocusedBar(*this, canFocused_); }

// Geometry

TRect TspSkinTrackBar::ThumbArea() const {
  if (lookIndex_ != -1) return trackArea_;
  return Rect(kDefaultMargin, kDefaultMargin, Width() - kDefaultMargin, Height() - kDefaultMargin);
}

TRect TspSkinTrackBar::CalcButtonRect(const TRect& area) {
  const double fraction = skinranges::Fraction(value_, minValue_, maxValue_);
  int w = look_.Button.Width(), h = look_.Button.Height();
  if (lookIndex_ == -1) {
    if (vertical_) w = Width() - 4, h = w / 2;
    else h = Height() - 4, w = h / 2;
  }
  if (vertical_) {
    travelStart_ = area.Top + h / 2;
    travelEnd_ = area.Bottom - h / 2;
  } else {
    travelStart_ = area.Left + w / 2;
    travelEnd_ = area.Right - w / 2;
  }
  thumbOffset_ = Nearest((travelEnd_ - travelStart_) * fraction);
  if (vertical_) {
    const int left = area.Left + area.Width() / 2 - w / 2, top = travelEnd_ - thumbOffset_ - h / 2;
    buttonRect_ = Rect(left, top, left + w, top + h);
  } else {
    const int left = travelStart_ + thumbOffset_ - w / 2, top = area.Top + area.Height() / 2 - h / 2;
    buttonRect_ = Rect(left, top, left + w, top + h);
  }
  return buttonRect_;
}

int TspSkinTrackBar::CalcValue(int offset) const {
  const int travel = travelEnd_ - travelStart_;
  const double fraction = travel > 0 ? std::clamp(static_cast<double>(offset) / travel, 0.0, 1.0) : 0.0;
  return minValue_ + Nearest((maxValue_ - minValue_) * fraction);
}

// Look

void TspSkinTrackBar::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (lookIndex_ == -1) return;
  const auto* look = dynamic_cast<const TspDataSkinTrackBarControl*>(skinData_->CtrlList[lookIndex_].get());
  if (look == nullptr) return;
  look_.ActiveSkinRect = look->ActiveSkinRect;
  look_.TrackArea = look->TrackArea;
  look_.Button = look->ButtonRect;
  look_.ActiveButton = look->ActiveButtonRect.IsEmpty() ? look->ButtonRect : look->ActiveButtonRect;
  look_.ButtonTransparent = look->ButtonTransparent;
  look_.ButtonTransparentColor = look->ButtonTransparentColor;
  vertical_ = look->Vertical;
}

void TspSkinTrackBar::CalcSize(int& W, int& H) {
  TspSkinCustomControl::CalcSize(W, H);
  trackArea_ = look_.TrackArea;
  if (ResizeMode <= 0) return;
  if (vertical_) trackArea_.Bottom += H - SR.Height();
  else trackArea_.Right += W - SR.Width();
}

// Faces

void TspSkinTrackBar::CreateImage(TBitmap* bitmap) { TspSkinCustomControl::CreateControlSkinImage(bitmap); }

void TspSkinTrackBar::CreateControlDefaultImage(TBitmap* bitmap) {
  TCanvas* canvas = bitmap->Canvas();
  const int W = Width(), H = Height();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(Rect(0, 0, W, H));
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(Rect(0, 0, W, H));
  DrawGroove(canvas, vertical_ ? Rect(W / 2 - 1, 4, W / 2 + 1, H - 4) : Rect(4, H / 2 - 1, W - 4, H / 2 + 1));
  const TRect thumb = CalcButtonRect(ThumbArea());
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(thumb);
  TColor frame = clBtnShadow, fill = clBtnFace;
  if (dragging_) frame = kNavy, fill = kDragFill;
  else if (IsFocused()) frame = kNavy, fill = kFocusFill;
  canvas->Brush()->SetColor(frame);
  canvas->FrameRect(thumb);
  TRect inside = thumb;
  InflateRect(inside.AsRECT(), -1, -1);
  canvas->Brush()->SetColor(fill);
  canvas->FillRect(inside);
}

void TspSkinTrackBar::CreateControlSkinImage(TBitmap* bitmap) {
  TspSkinCustomControl::CreateControlSkinImage(bitmap);
  CalcButtonRect(trackArea_);
  DrawActiveFace(bitmap);
  DrawSkinThumb(bitmap);
}

void TspSkinTrackBar::DrawActiveFace(TBitmap* face) {
  if (look_.ActiveSkinRect.IsEmpty()) return;
  TBitmap active;
  skinranges::PrepareBitmap(active, face->Width(), face->Height());
  CreateSkinControlImage(&active, Picture, look_.ActiveSkinRect);
  TRect filled;
  if (vertical_) {
    filled = Rect(0, buttonRect_.Top + buttonRect_.Height() / 2, face->Width(), face->Height());
  } else {
    const int centre = buttonRect_.Left + buttonRect_.Width() / 2;
    if (centre <= 0) return;
    filled = Rect(0, 0, centre, face->Height());
  }
  face->Canvas()->CopyRect(filled, active.Canvas(), filled);
}

void TspSkinTrackBar::DrawSkinThumb(TBitmap* face) {
  if (Picture == nullptr) return;
  TBitmap thumb;
  skinranges::PrepareBitmap(thumb, buttonRect_.Width(), buttonRect_.Height());
  skinranges::CopyPicture(thumb, Picture, dragging_ || IsFocused() ? look_.ActiveButton : look_.Button);
  if (!look_.ButtonTransparent && alphaBlend_) {
    TBitmap beneath;
    skinranges::PrepareBitmap(beneath, thumb.Width(), thumb.Height());
    beneath.Canvas()->CopyRect(Rect(0, 0, thumb.Width(), thumb.Height()), face->Canvas(), buttonRect_);
    skinranges::MorphToward(thumb, beneath, 1.0 - alphaBlendValue_ / 255.0);
  }
  skinranges::DrawKeyed(face->Canvas(), buttonRect_.Left, buttonRect_.Top, thumb, look_.ButtonTransparent,
                        look_.ButtonTransparentColor);
}

// Input

void TspSkinTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseDown(button, shift, x, y);
  if (!mouseSupport_) return;
  GetSkinData();
  CalcButtonRect(ThumbArea());
  const TRect& r = buttonRect_;
  if (x < r.Left || x > r.Right || y < r.Top || y > r.Bottom) return;  // the thumb and one pixel more
  dragOrigin_ = vertical_ ? y : x;
  pressOffset_ = thumbOffset_;
  dragging_ = true;
  Repaint();
  OnStartDragButton(this);
}

void TspSkinTrackBar::MouseMove(TShiftState shift, int x, int y) {
  if (mouseSupport_ && dragging_)
    SetValue(CalcValue(vertical_ ? dragOrigin_ - y + pressOffset_ : x - dragOrigin_ + pressOffset_));
  TspSkinCustomControl::MouseMove(shift, x, y);
}

void TspSkinTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  if (!mouseSupport_) return;
  if (dragging_) {
    dragging_ = false;
    Repaint();
    OnLastChange(this);
  } else if (jumpWhenClick_) {
    JumpTo(x, y);
  }
}

// The thumb's centre goes under the pointer: the offset is the pointer's distance from
// the travel start (from the travel's bottom end on a vertical bar).
void TspSkinTrackBar::JumpTo(int x, int y) {
  GetSkinData();
  CalcButtonRect(ThumbArea());
  SetValue(CalcValue(vertical_ ? travelEnd_ - y : x - travelStart_));
}

void TspSkinTrackBar::Step(int delta) {
  SetValue(value_ + delta);
  OnLastChange(this);
}

void TspSkinTrackBar::KeyDown(WORD& key, TShiftState shift) {
  TspSkinCustomControl::KeyDown(key, shift);
  if (!canFocused_) return;
  if (key == VK_LEFT || key == VK_DOWN) Step(-1);
  else if (key == VK_UP || key == VK_RIGHT) Step(1);
}

void TspSkinTrackBar::WndProc(TMessage& message) {
  if (!skinranges::DropBeforeFocus(*this, canFocused_, focusing_, message)) TspSkinCustomControl::WndProc(message);
}

void TspSkinTrackBar::Dispatch(TMessage& message) {
  if (message.Msg == WM_MOUSEWHEEL && IsFocused()) {
    // Away from the user raises a vertical bar and lowers a horizontal one.
    Step(skinranges::WheelAway(message) == vertical_ ? 1 : -1);
    return;
  }
  TspSkinCustomControl::Dispatch(message);
  skinranges::FinishBarMessage(*this, canFocused_, InPaint(), message);
}
