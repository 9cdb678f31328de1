#pragma once
#include "classlib/graphics/Graphic.h"
#include "classlib/runtime/WinApi.h"

// A vector picture held as a system enhanced metafile. Streams and files hold either an
// enhanced metafile (".emf") or a placeable Windows metafile (".wmf"); the kind read is
// the kind written back (`Enhanced`). The size in pixels comes from the metafile's
// frame (screen resolution) and can be changed; drawing plays the records stretched into
// the rectangle, leaving the background untouched, so metafiles are transparent.
class TMetafile : public TGraphic {
  CLASSLIB_CLASS(TMetafile, TGraphic)
 public:
  TMetafile() = default;
  ~TMetafile() override;

  void Draw(TCanvas* canvas, const TRect& rect) override;
  bool Empty() const override { return handle_ == nullptr; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  bool Transparent() const override { return true; }

  // The system metafile (owned; null while empty).
  HENHMETAFILE Handle() const { return handle_; }
  // Takes over `handle`; the size comes from its frame.
  void SetHandle(HENHMETAFILE handle);
  bool Enhanced() const { return enhanced_; }
  void SetEnhanced(bool enhanced) { enhanced_ = enhanced; }

  // Bad or truncated data raises EInvalidGraphic and leaves the metafile empty.
  void LoadFromStream(TStream* stream) override;
  // An empty metafile writes nothing.
  void SaveToStream(TStream* stream) override;
  // CF_ENHMETAFILE, a copy of the metafile.
  void SaveToClipboardFormat(WORD& format, HANDLE& data, HPALETTE& palette) override;
  void LoadFromClipboardFormat(WORD format, HANDLE data, HPALETTE palette) override;
  void Assign(TPersistent* source) override;

 private:
  void Reset(HENHMETAFILE handle, bool enhanced);
  HENHMETAFILE ReadEnhanced(TStream* stream);
  HENHMETAFILE ReadPlaceable(TStream* stream);
  void WriteEnhanced(TStream* stream);
  void WritePlaceable(TStream* stream);

  HENHMETAFILE handle_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  bool enhanced_ = true;
};
