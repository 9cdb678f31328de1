#include "media/codec/SerialWorker.h"

#include <utility>

namespace mccodec {

SerialWorker::SerialWorker(std::size_t capacity)
    : capacity_(capacity > 0 ? capacity : 1), thread_([this] { Run(); }) {}

SerialWorker::~SerialWorker() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
    tasks_.clear();
  }
  changed_.notify_all();
  thread_.join();
}

void SerialWorker::ThrowFailure() const {
  if (failure_) std::rethrow_exception(failure_);
}

void SerialWorker::Post(std::function<void()> task) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return failure_ || tasks_.size() < capacity_; });
  ThrowFailure();
  tasks_.push_back(std::move(task));
  changed_.notify_all();
}

bool SerialWorker::Drain() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return tasks_.empty() && !running_; });
  return !failure_;
}

void SerialWorker::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
    if (stopping_) return;
    std::function<void()> task = std::move(tasks_.front());
    tasks_.pop_front();
    running_ = true;
    changed_.notify_all();  // a poster held back by a full queue has room now
    lock.unlock();
    std::exception_ptr failure;
    try {
      task();
    } catch (...) {
      failure = std::current_exception();
    }
    task = nullptr;  // what the task holds is let go of before anyone is told it ran
    lock.lock();
    running_ = false;
    if (failure && !failure_) failure_ = failure;
    if (failure_) tasks_.clear();
    changed_.notify_all();
  }
}

}  // namespace mccodec
