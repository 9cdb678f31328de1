#include <gtest/gtest.h>

#include "bitmap_fixtures.h"
#include "classlib/formres/FormReader.h"
#include "classlib/formres/FormText.h"
#include "imaging/Bitmap32_Collections.h"

using namespace imaging;
using namespace bitmaptest;

namespace {

TEST(Bitmap32Collections, AssigningAnItemCopiesIntoItsOwnBitmap) {
  TBitmap32List list(nullptr);
  TBitmap32Item* first = list.Bitmaps()->Add();
  TBitmap32Item* second = list.Bitmaps()->Add();
  const auto source = Indexed(3, 2);
  source->SetMasterAlpha(77);
  first->SetBitmap(source.get());
  second->Assign(first);
  EXPECT_NE(second->Bitmap(), first->Bitmap());
  EXPECT_EQ(Pixels(*second->Bitmap()), Pixels(*source));
  EXPECT_EQ(second->Bitmap()->MasterAlpha(), 77u);
  first->Bitmap()->SetPixel(0, 0, 0);
  EXPECT_EQ(second->Bitmap()->GetPixel(0, 0), Index(0, 0));
  EXPECT_EQ(list.Bitmaps()->GetOwner(), &list);
}

TEST(Bitmap32Collections, WritingAnIndexedBitmapResizesIt) {
  TBitmap32List list(nullptr);
  list.Bitmaps()->Add();
  list.Bitmaps()->Add();
  const auto picture = Filled(5, 4, 0xFF123456);
  list.SetBitmap(1, picture.get());
  EXPECT_EQ(list.Bitmap(1)->Width(), 5);
  EXPECT_EQ(list.Bitmap(1)->Height(), 4);
  EXPECT_TRUE(list.Bitmap(0)->Empty());
  EXPECT_THROW(list.Bitmap(2), EListError);
}

TEST(Bitmap32Collections, FormTextReadsEveryItem) {
  const TFormObject text = ParseFormText(
      "object Holder: TComponent\n"
      "  Bitmaps = <\n"
      "    item\n"
      "      Bitmap.Data = {01000000010000000100FF80}\n"
      "    end\n"
      "    item\n"
      "      Bitmap.Data = {02000000010000000100FF80020000FF}\n"
      "    end>\n"
      "end\n",
      "List.form");
  TComponent root(nullptr);
  TFormReader reader(&root, TComponent::StaticClass(), "List.form");
  TBitmap32List list(nullptr);
  reader.ApplyProperties(&list, text.properties);
  ASSERT_EQ(list.Bitmaps()->Count(), 2);
  EXPECT_EQ(list.Bitmap(0)->Width(), 1);
  EXPECT_EQ(list.Bitmap(0)->GetPixel(0, 0), 0x80FF0001u);
  EXPECT_EQ(list.Bitmap(1)->Width(), 2);
  EXPECT_EQ(list.Bitmap(1)->GetPixel(1, 0), 0xFF000002u);
}

}  // namespace
