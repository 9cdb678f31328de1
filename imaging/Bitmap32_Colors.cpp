#include "imaging/Bitmap32_Colors.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "imaging/Bitmap32_Rounding.h"

namespace imaging {

uint8_t GAMMA_TABLE[256];

TColor32 Color32(TColor color) {
  const auto rgb = static_cast<COLORREF>(ColorToRGB(color));
  return Color32(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor32 Color32(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
  return (TColor32{alpha} << 24) | (TColor32{red} << 16) | (TColor32{green} << 8) | blue;
}

TColor32 Color32(uint8_t index, const TPalette32& palette) { return palette[index]; }

TColor32 Gray32(uint8_t intensity, uint8_t alpha) {
  return (TColor32{alpha} << 24) + intensity * TColor32{0x010101};
}

TColor WinColor(TColor32 color32) {
  return static_cast<TColor>(RGB(RedComponent(color32), GreenComponent(color32), BlueComponent(color32)));
}

TArrayOfColor32 ArrayOfColor32(std::initializer_list<TColor32> colors) { return TArrayOfColor32(colors); }

void Color32ToRGB(TColor32 color32, uint8_t& red, uint8_t& green, uint8_t& blue) {
  red = static_cast<uint8_t>(RedComponent(color32));
  green = static_cast<uint8_t>(GreenComponent(color32));
  blue = static_cast<uint8_t>(BlueComponent(color32));
}

void Color32ToRGBA(TColor32 color32, uint8_t& red, uint8_t& green, uint8_t& blue, uint8_t& alpha) {
  Color32ToRGB(color32, red, green, blue);
  alpha = static_cast<uint8_t>(AlphaComponent(color32));
}

TColor32Components Color32Components(bool red, bool green, bool blue, bool alpha) {
  return static_cast<TColor32Components>((red << ccRed) | (green << ccGreen) | (blue << ccBlue) |
                                         (alpha << ccAlpha));
}

int32_t RedComponent(TColor32 color32) { return (color32 >> 16) & 0xFF; }
int32_t GreenComponent(TColor32 color32) { return (color32 >> 8) & 0xFF; }
int32_t BlueComponent(TColor32 color32) { return color32 & 0xFF; }
int32_t AlphaComponent(TColor32 color32) { return color32 >> 24; }

int32_t Intensity(TColor32 color32) {
  return (61 * RedComponent(color32) + 174 * GreenComponent(color32) + 21 * BlueComponent(color32)) >> 8;
}

TColor32 SetAlpha(TColor32 color32, int32_t newAlpha) {
  const auto alpha = static_cast<TColor32>(std::clamp(newAlpha, 0, 255));
  return (color32 & 0x00FFFFFF) | (alpha << 24);
}

namespace {

// One channel of the floating-point HSL conversion, from its shifted hue.
uint8_t HueChannel(float m1, float m2, float hue) {
  hue -= std::floor(hue);
  float value;
  if (6 * hue < 1)
    value = m1 + (m2 - m1) * hue * 6;
  else if (2 * hue < 1)
    value = m2;
  else if (3 * hue < 2)
    value = m1 + (m2 - m1) * (2.0f / 3 - hue) * 6;
  else
    value = m1;
  return static_cast<uint8_t>(Round(value * 255));
}

}  // namespace

TColor32 HSLtoRGB(float h, float s, float l) {
  if (s == 0) {
    const auto grey = static_cast<uint8_t>(Round(l * 255));
    return Color32(grey, grey, grey);
  }
  const float m2 = l <= 0.5f ? l * (1 + s) : l + s - l * s;
  const float m1 = 2 * l - m2;
  return Color32(HueChannel(m1, m2, h + 1.0f / 3), HueChannel(m1, m2, h), HueChannel(m1, m2, h - 1.0f / 3));
}

void RGBtoHSL(TColor32 rgb, float& h, float& s, float& l) {
  const float r = RedComponent(rgb) / 255.0f;
  const float g = GreenComponent(rgb) / 255.0f;
  const float b = BlueComponent(rgb) / 255.0f;
  const float maxValue = std::max({r, g, b});
  const float minValue = std::min({r, g, b});
  l = (maxValue + minValue) / 2;
  if (maxValue == minValue) {
    h = 0;
    s = 0;
    return;
  }
  const float d = maxValue - minValue;
  s = l < 0.5f ? d / (maxValue + minValue) : d / (2 - maxValue - minValue);
  if (r == maxValue)
    h = (g - b) / d;
  else if (g == maxValue)
    h = 2 + (b - r) / d;
  else
    h = 4 + (r - g) / d;
  h /= 6;
  if (h < 0) h += 1;
}

TColor32 HSLtoRGB(int32_t h, int32_t s, int32_t l) {
  const int32_t v = l <= 127 ? (l * (s + 256)) >> 8 : s + l - (l * s) / 255;
  if (v <= 0) return 0;
  const int32_t m = 2 * l - v;
  const int32_t h6 = h * 6;
  const int32_t sextant = h6 >> 8;
  const int32_t vsf = ((v - m) * (h6 & 0xFF)) >> 8;
  const int32_t mid1 = m + vsf;
  const int32_t mid2 = v - vsf;
  auto pack = [](int32_t r, int32_t g, int32_t b) {
    return static_cast<TColor32>(((r & 0xFF) << 16) | ((g & 0xFF) << 8) | (b & 0xFF));
  };
  switch (sextant) {
    case 0: return pack(v, mid1, m);
    case 1: return pack(mid2, v, m);
    case 2: return pack(m, v, mid1);
    case 3: return pack(m, mid2, v);
    case 4: return pack(mid1, m, v);
    case 5: return pack(v, m, mid2);
    default: return 0;
  }
}

void RGBtoHSL(TColor32 rgb, uint8_t& h, uint8_t& s, uint8_t& l) {
  const int32_t r = RedComponent(rgb);
  const int32_t g = GreenComponent(rgb);
  const int32_t b = BlueComponent(rgb);
  const int32_t maxValue = std::max({r, g, b});
  const int32_t minValue = std::min({r, g, b});
  const int32_t lightness = (maxValue + minValue) / 2;
  l = static_cast<uint8_t>(lightness);
  if (maxValue == minValue) {
    h = 0;
    s = 0;
    return;
  }
  const int32_t d = maxValue - minValue;
  s = static_cast<uint8_t>(lightness <= 127 ? (d * 255) / (maxValue + minValue)
                                            : (d * 255) / (510 - maxValue - minValue));
  const int32_t q = d * 255 * 6;
  int32_t hue;
  if (r == maxValue)
    hue = ((g - b) * 65025) / q;
  else if (g == maxValue)
    hue = ((b - r) * 65025) / q + 85;
  else
    hue = ((r - g) * 65025) / q + 170;
  if (hue < 0) hue += 510;
  h = static_cast<uint8_t>(hue);
}

HPALETTE WinPalette(const TPalette32& palette) {
  // A logical palette is a header followed by its entries in one block.
  std::vector<uint8_t> block(offsetof(LOGPALETTE, palPalEntry) + palette.size() * sizeof(PALETTEENTRY));
  auto* logical = reinterpret_cast<LOGPALETTE*>(block.data());
  logical->palVersion = 0x300;
  logical->palNumEntries = static_cast<WORD>(palette.size());
  auto* entries = reinterpret_cast<PALETTEENTRY*>(block.data() + offsetof(LOGPALETTE, palPalEntry));
  for (size_t i = 0; i < palette.size(); ++i)
    entries[i] = PALETTEENTRY{static_cast<BYTE>(RedComponent(palette[i])),
                              static_cast<BYTE>(GreenComponent(palette[i])),
                              static_cast<BYTE>(BlueComponent(palette[i])), 0};
  return CreatePalette(logical);
}

void SetGamma(float gamma) {
  for (int i = 0; i < 256; ++i)
    GAMMA_TABLE[i] = static_cast<uint8_t>(Round(std::pow(i / 255.0, static_cast<double>(gamma)) * 255));
}

}  // namespace imaging
