#include "media/core/MediaFile.h"

#include <climits>
#include <mutex>

#ifdef _WIN32
#include <windows.h>
#endif

extern "C" {
#include <libavutil/log.h>
}

namespace mediacore {
namespace {

// FFmpeg opens UTF-8 paths on Windows; the libraries are handed text of the code page.
std::string ToUtf8Path(const std::string& path) {
#ifdef _WIN32
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (wideLength <= 0) return path;
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), wideLength);
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return path;
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(), length, nullptr, nullptr);
  utf8.resize(static_cast<std::size_t>(length - 1));
  return utf8;
#else
  return path;
#endif
}

void SilenceLibraryLog() {
  static std::once_flag once;
  std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

std::string CodecName(AVCodecID id) {
  if (id == AV_CODEC_ID_AAC) return "mpeg4aac";
  return avcodec_get_name(id);
}

double SecondsOf(std::int64_t value) {
  return value == AV_NOPTS_VALUE ? 0.0 : static_cast<double>(value) / AV_TIME_BASE;
}

double FrameRateOf(const AVStream& stream) {
  AVRational rate = stream.avg_frame_rate;
  if (rate.num <= 0 || rate.den <= 0) rate = stream.r_frame_rate;
  if (rate.num <= 0 || rate.den <= 0) return 0.0;
  return static_cast<double>(rate.num) / rate.den;
}

VideoStreamEntry DescribeVideo(AVFormatContext* format, AVStream* stream) {
  const AVCodecParameters& p = *stream->codecpar;
  VideoStreamEntry entry;
  entry.streamIndex = stream->index;
  entry.codecName = CodecName(p.codec_id);
  entry.width = p.width;
  entry.height = p.height;
  entry.frameRate = FrameRateOf(*stream);
  const AVRational sar = av_guess_sample_aspect_ratio(format, stream, nullptr);
  if (sar.num > 0 && sar.den > 0 && sar.num != sar.den && p.width > 0 && p.height > 0) {
    av_reduce(&entry.aspectNumerator, &entry.aspectDenominator,
              static_cast<std::int64_t>(p.width) * sar.num,
              static_cast<std::int64_t>(p.height) * sar.den, INT_MAX);
  }
  return entry;
}

AudioStreamEntry DescribeAudio(AVStream* stream) {
  const AVCodecParameters& p = *stream->codecpar;
  AudioStreamEntry entry;
  entry.streamIndex = stream->index;
  entry.codecName = CodecName(p.codec_id);
  entry.sampleRate = p.sample_rate;
  entry.channels = p.ch_layout.nb_channels;
  return entry;
}

}  // namespace

std::unique_ptr<MediaFile> MediaFile::Open(const std::string& path) {
  SilenceLibraryLog();
  AVFormatContext* raw = nullptr;
  if (avformat_open_input(&raw, ToUtf8Path(path).c_str(), nullptr, nullptr) < 0) return nullptr;
  FormatContextPtr format(raw);
  if (avformat_find_stream_info(format.get(), nullptr) < 0) return nullptr;
  std::unique_ptr<MediaFile> file(new MediaFile(std::move(format)));
  if (file->video_.empty() && file->audio_.empty()) return nullptr;
  return file;
}

MediaFile::MediaFile(FormatContextPtr format) : format_(std::move(format)) {
  duration_ = SecondsOf(format_->duration);
  startOffset_ = SecondsOf(format_->start_time);
  ListStreams();
}

void MediaFile::ListStreams() {
  for (unsigned i = 0; i < format_->nb_streams; ++i) {
    AVStream* stream = format_->streams[i];
    const AVCodecParameters& p = *stream->codecpar;
    const bool picture = (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0;
    if (p.codec_type == AVMEDIA_TYPE_VIDEO && !picture && p.width > 0 && p.height > 0 &&
        video_.size() < kMaxStreamsPerKind) {
      video_.push_back(DescribeVideo(format_.get(), stream));
    } else if (p.codec_type == AVMEDIA_TYPE_AUDIO && p.sample_rate > 0 &&
               p.ch_layout.nb_channels > 0 && audio_.size() < kMaxStreamsPerKind) {
      audio_.push_back(DescribeAudio(stream));
    }
  }
}

}  // namespace mediacore
