#pragma once
// The 32-bit ARGB pixel value of the bitmap library, its conversions and the gamma
// table that weights sub-pixel drawing.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "classlib/graphics/Colors.h"
#include "classlib/runtime/WinApi.h"

namespace imaging {

// 0xAARRGGBB; in memory the bytes blue, green, red, alpha. Alpha 255 is opaque.
using TColor32 = uint32_t;
using TArrayOfColor32 = std::vector<TColor32>;
using TPalette32 = std::array<TColor32, 256>;

enum TColor32Component : uint8_t { ccBlue = 0, ccGreen = 1, ccRed = 2, ccAlpha = 3 };
// A set of components: bit n stands for the component of value n.
using TColor32Components = uint8_t;

constexpr TColor32 clBlack32 = 0xFF000000;
constexpr TColor32 clWhite32 = 0xFFFFFFFF;
constexpr TColor32 clRed32 = 0xFFFF0000;

// Weight of a sub-pixel coverage i/255; filled by SetGamma.
extern uint8_t GAMMA_TABLE[256];

// The class-library colour, system colours resolved (ColorToRGB), made opaque.
TColor32 Color32(TColor color);
TColor32 Color32(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha = 0xFF);
TColor32 Color32(uint8_t index, const TPalette32& palette);
TColor32 Gray32(uint8_t intensity, uint8_t alpha = 0xFF);
TColor WinColor(TColor32 color32);
TArrayOfColor32 ArrayOfColor32(std::initializer_list<TColor32> colors);

void Color32ToRGB(TColor32 color32, uint8_t& red, uint8_t& green, uint8_t& blue);
void Color32ToRGBA(TColor32 color32, uint8_t& red, uint8_t& green, uint8_t& blue, uint8_t& alpha);
TColor32Components Color32Components(bool red, bool green, bool blue, bool alpha);

int32_t RedComponent(TColor32 color32);
int32_t GreenComponent(TColor32 color32);
int32_t BlueComponent(TColor32 color32);
int32_t AlphaComponent(TColor32 color32);
int32_t Intensity(TColor32 color32);
TColor32 SetAlpha(TColor32 color32, int32_t newAlpha);

// Hue, saturation and lightness 0..1; the hue wraps. The result is opaque.
TColor32 HSLtoRGB(float h, float s, float l);
void RGBtoHSL(TColor32 rgb, float& h, float& s, float& l);
// Hue, saturation and lightness 0..255 (a hue circle of 256 steps). The result has
// alpha 0.
TColor32 HSLtoRGB(int32_t h, int32_t s, int32_t l);
void RGBtoHSL(TColor32 rgb, uint8_t& h, uint8_t& s, uint8_t& l);

// A new system palette of the 256 entries; the caller owns the handle.
HPALETTE WinPalette(const TPalette32& palette);

void SetGamma(float gamma);

}  // namespace imaging
