#include "engine/Pluginencoderobjects.h"

#include <array>
#include <cstring>
#include <string>

#include "classlib/runtime/SysUtils.h"
#include "engine/Realencoderdllwarper.h"
#include "engine/Encoderwrappers.h"
#include "engine/Videoprofilekinds.h"
#include "engine/Wmvencoderdllwarper.h"

namespace {

// The plug-ins take I420 pictures.
constexpr std::int32_t kPluginPixelFormat = PixelFormatI420;
constexpr std::int32_t kWMVSizeMultiple = 2;
constexpr std::int32_t kRealSizeMultiple = 4;
constexpr std::int32_t kAudioBufferWindowMs = 1000;
constexpr std::int32_t kVideoBufferWindowMs = 10000;
constexpr std::int32_t kSecondsPerKeyFrame = 8;
constexpr std::int32_t kFullQuality = 100;

TFrameConverterEntries& ConverterEntries() {
  static TFrameConverterEntries entries{&CreateFrameConverter, &ReleaseFrameConverter};
  return entries;
}

constexpr std::array<TCodecEncoderKind, 2> kPluginEncoderKinds{{
    {4, &BuildEncoderOfKind<TWMVEncoderObject, TWMVProfile>},
    {5, &BuildEncoderOfKind<TRealEncoderObject, TRealProfile>},
}};

// A name the plug-in wrote into a buffer of ours.
using TNameBuffer = std::array<char, kPluginNameBufferSize>;

std::string Trimmed(const char* text) { return Trim(AnsiString(text)).c_str(); }
std::string Trimmed(const AnsiString& text) { return Trim(text).c_str(); }

// The first index below `count` whose name (read by `read` into a fresh buffer) `accepts`;
// 0 when none does.
template <typename Read, typename Accept>
std::int32_t FirstAccepted(std::int32_t count, Read&& read, Accept&& accepts) {
  for (std::int32_t i = 0; i < count; ++i) {
    TNameBuffer name{};
    read(i, name.data());
    if (accepts(std::string(name.data()))) return i;
  }
  return 0;
}

// `base` followed by "." and a digit from `first` to '9'.
bool IsPointRelease(const std::string& name, const std::string& base, char first) {
  return name.size() == base.size() + 2 && name.compare(0, base.size(), base) == 0 && name[base.size()] == '.' &&
         name.back() >= first && name.back() <= '9';
}

// "Windows Media Audio 10", 9 or 8, alone or followed by ".0" to ".9".
bool IsAcceptedAudioCodec(const std::string& name) {
  for (const char* version : {"10", "9", "8"}) {
    const std::string base = std::string("Windows Media Audio ") + version;
    if (name == base || IsPointRelease(name, base, '0')) return true;
  }
  return false;
}

// "Windows Media Video N", "... N.1" to "... N.9" and "... VN.1" to "... VN.9".
bool IsVideoFamily(const std::string& name, int family) {
  const std::string plain = "Windows Media Video " + std::to_string(family);
  const std::string marked = "Windows Media Video V" + std::to_string(family);
  return name == plain || IsPointRelease(name, plain, '1') || IsPointRelease(name, marked, '1');
}

// "WMV_Version" 0 takes families 7 to 9, 1 takes 8 and 9, 2 takes 9, anything else none.
bool IsAcceptedVideoCodec(const std::string& name, int version) {
  if (version < 0 || version > 2) return false;
  for (int family = 7 + version; family <= 9; ++family) {
    if (IsVideoFamily(name, family)) return true;
  }
  return false;
}

// A RealAudio codec name as a profile names it: the first "(music)" taken out, trimmed.
std::string RealAudioProfileName(std::string name) {
  const std::size_t music = name.find("(music)");
  if (music != std::string::npos) name.erase(music, std::strlen("(music)"));
  return Trimmed(name.c_str());
}

bool IsSkippedRealAudioCodec(const std::string& name) {
  return name.find("(voice)") != std::string::npos || name.find("Multichannel") != std::string::npos;
}

std::int32_t RealVideoCodecCode(std::uint8_t version) {
  switch (version) {
    case 0:
      return 2;
    case 1:
      return 1;
    default:
      return 0;
  }
}

}  // namespace

TFrameConverterEntries SetFrameConverterEntries(const TFrameConverterEntries& entries) {
  const TFrameConverterEntries previous = ConverterEntries();
  ConverterEntries() = entries;
  return previous;
}

std::span<const TCodecEncoderKind> PluginEncoderKinds() { return kPluginEncoderKinds; }

RealManualSettings RealManualSettingsOf(const TRealProfile& profile, std::int32_t audioCodecIndex) {
  RealManualSettings block{};
  const std::int32_t kbps = profile.VideoBitrate / 1000;
  block.useVbr = profile.UseVBR ? 1 : 0;
  block.videoCodec = RealVideoCodecCode(profile.RealVersion);
  block.noiseFilter = profile.VideoNoiseReduction ? 0 : 2;
  block.frameRate = profile.FrameRate;
  block.videoKbps = kbps;
  block.maxVideoKbps = profile.UseVBR ? profile.VideoVBRMaxBitrate / 1000 : kbps;
  block.averageVideoKbps = kbps;
  block.quality = 90;
  block.audioCodecIndex = audioCodecIndex;
  block.maxKeyFrameSeconds = 4.0;
  block.maxStartupLatency = 10.0;
  block.rateMode = profile.UseVBR ? 2 : 0;
  block.flag68 = 1;
  block.flag69 = 1;
  return block;
}

// --- What both kinds share --------------------------------------------------------------

TPluginEncoderObject::TPluginEncoderObject(const TEncoderObjectArgs& args)
    : TEncoderObject(args), Converter(ConverterEntries().Create()) {}

TPluginEncoderObject::~TPluginEncoderObject() {
  if (Converter != nullptr) ConverterEntries().Release(Converter);
}

void TPluginEncoderObject::SetupConverter(const TVideoProfile& profile, std::int32_t multiple) {
  const std::int32_t width = profile.Width != 0 ? profile.Width : SourceWidth - CropLeft - CropRight;
  const std::int32_t height = profile.Height != 0 ? profile.Height : SourceHeight - CropTop - CropBottom;
  OutputWidth = width / multiple * multiple;
  OutputHeight = height / multiple * multiple;
  if (Converter == nullptr) return;
  Converter->Setup(OutputWidth, OutputHeight, SourceWidth, SourceHeight, SourcePixelFormat, FixAspectRatio ? 1 : 0,
                   CropLeft, CropRight, CropTop, CropBottom, Spare[0], Spare[1], Spare[2], Spare[3]);
}

const void* TPluginEncoderObject::ConvertFrame(const void* pixels) {
  if (Converter == nullptr || Converter->Convert(pixels) == 0) return nullptr;
  return Converter->GetOutput();
}

// --- WMV --------------------------------------------------------------------------------

WM9EncoderDllWarper* TWMVEncoderObject::Plugin() {
  return WMVEncoderWrapper();
}

TWMVEncoderObject::~TWMVEncoderObject() {
  if (WM9EncoderDllWarper* plugin = Plugin()) plugin->EndEncoding();
}

void TWMVEncoderObject::ChooseAudio(WM9EncoderDllWarper& plugin, const TWMVProfile& profile) {
  const std::int32_t codec = FirstAccepted(
      plugin.GetAudioCodecCount(), [&](std::int32_t i, char* name) { plugin.GetAudioCodecName(i, name); },
      IsAcceptedAudioCodec);
  const std::string wanted = profile.AudioFormatName.c_str();
  const std::int32_t format = FirstAccepted(
      plugin.GetAudioFormatCount(codec), [&](std::int32_t i, char* name) { plugin.GetAudioFormat(codec, i, name); },
      [&](const std::string& name) { return Trimmed(name.c_str()) == wanted; });
  plugin.SetAudioCodecAndFormat(codec, format);
}

void TWMVEncoderObject::ChooseVideoCodec(WM9EncoderDllWarper& plugin, const TWMVProfile& profile) {
  plugin.SetVideoCodec(FirstAccepted(
      plugin.GetVideoCodecCount(), [&](std::int32_t i, char* name) { plugin.GetVideoCodecName(i, name); },
      [&](const std::string& name) { return IsAcceptedVideoCodec(Trimmed(name.c_str()), profile.WMVVersion); }));
}

void TWMVEncoderObject::ChooseSystemProfile(WM9EncoderDllWarper& plugin, const TWMVProfile& profile) {
  std::int32_t index = 0;
  if (profile.UseSystemProfile) {
    const std::string wanted = Trimmed(profile.SystemProfileName);
    index = FirstAccepted(
        plugin.GetUseSystemProfileCount(), [&](std::int32_t i, char* name) { plugin.GetUseSystemProfileName(i, name); },
        [&](const std::string& name) { return Trimmed(name.c_str()) == wanted; });
  }
  plugin.SetUseSystemProfile(profile.UseSystemProfile ? 1 : 0, index);
}

void TWMVEncoderObject::ApplyProfile(const TWMVProfile& profile) {
  SetupConverter(profile, kWMVSizeMultiple);
  WM9EncoderDllWarper* plugin = Plugin();
  if (plugin == nullptr) return;
  plugin->SetUseSMPTEStream(0);
  plugin->SetLanguage(0);
  plugin->SetAudioUseUncompressed(0);
  ChooseAudio(*plugin, profile);
  plugin->SetAudioBufferWindow(kAudioBufferWindowMs);
  plugin->SetVideoUseUncompressed(0);
  ChooseVideoCodec(*plugin, profile);
  plugin->SetVideoUseVBR(profile.UseVBR ? 1 : 0);
  plugin->SetVideoVBRMode(profile.UseVBR ? 1 : 0);
  plugin->SetVideoQuality(kFullQuality);
  plugin->SetVideoBitrate(profile.VideoBitrate);
  if (profile.UseVBR) {
    plugin->SetVideoVBRQuality(profile.VBRVideoQuality);
    plugin->SetVideoVBRMaxBitrate(0);
    plugin->SetVideoVBRMaxBuffer(0);
  }
  plugin->SetVideoBufferWindow(kVideoBufferWindowMs);
  plugin->SetVideoFPS(profile.FrameRate);
  plugin->SetVideoSecsKeyframe(kSecondsPerKeyFrame);
  ChooseSystemProfile(*plugin, profile);
  plugin->SetVideoWidth(OutputWidth);
  plugin->SetVideoHeight(OutputHeight);
  plugin->SetInputParms(NoVideo ? 0 : 1, DisableAudio ? 0 : 1, OutputWidth, OutputHeight, SourceFrameRate,
                        kPluginPixelFormat, SourceSampleRate, SourceChannels);
  plugin->SetupDestinationFile(OutputPath.c_str());
}

bool TWMVEncoderObject::Open() {
  WM9EncoderDllWarper* plugin = Plugin();
  if (plugin == nullptr || Converter == nullptr) return false;
  plugin->SetVideoTag(Title.c_str(), Author.c_str(), Copyright.c_str(), Comment.c_str(), "");
  return plugin->BeginEncoding() != 0;
}

bool TWMVEncoderObject::Close() {
  WM9EncoderDllWarper* plugin = Plugin();
  return plugin != nullptr && plugin->EndEncoding() != 0;
}

bool TWMVEncoderObject::EncodeVideoFrame(const void* pixels, double start, double /*end*/) {
  WM9EncoderDllWarper* plugin = Plugin();
  const void* picture = plugin != nullptr ? ConvertFrame(pixels) : nullptr;
  return picture != nullptr && plugin->EncodeVideoSample(picture, start) != 0;
}

bool TWMVEncoderObject::EncodeAudioSamples(const void* samples, std::int32_t bytes, double start, double /*end*/) {
  WM9EncoderDllWarper* plugin = Plugin();
  return plugin != nullptr && Converter != nullptr && plugin->EncodeAudioSample(samples, bytes, start) != 0;
}

std::int64_t TWMVEncoderObject::GetOutputSize() {
  WM9EncoderDllWarper* plugin = Plugin();
  return plugin != nullptr ? static_cast<std::int64_t>(plugin->GetOutputSize()) : 0;
}

// --- RealMedia --------------------------------------------------------------------------

RealEncoderDllWarper* TRealEncoderObject::Plugin() {
  return RealEncoderWrapper();
}

TRealEncoderObject::~TRealEncoderObject() { Close(); }

void TRealEncoderObject::ApplyProfile(const TRealProfile& profile) {
  SetupConverter(profile, kRealSizeMultiple);
  RealEncoderDllWarper* plugin = Plugin();
  if (plugin == nullptr) return;
  plugin->ResetHandle();
  plugin->SetInputParms(NoVideo ? 0 : 1, DisableAudio ? 0 : 1, OutputWidth, OutputHeight, SourceFrameRate,
                        kPluginPixelFormat, SourceSampleRate, SourceChannels);
  if (plugin->SetupDestinationFile(OutputPath.c_str()) == 0 || plugin->SetupMediaProfile(0, 0) == 0) return;
  plugin->SetParamsMode(1);
  const std::string wanted = Trimmed(profile.AudioFormatName);
  const std::int32_t audioCodec = FirstAccepted(
      plugin->GetAudioCodecCount(), [&](std::int32_t i, char* name) { plugin->GetAudioCodecName(i, name); },
      [&](const std::string& name) { return !IsSkippedRealAudioCodec(name) && RealAudioProfileName(name) == wanted; });
  const RealManualSettings block = RealManualSettingsOf(profile, audioCodec);
  plugin->SetManualSettingsParams(&block);
  plugin->SetUse2Pass(0);
}

bool TRealEncoderObject::Open() {
  RealEncoderDllWarper* plugin = Plugin();
  if (plugin == nullptr || Converter == nullptr) return false;
  if (plugin->SetupTag(Title.c_str(), Author.c_str(), Copyright.c_str(), Comment.c_str(), "") == 0) return false;
  if (plugin->BeginEncoding() == 0) return false;
  Closed = false;
  return true;
}

bool TRealEncoderObject::Close() {
  if (Closed) return true;
  Closed = true;
  RealEncoderDllWarper* plugin = Plugin();
  return plugin != nullptr && plugin->EndEncoding() != 0;
}

bool TRealEncoderObject::EncodeVideoFrame(const void* pixels, double start, double end) {
  RealEncoderDllWarper* plugin = Plugin();
  const void* picture = plugin != nullptr && !Closed ? ConvertFrame(pixels) : nullptr;
  return picture != nullptr && plugin->EncodeVideoSample(picture, start, end) != 0;
}

bool TRealEncoderObject::EncodeAudioSamples(const void* samples, std::int32_t bytes, double start, double end) {
  RealEncoderDllWarper* plugin = Plugin();
  return plugin != nullptr && !Closed && plugin->EncodeAudioSample(samples, bytes, start, end) != 0;
}

std::int64_t TRealEncoderObject::GetOutputSize() {
  RealEncoderDllWarper* plugin = Plugin();
  return plugin != nullptr ? static_cast<std::int64_t>(plugin->GetOutputSize() * 1024.0 * 1024.0) : 0;
}
