#pragma once
// mccodec.dll: encoder contexts, frame converters, decoder objects and colour converters.
// Entries by ordinal, see media/codec/mccodec.def. Objects are pure interfaces: slot n is
// the n-th declared method, every method __stdcall; an object is freed only by its
// library's release entry. "ok" answers are 0 on success, anything else on failure.
#include <cstddef>
#include <cstdint>

#include "media/contracts/LibraryAbi.h"

#ifdef _WIN32
#include <windef.h>
#else
using HWND = void*;
#endif

struct DecoderObjectInfo;

// Reports the stream format once per run, before the first frame; false stops the delivery.
using DecoderObjectFormatProc = Bool8(MC_CALL*)(const DecoderObjectInfo* info);

// Handed to DecoderObject::Open.
struct DecoderObjectOpenBlock {
  Bool8 useVideo;
  Bool8 useAudio;
  std::uint8_t reserved2[2];
  std::int32_t pixelFormat;  // PixelFormatCode of delivered frames
  DecoderObjectFormatProc formatProc;
  VideoFrameCallback videoProc;
  AudioSamplesCallback audioProc;
  DecodeEndCallback endProc;
};
MC_FIELD_AT(DecoderObjectOpenBlock, useVideo, 0, 0);
MC_FIELD_AT(DecoderObjectOpenBlock, useAudio, 1, 1);
MC_FIELD_AT(DecoderObjectOpenBlock, pixelFormat, 4, 4);
MC_FIELD_AT(DecoderObjectOpenBlock, formatProc, 8, 8);
MC_FIELD_AT(DecoderObjectOpenBlock, videoProc, 12, 16);
MC_FIELD_AT(DecoderObjectOpenBlock, audioProc, 16, 24);
MC_FIELD_AT(DecoderObjectOpenBlock, endProc, 20, 32);
MC_SIZE_IS(DecoderObjectOpenBlock, 24, 40);

constexpr int kMaxStreamsPerKind = 16;
constexpr int kCodecNameSize = 32;

struct DecoderObjectVideoStream {
  char codecName[kCodecNameSize];  // zero-terminated
  std::int32_t width;
  std::int32_t height;
  std::int32_t aspectNumerator;    // display aspect; 0:1 for square samples
  std::int32_t aspectDenominator;
  double frameRate;                // average frames per second
};
MC_FIELD_AT(DecoderObjectVideoStream, codecName, 0, 0);
MC_FIELD_AT(DecoderObjectVideoStream, width, 32, 32);
MC_FIELD_AT(DecoderObjectVideoStream, height, 36, 36);
MC_FIELD_AT(DecoderObjectVideoStream, aspectNumerator, 40, 40);
MC_FIELD_AT(DecoderObjectVideoStream, aspectDenominator, 44, 44);
MC_FIELD_AT(DecoderObjectVideoStream, frameRate, 48, 48);
MC_SIZE_IS(DecoderObjectVideoStream, 56, 56);

struct DecoderObjectAudioStream {
  char codecName[kCodecNameSize];
  std::int32_t sampleRate;
  std::int32_t channels;           // of the stream itself
};
MC_FIELD_AT(DecoderObjectAudioStream, codecName, 0, 0);
MC_FIELD_AT(DecoderObjectAudioStream, sampleRate, 32, 32);
MC_FIELD_AT(DecoderObjectAudioStream, channels, 36, 36);
MC_SIZE_IS(DecoderObjectAudioStream, 40, 40);

// Filled by DecoderObject::GetMediaInfo and handed to the format procedure.
struct DecoderObjectInfo {
  Bool8 valid;
  std::uint8_t reserved1[39];
  double duration;                 // seconds
  std::uint8_t reserved48[4];
  std::uint8_t attribute;          // 0
  Bool8 hasVideo;
  std::uint8_t pixelFormat;        // PixelFormatCode of delivered frames
  std::uint8_t reserved55;
  std::int32_t videoStreamCount;
  std::uint8_t reserved60[4];
  DecoderObjectVideoStream videoStreams[kMaxStreamsPerKind];
  Bool8 hasAudio;
  std::uint8_t reserved961[3];
  std::int32_t audioStreamCount;
  DecoderObjectAudioStream audioStreams[kMaxStreamsPerKind];
};
MC_FIELD_AT(DecoderObjectInfo, valid, 0, 0);
MC_FIELD_AT(DecoderObjectInfo, duration, 40, 40);
MC_FIELD_AT(DecoderObjectInfo, attribute, 52, 52);
MC_FIELD_AT(DecoderObjectInfo, hasVideo, 53, 53);
MC_FIELD_AT(DecoderObjectInfo, pixelFormat, 54, 54);
MC_FIELD_AT(DecoderObjectInfo, videoStreamCount, 56, 56);
MC_FIELD_AT(DecoderObjectInfo, videoStreams, 64, 64);
MC_FIELD_AT(DecoderObjectInfo, hasAudio, 960, 960);
MC_FIELD_AT(DecoderObjectInfo, audioStreamCount, 964, 964);
MC_FIELD_AT(DecoderObjectInfo, audioStreams, 968, 968);
MC_SIZE_IS(DecoderObjectInfo, 1608, 1608);

// Writes one output file of the AVI, MPEG, 3GP, MP4, MOV and FLV outputs.
class EncoderContext {
 public:
  virtual std::int32_t MC_CALL SetVideoCodec(const char* name) = 0;                   // 0
  virtual std::int32_t MC_CALL SetAudioCodec(const char* name) = 0;                   // 1
  virtual std::int32_t MC_CALL SetFormat(const char* containerName) = 0;              // 2
  virtual std::int32_t MC_CALL SetAudioParams(std::int32_t outputRate,                // 3
                                              std::int32_t outputChannels,
                                              std::int32_t bitRate,
                                              std::int32_t sourceRate,
                                              std::int32_t sourceChannels) = 0;
  virtual std::int32_t MC_CALL SetVideoParams(std::int32_t outputWidth,               // 4
                                              std::int32_t outputHeight,
                                              std::int32_t bitRate, double frameRate,
                                              std::int32_t sourceWidth,
                                              std::int32_t sourceHeight,
                                              std::int32_t sourcePixelFormat,
                                              std::int32_t cropLeft, std::int32_t cropRight,
                                              std::int32_t cropTop, std::int32_t cropBottom,
                                              std::int32_t spare1, std::int32_t spare2,
                                              std::int32_t spare3, std::int32_t spare4) = 0;
  virtual std::int32_t MC_CALL Reserved5() = 0;                                       // 5
  virtual std::int32_t MC_CALL Reserved6() = 0;                                       // 6
  virtual std::int32_t MC_CALL Reserved7() = 0;                                       // 7
  virtual std::int32_t MC_CALL Reserved8() = 0;                                       // 8
  virtual std::int32_t MC_CALL Reserved9() = 0;                                       // 9
  virtual std::int32_t MC_CALL Reserved10() = 0;                                      // 10
  virtual std::int32_t MC_CALL Open() = 0;                                            // 11
  virtual std::int32_t MC_CALL Close() = 0;                                           // 12
  virtual std::int32_t MC_CALL EncodeVideo(const void* pixels, double start) = 0;     // 13
  virtual std::int32_t MC_CALL EncodeAudio(const void* samples, std::int32_t bytes,   // 14
                                           double start) = 0;
  virtual std::int32_t MC_CALL SetOption(const char* name, const char* value) = 0;    // 15
  virtual std::int64_t MC_CALL GetOutputSize() = 0;                                   // 16

 protected:
  ~EncoderContext() = default;
};

// Crops, scales and converts frames for the WMV and RealMedia outputs and the preview.
class FrameConverter {
 public:
  virtual std::int32_t MC_CALL Setup(std::int32_t outputWidth, std::int32_t outputHeight,  // 0
                                     std::int32_t sourceWidth, std::int32_t sourceHeight,
                                     std::int32_t sourcePixelFormat, Bool8 fixAspect,
                                     std::int32_t cropLeft, std::int32_t cropRight,
                                     std::int32_t cropTop, std::int32_t cropBottom,
                                     std::int32_t spare1, std::int32_t spare2,
                                     std::int32_t spare3, std::int32_t spare4) = 0;
  // Nonzero on success.
  virtual std::int32_t MC_CALL Convert(const void* pixels) = 0;                       // 1
  // The converted frame, valid until the next Convert.
  virtual const void* MC_CALL GetOutput() = 0;                                         // 2

 protected:
  ~FrameConverter() = default;
};

// States answered by DecoderObject::GetState.
enum DecoderObjectState : std::int32_t {
  DecoderObjectRunning = 1,
  DecoderObjectStopped = 2,
  DecoderObjectPaused = 3,
  DecoderObjectPreviewing = 4,
};

// Probes and decodes one source file.
class DecoderObject {
 public:
  virtual std::int32_t MC_CALL Open(const DecoderObjectOpenBlock* block) = 0;        // 0
  virtual std::int32_t MC_CALL Prepare() = 0;                                         // 1
  // Stops and closes the source; harmless when already closed.
  virtual std::int32_t MC_CALL Close() = 0;                                           // 2
  // -1.0 leaves that end open.
  virtual std::int32_t MC_CALL SetRange(double start, double end) = 0;               // 3
  virtual std::int32_t MC_CALL SetTime(double time) = 0;                             // 4
  virtual std::int32_t MC_CALL GetMediaInfo(DecoderObjectInfo* info) = 0;             // 5
  virtual std::int32_t MC_CALL SelectVideoStream(std::int32_t index) = 0;             // 6
  virtual std::int32_t MC_CALL SelectAudioStream(std::int32_t index) = 0;             // 7
  // Decodes on the calling thread through the callbacks until the end or a stop.
  virtual std::int32_t MC_CALL Run() = 0;                                             // 8
  virtual std::int32_t MC_CALL Pause() = 0;                                           // 9
  virtual std::int32_t MC_CALL Stop() = 0;                                            // 10
  // Returns at once and plays on a thread of the library.
  virtual std::int32_t MC_CALL StartPreview(HWND window) = 0;                          // 11
  virtual std::int32_t MC_CALL Resume() = 0;                                          // 12
  virtual std::int32_t MC_CALL GetPosition(double* position) = 0;                     // 13
  virtual std::int32_t MC_CALL Seek(double time) = 0;                                 // 14
  virtual std::int32_t MC_CALL GetState() = 0;                                        // 15

 protected:
  ~DecoderObject() = default;
};

// Converts frames of one size between pixel layouts (the conversion preview).
class ColourConverter {
 public:
  // True when frames of `sourceFormat` can be turned into `targetFormat` (3).
  virtual Bool8 MC_CALL Open(std::int32_t width, std::int32_t height,                 // 0
                             std::int32_t sourceFormat, std::int32_t targetFormat) = 0;
  // Bytes of one converted frame.
  virtual std::int32_t MC_CALL GetOutputSize() = 0;                                   // 1
  virtual Bool8 MC_CALL Convert(const void* source, void* destination) = 0;           // 2

 protected:
  ~ColourConverter() = default;
};

extern "C" {
EncoderContext* MC_CALL CreateEncoderContext(const char* outputPath);     // 1
void MC_CALL ReleaseEncoderContext(EncoderContext* context);              // 2
FrameConverter* MC_CALL CreateFrameConverter();                           // 3
void MC_CALL ReleaseFrameConverter(FrameConverter* converter);            // 4
// Never null, also for a missing file: its Open then fails.
DecoderObject* MC_CALL CreateDecoderObject(const char* sourcePath);       // 5
void MC_CALL ReleaseDecoderObject(DecoderObject* object);                 // 6
ColourConverter* MC_CALL CreateColourConverter();                         // 7
void MC_CALL ReleaseColourConverter(ColourConverter* converter);          // 8
}
