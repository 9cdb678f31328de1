// A RealMedia plug-in for the holder's tests: every entry of the contract (all but
// Real_SetParamsMode when built as the incomplete one), the codec table from the
// environment (PluginTables.h), nothing encoded.
#include "PluginTables.h"
#include "media/contracts/RealEncoderPlugin.h"

using namespace testplugin;

namespace {
constexpr RealEncoderHandle kHandle = 7;
}

TEST_PLUGIN_EXPORT RealEncoderHandle MC_CALL Real_CreateEncoderHandle() {
  Log("Real_CreateEncoderHandle");
  return kHandle;
}
TEST_PLUGIN_EXPORT void MC_CALL Real_FreeEncoderHandle(RealEncoderHandle) { Log("Real_FreeEncoderHandle"); }
TEST_PLUGIN_EXPORT std::int32_t MC_CALL Real_GetAudioCodecCount(RealEncoderHandle) {
  return static_cast<std::int32_t>(Table("TEST_REAL_AUDIO_CODECS").size());
}
TEST_PLUGIN_EXPORT Bool8 MC_CALL Real_GetAudioCodecName(RealEncoderHandle, std::int32_t index, char* name) {
  return NameOf(Table("TEST_REAL_AUDIO_CODECS"), index, name);
}

// The entries the holder does not use answer nothing.
TEST_PLUGIN_EXPORT void MC_CALL Real_SetInputParms(RealEncoderHandle, Bool8, Bool8, std::int32_t, std::int32_t, double,
                                                   std::int32_t, std::int32_t, std::int32_t) {}
TEST_PLUGIN_EXPORT Bool8 MC_CALL Real_SetupDestinationFile(RealEncoderHandle, const char*) { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL Real_SetupMediaProfile(RealEncoderHandle, Bool8, Bool8) { return 0; }
TEST_PLUGIN_EXPORT void MC_CALL Real_SetUse2Pass(RealEncoderHandle, Bool8) {}
TEST_PLUGIN_EXPORT std::int32_t MC_CALL Real_GetAvailableAudiencesCount(RealEncoderHandle) { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL Real_GetAvailableAudiencesName(RealEncoderHandle, std::int32_t, char*) { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL Real_SetupAudiences(RealEncoderHandle, std::int32_t) { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL Real_SetupTag(RealEncoderHandle, const char*, const char*, const char*, const char*,
                                               const char*) {
  return 0;
}
TEST_PLUGIN_EXPORT Bool8 MC_CALL Real_BeginEncoding(RealEncoderHandle) { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL Real_EndEncoding(RealEncoderHandle) { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL Real_EncodeSample(RealEncoderHandle, const void*, std::int32_t, double, double) {
  return 0;
}
TEST_PLUGIN_EXPORT Bool8 MC_CALL Real_EncodeVideoSample(RealEncoderHandle, const void*, double, double) { return 0; }
TEST_PLUGIN_EXPORT Bool8 MC_CALL Real_EncodeAudioSample(RealEncoderHandle, const void*, std::int32_t, double, double) {
  return 0;
}
TEST_PLUGIN_EXPORT Bool8 MC_CALL Real_StartDo2Pass(RealEncoderHandle) { return 0; }
TEST_PLUGIN_EXPORT std::uint32_t MC_CALL Real_GetOutputSize(RealEncoderHandle) { return 0; }
TEST_PLUGIN_EXPORT void MC_CALL Real_SetManualSettingsParams(RealEncoderHandle, const RealManualSettings*) {}
#ifndef TEST_REAL_PLUGIN_INCOMPLETE
TEST_PLUGIN_EXPORT void MC_CALL Real_SetParamsMode(RealEncoderHandle, Bool8) {}
#endif

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH) Log("rmenc unloaded");
  return TRUE;
}
