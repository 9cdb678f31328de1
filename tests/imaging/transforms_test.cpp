#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bitmap_fixtures.h"
#include "imaging/Bitmap32_LinearResamplers.h"
#include "imaging/Bitmap32_Samplers_Nested.h"
#include "imaging/Bitmap32_Transforms.h"

using namespace imaging;
using namespace bitmaptest;

namespace {

using Rect = imaging::TRect;
using Pt = imaging::TPoint;

void ExpectNear(const TFloatPoint& actual, const TFloatPoint& expected, const std::string& what, float tolerance = 1e-4f) {
  EXPECT_NEAR(actual.X, expected.X, tolerance) << what;
  EXPECT_NEAR(actual.Y, expected.Y, tolerance) << what;
}

TEST(Transformations, AffineOperationsApplyInOrder) {
  struct Case {
    const char* what;
    std::function<void(TAffineTransformation&)> build;
    TFloatPoint from;
    TFloatPoint to;
  };
  const Case cases[] = {
      {"rotate 90", [](TAffineTransformation& t) { t.Rotate(0, 0, 90); }, {1, 0}, {0, -1}},
      {"scale then translate", [](TAffineTransformation& t) { t.Scale(2, 3); t.Translate(10, 0); }, {1, 1}, {12, 3}},
      {"translate then scale", [](TAffineTransformation& t) { t.Translate(10, 0); t.Scale(2, 3); }, {1, 1}, {22, 3}},
      {"rotate about a centre", [](TAffineTransformation& t) { t.Rotate(5, 5, 180); }, {6, 5}, {4, 5}},
      {"skew", [](TAffineTransformation& t) { t.Skew(0.5f, 1); }, {2, 4}, {4, 6}},
      {"cleared", [](TAffineTransformation& t) { t.Scale(3, 3); t.Clear(); }, {7, -2}, {7, -2}},
  };
  for (const Case& c : cases) {
    TAffineTransformation t;
    c.build(t);
    ExpectNear(t.Transform(c.from), c.to, c.what);
    ExpectNear(t.ReverseTransform(c.to), c.from, std::string(c.what) + " reverse");
    const TFixedPoint fixed = t.Transform(FixedPoint(c.from));
    ExpectNear(FloatPoint(fixed), c.to, std::string(c.what) + " fixed", 1e-3f);
  }
}

TEST(Transformations, ASingularMatrixReversesAsTheIdentity) {
  TAffineTransformation t;
  t.Scale(0, 0);
  ExpectNear(t.ReverseTransform(TFloatPoint{3, 4}), TFloatPoint{3, 4}, "singular");
  ExpectNear(t.Transform(TFloatPoint{3, 4}), TFloatPoint{0, 0}, "forward");
}

TEST(Transformations, ChangesMakeTheNextUsePrepareAgain) {
  TAffineTransformation t;
  t.Translate(1, 0);
  EXPECT_EQ(t.Transform(Pt{0, 0}), (Pt{1, 0}));
  EXPECT_TRUE(t.TransformValid());
  t.Translate(1, 0);
  EXPECT_FALSE(t.TransformValid());
  EXPECT_EQ(t.ReverseTransform(Pt{2, 0}), (Pt{0, 0}));
}

TEST(Transformations, IntegerFormsRoundHalvesDown) {
  struct Case {
    float scale;
    int32_t x;
    int32_t expected;
  };
  for (const Case& c : {Case{1.25f, 2, 2}, Case{-1.25f, 2, -3}, Case{1.5f, 1, 1}, Case{1.75f, 2, 3}}) {
    TAffineTransformation t;
    t.Scale(c.scale, 1);
    EXPECT_EQ(t.Transform(Pt{c.x, 0}).X, c.expected) << c.scale << " x " << c.x;
  }
}

TEST(Transformations, ProjectiveOntoItsOwnCornersIsTheIdentity) {
  TProjectiveTransformation t;
  t.SetSrcRect(TFloatRect{10, 20, 110, 70});
  t.SetCorners({TFloatPoint{10, 20}, TFloatPoint{110, 20}, TFloatPoint{110, 70}, TFloatPoint{10, 70}});
  for (const TFloatPoint p : {TFloatPoint{35, 45}, TFloatPoint{10, 20}, TFloatPoint{-3, 200}}) {
    ExpectNear(t.Transform(p), p, "forward", 1e-3f);
    ExpectNear(t.ReverseTransform(p), p, "reverse", 1e-3f);
  }
  EXPECT_EQ(t.GetTransformedBounds(), (Rect{10, 20, 110, 70}));
}

TEST(Transformations, ProjectiveMapsATrapezoid) {
  TProjectiveTransformation t;
  t.SetSrcRect(TFloatRect{0, 0, 100, 100});
  t.SetCorners({TFloatPoint{0, 0}, TFloatPoint{100, 0}, TFloatPoint{80, 100}, TFloatPoint{20, 100}});
  ExpectNear(t.Transform(TFloatPoint{100, 100}), TFloatPoint{80, 100}, "corner", 1e-2f);
  ExpectNear(t.Transform(TFloatPoint{0, 100}), TFloatPoint{20, 100}, "corner", 1e-2f);
  const TFloatPoint inside = t.Transform(TFloatPoint{30, 60});
  ExpectNear(t.ReverseTransform(inside), TFloatPoint{30, 60}, "round trip", 1e-2f);
}

TEST(Transformations, DistortionsKeepTheirFixedPoints) {
  TFishEyeTransformation fish;
  fish.SetSrcRect(TFloatRect{0, 0, 40, 20});
  ExpectNear(fish.ReverseTransform(TFloatPoint{20, 10}), TFloatPoint{20, 10}, "fish-eye centre");
  ExpectNear(fish.ReverseTransform(TFloatPoint{20, 25}), TFloatPoint{20, 25}, "fish-eye outside");
  const TFloatPoint moved = fish.ReverseTransform(TFloatPoint{24, 12});
  EXPECT_GT(std::fabs(moved.X - 24) + std::fabs(moved.Y - 12), 0.01f) << "fish-eye inside moves";

  TTwirlTransformation twirl;
  twirl.SetSrcRect(TFloatRect{0, 0, 20, 20});
  ExpectNear(twirl.ReverseTransform(TFloatPoint{10, 10}), TFloatPoint{10, 10}, "twirl centre");

  TPolarTransformation polar;
  polar.SetSrcRect(TFloatRect{0, 0, 100, 50});
  polar.SetDstRect(TFloatRect{0, 0, 200, 100});
  for (const TFloatPoint p : {TFloatPoint{25, 20}, TFloatPoint{60, 45}, TFloatPoint{90, 5}})
    ExpectNear(polar.ReverseTransform(polar.Transform(p)), p, "polar round trip", 1e-2f);
}

TEST(Transformations, BloatAndDisturbanceStayNearThePoint) {
  TBloatTransformation bloat;
  bloat.SetSrcRect(TFloatRect{0, 0, 40, 40});
  ExpectNear(bloat.ReverseTransform(TFloatPoint{0, 17}), TFloatPoint{0, 17}, "bloat on the edge");
  const TFloatPoint bulged = bloat.ReverseTransform(TFloatPoint{10, 10});
  EXPECT_GT(bulged.X, 10.5f) << "bloat pushes inside points";

  TDisturbanceTransformation disturbance;
  disturbance.SetDisturbance(4);
  SetRandomSeed(77);
  float spread = 0;
  for (int i = 0; i < 50; ++i) {
    const TFloatPoint p = disturbance.ReverseTransform(TFloatPoint{10, 20});
    EXPECT_LE(std::fabs(p.X - 10), 2.0f);
    EXPECT_LE(std::fabs(p.Y - 20), 2.0f);
    spread = std::max(spread, std::fabs(p.X - 10));
  }
  EXPECT_GT(spread, 1.0f);
  SetRandomSeed(77);
  const TFloatPoint first = disturbance.ReverseTransform(TFloatPoint{10, 20});
  SetRandomSeed(77);
  EXPECT_EQ(disturbance.ReverseTransform(TFloatPoint{10, 20}), first);
  EXPECT_EQ(disturbance.GetTransformedBounds(TFloatRect{0, 0, 10, 10}), (Rect{-2, -2, 12, 12}));
}

TEST(Transformations, MissingDirectionsRaiseWithTheClassName) {
  TTwirlTransformation twirl;
  try {
    twirl.Transform(TFixedPoint{0, 0});
    ADD_FAILURE() << "forward twirl";
  } catch (const ETransformNotImplemented& e) {
    EXPECT_STREQ(e.Message().c_str(), "Forward transformation is not implemented in TTwirlTransformation.");
  }
  TPathTransformation path;
  path.SetSrcRect(TFloatRect{0, 0, 10, 10});
  path.SetTopCurve({TFloatPoint{0, 0}, TFloatPoint{10, 0}});
  path.SetBottomCurve({TFloatPoint{0, 10}, TFloatPoint{10, 10}});
  EXPECT_THROW(path.ReverseTransform(Pt{1, 1}), ETransformNotImplemented);
  ExpectNear(path.Transform(TFloatPoint{5, 5}), TFloatPoint{5, 5}, "straight path");
}

TEST(Transformations, RemapNeedsItsRectangles) {
  TRemapTransformation remap;
  struct Case {
    TFloatRect src;
    TFloatRect mapping;
    const char* message;
  };
  for (const Case& c : {Case{{}, {0, 0, 4, 4}, "SrcRect is empty!"}, Case{{0, 0, 4, 4}, {}, "MappingRect is empty!"}}) {
    remap.SetSrcRect(c.src);
    remap.SetMappingRect(c.mapping);
    try {
      remap.ReverseTransform(TFloatPoint{0, 0});
      ADD_FAILURE() << c.message;
    } catch (const Exception& e) {
      EXPECT_STREQ(e.Message().c_str(), c.message);
    }
  }
  remap.VectorMap()->SetSize(5, 5);
  remap.SetSrcRect(TFloatRect{0, 0, 4, 4});
  remap.SetMappingRect(TFloatRect{0, 0, 4, 4});
  remap.VectorMap()->SetFloatVector(2, 2, TFloatPoint{1, -1});
  ExpectNear(remap.ReverseTransform(TFloatPoint{2, 2}), TFloatPoint{3, 1}, "displaced cell");
  ExpectNear(remap.ReverseTransform(TFloatPoint{1, 3}), TFloatPoint{1, 3}, "still cell");
  EXPECT_EQ(remap.ReverseTransform(Pt{2, 2}), (Pt{3, 1}));
  EXPECT_FALSE(remap.HasTransformedBounds());
}

TEST(Transformations, TransformWithAMissingClipWritesNothingButNotifies) {
  TEventLog events;
  auto src = Indexed(4, 4);
  auto dst = Filled(10, 10, 0);
  dst->OnAreaChanged = events.AreaEvent();
  TAffineTransformation t;
  t.SetSrcRect(TFloatRect{0, 0, 4, 4});
  Transform(dst.get(), src.get(), &t, Rect{6, 6, 9, 9});
  EXPECT_EQ(Pixels(*dst), Pixels(*Filled(10, 10, 0)));
  ASSERT_FALSE(events.lines.empty());
  EXPECT_EQ(events.lines.back(), "area 0,0,0,0 rect");
}

TEST(Transformations, TransformDrawsTheReverseMapping) {
  TEventLog events;
  auto src = Indexed(4, 3);
  auto dst = Filled(8, 8, 0);
  TAffineTransformation t;
  t.SetSrcRect(TFloatRect{0, 0, 4, 3});
  t.Translate(2, 3);
  dst->OnAreaChanged = events.AreaEvent();
  Transform(dst.get(), src.get(), &t);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool inside = x >= 2 && x < 6 && y >= 3 && y < 6;
      EXPECT_EQ(dst->GetPixel(x, y), inside ? Index(x - 2, y - 3) : 0u) << x << "," << y;
    }
  ASSERT_FALSE(events.lines.empty());
  EXPECT_EQ(events.lines.back(), "area 2,2,6,6 rect");
}

// Counts which reverse form the transformer uses.
class TCountingAffine : public TAffineTransformation {
 public:
  int intCalls = 0;
  int fixedCalls = 0;

 protected:
  void ReverseTransformInt(int32_t x, int32_t y, int32_t& u, int32_t& v) override {
    ++intCalls;
    TAffineTransformation::ReverseTransformInt(x, y, u, v);
  }
  void ReverseTransformFixed(TFixed x, TFixed y, TFixed& u, TFixed& v) override {
    ++fixedCalls;
    TAffineTransformation::ReverseTransformFixed(x, y, u, v);
  }
};

TEST(Transformations, TheSourcesResamplerNamesTheTransformer) {
  auto nearest = Indexed(3, 3);
  EXPECT_EQ(static_cast<TBitmap32Resampler*>(nearest->Resampler())->TransformerClass(),
            TNearestTransformer::StaticClass());
  auto linear = Indexed(3, 3);
  new TLinearResampler(linear.get());
  EXPECT_EQ(static_cast<TBitmap32Resampler*>(linear->Resampler())->TransformerClass(), TTransformer::StaticClass());
  for (TBitmap32* src : {nearest.get(), linear.get()}) {
    auto dst = Filled(3, 3, 0);
    TCountingAffine t;
    t.SetSrcRect(TFloatRect{0, 0, 3, 3});
    Transform(dst.get(), src, &t);
    EXPECT_EQ(Pixels(*dst), Pixels(*src));
    const bool viaNearest = src == nearest.get();
    EXPECT_EQ(t.intCalls > 0, viaNearest);
    EXPECT_GT(t.fixedCalls, 0);
  }
}

TEST(Transformations, SetBorderTransparentClearsTheRingsAlpha) {
  auto one = Filled(3, 3, 0xFF123456);
  SetBorderTransparent(one.get(), Rect{1, 1, 2, 2});
  EXPECT_EQ(one->GetPixel(1, 1), 0x00123456u);
  EXPECT_EQ(one->GetPixel(0, 1), 0xFF123456u);

  auto ring = Filled(5, 4, 0xFF123456);
  SetBorderTransparent(ring.get(), Rect{-2, 0, 5, 9});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) {
      const bool border = x == 0 || x == 4 || y == 0 || y == 3;
      EXPECT_EQ(ring->GetPixel(x, y), border ? 0x00123456u : 0xFF123456u) << x << "," << y;
    }
}

TEST(Transformations, TransformPointsMapsEveryPolygon) {
  TAffineTransformation t;
  t.Translate(1, -1);
  const TArrayOfArrayOfFixedPoint points = {{FixedPoint(0, 0), FixedPoint(2, 3)}, {}, {FixedPoint(-1, 1)}};
  const TArrayOfArrayOfFixedPoint expected = {{FixedPoint(1, -1), FixedPoint(3, 2)}, {}, {FixedPoint(0, 0)}};
  EXPECT_EQ(TransformPoints(points, &t), expected);
  EXPECT_TRUE(TransformPoints({}, &t).empty());
}

TEST(Transformations, RasterizeTransformationWritesDisplacements) {
  TAffineTransformation t;
  t.Translate(-2, 1);  // reverse: (x + 2, y - 1)
  TVectorMap map;
  map.SetSize(4, 3);
  map.SetFixedVector(1, 1, FixedPoint(10, 10));
  RasterizeTransformation(&map, &t, Rect{1, 1, 3, 9});
  EXPECT_EQ(map.GetFixedVector(1, 1), FixedPoint(12, 9));
  EXPECT_EQ(map.GetFixedVector(2, 2), FixedPoint(2, -1));
  EXPECT_EQ(map.GetFixedVector(0, 0), TFixedPoint{});
  RasterizeTransformation(&map, &t, Rect{0, 0, 4, 3}, vcmReplace);
  EXPECT_EQ(map.GetFixedVector(1, 1), FixedPoint(2, -1));

  // A single row: the progression's y never divides by zero.
  std::vector<TFixedPoint> progressions;
  struct Recorder {
    std::vector<TFixedPoint>* seen;
    void Combine(const TFixedPoint& d, const TFixedPoint& p, TFixedPoint& b) {
      seen->push_back(p);
      b = d;
    }
  } recorder{&progressions};
  RasterizeTransformation(&map, &t, Rect{0, 2, 3, 3}, vcmCustom, TVectorCombineEvent(&recorder, &Recorder::Combine));
  ASSERT_EQ(progressions.size(), 3u);
  EXPECT_EQ(progressions[0], TFixedPoint{});
  EXPECT_EQ(progressions[2], (TFixedPoint{FixedOne, 0}));
  progressions.clear();
  RasterizeTransformation(&map, &t, Rect{2, 0, 3, 1}, vcmCustom, TVectorCombineEvent(&recorder, &Recorder::Combine));
  EXPECT_EQ(progressions, std::vector<TFixedPoint>{TFixedPoint{}});
}

TEST(TransformMatrices, ProductInverseAndConversions) {
  const TFloatMatrix a = {{{2, 0, 0}, {1, 3, 0}, {4, 5, 1}}};
  TFloatMatrix inverse = a;
  Invert(inverse);
  const TFloatMatrix product = Mult(a, inverse);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(product[i][j], IdentityMatrix[i][j], 1e-5f) << i << "," << j;
  EXPECT_FLOAT_EQ(Determinant(a), 6);
  const TVector3f v = VectorTransform(a, {1, 1, 1});
  EXPECT_EQ(v, (TVector3f{7, 8, 1}));
  const TFixedMatrix fixed = FixedMatrix(a);
  EXPECT_EQ(fixed[1][0], FixedOne);
  EXPECT_EQ(FloatMatrix(fixed), a);
}

}  // namespace
