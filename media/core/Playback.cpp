#include "media/core/Playback.h"

#include <algorithm>

namespace mediacore {

// Stands between the decoder and the receiver: holds each delivery while the run is
// paused or ahead of the clock, and turns a stop or a seek into "leave the decoding".
class Playback::Gate final : public MediaSink {
 public:
  Gate(Playback& owner, PlaybackReceiver& receiver) : owner_(owner), receiver_(receiver) {}

  bool OnVideoFrame(double start, double end, const std::uint8_t* pixels) override {
    if (!Admit(start, end - start, true)) return !Interrupted();
    return receiver_.OnVideoFrame(start, end, pixels);
  }

  bool OnAudioSamples(double start, double end, const std::int16_t* samples,
                      int bytes) override {
    if (!Admit(start, end - start, false)) return !Interrupted();
    return receiver_.OnAudioSamples(start, end, samples, bytes);
  }

 private:
  // True when the delivery goes to the receiver now.
  bool Admit(double start, double duration, bool video) {
    std::unique_lock<std::mutex> lock(owner_.mutex_);
    interrupted_ = false;
    // A paced run with a picture is silent: its audio neither waits nor is delivered.
    if (owner_.paced_ && !video && owner_.decoder_->HasVideo()) {
      interrupted_ = owner_.Interrupted();
      return false;
    }
    bool deliver = false;
    if (!owner_.AwaitTurn(lock, start, duration, video, deliver)) {
      interrupted_ = true;
      return false;
    }
    if (deliver) owner_.position_ = start;
    return deliver;
  }
  bool Interrupted() const { return interrupted_; }

  Playback& owner_;
  PlaybackReceiver& receiver_;
  bool interrupted_ = false;
};

Playback::Playback(std::unique_ptr<MediaFile> file, std::unique_ptr<MediaDecoder> decoder)
    : file_(std::move(file)), decoder_(std::move(decoder)), position_(decoder_->Position()) {}

Playback::~Playback() {
  Stop();
  std::lock_guard<std::mutex> join(joinMutex_);
  if (!thread_.joinable()) return;
  // The last owner may be the playing thread itself, leaving its run.
  if (thread_.get_id() == std::this_thread::get_id())
    thread_.detach();
  else
    thread_.join();
}

bool Playback::BeginRun(std::unique_lock<std::mutex>&, bool paced) {
  if (running_) return false;
  running_ = true;
  paused_ = false;
  paced_ = paced;
  stopRequested_ = false;
  showOneFrame_ = false;
  rebaseClock_ = true;
  // A later run goes on from where the last one was (or from where a seek put it).
  if (ranBefore_ && !pendingSeek_) pendingSeek_ = position_;
  ranBefore_ = true;
  return true;
}

Playback::Outcome Playback::Play(PlaybackReceiver& receiver, bool paced) {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!BeginRun(lock, paced)) return Outcome::Refused;
    runner_ = std::this_thread::get_id();
    ownThreadRun_ = false;
  }
  return RunLoop(receiver);
}

bool Playback::Start(std::shared_ptr<PlaybackReceiver> receiver, bool paced) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (running_) {
    if (!ownThreadRun_) return false;
    paused_ = false;
    changed_.notify_all();
    return true;
  }
  std::lock_guard<std::mutex> join(joinMutex_);
  // The thread of an earlier run has left it; let it end before the next one starts.
  if (thread_.joinable()) thread_.join();
  BeginRun(lock, paced);
  ownThreadRun_ = true;
  thread_ = std::thread([self = shared_from_this(), receiver = std::move(receiver)] {
    self->RunLoop(*receiver);
  });
  runner_ = thread_.get_id();
  return true;
}

Playback::Outcome Playback::RunLoop(PlaybackReceiver& receiver) {
  bool ended = false;
  try {
    ended = Decode(receiver);
  } catch (...) {
    // A failure inside the decoding ends the run like a stop.
  }
  return EndRun(receiver, ended);
}

bool Playback::Decode(PlaybackReceiver& receiver) {
  Gate gate(*this, receiver);
  if (!receiver.OnFormat()) return false;
  for (;;) {
    std::optional<double> seek;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stopRequested_) return false;
      seek.swap(pendingSeek_);
      if (seek) rebaseClock_ = true;
    }
    if (seek) decoder_->Seek(*seek);
    const MediaDecoder::Step step = decoder_->DecodeAll(gate);
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopRequested_) return false;
    if (!pendingSeek_) return step == MediaDecoder::Step::End;
  }
}

Playback::Outcome Playback::EndRun(PlaybackReceiver& receiver, bool ended) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ended = ended && !stopRequested_;
  }
  try {
    if (ended) receiver.OnEnd();
  } catch (...) {
    // The receiver's failure does not keep the run open.
  }
  std::lock_guard<std::mutex> lock(mutex_);
  running_ = false;
  paused_ = false;
  showOneFrame_ = false;
  changed_.notify_all();
  return ended ? Outcome::Ended : Outcome::Stopped;
}

bool Playback::AwaitTurn(std::unique_lock<std::mutex>& lock, double start, double duration,
                         bool video, bool& deliver) {
  for (;;) {
    if (Interrupted()) return false;
    if (paused_) {
      // A seek on a paused preview shows the picture found there once.
      if (video && showOneFrame_) {
        showOneFrame_ = false;
        rebaseClock_ = true;
        deliver = true;
        return true;
      }
      changed_.wait(lock);
      rebaseClock_ = true;
      continue;
    }
    const Clock::time_point now = Clock::now();
    if (rebaseClock_) {
      clockBase_ = now;
      clockStart_ = start;
      rebaseClock_ = false;
    }
    if (!paced_) {
      deliver = true;
      return true;
    }
    const auto offset = std::chrono::duration<double>(start - clockStart_);
    const Clock::time_point due = clockBase_ + std::chrono::duration_cast<Clock::duration>(offset);
    if (now < due) {
      changed_.wait_until(lock, due);
      continue;
    }
    // Paced audio (of a file without picture) only keeps the time; late pictures are dropped.
    const auto slack = std::chrono::duration<double>(std::max(duration, 0.0));
    deliver = video && now <= due + std::chrono::duration_cast<Clock::duration>(slack);
    return true;
  }
}

bool Playback::Pause() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!running_) return false;
  paused_ = true;
  return true;
}

bool Playback::Resume() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!running_ || !paused_) return false;
  paused_ = false;
  changed_.notify_all();
  return true;
}

bool Playback::Stop() {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!running_) {
    // A thread that has just left its run still ends before the answer.
    lock.unlock();
    JoinThread();
    return false;
  }
  stopRequested_ = true;
  changed_.notify_all();
  if (runner_ == std::this_thread::get_id()) return true;
  changed_.wait(lock, [this] { return !running_; });
  lock.unlock();
  JoinThread();
  return true;
}

void Playback::JoinThread() {
  std::lock_guard<std::mutex> join(joinMutex_);
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

bool Playback::Seek(double time) {
  std::lock_guard<std::mutex> lock(mutex_);
  time = std::max(time, 0.0);
  pendingSeek_ = time;
  position_ = time;
  showOneFrame_ = running_ && paused_ && paced_;
  changed_.notify_all();
  return true;
}

double Playback::Position() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return position_;
}

PlaybackState Playback::State() const {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!running_) return PlaybackState::Stopped;
  return paused_ ? PlaybackState::Paused : PlaybackState::Running;
}

bool Playback::OnOwnThread() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return running_ && ownThreadRun_;
}

}  // namespace mediacore
