// TspSkinSpeedButton: properties, the look's values and the faces. Input and the timers
// are in Skinctrls_SpeedButtonInput.cpp.
#include "skin/controls/Skinctrls_SpeedButton.h"

#include "skin/controls/Skinctrls_ButtonLook.h"
#include "skin/controls/Skinctrls_ToolBarParent.h"
#include "skin/data/Skindata_SkinData.h"

TspSkinSpeedButton::TspSkinSpeedButton(TComponent* owner)
    : TspGraphicSkinCustomControl(owner),
      look_(std::make_unique<TspDataSkinButtonControl>("toolbutton")),
      glyph_(std::make_unique<TBitmap>()) {
  SetSkinDataName("toolbutton");
  // No csClickEvents: the platform raises no click of its own on a release.
  SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks});
  SetBounds(Left(), Top(), 25, 25);
}

TspSkinSpeedButton::~TspSkinSpeedButton() {
  StopRepeat();
  StopAnimate();
  StopMorph();
}

// Properties

void TspSkinSpeedButton::SetImageList(TCustomImageList* value) {
  ReplaceReference(*this, imageList_, value);
  Repaint();
}

void TspSkinSpeedButton::SetImageIndex(int value) {
  imageIndex_ = value;
  if (dynamic_cast<IspSkinToolBarParent*>(Parent()) != nullptr || imageList_ != nullptr) Repaint();
}

void TspSkinSpeedButton::SetShowCaption(bool value) {
  if (showCaption_ == value) return;
  showCaption_ = value;
  if (widthWithCaption_ > 0 && widthWithoutCaption_ > 0) SetWidth(value ? widthWithCaption_ : widthWithoutCaption_);
  else Repaint();
}

void TspSkinSpeedButton::SetFlat(bool value) {
  flat_ = value;
  TControlStyle style = ControlStyle();
  if (value) style.Exclude(csOpaque);
  else style.Include(csOpaque);
  SetControlStyle(style);
  Repaint();
}

void TspSkinSpeedButton::SetGlyph(TBitmap* value) {
  glyph_->Assign(value);
  Repaint();
}

void TspSkinSpeedButton::SetNumGlyphs(TspNumGlyphs value) { ChangeAndRepaint(numGlyphs_, value); }

void TspSkinSpeedButton::SetMargin(int value) {
  if (value >= -1) ChangeAndRepaint(margin_, value);
}

void TspSkinSpeedButton::SetSpacing(int value) { ChangeAndRepaint(spacing_, value); }

void TspSkinSpeedButton::SetLayout(TspButtonLayout value) { ChangeAndRepaint(layout_, value); }

void TspSkinSpeedButton::SetSkinImagesMenu(IspSkinImagesMenu* value) {
  LinkImagesMenu(*this, imagesMenu_, imagesMenuComponent_, value,
                 TNotifyEvent(this, &TspSkinSpeedButton::ImagesMenuChanged));
  Repaint();
}

void TspSkinSpeedButton::SetUseImagesMenuImage(bool value) { ChangeAndRepaint(useImagesMenuImage_, value); }

void TspSkinSpeedButton::SetUseImagesMenuCaption(bool value) { ChangeAndRepaint(useImagesMenuCaption_, value); }

void TspSkinSpeedButton::Notification(TComponent* component, TOperation operation) {
  TspGraphicSkinCustomControl::Notification(component, operation);
  if (operation != opRemove || component == nullptr) return;
  if (component == imageList_) imageList_ = nullptr;
  else if (component == imagesMenuComponent_) {
    imagesMenu_ = nullptr;
    imagesMenuComponent_ = nullptr;
  }
}

void TspSkinSpeedButton::ActionChange(TObject* sender, bool checkDefaults) {
  TspGraphicSkinCustomControl::ActionChange(sender, checkDefaults);
  if (TakeActionGlyph(*glyph_, sender)) Repaint();
}

// State

int TspSkinSpeedButton::GetGlyphNum(bool down, bool mouseIn) const {
  return GlyphCell(numGlyphs_, down, mouseIn, Enabled());
}

bool TspSkinSpeedButton::EnableAnimation() const { return SkinEffectsOn(skinData_); }

bool TspSkinSpeedButton::EnableMorphing() const { return TspFaceMorph::Allowed(look_->Morphing, skinData_); }

bool TspSkinSpeedButton::DrawnDown() const { return down_ && ((ShownHot() && groupIndex_ == 0) || groupIndex_ != 0); }

// The look

void TspSkinSpeedButton::GetSkinData() {
  TspGraphicSkinCustomControl::GetSkinData();
  const TspDataSkinButtonControl* data = ButtonPress::ButtonLook(*this);
  if (data == nullptr) return;
  ButtonPress::ApplyLook(*this, *data);
  if (flat_) look_->Morphing = false;
}

void TspSkinSpeedButton::CalcSize(int& W, int& H) {
  if (!ButtonPress::StretchedSize(*this, W, H)) TspGraphicSkinCustomControl::CalcSize(W, H);
}

void TspSkinSpeedButton::ChangeSkinData() {
  StopAnimate();
  StopMorph();
  TspGraphicSkinCustomControl::ChangeSkinData();
  if (lookIndex_ != -1 && EnableMorphing() && mouseIn_) {
    morph_.SetFactor(1);
    Repaint();
  }
}

// Painting

void TspSkinSpeedButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  const bool showsFace = !flat_ || ShownHot() || (down_ && groupIndex_ != 0);
  if (!showsFace) {
    PaintFlatContent();
    return;
  }
  if (lookIndex_ == -1) {
    TspGraphicSkinCustomControl::Paint();
    return;
  }
  int w = Width(), h = Height();
  CalcSize(w, h);
  TBitmap face;
  PrepareFace(*this, face);
  BuildSkinFace(face);
  DrawFace(*this, Canvas(), face);
}

void TspSkinSpeedButton::PaintFlatContent() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(bsClear);
  TFont* font = canvas->Font();
  TRect content = ClientRect();
  if (lookIndex_ == -1) {
    font->Assign(DefaultFont());
    if (!Enabled()) font->SetColor(clBtnShadow);
  } else {
    int w = Width(), h = Height();
    CalcSize(w, h);
    content = NCR;
    if (UseSkinFont()) {
      font->SetName(look_->FontName);
      font->SetHeight(look_->FontHeight);
      font->SetStyle(look_->FontStyle);
    } else {
      font->Assign(DefaultFont());
    }
    if (!Enabled()) font->SetColor(skinData_->SkinColors->BtnShadow);
    else if (useSkinFontColor_) font->SetColor(skinData_->SkinColors->BtnText);
    else font->SetColor(DefaultFont()->Color());
  }
  SetCaptionCharset(canvas, skinData_, DefaultFont());
  DrawContent(canvas, content, false, false, false, GetGlyphNum(false, false));
}

void TspSkinSpeedButton::BuildSkinFace(TBitmap& face) {
  if (ButtonPress::BuildMorphFace(*this, face)) return;
  if (!Enabled() && !look_->DisabledSkinRect.IsEmpty()) CreateButtonImage(&face, look_->DisabledSkinRect, false, false);
  else if (DrawnDown()) CreateButtonImage(&face, look_->DownSkinRect, true, true);
  else if (ShownHot() || (EnableMorphing() && morph_.Factor() == 1))
    CreateButtonImage(&face, look_->ActiveSkinRect, false, true);
  else CreateButtonImage(&face, SR, false, false);
}

void TspSkinSpeedButton::CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) {
  ButtonPress::CreateButtonImage(*this, B, R, ADown, AMouseIn);
}

void TspSkinSpeedButton::DrawFaceContent(TBitmap* B, const TRect& content, bool ADown, bool AMouseIn) {
  TCanvas* canvas = B->Canvas();
  SelectButtonFont(canvas, *look_, skinData_, DefaultFont(), {UseSkinFont(), useSkinFontColor_, Enabled(), ADown, AMouseIn});
  canvas->Brush()->SetStyle(bsClear);
  const bool down = ADown && AMouseIn;
  DrawContent(canvas, content, down, ADown || AMouseIn, down, GetGlyphNum(ADown, AMouseIn));
}

void TspSkinSpeedButton::DrawContent(TCanvas* canvas, const TRect& rect, bool imageDown, bool hot, bool glyphDown,
                                     int glyphNum) {
  int menuImage = -1;
  AnsiString menuCaption;
  if (imagesMenu_ != nullptr && useImagesMenuImage_ && imagesMenu_->SelectedItem(menuImage, menuCaption)) {
    DrawImageAndText(canvas, rect, margin_, spacing_, layout_, useImagesMenuCaption_ ? menuCaption : ShownCaption(),
                     menuImage, imagesMenu_->Images(), imageDown, Enabled(), drawColorMarker_, colorValue_);
    return;
  }
  auto* bar = dynamic_cast<IspSkinToolBarParent*>(Parent());
  if (glyph_->Empty() && (bar != nullptr || imageList_ != nullptr)) {
    TCustomImageList* list = imageList_;
    bool enabled = Enabled();
    if (bar != nullptr && !enabled && bar->DisabledImages() != nullptr) {
      // The bar's disabled images are drawn as they are.
      list = bar->DisabledImages();
      enabled = true;
    } else if (bar != nullptr) {
      list = hot && bar->HotImages() != nullptr ? bar->HotImages() : bar->Images();
    }
    DrawImageAndText(canvas, rect, margin_, spacing_, layout_, ShownCaption(), imageIndex_, list, imageDown, enabled,
                     drawColorMarker_, colorValue_);
    return;
  }
  DrawGlyphAndText(canvas, rect, margin_, spacing_, layout_, ShownCaption(), glyph_.get(), numGlyphs_, glyphNum,
                   glyphDown, drawColorMarker_, colorValue_);
}

void TspSkinSpeedButton::CreateControlDefaultImage(TBitmap* bitmap) {
  TspGraphicSkinCustomControl::CreateControlDefaultImage(bitmap);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Font()->Assign(DefaultFont());
  SetCaptionCharset(canvas, skinData_, DefaultFont());
  const bool menuContent = imagesMenu_ != nullptr && useImagesMenuImage_;
  if (!Enabled() && !menuContent) canvas->Font()->SetColor(clBtnShadow);
  const bool drawnDown = DrawnDown();
  const bool hot = ShownHot();
  DrawDefaultButtonFrame(canvas, ClientRect(), drawnDown, hot);
  DrawContent(canvas, ClientRect(), down_ && hot, hot || down_, drawnDown, GetGlyphNum(down_, hot));
}

void TspSkinSpeedButton::DrawMenuMarker(TCanvas* canvas, const TRect& rect, bool active, bool down, bool flat) {
  const TRect source = down     ? look_->MenuMarkerDownRect
                       : active ? look_->MenuMarkerActiveRect
                       : flat   ? look_->MenuMarkerFlatRect
                                : look_->MenuMarkerRect;
  DrawButtonMarker(canvas, Picture, source, look_->MenuMarkerTransparentColor, rect);
}
