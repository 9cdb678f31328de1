#pragma once
// Colour arithmetic of the framed controls on a 0..240 hue, saturation and lightness
// scale: every shade of a control is derived from one base colour. System colours are
// resolved to RGB first.
#include <cstdint>

#include "classlib/graphics/Colors.h"
#include "classlib/graphics/Types.h"
#include "framed/FrCommon_Types.h"

struct THslColor {
  uint8_t H = 0;
  uint8_t S = 0;
  uint8_t L = 0;
  friend bool operator==(const THslColor&, const THslColor&) = default;
};

THslColor SplitColorToHsl(TColor color);
uint8_t HueOfColor(TColor color);
// The hue is read on a 0..239 scale on the way back, so a split and rebuilt colour may
// differ by a channel step; lightness above 240 gives capped, near-white channels.
TColor MakeColorFromHsl(uint8_t h, uint8_t s, uint8_t l);

// Lightness lowered (raised) by `amount`, kept within 0..255.
TColor DarkenColor(TColor color, uint8_t amount);
TColor LightenColor(TColor color, uint8_t amount);
// Darkens for a negative amount, lightens for a positive one; 0 gives `color` itself.
TColor ShiftColorLightness(TColor color, int amount);
// alpha / 255 of color1 and the rest of color2, per channel.
TColor MixColors(TColor color1, TColor color2, uint8_t alpha);

// Hues closer than 20 and lightnesses closer than 60.
bool ColorsHardToTellApart(TColor fore, TColor back);
// The screen shows more than a palette's colours.
bool DisplayHasFullColor();

// A rectangle of the given size centred in `rect` (halves taken toward zero).
TRect CenteredBounds(const TRect& rect, int width, int height);

// The colours a hot-tracking button draws with: the track colour and its light partner.
struct THotTrackColors {
  TColor Track;
  TColor Light;
};
THotTrackColors HotTrackColors(TColor hotTrackColor, TFrHotTrackColorType type);
