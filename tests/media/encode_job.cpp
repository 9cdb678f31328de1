// Encodes a test-media file through mccodec.dll's encoder context the way the engine's
// encoder objects drive it, so a native check can read the result with ffprobe.
//
//   media_encode_job SOURCE OUTPUT [key=value ...]
//   media_encode_job --jobs LIST   (one job's arguments a line, separated by tabs)
//     format, vcodec, acodec ("-" or absent: no audio codec), size=WxH, fps, rate,
//     channels, clip=seconds (default 2), crop=left:right:top:bottom, fix_aspect,
//     title=text, option.NAME=VALUE (handed on last, in order), converter (also write the
//     frame converter's picture of the first frame to OUTPUT.converter.yuv)
// Exit code 0 when every call succeeded and GetOutputSize matches the file's size.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "media/contracts/CodecLibrary.h"
#include "media/core/MediaDecoder.h"
#include "media/core/MediaFile.h"
#include "job_list.h"

namespace {

constexpr std::int32_t kVideoBitRate = 1500000;
constexpr std::int32_t kAudioBitRate = 128000;

struct Job {
  std::map<std::string, std::string> values;
  std::vector<std::pair<std::string, std::string>> options;

  std::string Get(const std::string& key, const std::string& fallback = "") const {
    const auto found = values.find(key);
    return found == values.end() ? fallback : found->second;
  }
  bool Has(const std::string& key) const { return values.count(key) != 0; }
  int Number(const std::string& key, int fallback) const {
    return Has(key) ? std::atoi(Get(key).c_str()) : fallback;
  }
};

Job ParseJob(const std::vector<std::string>& arguments) {
  Job job;
  for (std::size_t i = 2; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const auto equals = argument.find('=');
    const std::string key = argument.substr(0, equals);
    const std::string value = equals == std::string::npos ? "" : argument.substr(equals + 1);
    if (key.rfind("option.", 0) == 0) job.options.emplace_back(key.substr(7), value);
    else job.values[key] = value;
  }
  return job;
}

void Require(std::int32_t answer, const std::string& call) {
  if (answer != 0) throw std::runtime_error(call + " failed");
}

// `count` numbers separated by `separator`, e.g. "8:16:4:2" or "320x240".
std::vector<int> Numbers(const std::string& text, int count, char separator) {
  std::vector<int> numbers(count, 0);
  std::size_t start = 0;
  for (int i = 0; i < count && start <= text.size(); ++i) {
    const auto stop = text.find(separator, start);
    numbers[i] = std::atoi(text.substr(start, stop - start).c_str());
    if (stop == std::string::npos) break;
    start = stop + 1;
  }
  return numbers;
}

struct ContextReleaser {
  void operator()(EncoderContext* context) const { ReleaseEncoderContext(context); }
};
struct ConverterReleaser {
  void operator()(FrameConverter* converter) const { ReleaseFrameConverter(converter); }
};

// Feeds what the media core decodes into the context, and the first frame to the
// converter when there is one.
class Feeder final : public mediacore::MediaSink {
 public:
  Feeder(EncoderContext& context, FrameConverter* converter, std::string converterFile)
      : context_(context), converter_(converter), converterFile_(std::move(converterFile)) {}

  bool OnVideoFrame(double start, double, const std::uint8_t* pixels) override {
    if (converter_ != nullptr && !convertedOnce_) ConvertFirst(pixels);
    Require(context_.EncodeVideo(pixels, start), "EncodeVideo");
    return true;
  }
  bool OnAudioSamples(double start, double, const std::int16_t* samples, int bytes) override {
    Require(context_.EncodeAudio(samples, bytes, start), "EncodeAudio");
    return true;
  }
  int outputBytes = 0;

 private:
  void ConvertFirst(const std::uint8_t* pixels) {
    convertedOnce_ = true;
    if (converter_->Convert(pixels) == 0) throw std::runtime_error("FrameConverter::Convert failed");
    std::ofstream out(converterFile_, std::ios::binary);
    out.write(static_cast<const char*>(converter_->GetOutput()), outputBytes);
  }

  EncoderContext& context_;
  FrameConverter* converter_;
  std::string converterFile_;
  bool convertedOnce_ = false;
};

void SetUpContext(EncoderContext& context, const Job& job, const mediacore::MediaFile& source,
                  int width, int height, const std::vector<int>& crop) {
  const std::string format = job.Get("format", "avi");
  const auto& video = source.VideoStreams().at(0);
  Require(context.SetFormat(format.c_str()), "SetFormat");
  if (format != "mpeg" && format != "dvd") Require(context.SetOption("bitexact", "1"), "bitexact");
  if (job.Has("fix_aspect")) Require(context.SetOption("fix_aspect_ratio", "1"), "fix_aspect_ratio");
  Require(context.SetVideoParams(width, height, kVideoBitRate, std::atof(job.Get("fps", "25").c_str()),
                                 video.width, video.height, PixelFormatI420, crop[0], crop[1],
                                 crop[2], crop[3], 0, 0, 0, 0),
          "SetVideoParams");
  Require(context.SetVideoCodec(job.Get("vcodec", "mpeg4").c_str()), "SetVideoCodec");
  const std::string rate = std::to_string(kVideoBitRate);
  if (format == "3gp" || format == "3g2") {
    Require(context.SetOption("video_bit_rate_tolerance", rate.c_str()), "tolerance");
  } else if (format != "mov" && format != "flv") {
    for (const char* name : {"video_rc_max_rate", "video_rc_min_rate", "video_rc_buffer_size"}) {
      Require(context.SetOption(name, rate.c_str()), name);
    }
  }
  const std::string audioCodec = job.Get("acodec", "-");
  if (audioCodec != "-") Require(context.SetAudioCodec(audioCodec.c_str()), "SetAudioCodec");
  if (!source.AudioStreams().empty()) {
    const auto& audio = source.AudioStreams().at(0);
    Require(context.SetAudioParams(job.Number("rate", 44100), job.Number("channels", 2),
                                   kAudioBitRate, audio.sampleRate, audio.channels),
            "SetAudioParams");
  }
  for (const auto& [name, value] : job.options) {
    Require(context.SetOption(name.c_str(), value.c_str()), "SetOption " + name);
  }
  const std::string title = job.Get("title");
  for (const auto& [name, value] : std::vector<std::pair<const char*, std::string>>{
           {"str_title", title}, {"str_author", "Encoder test"}, {"str_copyright", ""},
           {"str_comment", "colour bars"}, {"rec_timestamp", "2026"}}) {
    Require(context.SetOption(name, value.c_str()), name);
  }
}

std::int64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void Run(const std::string& sourcePath, const std::string& outputPath, const Job& job) {
  auto source = mediacore::MediaFile::Open(sourcePath);
  if (!source || source->VideoStreams().empty()) throw std::runtime_error("cannot read " + sourcePath);
  const auto size = Numbers(job.Get("size", "320x240"), 2, 'x');
  const auto crop = Numbers(job.Get("crop", "0:0:0:0"), 4, ':');
  DeleteFileA(outputPath.c_str());
  std::unique_ptr<EncoderContext, ContextReleaser> context(CreateEncoderContext(outputPath.c_str()));
  if (!context) throw std::runtime_error("CreateEncoderContext failed");
  SetUpContext(*context, job, *source, size[0], size[1], crop);
  Require(context->Open(), "Open");

  std::unique_ptr<FrameConverter, ConverterReleaser> converter;
  const auto& video = source->VideoStreams().at(0);
  if (job.Has("converter")) {
    converter.reset(CreateFrameConverter());
    if (!converter) throw std::runtime_error("CreateFrameConverter failed");
    Require(converter->Setup(size[0], size[1], video.width, video.height, PixelFormatI420,
                             job.Has("fix_aspect") ? 1 : 0, crop[0], crop[1], crop[2], crop[3], 0,
                             0, 0, 0),
            "FrameConverter::Setup");
  }
  mediacore::DecodeRequest request;
  request.videoStream = 0;
  request.audioStream = source->AudioStreams().empty() ? -1 : 0;
  request.pixelFormat = PixelFormatI420;
  request.clipEnd = std::atof(job.Get("clip", "2").c_str());
  auto decoder = mediacore::MediaDecoder::Create(*source, request);
  if (!decoder) throw std::runtime_error("cannot decode " + sourcePath);
  Feeder feeder(*context, converter.get(), outputPath + ".converter.yuv");
  feeder.outputBytes = static_cast<int>(FrameByteSize(PixelFormatI420, size[0], size[1]));
  decoder->DecodeAll(feeder);
  Require(context->Close(), "Close");
  const std::int64_t reported = context->GetOutputSize();
  if (reported != FileSize(outputPath)) {
    throw std::runtime_error("GetOutputSize " + std::to_string(reported) + " but the file has " +
                             std::to_string(FileSize(outputPath)) + " bytes");
  }
}

int RunJob(const std::vector<std::string>& arguments) {
  if (arguments.size() < 2) {
    std::fprintf(stderr, "usage: media_encode_job SOURCE OUTPUT [key=value ...]\n"
                         "       media_encode_job --jobs LIST\n");
    return 2;
  }
  try {
    Run(arguments[0], arguments[1], ParseJob(arguments));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "media_encode_job: %s\n", error.what());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--jobs") == 0) return testsupport::RunJobList(argv[2], RunJob);
  return RunJob(std::vector<std::string>(argv + 1, argv + argc));
}
