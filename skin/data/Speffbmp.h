#pragma once
#include <cstdint>
#include <vector>

#include "classlib/graphics/Colors.h"
#include "classlib/graphics/Types.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/WinApi.h"
#include "skin/data/Sputils_Values.h"

// A 24-bit top-down DIB section with direct access to its pixels, used to blend one
// picture toward another (cross-fades, alpha blending over a parent) and for the image
// effects of disabled and inactive looks. Rows are 3 x width + width mod 4 bytes, pixels
// blue, green, red. A pixel value is red x 65536 + green x 256 + blue (not a TColor).
//
// Blends compute each channel in floating point, round halves to even and limit the
// result to 0..255. Transitions between bitmaps of different sizes change nothing.
// Pixel, row and rectangle operations do not check coordinates.
class TspEffectBmp : public TObject {
  CLASSLIB_CLASS(TspEffectBmp, TObject)
 public:
  // A new bitmap of width x height (contents undefined); a size of 0 makes an empty
  // bitmap. Raises EOutOfResources when the system refuses the DIB section or the
  // pixels would not fit 2 GB.
  TspEffectBmp(int width, int height);
  // The pixels of the bitmap `handle` (which stays the caller's; it must not be selected
  // into a device context).
  explicit TspEffectBmp(HBITMAP handle);
  // A copy of `source`'s pixels.
  explicit TspEffectBmp(const TspEffectBmp& source);
  ~TspEffectBmp() override;
  TspEffectBmp& operator=(const TspEffectBmp&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return bits_ == nullptr; }
  // Bytes per row: 3 x width + width mod 4.
  int RowStride() const { return stride_; }
  HBITMAP Handle() const { return handle_; }
  const BITMAPINFO& Info() const { return info_; }

  int GetPixel(int x, int y) const;
  void SetPixel(int x, int y, int value);
  uint8_t* GetLine(int y) const { return bits_ + static_cast<ptrdiff_t>(y) * stride_; }
  // Copy 3 x width bytes of row y out of / into `buffer`.
  void GetScanLine(int y, uint8_t* buffer) const;
  void SetLine(int y, const uint8_t* buffer);

  // Unscaled copies (SRCCOPY) of the whole bitmap, or of the w x h part at xSrc, ySrc,
  // and a stretched one into x, y, w, h.
  void Draw(HDC dc, int x, int y) const;
  void Stretch(HDC dc, int x, int y, int w, int h) const;
  void DrawRect(HDC dc, int x, int y, int xSrc, int ySrc, int w, int h) const;

  // Writes every pixel as a block of the scale's size into `dest`.
  void Resize(TspEffectBmp* dest) const;
  // Copies `source` into `rect`, whose right and bottom edges count as inclusive and are
  // limited to this bitmap; rect's top-left takes source's pixel at srcX, srcY.
  void CopyRect(const TspEffectBmp* source, const TRect& rect, int srcX, int srcY);

  // Transitions toward `source`: kf from 0 (unchanged) to 1 (complete), limited to 0..1.
  void Morph(const TspEffectBmp* source, double kf);
  // Morph of rect (right and bottom exclusive) with source's pixels from srcX, srcY; no
  // size check: both areas must lie inside their bitmaps.
  void MorphRect(const TspEffectBmp* source, double kf, const TRect& rect, int srcX, int srcY);
  void MorphGrad(const TspEffectBmp* source, double kf);
  void MorphHGrad(const TspEffectBmp* source, double kf);
  void MorphVGrad(const TspEffectBmp* source, double kf);
  void MorphLeftGrad(const TspEffectBmp* source, double kf);
  void MorphRightGrad(const TspEffectBmp* source, double kf);
  void MorphLeftSlide(const TspEffectBmp* source, double kf);
  void MorphRightSlide(const TspEffectBmp* source, double kf);
  void MorphPush(const TspEffectBmp* source, double kf);
  // The transition a skin's morph kind names.
  void MorphByKind(TMorphKind kind, const TspEffectBmp* source, double kf);

  // Image effects, in place.
  void ChangeBrightness(double kf);
  void ChangeDarkness(double kf);
  void Invert();
  void GrayScale();
  void AddMonoNoise(int amount);
  void AddColorNoise(int amount);
  void SplitBlur(int amount);
  void Mosaic(int size);
  void Wave(int a, int b, int amp);
  // Effects limited to the pixels whose mask pixel is not white; the mask must be as
  // wide as this bitmap and at least as high, else nothing changes.
  void MaskAntialiasing(const TspEffectBmp* mask, int amount);
  void MaskBlur(const TspEffectBmp* mask, int amount);
  void MaskFillColor(const TspEffectBmp* mask, TColor color, double kf);
  // Copies turned or mirrored into dest, which must be height x width (rotations) or
  // width x height (mirror): a quarter turn counter-clockwise, clockwise, upside down.
  void Rotate90_1(TspEffectBmp* dest) const;
  void Rotate90_2(TspEffectBmp* dest) const;
  void FlipVert(TspEffectBmp* dest) const;

  // Restarts the noise effects' pseudo-random sequence (for repeatable pictures).
  static void SeedNoise(uint32_t seed);

 private:
  void Create(int width, int height);
  bool SameSize(const TspEffectBmp* other) const;
  bool MaskFits(const TspEffectBmp* mask) const;
  uint8_t* PixelAt(int x, int y) const { return GetLine(y) + 3 * x; }
  // Runs `change(row, y)` on a copy of every row and writes the copy back.
  template <class Change>
  void ForEachRow(Change change);
  // Row and column neighbours at distance `amount`, limited to the bitmap.
  static int LowNeighbour(int index, int amount);
  static int HighNeighbour(int index, int amount, int count);
  // Average of the four neighbour pixels of x, y into `pixel`.
  void AverageNeighbours(int x, int y, int amount, uint8_t* pixel) const;
  bool EdgeOfMask(const TspEffectBmp* mask, int x, int y, int amount) const;
  void BlurWhere(const TspEffectBmp* mask, int amount);

  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  BITMAPINFO info_{};
  HBITMAP handle_ = nullptr;
  uint8_t* bits_ = nullptr;
};

template <class Change>
void TspEffectBmp::ForEachRow(Change change) {
  std::vector<uint8_t> row(3 * static_cast<size_t>(width_));
  for (int y = 0; y < height_; ++y) {
    GetScanLine(y, row.data());
    change(row.data(), y);
    SetLine(y, row.data());
  }
}
