#pragma once
// Turns frames of the agreed layouts into 32-bit pixels (code 3: bytes blue, green, red,
// alpha 255, rows bottom-up), for the colour converters of the preview.
#include <cstdint>

namespace mediacore {

// True for the layouts ConvertToBgra reads: 1 (RGB565), 4 (YV12) and 5 (I420).
bool CanConvertToBgra(std::int32_t sourceFormat);

// Converts one width x height frame of `sourceFormat` into `destination`
// (width * height * 4 bytes). YUV is read as BT.601 limited range. False for a layout it
// cannot read or a size that is not positive.
bool ConvertToBgra(std::int32_t sourceFormat, int width, int height, const void* source,
                   void* destination);

}  // namespace mediacore
