#include "tests/media/DecodingRecorder.h"

#include <windows.h>

#include <cstring>
#include <fstream>

namespace decodingtest {

DecodingRecorder& DecodingRecorder::Instance() {
  static DecodingRecorder recorder;
  return recorder;
}

void DecodingRecorder::Reset(std::size_t frameBytes) {
  std::lock_guard<std::mutex> lock(mutex_);
  record_ = DeliveryRecord{};
  frameBytes_ = frameBytes;
  frameSleepMs = 0;
  onFirstFrame = nullptr;
  closed = false;
  inCallback = false;
}

DeliveryRecord DecodingRecorder::Snapshot() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return record_;
}

int DecodingRecorder::Frames() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<int>(record_.frameStarts.size());
}

bool DecodingRecorder::WaitFor(const std::function<bool(const DeliveryRecord&)>& done,
                               unsigned timeoutMs) const {
  const DWORD begin = GetTickCount();
  for (;;) {
    if (done(Snapshot())) return true;
    if (GetTickCount() - begin > timeoutMs) return false;
    Sleep(5);
  }
}

bool DecodingRecorder::WaitForEnd(unsigned timeoutMs) const {
  return WaitFor([](const DeliveryRecord& r) { return r.ends > 0; }, timeoutMs);
}

void DecodingRecorder::CountIfClosed() {
  if (closed) ++record_.afterClose;
}

void DecodingRecorder::RecordFormat(const void* info, std::size_t size) {
  std::lock_guard<std::mutex> lock(mutex_);
  CountIfClosed();
  ++record_.formats;
  const auto* bytes = static_cast<const std::uint8_t*>(info);
  record_.format.assign(bytes, bytes + (info != nullptr ? size : 0));
}

Bool8 MC_CALL DecodingRecorder::Video(double start, double, const void* pixels, std::int32_t) {
  DecodingRecorder& self = Instance();
  self.inCallback = true;
  std::function<void()> first;
  {
    std::lock_guard<std::mutex> lock(self.mutex_);
    self.CountIfClosed();
    if (self.record_.formats == 0) self.record_.formatFirst = false;
    if (self.record_.frameStarts.empty()) {
      first = self.onFirstFrame;
      const auto* bytes = static_cast<const std::uint8_t*>(pixels);
      self.record_.firstFrame.assign(bytes, bytes + self.frameBytes_);
    }
    self.record_.frameStarts.push_back(start);
  }
  if (first) first();
  if (self.frameSleepMs > 0) Sleep(self.frameSleepMs);
  self.inCallback = false;
  return 1;
}

std::int32_t MC_CALL DecodingRecorder::Audio(double start, double end, const std::int16_t*,
                                             std::int32_t bytes) {
  DecodingRecorder& self = Instance();
  std::lock_guard<std::mutex> lock(self.mutex_);
  self.CountIfClosed();
  if (self.record_.formats == 0) self.record_.formatFirst = false;
  self.record_.audioStarts.push_back(start);
  self.record_.audioEnds.push_back(end);
  self.record_.audioBytes += bytes;
  return 1;
}

Bool8 MC_CALL DecodingRecorder::End() {
  DecodingRecorder& self = Instance();
  std::lock_guard<std::mutex> lock(self.mutex_);
  self.CountIfClosed();
  ++self.record_.ends;
  return 1;
}

int ReferenceFrameCount(const std::string& mediaName) {
  std::ifstream in("test-media-decoding/" + mediaName + ".frames");
  int frames = -1;
  in >> frames;
  return frames;
}

}  // namespace decodingtest
