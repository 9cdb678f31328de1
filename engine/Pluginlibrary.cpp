#include "engine/Pluginlibrary.h"

#include <algorithm>

TPluginLibrary::TPluginLibrary(const char* fileName, std::span<const char* const> entryNames)
    : Module(LoadLibraryA(fileName)) {
  if (Module == nullptr) return;
  Entries.reserve(entryNames.size());
  for (const char* name : entryNames) Entries.push_back(GetProcAddress(Module, name));
  Usable = std::none_of(Entries.begin(), Entries.end(), [](FARPROC entry) { return entry == nullptr; });
}

TPluginLibrary::~TPluginLibrary() {
  if (Module != nullptr) FreeLibrary(Module);
}
