#pragma once
// The final stage of a Monkey's Audio decoder (format 3.95 and later), run backwards: a
// first-order filter over sign-adapted predictions from the channel's own past and, in
// stereo, from the other channel. The encoder finds the value the decoder must read so that
// the stage produces each wanted sample.
#include <array>
#include <cstdint>

namespace apeenc {

class ApePredictor {
 public:
  ApePredictor();

  // Starts again as at the beginning of a frame.
  void Reset();
  // The values the decoder must read for the next stereo pair: `y` (right minus left) is
  // done before `x` (left plus half of `y`), as the decoder does.
  void ReverseStereo(std::int32_t& y, std::int32_t& x);
  // The value the decoder must read for the next mono sample.
  std::int32_t ReverseMono(std::int32_t sample);

 private:
  static constexpr int kHistory = 512;
  static constexpr int kWindow = 50;

  std::int32_t ReverseChannel(std::int32_t output, int channel, int delayA, int delayB, int adaptA, int adaptB);
  void Advance();

  std::array<std::int64_t, kHistory + kWindow> history_{};
  int position_ = 0;
  std::int64_t lastA_[2] = {};
  std::int64_t filterA_[2] = {};
  std::int64_t filterB_[2] = {};
  std::uint64_t coeffsA_[2][4] = {};
  std::uint64_t coeffsB_[2][5] = {};
};

}  // namespace apeenc
