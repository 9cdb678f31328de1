#pragma once
#include <cstdint>
#include <memory>

#include "engine/Videoprofile.h"

// The eight profile kinds, one per output container. Each constructor takes the
// profile name and the file path and gives every setting the default of its key.
// Bit rates are in bit/s, frequencies in Hz, frame rates in frames per second.

// 3GPP and 3GPP2 ("3GPP", section "3GPProfile", ".3gp" or ".3g2").
class T3GPProfile : public TVideoProfile {
 public:
  T3GPProfile(const AnsiString& name, const AnsiString& filePath);
  // ".3g2" whenever Format3GP is not 0, ".3gp" otherwise.
  AnsiString Extension() const override;
  int32_t EstimateOutputSize(double seconds) const override;

  uint8_t Format3GP = 0;  // "3GPFormat": 0 3GPP, any other value 3GPP2
  double FrameRate = 0.0;
  uint8_t VideoCodec = 0;
  int32_t VideoBitrate = 0;
  int32_t VideoBitrateTolerance = 0;
  uint8_t AudioCodec = 0;
  int32_t AudioFrequency = 0;
  int32_t AudioChannels = 0;
  int32_t AudioBitrate = 0;

 protected:
  TProfileFields Fields() override;
  std::unique_ptr<TVideoProfile> NewOfKind(const AnsiString& name, const AnsiString& filePath) const override;
};

// AVI ("AVI", section "AVIProfile", ".avi").
class TAVIProfile : public TVideoProfile {
 public:
  TAVIProfile(const AnsiString& name, const AnsiString& filePath);
  int32_t EstimateOutputSize(double seconds) const override;

  uint8_t AVIVideoCodec = 0;
  double FrameRate = 0.0;
  int32_t VideoBitrate = 0;
  bool UseVBR = false;
  int32_t VideoVBRMaxBitrate = 0;
  int32_t VideoVBRMinBitrate = 0;
  uint8_t AVIAudioCodec = 0;
  int32_t AudioFrequency = 0;
  int32_t AudioChannels = 0;
  int32_t AudioBitrate = 0;

 protected:
  TProfileFields Fields() override;
  std::unique_ptr<TVideoProfile> NewOfKind(const AnsiString& name, const AnsiString& filePath) const override;
};

// MPEG-1 and MPEG-2 program streams ("MPEG", section "MPEGProfile", ".mpg").
class TMPEGProfile : public TVideoProfile {
 public:
  TMPEGProfile(const AnsiString& name, const AnsiString& filePath);
  int32_t EstimateOutputSize(double seconds) const override;

  uint8_t MPEGVersion = 0;  // 0 MPEG-1, any other value MPEG-2
  double FrameRate = 0.0;
  int32_t VideoBitrate = 0;
  bool UseVBR = false;
  int32_t VideoVBRMaxBitrate = 0;
  int32_t VideoVBRMinBitrate = 0;
  uint8_t MPEGAudioType = 0;
  int32_t AudioFrequency = 0;
  int32_t AudioChannels = 0;
  int32_t AudioBitrate = 0;

 protected:
  TProfileFields Fields() override;
  std::unique_ptr<TVideoProfile> NewOfKind(const AnsiString& name, const AnsiString& filePath) const override;
};

// What the MP4 and QuickTime kinds share: the same settings, with the video codec
// index under a key of each kind's own.
class TIsoMediaProfile : public TVideoProfile {
 public:
  int32_t EstimateOutputSize(double seconds) const override;

  uint8_t VideoCodec = 0;  // "MP4VideoCodec" or "MOVVideoCodec"
  double FrameRate = 0.0;
  int32_t VideoBitrate = 0;
  bool UseVBR = false;
  int32_t VideoVBRMaxBitrate = 0;
  int32_t VideoVBRMinBitrate = 0;
  int32_t AudioFrequency = 0;
  int32_t AudioChannels = 0;
  int32_t AudioBitrate = 0;

 protected:
  // `rateControlUse` says whether the three rate-control settings are compared and copied.
  TIsoMediaProfile(const TProfileKind& kind, const char* videoCodecKey, TFieldUse rateControlUse,
                   const AnsiString& name, const AnsiString& filePath);
  TProfileFields Fields() override;

 private:
  const char* videoCodecKey_;
  TFieldUse rateControlUse_;
};

// MP4 ("MP4", section "MP4Profile", ".mp4").
class TMP4Profile : public TIsoMediaProfile {
 public:
  TMP4Profile(const AnsiString& name, const AnsiString& filePath);

 protected:
  std::unique_ptr<TVideoProfile> NewOfKind(const AnsiString& name, const AnsiString& filePath) const override;
};

// QuickTime ("MOV", section "MOVProfile", ".mov"). Its encoder sets no rate control,
// so the three rate-control settings are kept in the file but neither compared nor copied.
class TMOVProfile : public TIsoMediaProfile {
 public:
  TMOVProfile(const AnsiString& name, const AnsiString& filePath);

 protected:
  std::unique_ptr<TVideoProfile> NewOfKind(const AnsiString& name, const AnsiString& filePath) const override;
};

// Flash video ("FLV", section "FLVProfile", ".flv").
class TFLVProfile : public TVideoProfile {
 public:
  TFLVProfile(const AnsiString& name, const AnsiString& filePath);
  int32_t EstimateOutputSize(double seconds) const override;

  double FrameRate = 0.0;
  int32_t VideoBitrate = 0;
  int32_t AudioFrequency = 0;
  int32_t AudioChannels = 0;
  int32_t AudioBitrate = 0;

 protected:
  TProfileFields Fields() override;
  std::unique_ptr<TVideoProfile> NewOfKind(const AnsiString& name, const AnsiString& filePath) const override;
};

// The audio bit rate that the estimates of the plug-in kinds assume (they keep none).
constexpr int32_t kPluginAudioBitrateEstimate = 48000;

// Windows Media ("WMV", section "WMVProfile", ".wmv"), encoded by the WMV plug-in.
class TWMVProfile : public TVideoProfile {
 public:
  TWMVProfile(const AnsiString& name, const AnsiString& filePath);
  // With a system profile in both, only the system profile names count; otherwise
  // every setting but the system profile name.
  bool IsEqual(const TVideoProfile* other) const override;
  int32_t EstimateOutputSize(double seconds) const override;

  bool UseSystemProfile = false;
  AnsiString SystemProfileName;
  uint8_t WMVVersion = 0;  // "WMV_Version": oldest codec generation accepted, 0 v7, 1 v8, 2 v9
  double FrameRate = 0.0;
  int32_t VideoBitrate = 0;
  bool UseVBR = false;
  int32_t VBRVideoQuality = 0;
  AnsiString AudioFormatName;

 protected:
  TProfileFields Fields() override;
  std::unique_ptr<TVideoProfile> NewOfKind(const AnsiString& name, const AnsiString& filePath) const override;
};

// RealMedia ("REAL", section "RealProfile", ".rm"), encoded by the RealMedia plug-in.
class TRealProfile : public TVideoProfile {
 public:
  TRealProfile(const AnsiString& name, const AnsiString& filePath);
  int32_t EstimateOutputSize(double seconds) const override;

  uint8_t RealVersion = 0;
  double FrameRate = 0.0;
  int32_t VideoBitrate = 0;
  bool UseVBR = false;
  int32_t VideoVBRMaxBitrate = 0;
  bool VideoNoiseReduction = false;
  AnsiString AudioFormatName;

 protected:
  TProfileFields Fields() override;
  std::unique_ptr<TVideoProfile> NewOfKind(const AnsiString& name, const AnsiString& filePath) const override;
};

// A new profile of the kind whose "VideoFormat" name is `formatName` (any letter case),
// or null when no kind has that name.
std::unique_ptr<TVideoProfile> CreateProfileOfFormat(const AnsiString& formatName, const AnsiString& name,
                                                     const AnsiString& filePath);
