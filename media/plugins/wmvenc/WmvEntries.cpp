// wmvenc.dll: the 47 "WMV_" entries of the WMV encoder plug-in. Settings persist from
// output to output; one output at a time, begun and ended on the caller's window thread
// and fed from its decoding thread, so every entry takes the plug-in's lock. No exception
// leaves an entry.
#include <iterator>
#include <mutex>

#include "media/codec/CallGuard.h"
#include "media/contracts/WmvEncoderPlugin.h"
#include "media/plugins/videoplugin/PluginNames.h"
#include "media/plugins/videoplugin/OutputSlot.h"
#include "media/plugins/wmvenc/WmvSettings.h"
#include "media/plugins/wmvenc/WmvTables.h"

namespace {

using wmvenc::WmvSettings;

struct PluginState {
  std::mutex lock;
  WmvSettings settings;
  videoplugin::OutputSlot output;
};

PluginState& State() {
  static PluginState state;
  return state;
}

template <typename Result, typename Body>
Result Locked(Result failure, Body&& body) {
  return mccodec::Guarded(failure, [&]() -> Result {
    PluginState& state = State();
    const std::lock_guard hold(state.lock);
    return body(state);
  });
}

template <typename Body>
void Update(Body&& body) {
  Locked(false, [&](PluginState& state) {
    body(state.settings);
    return true;
  });
}

Bool8 Flag(bool value) { return value ? 1 : 0; }

constexpr int kLanguageCount = 1;
constexpr const char* kLanguageName = "English";
constexpr int kAudioCodecCount = 1;

}  // namespace

extern "C" {

Bool8 MC_CALL WMV_Init() { return 1; }

void MC_CALL WMV_Uninit() {
  Locked(false, [](PluginState& state) { return state.output.Close(); });
}

std::int32_t MC_CALL WMV_GetLanguageCount() { return kLanguageCount; }

Bool8 MC_CALL WMV_GetLanguageName(std::int32_t index, char* name) {
  return videoplugin::CopyName(index < kLanguageCount ? kLanguageName : nullptr, index, name);
}

void MC_CALL WMV_SetLanguage(std::int32_t) {}

void MC_CALL WMV_SetUseSMPTEStream(Bool8) {}

std::int32_t MC_CALL WMV_GetAudioCodecCount() { return kAudioCodecCount; }

Bool8 MC_CALL WMV_GetAudioCodecName(std::int32_t codec, char* name) {
  return videoplugin::CopyName(codec < kAudioCodecCount ? wmvenc::kWmaCodecName : nullptr, codec, name);
}

std::int32_t MC_CALL WMV_GetAudioFormatCount(std::int32_t codec) {
  return codec == 0 ? static_cast<std::int32_t>(std::size(wmvenc::kWmaFormats)) : 0;
}

Bool8 MC_CALL WMV_GetAudioFormat(std::int32_t codec, std::int32_t format, char* name) {
  return codec == 0 ? videoplugin::CopyNameAt(wmvenc::kWmaFormats, format, name)
                    : videoplugin::CopyName(nullptr, format, name);
}

void MC_CALL WMV_SetAudioCodecAndFormat(std::int32_t codec, std::int32_t format) {
  Update([&](WmvSettings& settings) {
    settings.audioCodec = codec;
    settings.audioFormat = format;
  });
}

void MC_CALL WMV_SetAudioUseUncompressed(Bool8 use) {
  Update([&](WmvSettings& settings) { settings.audioUncompressed = use != 0; });
}

// Audio is written at a constant bit rate: no buffer to size.
void MC_CALL WMV_SetAudioBufferWindow(std::int32_t) {}

std::int32_t MC_CALL WMV_GetVideoCodecCount() { return static_cast<std::int32_t>(std::size(wmvenc::kVideoCodecs)); }

Bool8 MC_CALL WMV_GetVideoCodecName(std::int32_t codec, char* name) {
  return videoplugin::CopyNameAt(wmvenc::kVideoCodecs, codec, name);
}

void MC_CALL WMV_SetVideoCodec(std::int32_t codec) {
  Update([&](WmvSettings& settings) { settings.videoCodec = codec; });
}

Bool8 MC_CALL WMV_GetVideoIsVBR() {
  return Locked<Bool8>(0, [](PluginState& state) { return Flag(state.settings.useVbr); });
}

void MC_CALL WMV_SetVideoUseUncompressed(Bool8 use) {
  Update([&](WmvSettings& settings) { settings.videoUncompressed = use != 0; });
}

// No uncompressed video formats are offered.
std::int32_t MC_CALL WMV_GetVideoUncompressedFormatCount() { return 0; }

Bool8 MC_CALL WMV_GetVideoUncompressedFormatName(std::int32_t index, char* name) {
  return videoplugin::CopyName(nullptr, index, name);
}

void MC_CALL WMV_SetVideoUncompressedFormat(std::int32_t) {}

void MC_CALL WMV_SetVideoUseVBR(Bool8 use) {
  Update([&](WmvSettings& settings) { settings.useVbr = use != 0; });
}

void MC_CALL WMV_SetVideoVBRMode(std::int32_t mode) {
  Update([&](WmvSettings& settings) { settings.vbrMode = mode; });
}

void MC_CALL WMV_SetVideoBufferWindow(std::int32_t milliseconds) {
  Update([&](WmvSettings& settings) { settings.videoBufferMs = milliseconds; });
}

void MC_CALL WMV_SetVideoBitrate(std::int32_t bitsPerSecond) {
  Update([&](WmvSettings& settings) { settings.videoBitRate = bitsPerSecond; });
}

// The quality of a bit-rate encoding is the encoder's own.
void MC_CALL WMV_SetVideoQuality(std::int32_t) {}

void MC_CALL WMV_SetVideoVBRMaxBitrate(std::int32_t bitsPerSecond) {
  Update([&](WmvSettings& settings) { settings.vbrMaxBitRate = bitsPerSecond; });
}

void MC_CALL WMV_SetVideoVBRMaxBuffer(std::int32_t milliseconds) {
  Update([&](WmvSettings& settings) { settings.vbrMaxBufferMs = milliseconds; });
}

void MC_CALL WMV_SetVideoVBRQuality(std::int32_t quality) {
  Update([&](WmvSettings& settings) { settings.vbrQuality = quality; });
}

void MC_CALL WMV_SetVideoWidth(std::int32_t width) {
  Update([&](WmvSettings& settings) { settings.width = width; });
}

void MC_CALL WMV_SetVideoHeight(std::int32_t height) {
  Update([&](WmvSettings& settings) { settings.height = height; });
}

void MC_CALL WMV_SetVideoFPS(double framesPerSecond) {
  Update([&](WmvSettings& settings) { settings.frameRate = framesPerSecond; });
}

void MC_CALL WMV_SetVideoSecsKeyframe(std::int32_t seconds) {
  Update([&](WmvSettings& settings) { settings.secondsPerKeyFrame = seconds; });
}

// Profiles are not written out.
Bool8 MC_CALL WMV_SaveProfile(const char*) { return 0; }

void MC_CALL WMV_SetInputParms(Bool8 hasVideo, Bool8 hasAudio, std::int32_t width, std::int32_t height,
                               double frameRate, std::int32_t pixelFormat, std::int32_t sampleRate,
                               std::int32_t channels) {
  Update([&](WmvSettings& settings) {
    settings.input = videoplugin::SourceInput{hasVideo != 0, hasAudio != 0, width,      height,
                                              frameRate,     pixelFormat,   sampleRate, channels};
  });
}

// An output still open is ended first.
Bool8 MC_CALL WMV_BeginEncoding() {
  return Locked<Bool8>(0, [](PluginState& state) {
    state.output.Close();
    return Flag(state.output.Open(state.settings.path, [&] { return wmvenc::PlanOf(state.settings); }));
  });
}

Bool8 MC_CALL WMV_EndEncoding() {
  return Locked<Bool8>(0, [](PluginState& state) { return Flag(state.output.Close()); });
}

Bool8 MC_CALL WMV_EncodeAudioSample(const void* samples, std::int32_t bytes, double start) {
  return Locked<Bool8>(0, [&](PluginState& state) { return Flag(state.output.EncodeAudio(samples, bytes, start)); });
}

// A sample without a kind is audio.
Bool8 MC_CALL WMV_EncodeSample(const void* data, std::int32_t bytes, double start) {
  return WMV_EncodeAudioSample(data, bytes, start);
}

Bool8 MC_CALL WMV_EncodeVideoSample(const void* frame, double start) {
  return Locked<Bool8>(0, [&](PluginState& state) { return Flag(state.output.EncodeVideo(frame, start)); });
}

std::uint32_t MC_CALL WMV_GetOutputSize() {
  return Locked<std::uint32_t>(0, [](PluginState& state) { return state.output.Size(); });
}

void MC_CALL WMV_SetupDestinationFile(const char* path) {
  Update([&](WmvSettings& settings) { settings.path = path != nullptr ? path : ""; });
}

std::int32_t MC_CALL WMV_GetUseSystemProfileCount() {
  return static_cast<std::int32_t>(std::size(wmvenc::kSystemProfiles));
}

Bool8 MC_CALL WMV_GetUseSystemProfileName(std::int32_t index, char* name) {
  return videoplugin::CopyNameAt(wmvenc::kSystemProfiles, index, name);
}

void MC_CALL WMV_SetUseSystemProfile(Bool8 use, std::int32_t index) {
  Update([&](WmvSettings& settings) {
    settings.useSystemProfile = use != 0;
    settings.systemProfile = index;
  });
}

// The title, artist and comment of an audio file's tag become the content description's.
void MC_CALL WMV_SetId3Tag(const char* title, const char* artist, const char*, const char*, const char* comment) {
  Update([&](WmvSettings& settings) { settings.tags = videoplugin::TagsOf(title, artist, nullptr, comment); });
}

void MC_CALL WMV_SetVideoTag(const char* title, const char* author, const char* copyright, const char* comment,
                             const char*) {
  Update([&](WmvSettings& settings) { settings.tags = videoplugin::TagsOf(title, author, copyright, comment); });
}

}  // extern "C"
