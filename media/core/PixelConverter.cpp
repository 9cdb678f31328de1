#include "media/core/PixelConverter.h"

#include "media/contracts/LibraryAbi.h"

namespace mediacore {
namespace {

AVPixelFormat TargetFormat(int code) {
  switch (code) {
    case PixelFormatRgb565: return AV_PIX_FMT_RGB565LE;
    case PixelFormatBgra: return AV_PIX_FMT_BGRA;
    case PixelFormatI420: return AV_PIX_FMT_YUV420P;
    default: return AV_PIX_FMT_NONE;
  }
}

}  // namespace

bool PixelConverter::CanDeliver(int pixelFormatCode) {
  return TargetFormat(pixelFormatCode) != AV_PIX_FMT_NONE;
}

PixelConverter::PixelConverter(int width, int height, int pixelFormatCode)
    : width_(width),
      height_(height),
      code_(pixelFormatCode),
      buffer_(FrameByteSize(pixelFormatCode, width, height)) {}

void PixelConverter::Destination(std::uint8_t* planes[4], int strides[4]) {
  std::uint8_t* base = buffer_.data();
  planes[1] = planes[2] = planes[3] = nullptr;
  strides[1] = strides[2] = strides[3] = 0;
  if (code_ == PixelFormatI420) {
    const int chromaWidth = (width_ + 1) / 2;
    const int chromaHeight = (height_ + 1) / 2;
    planes[0] = base;
    planes[1] = base + static_cast<std::size_t>(width_) * height_;
    planes[2] = planes[1] + static_cast<std::size_t>(chromaWidth) * chromaHeight;
    strides[0] = width_;
    strides[1] = strides[2] = chromaWidth;
    return;
  }
  const int rowBytes = width_ * (code_ == PixelFormatBgra ? 4 : 2);
  planes[0] = base + static_cast<std::size_t>(rowBytes) * (height_ - 1);
  strides[0] = -rowBytes;
}

bool PixelConverter::Convert(const AVFrame& frame) {
  if (buffer_.empty() || frame.width <= 0 || frame.height <= 0) return false;
  // The cached context is kept while the pictures keep their size and format; otherwise
  // sws_getCachedContext frees it and answers a new one.
  scale_.reset(sws_getCachedContext(scale_.release(), frame.width, frame.height,
                                    static_cast<AVPixelFormat>(frame.format), width_, height_,
                                    TargetFormat(code_), SWS_BICUBIC | SWS_ACCURATE_RND,
                                    nullptr, nullptr, nullptr));
  if (!scale_) return false;
  std::uint8_t* planes[4];
  int strides[4];
  Destination(planes, strides);
  return sws_scale(scale_.get(), frame.data, frame.linesize, 0, frame.height, planes, strides) ==
         height_;
}

}  // namespace mediacore
