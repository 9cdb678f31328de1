#include "media/plugins/wmvenc/WmvSettings.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

#include "media/plugins/wmvenc/WmvTables.h"

namespace wmvenc {
namespace {

using videoplugin::AudioPlan;
using videoplugin::OutputPlan;
using videoplugin::VideoPlan;

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
void SetRates(const WmvSettings& settings, VideoPlan& video) {
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

VideoPlan VideoOf(const WmvSettings& settings) {
  const videoplugin::SourceInput& input = settings.input;
  VideoPlan video;
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

AudioPlan AudioOf(const WmvSettings& settings) {
  const WmaFormat& format = RowOf(kWmaFormats, settings.audioFormat);
  return AudioPlan{
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

OutputPlan PlanOf(const WmvSettings& chosen) {
  const WmvSettings settings = WithSystemProfile(chosen);
  if (settings.audioUncompressed || settings.videoUncompressed) throw std::runtime_error("uncompressed output");
  OutputPlan plan;
  plan.container = "asf";
  plan.tags = settings.tags;
  if (settings.input.hasVideo) plan.video = VideoOf(settings);
  if (settings.input.DeliversAudio()) plan.audio = AudioOf(settings);
  if (!plan.video && !plan.audio) throw std::runtime_error("neither video nor audio");
  return plan;
}

}  // namespace wmvenc
