#include "framed/FrCommon_Colors.h"

#include <algorithm>
#include <cstdlib>

#include "classlib/runtime/SysUtils.h"
#include "classlib/runtime/WinApi.h"

namespace {

constexpr double kScale = 240.0;
// The hue comes back on a 0..239 scale.
constexpr double kHueScale = 239.0;

uint8_t ScaleByte(double fraction, double scale) { return static_cast<uint8_t>(Round(fraction * scale)); }

uint8_t Channel(double value) { return static_cast<uint8_t>(Round(std::min(value, 1.0) * 255.0)); }

}  // namespace

THslColor SplitColorToHsl(TColor color) {
  const COLORREF rgb = static_cast<COLORREF>(ColorToRGB(color));
  const double r = GetRValue(rgb) / 255.0;
  const double g = GetGValue(rgb) / 255.0;
  const double b = GetBValue(rgb) / 255.0;
  const double mx = std::max({r, g, b});
  const double mn = std::min({r, g, b});
  const double l = (mx + mn) / 2;
  double h = 0;
  double s = 0;
  if (mx != mn) {
    const double d = mx - mn;
    s = l >= 0.5 ? d / (2 - mx - mn) : d / (mx + mn);
    if (r == mx) h = (g - b) / d;
    else if (g == mx) h = (b - r) / d + 2;
    else h = (r - g) / d + 4;
    h /= 6;
    if (h < 0) h += 1;
  }
  return {ScaleByte(h, kScale), ScaleByte(s, kScale), ScaleByte(l, kScale)};
}

uint8_t HueOfColor(TColor color) { return SplitColorToHsl(color).H; }

TColor MakeColorFromHsl(uint8_t hue, uint8_t saturation, uint8_t lightness) {
  const double h = hue / kHueScale;
  const double s = saturation / kScale;
  const double l = lightness / kScale;
  const double m2 = l < 0.5 ? l * (1 + s) : l + s - l * s;
  if (m2 <= 0) return clBlack;
  const double m1 = 2 * l - m2;
  const double h6 = h * 6;
  const int k = static_cast<int>(h6);
  const double v = (m2 - m1) * (h6 - k);
  const double up = m1 + v;
  const double down = m2 - v;
  double r, g, b;
  switch (k) {
    case 1: r = down, g = m2, b = m1; break;
    case 2: r = m1, g = m2, b = up; break;
    case 3: r = m1, g = down, b = m2; break;
    case 4: r = up, g = m1, b = m2; break;
    case 5: r = m2, g = m1, b = down; break;
    default: r = m2, g = up, b = m1; break;  // 0, and 6 for the top hues
  }
  return static_cast<TColor>(RGB(Channel(r), Channel(g), Channel(b)));
}

TColor DarkenColor(TColor color, uint8_t amount) {
  const THslColor hsl = SplitColorToHsl(color);
  return MakeColorFromHsl(hsl.H, hsl.S, static_cast<uint8_t>(std::max(hsl.L - amount, 0)));
}

TColor LightenColor(TColor color, uint8_t amount) {
  const THslColor hsl = SplitColorToHsl(color);
  return MakeColorFromHsl(hsl.H, hsl.S, static_cast<uint8_t>(std::min(hsl.L + amount, 255)));
}

TColor ShiftColorLightness(TColor color, int amount) {
  if (amount < 0) return DarkenColor(color, static_cast<uint8_t>(std::min(-amount, 255)));
  if (amount > 0) return LightenColor(color, static_cast<uint8_t>(std::min(amount, 255)));
  return color;
}

TColor MixColors(TColor color1, TColor color2, uint8_t alpha) {
  const COLORREF c1 = static_cast<COLORREF>(ColorToRGB(color1));
  const COLORREF c2 = static_cast<COLORREF>(ColorToRGB(color2));
  const double a = alpha / 255.0;
  auto mix = [a](int v1, int v2) { return static_cast<uint8_t>(Round(a * v1 + (1 - a) * v2)); };
  return static_cast<TColor>(RGB(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
                                 mix(GetBValue(c1), GetBValue(c2))));
}

bool ColorsHardToTellApart(TColor fore, TColor back) {
  const THslColor f = SplitColorToHsl(fore);
  const THslColor b = SplitColorToHsl(back);
  return std::abs(f.H - b.H) < 20 && std::abs(f.L - b.L) < 60;
}

bool DisplayHasFullColor() {
  HDC screen = GetDC(nullptr);
  const int colors = GetDeviceCaps(screen, NUMCOLORS);
  ReleaseDC(nullptr, screen);
  return colors == -1;
}

TRect CenteredBounds(const TRect& rect, int width, int height) {
  const int left = (rect.Left + rect.Right - width) / 2;
  const int top = (rect.Top + rect.Bottom - height) / 2;
  return Rect(left, top, left + width, top + height);
}

THotTrackColors HotTrackColors(TColor hotTrackColor, TFrHotTrackColorType type) {
  if (type == htctActual) return {hotTrackColor, LightenColor(hotTrackColor, 30)};
  const int hue = HueOfColor(hotTrackColor);
  const TColor complement = MakeColorFromHsl(static_cast<uint8_t>(hue < 120 ? hue + 120 : hue - 120), 220, 180);
  return {complement, complement};
}
