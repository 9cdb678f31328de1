#include "media/core/ColourConversion.h"

#include <algorithm>
#include <cstddef>

#include "media/contracts/LibraryAbi.h"

namespace mediacore {
namespace {

std::uint8_t Clamp(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

void PutPixel(std::uint8_t* out, int r, int g, int b) {
  out[0] = Clamp(b);
  out[1] = Clamp(g);
  out[2] = Clamp(r);
  out[3] = 255;
}

// Both layouts are bottom-up: rows keep their order.
void Rgb565ToBgra(int width, int height, const std::uint8_t* in, std::uint8_t* out) {
  const std::size_t pixels = static_cast<std::size_t>(width) * height;
  for (std::size_t i = 0; i < pixels; ++i, in += 2, out += 4) {
    const int value = in[0] | (in[1] << 8);
    const int r = (value >> 11) & 31;
    const int g = (value >> 5) & 63;
    const int b = value & 31;
    PutPixel(out, (r << 3) | (r >> 2), (g << 2) | (g >> 4), (b << 3) | (b >> 2));
  }
}

// Planar YUV 4:2:0, top-down, into bottom-up pixels.
void YuvToBgra(int width, int height, const std::uint8_t* y, const std::uint8_t* u,
               const std::uint8_t* v, std::uint8_t* out) {
  const int chromaWidth = (width + 1) / 2;
  for (int row = 0; row < height; ++row) {
    std::uint8_t* line = out + static_cast<std::size_t>(height - 1 - row) * width * 4;
    const std::uint8_t* luma = y + static_cast<std::size_t>(row) * width;
    const std::size_t chromaRow = static_cast<std::size_t>(row / 2) * chromaWidth;
    for (int x = 0; x < width; ++x) {
      const int c = 298 * (luma[x] - 16);
      const int d = u[chromaRow + x / 2] - 128;
      const int e = v[chromaRow + x / 2] - 128;
      PutPixel(line + x * 4, (c + 409 * e + 128) >> 8, (c - 100 * d - 208 * e + 128) >> 8,
               (c + 516 * d + 128) >> 8);
    }
  }
}

}  // namespace

bool CanConvertToBgra(std::int32_t sourceFormat) {
  return sourceFormat == PixelFormatRgb565 || sourceFormat == PixelFormatYv12 ||
         sourceFormat == PixelFormatI420;
}

bool ConvertToBgra(std::int32_t sourceFormat, int width, int height, const void* source,
                   void* destination) {
  if (!CanConvertToBgra(sourceFormat) || width <= 0 || height <= 0 || source == nullptr ||
      destination == nullptr)
    return false;
  const auto* in = static_cast<const std::uint8_t*>(source);
  auto* out = static_cast<std::uint8_t*>(destination);
  if (sourceFormat == PixelFormatRgb565) {
    Rgb565ToBgra(width, height, in, out);
    return true;
  }
  const std::size_t lumaSize = static_cast<std::size_t>(width) * height;
  const std::size_t chromaSize = static_cast<std::size_t>((width + 1) / 2) * ((height + 1) / 2);
  const std::uint8_t* first = in + lumaSize;
  const std::uint8_t* second = first + chromaSize;
  if (sourceFormat == PixelFormatI420)
    YuvToBgra(width, height, in, first, second, out);
  else
    YuvToBgra(width, height, in, second, first, out);
  return true;
}

}  // namespace mediacore
