#include "skin/data/Spzlibcompress.h"

#include <zlib.h>

#include <algorithm>

struct TCustomZlibStream::ZState {
  z_stream z{};
};

namespace {

constexpr const char* kInvalidOperation = "Invalid stream operation";

int ZlibLevel(TCompressionLevel level) {
  switch (level) {
    case TCompressionLevel::clNone: return Z_NO_COMPRESSION;
    case TCompressionLevel::clFastest: return Z_BEST_SPEED;
    case TCompressionLevel::clDefault: return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::clMax: return Z_BEST_COMPRESSION;
  }
  return Z_DEFAULT_COMPRESSION;
}

void CheckCompression(int result) {
  if (result < 0 && result != Z_BUF_ERROR) throw ECompressionError("error");
}

void CheckDecompression(int result) {
  if (result < 0 && result != Z_BUF_ERROR) throw EDecompressionError("compression error");
}

}  // namespace

TCustomZlibStream::TCustomZlibStream(TStream* stream)
    : stream_(stream), streamPosition_(stream->Position()), zstate_(std::make_unique<ZState>()) {}

TCustomZlibStream::~TCustomZlibStream() = default;

void TCustomZlibStream::Progress(TObject* sender) {
  if (OnBuffer) OnBuffer(sender);
}

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream* destination) : TCustomZlibStream(destination) {
  z_stream& z = zstate_->z;
  z.next_out = buffer_;
  z.avail_out = kBufferSize;
  CheckCompression(deflateInit_(&z, ZlibLevel(level), ZLIB_VERSION, sizeof(z_stream)));
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (const Exception&) {
    // A destructor cannot report; the destination keeps what was written.
  }
  deflateEnd(&zstate_->z);
}

void TCompressionStream::Finish() {
  z_stream& z = zstate_->z;
  z.next_in = nullptr;
  z.avail_in = 0;
  if (stream_->Position() != streamPosition_) stream_->SetPosition(streamPosition_);
  int result = Z_OK;
  while ((result = deflate(&z, Z_FINISH)) != Z_STREAM_END && z.avail_out == 0) {
    CheckCompression(result);
    stream_->WriteBuffer(buffer_, kBufferSize);
    z.next_out = buffer_;
    z.avail_out = kBufferSize;
  }
  CheckCompression(result);
  if (z.avail_out < static_cast<uInt>(kBufferSize)) stream_->WriteBuffer(buffer_, kBufferSize - static_cast<int>(z.avail_out));
}

int TCompressionStream::Read(void*, int) { throw ECompressionError(kInvalidOperation); }

int TCompressionStream::Write(const void* buffer, int count) {
  z_stream& z = zstate_->z;
  z.next_in = static_cast<Bytef*>(const_cast<void*>(buffer));
  z.avail_in = static_cast<uInt>(count);
  if (stream_->Position() != streamPosition_) stream_->SetPosition(streamPosition_);
  while (z.avail_in > 0) {
    CheckCompression(deflate(&z, Z_NO_FLUSH));
    if (z.avail_out == 0) {
      stream_->WriteBuffer(buffer_, kBufferSize);
      z.next_out = buffer_;
      z.avail_out = kBufferSize;
      streamPosition_ = stream_->Position();
      Progress(this);
    }
  }
  return count;
}

int64_t TCompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  if (offset != 0 || origin != soCurrent) throw ECompressionError(kInvalidOperation);
  return static_cast<int64_t>(zstate_->z.total_in);
}

float TCompressionStream::GetCompressionRate() const {
  const z_stream& z = zstate_->z;
  if (z.total_in == 0) return 0.0f;
  return (1.0f - static_cast<float>(z.total_out) / static_cast<float>(z.total_in)) * 100.0f;
}

TDecompressionStream::TDecompressionStream(TStream* source) : TCustomZlibStream(source) {
  z_stream& z = zstate_->z;
  z.next_in = buffer_;
  z.avail_in = 0;
  CheckDecompression(inflateInit_(&z, ZLIB_VERSION, sizeof(z_stream)));
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&zstate_->z); }

int TDecompressionStream::Read(void* buffer, int count) {
  z_stream& z = zstate_->z;
  z.next_out = static_cast<Bytef*>(buffer);
  z.avail_out = static_cast<uInt>(count);
  if (stream_->Position() != streamPosition_) stream_->SetPosition(streamPosition_);
  while (z.avail_out > 0) {
    if (z.avail_in == 0) {
      int got = stream_->Read(buffer_, kBufferSize);
      if (got == 0) return count - static_cast<int>(z.avail_out);
      z.next_in = buffer_;
      z.avail_in = static_cast<uInt>(got);
      streamPosition_ = stream_->Position();
      Progress(this);
    }
    int result = inflate(&z, Z_NO_FLUSH);
    CheckDecompression(result);
    if (result == Z_STREAM_END) return count - static_cast<int>(z.avail_out);
  }
  return count;
}

int TDecompressionStream::Write(const void*, int) { throw EDecompressionError(kInvalidOperation); }

int64_t TDecompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t produced = static_cast<int64_t>(zstate_->z.total_out);
  int64_t skip = -1;
  if (offset == 0 && origin == soBeginning) {
    Restart();
  } else if (origin == soCurrent && offset >= 0) {
    skip = offset;
  } else if (origin == soBeginning && offset >= produced) {
    skip = offset - produced;
  } else {
    throw EDecompressionError(kInvalidOperation);
  }
  unsigned char dropped[kBufferSize];
  while (skip > 0) {
    int piece = static_cast<int>(std::min<int64_t>(skip, kBufferSize));
    int got = Read(dropped, piece);
    if (got == 0) break;
    skip -= got;
  }
  return static_cast<int64_t>(zstate_->z.total_out);
}

void TDecompressionStream::Restart() {
  z_stream& z = zstate_->z;
  CheckDecompression(inflateReset(&z));
  z.next_in = buffer_;
  z.avail_in = 0;
  stream_->SetPosition(0);
  streamPosition_ = 0;
}

void CompressStream(TStream* source, TStream* destination) {
  TCompressionStream compressor(TCompressionLevel::clMax, destination);
  source->SetPosition(0);
  compressor.CopyFrom(source, 0);
}

void DeCompressStream(TStream* destination, TStream* source, int64_t limit) {
  source->SetPosition(0);
  TDecompressionStream decompressor(source);
  unsigned char piece[TCustomZlibStream::kBufferSize];
  int64_t total = 0;
  int got = 0;
  while ((got = decompressor.Read(piece, sizeof(piece))) > 0) {
    total += got;
    if (total > limit) throw EDecompressionError("compression error");
    destination->WriteBuffer(piece, got);
  }
}
