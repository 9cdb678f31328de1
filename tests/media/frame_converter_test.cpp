// The codec library's frame converter: crop, scaling, bottom-up sources and the black bars
// that keep the picture's proportions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <vector>

#include "media/contracts/CodecLibrary.h"

namespace {

struct ConverterReleaser {
  void operator()(FrameConverter* converter) const { ReleaseFrameConverter(converter); }
};
using ConverterPtr = std::unique_ptr<FrameConverter, ConverterReleaser>;

constexpr std::uint8_t kBlackLuma = 16;
constexpr std::uint8_t kBright = 200;

// An I420 frame of one luma level, neutral chroma.
std::vector<std::uint8_t> FlatI420(int width, int height, std::uint8_t luma) {
  std::vector<std::uint8_t> frame(FrameByteSize(PixelFormatI420, width, height), 128);
  std::fill(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(width) * height, luma);
  return frame;
}

struct Picture {
  const std::uint8_t* bytes;
  int width;
  int height;
  std::uint8_t Luma(int x, int y) const { return bytes[static_cast<std::size_t>(y) * width + x]; }
  std::uint8_t U(int x, int y) const {
    return bytes[static_cast<std::size_t>(width) * height + (y / 2) * ((width + 1) / 2) + x / 2];
  }
};

Picture Convert(FrameConverter& converter, const std::vector<std::uint8_t>& source, int width,
                int height) {
  EXPECT_NE(converter.Convert(source.data()), 0);
  return Picture{static_cast<const std::uint8_t*>(converter.GetOutput()), width, height};
}

struct BarCase {
  int sourceWidth, sourceHeight;
  int cropLeft, cropRight, cropTop, cropBottom;
  int outputWidth, outputHeight;
  int left, right, top, bottom;  // expected bars
};

void PrintTo(const BarCase& c, std::ostream* out) {
  *out << c.sourceWidth << "x" << c.sourceHeight << " into " << c.outputWidth << "x"
       << c.outputHeight;
}

class FrameConverterBars : public testing::TestWithParam<BarCase> {};

TEST_P(FrameConverterBars, PlacesThePictureBetweenBlackBars) {
  const BarCase c = GetParam();
  ConverterPtr converter(CreateFrameConverter());
  ASSERT_TRUE(converter);
  ASSERT_EQ(converter->Setup(c.outputWidth, c.outputHeight, c.sourceWidth, c.sourceHeight,
                             PixelFormatI420, 1, c.cropLeft, c.cropRight, c.cropTop,
                             c.cropBottom, 0, 0, 0, 0),
            0);
  const auto source = FlatI420(c.sourceWidth, c.sourceHeight, kBright);
  const Picture out = Convert(*converter, source, c.outputWidth, c.outputHeight);
  ASSERT_NE(out.bytes, nullptr);
  const int middleX = c.left + (c.outputWidth - c.left - c.right) / 2;
  const int middleY = c.top + (c.outputHeight - c.top - c.bottom) / 2;
  for (int y = 0; y < c.outputHeight; ++y) {
    const bool bar = y < c.top || y >= c.outputHeight - c.bottom;
    ASSERT_EQ(out.Luma(middleX, y) == kBlackLuma, bar) << "row " << y;
  }
  for (int x = 0; x < c.outputWidth; ++x) {
    const bool bar = x < c.left || x >= c.outputWidth - c.right;
    ASSERT_EQ(out.Luma(x, middleY) == kBlackLuma, bar) << "column " << x;
    if (bar) EXPECT_EQ(out.U(x, middleY), 128) << "column " << x;
  }
  EXPECT_NEAR(out.Luma(middleX, middleY), kBright, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Geometries, FrameConverterBars,
    testing::Values(
        // A 640x360 crop of a 641x481 frame into 640x480: 60 rows above and below.
        BarCase{641, 481, 0, 1, 60, 61, 640, 480, 0, 0, 60, 60},
        // 4:3 into 16:9: 80 columns each side.
        BarCase{320, 240, 0, 0, 0, 0, 640, 360, 80, 80, 0, 0},
        // 402 spare columns: the left bar, 201, drops to the even 200; the right takes 202.
        BarCase{300, 400, 0, 0, 0, 0, 702, 400, 200, 202, 0, 0},
        // Same proportions: no bars.
        BarCase{320, 240, 0, 0, 0, 0, 160, 120, 0, 0, 0, 0}));

// A bottom-up BGRA frame whose upper half is white and lower half black.
std::vector<std::uint8_t> HalfWhiteBgra(int width, int height) {
  std::vector<std::uint8_t> frame(FrameByteSize(PixelFormatBgra, width, height), 0);
  for (int row = 0; row < height; ++row) {
    const bool upperHalf = row >= height / 2;  // rows are stored bottom-up
    for (int x = 0; x < width; ++x) {
      std::uint8_t* pixel = &frame[(static_cast<std::size_t>(row) * width + x) * 4];
      pixel[0] = pixel[1] = pixel[2] = upperHalf ? 255 : 0;
      pixel[3] = 255;
    }
  }
  return frame;
}

TEST(FrameConverter, ReadsBottomUpFramesTopRowFirstAndCropsThem) {
  const auto source = HalfWhiteBgra(64, 64);
  ConverterPtr whole(CreateFrameConverter());
  ASSERT_EQ(whole->Setup(32, 32, 64, 64, PixelFormatBgra, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
  const Picture full = Convert(*whole, source, 32, 32);
  EXPECT_GE(full.Luma(16, 2), 230);   // white, limited range
  EXPECT_LE(full.Luma(16, 29), 20);   // black

  // Cropping the top 32 rows away leaves only the black half.
  ConverterPtr cropped(CreateFrameConverter());
  ASSERT_EQ(cropped->Setup(32, 32, 64, 64, PixelFormatBgra, 0, 0, 0, 32, 0, 0, 0, 0, 0), 0);
  const Picture lower = Convert(*cropped, source, 32, 32);
  EXPECT_LE(lower.Luma(16, 2), 20);
  EXPECT_LE(lower.Luma(16, 29), 20);
}

// YV12 holds V before U; the I420 output holds U first.
TEST(FrameConverter, SwapsTheChromaPlanesOfYv12) {
  constexpr int kSide = 16;
  constexpr std::size_t kLuma = kSide * kSide;
  constexpr std::size_t kChroma = kLuma / 4;
  std::vector<std::uint8_t> source(FrameByteSize(PixelFormatYv12, kSide, kSide), 128);
  std::fill(source.begin() + kLuma, source.begin() + kLuma + kChroma, 200);  // V
  std::fill(source.begin() + kLuma + kChroma, source.end(), 60);             // U
  ConverterPtr converter(CreateFrameConverter());
  ASSERT_EQ(converter->Setup(kSide, kSide, kSide, kSide, PixelFormatYv12, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
  ASSERT_NE(converter->Convert(source.data()), 0);
  const auto* out = static_cast<const std::uint8_t*>(converter->GetOutput());
  EXPECT_NEAR(out[kLuma + kChroma / 2], 60, 2);            // U
  EXPECT_NEAR(out[kLuma + kChroma + kChroma / 2], 200, 2);  // V
}

TEST(FrameConverter, RefusesGeometriesWithoutAPicture) {
  ConverterPtr converter(CreateFrameConverter());
  ASSERT_TRUE(converter);
  EXPECT_NE(converter->Setup(320, 240, 320, 240, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);  // no such layout
  EXPECT_NE(converter->Setup(0, 240, 320, 240, PixelFormatI420, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
  EXPECT_NE(converter->Setup(320, 240, 320, 240, PixelFormatI420, 0, 160, 160, 0, 0, 0, 0, 0, 0), 0);
  // Not set up: no conversion and no picture.
  const auto source = FlatI420(320, 240, kBright);
  EXPECT_EQ(converter->Convert(source.data()), 0);
  EXPECT_EQ(converter->GetOutput(), nullptr);
  ReleaseFrameConverter(nullptr);
}

}  // namespace
