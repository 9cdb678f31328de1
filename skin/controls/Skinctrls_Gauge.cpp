#include "skin/controls/Skinctrls_Gauge.h"

#include <algorithm>

#include "skin/controls/Skinctrls_RangeDrawing.h"
#include "skin/data/Skindata_Ranges.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Strings.h"
#include "skin/data/Sputils_Compose.h"

using skinranges::PrepareBitmap;

namespace {

constexpr TColor kDefaultFillColour = static_cast<TColor>(0xD2BDB6);

}  // namespace

TspSkinGauge::TspSkinGauge(TComponent* owner) : TspSkinCustomControl(owner) {
  skinDataName_ = "gauge";
  SetBounds(Left(), Top(), 100, 20);
}

TspSkinGauge::~TspSkinGauge() = default;

// Values

void TspSkinGauge::SetMinValue(int value) {
  minValue_ = value;
  if (value_ < minValue_) value_ = minValue_;
  Repaint();
}

void TspSkinGauge::SetMaxValue(int value) {
  maxValue_ = value;
  if (value_ > maxValue_) value_ = maxValue_;
  Repaint();
}

void TspSkinGauge::SetValue(int value) {
  const int clamped = value > maxValue_ ? maxValue_ : std::max(value, minValue_);
  if (clamped == value_) return;
  value_ = clamped;
  Invalidate();
}

void TspSkinGauge::SetVertical(bool value) {
  vertical_ = value;
  if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
    skinDataName_ = value ? "vgauge" : "gauge";
  Repaint();
}

void TspSkinGauge::SetUseSkinSize(bool value) {
  useSkinSize_ = value;
  Repaint();
}

void TspSkinGauge::SetShowProgressText(bool value) {
  showProgressText_ = value;
  Repaint();
}

void TspSkinGauge::SetProgressText(const AnsiString& value) {
  progressText_ = value;
  Repaint();
}

void TspSkinGauge::SetShowPercent(bool value) {
  showPercent_ = value;
  Repaint();
}

void TspSkinGauge::SetTextAlphaBlend(bool value) {
  textAlphaBlend_ = value;
  if (lookIndex_ != -1 && ShowsText()) Repaint();
}

void TspSkinGauge::SetTextAlphaBlendValue(BYTE value) {
  textAlphaBlendValue_ = value;
  if (lookIndex_ != -1 && ShowsText() && textAlphaBlend_) Repaint();
}

void TspSkinGauge::SetProgressAnimationPause(int value) {
  if (value >= 0) progressAnimationPause_ = value;
}

TRect TspSkinGauge::CalcProgressRect(const TRect& area) const {
  const double fraction = skinranges::Fraction(value_, minValue_, maxValue_);
  if (vertical_)
    return Rect(area.Left, area.Bottom - static_cast<int>(area.Height() * fraction), area.Right, area.Bottom);
  return Rect(area.Left, area.Top, area.Left + static_cast<int>(area.Width() * fraction), area.Bottom);
}

int TspSkinGauge::Percent() const { return static_cast<int>(skinranges::Fraction(value_, minValue_, maxValue_) * 100); }

AnsiString TspSkinGauge::ProgressCaption() const {
  AnsiString text;
  if (showProgressText_) text = progressText_;
  if (showPercent_) text = text + AnsiString(std::to_string(Percent()).c_str()) + "%";
  return text;
}

// Text

void TspSkinGauge::DrawProgressText(TCanvas* canvas) {
  const AnsiString text = ProgressCaption();
  if (text.IsEmpty()) return;
  TFont* font = canvas->Font();
  font->Assign(DefaultFont());
  if (lookIndex_ != -1) {
    if (UseSkinFont()) {
      font->SetName(look_.FontName);
      font->SetHeight(look_.FontHeight);
      font->SetStyle(look_.FontStyle);
    }
    font->SetColor(look_.FontColor);
  }
  if (skinData_ != nullptr && skinData_->ResourceStrData() != nullptr)
    font->SetCharset(skinData_->ResourceStrData()->CharSet());
  canvas->Brush()->SetStyle(bsClear);
  const int tw = canvas->TextWidth(text), th = canvas->TextHeight(text);
  const int W = Width(), H = Height();
  if (!vertical_) {
    canvas->TextOut(W / 2 - tw / 2, H / 2 - th / 2, text);
    return;
  }
  LOGFONTA rotated{};
  GetObjectA(font->Handle(), sizeof(rotated), &rotated);
  rotated.lfEscapement = 900;
  rotated.lfOrientation = 900;
  font->SetHandle(CreateFontIndirectA(&rotated));
  canvas->TextOut(W / 2 - th / 2, tw / 2 + H / 2, text);
}

// Look and size

void TspSkinGauge::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (lookIndex_ == -1) return;
  const auto* look = dynamic_cast<const TspDataSkinGaugeControl*>(skinData_->CtrlList[lookIndex_].get());
  if (look == nullptr) return;
  if (!useSkinSize_) Mask = nullptr;
  vertical_ = look->Vertical;
  look_.ProgressRect = look->ProgressRect;
  look_.ProgressArea = look->ProgressArea;
  look_.AnimationRect = look->ProgressAnimationSkinRect;
  look_.BeginOffset = look->BeginOffset;
  look_.EndOffset = look->EndOffset;
  look_.CountFrames = look->ProgressAnimationCountFrames;
  look_.TimerInterval = look->ProgressAnimationTimerInterval;
  look_.Transparent = look->ProgressTransparent;
  look_.TransparentColor = look->ProgressTransparentColor;
  look_.Stretch = look->ProgressStretch;
  look_.FontName = look->FontName;
  look_.FontHeight = look->FontHeight;
  look_.FontStyle = look->FontStyle;
  look_.FontColor = look->FontColor;
}

void TspSkinGauge::CalcSize(int& W, int& H) {
  const int requestedW = W, requestedH = H;
  FitToLook(W, H);
  if (!useSkinSize_) {
    W = requestedW;
    H = requestedH;
  }
}

void TspSkinGauge::FitToLook(int& W, int& H) {
  TspSkinCustomControl::CalcSize(W, H);
  progressArea_ = look_.ProgressArea;
  if (ResizeMode > 0) {
    if (vertical_) progressArea_.Bottom += H - SR.Height();
    else progressArea_.Right += W - SR.Width();
  }
}

void TspSkinGauge::ChangeSkinData() {
  if (!frameTimer_) {
    TspSkinCustomControl::ChangeSkinData();
    return;
  }
  StopProgressAnimation();
  TspSkinCustomControl::ChangeSkinData();
  StartProgressAnimation();
}

// Faces

void TspSkinGauge::CreateImage(TBitmap* bitmap) { TspSkinCustomControl::CreateControlSkinImage(bitmap); }

void TspSkinGauge::CreateControlDefaultImage(TBitmap* bitmap) {
  TCanvas* canvas = bitmap->Canvas();
  const TRect client = Rect(0, 0, Width(), Height());
  canvas->Brush()->SetColor(clWindow);
  canvas->FillRect(client);
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(client);
  const TRect filled = CalcProgressRect(Rect(1, 1, Width() - 1, Height() - 1));
  if (filled.Width() > 0 && filled.Height() > 0) {
    canvas->Brush()->SetColor(kDefaultFillColour);
    canvas->FillRect(filled);
  }
  DrawProgressText(canvas);
}

void TspSkinGauge::CreateControlSkinImage(TBitmap* bitmap) {
  ComposeFace(bitmap, Picture, SR, bitmap->Width(), bitmap->Height(), ComposesNineParts());
  const TRect filled = CalcProgressRect(progressArea_);
  if (filled.Width() > 0 && filled.Height() > 0) {
    const TRect source = ShowsFrame() ? GetAnimationFrameRect() : look_.ProgressRect;
    TBitmap progress;
    PrepareBitmap(progress, filled.Width(), filled.Height());
    const int sourceLength = vertical_ ? source.Height() : source.Width();
    const int margins = look_.BeginOffset + look_.EndOffset;
    const int destLength = vertical_ ? filled.Height() : filled.Width();
    if (destLength - margins > 0 && sourceLength - margins <= 0) return;  // no middle to draw from
    DrawProgressMiddle(&progress, source, look_.Stretch || ShowsFrame());
    DrawProgressCaps(&progress);
    skinranges::DrawKeyed(bitmap->Canvas(), filled.Left, filled.Top, progress, look_.Transparent,
                          look_.TransparentColor);
  }
  if (useSkinSize_) DrawTextOnFace(bitmap);
}

bool TspSkinGauge::ShowsFrame() const {
  return frameTimer_ && frameTimer_->Enabled() && frame_ != 0 && look_.CountFrames != 0;
}

void TspSkinGauge::DrawProgressMiddle(TBitmap* progress, const TRect& source, bool stretch) {
  using skincompose::TAxis;
  const int begin = look_.BeginOffset, end = look_.EndOffset;
  TRect from = source, to = Rect(0, 0, progress->Width(), progress->Height());
  if (vertical_) {
    from.Top += begin, from.Bottom -= end, to.Top += begin, to.Bottom -= end;
  } else {
    from.Left += begin, from.Right -= end, to.Left += begin, to.Right -= end;
  }
  TCanvas* picture = Picture->Canvas();
  if ((vertical_ ? to.Height() : to.Width()) <= 0) return;
  if (stretch) {
    skincompose::CopyPiece(progress->Canvas(), to, picture, from);
  } else if (!vertical_) {
    skincompose::TilePiece(progress->Canvas(), to, picture, from, TAxis::Horizontal);
  } else {
    // From the bottom upward; the last tile loses its top rows.
    const int tile = from.Height();
    for (int bottom = to.Bottom; bottom > to.Top; bottom -= tile) {
      const int rows = std::min(tile, static_cast<int>(bottom - to.Top));
      skincompose::CopyPiece(progress->Canvas(), Rect(to.Left, bottom - rows, to.Right, bottom), picture,
                             Rect(from.Left, from.Bottom - rows, from.Right, from.Bottom));
    }
  }
}

void TspSkinGauge::DrawProgressCaps(TBitmap* progress) {
  const TRect& p = look_.ProgressRect;
  const int begin = look_.BeginOffset, end = look_.EndOffset;
  const int W = progress->Width(), H = progress->Height();
  TCanvas* to = progress->Canvas();
  TCanvas* from = Picture->Canvas();
  if (vertical_) {
    skincompose::CopyPiece(to, Rect(0, 0, W, begin), from, Rect(p.Left, p.Top, p.Right, p.Top + begin));
    skincompose::CopyPiece(to, Rect(0, H - end, W, H), from, Rect(p.Left, p.Bottom - end, p.Right, p.Bottom));
  } else {
    skincompose::CopyPiece(to, Rect(0, 0, begin, H), from, Rect(p.Left, p.Top, p.Left + begin, p.Bottom));
    skincompose::CopyPiece(to, Rect(W - end, 0, W, H), from, Rect(p.Right - end, p.Top, p.Right, p.Bottom));
  }
}

void TspSkinGauge::DrawTextOnFace(TBitmap* face) {
  if (!textAlphaBlend_ || !ShowsText()) {
    DrawProgressText(face->Canvas());
    return;
  }
  TBitmap plain;
  plain.Assign(face);
  DrawProgressText(face->Canvas());
  skinranges::MorphToward(*face, plain, 1.0 - textAlphaBlendValue_ / 255.0);
}

// Painting

void TspSkinGauge::Paint() {
  GetSkinData();
  if (useSkinSize_ || lookIndex_ == -1) {
    TspSkinCustomControl::Paint();
    return;
  }
  if (Width() < 1 || Height() < 1) return;
  PaintStretched();
}

// The face is built at the size the look gives (without text) and stretched to the
// control; the text is printed on the stretched picture.
void TspSkinGauge::PaintStretched() {
  int w = Width(), h = Height();
  FitToLook(w, h);
  TBitmap face;
  PrepareBitmap(face, w, h);
  CreateControlSkinImage(&face);
  TBitmap stretched;
  PrepareBitmap(stretched, Width(), Height());
  stretched.Canvas()->StretchDraw(Rect(0, 0, Width(), Height()), &face);
  DrawProgressText(stretched.Canvas());
  DrawFace(*this, Canvas(), stretched);
}

void TspSkinGauge::Dispatch(TMessage& message) {
  TspSkinCustomControl::Dispatch(message);
  if (message.Msg == WM_ERASEBKGND) skinranges::PaintFaceOnErase(*this, InPaint(), message);
}

// Animation

TRect TspSkinGauge::GetAnimationFrameRect() const {
  const TRect& strip = look_.AnimationRect;
  const int n = std::max(look_.CountFrames, 1);
  if (strip.Width() > look_.ProgressRect.Width()) {
    const int size = strip.Width() / n;
    return Rect(strip.Left + (frame_ - 1) * size, strip.Top, strip.Left + frame_ * size, strip.Bottom);
  }
  const int size = strip.Height() / n;
  return Rect(strip.Left, strip.Top + (frame_ - 1) * size, strip.Right, strip.Top + frame_ * size);
}

void TspSkinGauge::StartProgressAnimation() {
  GetSkinData();
  if (lookIndex_ == -1 || look_.AnimationRect.IsEmpty()) return;
  StopProgressAnimation();
  pauseTimer_ = std::make_unique<TTimer>(nullptr);
  pauseTimer_->SetEnabled(false);
  pauseTimer_->OnTimer = TNotifyEvent(this, &TspSkinGauge::PauseTick);
  pauseTimer_->SetInterval(static_cast<unsigned>(progressAnimationPause_));
  frameTimer_ = std::make_unique<TTimer>(nullptr);
  frameTimer_->SetEnabled(false);
  frameTimer_->OnTimer = TNotifyEvent(this, &TspSkinGauge::FrameTick);
  frameTimer_->SetInterval(static_cast<unsigned>(std::max(look_.TimerInterval, 0)));
  StartRun();
}

void TspSkinGauge::StopProgressAnimation() {
  frame_ = 0;
  pauseTimer_.reset();
  frameTimer_.reset();
}

void TspSkinGauge::StartRun() {
  pauseTimer_->SetEnabled(false);
  frame_ = 0;
  frameTimer_->SetEnabled(true);
  Repaint();
}

void TspSkinGauge::FrameTick(TObject* sender) {
  (void)sender;
  if (++frame_ > look_.CountFrames) {
    pauseTimer_->SetEnabled(true);
    frameTimer_->SetEnabled(false);
    frame_ = 0;
  }
  Repaint();
}

void TspSkinGauge::PauseTick(TObject* sender) {
  (void)sender;
  StartRun();
}
