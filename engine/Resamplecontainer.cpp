#include "engine/Resamplecontainer.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::int32_t kSampleBits = 16;
constexpr std::int32_t kMaxChannels = 8;

}  // namespace

void InitAudioSampleBuffer(AudioSampleBuffer& buffer) {
  std::memset(&buffer, 0, sizeof buffer);
  buffer.inputLayout = kSampleLayoutNotSet;
  buffer.outputLayout = kSampleLayoutNotSet;
}

ResampleContainer::ResampleContainer(AudioSampleBuffer& buffer) : Buffer(buffer) {}

ResampleContainer::~ResampleContainer() {
  if (Handle != 0) DestroyResampler(Handle);
  Buffer.interleavedBuffer = nullptr;
  Buffer.channelBuffers = nullptr;
  Buffer.capacity = 0;
}

void ResampleContainer::SetInputFormat(std::int32_t bits, bool interleaved, std::int32_t rate, std::int32_t channels) {
  Buffer.inputBits = bits;
  Buffer.inputLayout = interleaved ? kSampleLayoutInterleaved : kSampleLayoutPlanar;
  Buffer.inputRate = rate;
  Buffer.inputChannels = channels;
}

bool ResampleContainer::IsConvertingLayout() const {
  return Buffer.outputLayout == kSampleLayoutPlanar || Buffer.outputLayout == kSampleLayoutInterleaved;
}

bool ResampleContainer::MakeResampler() {
  if (Handle != 0 || PassThrough) return true;
  if (Failed) return false;
  const bool sixteenBits = Buffer.inputBits == kSampleBits && Buffer.outputBits == kSampleBits &&
                           Buffer.inputLayout == kSampleLayoutInterleaved;
  const bool valid = sixteenBits && Buffer.outputChannels >= 1 && Buffer.outputChannels <= kMaxChannels;
  // The same rate and channels on both sides need no resampler: the samples are copied.
  PassThrough = valid && Buffer.inputRate == Buffer.outputRate && Buffer.inputChannels == Buffer.outputChannels;
  if (valid && !PassThrough)
    Handle = CreateResampler(Buffer.inputChannels, Buffer.inputRate, Buffer.outputChannels, Buffer.outputRate);
  Failed = !PassThrough && Handle == 0;
  return !Failed;
}

std::int32_t ResampleContainer::Convert(const std::int16_t* samples, std::int32_t count) {
  if (!PassThrough) return ResampleSamples(Handle, samples, count, Interleaved.data());
  std::copy_n(samples, static_cast<std::size_t>(count) * static_cast<std::size_t>(Buffer.outputChannels),
              Interleaved.data());
  return count;
}

void ResampleContainer::EnsureCapacity(std::int32_t capacity) {
  const auto perChannel = static_cast<std::size_t>(capacity);
  const auto channels = static_cast<std::size_t>(Buffer.outputChannels);
  // Layout 0 is converted interleaved first, then split.
  Interleaved.assign(perChannel * channels, 0);
  Buffer.interleavedBuffer = Interleaved.data();
  if (Buffer.outputLayout == kSampleLayoutPlanar) {
    Planes.assign(channels, std::vector<std::int16_t>(perChannel, 0));
    PlanePointers.clear();
    for (auto& plane : Planes) PlanePointers.push_back(plane.data());
    Buffer.channelBuffers = PlanePointers.data();
    Buffer.interleavedBuffer = nullptr;
  }
  Buffer.capacity = capacity;
}

std::int32_t ResampleContainer::Produced(std::int32_t count) {
  Buffer.produced = count;
  return count;
}

void ResampleContainer::SplitChannels(std::int32_t count) {
  if (Buffer.outputLayout != kSampleLayoutPlanar) return;
  const auto channels = static_cast<std::size_t>(Buffer.outputChannels);
  for (std::size_t c = 0; c < channels; ++c) {
    std::int16_t* plane = Planes[c].data();
    for (std::int32_t i = 0; i < count; ++i) plane[i] = Interleaved[static_cast<std::size_t>(i) * channels + c];
  }
}

std::int32_t ResampleContainer::Process(const std::int16_t* samples, std::int32_t count) {
  if (!IsConvertingLayout()) return Produced(count);
  if (count <= 0 || samples == nullptr || !MakeResampler()) return Produced(0);
  const std::int64_t needed = ResampledCapacity(count, Buffer.inputRate, Buffer.outputRate);
  if (Buffer.capacity < needed) EnsureCapacity(static_cast<std::int32_t>(needed));
  const std::int32_t written = Convert(samples, count);
  SplitChannels(written);
  return Produced(written);
}

std::int32_t ResampleContainer::Flush() {
  if (!IsConvertingLayout() || Handle == 0) return Produced(0);
  const std::int64_t needed = ResampledCapacity(kFlushInputSamples, Buffer.inputRate, Buffer.outputRate);
  if (Buffer.capacity < needed) EnsureCapacity(static_cast<std::int32_t>(needed));
  const std::int32_t written = FlushResampler(Handle, Interleaved.data());
  SplitChannels(written);
  return Produced(written);
}
