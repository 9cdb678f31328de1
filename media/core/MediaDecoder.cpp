#include "media/core/MediaDecoder.h"

#include <algorithm>
#include <cmath>

namespace mediacore {
namespace {

// Times within this of a clip edge count as on it (timestamps are rounded to time bases).
constexpr double kTimeSlack = 1e-6;
// A seek lands this far before its target, so frames up to the target can be decoded.
constexpr double kSeekPreroll = 1.0;
// Consecutive "try again" answers of the demuxer taken as the end of a damaged file.
constexpr int kMaxReadRetries = 1000;

CodecContextPtr OpenCodec(const AVStream& stream, bool threaded) {
  const AVCodec* decoder = avcodec_find_decoder(stream.codecpar->codec_id);
  if (decoder == nullptr) return nullptr;
  CodecContextPtr codec(avcodec_alloc_context3(decoder));
  if (!codec || avcodec_parameters_to_context(codec.get(), stream.codecpar) < 0) return nullptr;
  codec->pkt_timebase = stream.time_base;
  codec->thread_count = threaded ? 0 : 1;
  if (avcodec_open2(codec.get(), decoder, nullptr) < 0) return nullptr;
  return codec;
}

bool Damaged(const AVFrame& frame) {
  return (frame.flags & AV_FRAME_FLAG_CORRUPT) != 0 || frame.decode_error_flags != 0;
}

}  // namespace

std::unique_ptr<MediaDecoder> MediaDecoder::Create(MediaFile& file, const DecodeRequest& request) {
  if (request.videoStream < 0 && request.audioStream < 0) return nullptr;
  std::unique_ptr<MediaDecoder> decoder(new MediaDecoder(file, request));
  if (request.videoStream >= 0 && !decoder->OpenVideo(request.videoStream, request.pixelFormat))
    return nullptr;
  if (request.audioStream >= 0 && !decoder->OpenAudio(request.audioStream)) return nullptr;
  AVFormatContext* format = file.Format();
  for (unsigned i = 0; i < format->nb_streams; ++i) {
    const bool used = (decoder->video_ && decoder->video_->streamIndex == int(i)) ||
                      (decoder->audio_ && decoder->audio_->streamIndex == int(i));
    format->streams[i]->discard = used ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
  }
  if (!decoder->packet_ || !decoder->frame_) return nullptr;
  // Without a way to reposition, frames before the start are dropped from the beginning on.
  if (decoder->clipStart_ > 0.0) decoder->Seek(decoder->clipStart_);
  return decoder;
}

MediaDecoder::MediaDecoder(MediaFile& file, const DecodeRequest& request)
    : file_(file),
      clipStart_(request.clipStart > 0.0 ? request.clipStart : 0.0),
      clipEnd_(request.clipEnd),
      skipBefore_(clipStart_),
      position_(clipStart_),
      packet_(av_packet_alloc()),
      frame_(av_frame_alloc()) {}

MediaDecoder::~MediaDecoder() {
  // Leave the file able to serve a later decoder with other streams.
  AVFormatContext* format = file_.Format();
  for (unsigned i = 0; i < format->nb_streams; ++i) format->streams[i]->discard = AVDISCARD_DEFAULT;
}

bool MediaDecoder::OpenVideo(int index, int pixelFormat) {
  const auto& streams = file_.VideoStreams();
  if (index >= int(streams.size()) || !PixelConverter::CanDeliver(pixelFormat)) return false;
  const VideoStreamEntry& entry = streams[index];
  AVStream* stream = file_.Format()->streams[entry.streamIndex];
  CodecContextPtr codec = OpenCodec(*stream, true);
  if (!codec) return false;
  const double duration = entry.frameRate > 0.0 ? 1.0 / entry.frameRate : 0.04;
  video_.emplace(entry.streamIndex, stream->time_base, std::move(codec), entry.width,
                 entry.height, pixelFormat, duration);
  return true;
}

bool MediaDecoder::OpenAudio(int index) {
  const auto& streams = file_.AudioStreams();
  if (index >= int(streams.size())) return false;
  const AudioStreamEntry& entry = streams[index];
  AVStream* stream = file_.Format()->streams[entry.streamIndex];
  CodecContextPtr codec = OpenCodec(*stream, false);
  if (!codec) return false;
  audio_.emplace(entry.streamIndex, stream->time_base, std::move(codec), entry.sampleRate,
                 entry.channels);
  return true;
}

bool MediaDecoder::Finished() const {
  return (!video_ || video_->done) && (!audio_ || audio_->done);
}

double MediaDecoder::TimeOf(std::int64_t pts, AVRational timeBase, double fallback) const {
  if (pts == AV_NOPTS_VALUE) return fallback;
  return static_cast<double>(pts) * timeBase.num / timeBase.den - file_.StartOffset();
}

MediaDecoder::Step MediaDecoder::DecodeNext(MediaSink& sink) {
  if (Finished()) return Step::End;
  if (endOfFile_) return Step::End;
  int result = av_read_frame(file_.Format(), packet_.get());
  for (int retries = 0; result == AVERROR(EAGAIN) && retries < kMaxReadRetries; ++retries)
    result = av_read_frame(file_.Format(), packet_.get());
  if (result < 0) {
    endOfFile_ = true;
    if (video_ && !video_->done && Feed(video_->codec.get(), nullptr, true, sink) == Step::Stopped)
      return Step::Stopped;
    if (audio_ && !audio_->done && Feed(audio_->codec.get(), nullptr, false, sink) == Step::Stopped)
      return Step::Stopped;
    return Step::End;
  }
  Step step = Step::More;
  if (video_ && !video_->done && packet_->stream_index == video_->streamIndex)
    step = Feed(video_->codec.get(), packet_.get(), true, sink);
  else if (audio_ && !audio_->done && packet_->stream_index == audio_->streamIndex)
    step = Feed(audio_->codec.get(), packet_.get(), false, sink);
  av_packet_unref(packet_.get());
  if (step == Step::Stopped) return step;
  return Finished() ? Step::End : Step::More;
}

MediaDecoder::Step MediaDecoder::DecodeAll(MediaSink& sink) {
  Step step = Step::More;
  while (step == Step::More) step = DecodeNext(sink);
  return step;
}

MediaDecoder::Step MediaDecoder::Feed(AVCodecContext* codec, const AVPacket* packet, bool video,
                                      MediaSink& sink) {
  // A packet the decoder refuses is damaged and skipped.
  if (avcodec_send_packet(codec, packet) < 0 && packet != nullptr) return Step::More;
  while (avcodec_receive_frame(codec, frame_.get()) >= 0) {
    const bool delivered = Damaged(*frame_) || (video ? DeliverVideo(sink) : DeliverAudio(sink));
    av_frame_unref(frame_.get());
    if (!delivered) return Step::Stopped;
  }
  return Step::More;
}

bool MediaDecoder::DeliverVideo(MediaSink& sink) {
  VideoTrack& track = *video_;
  const double start = TimeOf(frame_->best_effort_timestamp, track.timeBase, track.nextTime);
  track.nextTime = start + track.frameDuration;
  if (start < skipBefore_ - kTimeSlack || track.done) return true;
  if (clipEnd_ >= 0.0 && start >= clipEnd_ - kTimeSlack) {
    track.done = true;
    return true;
  }
  if (!track.pixels.Convert(*frame_)) return true;
  position_ = start;
  return sink.OnVideoFrame(start, start + track.frameDuration, track.pixels.Data());
}

bool MediaDecoder::DeliverAudio(MediaSink& sink) {
  AudioTrack& track = *audio_;
  if (track.done || !track.samples.Convert(*frame_) || track.samples.Count() == 0) return true;
  const double rate = track.samples.SampleRate();
  const int count = track.samples.Count();
  const double start = TimeOf(frame_->best_effort_timestamp, track.timeBase, track.nextTime);
  track.nextTime = start + count / rate;
  int first = 0;
  int last = count;
  if (start < skipBefore_) first = std::min(count, int(std::lround((skipBefore_ - start) * rate)));
  if (clipEnd_ >= 0.0 && track.nextTime > clipEnd_) {
    last = std::max(0, int(std::lround((clipEnd_ - start) * rate)));
    track.done = true;
  }
  if (first >= last) return true;
  const int channels = track.samples.Channels();
  position_ = start + first / rate;
  return sink.OnAudioSamples(position_, start + last / rate,
                             track.samples.Samples() + static_cast<std::size_t>(first) * channels,
                             (last - first) * channels * 2);
}

bool MediaDecoder::Seek(double time) {
  AVFormatContext* format = file_.Format();
  const double target = std::max(0.0, time - kSeekPreroll) + file_.StartOffset();
  const auto timestamp = static_cast<std::int64_t>(target * AV_TIME_BASE);
  if (av_seek_frame(format, -1, timestamp, AVSEEK_FLAG_BACKWARD) < 0) return false;
  skipBefore_ = std::max(time, 0.0);
  position_ = skipBefore_;
  endOfFile_ = false;
  const bool beforeEnd = clipEnd_ < 0.0 || skipBefore_ < clipEnd_;
  if (video_) {
    avcodec_flush_buffers(video_->codec.get());
    video_->done = !beforeEnd;
    video_->nextTime = skipBefore_;
  }
  if (audio_) {
    avcodec_flush_buffers(audio_->codec.get());
    audio_->done = !beforeEnd;
    audio_->nextTime = skipBefore_;
  }
  return true;
}

}  // namespace mediacore
