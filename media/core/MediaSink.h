#pragma once
// Receiver of what a MediaDecoder delivers: pictures in the agreed pixel layout and
// 16-bit interleaved audio, with start and end in seconds of the file. A false answer
// stops the delivery.
#include <cstdint>

namespace mediacore {

class MediaSink {
 public:
  virtual bool OnVideoFrame(double start, double end, const std::uint8_t* pixels) = 0;
  virtual bool OnAudioSamples(double start, double end, const std::int16_t* samples,
                              int bytes) = 0;

 protected:
  ~MediaSink() = default;
};

}  // namespace mediacore
