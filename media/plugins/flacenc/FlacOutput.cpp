// flacenc.dll: FLAC files written by libFLAC at compression level 5, in the input's rate
// and channels, with the comments TITLE and DATE.
#include <FLAC/metadata.h>
#include <FLAC/stream_encoder.h>

#include <stdexcept>
#include <vector>

#include "media/plugins/common/AudioPlugin.h"
#include "media/plugins/common/BackgroundOutput.h"
#include "media/plugins/common/FileWriter.h"

namespace {

using audioplugin::AudioOutput;
using audioplugin::FileWriter;
using audioplugin::OutputRequest;

constexpr unsigned kCompressionLevel = 5;
constexpr unsigned kBitsPerSample = 16;

struct EncoderDeleter {
  void operator()(FLAC__StreamEncoder* encoder) const { FLAC__stream_encoder_delete(encoder); }
};
struct MetadataDeleter {
  void operator()(FLAC__StreamMetadata* metadata) const { FLAC__metadata_object_delete(metadata); }
};

void AddComment(FLAC__StreamMetadata* comments, const char* name, const std::string& value) {
  if (value.empty()) return;
  FLAC__StreamMetadata_VorbisComment_Entry entry;
  if (!FLAC__metadata_object_vorbiscomment_entry_from_name_value_pair(&entry, name, value.c_str()) ||
      !FLAC__metadata_object_vorbiscomment_append_comment(comments, entry, false)) {
    throw std::runtime_error("FLAC comment");
  }
}

class FlacOutput final : public AudioOutput {
 public:
  FlacOutput(const OutputRequest& request, AudioSampleBuffer& buffer)
      : channels_(audioplugin::OutputChannels(-1, request.inputChannels)),
        comments_(FLAC__metadata_object_new(FLAC__METADATA_TYPE_VORBIS_COMMENT)),
        encoder_(FLAC__stream_encoder_new()) {
    if (!encoder_ || !comments_) throw std::bad_alloc();
    FLAC__StreamEncoder* encoder = encoder_.get();
    AddComment(comments_.get(), "TITLE", request.title);
    AddComment(comments_.get(), "DATE", request.year);
    FLAC__StreamMetadata* metadata[] = {comments_.get()};
    const bool set = FLAC__stream_encoder_set_channels(encoder, static_cast<unsigned>(channels_)) &&
                     FLAC__stream_encoder_set_bits_per_sample(encoder, kBitsPerSample) &&
                     FLAC__stream_encoder_set_sample_rate(encoder, static_cast<unsigned>(request.inputRate)) &&
                     FLAC__stream_encoder_set_compression_level(encoder, kCompressionLevel) &&
                     FLAC__stream_encoder_set_metadata(encoder, metadata, 1);
    if (!set) throw std::runtime_error("libFLAC refused the settings");
    // The encoder owns the file and closes it when it finishes or is deleted.
    if (FLAC__stream_encoder_init_FILE(encoder, FileWriter(request.path).Release(), nullptr, nullptr) !=
        FLAC__STREAM_ENCODER_INIT_STATUS_OK) {
      throw std::runtime_error("libFLAC cannot start");
    }
    buffer.outputBits = 16;
    buffer.outputLayout = kSampleLayoutInterleaved;
    buffer.outputRate = request.inputRate;
    buffer.outputChannels = channels_;
  }

  void Encode(const std::int16_t* samples, int count) override {
    widened_.assign(samples, samples + static_cast<std::ptrdiff_t>(count) * channels_);
    if (!FLAC__stream_encoder_process_interleaved(encoder_.get(), widened_.data(), static_cast<unsigned>(count)))
      throw std::runtime_error("libFLAC failed");
  }

  void Finish() override {
    if (!FLAC__stream_encoder_finish(encoder_.get())) throw std::runtime_error("libFLAC could not finish");
  }

 private:
  int channels_;
  // The encoder reads the comments until it is deleted.
  std::unique_ptr<FLAC__StreamMetadata, MetadataDeleter> comments_;
  std::unique_ptr<FLAC__StreamEncoder, EncoderDeleter> encoder_;
  std::vector<FLAC__int32> widened_;
};

}  // namespace

extern "C" const AudioEncoderModule* MC_CALL GetEncoderModule() {
  return audioplugin::PluginModule("FLAC", "flac", &audioplugin::OpenInBackground<FlacOutput>);
}
