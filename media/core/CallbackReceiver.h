#pragma once
// Hands what a playback delivers to the callbacks of a library's open block (the decoding
// library's and the decoder object's blocks name their callbacks alike).
#include "media/core/Playback.h"

namespace mediacore {

template <typename Block, typename Info>
class CallbackReceiver final : public PlaybackReceiver {
 public:
  // Both are copied: the run keeps them whatever happens to the caller's.
  CallbackReceiver(const Block& block, const Info& info) : block_(block), info_(info) {}

  bool OnFormat() override { return block_.formatProc == nullptr || block_.formatProc(&info_) != 0; }
  bool OnVideoFrame(double start, double end, const std::uint8_t* pixels) override {
    return block_.videoProc == nullptr || block_.videoProc(start, end, pixels, 0) != 0;
  }
  bool OnAudioSamples(double start, double end, const std::int16_t* samples, int bytes) override {
    return block_.audioProc == nullptr || block_.audioProc(start, end, samples, bytes) != 0;
  }
  void OnEnd() override {
    if (block_.endProc != nullptr) block_.endProc();
  }

 private:
  const Block block_;
  const Info info_;
};

}  // namespace mediacore
