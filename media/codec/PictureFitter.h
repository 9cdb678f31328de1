#pragma once
// Crops a delivered frame, scales it to the output size (letterboxed with black bars when
// its proportions are to be kept) and holds the result as I420 at the output size.
#include <cstdint>

#include "media/codec/FramePool.h"
#include "media/core/FFmpegHandles.h"

namespace mccodec {

struct PictureGeometry {
  int outputWidth = 0;
  int outputHeight = 0;
  int sourceWidth = 0;
  int sourceHeight = 0;
  int sourceFormat = 0;  // PixelFormatCode of the delivered frames
  bool keepAspect = false;
  int cropLeft = 0;
  int cropRight = 0;
  int cropTop = 0;
  int cropBottom = 0;
};

// Black bars around a picture placed in the output; even left and top edges.
struct Letterbox {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
};

// The bars that fit a picture of pictureWidth x pictureHeight into the output with its
// proportions kept, with the same arithmetic as the preview so both show the same picture.
Letterbox FitBars(int outputWidth, int outputHeight, int pictureWidth, int pictureHeight);

// True when the geometry describes frames the fitter can take: known layout, sizes above
// zero and crop margins that leave a picture.
bool IsValidGeometry(const PictureGeometry& geometry);

class PictureFitter {
 public:
  // Throws std::invalid_argument for a geometry IsValidGeometry refuses or one whose bars
  // leave no room for the picture.
  explicit PictureFitter(const PictureGeometry& geometry);

  // Fits one delivered frame; false when it cannot be converted.
  bool Fit(const void* pixels);
  // The I420 picture at the output size, planes Y, U, V back to back.
  const std::uint8_t* Bytes() const { return frame_->data[0]; }
  // The same picture as a reference-counted frame: whoever takes a reference keeps the
  // picture as it is, because each Fit draws on a buffer nobody holds.
  const AVFrame& Frame() const { return *frame_; }

 private:
  // Points `planes` at the cropped area of a delivered frame.
  void SourcePlanes(const std::uint8_t* pixels, const std::uint8_t* planes[4],
                    int strides[4]) const;

  PictureGeometry geometry_;
  Letterbox bars_;
  // Black buffers: the bars are never drawn over, the picture area is by each Fit.
  FramePool pool_;
  mediacore::FramePtr frame_;
  mediacore::ScaleContextPtr scale_;
};

}  // namespace mccodec
