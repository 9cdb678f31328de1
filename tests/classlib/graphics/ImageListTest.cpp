// Image lists over the system image lists.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "classlib/graphics/Graphics.h"

#include <shellapi.h>

namespace {

// A strip of `cells` 16 x 16 cells on a fuchsia key background, each with a square of
// its own colour.
std::unique_ptr<TBitmap> Strip(int cells) {
  auto strip = std::make_unique<TBitmap>();
  strip->SetSize(16 * cells, 16);
  strip->Canvas()->Brush()->SetColor(clFuchsia);
  strip->Canvas()->FillRect(Rect(0, 0, 16 * cells, 16));
  for (int i = 0; i < cells; ++i) {
    strip->Canvas()->Brush()->SetColor(RGB(40 * i, 30, 20));
    strip->Canvas()->FillRect(Rect(16 * i + 4, 4, 16 * i + 12, 12));
  }
  return strip;
}

std::unique_ptr<TBitmap> Surface() {
  auto surface = std::make_unique<TBitmap>();
  surface->SetSize(20, 20);
  surface->Canvas()->Brush()->SetColor(clWhite);
  surface->Canvas()->FillRect(Rect(0, 0, 20, 20));
  return surface;
}

TEST(ImageList, AddMaskedAddsOneImagePerCellAndKeysOutTheColour) {
  TImageList list(nullptr);
  auto strip = Strip(3);
  EXPECT_EQ(list.AddMasked(strip.get(), clFuchsia), 0);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(strip->Canvas()->Pixels(0, 0), clFuchsia);  // the caller's bitmap is untouched
  for (int i = 0; i < 3; ++i) {
    auto surface = Surface();
    list.Draw(surface->Canvas(), 0, 0, i);
    EXPECT_EQ(surface->Canvas()->Pixels(8, 8), static_cast<TColor>(RGB(40 * i, 30, 20))) << i;
    EXPECT_EQ(surface->Canvas()->Pixels(1, 1), clWhite) << i;
  }
}

TEST(ImageList, InsertPlacesImagesAndRefusesBadIndexes) {
  TImageList list(nullptr);
  auto strip = Strip(2);
  list.AddMasked(strip.get(), clFuchsia);
  auto single = std::make_unique<TBitmap>();
  single->SetSize(16, 16);
  single->Canvas()->Brush()->SetColor(clLime);
  single->Canvas()->FillRect(Rect(0, 0, 16, 16));
  list.Insert(1, single.get(), nullptr);
  ASSERT_EQ(list.Count(), 3);
  std::vector<TColor> centres;
  for (int i = 0; i < 3; ++i) {
    auto surface = Surface();
    list.Draw(surface->Canvas(), 0, 0, i);
    centres.push_back(surface->Canvas()->Pixels(8, 8));
  }
  EXPECT_EQ(centres, (std::vector<TColor>{static_cast<TColor>(RGB(0, 30, 20)), clLime,
                                          static_cast<TColor>(RGB(40, 30, 20))}));
  EXPECT_THROW(list.Insert(4, single.get(), nullptr), EInvalidOperation);
  EXPECT_THROW(list.Insert(-1, single.get(), nullptr), EInvalidOperation);
  EXPECT_THROW(list.Delete(3), EInvalidOperation);
  list.Insert(3, single.get(), nullptr);  // at the end
  EXPECT_EQ(list.Count(), 4);
}

TEST(ImageList, SizeChangeClearsTheImages) {
  TImageList list(nullptr);
  auto strip = Strip(2);
  list.AddMasked(strip.get(), clFuchsia);
  list.SetWidth(16);  // unchanged
  EXPECT_EQ(list.Count(), 2);
  list.SetWidth(24);
  EXPECT_EQ(list.Count(), 0);
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(list.Handle(), &width, &height);
  EXPECT_EQ(width, 24);
  EXPECT_EQ(height, 16);
}

TEST(ImageList, DisabledDrawingDiffersFromEnabled) {
  TImageList list(nullptr);
  auto strip = Strip(1);
  list.AddMasked(strip.get(), clFuchsia);
  auto enabled = Surface();
  auto disabled = Surface();
  list.Draw(enabled->Canvas(), 0, 0, 0, true);
  list.Draw(disabled->Canvas(), 0, 0, 0, false);
  EXPECT_NE(enabled->Canvas()->Pixels(8, 8), disabled->Canvas()->Pixels(8, 8));
  EXPECT_EQ(disabled->Canvas()->Pixels(8, 8), ColorToRGB(clBtnShadow));
  EXPECT_EQ(disabled->Canvas()->Pixels(1, 1), clWhite);  // transparent parts stay transparent
}

// A list that draws its own pictures: a fixed colour square.
class TPaintedList : public TCustomImageList {
 public:
  TPaintedList() : TCustomImageList(nullptr) {}
  int drawn = 0;

 protected:
  void DoDraw(int index, TCanvas* canvas, int x, int y, UINT, bool enabled) override {
    ++drawn;
    canvas->Brush()->SetColor(enabled ? clNavy : clGray);
    canvas->FillRect(Bounds(x, y, Width(), Height()));
    (void)index;
  }
};

TEST(ImageList, DrawGoesThroughTheVirtualDoDraw) {
  TPaintedList list;
  auto placeholder = std::make_unique<TBitmap>();
  placeholder->SetMonochrome(true);
  placeholder->SetSize(16, 16);
  list.Add(placeholder.get(), nullptr);
  auto surface = Surface();
  list.Draw(surface->Canvas(), 2, 2, 0, false);
  list.Draw(surface->Canvas(), 2, 2, 5);  // outside the list: nothing
  EXPECT_EQ(list.drawn, 1);
  EXPECT_EQ(surface->Canvas()->Pixels(5, 5), clGray);
}

TEST(ImageList, SharedSystemListOutlivesTheImageList) {
  // The shell's image list of small file icons belongs to the system.
  SHFILEINFOA info{};
  auto shared = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  ASSERT_NE(shared, nullptr);
  int count = ImageList_GetImageCount(shared);
  ASSERT_GT(count, 0);
  {
    TImageList list(nullptr);
    list.SetShareImages(true);
    list.SetHandle(shared);
    EXPECT_EQ(list.Count(), count);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(shared, &width, &height);
    EXPECT_EQ(list.Width(), width);
  }
  EXPECT_EQ(ImageList_GetImageCount(shared), count);
  auto surface = Surface();
  EXPECT_TRUE(ImageList_Draw(shared, 0, surface->Canvas()->Handle(), 0, 0, ILD_NORMAL));
}

TEST(ImageList, DataForFormResourcesRoundTrips) {
  TImageList list(nullptr);
  auto strip = Strip(3);
  list.AddMasked(strip.get(), clFuchsia);
  TMemoryStream stream;
  list.WriteData(&stream);
  stream.SetPosition(0);
  TImageList copy(nullptr);
  copy.ReadData(&stream);
  ASSERT_EQ(copy.Count(), 3);
  auto surface = Surface();
  copy.Draw(surface->Canvas(), 0, 0, 2);
  EXPECT_EQ(surface->Canvas()->Pixels(8, 8), static_cast<TColor>(RGB(80, 30, 20)));
  EXPECT_EQ(surface->Canvas()->Pixels(1, 1), clWhite);
}

TEST(ImageList, GetBitmapAndGetIconCopyAnImage) {
  TImageList list(nullptr);
  auto strip = Strip(2);
  list.AddMasked(strip.get(), clFuchsia);
  TBitmap image;
  list.GetBitmap(1, &image);
  EXPECT_EQ(image.Width(), 16);
  EXPECT_EQ(image.Canvas()->Pixels(8, 8), static_cast<TColor>(RGB(40, 30, 20)));
  TIcon icon;
  list.GetIcon(0, &icon);
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_THROW(list.GetIcon(2, &icon), EInvalidOperation);
}

}  // namespace
