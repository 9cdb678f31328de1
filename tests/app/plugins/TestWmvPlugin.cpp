// A WMV plug-in for the holder's tests: every entry of the contract, tables from the
// environment (PluginTables.h), nothing encoded.
#include "PluginTables.h"
#include "media/contracts/WmvEncoderPlugin.h"

using namespace testplugin;

TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_Init() {
  Log("WMV_Init");
  return Environment("TEST_WMV_INIT") == "0" ? 0 : 1;
}
TEST_PLUGIN_EXPORT void MC_CALL WMV_Uninit() { Log("WMV_Uninit"); }
TEST_PLUGIN_EXPORT std::int32_t MC_CALL WMV_GetAudioCodecCount() {
  return static_cast<std::int32_t>(Table("TEST_WMV_AUDIO_CODECS").size());
}
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_GetAudioCodecName(std::int32_t codec, char* name) {
  return NameOf(Table("TEST_WMV_AUDIO_CODECS"), codec, name);
}
TEST_PLUGIN_EXPORT std::int32_t MC_CALL WMV_GetAudioFormatCount(std::int32_t codec) {
  const std::vector<std::string> codecs = Table("TEST_WMV_AUDIO_FORMATS");
  if (codec < 0 || codec >= static_cast<std::int32_t>(codecs.size())) return 0;
  return static_cast<std::int32_t>(Split(codecs[static_cast<size_t>(codec)], ';').size());
}
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_GetAudioFormat(std::int32_t codec, std::int32_t format, char* name) {
  const std::vector<std::string> codecs = Table("TEST_WMV_AUDIO_FORMATS");
  if (codec < 0 || codec >= static_cast<std::int32_t>(codecs.size())) return 0;
  return NameOf(Split(codecs[static_cast<size_t>(codec)], ';'), format, name);
}
TEST_PLUGIN_EXPORT std::int32_t MC_CALL WMV_GetUseSystemProfileCount() {
  return static_cast<std::int32_t>(Table("TEST_WMV_SYSTEM_PROFILES").size());
}
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_GetUseSystemProfileName(std::int32_t index, char* name) {
  return NameOf(Table("TEST_WMV_SYSTEM_PROFILES"), index, name);
}

// The entries the holder does not use answer nothing.
TEST_PLUGIN_EXPORT std::int32_t MC_CALL WMV_GetLanguageCount() { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_GetLanguageName(std::int32_t, char*) { return 0; }
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetLanguage(std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetUseSMPTEStream(Bool8) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetAudioCodecAndFormat(std::int32_t, std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetAudioUseUncompressed(Bool8) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetAudioBufferWindow(std::int32_t) {}
TEST_PLUGIN_EXPORT std::int32_t MC_CALL WMV_GetVideoCodecCount() { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_GetVideoCodecName(std::int32_t, char*) { return 0; }
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoCodec(std::int32_t) {}
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_GetVideoIsVBR() { return 0; }
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoUseUncompressed(Bool8) {}
TEST_PLUGIN_EXPORT std::int32_t MC_CALL WMV_GetVideoUncompressedFormatCount() { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_GetVideoUncompressedFormatName(std::int32_t, char*) { return 0; }
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoUncompressedFormat(std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoUseVBR(Bool8) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoVBRMode(std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoBufferWindow(std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoBitrate(std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoQuality(std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoVBRMaxBitrate(std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoVBRMaxBuffer(std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoVBRQuality(std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoWidth(std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoHeight(std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoFPS(double) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoSecsKeyframe(std::int32_t) {}
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_SaveProfile(const char*) { return 0; }
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetInputParms(Bool8, Bool8, std::int32_t, std::int32_t, double, std::int32_t,
                                                  std::int32_t, std::int32_t) {}
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_BeginEncoding() { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_EndEncoding() { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_EncodeSample(const void*, std::int32_t, double) { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_EncodeVideoSample(const void*, double) { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL WMV_EncodeAudioSample(const void*, std::int32_t, double) { return 0; }
TEST_PLUGIN_EXPORT std::uint32_t MC_CALL WMV_GetOutputSize() { return 0; }
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetupDestinationFile(const char*) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetUseSystemProfile(Bool8, std::int32_t) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetId3Tag(const char*, const char*, const char*, const char*, const char*) {}
TEST_PLUGIN_EXPORT void MC_CALL WMV_SetVideoTag(const char*, const char*, const char*, const char*, const char*) {}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH) Log("wmvenc unloaded");
  return TRUE;
}
