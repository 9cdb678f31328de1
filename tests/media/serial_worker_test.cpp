// The codec library's serial worker on its own: tasks run one at a time in the order they
// were posted, a full queue holds the poster back, and a failed task stops the rest.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "media/codec/SerialWorker.h"

namespace {

using namespace std::chrono_literals;

TEST(SerialWorker, RunsTasksOneAtATimeInPostingOrder) {
  std::vector<int> order;
  std::atomic<int> running{0};
  std::atomic<bool> overlapped{false};
  mccodec::SerialWorker worker(3);
  for (int i = 0; i < 200; ++i) {
    worker.Post([&, i] {
      if (++running > 1) overlapped = true;
      order.push_back(i);
      --running;
    });
  }
  ASSERT_TRUE(worker.Drain());
  EXPECT_FALSE(overlapped);
  ASSERT_EQ(order.size(), 200u);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(order[i], i);
}

TEST(SerialWorker, AFullQueueHoldsThePosterBack) {
  std::atomic<bool> release{false};
  std::atomic<int> posted{0};
  mccodec::SerialWorker worker(2);
  worker.Post([&] {
    while (!release) std::this_thread::sleep_for(1ms);
  });
  std::thread poster([&] {
    for (int i = 0; i < 4; ++i) {
      worker.Post([] {});
      ++posted;
    }
  });
  // The first task runs, two wait in the queue; the third post waits for room.
  for (int i = 0; i < 5000 && posted < 2; ++i) std::this_thread::sleep_for(1ms);
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(posted.load(), 2);
  release = true;
  poster.join();
  EXPECT_EQ(posted.load(), 4);
  EXPECT_TRUE(worker.Drain());
}

TEST(SerialWorker, AFailedTaskDropsTheRestAndLaterPostsThrow) {
  std::atomic<bool> release{false};
  std::atomic<bool> ranAfterFailure{false};
  mccodec::SerialWorker worker(4);
  worker.Post([&] {
    while (!release) std::this_thread::sleep_for(1ms);
    throw std::runtime_error("encoding failed");
  });
  worker.Post([&] { ranAfterFailure = true; });
  release = true;
  EXPECT_FALSE(worker.Drain());
  EXPECT_FALSE(ranAfterFailure);
  EXPECT_THROW(worker.Post([] {}), std::runtime_error);
  EXPECT_FALSE(worker.Drain());
}

TEST(SerialWorker, EndsWithoutRunningWhatIsStillQueued) {
  std::atomic<bool> started{false};
  std::atomic<bool> release{false};
  std::atomic<int> ran{0};
  std::thread releaser;
  {
    mccodec::SerialWorker worker(4);
    worker.Post([&] {
      started = true;
      while (!release) std::this_thread::sleep_for(1ms);
      ++ran;
    });
    for (int i = 0; i < 3; ++i) worker.Post([&] { ++ran; });
    while (!started) std::this_thread::sleep_for(1ms);
    releaser = std::thread([&] {
      std::this_thread::sleep_for(50ms);
      release = true;
    });
  }  // waits for the running task only
  releaser.join();
  EXPECT_EQ(ran.load(), 1);
}

}  // namespace
