#pragma once
// The one output of a WMV plug-in or of a RealMedia encoder handle: opened from a plan,
// fed, closed, and its size kept after closing until the next output opens.
#include <cstdint>
#include <memory>
#include <string>

#include "media/plugins/videoplugin/ContextOutput.h"

namespace videoplugin {

class OutputSlot {
 public:
  bool IsOpen() const { return output_ != nullptr; }
  // Opens `path` with the plan that `makePlan` answers (it throws for settings it refuses);
  // false when it threw or the codec library refused. Any open output is to be closed first.
  template <typename PlanMaker>
  bool Open(const std::string& path, PlanMaker&& makePlan) {
    lastSize_ = 0;
    try {
      output_ = std::make_unique<ContextOutput>(path, makePlan());
      return true;
    } catch (const std::exception&) {
      return false;
    }
  }
  // False when nothing is open or the file could not be finished.
  bool Close();
  bool EncodeVideo(const void* picture, double start);
  bool EncodeAudio(const void* samples, int bytes, double start);
  // Bytes of the open (or last) output, at most 4 GiB - 1.
  std::uint32_t Size();

 private:
  std::unique_ptr<ContextOutput> output_;
  std::int64_t lastSize_ = 0;
};

}  // namespace videoplugin
