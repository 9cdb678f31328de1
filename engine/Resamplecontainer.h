#pragma once
#include <cstdint>
#include <vector>

#include "media/contracts/AudioEncoderPlugin.h"
#include "media/contracts/ResamplingLibrary.h"

// Zeroes the record and marks both layouts as not set.
void InitAudioSampleBuffer(AudioSampleBuffer& buffer);

// Converts decoded 16-bit interleaved audio into the format an audio plug-in asked for in
// a sample buffer, through one resampler of the resampling library that keeps its state
// from buffer to buffer (or by a plain copy when the rate and channels stay). The container owns the output buffers it hangs into the record
// and takes them out again when it goes.
class ResampleContainer {
 public:
  explicit ResampleContainer(AudioSampleBuffer& buffer);
  // Destroys the resampler; the record's buffers are taken out and freed.
  ~ResampleContainer();
  ResampleContainer(const ResampleContainer&) = delete;
  ResampleContainer& operator=(const ResampleContainer&) = delete;

  // Writes the input side of the record.
  void SetInputFormat(std::int32_t bits, bool interleaved, std::int32_t rate, std::int32_t channels);
  // Converts `count` samples per channel of interleaved input (as many channels as the
  // input side says) into the output side and stores the count produced. An output layout
  // other than 0 and 1 gets `count` and no samples; a format no resampler can be made for,
  // 0. Answers the count produced.
  std::int32_t Process(const std::int16_t* samples, std::int32_t count);
  // Hands out what the resampler still keeps, as Process does; 0 when nothing is left.
  std::int32_t Flush();
  // Regrows the output buffers to hold `capacity` samples per channel (contents not kept).
  void EnsureCapacity(std::int32_t capacity);

 private:
  bool IsConvertingLayout() const;
  // Makes the resampler the formats need (none when they are the same); false when none
  // can be made.
  bool MakeResampler();
  // Converts into the interleaved buffer (after MakeResampler); answers the count written.
  std::int32_t Convert(const std::int16_t* samples, std::int32_t count);
  // Writes the record's produced count and answers it.
  std::int32_t Produced(std::int32_t count);
  // Splits the interleaved output into one buffer per channel (layout 0).
  void SplitChannels(std::int32_t count);

  ResamplerHandle Handle = 0;
  bool Failed = false;
  bool PassThrough = false;
  AudioSampleBuffer& Buffer;
  std::vector<std::int16_t> Interleaved;
  std::vector<std::vector<std::int16_t>> Planes;
  std::vector<void*> PlanePointers;
};
