#include "skin/controls/Skinctrls_Slider.h"

#include <algorithm>

#include "skin/controls/Skinctrls_RangeDrawing.h"
#include "skin/data/Skindata_Ranges.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Compose.h"

using skinranges::Nearest;

namespace {

const char* const kDefaultImageNames[] = {"SP_HTB", "SP_HRL", "SP_VTB", "SP_VRL"};

bool IsThumbImage(int index) { return index == TspSkinCustomSlider::imHThumb || index == TspSkinCustomSlider::imVThumb; }

}  // namespace

TspSkinCustomSlider::TspSkinCustomSlider(TComponent* owner) : TspSkinControl(owner), ruler_(new TBitmap) {
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks});
  SetDoubleBuffered(true);  // the face is painted off screen and copied in one transfer
  SetBounds(Left(), Top(), 150, 40);
  SetTabStop(true);
  for (int i = 0; i < kImageCount; ++i) {
    images_[i] = std::make_unique<TBitmap>();
    images_[i]->OnChange = TNotifyEvent(this, &TspSkinCustomSlider::ImageChanged);
    SetImage(i, nullptr);
  }
  creating_ = false;
  AdjustElements();
  skinDataName_ = "slider";
}

TspSkinCustomSlider::~TspSkinCustomSlider() {
  OnChange = nullptr;
  OnChanged = nullptr;
  OnDrawPoints = nullptr;
  for (auto& image : images_) image->OnChange = nullptr;
}

// Values

void TspSkinCustomSlider::SetRange(int min, int max) {
  const bool reading = ComponentState().Contains(csReading);
  if (min >= max && !reading) return;
  minValue_ = min;
  maxValue_ = max;
  if (!reading && max < min + increment_) increment_ = max - min;
  if (options_.Contains(soShowPoints)) Invalidate();
  SetValue(value_);
  RangeChanged();
}

void TspSkinCustomSlider::SetValue(int value) {
  const int old = value_;
  value_ = std::clamp(value, minValue_, std::max(minValue_, maxValue_));
  SetThumbOffset(GetOffsetByValue(value_));
  if (value_ != old) Change();
}

void TspSkinCustomSlider::SetIncrement(int value) {
  if (value <= 0 || value == increment_) return;
  increment_ = value;
  SetValue(value_);
  Invalidate();
}

void TspSkinCustomSlider::SetOrientation(TspSliderOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  Sized();
  if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csUpdating))
    SetBounds(Left(), Top(), Height(), Width());
}

void TspSkinCustomSlider::SetOptions(const TspSliderOptions& value) {
  if (value == options_) return;
  options_ = value;
  Invalidate();
}

void TspSkinCustomSlider::SetNumThumbStates(int value) {
  value = std::clamp(value, 1, 2);
  if (value == numThumbStates_) return;
  numThumbStates_ = value;
  AdjustElements();
}

void TspSkinCustomSlider::SetEdgeSize(int value) {
  const int length = Vertical() ? images_[imVRuler]->Height() : images_[imHRuler]->Width();
  if (2 * value >= length || value == edgeSize_) return;
  edgeSize_ = value;
  Sized();
}

void TspSkinCustomSlider::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TspSkinCustomSlider::SetUseSkinThumb(bool value) {
  useSkinThumb_ = value;
  AdjustElements();
}

void TspSkinCustomSlider::SetReadOnly(bool value) {
  if (value == readOnly_) return;
  if (value) {
    StopTracking();
    if (sliding_) ThumbMouseUp(mbLeft, {}, 0, 0);
  }
  readOnly_ = value;
}

// Images

void TspSkinCustomSlider::LoadDefaultImage(int index) {
  loadingImage_ = true;
  images_[index]->LoadFromResourceName(GetModuleHandleA(nullptr), kDefaultImageNames[index]);
  loadingImage_ = false;
}

void TspSkinCustomSlider::SetImage(int index, TBitmap* bitmap) {
  if (bitmap != nullptr) {
    loadingImage_ = true;
    images_[index]->Assign(bitmap);
    loadingImage_ = false;
    userImages_.set(static_cast<size_t>(index));
  } else {
    LoadDefaultImage(index);
    userImages_.reset(static_cast<size_t>(index));
    if (!ComponentState().Contains(csReading)) options_.Exclude(IsThumbImage(index) ? soThumbOpaque : soRulerOpaque);
    Invalidate();
  }
  if (!creating_) Sized();
}

// An image changed from outside (a form's picture data, a caller drawing on it): it is
// the user's from now on.
void TspSkinCustomSlider::ImageChanged(TObject* sender) {
  if (loadingImage_) return;
  for (int i = 0; i < kImageCount; ++i)
    if (images_[i].get() == sender) userImages_.set(static_cast<size_t>(i));
  if (!creating_) Sized();
}

void TspSkinCustomSlider::Loaded() {
  TspSkinControl::Loaded();
  for (int i = 0; i < kImageCount; ++i) {
    if (!userImages_[static_cast<size_t>(i)]) continue;
    TBitmap copy;
    copy.Assign(images_[i].get());
    SetImage(i, &copy);
  }
}

// Look

void TspSkinCustomSlider::GetSkinData() {
  TspSkinControl::GetSkinData();
  lookPicture_ = nullptr;
  if (lookIndex_ == -1) return;
  const auto* look = dynamic_cast<const TspDataSkinSlider*>(skinData_->CtrlList[lookIndex_].get());
  if (look == nullptr) return;
  if (look->PictureIndex >= 0 && static_cast<size_t>(look->PictureIndex) < skinData_->ActivePictures.size())
    lookPicture_ = skinData_->ActivePictures[static_cast<size_t>(look->PictureIndex)].get();
  look_.HRuler = look->HRulerRect;
  look_.HThumb = look->HThumbRect;
  look_.VRuler = look->VRulerRect;
  look_.VThumb = look->VThumbRect;
  look_.EdgeSize = look->EdgeSize;
  look_.BGColor = look->BGColor;
  look_.PointsColor = look->PointsColor;
}

// Layout

TspSkinCustomSlider::TExtent TspSkinCustomSlider::ThumbSize() const {
  if (SkinThumb()) {
    const TRect& r = Vertical() ? look_.VThumb : look_.HThumb;
    return {r.Width() / 2, r.Height()};
  }
  const TBitmap* image = images_[Vertical() ? imVThumb : imHThumb].get();
  return {image->Width() / numThumbStates_, image->Height()};
}

int TspSkinCustomSlider::GetRulerLength() const {
  const TExtent thumb = ThumbSize();
  return Vertical() ? ruler_->Height() - thumb.H : ruler_->Width() - thumb.W;
}

int TspSkinCustomSlider::Start() const {
  const TRect r = GetSliderRect();
  return (Vertical() ? r.Top : r.Left) + kMargin;
}

// The ruler image's ends stay at both ends of the ruler and its middle repeats; an image
// with no middle (no longer than its two ends) is drawn once, stretched.
void TspSkinCustomSlider::BuildRuler() {
  const TRect r = GetSliderRect();
  TBitmap* image = images_[Vertical() ? imVRuler : imHRuler].get();
  const int length = std::max((Vertical() ? r.Height() : r.Width()) - 2 * kMargin, 0);
  if (Vertical()) skinranges::PrepareBitmap(*ruler_, image->Width(), length);
  else skinranges::PrepareBitmap(*ruler_, length, image->Height());
  const int S = Vertical() ? image->Height() : image->Width();
  const int E = edgeSize_, T = S - 2 * E, L = length - 2 * E;
  TCanvas* to = ruler_->Canvas();
  TCanvas* from = image->Canvas();
  const auto piece = [&](int destFrom, int destTo, int sourceFrom) {
    const int sourceTo = sourceFrom + destTo - destFrom;
    if (Vertical())
      skincompose::CopyPiece(to, Rect(0, destFrom, ruler_->Width(), destTo), from,
                             Rect(0, sourceFrom, image->Width(), sourceTo));
    else
      skincompose::CopyPiece(to, Rect(destFrom, 0, destTo, ruler_->Height()), from,
                             Rect(sourceFrom, 0, sourceTo, image->Height()));
  };
  if (length == 0 || S == 0) return;
  if (T <= 0 || L < 0) {
    skincompose::CopyPiece(to, Rect(0, 0, ruler_->Width(), ruler_->Height()), from,
                           Rect(0, 0, image->Width(), image->Height()));
    return;
  }
  const int n = L / T, c = L % T;
  piece(0, S - E, 0);
  for (int k = 1; k < n; ++k) piece(E + k * T, E + (k + 1) * T, E);
  piece(E + n * T, E + n * T + E + c, E + T - c);
}

void TspSkinCustomSlider::BuildSkinRuler() {
  const TRect r = GetSliderRect();
  if (lookPicture_ == nullptr) {
    skinranges::PrepareBitmap(*ruler_, 0, 0);
    return;
  }
  const int E = look_.EdgeSize;
  if (Vertical()) {
    const int length = std::max(r.Height() - 2 * kMargin, 0);
    CreateVSkinImage(E, E, ruler_.get(), lookPicture_, look_.VRuler, look_.VRuler.Width(), length, false);
  } else {
    const int length = std::max(r.Width() - 2 * kMargin, 0);
    CreateHSkinImage(E, E, ruler_.get(), lookPicture_, look_.HRuler, length, look_.HRuler.Height(), false);
  }
}

void TspSkinCustomSlider::AdjustElements() {
  GetSkinData();
  const int saved = value_;
  if (lookIndex_ == -1 || lookPicture_ == nullptr) BuildRuler();
  else BuildSkinRuler();
  TExtent thumb = ThumbSize();
  PlaceElements({ruler_->Width(), ruler_->Height()}, thumb);
  SetValue(saved);
  Invalidate();
}

void TspSkinCustomSlider::PlaceElements(const TExtent& ruler, const TExtent& thumb) {
  const TRect R = GetSliderRect();
  const int x = R.Left + kMargin, y = R.Top + kMargin;
  if (!Vertical()) {
    if (ruler.H < thumb.H) {
      thumbRect_ = Rect(x, y, x + thumb.W, y + thumb.H);
      rulerOrigin_ = Point(x, y + (thumb.H - ruler.H) / 2);
      pointsRect_ = Rect(x, R.Top + thumb.H + 7, x + ruler.W, R.Bottom - R.Top - 1);
    } else {
      const int top = y + (ruler.H - thumb.H) / 2;
      thumbRect_ = Rect(x, top, x + thumb.W, top + thumb.H);
      rulerOrigin_ = Point(x, y);
      pointsRect_ = Rect(x, R.Top + ruler.H + 7, x + ruler.W, R.Bottom - R.Top - 1);
    }
    return;
  }
  // The comparison takes the thumb image's width by its states, as the image stands.
  const int imageWidth = images_[imVThumb]->Width() / numThumbStates_;
  if (ruler.W < imageWidth) {
    thumbRect_ = Rect(x, y, x + thumb.W, y + thumb.H);
    rulerOrigin_ = Point(x + (imageWidth - ruler.W) / 2, y);
    pointsRect_ = Rect(R.Left + imageWidth + 7, y, R.Right - R.Left - 1, y + ruler.H);
  } else {
    const int left = x + (ruler.W - imageWidth) / 2;
    thumbRect_ = Rect(left, y, left + thumb.W, y + thumb.H);
    rulerOrigin_ = Point(x, y);
    pointsRect_ = Rect(R.Left + ruler.W + 7, y, R.Right - R.Left - 1, y + ruler.H);
  }
}

// Value and offset. A slider too small for its thumb, or with equal bounds, keeps its
// thumb at the start and answers MinValue for every offset.

int TspSkinCustomSlider::GetOffsetByValue(int value) const {
  const int start = Start(), RL = GetRulerLength(), range = maxValue_ - minValue_;
  int t = start;
  if (RL > 0 && range > 0) t += Nearest(static_cast<double>(RL) * (value - minValue_) / range);
  int offset = t;
  if (Vertical()) {
    const TRect R = GetSliderRect();
    offset = R.Top + R.Bottom - t - ThumbSize().H;
  }
  return std::max(offset, start);
}

int TspSkinCustomSlider::GetValueByOffset(int offset) const {
  const int RL = GetRulerLength(), range = maxValue_ - minValue_;
  if (RL <= 0 || range <= 0) return minValue_;
  if (Vertical()) offset = ClientHeight() - offset - ThumbSize().H;
  int x = Nearest(static_cast<double>(offset - Start()) * range / RL);
  if (!options_.Contains(soSmooth)) x = increment_ * Nearest(static_cast<double>(x) / increment_);
  return std::min(std::max(x, 0) + minValue_, maxValue_);
}

TPoint TspSkinCustomSlider::GetThumbPosition(int& offset) const {
  const int start = Start(), end = start + std::max(GetRulerLength(), 0);
  offset = std::clamp(offset, start, end);
  offset = std::min(GetOffsetByValue(GetValueByOffset(offset)), end);
  return Vertical() ? Point(thumbRect_.Left, offset) : Point(offset, thumbRect_.Top);
}

int TspSkinCustomSlider::GetThumbOffset() const { return Vertical() ? thumbRect_.Top : thumbRect_.Left; }

void TspSkinCustomSlider::SetThumbOffset(int offset) {
  const TPoint at = GetThumbPosition(offset);
  InvalidateThumb();
  thumbRect_ = Rect(at.X, at.Y, at.X + thumbRect_.Width(), at.Y + thumbRect_.Height());
  InvalidateThumb();
  if (!sliding_) return;
  const int old = value_;
  value_ = GetValueByOffset(offset);
  if (value_ != old) Change();
}

void TspSkinCustomSlider::InvalidateThumb() {
  if (!HandleAllocated()) return;
  const RECT r{thumbRect_.Left, thumbRect_.Top, thumbRect_.Right, thumbRect_.Bottom};
  InvalidateRect(Handle(), &r, FALSE);
}

// Jumps

void TspSkinCustomSlider::ThumbJump(int mode) {
  int target = 0;
  const int steps = increment_ == 0 ? 0 : Nearest(static_cast<double>(value_) / increment_);
  switch (mode) {
    case 1: target = minValue_; break;
    case 2: target = maxValue_; break;
    case 3: target = increment_ * (steps + 1); break;
    case 4: target = increment_ * (steps - 1); break;
    default: return;
  }
  if (target >= maxValue_) target = maxValue_;
  else if (target < minValue_) target = minValue_;
  if (target != value_) SetValue(target);
}

int TspSkinCustomSlider::JumpTo(int x, int y) const {
  if (Vertical()) return y < thumbRect_.Top ? 3 : y > thumbRect_.Bottom ? 4 : 0;
  return x < thumbRect_.Left ? 4 : x > thumbRect_.Right ? 3 : 0;
}
