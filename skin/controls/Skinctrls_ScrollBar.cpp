#include "skin/controls/Skinctrls_ScrollBar.h"

#include <algorithm>

#include "skin/controls/Skinctrls_RangeDrawing.h"
#include "skin/data/Skindata_Ranges.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Glyphs.h"

using skinranges::Nearest;

namespace {

constexpr int kButtonSize = 17;
constexpr int kDefaultThumbLength = 16;
constexpr TColor kNavy = static_cast<TColor>(0x800000);
constexpr TColor kPressedFill = static_cast<TColor>(0xB59385);
constexpr TColor kHotFill = static_cast<TColor>(0xD2BDB6);

const TRect& Or(const TRect& rect, const TRect& fallback) { return rect.IsEmpty() ? fallback : rect; }

}  // namespace

TspSkinScrollBar::TspSkinScrollBar(TComponent* owner) : TspSkinCustomControl(owner) {
  skinDataName_ = "hscrollbar";
  SetBounds(Left(), Top(), 200, 19);
  SetDefaultHeight(19);
}

TspSkinScrollBar::~TspSkinScrollBar() = default;

// Values

int TspSkinScrollBar::Clamp(int value) const {
  if (value < min_) return min_;
  const int highest = pageSize_ == 0 ? max_ : max_ - pageSize_ + 1;
  return std::min(value, highest);
}

void TspSkinScrollBar::SetPosition(int value) {
  const int clamped = Clamp(value);
  if (clamped == position_) return;
  position_ = clamped;
  Repaint();
  OnChange(this);
}

void TspSkinScrollBar::SimplySetPosition(int value) {
  const int clamped = Clamp(value);
  if (clamped == position_) return;
  position_ = clamped;
  Repaint();
}

void TspSkinScrollBar::SetRange(int min, int max, int position, int pageSize) {
  min_ = min;
  max_ = max;
  pageSize_ = pageSize;
  position_ = Clamp(position);
  Repaint();
}

void TspSkinScrollBar::SetMin(int value) {
  min_ = value;
  if (position_ < value) position_ = value;
  Repaint();
}

void TspSkinScrollBar::SetMax(int value) {
  max_ = value;
  if (pageSize_ == 0) {
    if (value < position_) position_ = value;
  } else {
    if (value - min_ < pageSize_ + position_) position_ = value - min_ - pageSize_ + 1;
    if (position_ < min_) position_ = min_;
  }
  Repaint();
}

void TspSkinScrollBar::SetPageSize(int value) {
  if (position_ + value <= max_ - min_ + 1) pageSize_ = value;
  Repaint();
}

void TspSkinScrollBar::SetSmallChange(int value) {
  smallChange_ = value;
  Repaint();
}

void TspSkinScrollBar::SetLargeChange(int value) {
  largeChange_ = value;
  Repaint();
}

void TspSkinScrollBar::SetKind(TScrollBarKind value) {
  if (value == kind_) return;
  kind_ = value;
  if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) {
    const bool vertical = value == sbVertical;
    skinDataName_ = vertical ? "vscrollbar" : "hscrollbar";
    if (vertical ? Height() < Width() : Width() < Height()) SetBounds(Left(), Top(), Height(), Width());
    if (vertical) {
      SetDefaultWidth(DefaultHeight());
      SetDefaultHeight(0);
    } else {
      SetDefaultHeight(DefaultWidth());
      SetDefaultWidth(0);
    }
  }
  Repaint();
}

void TspSkinScrollBar::SetBoth(bool value) {
  if (value == both_) return;
  both_ = value;
  if (!ComponentState().Contains(csDesigning)) {
    if (value) {
      savedSkinDataName_ = skinDataName_;
      skinDataName_ = bothSkinDataName_;
    } else if (!savedSkinDataName_.IsEmpty()) {
      skinDataName_ = savedSkinDataName_;
    }
  }
  GetSkinData();
  if (lookIndex_ == -1) Repaint();
  else ChangeSkinData();
}

void TspSkinScrollBar::SetBothMarkerWidth(int value) {
  if (value < 0) return;
  bothMarkerWidth_ = value;
  if (lookIndex_ == -1) Repaint();
}

void TspSkinScrollBar::SetCanFocused(bool value) {
  canFocused_ = value;
  SetTabStop(value);
}

bool TspSkinScrollBar::IsFocused() { return skinranges::IsFocusedBar(*this, canFocused_); }

// Geometry

double TspSkinScrollBar::RelativePosition() const {
  if (pageSize_ == 0) return skinranges::Fraction(position_, min_, max_);
  const int denominator = max_ - pageSize_ + 1 - min_;
  if (denominator > 0) return static_cast<double>(position_ - min_) / denominator;
  return Horizontal() ? 1.0 : 0.0;
}

int TspSkinScrollBar::ThumbLength(int trackLength, int minimum) const {
  const int range = max_ - min_ + 1;
  const double ratio = range == 0 ? 0.0 : static_cast<double>(pageSize_) / range;
  return std::max(Nearest(trackLength * ratio), minimum);
}

void TspSkinScrollBar::PlaceThumb(int length, int crossStart, int crossSize) {
  const int half = length / 2;
  const int trackStart = Horizontal() ? track_.Left : track_.Top;
  const int trackEnd = Horizontal() ? track_.Right : track_.Bottom;
  travelStart_ = trackStart + half;
  travelEnd_ = trackEnd - half;
  thumbOffset_ = Nearest((travelEnd_ - travelStart_) * RelativePosition());
  const int from = travelStart_ + thumbOffset_ - half, to = travelStart_ + thumbOffset_ + half;
  parts_[0].R = Horizontal() ? Rect(from, crossStart, to, crossStart + crossSize)
                             : Rect(crossStart, from, crossStart + crossSize, to);
}

void TspSkinScrollBar::CalcRects() {
  if (lookIndex_ == -1) CalcDefaultRects();
  else CalcSkinRects();
}

void TspSkinScrollBar::CalcDefaultRects() {
  const int W = Width(), H = Height();
  if (Horizontal()) {
    const int extent = both_ ? W - bothMarkerWidth_ : W;
    parts_[2].R = Rect(1, 1, kButtonSize, H - 1);
    parts_[1].R = Rect(extent - kButtonSize, 1, extent - 1, H - 1);
    track_ = Rect(kButtonSize, 1, extent - kButtonSize, H - 1);
  } else {
    parts_[2].R = Rect(1, 1, W - 1, kButtonSize);
    parts_[1].R = Rect(1, H - kButtonSize, W - 1, H - 1);
    track_ = Rect(1, kButtonSize, W - 1, H - kButtonSize);
  }
  const int trackLength = Horizontal() ? track_.Width() : track_.Height();
  const int length = pageSize_ == 0 ? kDefaultThumbLength : ThumbLength(trackLength, kDefaultThumbLength);
  if (Horizontal()) PlaceThumb(length, track_.Top, track_.Height());
  else PlaceThumb(length, track_.Left, track_.Width());
}

TRect TspSkinScrollBar::MovedButton(const TRect& rect) const {
  TRect moved = rect;
  if (Horizontal() && RT.X < rect.Left) OffsetRect(moved.AsRECT(), Width() - SR.Width(), 0);
  if (!Horizontal() && LB.Y < rect.Top) OffsetRect(moved.AsRECT(), 0, Height() - SR.Height());
  return moved;
}

void TspSkinScrollBar::CalcSkinRects() {
  track_ = look_.TrackArea;
  if (Horizontal()) track_.Right += Width() - SR.Width();
  else track_.Bottom += Height() - SR.Height();
  parts_[1].R = MovedButton(look_.UpButton);
  parts_[2].R = MovedButton(look_.DownButton);
  const int across = Horizontal() ? look_.Thumb.Height() : look_.Thumb.Width();
  int minimum = Horizontal() ? look_.Thumb.Width() : look_.Thumb.Height();
  if (look_.ThumbMinSize != 0) minimum = look_.ThumbMinSize;
  const int trackLength = Horizontal() ? track_.Width() : track_.Height();
  int length = look_.ThumbMinPageSize != 0 ? look_.ThumbMinPageSize : minimum;
  if (pageSize_ != 0) length = ThumbLength(trackLength, minimum);
  if (Horizontal()) PlaceThumb(length, track_.Top + track_.Height() / 2 - across / 2, across);
  else PlaceThumb(length, track_.Left + track_.Width() / 2 - across / 2, across);
}

int TspSkinScrollBar::CalcValue(int offset) {
  double fraction = 0.0;
  if (pageSize_ != 0) {
    const int length = Horizontal() ? parts_[0].R.Width() : parts_[0].R.Height();
    const int trackStart = Horizontal() ? track_.Left : track_.Top;
    const int trackEnd = Horizontal() ? track_.Right : track_.Bottom;
    const int travel = (trackEnd - length / 2) - (trackStart + length / 2);
    if (travel > 0) fraction = static_cast<double>(offset + pressOffset_) / travel;
  } else if (travelEnd_ - travelStart_ > 0) {
    fraction = static_cast<double>(offset) / (travelEnd_ - travelStart_);
  }
  fraction = std::clamp(fraction, 0.0, 1.0);
  if (pageSize_ == 0) return min_ + Nearest((max_ - min_) * fraction);
  return min_ + Nearest((max_ - min_ - pageSize_ + 1) * fraction);
}

// Look

void TspSkinScrollBar::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (lookIndex_ == -1) return;
  const auto* look = dynamic_cast<const TspDataSkinScrollBarControl*>(skinData_->CtrlList[lookIndex_].get());
  if (look == nullptr) return;
  look_.TrackArea = look->TrackArea;
  look_.UpButton = look->UpButtonRect;
  look_.ActiveUpButton = look->ActiveUpButtonRect;
  look_.DownUpButton = Or(look->DownUpButtonRect, look->ActiveUpButtonRect);
  look_.DownButton = look->DownButtonRect;
  look_.ActiveDownButton = look->ActiveDownButtonRect;
  look_.DownDownButton = Or(look->DownDownButtonRect, look->ActiveDownButtonRect);
  look_.Thumb = look->ThumbRect;
  look_.ActiveThumb = Or(look->ActiveThumbRect, look->ThumbRect);
  look_.DownThumb = Or(look->DownThumbRect, look_.ActiveThumb);
  look_.ThumbOffset1 = look->ThumbOffset1;
  look_.ThumbOffset2 = look->ThumbOffset2;
  look_.ThumbTransparent = look->ThumbTransparent;
  look_.ThumbTransparentColor = look->ThumbTransparentColor;
  look_.ThumbStretch = look->ThumbStretchEffect;
  look_.ThumbMinSize = look->ThumbMinSize;
  look_.ThumbMinPageSize = look->ThumbMinPageSize;
  look_.Glyph = look->GlyphRect;
  look_.ActiveGlyph = Or(look->ActiveGlyphRect, look->GlyphRect);
  look_.DownGlyph = Or(look->DownGlyphRect, look_.ActiveGlyph);
  look_.GlyphTransparent = look->GlyphTransparent;
  look_.GlyphTransparentColor = look->GlyphTransparentColor;
}

void TspSkinScrollBar::CalcSize(int& W, int& H) {
  TspSkinCustomControl::CalcSize(W, H);
  CalcRects();
}

// Faces

void TspSkinScrollBar::CreateControlDefaultImage(TBitmap* bitmap) {
  CalcRects();
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  DrawButton(canvas, 1);
  DrawButton(canvas, 2);
  if (Enabled()) DrawButton(canvas, 0);
}

void TspSkinScrollBar::CreateControlSkinImage(TBitmap* bitmap) {
  TspSkinCustomControl::CreateControlSkinImage(bitmap);
  CalcRects();
  DrawButton(bitmap->Canvas(), 1);
  DrawButton(bitmap->Canvas(), 2);
  if (Enabled()) DrawButton(bitmap->Canvas(), 0);
}

void TspSkinScrollBar::DrawButton(TCanvas* canvas, int part) {
  if (lookIndex_ == -1) DrawDefaultButton(canvas, part);
  else if (part == 0) DrawSkinThumb(canvas);
  else DrawSkinButton(canvas, part);
}

void TspSkinScrollBar::DrawDefaultButton(TCanvas* canvas, int part) {
  const TPart& p = parts_[part];
  const bool pressedLook = (p.Down && p.Hot) || (part == 0 && (p.Down || IsFocused()));
  TColor frame = clBtnShadow, fill = clBtnFace;
  if (pressedLook) frame = kNavy, fill = kPressedFill;
  else if (p.Hot) frame = kNavy, fill = kHotFill;
  canvas->Brush()->SetColor(frame);
  canvas->FrameRect(p.R);
  TRect inside = p.R;
  InflateRect(inside.AsRECT(), -1, -1);
  canvas->Brush()->SetColor(fill);
  canvas->FillRect(inside);
  if (part == 0) return;
  const int code = part == 1 ? (Horizontal() ? 2 : 4) : (Horizontal() ? 1 : 3);
  DrawArrowImage(canvas, inside, clBlack, code);
}

void TspSkinScrollBar::DrawSkinButton(TCanvas* canvas, int part) {
  const TPart& p = parts_[part];
  const TRect& downRect = part == 1 ? look_.DownUpButton : look_.DownDownButton;
  const TRect& hotRect = part == 1 ? look_.ActiveUpButton : look_.ActiveDownButton;
  if (!p.Hot || Picture == nullptr) return;  // the face shows the normal button
  skincompose::CopyPiece(canvas, p.R, Picture->Canvas(), p.Down ? downRect : hotRect);
}

void TspSkinScrollBar::DrawSkinThumb(TCanvas* canvas) {
  const TPart& thumb = parts_[0];
  if (Picture == nullptr || thumb.R.Width() <= 0 || thumb.R.Height() <= 0) return;
  const bool down = thumb.Down || IsFocused();
  const TRect& source = down ? look_.DownThumb : thumb.Hot ? look_.ActiveThumb : look_.Thumb;
  TBitmap bitmap;
  skinranges::PrepareBitmap(bitmap, thumb.R.Width(), thumb.R.Height());
  if (pageSize_ != 0 || look_.ThumbMinPageSize != 0) {
    if (Horizontal())
      CreateHSkinImage(look_.ThumbOffset1, look_.ThumbOffset2, &bitmap, Picture, source, bitmap.Width(),
                       bitmap.Height(), look_.ThumbStretch);
    else
      CreateVSkinImage(look_.ThumbOffset1, look_.ThumbOffset2, &bitmap, Picture, source, bitmap.Width(),
                       bitmap.Height(), look_.ThumbStretch);
  } else {
    skinranges::CopyPicture(bitmap, Picture, source);
  }
  const TRect& glyph = down ? look_.DownGlyph : thumb.Hot ? look_.ActiveGlyph : look_.Glyph;
  if (!glyph.IsEmpty()) {
    TBitmap glyphBitmap;
    skinranges::PrepareBitmap(glyphBitmap, glyph.Width(), glyph.Height());
    skinranges::CopyPicture(glyphBitmap, Picture, glyph);
    skinranges::DrawKeyed(bitmap.Canvas(), bitmap.Width() / 2 - glyph.Width() / 2,
                          bitmap.Height() / 2 - glyph.Height() / 2, glyphBitmap, look_.GlyphTransparent,
                          look_.GlyphTransparentColor);
  }
  if (alphaBlend_) {
    TBitmap beneath;
    skinranges::PrepareBitmap(beneath, bitmap.Width(), bitmap.Height());
    beneath.Canvas()->CopyRect(Rect(0, 0, bitmap.Width(), bitmap.Height()), canvas, thumb.R);
    skinranges::MorphToward(bitmap, beneath, 1.0 - alphaBlendValue_ / 255.0);
  }
  skinranges::DrawKeyed(canvas, thumb.R.Left, thumb.R.Top, bitmap, look_.ThumbTransparent,
                        look_.ThumbTransparentColor);
}
