// The skinned control bar on a shown form: band frames from the "controlbar" look's band
// rectangle around each child, the border SkinBevel gives, and the class library's bar
// without a look.
#include "ButtonFixture.h"
#include "classlib/stdctrls/Edit.h"
#include "window_support.h"

using namespace skinbuttons;

namespace {

// A look on active picture 0: skin and band rectangle (0,0,40,30), client margins of 3.
TspSkinData* ControlBarSkin() {
  return SkinWithLook("controlbar", {{"pictureindex", "0"},
                                     {"skinrect", "0,0,40,30"},
                                     {"clientrect", "3,3,37,27"},
                                     {"lefttoppoint", "3,3"},
                                     {"righttoppoint", "37,3"},
                                     {"leftbottompoint", "3,27"},
                                     {"rightbottompoint", "37,27"},
                                     {"leftstretch", "0"},
                                     {"topstretch", "0"},
                                     {"rightstretch", "0"},
                                     {"bottomstretch", "0"},
                                     {"stretcheffect", "0"},
                                     {"bgpictureindex", "-1"},
                                     {"itemrect", "0,0,40,30"},
                                     {"itemoffset1", "3"},
                                     {"itemoffset2", "3"},
                                     {"itemstretcheffect", "0"},
                                     {"itemtransparent", "0"}});
}

TColor PictureAt(TspSkinData* skin, int x, int y) { return skin->ActivePictures[0]->Canvas()->Pixels(x, y); }

class ControlBarTest : public ButtonTest {
 protected:
  TspSkinControlBar* PlaceBar(TspSkinData* skin) {
    auto* bar = new TspSkinControlBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 100, 240, 60);
    bar->SetSkinData(skin);
    child = new TEdit(form);
    child->SetParent(bar);
    child->SetBounds(20, 4, 100, 22);
    testsupport::ServeApplication(20);
    return bar;
  }

  TEdit* child = nullptr;
};

TEST_F(ControlBarTest, EachBandIsFramedFromTheLooksBandRectangle) {
  TspSkinData* skin = ControlBarSkin();
  TspSkinControlBar* bar = PlaceBar(skin);
  ASSERT_NE(nullptr, bar->Look());
  const int left = child->Left() - 11, top = child->Top() - 2;
  // The frame is 113 x 26: its corners are the band rectangle's corners.
  EXPECT_EQ(PictureAt(skin, 0, 0), FacePixel(bar, left, top));
  EXPECT_EQ(PictureAt(skin, 39, 0), FacePixel(bar, left + 112, top));
  EXPECT_EQ(PictureAt(skin, 0, 29), FacePixel(bar, left, top + 25));
  EXPECT_EQ(PictureAt(skin, 39, 29), FacePixel(bar, left + 112, top + 25));
}

TEST_F(ControlBarTest, SkinBevelGivesABorderOfTheLooksMargins) {
  struct Case {
    TspSkinData* skin;
    bool bevel;
    int border;
  };
  for (const Case& c : {Case{ControlBarSkin(), true, 3}, Case{ControlBarSkin(), false, 0}, Case{nullptr, true, 0}}) {
    SCOPED_TRACE(std::to_string(c.bevel) + (c.skin != nullptr ? " skinned" : " plain"));
    TspSkinControlBar* bar = PlaceBar(c.skin);
    bar->SetSkinBevel(c.bevel);
    testsupport::ServeApplication(20);
    EXPECT_EQ(240 - 2 * c.border, bar->ClientWidth());
    EXPECT_EQ(60 - 2 * c.border, bar->ClientHeight());
    delete bar;
  }
}

TEST_F(ControlBarTest, ARemovedSkinIsForgotten) {
  auto* skin = new TspSkinData(form);
  TspSkinControlBar* bar = PlaceBar(skin);
  delete skin;
  EXPECT_EQ(nullptr, bar->SkinData());
  EXPECT_EQ(nullptr, bar->Look());
}

}  // namespace
