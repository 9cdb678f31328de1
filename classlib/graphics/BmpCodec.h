#pragma once
// The BMP file and packed DIB layouts, read and checked before any image is made.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "classlib/runtime/Streams.h"
#include "classlib/runtime/WinApi.h"

namespace bmpcodec {

// A checked packed DIB: the header (as BITMAPINFO with masks and colours, ready for
// SetDIBits), the facts taken from it and where its pixel bits are.
struct Dib {
  int width = 0;
  int height = 0;  // always positive
  bool topDown = false;
  int bitCount = 0;
  DWORD compression = BI_RGB;
  std::vector<uint8_t> info;
  std::vector<RGBQUAD> colors;
  const uint8_t* bits = nullptr;
  size_t bitsSize = 0;

  const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(info.data()); }
};

// Bytes of one row of `width` pixels at `bitCount` bits, padded to 4 bytes.
size_t Stride(int width, int bitCount);
// Throws EInvalidGraphic unless width and height lie in 1..32768 and the pixel data
// stays below 256 MB.
void CheckSize(int width, int height, int bitCount);

// Checks the packed DIB at `dib` (`size` bytes). The pixel bits start `bitsOffset`
// bytes after `dib`, or right after the colour table when `bitsOffset` is 0. Raises
// EInvalidGraphic for anything malformed or truncated.
Dib ParseDib(const uint8_t* dib, size_t size, size_t bitsOffset);

// Reads exactly one BMP file from the stream (raising EInvalidGraphic when it is not
// one or is cut short) and answers its bytes, file header included.
std::vector<uint8_t> ReadFile(TStream* stream);

// Writes a BMP file: BITMAPINFOHEADER, `colors` as the colour table, bottom-up `rows`
// (`height` rows of Stride(width, bitCount) bytes, the bottom row first).
void WriteFile(TStream* stream, int width, int height, int bitCount, const std::vector<RGBQUAD>& colors,
               const uint8_t* rows);

}  // namespace bmpcodec
