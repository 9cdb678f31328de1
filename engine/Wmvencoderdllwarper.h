#pragma once
#include <cstdint>

#include "engine/Pluginlibrary.h"
#include "media/contracts/WmvEncoderPlugin.h"

// The WMV encoder plug-in, loaded once by its bare file name with all 47 "WMV_" entries
// bound. Each operation calls the entry of its name with its arguments and hands the
// answer on; while the wrapper is unusable (no library, or an entry missing) it calls
// nothing and answers 0. Name buffers are kPluginNameBufferSize bytes of the caller.
class WM9EncoderDllWarper {
 public:
  static constexpr const char* kLibraryName = "wmvenc.dll";

  // `libraryName` only differs in tests.
  explicit WM9EncoderDllWarper(const char* libraryName = kLibraryName);
  // Unloads the library; the owner calls Uninit before.
  ~WM9EncoderDllWarper() = default;
  WM9EncoderDllWarper(const WM9EncoderDllWarper&) = delete;
  WM9EncoderDllWarper& operator=(const WM9EncoderDllWarper&) = delete;

  bool IsUsable() const { return Library.IsUsable(); }

  Bool8 Init();
  void Uninit();
  void SetLanguage(std::int32_t index);
  void SetUseSMPTEStream(Bool8 use);
  std::int32_t GetAudioCodecCount();
  Bool8 GetAudioCodecName(std::int32_t codec, char* name);
  std::int32_t GetAudioFormatCount(std::int32_t codec);
  Bool8 GetAudioFormat(std::int32_t codec, std::int32_t format, char* name);
  void SetAudioCodecAndFormat(std::int32_t codec, std::int32_t format);
  void SetAudioUseUncompressed(Bool8 use);
  void SetAudioBufferWindow(std::int32_t milliseconds);
  std::int32_t GetVideoCodecCount();
  Bool8 GetVideoCodecName(std::int32_t codec, char* name);
  void SetVideoCodec(std::int32_t codec);
  void SetVideoUseUncompressed(Bool8 use);
  void SetVideoUseVBR(Bool8 use);
  void SetVideoVBRMode(std::int32_t mode);
  void SetVideoBufferWindow(std::int32_t milliseconds);
  void SetVideoBitrate(std::int32_t bitsPerSecond);
  void SetVideoQuality(std::int32_t quality);
  void SetVideoVBRMaxBitrate(std::int32_t bitsPerSecond);
  void SetVideoVBRMaxBuffer(std::int32_t milliseconds);
  void SetVideoVBRQuality(std::int32_t quality);
  void SetVideoWidth(std::int32_t width);
  void SetVideoHeight(std::int32_t height);
  void SetVideoFPS(double framesPerSecond);
  void SetVideoSecsKeyframe(std::int32_t seconds);
  void SetInputParms(Bool8 hasVideo, Bool8 hasAudio, std::int32_t width, std::int32_t height, double frameRate,
                     std::int32_t pixelFormat, std::int32_t sampleRate, std::int32_t channels);
  Bool8 BeginEncoding();
  Bool8 EndEncoding();
  Bool8 EncodeVideoSample(const void* frame, double start);
  Bool8 EncodeAudioSample(const void* samples, std::int32_t bytes, double start);
  // Bytes written so far.
  std::uint32_t GetOutputSize();
  void SetupDestinationFile(const char* path);
  std::int32_t GetUseSystemProfileCount();
  Bool8 GetUseSystemProfileName(std::int32_t index, char* name);
  void SetUseSystemProfile(Bool8 use, std::int32_t index);
  void SetVideoTag(const char* title, const char* author, const char* copyright, const char* comment,
                   const char* extra);

 private:
  template <typename Fn, typename... Args>
  auto Call(std::size_t index, Args... args);

  TPluginLibrary Library;
};
