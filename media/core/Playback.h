#pragma once
// Plays a MediaDecoder through a receiver, on the calling thread or on a thread of its own,
// with pause, resume, stop and seek from any thread (also from inside a callback) and,
// for previews, frames paced to the clock.
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "media/core/MediaDecoder.h"
#include "media/core/MediaFile.h"
#include "media/core/MediaSink.h"

namespace mediacore {

// Receives what a playback delivers, on the playing thread.
class PlaybackReceiver : public MediaSink {
 public:
  // Once per run, before the first frame; false stops the run (no end follows).
  virtual bool OnFormat() = 0;
  // The natural end of the run; never after a stop.
  virtual void OnEnd() = 0;

 protected:
  ~PlaybackReceiver() = default;
};

enum class PlaybackState { Running, Stopped, Paused };

class Playback : public std::enable_shared_from_this<Playback> {
 public:
  enum class Outcome { Ended, Stopped, Refused };

  // Owns the file and the decoder made over it.
  Playback(std::unique_ptr<MediaFile> file, std::unique_ptr<MediaDecoder> decoder);
  ~Playback();
  Playback(const Playback&) = delete;
  Playback& operator=(const Playback&) = delete;

  // Plays on the calling thread until the end or a stop. Refused while a run is under way.
  // A later run goes on from the position (a seek's target, or the last delivered time).
  // Paced: frames are held until their time and late ones dropped; audio is never
  // delivered then.
  Outcome Play(PlaybackReceiver& receiver, bool paced);
  // Plays on a thread of its own; the receiver is kept until that run ends. A paused run
  // resumes, a running one goes on. False when a run on the caller's thread is under way.
  bool Start(std::shared_ptr<PlaybackReceiver> receiver, bool paced);
  // Holds the run before its next callback; false when nothing runs.
  bool Pause();
  bool Resume();
  // Ends the run without its end callback. Called on another thread, it returns once the
  // run has left its callbacks (and its own thread has ended); inside a callback it only
  // asks. False when nothing runs.
  bool Stop();
  // Continues at `time`; at once when nothing runs. A paused paced run shows the frame
  // found there once.
  bool Seek(double time);
  double Position() const;
  PlaybackState State() const;
  // The run under way plays on the playback's own thread.
  bool OnOwnThread() const;

 private:
  class Gate;
  using Clock = std::chrono::steady_clock;

  // Marks a run under way; false when one already is.
  bool BeginRun(std::unique_lock<std::mutex>& lock, bool paced);
  Outcome RunLoop(PlaybackReceiver& receiver);
  // The decoding of one run; true at its natural end.
  bool Decode(PlaybackReceiver& receiver);
  // Delivers the end of a natural end that no stop overtook, then marks the run over.
  Outcome EndRun(PlaybackReceiver& receiver, bool ended);
  void JoinThread();
  // Waits until the frame starting at `start` may be delivered; false when the run must
  // leave its decoding (stop or seek). `deliver` is false for a late frame.
  bool AwaitTurn(std::unique_lock<std::mutex>& lock, double start, double duration, bool video,
                 bool& deliver);
  bool Interrupted() const { return stopRequested_ || pendingSeek_.has_value(); }

  std::unique_ptr<MediaFile> file_;
  std::unique_ptr<MediaDecoder> decoder_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::mutex joinMutex_;  // guards thread_
  std::thread thread_;
  std::thread::id runner_;
  bool running_ = false;  // a run is under way
  bool ownThreadRun_ = false;
  bool paused_ = false;
  bool paced_ = false;
  bool stopRequested_ = false;
  bool ranBefore_ = false;
  bool showOneFrame_ = false;
  bool rebaseClock_ = true;
  std::optional<double> pendingSeek_;
  double position_ = 0.0;
  Clock::time_point clockBase_;
  double clockStart_ = 0.0;
};

}  // namespace mediacore
