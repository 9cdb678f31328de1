// A fake WMV encoder plug-in: records every call, answers names from its settings
// ("audioCodecs", "audioFormats", "videoCodecs", "systemProfiles": "|"-separated), "init"
// ("0" makes WMV_Init fail), "begin" ("0" refuses the output) and "size" (bytes written).
#include <cstdlib>

#include "media/contracts/WmvEncoderPlugin.h"
#include "tests/engine/pluginoutputs/FakePluginRecorder.h"

namespace {

fakeplugin::Recorder& Fake() { return fakeplugin::TheRecorder(); }

std::int32_t CountOf(const char* key) { return static_cast<std::int32_t>(Fake().Names(key).size()); }

Bool8 Answer(const char* key) { return Fake().Setting(key, "1") == "0" ? 0 : 1; }

}  // namespace

extern "C" {

void MC_CALL Fake_Configure(const char* key, const char* value) { Fake().Configure(key, value); }
void MC_CALL Fake_TakeRecord(char* buffer, std::int32_t size) { Fake().Take(buffer, size); }

Bool8 MC_CALL WMV_Init() {
  Fake().Note("Init");
  return Answer("init");
}
void MC_CALL WMV_Uninit() { Fake().Note("Uninit"); }
std::int32_t MC_CALL WMV_GetLanguageCount() { return 1; }
Bool8 MC_CALL WMV_GetLanguageName(std::int32_t, char*) { return 0; }
void MC_CALL WMV_SetLanguage(std::int32_t index) { Fake().Note("SetLanguage", index); }
void MC_CALL WMV_SetUseSMPTEStream(Bool8 use) { Fake().Note("SetUseSMPTEStream", use); }
std::int32_t MC_CALL WMV_GetAudioCodecCount() { return CountOf("audioCodecs"); }
Bool8 MC_CALL WMV_GetAudioCodecName(std::int32_t codec, char* name) {
  return Fake().NameAt("audioCodecs", codec, name);
}
std::int32_t MC_CALL WMV_GetAudioFormatCount(std::int32_t) { return CountOf("audioFormats"); }
Bool8 MC_CALL WMV_GetAudioFormat(std::int32_t, std::int32_t format, char* name) {
  return Fake().NameAt("audioFormats", format, name);
}
void MC_CALL WMV_SetAudioCodecAndFormat(std::int32_t codec, std::int32_t format) {
  Fake().Note("SetAudioCodecAndFormat", codec, format);
}
void MC_CALL WMV_SetAudioUseUncompressed(Bool8 use) { Fake().Note("SetAudioUseUncompressed", use); }
void MC_CALL WMV_SetAudioBufferWindow(std::int32_t ms) { Fake().Note("SetAudioBufferWindow", ms); }
std::int32_t MC_CALL WMV_GetVideoCodecCount() { return CountOf("videoCodecs"); }
Bool8 MC_CALL WMV_GetVideoCodecName(std::int32_t codec, char* name) {
  return Fake().NameAt("videoCodecs", codec, name);
}
void MC_CALL WMV_SetVideoCodec(std::int32_t codec) { Fake().Note("SetVideoCodec", codec); }
Bool8 MC_CALL WMV_GetVideoIsVBR() { return 0; }
void MC_CALL WMV_SetVideoUseUncompressed(Bool8 use) { Fake().Note("SetVideoUseUncompressed", use); }
std::int32_t MC_CALL WMV_GetVideoUncompressedFormatCount() { return 0; }
Bool8 MC_CALL WMV_GetVideoUncompressedFormatName(std::int32_t, char*) { return 0; }
void MC_CALL WMV_SetVideoUncompressedFormat(std::int32_t) {}
void MC_CALL WMV_SetVideoUseVBR(Bool8 use) { Fake().Note("SetVideoUseVBR", use); }
void MC_CALL WMV_SetVideoVBRMode(std::int32_t mode) { Fake().Note("SetVideoVBRMode", mode); }
void MC_CALL WMV_SetVideoBufferWindow(std::int32_t ms) { Fake().Note("SetVideoBufferWindow", ms); }
void MC_CALL WMV_SetVideoBitrate(std::int32_t bits) { Fake().Note("SetVideoBitrate", bits); }
void MC_CALL WMV_SetVideoQuality(std::int32_t quality) { Fake().Note("SetVideoQuality", quality); }
void MC_CALL WMV_SetVideoVBRMaxBitrate(std::int32_t bits) { Fake().Note("SetVideoVBRMaxBitrate", bits); }
void MC_CALL WMV_SetVideoVBRMaxBuffer(std::int32_t ms) { Fake().Note("SetVideoVBRMaxBuffer", ms); }
void MC_CALL WMV_SetVideoVBRQuality(std::int32_t quality) { Fake().Note("SetVideoVBRQuality", quality); }
void MC_CALL WMV_SetVideoWidth(std::int32_t width) { Fake().Note("SetVideoWidth", width); }
void MC_CALL WMV_SetVideoHeight(std::int32_t height) { Fake().Note("SetVideoHeight", height); }
void MC_CALL WMV_SetVideoFPS(double fps) { Fake().Note("SetVideoFPS", fps); }
void MC_CALL WMV_SetVideoSecsKeyframe(std::int32_t seconds) { Fake().Note("SetVideoSecsKeyframe", seconds); }
Bool8 MC_CALL WMV_SaveProfile(const char*) { return 0; }
void MC_CALL WMV_SetInputParms(Bool8 hasVideo, Bool8 hasAudio, std::int32_t width, std::int32_t height,
                               double frameRate, std::int32_t pixelFormat, std::int32_t sampleRate,
                               std::int32_t channels) {
  Fake().Note("SetInputParms", hasVideo, hasAudio, width, height, frameRate, pixelFormat, sampleRate, channels);
}
Bool8 MC_CALL WMV_BeginEncoding() {
  Fake().Note("BeginEncoding");
  return Answer("begin");
}
Bool8 MC_CALL WMV_EndEncoding() {
  Fake().Note("EndEncoding");
  return 1;
}
Bool8 MC_CALL WMV_EncodeSample(const void*, std::int32_t, double) { return 0; }
Bool8 MC_CALL WMV_EncodeVideoSample(const void* frame, double start) {
  Fake().Note("EncodeVideoSample", frame, start);
  return 1;
}
Bool8 MC_CALL WMV_EncodeAudioSample(const void* samples, std::int32_t bytes, double start) {
  Fake().Note("EncodeAudioSample", samples, bytes, start);
  return 1;
}
std::uint32_t MC_CALL WMV_GetOutputSize() {
  return static_cast<std::uint32_t>(std::strtoul(Fake().Setting("size", "0").c_str(), nullptr, 10));
}
void MC_CALL WMV_SetupDestinationFile(const char* path) { Fake().Note("SetupDestinationFile", path); }
std::int32_t MC_CALL WMV_GetUseSystemProfileCount() { return CountOf("systemProfiles"); }
Bool8 MC_CALL WMV_GetUseSystemProfileName(std::int32_t index, char* name) {
  return Fake().NameAt("systemProfiles", index, name);
}
void MC_CALL WMV_SetUseSystemProfile(Bool8 use, std::int32_t index) { Fake().Note("SetUseSystemProfile", use, index); }
void MC_CALL WMV_SetId3Tag(const char*, const char*, const char*, const char*, const char*) {}
void MC_CALL WMV_SetVideoTag(const char* title, const char* author, const char* copyright, const char* comment,
                             const char* extra) {
  Fake().Note("SetVideoTag", title, author, copyright, comment, extra);
}

}  // extern "C"
