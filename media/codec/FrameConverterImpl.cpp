#include "media/codec/FrameConverterImpl.h"

#include "media/codec/CallGuard.h"

namespace mccodec {

std::int32_t MC_CALL FrameConverterImpl::Setup(std::int32_t outputWidth,
                                               std::int32_t outputHeight,
                                               std::int32_t sourceWidth,
                                               std::int32_t sourceHeight,
                                               std::int32_t sourcePixelFormat, Bool8 fixAspect,
                                               std::int32_t cropLeft, std::int32_t cropRight,
                                               std::int32_t cropTop, std::int32_t cropBottom,
                                               std::int32_t, std::int32_t, std::int32_t,
                                               std::int32_t) {
  return Guarded(kCallFailed, [&] {
    fitter_.reset();
    converted_ = false;
    const PictureGeometry geometry{outputWidth, outputHeight, sourceWidth, sourceHeight,
                                   sourcePixelFormat, fixAspect != 0, cropLeft, cropRight,
                                   cropTop, cropBottom};
    if (!IsValidGeometry(geometry)) return kCallFailed;
    fitter_ = std::make_unique<PictureFitter>(geometry);
    return kCallOk;
  });
}

std::int32_t MC_CALL FrameConverterImpl::Convert(const void* pixels) {
  return Guarded(0, [&] {
    converted_ = fitter_ && fitter_->Fit(pixels);
    return converted_ ? 1 : 0;
  });
}

const void* MC_CALL FrameConverterImpl::GetOutput() {
  return converted_ ? fitter_->Bytes() : nullptr;
}

}  // namespace mccodec
