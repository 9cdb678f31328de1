// Test tools that watch what the program asks of a system DLL by rewriting the program's
// import address table: calls the program makes itself (the libraries under test are linked
// in statically) go through a replacement while the hook lives.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace testsupport {

// Replaces `function` imported from `dll` (e.g. "gdi32.dll", "DeleteObject") in this
// program's import table for the hook's lifetime. A function the program does not import
// is left alone (Hooked() is false).
class TImportHook {
 public:
  TImportHook(const char* dll, const char* function, void* replacement);
  ~TImportHook();
  TImportHook(const TImportHook&) = delete;
  TImportHook& operator=(const TImportHook&) = delete;
  bool Hooked() const { return slot_ != nullptr; }
  void* Original() const { return original_; }

 private:
  void** slot_ = nullptr;
  void* original_ = nullptr;
};

// Watches regions handed to windows (SetWindowRgn): such a region belongs to the window,
// and deleting it afterwards frees whatever region the system gave its handle to. Wine
// frees a region as the window takes it and reuses handles, so only watching the calls
// shows the fault there. One watch at a time, on the thread that makes the regions.
class TRegionHandOverWatch {
 public:
  TRegionHandOverWatch();
  ~TRegionHandOverWatch();
  // How many regions were handed to windows while watching.
  std::size_t HandedCount() const;
  // The handed regions the program deleted afterwards (empty when it kept to the rule).
  std::vector<HRGN> DeletedAfterHandOver() const;
  struct TLedger;  // what the watch records

 private:
  std::unique_ptr<TLedger> ledger_;  // declared first: outlives the hooks that write to it
  std::vector<std::unique_ptr<TImportHook>> hooks_;
};

}  // namespace testsupport
