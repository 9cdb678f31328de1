#include "media/plugins/apeenc/ApeWriter.h"

#include <stdexcept>
#include <utility>

namespace apeenc {
namespace {

constexpr std::uint16_t kFormatVersion = 3990;
constexpr std::uint32_t kDescriptorSize = 52;
constexpr std::uint32_t kHeaderSize = 24;
constexpr std::uint16_t kCreateWavHeader = 32;  // no WAV header stored; the decoder makes one
constexpr std::uint16_t kBitsPerSample = 16;
constexpr int kFrameLength = 73728;
constexpr int kExtraHighLevel = 4000;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void WriteAll(std::FILE* file, const void* data, std::size_t size) {
  if (size != 0 && std::fwrite(data, 1, size, file) != size) throw std::runtime_error("APE write failed");
}

}  // namespace

int ApeWriter::FrameLength(int level) { return level == kExtraHighLevel ? kFrameLength * 4 : kFrameLength; }

ApeWriter::ApeWriter(std::FILE* output, std::FILE* spool, int level, int rate, int channels,
                     std::vector<std::uint8_t> tag)
    : output_(output),
      spool_(spool),
      level_(level),
      rate_(rate),
      channels_(channels),
      tag_(std::move(tag)),
      encoder_(level, channels) {
  held_.reserve(static_cast<std::size_t>(FrameLength(level)) * static_cast<std::size_t>(channels));
}

void ApeWriter::EncodeHeld() {
  const int count = static_cast<int>(held_.size()) / channels_;
  const std::vector<std::uint8_t> frame = encoder_.Encode(held_.data(), count);
  WriteAll(spool_, frame.data(), frame.size());
  sizes_.push_back(static_cast<std::uint32_t>(frame.size()));
  held_.clear();
}

void ApeWriter::Write(const std::int16_t* samples, int count) {
  const std::size_t frameValues = static_cast<std::size_t>(FrameLength(level_)) * static_cast<std::size_t>(channels_);
  std::size_t left = static_cast<std::size_t>(count) * static_cast<std::size_t>(channels_);
  while (left > 0) {
    const std::size_t taken = std::min(left, frameValues - held_.size());
    held_.insert(held_.end(), samples, samples + taken);
    samples += taken;
    left -= taken;
    if (held_.size() == frameValues) EncodeHeld();
  }
}

void ApeWriter::WriteHeader(std::uint32_t finalFrameBlocks, std::uint64_t audioBytes) {
  const auto frames = static_cast<std::uint32_t>(sizes_.size());
  std::vector<std::uint8_t> head;
  head.insert(head.end(), {'M', 'A', 'C', ' '});
  Put16(head, kFormatVersion);
  Put16(head, 0);
  Put32(head, kDescriptorSize);
  Put32(head, kHeaderSize);
  Put32(head, frames * 4);  // seek table
  Put32(head, 0);           // WAV header
  Put32(head, static_cast<std::uint32_t>(audioBytes));
  Put32(head, static_cast<std::uint32_t>(audioBytes >> 32));
  Put32(head, 0);           // WAV tail
  head.insert(head.end(), 16, 0);  // no MD5 checksum
  Put16(head, static_cast<std::uint32_t>(level_));
  Put16(head, kCreateWavHeader);
  Put32(head, static_cast<std::uint32_t>(FrameLength(level_)));
  Put32(head, finalFrameBlocks);
  Put32(head, frames);
  Put16(head, kBitsPerSample);
  Put16(head, static_cast<std::uint32_t>(channels_));
  Put32(head, static_cast<std::uint32_t>(rate_));
  // The seek table: where each frame starts in the file.
  std::uint64_t position = kDescriptorSize + kHeaderSize + std::uint64_t{frames} * 4;
  for (std::uint32_t size : sizes_) {
    if (position > UINT32_MAX) throw std::runtime_error("APE file too large");
    Put32(head, static_cast<std::uint32_t>(position));
    position += size;
  }
  WriteAll(output_, head.data(), head.size());
}

void ApeWriter::CopySpool() {
  if (std::fflush(spool_) != 0 || std::fseek(spool_, 0, SEEK_SET) != 0) throw std::runtime_error("APE spool failed");
  std::vector<std::uint8_t> chunk(1 << 20);
  for (;;) {
    const std::size_t read = std::fread(chunk.data(), 1, chunk.size(), spool_);
    WriteAll(output_, chunk.data(), read);
    if (read < chunk.size()) break;
  }
  if (std::ferror(spool_)) throw std::runtime_error("APE spool failed");
}

void ApeWriter::Finish() {
  std::uint32_t finalFrameBlocks = static_cast<std::uint32_t>(FrameLength(level_));
  if (!held_.empty()) {
    finalFrameBlocks = static_cast<std::uint32_t>(held_.size()) / static_cast<std::uint32_t>(channels_);
    EncodeHeld();
  }
  if (sizes_.empty()) throw std::runtime_error("an APE file needs samples");
  std::uint64_t audioBytes = 0;
  for (std::uint32_t size : sizes_) audioBytes += size;
  WriteHeader(finalFrameBlocks, audioBytes);
  CopySpool();
  WriteAll(output_, tag_.data(), tag_.size());
  if (std::fflush(output_) != 0) throw std::runtime_error("APE write failed");
}

}  // namespace apeenc
