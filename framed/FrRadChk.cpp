// The glyph button base: glyph size and strip, composition off screen, the frame
// controller, keys and the checked action link.
#include "framed/FrRadChk.h"

#include <algorithm>
#include <memory>

#include "classlib/runtime/SysUtils.h"
#include "classlib/windowing/Action.h"
#include "framed/FrCommon_Borders.h"
#include "framed/FrCommon_Colors.h"
#include "framed/FrCommon_Drawing.h"
#include "framed/FrThemes.h"

namespace {

constexpr int kTemplateSize = 13;

// `dest` filled with `fill`, then `over` copied onto it except where it has `key`.
void ComposeOver(TBitmap& dest, TColor fill, TBitmap* over, TColor key) {
  const TRect all = Rect(0, 0, over->Width(), over->Height());
  dest.SetSize(all.Width(), all.Height());
  dest.Canvas()->Brush()->SetColor(fill);
  dest.Canvas()->FillRect(all);
  PaintMaskedBitmap(dest.Canvas(), over, all, all, key);
}

}  // namespace

TFrCustomGlyphButton::TFrCustomGlyphButton(TComponent* owner)
    : TFrCustomButton(owner), customGlyphs_(new TBitmap), background_(new TBitmap) {
  TControlStyle style = ControlStyle();
  style.Include(csSetCaption);
  SetControlStyle(style);
  SetParentColor(true);
  customGlyphs_->OnChange = TNotifyEvent(this, &TFrCustomGlyphButton::CustomGlyphsChanged);
}

TFrCustomGlyphButton::~TFrCustomGlyphButton() {
  if (frameController_ != nullptr) frameController_->DetachControl(this);
  delete customGlyphs_;
  delete background_;
}

template <class T>
void TFrCustomGlyphButton::StoreGlyphColor(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Invalidate();
}

void TFrCustomGlyphButton::SetAlignment(TAlignment value) { StoreGlyphColor(alignment_, value); }
void TFrCustomGlyphButton::SetFrameColor(TColor value) { StoreGlyphColor(frameColor_, value); }
void TFrCustomGlyphButton::SetDisabledColor(TColor value) { StoreGlyphColor(disabledColor_, value); }
void TFrCustomGlyphButton::SetTransparentColor(TColor value) { StoreGlyphColor(transparentColor_, value); }
void TFrCustomGlyphButton::SetWinMaskColor(TColor value) { StoreGlyphColor(winMaskColor_, value); }

void TFrCustomGlyphButton::SetTransparent(bool value) {
  updateBackground_ = true;
  TFrCustomButton::SetTransparent(value);
}

// The strip's images are NumStates wide; without custom glyphs the glyph is 13 x 13.
void TFrCustomGlyphButton::SetUseCustomGlyphs(bool value) {
  if (value == useCustomGlyphs_) return;
  useCustomGlyphs_ = value;
  glyphWidth_ = value ? customGlyphs_->Width() / numStates_ : kTemplateSize;
  glyphHeight_ = value ? customGlyphs_->Height() : kTemplateSize;
  Invalidate();
}

void TFrCustomGlyphButton::CustomGlyphsChanged(TObject*) {
  SetUseCustomGlyphs(!customGlyphs_->Empty());
  updateBackground_ = true;
  Invalidate();
}

void TFrCustomGlyphButton::SetFrameController(TFrFrameController* value) {
  SwitchFrameController(this, frameController_, value);
}

void TFrCustomGlyphButton::Notification(TComponent* component, TOperation operation) {
  TFrCustomButton::Notification(component, operation);
  if (operation == opRemove && component == frameController_) frameController_ = nullptr;
}

void TFrCustomGlyphButton::ApplyControllerFrame() {
  if (frameController_ == nullptr || !frameController_->FrameVisible()) return;
  frameColor_ = frameController_->FrameColor();
  disabledColor_ = frameController_->DisabledColor();
  Invalidate();
}

void TFrCustomGlyphButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
    case WM_SIZE:
      TFrCustomButton::Dispatch(message);
      updateBackground_ = true;
      return;
    case CM_ENABLEDCHANGED:
    case CM_PARENTCOLORCHANGED:
      TFrCustomButton::Dispatch(message);
      updateBackground_ = true;
      Invalidate();
      return;
    default:
      TFrCustomButton::Dispatch(message);
  }
}

void TFrCustomGlyphButton::KeyPress(char& key) {
  if (tabOnEnter_ && key == '\r') {
    key = 0;
    PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
    return;
  }
  TFrCustomButton::KeyPress(key);
}

TClass TFrCustomGlyphButton::GetActionLinkClass() const { return TFrCheckedActionLink::StaticClass(); }

// Older resources stored the hot tracking as "Flat".
void TFrCustomGlyphButton::DefineProperties(TFiler* filer) {
  TFrCustomButton::DefineProperties(filer);
  filer->DefineProperty("Flat", [this](const TValueReader& value) { ReadFlat(value); });
}

void TFrCustomGlyphButton::ReadFlat(const TValueReader& value) { SetHotTrack(value.ReadBoolean()); }

// ---- Painting ----

void TFrCustomGlyphButton::GetDisplayRect(TRect& rect) {
  const int x = alignment_ == taRightJustify ? 0 : Width() - glyphWidth_;
  int y = 2;
  if (AlignmentVertical() == avCenter) y = (Height() - glyphHeight_) / 2;
  else if (AlignmentVertical() == avBottom) y = Height() - glyphHeight_ - 2;
  rect = Bounds(x, y, glyphWidth_, glyphHeight_);
}

TColor TFrCustomGlyphButton::AvoidMaskColor(TColor color) const {
  const TColor rgb = ColorToRGB(color);
  if (rgb == ColorToRGB(transparentColor_) || rgb == ColorToRGB(winMaskColor_) || rgb == ColorToRGB(clGray))
    return rgb + 1;
  return color;
}

TFrCustomGlyphButton::THotColors TFrCustomGlyphButton::HotColors() const {
  if (!DisplayHasFullColor()) return {clWindow, clWindow, clWindow};
  const THotTrackColors pair = HotTrackColors(HotTrackColor(), HotTrackColorType());
  return {pair.Light, DarkenColor(pair.Track, 30), DarkenColor(clWindow, 20)};
}

void TFrCustomGlyphButton::RefreshBackground() {
  const TRect all = ClientRect();
  background_->SetSize(all.Width(), all.Height());
  if (Transparent()) {
    // The control's own face holds the parent's picture painted when it was erased.
    background_->Canvas()->CopyRect(all, Canvas(), all);
  } else {
    background_->Canvas()->Brush()->SetColor(Color());
    background_->Canvas()->FillRect(all);
  }
  updateBackground_ = false;
}

void TFrCustomGlyphButton::Paint() {
  TBitmap composed;
  composed.SetSize(Width(), Height());
  TCanvas* canvas = composed.Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetColor(Color());
  if (updateBackground_) RefreshBackground();
  canvas->Draw(0, 0, background_);
  PaintStateGlyph(canvas);
  TRect text = Rect(1, 1, Width() - 1, Height() - 1);
  if (alignment_ == taRightJustify) text.Left += glyphWidth_ + 4;
  else text.Right -= glyphWidth_ + 4;
  PaintCaption(canvas, text, DT_WORDBREAK | DT_EXPANDTABS);
  text = Rect(text.Left - 1, text.Top - 1, text.Right + 1, text.Bottom + 1);
  if (Focused() && !Caption().IsEmpty()) {
    canvas->SetFont(Font());
    const int width = std::min(text.Width(), canvas->TextWidth(Trim(Caption())) + 3);
    text.Right = text.Left + width;
    PaintFocusDots(canvas, text);
  }
  Canvas()->Draw(0, 0, &composed);
}

// The glyph over the background, its window-mask pixels in clWindow and its green ones
// in a blend of the frame colour and the background.
void TFrCustomGlyphButton::PaintStateGlyph(TCanvas* canvas) {
  TRect place;
  GetDisplayRect(place);
  TBitmap glyph;
  glyph.SetSize(glyphWidth_, glyphHeight_);
  MakeGlyphBitmap(&glyph);
  const TRect all = Rect(0, 0, glyphWidth_, glyphHeight_);
  TBitmap overBackground, overWindow, overFrame;
  if (Transparent()) {
    overBackground.SetSize(glyphWidth_, glyphHeight_);
    overBackground.Canvas()->CopyRect(all, canvas, place);
    const bool styled = ThemeServices != nullptr && ThemeServices->StylesActive();
    PaintMaskedBitmap(overBackground.Canvas(), &glyph, all, all, styled ? clBtnFace : transparentColor_);
  } else {
    ComposeOver(overBackground, Color(), &glyph, transparentColor_);
  }
  ComposeOver(overWindow, clWindow, &overBackground, winMaskColor_);
  ComposeOver(overFrame, MixColors(frameColor_, canvas->Pixels(0, 0), 128), &overWindow, clGreen);
  canvas->Draw(place.Left, place.Top, &overFrame);
}

void TFrCustomGlyphButton::ExtractGlyphImage(int index, TBitmap* dest, TBitmap* strip, int width, int height) {
  dest->SetSize(width, height);
  dest->Canvas()->CopyRect(Rect(0, 0, width, height), strip->Canvas(), Rect(index * width, 0, (index + 1) * width, height));
}

void TFrCustomGlyphButton::LoadTemplateGlyph(TBitmap* bitmap, const char* name, const std::vector<TColorMap>& map) {
  bitmap->LoadMappedResourceName(GetModuleHandleA(nullptr), name, map);
}

void TFrCustomGlyphButton::PaintStyledGlyph(TBitmap* bitmap, int n, bool fillFirst) {
  const ThemedElementDetails details = TThemeServices::ButtonElement(n);
  const TRect all = Rect(0, 0, glyphWidth_, glyphHeight_);
  HDC dc = bitmap->Canvas()->Handle();
  if (fillFirst) {
    bitmap->Canvas()->Brush()->SetColor(Color());
    bitmap->Canvas()->FillRect(all);
  } else {
    ThemeServices->PaintParentElementBackground(Handle(), dc, &details, true, all);
  }
  ThemeServices->PaintElement(dc, details, all);
}

// ---- The checked action link ----

TFrCheckedActionLink::TFrCheckedActionLink(TObject* client)
    : TWinControlActionLink(client), button_(dynamic_cast<TFrCustomGlyphButton*>(client)) {}

bool TFrCheckedActionLink::IsCheckedLinked() const {
  return TWinControlActionLink::IsCheckedLinked() && button_ != nullptr;
}

void TFrCheckedActionLink::SetChecked(bool value) {
  if (IsCheckedLinked()) button_->SetChecked(value);
}
