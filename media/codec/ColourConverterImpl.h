#pragma once
// The colour converter of mccodec.dll: frames of codes 1, 4 and 5 into 32-bit pixels
// (code 3), for the conversion preview.
#include "media/contracts/CodecLibrary.h"

namespace mccodec {

class ColourConverterImpl final : public ColourConverter {
 public:
  // False for a target other than 3, a source it cannot read or a size that is not positive.
  Bool8 MC_CALL Open(std::int32_t width, std::int32_t height, std::int32_t sourceFormat,
                     std::int32_t targetFormat) override;
  std::int32_t MC_CALL GetOutputSize() override;
  Bool8 MC_CALL Convert(const void* source, void* destination) override;

 private:
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::int32_t sourceFormat_ = 0;  // 0 while not open
};

}  // namespace mccodec
