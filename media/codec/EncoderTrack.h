#pragma once
// One encoded stream of an output: the encoder, its stream in the muxer and the passing of
// what the encoder makes to the muxer.
#include <cstdint>

#include "media/codec/MediaWriter.h"
#include "media/core/FFmpegHandles.h"

namespace mccodec {

// Times of frames and samples beyond this are taken for damaged ones.
constexpr double kLongestOutputSeconds = 7 * 24 * 3600.0;

class EncoderTrack {
 public:
  AVCodecContext* Context() const { return codec_.get(); }

 protected:
  // Throws std::runtime_error when the encoder is missing.
  EncoderTrack(const char* encoderName, MediaWriter& writer, bool bitexact);
  ~EncoderTrack() = default;

  // Opens the encoder and describes the stream from it.
  void OpenEncoder();
  // Sends a frame (null: the end) and writes every packet that comes out, their times
  // moved later by `delay` units of the encoder's time base.
  void Send(const AVFrame* frame, std::int64_t delay = 0);

  const AVCodec* encoder_;
  MediaWriter& writer_;
  mediacore::CodecContextPtr codec_;
  AVStream* stream_;

 private:
  mediacore::PacketPtr packet_;
};

}  // namespace mccodec
