#pragma once
// Scales and converts decoded pictures into one of the agreed pixel layouts at a fixed size.
#include <cstdint>
#include <vector>

#include "media/core/FFmpegHandles.h"

namespace mediacore {

class PixelConverter {
 public:
  // False for a layout frames cannot be delivered in (only 1, 3 and 5 can).
  static bool CanDeliver(int pixelFormatCode);

  PixelConverter(int width, int height, int pixelFormatCode);

  // Converts `frame` of any size into the buffer; false when the picture cannot be read.
  bool Convert(const AVFrame& frame);
  const std::uint8_t* Data() const { return buffer_.data(); }
  std::size_t Size() const { return buffer_.size(); }

 private:
  // Plane pointers and line sizes of the buffer; bottom-up layouts start at their last row.
  void Destination(std::uint8_t* planes[4], int strides[4]);

  int width_;
  int height_;
  int code_;
  std::vector<std::uint8_t> buffer_;
  ScaleContextPtr scale_;
};

}  // namespace mediacore
