#pragma once
#include <cstddef>
#include <span>
#include <type_traits>
#include <vector>

#include "classlib/runtime/WinApi.h"

// A plug-in library loaded by its bare file name, with a list of entries bound by name.
// It is usable only when the library loaded and every entry was found; an unusable one
// answers no entry. Unloads the library when destroyed.
class TPluginLibrary {
 public:
  TPluginLibrary(const char* fileName, std::span<const char* const> entryNames);
  ~TPluginLibrary();
  TPluginLibrary(const TPluginLibrary&) = delete;
  TPluginLibrary& operator=(const TPluginLibrary&) = delete;

  bool IsUsable() const { return Usable; }
  // The address of entry `index` (in the order of the names) as the pointer type `Fn`;
  // null while the library is unusable.
  template <typename Fn>
  Fn Entry(std::size_t index) const {
    return Usable ? reinterpret_cast<Fn>(reinterpret_cast<void*>(Entries[index])) : nullptr;
  }

 private:
  HMODULE Module;
  std::vector<FARPROC> Entries;
  bool Usable = false;
};

// Calls entry `index` of `library` as `Fn` with `args` and answers its result; calls
// nothing and answers 0 (or nothing) while the library is unusable.
template <typename Fn, typename... Args>
auto CallPluginEntry(const TPluginLibrary& library, std::size_t index, Args... args) {
  using Result = std::invoke_result_t<Fn, Args...>;
  const Fn entry = library.Entry<Fn>(index);
  if constexpr (std::is_void_v<Result>) {
    if (entry != nullptr) entry(args...);
  } else {
    return entry != nullptr ? entry(args...) : Result{};
  }
}

// The position of `name` in `names`; usable in constant expressions, where a missing name
// fails the build.
template <std::size_t N>
consteval std::size_t EntryIndex(const char* const (&names)[N], const char* name) {
  for (std::size_t i = 0; i < N; ++i) {
    const char* a = names[i];
    const char* b = name;
    while (*a != '\0' && *a == *b) {
      ++a;
      ++b;
    }
    if (*a == *b) return i;
  }
  throw "no such entry";
}
