#include "media/plugins/apeenc/ApePredictor.h"

#include <algorithm>

namespace apeenc {
namespace {

// Offsets into the history window: the delayed values and adaption signs of the channel's
// own past (A) and of the other channel (B), for Y (first) and X (second).
constexpr int kYDelayA = 18 + 8 * 4;
constexpr int kYDelayB = 18 + 8 * 3;
constexpr int kXDelayA = 18 + 8 * 2;
constexpr int kXDelayB = 18 + 8;
constexpr int kYAdaptA = 18;
constexpr int kXAdaptA = 14;
constexpr int kYAdaptB = 10;
constexpr int kXAdaptB = 5;

constexpr std::int64_t kInitialA[4] = {360, 317, -109, 98};

// The decoder's "inverse sign": -1 for positive values, 1 for negative ones, 0 for zero.
std::int32_t InverseSign(std::int64_t value) { return (value < 0) - (value > 0); }

// 31/32 of a filter value, rounded down.
std::int64_t Decayed(std::int64_t value) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(value) * 31ull) >> 5;
}

}  // namespace

ApePredictor::ApePredictor() { Reset(); }

void ApePredictor::Reset() {
  history_.fill(0);
  position_ = 0;
  for (int channel = 0; channel < 2; ++channel) {
    lastA_[channel] = filterA_[channel] = filterB_[channel] = 0;
    for (int i = 0; i < 4; ++i) coeffsA_[channel][i] = static_cast<std::uint64_t>(kInitialA[i]);
    std::fill(std::begin(coeffsB_[channel]), std::end(coeffsB_[channel]), 0);
  }
}

void ApePredictor::Advance() {
  if (++position_ == kHistory) {
    std::copy(history_.begin() + kHistory, history_.end(), history_.begin());
    position_ = 0;
  }
}

std::int32_t ApePredictor::ReverseChannel(std::int32_t output, int channel, int delayA, int delayB, int adaptA,
                                          int adaptB) {
  std::int64_t* buf = history_.data() + position_;
  buf[delayA] = lastA_[channel];
  buf[adaptA] = InverseSign(buf[delayA]);
  buf[delayA - 1] = static_cast<std::int64_t>(static_cast<std::uint64_t>(buf[delayA]) - static_cast<std::uint64_t>(buf[delayA - 1]));
  buf[adaptA - 1] = InverseSign(buf[delayA - 1]);
  const auto predictionA = static_cast<std::int32_t>(
      static_cast<std::uint64_t>(buf[delayA]) * coeffsA_[channel][0] + static_cast<std::uint64_t>(buf[delayA - 1]) * coeffsA_[channel][1] +
      static_cast<std::uint64_t>(buf[delayA - 2]) * coeffsA_[channel][2] + static_cast<std::uint64_t>(buf[delayA - 3]) * coeffsA_[channel][3]);

  buf[delayB] = filterA_[channel ^ 1] - Decayed(filterB_[channel]);
  buf[adaptB] = InverseSign(buf[delayB]);
  buf[delayB - 1] = static_cast<std::int64_t>(static_cast<std::uint64_t>(buf[delayB]) - static_cast<std::uint64_t>(buf[delayB - 1]));
  buf[adaptB - 1] = InverseSign(buf[delayB - 1]);
  filterB_[channel] = filterA_[channel ^ 1];
  std::uint64_t sumB = 0;
  for (int i = 0; i < 5; ++i) sumB += static_cast<std::uint64_t>(buf[delayB - i]) * coeffsB_[channel][i];
  const auto predictionB = static_cast<std::int32_t>(sumB);

  // The decoder's sample is the first-order filter over lastA; lastA is its read value plus
  // the prediction.
  const auto last = static_cast<std::int32_t>(output - Decayed(filterA_[channel]));
  const auto prediction = static_cast<std::int32_t>(static_cast<std::uint32_t>(predictionA) + static_cast<std::uint32_t>(predictionB >> 1)) >> 10;
  const auto input = static_cast<std::int32_t>(static_cast<std::uint32_t>(last) - static_cast<std::uint32_t>(prediction));
  lastA_[channel] = last;
  filterA_[channel] = last + Decayed(filterA_[channel]);

  const std::int64_t sign = InverseSign(input);
  for (int i = 0; i < 4; ++i) coeffsA_[channel][i] += static_cast<std::uint64_t>(buf[adaptA - i] * sign);
  for (int i = 0; i < 5; ++i) coeffsB_[channel][i] += static_cast<std::uint64_t>(buf[adaptB - i] * sign);
  return input;
}

void ApePredictor::ReverseStereo(std::int32_t& y, std::int32_t& x) {
  y = ReverseChannel(y, 0, kYDelayA, kYDelayB, kYAdaptA, kYAdaptB);
  x = ReverseChannel(x, 1, kXDelayA, kXDelayB, kXAdaptA, kXAdaptB);
  Advance();
}

std::int32_t ApePredictor::ReverseMono(std::int32_t sample) {
  std::int64_t* buf = history_.data() + position_;
  buf[kYDelayA] = lastA_[0];
  buf[kYDelayA - 1] = static_cast<std::int64_t>(static_cast<std::uint64_t>(buf[kYDelayA]) - static_cast<std::uint64_t>(buf[kYDelayA - 1]));
  std::uint64_t sumA = 0;
  for (int i = 0; i < 4; ++i) sumA += static_cast<std::uint64_t>(buf[kYDelayA - i]) * coeffsA_[0][i];
  const auto predictionA = static_cast<std::int32_t>(sumA);

  const auto current = static_cast<std::int32_t>(sample - Decayed(filterA_[0]));
  const auto input = static_cast<std::int32_t>(static_cast<std::uint32_t>(current) - static_cast<std::uint32_t>(predictionA >> 10));

  buf[kYAdaptA] = InverseSign(buf[kYDelayA]);
  buf[kYAdaptA - 1] = InverseSign(buf[kYDelayA - 1]);
  const std::int64_t sign = InverseSign(input);
  for (int i = 0; i < 4; ++i) coeffsA_[0][i] += static_cast<std::uint64_t>(buf[kYAdaptA - i] * sign);
  Advance();
  filterA_[0] = current + Decayed(filterA_[0]);
  lastA_[0] = current;
  return input;
}

}  // namespace apeenc
