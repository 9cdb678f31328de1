#pragma once
// Binary conventions shared by the engine and the media libraries: every export, callback
// and interface method __stdcall (x86_64 has one convention, so there it changes nothing),
// booleans one byte.
#include <cstddef>
#include <cstdint>

#define MC_CALL __stdcall

// Records that cross a library boundary have the layout the 32-bit libraries fix. The
// 64-bit build keeps the same fields in the same order, reserved holes included, with
// natural alignment; both layouts are asserted, each on its own target.
#if defined(_WIN64)
#define MC_FIELD_AT(type, field, at32, at64) \
  static_assert(offsetof(type, field) == (at64), #type "::" #field " moved")
#define MC_SIZE_IS(type, size32, size64) static_assert(sizeof(type) == (size64), #type " resized")
#else
static_assert(sizeof(void*) == 4, "a 32-bit build exchanges 32-bit pointers");
#define MC_FIELD_AT(type, field, at32, at64) \
  static_assert(offsetof(type, field) == (at32), #type "::" #field " moved")
#define MC_SIZE_IS(type, size32, size64) static_assert(sizeof(type) == (size32), #type " resized")
#endif

// A boolean as it crosses a library boundary: one byte, 0 false, anything else true.
using Bool8 = std::uint8_t;

// "ok" answers of the codec library's objects: 0 on success, anything else on failure.
constexpr std::int32_t kCallOk = 0;
constexpr std::int32_t kCallFailed = -1;

// Pixel layouts of delivered and converted frames.
enum PixelFormatCode : std::int32_t {
  // RGB565 little-endian, rows bottom-up, stride 2 * width.
  PixelFormatRgb565 = 1,
  // Bytes blue, green, red, alpha (255), rows bottom-up, stride 4 * width.
  PixelFormatBgra = 3,
  // Planes Y, V, U, rows top-down; accepted as input only.
  PixelFormatYv12 = 4,
  // Planes Y, U, V, rows top-down, chroma ((w + 1) / 2) x ((h + 1) / 2), BT.601 limited range.
  PixelFormatI420 = 5,
};

// Bytes of one frame of `code` at width x height; 0 for an unknown code.
constexpr std::size_t FrameByteSize(std::int32_t code, std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0) return 0;
  const std::size_t w = static_cast<std::size_t>(width);
  const std::size_t h = static_cast<std::size_t>(height);
  const std::size_t chroma = ((w + 1) / 2) * ((h + 1) / 2);
  switch (code) {
    case PixelFormatRgb565: return w * h * 2;
    case PixelFormatBgra: return w * h * 4;
    case PixelFormatYv12:
    case PixelFormatI420: return w * h + 2 * chroma;
    default: return 0;
  }
}

// Callbacks a decoder hands its output to. They run on the decoding thread.
// A video frame: start and end in seconds of the file, the pixels in the agreed layout and
// a value no receiver uses; false stops the delivery (no end callback follows).
using VideoFrameCallback = Bool8(MC_CALL*)(double start, double end, const void* pixels,
                                           std::int32_t reserved);
// Audio: start and end in seconds, 16-bit interleaved samples and their size in bytes;
// 0 stops the delivery (no end callback follows).
using AudioSamplesCallback = std::int32_t(MC_CALL*)(double start, double end,
                                                    const std::int16_t* samples,
                                                    std::int32_t bytes);
// The natural end of the stream; called once, never after a stop.
using DecodeEndCallback = Bool8(MC_CALL*)();
