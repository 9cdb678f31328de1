#pragma once
// mccolour.dll: turns preview frames of pixel format 1 (RGB565) into 32-bit pixels
// (format 3). Entries by ordinal, see media/colour/mccolour.def.
#include <cstdint>

#include "media/contracts/LibraryAbi.h"

using ColourConversionHandle = std::uint32_t;  // 0 = none

extern "C" {
ColourConversionHandle MC_CALL OpenColourConversion(std::int32_t width,  // 1
                                                    std::int32_t height);
// `flags` is 0. The destination holds width * height * 4 bytes.
Bool8 MC_CALL ConvertColours(ColourConversionHandle handle, const void* source,  // 2
                             void* destination, std::int32_t flags);
void MC_CALL CloseColourConversion(ColourConversionHandle handle);               // 3
}
