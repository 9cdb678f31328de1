#include "media/codec/ClosedDecoderObject.h"

#include <cstring>

std::int32_t MC_CALL ClosedDecoderObject::Open(const DecoderObjectOpenBlock*) { return kCallFailed; }

std::int32_t MC_CALL ClosedDecoderObject::Prepare() { return kCallFailed; }

std::int32_t MC_CALL ClosedDecoderObject::Close() { return kCallOk; }

std::int32_t MC_CALL ClosedDecoderObject::SetRange(double, double) { return kCallFailed; }

std::int32_t MC_CALL ClosedDecoderObject::SetTime(double) { return kCallFailed; }

std::int32_t MC_CALL ClosedDecoderObject::GetMediaInfo(DecoderObjectInfo* info) {
  if (info != nullptr) std::memset(info, 0, sizeof(*info));
  return kCallFailed;
}

std::int32_t MC_CALL ClosedDecoderObject::SelectVideoStream(std::int32_t) { return kCallFailed; }

std::int32_t MC_CALL ClosedDecoderObject::SelectAudioStream(std::int32_t) { return kCallFailed; }

std::int32_t MC_CALL ClosedDecoderObject::Run() { return kCallFailed; }

std::int32_t MC_CALL ClosedDecoderObject::Pause() { return kCallFailed; }

std::int32_t MC_CALL ClosedDecoderObject::Stop() { return kCallFailed; }

std::int32_t MC_CALL ClosedDecoderObject::StartPreview(HWND) { return kCallFailed; }

std::int32_t MC_CALL ClosedDecoderObject::Resume() { return kCallFailed; }

std::int32_t MC_CALL ClosedDecoderObject::GetPosition(double* position) {
  if (position != nullptr) *position = 0.0;
  return kCallFailed;
}

std::int32_t MC_CALL ClosedDecoderObject::Seek(double) { return kCallFailed; }

std::int32_t MC_CALL ClosedDecoderObject::GetState() { return DecoderObjectStopped; }
