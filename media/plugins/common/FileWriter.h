#pragma once
// The output file of a plug-in: created (or emptied) when made, readable while it is written
// (for encoders that go back to fill in a header), closed once. Failures throw.
#include <cstddef>
#include <cstdio>
#include <string>

namespace audioplugin {

class FileWriter {
 public:
  explicit FileWriter(const std::string& path);
  // Closes a file not closed yet, ignoring failures.
  ~FileWriter();
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  std::FILE* Handle() const { return file_; }
  void Write(const void* data, std::size_t size);
  // Writes `data` at `offset` and goes back to the end.
  void WriteAt(long offset, const void* data, std::size_t size);
  long Size();
  void Close();
  // Hands the file to an encoder that closes it itself.
  std::FILE* Release();

 private:
  std::FILE* file_;
};

}  // namespace audioplugin
