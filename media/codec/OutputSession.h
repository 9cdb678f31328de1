#pragma once
// An open output of an encoder context: the muxer with its video stream and audio stream
// (either may be missing, not both), fed with times counted from the first frame or samples delivered. The caller's
// thread only takes what is delivered (fits the picture, copies the samples); encoding and
// writing run on the session's worker meanwhile, in delivery order, so decoding the next
// frame overlaps encoding this one. A failure there makes a later call throw.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "media/codec/AudioTrack.h"
#include "media/codec/EncoderSettings.h"
#include "media/codec/MediaWriter.h"
#include "media/codec/SerialWorker.h"
#include "media/codec/VideoTrack.h"

namespace mccodec {

class OutputSession {
 public:
  // Opens the encoders and then writes the file's header. Throws std::runtime_error (and
  // leaves no file) when the settings are refused.
  OutputSession(const EncoderSettings& settings, const std::string& path);

  // Throw std::runtime_error for what cannot be taken, or once encoding failed. Without a
  // video stream the pictures are ignored.
  void EncodeVideo(const void* pixels, double start);
  // Without an audio stream the samples are ignored; without a video stream they are
  // encoded on the caller's thread.
  void EncodeAudio(const std::int16_t* samples, int bytes, double start);
  // Encodes what is queued, flushes the encoders and writes the trailer; false when the
  // file is not complete.
  bool Finish();
  std::int64_t Size() const { return writer_.Size(); }

 private:
  // Hands the options the settings passed on to the first of the video encoder, the audio
  // encoder and the muxer that has them.
  void PassOptionsOn(const EncoderSettings& settings);
  double SinceStart(double start);

  MediaWriter writer_;
  std::unique_ptr<VideoTrack> video_;
  std::unique_ptr<AudioTrack> audio_;
  std::optional<double> origin_;
  // Last, so it stops before the tracks and the writer its tasks use go.
  SerialWorker worker_;
};

}  // namespace mccodec
