// Entries of mccolour.dll: preview frames of pixel format 1 (RGB565, bottom-up) into 32-bit
// pixels (format 3, bottom-up). No exception leaves an entry.
#include "media/colour/ColourConversionTable.h"
#include "media/contracts/ColourConversionLibrary.h"
#include "media/core/ColourConversion.h"

namespace {

mccolour::ColourConversionTable& Conversions() {
  static mccolour::ColourConversionTable table;
  return table;
}

}  // namespace

extern "C" {

ColourConversionHandle MC_CALL OpenColourConversion(std::int32_t width, std::int32_t height) {
  try {
    return Conversions().Open(width, height);
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
    Conversions().Close(handle);
  } catch (...) {
  }
}

}  // extern "C"
