#pragma once
// The muxer of an encoder context: its streams, the file behind it and the packets that
// go in, interleaved.
#include <cstdint>
#include <memory>
#include <string>

#include "media/codec/OutputFile.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace mccodec {

struct Tags;

class MediaWriter {
 public:
  // Throws std::runtime_error for a muxer FFmpeg does not have.
  explicit MediaWriter(const std::string& muxerName);
  ~MediaWriter();
  MediaWriter(const MediaWriter&) = delete;
  MediaWriter& operator=(const MediaWriter&) = delete;

  AVFormatContext* Format() const { return format_; }
  const std::string& MuxerName() const { return muxerName_; }
  // True when the container keeps timestamps below zero (codec priming before the start).
  bool KeepsNegativeTimes() const;
  AVStream* AddStream();

  // Creates the file and writes the header with the tags; on failure the file is gone and
  // std::runtime_error is thrown.
  void Start(const std::string& path, const Tags& tags, bool bitexact);
  // Throws std::runtime_error when the packet cannot be written.
  void Write(AVPacket* packet);
  // Writes the trailer and closes the file; false when the file is not complete.
  bool Finish();
  // Bytes in the file so far.
  std::int64_t Size() const;

 private:
  // Opens the written file again for muxers that read it back; nothing else.
  static int OpenNested(AVFormatContext* format, AVIOContext** io, const char* url, int flags,
                        AVDictionary** options);
  static int CloseNested(AVFormatContext* format, AVIOContext* io);

  std::string muxerName_;
  AVFormatContext* format_ = nullptr;
  std::unique_ptr<OutputFile> file_;
  std::int64_t finalSize_ = 0;
};

}  // namespace mccodec
