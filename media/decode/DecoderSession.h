#pragma once
// One decoder handle of mcdecode.dll: a source opened with its parameter block, played on
// a thread of the library through the block's callbacks.
#include <memory>
#include <mutex>
#include <string>

#include "media/contracts/DecoderLibrary.h"
#include "media/core/MediaFile.h"
#include "media/core/Playback.h"

namespace mcdecode {

class DecoderSession {
 public:
  DecoderSession() = default;
  ~DecoderSession();
  DecoderSession(const DecoderSession&) = delete;
  DecoderSession& operator=(const DecoderSession&) = delete;

  // Opens the block's file (first video and audio stream); false when it cannot be read.
  bool Open(const DecoderOpenBlock& block);
  bool GetMediaInfo(DecoderMediaInfo& info) const;
  // Kept for the first run; false once a run has begun.
  bool SetRange(double start, double end);
  // Starts, resumes, or plays again from the position after an end or a stop.
  bool Run();
  bool Pause();
  bool GetPosition(double& position) const;
  bool Seek(double time);
  std::int32_t State() const;
  // Ends any run: back only after its last callback (unless called from inside one).
  void Shutdown();

 private:
  // The playback of the opened file, made at the first run; null when it cannot be.
  std::shared_ptr<mediacore::Playback> PlaybackForRun();
  std::shared_ptr<mediacore::Playback> CurrentPlayback() const;

  mutable std::mutex mutex_;
  std::string fileName_;
  DecoderOpenBlock block_{};
  DecoderMediaInfo info_{};
  double clipStart_ = -1.0;
  double clipEnd_ = -1.0;
  std::unique_ptr<mediacore::MediaFile> file_;  // until the playback takes it
  std::shared_ptr<mediacore::Playback> playback_;
};

}  // namespace mcdecode
