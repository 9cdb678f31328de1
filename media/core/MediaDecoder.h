#pragma once
// Decodes the chosen video and audio stream of a MediaFile within a clip range and hands
// frames and samples to a MediaSink, one packet at a time on the calling thread.
#include <memory>
#include <optional>
#include <utility>

#include "media/contracts/LibraryAbi.h"
#include "media/core/FFmpegHandles.h"
#include "media/core/MediaFile.h"
#include "media/core/MediaSink.h"
#include "media/core/PixelConverter.h"
#include "media/core/SampleConverter.h"

namespace mediacore {

struct DecodeRequest {
  int videoStream = -1;  // index into MediaFile::VideoStreams(); -1 for no video
  int audioStream = -1;  // index into MediaFile::AudioStreams(); -1 for no audio
  int pixelFormat = PixelFormatI420;  // of delivered pictures: 1, 3 or 5
  double clipStart = -1.0;  // seconds; -1.0 = the beginning
  double clipEnd = -1.0;    // seconds; -1.0 = the end
};

class MediaDecoder {
 public:
  enum class Step { More, End, Stopped };

  // Null when a chosen stream does not exist or cannot be decoded, when neither is chosen,
  // or for a pixel layout frames cannot be delivered in. The file must outlive the decoder.
  static std::unique_ptr<MediaDecoder> Create(MediaFile& file, const DecodeRequest& request);
  ~MediaDecoder();

  // Reads one packet and delivers what it decodes to. End: every chosen stream reached the
  // end of the clip or of the file. Stopped: the sink answered false.
  Step DecodeNext(MediaSink& sink);
  // DecodeNext until End or Stopped.
  Step DecodeAll(MediaSink& sink);
  // Continues at `time` (seconds of the file); false when the file cannot be repositioned.
  bool Seek(double time);
  // Start of the last delivered frame or samples, in seconds of the file.
  double Position() const { return position_; }

  bool HasVideo() const { return video_.has_value(); }
  bool HasAudio() const { return audio_.has_value(); }

 private:
  struct VideoTrack {
    VideoTrack(int index, AVRational base, CodecContextPtr context, int width, int height,
               int pixelFormat, double duration)
        : streamIndex(index), timeBase(base), codec(std::move(context)),
          pixels(width, height, pixelFormat), frameDuration(duration) {}
    int streamIndex;
    AVRational timeBase;
    CodecContextPtr codec;
    PixelConverter pixels;
    double frameDuration;
    double nextTime = 0.0;
    bool done = false;
  };
  struct AudioTrack {
    AudioTrack(int index, AVRational base, CodecContextPtr context, int rate, int channels)
        : streamIndex(index), timeBase(base), codec(std::move(context)), samples(rate, channels) {}
    int streamIndex;
    AVRational timeBase;
    CodecContextPtr codec;
    SampleConverter samples;
    double nextTime = 0.0;
    bool done = false;
  };

  MediaDecoder(MediaFile& file, const DecodeRequest& request);
  bool OpenVideo(int index, int pixelFormat);
  bool OpenAudio(int index);
  bool Finished() const;
  // Sends a packet (null: the end of the file) and delivers every frame it completes.
  Step Feed(AVCodecContext* codec, const AVPacket* packet, bool video, MediaSink& sink);
  bool DeliverVideo(MediaSink& sink);
  bool DeliverAudio(MediaSink& sink);
  double TimeOf(std::int64_t pts, AVRational timeBase, double fallback) const;

  MediaFile& file_;
  double clipStart_;
  double clipEnd_;
  double skipBefore_;
  double position_;
  std::optional<VideoTrack> video_;
  std::optional<AudioTrack> audio_;
  PacketPtr packet_;
  FramePtr frame_;
  bool endOfFile_ = false;
};

}  // namespace mediacore
