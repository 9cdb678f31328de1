// TspSkinButton: properties, the look's values and the faces. Input, focus, groups and the
// timers are in Skinctrls_ButtonInput.cpp.
#include "skin/controls/Skinctrls_Button.h"

#include "classlib/windowing/Action.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/controls/Skinctrls_ButtonLook.h"
#include "skin/controls/Skinctrls_Faces.h"
#include "skin/data/Sputils_Compose.h"

TspSkinButton::TspSkinButton(TComponent* owner)
    : TspSkinCustomControl(owner), look_(std::make_unique<TspDataSkinButtonControl>("button")), glyph_(new TBitmap) {
  SetSkinDataName("button");
  SetBounds(Left(), Top(), 75, 25);
}

TspSkinButton::~TspSkinButton() {
  delete glyph_;
}

// Properties

void TspSkinButton::SetImageList(TCustomImageList* value) {
  ReplaceReference(*this, imageList_, value);
  Repaint();
}

void TspSkinButton::SetImageIndex(int value) { ChangeAndRepaint(imageIndex_, value); }

void TspSkinButton::SetCanFocused(bool value) {
  canFocused_ = value;
  SetTabStop(value);
  // Only a focusable button answers Enter as the focused one.
  if (!value) activeDefault_ = default_;
}

void TspSkinButton::SetGroupIndex(int value) {
  groupIndex_ = value;
  if (value != 0) SetCanFocused(false);
}

void TspSkinButton::SetGlyph(TBitmap* value) {
  glyph_->Assign(value);
  Repaint();
}

void TspSkinButton::SetNumGlyphs(TspNumGlyphs value) { ChangeAndRepaint(numGlyphs_, value); }

void TspSkinButton::SetMargin(int value) {
  if (value >= -1) ChangeAndRepaint(margin_, value);
}

void TspSkinButton::SetSpacing(int value) { ChangeAndRepaint(spacing_, value); }

void TspSkinButton::SetLayout(TspButtonLayout value) { ChangeAndRepaint(layout_, value); }

void TspSkinButton::SetDefault(bool value) {
  default_ = value;
  if (!HandleAllocated() || !canFocused_ || ComponentState().Contains(csDesigning)) return;
  if (TCustomForm* form = GetParentForm(this); form != nullptr)
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TspSkinButton::SetSkinImagesMenu(IspSkinImagesMenu* value) {
  LinkImagesMenu(*this, imagesMenu_, imagesMenuComponent_, value, TNotifyEvent(this, &TspSkinButton::ImagesMenuChanged));
  Repaint();
}

void TspSkinButton::SetUseImagesMenuImage(bool value) { ChangeAndRepaint(useImagesMenuImage_, value); }

void TspSkinButton::SetUseImagesMenuCaption(bool value) { ChangeAndRepaint(useImagesMenuCaption_, value); }

void TspSkinButton::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation != opRemove || component == nullptr) return;
  if (component == imageList_) imageList_ = nullptr;
  else if (component == imagesMenuComponent_) {
    imagesMenu_ = nullptr;
    imagesMenuComponent_ = nullptr;
  } else {
    return;
  }
  if (!ComponentState().Contains(csDestroying)) Repaint();
}

void TspSkinButton::Loaded() {
  TspSkinCustomControl::Loaded();
  SetCanFocused(canFocused_);
}

void TspSkinButton::CreateWnd() {
  TspSkinCustomControl::CreateWnd();
  activeDefault_ = default_;
}

void TspSkinButton::ActionChange(TObject* sender, bool checkDefaults) {
  TspSkinCustomControl::ActionChange(sender, checkDefaults);
  if (TakeActionGlyph(*glyph_, sender)) Repaint();
}

// State

int TspSkinButton::GetGlyphNum(bool down, bool mouseIn) const {
  return GlyphCell(numGlyphs_, down, mouseIn, Enabled());
}

bool TspSkinButton::IsFocused() const { return canFocused_ && Focused(); }

bool TspSkinButton::EnableAnimation() const { return SkinEffectsOn(skinData_); }

bool TspSkinButton::EnableMorphing() const { return TspFaceMorph::Allowed(look_->Morphing, skinData_); }

bool TspSkinButton::DrawnDown() const {
  return down_ && (mouseIn_ || (IsFocused() && !pressed_) || groupIndex_ != 0);
}

// The look

void TspSkinButton::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  const TspDataSkinButtonControl* data = ButtonPress::ButtonLook(*this);
  if (data == nullptr) return;
  if (!useSkinSize_) Mask = nullptr;
  ButtonPress::ApplyLook(*this, *data);
}

void TspSkinButton::CalcSize(int& W, int& H) {
  if (!ButtonPress::StretchedSize(*this, W, H)) TspSkinCustomControl::CalcSize(W, H);
}

void TspSkinButton::ChangeSkinData() {
  StopAnimate();
  StopMorph();
  TspSkinCustomControl::ChangeSkinData();
  if (lookIndex_ != -1 && EnableMorphing() && (IsFocused() || mouseIn_)) {
    morph_.SetFactor(1);
    Repaint();
  }
}

// Painting

void TspSkinButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (lookIndex_ == -1) {
    TspSkinCustomControl::Paint();
    return;
  }
  int w = Width(), h = Height();
  CalcSize(w, h);
  TBitmap face;
  PrepareFace(*this, face);
  BuildSkinFace(face);
  DrawFace(*this, Canvas(), face);
}

void TspSkinButton::BuildSkinFace(TBitmap& face) {
  if (ButtonPress::BuildMorphFace(*this, face)) return;
  const bool animating = animation_.Running();
  if (!Enabled() && !look_->DisabledSkinRect.IsEmpty()) CreateButtonImage(&face, look_->DisabledSkinRect, false, false);
  else if (DrawnDown()) CreateButtonImage(&face, look_->DownSkinRect, true, true);
  else if (IsFocused() && !look_->FocusedSkinRect.IsEmpty() && !animating)
    CreateButtonImage(&face, look_->FocusedSkinRect, false, true);
  else if (IsFocused() || mouseIn_ || (EnableMorphing() && morph_.Factor() == 1))
    CreateButtonImage(&face, look_->ActiveSkinRect, false, true);
  else CreateButtonImage(&face, SR, false, false);
}

void TspSkinButton::CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) {
  ButtonPress::CreateButtonImage(*this, B, R, ADown, AMouseIn);
}

void TspSkinButton::SetContentCharset(TCanvas* canvas) { SetCaptionCharset(canvas, skinData_, DefaultFont()); }

void TspSkinButton::SelectSkinFont(TCanvas* canvas, bool ADown, bool AMouseIn) {
  SelectButtonFont(canvas, *look_, skinData_, DefaultFont(),
                   {UseSkinFont(), useSkinFontColor_, Enabled(), ADown, AMouseIn});
}

void TspSkinButton::DrawFaceContent(TBitmap* B, TRect content, bool ADown, bool AMouseIn) {
  TCanvas* canvas = B->Canvas();
  SelectSkinFont(canvas, ADown, AMouseIn);
  DrawFocusFrame(canvas, content);
  DrawContent(canvas, content, ADown, ADown, GetGlyphNum(ADown, AMouseIn));
}

void TspSkinButton::DrawFocusFrame(TCanvas* canvas, const TRect& rect) {
  if (!look_->ShowFocus || !Focused() || skinData_ == nullptr) return;
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(skinData_->SkinColors->BtnFace);
  canvas->DrawFocusRect(rect);
  canvas->Brush()->SetStyle(bsClear);
}

void TspSkinButton::DrawContent(TCanvas* canvas, const TRect& rect, bool imageDown, bool listDown, int glyphNum) {
  int menuImage = -1;
  AnsiString menuCaption;
  if (imagesMenu_ != nullptr && useImagesMenuImage_ && imagesMenu_->SelectedItem(menuImage, menuCaption)) {
    DrawImageAndText(canvas, rect, margin_, spacing_, layout_, useImagesMenuCaption_ ? menuCaption : Caption(),
                     menuImage, imagesMenu_->Images(), imageDown, Enabled(), false, 0);
  } else if (imageList_ != nullptr && imageIndex_ >= 0 && imageIndex_ < imageList_->Count()) {
    DrawImageAndText(canvas, rect, margin_, spacing_, layout_, Caption(), imageIndex_, imageList_, listDown, Enabled(),
                     false, 0);
  } else {
    DrawGlyphAndText(canvas, rect, margin_, spacing_, layout_, Caption(), glyph_, numGlyphs_, glyphNum, imageDown,
                     false, 0);
  }
}

void TspSkinButton::CreateControlDefaultImage(TBitmap* bitmap) {
  TspSkinCustomControl::CreateControlDefaultImage(bitmap);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Font()->Assign(DefaultFont());
  SetContentCharset(canvas);
  if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
  const bool drawnDown = DrawnDown();
  DrawDefaultButtonFrame(canvas, ClientRect(), drawnDown, mouseIn_ || IsFocused());
  DrawContent(canvas, ClientRect(), drawnDown, down_ && mouseIn_, GetGlyphNum(down_, mouseIn_));
}

void TspSkinButton::DrawMenuMarker(TCanvas* canvas, const TRect& rect, bool active, bool down) {
  const TRect source = down ? look_->MenuMarkerDownRect : active ? look_->MenuMarkerActiveRect : look_->MenuMarkerRect;
  DrawButtonMarker(canvas, Picture, source, look_->MenuMarkerTransparentColor, rect);
}
