#include "media/plugins/apeenc/TemporaryFile.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <stdexcept>

namespace apeenc {

TemporaryFile::TemporaryFile() {
  char folder[MAX_PATH + 1] = {};
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof folder, folder);
  if (length == 0 || length > MAX_PATH || GetTempFileNameA(folder, "ape", 0, path) == 0)
    throw std::runtime_error("no temporary file");
  // GetTempFileName made the file; it is opened again to go when closed.
  const HANDLE handle = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    DeleteFileA(path);
    throw std::runtime_error("no temporary file");
  }
  const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDWR | _O_BINARY);
  if (descriptor == -1) {
    CloseHandle(handle);
    throw std::runtime_error("no temporary file");
  }
  file_ = _fdopen(descriptor, "w+b");
  if (file_ == nullptr) {
    _close(descriptor);
    throw std::runtime_error("no temporary file");
  }
}

TemporaryFile::~TemporaryFile() { std::fclose(file_); }

}  // namespace apeenc
