// The cross-built libjpeg-turbo encodes and decodes in memory.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kWidth = 48, kHeight = 32;

std::vector<unsigned char> Gradient() {
  std::vector<unsigned char> rgb(kWidth * kHeight * 3);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      unsigned char* p = &rgb[(y * kWidth + x) * 3];
      p[0] = static_cast<unsigned char>(x * 255 / (kWidth - 1));
      p[1] = static_cast<unsigned char>(y * 255 / (kHeight - 1));
      p[2] = 128;
    }
  return rgb;
}

std::vector<unsigned char> Encode(const std::vector<unsigned char>& rgb) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &out, &size);
  c.image_width = kWidth;
  c.image_height = kHeight;
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 95, TRUE);
  jpeg_start_compress(&c, TRUE);
  while (c.next_scanline < c.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(&rgb[c.next_scanline * kWidth * 3]);
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::vector<unsigned char> data(out, out + size);
  std::free(out);
  return data;
}

TEST(Jpeg, GradientRoundTripsInMemory) {
  const std::vector<unsigned char> rgb = Gradient();
  const std::vector<unsigned char> data = Encode(rgb);
  ASSERT_GT(data.size(), 100u);
  EXPECT_EQ(data[0], 0xFF);
  EXPECT_EQ(data[1], 0xD8);

  jpeg_decompress_struct d{};
  jpeg_error_mgr err{};
  d.err = jpeg_std_error(&err);
  jpeg_create_decompress(&d);
  jpeg_mem_src(&d, data.data(), static_cast<unsigned long>(data.size()));
  ASSERT_EQ(jpeg_read_header(&d, TRUE), JPEG_HEADER_OK);
  jpeg_start_decompress(&d);
  EXPECT_EQ(d.output_width, static_cast<unsigned>(kWidth));
  EXPECT_EQ(d.output_height, static_cast<unsigned>(kHeight));
  ASSERT_EQ(d.output_components, 3);
  std::vector<unsigned char> back(kWidth * kHeight * 3);
  while (d.output_scanline < d.output_height) {
    JSAMPROW row = &back[d.output_scanline * kWidth * 3];
    jpeg_read_scanlines(&d, &row, 1);
  }
  jpeg_finish_decompress(&d);
  jpeg_destroy_decompress(&d);

  int worst = 0;
  for (size_t i = 0; i < rgb.size(); ++i) worst = std::max(worst, std::abs(rgb[i] - back[i]));
  EXPECT_LE(worst, 12);
}

}  // namespace
