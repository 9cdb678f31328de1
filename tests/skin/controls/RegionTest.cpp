// The window region of a masked look: the mask's outline at the current size, following
// resizes and re-skins, handed to the window and never deleted by the control.
#include <gtest/gtest.h>

#include <set>

#include "SkinControlsFixtures.h"
#include "RegionData.h"
#include "skin/data/Sputils_Regions.h"
#include "window_support.h"

using namespace skinbases;

namespace {

// The region data the "button" look's mask gives at W x H.
std::vector<uint8_t> MaskRegionData(TspSkinData& skin, int W, int H) {
  const int dx = W - 120, dy = H - 90;
  HRGN region = nullptr;
  CreateSkinRegion(region, Point(10, 10), Point(110, 10), Point(10, 80), Point(110, 80), Rect(10, 10, 110, 80),
                   Point(10, 10), Point(110 + dx, 10), Point(10, 80 + dy), Point(110 + dx, 80 + dy),
                   Rect(10, 10, 110 + dx, 80 + dy), skin.ActivePictures[3].get(), W, H);
  std::vector<uint8_t> data = skintest::RegionData(region);
  DeleteObject(region);
  return data;
}

class SkinBasesRegion : public ::testing::Test {
 protected:
  void SetUp() override {
    skin = LoadBasesSkin("skinbases_region");
    form.reset(testsupport::ShowTestForm(320, 240));
    control = new TTestSkinControl(form.get());
    control->SetParent(form.get());
    control->HandleNeeded();
    control->SetBounds(10, 10, 150, 100);
    control->SetSkinDataName("button");
    control->SetSkinData(skin.get());
    testsupport::ServeApplication(50);
  }
  void TearDown() override {
    form.reset();
    skin.reset();
  }

  std::unique_ptr<TspSkinData> skin;
  std::unique_ptr<TForm> form;
  TTestSkinControl* control = nullptr;
};

}  // namespace

TEST_F(SkinBasesRegion, TheWindowTakesTheMasksOutlineAtItsSize) {
  ASSERT_NE(nullptr, control->WindowRegion());
  const std::vector<uint8_t> expected = MaskRegionData(*skin, 150, 100);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(expected, skintest::WindowRegionData(control->Handle()));

  control->SetBounds(10, 10, 200, 130);
  EXPECT_EQ(MaskRegionData(*skin, 200, 130), skintest::WindowRegionData(control->Handle()));
}

TEST_F(SkinBasesRegion, TheRegionGoesWithTheMask) {
  control->SetSkinDataName("panel");
  control->ChangeSkinData();
  EXPECT_EQ(nullptr, control->WindowRegion());
  EXPECT_TRUE(skintest::WindowRegionData(control->Handle()).empty());

  control->SetSkinDataName("button");
  control->ChangeSkinData();
  EXPECT_EQ(MaskRegionData(*skin, 150, 100), skintest::WindowRegionData(control->Handle()));
}

TEST_F(SkinBasesRegion, ReskinsAndResizesLeaveNoRegionBehind) {
  for (int i = 0; i < 200; ++i) {
    control->SetBounds(10, 10, 130 + i % 40, 95 + i % 25);
    control->BeforeChangeSkinData();
    control->SetSkinDataName(i % 7 == 0 ? "panel" : "button");
    control->ChangeSkinData();
  }
  control->SetSkinDataName("button");
  control->ChangeSkinData();
  ASSERT_GT(control->handedRegions.size(), 200u);
  // Every region the window gave up was freed by the window; handle values may be used
  // again, so only those that are not the current one count. (Wine keeps a copy of the
  // window's region and frees even the current handle, so its life proves nothing here;
  // the window's region data after the last re-skin shows that none was lost.)
  const HRGN current = control->WindowRegion();
  std::set<HRGN> released(control->handedRegions.begin(), control->handedRegions.end());
  released.erase(current);
  for (HRGN region : released) EXPECT_EQ(0u, GetObjectType(region)) << region;
  EXPECT_EQ(MaskRegionData(*skin, control->Width(), control->Height()), skintest::WindowRegionData(control->Handle()));
}

TEST_F(SkinBasesRegion, ANewWindowTakesTheOutlineAgain) {
  control->RecreateWnd();
  testsupport::ServeApplication(50);
  EXPECT_EQ(MaskRegionData(*skin, 150, 100), skintest::WindowRegionData(control->Handle()));
}
