#pragma once
#include <cstdint>
#include <vector>

#include "classlib/graphics/Graphic.h"

class TBitmap;

// A JPEG picture over libjpeg: it keeps the compressed data and decodes it into a 24-bit
// bitmap when loaded (so bad data is refused at once). Assigning a bitmap (or any
// picture) compresses it at CompressionQuality, 90 unless changed.
class TJPEGImage : public TGraphic {
  CLASSLIB_CLASS(TJPEGImage, TGraphic)
 public:
  static constexpr int kDefaultQuality = 90;

  TJPEGImage();
  ~TJPEGImage() override;

  void Draw(TCanvas* canvas, const TRect& rect) override;
  bool Empty() const override { return data_.empty(); }
  int Width() const override;
  int Height() const override;
  // A JPEG keeps its size: raises EInvalidGraphicOperation.
  void SetWidth(int width) override;
  void SetHeight(int height) override;

  // 1..100 (clamped).
  int CompressionQuality() const { return quality_; }
  void SetCompressionQuality(int quality);
  // The decoded picture (owned by the image; null while empty).
  TBitmap* Bitmap() const { return bitmap_; }

  // Reads the rest of the stream as one JPEG file.
  void LoadFromStream(TStream* stream) override;
  void SaveToStream(TStream* stream) override;
  // Form resources: the data behind its 32-bit byte count.
  void ReadData(TStream* stream) override;
  void WriteData(TStream* stream) override;
  // From a TJPEGImage: a copy. From any other picture: its pixels compressed.
  void Assign(TPersistent* source) override;

 private:
  void LoadData(std::vector<uint8_t> data);
  void Compress(TBitmap* source);

  std::vector<uint8_t> data_;
  TBitmap* bitmap_ = nullptr;
  int quality_ = kDefaultQuality;
};
