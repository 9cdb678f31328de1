#pragma once
// What the audio encoder plug-ins share: the module table and its three entries, the
// look-up of parameter pairs and the tag texts. Each plug-in supplies one factory that
// opens its output; begin runs on the window thread, encode on the decoding thread,
// finish on either, so the entries take turns under one lock.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "media/contracts/AudioEncoderPlugin.h"

namespace audioplugin {

// The parameter pairs handed to begin; an identifier given more than once takes its last
// value.
class ParamList {
 public:
  ParamList(const EncoderParamPair* pairs, int count);
  std::optional<std::int32_t> Find(std::int32_t id) const;
  std::int32_t Get(std::int32_t id, std::int32_t fallback) const { return Find(id).value_or(fallback); }

 private:
  std::vector<EncoderParamPair> pairs_;
};

// What begin was given.
struct OutputRequest {
  std::string path;
  std::string title;
  std::string year;
  ParamList params;
  int inputRate;
  int inputChannels;
};

// One output file being written. Failures are thrown as exceptions.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // `count` samples per channel, 16-bit interleaved, in the format the output asked for.
  virtual void Encode(const std::int16_t* samples, int count) = 0;
  // Writes what is left and closes the file.
  virtual void Finish() = 0;
};

// Opens the output of a request and writes the format it takes into the buffer's output
// side (16 bits, interleaved, a rate and a channel count); throws when it cannot.
using OutputFactory = std::unique_ptr<AudioOutput> (*)(const OutputRequest& request, AudioSampleBuffer& buffer);

// The module table of the plug-in whose outputs `factory` opens. A failed begin leaves no
// file behind; encode and finish without an open output answer -1.
const AudioEncoderModule* PluginModule(const char* name, const char* extension, OutputFactory factory);

// The channel count an output takes of `inputChannels`: the wanted count (-1 or 0 keeps
// the input's), at most 2.
int OutputChannels(int wanted, int inputChannels);

// The rate of `rates` (not empty) nearest `rate`; the first of two as near.
int NearestRate(int rate, std::span<const int> rates);

}  // namespace audioplugin
