// oggenc.dll: Ogg Vorbis files written by libvorbis and libogg, with the comments TITLE and
// DATE.
#include <ogg/ogg.h>
#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>

#include <memory>
#include <stdexcept>

#include "media/plugins/common/AudioPlugin.h"
#include "media/plugins/common/BackgroundOutput.h"
#include "media/plugins/common/FileWriter.h"

namespace {

using audioplugin::AudioOutput;
using audioplugin::FileWriter;
using audioplugin::OutputRequest;
using audioplugin::ParamList;

// Parameter identifiers: the mode, the quality in hundredths (mode 0) or, in the presets'
// average rows, the nominal rate; the minimum and maximum (mode 1) and the nominal rate
// (modes 2 and 3) in kbit/s.
enum OggParam : std::int32_t { kMode = 0, kQuality = 1, kMinKbps = 2, kMaxKbps = 3, kNominalKbps = 4 };
enum OggMode : std::int32_t { kModeQuality = 0, kModeMinMax = 1, kModeAverage = 2, kModeConstant = 3 };

constexpr float kSampleScale = 1.0f / 32768.0f;
constexpr int kSerialNumber = 1;

long BitsPerSecond(int kbps) { return kbps > 0 ? 1000L * kbps : -1; }

// Sets up `info` for the request's mode; false when libvorbis refuses.
bool InitEncoder(vorbis_info* info, int channels, int rate, const ParamList& params) {
  const int mode = params.Get(kMode, kModeQuality);
  if (mode == kModeQuality) {
    const float quality = static_cast<float>(params.Get(kQuality, 400)) / 1000.0f;
    return vorbis_encode_init_vbr(info, channels, rate, quality) == 0;
  }
  if (mode == kModeMinMax) {
    return vorbis_encode_init(info, channels, rate, BitsPerSecond(params.Get(kMaxKbps, -1)), -1,
                              BitsPerSecond(params.Get(kMinKbps, -1))) == 0;
  }
  const long nominal = BitsPerSecond(params.Find(kNominalKbps).value_or(params.Get(kQuality, -1)));
  if (nominal <= 0) return false;
  if (mode == kModeAverage) return vorbis_encode_init(info, channels, rate, -1, nominal, -1) == 0;
  if (mode == kModeConstant) return vorbis_encode_init(info, channels, rate, nominal, nominal, nominal) == 0;
  return false;
}

// The libvorbis records, each cleared with its owner.
struct VorbisInfo {
  VorbisInfo() { vorbis_info_init(&value); }
  ~VorbisInfo() { vorbis_info_clear(&value); }
  vorbis_info value{};
};

struct VorbisComment {
  VorbisComment() { vorbis_comment_init(&value); }
  ~VorbisComment() { vorbis_comment_clear(&value); }
  vorbis_comment value{};
};

// The encoder state, its block and the Ogg stream, over an initialised `info`.
struct VorbisAnalysis {
  explicit VorbisAnalysis(vorbis_info* info) {
    if (vorbis_analysis_init(&state, info) != 0) throw std::runtime_error("libvorbis");
    vorbis_block_init(&state, &block);
    ogg_stream_init(&stream, kSerialNumber);
  }
  ~VorbisAnalysis() {
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&state);
  }
  vorbis_dsp_state state{};
  vorbis_block block{};
  ogg_stream_state stream{};
};

class OggOutput final : public AudioOutput {
 public:
  OggOutput(const OutputRequest& request, AudioSampleBuffer& buffer)
      : channels_(audioplugin::OutputChannels(-1, request.inputChannels)), file_(request.path) {
    if (!InitEncoder(&info_.value, channels_, request.inputRate, request.params))
      throw std::runtime_error("libvorbis refused the settings");
    if (!request.title.empty()) vorbis_comment_add_tag(&comment_.value, "TITLE", request.title.c_str());
    if (!request.year.empty()) vorbis_comment_add_tag(&comment_.value, "DATE", request.year.c_str());
    analysis_ = std::make_unique<VorbisAnalysis>(&info_.value);
    WriteHeaders();
    buffer.outputBits = 16;
    buffer.outputLayout = kSampleLayoutInterleaved;
    buffer.outputRate = request.inputRate;
    buffer.outputChannels = channels_;
  }

  void Encode(const std::int16_t* samples, int count) override {
    float** planes = vorbis_analysis_buffer(&analysis_->state, count);
    for (int i = 0; i < count; ++i)
      for (int c = 0; c < channels_; ++c) planes[c][i] = samples[i * channels_ + c] * kSampleScale;
    if (vorbis_analysis_wrote(&analysis_->state, count) != 0) throw std::runtime_error("libvorbis");
    WriteBlocks();
  }

  void Finish() override {
    if (vorbis_analysis_wrote(&analysis_->state, 0) != 0) throw std::runtime_error("libvorbis");
    WriteBlocks();
    file_.Close();
  }

 private:
  void WriteHeaders() {
    ogg_packet header, commentHeader, codebooks;
    if (vorbis_analysis_headerout(&analysis_->state, &comment_.value, &header, &commentHeader, &codebooks) != 0)
      throw std::runtime_error("libvorbis headers");
    ogg_stream_packetin(&analysis_->stream, &header);
    ogg_stream_packetin(&analysis_->stream, &commentHeader);
    ogg_stream_packetin(&analysis_->stream, &codebooks);
    // The audio starts on a page of its own.
    ogg_page page;
    while (ogg_stream_flush(&analysis_->stream, &page) != 0) WritePage(page);
  }

  void WriteBlocks() {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&analysis_->state, &analysis_->block) == 1) {
      if (vorbis_analysis(&analysis_->block, nullptr) != 0 || vorbis_bitrate_addblock(&analysis_->block) != 0)
        throw std::runtime_error("libvorbis");
      while (vorbis_bitrate_flushpacket(&analysis_->state, &packet) == 1) {
        ogg_stream_packetin(&analysis_->stream, &packet);
        while (ogg_stream_pageout(&analysis_->stream, &page) != 0) WritePage(page);
      }
    }
    if (ogg_stream_eos(&analysis_->stream) != 0)
      while (ogg_stream_flush(&analysis_->stream, &page) != 0) WritePage(page);
  }

  void WritePage(const ogg_page& page) {
    file_.Write(page.header, static_cast<std::size_t>(page.header_len));
    file_.Write(page.body, static_cast<std::size_t>(page.body_len));
  }

  int channels_;
  FileWriter file_;
  VorbisInfo info_;
  VorbisComment comment_;
  std::unique_ptr<VorbisAnalysis> analysis_;
};

}  // namespace

extern "C" const AudioEncoderModule* MC_CALL GetEncoderModule() {
  return audioplugin::PluginModule("Ogg Vorbis", "ogg", &audioplugin::OpenInBackground<OggOutput>);
}
