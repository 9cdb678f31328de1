#include "skin/controls/Skinctrls_ButtonLabel.h"

#include "classlib/windowing/ControlMessages.h"
#include "skin/data/Skindata_SkinData.h"

TspSkinButtonLabel::TspSkinButtonLabel(TComponent* owner)
    : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
  SetControlStyle(ControlStyle() - TControlStyle{csOpaque} + TControlStyle{csSetCaption});
  SetBounds(Left(), Top(), 100, 50);
  defaultFont_->SetName("Arial");
  defaultFont_->SetHeight(14);
  defaultFont_->SetStyle({});
}

TspSkinButtonLabel::~TspSkinButtonLabel() = default;

void TspSkinButtonLabel::SetImageList(TCustomImageList* value) {
  StoreReference<TCustomImageList>(*this, imageList_, value);
  Repaint();
}

void TspSkinButtonLabel::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  Repaint();
}

void TspSkinButtonLabel::SetWebStyle(bool value) {
  webStyle_ = value;
  if (ComponentState().Contains(csDesigning)) SetCursor(value ? crHandPoint : crDefault);
}

void TspSkinButtonLabel::SetGlyph(TBitmap* value) {
  glyph_->Assign(value);
  Repaint();
}

void TspSkinButtonLabel::SetNumGlyphs(TspNumGlyphs value) {
  numGlyphs_ = value;
  Repaint();
}

void TspSkinButtonLabel::SetMargin(int value) {
  if (value == margin_ || value < -1) return;
  margin_ = value;
  Repaint();
}

void TspSkinButtonLabel::SetSpacing(int value) {
  if (value == spacing_) return;
  spacing_ = value;
  Repaint();
}

void TspSkinButtonLabel::SetLayout(TspButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Repaint();
}

void TspSkinButtonLabel::SetDefaultFont(TFont* value) {
  defaultFont_->Assign(value);
  Repaint();
}

void TspSkinButtonLabel::SetSkinData(TspSkinData* value) {
  if (StoreSkinData(*this, value)) ChangeSkinData();
}

void TspSkinButtonLabel::ChangeSkinData() {
  FindLook();
  Repaint();
}

void TspSkinButtonLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation != opRemove) return;
  ForgetSkinData(component);
  if (component == imageList_) imageList_ = nullptr;
}

int TspSkinButtonLabel::GlyphCell() const {
  if (pressed_ && mouseIn_ && numGlyphs_ > 2) return 3;
  if (mouseIn_ && numGlyphs_ > 3) return 4;
  if (Enabled() || numGlyphs_ < 2) return 1;
  return 2;
}

void TspSkinButtonLabel::ApplyFont(TFont* font) const {
  // The index of the last skin change decides: the look is not looked up while painting.
  if (!look_.Found()) {
    font->Assign(defaultFont_.get());
    if (mouseIn_) font->SetColor(defaultActiveFontColor_);
  } else {
    if (useSkinFont_) look_.ApplyLookFont(font);
    else font->Assign(defaultFont_.get());
    font->SetColor(mouseIn_ ? look_.ActiveFontColor() : look_.FontColor());
  }
  TspStdLabelLook::ApplyCharset(font, skinData_, defaultFont_.get());
  if (!webStyle_) return;
  TFontStyles style = font->Style();
  if (mouseIn_) style.Include(fsUnderline);
  else style.Exclude(fsUnderline);
  font->SetStyle(style);
}

void TspSkinButtonLabel::Paint() {
  TCanvas* canvas = Canvas();
  ApplyFont(canvas->Font());
  const bool down = pressed_ && !webStyle_;
  if (imageList_ != nullptr && imageIndex_ >= 0 && imageIndex_ < imageList_->Count())
    DrawImageAndText(canvas, ClientRect(), margin_, spacing_, layout_, Caption(), imageIndex_, imageList_, down,
                     Enabled(), false, clBlack);
  else
    DrawGlyphAndText(canvas, ClientRect(), margin_, spacing_, layout_, Caption(), glyph_.get(), numGlyphs_,
                     GlyphCell(), down, false, clBlack);
}

void TspSkinButtonLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  pressed_ = true;
  Repaint();
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TspSkinButtonLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  pressed_ = false;
  Repaint();
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TspSkinButtonLabel::Dispatch(TMessage& message) {
  TGraphicControl::Dispatch(message);
  if ((message.Msg != CM_MOUSEENTER && message.Msg != CM_MOUSELEAVE) || ComponentState().Contains(csDesigning)) return;
  mouseIn_ = message.Msg == CM_MOUSEENTER;
  Repaint();
}
