#pragma once
// A file in the user's temporary folder that the system deletes when it is closed (also
// when the process ends without closing it), opened read-write as a C stream.
#include <cstdio>

namespace apeenc {

class TemporaryFile {
 public:
  // Throws when no temporary file can be made.
  TemporaryFile();
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  std::FILE* Handle() const { return file_; }

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace apeenc
