#include "skin/controls/Skinctrls_Panel.h"

#include "classlib/windowing/ControlMessages.h"
#include "skin/data/Skindata_Panels.h"
#include "skin/data/Skindata_SkinData.h"

// TspSkinPanel: properties, client area, check and roll-up (faces in Skinctrls_PanelPaint.cpp)

TspSkinPanel::TspSkinPanel(TComponent* owner) : TspSkinCustomControl(owner), glyph_(std::make_unique<TBitmap>()) {
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                csDoubleClicks});
  directPaint_ = true;
  SetBounds(Left(), Top(), 150, 150);
  SetSkinDataName("panel");
}

TspSkinPanel::~TspSkinPanel() = default;

void TspSkinPanel::SetTransparentMode(bool value) {
  if (value == transparentMode_) return;
  transparentMode_ = value;
  Repaint();
  if (!ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) CheckControlsBackground();
}

void TspSkinPanel::SetCaptionImageList(TCustomImageList* value) {
  StoreReference<TCustomImageList>(*this, captionImageList_, value);
  Repaint();
}

void TspSkinPanel::SetCaptionImageIndex(int value) {
  if (value == captionImageIndex_) return;
  captionImageIndex_ = value;
  Repaint();
}

void TspSkinPanel::SetCheckedMode(bool value) {
  checkedMode_ = value;
  Repaint();
}

void TspSkinPanel::SetChecked(bool value) {
  checked_ = value;
  if (checkedMode_) Repaint();
  if (autoEnabledControls_ && checkedMode_) {
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(value);
  }
  OnChecked(this);
}

void TspSkinPanel::SetGlyph(TBitmap* value) {
  glyph_->Assign(value);
  Repaint();
}

void TspSkinPanel::SetNumGlyphs(TspSkinPanelNumGlyphs value) {
  numGlyphs_ = value;
  Repaint();
}

void TspSkinPanel::SetSpacing(int value) {
  spacing_ = value;
  Repaint();
}

void TspSkinPanel::SetDefaultAlignment(TAlignment value) {
  defaultAlignment_ = value;
  if (lookIndex_ == -1 && captionMode_) Repaint();
}

void TspSkinPanel::SetDefaultCaptionHeight(int value) {
  defaultCaptionHeight_ = value;
  if (lookIndex_ != -1 || !captionMode_) return;
  Repaint();
  Realign();
}

void TspSkinPanel::SetBorderStyle(TspSkinBorderStyle value) {
  borderStyle_ = value;
  if (lookIndex_ != -1) return;
  Repaint();
  Realign();
}

void TspSkinPanel::SetCaptionMode(bool value) {
  captionMode_ = value;
  Repaint();
  Realign();
}

void TspSkinPanel::SetRollUpMode(bool value) {
  rollUpMode_ = value;
  if (lookIndex_ == -1 && captionMode_) Repaint();
}

void TspSkinPanel::SetRollUpState(bool value) {
  if (value == rollUpState_) return;
  if (!rollUpMode_) {
    savedConstraints_.Restore(Constraints());
    rollUpState_ = false;
    return;
  }
  // Rolled up the panel may shrink to its caption; unrolled its own limits hold again.
  if (value) savedConstraints_.SaveAndClear(Constraints());
  rollUpState_ = value;
  DoRollUp(value);
  if (!value) savedConstraints_.Restore(Constraints());
  OnChangeRollUpState(this);
}

void TspSkinPanel::DoRollUp(bool up) {
  if (up && realHeight_ == -1) {
    realHeight_ = Height();
    HideControls();
    SetHeight(lookIndex_ == -1 ? defaultCaptionHeight_ + 1 : Height() - NCR.Height());
  } else if (!up && realHeight_ != -1) {
    SetHeight(realHeight_);
    realHeight_ = -1;
    ShowControls();
  }
}

void TspSkinPanel::GetSkinClientRect(TRect& rect) {
  rect = Rect(0, 0, Width(), Height());
  AdjustClientRect(rect);
}

void TspSkinPanel::AdjustClientRect(TRect& rect) {
  TspSkinCustomControl::AdjustClientRect(rect);
  if (lookIndex_ != -1 && transparentMode_) {
    GetTranparentClientRect(rect);
  } else if (lookIndex_ == -1 || ComponentState().Contains(csDesigning)) {
    if (borderStyle_ != TspSkinBorderStyle::bvNone) rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    if (captionMode_) rect.Top += defaultCaptionHeight_;
  } else if (bgPictureIndex_ == -1 && !ShowsClientPieceOnly()) {
    rect = NCR;
  }
}

bool TspSkinPanel::ShowsClientPieceOnly() const {
  return borderStyle_ == TspSkinBorderStyle::bvNone && !captionMode_ && ResizeMode == rmNineParts;
}

void TspSkinPanel::GetTranparentClientRect(TRect& rect) {
  if (lookIndex_ != -1 && transparentMode_ && !captionMode_) {
    rect = Rect(2, 2, Width() - 2, Height() - 2);
    return;
  }
  TFont font;
  ApplyCaptionFont(&font);
  rect = Rect(2, MeasureText(&font, Caption()).cy, Width() - 2, Height() - 2);
}

void TspSkinPanel::SetBounds(int left, int top, int width, int height) {
  TspSkinCustomControl::SetBounds(left, top, width, height);
  if (lookIndex_ == -1) Repaint();
}

void TspSkinPanel::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  bgPictureIndex_ = -1;
  if (lookIndex_ == -1) return;
  auto* look = dynamic_cast<TspDataSkinPanelControl*>(skinData_->CtrlList[lookIndex_].get());
  if (look == nullptr) return;
  captionRect_ = look->CaptionRect;
  lookAlignment_ = look->Alignment;
  lookFont_.CopyFrom(*look);
  // A damaged skin may name a picture it does not have: the look's face is shown then.
  const int index = look->BGPictureIndex;
  const bool pictureExists = index >= 0 && index < static_cast<int>(skinData_->ActivePictures.size()) &&
                             skinData_->ActivePictures[static_cast<size_t>(index)] != nullptr;
  bgPictureIndex_ = pictureExists ? index : -1;
  checkImageRect_ = look->CheckImageRect;
  uncheckImageRect_ = look->UnCheckImageRect;
  markFrameRect_ = look->MarkFrameRect;
  frameRect_ = look->FrameRect;
  frameTextRect_ = look->FrameTextRect;
  frameLeftOffset_ = look->FrameLeftOffset;
  frameRightOffset_ = look->FrameRightOffset;
}

void TspSkinPanel::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  if (!rollUpState_) {
    Realign();
    return;
  }
  // The rolled height follows the new look's caption and frame rows.
  const int unrolled = realHeight_;
  realHeight_ = -1;
  DoRollUp(true);
  realHeight_ = unrolled;
}

void TspSkinPanel::SetAlphaBlend(bool value) {
  TspSkinCustomControl::SetAlphaBlend(value);
  Repaint();
}

void TspSkinPanel::SetAlphaBlendValue(BYTE value) {
  TspSkinCustomControl::SetAlphaBlendValue(value);
  Repaint();
}

void TspSkinPanel::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation == opRemove && component == captionImageList_) captionImageList_ = nullptr;
}

void TspSkinPanel::CreateParams(TCreateParams& params) {
  TspSkinCustomControl::CreateParams(params);
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TspSkinPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if ((rollUpMode_ || checkedMode_) && captionMode_ && button == mbLeft) {
    const TRect area = lookIndex_ != -1 ? sizedCaptionRect_ : Rect(1, 1, Width() - 1, defaultCaptionHeight_);
    if (PtInRect(area.AsRECT(), POINT{x, y})) {
      if (checkedMode_) SetChecked(!checked_);
      if (rollUpMode_) SetRollUpState(!rollUpState_);
    }
  }
  TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinPanel::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(message);
      if (captionMode_) Repaint();
      return;
    case WM_MOVE:
      TspSkinCustomControl::Dispatch(message);
      if (!transparentMode_) return;
      Repaint();
      CheckControlsBackground();
      return;
    case WM_CHECKPARENTBG:
      if (!transparentMode_ && !alphaBlend_) return;
      Repaint();
      CheckControlsBackground();
      return;
    default:
      TspSkinCustomControl::Dispatch(message);
  }
}

// TspSkinPaintPanel

TspSkinPaintPanel::TspSkinPaintPanel(TComponent* owner) : TspSkinPanel(owner) { directPaint_ = false; }

void TspSkinPaintPanel::PanelPaint(TCanvas* canvas) {
  if (!OnPanelPaint) return;
  TRect rect;
  GetSkinClientRect(rect);
  OnPanelPaint(canvas, rect);
}

void TspSkinPaintPanel::CreateControlDefaultImage(TBitmap* bitmap) {
  TspSkinPanel::CreateControlDefaultImage(bitmap);
  PanelPaint(bitmap->Canvas());
}

void TspSkinPaintPanel::CreateControlSkinImage(TBitmap* bitmap) {
  TspSkinPanel::CreateControlSkinImage(bitmap);
  PanelPaint(bitmap->Canvas());
}

void TspSkinPaintPanel::PaintTransparent(TCanvas* canvas) { PanelPaint(canvas); }

void TspSkinPaintPanel::Dispatch(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND && !InPaint()) {
    PaintWindow(reinterpret_cast<HDC>(message.WParam));
    message.Result = 1;
    return;
  }
  TspSkinPanel::Dispatch(message);
}

// TspSkinGroupBox

TspSkinGroupBox::TspSkinGroupBox(TComponent* owner) : TspSkinPanel(owner) {
  SetSkinDataName("groupbox");
  SetCaptionMode(true);
}
