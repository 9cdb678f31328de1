#include "media/plugins/videoplugin/ContextOutput.h"

#include <new>
#include <stdexcept>

namespace videoplugin {
namespace {

// The codec library's scale between a quantizer and the quality it is asked for.
constexpr int kLambdaPerQuantizer = 118;
constexpr int kStereoBitRate = 128000;
constexpr int kMonoBitRate = 64000;

void Require(std::int32_t answer) {
  if (answer != kCallOk) throw std::runtime_error("the codec library refused a setting");
}

void SetNumber(EncoderContext& context, const char* name, std::int64_t value) {
  Require(context.SetOption(name, std::to_string(value).c_str()));
}

void SetVideo(EncoderContext& context, const VideoPlan& video) {
  Require(context.SetVideoCodec(video.codec.c_str()));
  Require(context.SetVideoParams(video.width, video.height, static_cast<std::int32_t>(video.bitRate), video.frameRate,
                                 video.inputWidth, video.inputHeight, video.inputPixelFormat, 0, 0, 0, 0, 0, 0, 0, 0));
  if (video.quantizer > 0) {
    Require(context.SetOption("flags", "+qscale"));
    SetNumber(context, "global_quality", static_cast<std::int64_t>(video.quantizer) * kLambdaPerQuantizer);
  }
  if (video.maxRate > 0) SetNumber(context, "video_rc_max_rate", video.maxRate);
  if (video.bufferBits > 0) SetNumber(context, "video_rc_buffer_size", video.bufferBits);
  if (video.keyFrameInterval > 0) SetNumber(context, "g", video.keyFrameInterval);
}

void SetAudio(EncoderContext& context, const AudioPlan& audio) {
  Require(context.SetAudioCodec(audio.codec.c_str()));
  Require(context.SetAudioParams(audio.rate, audio.channels, audio.bitRate, audio.inputRate, audio.inputChannels));
}

void SetTags(EncoderContext& context, const TagTexts& tags) {
  Require(context.SetOption("str_title", tags.title.c_str()));
  Require(context.SetOption("str_author", tags.author.c_str()));
  Require(context.SetOption("str_copyright", tags.copyright.c_str()));
  Require(context.SetOption("str_comment", tags.comment.c_str()));
  Require(context.SetOption("rec_timestamp", tags.year.c_str()));
}

}  // namespace

ContextOutput::ContextOutput(const std::string& path, const OutputPlan& plan)
    : context_(CreateEncoderContext(path.c_str())) {
  if (!context_) throw std::bad_alloc();
  EncoderContext& context = *context_;
  Require(context.SetFormat(plan.container.c_str()));
  if (plan.video) SetVideo(context, *plan.video);
  if (plan.audio) SetAudio(context, *plan.audio);
  SetTags(context, plan.tags);
  Require(context.Open());
}

ContextOutput::~ContextOutput() { Close(); }

bool ContextOutput::EncodeVideo(const void* picture, double start) {
  return !closed_ && picture != nullptr && context_->EncodeVideo(picture, start) == kCallOk;
}

bool ContextOutput::EncodeAudio(const void* samples, int bytes, double start) {
  return !closed_ && context_->EncodeAudio(samples, bytes, start) == kCallOk;
}

bool ContextOutput::Close() {
  if (!closed_) closed_ = context_->Close() == kCallOk;
  return *closed_;
}

std::int64_t ContextOutput::Size() { return context_->GetOutputSize(); }

ContextAudioOutput::ContextAudioOutput(const audioplugin::OutputRequest& request, const std::string& container,
                                       const AudioPlan& audio, AudioSampleBuffer& buffer)
    : output_(request.path,
              OutputPlan{container, std::nullopt, audio, TagTexts{request.title, "", "", "", request.year}}),
      rate_(audio.inputRate),
      channels_(audio.inputChannels) {
  buffer.outputBits = 16;
  buffer.outputLayout = kSampleLayoutInterleaved;
  buffer.outputRate = audio.inputRate;
  buffer.outputChannels = audio.inputChannels;
}

void ContextAudioOutput::Encode(const std::int16_t* samples, int count) {
  const double time = static_cast<double>(written_) / rate_;
  if (!output_.EncodeAudio(samples, count * channels_ * 2, time)) throw std::runtime_error("samples refused");
  written_ += count;
}

void ContextAudioOutput::Finish() {
  if (!output_.Close()) throw std::runtime_error("the output was not finished");
}

AudioPlan SourceFormatAudio(const char* codec, int rate, int inputChannels) {
  const int channels = audioplugin::OutputChannels(-1, inputChannels);
  return AudioPlan{codec, rate, channels, channels == 1 ? kMonoBitRate : kStereoBitRate, rate, channels};
}

}  // namespace videoplugin
