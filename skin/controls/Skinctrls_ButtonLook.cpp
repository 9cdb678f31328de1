#include "skin/controls/Skinctrls_ButtonLook.h"

#include "classlib/windowing/Action.h"
#include "skin/controls/Skinctrls_Faces.h"
#include "skin/controls/Skinctrls_Geometry.h"
#include "skin/data/Sputils_Compose.h"

namespace {

// Look-less faces: the frame and fill of the hot and the pressed state.

}  // namespace

void CopyButtonLook(TspDataSkinButtonControl& look, const TspDataSkinButtonControl& data, const TRect& normal) {
  look.FontName = data.FontName;
  look.FontStyle = data.FontStyle;
  look.FontHeight = data.FontHeight;
  look.FontColor = data.FontColor;
  look.ActiveFontColor = data.ActiveFontColor;
  look.DownFontColor = data.DownFontColor;
  look.DisabledFontColor = data.DisabledFontColor;
  look.Morphing = data.Morphing;
  look.MorphKind = data.MorphKind;
  look.ActiveSkinRect = data.ActiveSkinRect.IsEmpty() ? normal : data.ActiveSkinRect;
  look.DownSkinRect = data.DownSkinRect.IsEmpty() ? look.ActiveSkinRect : data.DownSkinRect;
  look.DisabledSkinRect = data.DisabledSkinRect;
  look.FocusedSkinRect = data.FocusedSkinRect;
  look.AnimateSkinRect = data.AnimateSkinRect;
  look.FrameCount = data.FrameCount;
  look.AnimateInterval = data.AnimateInterval;
  look.ShowFocus = data.ShowFocus;
  look.MenuMarkerRect = data.MenuMarkerRect;
  look.MenuMarkerActiveRect = data.MenuMarkerActiveRect.IsEmpty() ? data.MenuMarkerRect : data.MenuMarkerActiveRect;
  look.MenuMarkerDownRect = data.MenuMarkerDownRect.IsEmpty() ? look.MenuMarkerActiveRect : data.MenuMarkerDownRect;
  look.MenuMarkerFlatRect = data.MenuMarkerFlatRect;
  look.MenuMarkerTransparentColor = data.MenuMarkerTransparentColor;
}

TRect AnimationFrameRect(const TspDataSkinButtonControl& look, const TRect& normal, int frame) {
  const TRect& strip = look.AnimateSkinRect;
  if (strip.Width() > normal.Width()) {
    const int size = strip.Width() / look.FrameCount;
    return Rect(strip.Left + (frame - 1) * size, strip.Top, strip.Left + frame * size, strip.Bottom);
  }
  const int size = strip.Height() / look.FrameCount;
  return Rect(strip.Left, strip.Top + (frame - 1) * size, strip.Right, strip.Top + frame * size);
}

void SelectButtonFont(TCanvas* canvas, const TspDataSkinButtonControl& look, TspSkinData* skin,
                      TFont* defaultFont, const TspButtonFontState& state) {
  TFont* font = canvas->Font();
  if (state.useSkinFont) {
    font->SetName(look.FontName);
    font->SetHeight(look.FontHeight);
    font->SetStyle(look.FontStyle);
  } else {
    font->Assign(defaultFont);
  }
  SetCaptionCharset(canvas, skin, defaultFont);
  if (state.enabled && !state.useSkinFontColor) font->SetColor(defaultFont->Color());
  else if (!state.enabled) font->SetColor(look.DisabledFontColor);
  else if (state.down && state.mouseIn) font->SetColor(look.DownFontColor);
  else if (state.mouseIn) font->SetColor(look.ActiveFontColor);
  else font->SetColor(look.FontColor);
}

void DrawButtonMarker(TCanvas* canvas, TBitmap* picture, const TRect& source, TColor transparent,
                      const TRect& rect) {
  if (picture == nullptr || source.IsEmpty()) return;
  TBitmap marker;
  marker.SetSize(source.Width(), source.Height());
  marker.Canvas()->CopyRect(Rect(0, 0, source.Width(), source.Height()), picture->Canvas(), source);
  marker.SetTransparent(true);
  marker.SetTransparentMode(tmFixed);
  marker.SetTransparentColor(transparent);
  canvas->Draw(rect.Left + rect.Width() / 2 - source.Width() / 2, rect.Top + rect.Height() / 2 - source.Height() / 2,
               &marker);
}

bool TakeActionGlyph(TBitmap& glyph, TObject* sender) {
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (action == nullptr || !glyph.Empty() || action->ActionList() == nullptr) return false;
  TCustomImageList* images = action->ActionList()->Images();
  if (images == nullptr || action->ImageIndex() < 0 || action->ImageIndex() >= images->Count()) return false;
  glyph.SetSize(images->Width(), images->Height());
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, images->Width(), images->Height()));
  images->Draw(glyph.Canvas(), 0, 0, action->ImageIndex(), true);
  return true;
}

int GlyphCell(TspNumGlyphs numGlyphs, bool down, bool mouseIn, bool enabled) {
  if (down && mouseIn && numGlyphs > 2) return 3;
  if (mouseIn && numGlyphs > 3) return 4;
  if (!enabled && numGlyphs > 1) return 2;
  return 1;
}

TRect StretchButtonFace(TBitmap* B, TBitmap* picture, int resizeMode, const TRect& R, const TRect& client) {
  if (picture != nullptr && resizeMode == rmFixed)
    B->Canvas()->CopyRect(Rect(0, 0, B->Width(), B->Height()), picture->Canvas(), R);
  else if (picture != nullptr && (resizeMode == rmHorizontal || resizeMode == rmVertical))
    CreateStretchImage(B, picture, R, client, true);
  return Rect(client.Left, client.Top, client.Right + B->Width() - R.Width(), client.Bottom + B->Height() - R.Height());
}

void DrawDefaultButtonFrame(TCanvas* canvas, TRect rect, bool drawnDown, bool hot) {
  TColor frame = clBtnShadow, fill = clBtnFace;
  if (drawnDown) frame = kDefaultHotFrame, fill = kDefaultDownFill;
  else if (hot) frame = kDefaultHotFrame, fill = kDefaultHotFill;
  DrawFramedPart(canvas, rect, frame, fill);
}

void DrawFramedPart(TCanvas* canvas, const TRect& rect, TColor frame, TColor fill) {
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(frame);
  canvas->FrameRect(rect);
  canvas->Brush()->SetColor(fill);
  canvas->FillRect(Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1));
  canvas->Brush()->SetStyle(bsClear);
}

void LinkImagesMenu(TComponent& self, IspSkinImagesMenu*& menu, TComponent*& component, IspSkinImagesMenu* value,
                    const TNotifyEvent& onChanged) {
  TComponent* valueComponent = value != nullptr ? value->MenuComponent() : nullptr;
  if (component != nullptr && component != valueComponent) self.RemoveFreeNotification(component);
  menu = value;
  component = valueComponent;
  if (value == nullptr) return;
  self.FreeNotification(valueComponent);
  value->SetOnChanged(onChanged);
}
