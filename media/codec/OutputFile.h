#pragma once
// The file an encoder context writes: opened by its 8-bit path in the system's code page,
// written through an FFmpeg I/O context, and counting the bytes it holds. Muxers that move
// data inside the finished file (MP4 "faststart") read it back through a second one.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

extern "C" {
#include <libavformat/avio.h>
}

namespace mccodec {

class OutputFile {
 public:
  // Null when the file cannot be created.
  static std::unique_ptr<OutputFile> Create(const std::string& path);
  // The same file opened again for reading while it is written; null when it cannot be.
  static std::unique_ptr<OutputFile> OpenForReading(const std::string& path);
  // Closes the file; it stays unless Discard was called.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  AVIOContext* Io() const { return io_; }
  // Bytes in the file so far (what the I/O context still buffers not included); asked
  // from any thread while another writes.
  std::int64_t Size() const { return size_.load(); }
  // Flushes and closes; false when a write failed on the way.
  bool Close();
  // Closes and deletes the file.
  void Discard();

 private:
  OutputFile(std::string path, HANDLE handle);
  static std::unique_ptr<OutputFile> Wrap(const std::string& path, HANDLE handle, bool writing);
  static int ReadPacket(void* opaque, std::uint8_t* data, int size);
  static int WritePacket(void* opaque, std::uint8_t* data, int size);
  static std::int64_t SeekTo(void* opaque, std::int64_t offset, int whence);
  void CloseHandleOnce();

  std::string path_;
  HANDLE handle_;
  AVIOContext* io_ = nullptr;
  std::int64_t position_ = 0;
  std::atomic<std::int64_t> size_{0};
  bool failed_ = false;
};

}  // namespace mccodec
