// Writes pictures for other readers: every colour type and depth, plain and Adam7, and
// one whose image data spans several IDAT chunks, each beside the samples it must decode
// to (NAME.txt, in the form make_png_fixtures.py writes). check_written_pngs.py then
// decodes them with python3-png and runs pngcheck on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "png_test_support.h"

using namespace pngtest;

namespace {

const char* const kFolder = "png-written";

// Writes the picture and the samples `e` with the format it was written in.
void Export(TPNGObject& png, const std::string& name, Expected e) {
  std::filesystem::create_directories(kFolder);
  const Bytes bytes = SaveBytes(png);
  std::ofstream(std::string(kFolder) + "/" + name + ".png", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (e.bitDepth == 16 && (e.colorType == 4 || e.colorType == 6)) {  // alpha low bytes are not stored
    const size_t channels = e.colorType == 4 ? 2 : 4;
    for (auto& row : e.rows)
      for (size_t i = channels - 1; i < row.size(); i += channels) row[i] &= 0xFF00;
  }
  if (e.bitDepth == 2) {  // written at 4 bits; grey levels keep their value
    if (e.colorType == 0)
      for (auto& row : e.rows)
        for (int& sample : row) sample *= 5;
    e.bitDepth = 4;
  }
  std::ofstream text(std::string(kFolder) + "/" + name + ".txt");
  text << "size " << e.width << " " << e.height << "\n";
  text << "format " << e.colorType << " " << e.bitDepth << " " << int(png.InterlaceMethod) << "\n";
  if (!e.palette.empty()) {
    text << "palette";
    for (int v : e.palette) text << " " << v;
    text << "\n";
  }
  for (const auto& row : e.rows) {
    text << "row";
    for (int v : row) text << " " << v;
    text << "\n";
  }
}

TEST(PngExport, EveryFormatPlainAndAdam7) {
  const int formats[][2] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                            {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
  for (const auto& format : formats) {
    const std::string source = "c" + std::to_string(format[0]) + "_d" + std::to_string(format[1]) + "_33x7_plain";
    for (TInterlaceMethod layout : {imNone, imAdam7}) {
      const auto png = LoadFixture(source);
      png->InterlaceMethod = layout;
      png->Filters = TFilters{pfNone, pfSub, pfUp, pfAverage, pfPaeth};
      Export(*png, source.substr(0, source.size() - 6) + (layout == imAdam7 ? "_adam7" : "_plain"),
             ReadExpected(source));
    }
  }
}

TEST(PngExport, SeveralIdatChunks) {
  const auto png = LoadFixture("big_idat");
  png->CompressionLevel = 0;
  Export(*png, "big_idat_written", ReadExpected("big_idat"));
  const std::vector<std::string> names = WrittenChunkNames(SaveBytes(*png));
  EXPECT_GE(std::count(names.begin(), names.end(), "IDAT"), 2);
}

}  // namespace
