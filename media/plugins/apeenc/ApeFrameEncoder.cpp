#include "media/plugins/apeenc/ApeFrameEncoder.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "media/plugins/apeenc/ApeRangeCoder.h"

namespace apeenc {
namespace {

const std::array<std::uint32_t, 256>& CrcTable() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> entries{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int bit = 0; bit < 8; ++bit) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entries[i] = c;
    }
    return entries;
  }();
  return table;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// The file stores a frame as 32-bit little-endian words of its big-endian byte stream.
void ReverseWords(std::vector<std::uint8_t>& bytes) {
  bytes.resize((bytes.size() + 3) & ~std::size_t{3});
  for (std::size_t i = 0; i < bytes.size(); i += 4) {
    std::swap(bytes[i], bytes[i + 3]);
    std::swap(bytes[i + 1], bytes[i + 2]);
  }
}

// Room the decoder may read past the last value before it stops.
constexpr std::size_t kTailBytes = 4;
// A CRC with this bit is followed by frame flags; the silence flags say the frame holds
// only zero samples and no coded values.
constexpr std::uint32_t kHasFrameFlags = 1u << 31;
constexpr std::uint32_t kSilentFrame = 3;

}  // namespace

std::uint32_t Crc32(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) crc = CrcTable()[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

ApeFrameEncoder::ApeFrameEncoder(int level, int channels)
    : channels_(channels), filters_{FiltersOfLevel(level), FiltersOfLevel(level)} {}

void ApeFrameEncoder::Reset() {
  predictor_.Reset();
  for (auto& channelFilters : filters_)
    for (ApeFilter& filter : channelFilters) filter.Reset();
}

std::int32_t ApeFrameEncoder::ThroughFilters(std::int32_t value, int channel) {
  std::vector<ApeFilter>& filters = filters_[channel];
  for (auto filter = filters.rbegin(); filter != filters.rend(); ++filter) value = filter->Reverse(value);
  return value;
}

std::vector<std::uint8_t> ApeFrameEncoder::Encode(const std::int16_t* samples, int count) {
  Reset();
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(count) * static_cast<std::size_t>(channels_) * 2 + 64);
  // The decoder checks the CRC of the samples it produced, shifted right by one bit.
  const std::size_t values = static_cast<std::size_t>(count) * static_cast<std::size_t>(channels_);
  const std::uint32_t crc = Crc32(samples, values * 2) >> 1;
  if (std::all_of(samples, samples + values, [](std::int16_t sample) { return sample == 0; })) {
    PutBigEndian(bytes, crc | kHasFrameFlags);
    PutBigEndian(bytes, kSilentFrame);
    bytes.insert(bytes.end(), kTailBytes, 0);
    ReverseWords(bytes);
    return bytes;
  }
  PutBigEndian(bytes, crc);
  ApeRangeCoder coder(bytes);
  RiceState riceY;
  RiceState riceX;
  for (int i = 0; i < count; ++i) {
    if (channels_ == 2) {
      const std::int32_t left = samples[2 * i];
      const std::int32_t right = samples[2 * i + 1];
      std::int32_t y = right - left;
      std::int32_t x = left + y / 2;
      predictor_.ReverseStereo(y, x);
      coder.EncodeResidual(ThroughFilters(y, 0), riceY);
      coder.EncodeResidual(ThroughFilters(x, 1), riceX);
    } else {
      coder.EncodeResidual(ThroughFilters(predictor_.ReverseMono(samples[i]), 0), riceY);
    }
  }
  coder.Finish();
  bytes.insert(bytes.end(), kTailBytes, 0);
  ReverseWords(bytes);
  return bytes;
}

}  // namespace apeenc
