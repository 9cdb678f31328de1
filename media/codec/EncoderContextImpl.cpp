#include "media/codec/EncoderContextImpl.h"

#include <utility>

#include "media/codec/CallGuard.h"

namespace mccodec {
namespace {

std::string Text(const char* text) { return text != nullptr ? text : ""; }

std::int32_t Answer(bool ok) { return ok ? kCallOk : kCallFailed; }

}  // namespace

EncoderContextImpl::EncoderContextImpl(std::string outputPath) : path_(std::move(outputPath)) {}

EncoderContextImpl::~EncoderContextImpl() {
  if (stage_ == Stage::Open) Close();
}

template <typename Setter>
std::int32_t EncoderContextImpl::Configure(Setter&& setter) {
  return Guarded(kCallFailed, [&] {
    const std::lock_guard lock(mutex_);
    return Answer(stage_ == Stage::Setting && setter());
  });
}

std::int32_t MC_CALL EncoderContextImpl::SetVideoCodec(const char* name) {
  return Configure([&] { return settings_.SetVideoCodec(Text(name)); });
}

std::int32_t MC_CALL EncoderContextImpl::SetAudioCodec(const char* name) {
  return Configure([&] { return settings_.SetAudioCodec(Text(name)); });
}

std::int32_t MC_CALL EncoderContextImpl::SetFormat(const char* containerName) {
  return Configure([&] { return settings_.SetFormat(Text(containerName)); });
}

std::int32_t MC_CALL EncoderContextImpl::SetAudioParams(std::int32_t outputRate,
                                                        std::int32_t outputChannels,
                                                        std::int32_t bitRate,
                                                        std::int32_t sourceRate,
                                                        std::int32_t sourceChannels) {
  return Configure([&] {
    return settings_.SetAudioParams(
        AudioParams{outputRate, outputChannels, bitRate, sourceRate, sourceChannels});
  });
}

std::int32_t MC_CALL EncoderContextImpl::SetVideoParams(
    std::int32_t outputWidth, std::int32_t outputHeight, std::int32_t bitRate, double frameRate,
    std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t sourcePixelFormat,
    std::int32_t cropLeft, std::int32_t cropRight, std::int32_t cropTop, std::int32_t cropBottom,
    std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
  return Configure([&] {
    const PictureGeometry geometry{outputWidth, outputHeight, sourceWidth, sourceHeight,
                                   sourcePixelFormat, false, cropLeft, cropRight,
                                   cropTop, cropBottom};
    return settings_.SetVideoParams(VideoParams{geometry, bitRate, frameRate});
  });
}

std::int32_t MC_CALL EncoderContextImpl::Reserved5() { return kCallFailed; }
std::int32_t MC_CALL EncoderContextImpl::Reserved6() { return kCallFailed; }
std::int32_t MC_CALL EncoderContextImpl::Reserved7() { return kCallFailed; }
std::int32_t MC_CALL EncoderContextImpl::Reserved8() { return kCallFailed; }
std::int32_t MC_CALL EncoderContextImpl::Reserved9() { return kCallFailed; }
std::int32_t MC_CALL EncoderContextImpl::Reserved10() { return kCallFailed; }

std::int32_t MC_CALL EncoderContextImpl::SetOption(const char* name, const char* value) {
  return Configure([&] { return settings_.SetOption(Text(name), Text(value)); });
}

std::int32_t MC_CALL EncoderContextImpl::Open() {
  return Guarded(kCallFailed, [&] {
    const std::lock_guard lock(mutex_);
    if (stage_ != Stage::Setting) return kCallFailed;
    session_ = std::make_unique<OutputSession>(settings_, path_);
    stage_ = Stage::Open;
    return kCallOk;
  });
}

std::int32_t MC_CALL EncoderContextImpl::Close() {
  return Guarded(kCallFailed, [&] {
    const std::lock_guard lock(mutex_);
    if (stage_ == Stage::Open) {
      stage_ = Stage::Closed;
      closeResult_ = Answer(session_->Finish());
      finalSize_ = session_->Size();
      session_.reset();
    }
    // Before a successful Open there is no file, so nothing was completed.
    return closeResult_;
  });
}

std::int32_t MC_CALL EncoderContextImpl::EncodeVideo(const void* pixels, double start) {
  return Guarded(kCallFailed, [&] {
    const std::lock_guard lock(mutex_);
    if (stage_ != Stage::Open) return kCallFailed;
    session_->EncodeVideo(pixels, start);
    return kCallOk;
  });
}

std::int32_t MC_CALL EncoderContextImpl::EncodeAudio(const void* samples, std::int32_t bytes,
                                                     double start) {
  return Guarded(kCallFailed, [&] {
    const std::lock_guard lock(mutex_);
    if (stage_ != Stage::Open || bytes < 0) return kCallFailed;
    session_->EncodeAudio(static_cast<const std::int16_t*>(samples), bytes, start);
    return kCallOk;
  });
}

std::int64_t MC_CALL EncoderContextImpl::GetOutputSize() {
  return Guarded<std::int64_t>(0, [&]() -> std::int64_t {
    const std::lock_guard lock(mutex_);
    return session_ ? session_->Size() : finalSize_;
  });
}

}  // namespace mccodec
