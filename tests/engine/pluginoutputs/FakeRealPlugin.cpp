// A fake RealMedia encoder plug-in: records every call with its handle, hands out handles
// 1, 2, ..., answers the audio codec names of its setting "audioCodecs" ("|"-separated),
// "destination", "profile", "tag" and "begin" ("0" refuses that step) and "size" (bytes).
#include <cstdlib>

#include "media/contracts/RealEncoderPlugin.h"
#include "tests/engine/pluginoutputs/FakePluginRecorder.h"

namespace {

fakeplugin::Recorder& Fake() { return fakeplugin::TheRecorder(); }

Bool8 Answer(const char* key) { return Fake().Setting(key, "1") == "0" ? 0 : 1; }

RealEncoderHandle lastHandle = 0;

}  // namespace

extern "C" {

void MC_CALL Fake_Configure(const char* key, const char* value) { Fake().Configure(key, value); }
void MC_CALL Fake_TakeRecord(char* buffer, std::int32_t size) { Fake().Take(buffer, size); }

RealEncoderHandle MC_CALL Real_CreateEncoderHandle() {
  Fake().Note("CreateEncoderHandle", ++lastHandle);
  return lastHandle;
}
void MC_CALL Real_FreeEncoderHandle(RealEncoderHandle handle) { Fake().Note("FreeEncoderHandle", handle); }
void MC_CALL Real_SetInputParms(RealEncoderHandle handle, Bool8 hasVideo, Bool8 hasAudio, std::int32_t width,
                                std::int32_t height, double frameRate, std::int32_t pixelFormat,
                                std::int32_t sampleRate, std::int32_t channels) {
  Fake().Note("SetInputParms", handle, hasVideo, hasAudio, width, height, frameRate, pixelFormat, sampleRate, channels);
}
Bool8 MC_CALL Real_SetupDestinationFile(RealEncoderHandle handle, const char* path) {
  Fake().Note("SetupDestinationFile", handle, path);
  return Answer("destination");
}
Bool8 MC_CALL Real_SetupMediaProfile(RealEncoderHandle handle, Bool8 first, Bool8 second) {
  Fake().Note("SetupMediaProfile", handle, first, second);
  return Answer("profile");
}
void MC_CALL Real_SetUse2Pass(RealEncoderHandle handle, Bool8 use) { Fake().Note("SetUse2Pass", handle, use); }
std::int32_t MC_CALL Real_GetAvailableAudiencesCount(RealEncoderHandle) { return 0; }
Bool8 MC_CALL Real_GetAvailableAudiencesName(RealEncoderHandle, std::int32_t, char*) { return 0; }
Bool8 MC_CALL Real_SetupAudiences(RealEncoderHandle, std::int32_t) { return 0; }
Bool8 MC_CALL Real_SetupTag(RealEncoderHandle handle, const char* title, const char* author, const char* copyright,
                            const char* comment, const char* extra) {
  Fake().Note("SetupTag", handle, title, author, copyright, comment, extra);
  return Answer("tag");
}
Bool8 MC_CALL Real_BeginEncoding(RealEncoderHandle handle) {
  Fake().Note("BeginEncoding", handle);
  return Answer("begin");
}
Bool8 MC_CALL Real_EndEncoding(RealEncoderHandle handle) {
  Fake().Note("EndEncoding", handle);
  return 1;
}
Bool8 MC_CALL Real_EncodeSample(RealEncoderHandle, const void*, std::int32_t, double, double) { return 0; }
Bool8 MC_CALL Real_EncodeVideoSample(RealEncoderHandle handle, const void* frame, double start, double end) {
  Fake().Note("EncodeVideoSample", handle, frame, start, end);
  return 1;
}
Bool8 MC_CALL Real_EncodeAudioSample(RealEncoderHandle handle, const void* samples, std::int32_t bytes, double start,
                                     double end) {
  Fake().Note("EncodeAudioSample", handle, samples, bytes, start, end);
  return 1;
}
Bool8 MC_CALL Real_StartDo2Pass(RealEncoderHandle) { return 0; }
std::uint32_t MC_CALL Real_GetOutputSize(RealEncoderHandle) {
  return static_cast<std::uint32_t>(std::strtoul(Fake().Setting("size", "0").c_str(), nullptr, 10));
}
void MC_CALL Real_SetManualSettingsParams(RealEncoderHandle handle, const RealManualSettings* block) {
  Fake().Note("SetManualSettingsParams", handle, block->audioCodecIndex);
}
std::int32_t MC_CALL Real_GetAudioCodecCount(RealEncoderHandle) {
  return static_cast<std::int32_t>(Fake().Names("audioCodecs").size());
}
Bool8 MC_CALL Real_GetAudioCodecName(RealEncoderHandle, std::int32_t index, char* name) {
  return Fake().NameAt("audioCodecs", index, name);
}
void MC_CALL Real_SetParamsMode(RealEncoderHandle handle, Bool8 manual) {
  Fake().Note("SetParamsMode", handle, manual);
}

}  // extern "C"
