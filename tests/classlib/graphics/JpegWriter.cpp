// Writes a 160 x 120 JPEG picture (a colour gradient) to the file named on the command line.
#include <cstdio>

#include "classlib/graphics/Graphics.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: classlib_graphics_jpeg_writer FILE\n");
    return 2;
  }
  try {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(160, 120);
    for (int y = 0; y < 120; ++y) {
      auto* row = static_cast<unsigned char*>(bitmap.ScanLine(y));
      for (int x = 0; x < 160; ++x) {
        row[x * 3] = static_cast<unsigned char>(x);
        row[x * 3 + 1] = static_cast<unsigned char>(y * 2);
        row[x * 3 + 2] = 128;
      }
    }
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    jpeg.SaveToFile(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "failed: %s\n", error.what());
    return 1;
  }
  return 0;
}
