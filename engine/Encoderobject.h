#pragma once
#include <cstdint>
#include <memory>

#include "classlib/runtime/AnsiString.h"

class TVideoProfile;

// What a job knows of its source and its options when it asks a profile for an encoder.
struct TEncoderObjectArgs {
  AnsiString OutputPath;
  std::int32_t SourceWidth = 0;
  std::int32_t SourceHeight = 0;
  std::int32_t SourcePixelFormat = 0;
  double SourceFrameRate = 0.0;
  std::int32_t SourceSampleRate = 0;
  std::int32_t SourceChannels = 0;
  // No video in the output: the source has none.
  bool NoVideo = false;
  bool FixAspectRatio = false;
  // No audio in the output: no audio codec, no audio settings, audio buffers dropped.
  bool DisableAudio = false;
  std::int32_t CropLeft = 0;
  std::int32_t CropRight = 0;
  std::int32_t CropTop = 0;
  std::int32_t CropBottom = 0;
  std::int32_t Spare[4] = {0, 0, 0, 0};
};

// The open output file of one video job. The job builds it from its profile
// (CreateEncoderObject), hands it the tags, opens it, feeds it every decoded frame and
// audio buffer, closes it and deletes it. The kinds write through a library object of
// their own; this base keeps what the job passed.
class TEncoderObject {
 public:
  explicit TEncoderObject(const TEncoderObjectArgs& args);
  virtual ~TEncoderObject();
  TEncoderObject(const TEncoderObject&) = delete;
  TEncoderObject& operator=(const TEncoderObject&) = delete;

  // Writes the tags and opens the output; false when it cannot be opened.
  virtual bool Open() = 0;
  // Finishes and closes the output and releases the library object; false when the
  // output could not be finished. Closing again does nothing and answers true.
  virtual bool Close() = 0;
  // One frame in the source size and pixel format; times in seconds from the start of
  // the converted part.
  virtual bool EncodeVideoFrame(const void* pixels, double start, double end) = 0;
  // 16-bit interleaved samples.
  virtual bool EncodeAudioSamples(const void* samples, std::int32_t bytes, double start, double end) = 0;
  // Bytes written so far.
  virtual std::int64_t GetOutputSize() = 0;

  void SetMetadata(const AnsiString& title, const AnsiString& author, const AnsiString& copyright,
                   const AnsiString& comment, const AnsiString& year);

 protected:
  AnsiString OutputPath;
  std::int32_t SourceWidth;
  std::int32_t SourceHeight;
  std::int32_t SourcePixelFormat;
  double SourceFrameRate;
  std::int32_t SourceSampleRate;
  std::int32_t SourceChannels;
  bool NoVideo;
  bool FixAspectRatio;
  bool DisableAudio;
  // Stored left, top, right, bottom.
  std::int32_t CropLeft;
  std::int32_t CropTop;
  std::int32_t CropRight;
  std::int32_t CropBottom;
  // The constructor's first, second, third and fourth spare values are kept as first,
  // third, second and fourth (as the crop margins are) and handed on in this order.
  std::int32_t Spare[4];
  AnsiString Title;
  AnsiString Author;
  AnsiString Copyright;
  AnsiString Comment;
  AnsiString Year;
};

// Builds the encoder kind of a profile kind from the job's arguments; never null.
using TEncoderFactory = std::unique_ptr<TEncoderObject> (*)(const TVideoProfile& profile,
                                                            const TEncoderObjectArgs& args);

// The encoder object of `profile`'s kind, with the profile applied: an object whose
// settings were refused answers false to Open. Null only for a kind without a factory.
std::unique_ptr<TEncoderObject> CreateEncoderObject(const TVideoProfile& profile, const TEncoderObjectArgs& args);

// Puts `factory` in charge of the profile kind `formatCode` (kinds whose encoders live in
// other units, such as the plug-in outputs); answers the factory it replaces.
TEncoderFactory SetEncoderFactory(std::uint8_t formatCode, TEncoderFactory factory);
