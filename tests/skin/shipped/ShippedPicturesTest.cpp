#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ShippedFiles.h"
#include "ShippedLint.h"
#include "ShippedNames.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/graphics/Icon.h"
#include "classlib/graphics/JPEGImage.h"
#include "classlib/runtime/IniFiles.h"
#include "classlib/runtime/SysUtils.h"
#include "imaging/Imaging.h"
#include "imaging/Pngimage.h"

namespace {

using namespace shippedskin;

// The environment file's plain source (its places, colours and picture names).
class ShippedPictures : public testing::Test {
 protected:
  void SetUp() override {
    InitializeGraphics();
    imaging::InitializeImaging();
  }
  void TearDown() override { imaging::FinalizeImaging(); }

  AnsiString Env(const char* key) { return env_.ReadString("Environment", key, ""); }
  int EnvInt(const char* key) { return env_.ReadInteger("Environment", key, -1); }
  TRect EnvRect(const char* key) { return GetRect(Env(key)); }

  TMemIniFile env_{SHIPPED_SKIN_ENV_SOURCE};
};

TEST_F(ShippedPictures, TheProgramIconHoldsBothSizes) {
  std::string path = ShippedPath(Env("ApplicationIcon").str());
  TIcon icon;
  icon.LoadFromFile(path.c_str());
  EXPECT_GT(icon.Width(), 0);
  for (int size : {16, 32}) {
    HICON handle = static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
    ASSERT_NE(nullptr, handle) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(handle, &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(size, colour.bmWidth);
    EXPECT_EQ(32, colour.bmBitsPixel);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(handle);
  }
}

// Each cover text keeps 4.5:1 against every pixel of its place.
TEST_F(ShippedPictures, TheCoverKeepsItsTextsReadable) {
  TJPEGImage cover;
  cover.LoadFromFile(ShippedPath(Env("CoverFormBackgroundFile").str()).c_str());
  ASSERT_EQ(553, cover.Width());
  ASSERT_EQ(260, cover.Height());
  struct TText {
    const char* Key;
    int Width;
  } texts[] = {{"CoverVersionText", 177}, {"CoverCopyrightText", 544}, {"CoverLoadInfoText", 177}};
  TCanvas* canvas = cover.Bitmap()->Canvas();
  for (const TText& text : texts) {
    SCOPED_TRACE(text.Key);
    int x = EnvInt((std::string(text.Key) + "PosX").c_str());
    int y = EnvInt((std::string(text.Key) + "PosY").c_str());
    TColor colour = EnvInt((std::string(text.Key) + "Color").c_str());
    double worst = 100;
    for (int py = y; py < y + 13; ++py) {
      for (int px = x; px < std::min(x + text.Width, 553); ++px) worst = std::min(worst, Contrast(colour, canvas->Pixels(px, py)));
    }
    EXPECT_GE(worst, 4.5);
  }
}

TEST_F(ShippedPictures, PicturesHaveTheSizesTheirPlacesNeed) {
  TJPEGImage background;
  background.LoadFromFile(ShippedPath(Env("MainFormFileListBackgroundFile").str()).c_str());
  const TRect& list = MainAreas()[0].Bounds;
  EXPECT_EQ(list.Width(), background.Width());
  EXPECT_EQ(list.Height(), background.Height());

  TPNGObject strip;
  strip.LoadFromFile(ShippedPath(Env("OutputSettingsIconsBackgroundFile").str()).c_str());
  TRect place = EnvRect("IconsBackgroundRect");
  EXPECT_EQ(place.Width(), strip.Width());
  EXPECT_EQ(place.Height(), strip.Height());
  // Every category's icon rectangle lies on the strip.
  for (const char* word : {"AVI", "WMV", "REAL", "MP4", "MPEG", "MOV", "3GP", "FLV", "MP3", "WMA", "WAV", "OGG", "RA",
                           "AAC", "APE", "MPC", "FLAC"}) {
    TRect icon = EnvRect((std::string(word) + "IconRect").c_str());
    EXPECT_TRUE(icon.Left >= place.Left && icon.Right <= place.Right && icon.Top >= place.Top &&
                icon.Bottom <= place.Bottom)
        << word;
    TPNGObject small;
    small.LoadFromFile(ShippedPath(Env((std::string("MainForm") + word + "IconFile").c_str()).str()).c_str());
    EXPECT_EQ(EnvInt("MainFormProfileListIconWidth"), small.Width()) << word;
    EXPECT_EQ(EnvInt("MainFormProfileListIconHeight"), small.Height()) << word;
  }

  const struct {
    const char* File;
    int Width, Height;
  } bitmaps[] = {{"MainFace.bmp", 785, 521}, {"MainMask.bmp", 785, 521}, {"MainStates.bmp", 785, 3 * 521}};
  for (const auto& expected : bitmaps) {
    TBitmap bitmap;
    bitmap.LoadFromFile(ShippedPath(expected.File).c_str());
    EXPECT_EQ(expected.Width, bitmap.Width()) << expected.File;
    EXPECT_EQ(expected.Height, bitmap.Height()) << expected.File;
    EXPECT_EQ(pf24bit, bitmap.PixelFormat()) << expected.File;
  }
}

}  // namespace
