#include "engine/Realencoderdllwarper.h"

namespace {

// The binding position of an entry; a name outside the table fails the build.
consteval std::size_t Real(const char* name) { return EntryIndex(kRealEntryNames, name); }

constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;

}  // namespace

RealEncoderDllWarper::RealEncoderDllWarper(const char* libraryName) : Library(libraryName, kRealEntryNames) {}

RealEncoderDllWarper::~RealEncoderDllWarper() { FreeHandle(); }

template <typename Fn, typename... Args>
auto RealEncoderDllWarper::Call(std::size_t index, Args... args) {
  return CallPluginEntry<Fn>(Library, index, EncoderHandle, args...);
}

void RealEncoderDllWarper::FreeHandle() {
  if (EncoderHandle == 0) return;
  Call<decltype(&Real_FreeEncoderHandle)>(Real("Real_FreeEncoderHandle"));
  EncoderHandle = 0;
}

void RealEncoderDllWarper::ResetHandle() {
  FreeHandle();
  EncoderHandle = CallPluginEntry<decltype(&Real_CreateEncoderHandle)>(Library, Real("Real_CreateEncoderHandle"));
}

void RealEncoderDllWarper::SetInputParms(Bool8 hasVideo, Bool8 hasAudio, std::int32_t width, std::int32_t height,
                                         double frameRate, std::int32_t pixelFormat, std::int32_t sampleRate,
                                         std::int32_t channels) {
  Call<decltype(&Real_SetInputParms)>(Real("Real_SetInputParms"), hasVideo, hasAudio, width, height, frameRate,
                                      pixelFormat, sampleRate, channels);
}

Bool8 RealEncoderDllWarper::SetupDestinationFile(const char* path) {
  return Call<decltype(&Real_SetupDestinationFile)>(Real("Real_SetupDestinationFile"), path);
}

Bool8 RealEncoderDllWarper::SetupMediaProfile(Bool8 first, Bool8 second) {
  return Call<decltype(&Real_SetupMediaProfile)>(Real("Real_SetupMediaProfile"), first, second);
}

void RealEncoderDllWarper::SetUse2Pass(Bool8 use) { Call<decltype(&Real_SetUse2Pass)>(Real("Real_SetUse2Pass"), use); }

Bool8 RealEncoderDllWarper::SetupTag(const char* title, const char* author, const char* copyright,
                                     const char* comment, const char* extra) {
  return Call<decltype(&Real_SetupTag)>(Real("Real_SetupTag"), title, author, copyright, comment, extra);
}

Bool8 RealEncoderDllWarper::BeginEncoding() { return Call<decltype(&Real_BeginEncoding)>(Real("Real_BeginEncoding")); }

Bool8 RealEncoderDllWarper::EndEncoding() { return Call<decltype(&Real_EndEncoding)>(Real("Real_EndEncoding")); }

Bool8 RealEncoderDllWarper::EncodeVideoSample(const void* frame, double start, double end) {
  return Call<decltype(&Real_EncodeVideoSample)>(Real("Real_EncodeVideoSample"), frame, start, end);
}

Bool8 RealEncoderDllWarper::EncodeAudioSample(const void* samples, std::int32_t bytes, double start, double end) {
  return Call<decltype(&Real_EncodeAudioSample)>(Real("Real_EncodeAudioSample"), samples, bytes, start, end);
}

double RealEncoderDllWarper::GetOutputSize() {
  return Call<decltype(&Real_GetOutputSize)>(Real("Real_GetOutputSize")) / kBytesPerMegabyte;
}

void RealEncoderDllWarper::SetManualSettingsParams(const RealManualSettings* settings) {
  Call<decltype(&Real_SetManualSettingsParams)>(Real("Real_SetManualSettingsParams"), settings);
}

std::int32_t RealEncoderDllWarper::GetAudioCodecCount() {
  return Call<decltype(&Real_GetAudioCodecCount)>(Real("Real_GetAudioCodecCount"));
}

Bool8 RealEncoderDllWarper::GetAudioCodecName(std::int32_t index, char* name) {
  return Call<decltype(&Real_GetAudioCodecName)>(Real("Real_GetAudioCodecName"), index, name);
}

void RealEncoderDllWarper::SetParamsMode(Bool8 manual) {
  Call<decltype(&Real_SetParamsMode)>(Real("Real_SetParamsMode"), manual);
}
