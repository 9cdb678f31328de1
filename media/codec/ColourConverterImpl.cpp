#include "media/codec/ColourConverterImpl.h"

#include "media/codec/CallGuard.h"
#include "media/core/ColourConversion.h"

namespace mccodec {

Bool8 MC_CALL ColourConverterImpl::Open(std::int32_t width, std::int32_t height,
                                        std::int32_t sourceFormat, std::int32_t targetFormat) {
  const bool usable = width > 0 && height > 0 && targetFormat == PixelFormatBgra &&
                      mediacore::CanConvertToBgra(sourceFormat);
  width_ = usable ? width : 0;
  height_ = usable ? height : 0;
  sourceFormat_ = usable ? sourceFormat : 0;
  return usable ? 1 : 0;
}

std::int32_t MC_CALL ColourConverterImpl::GetOutputSize() {
  return static_cast<std::int32_t>(FrameByteSize(PixelFormatBgra, width_, height_));
}

Bool8 MC_CALL ColourConverterImpl::Convert(const void* source, void* destination) {
  return Guarded<Bool8>(0, [&] {
    return Bool8(sourceFormat_ != 0 &&
                 mediacore::ConvertToBgra(sourceFormat_, width_, height_, source, destination));
  });
}

}  // namespace mccodec
