#pragma once
// mcdecode.dll: decoder handles that play a file on a thread of their own and deliver
// through callbacks. Entries by ordinal, see media/decode/mcdecode.def.
#include <cstddef>
#include <cstdint>

#include "media/contracts/LibraryAbi.h"

using DecoderHandle = std::uint32_t;  // 0 = none

struct DecoderMediaInfo;

// Reports the stream format once per run, before the first frame; false stops the delivery.
using DecoderFormatProc = Bool8(MC_CALL*)(const DecoderMediaInfo* info);

// Handed to OpenDecoderHandle; unset bytes are 0.
struct DecoderOpenBlock {
  Bool8 deliverFrames;           // 0: decode nothing (probing)
  std::uint8_t reserved1;
  std::uint16_t blockKind;       // 1; not interpreted
  const char* fileName;          // 8-bit path
  Bool8 useVideo;
  Bool8 useAudio;
  Bool8 deliverAudio;            // 0: the audio callback gets nothing
  std::uint8_t reserved11;
  Bool8 realTimePacing;          // 1: frames at playing speed (previews)
  std::uint8_t reserved13[3];
  std::int32_t pixelFormat;      // PixelFormatCode of delivered frames
  std::int32_t hints[4];         // offsets 20 to 32; ignored
  DecoderFormatProc formatProc;  // may be null
  VideoFrameCallback videoProc;  // may be null
  AudioSamplesCallback audioProc;
  DecodeEndCallback endProc;
};
static_assert(offsetof(DecoderOpenBlock, deliverFrames) == 0);
static_assert(offsetof(DecoderOpenBlock, blockKind) == 2);
static_assert(offsetof(DecoderOpenBlock, fileName) == 4);
static_assert(offsetof(DecoderOpenBlock, useVideo) == 8);
static_assert(offsetof(DecoderOpenBlock, useAudio) == 9);
static_assert(offsetof(DecoderOpenBlock, deliverAudio) == 10);
static_assert(offsetof(DecoderOpenBlock, reserved11) == 11);
static_assert(offsetof(DecoderOpenBlock, realTimePacing) == 12);
static_assert(offsetof(DecoderOpenBlock, pixelFormat) == 16);
static_assert(offsetof(DecoderOpenBlock, hints) == 20);
static_assert(offsetof(DecoderOpenBlock, formatProc) == 36);
static_assert(offsetof(DecoderOpenBlock, videoProc) == 40);
static_assert(offsetof(DecoderOpenBlock, audioProc) == 44);
static_assert(offsetof(DecoderOpenBlock, endProc) == 48);
static_assert(sizeof(DecoderOpenBlock) == 52);

// Filled by GetDecoderMediaInfo and handed to the format procedure.
struct DecoderMediaInfo {
  Bool8 valid;
  std::uint8_t reserved1[7];
  double duration;               // seconds
  std::uint8_t attribute;        // 0
  Bool8 hasVideo;
  std::uint8_t reserved18[2];
  std::int32_t width;
  std::int32_t height;
  std::uint8_t reserved28[4];
  double frameRate;
  std::uint8_t pixelFormat;      // PixelFormatCode of delivered frames
  Bool8 hasAudio;
  std::uint8_t reserved42[2];
  std::int32_t bitsPerSample;    // 16
  std::int32_t sampleRate;
  std::int32_t channels;         // of the delivered audio: at most 2
};
static_assert(offsetof(DecoderMediaInfo, valid) == 0);
static_assert(offsetof(DecoderMediaInfo, duration) == 8);
static_assert(offsetof(DecoderMediaInfo, attribute) == 16);
static_assert(offsetof(DecoderMediaInfo, hasVideo) == 17);
static_assert(offsetof(DecoderMediaInfo, width) == 20);
static_assert(offsetof(DecoderMediaInfo, height) == 24);
static_assert(offsetof(DecoderMediaInfo, frameRate) == 32);
static_assert(offsetof(DecoderMediaInfo, pixelFormat) == 40);
static_assert(offsetof(DecoderMediaInfo, hasAudio) == 41);
static_assert(offsetof(DecoderMediaInfo, bitsPerSample) == 44);
static_assert(offsetof(DecoderMediaInfo, sampleRate) == 48);
static_assert(offsetof(DecoderMediaInfo, channels) == 52);
static_assert(sizeof(DecoderMediaInfo) == 56);

// Library states answered by GetDecoderState.
enum DecoderLibraryState : std::int32_t {
  DecoderRunning = 1,
  DecoderStopped = 2,
  DecoderPaused = 3,
};

extern "C" {
DecoderHandle MC_CALL CreateDecoderHandle();                                        // 1
void MC_CALL DestroyDecoderHandle(DecoderHandle handle);                            // 2
Bool8 MC_CALL OpenDecoderHandle(DecoderHandle handle, const DecoderOpenBlock* block);  // 3
Bool8 MC_CALL GetDecoderMediaInfo(DecoderHandle handle, DecoderMediaInfo* info);   // 4
Bool8 MC_CALL SetDecoderRange(DecoderHandle handle, double start, double end);      // 5
Bool8 MC_CALL SetDecoderOption(DecoderHandle handle, std::int32_t option);          // 6
Bool8 MC_CALL RunDecoder(DecoderHandle handle);                                     // 7
Bool8 MC_CALL PauseDecoder(DecoderHandle handle);                                   // 8
Bool8 MC_CALL GetDecoderPosition(DecoderHandle handle, double* position);           // 9
Bool8 MC_CALL SeekDecoder(DecoderHandle handle, double time);                       // 10
std::int32_t MC_CALL GetDecoderState(DecoderHandle handle);                         // 11
}
