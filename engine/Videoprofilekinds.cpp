#include "engine/Videoprofilekinds.h"

#include <array>

#include "classlib/runtime/SysUtils.h"

namespace {

constexpr TProfileKind k3GPKind{0, "3GPP", "3GPProfile", ".3gp"};
constexpr TProfileKind kAVIKind{1, "AVI", "AVIProfile", ".avi"};
constexpr TProfileKind kMPEGKind{2, "MPEG", "MPEGProfile", ".mpg"};
constexpr TProfileKind kMP4Kind{3, "MP4", "MP4Profile", ".mp4"};
constexpr TProfileKind kWMVKind{4, "WMV", "WMVProfile", ".wmv"};
constexpr TProfileKind kRealKind{5, "REAL", "RealProfile", ".rm"};
constexpr TProfileKind kMOVKind{6, "MOV", "MOVProfile", ".mov"};
constexpr TProfileKind kFLVKind{7, "FLV", "FLVProfile", ".flv"};

template <class Kind>
std::unique_ptr<TVideoProfile> Make(const AnsiString& name, const AnsiString& filePath) {
  return std::make_unique<Kind>(name, filePath);
}

struct TFormatEntry {
  const TProfileKind& kind;
  std::unique_ptr<TVideoProfile> (*make)(const AnsiString& name, const AnsiString& filePath);
};

// In the order in which a "VideoFormat" name is looked up.
const std::array<TFormatEntry, 8> kFormats{{
    {k3GPKind, &Make<T3GPProfile>},
    {kAVIKind, &Make<TAVIProfile>},
    {kMPEGKind, &Make<TMPEGProfile>},
    {kMP4Kind, &Make<TMP4Profile>},
    {kWMVKind, &Make<TWMVProfile>},
    {kRealKind, &Make<TRealProfile>},
    {kMOVKind, &Make<TMOVProfile>},
    {kFLVKind, &Make<TFLVProfile>},
}};

}  // namespace

// --- 3GP ---

T3GPProfile::T3GPProfile(const AnsiString& name, const AnsiString& filePath)
    : TVideoProfile(k3GPKind, name, filePath) {
  SetDefaults();
}

AnsiString T3GPProfile::Extension() const { return Format3GP != 0 ? ".3g2" : ".3gp"; }

int32_t T3GPProfile::EstimateOutputSize(double seconds) const {
  return EstimateFromBitrates(VideoBitrate, AudioBitrate, seconds);
}

TProfileFields T3GPProfile::Fields() {
  TProfileFields fields;
  fields.Integer("Width", Width, 176)
      .Integer("Height", Height, 144)
      .Index("3GPFormat", Format3GP, 0)
      .Real("FrameRate", FrameRate, 15.0)
      .Index("VideoCodec", VideoCodec, 1)
      .Integer("VideoBitrate", VideoBitrate, 120000)
      .Integer("VideoBitrateTolerance", VideoBitrateTolerance, 60000)
      .Index("AudioCodec", AudioCodec, 2)
      .Integer("AudioFrequency", AudioFrequency, 16000)
      .Integer("AudioChannels", AudioChannels, 1)
      .Integer("AudioBitrate", AudioBitrate, 48000);
  return fields;
}

std::unique_ptr<TVideoProfile> T3GPProfile::NewOfKind(const AnsiString& name, const AnsiString& filePath) const {
  return Make<T3GPProfile>(name, filePath);
}

// --- AVI ---

TAVIProfile::TAVIProfile(const AnsiString& name, const AnsiString& filePath)
    : TVideoProfile(kAVIKind, name, filePath) {
  SetDefaults();
}

int32_t TAVIProfile::EstimateOutputSize(double seconds) const {
  return EstimateFromBitrates(VideoBitrate, AudioBitrate, seconds);
}

TProfileFields TAVIProfile::Fields() {
  TProfileFields fields;
  fields.Integer("Width", Width, 320)
      .Integer("Height", Height, 240)
      .Index("AVIVideoCodec", AVIVideoCodec, 0)
      .Real("FrameRate", FrameRate, 23.97)
      .Integer("VideoBitrate", VideoBitrate, 768000)
      .Flag("UseVBR", UseVBR, false)
      .Integer("VideoVBRMaxBitrate", VideoVBRMaxBitrate, 768000)
      .Integer("VideoVBRMinBitrate", VideoVBRMinBitrate, 0)
      .Index("AVIAudioCodec", AVIAudioCodec, 0)
      .Integer("AudioFrequency", AudioFrequency, 44100)
      .Integer("AudioChannels", AudioChannels, 2)
      .Integer("AudioBitrate", AudioBitrate, 96000);
  return fields;
}

std::unique_ptr<TVideoProfile> TAVIProfile::NewOfKind(const AnsiString& name, const AnsiString& filePath) const {
  return Make<TAVIProfile>(name, filePath);
}

// --- MPEG ---

TMPEGProfile::TMPEGProfile(const AnsiString& name, const AnsiString& filePath)
    : TVideoProfile(kMPEGKind, name, filePath) {
  SetDefaults();
}

int32_t TMPEGProfile::EstimateOutputSize(double seconds) const {
  return EstimateFromBitrates(VideoBitrate, AudioBitrate, seconds);
}

TProfileFields TMPEGProfile::Fields() {
  TProfileFields fields;
  fields.Index("MPEGVersion", MPEGVersion, 1)
      .Integer("Width", Width, 320)
      .Integer("Height", Height, 240)
      .Real("FrameRate", FrameRate, 23.97)
      .Integer("VideoBitrate", VideoBitrate, 1150000)
      .Flag("UseVBR", UseVBR, false)
      .Integer("VideoVBRMaxBitrate", VideoVBRMaxBitrate, 1150000)
      .Integer("VideoVBRMinBitrate", VideoVBRMinBitrate, 0)
      .Index("MPEGAudioType", MPEGAudioType, 0)
      .Integer("AudioFrequency", AudioFrequency, 48000)
      .Integer("AudioChannels", AudioChannels, 2)
      .Integer("AudioBitrate", AudioBitrate, 224000);
  return fields;
}

std::unique_ptr<TVideoProfile> TMPEGProfile::NewOfKind(const AnsiString& name, const AnsiString& filePath) const {
  return Make<TMPEGProfile>(name, filePath);
}

// --- MP4 and MOV ---

TIsoMediaProfile::TIsoMediaProfile(const TProfileKind& kind, const char* videoCodecKey, TFieldUse rateControlUse,
                                   const AnsiString& name, const AnsiString& filePath)
    : TVideoProfile(kind, name, filePath), videoCodecKey_(videoCodecKey), rateControlUse_(rateControlUse) {
  SetDefaults();
}

int32_t TIsoMediaProfile::EstimateOutputSize(double seconds) const {
  return EstimateFromBitrates(VideoBitrate, AudioBitrate, seconds);
}

TProfileFields TIsoMediaProfile::Fields() {
  TProfileFields fields;
  fields.Integer("Width", Width, 320)
      .Integer("Height", Height, 240)
      .Index(videoCodecKey_, VideoCodec, 0)
      .Real("FrameRate", FrameRate, 23.97)
      .Integer("VideoBitrate", VideoBitrate, 768000)
      .Flag("UseVBR", UseVBR, false, rateControlUse_)
      .Integer("VideoVBRMaxBitrate", VideoVBRMaxBitrate, 768000, rateControlUse_)
      .Integer("VideoVBRMinBitrate", VideoVBRMinBitrate, 0, rateControlUse_)
      .Integer("AudioFrequency", AudioFrequency, 48000)
      .Integer("AudioChannels", AudioChannels, 2)
      .Integer("AudioBitrate", AudioBitrate, 96000);
  return fields;
}

TMP4Profile::TMP4Profile(const AnsiString& name, const AnsiString& filePath)
    : TIsoMediaProfile(kMP4Kind, "MP4VideoCodec", fuFull, name, filePath) {}

std::unique_ptr<TVideoProfile> TMP4Profile::NewOfKind(const AnsiString& name, const AnsiString& filePath) const {
  return Make<TMP4Profile>(name, filePath);
}

TMOVProfile::TMOVProfile(const AnsiString& name, const AnsiString& filePath)
    : TIsoMediaProfile(kMOVKind, "MOVVideoCodec", fuStoredOnly, name, filePath) {}

std::unique_ptr<TVideoProfile> TMOVProfile::NewOfKind(const AnsiString& name, const AnsiString& filePath) const {
  return Make<TMOVProfile>(name, filePath);
}

// --- FLV ---

TFLVProfile::TFLVProfile(const AnsiString& name, const AnsiString& filePath)
    : TVideoProfile(kFLVKind, name, filePath) {
  SetDefaults();
}

int32_t TFLVProfile::EstimateOutputSize(double seconds) const {
  return EstimateFromBitrates(VideoBitrate, AudioBitrate, seconds);
}

TProfileFields TFLVProfile::Fields() {
  TProfileFields fields;
  fields.Integer("Width", Width, 320)
      .Integer("Height", Height, 240)
      .Real("FrameRate", FrameRate, 24.0)
      .Integer("VideoBitrate", VideoBitrate, 768000)
      .Integer("AudioFrequency", AudioFrequency, 44100)
      .Integer("AudioChannels", AudioChannels, 2)
      .Integer("AudioBitrate", AudioBitrate, 96000);
  return fields;
}

std::unique_ptr<TVideoProfile> TFLVProfile::NewOfKind(const AnsiString& name, const AnsiString& filePath) const {
  return Make<TFLVProfile>(name, filePath);
}

// --- WMV ---

TWMVProfile::TWMVProfile(const AnsiString& name, const AnsiString& filePath)
    : TVideoProfile(kWMVKind, name, filePath) {
  SetDefaults();
}

bool TWMVProfile::IsEqual(const TVideoProfile* other) const {
  if (!SameKindAndName(other)) return false;
  const auto* wmv = static_cast<const TWMVProfile*>(other);
  if (UseSystemProfile && wmv->UseSystemProfile) return SystemProfileName == wmv->SystemProfileName;
  return ReadOnlyFields().SameValues(wmv->ReadOnlyFields());
}

int32_t TWMVProfile::EstimateOutputSize(double seconds) const {
  return EstimateFromBitrates(VideoBitrate, kPluginAudioBitrateEstimate, seconds);
}

TProfileFields TWMVProfile::Fields() {
  TProfileFields fields;
  fields.Flag("UseSystemProfile", UseSystemProfile, false)
      .Text("SystemProfileName", SystemProfileName, "", fuCopied)
      .Integer("Width", Width, 320)
      .Integer("Height", Height, 240)
      .Index("WMV_Version", WMVVersion, 1)
      .Real("FrameRate", FrameRate, 23.97)
      .Integer("VideoBitrate", VideoBitrate, 768000)
      .Flag("UseVBR", UseVBR, false)
      .Integer("VBRVideoQuality", VBRVideoQuality, 90)
      .Text("AudioFormatName", AudioFormatName, "64 kbps, 44 kHz, stereo CBR");
  return fields;
}

std::unique_ptr<TVideoProfile> TWMVProfile::NewOfKind(const AnsiString& name, const AnsiString& filePath) const {
  return Make<TWMVProfile>(name, filePath);
}

// --- RealMedia ---

TRealProfile::TRealProfile(const AnsiString& name, const AnsiString& filePath)
    : TVideoProfile(kRealKind, name, filePath) {
  SetDefaults();
}

int32_t TRealProfile::EstimateOutputSize(double seconds) const {
  return EstimateFromBitrates(VideoBitrate, kPluginAudioBitrateEstimate, seconds);
}

TProfileFields TRealProfile::Fields() {
  TProfileFields fields;
  fields.Integer("Width", Width, 176)
      .Integer("Height", Height, 144)
      .Index("RealVersion", RealVersion, 0)
      .Real("FrameRate", FrameRate, 15.0)
      .Integer("VideoBitrate", VideoBitrate, 120000)
      .Flag("UseVBR", UseVBR, false)
      .Integer("VideoVBRMaxBitrate", VideoVBRMaxBitrate, 120000)
      .Flag("VideoNoiseReduction", VideoNoiseReduction, false)
      .Text("AudioFormatName", AudioFormatName, "44 Kbps Music - RealAudio");
  return fields;
}

std::unique_ptr<TVideoProfile> TRealProfile::NewOfKind(const AnsiString& name, const AnsiString& filePath) const {
  return Make<TRealProfile>(name, filePath);
}

std::unique_ptr<TVideoProfile> CreateProfileOfFormat(const AnsiString& formatName, const AnsiString& name,
                                                     const AnsiString& filePath) {
  const AnsiString wanted = UpperCase(formatName);
  for (const TFormatEntry& format : kFormats) {
    if (wanted == format.kind.formatName) return format.make(name, filePath);
  }
  return nullptr;
}
