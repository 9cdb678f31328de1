#include "ToneWriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <stdexcept>

extern "C" {
#include <FLAC/stream_encoder.h>
#include <lame/lame.h>
#include <vorbis/vorbisenc.h>
}

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File Create(const std::string& path) {
  File file(std::fopen(path.c_str(), "wb"));
  if (!file) throw std::runtime_error("cannot create " + path);
  return file;
}

void Put(std::FILE* f, const void* data, size_t size) {
  if (size && std::fwrite(data, 1, size, f) != size) throw std::runtime_error("write failed");
}

void PutLittleEndian(std::FILE* f, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) std::fputc(static_cast<int>((value >> (8 * i)) & 0xff), f);
}

size_t Frames(const std::vector<int16_t>& samples) { return samples.size() / ToneWriter::kChannels; }

}  // namespace

std::vector<int16_t> ToneWriter::Tone(int sampleRate, double seconds) {
  const auto frames = static_cast<size_t>(std::llround(seconds * sampleRate));
  std::vector<int16_t> samples(frames * kChannels);
  for (size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / sampleRate;
    samples[2 * i] = static_cast<int16_t>(9000.0 * std::sin(2.0 * std::numbers::pi * 440.0 * t));
    samples[2 * i + 1] = static_cast<int16_t>(6000.0 * std::sin(2.0 * std::numbers::pi * 660.0 * t));
  }
  return samples;
}

std::unique_ptr<ToneWriter> ToneWriter::ForFormat(const std::string& format) {
  if (format == "wav") return std::make_unique<WaveToneWriter>();
  if (format == "mp3") return std::make_unique<LameToneWriter>();
  if (format == "ogg") return std::make_unique<VorbisToneWriter>();
  if (format == "flac") return std::make_unique<FlacToneWriter>();
  return nullptr;
}

void WaveToneWriter::Write(const std::string& path, const std::vector<int16_t>& samples,
                           int sampleRate) {
  const File file = Create(path);
  const auto dataBytes = static_cast<uint32_t>(samples.size() * sizeof(int16_t));
  Put(file.get(), "RIFF", 4);
  PutLittleEndian(file.get(), 36 + dataBytes, 4);
  Put(file.get(), "WAVEfmt ", 8);
  PutLittleEndian(file.get(), 16, 4);
  PutLittleEndian(file.get(), 1, 2);  // PCM
  PutLittleEndian(file.get(), kChannels, 2);
  PutLittleEndian(file.get(), static_cast<uint32_t>(sampleRate), 4);
  PutLittleEndian(file.get(), static_cast<uint32_t>(sampleRate * kChannels * 2), 4);
  PutLittleEndian(file.get(), kChannels * 2, 2);
  PutLittleEndian(file.get(), 16, 2);
  Put(file.get(), "data", 4);
  PutLittleEndian(file.get(), dataBytes, 4);
  Put(file.get(), samples.data(), dataBytes);  // the host is little-endian
}

void LameToneWriter::Write(const std::string& path, const std::vector<int16_t>& samples,
                           int sampleRate) {
  struct LameCloser {
    void operator()(lame_global_flags* l) const { lame_close(l); }
  };
  std::unique_ptr<lame_global_flags, LameCloser> lame(lame_init());
  if (!lame) throw std::runtime_error("lame_init failed");
  lame_set_in_samplerate(lame.get(), sampleRate);
  lame_set_num_channels(lame.get(), kChannels);
  lame_set_brate(lame.get(), 128);
  if (lame_init_params(lame.get()) < 0) throw std::runtime_error("lame_init_params failed");

  const auto frames = static_cast<int>(Frames(samples));
  std::vector<unsigned char> mp3(static_cast<size_t>(frames) * 5 / 4 + 7200 + 7200);
  const int size = lame_encode_buffer_interleaved(lame.get(), const_cast<short*>(samples.data()),
                                                  frames, mp3.data(), static_cast<int>(mp3.size()));
  if (size < 0) throw std::runtime_error("lame_encode_buffer_interleaved failed");
  const int tail = lame_encode_flush(lame.get(), mp3.data() + size, static_cast<int>(mp3.size()) - size);
  if (tail < 0) throw std::runtime_error("lame_encode_flush failed");
  const File file = Create(path);
  Put(file.get(), mp3.data(), static_cast<size_t>(size + tail));
}

namespace {

// The Vorbis encoder's state, cleared in reverse order of its set-up.
struct VorbisStream {
  vorbis_info info{};
  vorbis_comment comment{};
  vorbis_dsp_state dsp{};
  vorbis_block block{};
  ogg_stream_state ogg{};

  explicit VorbisStream(int sampleRate) {
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, ToneWriter::kChannels, sampleRate, 0.4f) != 0) {
      vorbis_info_clear(&info);
      throw std::runtime_error("vorbis_encode_init_vbr failed");
    }
    vorbis_comment_init(&comment);
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_init(&ogg, 1);
  }
  ~VorbisStream() {
    ogg_stream_clear(&ogg);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
  }

  void PutPages(std::FILE* f, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&ogg, &page) : ogg_stream_pageout(&ogg, &page)) {
      Put(f, page.header, static_cast<size_t>(page.header_len));
      Put(f, page.body, static_cast<size_t>(page.body_len));
    }
  }

  void Analyse(std::FILE* f) {
    ogg_packet packet;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&ogg, &packet);
        PutPages(f, false);
      }
    }
  }
};

}  // namespace

void VorbisToneWriter::Write(const std::string& path, const std::vector<int16_t>& samples,
                             int sampleRate) {
  const File file = Create(path);
  VorbisStream stream(sampleRate);
  ogg_packet header, comments, codebooks;
  vorbis_analysis_headerout(&stream.dsp, &stream.comment, &header, &comments, &codebooks);
  ogg_stream_packetin(&stream.ogg, &header);
  ogg_stream_packetin(&stream.ogg, &comments);
  ogg_stream_packetin(&stream.ogg, &codebooks);
  stream.PutPages(file.get(), true);

  constexpr size_t kChunk = 4096;
  const size_t frames = Frames(samples);
  for (size_t start = 0; start < frames; start += kChunk) {
    const size_t count = std::min(kChunk, frames - start);
    float** buffer = vorbis_analysis_buffer(&stream.dsp, static_cast<int>(count));
    for (size_t i = 0; i < count; ++i)
      for (int c = 0; c < kChannels; ++c)
        buffer[c][i] = samples[(start + i) * kChannels + c] / 32768.0f;
    vorbis_analysis_wrote(&stream.dsp, static_cast<int>(count));
    stream.Analyse(file.get());
  }
  vorbis_analysis_wrote(&stream.dsp, 0);
  stream.Analyse(file.get());
  stream.PutPages(file.get(), true);
}

void FlacToneWriter::Write(const std::string& path, const std::vector<int16_t>& samples,
                           int sampleRate) {
  struct EncoderDeleter {
    void operator()(FLAC__StreamEncoder* e) const { FLAC__stream_encoder_delete(e); }
  };
  std::unique_ptr<FLAC__StreamEncoder, EncoderDeleter> encoder(FLAC__stream_encoder_new());
  if (!encoder) throw std::runtime_error("FLAC__stream_encoder_new failed");
  FLAC__stream_encoder_set_channels(encoder.get(), kChannels);
  FLAC__stream_encoder_set_bits_per_sample(encoder.get(), 16);
  FLAC__stream_encoder_set_sample_rate(encoder.get(), static_cast<unsigned>(sampleRate));
  FLAC__stream_encoder_set_compression_level(encoder.get(), 5);
  if (FLAC__stream_encoder_init_file(encoder.get(), path.c_str(), nullptr, nullptr) !=
      FLAC__STREAM_ENCODER_INIT_STATUS_OK)
    throw std::runtime_error("FLAC__stream_encoder_init_file failed for " + path);
  const std::vector<FLAC__int32> wide(samples.begin(), samples.end());
  const bool encoded = FLAC__stream_encoder_process_interleaved(
      encoder.get(), wide.data(), static_cast<unsigned>(Frames(samples)));
  if (!FLAC__stream_encoder_finish(encoder.get()) || !encoded)
    throw std::runtime_error("libFLAC failed to encode");
}
