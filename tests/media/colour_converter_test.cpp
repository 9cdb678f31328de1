// The two colour converters of the preview: mccolour.dll (code 1) and the codec library's
// converter (codes 1, 4 and 5), each into 32-bit bottom-up pixels (code 3).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "media/contracts/CodecLibrary.h"
#include "media/contracts/ColourConversionLibrary.h"
#include "media/contracts/DecoderLibrary.h"
#include "tests/media/DecodingRecorder.h"

namespace {

using decodingtest::DecodingRecorder;

constexpr int kWidth = 320;
constexpr int kHeight = 240;
const std::string kBars = "test-media/bars_mpeg4_mp3.avi";

struct Rgb {
  int r, g, b;
};
// The top bars of the SMPTE pattern at 75 %: grey, yellow, cyan, green, magenta, red, blue.
const Rgb kTopBars[7] = {{191, 191, 191}, {191, 191, 0}, {0, 191, 191}, {0, 191, 0},
                         {191, 0, 191},   {191, 0, 0},   {0, 0, 191}};

void ExpectColourBars(const std::vector<std::uint8_t>& bgra) {
  ASSERT_EQ(bgra.size(), std::size_t(kWidth * kHeight * 4));
  const int row = kHeight - 1 - 40;  // bottom-up: a picture row inside the top bars
  for (int bar = 0; bar < 7; ++bar) {
    const int x = (2 * bar + 1) * kWidth / 14;
    const std::uint8_t* p = &bgra[(row * kWidth + x) * 4];
    EXPECT_NEAR(p[2], kTopBars[bar].r, 16) << "bar " << bar;
    EXPECT_NEAR(p[1], kTopBars[bar].g, 16) << "bar " << bar;
    EXPECT_NEAR(p[0], kTopBars[bar].b, 16) << "bar " << bar;
  }
  for (std::size_t i = 3; i < bgra.size(); i += 4) ASSERT_EQ(bgra[i], 255) << i;
}

// The first frame of a paced mcdecode preview (code 1).
std::vector<std::uint8_t> PreviewFrame() {
  DecodingRecorder& recorder = DecodingRecorder::Instance();
  recorder.Reset(kWidth * kHeight * 2);
  const DecoderHandle handle = CreateDecoderHandle();
  DecoderOpenBlock block{};
  block.deliverFrames = 1;
  block.fileName = kBars.c_str();
  block.useVideo = block.useAudio = 1;
  block.realTimePacing = 1;
  block.pixelFormat = PixelFormatRgb565;
  block.videoProc = &DecodingRecorder::Video;
  if (OpenDecoderHandle(handle, &block) && RunDecoder(handle))
    recorder.WaitFor([](const decodingtest::DeliveryRecord& r) { return !r.frameStarts.empty(); }, 5000);
  DestroyDecoderHandle(handle);
  return recorder.Snapshot().firstFrame;
}

// The first frame of a decoder object run in `code`.
std::vector<std::uint8_t> ObjectFrame(std::int32_t code) {
  DecoderObject* object = CreateDecoderObject(kBars.c_str());
  DecodingRecorder& recorder = DecodingRecorder::Instance();
  recorder.Reset(FrameByteSize(code, kWidth, kHeight));
  recorder.onFirstFrame = [object] { object->Stop(); };
  DecoderObjectOpenBlock block{};
  block.useVideo = 1;
  block.pixelFormat = code;
  block.videoProc = &DecodingRecorder::Video;
  if (object->Open(&block) == kCallOk) object->Run();
  ReleaseDecoderObject(object);
  return recorder.Snapshot().firstFrame;
}

TEST(ColourConversionLibrary, PreviewFramesBecomeColourBars) {
  const std::vector<std::uint8_t> rgb565 = PreviewFrame();
  ASSERT_EQ(rgb565.size(), std::size_t(kWidth * kHeight * 2));
  const ColourConversionHandle handle = OpenColourConversion(kWidth, kHeight);
  ASSERT_NE(handle, 0u);
  std::vector<std::uint8_t> bgra(kWidth * kHeight * 4, 0);
  ASSERT_TRUE(ConvertColours(handle, rgb565.data(), bgra.data(), 0));
  ExpectColourBars(bgra);
  CloseColourConversion(handle);
  EXPECT_FALSE(ConvertColours(handle, rgb565.data(), bgra.data(), 0));
}

TEST(ColourConversionLibrary, ExpandsEveryChannelToItsFullRange) {
  // White, pure red, green and blue in RGB565, little-endian.
  const std::uint16_t pixels[4] = {0xFFFF, 0xF800, 0x07E0, 0x001F};
  const ColourConversionHandle handle = OpenColourConversion(4, 1);
  ASSERT_NE(handle, 0u);
  std::uint8_t out[16] = {};
  ASSERT_TRUE(ConvertColours(handle, pixels, out, 0));
  const std::uint8_t expected[16] = {255, 255, 255, 255, 0, 0, 255, 255,
                                     0,   255, 0,   255, 255, 0, 0, 255};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(out[i], expected[i]) << i;
  CloseColourConversion(handle);
  EXPECT_EQ(OpenColourConversion(0, 240), 0u);
  EXPECT_EQ(OpenColourConversion(320, -1), 0u);
}

TEST(CodecColourConverter, OpensOnlyForCodesOneFourAndFiveIntoThree) {
  ColourConverter* converter = CreateColourConverter();
  ASSERT_NE(converter, nullptr);
  const struct {
    std::int32_t source, target;
    bool usable;
  } cases[] = {{1, 3, true}, {4, 3, true}, {5, 3, true}, {3, 3, false},
               {2, 3, false}, {5, 1, false}, {5, 5, false}, {0, 3, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(converter->Open(kWidth, kHeight, c.source, c.target) != 0, c.usable)
        << c.source << " -> " << c.target;
    EXPECT_EQ(converter->GetOutputSize(), c.usable ? kWidth * kHeight * 4 : 0);
  }
  std::vector<std::uint8_t> frame(kWidth * kHeight * 4);
  EXPECT_FALSE(converter->Convert(frame.data(), frame.data()));  // not open after a refusal
  ReleaseColourConverter(converter);
  ReleaseColourConverter(nullptr);
}

TEST(CodecColourConverter, I420YV12AndRgb565GiveTheSamePicture) {
  const std::vector<std::uint8_t> rgb565 = ObjectFrame(PixelFormatRgb565);
  const std::vector<std::uint8_t> i420 = ObjectFrame(PixelFormatI420);
  ASSERT_EQ(i420.size(), FrameByteSize(PixelFormatI420, kWidth, kHeight));
  ASSERT_EQ(rgb565.size(), FrameByteSize(PixelFormatRgb565, kWidth, kHeight));
  // YV12 is I420 with the chroma planes swapped.
  std::vector<std::uint8_t> yv12(i420);
  const std::size_t luma = kWidth * kHeight, chroma = luma / 4;
  std::copy(i420.begin() + luma, i420.begin() + luma + chroma, yv12.begin() + luma + chroma);
  std::copy(i420.begin() + luma + chroma, i420.end(), yv12.begin() + luma);

  ColourConverter* converter = CreateColourConverter();
  auto convert = [&](std::int32_t code, const std::vector<std::uint8_t>& source) {
    std::vector<std::uint8_t> out(kWidth * kHeight * 4, 0);
    EXPECT_TRUE(converter->Open(kWidth, kHeight, code, PixelFormatBgra));
    EXPECT_TRUE(converter->Convert(source.data(), out.data()));
    return out;
  };
  const auto fromI420 = convert(PixelFormatI420, i420);
  const auto fromYv12 = convert(PixelFormatYv12, yv12);
  const auto from565 = convert(PixelFormatRgb565, rgb565);
  ReleaseColourConverter(converter);

  ExpectColourBars(fromI420);
  EXPECT_EQ(fromI420, fromYv12);
  // The same picture as the library's own 16-bit frame, within its precision, bar edges
  // (where the chroma is shared by two pixels) aside.
  std::size_t off = 0;
  for (std::size_t i = 0; i < fromI420.size(); ++i)
    if (std::abs(fromI420[i] - from565[i]) > 12) ++off;
  EXPECT_LE(off, fromI420.size() / 50);

  const ColourConversionHandle handle = OpenColourConversion(kWidth, kHeight);
  std::vector<std::uint8_t> fromLibrary(kWidth * kHeight * 4, 0);
  ASSERT_TRUE(ConvertColours(handle, rgb565.data(), fromLibrary.data(), 0));
  CloseColourConversion(handle);
  EXPECT_EQ(fromLibrary, from565);
}

}  // namespace
