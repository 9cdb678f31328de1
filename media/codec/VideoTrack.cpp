#include "media/codec/VideoTrack.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace mccodec {
namespace {

// The only picture sizes baseline H.263 can signal.
constexpr std::array<std::pair<int, int>, 5> kH263Sizes{
    {{128, 96}, {176, 144}, {352, 288}, {704, 576}, {1408, 1152}}};

PictureGeometry GeometryOf(const EncoderSettings& settings) {
  PictureGeometry geometry = settings.Video()->geometry;
  geometry.keepAspect = settings.KeepAspect();
  return geometry;
}

const VideoCodecChoice& ChoiceOf(const EncoderSettings& settings) {
  if (settings.VideoCodec() == nullptr || !settings.Video()) {
    throw std::runtime_error("no video codec or parameters");
  }
  return *settings.VideoCodec();
}

bool IsH263Size(int width, int height) {
  for (const auto& [w, h] : kH263Sizes) {
    if (w == width && h == height) return true;
  }
  return false;
}

std::uint32_t FourCc(const std::string& text) {
  std::uint32_t tag = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const auto byte = static_cast<unsigned char>(i < text.size() ? text[i] : ' ');
    tag |= static_cast<std::uint32_t>(byte) << (8 * i);
  }
  return tag;
}

// Rows of pictures converted into the encoder's own layout start at this alignment.
constexpr int kConvertedRowAlign = 32;

}  // namespace

AVRational OutputFrameRate(double framesPerSecond, const AVCodec& encoder) {
  const double ntsc = std::round(framesPerSecond * 1.001);
  AVRational rate = av_d2q(framesPerSecond, 100000);
  if (std::abs(framesPerSecond * 1.001 - ntsc) < 0.01 && std::abs(framesPerSecond - ntsc) > 0.005) {
    rate = AVRational{static_cast<int>(ntsc) * 1000, 1001};
  }
  if (encoder.supported_framerates != nullptr) {
    rate = encoder.supported_framerates[av_find_nearest_q_idx(rate, encoder.supported_framerates)];
  }
  return rate;
}

VideoTrack::VideoTrack(const EncoderSettings& settings, MediaWriter& writer)
    : EncoderTrack(ChoiceOf(settings).encoder, writer, settings.Bitexact()),
      choice_(*settings.VideoCodec()),
      fitter_(GeometryOf(settings)),
      rate_(OutputFrameRate(settings.Video()->frameRate, *encoder_)) {
  Configure(settings, *settings.Video());
}

void VideoTrack::Configure(const EncoderSettings& settings, const VideoParams& params) {
  AVCodecContext* codec = codec_.get();
  codec->width = params.geometry.outputWidth;
  codec->height = params.geometry.outputHeight;
  if (choice_.encoder == std::string("h263") && !IsH263Size(codec->width, codec->height)) {
    throw std::runtime_error("H.263 cannot carry this picture size");
  }
  codec->pix_fmt = choice_.input;
  if (choice_.input == AV_PIX_FMT_YUVJ420P) codec->color_range = AVCOL_RANGE_JPEG;
  codec->time_base = av_inv_q(rate_);
  codec->framerate = rate_;
  codec->thread_count = choice_.threaded ? 0 : 1;
  if (params.bitRate > 0) codec->bit_rate = params.bitRate;
  const RateControl& rates = settings.Rates();
  if (rates.maxRate) codec->rc_max_rate = *rates.maxRate;
  if (rates.minRate) codec->rc_min_rate = *rates.minRate;
  if (rates.bufferSize) codec->rc_buffer_size = static_cast<int>(*rates.bufferSize);
  if (rates.tolerance) codec->bit_rate_tolerance = static_cast<int>(*rates.tolerance);
  const AVRational aspect = settings.DisplayAspect();
  if (aspect.num > 0) {
    // Sample aspect = display aspect x height / width, within what the codec can signal.
    av_reduce(&codec->sample_aspect_ratio.num, &codec->sample_aspect_ratio.den,
              static_cast<std::int64_t>(aspect.num) * codec->height,
              static_cast<std::int64_t>(aspect.den) * codec->width, choice_.aspectLimit);
  }
  // A FourCC only where the muxer takes one from the caller (AVI); MP4, MOV and 3GP
  // choose their own.
  if (settings.Muxer() == "avi") {
    codecTag_ = !settings.CodecTag().empty() ? settings.CodecTag()
                : choice_.aviTag != nullptr  ? choice_.aviTag
                                             : "";
  }
  if (!codecTag_.empty()) codec->codec_tag = FourCc(codecTag_);
  if (choice_.input != AV_PIX_FMT_YUV420P) {
    converted_.emplace(choice_.input, codec->width, codec->height, kConvertedRowAlign);
  }
}

void VideoTrack::Open() {
  OpenEncoder();
  stream_->avg_frame_rate = rate_;
  stream_->r_frame_rate = rate_;
  stream_->sample_aspect_ratio = codec_->sample_aspect_ratio;
  if (!codecTag_.empty()) stream_->codecpar->codec_tag = FourCc(codecTag_);
}

std::shared_ptr<const AVFrame> VideoTrack::TakePicture(const void* pixels) {
  if (!fitter_.Fit(pixels)) throw std::runtime_error("frame cannot be read");
  const AVFrame& picture = fitter_.Frame();
  mediacore::FramePtr taken;
  if (!converted_) {
    taken.reset(av_frame_clone(&picture));
    if (!taken) throw std::bad_alloc();
  } else {
    taken = converted_->Get();
    convert_.reset(sws_getCachedContext(convert_.release(), picture.width, picture.height,
                                        AV_PIX_FMT_YUV420P, taken->width, taken->height,
                                        choice_.input, SWS_BICUBIC | SWS_ACCURATE_RND, nullptr,
                                        nullptr, nullptr));
    if (!convert_ || sws_scale(convert_.get(), picture.data, picture.linesize, 0, picture.height,
                               taken->data, taken->linesize) != taken->height) {
      throw std::runtime_error("picture conversion failed");
    }
  }
  return std::shared_ptr<const AVFrame>(taken.release(), mediacore::FrameFreer());
}

std::vector<PictureRun> VideoTrack::Take(const void* pixels, double time) {
  if (!std::isfinite(time) || time > kLongestOutputSeconds) throw std::runtime_error("frame time");
  const std::int64_t index = std::llround(time * av_q2d(rate_));
  if (index < nextIndex_) return {};  // its slot is taken
  std::vector<PictureRun> runs;
  const bool first = !last_;
  if (!first && nextIndex_ < index) runs.push_back({last_, nextIndex_, index});
  last_ = TakePicture(pixels);
  // The first picture also covers the slots before it.
  runs.push_back({last_, first ? nextIndex_ : index, index + 1});
  nextIndex_ = index + 1;
  return runs;
}

void VideoTrack::Encode(const std::vector<PictureRun>& runs) {
  for (const PictureRun& run : runs) {
    for (std::int64_t slot = run.first; slot < run.end; ++slot) {
      const mediacore::FramePtr sent(av_frame_clone(run.picture.get()));
      if (!sent) throw std::bad_alloc();
      sent->pts = slot;
      sent->sample_aspect_ratio = codec_->sample_aspect_ratio;
      Send(sent.get());
    }
  }
}

void VideoTrack::Finish() { Send(nullptr); }

}  // namespace mccodec
