#pragma once

// Holds an object in its update state (BeginUpdate ... EndUpdate) for a scope, so the
// matching EndUpdate also runs when the scope is left by an exception.
template <class T>
class TUpdateScope {
 public:
  explicit TUpdateScope(T& target) : target_(target) { target_.BeginUpdate(); }
  explicit TUpdateScope(T* target) : TUpdateScope(*target) {}
  ~TUpdateScope() { target_.EndUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

 private:
  T& target_;
};
