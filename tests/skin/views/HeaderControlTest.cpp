// The skinned header control: faces per state, the section click after a press and
// release over one section, and the height a fixed-height look imposes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST_F(HeaderControlTest, TheStripAfterTheLastSectionIsTheNormalFaceWithoutItsRightEnd) {
  PlaceHeader(viewtest::SharedViewsSkin());
  const int h = header->Height();
  // The strip runs from the last section's right edge (150) to the width + 1; its face is
  // the left part of a whole face that is wider by the look's right end (32 - 28 pixels).
  const int strip = header->Width() + 1 - 150;
  const int shownWidth = header->Width() - 150;
  const int faceWidth = strip + 4;
  const std::vector<TColor> face = viewtest::HeaderFace("skinrect", faceWidth, h);
  const std::vector<TColor> shown = viewtest::WindowPixels(header->Handle(), Rect(150, 0, header->Width(), h));
  ASSERT_EQ(static_cast<size_t>(shownWidth * h), shown.size());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < shownWidth; ++x) {
      ASSERT_EQ(face[static_cast<size_t>(y * faceWidth + x)], shown[static_cast<size_t>(y * shownWidth + x)])
          << x << "," << y;
    }
  }
  // The right end of a whole face is not drawn at the strip's end.
  const std::vector<TColor> whole = viewtest::HeaderFace("skinrect", shownWidth, h);
  EXPECT_NE(whole, shown);
}

// Sections "A", "B", "C" reordered by a real drag of "A" onto the right half of "C",
// allowed or refused by OnSectionDrag: the order of Sections (and of the window's order
// array) follows, the faces are drawn in the new order and no click is fired.
struct ReorderCase {
  bool allow;
  std::vector<std::string> order;
};

class HeaderReorderTest : public HeaderControlTest, public ::testing::WithParamInterface<ReorderCase> {
 public:
  void AllowDrag(TObject*, THeaderSection*, THeaderSection*, bool& allow) {
    ++drags;
    allow = GetParam().allow;
  }

 protected:
  std::vector<std::string> SectionTexts() {
    std::vector<std::string> texts;
    for (int i = 0; i < header->Sections()->Count(); ++i) texts.push_back(header->Sections()->Items(i)->Text().c_str());
    return texts;
  }
  int drags = 0;
};

TEST_P(HeaderReorderTest, ADraggedSectionMovesOnlyWhenAllowed) {
  PlaceHeader(viewtest::SharedViewsSkin());
  header->SetDragReorder(true);
  const char* texts[] = {"A", "B", "C"};
  for (int i = 0; i < 3; ++i) header->Sections()->Items(i)->SetText(texts[i]);
  header->OnSectionDrag = TSectionDragEvent(this, &HeaderReorderTest::AllowDrag);
  testsupport::ServeApplication(40);
  testsupport::DragAlong(header, {Point(20, 10), Point(30, 10), Point(60, 10), Point(100, 10), Point(140, 10)});
  testsupport::ServeApplication(60);
  ASSERT_TRUE(IsWindow(header->Handle()));
  EXPECT_EQ(1, drags);
  EXPECT_EQ(GetParam().order, SectionTexts());
  std::vector<int> order(3, -1);
  SendMessageA(header->Handle(), HDM_GETORDERARRAY, order.size(), reinterpret_cast<LPARAM>(order.data()));
  EXPECT_EQ((std::vector<int>{0, 1, 2}), order);
  EXPECT_TRUE(clicks.empty());
  // The window still takes input: a later click reaches the section now first.
  testsupport::Click(header, 20, 10);
  testsupport::ServeApplication(40);
  EXPECT_EQ(std::vector<int>{0}, clicks);
}

INSTANTIATE_TEST_SUITE_P(Drag, HeaderReorderTest,
                         ::testing::Values(ReorderCase{true, {"B", "C", "A"}}, ReorderCase{false, {"A", "B", "C"}}));

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
