#pragma once
// The decoder object of mccodec.dll: probes a source, decodes the chosen streams within a
// range on the caller's thread (Run) or paced on a thread of its own (StartPreview).
#include <memory>
#include <mutex>
#include <string>

#include "media/contracts/CodecLibrary.h"
#include "media/core/MediaFile.h"
#include "media/core/Playback.h"

namespace mccodec {

class DecoderObjectImpl final : public DecoderObject {
 public:
  explicit DecoderObjectImpl(std::string sourcePath);
  ~DecoderObjectImpl();
  DecoderObjectImpl(const DecoderObjectImpl&) = delete;
  DecoderObjectImpl& operator=(const DecoderObjectImpl&) = delete;

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

 private:
  bool PrepareLocked();
  // The playback, prepared first when there is none; null when it cannot be.
  std::shared_ptr<mediacore::Playback> PreparedPlayback();
  std::shared_ptr<mediacore::Playback> CurrentPlayback() const;

  const std::string path_;
  mutable std::mutex mutex_;
  DecoderObjectOpenBlock block_{};
  DecoderObjectInfo info_{};
  bool opened_ = false;
  int videoStream_ = 0;
  int audioStream_ = 0;
  double clipStart_ = -1.0;
  double clipEnd_ = -1.0;
  std::unique_ptr<mediacore::MediaFile> file_;  // until a playback takes it
  std::shared_ptr<mediacore::Playback> playback_;
};

}  // namespace mccodec
