#pragma once
#include <cstdint>
#include <memory>

#include "classlib/runtime/Events.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Streams.h"

// zlib streams behind the stream interface: a compression stream deflates what is written
// into it onto another stream, a decompression stream inflates what it reads from another.
CLASSLIB_EXCEPTION(EZlibError, Exception)
CLASSLIB_EXCEPTION(ECompressionError, EZlibError)
CLASSLIB_EXCEPTION(EDecompressionError, EZlibError)

// Scoped: the colour constants clNone and clDefault share two of its names.
enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

class TCustomZlibStream : public TStream {
  CLASSLIB_CLASS(TCustomZlibStream, TStream)
 public:
  static constexpr int kBufferSize = 4096;

  explicit TCustomZlibStream(TStream* stream);
  ~TCustomZlibStream() override;

  TNotifyEvent OnBuffer;

 protected:
  // Called after each buffer; fires OnBuffer.
  virtual void Progress(TObject* sender);

  struct ZState;
  TStream* stream_;         // not owned
  int64_t streamPosition_;  // the wrapped stream's position as last used
  std::unique_ptr<ZState> zstate_;
  unsigned char buffer_[kBufferSize];
};

class TCompressionStream : public TCustomZlibStream {
  CLASSLIB_CLASS(TCompressionStream, TCustomZlibStream)
 public:
  // Raises ECompressionError "error" when zlib cannot start.
  TCompressionStream(TCompressionLevel level, TStream* destination);
  // Finishes the zlib stream onto the destination.
  ~TCompressionStream() override;

  int Read(void* buffer, int count) override;
  int Write(const void* buffer, int count) override;
  // Only the question of the current position (the bytes taken in so far).
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  // The saving in percent; 0 before anything was taken in.
  float GetCompressionRate() const;

 private:
  void Finish();
};

class TDecompressionStream : public TCustomZlibStream {
  CLASSLIB_CLASS(TDecompressionStream, TCustomZlibStream)
 public:
  // Raises EDecompressionError "compression error" when zlib cannot start.
  explicit TDecompressionStream(TStream* source);
  ~TDecompressionStream() override;

  // Answers fewer bytes than asked once the source or the compressed data ends.
  int Read(void* buffer, int count) override;
  int Write(const void* buffer, int count) override;
  // Back to the beginning (offset 0 from it) or forward by reading; else "Invalid stream operation".
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

 private:
  void Restart();
};

// Compresses the whole source at TCompressionLevel::clMax onto the destination.
void CompressStream(TStream* source, TStream* destination);
// Inflates the whole source onto the destination; raises EDecompressionError
// "compression error" once more than `limit` bytes came out.
void DeCompressStream(TStream* destination, TStream* source, int64_t limit = INT64_MAX);
