#pragma once
// Records what a decoder delivers through the library callbacks, which carry no user data:
// one recorder for the test program. Callbacks may arrive on any thread.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "media/contracts/LibraryAbi.h"

namespace decodingtest {

struct DeliveryRecord {
  int formats = 0;
  bool formatFirst = true;  // no frame or samples came before the format
  std::vector<std::uint8_t> format;  // bytes of the last format record
  std::vector<double> frameStarts;
  std::vector<std::uint8_t> firstFrame;  // the first frame's bytes, when asked for
  std::vector<double> audioStarts;
  std::vector<double> audioEnds;
  long long audioBytes = 0;
  int ends = 0;
  int afterClose = 0;  // callbacks that came after the test closed the decoder
};

class DecodingRecorder {
 public:
  static DecodingRecorder& Instance();

  // Forgets everything; keeps `frameBytes` bytes of the first frame.
  void Reset(std::size_t frameBytes = 0);
  DeliveryRecord Snapshot() const;
  int Frames() const;
  // Waits (serving no messages) until `done` holds for the record or `timeoutMs` passes.
  bool WaitFor(const std::function<bool(const DeliveryRecord&)>& done, unsigned timeoutMs) const;
  bool WaitForEnd(unsigned timeoutMs) const;

  // Each video callback sleeps this long.
  std::atomic<int> frameSleepMs{0};
  // Called inside the first video callback (e.g. to stop the decoder).
  std::function<void()> onFirstFrame;
  // Set by the test once a stop or release returned: later callbacks are counted.
  std::atomic<bool> closed{false};
  // A video callback is under way.
  std::atomic<bool> inCallback{false};

  template <typename Info>
  static Bool8 MC_CALL Format(const Info* info) {
    Instance().RecordFormat(info, sizeof(Info));
    return 1;
  }
  static Bool8 MC_CALL Video(double start, double end, const void* pixels, std::int32_t);
  static std::int32_t MC_CALL Audio(double start, double end, const std::int16_t* samples,
                                    std::int32_t bytes);
  static Bool8 MC_CALL End();

 private:
  void RecordFormat(const void* info, std::size_t size);
  void CountIfClosed();

  mutable std::mutex mutex_;
  DeliveryRecord record_;
  std::size_t frameBytes_ = 0;
};

// Frames of the first video stream as the native ffprobe counts them (-count_frames).
int ReferenceFrameCount(const std::string& mediaName);

}  // namespace decodingtest
