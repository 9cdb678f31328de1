#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "imaging/Bitmap32_VectorMaps.h"
#include "test_support.h"

using namespace imaging;

namespace {

using Rect = imaging::TRect;
using Bytes = std::vector<uint8_t>;

TFixedPoint V(double x, double y) { return FixedPoint(static_cast<float>(x), static_cast<float>(y)); }

class VectorMapFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() { folder_ = testsupport::FreshTempFolder("vector_maps"); }
  static AnsiString Path(const std::string& name) { return AnsiString((folder_ + "\\" + name).c_str()); }
  static Bytes Read(const std::string& name) {
    std::ifstream in(folder_ + "\\" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  static void Write(const std::string& name, const Bytes& bytes) {
    std::ofstream out(folder_ + "\\" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  // A 2 x 1 map whose load must not disturb it.
  static void Fill(TVectorMap& map) {
    map.SetSize(2, 1);
    map.SetFixedVector(0, 0, V(1.5, -2));
    map.SetFixedVector(1, 0, V(-0.25, 3));
  }
  static void ExpectFilled(TVectorMap& map) {
    ASSERT_EQ(map.Width(), 2);
    ASSERT_EQ(map.Height(), 1);
    EXPECT_EQ(map.GetFixedVector(0, 0), V(1.5, -2));
    EXPECT_EQ(map.GetFixedVector(1, 0), V(-0.25, 3));
  }
  static inline std::string folder_;
};

TEST_F(VectorMapFiles, TwoCellsSaveAsFortyEightBytesAndLoadBack) {
  TVectorMap map;
  map.SetSize(2, 1);
  map.SetFixedVector(0, 0, TFixedPoint{0x18000, -0x20000});
  map.SetFixedVector(1, 0, TFixedPoint{0x12345, 7});  // not exact in single precision
  map.SaveToFile(Path("two.msh"));
  EXPECT_EQ(map.GetFixedVector(1, 0), (TFixedPoint{0x12345, 7}));  // saving keeps the map exact

  const Bytes bytes = Read("two.msh");
  ASSERT_EQ(bytes.size(), 48u);
  const Bytes header = {0, 0, 0, 2, 'y', 'f', 'q', 'L', 'h', 's', 'e', 'M', 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0};
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 24), header);
  float first[2];
  std::memcpy(first, bytes.data() + 24, 8);
  EXPECT_EQ(first[0], 1.5f);
  EXPECT_EQ(first[1], -2.0f);
  EXPECT_EQ(Bytes(bytes.end() - 8, bytes.end()), Bytes(8, 0));

  TVectorMap loaded;
  loaded.LoadFromFile(Path("two.msh"));
  ASSERT_EQ(loaded.Width(), 2);
  ASSERT_EQ(loaded.Height(), 1);
  EXPECT_EQ(loaded.GetFixedVector(0, 0), (TFixedPoint{0x18000, -0x20000}));
  EXPECT_NEAR(loaded.GetFixedVector(1, 0).X, 0x12345, 1);
  EXPECT_NEAR(loaded.GetFixedVector(1, 0).Y, 7, 1);
}

TEST_F(VectorMapFiles, BadFilesRaiseAndLeaveTheMapUnchanged) {
  TVectorMap source;
  Fill(source);
  source.SaveToFile(Path("good.msh"));
  const Bytes good = Read("good.msh");
  Bytes wrongId = good;
  wrongId[5] = 'x';
  Bytes upperId = good;  // the identifier is compared without regard to case
  std::memcpy(upperId.data() + 4, "YFQLHSEM", 8);
  Write("upper.msh", upperId);
  Bytes truncated(good.begin(), good.begin() + 30);
  Bytes huge = good;
  const uint32_t side = 65536;
  std::memcpy(huge.data() + 16, &side, 4);
  std::memcpy(huge.data() + 20, &side, 4);
  Bytes shortHeader(good.begin(), good.begin() + 10);
  Write("wrongid.msh", wrongId);
  Write("truncated.msh", truncated);
  Write("huge.msh", huge);
  Write("short.msh", shortHeader);

  struct Case {
    const char* file;
    const char* message;
    bool readError;
  };
  const Case cases[] = {{"missing.msh", "File not found!", false},
                        {"wrongid.msh", "Bad format - Photoshop .msh expected!", false},
                        {"truncated.msh", "Stream read error", true},
                        {"huge.msh", "Stream read error", true},
                        {"short.msh", "Stream read error", true}};
  for (const Case& c : cases) {
    TVectorMap map;
    Fill(map);
    try {
      map.LoadFromFile(Path(c.file));
      ADD_FAILURE() << c.file << " loaded";
    } catch (const EReadError& e) {
      EXPECT_TRUE(c.readError) << c.file;
      EXPECT_STREQ(e.Message().c_str(), c.message) << c.file;
    } catch (const Exception& e) {
      EXPECT_FALSE(c.readError) << c.file;
      EXPECT_STREQ(e.Message().c_str(), c.message) << c.file;
    }
    ExpectFilled(map);
  }
  TVectorMap upper;
  upper.LoadFromFile(Path("upper.msh"));
  ExpectFilled(upper);
}

TEST(VectorMap, BilinearReadsStayInsideTheMap) {
  TVectorMap map;
  map.SetSize(2, 2);
  map.SetFixedVector(0, 0, V(2, 4));
  map.SetFixedVector(1, 0, V(4, 8));
  map.SetFixedVector(0, 1, V(10, 20));
  map.SetFixedVector(1, 1, V(-6, 12));
  EXPECT_EQ(map.GetFixedVectorX(0, 0), V(2, 4));
  EXPECT_EQ(map.GetFixedVectorX(FixedHalf, 0), V(3, 6));                   // halfway along a row
  EXPECT_EQ(map.GetFixedVectorX(FixedOne + FixedHalf, FixedOne + FixedHalf), V(-6, 12));  // last column and row
  EXPECT_EQ(map.GetFixedVectorX(-1, 0), TFixedPoint{});                    // outside
  EXPECT_EQ(map.GetFixedVectorX(2 * FixedOne, 0), TFixedPoint{});
  EXPECT_EQ(map.GetFixedVectorXS(-FixedHalf, 0), V(1, 2));                 // half of cell (0, 0)
  EXPECT_EQ(map.GetFixedVectorXS(FixedOne + FixedHalf, 0), V(2, 4));       // right neighbour missing
  EXPECT_EQ(map.GetFixedVectorS(2, 0), TFixedPoint{});
  EXPECT_EQ(map.GetFloatVectorF(0.5f, 0), (TFloatPoint{3, 6}));
}

TEST(VectorMap, FractionalWritesSpreadOverTheFourCells) {
  TVectorMap map;
  map.SetSize(3, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) map.SetFixedVector(x, y, V(100, 100));
  map.SetFixedVectorX(FixedOne, FixedOne, V(4, -4));  // on cell (1, 1)
  EXPECT_NEAR(map.GetFixedVector(1, 1).X, V(100, 0).X, 0x200);
  EXPECT_EQ(map.GetFixedVector(2, 1), V(4, -4));
  EXPECT_EQ(map.GetFixedVector(2, 2), V(4, -4));
  EXPECT_EQ(map.GetFixedVector(1, 2), V(4, -4));
  EXPECT_EQ(map.GetFixedVector(0, 0), V(100, 100));

  map.SetFixedVectorXS(2 * FixedOne, 2 * FixedOne, V(7, 7));  // three of the cells are outside
  EXPECT_NEAR(map.GetFixedVector(2, 2).X, V(4, 0).X, 0x10);
  map.SetFixedVectorXS(-2 * FixedOne, 0, V(7, 7));  // ignored
  map.SetFixedVectorXS(3 * FixedOne, 0, V(7, 7));
  EXPECT_EQ(map.GetFixedVector(0, 0), V(100, 100));
  EXPECT_EQ(map.GetFixedVector(2, 0), V(100, 100));
}

TEST(VectorMap, ResizingKeepsVectorsOnlyAtTheSameSize) {
  TVectorMap map;
  map.SetSize(2, 2);
  map.SetFixedVector(1, 1, V(1, 1));
  map.SetSize(2, 2);
  EXPECT_EQ(map.GetFixedVector(1, 1), V(1, 1));
  map.SetSize(2, 3);
  EXPECT_EQ(map.GetFixedVector(1, 1), TFixedPoint{});
  map.SetSize(0, 3);
  EXPECT_TRUE(map.Empty());
}

TEST(VectorMap, MergeCombinesByTheSourcesMode) {
  TVectorMap base;
  TVectorMap src;
  src.SetSize(3, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) src.SetFixedVector(x, y, V(x, y));
  struct Case {
    TVectorCombineMode mode;
    TFixedPoint atOneOne;  // base cell (1, 1) after merging src (1, 1, 3, 3) at (1, 1)
  };
  for (const Case& c : {Case{vcmAdd, V(11, 11)}, Case{vcmReplace, V(1, 1)}}) {
    base.SetSize(3, 3);
    base.Clear();
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 3; ++x) base.SetFixedVector(x, y, V(10, 10));
    src.SetVectorCombineMode(c.mode);
    base.Merge(1, 1, &src, Rect{1, 1, 3, 3});
    EXPECT_EQ(base.GetFixedVector(1, 1), c.atOneOne);
    EXPECT_EQ(base.GetFixedVector(0, 0), V(10, 10));
    EXPECT_EQ(base.GetFixedVector(0, 2), V(10, 10));
  }
  // The custom handler sees the progression run from -1 to 1 across the area.
  std::vector<TFixedPoint> progressions;
  struct Recorder {
    std::vector<TFixedPoint>* seen;
    void Combine(const TFixedPoint&, const TFixedPoint& p, TFixedPoint& b) {
      seen->push_back(p);
      b = TFixedPoint{};
    }
  } recorder{&progressions};
  src.OnVectorCombine = TVectorCombineEvent(&recorder, &Recorder::Combine);
  src.SetVectorCombineMode(vcmCustom);
  base.Merge(0, 0, &src, Rect{0, 0, 3, 2});
  ASSERT_EQ(progressions.size(), 6u);
  EXPECT_EQ(progressions.front(), (TFixedPoint{-FixedOne, -FixedOne}));
  EXPECT_EQ(progressions.back(), (TFixedPoint{FixedOne, FixedOne}));
  EXPECT_EQ(base.GetFixedVector(2, 1), TFixedPoint{});

  TVectorMap empty;
  EXPECT_THROW(base.Merge(0, 0, &empty, Rect{0, 0, 1, 1}), Exception);
  EXPECT_THROW(empty.Merge(0, 0, &src, Rect{0, 0, 1, 1}), Exception);
}

TEST(VectorMap, TrimmedBoundsExcludeRightAndBottom) {
  TVectorMap map;
  map.SetSize(6, 5);
  EXPECT_EQ(map.GetTrimmedBounds(), Rect{});
  map.SetFixedVector(3, 1, V(0, 1));
  EXPECT_EQ(map.GetTrimmedBounds(), (Rect{3, 1, 4, 2}));
  map.SetFixedVector(1, 3, V(1, 0));
  map.SetFixedVector(4, 2, V(1, 0));
  EXPECT_EQ(map.GetTrimmedBounds(), (Rect{1, 1, 5, 4}));
}

}  // namespace
