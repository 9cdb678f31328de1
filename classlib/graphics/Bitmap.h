#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Colors.h"
#include "classlib/graphics/Graphic.h"
#include "classlib/runtime/WinApi.h"

enum TPixelFormat { pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

// One key colour of a mapped resource load and its replacement.
struct TColorMap {
  TColor From;
  TColor To;
};

class TBitmap;

// The canvas of a bitmap: a memory context of its own with the bitmap selected.
class TBitmapCanvas : public TCanvas {
  CLASSLIB_CLASS(TBitmapCanvas, TCanvas)
 public:
  using TCreateArgument = TBitmap*;
  explicit TBitmapCanvas(TBitmap* bitmap) : bitmap_(bitmap) {}
  ~TBitmapCanvas() override { FreeContext(); }
  // Gives the memory context back (the bitmap's image is about to change).
  void FreeContext();

 protected:
  void CreateHandle() override;

 private:
  TBitmap* bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
};

// A picture held as a device-independent bitmap section in 1, 4, 8, 24 or 32 bits per
// pixel (pf32bit by default). A bitmap given a size for the first time is all zero;
// resizing keeps the overlapping pixels and zeroes the rest; changing the pixel format
// converts the pixels. Palette formats get a default colour table (black and white;
// the 16 standard colours; the halftone palette) unless the image read brings its own.
// Transparent drawing leaves out the transparent colour: the lower-left pixel (tmAuto)
// or a fixed colour (tmFixed, set by assigning TransparentColor).
class TBitmap : public TGraphic {
  CLASSLIB_CLASS(TBitmap, TGraphic)
 public:
  TBitmap();
  ~TBitmap() override;

  void Draw(TCanvas* canvas, const TRect& rect) override;
  bool Empty() const override { return width_ == 0 || height_ == 0; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override { SetSize(width, height_); }
  void SetHeight(int height) override { SetSize(width_, height); }
  // Raises EInvalidGraphic for a negative or absurd size and EOutOfResources when the
  // system cannot make the image.
  void SetSize(int width, int height);

  TPixelFormat PixelFormat() const { return format_; }
  void SetPixelFormat(TPixelFormat format);
  // Bits per pixel of a format.
  static int BitsPerPixel(TPixelFormat format);
  // A one-bit image with a black and white colour table.
  bool Monochrome() const;
  void SetMonochrome(bool monochrome);
  // The colour table of a palette format (empty for 24 and 32 bits).
  std::vector<RGBQUAD> Colors() const { return colors_; }
  void SetColors(std::span<const RGBQUAD> colors);

  // The system bitmap (null while empty).
  HBITMAP Handle() const { return image_; }
  TCanvas* Canvas();
  // Gives the canvas's memory context back, so the system image can be selected into
  // another context (image lists, pattern brushes); the canvas takes it again on next use.
  void FreeContext();
  // Row `row` of the pixels (0 is the top row), after pending drawing is flushed.
  // Rows are 4-byte aligned.
  void* ScanLine(int row);
  int BytesPerScanLine() const;

  TColor TransparentColor();
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode);

  // BMP files: a read consumes exactly one BMP file from the stream's position; the
  // written file has a BITMAPINFOHEADER, the full colour table and bottom-up rows.
  void LoadFromStream(TStream* stream) override;
  void SaveToStream(TStream* stream) override;
  // Form resources: the BMP file behind its 32-bit byte count.
  void ReadData(TStream* stream) override;
  void WriteData(TStream* stream) override;
  // A bitmap resource (RT_BITMAP) of a module. Missing resources raise EResNotFound.
  void LoadFromResourceName(HINSTANCE instance, const AnsiString& name);
  void LoadFromResourceID(HINSTANCE instance, int id);
  // As LoadFromResourceName, with each key colour of `map` replaced by its new colour
  // (system colours resolved) wherever the image has it exactly.
  void LoadMappedResourceName(HINSTANCE instance, const AnsiString& name, std::span<const TColorMap> map);

  // CF_BITMAP: a device-dependent copy of the image, with a palette of the colour table
  // for palette formats. An empty bitmap raises EInvalidGraphic.
  void SaveToClipboardFormat(WORD& format, HANDLE& data, HPALETTE& palette) override;
  // CF_BITMAP only: a copy of the system bitmap (24 bits per pixel, 32 when the system
  // bitmap has them), drawn through `palette` when one is given.
  void LoadFromClipboardFormat(WORD format, HANDLE data, HPALETTE palette) override;

  // From a TBitmap: a copy of the image, format, colour table and transparency. From any
  // other picture: its size, with the picture drawn on a zeroed image.
  void Assign(TPersistent* source) override;

 private:
  friend class TBitmapCanvas;
  struct Image;
  void Replace(Image&& image);
  void Clear();
  void LoadFromMemory(const uint8_t* data, size_t size, bool hasFileHeader, std::span<const TColorMap> map);
  void LoadResource(HINSTANCE instance, const char* name, const AnsiString& shownName,
                    std::span<const TColorMap> map);
  void CanvasChanged(TObject* sender);

  HBITMAP image_ = nullptr;
  uint8_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = pf32bit;
  std::vector<RGBQUAD> colors_;
  TBitmapCanvas* canvas_ = nullptr;
  TColor transparentColor_ = clDefault;
  TTransparentMode transparentMode_ = tmAuto;
};
