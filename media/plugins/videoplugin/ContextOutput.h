#pragma once
// One output file of the WMV and RealMedia plug-ins (and of their WMA and RealAudio
// modules), written through an encoder context of the codec library: what it is told
// before it opens, and the open file fed with pictures and 16-bit interleaved samples.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "media/contracts/CodecLibrary.h"
#include "media/plugins/common/AudioPlugin.h"

namespace videoplugin {

// What the caller's source delivers (the plug-ins' SetInputParms).
struct SourceInput {
  bool hasVideo = true;
  bool hasAudio = true;
  int width = 0;
  int height = 0;
  double frameRate = 0.0;
  int pixelFormat = 0;
  int sampleRate = 0;
  int channels = 0;

  // A source said to have audio but without a rate or channels has none to take.
  bool DeliversAudio() const { return hasAudio && sampleRate > 0 && channels > 0; }
};

struct VideoPlan {
  std::string codec;  // codec library name ("wmv2", "rv20", ...)
  int width = 0;      // encoded size
  int height = 0;
  int inputWidth = 0;  // size and PixelFormatCode of the pictures handed in
  int inputHeight = 0;
  int inputPixelFormat = PixelFormatI420;
  double frameRate = 0.0;
  std::int64_t bitRate = 0;     // bits per second; 0 with a fixed quantizer
  int quantizer = 0;            // 2..31 for constant quality, 0 for a bit rate
  std::int64_t maxRate = 0;     // 0: none
  std::int64_t bufferBits = 0;  // rate-control buffer; 0: the encoder's own
  int keyFrameInterval = 0;     // pictures between key frames; 0: the encoder's own
};

struct AudioPlan {
  std::string codec;
  int rate = 0;
  int channels = 0;
  int bitRate = 0;
  int inputRate = 0;  // of the samples handed in; the output resamples
  int inputChannels = 0;
};

struct TagTexts {
  std::string title;
  std::string author;
  std::string copyright;
  std::string comment;
  std::string year;
};

struct OutputPlan {
  std::string container;  // "asf" or "rm"
  std::optional<VideoPlan> video;
  std::optional<AudioPlan> audio;
  TagTexts tags;
};

class ContextOutput {
 public:
  // Opens `path`; throws when the codec library refuses a setting or the file.
  ContextOutput(const std::string& path, const OutputPlan& plan);
  // Finishes a file not closed yet.
  ~ContextOutput();
  ContextOutput(const ContextOutput&) = delete;
  ContextOutput& operator=(const ContextOutput&) = delete;

  // Each answers false when the codec library refused the picture or the samples.
  bool EncodeVideo(const void* picture, double start);
  bool EncodeAudio(const void* samples, int bytes, double start);
  // True when the file is complete; closing again answers the first answer.
  bool Close();
  // Bytes written so far.
  std::int64_t Size();

 private:
  struct Releaser {
    void operator()(EncoderContext* context) const { ReleaseEncoderContext(context); }
  };

  std::unique_ptr<EncoderContext, Releaser> context_;
  std::optional<bool> closed_;
};

// The audio module of a plug-in: audio-only files through a ContextOutput, samples timed
// by their count. The host hands the samples over in the output's own rate and channels.
class ContextAudioOutput final : public audioplugin::AudioOutput {
 public:
  // Opens the requested output with `audio`, tagged with the request's title and year, and
  // tells the host's buffer the format it takes.
  ContextAudioOutput(const audioplugin::OutputRequest& request, const std::string& container, const AudioPlan& audio,
                     AudioSampleBuffer& buffer);
  void Encode(const std::int16_t* samples, int count) override;
  void Finish() override;

 private:
  ContextOutput output_;
  int rate_;
  int channels_;
  std::int64_t written_ = 0;
};

// The audio of an audio module asked for no format: `codec` at `rate` in the input's
// channels (at most two), 128 kbit/s in stereo and 64 in mono, handed over in that format.
AudioPlan SourceFormatAudio(const char* codec, int rate, int inputChannels);

}  // namespace videoplugin
