#pragma once
#include "media/contracts/CodecLibrary.h"

// The decoder object handed out while no source can be decoded: it opens nothing, reports
// an invalid file and answers failure to everything but Close.
class ClosedDecoderObject final : public DecoderObject {
 public:
  std::int32_t MC_CALL Open(const DecoderObjectOpenBlock* block) override;
  std::int32_t MC_CALL Prepare() override;
  std::int32_t MC_CALL Close() override;
  std::int32_t MC_CALL SetRange(double start, double end) override;
  std::int32_t MC_CALL SetTime(double time) override;
  std::int32_t MC_CALL GetMediaInfo(DecoderObjectInfo* info) override;
  std::int32_t MC_CALL SelectVideoStream(std::int32_t index) override;
  std::int32_t MC_CALL SelectAudioStream(std::int32_t index) override;
  std::int32_t MC_CALL Run() override;
  std::int32_t MC_CALL Pause() override;
  std::int32_t MC_CALL Stop() override;
  std::int32_t MC_CALL StartPreview(HWND window) override;
  std::int32_t MC_CALL Resume() override;
  std::int32_t MC_CALL GetPosition(double* position) override;
  std::int32_t MC_CALL Seek(double time) override;
  std::int32_t MC_CALL GetState() override;
};
