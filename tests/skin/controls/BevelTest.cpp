// The skinned bevel: the two line colours from the look or the system, the shapes and
// the divider, and a skin data that is dropped or freed.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "SkinControlsFixtures.h"

using namespace skinbases;

namespace {

constexpr TColor kLight = 0x00E000;
constexpr TColor kDark = 0x600000;

const TColor kSystemLight = static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT));
const TColor kSystemDark = static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW));

class SkinBevel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    skin = LoadBasesSkin("skinlabels_bevel", {{"bevel/lightcolor", std::to_string(kLight)},
                                              {"bevel/darkcolor", std::to_string(kDark)}})
               .release();
  }
  static void TearDownTestSuite() {
    delete skin;
    skin = nullptr;
  }

  std::unique_ptr<TspSkinBevel> MakeBevel(int width, int height) {
    auto bevel = std::make_unique<TspSkinBevel>(nullptr);
    bevel->SetBounds(0, 0, width, height);
    return bevel;
  }

  static TspSkinData* skin;
};

TspSkinData* SkinBevel::skin = nullptr;

TColor At(const std::vector<TColor>& face, int width, int x, int y) { return face[y * width + x]; }

}  // namespace

TEST_F(SkinBevel, ADividerOnABottomLineIsATwoPixelSeparatorCentred) {
  auto bevel = MakeBevel(100, 10);
  bevel->SetSkinData(skin);
  bevel->SetShape(bsBottomLine);
  bevel->SetDividerMode(true);
  const std::vector<TColor> face = FaceOf(bevel.get());
  const TColor background = At(face, 100, 0, 0);
  ASSERT_NE(background, kDark);
  ASSERT_NE(background, kLight);
  // Lowered: the first colour is the dark one, (2,5)-(2,4)-(98,4); the second (98,4)-(98,5)-(2,5).
  std::map<std::pair<int, int>, TColor> lines{{{2, 5}, kDark}, {{98, 4}, kLight}};
  for (int x = 2; x < 98; ++x) lines[{x, 4}] = kDark;
  for (int x = 3; x <= 98; ++x) lines[{x, 5}] = kLight;
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 100; ++x) {
      auto line = lines.find({x, y});
      EXPECT_EQ(At(face, 100, x, y), line == lines.end() ? background : line->second) << x << "," << y;
    }
  }
}

TEST_F(SkinBevel, ABoxTakesItsEdgesFromTheLookOrTheSystemByStyle) {
  struct TCase {
    bool skinned;
    TBevelStyle style;
    TColor topLeft, bottomRight;
  } const cases[] = {
      {true, bsLowered, kDark, kLight},
      {true, bsRaised, kLight, kDark},
      {false, bsLowered, kSystemDark, kSystemLight},
      {false, bsRaised, kSystemLight, kSystemDark},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "skinned " << c.skinned << ", style " << c.style);
    auto bevel = MakeBevel(20, 16);
    if (c.skinned) bevel->SetSkinData(skin);
    bevel->SetStyle(c.style);
    const std::vector<TColor> face = FaceOf(bevel.get());
    EXPECT_EQ(At(face, 20, 0, 8), c.topLeft);
    EXPECT_EQ(At(face, 20, 10, 0), c.topLeft);
    EXPECT_EQ(At(face, 20, 19, 8), c.bottomRight);
    EXPECT_EQ(At(face, 20, 10, 15), c.bottomRight);
  }
}

TEST_F(SkinBevel, ShapesDrawTheirLinesInTheTwoColours) {
  struct TCase {
    TBevelShape shape;
    bool divider;
    // Points that must hold the first and the second colour.
    TPoint first, second;
  } const cases[] = {
      {bsTopLine, false, {5, 0}, {5, 1}},     {bsBottomLine, false, {5, 18}, {5, 19}},
      {bsLeftLine, false, {0, 5}, {1, 5}},    {bsRightLine, false, {18, 5}, {19, 5}},
      {bsFrame, false, {0, 0}, {1, 1}},       {bsBox, true, {9, 2}, {10, 17}},
      {bsLeftLine, true, {9, 10}, {10, 10}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "shape " << c.shape << ", divider " << c.divider);
    auto bevel = MakeBevel(20, 20);
    bevel->SetSkinData(skin);
    bevel->SetShape(c.shape);
    bevel->SetDividerMode(c.divider);
    const std::vector<TColor> face = FaceOf(bevel.get());
    EXPECT_EQ(At(face, 20, c.first.X, c.first.Y), kDark);
    EXPECT_EQ(At(face, 20, c.second.X, c.second.Y), kLight);
  }
}

TEST_F(SkinBevel, ASpacerDrawsNothing) {
  for (bool divider : {false, true}) {
    auto bevel = MakeBevel(20, 20);
    bevel->SetSkinData(skin);
    bevel->SetShape(bsSpacer);
    bevel->SetDividerMode(divider);
    const std::vector<TColor> face = FaceOf(bevel.get());
    EXPECT_EQ(std::count(face.begin(), face.end(), face[0]), static_cast<long>(face.size()));
  }
}

TEST_F(SkinBevel, DroppingOrFreeingTheSkinDataBringsTheSystemColoursBack) {
  auto bevel = MakeBevel(20, 16);
  bevel->SetSkinData(skin);
  EXPECT_EQ(bevel->LightColor(), kLight);
  EXPECT_EQ(bevel->DarkColor(), kDark);
  bevel->SetSkinData(nullptr);
  EXPECT_EQ(bevel->LightColor(), clBtnHighlight);
  EXPECT_EQ(bevel->DarkColor(), clBtnShadow);

  auto owned = LoadBasesSkin("skinlabels_bevel_freed", {{"bevel/lightcolor", std::to_string(kLight)},
                                                        {"bevel/darkcolor", std::to_string(kDark)}});
  bevel->SetSkinData(owned.get());
  EXPECT_EQ(At(FaceOf(bevel.get()), 20, 0, 8), kDark);
  owned.reset();
  EXPECT_EQ(bevel->SkinData(), nullptr);
  EXPECT_EQ(At(FaceOf(bevel.get()), 20, 0, 8), kSystemDark);
  EXPECT_EQ(At(FaceOf(bevel.get()), 20, 19, 8), kSystemLight);
}

TEST_F(SkinBevel, ALookOfAnotherKindKeepsTheColoursHeld) {
  auto bevel = MakeBevel(20, 16);
  bevel->SetSkinData(skin);
  bevel->SetSkinDataName("panel");
  bevel->ChangeSkinData();
  EXPECT_EQ(bevel->LightColor(), kLight);
  EXPECT_EQ(bevel->DarkColor(), kDark);
}
