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
MC_FIELD_AT(DecoderOpenBlock, deliverFrames, 0, 0);
MC_FIELD_AT(DecoderOpenBlock, blockKind, 2, 2);
MC_FIELD_AT(DecoderOpenBlock, fileName, 4, 8);
MC_FIELD_AT(DecoderOpenBlock, useVideo, 8, 16);
MC_FIELD_AT(DecoderOpenBlock, useAudio, 9, 17);
MC_FIELD_AT(DecoderOpenBlock, deliverAudio, 10, 18);
MC_FIELD_AT(DecoderOpenBlock, reserved11, 11, 19);
MC_FIELD_AT(DecoderOpenBlock, realTimePacing, 12, 20);
MC_FIELD_AT(DecoderOpenBlock, pixelFormat, 16, 24);
MC_FIELD_AT(DecoderOpenBlock, hints, 20, 28);
MC_FIELD_AT(DecoderOpenBlock, formatProc, 36, 48);
MC_FIELD_AT(DecoderOpenBlock, videoProc, 40, 56);
MC_FIELD_AT(DecoderOpenBlock, audioProc, 44, 64);
MC_FIELD_AT(DecoderOpenBlock, endProc, 48, 72);
MC_SIZE_IS(DecoderOpenBlock, 52, 80);

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
MC_FIELD_AT(DecoderMediaInfo, valid, 0, 0);
MC_FIELD_AT(DecoderMediaInfo, duration, 8, 8);
MC_FIELD_AT(DecoderMediaInfo, attribute, 16, 16);
MC_FIELD_AT(DecoderMediaInfo, hasVideo, 17, 17);
MC_FIELD_AT(DecoderMediaInfo, width, 20, 20);
MC_FIELD_AT(DecoderMediaInfo, height, 24, 24);
MC_FIELD_AT(DecoderMediaInfo, frameRate, 32, 32);
MC_FIELD_AT(DecoderMediaInfo, pixelFormat, 40, 40);
MC_FIELD_AT(DecoderMediaInfo, hasAudio, 41, 41);
MC_FIELD_AT(DecoderMediaInfo, bitsPerSample, 44, 44);
MC_FIELD_AT(DecoderMediaInfo, sampleRate, 48, 48);
MC_FIELD_AT(DecoderMediaInfo, channels, 52, 52);
MC_SIZE_IS(DecoderMediaInfo, 56, 56);

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
