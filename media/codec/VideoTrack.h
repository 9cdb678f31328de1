#pragma once
// The video stream of an output: fits each delivered frame into the output picture and
// encodes it at a constant rate, dropping frames that fall on a taken slot and repeating
// the last picture over gaps.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "media/codec/EncoderSettings.h"
#include "media/codec/EncoderTrack.h"
#include "media/codec/PictureFitter.h"

namespace mccodec {

// The output frame rate for `framesPerSecond`: NTSC-style rates as n * 1000 / 1001, and
// the nearest rate the encoder allows when it has a list (the MPEG video encoders).
AVRational OutputFrameRate(double framesPerSecond, const AVCodec& encoder);

// One picture to be encoded in the output's slots first to end - 1 (its frame numbers).
struct PictureRun {
  std::shared_ptr<const AVFrame> picture;
  std::int64_t first = 0;
  std::int64_t end = 0;
};

// A delivered frame is taken in two steps, which may run on two threads: Take fits it into
// the encoder's picture and settles its slots (on the caller's thread, while its pixels are
// valid); Encode encodes the runs Take answered, in the order they were answered.
class VideoTrack final : public EncoderTrack {
 public:
  // Throws std::runtime_error for settings the output cannot take.
  VideoTrack(const EncoderSettings& settings, MediaWriter& writer);

  void Open();
  // `time`: seconds since the start of the output. The runs to encode for the frame: none
  // when its slot is taken, the last picture again over a gap before it, then its own.
  std::vector<PictureRun> Take(const void* pixels, double time);
  void Encode(const std::vector<PictureRun>& runs);
  void Finish();

 private:
  void Configure(const EncoderSettings& settings, const VideoParams& params);
  // The frame fitted into the picture the encoder takes; throws when it cannot be read.
  std::shared_ptr<const AVFrame> TakePicture(const void* pixels);

  const VideoCodecChoice& choice_;
  PictureFitter fitter_;
  AVRational rate_;
  std::string codecTag_;
  std::optional<FramePool> converted_;  // pictures in the encoder's own layout, when not I420
  mediacore::ScaleContextPtr convert_;
  std::shared_ptr<const AVFrame> last_;  // the picture of the last slot taken
  std::int64_t nextIndex_ = 0;
};

}  // namespace mccodec
