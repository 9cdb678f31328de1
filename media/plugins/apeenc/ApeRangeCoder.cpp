#include "media/plugins/apeenc/ApeRangeCoder.h"

#include <algorithm>

namespace apeenc {
namespace {

constexpr std::uint32_t kTop = 1u << 31;
constexpr std::uint32_t kBottom = kTop >> 8;
constexpr int kShiftBits = 23;

// The fixed model of the overflow counts 0..20: cumulative frequencies out of 65536, and
// each count's width. Counts 21..62 take one unit each above them; 63 escapes to 32 bits.
constexpr std::uint32_t kCounts[22] = {0,     19578, 36160, 48417, 56323, 60899, 63265, 64435,
                                       64971, 65232, 65351, 65416, 65447, 65466, 65476, 65482,
                                       65485, 65488, 65490, 65491, 65492, 65493};
constexpr std::uint32_t kModelled = 21;
constexpr std::uint32_t kEscape = 63;
constexpr std::uint32_t kSingleUnitBase = 65535 - kEscape;

void UpdateRice(RiceState& rice, std::uint32_t x) {
  const std::uint32_t least = rice.k != 0 ? 1u << (rice.k + 4) : 0;
  rice.ksum += ((x + 1) / 2) - ((rice.ksum + 16) >> 5);
  if (rice.ksum < least) {
    rice.k--;
  } else if (rice.ksum >= (1u << (rice.k + 5)) && rice.k < 24) {
    rice.k++;
  }
}

}  // namespace

ApeRangeCoder::ApeRangeCoder(std::vector<std::uint8_t>& out) : out_(out), range_(kTop) {}

void ApeRangeCoder::ShiftByte() {
  if (low_ < 0xFFu << kShiftBits) {
    Put(buffer_);
    for (; pending_ != 0; --pending_) Put(0xFF);
    buffer_ = static_cast<std::uint8_t>(low_ >> kShiftBits);
  } else if ((low_ & kTop) != 0) {
    Put(static_cast<std::uint8_t>(buffer_ + 1));
    for (; pending_ != 0; --pending_) Put(0x00);
    buffer_ = static_cast<std::uint8_t>(low_ >> kShiftBits);
  } else {
    ++pending_;
  }
  low_ = (low_ << 8) & (kTop - 1);
}

void ApeRangeCoder::Normalize() {
  while (range_ <= kBottom) {
    ShiftByte();
    range_ <<= 8;
  }
}

void ApeRangeCoder::EncodeFrequency(std::uint32_t size, std::uint32_t low, std::uint32_t total) {
  Normalize();
  const std::uint32_t unit = range_ / total;
  low_ += unit * low;
  range_ = unit * size;
}

void ApeRangeCoder::EncodeShifted(std::uint32_t size, std::uint32_t low, int shift) {
  Normalize();
  const std::uint32_t unit = range_ >> shift;
  low_ += unit * low;
  range_ = unit * size;
}

void ApeRangeCoder::EncodeOverflow(std::uint32_t overflow) {
  if (overflow < kModelled) {
    EncodeShifted(kCounts[overflow + 1] - kCounts[overflow], kCounts[overflow], 16);
  } else if (overflow < kEscape) {
    EncodeShifted(1, overflow + kSingleUnitBase, 16);
  } else {
    EncodeShifted(1, kEscape + kSingleUnitBase, 16);
    EncodeShifted(1, overflow >> 16, 16);
    EncodeShifted(1, overflow & 0xFFFF, 16);
  }
}

void ApeRangeCoder::EncodeResidual(std::int32_t value, RiceState& rice) {
  // Positive values are odd, the others even.
  const std::uint32_t x = value > 0 ? 2u * static_cast<std::uint32_t>(value) - 1
                                    : 0u - 2u * static_cast<std::uint32_t>(value);
  const std::uint32_t pivot = std::max<std::uint32_t>(rice.ksum >> 5, 1);
  const std::uint32_t overflow = x / pivot;
  const std::uint32_t base = x % pivot;
  EncodeOverflow(overflow);
  if (pivot < 0x10000) {
    EncodeFrequency(1, base, pivot);
  } else {
    int bits = 0;
    while ((pivot >> bits) & ~0xFFFFu) ++bits;
    EncodeFrequency(1, base >> bits, (pivot >> bits) + 1);
    EncodeFrequency(1, base & ((1u << bits) - 1), 1u << bits);
  }
  UpdateRice(rice, x);
}

void ApeRangeCoder::Finish() {
  Normalize();
  // Four bytes carry the 31 bits of the low end; one more sends the byte held back.
  for (int i = 0; i < 5; ++i) ShiftByte();
}

}  // namespace apeenc
