#pragma once
#include "classlib/runtime/Object.h"
#include "classlib/runtime/WinApi.h"

// A system critical section. Also usable with std::lock_guard (lock/unlock).
class TCriticalSection : public TObject {
  CLASSLIB_CLASS(TCriticalSection, TObject)
 public:
  TCriticalSection() { InitializeCriticalSection(&section_); }
  ~TCriticalSection() override { DeleteCriticalSection(&section_); }

  void Acquire() { EnterCriticalSection(&section_); }
  void Release() { LeaveCriticalSection(&section_); }
  void Enter() { Acquire(); }
  void Leave() { Release(); }
  bool TryEnter() { return TryEnterCriticalSection(&section_) != FALSE; }
  void lock() { Acquire(); }
  void unlock() { Release(); }

 private:
  CRITICAL_SECTION section_;
};
