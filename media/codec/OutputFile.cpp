#include "media/codec/OutputFile.h"

#include <algorithm>
#include <new>

extern "C" {
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace mccodec {
namespace {

constexpr int kBufferSize = 1 << 16;

}  // namespace

std::unique_ptr<OutputFile> OutputFile::Create(const std::string& path) {
  const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  auto file = Wrap(path, handle, true);
  if (!file && handle != INVALID_HANDLE_VALUE) DeleteFileA(path.c_str());
  return file;
}

std::unique_ptr<OutputFile> OutputFile::OpenForReading(const std::string& path) {
  const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  auto file = Wrap(path, handle, false);
  if (file) {
    LARGE_INTEGER size;
    file->size_ = GetFileSizeEx(handle, &size) ? size.QuadPart : 0;
  }
  return file;
}

std::unique_ptr<OutputFile> OutputFile::Wrap(const std::string& path, HANDLE handle,
                                             bool writing) {
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  std::unique_ptr<OutputFile> file(new OutputFile(path, handle));
  auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
  if (buffer != nullptr) {
    file->io_ = avio_alloc_context(buffer, kBufferSize, writing ? 1 : 0, file.get(),
                                   writing ? nullptr : &OutputFile::ReadPacket,
                                   writing ? &OutputFile::WritePacket : nullptr,
                                   &OutputFile::SeekTo);
    if (file->io_ == nullptr) av_free(buffer);
  }
  if (file->io_ == nullptr) return nullptr;
  return file;
}

int OutputFile::ReadPacket(void* opaque, std::uint8_t* data, int size) {
  auto* file = static_cast<OutputFile*>(opaque);
  DWORD read = 0;
  if (!ReadFile(file->handle_, data, static_cast<DWORD>(size), &read, nullptr)) return AVERROR(EIO);
  if (read == 0) return AVERROR_EOF;
  file->position_ += read;
  return static_cast<int>(read);
}

OutputFile::OutputFile(std::string path, HANDLE handle) : path_(std::move(path)), handle_(handle) {}

OutputFile::~OutputFile() {
  Close();
  if (io_ != nullptr) {
    av_freep(&io_->buffer);
    avio_context_free(&io_);
  }
}

int OutputFile::WritePacket(void* opaque, std::uint8_t* data, int size) {
  auto* file = static_cast<OutputFile*>(opaque);
  DWORD written = 0;
  if (file->handle_ == INVALID_HANDLE_VALUE ||
      !WriteFile(file->handle_, data, static_cast<DWORD>(size), &written, nullptr) ||
      written != static_cast<DWORD>(size)) {
    file->failed_ = true;
    return AVERROR(EIO);
  }
  file->position_ += size;
  if (file->position_ > file->size_) file->size_ = file->position_;
  return size;
}

std::int64_t OutputFile::SeekTo(void* opaque, std::int64_t offset, int whence) {
  auto* file = static_cast<OutputFile*>(opaque);
  if (whence == AVSEEK_SIZE) return file->size_;
  whence &= ~AVSEEK_FORCE;
  std::int64_t target = offset;
  if (whence == SEEK_CUR) target += file->position_;
  else if (whence == SEEK_END) target += file->size_;
  else if (whence != SEEK_SET) return AVERROR(EINVAL);
  LARGE_INTEGER distance;
  distance.QuadPart = target;
  if (target < 0 || file->handle_ == INVALID_HANDLE_VALUE ||
      !SetFilePointerEx(file->handle_, distance, nullptr, FILE_BEGIN)) {
    return AVERROR(EIO);
  }
  file->position_ = target;
  return target;
}

bool OutputFile::Close() {
  if (io_ != nullptr && io_->write_flag && handle_ != INVALID_HANDLE_VALUE) avio_flush(io_);
  const bool written = !failed_ && (io_ == nullptr || io_->error == 0);
  CloseHandleOnce();
  return written;
}

void OutputFile::Discard() {
  CloseHandleOnce();
  DeleteFileA(path_.c_str());
}

void OutputFile::CloseHandleOnce() {
  if (handle_ == INVALID_HANDLE_VALUE) return;
  if (!CloseHandle(handle_)) failed_ = true;
  handle_ = INVALID_HANDLE_VALUE;
}

}  // namespace mccodec
