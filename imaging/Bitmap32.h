#pragma once
// TBitmap32: the library's 32-bit ARGB bitmap. Its pixels live in a top-down DIB
// section without row padding, selected into a memory device context, so the system can
// draw on it and blit it directly. Every drawing operation reports the area it changed
// (OnAreaChanged) and the bitmap as a whole changed (OnChange) unless an update is open.
//
// Name letters of the drawing operations: S clipped to the clip rectangle (reads outside
// answer OuterColor), T blended through the CombineMode, P stippled, X 16.16 fixed-point
// positions, F float positions, W wrapped by the WrapMode, B clamped to the bounds,
// R read through the resampler. A form without S does no checks: its caller stays inside.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Graphic.h"
#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/runtime/Streams.h"
#include "classlib/runtime/WinApi.h"
#include "imaging/Bitmap32_Blend.h"
#include "imaging/Bitmap32_LowLevel.h"
#include "imaging/Bitmap32_Persistent.h"
#include "imaging/Bitmap32_Samplers.h"
#include "imaging/Bitmap32_Types.h"

class TBitmap;
class TClipboard;

namespace imaging {

// A bitmap may be made, drawn on and freed on any thread (frame bitmaps are made on the
// decoding thread); one thread uses it at a time, or callers share it under Lock.
class TBitmap32 : public TCustomMap {
  CLASSLIB_CLASS(TBitmap32, TCustomMap)
 public:
  // An empty bitmap with a nearest-neighbour resampler.
  TBitmap32();
  ~TBitmap32() override;

  // --- Storage and notification --------------------------------------------------------
  bool Empty() const override;
  // First pixel of the storage (pixel (x, y) at x + y * Width()), or null when empty.
  TColor32* Bits() const { return bits_; }
  HBITMAP BitmapHandle() const;
  // The memory device context with the storage selected, or null when empty.
  HDC Handle() const;
  const BITMAPINFO& BitmapInfo() const { return bitmapInfo_; }
  TRect BoundsRect() const { return TRect{0, 0, Width(), Height()}; }
  const TRect& ClipRect() const { return clipRect_; }
  const TFixedRect& FixedClipRect() const { return fixedClipRect_; }
  // True when the clip rectangle differs from the bounds.
  bool Clipping() const { return clipping_; }
  // The clip rectangle becomes rect within the bounds; no notification.
  void SetClipRect(const TRect& rect);
  void ResetClipRect() { SetClipRect(BoundsRect()); }

  void Clear() { Clear(clBlack32); }
  void Clear(TColor32 color);

  TDrawMode DrawMode() const { return drawMode_; }
  void SetDrawMode(TDrawMode value);
  TCombineMode CombineMode() const { return combineMode_; }
  void SetCombineMode(TCombineMode value);
  TWrapMode WrapMode() const { return wrapMode_; }
  void SetWrapMode(TWrapMode value);
  uint32_t MasterAlpha() const { return masterAlpha_; }
  void SetMasterAlpha(uint32_t value);
  // What safe reads answer outside the clip rectangle; set without notification.
  TColor32 OuterColor = 0;
  TColor32 PenColor = 0xFFFFFFFF;

  TCustomResampler* Resampler() const { return resampler_.get(); }
  // Takes ownership of `resampler` (ignored when null or current); the old one is freed.
  void SetResampler(TCustomResampler* resampler);
  AnsiString ResamplerClassName() const;
  // Replaces the resampler by a new one of the registered class of that exact name; an
  // empty, unknown or current name changes nothing.
  void SetResamplerClassName(const AnsiString& name);

  // Reports the whole bitmap as changed.
  void Changed() override;
  // Reports `area` of kind `info`, then the bitmap as changed.
  virtual void Changed(const TRect& area, uint32_t info);
  // Fires OnChange only (a property, not the pixels, changed).
  void PropertyChanged() { TCustomMap::Changed(); }
  // While measuring, the clipped drawing operations only report the areas they would
  // change, to `callback` in place of OnAreaChanged, whatever the update count.
  void BeginMeasuring(const TAreaChangedEvent& callback);
  void EndMeasuring();
  bool MeasuringMode() const { return measuring_; }

  TNotifyEvent OnHandleChanged;
  TPixelCombineEvent OnPixelCombine;
  TAreaChangedEvent OnAreaChanged;

  // --- Canvas and font ------------------------------------------------------------------
  // The class-library canvas on the device context, made on first use; drawing through it
  // reports the whole bitmap as changed. Resizing frees it.
  TCanvas* GetCanvas();
  bool CanvasAllocated() const { return canvas_ != nullptr; }
  void DeleteCanvas();
  // The font of the text operations (owned).
  TFont* Font() const { return font_.get(); }
  // Copies the font's attributes.
  void SetFont(TFont* font);
  // Selects the font into the device context with its colour and a transparent background.
  void UpdateFont();

  // --- Text ----------------------------------------------------------------------------
  // The W forms take wide text and call the wide system functions.
  SIZE TextExtent(const AnsiString& text);
  SIZE TextExtentW(const std::wstring& text);
  int32_t TextWidth(const AnsiString& text) { return TextExtent(text).cx; }
  int32_t TextHeight(const AnsiString& text) { return TextExtent(text).cy; }
  int32_t TextWidthW(const std::wstring& text) { return TextExtentW(text).cx; }
  int32_t TextHeightW(const std::wstring& text) { return TextExtentW(text).cy; }
  // Text in the font colour on a transparent background at (x, y), clipped to the clip
  // rectangle when clipping; reports (x, y, x + width + 1, y + height + 1).
  void Textout(int32_t x, int32_t y, const AnsiString& text);
  void TextoutW(int32_t x, int32_t y, const std::wstring& text);
  void Textout(int32_t x, int32_t y, const TRect& clip, const AnsiString& text);
  void TextoutW(int32_t x, int32_t y, const TRect& clip, const std::wstring& text);
  // Formatted by the system's DrawText flags; reports the rectangle DrawText leaves.
  void Textout(const TRect& rect, UINT flags, const AnsiString& text);
  void TextoutW(const TRect& rect, UINT flags, const std::wstring& text);
  // Blends the text in `color` (its alpha as master alpha) at (x, y). aaLevel -1 uses the
  // system's font smoothing, 0 none, 1..4 renders 2, 4, 8 or 16 times larger and scales
  // down; other levels are taken into -1..4.
  void RenderText(int32_t x, int32_t y, const AnsiString& text, int32_t aaLevel, TColor32 color);
  void RenderTextW(int32_t x, int32_t y, const std::wstring& text, int32_t aaLevel, TColor32 color);

  // --- Pixels --------------------------------------------------------------------------
  TColor32* GetScanLine(int32_t y) const { return bits_ + y * Width(); }
  TColor32* GetPixelPtr(int32_t x, int32_t y) const { return bits_ + x + y * Width(); }
  TColor32 GetPixel(int32_t x, int32_t y) const { return *GetPixelPtr(x, y); }
  void SetPixel(int32_t x, int32_t y, TColor32 value) { *GetPixelPtr(x, y) = value; }
  TColor32 GetPixelS(int32_t x, int32_t y) const;
  void SetPixelS(int32_t x, int32_t y, TColor32 value);
  TColor32 GetPixelB(int32_t x, int32_t y) const;
  void SetPixelT(int32_t x, int32_t y, TColor32 value);
  // Blends into *ptr and advances ptr by one pixel.
  void SetPixelT(TColor32*& ptr, TColor32 value);
  void SetPixelTS(int32_t x, int32_t y, TColor32 value);
  TColor32 GetPixelW(int32_t x, int32_t y) const;
  void SetPixelW(int32_t x, int32_t y, TColor32 value);

  // Sub-pixel cores at 24.8 positions (no EMMS inside).
  void SET_T256(int32_t x, int32_t y, TColor32 color);
  void SET_TS256(int32_t x, int32_t y, TColor32 color);
  TColor32 GET_T256(int32_t x, int32_t y) const;
  TColor32 GET_TS256(int32_t x, int32_t y) const;
  void SetPixelX(TFixed x, TFixed y, TColor32 color);
  void SetPixelXS(TFixed x, TFixed y, TColor32 color);
  void SetPixelF(float x, float y, TColor32 color);
  void SetPixelFS(float x, float y, TColor32 color);
  TColor32 GetPixelX(TFixed x, TFixed y) const;
  TColor32 GetPixelXS(TFixed x, TFixed y) const;
  TColor32 GetPixelF(float x, float y) const;
  TColor32 GetPixelFS(float x, float y) const;
  TColor32 GetPixelXW(TFixed x, TFixed y) const;
  void SetPixelXW(TFixed x, TFixed y, TColor32 color);
  TColor32 GetPixelFW(float x, float y) const;
  void SetPixelFW(float x, float y, TColor32 color);
  TColor32 GetPixelR(float x, float y) const;

  // --- Stipple -------------------------------------------------------------------------
  // Copies the pattern and restarts the counter.
  void SetStipple(const TArrayOfColor32& pattern);
  void SetStipple(std::initializer_list<TColor32> pattern) { SetStipple(TArrayOfColor32(pattern)); }
  void AdvanceStippleCounter(float lengthPixels);
  // The pattern colour at the counter, mixed between neighbouring entries; advances the
  // counter by the step. An empty pattern answers 0xFF000000.
  TColor32 GetStippleColor();
  float StippleStep() const { return stippleStep_; }
  void SetStippleStep(float value) { stippleStep_ = value; }
  float StippleCounter() const { return stippleCounter_; }
  void SetStippleCounter(float value) { stippleCounter_ = value; }

  // --- Runs (both end pixels included) --------------------------------------------------
  void HorzLine(int32_t x1, int32_t y, int32_t x2, TColor32 value);
  void HorzLineS(int32_t x1, int32_t y, int32_t x2, TColor32 value);
  void HorzLineT(int32_t x1, int32_t y, int32_t x2, TColor32 value);
  void HorzLineTS(int32_t x1, int32_t y, int32_t x2, TColor32 value);
  void HorzLineTSP(int32_t x1, int32_t y, int32_t x2);
  void VertLine(int32_t x, int32_t y1, int32_t y2, TColor32 value);
  void VertLineS(int32_t x, int32_t y1, int32_t y2, TColor32 value);
  void VertLineT(int32_t x, int32_t y1, int32_t y2, TColor32 value);
  void VertLineTS(int32_t x, int32_t y1, int32_t y2, TColor32 value);
  void VertLineTSP(int32_t x, int32_t y1, int32_t y2);

  // --- Integer lines ---------------------------------------------------------------------
  // From (x1, y1) to (x2, y2); `l` draws the end point too. Each reports the area
  // (x1, y1, x2, y2) as given with AREA_KIND_LINE + 2. Line, LineT and LineA touch only
  // pixels inside the bitmap when their caller keeps the segment (and, for LineA, its
  // partner pixels) inside; the S forms never touch a pixel outside the clip rectangle.
  void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l = false);
  void LineT(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l = false);
  // Clipped Bresenham: the pixels inside the clip rectangle are those Line would set.
  // A straight one also reports the whole bitmap as changed.
  void LineS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l = false);
  void LineTS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l = false);
  // Antialiased (Wu): the start blended fully, then pairs of pixels by gamma-weighted
  // coverage.
  void LineA(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l = false);
  // LineA's pixels and weights, only those inside the clip rectangle; straight and
  // diagonal lines go through LineTS.
  void LineAS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l = false);
  // The integer pen position; the LineTo forms draw from it with PenColor, without the
  // end point, and move it.
  void MoveTo(int32_t x, int32_t y);
  void LineToS(int32_t x, int32_t y);
  void LineToTS(int32_t x, int32_t y);
  void LineToAS(int32_t x, int32_t y);
  int32_t PenX() const { return penX_; }
  int32_t PenY() const { return penY_; }

  // --- Fixed-point lines ---------------------------------------------------------------
  // Antialiased lines between 16.16 (X) or float (F) end points, one sub-pixel write per
  // pixel length; `l` lengthens the line by one pixel. P forms take their colours from
  // the stipple. Each reports the end points as given, rounded to pixels, with
  // AREA_KIND_LINE + 2 (+ 4 for LineXSP). The S forms never touch a pixel outside the
  // clip rectangle; LineXSP advances the stipple over the parts it does not draw.
  void LineX(TFixed x1, TFixed y1, TFixed x2, TFixed y2, TColor32 value, bool l = false);
  void LineXS(TFixed x1, TFixed y1, TFixed x2, TFixed y2, TColor32 value, bool l = false);
  void LineF(float x1, float y1, float x2, float y2, TColor32 value, bool l = false);
  void LineFS(float x1, float y1, float x2, float y2, TColor32 value, bool l = false);
  void LineXP(TFixed x1, TFixed y1, TFixed x2, TFixed y2, bool l = false);
  void LineXSP(TFixed x1, TFixed y1, TFixed x2, TFixed y2, bool l = false);
  void LineFP(float x1, float y1, float x2, float y2, bool l = false);
  void LineFSP(float x1, float y1, float x2, float y2, bool l = false);
  // The fixed-point pen position; the LineTo forms draw from it with PenColor (or the
  // stipple), without the end point, and move it.
  void MoveToX(TFixed x, TFixed y);
  void MoveToF(float x, float y);
  void LineToXS(TFixed x, TFixed y);
  void LineToXSP(TFixed x, TFixed y);
  void LineToFS(float x, float y);
  void LineToFSP(float x, float y);
  TFixed PenPosX() const { return penPosX_; }
  TFixed PenPosY() const { return penPosY_; }

  // --- Rectangles (half-open) ----------------------------------------------------------
  void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value);
  void FillRectS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value);
  void FillRectS(const TRect& rect, TColor32 value);
  void FillRectT(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value);
  void FillRectTS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value);
  void FillRectTS(const TRect& rect, TColor32 value);
  void FrameRectS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value);
  void FrameRectS(const TRect& rect, TColor32 value) { FrameRectS(rect.Left, rect.Top, rect.Right, rect.Bottom, value); }
  void FrameRectTS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value);
  void FrameRectTS(const TRect& rect, TColor32 value) { FrameRectTS(rect.Left, rect.Top, rect.Right, rect.Bottom, value); }
  void FrameRectTSP(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  // A raised (contrast > 0) or sunken (contrast < 0) frame; contrast in percent.
  void RaiseRectTS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t contrast);
  void RaiseRectTS(const TRect& rect, int32_t contrast) { RaiseRectTS(rect.Left, rect.Top, rect.Right, rect.Bottom, contrast); }

  // --- Transfers -----------------------------------------------------------------------
  // Draw pulls `src` onto this bitmap with the source's drawing properties; a null
  // source does nothing. A stretched Draw scales with the source's resampler.
  void Draw(int32_t dstX, int32_t dstY, TBitmap32* src);
  void Draw(int32_t dstX, int32_t dstY, const TRect& srcRect, TBitmap32* src);
  void Draw(const TRect& dstRect, const TRect& srcRect, TBitmap32* src);
  // Stretch-blits srcRect of a device context into dstRect.
  void Draw(const TRect& dstRect, const TRect& srcRect, HDC src);
  void DrawTo(TBitmap32* dst);
  void DrawTo(TBitmap32* dst, int32_t dstX, int32_t dstY);
  void DrawTo(TBitmap32* dst, int32_t dstX, int32_t dstY, const TRect& srcRect);
  void DrawTo(TBitmap32* dst, const TRect& dstRect);
  void DrawTo(TBitmap32* dst, const TRect& dstRect, const TRect& srcRect);
  void DrawTo(HDC dst, int32_t dstX, int32_t dstY);
  void DrawTo(HDC dst, const TRect& dstRect, const TRect& srcRect);
  // Stretched output to a device context in tiles of at most 1024 x 1024 pixels.
  void TileTo(HDC dst, const TRect& dstRect, const TRect& srcRect);
  void ResetAlpha() { ResetAlpha(0xFF); }
  void ResetAlpha(uint8_t alpha);

  // --- Conversions and input/output ------------------------------------------------------
  // From null (empty), a TBitmap32 (pixels and properties), a class-library TBitmap (its
  // pixels; alpha 255 unless it has 32 bits, alpha 0 on its transparent colour), a
  // TPicture (the transparent parts of an icon or metafile get alpha 0), the clipboard
  // (its picture drawn, alpha 255) or any other TGraphic (drawn, alpha 255). Notifies
  // once at the end, also on failure.
  void Assign(TPersistent* source) override;
  // Class-library bitmap streams and files; LoadFromFile reads any registered picture
  // format (a picture's own alpha is not kept).
  void LoadFromStream(TStream* stream);
  void SaveToStream(TStream* stream);
  void LoadFromFile(const AnsiString& fileName);
  void SaveToFile(const AnsiString& fileName);
  void LoadFromResourceID(HINSTANCE instance, int id);
  void LoadFromResourceName(HINSTANCE instance, const AnsiString& name);

  // Form resources: the pixels are the binary property "Data" (read by ReadData).
  void DefineProperties(TFiler* filer) override;

  // Size and pixels / drawing properties, resampler settings and font.
  void CopyMapTo(TBitmap32* dst) const;
  void CopyPropertiesTo(TBitmap32* dst) const;
  // The streamed "Data" payload: width, height (little-endian 32-bit) and the pixels.
  void ReadData(TStream* stream);
  void WriteData(TStream* stream) const;
  // Same class and same pixels; two empty bitmaps are equal whatever their classes.
  bool Equal(const TBitmap32* other) const;

  // Shifts the pixels as one run (crossing row ends); fillBack paints the uncovered part.
  void Roll(int32_t dx, int32_t dy, bool fillBack, TColor32 fillColor);
  // With a destination (other than this bitmap) the result goes there; else in place.
  void FlipHorz(TBitmap32* dst = nullptr);
  void FlipVert(TBitmap32* dst = nullptr);
  void Rotate90(TBitmap32* dst = nullptr);
  void Rotate180(TBitmap32* dst = nullptr);
  void Rotate270(TBitmap32* dst = nullptr);

 protected:
  void ChangeSize(int32_t& width, int32_t& height, int32_t newWidth, int32_t newHeight) override;
  // Re-binds what depends on the device context and fires OnHandleChanged.
  virtual void HandleChanged();
  // Into a TPicture (made to hold a bitmap) or a class-library TBitmap: 32 bits per pixel;
  // onto the clipboard (TClipboard) as such a bitmap.
  void AssignTo(TPersistent* dest) override;

 private:
  class Storage;

  void ReportArea(const TRect& area, uint32_t info);
  bool InClip(int32_t x, int32_t y) const;
  void CheckedRun(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool horizontal, TColor32 value, bool blended);
  void StippledRun(int32_t fixedAxis, int32_t a1, int32_t a2, bool horizontal);
  void ClippedLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l, bool blended);
  bool StrictlyInsideClip(TFixed x1, TFixed y1, TFixed x2, TFixed y2) const;
  void BlendRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value);
  bool LimitToClip(int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2) const;
  void Frame(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 topLeft, TColor32 bottomRight, bool blended);
  TBitmap32* FlipTarget(TBitmap32* dst) const;
  template <class Map>
  void RotateInto(TBitmap32* dst, bool swapSides, Map map);
  template <class T>
  void ChangeProperty(T& field, T value);
  void FontChanged(TObject* sender);
  void CanvasChanged(TObject* sender);
  template <class Text>
  SIZE ExtentOf(const typename Text::String& text);
  template <class Text>
  void TextAt(int32_t x, int32_t y, const TRect* clip, const typename Text::String& text);
  template <class Text>
  void TextIn(const TRect& rect, UINT flags, const typename Text::String& text);
  template <class Text>
  void RenderTextOf(int32_t x, int32_t y, const typename Text::String& text, int32_t aaLevel, TColor32 color);
  void CopyFromBitmap(::TBitmap* source);
  void CopyToBitmap(::TBitmap* dest);
  void CopyToClipboard(TClipboard* clipboard);
  void DrawGraphic(TGraphic* graphic, int32_t width, int32_t height);
  void AssignDrawnGraphic(TGraphic* graphic);
  void AssignWithTransparency(TGraphic* graphic);

  std::unique_ptr<Storage> storage_;
  TCanvas* canvas_ = nullptr;
  std::unique_ptr<TFont> font_;
  HGDIOBJ selectedFont_ = nullptr;
  TColor32* bits_ = nullptr;
  TRect clipRect_;
  TFixedRect fixedClipRect_;
  TRect clipRect256_;
  bool clipping_ = false;
  TDrawMode drawMode_ = dmOpaque;
  TCombineMode combineMode_ = cmBlend;
  TWrapMode wrapMode_ = wmClamp;
  BITMAPINFO bitmapInfo_{};
  uint32_t masterAlpha_ = 255;
  int32_t penX_ = 0;
  int32_t penY_ = 0;
  TFixed penPosX_ = 0;
  TFixed penPosY_ = 0;
  float stippleCounter_ = 0;
  TArrayOfColor32 stipplePattern_;
  float stippleStep_ = 1.0f;
  TAreaChangedEvent savedOnAreaChanged_;
  bool measuring_ = false;
  std::unique_ptr<TCustomResampler> resampler_;
};

// Start-up of the bitmap unit: the stock system font, the measuring bitmap and the
// bitmap's published properties for form resources; shut-down frees the measuring bitmap.
void InitializeBitmap32();
void FinalizeBitmap32();

}  // namespace imaging
