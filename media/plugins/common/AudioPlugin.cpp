#include "media/plugins/common/AudioPlugin.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <stdexcept>

namespace audioplugin {
namespace {

constexpr std::int32_t kOk = 0;
constexpr std::int32_t kFailed = -1;
constexpr int kMaxOutputChannels = 2;

struct PluginState {
  std::mutex lock;
  AudioEncoderModule module{};
  OutputFactory factory = nullptr;
  std::unique_ptr<AudioOutput> output;
  bool failed = false;
};

PluginState& State() {
  static PluginState state;
  return state;
}

std::string Text(const char* text) { return text != nullptr ? text : ""; }

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::int32_t MC_CALL Begin(const char* outputPath, MyID3Tag* tag, AudioSampleBuffer* buffer,
                           const EncoderParamPair* pairs, std::int32_t pairCount) {
  PluginState& state = State();
  const std::lock_guard hold(state.lock);
  if (state.output || outputPath == nullptr || *outputPath == '\0' || buffer == nullptr ||
      pairCount < 0 || pairCount > kMaxEncoderParams || (pairCount > 0 && pairs == nullptr)) {
    return kFailed;
  }
  const std::string path = outputPath;
  const bool existed = FileExists(path);
  try {
    const OutputRequest request{path,
                                tag != nullptr ? Text(tag->GetTitle()) : std::string(),
                                tag != nullptr ? Text(tag->GetYear()) : std::string(),
                                ParamList(pairs, pairCount),
                                buffer->inputRate,
                                buffer->inputChannels};
    if (buffer->inputBits != 16 || request.inputRate <= 0 || request.inputChannels <= 0)
      throw std::runtime_error("input format");
    state.output = state.factory(request, *buffer);
    state.failed = false;
    return kOk;
  } catch (...) {
    state.output.reset();
    if (!existed) DeleteFileA(path.c_str());
    return kFailed;
  }
}

std::int32_t MC_CALL Encode(AudioSampleBuffer* buffer) {
  PluginState& state = State();
  const std::lock_guard hold(state.lock);
  if (!state.output || buffer == nullptr) return kFailed;
  if (buffer->produced <= 0) return kOk;
  try {
    if (buffer->outputLayout != kSampleLayoutInterleaved || buffer->interleavedBuffer == nullptr ||
        buffer->produced > buffer->capacity) {
      throw std::runtime_error("samples");
    }
    state.output->Encode(static_cast<const std::int16_t*>(buffer->interleavedBuffer), buffer->produced);
    return kOk;
  } catch (...) {
    state.failed = true;
    return kFailed;
  }
}

std::int32_t MC_CALL Finish(Bool8) {
  PluginState& state = State();
  const std::lock_guard hold(state.lock);
  if (!state.output) return kFailed;
  bool finished = !state.failed;
  try {
    state.output->Finish();
  } catch (...) {
    finished = false;
  }
  state.output.reset();
  return finished ? kOk : kFailed;
}

}  // namespace

ParamList::ParamList(const EncoderParamPair* pairs, int count) {
  if (pairs != nullptr && count > 0) pairs_.assign(pairs, pairs + count);
}

std::optional<std::int32_t> ParamList::Find(std::int32_t id) const {
  const auto last = std::find_if(pairs_.rbegin(), pairs_.rend(), [id](const EncoderParamPair& pair) { return pair.id == id; });
  if (last == pairs_.rend()) return std::nullopt;
  return last->value;
}

int OutputChannels(int wanted, int inputChannels) {
  return std::min(wanted > 0 ? wanted : inputChannels, kMaxOutputChannels);
}

int NearestRate(int rate, std::span<const int> rates) {
  return *std::min_element(rates.begin(), rates.end(),
                           [rate](int a, int b) { return std::abs(a - rate) < std::abs(b - rate); });
}

const AudioEncoderModule* PluginModule(const char* name, const char* extension, OutputFactory factory) {
  PluginState& state = State();
  const std::lock_guard hold(state.lock);
  state.factory = factory;
  state.module = AudioEncoderModule{1, name, extension, 0, 0, &Begin, &Encode, &Finish};
  return &state.module;
}

}  // namespace audioplugin
