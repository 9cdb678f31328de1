#pragma once
// The frame converter of the WMV and RealMedia outputs: crops, scales and letterboxes each
// delivered frame into I420 at the output size.
#include <memory>

#include "media/codec/PictureFitter.h"
#include "media/contracts/CodecLibrary.h"

namespace mccodec {

class FrameConverterImpl final : public FrameConverter {
 public:
  std::int32_t MC_CALL Setup(std::int32_t outputWidth, std::int32_t outputHeight,
                             std::int32_t sourceWidth, std::int32_t sourceHeight,
                             std::int32_t sourcePixelFormat, Bool8 fixAspect,
                             std::int32_t cropLeft, std::int32_t cropRight, std::int32_t cropTop,
                             std::int32_t cropBottom, std::int32_t spare1, std::int32_t spare2,
                             std::int32_t spare3, std::int32_t spare4) override;
  std::int32_t MC_CALL Convert(const void* pixels) override;
  const void* MC_CALL GetOutput() override;

  ~FrameConverterImpl() = default;

 private:
  std::unique_ptr<PictureFitter> fitter_;
  bool converted_ = false;
};

}  // namespace mccodec
