#pragma once
// Pictures of one format and size on recycled buffers: a buffer goes back into the pool
// only when the last reference to it is gone, so a picture someone still holds (an
// encoder, a queue of pictures waiting for it) is never drawn over.
#include <cstddef>
#include <cstdint>
#include <functional>

#include "media/core/FFmpegHandles.h"

namespace mccodec {

class FramePool {
 public:
  // Prepares each new buffer once (the pool hands it out again as it was left).
  using Preparer = std::function<void(std::uint8_t* data, std::size_t size)>;

  // `align`: of the rows; 1 keeps the planes back to back. Throws std::bad_alloc.
  FramePool(AVPixelFormat format, int width, int height, int align, Preparer prepare = {});
  ~FramePool();
  FramePool(const FramePool&) = delete;
  FramePool& operator=(const FramePool&) = delete;

  // A frame on a buffer nobody else holds; throws std::bad_alloc.
  mediacore::FramePtr Get();

 private:
  static AVBufferRef* Allocate(void* opaque, std::size_t size);

  AVPixelFormat format_;
  int width_;
  int height_;
  int align_;
  Preparer prepare_;
  AVBufferPool* pool_ = nullptr;
};

}  // namespace mccodec
