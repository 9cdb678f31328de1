#pragma once
#include <cstdint>

#include "engine/Pluginlibrary.h"
#include "media/contracts/RealEncoderPlugin.h"

// The RealMedia encoder plug-in, loaded once by its bare file name with all 21 "Real_"
// entries bound, and the encoder handle every call goes to. The owner keeps a wrapper
// only when it is usable and calls ResetHandle right after construction (and before each
// output). Each operation calls the entry of its name with the handle and its arguments
// and hands the answer on; an unusable wrapper calls nothing and answers 0.
class RealEncoderDllWarper {
 public:
  static constexpr const char* kLibraryName = "rmenc.dll";

  // Creates no encoder handle. `libraryName` only differs in tests.
  explicit RealEncoderDllWarper(const char* libraryName = kLibraryName);
  // Frees the held handle, then unloads the library.
  ~RealEncoderDllWarper();
  RealEncoderDllWarper(const RealEncoderDllWarper&) = delete;
  RealEncoderDllWarper& operator=(const RealEncoderDllWarper&) = delete;

  bool IsUsable() const { return Library.IsUsable(); }
  RealEncoderHandle Handle() const { return EncoderHandle; }
  // Frees the held handle (when there is one) and creates a fresh one.
  void ResetHandle();

  void SetInputParms(Bool8 hasVideo, Bool8 hasAudio, std::int32_t width, std::int32_t height, double frameRate,
                     std::int32_t pixelFormat, std::int32_t sampleRate, std::int32_t channels);
  Bool8 SetupDestinationFile(const char* path);
  Bool8 SetupMediaProfile(Bool8 first, Bool8 second);
  void SetUse2Pass(Bool8 use);
  Bool8 SetupTag(const char* title, const char* author, const char* copyright, const char* comment,
                 const char* extra);
  Bool8 BeginEncoding();
  Bool8 EndEncoding();
  Bool8 EncodeVideoSample(const void* frame, double start, double end);
  Bool8 EncodeAudioSample(const void* samples, std::int32_t bytes, double start, double end);
  // Megabytes written so far: the plug-in's byte count / 1024 / 1024.
  double GetOutputSize();
  void SetManualSettingsParams(const RealManualSettings* settings);
  std::int32_t GetAudioCodecCount();
  Bool8 GetAudioCodecName(std::int32_t index, char* name);
  void SetParamsMode(Bool8 manual);

 private:
  template <typename Fn, typename... Args>
  auto Call(std::size_t index, Args... args);
  void FreeHandle();

  TPluginLibrary Library;
  RealEncoderHandle EncoderHandle = 0;
};
