#pragma once
#include <objbase.h>

#include <utility>

// One counted reference to a COM interface, released when the holder goes.
template <class T>
class TspComRef {
 public:
  TspComRef() = default;
  // Takes over a reference the caller already holds.
  explicit TspComRef(T* taken) noexcept : pointer_(taken) {}
  TspComRef(const TspComRef& other) noexcept : pointer_(other.pointer_) {
    if (pointer_ != nullptr) pointer_->AddRef();
  }
  TspComRef(TspComRef&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  TspComRef& operator=(TspComRef other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }
  ~TspComRef() { Reset(); }

  // A new reference to `pointer` (AddRef).
  static TspComRef Share(T* pointer) noexcept {
    if (pointer != nullptr) pointer->AddRef();
    return TspComRef(pointer);
  }

  T* Get() const noexcept { return pointer_; }
  T* operator->() const noexcept { return pointer_; }
  explicit operator bool() const noexcept { return pointer_ != nullptr; }
  void Reset() noexcept {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
  }
  // Releases the held reference and answers the slot a call fills with a new one.
  T** Put() noexcept {
    Reset();
    return &pointer_;
  }
  void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }
  // Hands the reference to the caller.
  T* Detach() noexcept { return std::exchange(pointer_, nullptr); }

  // The object's interface `I` (QueryInterface), or none.
  template <class I>
  TspComRef<I> As(REFIID iid) const noexcept {
    TspComRef<I> result;
    if (pointer_ != nullptr) pointer_->QueryInterface(iid, result.PutVoid());
    return result;
  }

 private:
  T* pointer_ = nullptr;
};
