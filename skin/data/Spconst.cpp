#include "skin/data/Spconst.h"

#include "classlib/runtime/WinApi.h"

namespace {

// The module this code (and so the string table linked with it) belongs to.
HMODULE OwnModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&OwnModule), &module);
  return module;
}

}  // namespace

AnsiString TspResourceString::Text() const {
  char buffer[1024];
  int length = LoadStringA(OwnModule(), static_cast<UINT>(Id), buffer, sizeof(buffer));
  return AnsiString(buffer, length);
}
