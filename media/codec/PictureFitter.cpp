#include "media/codec/PictureFitter.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

#include "media/contracts/LibraryAbi.h"

extern "C" {
#include <libavutil/imgutils.h>
}

namespace mccodec {
namespace {

constexpr int kMaxSide = 16384;

AVPixelFormat SourceFormat(int code) {
  switch (code) {
    case PixelFormatRgb565: return AV_PIX_FMT_RGB565LE;
    case PixelFormatBgra: return AV_PIX_FMT_BGR0;
    case PixelFormatYv12:
    case PixelFormatI420: return AV_PIX_FMT_YUV420P;
    default: return AV_PIX_FMT_NONE;
  }
}

// Black in limited range.
void PaintBlack(std::uint8_t* data, std::size_t size, std::size_t lumaSize) {
  std::memset(data, 16, lumaSize);
  std::memset(data + lumaSize, 128, size - lumaSize);
}

// The geometry, when the fitter can take it.
const PictureGeometry& Checked(const PictureGeometry& geometry) {
  if (!IsValidGeometry(geometry)) throw std::invalid_argument("picture geometry");
  return geometry;
}

// Half of `length`, cut toward zero and then to an even number.
int EvenHalf(int length) { return (length / 2) & ~1; }

}  // namespace

Letterbox FitBars(int outputWidth, int outputHeight, int pictureWidth, int pictureHeight) {
  Letterbox bars;
  const double outputAspect = static_cast<double>(outputWidth) / outputHeight;
  const double pictureAspect = static_cast<double>(pictureWidth) / pictureHeight;
  if (outputAspect >= pictureAspect) {
    const int spare = static_cast<int>(std::trunc(outputWidth - outputHeight * pictureAspect));
    bars.left = EvenHalf(spare);
    bars.right = spare - bars.left;
  } else {
    const int spare = static_cast<int>(std::trunc(outputHeight - outputWidth / pictureAspect));
    bars.top = EvenHalf(spare);
    bars.bottom = spare - bars.top;
  }
  return bars;
}

bool IsValidGeometry(const PictureGeometry& g) {
  const auto inRange = [](int side) { return side > 0 && side <= kMaxSide; };
  return inRange(g.outputWidth) && inRange(g.outputHeight) && inRange(g.sourceWidth) &&
         inRange(g.sourceHeight) && SourceFormat(g.sourceFormat) != AV_PIX_FMT_NONE &&
         g.cropLeft >= 0 && g.cropRight >= 0 && g.cropTop >= 0 && g.cropBottom >= 0 &&
         g.cropLeft + g.cropRight < g.sourceWidth && g.cropTop + g.cropBottom < g.sourceHeight;
}

PictureFitter::PictureFitter(const PictureGeometry& geometry)
    : geometry_(Checked(geometry)),
      pool_(AV_PIX_FMT_YUV420P, geometry.outputWidth, geometry.outputHeight, 1,
            [luma = static_cast<std::size_t>(geometry.outputWidth) * geometry.outputHeight](
                std::uint8_t* data, std::size_t size) { PaintBlack(data, size, luma); }) {
  const int width = geometry.outputWidth;
  const int height = geometry.outputHeight;
  if (geometry.keepAspect) {
    bars_ = FitBars(width, height, geometry.sourceWidth - geometry.cropLeft - geometry.cropRight,
                    geometry.sourceHeight - geometry.cropTop - geometry.cropBottom);
  }
  if (width - bars_.left - bars_.right < 1 || height - bars_.top - bars_.bottom < 1) {
    throw std::invalid_argument("no room for the picture");
  }
  frame_ = pool_.Get();
}

void PictureFitter::SourcePlanes(const std::uint8_t* pixels, const std::uint8_t* planes[4],
                                 int strides[4]) const {
  const PictureGeometry& g = geometry_;
  planes[1] = planes[2] = planes[3] = nullptr;
  strides[1] = strides[2] = strides[3] = 0;
  if (g.sourceFormat == PixelFormatRgb565 || g.sourceFormat == PixelFormatBgra) {
    // Rows are stored bottom-up: the top row of the picture is the last one in memory.
    const int pixelBytes = g.sourceFormat == PixelFormatBgra ? 4 : 2;
    const int rowBytes = g.sourceWidth * pixelBytes;
    planes[0] = pixels + static_cast<std::size_t>(g.sourceHeight - 1 - g.cropTop) * rowBytes +
                static_cast<std::size_t>(g.cropLeft) * pixelBytes;
    strides[0] = -rowBytes;
    return;
  }
  const int chromaWidth = (g.sourceWidth + 1) / 2;
  const int chromaHeight = (g.sourceHeight + 1) / 2;
  const std::uint8_t* luma = pixels;
  const std::uint8_t* first = luma + static_cast<std::size_t>(g.sourceWidth) * g.sourceHeight;
  const std::uint8_t* second = first + static_cast<std::size_t>(chromaWidth) * chromaHeight;
  const bool yv12 = g.sourceFormat == PixelFormatYv12;
  const std::size_t chromaOffset =
      static_cast<std::size_t>(g.cropTop / 2) * chromaWidth + g.cropLeft / 2;
  planes[0] = luma + static_cast<std::size_t>(g.cropTop) * g.sourceWidth + g.cropLeft;
  planes[1] = (yv12 ? second : first) + chromaOffset;
  planes[2] = (yv12 ? first : second) + chromaOffset;
  strides[0] = g.sourceWidth;
  strides[1] = strides[2] = chromaWidth;
}

bool PictureFitter::Fit(const void* pixels) {
  if (pixels == nullptr) return false;
  frame_ = pool_.Get();
  const PictureGeometry& g = geometry_;
  const int pictureWidth = g.sourceWidth - g.cropLeft - g.cropRight;
  const int pictureHeight = g.sourceHeight - g.cropTop - g.cropBottom;
  const int innerWidth = g.outputWidth - bars_.left - bars_.right;
  const int innerHeight = g.outputHeight - bars_.top - bars_.bottom;
  scale_.reset(sws_getCachedContext(scale_.release(), pictureWidth, pictureHeight,
                                    SourceFormat(g.sourceFormat), innerWidth, innerHeight,
                                    AV_PIX_FMT_YUV420P, SWS_BICUBIC | SWS_ACCURATE_RND, nullptr,
                                    nullptr, nullptr));
  if (!scale_) return false;
  const std::uint8_t* source[4];
  int sourceStrides[4];
  SourcePlanes(static_cast<const std::uint8_t*>(pixels), source, sourceStrides);
  // The picture area starts at even offsets, so the chroma planes start at half of them.
  std::uint8_t* target[4] = {
      frame_->data[0] + static_cast<std::size_t>(bars_.top) * frame_->linesize[0] + bars_.left,
      frame_->data[1] + static_cast<std::size_t>(bars_.top / 2) * frame_->linesize[1] +
          bars_.left / 2,
      frame_->data[2] + static_cast<std::size_t>(bars_.top / 2) * frame_->linesize[2] +
          bars_.left / 2,
      nullptr};
  int targetStrides[4] = {frame_->linesize[0], frame_->linesize[1], frame_->linesize[2], 0};
  return sws_scale(scale_.get(), source, sourceStrides, 0, pictureHeight, target,
                   targetStrides) == innerHeight;
}

}  // namespace mccodec
