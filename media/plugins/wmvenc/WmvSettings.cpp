#include "media/plugins/wmvenc/WmvSettings.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

#include "media/plugins/wmvenc/WmvTables.h"

namespace wmvenc {
namespace {

using videoplugin::AudioSpec;
using videoplugin::OutputSpec;
using videoplugin::VideoSpec;

constexpr int kQualityModeVbr = 1;
constexpr int kMinQuantizer = 2;
constexpr int kMaxQuantizer = 31;
constexpr int kMaxQuality = 100;

template <typename Table>
const auto& RowOf(const Table& table, int index) {
  return table[index >= 0 && index < static_cast<int>(std::size(table)) ? index : 0];
}

std::int64_t BitsOver(std::int64_t bitRate, int milliseconds) { return bitRate * milliseconds / 1000; }

// Bit rate, peak and buffer of the video; constant quality has none.
void SetRates(const WmvSettings& settings, VideoSpec& video) {
  if (settings.useVbr && settings.vbrMode == kQualityModeVbr) {
    video.quantizer = QuantizerOfQuality(settings.vbrQuality);
    return;
  }
  video.bitRate = settings.videoBitRate;
  if (!settings.useVbr) {
    video.maxRate = video.bitRate;
    video.bufferBits = BitsOver(video.bitRate, settings.videoBufferMs);
  } else if (settings.vbrMaxBitRate > 0) {
    video.maxRate = settings.vbrMaxBitRate;
    video.bufferBits = BitsOver(video.maxRate, std::max(settings.vbrMaxBufferMs, settings.videoBufferMs));
  }
}

VideoSpec VideoOf(const WmvSettings& settings) {
  const videoplugin::SourceInput& input = settings.input;
  VideoSpec video;
  video.codec = RowOf(kVideoCodecs, settings.videoCodec).codec;
  video.inputWidth = input.width;
  video.inputHeight = input.height;
  video.inputPixelFormat = input.pixelFormat;
  video.width = settings.width > 0 ? settings.width : input.width;
  video.height = settings.height > 0 ? settings.height : input.height;
  video.frameRate = settings.frameRate > 0.0 ? settings.frameRate : input.frameRate;
  SetRates(settings, video);
  video.keyFrameInterval =
      std::max(1, static_cast<int>(std::lround(video.frameRate * std::max(settings.secondsPerKeyFrame, 1))));
  return video;
}

AudioSpec AudioOf(const WmvSettings& settings) {
  const WmaFormat& format = RowOf(kWmaFormats, settings.audioFormat);
  return AudioSpec{
      "wmav2", format.rate, format.channels, format.bitRate, settings.input.sampleRate, settings.input.channels};
}

// The settings with a chosen system profile's codec, rates, key frames and audio in place.
WmvSettings WithSystemProfile(WmvSettings settings) {
  if (!settings.useSystemProfile) return settings;
  const WmvSystemProfile& profile = RowOf(kSystemProfiles, settings.systemProfile);
  settings.videoCodec = profile.videoCodec;
  settings.useVbr = false;
  settings.videoBitRate = profile.videoBitRate;
  settings.frameRate = profile.frameRate;
  settings.secondsPerKeyFrame = profile.secondsPerKeyFrame;
  settings.audioCodec = 0;
  settings.audioFormat = profile.audioFormat;
  return settings;
}

}  // namespace

int QuantizerOfQuality(int quality) {
  const int clamped = std::clamp(quality, 1, kMaxQuality);
  const double step = static_cast<double>(kMaxQuantizer - kMinQuantizer) / (kMaxQuality - 1);
  return kMaxQuantizer - static_cast<int>(std::lround((clamped - 1) * step));
}

OutputSpec SpecOf(const WmvSettings& chosen) {
  const WmvSettings settings = WithSystemProfile(chosen);
  if (settings.audioUncompressed || settings.videoUncompressed) throw std::runtime_error("uncompressed output");
  OutputSpec spec;
  spec.container = "asf";
  spec.tags = settings.tags;
  if (settings.input.hasVideo) spec.video = VideoOf(settings);
  if (settings.input.DeliversAudio()) spec.audio = AudioOf(settings);
  if (!spec.video && !spec.audio) throw std::runtime_error("neither video nor audio");
  return spec;
}

}  // namespace wmvenc
