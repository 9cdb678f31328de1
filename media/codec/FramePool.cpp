#include "media/codec/FramePool.h"

#include <new>

extern "C" {
#include <libavutil/imgutils.h>
}

namespace mccodec {

FramePool::FramePool(AVPixelFormat format, int width, int height, int align, Preparer prepare)
    : format_(format), width_(width), height_(height), align_(align), prepare_(std::move(prepare)) {
  const int size = av_image_get_buffer_size(format, width, height, align);
  if (size <= 0) throw std::bad_alloc();
  pool_ = av_buffer_pool_init2(static_cast<std::size_t>(size), this, &FramePool::Allocate, nullptr);
  if (pool_ == nullptr) throw std::bad_alloc();
}

// Buffers still held elsewhere outlive the pool; they are freed with their last reference.
FramePool::~FramePool() { av_buffer_pool_uninit(&pool_); }

AVBufferRef* FramePool::Allocate(void* opaque, std::size_t size) {
  const auto* pool = static_cast<const FramePool*>(opaque);
  AVBufferRef* buffer = av_buffer_alloc(size);
  if (buffer != nullptr && pool->prepare_) pool->prepare_(buffer->data, size);
  return buffer;
}

mediacore::FramePtr FramePool::Get() {
  mediacore::FramePtr frame(av_frame_alloc());
  if (!frame) throw std::bad_alloc();
  frame->format = format_;
  frame->width = width_;
  frame->height = height_;
  frame->buf[0] = av_buffer_pool_get(pool_);
  if (frame->buf[0] == nullptr ||
      av_image_fill_arrays(frame->data, frame->linesize, frame->buf[0]->data, format_, width_,
                           height_, align_) < 0) {
    throw std::bad_alloc();
  }
  return frame;
}

}  // namespace mccodec
