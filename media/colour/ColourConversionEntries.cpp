// Entries of mccolour.dll: preview frames of pixel format 1 (RGB565, bottom-up) into 32-bit
// pixels (format 3, bottom-up). No exception leaves an entry.
#include <utility>

#include "media/contracts/ColourConversionLibrary.h"
#include "media/core/ColourConversion.h"
#include "media/core/HandleTable.h"

namespace {

// The frame size (width, height) of each open conversion.
using FrameSize = std::pair<int, int>;

mediacore::HandleTable<FrameSize>& Conversions() {
  static mediacore::HandleTable<FrameSize> table;
  return table;
}

}  // namespace

extern "C" {

ColourConversionHandle MC_CALL OpenColourConversion(std::int32_t width, std::int32_t height) {
  try {
    return width > 0 && height > 0 ? Conversions().Add(FrameSize(width, height)) : 0;
  } catch (...) {
    return 0;
  }
}

Bool8 MC_CALL ConvertColours(ColourConversionHandle handle, const void* source,
                             void* destination, std::int32_t) {
  try {
    const auto size = Conversions().Find(handle);
    return Bool8(size && mediacore::ConvertToBgra(PixelFormatRgb565, size->first, size->second,
                                                  source, destination));
  } catch (...) {
    return 0;
  }
}

void MC_CALL CloseColourConversion(ColourConversionHandle handle) {
  try {
    Conversions().Remove(handle);
  } catch (...) {
  }
}

}  // extern "C"
