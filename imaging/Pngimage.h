#pragma once
// A PNG picture of the class library: the image as an ordered list of chunks whose header
// owns the decoded pixels. It reads PNG streams, keeps every chunk it understands (and
// unknown ancillary ones, raw), draws itself with bit or partial transparency and offers
// its pixels and rows. Registered with TPicture for ".png" by the library's start-up.
#include <cstdint>

#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Colors.h"
#include "classlib/graphics/Graphic.h"
#include "classlib/graphics/Types.h"
#include "classlib/runtime/Sets.h"
#include "imaging/Pngancillary.h"
#include "imaging/Pngchunks.h"
#include "imaging/Pngerrors.h"
#include "imaging/Pngheader.h"
#include "imaging/Pngidat.h"

enum TFilter { pfNone, pfSub, pfUp, pfAverage, pfPaeth };
using TFilters = TSet<TFilter>;
using TCompressionLevel = uint8_t;  // 0 to 9
enum TInterlaceMethod : uint8_t { imNone = 0, imAdam7 = 1 };
enum TPNGTransparencyMode { ptmNone = 0, ptmBit = 1, ptmPartial = 2 };

class TPNGObject : public TGraphic {
  CLASSLIB_CLASS(TPNGObject, TGraphic)
 public:
  TPNGObject();
  // A blank image (samples and alpha 0) of a kind the standard allows; bit depth 2 is
  // held as 4. EPNGInvalidSpec for another pair or a size below 1 x 1.
  TPNGObject(unsigned colorType, unsigned bitDepth, int width, int height);
  ~TPNGObject() override;

  // Picture.
  void Draw(TCanvas* canvas, const TRect& rect) override;
  bool Empty() const override { return chunks_.Count() == 0; }
  int Width() const override;
  int Height() const override;
  void SetWidth(int width) override { Resize(width, Height()); }
  void SetHeight(int height) override { Resize(Width(), height); }
  // False without a header.
  bool Transparent() const override { return HeaderPresent() && GetTransparencyMode() != ptmNone; }
  // A stream is read whole: signature, then chunks up to IEND. A failure raises the
  // exception of its kind and leaves the chunks read before it.
  void LoadFromStream(TStream* stream) override;
  void SaveToStream(TStream* stream) override;
  void Assign(TPersistent* source) override;
  // Through a class-library TBitmap: the picture drawn on a new bitmap of its size gives
  // the clipboard data (alpha is not kept); a loaded bitmap becomes the image.
  void SaveToClipboardFormat(WORD& format, HANDLE& data, HPALETTE& palette) override;
  void LoadFromClipboardFormat(WORD format, HANDLE data, HPALETTE palette) override;

  void LoadFromResourceName(HINSTANCE instance, const AnsiString& name);
  void LoadFromResourceID(HINSTANCE instance, int id);

  // Chunks and state.
  TPNGList& Chunks() { return chunks_; }
  const TPNGList& Chunks() const { return chunks_; }
  void ClearChunks();
  void InitializeGamma();
  bool HeaderPresent() const;
  // A header with its decoded storage (a header whose reading failed has none).
  bool HasImage() const;
  TChunkIHDR* GetHeader() const;
  TCanvas* Canvas() const { return canvas_; }
  void GetPixelInfo(uint32_t& rowBytes, uint32_t& offset) const;
  static AnsiString GetLibraryVersion() { return "1.564"; }

  TFilters Filters = TFilters{pfSub};
  TCompressionLevel CompressionLevel = 7;
  TInterlaceMethod InterlaceMethod = imNone;
  int MaxIdatSize() const { return maxIdatSize_; }
  void SetMaxIdatSize(int size) { maxIdatSize_ = size < 65535 ? 65535 : size; }
  bool BeingCreated() const { return beingCreated_; }

  // Sample value of the file to stored colour, and back (identity until gAMA is read).
  uint8_t GammaTable[256];
  uint8_t InverseTable[256];

  // Conversions.
  void AssignPNG(TPNGObject* source);
  // A copy of a system bitmap: below 16 bits per pixel a palette image of that depth,
  // otherwise 8-bit RGB.
  void AssignHandle(HBITMAP handle, bool transparent, COLORREF transparentColor);

  // Transparency, palette, text and physical size.
  TPNGTransparencyMode GetTransparencyMode() const;
  TColor GetTransparentColor() const;
  void SetTransparentColor(TColor color);
  void CreateAlpha();
  void RemoveTransparency();
  HPALETTE GetPalette() const;
  void SetPalette(HPALETTE palette) { DoSetPalette(palette, true); }
  void DoSetPalette(HPALETTE palette, bool copyColors);
  void AddtEXt(const AnsiString& keyword, const AnsiString& text);
  void AddzTXt(const AnsiString& keyword, const AnsiString& text);
  bool HasPixelInformation() const;
  TChunkpHYs* GetPixelInformation();

  // Drawing, rows and pixels.
  void DrawPartialTrans(HDC dc, const TRect& rect);
  void DrawUsingPixelInformation(TCanvas* canvas, const TPoint& position);
  // Rows are not checked; keep y within 0 to height - 1.
  uint8_t* GetScanline(int y) const;
  // Null for images without alpha.
  uint8_t* GetAlphaScanline(int y) const;
  // Null for images without low bytes (anything but 16 bits).
  uint8_t* GetExtraScanline(int y) const;
  // 0 outside the image.
  virtual TColor GetPixels(int x, int y) const;
  // Nothing outside the image.
  virtual void SetPixels(int x, int y, TColor color);
  // Keeps the top-left content; new pixels are 0 and opaque. EPNGInvalidNewSize below 1.
  void Resize(int width, int height);

 protected:
  void AssignTo(TPersistent* dest) override;

 private:
  void CreateBlank(unsigned colorType, unsigned bitDepth, int width, int height);
  void ReadChunks(TStream* stream);
  bool ReadChunk(TStream* stream, bool& imageDataSeen);
  TChunkIHDR* RequireHeader() const;
  // The header, which must hold its storage (EPNGHeaderNotPresent otherwise).
  TChunkIHDR* RequireImage() const;
  void DrawMasked(HDC dc, const TRect& rect, COLORREF transparentColor);
  void ConvertGrayTo8Bit();

  TCanvas* canvas_;
  TPNGList chunks_;
  int maxIdatSize_ = 65535;
  bool beingCreated_ = false;
};

// The PNG step of the library's start-up and shut-down: chunk classes and the picture
// format "PNG".
void InitializePngImage();
void FinalizePngImage();
