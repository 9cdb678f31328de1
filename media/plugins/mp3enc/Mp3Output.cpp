// mp3enc.dll: MP3 files written by LAME, with an ID3v2 tag (title and year) and the info
// frame; or the MP3 stream inside a RIFF WAVE file.
#include <lame/lame.h>

#include <array>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "media/plugins/common/AudioPlugin.h"
#include "media/plugins/common/BackgroundOutput.h"
#include "media/plugins/common/FileWriter.h"

namespace {

using audioplugin::AudioOutput;
using audioplugin::FileWriter;
using audioplugin::OutputRequest;
using audioplugin::ParamList;

// Parameter identifiers of the MP3 presets and settings dialog.
enum Mp3Param : std::int32_t {
  kMode = 0,            // 0 constant, 1 average, 2 variable bit rate
  kConstantKbps = 1,
  kAverageKbps = 2,
  kVbrMinKbps = 4,
  kVbrMaxKbps = 5,
  kChannelMode = 6,     // 0 stereo, 1 joint stereo, 2 forced mid/side, 3 mono; -1 automatic
  kQuality = 7,         // 0 slowest .. 9 fastest
  kOutputRate = 8,      // Hz; -1 automatic
  kFreeFormat = 10,
  kVbrMethod = 11,      // 0 old, 1 new
  kVbrQuality = 12,     // 0 highest .. 9 lowest
  kEnforceMinimum = 13,
  kVbrInfoTag = 14,
  kCopyright = 15,
  kOriginal = 16,
  kCrc = 17,
  kNoBitReservoir = 18,
  kStrictIso = 19,
  kPrivate = 21,
  kLowpass = 22,
  kLowpassHz = 23,
  kHighpass = 25,
  kHighpassHz = 26,
  kNoFilters = 28,
  kNoAth = 29,
  kOnlyAth = 30,
  kLowerAth = 31,
  kLowerAthDb = 32,
  kNoTemporalMasking = 33,
  kNoShortBlocks = 34,
  kRiffHeader = 40,
};

constexpr int kModeAverage = 1;
constexpr int kModeVariable = 2;
constexpr std::size_t kRiffHeaderSize = 58;
constexpr std::uint16_t kMpegLayer3Format = 0x55;

struct LameCloser {
  void operator()(lame_global_flags* lame) const { lame_close(lame); }
};

bool Flag(const ParamList& params, Mp3Param id) { return params.Get(id, 0) != 0; }

void Check(int answer) {
  if (answer < 0) throw std::runtime_error("LAME refused a setting");
}

void ApplyRateMode(lame_global_flags* lame, const ParamList& params) {
  const int mode = params.Get(kMode, 0);
  if (mode == kModeAverage) {
    Check(lame_set_VBR(lame, vbr_abr));
    Check(lame_set_VBR_mean_bitrate_kbps(lame, params.Get(kAverageKbps, 128)));
  } else if (mode == kModeVariable) {
    Check(lame_set_VBR(lame, params.Get(kVbrMethod, 1) == 0 ? vbr_rh : vbr_mtrh));
    Check(lame_set_VBR_q(lame, params.Get(kVbrQuality, 4)));
    if (const auto least = params.Find(kVbrMinKbps)) Check(lame_set_VBR_min_bitrate_kbps(lame, *least));
    if (const auto most = params.Find(kVbrMaxKbps)) Check(lame_set_VBR_max_bitrate_kbps(lame, *most));
    Check(lame_set_VBR_hard_min(lame, Flag(params, kEnforceMinimum)));
  } else {
    Check(lame_set_VBR(lame, vbr_off));
    Check(lame_set_brate(lame, params.Get(kConstantKbps, 128)));
    Check(lame_set_free_format(lame, Flag(params, kFreeFormat)));
  }
}

void ApplyChannelMode(lame_global_flags* lame, const ParamList& params, int channels) {
  switch (params.Get(kChannelMode, -1)) {
    case 0: Check(lame_set_mode(lame, channels == 1 ? MONO : STEREO)); break;
    case 1: Check(lame_set_mode(lame, channels == 1 ? MONO : JOINT_STEREO)); break;
    case 2:
      Check(lame_set_mode(lame, channels == 1 ? MONO : JOINT_STEREO));
      Check(lame_set_force_ms(lame, 1));
      break;
    case 3: Check(lame_set_mode(lame, MONO)); break;
    default: break;  // LAME chooses
  }
}

void ApplyFilters(lame_global_flags* lame, const ParamList& params) {
  if (Flag(params, kNoFilters)) {
    Check(lame_set_lowpassfreq(lame, -1));
    Check(lame_set_highpassfreq(lame, -1));
    return;
  }
  if (const auto lowpass = params.Find(kLowpass))
    Check(lame_set_lowpassfreq(lame, *lowpass != 0 ? params.Get(kLowpassHz, 0) : -1));
  if (Flag(params, kHighpass)) Check(lame_set_highpassfreq(lame, params.Get(kHighpassHz, 0)));
}

void ApplyAth(lame_global_flags* lame, const ParamList& params) {
  if (Flag(params, kNoAth)) {
    Check(lame_set_noATH(lame, 1));
    return;
  }
  if (Flag(params, kOnlyAth)) Check(lame_set_ATHonly(lame, 1));
  if (Flag(params, kLowerAth)) Check(lame_set_ATHlower(lame, static_cast<float>(params.Get(kLowerAthDb, 0))));
}

void ApplyStreamFlags(lame_global_flags* lame, const ParamList& params) {
  if (const auto quality = params.Find(kQuality)) Check(lame_set_quality(lame, *quality));
  const int rate = params.Get(kOutputRate, -1);
  Check(lame_set_out_samplerate(lame, rate > 0 ? rate : 0));
  Check(lame_set_copyright(lame, Flag(params, kCopyright)));
  Check(lame_set_original(lame, params.Get(kOriginal, 1) != 0));
  Check(lame_set_error_protection(lame, Flag(params, kCrc)));
  Check(lame_set_disable_reservoir(lame, Flag(params, kNoBitReservoir)));
  Check(lame_set_strict_ISO(lame, Flag(params, kStrictIso)));
  Check(lame_set_extension(lame, Flag(params, kPrivate)));
  Check(lame_set_useTemporal(lame, !Flag(params, kNoTemporalMasking)));
  Check(lame_set_no_short_blocks(lame, Flag(params, kNoShortBlocks)));
}

void PutLittleEndian(std::vector<unsigned char>& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void PutText(std::vector<unsigned char>& bytes, const char* text) { bytes.insert(bytes.end(), text, text + 4); }

class Mp3Output final : public AudioOutput {
 public:
  Mp3Output(const OutputRequest& request, AudioSampleBuffer& buffer)
      : lame_(lame_init()), channels_(audioplugin::OutputChannels(-1, request.inputChannels)), file_(request.path) {
    if (!lame_) throw std::bad_alloc();
    lame_global_flags* lame = lame_.get();
    const ParamList& params = request.params;
    riff_ = Flag(params, kRiffHeader);
    Check(lame_set_num_channels(lame, channels_));
    Check(lame_set_in_samplerate(lame, request.inputRate));
    ApplyRateMode(lame, params);
    ApplyChannelMode(lame, params, channels_);
    ApplyFilters(lame, params);
    ApplyAth(lame, params);
    ApplyStreamFlags(lame, params);
    // The info frame (with the encoder's delay and padding, so players and decoders know the
    // exact length) sits in front of the stream, which a RIFF header cannot have.
    vbrTag_ = !riff_ && params.Get(kVbrInfoTag, 1) != 0;
    Check(lame_set_bWriteVbrTag(lame, vbrTag_ ? 1 : 0));
    if (riff_) {
      lame_set_write_id3tag_automatic(lame, 0);
    } else {
      SetTags(request);
    }
    if (lame_init_params(lame) < 0) throw std::runtime_error("LAME refused the settings");
    if (riff_) file_.Write(RiffHeader(0).data(), kRiffHeaderSize);
    buffer.outputBits = 16;
    buffer.outputLayout = kSampleLayoutInterleaved;
    buffer.outputRate = request.inputRate;
    buffer.outputChannels = channels_;
  }

  void Encode(const std::int16_t* samples, int count) override {
    Reserve(count);
    const int made = channels_ == 2
                         ? lame_encode_buffer_interleaved(lame_.get(), const_cast<short*>(samples), count,
                                                          encoded_.data(), static_cast<int>(encoded_.size()))
                         : lame_encode_buffer(lame_.get(), samples, samples, count, encoded_.data(),
                                              static_cast<int>(encoded_.size()));
    Keep(made);
  }

  void Finish() override {
    Reserve(0);
    Keep(lame_encode_flush(lame_.get(), encoded_.data(), static_cast<int>(encoded_.size())));
    if (vbrTag_) lame_mp3_tags_fid(lame_.get(), file_.Handle());
    if (riff_) {
      const auto header = RiffHeader(static_cast<std::uint32_t>(file_.Size()));
      file_.WriteAt(0, header.data(), header.size());
    }
    file_.Close();
  }

 private:
  void SetTags(const OutputRequest& request) {
    lame_global_flags* lame = lame_.get();
    id3tag_init(lame);
    id3tag_add_v2(lame);
    id3tag_v2_only(lame);
    if (!request.title.empty()) id3tag_set_title(lame, request.title.c_str());
    if (!request.year.empty()) id3tag_set_year(lame, request.year.c_str());
  }

  // LAME's bound for `count` samples: 1.25 x count + 7200 bytes.
  void Reserve(int count) { encoded_.resize(static_cast<std::size_t>(count) * 5 / 4 + 7200); }

  void Keep(int made) {
    if (made < 0) throw std::runtime_error("LAME failed");
    file_.Write(encoded_.data(), static_cast<std::size_t>(made));
  }

  // RIFF WAVE with an MPEG layer 3 format chunk; `fileSize` 0 while it is unknown.
  std::vector<unsigned char> RiffHeader(std::uint32_t fileSize) const {
    lame_global_flags* lame = lame_.get();
    const auto rate = static_cast<std::uint32_t>(lame_get_out_samplerate(lame));
    const auto kbps = static_cast<std::uint32_t>(lame_get_VBR(lame) == vbr_off ? lame_get_brate(lame)
                                                                                : lame_get_VBR_mean_bitrate_kbps(lame));
    std::vector<unsigned char> bytes;
    PutText(bytes, "RIFF");
    PutLittleEndian(bytes, fileSize > 8 ? fileSize - 8 : 0, 4);
    PutText(bytes, "WAVE");
    PutText(bytes, "fmt ");
    PutLittleEndian(bytes, 30, 4);
    PutLittleEndian(bytes, kMpegLayer3Format, 2);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(lame_get_num_channels(lame)), 2);
    PutLittleEndian(bytes, rate, 4);
    PutLittleEndian(bytes, kbps * 1000 / 8, 4);  // bytes per second
    PutLittleEndian(bytes, 1, 2);                // block alignment
    PutLittleEndian(bytes, 0, 2);                // bits per sample
    PutLittleEndian(bytes, 12, 2);               // extra bytes
    PutLittleEndian(bytes, 1, 2);                // MPEGLAYER3_ID_MPEG
    PutLittleEndian(bytes, 2, 4);                // MPEGLAYER3_FLAG_PADDING_OFF
    PutLittleEndian(bytes, rate > 0 ? 144 * kbps * 1000 / rate : 0, 2);  // block size
    PutLittleEndian(bytes, 1, 2);                // frames per block
    PutLittleEndian(bytes, 1393, 2);             // codec delay
    PutText(bytes, "data");
    PutLittleEndian(bytes, fileSize > kRiffHeaderSize ? fileSize - kRiffHeaderSize : 0, 4);
    return bytes;
  }

  std::unique_ptr<lame_global_flags, LameCloser> lame_;
  int channels_;
  bool riff_ = false;
  bool vbrTag_ = false;
  FileWriter file_;
  std::vector<unsigned char> encoded_;
};

}  // namespace

extern "C" const AudioEncoderModule* MC_CALL GetEncoderModule() {
  return audioplugin::PluginModule("MP3 (LAME)", "mp3", &audioplugin::OpenInBackground<Mp3Output>);
}
