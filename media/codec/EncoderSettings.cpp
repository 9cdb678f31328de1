#include "media/codec/EncoderSettings.h"

#include <charconv>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libavutil/parseutils.h>
}

namespace mccodec {
namespace {

constexpr double kMaxFrameRate = 1000.0;
constexpr int kMaxChannels = 8;
constexpr int kMaxSampleRate = 384000;

bool HasOption(const AVClass* owner, const std::string& name) {
  if (owner == nullptr) return false;
  const AVClass* fake = owner;
  return av_opt_find(&fake, name.c_str(), nullptr, 0, AV_OPT_SEARCH_FAKE_OBJ) != nullptr;
}

const AVClass* EncoderClass(const char* encoder) {
  const AVCodec* codec = encoder != nullptr ? avcodec_find_encoder_by_name(encoder) : nullptr;
  return codec != nullptr ? codec->priv_class : nullptr;
}

bool ParseSwitch(const std::string& value, bool& target) {
  const auto number = ParseInteger(value);
  if (!number) return false;
  target = *number != 0;
  return true;
}

bool ParseRate(const std::string& value, std::optional<std::int64_t>& target) {
  const auto number = ParseInteger(value);
  if (!number || *number < 0) return false;
  target = number;
  return true;
}

}  // namespace

std::optional<std::int64_t> ParseInteger(const std::string& text) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

bool EncoderSettings::SetVideoCodec(const std::string& name) {
  const VideoCodecChoice* codec = FindVideoCodec(name);
  if (codec == nullptr || avcodec_find_encoder_by_name(codec->encoder) == nullptr) return false;
  videoCodec_ = codec;
  return true;
}

bool EncoderSettings::SetAudioCodec(const std::string& name) {
  // No name: the output gets no audio.
  if (name.empty()) {
    audioCodec_ = nullptr;
    return true;
  }
  const AudioCodecChoice* codec = FindAudioCodec(name);
  if (codec == nullptr || avcodec_find_encoder_by_name(codec->encoder) == nullptr) return false;
  audioCodec_ = codec;
  return true;
}

bool EncoderSettings::SetFormat(const std::string& name) {
  if (name.empty() || av_guess_format(name.c_str(), nullptr, nullptr) == nullptr) return false;
  muxer_ = name;
  return true;
}

bool EncoderSettings::SetVideoParams(const VideoParams& params) {
  if (!IsValidGeometry(params.geometry) || params.bitRate < 0 || !(params.frameRate > 0.0) ||
      params.frameRate > kMaxFrameRate) {
    return false;
  }
  video_ = params;
  return true;
}

bool EncoderSettings::SetAudioParams(const AudioParams& params) {
  const auto validRate = [](int rate) { return rate >= 0 && rate <= kMaxSampleRate; };
  const auto validChannels = [](int channels) { return channels >= 0 && channels <= kMaxChannels; };
  if (!validRate(params.rate) || !validChannels(params.channels) || params.bitRate < 0 ||
      params.sourceRate <= 0 || params.sourceRate > kMaxSampleRate ||
      params.sourceChannels <= 0 || params.sourceChannels > kMaxChannels) {
    return false;
  }
  audio_ = params;
  return true;
}

bool EncoderSettings::SetOption(const std::string& name, const std::string& value) {
  bool known = false;
  const bool accepted = SetKnownOption(name, value, known);
  if (known) return accepted;
  if (!IsPassedOnOption(name)) return false;
  passedOn_.emplace_back(name, value);
  return true;
}

bool EncoderSettings::SetKnownOption(const std::string& name, const std::string& value,
                                     bool& known) {
  known = true;
  if (name == "bitexact") return ParseSwitch(value, bitexact_);
  if (name == "fix_aspect_ratio") return ParseSwitch(value, keepAspect_);
  if (name == "video_rc_max_rate") return ParseRate(value, rates_.maxRate);
  if (name == "video_rc_min_rate") return ParseRate(value, rates_.minRate);
  if (name == "video_rc_buffer_size") return ParseRate(value, rates_.bufferSize);
  if (name == "video_bit_rate_tolerance") return ParseRate(value, rates_.tolerance);
  if (name == "vcodecTag") {
    if (value.empty() || value.size() > 4) return false;
    codecTag_ = value;
    return true;
  }
  std::string* text = name == "str_title"       ? &tags_.title
                      : name == "str_author"    ? &tags_.author
                      : name == "str_copyright" ? &tags_.copyright
                      : name == "str_comment"   ? &tags_.comment
                      : name == "rec_timestamp" ? &tags_.date
                                                : nullptr;
  if (text != nullptr) {
    *text = value;
    return true;
  }
  if (name == "frame_aspect_ratio") {
    AVRational aspect{0, 1};
    if (av_parse_ratio(&aspect, value.c_str(), 1000000, 0, nullptr) < 0) return false;
    // A zero aspect asks for nothing.
    displayAspect_ = aspect.num > 0 && aspect.den > 0 ? aspect : AVRational{0, 1};
    return true;
  }
  known = false;
  return false;
}

// Generic codec options, then the private ones of the chosen video encoder, audio encoder
// and muxer (and the generic muxer options).
bool EncoderSettings::IsPassedOnOption(const std::string& name) const {
  if (name.empty()) return false;
  if (HasOption(avcodec_get_class(), name)) return true;
  if (videoCodec_ != nullptr && HasOption(EncoderClass(videoCodec_->encoder), name)) return true;
  if (audioCodec_ != nullptr && HasOption(EncoderClass(audioCodec_->encoder), name)) return true;
  const AVOutputFormat* muxer =
      muxer_.empty() ? nullptr : av_guess_format(muxer_.c_str(), nullptr, nullptr);
  return (muxer != nullptr && HasOption(muxer->priv_class, name)) ||
         HasOption(avformat_get_class(), name);
}

}  // namespace mccodec
