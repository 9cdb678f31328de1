#pragma once
// What the skinned containers with a caption bar share: the caption's picture (an image
// of a list, else a glyph), the size limits a rolled container drops and restores, and
// their children hidden and shown around a roll.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/windowing/WinControl.h"

// The picture before a caption: the list's image when the glyph is empty and the index
// lies in the list, else the glyph (one of `numGlyphs` states side by side), else none.
struct TspCaptionPicture {
  TCustomImageList* list = nullptr;
  int index = -1;
  TBitmap* glyph = nullptr;
  int numGlyphs = 1;

  bool UsesImage() const { return glyph->Empty() && list != nullptr && index >= 0 && index < list->Count(); }
  int Width() const;
  int Height() const;
  // Draws the picture with its top-left at (x, y); a disabled glyph takes its second state
  // when it has two.
  void Draw(TCanvas* canvas, int x, int y, bool enabled) const;
};

// The size limits in force before rolling; cleared while rolled, restored after.
class TspSavedConstraints {
 public:
  void SaveAndClear(TSizeConstraints* constraints);
  // Nothing when none were saved.
  void Restore(TSizeConstraints* constraints);

 private:
  int maxWidth_ = 0, minWidth_ = 0, maxHeight_ = 0, minHeight_ = 0;
  bool saved_ = false;
};

// Every child shown, then alignment on again.
void ShowChildControls(TWinControl& control);
// Alignment off, then every child hidden.
void HideChildControls(TWinControl& control);
