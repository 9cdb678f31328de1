#include "skin/controls/Skinctrls_Rolling.h"

#include "skin/data/Sputils_Glyphs.h"

int TspCaptionPicture::Width() const {
  if (UsesImage()) return list->Width();
  return glyph->Empty() ? 0 : glyph->Width() / numGlyphs;
}

int TspCaptionPicture::Height() const {
  if (UsesImage()) return list->Height();
  return glyph->Empty() ? 0 : glyph->Height();
}

void TspCaptionPicture::Draw(TCanvas* canvas, int x, int y, bool enabled) const {
  if (UsesImage()) list->Draw(canvas, x, y, index, enabled);
  else if (!glyph->Empty()) DrawGlyph(canvas, x, y, glyph, numGlyphs, !enabled && numGlyphs == 2 ? 2 : 1);
}

void TspSavedConstraints::SaveAndClear(TSizeConstraints* constraints) {
  maxWidth_ = constraints->MaxWidth;
  minWidth_ = constraints->MinWidth;
  maxHeight_ = constraints->MaxHeight;
  minHeight_ = constraints->MinHeight;
  saved_ = true;
  constraints->MaxWidth = constraints->MinWidth = constraints->MaxHeight = constraints->MinHeight = 0;
}

void TspSavedConstraints::Restore(TSizeConstraints* constraints) {
  if (!saved_) return;
  constraints->MaxWidth = maxWidth_;
  constraints->MinWidth = minWidth_;
  constraints->MaxHeight = maxHeight_;
  constraints->MinHeight = minHeight_;
  saved_ = false;
}

void ShowChildControls(TWinControl& control) {
  for (int i = 0; i < control.ControlCount(); ++i) control.Controls(i)->SetVisible(true);
  control.EnableAlign();
}

void HideChildControls(TWinControl& control) {
  control.DisableAlign();
  for (int i = 0; i < control.ControlCount(); ++i) control.Controls(i)->SetVisible(false);
}
