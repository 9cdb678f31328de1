#include "SyntheticMediaWriter.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace {

template <auto Free>
struct Deleter {
  template <typename T>
  void operator()(T* p) const { Free(&p); }
};
using CodecContext = std::unique_ptr<AVCodecContext, Deleter<avcodec_free_context>>;
using Frame = std::unique_ptr<AVFrame, Deleter<av_frame_free>>;
using Packet = std::unique_ptr<AVPacket, Deleter<av_packet_free>>;
using Resampler = std::unique_ptr<SwrContext, Deleter<swr_free>>;
struct ScalerDeleter {
  void operator()(SwsContext* p) const { sws_freeContext(p); }
};
using Scaler = std::unique_ptr<SwsContext, ScalerDeleter>;

void Check(int result, const std::string& what) {
  if (result < 0) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(result, text, sizeof text);
    throw std::runtime_error(what + ": " + text);
  }
}

template <typename T>
T* Require(T* p, const std::string& what) {
  if (!p) throw std::runtime_error(what);
  return p;
}

constexpr int kToneHz = 440;

}  // namespace

struct SyntheticMediaWriter::State {
  Settings settings;
  AVFormatContext* output = nullptr;
  CodecContext video, audio;
  AVStream* videoStream = nullptr;
  AVStream* audioStream = nullptr;
  Frame videoFrame{av_frame_alloc()}, audioFrame{av_frame_alloc()};
  Packet packet{av_packet_alloc()};
  Scaler scaler;
  Resampler resampler;
  int64_t framesWritten = 0, samplesWritten = 0;

  ~State() {
    if (output && !(output->oformat->flags & AVFMT_NOFILE)) avio_closep(&output->pb);
    avformat_free_context(output);
  }

  // The encoder's context, not yet opened, and a new stream of the output for it.
  CodecContext NewEncoder(const AVCodec*& codec, const std::string& name, AVStream*& stream) {
    codec = Require(avcodec_find_encoder_by_name(name.c_str()), "no encoder " + name);
    CodecContext context(Require(avcodec_alloc_context3(codec), "no context for " + name));
    stream = Require(avformat_new_stream(output, nullptr), "no stream for " + name);
    if (output->oformat->flags & AVFMT_GLOBALHEADER) context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    return context;
  }

  void SetUpVideo() {
    const AVCodec* codec = nullptr;
    video = NewEncoder(codec, settings.videoCodec, videoStream);
    video->width = settings.width;
    video->height = settings.height;
    video->time_base = {1, settings.framesPerSecond};
    video->framerate = {settings.framesPerSecond, 1};
    video->pix_fmt = codec->pix_fmts ? codec->pix_fmts[0] : AV_PIX_FMT_YUV420P;
    video->bit_rate = 400000;
    video->gop_size = settings.framesPerSecond;
    Check(avcodec_open2(video.get(), codec, nullptr), "open " + settings.videoCodec);
    Check(avcodec_parameters_from_context(videoStream->codecpar, video.get()), "video parameters");
    videoStream->time_base = video->time_base;
    videoStream->avg_frame_rate = video->framerate;

    videoFrame->format = video->pix_fmt;
    videoFrame->width = video->width;
    videoFrame->height = video->height;
    Check(av_frame_get_buffer(videoFrame.get(), 0), "video frame");
    scaler.reset(Require(sws_getContext(video->width, video->height, AV_PIX_FMT_RGB24, video->width,
                                        video->height, video->pix_fmt, SWS_BILINEAR, nullptr,
                                        nullptr, nullptr),
                         "no scaler"));
  }

  void SetUpAudio() {
    const AVCodec* codec = nullptr;
    audio = NewEncoder(codec, settings.audioCodec, audioStream);
    audio->sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    audio->sample_rate = settings.sampleRate;
    av_channel_layout_default(&audio->ch_layout, settings.channels);
    audio->bit_rate = settings.audioCodec == "libopencore_amrnb" ? 12200 : 128000;
    audio->time_base = {1, settings.sampleRate};
    Check(avcodec_open2(audio.get(), codec, nullptr), "open " + settings.audioCodec);
    Check(avcodec_parameters_from_context(audioStream->codecpar, audio.get()), "audio parameters");
    audioStream->time_base = audio->time_base;

    audioFrame->format = audio->sample_fmt;
    audioFrame->sample_rate = audio->sample_rate;
    audioFrame->nb_samples = audio->frame_size > 0 ? audio->frame_size : 1024;
    Check(av_channel_layout_copy(&audioFrame->ch_layout, &audio->ch_layout), "audio layout");
    Check(av_frame_get_buffer(audioFrame.get(), 0), "audio frame");
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    SwrContext* swr = nullptr;
    Check(swr_alloc_set_opts2(&swr, &audio->ch_layout, audio->sample_fmt, audio->sample_rate,
                              &stereo, AV_SAMPLE_FMT_S16, settings.sampleRate, 0, nullptr),
          "resampler options");
    resampler.reset(swr);
    Check(swr_init(resampler.get()), "resampler");
  }

  void Drain(AVCodecContext* context, AVStream* stream) {
    for (;;) {
      const int result = avcodec_receive_packet(context, packet.get());
      if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return;
      Check(result, "encode");
      av_packet_rescale_ts(packet.get(), context->time_base, stream->time_base);
      packet->stream_index = stream->index;
      Check(av_interleaved_write_frame(output, packet.get()), "write packet");
    }
  }

  void EncodeVideoFrame() {
    const int w = video->width, h = video->height;
    std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {  // diagonal bands that move a little every frame
        uint8_t* p = &rgb[(static_cast<size_t>(y) * w + x) * 3];
        p[0] = static_cast<uint8_t>(x + framesWritten * 4);
        p[1] = static_cast<uint8_t>(y * 2);
        p[2] = static_cast<uint8_t>((x + y) / 2 - framesWritten * 2);
      }
    Check(av_frame_make_writable(videoFrame.get()), "video frame writable");
    const uint8_t* source[] = {rgb.data()};
    const int sourceStride[] = {w * 3};
    sws_scale(scaler.get(), source, sourceStride, 0, h, videoFrame->data, videoFrame->linesize);
    videoFrame->pts = framesWritten++;
    Check(avcodec_send_frame(video.get(), videoFrame.get()), "send video frame");
    Drain(video.get(), videoStream);
  }

  void EncodeAudioFrame() {
    const int count = audioFrame->nb_samples;
    std::vector<int16_t> tone(static_cast<size_t>(count) * 2);
    for (int i = 0; i < count; ++i) {
      const double t = static_cast<double>(samplesWritten + i) / settings.sampleRate;
      const auto v = static_cast<int16_t>(8000.0 * std::sin(2.0 * std::numbers::pi * kToneHz * t));
      tone[2 * i] = tone[2 * i + 1] = v;
    }
    Check(av_frame_make_writable(audioFrame.get()), "audio frame writable");
    const uint8_t* source[] = {reinterpret_cast<const uint8_t*>(tone.data())};
    Check(swr_convert(resampler.get(), audioFrame->data, count, source, count), "resample");
    audioFrame->pts = samplesWritten;
    samplesWritten += count;
    Check(avcodec_send_frame(audio.get(), audioFrame.get()), "send audio frame");
    Drain(audio.get(), audioStream);
  }
};

SyntheticMediaWriter::SyntheticMediaWriter(const Settings& settings) : state_(new State) {
  state_->settings = settings;
  Check(avformat_alloc_output_context2(&state_->output, nullptr, settings.format.c_str(),
                                       settings.path.c_str()),
        "no muxer " + settings.format);
  state_->SetUpVideo();
  state_->SetUpAudio();
  if (!(state_->output->oformat->flags & AVFMT_NOFILE))
    Check(avio_open(&state_->output->pb, settings.path.c_str(), AVIO_FLAG_WRITE), "create " + settings.path);
  Check(avformat_write_header(state_->output, nullptr), "write header");
}

SyntheticMediaWriter::~SyntheticMediaWriter() = default;

void SyntheticMediaWriter::Write() {
  State& s = *state_;
  const int64_t frames = std::llround(s.settings.seconds * s.settings.framesPerSecond);
  const int64_t samples = std::llround(s.settings.seconds * s.settings.sampleRate);
  while (s.framesWritten < frames || s.samplesWritten < samples) {
    const bool videoNext =
        s.samplesWritten >= samples ||
        (s.framesWritten < frames && av_compare_ts(s.framesWritten, s.video->time_base,
                                                   s.samplesWritten, s.audio->time_base) <= 0);
    if (videoNext)
      s.EncodeVideoFrame();
    else
      s.EncodeAudioFrame();
  }
  Check(avcodec_send_frame(s.video.get(), nullptr), "flush video");
  s.Drain(s.video.get(), s.videoStream);
  Check(avcodec_send_frame(s.audio.get(), nullptr), "flush audio");
  s.Drain(s.audio.get(), s.audioStream);
  Check(av_write_trailer(s.output), "write trailer");
}
