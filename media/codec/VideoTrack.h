#pragma once
// The video stream of an output: fits each delivered frame into the output picture and
// encodes it at a constant rate, dropping frames that fall on a taken slot and repeating
// the last picture over gaps.
#include <cstdint>
#include <memory>

#include "media/codec/EncoderSettings.h"
#include "media/codec/EncoderTrack.h"
#include "media/codec/PictureFitter.h"

namespace mccodec {

// The output frame rate for `framesPerSecond`: NTSC-style rates as n * 1000 / 1001, and
// the nearest rate the encoder allows when it has a list (the MPEG video encoders).
AVRational OutputFrameRate(double framesPerSecond, const AVCodec& encoder);

class VideoTrack final : public EncoderTrack {
 public:
  // Throws std::runtime_error for settings the output cannot take.
  VideoTrack(const EncoderSettings& settings, MediaWriter& writer);

  void Open();
  // `time`: seconds since the start of the output.
  void Encode(const void* pixels, double time);
  void Finish();

 private:
  void Configure(const EncoderSettings& settings, const VideoParams& params);
  // Fits the frame into the picture the encoder takes; throws when it cannot be read.
  void TakePicture(const void* pixels);
  void SendPicture(std::int64_t index);

  const VideoCodecChoice& choice_;
  PictureFitter fitter_;
  AVRational rate_;
  std::string codecTag_;
  mediacore::FramePtr converted_;      // in the encoder's own layout, when not I420
  mediacore::ScaleContextPtr convert_;
  std::int64_t nextIndex_ = 0;
  bool hasPicture_ = false;
};

}  // namespace mccodec
