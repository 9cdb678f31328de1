#pragma once
// What the skinned push button and the speed button share about a "button" look: the
// values they copy from it with the state fallbacks, the frames of its animation strip,
// the caption font of a state, the drop-down marker and the glyph an action's image gives.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/Object.h"
#include "skin/controls/Skinctrls_ImagesMenuLink.h"
#include "skin/data/Skindata_Buttons.h"
#include "skin/data/Skinctrls_Layout.h"

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

// The glyph cell (1..4: normal, disabled, pressed, hot) a strip of `numGlyphs` cells has
// for a state.
int GlyphCell(TspNumGlyphs numGlyphs, bool down, bool mouseIn, bool enabled);

// Draws look rectangle R of `picture` stretched to B's size as `resizeMode` allows (the
// client part `client` of R growing with it); answers the content rectangle on B.
TRect StretchButtonFace(TBitmap* B, TBitmap* picture, int resizeMode, const TRect& R, const TRect& client);

// The colours of look-less faces: the frame of a hot or pressed face, its fill when hot and
// when pressed.
inline constexpr TColor kDefaultHotFrame = static_cast<TColor>(0x800000);
inline constexpr TColor kDefaultHotFill = static_cast<TColor>(0xD2BDB6);
inline constexpr TColor kDefaultDownFill = static_cast<TColor>(0xB59385);

// The look-less face: a one-pixel frame and a fill over `rect`, navy framed and coloured
// when drawn down or hot, else in the button colours; the brush is left clear.
void DrawDefaultButtonFrame(TCanvas* canvas, TRect rect, bool drawnDown, bool hot);
// A one-pixel `frame` around `rect` filled with `fill`; the brush is left clear.
void DrawFramedPart(TCanvas* canvas, const TRect& rect, TColor frame, TColor fill);

// Points `menu` (whose component is `component`) at `value`, moving `self`'s free
// notification and handing the menu `onChanged`.
void LinkImagesMenu(TComponent& self, IspSkinImagesMenu*& menu, TComponent*& component, IspSkinImagesMenu* value,
                    const TNotifyEvent& onChanged);
