#pragma once
// One adaptive filter of a Monkey's Audio compression level, run backwards: the decoder adds
// a sign-adapted prediction from the filter's past outputs to each value it reads; the
// encoder subtracts the same prediction from the value the decoder must produce.
#include <cstdint>
#include <vector>

namespace apeenc {

class ApeFilter {
 public:
  ApeFilter(int order, int fractionBits);

  // Starts again as at the beginning of a frame.
  void Reset();
  // The value the decoder must read so that this filter produces `output`.
  std::int32_t Reverse(std::int32_t output);

 private:
  int order_;
  int fractionBits_;
  std::vector<std::int16_t> coefficients_;
  // Past outputs (clipped to 16 bits) and their adaption steps, each `order_` long before
  // the write position, in one window that is moved back when full.
  std::vector<std::int16_t> delay_;
  std::vector<std::int16_t> adapt_;
  std::size_t position_ = 0;
  std::uint32_t average_ = 0;
};

// The filters of each compression level (1000 to 4000), applied by the decoder in order.
std::vector<ApeFilter> FiltersOfLevel(int level);

}  // namespace apeenc
