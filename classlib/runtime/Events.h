#pragma once
#include <array>
#include <cstring>
#include <type_traits>

class TObject;

// A closure: one object and one of its member functions taking `Args...`. Closures
// can be tested (explicit bool), compared (same object and same member), copied to
// save them, detached (assign nullptr or Clear) and re-attached (assign a saved copy).
// Calling a detached closure does nothing.
template <class... Args>
class TEvent {
 public:
  constexpr TEvent() noexcept = default;
  constexpr TEvent(std::nullptr_t) noexcept {}  // NOLINT

  template <class C, class M>
    requires std::is_base_of_v<M, C>
  TEvent(C* object, void (M::*method)(Args...)) noexcept  // NOLINT
      : object_(object == nullptr ? nullptr : static_cast<M*>(object)),
        invoke_(object == nullptr ? nullptr : &Invoke<M>) {
    static_assert(sizeof(method) <= sizeof(method_), "member pointer too large");
    std::memcpy(method_.data(), &method, sizeof(method));
  }

  explicit operator bool() const noexcept { return invoke_ != nullptr; }
  bool Assigned() const noexcept { return invoke_ != nullptr; }
  void Clear() noexcept { *this = TEvent(); }
  // The object the closure calls (null when detached).
  void* Object() const noexcept { return object_; }

  void operator()(Args... args) const {
    if (invoke_ != nullptr) invoke_(object_, method_.data(), static_cast<Args>(args)...);
  }

  friend bool operator==(const TEvent& a, const TEvent& b) noexcept {
    return a.object_ == b.object_ && a.invoke_ == b.invoke_ && a.method_ == b.method_;
  }

 private:
  struct Dummy {
    virtual ~Dummy() = default;
  };
  using Storage = std::array<unsigned char, sizeof(void (Dummy::*)())>;

  template <class M>
  static void Invoke(void* object, const unsigned char* method, Args... args) {
    void (M::*member)(Args...);
    std::memcpy(&member, method, sizeof(member));
    (static_cast<M*>(object)->*member)(static_cast<Args>(args)...);
  }

  void* object_ = nullptr;
  void (*invoke_)(void*, const unsigned char*, Args...) = nullptr;
  Storage method_{};
};

// The usual event: the sender only.
using TNotifyEvent = TEvent<TObject*>;
