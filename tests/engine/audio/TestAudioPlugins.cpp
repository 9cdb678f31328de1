// Audio plug-ins for the host's tests, one source built three ways:
//  - the recorder (default): takes the output format from its pairs (0 layout, 1 rate,
//    2 channels; -1 or missing keeps the input's), writes every sample it receives to the
//    output file as 16-bit interleaved PCM, and at the end writes "<output>.log" with what
//    it was given; pair 3 is what its finish answers;
//  - TEST_PLUGIN_NO_MODULE: no "GetEncoderModule";
//  - TEST_PLUGIN_NULL_ENTRIES: a table whose encode and finish entries are missing.
#include <cstdio>
#include <string>
#include <vector>

#include "media/contracts/AudioEncoderPlugin.h"

namespace {

#if defined(TEST_PLUGIN_NO_MODULE)

}  // namespace

extern "C" __declspec(dllexport) int NotTheModule() { return 0; }

#elif defined(TEST_PLUGIN_NULL_ENTRIES)

std::int32_t MC_CALL Begin(const char*, MyID3Tag*, AudioSampleBuffer*, const EncoderParamPair*, std::int32_t) {
  return 0;
}

const AudioEncoderModule kModule{1, "broken", "raw", 0, 0, &Begin, nullptr, nullptr};

}  // namespace

extern "C" __declspec(dllexport) const AudioEncoderModule* MC_CALL GetEncoderModule() { return &kModule; }

#else

struct Recording {
  std::FILE* file = nullptr;
  std::string logPath;
  std::string header;  // what begin was given
  std::int32_t finishAnswer = 0;
  long encodes = 0;
  long long produced = 0;
};

Recording recording;

std::int32_t Find(const EncoderParamPair* pairs, std::int32_t count, std::int32_t id, std::int32_t fallback) {
  for (std::int32_t i = 0; i < count; ++i)
    if (pairs[i].id == id) fallback = pairs[i].value;
  return fallback;
}

std::int32_t MC_CALL Begin(const char* path, MyID3Tag* tag, AudioSampleBuffer* buffer, const EncoderParamPair* pairs,
                           std::int32_t count) {
  const std::int32_t rate = Find(pairs, count, 1, -1);
  const std::int32_t channels = Find(pairs, count, 2, -1);
  buffer->outputBits = 16;
  buffer->outputLayout = static_cast<std::uint8_t>(Find(pairs, count, 0, kSampleLayoutInterleaved));
  buffer->outputRate = rate > 0 ? rate : buffer->inputRate;
  buffer->outputChannels = channels > 0 ? channels : buffer->inputChannels;
  recording = Recording{std::fopen(path, "wb"), std::string(path) + ".log", "", Find(pairs, count, 3, 0)};
  if (recording.file == nullptr) return -1;
  char line[512];
  std::snprintf(line, sizeof line, "input %d %d %d %d\ntitle %s\nyear %s\n", buffer->inputBits, buffer->inputLayout,
                buffer->inputRate, buffer->inputChannels, tag->GetTitle(), tag->GetYear());
  recording.header = line;
  return 0;
}

std::int32_t MC_CALL Encode(AudioSampleBuffer* buffer) {
  ++recording.encodes;
  recording.produced += buffer->produced;
  const auto channels = static_cast<std::size_t>(buffer->outputChannels);
  const auto count = static_cast<std::size_t>(buffer->produced);
  std::vector<std::int16_t> samples;
  if (buffer->outputLayout == kSampleLayoutInterleaved) {
    const auto* interleaved = static_cast<const std::int16_t*>(buffer->interleavedBuffer);
    samples.assign(interleaved, interleaved + count * channels);
  } else if (buffer->outputLayout == kSampleLayoutPlanar) {
    for (std::size_t i = 0; i < count; ++i)
      for (std::size_t c = 0; c < channels; ++c)
        samples.push_back(static_cast<const std::int16_t*>(buffer->channelBuffers[c])[i]);
  }
  std::fwrite(samples.data(), sizeof(std::int16_t), samples.size(), recording.file);
  return 0;
}

std::int32_t MC_CALL Finish(Bool8 flag) {
  std::fclose(recording.file);
  if (std::FILE* log = std::fopen(recording.logPath.c_str(), "wb")) {
    std::fprintf(log, "%sencodes %ld\nproduced %lld\nfinish %d\n", recording.header.c_str(), recording.encodes,
                 recording.produced, flag);
    std::fclose(log);
  }
  return recording.finishAnswer;
}

const AudioEncoderModule kModule{1, "recorder", "raw", 0, 0, &Begin, &Encode, &Finish};

}  // namespace

extern "C" __declspec(dllexport) const AudioEncoderModule* MC_CALL GetEncoderModule() { return &kModule; }

#endif
