#pragma once
// Values of a library reached through 32-bit handles (never 0), from any thread.
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

namespace mediacore {

template <typename Value>
class HandleTable {
 public:
  using Handle = std::uint32_t;

  Handle Add(Value value) {
    std::lock_guard<std::mutex> lock(mutex_);
    do {
      ++last_;
    } while (last_ == 0 || values_.count(last_) != 0);
    values_.emplace(last_, std::move(value));
    return last_;
  }

  std::optional<Value> Find(Handle handle) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = values_.find(handle);
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }

  // Takes the handle out of the table and answers its value.
  std::optional<Value> Remove(Handle handle) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = values_.find(handle);
    if (found == values_.end()) return std::nullopt;
    std::optional<Value> value(std::move(found->second));
    values_.erase(found);
    return value;
  }

 private:
  mutable std::mutex mutex_;
  std::map<Handle, Value> values_;
  Handle last_ = 0;
};

}  // namespace mediacore
