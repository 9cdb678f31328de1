#pragma once
// wmvenc.dll, the WMV (and WMA) encoder plug-in: 47 entries bound by their undecorated
// names, in the order of kWmvEntryNames. One output at a time. Name buffers are 1024 bytes
// of the caller, filled with zero-terminated text. Pointer types for binding:
// decltype(&WMV_Init) and so on.
#include <cstdint>

#include "media/contracts/LibraryAbi.h"

constexpr int kPluginNameBufferSize = 1024;

extern "C" {
Bool8 MC_CALL WMV_Init();
void MC_CALL WMV_Uninit();
std::int32_t MC_CALL WMV_GetLanguageCount();
Bool8 MC_CALL WMV_GetLanguageName(std::int32_t index, char* name);
void MC_CALL WMV_SetLanguage(std::int32_t index);
void MC_CALL WMV_SetUseSMPTEStream(Bool8 use);
std::int32_t MC_CALL WMV_GetAudioCodecCount();
Bool8 MC_CALL WMV_GetAudioCodecName(std::int32_t codec, char* name);
std::int32_t MC_CALL WMV_GetAudioFormatCount(std::int32_t codec);
Bool8 MC_CALL WMV_GetAudioFormat(std::int32_t codec, std::int32_t format, char* name);
void MC_CALL WMV_SetAudioCodecAndFormat(std::int32_t codec, std::int32_t format);
void MC_CALL WMV_SetAudioUseUncompressed(Bool8 use);
void MC_CALL WMV_SetAudioBufferWindow(std::int32_t milliseconds);
std::int32_t MC_CALL WMV_GetVideoCodecCount();
Bool8 MC_CALL WMV_GetVideoCodecName(std::int32_t codec, char* name);
void MC_CALL WMV_SetVideoCodec(std::int32_t codec);
Bool8 MC_CALL WMV_GetVideoIsVBR();
void MC_CALL WMV_SetVideoUseUncompressed(Bool8 use);
std::int32_t MC_CALL WMV_GetVideoUncompressedFormatCount();
Bool8 MC_CALL WMV_GetVideoUncompressedFormatName(std::int32_t index, char* name);
void MC_CALL WMV_SetVideoUncompressedFormat(std::int32_t index);
void MC_CALL WMV_SetVideoUseVBR(Bool8 use);
void MC_CALL WMV_SetVideoVBRMode(std::int32_t mode);
void MC_CALL WMV_SetVideoBufferWindow(std::int32_t milliseconds);
void MC_CALL WMV_SetVideoBitrate(std::int32_t bitsPerSecond);
void MC_CALL WMV_SetVideoQuality(std::int32_t quality);
void MC_CALL WMV_SetVideoVBRMaxBitrate(std::int32_t bitsPerSecond);
void MC_CALL WMV_SetVideoVBRMaxBuffer(std::int32_t milliseconds);
void MC_CALL WMV_SetVideoVBRQuality(std::int32_t quality);
void MC_CALL WMV_SetVideoWidth(std::int32_t width);
void MC_CALL WMV_SetVideoHeight(std::int32_t height);
void MC_CALL WMV_SetVideoFPS(double framesPerSecond);
void MC_CALL WMV_SetVideoSecsKeyframe(std::int32_t seconds);
Bool8 MC_CALL WMV_SaveProfile(const char* path);
void MC_CALL WMV_SetInputParms(Bool8 hasVideo, Bool8 hasAudio, std::int32_t width,
                               std::int32_t height, double frameRate, std::int32_t pixelFormat,
                               std::int32_t sampleRate, std::int32_t channels);
Bool8 MC_CALL WMV_BeginEncoding();
Bool8 MC_CALL WMV_EndEncoding();
Bool8 MC_CALL WMV_EncodeSample(const void* data, std::int32_t bytes, double start);
Bool8 MC_CALL WMV_EncodeVideoSample(const void* frame, double start);
Bool8 MC_CALL WMV_EncodeAudioSample(const void* samples, std::int32_t bytes, double start);
std::uint32_t MC_CALL WMV_GetOutputSize();
void MC_CALL WMV_SetupDestinationFile(const char* path);
std::int32_t MC_CALL WMV_GetUseSystemProfileCount();
Bool8 MC_CALL WMV_GetUseSystemProfileName(std::int32_t index, char* name);
void MC_CALL WMV_SetUseSystemProfile(Bool8 use, std::int32_t index);
void MC_CALL WMV_SetId3Tag(const char* title, const char* artist, const char* album,
                           const char* year, const char* comment);
void MC_CALL WMV_SetVideoTag(const char* title, const char* author, const char* copyright,
                             const char* comment, const char* extra);
}

// Binding order of the engine's wrapper.
constexpr const char* kWmvEntryNames[] = {
    "WMV_Init", "WMV_Uninit", "WMV_GetLanguageCount", "WMV_GetLanguageName",
    "WMV_SetLanguage", "WMV_SetUseSMPTEStream", "WMV_GetAudioCodecCount",
    "WMV_GetAudioCodecName", "WMV_GetAudioFormatCount", "WMV_GetAudioFormat",
    "WMV_SetAudioCodecAndFormat", "WMV_SetAudioUseUncompressed", "WMV_SetAudioBufferWindow",
    "WMV_GetVideoCodecCount", "WMV_GetVideoCodecName", "WMV_SetVideoCodec",
    "WMV_GetVideoIsVBR", "WMV_SetVideoUseUncompressed", "WMV_GetVideoUncompressedFormatCount",
    "WMV_GetVideoUncompressedFormatName", "WMV_SetVideoUncompressedFormat",
    "WMV_SetVideoUseVBR", "WMV_SetVideoVBRMode", "WMV_SetVideoBufferWindow",
    "WMV_SetVideoBitrate", "WMV_SetVideoQuality", "WMV_SetVideoVBRMaxBitrate",
    "WMV_SetVideoVBRMaxBuffer", "WMV_SetVideoVBRQuality", "WMV_SetVideoWidth",
    "WMV_SetVideoHeight", "WMV_SetVideoFPS", "WMV_SetVideoSecsKeyframe", "WMV_SaveProfile",
    "WMV_SetInputParms", "WMV_BeginEncoding", "WMV_EndEncoding", "WMV_EncodeSample",
    "WMV_EncodeVideoSample", "WMV_EncodeAudioSample", "WMV_GetOutputSize",
    "WMV_SetupDestinationFile", "WMV_GetUseSystemProfileCount", "WMV_GetUseSystemProfileName",
    "WMV_SetUseSystemProfile", "WMV_SetId3Tag", "WMV_SetVideoTag"};
static_assert(sizeof(kWmvEntryNames) / sizeof(kWmvEntryNames[0]) == 47);
