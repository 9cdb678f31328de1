#include "skin/controls/Skinctrls_StatusBar.h"

#include <algorithm>

#include "classlib/windowing/ControlMessages.h"
#include "skin/data/Skindata_Panels.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Glyphs.h"

// TspSkinStatusBar

TspSkinStatusBar::TspSkinStatusBar(TComponent* owner) : TspSkinPanel(owner) {
  SetSkinDataName("statusbar");
  SetAlign(alBottom);
  SetHeight(21);
  SetBorderStyle(TspSkinBorderStyle::bvNone);
  directPaint_ = false;
}

void TspSkinStatusBar::SetSizeGrip(bool value) {
  sizeGrip_ = value;
  Repaint();
  Realign();
}

void TspSkinStatusBar::SetShowGrip(bool value) {
  showGrip_ = value;
  Repaint();
  Realign();
}

void TspSkinStatusBar::GetSkinData() {
  TspSkinPanel::GetSkinData();
  if (lookIndex_ == -1) return;
  if (auto* look = dynamic_cast<TspDataSkinPanelControl*>(skinData_->CtrlList[lookIndex_].get())) {
    gripperRect_ = look->GripperRect;
    gripperTransparent_ = look->GripperTransparent;
    gripperTransparentColor_ = look->GripperTransparentColor;
  }
}

void TspSkinStatusBar::SetSkinData(TspSkinData* value) {
  TspSkinPanel::SetSkinData(value);
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* child = dynamic_cast<TspSkinControl*>(Controls(i))) child->SetSkinData(value);
  }
}

void TspSkinStatusBar::GetGripRect(TRect& rect) {
  TRect k;
  GetSkinClientRect(k);
  if (HasGripperPicture())
    rect = Rect(k.Right, k.Bottom - gripperRect_.Height(), k.Right + gripperRect_.Width(), k.Bottom);
  else
    rect = Rect(k.Right + 2, k.Top, k.Right + k.Height(), k.Bottom - 2);
}

void TspSkinStatusBar::AdjustClientRect(TRect& rect) {
  TspSkinPanel::AdjustClientRect(rect);
  if (!HasGrip()) return;
  rect.Right -= HasGripperPicture() ? gripperRect_.Width() : rect.Height();
}

void TspSkinStatusBar::Dispatch(TMessage& message) {
  if (message.Msg != WM_NCHITTEST || ComponentState().Contains(csDesigning) || !HasGrip()) {
    TspSkinPanel::Dispatch(message);
    return;
  }
  POINT point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  ::ScreenToClient(Handle(), &point);
  TRect grip;
  GetGripRect(grip);
  message.Result = PtInRect(grip.AsRECT(), point) ? HTBOTTOMRIGHT : HTCLIENT;
}

void TspSkinStatusBar::CreateControlDefaultImage(TBitmap* bitmap) {
  TspSkinPanel::CreateControlDefaultImage(bitmap);
  if (!HasGrip()) return;
  TRect grip;
  GetGripRect(grip);
  DrawDefaultGripper(grip, bitmap->Canvas(), clBtnShadow, clBtnHighlight);
}

void TspSkinStatusBar::CreateControlSkinImage(TBitmap* bitmap) {
  TspSkinPanel::CreateControlSkinImage(bitmap);
  if (!HasGrip()) return;
  TRect grip;
  GetGripRect(grip);
  if (gripperRect_.IsEmpty()) {
    DrawDefaultGripper(grip, bitmap->Canvas(), skinData_->SkinColors->BtnShadow, skinData_->SkinColors->BtnHighlight);
    return;
  }
  TBitmap gripper;
  gripper.SetSize(gripperRect_.Width(), gripperRect_.Height());
  gripper.Canvas()->CopyRect(Rect(0, 0, gripperRect_.Width(), gripperRect_.Height()), Picture->Canvas(), gripperRect_);
  if (gripperTransparent_) {
    gripper.SetTransparentColor(gripperTransparentColor_);
    gripper.SetTransparent(true);
  }
  bitmap->Canvas()->Draw(grip.Left, grip.Top, &gripper);
}

void DrawDefaultGripper(const TRect& R, TCanvas* C, TColor ShadowColor, TColor LightColor) {
  const int pairs = R.Width() / 3 + 1;
  for (int i = 1, k = 3; i <= pairs && R.Left + k + 2 <= R.Right; ++i, k += 3) {
    C->Pen()->SetColor(ShadowColor);
    C->MoveTo(R.Left + k, R.Bottom);
    C->LineTo(R.Right, R.Top + k);
    C->Pen()->SetColor(LightColor);
    C->MoveTo(R.Left + k + 1, R.Bottom);
    C->LineTo(R.Right, R.Top + k + 1);
  }
}

// TspSkinStatusPanel

TspSkinStatusPanel::TspSkinStatusPanel(TComponent* owner)
    : TspSkinLabel(owner), glyph_(std::make_unique<TBitmap>()) {
  SetSkinDataName("statuspanel");
  SetWidth(120);
}

TspSkinStatusPanel::~TspSkinStatusPanel() = default;

void TspSkinStatusPanel::SetImageList(TCustomImageList* value) {
  StoreReference<TCustomImageList>(*this, imageList_, value);
  Repaint();
}

void TspSkinStatusPanel::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  Repaint();
}

void TspSkinStatusPanel::PictureChanged() {
  Repaint();
  if (AutoSize()) AdjustBounds();
}

void TspSkinStatusPanel::SetGlyph(TBitmap* value) {
  glyph_->Assign(value);
  PictureChanged();
}

void TspSkinStatusPanel::SetNumGlyphs(TspStatusPanelNumGlyphs value) {
  numGlyphs_ = value;
  PictureChanged();
}

bool TspSkinStatusPanel::UsesImage() const {
  return glyph_->Empty() && imageList_ != nullptr && imageIndex_ >= 0 && imageIndex_ < imageList_->Count();
}

int TspSkinStatusPanel::PictureWidth() const {
  if (UsesImage()) return imageList_->Width();
  return glyph_->Empty() ? 0 : glyph_->Width() / numGlyphs_;
}

int TspSkinStatusPanel::CalcWidthOffset() { return WidthOffset(PictureWidth() > 0 ? PictureWidth() + 3 : 0); }

void TspSkinStatusPanel::DrawPicture(TCanvas* canvas, int x, const TRect& within) {
  if (UsesImage()) {
    imageList_->Draw(canvas, x, within.Top + within.Height() / 2 - imageList_->Height() / 2, imageIndex_, Enabled());
  } else if (!glyph_->Empty()) {
    DrawGlyph(canvas, x, within.Top + within.Height() / 2 - glyph_->Height() / 2, glyph_.get(), numGlyphs_,
              !Enabled() && numGlyphs_ == 2 ? 2 : 1);
  }
}

void TspSkinStatusPanel::CreateControlDefaultImage(TBitmap* bitmap) {
  TspSkinCustomControl::CreateControlDefaultImage(bitmap);
  DrawSkinBorder(bitmap->Canvas(), ClientRect(), BorderStyle());
  TRect text = Rect(3, 3, Width() - 3, Height() - 3);
  if (UsesImage()) {
    DrawPicture(bitmap->Canvas(), text.Left, text);
    text.Left += PictureWidth() + 2;
  } else if (!glyph_->Empty()) {
    DrawPicture(bitmap->Canvas(), 3, ClientRect());
    text.Left += PictureWidth() + 2;
  }
  DrawLabelText(bitmap->Canvas(), text);
}

void TspSkinStatusPanel::CreateControlSkinImage(TBitmap* bitmap) {
  CreateSkinControlImage(bitmap, Picture, SR);
  TRect text = NCR;
  if (PictureWidth() > 0) {
    DrawPicture(bitmap->Canvas(), text.Left, text);
    text.Left += PictureWidth() + 2;
  }
  DrawLabelText(bitmap->Canvas(), text);
}

void TspSkinStatusPanel::Notification(TComponent* component, TOperation operation) {
  TspSkinLabel::Notification(component, operation);
  if (operation == opRemove && component == imageList_) imageList_ = nullptr;
}

void TspSkinStatusPanel::Dispatch(TMessage& message) {
  TspSkinLabel::Dispatch(message);
  if (message.Msg == CM_ENABLEDCHANGED) Repaint();
}
