#pragma once
// An opened source file and its table of video and audio streams, as the media libraries
// report them.
#include <memory>
#include <string>
#include <vector>

#include "media/contracts/CodecLibrary.h"
#include "media/core/FFmpegHandles.h"

namespace mediacore {

struct VideoStreamEntry {
  int streamIndex = -1;      // index in the container
  std::string codecName;     // "mpeg4", "h264", ... as the libraries name codecs
  int width = 0;
  int height = 0;
  int aspectNumerator = 0;   // reduced display aspect; 0:1 for square samples
  int aspectDenominator = 1;
  double frameRate = 0.0;    // average frames per second
};

struct AudioStreamEntry {
  int streamIndex = -1;
  std::string codecName;     // "mpeg4aac" for AAC
  int sampleRate = 0;
  int channels = 0;          // of the stream itself
};

// Lists at most kMaxStreamsPerKind streams of each kind; attached pictures are no video.
class MediaFile {
 public:
  // Null when the file cannot be read or holds neither video nor audio. `path` is 8-bit
  // text in the system's code page.
  static std::unique_ptr<MediaFile> Open(const std::string& path);

  double Duration() const { return duration_; }
  // Time of the container's first sample; delivered times are counted from it.
  double StartOffset() const { return startOffset_; }
  const std::vector<VideoStreamEntry>& VideoStreams() const { return video_; }
  const std::vector<AudioStreamEntry>& AudioStreams() const { return audio_; }
  AVFormatContext* Format() const { return format_.get(); }

 private:
  explicit MediaFile(FormatContextPtr format);
  void ListStreams();

  FormatContextPtr format_;
  double duration_ = 0.0;
  double startOffset_ = 0.0;
  std::vector<VideoStreamEntry> video_;
  std::vector<AudioStreamEntry> audio_;
};

}  // namespace mediacore
