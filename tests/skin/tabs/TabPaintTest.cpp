// The tab row's pixels: faces from the look's pictures (turned for side tabs), the
// selected tab over the frame, images beside empty captions and a see-through row.
#include "TabsFixture.h"

namespace tabstest {
namespace {

using TabPaint = TabsTest;

TEST_F(TabPaint, TheSelectedTabIsDrawnLastAndReachesIntoThePageFrame) {
  skin = LoadTabSkin("tabs_selected");
  MakePages(3);
  pages->SetSkinData(skin.get());
  pages->SetActivePageIndex(1);
  Redraw(pages.get());
  const TRect selected = pages->GetItemRect(1);
  const TRect neighbour = pages->GetItemRect(0);
  // Face row 17 of the active picture (40,16)-(60,34) lies below the tab rectangle,
  // where the frame is drawn, and is still the tab's.
  EXPECT_EQ(PictureRgb(41, 16 + 17), Pixel(pages.get(), selected.Left + 1, selected.Top + 17));
  // The neighbour's face is the normal tab picture.
  EXPECT_EQ(PictureRgb(41, 1), Pixel(pages.get(), neighbour.Left + 1, neighbour.Top + 1));
}

TEST_F(TabPaint, ALeftTabsFaceIsTurnedCounterClockwise) {
  skin = LoadTabSkin("tabs_left");
  MakePages(3, tpLeft);
  pages->SetSkinData(skin.get());
  Redraw(pages.get());
  const TRect tab = pages->GetItemRect(1);
  const int w = tab.Height();  // the face's width along the tab
  // Face pixel (1, 2) comes from the tab picture's left end at (41, 2); turned, it lands
  // at (2, W - 2) of the tab.
  EXPECT_EQ(PictureRgb(41, 2), Pixel(pages.get(), tab.Left + 2, tab.Top + w - 2));
  EXPECT_NE(PictureRgb(41, 2), Pixel(pages.get(), tab.Left + 1, tab.Top + 2));
}

TEST_F(TabPaint, AnEmptyCaptionCentresTheImageWithTheCaptionsTwoPixelsAndTheGap) {
  TImageList images(nullptr);
  images.SetSize(8, 8);
  TBitmap red;
  red.SetSize(8, 8);
  red.Canvas()->Brush()->SetColor(clRed);
  red.Canvas()->FillRect(Rect(0, 0, 8, 8));
  images.Add(&red, nullptr);
  MakePages(3);
  pages->SetImages(&images);
  pages->Pages(1)->SetCaption("");
  pages->Pages(1)->SetImageIndex(0);
  Redraw(pages.get());
  const TRect tab = pages->GetItemRect(1);
  const int x = tab.Left + tab.Width() / 2 - (8 + 4) / 2;
  const int y = tab.Top + tab.Height() / 2;
  EXPECT_EQ(Rgb(clRed), Pixel(pages.get(), x, y));
  EXPECT_EQ(Rgb(clRed), Pixel(pages.get(), x + 7, y));
  EXPECT_NE(Rgb(clRed), Pixel(pages.get(), x - 1, y));
  EXPECT_NE(Rgb(clRed), Pixel(pages.get(), x + 8, y));
  pages.reset();
}

TEST_F(TabPaint, ASeeThroughRowShowsTheParentsPixels) {
  skin = LoadTabSkin("tabs_transparent");
  form->SetColor(clTeal);
  MakePages(2);
  pages->SetSkinData(skin.get());
  Redraw(pages.get());
  const int x = pages->ClientWidth() - 10;  // right of the last tab, in the row
  // The row's background picture (44,36)-(64,48), tiled from the corner.
  EXPECT_EQ(PictureRgb(44 + x % 20, 36 + 2), Pixel(pages.get(), x, 2));
  pages->SetTabsBGTransparent(true);
  Redraw(pages.get());
  EXPECT_EQ(Rgb(clTeal), Pixel(pages.get(), x, 2));
}

TEST_F(TabPaint, ALookWithItsOwnBackgroundDrawsNoFrame) {
  skin = LoadTabSkin("tabs_bgpicture", {{"tab/bgpictureindex", "1"}});
  MakePages(0);
  pages->SetSkinData(skin.get());
  Redraw(pages.get());
  // Active picture 1 (32 x 32) tiled over the whole control, also where a frame would be.
  const COLORREF expected = Rgb(skintest::PictureColour(skintest::piActive1, 1, 1));
  EXPECT_EQ(expected, Pixel(pages.get(), 1, 1));
  EXPECT_EQ(expected, Pixel(pages.get(), 33, 33));
}

}  // namespace
}  // namespace tabstest
