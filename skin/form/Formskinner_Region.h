#pragma once
#include "classlib/runtime/WinApi.h"

// The system calls a skinned form makes its window region with. A region handed to
// SetWindowRgn belongs to the system once the call succeeds; every other one is deleted
// by its maker. Tests replace the entries to count what is made, handed over and deleted.
struct TspRegionCalls {
  HRGN(WINAPI* CreateRectRgn)(int, int, int, int) = ::CreateRectRgn;
  HRGN(WINAPI* ExtCreateRegion)(const XFORM*, DWORD, const RGNDATA*) = ::ExtCreateRegion;
  int(WINAPI* CombineRgn)(HRGN, HRGN, HRGN, int) = ::CombineRgn;
  int(WINAPI* SetWindowRgn)(HWND, HRGN, BOOL) = ::SetWindowRgn;
  BOOL(WINAPI* DeleteObject)(HGDIOBJ) = ::DeleteObject;
};

// The entries in use (replaceable as a whole; the window thread only).
TspRegionCalls& RegionCalls();

// A region made through RegionCalls, deleted at the end of its scope unless handed over.
class TspRegion {
 public:
  explicit TspRegion(HRGN handle = nullptr) : handle_(handle) {}
  TspRegion(TspRegion&& other) noexcept : handle_(other.Release()) {}
  TspRegion& operator=(TspRegion&& other) noexcept;
  TspRegion(const TspRegion&) = delete;
  TspRegion& operator=(const TspRegion&) = delete;
  ~TspRegion();

  HRGN Handle() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives the handle up (the caller or the system owns it now).
  HRGN Release();
  // this := this united with `other`; an empty this takes `other` over.
  void Unite(TspRegion other);
  // Hands the region to the window; answers whether the system took it (when it did
  // not, the region is still ours and deleted with this object).
  bool HandTo(HWND window, bool redraw);

 private:
  HRGN handle_;
};
