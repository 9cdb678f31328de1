// The PNG image list over real files: the imaging PNG fixtures and the 36 x 13 pictures
// of make_png_list_pictures.py (both written by CTest fixtures into the build tree).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormResource.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/Exceptions.h"
#include "imaging/Imaging.h"
#include "imaging/Pngheader.h"
#include "skin/data/Skindata.h"
#include "skin/data/Sppngimagelist.h"

namespace {

const char* const kFixtures = "png-fixtures/";
const char* const kPictures = "skin-png-list/";

// Opens the drawing entry to tests.
class TTestPngList : public TspPNGImageList {
 public:
  explicit TTestPngList(TComponent* owner) : TspPNGImageList(owner) {}
  using TspPNGImageList::DoDraw;
};

std::unique_ptr<TPNGObject> LoadPng(const std::string& path) {
  auto png = std::make_unique<TPNGObject>();
  png->LoadFromFile(path.c_str());
  return png;
}

// The PNG unit's blend of a sample over the target with alpha a.
int Blend(int a, int picture, int target) { return (a * picture + (255 - a) * target + 255) >> 8; }

// The samples of make_png_list_pictures.py.
int Red(int x) { return (7 * x) % 256; }
int Green(int y) { return (19 * y) % 256; }
int Blue(int x, int y) { return (5 * (x + y)) % 256; }

class PngImageList : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    imaging::InitializeImaging();
    InitializeControlClasses();
    InitializeSkinData();
  }
  static void TearDownTestSuite() { imaging::FinalizeImaging(); }

  PngImageList() {
    target_.SetPixelFormat(pf24bit);
    target_.SetSize(50, 20);
    target_.Canvas()->Brush()->SetColor(kBackground);
    target_.Canvas()->FillRect(TRect{0, 0, 50, 20});
  }

  void AddPicture(TspPNGImageList& list, const std::string& path) {
    auto* item = static_cast<TspPngImageItem*>(list.PngImages()->Add());
    item->SetPngImage(LoadPng(path).get());
  }

  TColor At(int x, int y) { return target_.Canvas()->Pixels(x, y); }

  // Expects the picture's pixels at (dx, dy) of the target as `expected(x, y)` gives them.
  template <class Expected>
  void ExpectDrawn(int dx, int dy, Expected expected) {
    for (int y = 0; y < 13; ++y) {
      for (int x = 0; x < 36; ++x) {
        const TColor c = At(dx + x, dy + y);
        const auto [r, g, b] = expected(x, y);
        ASSERT_EQ(RGB(r, g, b), static_cast<COLORREF>(c)) << "pixel " << x << "," << y;
      }
    }
  }

  static constexpr int kBackRed = 200, kBackGreen = 100, kBackBlue = 40;
  static constexpr TColor kBackground = static_cast<TColor>(RGB(kBackRed, kBackGreen, kBackBlue));
  TBitmap target_;
};

struct Rgb {
  int r, g, b;
};

TEST_F(PngImageList, ItemsAndImageEntriesStayOneToOne) {
  TspPNGImageList list(nullptr);
  EXPECT_EQ(16, list.PngWidth());
  EXPECT_EQ(16, list.PngHeight());
  for (int i = 0; i < 3; ++i) list.PngImages()->Add();
  EXPECT_EQ(3, list.Count());
  EXPECT_EQ(AnsiString("PngImage2"), list.PngImages()->GetItem(2)->Name);
  EXPECT_EQ(AnsiString("PngImage1"), list.PngImages()->GetItem(1)->GetDisplayName());
  list.PngImages()->Delete(1);
  EXPECT_EQ(2, list.Count());
  EXPECT_EQ(2, list.PngImages()->Count());
  list.PngImages()->Insert(0);
  EXPECT_EQ(3, list.Count());
  list.PngImages()->GetItem(0)->Name = "";
  EXPECT_EQ(AnsiString("TspPngImageItem"), list.PngImages()->GetItem(0)->GetDisplayName());
  list.PngImages()->Clear();
  EXPECT_EQ(0, list.Count());
}

TEST_F(PngImageList, DeletingAnItemPastTheImageCountLeavesTheImageListAlone) {
  TspPNGImageList list(nullptr);
  for (int i = 0; i < 3; ++i) list.PngImages()->Add();
  list.Delete(2);
  list.Delete(1);
  list.PngImages()->Delete(2);
  EXPECT_EQ(1, list.Count());
  list.PngImages()->Delete(0);
  EXPECT_EQ(0, list.Count());
  EXPECT_EQ(1, list.PngImages()->Count());
}

TEST_F(PngImageList, APlaceholderBeyondTheImageCountIsRefused) {
  TspPNGImageList list(nullptr);
  EXPECT_THROW(list.InsertBitMap(1), EInvalidOperation);
  list.InsertBitMap(0);
  EXPECT_EQ(1, list.Count());
}

TEST_F(PngImageList, ANewSizeEmptiesBothTheItemsAndTheImages_TheSameSizeNothing) {
  struct Case {
    const char* name;
    void (TspPNGImageList::*set)(int);
    int value;
    int itemsAfter;
  };
  const Case cases[] = {{"same width", &TspPNGImageList::SetPngWidth, 36, 2},
                        {"other width", &TspPNGImageList::SetPngWidth, 20, 0},
                        {"same height", &TspPNGImageList::SetPngHeight, 13, 2},
                        {"other height", &TspPNGImageList::SetPngHeight, 14, 0}};
  for (const Case& c : cases) {
    TspPNGImageList list(nullptr);
    list.SetPngWidth(36);
    list.SetPngHeight(13);
    AddPicture(list, std::string(kPictures) + "alpha.png");
    AddPicture(list, std::string(kPictures) + "opaque.png");
    (list.*c.set)(c.value);
    EXPECT_EQ(c.itemsAfter, list.PngImages()->Count()) << c.name;
    EXPECT_EQ(c.itemsAfter, list.Count()) << c.name;
  }
}

TEST_F(PngImageList, ItemsCopyTheirPictureAndName) {
  TspPNGImageList list(nullptr), other(nullptr);
  AddPicture(list, std::string(kPictures) + "alpha.png");
  list.PngImages()->GetItem(0)->Name = "first";
  other.SetPngImages(list.PngImages());
  ASSERT_EQ(1, other.Count());
  TspPngImageItem* copy = other.PngImages()->GetItem(0);
  EXPECT_EQ(AnsiString("first"), copy->Name);
  EXPECT_NE(copy->PngImage(), list.PngImages()->GetItem(0)->PngImage());
  EXPECT_EQ(36, copy->PngImage()->Width());
  EXPECT_EQ(list.PngImages()->GetItem(0)->PngImage()->GetPixels(5, 7), copy->PngImage()->GetPixels(5, 7));
}

TEST_F(PngImageList, AnAlphaPictureIsBlendedOverTheTarget) {
  TspPNGImageList list(nullptr);
  list.SetPngWidth(36);
  list.SetPngHeight(13);
  AddPicture(list, std::string(kPictures) + "alpha.png");
  list.Draw(target_.Canvas(), 3, 4, 0, true);
  ExpectDrawn(3, 4, [](int x, int y) {
    const int a = (7 * x + 13 * y) % 256;
    return Rgb{Blend(a, Red(x), kBackRed), Blend(a, Green(y), kBackGreen), Blend(a, Blue(x, y), kBackBlue)};
  });
}

TEST_F(PngImageList, ADisabledOpaquePictureIsBlendedAtHalfStrength) {
  TspPNGImageList list(nullptr);
  list.SetPngWidth(36);
  list.SetPngHeight(13);
  AddPicture(list, std::string(kPictures) + "opaque.png");
  const TColor before = list.PngImages()->GetItem(0)->PngImage()->GetPixels(4, 4);
  list.Draw(target_.Canvas(), 0, 0, 0, false);
  ExpectDrawn(0, 0, [](int x, int y) {
    return Rgb{Blend(128, Red(x), kBackRed), Blend(128, Green(y), kBackGreen), Blend(128, Blue(x, y), kBackBlue)};
  });
  EXPECT_EQ(before, list.PngImages()->GetItem(0)->PngImage()->GetPixels(4, 4));
  EXPECT_EQ(255, list.PngImages()->GetItem(0)->PngImage()->GetAlphaScanline(4)[4]);
}

TEST_F(PngImageList, AKeyedPictureLeavesItsKeyPixelsUntouchedEnabledAndDisabled) {
  for (bool enabled : {true, false}) {
    TspPNGImageList list(nullptr);
    list.SetPngWidth(36);
    list.SetPngHeight(13);
    AddPicture(list, std::string(kPictures) + "keyed.png");
    target_.Canvas()->FillRect(TRect{0, 0, 50, 20});
    list.Draw(target_.Canvas(), 2, 1, 0, enabled);
    ExpectDrawn(2, 1, [enabled](int x, int y) {
      if ((x + y) % 3 == 0) return Rgb{kBackRed, kBackGreen, kBackBlue};
      if (enabled) return Rgb{Red(x), Green(y), Blue(x, y)};
      return Rgb{Blend(128, Red(x), kBackRed), Blend(128, Green(y), kBackGreen), Blend(128, Blue(x, y), kBackBlue)};
    });
  }
}

TEST_F(PngImageList, AMissingIndexDrawsNothingAndRaisesNothing) {
  TTestPngList list(nullptr);
  AddPicture(list, std::string(kPictures) + "opaque.png");
  list.InsertBitMap(1);  // an image entry without a picture
  for (bool enabled : {true, false}) {
    EXPECT_NO_THROW(list.DoDraw(1, target_.Canvas(), 0, 0, 0, enabled));
    EXPECT_NO_THROW(list.DoDraw(-1, target_.Canvas(), 0, 0, 0, enabled));
    EXPECT_NO_THROW(list.Draw(target_.Canvas(), 0, 0, 7, enabled));
  }
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 50; ++x) ASSERT_EQ(kBackground, At(x, y)) << x << "," << y;
}

// Every colour type and kind of transparency: the faded copy keeps each pixel's colour
// and gives it the faded alpha, 0 for the transparent colour.
TEST_F(PngImageList, FadedCopiesOfEveryColourTypeKeepColoursAndFadeAlpha) {
  struct Picture {
    std::string path;
    bool hasKeyPixels;
  };
  std::vector<Picture> pictures;
  for (const char* name : {"c0_d8_33x7_plain", "c0_d1_3x3_plain", "c2_d8_33x7_plain", "c3_d8_33x7_plain",
                           "c3_d2_3x3_adam7", "c4_d8_33x7_plain", "c6_d8_33x7_plain", "c6_d16_3x3_plain", "trns_rgb8",
                           "trns_pal_partial"})
    pictures.push_back({std::string(kFixtures) + name + ".png", false});
  pictures.push_back({std::string(kFixtures) + "trns_pal_bit.png", true});
  pictures.push_back({std::string(kFixtures) + "trns_grey8.png", true});
  pictures.push_back({std::string(kPictures) + "keyed.png", true});
  for (const Picture& picture : pictures) {
    SCOPED_TRACE(picture.path);
    auto png = LoadPng(picture.path);
    const uint8_t type = png->GetHeader()->ColorType();
    const bool bit = png->GetTransparencyMode() == ptmBit;
    const TColor key = png->GetTransparentColor();
    auto faded = FadedPngCopy(png.get());
    ASSERT_EQ(faded->Width(), png->Width());
    ASSERT_EQ(faded->Height(), png->Height());
    EXPECT_EQ(type == 0 || type == 3 ? 6 : (type == 2 ? 6 : type), faded->GetHeader()->ColorType());
    int keyed = 0;
    for (int y = 0; y < png->Height(); ++y) {
      for (int x = 0; x < png->Width(); ++x) {
        const TColor colour = png->GetPixels(x, y);
        ASSERT_EQ(colour, faded->GetPixels(x, y)) << x << "," << y;
        int expected;
        if (bit && colour == key) expected = 0;
        else if (type == 0 || type == 3) expected = 127;
        else if (type == 2) expected = 128;
        else expected = static_cast<int>(std::nearbyint(png->GetAlphaScanline(y)[x] * 128 / 256.0));
        keyed += bit && colour == key;
        ASSERT_EQ(expected, faded->GetAlphaScanline(y)[x]) << x << "," << y;
      }
    }
    if (picture.hasKeyPixels) EXPECT_GT(keyed, 0);
  }
}

std::string Hex(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (unsigned char c : bytes.str()) {
    text += digits[c >> 4];
    text += digits[c & 15];
  }
  return text;
}

TEST_F(PngImageList, AListReadFromAFormResourceHasAnImageEntryPerItemAtItsSize) {
  std::string items;
  for (const char* name : {"alpha", "opaque", "keyed"}) {
    items += std::string("      item\n        PngImage.Data = {\n          ") + Hex(std::string(kPictures) + name + ".png") +
             "}\n        Name = '" + name + "'\n      end\n";
  }
  const std::string text = "object Holder: TComponent\n"
                           "  object Images: TspPNGImageList\n"
                           "    PngImages = <\n" + items.substr(0, items.size() - 1) + ">\n"
                           "    PngWidth = 36\n"
                           "    PngHeight = 13\n"
                           "  end\n"
                           "end\n";
  TComponent holder(nullptr);
  ReadFormText(&holder, TComponent::StaticClass(), text.c_str(), "Images.form");
  auto* list = dynamic_cast<TspPNGImageList*>(holder.FindComponent("Images"));
  ASSERT_NE(nullptr, list);
  EXPECT_EQ(36, list->PngWidth());
  EXPECT_EQ(13, list->PngHeight());
  ASSERT_EQ(3, list->PngImages()->Count());
  EXPECT_EQ(3, list->Count());
  EXPECT_EQ(AnsiString("keyed"), list->PngImages()->GetItem(2)->Name);
  EXPECT_EQ(13, list->PngImages()->GetItem(1)->PngImage()->Height());
  list->Draw(target_.Canvas(), 0, 0, 2, true);
  EXPECT_EQ(static_cast<COLORREF>(RGB(Red(1), Green(0), Blue(1, 0))), static_cast<COLORREF>(At(1, 0)));
  EXPECT_EQ(kBackground, At(0, 0));
}

}  // namespace
