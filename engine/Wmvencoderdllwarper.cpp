#include "engine/Wmvencoderdllwarper.h"

namespace {

// The binding position of an entry; a name outside the table fails the build.
consteval std::size_t Wmv(const char* name) { return EntryIndex(kWmvEntryNames, name); }

}  // namespace

WM9EncoderDllWarper::WM9EncoderDllWarper(const char* libraryName) : Library(libraryName, kWmvEntryNames) {}

template <typename Fn, typename... Args>
auto WM9EncoderDllWarper::Call(std::size_t index, Args... args) {
  return CallPluginEntry<Fn>(Library, index, args...);
}

Bool8 WM9EncoderDllWarper::Init() { return Call<decltype(&WMV_Init)>(Wmv("WMV_Init")); }

void WM9EncoderDllWarper::Uninit() { Call<decltype(&WMV_Uninit)>(Wmv("WMV_Uninit")); }

void WM9EncoderDllWarper::SetLanguage(std::int32_t index) {
  Call<decltype(&WMV_SetLanguage)>(Wmv("WMV_SetLanguage"), index);
}

void WM9EncoderDllWarper::SetUseSMPTEStream(Bool8 use) {
  Call<decltype(&WMV_SetUseSMPTEStream)>(Wmv("WMV_SetUseSMPTEStream"), use);
}

std::int32_t WM9EncoderDllWarper::GetAudioCodecCount() {
  return Call<decltype(&WMV_GetAudioCodecCount)>(Wmv("WMV_GetAudioCodecCount"));
}

Bool8 WM9EncoderDllWarper::GetAudioCodecName(std::int32_t codec, char* name) {
  return Call<decltype(&WMV_GetAudioCodecName)>(Wmv("WMV_GetAudioCodecName"), codec, name);
}

std::int32_t WM9EncoderDllWarper::GetAudioFormatCount(std::int32_t codec) {
  return Call<decltype(&WMV_GetAudioFormatCount)>(Wmv("WMV_GetAudioFormatCount"), codec);
}

Bool8 WM9EncoderDllWarper::GetAudioFormat(std::int32_t codec, std::int32_t format, char* name) {
  return Call<decltype(&WMV_GetAudioFormat)>(Wmv("WMV_GetAudioFormat"), codec, format, name);
}

void WM9EncoderDllWarper::SetAudioCodecAndFormat(std::int32_t codec, std::int32_t format) {
  Call<decltype(&WMV_SetAudioCodecAndFormat)>(Wmv("WMV_SetAudioCodecAndFormat"), codec, format);
}

void WM9EncoderDllWarper::SetAudioUseUncompressed(Bool8 use) {
  Call<decltype(&WMV_SetAudioUseUncompressed)>(Wmv("WMV_SetAudioUseUncompressed"), use);
}

void WM9EncoderDllWarper::SetAudioBufferWindow(std::int32_t milliseconds) {
  Call<decltype(&WMV_SetAudioBufferWindow)>(Wmv("WMV_SetAudioBufferWindow"), milliseconds);
}

std::int32_t WM9EncoderDllWarper::GetVideoCodecCount() {
  return Call<decltype(&WMV_GetVideoCodecCount)>(Wmv("WMV_GetVideoCodecCount"));
}

Bool8 WM9EncoderDllWarper::GetVideoCodecName(std::int32_t codec, char* name) {
  return Call<decltype(&WMV_GetVideoCodecName)>(Wmv("WMV_GetVideoCodecName"), codec, name);
}

void WM9EncoderDllWarper::SetVideoCodec(std::int32_t codec) {
  Call<decltype(&WMV_SetVideoCodec)>(Wmv("WMV_SetVideoCodec"), codec);
}

void WM9EncoderDllWarper::SetVideoUseUncompressed(Bool8 use) {
  Call<decltype(&WMV_SetVideoUseUncompressed)>(Wmv("WMV_SetVideoUseUncompressed"), use);
}

void WM9EncoderDllWarper::SetVideoUseVBR(Bool8 use) { Call<decltype(&WMV_SetVideoUseVBR)>(Wmv("WMV_SetVideoUseVBR"), use); }

void WM9EncoderDllWarper::SetVideoVBRMode(std::int32_t mode) {
  Call<decltype(&WMV_SetVideoVBRMode)>(Wmv("WMV_SetVideoVBRMode"), mode);
}

void WM9EncoderDllWarper::SetVideoBufferWindow(std::int32_t milliseconds) {
  Call<decltype(&WMV_SetVideoBufferWindow)>(Wmv("WMV_SetVideoBufferWindow"), milliseconds);
}

void WM9EncoderDllWarper::SetVideoBitrate(std::int32_t bitsPerSecond) {
  Call<decltype(&WMV_SetVideoBitrate)>(Wmv("WMV_SetVideoBitrate"), bitsPerSecond);
}

void WM9EncoderDllWarper::SetVideoQuality(std::int32_t quality) {
  Call<decltype(&WMV_SetVideoQuality)>(Wmv("WMV_SetVideoQuality"), quality);
}

void WM9EncoderDllWarper::SetVideoVBRMaxBitrate(std::int32_t bitsPerSecond) {
  Call<decltype(&WMV_SetVideoVBRMaxBitrate)>(Wmv("WMV_SetVideoVBRMaxBitrate"), bitsPerSecond);
}

void WM9EncoderDllWarper::SetVideoVBRMaxBuffer(std::int32_t milliseconds) {
  Call<decltype(&WMV_SetVideoVBRMaxBuffer)>(Wmv("WMV_SetVideoVBRMaxBuffer"), milliseconds);
}

void WM9EncoderDllWarper::SetVideoVBRQuality(std::int32_t quality) {
  Call<decltype(&WMV_SetVideoVBRQuality)>(Wmv("WMV_SetVideoVBRQuality"), quality);
}

void WM9EncoderDllWarper::SetVideoWidth(std::int32_t width) {
  Call<decltype(&WMV_SetVideoWidth)>(Wmv("WMV_SetVideoWidth"), width);
}

void WM9EncoderDllWarper::SetVideoHeight(std::int32_t height) {
  Call<decltype(&WMV_SetVideoHeight)>(Wmv("WMV_SetVideoHeight"), height);
}

void WM9EncoderDllWarper::SetVideoFPS(double framesPerSecond) {
  Call<decltype(&WMV_SetVideoFPS)>(Wmv("WMV_SetVideoFPS"), framesPerSecond);
}

void WM9EncoderDllWarper::SetVideoSecsKeyframe(std::int32_t seconds) {
  Call<decltype(&WMV_SetVideoSecsKeyframe)>(Wmv("WMV_SetVideoSecsKeyframe"), seconds);
}

void WM9EncoderDllWarper::SetInputParms(Bool8 hasVideo, Bool8 hasAudio, std::int32_t width, std::int32_t height,
                                        double frameRate, std::int32_t pixelFormat, std::int32_t sampleRate,
                                        std::int32_t channels) {
  Call<decltype(&WMV_SetInputParms)>(Wmv("WMV_SetInputParms"), hasVideo, hasAudio, width, height, frameRate,
                                     pixelFormat, sampleRate, channels);
}

Bool8 WM9EncoderDllWarper::BeginEncoding() { return Call<decltype(&WMV_BeginEncoding)>(Wmv("WMV_BeginEncoding")); }

Bool8 WM9EncoderDllWarper::EndEncoding() { return Call<decltype(&WMV_EndEncoding)>(Wmv("WMV_EndEncoding")); }

Bool8 WM9EncoderDllWarper::EncodeVideoSample(const void* frame, double start) {
  return Call<decltype(&WMV_EncodeVideoSample)>(Wmv("WMV_EncodeVideoSample"), frame, start);
}

Bool8 WM9EncoderDllWarper::EncodeAudioSample(const void* samples, std::int32_t bytes, double start) {
  return Call<decltype(&WMV_EncodeAudioSample)>(Wmv("WMV_EncodeAudioSample"), samples, bytes, start);
}

std::uint32_t WM9EncoderDllWarper::GetOutputSize() {
  return Call<decltype(&WMV_GetOutputSize)>(Wmv("WMV_GetOutputSize"));
}

void WM9EncoderDllWarper::SetupDestinationFile(const char* path) {
  Call<decltype(&WMV_SetupDestinationFile)>(Wmv("WMV_SetupDestinationFile"), path);
}

std::int32_t WM9EncoderDllWarper::GetUseSystemProfileCount() {
  return Call<decltype(&WMV_GetUseSystemProfileCount)>(Wmv("WMV_GetUseSystemProfileCount"));
}

Bool8 WM9EncoderDllWarper::GetUseSystemProfileName(std::int32_t index, char* name) {
  return Call<decltype(&WMV_GetUseSystemProfileName)>(Wmv("WMV_GetUseSystemProfileName"), index, name);
}

void WM9EncoderDllWarper::SetUseSystemProfile(Bool8 use, std::int32_t index) {
  Call<decltype(&WMV_SetUseSystemProfile)>(Wmv("WMV_SetUseSystemProfile"), use, index);
}

void WM9EncoderDllWarper::SetVideoTag(const char* title, const char* author, const char* copyright,
                                      const char* comment, const char* extra) {
  Call<decltype(&WMV_SetVideoTag)>(Wmv("WMV_SetVideoTag"), title, author, copyright, comment, extra);
}
