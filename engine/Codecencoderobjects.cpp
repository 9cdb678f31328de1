#include "engine/Codecencoderobjects.h"

#include <array>
#include <cstring>

#include "classlib/runtime/SysUtils.h"
#include "engine/Videoprofilekinds.h"

namespace {

template <std::size_t N>
const char* NameAt(const std::array<const char*, N>& names, int index, const char* fallback) {
  return index >= 0 && index < static_cast<int>(N) ? names[index] : fallback;
}

constexpr std::array<const char*, 10> kAVIVideoCodecs{"mpeg4",     "xvid",      "xvid",    "msmpeg4v1", "msmpeg4v2",
                                                      "msmpeg4",   "mjpeg",     "h264",    "zlib",      "rawvideo"};
constexpr std::array<const char*, 6> kMP4VideoCodecs{"mpeg4", "xvid", "xvid", "h264", "mpeg4", "mpeg4"};
constexpr std::array<const char*, 6> kMOVVideoCodecs{"mpeg4", "xvid", "xvid", "h264", "mjpeg", "svq1"};
constexpr std::array<const char*, 3> k3GPVideoCodecs{"h263", "mpeg4", "xvid"};
constexpr std::array<const char*, 9> kAVIAudioCodecs{"mp3",       "pcm_s16le", "adpcm_ms", "pcm_alaw", "pcm_mulaw",
                                                     "ac3",       "mp2",       "vorbis",   "aac"};
constexpr std::array<const char*, 3> kMPEGAudioCodecs{"mp2", "ac3", "pcm_s16le"};
constexpr std::array<const char*, 2> k3GPAudioCodecs{"amr_nb", "amr_wb"};

// Index 1 of the AVI, MP4 and MOV codec lists is Xvid written with the DivX tag.
constexpr int kDivxTaggedIndex = 1;

std::int32_t AlignTowardZero(std::int32_t value, std::int32_t multiple) { return value - value % multiple; }

constexpr std::array<TCodecEncoderKind, 6> kCodecEncoderKinds{{
    {0, &BuildEncoderOfKind<T3GPEncoderObject, T3GPProfile>},
    {1, &BuildEncoderOfKind<TAVIEncoderObject, TAVIProfile>},
    {2, &BuildEncoderOfKind<TMPEGEncoderObject, TMPEGProfile>},
    {3, &BuildEncoderOfKind<TMP4EncoderObject, TMP4Profile>},
    {6, &BuildEncoderOfKind<TMOVEncoderObject, TMOVProfile>},
    {7, &BuildEncoderOfKind<TFLVEncoderObject, TFLVProfile>},
}};

TEncoderContextEntries& ContextEntries() {
  static TEncoderContextEntries entries{&CreateEncoderContext, &ReleaseEncoderContext};
  return entries;
}

}  // namespace

TEncoderContextEntries SetEncoderContextEntries(const TEncoderContextEntries& entries) {
  const TEncoderContextEntries previous = ContextEntries();
  ContextEntries() = entries;
  return previous;
}

const char* AVIVideoCodecName(int index) { return NameAt(kAVIVideoCodecs, index, "mpeg4"); }
const char* IsoMediaVideoCodecName(int index, bool quickTime) {
  return quickTime ? NameAt(kMOVVideoCodecs, index, "mpeg4") : NameAt(kMP4VideoCodecs, index, "mpeg4");
}
const char* ThreeGPVideoCodecName(int index) { return NameAt(k3GPVideoCodecs, index, "mpeg4"); }
const char* AVIAudioCodecName(int index) { return NameAt(kAVIAudioCodecs, index, "mp3"); }
const char* MPEGAudioCodecName(int index) { return NameAt(kMPEGAudioCodecs, index, "mp2"); }
const char* ThreeGPAudioCodecName(int index) { return NameAt(k3GPAudioCodecs, index, "aac"); }

std::span<const TCodecEncoderKind> CodecEncoderKinds() { return kCodecEncoderKinds; }

// ---------------------------------------------------------------------------------------

TCodecEncoderObject::TCodecEncoderObject(const TEncoderObjectArgs& args)
    : TEncoderObject(args), Context(ContextEntries().Create(args.OutputPath.c_str())) {}

TCodecEncoderObject::~TCodecEncoderObject() { Close(); }

void TCodecEncoderObject::ReleaseContext() {
  ContextEntries().Release(Context);
  Context = nullptr;
}

bool TCodecEncoderObject::Check(std::int32_t answer) {
  if (answer == kCallOk) return true;
  ReleaseContext();
  return false;
}

bool TCodecEncoderObject::SetFormat(const char* container) {
  return Context != nullptr && Check(Context->SetFormat(container));
}

bool TCodecEncoderObject::SetOption(const char* name, const AnsiString& value) {
  return Context != nullptr && Check(Context->SetOption(name, value.c_str()));
}

bool TCodecEncoderObject::SetVideoCodec(const char* codec) {
  if (NoVideo) return Context != nullptr;
  return Context != nullptr && Check(Context->SetVideoCodec(codec));
}

bool TCodecEncoderObject::SetVideoCodecWithTag(const char* codec, bool divxTag) {
  return SetVideoCodec(codec) && (NoVideo || !divxTag || SetOption("vcodecTag", "DIVX"));
}

bool TCodecEncoderObject::SetCommonSwitches(bool bitexact) {
  return (!bitexact || SetOption("bitexact", "1")) && (!FixAspectRatio || SetOption("fix_aspect_ratio", "1"));
}

bool TCodecEncoderObject::SetGeometry(const TVideoProfile& profile, TSizeAlignment alignment, std::int32_t bitrate,
                                      double frameRate) {
  if (NoVideo) return Context != nullptr;
  std::int32_t width = profile.Width != 0 ? profile.Width : SourceWidth - CropLeft - CropRight;
  std::int32_t height = profile.Height != 0 ? profile.Height : SourceHeight - CropTop - CropBottom;
  if (alignment != TSizeAlignment::Unchanged) {
    const std::int32_t multiple = alignment == TSizeAlignment::Multiple16 ? 16 : 2;
    width = AlignTowardZero(width, multiple);
    height = AlignTowardZero(height, multiple);
  }
  return Context != nullptr &&
         Check(Context->SetVideoParams(width, height, bitrate, frameRate, SourceWidth, SourceHeight,
                                       SourcePixelFormat, CropLeft, CropRight, CropTop, CropBottom, Spare[0],
                                       Spare[1], Spare[2], Spare[3]));
}

bool TCodecEncoderObject::SetRateControl(bool useVbr, std::int32_t vbrMax, std::int32_t vbrMin, std::int32_t bitrate) {
  if (NoVideo) return Context != nullptr;
  const AnsiString maxRate = IntToStr(useVbr ? vbrMax : bitrate);
  const AnsiString minRate = IntToStr(useVbr ? vbrMin : bitrate);
  return SetOption("video_rc_max_rate", maxRate) && SetOption("video_rc_min_rate", minRate) &&
         SetOption("video_rc_buffer_size", maxRate);
}

bool TCodecEncoderObject::SetAudio(const char* codec, std::int32_t frequency, std::int32_t channels,
                                   std::int32_t bitrate) {
  if (DisableAudio) return Context != nullptr;
  return Context != nullptr && Check(Context->SetAudioCodec(codec)) &&
         Check(Context->SetAudioParams(frequency, channels, bitrate, SourceSampleRate, SourceChannels));
}

bool TCodecEncoderObject::SetAdditionalParams(const TVideoProfile& profile) {
  const TStringList* names = profile.AdditionalParamNames();
  const TStringList* values = profile.AdditionalParamValues();
  for (int i = 0; i < names->Count(); ++i) {
    const AnsiString name = names->Strings(i);
    const AnsiString value = values->Strings(i);
    const bool ok = std::strcmp(name.c_str(), "f") == 0 ? SetFormat(value.c_str()) : SetOption(name.c_str(), value);
    if (!ok) return false;
  }
  return Context != nullptr;
}

bool TCodecEncoderObject::Open() {
  if (Context == nullptr) return false;
  const bool tagged = SetOption("str_title", Title) && SetOption("str_author", Author) &&
                      SetOption("str_copyright", Copyright) && SetOption("str_comment", Comment) &&
                      SetOption("rec_timestamp", Year);
  if (!tagged) return false;
  if (Context->Open() == kCallOk) return true;
  Context->Close();
  ReleaseContext();
  return false;
}

bool TCodecEncoderObject::Close() {
  if (Context == nullptr) return true;
  const bool finished = Context->Close() == kCallOk;
  ReleaseContext();
  return finished;
}

bool TCodecEncoderObject::EncodeVideoFrame(const void* pixels, double start, double /*end*/) {
  return Context != nullptr && Context->EncodeVideo(pixels, start) == kCallOk;
}

bool TCodecEncoderObject::EncodeAudioSamples(const void* samples, std::int32_t bytes, double start, double /*end*/) {
  if (DisableAudio) return true;
  return Context != nullptr && Context->EncodeAudio(samples, bytes, start) == kCallOk;
}

std::int64_t TCodecEncoderObject::GetOutputSize() { return Context != nullptr ? Context->GetOutputSize() : 0; }

// ---------------------------------------------------------------------------------------

bool TAVIEncoderObject::ApplyProfile(const TAVIProfile& profile) {
  const char* codec = AVIVideoCodecName(profile.AVIVideoCodec);
  const bool h264 = std::strcmp(codec, "h264") == 0;
  return SetFormat("avi") && SetCommonSwitches(true) &&
         SetGeometry(profile, h264 ? TSizeAlignment::Multiple16 : TSizeAlignment::Even, profile.VideoBitrate,
                     profile.FrameRate) &&
         SetVideoCodecWithTag(codec, profile.AVIVideoCodec == kDivxTaggedIndex) &&
         SetRateControl(profile.UseVBR, profile.VideoVBRMaxBitrate, profile.VideoVBRMinBitrate,
                        profile.VideoBitrate) &&
         SetAudio(AVIAudioCodecName(profile.AVIAudioCodec), profile.AudioFrequency, profile.AudioChannels,
                  profile.AudioBitrate) &&
         SetAdditionalParams(profile);
}

bool TMPEGEncoderObject::ApplyProfile(const TMPEGProfile& profile) {
  const bool mpeg1 = profile.MPEGVersion == 0;
  return SetFormat(mpeg1 ? "mpeg" : "dvd") && SetVideoCodec(mpeg1 ? "mpeg1video" : "mpeg2video") &&
         SetCommonSwitches(false) &&
         SetGeometry(profile, TSizeAlignment::Even, profile.VideoBitrate, profile.FrameRate) &&
         SetRateControl(profile.UseVBR, profile.VideoVBRMaxBitrate, profile.VideoVBRMinBitrate,
                        profile.VideoBitrate) &&
         SetAudio(MPEGAudioCodecName(profile.MPEGAudioType), profile.AudioFrequency, profile.AudioChannels,
                  profile.AudioBitrate) &&
         SetAdditionalParams(profile);
}

bool T3GPEncoderObject::ApplyProfile(const T3GPProfile& profile) {
  return SetFormat(profile.Format3GP != 0 ? "3g2" : "3gp") && SetCommonSwitches(true) &&
         SetGeometry(profile, TSizeAlignment::Unchanged, profile.VideoBitrate, profile.FrameRate) &&
         SetVideoCodec(ThreeGPVideoCodecName(profile.VideoCodec)) &&
         SetOption("video_bit_rate_tolerance", IntToStr(profile.VideoBitrateTolerance)) &&
         SetAudio(ThreeGPAudioCodecName(profile.AudioCodec), profile.AudioFrequency, profile.AudioChannels,
                  profile.AudioBitrate) &&
         SetAdditionalParams(profile);
}

bool TIsoMediaEncoderObject::ApplyIsoMediaProfile(const TIsoMediaProfile& profile, const char* container,
                                                  bool quickTime) {
  const char* codec = IsoMediaVideoCodecName(profile.VideoCodec, quickTime);
  const bool h264 = std::strcmp(codec, "h264") == 0;
  return SetFormat(container) && SetCommonSwitches(true) &&
         SetGeometry(profile, h264 ? TSizeAlignment::Multiple16 : TSizeAlignment::Even, profile.VideoBitrate,
                     profile.FrameRate) &&
         SetVideoCodecWithTag(codec, profile.VideoCodec == kDivxTaggedIndex) &&
         SetRateControl(profile.UseVBR, profile.VideoVBRMaxBitrate, profile.VideoVBRMinBitrate,
                        profile.VideoBitrate) &&
         SetAudio("aac", profile.AudioFrequency, profile.AudioChannels, profile.AudioBitrate) &&
         SetAdditionalParams(profile);
}

bool TMP4EncoderObject::ApplyProfile(const TIsoMediaProfile& profile) {
  return ApplyIsoMediaProfile(profile, "mp4", false);
}

bool TMOVEncoderObject::ApplyProfile(const TIsoMediaProfile& profile) {
  return ApplyIsoMediaProfile(profile, "mov", true);
}

bool TFLVEncoderObject::ApplyProfile(const TFLVProfile& profile) {
  return SetFormat("flv") && SetCommonSwitches(true) &&
         SetGeometry(profile, TSizeAlignment::Even, profile.VideoBitrate, profile.FrameRate) &&
         SetVideoCodec("flv") &&
         SetAudio("mp3", profile.AudioFrequency, profile.AudioChannels, profile.AudioBitrate) &&
         SetAdditionalParams(profile);
}
