#pragma once
// The faces of header sections, shared by the skinned header control and the skinned list
// view's column header: a button look ("resizebutton") composed at the section's size in
// its normal, hot or pressed state, or the look-less face; and the section's image and
// caption, cut with "..." when they do not fit.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/AnsiString.h"
#include "skin/controls/Skinctrls_LabelFont.h"
#include "skin/data/Sputils_Values.h"

class TspSkinData;

enum class TspSectionState { Normal, Hot, Pressed };

class TspHeaderLook {
 public:
  // Finds the look named `name`: -1 without a loaded skin or without the name. A button
  // look's values are copied; a look of another kind, or one whose picture index names no
  // picture, leaves the look without a picture, and the look-less face is drawn.
  void Find(TspSkinData* skin, const AnsiString& name);
  int Index() const { return index_; }
  // A face can be composed from the skin.
  bool Composes() const { return picture_ != nullptr; }
  // The look's face has a fixed height (its left-bottom point is (0, 0)): it is composed
  // as a strip at the skin rectangle's height.
  bool FixedHeight() const { return LB.X == 0 && LB.Y == 0; }
  const TRect& SkinRect() const { return SR; }
  const TspLookFont& Font() const { return font_; }
  TColor FontColor(TspSectionState state) const;
  // The face of a section at W x H; a fixed-height look is composed at its own height
  // (the bitmap is then W x the skin rectangle's height).
  void ComposeFace(TBitmap* bitmap, int W, int H, TspSectionState state, TspStretchType stretchType) const;
  // The normal face anchored at the left, its right end cut off: the bar after the last section.
  void ComposeRest(TBitmap* bitmap, int W, int H, TspStretchType stretchType) const;
  // The content rectangle of a section face at W x H: the look's client rectangle widened
  // and heightened with the face.
  TRect ContentRect(int W, int H) const;
  TspStretchType StretchType() const { return stretchType_; }

 private:
  using TNinePartComposer = void (*)(const TPoint&, const TPoint&, const TPoint&, const TPoint&, const TRect&,
                                     const TPoint&, const TPoint&, const TPoint&, const TPoint&, const TRect&,
                                     TBitmap*, TBitmap*, const TRect&, int, int, bool, bool, bool, bool, bool, bool,
                                     TspStretchType);
  using TStripComposer = void (*)(int, int, TBitmap*, TBitmap*, const TRect&, int, int, bool);

  const TRect& StateRect(TspSectionState state) const;
  // `source` composed at W x H: nine parts, or a strip at the skin rectangle's height.
  void Compose(TBitmap* bitmap, int W, int H, const TRect& source, TspStretchType stretchType,
               TNinePartComposer ninePart, TStripComposer strip) const;

  int index_ = -1;
  TBitmap* picture_ = nullptr;
  TRect SR, activeSR_, downSR_, CR;
  TPoint LT, RT, LB, RB;
  bool leftStretch_ = false, topStretch_ = false, rightStretch_ = false, bottomStretch_ = false;
  bool clientStretch_ = false;
  TspStretchType stretchType_ = spstFull;
  TspLookFont font_;
  TColor activeFontColor_ = 0, downFontColor_ = 0;
};

// The look-less section face in `rect` (a one-pixel frame: navy around a light or darker
// fill when hot or pressed, the button shadow around the button face otherwise); `rect`
// becomes the inside.
void DrawPlainSectionFace(TCanvas* canvas, TRect& rect, TspSectionState state);

// How a section's image and caption are placed inside its content rectangle.
struct TspSectionContent {
  AnsiString Text;
  TAlignment Alignment = taLeftJustify;
  TCustomImageList* Images = nullptr;
  int ImageIndex = -1;
  // Space kept free at the right of a right-aligned caption without an image.
  int RightInset = 0;
};

// Draws the image and the caption (shortened with "..." to fit) vertically centred and
// clipped to `rect`, in the canvas's font, on a clear brush.
void DrawSectionContent(TCanvas* canvas, const TRect& rect, const TspSectionContent& content);
