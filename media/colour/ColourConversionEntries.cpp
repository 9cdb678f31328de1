// Entries of mccolour.dll. No conversion is available yet: every entry answers failure.
#include "media/contracts/ColourConversionLibrary.h"

extern "C" {

ColourConversionHandle MC_CALL OpenColourConversion(std::int32_t, std::int32_t) { return 0; }

Bool8 MC_CALL ConvertColours(ColourConversionHandle, const void*, void*, std::int32_t) {
  return 0;
}

void MC_CALL CloseColourConversion(ColourConversionHandle) {}

}  // extern "C"
