#pragma once
#include <cstdint>
#include <vector>

#include "classlib/runtime/Object.h"
#include "classlib/runtime/WinApi.h"

// A 24-bit top-down copy of a bitmap for reading and writing pixels directly: three
// bytes per pixel (blue, green, red), each row padded by width mod 4 bytes, held in a
// DIB section that is selected into a memory device context of its own.
class TFBitmap : public TObject {
  CLASSLIB_CLASS(TFBitmap, TObject)
 public:
  // Copies the pixels of the bitmap `source`.
  explicit TFBitmap(HBITMAP source);
  ~TFBitmap() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Bytes per row: 3 x width + width mod 4.
  int RowInc() const { return rowInc_; }
  // Filler bytes at the end of each row.
  int Gap() const { return width_ % 4; }
  int Size() const { return rowInc_ * height_; }
  HBITMAP Handle() const { return handle_; }
  HDC DC() const { return dc_; }
  const BITMAPINFO& Info() const { return info_; }
  uint8_t* Bits() const { return bits_; }
  // The first byte of row y (row 0 on top).
  uint8_t* ScanLine(int y) const { return rows_.at(static_cast<size_t>(y)); }

 private:
  int width_ = 0;
  int height_ = 0;
  int rowInc_ = 0;
  BITMAPINFO info_{};
  HBITMAP handle_ = nullptr;
  uint8_t* bits_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  std::vector<uint8_t*> rows_;
};
