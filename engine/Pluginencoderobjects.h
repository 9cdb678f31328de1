#pragma once
#include <cstdint>
#include <span>

#include "engine/Codecencoderobjects.h"
#include "engine/Encoderobject.h"
#include "media/contracts/CodecLibrary.h"
#include "media/contracts/RealEncoderPlugin.h"

class TWMVProfile;
class TRealProfile;
class WM9EncoderDllWarper;
class RealEncoderDllWarper;

// The outputs written by the WMV and RealMedia encoder plug-ins, reached through the
// wrappers of the global resource holder. Each frame is cropped, scaled and aspect-fitted
// by a frame converter of the codec library into an I420 picture of the output size and
// handed to the plug-in with the audio samples. Without the wrapper or the frame
// converter nothing reaches a plug-in: Open and the encode calls answer false.
class TPluginEncoderObject : public TEncoderObject {
 protected:
  // Creates the frame converter.
  explicit TPluginEncoderObject(const TEncoderObjectArgs& args);
  // Releases the frame converter.
  ~TPluginEncoderObject() override;

  // The output size of `profile` (0 takes the cropped source size) cut down to a multiple
  // of `multiple`, handed to the frame converter with the source geometry.
  void SetupConverter(const TVideoProfile& profile, std::int32_t multiple);
  // The converted picture of a frame; null when there is no converter or it failed.
  const void* ConvertFrame(const void* pixels);

  std::int32_t OutputWidth = 0;
  std::int32_t OutputHeight = 0;
  FrameConverter* Converter;
};

class TWMVEncoderObject : public TPluginEncoderObject {
 public:
  explicit TWMVEncoderObject(const TEncoderObjectArgs& args) : TPluginEncoderObject(args) {}
  // Ends the plug-in's output, opened or not.
  ~TWMVEncoderObject() override;

  void ApplyProfile(const TWMVProfile& profile);
  bool Open() override;
  bool Close() override;
  // The frame's end time is not handed on.
  bool EncodeVideoFrame(const void* pixels, double start, double end) override;
  bool EncodeAudioSamples(const void* samples, std::int32_t bytes, double start, double end) override;
  std::int64_t GetOutputSize() override;

 private:
  static WM9EncoderDllWarper* Plugin();
  void ChooseAudio(WM9EncoderDllWarper& plugin, const TWMVProfile& profile);
  void ChooseVideoCodec(WM9EncoderDllWarper& plugin, const TWMVProfile& profile);
  void ChooseSystemProfile(WM9EncoderDllWarper& plugin, const TWMVProfile& profile);
};

class TRealEncoderObject : public TPluginEncoderObject {
 public:
  explicit TRealEncoderObject(const TEncoderObjectArgs& args) : TPluginEncoderObject(args) {}
  // Closes an open output.
  ~TRealEncoderObject() override;

  void ApplyProfile(const TRealProfile& profile);
  bool Open() override;
  // Ends the plug-in's output once; closing a closed object answers true.
  bool Close() override;
  bool EncodeVideoFrame(const void* pixels, double start, double end) override;
  bool EncodeAudioSamples(const void* samples, std::int32_t bytes, double start, double end) override;
  std::int64_t GetOutputSize() override;

 private:
  static RealEncoderDllWarper* Plugin();

  bool Closed = true;
};

// The manual settings block of a RealMedia profile with the plug-in's audio codec index.
RealManualSettings RealManualSettingsOf(const TRealProfile& profile, std::int32_t audioCodecIndex);

// Where the plug-in kinds get their frame converters: the codec library's entries unless
// others were put in their place (tests). Answers the entries it replaces.
struct TFrameConverterEntries {
  FrameConverter*(MC_CALL* Create)();
  void(MC_CALL* Release)(FrameConverter* converter);
};
TFrameConverterEntries SetFrameConverterEntries(const TFrameConverterEntries& entries);

// The profile kinds served by the plug-in kinds, with their factories.
std::span<const TCodecEncoderKind> PluginEncoderKinds();
