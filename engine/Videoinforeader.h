#pragma once
#include <cstdint>

#include "classlib/runtime/AnsiString.h"
#include "media/contracts/CodecLibrary.h"

// One video stream of a probe.
struct VideoStreamInfo {
  char CodecName[32];  // zero-terminated
  std::int32_t Width;
  std::int32_t Height;
  std::int32_t AspectNumerator;  // display aspect; 0:1 when not known or square
  std::int32_t AspectDenominator;
  double FrameRate;
};

// One audio stream of a probe.
struct AudioStreamInfo {
  char CodecName[32];
  std::int32_t SampleRate;
  std::int32_t Channels;
};

// The probe of one source file: whether a decoder can read it, and its duration, pixel
// format and streams as the decoder that read it reports them. The decoders are tried in
// the order the decoder mode of the file's extension asks for (DecoderModeMap).
class TVideoInfoReader {
 public:
  static constexpr int MaxStreams = kMaxStreamsPerKind;

  explicit TVideoInfoReader(const AnsiString& fileName);

  const AnsiString& GetFileName() const { return FileName; }
  bool IsValid() const { return Valid; }
  double GetDuration() const { return Duration; }
  bool HasVideo() const { return VideoStreamCount > 0; }
  bool HasAudio() const { return AudioStreamCount > 0; }
  int GetPixelFormat() const { return PixelFormat; }
  // The stream at `index`; an index outside the streams answers the first one.
  const VideoStreamInfo& GetVideoStream(int index) const;
  const AudioStreamInfo& GetAudioStream(int index) const;
  int GetVideoStreamCount() const { return VideoStreamCount; }
  int GetAudioStreamCount() const { return AudioStreamCount; }
  // dkBuiltIn or dkDirectShow: the decoder that read the file.
  int GetDecoderKind() const { return DecoderKind; }

  // Valid after the attempt with that decoder.
  bool ProbeDirectShow();
  bool ProbeBuiltIn();
  // Valid after the probes the decoder mode of the file's extension asks for.
  bool Probe();
  // Probes with the given decoder kind (unless it already read the file); when that
  // fails, with the decoder mode's order.
  bool ProbeWithDecoder(int kind);

 private:
  void CopyStreams(const DecoderObjectInfo& info);

  AnsiString FileName;
  bool Valid = false;
  double Duration = 0.0;
  std::uint8_t Attribute = 0;
  std::uint8_t PixelFormat = PixelFormatBgra;
  int VideoStreamCount = 0;
  VideoStreamInfo VideoStreams[MaxStreams];
  int AudioStreamCount = 0;
  AudioStreamInfo AudioStreams[MaxStreams];
  int DecoderKind;
};
