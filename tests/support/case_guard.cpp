#include "case_guard.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

namespace testsupport {
namespace {

constexpr int kDefaultCaseTimeoutSeconds = 120;
constexpr UINT kTimeoutExitCode = 124;
constexpr UINT kCrashExitCode = 125;

// The case running now, readable from the watchdog thread and the crash handlers.
class RunningCase {
 public:
  void Start(const std::string& name) {
    std::lock_guard<std::mutex> lock(mutex_);
    name_ = name;
    started_ = GetTickCount64();
  }
  void Stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    name_.clear();
  }
  // The running case's name and how long it has run, in milliseconds.
  bool Get(std::string& name, ULONGLONG& elapsed) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (name_.empty()) return false;
    name = name_;
    elapsed = GetTickCount64() - started_;
    return true;
  }
  // Without locking: for crash handlers, which may run while the lock is held.
  const char* NameUnlocked() const { return name_.empty() ? "(between cases)" : name_.c_str(); }

 private:
  std::mutex mutex_;
  std::string name_;
  ULONGLONG started_ = 0;
};

RunningCase& Running() {
  static RunningCase running;
  return running;
}

[[noreturn]] void EndProcess(const char* verdict, const char* detail, UINT code) {
  std::fflush(stdout);
  std::fprintf(stdout, "\n[ %s ] %s %s\n", verdict, Running().NameUnlocked(), detail);
  std::fflush(stdout);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), code);
  std::abort();
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* info) {
  char detail[96];
  std::snprintf(detail, sizeof detail, "ended the process with exception 0x%08lx",
                static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode));
  EndProcess(" CRASHED ", detail, kCrashExitCode);
}

void OnAbort(int) { EndProcess(" CRASHED ", "aborted the process", kCrashExitCode); }

int CaseTimeoutSeconds() {
  const char* value = std::getenv("CONVERTER_CASE_TIMEOUT");
  const int seconds = value != nullptr ? std::atoi(value) : 0;
  return seconds > 0 ? seconds : kDefaultCaseTimeoutSeconds;
}

DWORD WINAPI WatchCases(void* parameter) {
  const ULONGLONG limit = static_cast<ULONGLONG>(reinterpret_cast<UINT_PTR>(parameter)) * 1000;
  for (;;) {
    Sleep(250);
    std::string name;
    ULONGLONG elapsed = 0;
    if (Running().Get(name, elapsed) && elapsed > limit) {
      char detail[96];
      std::snprintf(detail, sizeof detail, "did not finish within %llu s; the process is ended",
                    limit / 1000);
      EndProcess(" TIMEOUT ", detail, kTimeoutExitCode);
    }
  }
}

class CaseListener : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo& info) override {
    Running().Start(std::string(info.test_suite_name()) + "." + info.name());
  }
  void OnTestEnd(const testing::TestInfo&) override { Running().Stop(); }
};

}  // namespace

void InstallCaseGuards() {
  testing::UnitTest::GetInstance()->listeners().Append(new CaseListener);
  SetUnhandledExceptionFilter(OnUnhandledException);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  std::signal(SIGABRT, OnAbort);
  const UINT_PTR seconds = static_cast<UINT_PTR>(CaseTimeoutSeconds());
  HANDLE watchdog = CreateThread(nullptr, 0, WatchCases, reinterpret_cast<void*>(seconds), 0, nullptr);
  if (watchdog != nullptr) CloseHandle(watchdog);
}

}  // namespace testsupport
