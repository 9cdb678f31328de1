#pragma once
// Runs the body of a library entry or method so that no exception leaves the library: any
// exception turns into the given failure answer.
#include <utility>

namespace mccodec {

template <typename Result, typename Body>
Result Guarded(Result failure, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    return failure;
  }
}

}  // namespace mccodec
