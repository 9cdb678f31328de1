// rmenc.dll: the 21 "Real_" entries of the RealMedia encoder plug-in. Each encoder handle
// holds its own settings and one output; handles are set up and ended on the caller's
// window thread and fed from its decoding thread, so every entry takes the plug-in's lock.
// An unknown handle answers 0. No exception leaves an entry.
#include <iterator>
#include <map>
#include <memory>
#include <mutex>

#include "media/codec/CallGuard.h"
#include "media/contracts/RealEncoderPlugin.h"
#include "media/plugins/rmenc/RealSettings.h"
#include "media/plugins/videoplugin/OutputSlot.h"
#include "media/plugins/videoplugin/PluginNames.h"

namespace {

using rmenc::RealSettings;

struct EncoderState {
  RealSettings settings;
  videoplugin::OutputSlot output;
};

struct PluginState {
  std::mutex lock;
  std::map<RealEncoderHandle, std::unique_ptr<EncoderState>> encoders;
  RealEncoderHandle lastHandle = 0;
};

PluginState& State() {
  static PluginState state;
  return state;
}

template <typename Result, typename Body>
Result WithHandle(RealEncoderHandle handle, Result failure, Body&& body) {
  return mccodec::Guarded(failure, [&]() -> Result {
    PluginState& state = State();
    const std::lock_guard hold(state.lock);
    const auto found = state.encoders.find(handle);
    return found != state.encoders.end() ? body(*found->second) : failure;
  });
}

template <typename Body>
void Update(RealEncoderHandle handle, Body&& body) {
  WithHandle(handle, false, [&](EncoderState& encoder) {
    body(encoder.settings);
    return true;
  });
}

Bool8 Flag(bool value) { return value ? 1 : 0; }

// The audiences are the music codecs, from the first row of "Audiences.Lst" on.
constexpr int kAudienceCount = static_cast<int>(std::size(rmenc::kAudioCodecs)) - rmenc::kFirstAudience;

}  // namespace

extern "C" {

RealEncoderHandle MC_CALL Real_CreateEncoderHandle() {
  return mccodec::Guarded<RealEncoderHandle>(0, [] {
    PluginState& state = State();
    const std::lock_guard hold(state.lock);
    const RealEncoderHandle handle = ++state.lastHandle;
    state.encoders[handle] = std::make_unique<EncoderState>();
    return handle;
  });
}

// An output still open is ended.
void MC_CALL Real_FreeEncoderHandle(RealEncoderHandle handle) {
  mccodec::Guarded(false, [&] {
    PluginState& state = State();
    const std::lock_guard hold(state.lock);
    return state.encoders.erase(handle) != 0;
  });
}

void MC_CALL Real_SetInputParms(RealEncoderHandle handle, Bool8 hasVideo, Bool8 hasAudio, std::int32_t width,
                                std::int32_t height, double frameRate, std::int32_t pixelFormat,
                                std::int32_t sampleRate, std::int32_t channels) {
  Update(handle, [&](RealSettings& settings) {
    settings.input = videoplugin::SourceInput{hasVideo != 0, hasAudio != 0, width,      height,
                                              frameRate,     pixelFormat,   sampleRate, channels};
  });
}

Bool8 MC_CALL Real_SetupDestinationFile(RealEncoderHandle handle, const char* path) {
  if (path == nullptr || *path == '\0') return 0;
  return WithHandle<Bool8>(handle, 0, [&](EncoderState& encoder) {
    encoder.settings.path = path;
    return Flag(true);
  });
}

// The profile is always the manual settings block.
Bool8 MC_CALL Real_SetupMediaProfile(RealEncoderHandle handle, Bool8, Bool8) {
  return WithHandle<Bool8>(handle, 0, [](EncoderState&) { return Flag(true); });
}

void MC_CALL Real_SetUse2Pass(RealEncoderHandle handle, Bool8 use) {
  Update(handle, [&](RealSettings& settings) { settings.twoPass = use != 0; });
}

std::int32_t MC_CALL Real_GetAvailableAudiencesCount(RealEncoderHandle) { return kAudienceCount; }

Bool8 MC_CALL Real_GetAvailableAudiencesName(RealEncoderHandle, std::int32_t index, char* name) {
  const bool inside = index >= 0 && index < kAudienceCount;
  return videoplugin::CopyName(inside ? rmenc::kAudioCodecs[index + rmenc::kFirstAudience].name : nullptr, index, name);
}

// Chooses the audio codec of audience `index`, in a block of manual settings given before.
Bool8 MC_CALL Real_SetupAudiences(RealEncoderHandle handle, std::int32_t index) {
  if (index < 0 || index >= kAudienceCount) return 0;
  return WithHandle<Bool8>(handle, 0, [&](EncoderState& encoder) {
    encoder.settings.manual.audioCodecIndex = index + rmenc::kFirstAudience;
    return Flag(encoder.settings.manualGiven);
  });
}

Bool8 MC_CALL Real_SetupTag(RealEncoderHandle handle, const char* title, const char* author, const char* copyright,
                            const char* comment, const char*) {
  return WithHandle<Bool8>(handle, 0, [&](EncoderState& encoder) {
    encoder.settings.tags = videoplugin::TagsOf(title, author, copyright, comment);
    return Flag(true);
  });
}

Bool8 MC_CALL Real_BeginEncoding(RealEncoderHandle handle) {
  return WithHandle<Bool8>(handle, 0, [](EncoderState& encoder) {
    if (encoder.output.IsOpen()) return Flag(false);
    return Flag(encoder.output.Open(encoder.settings.path, [&] { return rmenc::PlanOf(encoder.settings); }));
  });
}

Bool8 MC_CALL Real_EndEncoding(RealEncoderHandle handle) {
  return WithHandle<Bool8>(handle, 0, [](EncoderState& encoder) { return Flag(encoder.output.Close()); });
}

Bool8 MC_CALL Real_EncodeAudioSample(RealEncoderHandle handle, const void* samples, std::int32_t bytes, double start,
                                     double) {
  return WithHandle<Bool8>(
      handle, 0, [&](EncoderState& encoder) { return Flag(encoder.output.EncodeAudio(samples, bytes, start)); });
}

// A sample without a kind is audio.
Bool8 MC_CALL Real_EncodeSample(RealEncoderHandle handle, const void* data, std::int32_t bytes, double start,
                                double end) {
  return Real_EncodeAudioSample(handle, data, bytes, start, end);
}

Bool8 MC_CALL Real_EncodeVideoSample(RealEncoderHandle handle, const void* frame, double start, double) {
  return WithHandle<Bool8>(handle, 0,
                           [&](EncoderState& encoder) { return Flag(encoder.output.EncodeVideo(frame, start)); });
}

// Two passes are not offered.
Bool8 MC_CALL Real_StartDo2Pass(RealEncoderHandle) { return 0; }

std::uint32_t MC_CALL Real_GetOutputSize(RealEncoderHandle handle) {
  return WithHandle<std::uint32_t>(handle, 0, [](EncoderState& encoder) { return encoder.output.Size(); });
}

void MC_CALL Real_SetManualSettingsParams(RealEncoderHandle handle, const RealManualSettings* settings) {
  if (settings == nullptr) return;
  Update(handle, [&](RealSettings& own) {
    own.manual = *settings;
    own.manualGiven = true;
  });
}

std::int32_t MC_CALL Real_GetAudioCodecCount(RealEncoderHandle) {
  return static_cast<std::int32_t>(std::size(rmenc::kAudioCodecs));
}

Bool8 MC_CALL Real_GetAudioCodecName(RealEncoderHandle, std::int32_t index, char* name) {
  return videoplugin::CopyNameAt(rmenc::kAudioCodecs, index, name);
}

// Settings are always the manual block.
void MC_CALL Real_SetParamsMode(RealEncoderHandle, Bool8) {}

}  // extern "C"
