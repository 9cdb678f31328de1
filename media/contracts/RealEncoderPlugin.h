#pragma once
// rmenc.dll, the RealMedia (and RealAudio) encoder plug-in: 21 entries bound by their
// undecorated names, in the order of kRealEntryNames. Every entry but the first takes the
// encoder handle first. Name buffers are 1024 bytes of the caller.
#include <cstddef>
#include <cstdint>

#include "media/contracts/LibraryAbi.h"

using RealEncoderHandle = std::uint32_t;  // 0 = none

// The settings handed over by Real_SetManualSettingsParams; all bytes 0 before filling.
struct RealManualSettings {
  std::int32_t useVbr;              // 1 with variable bit rate
  std::int32_t videoCodec;          // 2, 1 or 0
  std::int32_t noiseFilter;         // 0 with noise reduction, else 2
  std::int32_t reserved12;
  double frameRate;
  std::int32_t reserved24;
  std::int32_t videoKbps;
  std::int32_t maxVideoKbps;
  std::int32_t averageVideoKbps;
  std::int32_t quality;             // 90
  std::int32_t audioCodecIndex;
  double maxKeyFrameSeconds;        // 4.0
  double maxStartupLatency;         // 10.0
  std::int32_t rateMode;            // 2 with variable bit rate, else 0
  std::uint8_t flag68;              // 1
  std::uint8_t flag69;              // 1
  std::uint8_t reserved70[2];
};
MC_FIELD_AT(RealManualSettings, useVbr, 0, 0);
MC_FIELD_AT(RealManualSettings, videoCodec, 4, 4);
MC_FIELD_AT(RealManualSettings, noiseFilter, 8, 8);
MC_FIELD_AT(RealManualSettings, reserved12, 12, 12);
MC_FIELD_AT(RealManualSettings, frameRate, 16, 16);
MC_FIELD_AT(RealManualSettings, reserved24, 24, 24);
MC_FIELD_AT(RealManualSettings, videoKbps, 28, 28);
MC_FIELD_AT(RealManualSettings, maxVideoKbps, 32, 32);
MC_FIELD_AT(RealManualSettings, averageVideoKbps, 36, 36);
MC_FIELD_AT(RealManualSettings, quality, 40, 40);
MC_FIELD_AT(RealManualSettings, audioCodecIndex, 44, 44);
MC_FIELD_AT(RealManualSettings, maxKeyFrameSeconds, 48, 48);
MC_FIELD_AT(RealManualSettings, maxStartupLatency, 56, 56);
MC_FIELD_AT(RealManualSettings, rateMode, 64, 64);
MC_FIELD_AT(RealManualSettings, flag68, 68, 68);
MC_FIELD_AT(RealManualSettings, flag69, 69, 69);
MC_SIZE_IS(RealManualSettings, 72, 72);

extern "C" {
RealEncoderHandle MC_CALL Real_CreateEncoderHandle();
void MC_CALL Real_FreeEncoderHandle(RealEncoderHandle handle);
void MC_CALL Real_SetInputParms(RealEncoderHandle handle, Bool8 hasVideo, Bool8 hasAudio,
                                std::int32_t width, std::int32_t height, double frameRate,
                                std::int32_t pixelFormat, std::int32_t sampleRate,
                                std::int32_t channels);
Bool8 MC_CALL Real_SetupDestinationFile(RealEncoderHandle handle, const char* path);
Bool8 MC_CALL Real_SetupMediaProfile(RealEncoderHandle handle, Bool8 first, Bool8 second);
void MC_CALL Real_SetUse2Pass(RealEncoderHandle handle, Bool8 use);
std::int32_t MC_CALL Real_GetAvailableAudiencesCount(RealEncoderHandle handle);
Bool8 MC_CALL Real_GetAvailableAudiencesName(RealEncoderHandle handle, std::int32_t index,
                                             char* name);
Bool8 MC_CALL Real_SetupAudiences(RealEncoderHandle handle, std::int32_t index);
Bool8 MC_CALL Real_SetupTag(RealEncoderHandle handle, const char* title, const char* author,
                            const char* copyright, const char* comment, const char* extra);
Bool8 MC_CALL Real_BeginEncoding(RealEncoderHandle handle);
Bool8 MC_CALL Real_EndEncoding(RealEncoderHandle handle);
Bool8 MC_CALL Real_EncodeSample(RealEncoderHandle handle, const void* data, std::int32_t bytes,
                                double start, double end);
Bool8 MC_CALL Real_EncodeVideoSample(RealEncoderHandle handle, const void* frame, double start,
                                     double end);
Bool8 MC_CALL Real_EncodeAudioSample(RealEncoderHandle handle, const void* samples,
                                     std::int32_t bytes, double start, double end);
Bool8 MC_CALL Real_StartDo2Pass(RealEncoderHandle handle);
std::uint32_t MC_CALL Real_GetOutputSize(RealEncoderHandle handle);
void MC_CALL Real_SetManualSettingsParams(RealEncoderHandle handle,
                                          const RealManualSettings* settings);
std::int32_t MC_CALL Real_GetAudioCodecCount(RealEncoderHandle handle);
Bool8 MC_CALL Real_GetAudioCodecName(RealEncoderHandle handle, std::int32_t index, char* name);
void MC_CALL Real_SetParamsMode(RealEncoderHandle handle, Bool8 manual);
}

// Binding order of the engine's wrapper.
constexpr const char* kRealEntryNames[] = {
    "Real_CreateEncoderHandle", "Real_FreeEncoderHandle", "Real_SetInputParms",
    "Real_SetupDestinationFile", "Real_SetupMediaProfile", "Real_SetUse2Pass",
    "Real_GetAvailableAudiencesCount", "Real_GetAvailableAudiencesName", "Real_SetupAudiences",
    "Real_SetupTag", "Real_BeginEncoding", "Real_EndEncoding", "Real_EncodeSample",
    "Real_EncodeVideoSample", "Real_EncodeAudioSample", "Real_StartDo2Pass",
    "Real_GetOutputSize", "Real_SetManualSettingsParams", "Real_GetAudioCodecCount",
    "Real_GetAudioCodecName", "Real_SetParamsMode"};
static_assert(sizeof(kRealEntryNames) / sizeof(kRealEntryNames[0]) == 21);
