#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Threads.h"
#include "test_support.h"

namespace {

// A worker that hands `rounds` numbered calls to the window thread.
class TCountingThread : public TThread {
 public:
  explicit TCountingThread(int rounds) : rounds_(rounds) {}
  ~TCountingThread() override { WaitFor(); }
  std::vector<int> order;
  std::vector<DWORD> threads;

 protected:
  void Execute() override {
    for (int i = 0; i < rounds_ && !Terminated(); ++i) {
      Synchronize([this, i] {
        order.push_back(i);
        threads.push_back(GetCurrentThreadId());
      });
    }
    SetReturnValue(rounds_);
  }

 private:
  int rounds_;
};

std::atomic<int> g_destroyed{0};

class TSelfFreeing : public TThread {
 public:
  ~TSelfFreeing() override { ++g_destroyed; }

 protected:
  void Execute() override {}
};

class TTerminateWatcher : public TObject {
 public:
  void ThreadDone(TObject* sender) {
    calls.push_back(sender);
    threads.push_back(GetCurrentThreadId());
  }
  std::vector<TObject*> calls;
  std::vector<DWORD> threads;
};

class TFailingThread : public TThread {
 public:
  ~TFailingThread() override { WaitFor(); }

 protected:
  void Execute() override { throw EConvertError("worker failed"); }
};

class TCallbackThread : public TThread {
 public:
  ~TCallbackThread() override { WaitFor(); }
  AnsiString caught;
  std::atomic<bool> executed{false};

 protected:
  void Execute() override {
    executed = true;
    try {
      Synchronize([] { throw EListError("raised on the window thread"); });
    } catch (const EListError& e) {
      caught = e.Message();
    }
  }
};

}  // namespace

TEST(Threads, HundredSynchronizeCallsRunInOrderOnTheWindowThreadDuringWaitFor) {
  TCountingThread worker(100);
  worker.Start();
  EXPECT_EQ(worker.WaitFor(), 100);
  ASSERT_EQ(worker.order.size(), 100u);
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(worker.order[i], i);
    EXPECT_EQ(worker.threads[i], GetCurrentThreadId());
  }
  EXPECT_EQ(GetCurrentThreadId(), MainThreadID());
  EXPECT_TRUE(worker.Finished());
}

TEST(Threads, FreeOnTerminateRunsOnTerminateOnTheWindowThreadAndFreesOnce) {
  g_destroyed = 0;
  TTerminateWatcher watcher;
  auto* thread = new TSelfFreeing();
  thread->SetFreeOnTerminate(true);
  thread->OnTerminate = TNotifyEvent(&watcher, &TTerminateWatcher::ThreadDone);
  thread->Start();
  // The application loop serves the queue; here the test's pump does.
  ASSERT_TRUE(testsupport::PumpUntil([] { return g_destroyed.load() > 0; }, 10000));
  testsupport::PumpMessages(200);
  EXPECT_EQ(g_destroyed.load(), 1);
  ASSERT_EQ(watcher.calls.size(), 1u);
  EXPECT_EQ(watcher.calls[0], thread);
  EXPECT_EQ(watcher.threads[0], GetCurrentThreadId());
}

TEST(Threads, CheckSynchronizeServesTheQueueWithoutMessages) {
  TCountingThread worker(3);
  worker.Start();
  int served = 0;
  for (int i = 0; i < 200 && !worker.Finished(); ++i) {
    if (CheckSynchronize(50)) ++served;
  }
  worker.WaitFor();
  EXPECT_EQ(worker.order, (std::vector<int>{0, 1, 2}));
  EXPECT_GE(served, 1);
}

TEST(Threads, ExceptionEscapingExecuteIsKept) {
  TFailingThread thread;
  thread.Start();
  thread.WaitFor();
  ASSERT_TRUE(thread.FatalException());
  EXPECT_EQ(ExceptionMessage(thread.FatalException()), "worker failed");
}

TEST(Threads, ExceptionInSynchronizedMethodIsRaisedInTheWorker) {
  TCallbackThread thread;
  thread.Start();
  thread.WaitFor();
  EXPECT_EQ(thread.caught, "raised on the window thread");
  EXPECT_FALSE(thread.FatalException());
}

TEST(Threads, NeverStartedThreadIsFreedWithoutRunning) {
  auto* thread = new TCallbackThread();
  EXPECT_TRUE(thread->Suspended());
  auto* executed = &thread->executed;
  EXPECT_FALSE(executed->load());
  delete thread;  // must neither hang nor run Execute
}
