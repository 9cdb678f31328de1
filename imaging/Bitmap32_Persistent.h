#pragma once
// The bases of the bitmap library's notifying objects: update counting with a change
// event, a per-object lock, and a sized two-dimensional map.
#include <cstdint>

#include "classlib/runtime/Events.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/SyncObjs.h"

namespace imaging {

// Counts BeginUpdate/EndUpdate pairs; Changed fires OnChange only while no update is open.
class TNotifiablePersistent : public TPersistent {
  CLASSLIB_CLASS(TNotifiablePersistent, TPersistent)
 public:
  virtual void Changed();
  virtual void BeginUpdate();
  // Closes one update without notifying; an unpaired call raises EAssertionFailed
  // "Unpaired TThreadPersistent.EndUpdate" and leaves the count alone.
  virtual void EndUpdate();
  int32_t UpdateCount() const { return updateCount_; }

  TNotifyEvent OnChange;

 private:
  int32_t updateCount_ = 0;
};

// A notifying object with a lock of its own for callers that share it between threads.
class TThreadPersistent : public TNotifiablePersistent {
  CLASSLIB_CLASS(TThreadPersistent, TNotifiablePersistent)
 public:
  TThreadPersistent() = default;
  void Lock();
  void Unlock();
  // Readable without the lock.
  int32_t LockCount() const;
  TCriticalSection& LockObject() { return lock_; }

 private:
  TCriticalSection lock_;
  volatile long lockCount_ = 0;
};

// A map of Width x Height cells; sizes are never negative.
class TCustomMap : public TThreadPersistent {
  CLASSLIB_CLASS(TCustomMap, TThreadPersistent)
 public:
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // Negative sizes become 0; answers whether the size changed (then ChangeSize,
  // Changed and Resized ran in this order).
  virtual bool SetSize(int32_t newWidth, int32_t newHeight);
  bool SetWidth(int32_t newWidth) { return SetSize(newWidth, height_); }
  bool SetHeight(int32_t newHeight) { return SetSize(width_, newHeight); }
  // Takes the size of another map, a class-library picture or a control; null gives 0 x 0.
  // Other sources raise Exception "Can't set size from '<class name>'".
  virtual void SetSizeFrom(TPersistent* source);
  virtual void Delete() { SetSize(0, 0); }
  virtual bool Empty() const { return width_ == 0 || height_ == 0; }
  virtual void Resized();

  TNotifyEvent OnResize;

 protected:
  // Stores the new size; a map with storage rebuilds it here.
  virtual void ChangeSize(int32_t& width, int32_t& height, int32_t newWidth, int32_t newHeight);
  [[noreturn]] static void SizeSourceError(TPersistent* source);

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace imaging
