// Every contract header compiles together (their layout checks with it), and the frame
// sizes the libraries allocate and callers expect agree with the agreed layouts.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "media/contracts/AudioEncoderPlugin.h"
#include "media/contracts/CodecLibrary.h"
#include "media/contracts/ColourConversionLibrary.h"
#include "media/contracts/DecoderLibrary.h"
#include "media/contracts/LibraryAbi.h"
#include "media/contracts/RealEncoderPlugin.h"
#include "media/contracts/ResamplingLibrary.h"
#include "media/contracts/WmvEncoderPlugin.h"

namespace {

TEST(ContractHeaders, FrameByteSizeFollowsTheAgreedLayouts) {
  const struct {
    std::int32_t code, width, height;
    std::size_t bytes;
  } cases[] = {
      {PixelFormatRgb565, 320, 240, 320 * 240 * 2},
      {PixelFormatRgb565, 641, 481, 641 * 481 * 2},  // rows are not padded
      {PixelFormatBgra, 641, 481, 641 * 481 * 4},
      {PixelFormatI420, 320, 240, 320 * 240 + 2 * 160 * 120},
      {PixelFormatI420, 641, 481, 641 * 481 + 2 * 321 * 241},  // chroma rounds up
      {PixelFormatYv12, 641, 481, 641 * 481 + 2 * 321 * 241},
      {PixelFormatI420, 1, 1, 3},
      {2, 320, 240, 0},  // no such layout
      {PixelFormatBgra, 0, 240, 0},
      {PixelFormatBgra, 320, -1, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FrameByteSize(c.code, c.width, c.height), c.bytes)
        << c.code << " " << c.width << "x" << c.height;
  }
}

TEST(ContractHeaders, PluginEntryTablesNameEveryEntryOnce) {
  const auto distinct = [](const auto& names, const char* prefix) {
    std::set<std::string> seen;
    for (const char* name : names) {
      EXPECT_EQ(std::string(name).rfind(prefix, 0), 0u) << name;
      EXPECT_TRUE(seen.insert(name).second) << name << " twice";
    }
    return seen.size();
  };
  EXPECT_EQ(distinct(kWmvEntryNames, "WMV_"), 47u);
  EXPECT_EQ(distinct(kRealEntryNames, "Real_"), 21u);
}

}  // namespace
