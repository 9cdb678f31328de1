#include "media/codec/AudioTrack.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace mccodec {
namespace {

constexpr int kMaxOutputChannels = 2;
// Times may wander this far (1/50 s) from the samples counted before gaps are filled or
// overlaps dropped.
constexpr int kDriftDivisor = 50;
// Frames of encoders that take any number of samples.
constexpr int kFreeFrameSize = 1024;

const AudioParams& ParamsOf(const EncoderSettings& settings) {
  if (settings.AudioCodec() == nullptr || !settings.Audio()) {
    throw std::runtime_error("no audio codec or parameters");
  }
  return *settings.Audio();
}

std::vector<int> ZeroTerminated(const int* list) {
  std::vector<int> values;
  for (; list != nullptr && *list != 0; ++list) values.push_back(*list);
  return values;
}

std::vector<int> MuxerRates(const std::string& muxerName, AVCodecID codec) {
  if (muxerName == "flv" && codec != AV_CODEC_ID_AAC) return {44100, 22050, 11025};
  if (codec == AV_CODEC_ID_PCM_S16BE) return {48000, 96000, 44100, 32000};
  return {};
}

// The nearest of `allowed` to `wanted` (the higher one on a tie); `wanted` when any goes.
int Nearest(int wanted, const std::vector<int>& allowed) {
  int best = wanted;
  long long bestDistance = -1;
  for (int rate : allowed) {
    const long long distance = std::llabs(static_cast<long long>(rate) - wanted);
    if (bestDistance < 0 || distance < bestDistance || (distance == bestDistance && rate > best)) {
      best = rate;
      bestDistance = distance;
    }
  }
  return best;
}

// MPEG audio layer II takes only the bit rates of its table.
std::int64_t SnapBitRate(const AVCodec& encoder, int rate, std::int64_t bitRate) {
  if (encoder.id != AV_CODEC_ID_MP2 || bitRate <= 0) return bitRate;
  constexpr std::array<int, 14> kFull{32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
  constexpr std::array<int, 14> kHalf{8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
  const auto& table = rate < 32000 ? kHalf : kFull;
  const std::vector<int> kilobits(table.begin(), table.end());
  return 1000LL * Nearest(static_cast<int>(bitRate / 1000), kilobits);
}

AVSampleFormat SampleFormatFor(const AVCodec& encoder) {
  if (encoder.sample_fmts == nullptr) return AV_SAMPLE_FMT_S16;
  for (const AVSampleFormat* format = encoder.sample_fmts; *format != AV_SAMPLE_FMT_NONE; ++format) {
    if (*format == AV_SAMPLE_FMT_S16) return AV_SAMPLE_FMT_S16;
  }
  return encoder.sample_fmts[0];
}

// The channel layout of `wanted` channels, or the encoder's nearest one below it.
AVChannelLayout LayoutFor(int wanted, const AVCodec& encoder) {
  AVChannelLayout layout{};
  const AVChannelLayout* best = nullptr;
  for (const AVChannelLayout* each = encoder.ch_layouts; each != nullptr && each->nb_channels != 0;
       ++each) {
    if (each->nb_channels <= wanted && (best == nullptr || each->nb_channels > best->nb_channels)) {
      best = each;
    }
  }
  if (best == nullptr && encoder.ch_layouts != nullptr && encoder.ch_layouts[0].nb_channels != 0) {
    best = &encoder.ch_layouts[0];
  }
  if (best == nullptr || av_channel_layout_copy(&layout, best) < 0) {
    av_channel_layout_default(&layout, wanted);
  }
  return layout;
}

}  // namespace

int OutputSampleRate(int wanted, const AVCodec& encoder, const std::string& muxerName,
                     int onlyRate) {
  if (onlyRate > 0) return onlyRate;
  const std::vector<int> codecRates = ZeroTerminated(encoder.supported_samplerates);
  const std::vector<int> muxerRates = MuxerRates(muxerName, encoder.id);
  std::vector<int> allowed;
  for (int rate : muxerRates) {
    if (codecRates.empty() || std::find(codecRates.begin(), codecRates.end(), rate) != codecRates.end()) {
      allowed.push_back(rate);
    }
  }
  if (allowed.empty()) allowed = codecRates;
  return Nearest(wanted, allowed);
}

AudioTrack::AudioTrack(const EncoderSettings& settings, MediaWriter& writer)
    : EncoderTrack(AudioEncoderName(*settings.AudioCodec(), settings.Muxer()), writer,
                   settings.Bitexact()),
      sourceRate_(ParamsOf(settings).sourceRate),
      // The decoders deliver at most two channels.
      sourceChannels_(std::min(ParamsOf(settings).sourceChannels, kMaxOutputChannels)),
      scratch_(av_frame_alloc()),
      frame_(av_frame_alloc()) {
  if (!scratch_ || !frame_) throw std::bad_alloc();
  Configure(*settings.AudioCodec(), *settings.Audio(), settings.Muxer());
}

void AudioTrack::Configure(const AudioCodecChoice& choice, const AudioParams& params,
                           const std::string& muxerName) {
  AVCodecContext* codec = codec_.get();
  const int wantedRate = params.rate > 0 ? params.rate : sourceRate_;
  const int wantedChannels = std::min(params.channels > 0 ? params.channels : sourceChannels_,
                                      std::min(choice.maxChannels, kMaxOutputChannels));
  codec->sample_rate = OutputSampleRate(wantedRate, *encoder_, muxerName, choice.onlyRate);
  codec->sample_fmt = SampleFormatFor(*encoder_);
  av_channel_layout_uninit(&codec->ch_layout);
  codec->ch_layout = LayoutFor(wantedChannels, *encoder_);
  codec->time_base = AVRational{1, codec->sample_rate};
  codec->thread_count = 1;
  const std::int64_t bitRate = SnapBitRate(*encoder_, codec->sample_rate, params.bitRate);
  if (bitRate > 0) codec->bit_rate = bitRate;
}

void AudioTrack::Open() {
  OpenEncoder();
  AVCodecContext* codec = codec_.get();
  const bool anySize = codec->frame_size <= 0 ||
                       (encoder_->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) != 0;
  frameSize_ = anySize ? kFreeFrameSize : codec->frame_size;
  delay_ = writer_.KeepsNegativeTimes() ? 0 : codec->initial_padding;

  AVChannelLayout sourceLayout{};
  av_channel_layout_default(&sourceLayout, sourceChannels_);
  SwrContext* resample = nullptr;
  const int made = swr_alloc_set_opts2(&resample, &codec->ch_layout, codec->sample_fmt,
                                       codec->sample_rate, &sourceLayout, AV_SAMPLE_FMT_S16,
                                       sourceRate_, 0, nullptr);
  resample_.reset(resample);
  if (made < 0 || swr_init(resample_.get()) < 0) throw std::runtime_error("resampler");
  queue_.reset(av_audio_fifo_alloc(codec->sample_fmt, codec->ch_layout.nb_channels, frameSize_ * 4));
  if (!queue_) throw std::bad_alloc();
  frame_->format = codec->sample_fmt;
  frame_->sample_rate = codec->sample_rate;
  frame_->nb_samples = frameSize_;
  if (av_channel_layout_copy(&frame_->ch_layout, &codec->ch_layout) < 0 ||
      av_frame_get_buffer(frame_.get(), 0) < 0) {
    throw std::bad_alloc();
  }
}

void AudioTrack::Queue(const std::int16_t* samples, int count) {
  AVCodecContext* codec = codec_.get();
  const int capacity = swr_get_out_samples(resample_.get(), count);
  if (capacity < 0) throw std::runtime_error("resampler");
  if (capacity == 0) return;
  if (scratch_->nb_samples < capacity) {
    av_frame_unref(scratch_.get());
    scratch_->format = codec->sample_fmt;
    scratch_->nb_samples = capacity;
    if (av_channel_layout_copy(&scratch_->ch_layout, &codec->ch_layout) < 0 ||
        av_frame_get_buffer(scratch_.get(), 0) < 0) {
      throw std::bad_alloc();
    }
  }
  const auto* input = reinterpret_cast<const std::uint8_t*>(samples);
  const int converted = swr_convert(resample_.get(), scratch_->extended_data, capacity,
                                    samples != nullptr ? &input : nullptr, count);
  if (converted < 0 ||
      av_audio_fifo_write(queue_.get(), reinterpret_cast<void**>(scratch_->extended_data),
                          converted) < converted) {
    throw std::runtime_error("resampling failed");
  }
}

void AudioTrack::QueueSilence(std::int64_t count) {
  constexpr int kChunk = 4096;
  const std::vector<std::int16_t> silence(static_cast<std::size_t>(kChunk) * sourceChannels_, 0);
  while (count > 0) {
    const int part = static_cast<int>(std::min<std::int64_t>(count, kChunk));
    Queue(silence.data(), part);
    count -= part;
    taken_ += part;
  }
}

void AudioTrack::Encode(const std::int16_t* samples, int bytes, double time) {
  if (bytes <= 0) return;
  if (samples == nullptr || !std::isfinite(time) || time > kLongestOutputSeconds) {
    throw std::runtime_error("audio buffer");
  }
  int count = bytes / (2 * sourceChannels_);
  const std::int64_t expected = std::llround(time * sourceRate_);
  const std::int64_t drift = sourceRate_ / kDriftDivisor;
  if (expected > taken_ + drift) {
    QueueSilence(expected - taken_);
  } else if (expected < taken_ - drift) {
    // These samples lie over time already written; only the rest is new.
    const int overlap = static_cast<int>(std::min<std::int64_t>(count, taken_ - expected));
    samples += static_cast<std::ptrdiff_t>(overlap) * sourceChannels_;
    count -= overlap;
  }
  if (count <= 0) return;
  Queue(samples, count);
  taken_ += count;
  SendQueued(false);
}

void AudioTrack::SendQueued(bool last) {
  AVCodecContext* codec = codec_.get();
  const bool shortLast = frameSize_ == kFreeFrameSize && codec->frame_size <= 0;
  const bool smallLast = shortLast || (encoder_->capabilities &
                                       (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE));
  for (;;) {
    const int queued = av_audio_fifo_size(queue_.get());
    if (queued == 0 || (queued < frameSize_ && !last)) return;
    const int count = std::min(queued, frameSize_);
    if (av_frame_make_writable(frame_.get()) < 0) throw std::bad_alloc();
    if (av_audio_fifo_read(queue_.get(), reinterpret_cast<void**>(frame_->extended_data), count) <
        count) {
      throw std::runtime_error("audio queue");
    }
    frame_->nb_samples = count;
    if (count < frameSize_ && !smallLast) {
      av_samples_set_silence(frame_->extended_data, count, frameSize_ - count,
                             codec->ch_layout.nb_channels, codec->sample_fmt);
      frame_->nb_samples = frameSize_;
    }
    frame_->pts = sent_;
    sent_ += frame_->nb_samples;
    Send(frame_.get(), delay_);
    frame_->nb_samples = frameSize_;
  }
}

void AudioTrack::Finish() {
  Queue(nullptr, 0);
  SendQueued(true);
  Send(nullptr, delay_);
}

}  // namespace mccodec
