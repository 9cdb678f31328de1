// TspSkinExPanel: properties, rolling, the client area and the caption buttons' mouse
// handling (faces in Skinctrls_ExPanelPaint.cpp).
#include "skin/controls/Skinctrls_ExPanel.h"

#include "classlib/windowing/ControlMessages.h"
#include "skin/data/Skindata_Panels.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

// A roll or restore button's pictures: a missing hot picture is the normal one, a missing
// pressed picture the hot one.
void FallBack(TRect& active, TRect& down, const TRect& normal) {
  if (active.IsEmpty()) active = normal;
  if (down.IsEmpty()) down = active;
}

}  // namespace

TspSkinExPanel::TspSkinExPanel(TComponent* owner)
    : TspSkinCustomControl(owner), glyph_(std::make_unique<TBitmap>()) {
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                csDoubleClicks});
  directPaint_ = true;
  drawClient_ = true;
  SetBounds(Left(), Top(), 150, 100);
  SetSkinDataName("expanel");
}

TspSkinExPanel::~TspSkinExPanel() = default;

// Properties

void TspSkinExPanel::SetCaptionImageList(TCustomImageList* value) {
  StoreReference<TCustomImageList>(*this, captionImageList_, value);
  Repaint();
}

void TspSkinExPanel::SetCaptionImageIndex(int value) {
  if (value == captionImageIndex_) return;
  captionImageIndex_ = value;
  Repaint();
}

void TspSkinExPanel::SetGlyph(TBitmap* value) {
  glyph_->Assign(value);
  Repaint();
}

void TspSkinExPanel::SetNumGlyphs(int value) {
  numGlyphs_ = value;
  Repaint();
}

void TspSkinExPanel::SetSpacing(int value) {
  spacing_ = value;
  Repaint();
}

void TspSkinExPanel::SetShowRollButton(bool value) {
  showRollButton_ = value;
  Repaint();
}

void TspSkinExPanel::SetShowCloseButton(bool value) {
  showCloseButton_ = value;
  Repaint();
}

void TspSkinExPanel::SetDefaultCaptionHeight(int value) {
  defaultCaptionHeight_ = value;
  if (HasLook()) return;
  Repaint();
  Realign();
}

void TspSkinExPanel::SetRollKind(TspExPanelRollKind value) {
  if (value == rollKind_) return;
  // The saved size belongs to the direction it was rolled in: a rolled panel unrolls in
  // the old direction and rolls again in the new one.
  const bool rolled = rollState_;
  if (rolled) SetRollState(false);
  rollKind_ = value;
  if (rolled) SetRollState(true);
  Repaint();
}

TspCaptionPicture TspSkinExPanel::CaptionPicture() const {
  return TspCaptionPicture{captionImageList_, captionImageIndex_, glyph_.get(), numGlyphs_};
}

// Rolling

int TspSkinExPanel::GetRollWidth() const {
  return HasLook() ? look_.rollHSkinRect.Width() : defaultCaptionHeight_;
}

int TspSkinExPanel::GetRollHeight() const {
  return HasLook() ? look_.rollVSkinRect.Height() : defaultCaptionHeight_;
}

void TspSkinExPanel::SetRollState(bool value) {
  if (value == rollState_) return;
  GetSkinData();
  rollState_ = value;
  rolling_ = true;
  if (value) {
    // The rolled face is always composed whole.
    directPaint_ = false;
    savedConstraints_.SaveAndClear(Constraints());
    HideControls();
    if (Horizontal()) {
      if (realWidth_ == 0) realWidth_ = Width();
      SetWidth(GetRollWidth());
    } else {
      if (realHeight_ == 0) realHeight_ = Height();
      SetHeight(GetRollHeight());
    }
  } else {
    directPaint_ = true;
    savedConstraints_.Restore(Constraints());
    if (Horizontal()) {
      SetWidth(realWidth_);
      realWidth_ = 0;
    } else {
      SetHeight(realHeight_);
      realHeight_ = 0;
    }
    ShowControls();
  }
  rolling_ = false;
  if (!Designing()) OnChangeRollState(this);
}

void TspSkinExPanel::Close() {
  SetVisible(false);
  if (!Designing()) OnClose(this);
}

void TspSkinExPanel::SetBounds(int left, int top, int width, int height) {
  if (rollState_ && !rolling_) {
    if (Horizontal()) width = GetRollWidth();
    else height = GetRollHeight();
  }
  TspSkinCustomControl::SetBounds(left, top, width, height);
}

void TspSkinExPanel::Loaded() {
  TspSkinCustomControl::Loaded();
  if (!rollState_) return;
  // Alignment is already off since the roll.
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(false);
}

void TspSkinExPanel::AdjustClientRect(TRect& rect) {
  TspSkinCustomControl::AdjustClientRect(rect);
  if (!HasLook() || Designing()) {
    rect = Rect(rect.Left + 1, rect.Top + defaultCaptionHeight_, rect.Right - 1, rect.Bottom - 1);
  } else {
    rect = NCR;
  }
}

// Look

void TspSkinExPanel::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  const TspDataSkinExPanelControl* look =
      lookIndex_ != -1 ? dynamic_cast<const TspDataSkinExPanelControl*>(skinData_->CtrlList[lookIndex_].get())
                       : nullptr;
  // A look of another kind, or one without a picture, leaves the panel look-less.
  hasLook_ = look != nullptr && Picture != nullptr;
  if (hasLook_) CopyLook(*look);
}

void TspSkinExPanel::CopyLook(const TspDataSkinExPanelControl& look) {
  look_.rollHSkinRect = look.RollHSkinRect;
  look_.rollVSkinRect = look.RollVSkinRect;
  look_.rollLeftOffset = look.RollLeftOffset;
  look_.rollRightOffset = look.RollRightOffset;
  look_.rollTopOffset = look.RollTopOffset;
  look_.rollBottomOffset = look.RollBottomOffset;
  look_.captionRect = look.CaptionRect;
  look_.rollVCaptionRect = look.RollVCaptionRect;
  look_.rollHCaptionRect = look.RollHCaptionRect;
  look_.close = {look.CloseButtonRect, look.CloseButtonActiveRect, look.CloseButtonDownRect};
  look_.hRoll = {look.HRollButtonRect, look.HRollButtonActiveRect, look.HRollButtonDownRect};
  look_.hRestore = {look.HRestoreButtonRect, look.HRestoreButtonActiveRect, look.HRestoreButtonDownRect};
  look_.vRoll = {look.VRollButtonRect, look.VRollButtonActiveRect, look.VRollButtonDownRect};
  look_.vRestore = {look.VRestoreButtonRect, look.VRestoreButtonActiveRect, look.VRestoreButtonDownRect};
  for (TButtonPictures* p : {&look_.hRoll, &look_.hRestore, &look_.vRoll, &look_.vRestore})
    FallBack(p->active, p->down, p->normal);
  look_.font.CopyFrom(look);
  look_.buttonsTransparent = look.ButtonsTransparent;
  look_.buttonsTransparentColor = look.ButtonsTransparentColor;
}

void TspSkinExPanel::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  if (!rollState_) {
    Realign();
    return;
  }
  // The rolled size follows the new look.
  if (Horizontal()) SetWidth(GetRollWidth());
  else SetHeight(GetRollHeight());
}

void TspSkinExPanel::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation == opRemove && component == captionImageList_) captionImageList_ = nullptr;
}

// Mouse and buttons

void TspSkinExPanel::TestActive(int x, int y) {
  if (!showCloseButton_ && !showRollButton_) return;
  oldActiveButton_ = activeButton_;
  activeButton_ = -1;
  for (int i : {kCloseButton, kRollButton}) {
    if (Shown(i) && PtInRect(buttons_[i].rect.AsRECT(), POINT{x, y})) {
      activeButton_ = i;
      break;
    }
  }
  // While one button is held no other one lights up.
  if (captureButton_ != -1 && activeButton_ != captureButton_) activeButton_ = -1;
  if (activeButton_ == oldActiveButton_) return;
  if (oldActiveButton_ != -1) ButtonLeave(oldActiveButton_);
  if (activeButton_ != -1) ButtonEnter(activeButton_);
}

void TspSkinExPanel::ButtonEnter(int index) {
  buttons_[index].mouseOver = true;
  DrawButton(Canvas(), index);
}

void TspSkinExPanel::ButtonLeave(int index) {
  buttons_[index].mouseOver = false;
  DrawButton(Canvas(), index);
}

void TspSkinExPanel::ButtonDown(int index) {
  buttons_[index].mouseOver = true;
  buttons_[index].pressed = true;
  DrawButton(Canvas(), index);
}

void TspSkinExPanel::ButtonUp(int index, int x, int y) {
  TCaptionButton& button = buttons_[index];
  button.pressed = false;
  if (index != activeButton_) button.mouseOver = false;
  DrawButton(Canvas(), index);
  if (!button.mouseOver) return;
  if (index == kCloseButton) {
    Close();
    return;
  }
  SetRollState(!rollState_);
  TestActive(x, y);
  Repaint();
}

void TspSkinExPanel::LeaveButtons() {
  for (int i : {kCloseButton, kRollButton}) {
    if (!buttons_[i].mouseOver) continue;
    buttons_[i].mouseOver = false;
    DrawButton(Canvas(), i);
  }
  activeButton_ = oldActiveButton_ = -1;
}

void TspSkinExPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TestActive(x, y);
  if (activeButton_ != -1) {
    captureButton_ = activeButton_;
    ButtonDown(activeButton_);
  }
  TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinExPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  if (captureButton_ == -1) return;
  const int index = captureButton_;
  captureButton_ = -1;
  ButtonUp(index, x, y);
}

void TspSkinExPanel::MouseMove(TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseMove(shift, x, y);
  TestActive(x, y);
}

void TspSkinExPanel::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(message);
      Repaint();
      return;
    case CM_MOUSEENTER:
      TspSkinCustomControl::Dispatch(message);
      if (!Designing()) TestActive(-1, -1);
      return;
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(message);
      if (!Designing()) LeaveButtons();
      return;
    default:
      TspSkinCustomControl::Dispatch(message);
  }
}
