// The skinned header control: faces per state, the section click after a press and
// release over one section, and the height a fixed-height look imposes.
#include <gtest/gtest.h>

#include "ViewsFixtures.h"
#include "skin/controls/Skinctrls_HeaderControl.h"
#include "window_support.h"

namespace {

using rangetest::RangeTest;

class HeaderControlTest : public RangeTest {
 protected:
  // A header of three sections of 50 pixels without text, 24 pixels high.
  TspSkinHeaderControl* PlaceHeader(TspSkinData* skin, THeaderStyle style = hsButtons) {
    header = Place<TspSkinHeaderControl>(10, 10, 200, 24);
    header->SetSkinDataName("button");
    header->SetStyle(style);
    for (int i = 0; i < 3; ++i) header->Sections()->Add()->SetWidth(50);
    header->SetSkinData(skin);
    header->OnSkinSectionClick = TSectionNotifyEvent(this, &HeaderControlTest::Clicked);
    testsupport::ServeApplication(50);
    return header;
  }
  void Clicked(THeaderControl*, THeaderSection* section) { clicks.push_back(section->Index()); }
  std::vector<TColor> Section(int index) {
    return viewtest::WindowPixels(header->Handle(), Rect(index * 50, 0, index * 50 + 50, header->Height()));
  }

  TspSkinHeaderControl* header = nullptr;
  std::vector<int> clicks;
};

TEST_F(HeaderControlTest, SectionsShowTheNormalHotAndPressedFaces) {
  PlaceHeader(viewtest::SharedViewsSkin());
  const int h = header->Height();
  EXPECT_EQ(viewtest::HeaderFace("skinrect", 50, h), Section(1));
  testsupport::MoveMouse(header, 75, 10);
  testsupport::ServeApplication(40);
  EXPECT_EQ(1, header->HotSection());
  EXPECT_EQ(viewtest::HeaderFace("activeskinrect", 50, h), Section(1));
  testsupport::HoldMouse(header, 75, 10);
  testsupport::ServeApplication(40);
  EXPECT_EQ(viewtest::HeaderFace("downskinrect", 50, h), Section(1));
  EXPECT_EQ(viewtest::HeaderFace("skinrect", 50, h), Section(0));
  testsupport::ReleaseMouse();
  testsupport::ServeApplication(40);
  EXPECT_EQ(std::vector<int>{1}, clicks);
}

TEST_F(HeaderControlTest, AFlatHeaderPressesNothingAndFiresNoClick) {
  PlaceHeader(viewtest::SharedViewsSkin(), hsFlat);
  testsupport::HoldMouse(header, 75, 10);
  testsupport::ServeApplication(40);
  EXPECT_NE(viewtest::HeaderFace("downskinrect", 50, header->Height()), Section(1));
  testsupport::ReleaseMouse();
  testsupport::ServeApplication(40);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(HeaderControlTest, ADividerResizeFiresNoClick) {
  PlaceHeader(viewtest::SharedViewsSkin());
  testsupport::Drag(header, 50, 10, 80, 10);  // the divider after section 0
  testsupport::ServeApplication(40);
  EXPECT_EQ(80, header->Sections()->Items(0)->Width());
  EXPECT_TRUE(clicks.empty());
}

TEST_F(HeaderControlTest, AReleaseOverAnotherSectionIsNoClick) {
  PlaceHeader(viewtest::SharedViewsSkin());
  testsupport::HoldMouse(header, 20, 10);
  testsupport::MoveMouse(header, 120, 10);
  testsupport::ReleaseMouse();
  testsupport::ServeApplication(40);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(HeaderControlTest, AFixedHeightLookFixesTheHeight) {
  auto skin = viewtest::LoadViewsSkin("views_fixed_header", {{"button/leftbottompoint", "0,0"}});
  PlaceHeader(skin.get());
  EXPECT_EQ(20, header->Height());
  header->SetBounds(10, 10, 200, 40);
  EXPECT_EQ(20, header->Height());
  header->SetSkinData(nullptr);
}

TEST_F(HeaderControlTest, WithoutALookDefaultHeightDecidesTheHeight) {
  PlaceHeader(nullptr);
  EXPECT_EQ(AnsiString("resizebutton"), TspSkinHeaderControl(nullptr).SkinDataName());
  EXPECT_EQ(24, header->Height());
  header->SetDefaultHeight(30);
  EXPECT_EQ(30, header->Height());
}

}  // namespace
