#pragma once
// Runs tasks one after another, in the order they were posted, on a thread of its own. The
// poster waits while the queue is full, so a fast producer cannot run far ahead. After a
// task failed the rest are dropped and every later Post throws.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace mccodec {

class SerialWorker {
 public:
  explicit SerialWorker(std::size_t capacity);
  // Drops what is still queued and waits for the running task.
  ~SerialWorker();
  SerialWorker(const SerialWorker&) = delete;
  SerialWorker& operator=(const SerialWorker&) = delete;

  // Queues a task; rethrows the failure of an earlier task instead.
  void Post(std::function<void()> task);
  // Waits until every queued task has run; false when one failed.
  bool Drain();

 private:
  void Run();
  // Throws the first task's failure, if any; with the lock held.
  void ThrowFailure() const;

  const std::size_t capacity_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> tasks_;
  bool running_ = false;  // a task taken from the queue has not ended yet
  bool stopping_ = false;
  std::exception_ptr failure_;
  std::thread thread_;
};

}  // namespace mccodec
