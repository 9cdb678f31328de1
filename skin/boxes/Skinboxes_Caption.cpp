// The skinned list box's caption strip: the caption text with its glyph, and the up, down
// and check buttons, which step the selection (repeating while held) or click the inner
// list unless their events are assigned.
#include <algorithm>

#include "skin/boxes/Skinboxes_ListBox.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/data/Sputils_Glyphs.h"

namespace {

enum TButtonIndex { kUp = 0, kDown = 1, kCheck = 2 };

constexpr UINT_PTR kRepeatTimer = 1;
constexpr int kFirstRepeatDelay = 500;
constexpr int kRepeatInterval = 100;
constexpr int kResumeInterval = 50;

// The default look's button colours (frame, pressed fill, hot fill).
constexpr TColor kButtonFrame = static_cast<TColor>(0x800000);
constexpr TColor kDownFill = static_cast<TColor>(0xB59385);
constexpr TColor kHotFill = static_cast<TColor>(0xD2BDB6);

TRect Offset(const TRect& r, int dx, int dy) { return Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy); }

}  // namespace

// Properties

void TspSkinCustomListBox::SetCaptionMode(bool value) {
  captionMode_ = value;
  if (LookIndex() != -1) return;
  CalcRects();
  Invalidate();
}

void TspSkinCustomListBox::SetDefaultCaptionHeight(int value) {
  defaultCaptionHeight_ = value;
  if (LookIndex() != -1 || !captionMode_) return;
  CalcRects();
  Invalidate();
}

void TspSkinCustomListBox::CaptionFontChanged(TObject*) {
  if (LookIndex() == -1 && captionMode_) Invalidate();
}

void TspSkinCustomListBox::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  if (captionMode_) Invalidate();
}

void TspSkinCustomListBox::SetGlyph(TBitmap* value) {
  glyph_->Assign(value);
  Invalidate();
}

void TspSkinCustomListBox::SetNumGlyphs(int value) {
  numGlyphs_ = std::clamp(value, 1, 2);
  Invalidate();
}

void TspSkinCustomListBox::SetSpacing(int value) {
  spacing_ = value;
  Invalidate();
}

// Painting

int TspSkinCustomListBox::CaptionFullWidth(TCanvas* canvas) {
  int width = canvas->TextWidth(Caption());
  if (!glyph_->Empty()) width += glyph_->Width() / numGlyphs_ + spacing_;
  return width;
}

void TspSkinCustomListBox::DrawCaptionGlyph(TCanvas* canvas, int x, int y) {
  const int slice = !Enabled() && numGlyphs_ == 2 ? 2 : 1;
  DrawGlyph(canvas, x, y, glyph_, numGlyphs_, slice);
}

void TspSkinCustomListBox::PlaceSkinCaption() {
  const int dW = Width() - SR.Width();
  const int dH = Height() - SR.Height();
  captionRect_ = look_.CaptionRect;
  if (captionRect_.Right >= RT.X) captionRect_.Right += dW;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    TRect r = look_.ButtonRect[i];
    if (r.Top > LT.Y) r = Offset(r, r.Left > RB.X ? dW : 0, dH);
    else if (r.Left > RT.X) r = Offset(r, dW, 0);
    buttons_[i].R = r;
  }
}

void TspSkinCustomListBox::DrawSkinCaption(TCanvas* canvas) {
  if (!IsNullRect(look_.CaptionRect)) {
    look_.SetCaptionFont(canvas->Font());
    TspResourceStrData* strings = skinData_->ResourceStrData();
    canvas->Font()->SetCharset(strings != nullptr ? strings->CharSet() : defaultCaptionFont_->Charset());
    const TRect& r = captionRect_;
    const AnsiString text = Caption();
    const int fullWidth = CaptionFullWidth(canvas);
    const int textY = r.Top + r.Height() / 2 - canvas->TextHeight(text) / 2;
    int x = r.Left + 2;
    if (alignment_ == taRightJustify) x = r.Right - fullWidth - 2;
    else if (alignment_ == taCenter) x = r.Left + 2 + r.Width() / 2 - fullWidth / 2;
    const int glyphX = x;
    const int glyphY = r.Top + r.Height() / 2 - glyph_->Height() / 2;
    if (!glyph_->Empty()) x += glyph_->Width() / numGlyphs_ + spacing_;
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(r, x, textY, text);
    if (!glyph_->Empty()) DrawCaptionGlyph(canvas, glyphX, glyphY);
  }
  for (int i = 0; i < 3; ++i) DrawButton(canvas, i);
}

void TspSkinCustomListBox::DrawDefaultCaption(TCanvas* canvas, int W) {
  if (!captionMode_) return;
  const int B = std::min(17, defaultCaptionHeight_ - 3);
  buttons_[kUp].R = Rect(W - B - 2, 2, W - 2, B + 1);
  buttons_[kDown].R = Rect(buttons_[kUp].R.Left - B, 2, buttons_[kUp].R.Left, B + 1);
  buttons_[kCheck].R = Rect(buttons_[kDown].R.Left - B, 2, buttons_[kDown].R.Left, B + 1);
  const TRect r = Rect(3, 2, W - 3 * B - 3, defaultCaptionHeight_ - 2);
  canvas->Font()->Assign(defaultCaptionFont_);
  TspResourceStrData* strings = skinData_ != nullptr ? skinData_->ResourceStrData() : nullptr;
  if (strings != nullptr) canvas->Font()->SetCharset(strings->CharSet());
  const AnsiString text = Caption();
  const int fullWidth = CaptionFullWidth(canvas);
  int x = r.Left;
  if (alignment_ == taRightJustify) x = r.Right - fullWidth;
  else if (alignment_ == taCenter) x = r.Left + r.Width() / 2 - fullWidth / 2;
  const int textY = (defaultCaptionHeight_ - 2) / 2 - canvas->TextHeight(text) / 2;
  const int glyphX = x;
  const int glyphY = r.Top + r.Height() / 2 - glyph_->Height() / 2 - 1;
  if (!glyph_->Empty()) x += glyph_->Width() / numGlyphs_ + spacing_;
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextRect(r, x, textY, text);
  if (!glyph_->Empty()) DrawCaptionGlyph(canvas, glyphX, glyphY);
  canvas->Pen()->SetColor(clBtnShadow);
  canvas->MoveTo(1, defaultCaptionHeight_ - 1);
  canvas->LineTo(W - 1, defaultCaptionHeight_ - 1);
  for (int i = 0; i < 3; ++i) DrawButton(canvas, i);
}

void TspSkinCustomListBox::DrawButton(TCanvas* canvas, int index) {
  const TCaptionButton& button = buttons_[static_cast<size_t>(index)];
  if (LookIndex() == -1) {
    canvas->Brush()->SetStyle(bsSolid);
    TRect fill = button.R;
    if (button.MouseIn) {
      canvas->Brush()->SetColor(kButtonFrame);
      canvas->FrameRect(button.R);
      fill = Rect(fill.Left + 1, fill.Top + 1, fill.Right - 1, fill.Bottom - 1);
    }
    canvas->Brush()->SetColor(!button.MouseIn ? clBtnFace : button.Down ? kDownFill : kHotFill);
    canvas->FillRect(fill);
    if (index == kCheck) DrawCheckImage(canvas, button.R.Left + 4, button.R.Top + 4, clBlack);
    else DrawArrowImage(canvas, button.R, clBlack, index == kUp ? 3 : 4);
    return;
  }
  if (IsNullRect(button.R) || Picture == nullptr) return;
  const auto i = static_cast<size_t>(index);
  TRect source;
  if (button.MouseIn) source = button.Down ? look_.DownButtonRect[i] : look_.ActiveButtonRect[i];
  if (IsNullRect(source)) source = Offset(look_.ButtonRect[i], SR.Left, SR.Top);
  canvas->CopyRect(button.R, Picture->Canvas(), source);
}

// The buttons and the mouse

bool TspSkinCustomListBox::CaptionButtonsReact() const {
  if (!captionMode_) return false;
  return LookIndex() == -1 || !IsNullRect(look_.ButtonRect[kUp]) || !IsNullRect(look_.ButtonRect[kDown]);
}

const TNotifyEvent& TspSkinCustomListBox::ButtonEvent(int index) const {
  const TNotifyEvent* events[] = {&OnUpButtonClick, &OnDownButtonClick, &OnCheckButtonClick};
  return *events[index];
}

void TspSkinCustomListBox::TestActive(int x, int y) {
  if (!CaptionButtonsReact()) return;
  oldActiveButton_ = activeButton_;
  activeButton_ = -1;
  for (int i = 0; i < 3; ++i) {
    const TRect& r = buttons_[static_cast<size_t>(i)].R;
    if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) {
      activeButton_ = i;
      break;
    }
  }
  if (captureButton_ != -1 && activeButton_ != captureButton_) activeButton_ = -1;
  if (activeButton_ == oldActiveButton_) return;
  if (oldActiveButton_ != -1) ButtonLeave(oldActiveButton_);
  if (activeButton_ != -1) ButtonEnter(activeButton_);
}

void TspSkinCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (CaptionButtonsReact()) {
    TestActive(x, y);
    if (activeButton_ != -1) {
      captureButton_ = activeButton_;
      ButtonDown(activeButton_);
    }
  }
  TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinCustomListBox::MouseMove(TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseMove(shift, x, y);
  TestActive(x, y);
}

void TspSkinCustomListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (captureButton_ != -1) ButtonUp(captureButton_);
  captureButton_ = -1;
  TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinCustomListBox::ButtonDown(int index) {
  TCaptionButton& button = buttons_[static_cast<size_t>(index)];
  button.MouseIn = true;
  button.Down = true;
  DrawButton(Canvas(), index);
  if (ButtonEvent(index)) return;
  timerMode_ = index == kUp ? 1 : index == kDown ? 2 : 0;
  if (timerMode_ == 0) return;
  waitMode_ = true;
  SetCaptionTimer(kFirstRepeatDelay);
}

void TspSkinCustomListBox::ButtonUp(int index) {
  TCaptionButton& button = buttons_[static_cast<size_t>(index)];
  button.Down = false;
  if (index != activeButton_) button.MouseIn = false;
  DrawButton(Canvas(), index);
  if (button.MouseIn && ButtonEvent(index)) {
    ButtonEvent(index)(this);
  } else {
    StepSelection(index);
  }
  if (timerMode_ != 0) StopTimer();
}

void TspSkinCustomListBox::ButtonEnter(int index) {
  TCaptionButton& button = buttons_[static_cast<size_t>(index)];
  button.MouseIn = true;
  DrawButton(Canvas(), index);
  if (timerMode_ != 0 && button.Down) SetCaptionTimer(kResumeInterval);
}

void TspSkinCustomListBox::ButtonLeave(int index) {
  TCaptionButton& button = buttons_[static_cast<size_t>(index)];
  button.MouseIn = false;
  DrawButton(Canvas(), index);
  if (timerMode_ != 0 && button.Down) KillCaptionTimer();
}

// The default action of a button: up and down step the selection (the down step stops at
// the last item), check clicks the inner list.
void TspSkinCustomListBox::StepSelection(int index) {
  const int current = ItemIndex();
  if (index == kUp) {
    if (current > 0) SetItemIndex(current - 1);
  } else if (index == kDown) {
    if (current < Items()->Count() - 1) SetItemIndex(current + 1);
  } else {
    listBox_->Click();
  }
}

void TspSkinCustomListBox::CaptionTimerTick() {
  if (waitMode_) {
    waitMode_ = false;
    KillCaptionTimer();
    SetCaptionTimer(kRepeatInterval);
    return;
  }
  if (timerMode_ == 1) StepSelection(kUp);
  else if (timerMode_ == 2) StepSelection(kDown);
}

void TspSkinCustomListBox::StopTimer() {
  KillCaptionTimer();
  timerMode_ = 0;
}

void TspSkinCustomListBox::SetCaptionTimer(int interval) {
  if (HandleAllocated()) SetTimer(Handle(), kRepeatTimer, static_cast<UINT>(interval), nullptr);
}

void TspSkinCustomListBox::KillCaptionTimer() {
  if (HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
}
