#pragma once
// The entropy coder of a Monkey's Audio frame (format 3.99): each residual is mapped to an
// unsigned number, split by an adaptive pivot into an overflow count (coded with a fixed
// model) and a remainder (coded uniformly), all through a carry-propagating range coder.
#include <cstdint>
#include <vector>

namespace apeenc {

// The adaptive state of one channel's residuals.
struct RiceState {
  std::uint32_t k = 10;
  std::uint32_t ksum = 16u << 10;
};

class ApeRangeCoder {
 public:
  // Appends the coded bytes to `out`, starting with the coder's lead byte.
  explicit ApeRangeCoder(std::vector<std::uint8_t>& out);

  void EncodeResidual(std::int32_t value, RiceState& rice);
  // Writes what the decoder still needs to read the last value exactly.
  void Finish();

 private:
  void Normalize();
  void ShiftByte();
  void Put(std::uint8_t byte) { out_.push_back(byte); }
  // Narrows the range to [low, low + size) of `total` equal parts (a power of two with
  // `shift`).
  void EncodeFrequency(std::uint32_t size, std::uint32_t low, std::uint32_t total);
  void EncodeShifted(std::uint32_t size, std::uint32_t low, int shift);
  void EncodeOverflow(std::uint32_t overflow);

  std::vector<std::uint8_t>& out_;
  std::uint32_t low_ = 0;
  std::uint32_t range_;
  std::uint32_t pending_ = 0;  // 0xFF bytes held back until a carry is decided
  std::uint8_t buffer_ = 0;    // the byte before them, not written yet
};

}  // namespace apeenc
