#include <gtest/gtest.h>

#include <memory>

#include "AppFixture.h"
#include "app/Coverfrm.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/FileUtils.h"
#include "engine/Quorinvccommon.h"
#include "window_support.h"

namespace {

using testsupport::CaptureWindow;
using testsupport::ShowForm;

constexpr TColor kVersionColour = static_cast<TColor>(0x0000FF);
constexpr TColor kCopyrightColour = static_cast<TColor>(0x00A000);
constexpr TColor kInfoColour = static_cast<TColor>(0xFF0000);

// How many pixels of the control's rectangle on the form show `colour`.
int PixelsOf(TCustomForm* form, TControl* control, TColor colour) {
  std::unique_ptr<TBitmap> shot = CaptureWindow(form->Handle(), control->BoundsRect());
  int count = 0;
  for (int y = 0; y < shot->Height(); ++y) {
    for (int x = 0; x < shot->Width(); ++x) count += shot->Canvas()->Pixels(x, y) == colour ? 1 : 0;
  }
  return count;
}

class Cover : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    EnvLoader.ApplicationVersion = "3.5.0";
    EnvLoader.ApplicationBuild = "20080101";
    EnvLoader.SkinPath = "CoverTestSkin\\";
    EnvLoader.CoverFormBackgroundFile = "cover.bmp";
    EnvLoader.CoverVersionTextPosX = 40;
    EnvLoader.CoverVersionTextPosY = 30;
    EnvLoader.CoverVersionTextColor = kVersionColour;
    EnvLoader.CoverCopyrightText = "Copyright (C) Test";
    EnvLoader.CoverCopyrightTextPosX = 12;
    EnvLoader.CoverCopyrightTextPosY = 220;
    EnvLoader.CoverCopyrightTextColor = kCopyrightColour;
    EnvLoader.CoverLoadInfoTextPosX = 300;
    EnvLoader.CoverLoadInfoTextPosY = 200;
    EnvLoader.CoverLoadInfoTextColor = kInfoColour;
    folder_ = ExecutableFolder() + EnvLoader.SkinPath;
  }
  void TearDown() override {
    DeleteFile(folder_ + "cover.bmp");
    RemoveDir(folder_);
    AppFixture::TearDown();
  }

  void WriteCoverPicture(TColor colour) {
    ForceDirectories(folder_);
    TBitmap picture;
    picture.SetSize(553, 260);
    picture.Canvas()->Brush()->SetColor(colour);
    picture.Canvas()->FillRect(Rect(0, 0, 553, 260));
    picture.SaveToFile(folder_ + "cover.bmp");
  }

  AnsiString folder_;
};

TEST_F(Cover, ShowsVersionCopyrightAndStatusAtTheEnvironmentsPlacesAndColours) {
  std::unique_ptr<TCoverForm> cover(ShowForm<TCoverForm>(Application));
  EXPECT_EQ(AnsiString("Version: 3.5.0(Build: 20080101)"), cover->lblVersion->Caption());
  EXPECT_EQ(AnsiString("Copyright (C) Test"), cover->lblCopyright->Caption());
  const struct {
    TLabel* label;
    int left, top;
    TColor colour;
  } labels[] = {{cover->lblVersion, 40, 30, kVersionColour},
                {cover->lblCopyright, 12, 220, kCopyrightColour},
                {cover->lblInfoText, 300, 200, kInfoColour}};
  for (const auto& l : labels) {
    EXPECT_EQ(l.left, l.label->Left()) << l.label->Name().c_str();
    EXPECT_EQ(l.top, l.label->Top()) << l.label->Name().c_str();
    EXPECT_EQ(l.colour, l.label->Font()->Color()) << l.label->Name().c_str();
  }
  EXPECT_GT(PixelsOf(cover.get(), cover->lblVersion, kVersionColour), 10) << "the version is drawn in its colour";
  EXPECT_GT(PixelsOf(cover.get(), cover->lblCopyright, kCopyrightColour), 10);
  EXPECT_EQ(177, cover->lblInfoText->Width());
  EXPECT_EQ(13, cover->lblInfoText->Height());
  EXPECT_EQ(553, cover->ClientWidth());
  EXPECT_EQ(260, cover->ClientHeight());
  EXPECT_EQ(bsNone, cover->BorderStyle());
  RECT bounds;
  GetWindowRect(cover->Handle(), &bounds);
  EXPECT_NEAR((GetSystemMetrics(SM_CXSCREEN) - 553) / 2, bounds.left, 1) << "centred on the desktop";
}

TEST_F(Cover, AStatusIsOnScreenAtOnceWithoutMessagesBeingServed) {
  std::unique_ptr<TCoverForm> cover(ShowForm<TCoverForm>(Application));
  EXPECT_EQ(0, PixelsOf(cover.get(), cover->lblInfoText, kInfoColour));
  cover->ShowStatus("Loading Profiles...");
  EXPECT_EQ(AnsiString("Loading Profiles..."), cover->lblInfoText->Caption());
  const int first = PixelsOf(cover.get(), cover->lblInfoText, kInfoColour);
  EXPECT_GT(first, 10);
  cover->ShowStatus("Starting...");
  const int second = PixelsOf(cover.get(), cover->lblInfoText, kInfoColour);
  EXPECT_GT(second, 10);
  EXPECT_LT(second, first) << "the shorter text replaced the longer one";
}

TEST_F(Cover, TakesItsPictureFromTheSkinFolderAndGoesWithoutOne) {
  {
    std::unique_ptr<TCoverForm> cover(ShowForm<TCoverForm>(Application));
    EXPECT_TRUE(cover->BackgroundImage->Picture()->Graphic() == nullptr ||
                cover->BackgroundImage->Picture()->Graphic()->Empty());
  }
  const TColor kPictureColour = static_cast<TColor>(0x336699);
  WriteCoverPicture(kPictureColour);
  std::unique_ptr<TCoverForm> cover(ShowForm<TCoverForm>(Application));
  EXPECT_EQ(553, cover->BackgroundImage->Width());
  EXPECT_EQ(static_cast<COLORREF>(kPictureColour), testsupport::ControlPixel(cover.get(), 5, 5));
  EXPECT_EQ(static_cast<COLORREF>(kPictureColour), testsupport::ControlPixel(cover.get(), 540, 120));
}

}  // namespace
