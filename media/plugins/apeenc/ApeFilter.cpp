#include "media/plugins/apeenc/ApeFilter.h"

#include <algorithm>
#include <cstring>

namespace apeenc {
namespace {

// Outputs the window holds before it is moved back.
constexpr std::size_t kWindow = 512;

// The decoder's "inverse sign": -1 for positive values, 1 for negative ones, 0 for zero.
int InverseSign(std::int32_t value) { return (value < 0) - (value > 0); }

std::int16_t ClipTo16(std::int32_t value) {
  return static_cast<std::int16_t>(std::clamp<std::int32_t>(value, INT16_MIN, INT16_MAX));
}

}  // namespace

ApeFilter::ApeFilter(int order, int fractionBits)
    : order_(order),
      fractionBits_(fractionBits),
      coefficients_(static_cast<std::size_t>(order)),
      delay_(kWindow + static_cast<std::size_t>(order)),
      adapt_(kWindow + static_cast<std::size_t>(order)) {
  Reset();
}

void ApeFilter::Reset() {
  std::fill(coefficients_.begin(), coefficients_.end(), 0);
  std::fill(delay_.begin(), delay_.end(), 0);
  std::fill(adapt_.begin(), adapt_.end(), 0);
  position_ = static_cast<std::size_t>(order_);
  average_ = 0;
}

std::int32_t ApeFilter::Reverse(std::int32_t output) {
  const std::int16_t* past = &delay_[position_ - static_cast<std::size_t>(order_)];
  const std::int16_t* steps = &adapt_[position_ - static_cast<std::size_t>(order_)];
  // The decoder's sum wraps at 32 bits.
  std::uint32_t sum = 0;
  for (int i = 0; i < order_; ++i) sum += static_cast<std::uint32_t>(coefficients_[i] * past[i]);
  const auto prediction = static_cast<std::int32_t>(
      (static_cast<std::int64_t>(static_cast<std::int32_t>(sum)) + (std::int64_t{1} << (fractionBits_ - 1))) >> fractionBits_);
  const auto input = static_cast<std::int32_t>(static_cast<std::uint32_t>(output) - static_cast<std::uint32_t>(prediction));
  const int sign = InverseSign(input);
  for (int i = 0; i < order_; ++i)
    coefficients_[i] = static_cast<std::int16_t>(coefficients_[i] + sign * steps[i]);

  delay_[position_] = ClipTo16(output);
  const std::uint32_t magnitude = output < 0 ? 0u - static_cast<std::uint32_t>(output) : static_cast<std::uint32_t>(output);
  std::int16_t& step = adapt_[position_];
  if (magnitude == 0) {
    step = 0;
  } else {
    const int scale = (magnitude > average_ * 3ull) + (magnitude > average_ + average_ / 3);
    step = static_cast<std::int16_t>(InverseSign(output) * (8 << scale));
  }
  average_ += static_cast<std::uint32_t>(static_cast<std::int32_t>(magnitude - average_) / 16);
  adapt_[position_ - 1] >>= 1;
  adapt_[position_ - 2] >>= 1;
  adapt_[position_ - 8] >>= 1;

  if (++position_ == delay_.size()) {
    const std::size_t keep = static_cast<std::size_t>(order_);
    std::memmove(delay_.data(), delay_.data() + delay_.size() - keep, keep * sizeof(std::int16_t));
    std::memmove(adapt_.data(), adapt_.data() + adapt_.size() - keep, keep * sizeof(std::int16_t));
    position_ = keep;
  }
  return input;
}

std::vector<ApeFilter> FiltersOfLevel(int level) {
  switch (level) {
    case 2000: return {ApeFilter(16, 11)};
    case 3000: return {ApeFilter(64, 11)};
    case 4000: return {ApeFilter(32, 10), ApeFilter(256, 13)};
    default: return {};
  }
}

}  // namespace apeenc
