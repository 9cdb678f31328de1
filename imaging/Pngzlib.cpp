#include "imaging/Pngzlib.h"

#include <zlib.h>

#include <new>

namespace {

constexpr unsigned kStep = 256;

// Runs `step` (inflate or deflate with its flush mode) until the stream ends, appending
// each step's output.
template <class Step>
void Run(z_stream& stream, const uint8_t* input, size_t count, TZlibResult& result, Step step) {
  stream.next_in = const_cast<Bytef*>(input);
  stream.avail_in = static_cast<uInt>(count);
  uint8_t buffer[kStep];
  for (;;) {
    stream.next_out = buffer;
    stream.avail_out = kStep;
    const int code = step(stream);
    try {
      result.output.insert(result.output.end(), buffer, buffer + (kStep - stream.avail_out));
    } catch (const std::bad_alloc&) {
      result.error = zError(Z_MEM_ERROR);
      return;
    }
    if (code == Z_STREAM_END) {
      result.ok = true;
      return;
    }
    // No progress with input exhausted means the data stopped before the stream's end.
    const bool stalled = code == Z_BUF_ERROR || (stream.avail_out == kStep && stream.avail_in == 0);
    if (code < 0 || stalled) {
      result.error = stream.msg != nullptr ? stream.msg : zError(code < 0 ? code : Z_DATA_ERROR);
      return;
    }
  }
}

}  // namespace

TZlibResult ZlibInflate(const uint8_t* input, size_t count) {
  TZlibResult result;
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) {
    result.error = zError(Z_MEM_ERROR);
    return result;
  }
  Run(stream, input, count, result, [](z_stream& s) { return inflate(&s, Z_NO_FLUSH); });
  inflateEnd(&stream);
  return result;
}

TZlibResult ZlibDeflate(const uint8_t* input, size_t count, int level) {
  TZlibResult result;
  z_stream stream{};
  if (deflateInit(&stream, level) != Z_OK) {
    result.error = zError(Z_STREAM_ERROR);
    return result;
  }
  Run(stream, input, count, result, [](z_stream& s) { return deflate(&s, Z_FINISH); });
  deflateEnd(&stream);
  return result;
}
