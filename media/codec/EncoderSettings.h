#pragma once
// What an encoder context is told before it opens: codecs, container, picture and audio
// parameters and the named options.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "media/codec/CodecCatalog.h"
#include "media/codec/PictureFitter.h"

extern "C" {
#include <libavutil/rational.h>
}

namespace mccodec {

struct VideoParams {
  PictureGeometry geometry;  // the output size is the encoded size
  std::int64_t bitRate = 0;  // bits per second; 0 leaves the encoder's own
  double frameRate = 0.0;
};

struct AudioParams {
  int rate = 0;            // wanted output rate; 0 takes the source's
  int channels = 0;        // wanted output channels; 0 takes the source's
  std::int64_t bitRate = 0;
  int sourceRate = 0;
  int sourceChannels = 0;
};

struct RateControl {
  std::optional<std::int64_t> maxRate;
  std::optional<std::int64_t> minRate;
  std::optional<std::int64_t> bufferSize;
  std::optional<std::int64_t> tolerance;
};

// Texts written as the output's tags; empty ones are left out.
struct Tags {
  std::string title;
  std::string author;
  std::string copyright;
  std::string comment;
  std::string date;
};

class EncoderSettings {
 public:
  // Each answers false for a name, value or set of parameters that is refused.
  bool SetVideoCodec(const std::string& name);
  bool SetAudioCodec(const std::string& name);
  bool SetFormat(const std::string& name);
  bool SetVideoParams(const VideoParams& params);
  bool SetAudioParams(const AudioParams& params);
  bool SetOption(const std::string& name, const std::string& value);

  const VideoCodecChoice* VideoCodec() const { return videoCodec_; }
  const AudioCodecChoice* AudioCodec() const { return audioCodec_; }
  const std::string& Muxer() const { return muxer_; }
  const std::optional<VideoParams>& Video() const { return video_; }
  const std::optional<AudioParams>& Audio() const { return audio_; }
  bool Bitexact() const { return bitexact_; }
  bool KeepAspect() const { return keepAspect_; }
  const RateControl& Rates() const { return rates_; }
  const std::string& CodecTag() const { return codecTag_; }
  const Tags& Texts() const { return tags_; }
  // Display aspect of the output; 0/1 when none was asked for.
  AVRational DisplayAspect() const { return displayAspect_; }
  // Options handed on to the encoders or the muxer, in the order they were set.
  const std::vector<std::pair<std::string, std::string>>& PassedOn() const { return passedOn_; }

 private:
  bool SetKnownOption(const std::string& name, const std::string& value, bool& known);
  bool IsPassedOnOption(const std::string& name) const;

  const VideoCodecChoice* videoCodec_ = nullptr;
  const AudioCodecChoice* audioCodec_ = nullptr;
  std::string muxer_;
  std::optional<VideoParams> video_;
  std::optional<AudioParams> audio_;
  bool bitexact_ = false;
  bool keepAspect_ = false;
  RateControl rates_;
  std::string codecTag_;
  Tags tags_;
  AVRational displayAspect_{0, 1};
  std::vector<std::pair<std::string, std::string>> passedOn_;
};

// Whole decimal integer; nothing for anything else.
std::optional<std::int64_t> ParseInteger(const std::string& text);

}  // namespace mccodec
