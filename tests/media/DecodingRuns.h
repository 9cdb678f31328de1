#pragma once
// Whole runs of the two decoding libraries over one file, recorded by the DecodingRecorder.
#include <string>

#include "tests/media/DecodingRecorder.h"

namespace decodingtest {

constexpr unsigned kRunTimeoutMs = 30000;

// mcdecode.dll: a conversion run (pixel format 5, audio delivered) from start to end.
DeliveryRecord RunDecoderLibrary(const std::string& path, double clipStart = -1.0,
                                 double clipEnd = -1.0);
// mccodec.dll's decoder object: Run on this thread with the first streams.
DeliveryRecord RunDecoderObject(const std::string& path, double clipStart = -1.0,
                                double clipEnd = -1.0);

}  // namespace decodingtest
