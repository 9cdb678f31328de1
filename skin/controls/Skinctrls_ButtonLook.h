#pragma once
// What the skinned push button and the speed button share about a "button" look: the
// values they copy from it with the state fallbacks, the frames of its animation strip,
// the caption font of a state, the drop-down marker and the glyph an action's image gives.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/Object.h"
#include "skin/data/Skindata_Buttons.h"

class TspSkinData;

// Copies the look's values into `look`; an empty active face falls back to `normal`, an
// empty pressed face to the active one, and the empty markers as the look-less drawing
// of drop-down markers expects.
void CopyButtonLook(TspDataSkinButtonControl& look, const TspDataSkinButtonControl& data, const TRect& normal);

// Frame `frame` (1-based) of the animation strip: cells side by side when the strip is
// wider than the normal face, else one below the other.
TRect AnimationFrameRect(const TspDataSkinButtonControl& look, const TRect& normal, int frame);

// How a face's caption is coloured.
struct TspButtonFontState {
  bool useSkinFont = true;
  bool useSkinFontColor = true;
  bool enabled = true;
  bool down = false;
  bool mouseIn = false;
};

// The caption font of a face: the look's name, height and style (or `defaultFont`), the
// skin's character set, and the colour of the state.
void SelectButtonFont(TCanvas* canvas, const TspDataSkinButtonControl& look, TspSkinData* skin,
                      TFont* defaultFont, const TspButtonFontState& state);

// Draws rectangle `source` of `picture` centred in `rect`, transparent by the look's
// marker colour.
void DrawButtonMarker(TCanvas* canvas, TBitmap* picture, const TRect& source, TColor transparent,
                      const TRect& rect);

// An empty `glyph` takes the image of the action `sender` (a custom action with an image
// in its list's images) on a fuchsia background; answers whether it did.
bool TakeActionGlyph(TBitmap& glyph, TObject* sender);
