#pragma once
// The audio encoder plug-ins (mp3enc.dll, wavenc.dll, ...; wmvenc.dll and rmenc.dll also
// serve WMA and RealAudio): the export "GetEncoderModule" answers a module table whose
// entries begin an output file, encode a buffer and finish it.
#include <cstddef>
#include <cstdint>

#include "media/contracts/LibraryAbi.h"

// Sample format exchanged with a plug-in: the engine fills the input side, the plug-in the
// output side during its begin entry, the engine allocates the output buffers and writes
// the count it produced.
struct AudioSampleBuffer {
  std::int32_t inputBits;          // 16
  std::uint8_t inputLayout;        // 1 interleaved, 255 not set
  std::uint8_t reserved5[3];
  std::int32_t inputRate;
  std::int32_t inputChannels;
  std::int32_t outputBits;
  std::uint8_t outputLayout;       // 0 one buffer per channel, 1 interleaved, 255 not set
  std::uint8_t reserved21[3];
  std::int32_t outputRate;
  std::int32_t outputChannels;
  void** channelBuffers;           // layout 0: one buffer per output channel
  void* interleavedBuffer;         // layout 1
  std::int32_t capacity;           // samples per channel the buffers hold
  std::int32_t produced;           // samples per channel of the last conversion
};
MC_FIELD_AT(AudioSampleBuffer, inputBits, 0, 0);
MC_FIELD_AT(AudioSampleBuffer, inputLayout, 4, 4);
MC_FIELD_AT(AudioSampleBuffer, inputRate, 8, 8);
MC_FIELD_AT(AudioSampleBuffer, inputChannels, 12, 12);
MC_FIELD_AT(AudioSampleBuffer, outputBits, 16, 16);
MC_FIELD_AT(AudioSampleBuffer, outputLayout, 20, 20);
MC_FIELD_AT(AudioSampleBuffer, outputRate, 24, 24);
MC_FIELD_AT(AudioSampleBuffer, outputChannels, 28, 28);
MC_FIELD_AT(AudioSampleBuffer, channelBuffers, 32, 32);
MC_FIELD_AT(AudioSampleBuffer, interleavedBuffer, 36, 40);
MC_FIELD_AT(AudioSampleBuffer, capacity, 40, 48);
MC_FIELD_AT(AudioSampleBuffer, produced, 44, 52);
MC_SIZE_IS(AudioSampleBuffer, 48, 56);

constexpr std::uint8_t kSampleLayoutPlanar = 0;
constexpr std::uint8_t kSampleLayoutInterleaved = 1;
constexpr std::uint8_t kSampleLayoutNotSet = 255;

// One encoder parameter: identifier and value, both meaningful to one plug-in only.
struct EncoderParamPair {
  std::int32_t id;
  std::int32_t value;
};
MC_FIELD_AT(EncoderParamPair, value, 4, 4);
MC_SIZE_IS(EncoderParamPair, 8, 8);

constexpr int kMaxEncoderParams = 100;

struct EncoderParamBlock {
  EncoderParamPair pairs[kMaxEncoderParams];
  std::int32_t count;  // 0 to 100; only the first `count` pairs mean anything
};
MC_FIELD_AT(EncoderParamBlock, count, 800, 800);
MC_SIZE_IS(EncoderParamBlock, 804, 804);

// Tag texts the plug-in reads from (and may write to) the object the engine hands it.
// Slot 2k answers field k, slot 2k + 1 sets it; field 5 is an integer, the others
// zero-terminated texts (a get stays valid until the next set of that field).
class MyID3Tag {
 public:
  virtual const char* MC_CALL GetTitle() = 0;                 // 0
  virtual void MC_CALL SetTitle(const char* text) = 0;        // 1
  virtual const char* MC_CALL GetArtist() = 0;                // 2
  virtual void MC_CALL SetArtist(const char* text) = 0;       // 3
  virtual const char* MC_CALL GetAlbum() = 0;                 // 4
  virtual void MC_CALL SetAlbum(const char* text) = 0;        // 5
  virtual const char* MC_CALL GetYear() = 0;                  // 6
  virtual void MC_CALL SetYear(const char* text) = 0;         // 7
  virtual const char* MC_CALL GetComment() = 0;               // 8
  virtual void MC_CALL SetComment(const char* text) = 0;      // 9
  virtual std::int32_t MC_CALL GetTrack() = 0;                // 10
  virtual void MC_CALL SetTrack(std::int32_t track) = 0;      // 11
  virtual const char* MC_CALL GetGenre() = 0;                 // 12
  virtual void MC_CALL SetGenre(const char* text) = 0;        // 13
  virtual const char* MC_CALL GetComposer() = 0;              // 14
  virtual void MC_CALL SetComposer(const char* text) = 0;     // 15
  virtual const char* MC_CALL GetCopyright() = 0;             // 16
  virtual void MC_CALL SetCopyright(const char* text) = 0;    // 17
  virtual const char* MC_CALL GetEncodedBy() = 0;             // 18
  virtual void MC_CALL SetEncodedBy(const char* text) = 0;    // 19
  // Frees the object; only its owner calls it.
  virtual void MC_CALL Destroy() = 0;                         // 20

 protected:
  ~MyID3Tag() = default;
};

// Entries of the module table. Negative answers of begin and encode mean failure.
using AudioEncoderBeginProc = std::int32_t(MC_CALL*)(const char* outputPath, MyID3Tag* tag,
                                                     AudioSampleBuffer* buffer,
                                                     const EncoderParamPair* pairs,
                                                     std::int32_t pairCount);
using AudioEncoderEncodeProc = std::int32_t(MC_CALL*)(AudioSampleBuffer* buffer);
using AudioEncoderFinishProc = std::int32_t(MC_CALL*)(Bool8 flush);

struct AudioEncoderModule {
  std::int32_t version;
  const char* name;           // display name of the encoder
  const char* extension;      // output extension without the dot
  std::uint32_t flags;
  std::uint32_t reserved16;
  AudioEncoderBeginProc begin;
  AudioEncoderEncodeProc encode;
  AudioEncoderFinishProc finish;
};
MC_FIELD_AT(AudioEncoderModule, version, 0, 0);
MC_FIELD_AT(AudioEncoderModule, name, 4, 8);
MC_FIELD_AT(AudioEncoderModule, extension, 8, 16);
MC_FIELD_AT(AudioEncoderModule, flags, 12, 24);
MC_FIELD_AT(AudioEncoderModule, reserved16, 16, 28);
MC_FIELD_AT(AudioEncoderModule, begin, 20, 32);
MC_FIELD_AT(AudioEncoderModule, encode, 24, 40);
MC_FIELD_AT(AudioEncoderModule, finish, 28, 48);
MC_SIZE_IS(AudioEncoderModule, 32, 56);

// The one export every audio plug-in has, by its undecorated name.
using GetEncoderModuleProc = const AudioEncoderModule*(MC_CALL*)();
constexpr const char* kGetEncoderModuleName = "GetEncoderModule";
