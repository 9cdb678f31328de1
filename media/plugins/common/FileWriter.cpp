#include "media/plugins/common/FileWriter.h"

#include <stdexcept>

namespace audioplugin {

FileWriter::FileWriter(const std::string& path) : file_(std::fopen(path.c_str(), "w+b")) {
  if (file_ == nullptr) throw std::runtime_error("cannot create " + path);
}

FileWriter::~FileWriter() {
  if (file_ != nullptr) std::fclose(file_);
}

void FileWriter::Write(const void* data, std::size_t size) {
  if (size == 0) return;
  if (file_ == nullptr || std::fwrite(data, 1, size, file_) != size) throw std::runtime_error("write failed");
}

void FileWriter::WriteAt(long offset, const void* data, std::size_t size) {
  if (file_ == nullptr || std::fseek(file_, offset, SEEK_SET) != 0) throw std::runtime_error("seek failed");
  Write(data, size);
  if (std::fseek(file_, 0, SEEK_END) != 0) throw std::runtime_error("seek failed");
}

long FileWriter::Size() {
  if (file_ == nullptr || std::fflush(file_) != 0 || std::fseek(file_, 0, SEEK_END) != 0)
    throw std::runtime_error("seek failed");
  return std::ftell(file_);
}

void FileWriter::Close() {
  std::FILE* file = Release();
  if (file == nullptr || std::fclose(file) != 0) throw std::runtime_error("close failed");
}

std::FILE* FileWriter::Release() {
  std::FILE* file = file_;
  file_ = nullptr;
  return file;
}

}  // namespace audioplugin
