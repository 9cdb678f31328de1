#include <gtest/gtest.h>

#include <atomic>

#include "classlib/runtime/Threads.h"

namespace {

constexpr const char* kCaption = "Synchronize under a message box";

HWND FindBox() { return FindWindowA("#32770", kCaption); }

// Waits for the message box, then hands one call to the window thread that closes it.
class TBoxThread : public TThread {
 public:
  ~TBoxThread() override { WaitFor(); }
  std::atomic<bool> servedWhileOpen{false};
  std::atomic<DWORD> servedOn{0};

 protected:
  void Execute() override {
    for (int i = 0; i < 1000 && FindBox() == nullptr; ++i) Sleep(10);
    Synchronize([this] {
      servedOn = GetCurrentThreadId();
      HWND box = FindBox();
      servedWhileOpen = box != nullptr;
      if (box != nullptr) PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
  }
};

// Ends the message box if nothing else did, so a failure does not hang the run.
void CALLBACK CloseBoxLate(HWND, UINT, UINT_PTR, DWORD) {
  if (HWND box = FindBox()) PostMessageA(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST(ThreadsDisplay, SynchronizeIsServedWhileAMessageBoxIsOpen) {
  TBoxThread worker;
  worker.Start();
  const UINT_PTR timer = SetTimer(nullptr, 0, 15000, &CloseBoxLate);
  MessageBoxA(nullptr, "Waiting for a worker thread", kCaption, MB_OK);
  KillTimer(nullptr, timer);
  worker.WaitFor();
  EXPECT_TRUE(worker.servedWhileOpen.load());
  EXPECT_EQ(worker.servedOn.load(), GetCurrentThreadId());
}
