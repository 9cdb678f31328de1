// A skinned form on screen: the frame and client background in non-client mode, the
// face in client mode, the window region from the mask at several sizes.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "FormSkinFixtures.h"

using namespace formskin;

namespace {

class SkinFormPaint : public ::testing::Test {
 protected:
  // A dialog of the outer size, skinned from a skin written with `overrides`, shown.
  TspFormSkinner* ShowSkinned(int width, int height, const std::map<std::string, std::string>& overrides = {},
                              bool clientMode = false) {
    form_ = MakeForm(40, 40, width, height);
    skin_ = std::make_unique<TspSkinData>(nullptr);
    skin_->LoadFromFile(WriteFormSkin("formpaint", overrides).c_str());
    auto* skinner = new TspFormSkinner(form_.get());
    skinner->SetSupportNCArea(!clientMode);
    skinner->SetSkinData(skin_.get());
    form_->Show();
    testsupport::PumpMessages(150);
    return skinner;
  }

  void TearDown() override {
    form_.reset();
    other_.reset();
  }

  std::unique_ptr<TspSkinData> skin_;
  std::unique_ptr<TForm> form_;
  std::unique_ptr<TForm> other_;
};

TEST_F(SkinFormPaint, TheFrameKeepsTheCornersAndTheClientAreaIsTiledFromTheSkinsClientPart) {
  ShowSkinned(400, 300);
  EXPECT_EQ(form_->ClientWidth(), 380);
  EXPECT_EQ(form_->ClientHeight(), 260);
  struct Case {
    int x, y, pictureX, pictureY;
  };
  const Case frame[] = {{9, 9, 9, 9},          // top-left piece in place
                        {395, 20, 195, 20},    // top-right piece 200 px right
                        {5, 295, 5, 145},      // bottom-left piece 150 px down
                        {397, 297, 197, 147},  // bottom-right piece moved both ways
                        {3, 100, 3, 100}};     // left edge
  for (const Case& c : frame) {
    EXPECT_EQ(WindowPixel(form_.get(), c.x, c.y), PicturePixel(c.pictureX, c.pictureY)) << c.x << "," << c.y;
  }
  const Case client[] = {{0, 0, 10, 30}, {5, 7, 15, 37}, {180, 0, 10, 30}, {185, 115, 15, 35}};
  for (const Case& c : client) {
    EXPECT_EQ(testsupport::ControlPixel(form_.get(), c.x, c.y), PicturePixel(c.pictureX, c.pictureY)) << c.x << "," << c.y;
  }
}

TEST_F(SkinFormPaint, ANewCaptionLeavesTheSkinnedFrameInPlace) {
  ShowSkinned(400, 300);
  const std::unique_ptr<TBitmap> before = testsupport::CaptureWindow(form_->Handle(), TRect{0, 0, 400, 30});
  form_->SetCaption("A caption the platform would draw");
  testsupport::PumpMessages(50);
  const std::unique_ptr<TBitmap> after = testsupport::CaptureWindow(form_->Handle(), TRect{0, 0, 400, 30});
  for (int x = 0; x < 400; x += 7) {
    for (int y = 0; y < 30; y += 3) {
      ASSERT_EQ(after->Canvas()->Pixels(x, y), before->Canvas()->Pixels(x, y)) << x << "," << y;
    }
  }
  EXPECT_EQ(WindowPixel(form_.get(), 5, 20), PicturePixel(5, 20));
}

TEST_F(SkinFormPaint, AnInactiveFormShowsTheInactivePicture) {
  ShowSkinned(400, 300);
  other_ = MakeForm(600, 500, 200, 150);
  other_->Show();
  SetActiveWindow(other_->Handle());
  testsupport::PumpMessages(150);
  EXPECT_EQ(WindowPixel(form_.get(), 9, 9), PicturePixel(9, 9, kInactiveTag));
  EXPECT_EQ(testsupport::ControlPixel(form_.get(), 0, 0), PicturePixel(10, 30));
  SetActiveWindow(form_->Handle());
  testsupport::PumpMessages(150);
  EXPECT_EQ(WindowPixel(form_.get(), 9, 9), PicturePixel(9, 9));
}

TEST_F(SkinFormPaint, WithoutAnInactivePictureTheRenderedFrameTurnsGreyAndTheClientStaysUntouched) {
  ShowSkinned(400, 300,
              {{"PICTURES/inactivepicture", ""},
               {"FORMINFO/autorenderinginactiveimage", "1"},
               {"FORMINFO/inactiveeffect", "iegrayscale"}});
  other_ = MakeForm(600, 500, 200, 150);
  other_->Show();
  SetActiveWindow(other_->Handle());
  testsupport::PumpMessages(150);
  for (const POINT p : {POINT{9, 9}, POINT{395, 20}, POINT{5, 295}}) {
    const COLORREF c = WindowPixel(form_.get(), p.x, p.y);
    EXPECT_TRUE(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c)) << p.x << "," << p.y << ": " << c;
  }
  EXPECT_EQ(testsupport::ControlPixel(form_.get(), 5, 7), PicturePixel(15, 37));
}

TEST_F(SkinFormPaint, TheChosenBackgroundPictureIsTiledAndAMissingOneGivesTheButtonFace) {
  // Active picture 1 of the generated skin is 32 x 32.
  ShowSkinned(400, 300, {{"FORMINFO/bgpictureindex", "1"}});
  for (const POINT p : {POINT{1, 2}, POINT{33, 34}, POINT{97, 66}}) {
    EXPECT_EQ(testsupport::ControlPixel(form_.get(), p.x, p.y),
              static_cast<COLORREF>(skintest::PictureColour(skintest::piActive1, p.x % 32, p.y % 32)))
        << p.x << "," << p.y;
  }
  form_.reset();
  ShowSkinned(400, 300, {{"FORMINFO/bgpictureindex", "9"}});
  EXPECT_EQ(testsupport::ControlPixel(form_.get(), 100, 100), GetSysColor(COLOR_BTNFACE));
}

TEST_F(SkinFormPaint, TheRegionCutsTheMasksCornersAtEverySize) {
  struct Size {
    int width, height;
  };
  for (const Size size : {Size{400, 300}, Size{500, 300}, Size{640, 480}}) {
    ShowSkinned(size.width, size.height);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form_->Handle(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 2, 2)) << size.width;
    EXPECT_FALSE(PtInRegion(region, size.width - 3, 2)) << size.width;
    EXPECT_TRUE(PtInRegion(region, size.width - kCut - 2, 2)) << size.width;
    EXPECT_TRUE(PtInRegion(region, kCut + 1, 2)) << size.width;
    EXPECT_TRUE(PtInRegion(region, size.width / 2, size.height / 2)) << size.width;
    EXPECT_TRUE(PtInRegion(region, size.width - 1, size.height - 1)) << size.width;
    DeleteObject(region);
    EXPECT_NE(ScreenPixelOf(form_.get(), size.width - 3, 2), PicturePixel(kWidth - 3, 2)) << size.width;
    EXPECT_EQ(ScreenPixelOf(form_.get(), size.width - kCut - 2, 2), PicturePixel(kWidth - kCut - 2, 2)) << size.width;
    form_.reset();
  }
}

TEST_F(SkinFormPaint, ClientModeHasNoFrameAndFitsTheFaceToTheForm) {
  ShowSkinned(300, 200, {}, true);
  EXPECT_EQ(form_->ClientWidth(), 300);
  EXPECT_EQ(form_->ClientHeight(), 200);
  EXPECT_EQ(testsupport::ControlPixel(form_.get(), 9, 9), PicturePixel(9, 9));
  EXPECT_EQ(testsupport::ControlPixel(form_.get(), 296, 197), PicturePixel(196, 147));
}

TEST_F(SkinFormPaint, ClientModeWithoutCornerPointsPaintsThePictureUnscaled) {
  TspFormSkinner* skinner = ShowSkinned(300, 200,
                                        {{"FORMINFO/lefttoppoint", "0,0"},
                                         {"FORMINFO/righttoppoint", "0,0"},
                                         {"FORMINFO/leftbottompoint", "0,0"},
                                         {"FORMINFO/rightbottompoint", "0,0"}},
                                        true);
  EXPECT_FALSE(skinner->Sizeable);
  EXPECT_EQ(form_->ClientWidth(), kWidth);
  EXPECT_EQ(form_->ClientHeight(), kHeight);
  for (const POINT p : {POINT{20, 12}, POINT{150, 100}, POINT{198, 148}}) {
    EXPECT_EQ(testsupport::ControlPixel(form_.get(), p.x, p.y), PicturePixel(p.x, p.y)) << p.x << "," << p.y;
  }
}

// Counts the regions made, handed to windows and deleted through the component's calls.
struct RegionLedger {
  static inline std::set<HRGN> live;
  static inline std::set<HRGN> handedOver;
  static inline std::vector<HRGN> deletedAfterHandOver;

  static HRGN WINAPI CreateRect(int l, int t, int r, int b) { return Track(::CreateRectRgn(l, t, r, b)); }
  static HRGN WINAPI CreateFromData(const XFORM* x, DWORD n, const RGNDATA* d) { return Track(::ExtCreateRegion(x, n, d)); }
  static int WINAPI SetWindowRegion(HWND w, HRGN r, BOOL redraw) {
    const int result = ::SetWindowRgn(w, r, redraw);
    if (result != 0 && r != nullptr) {
      live.erase(r);
      handedOver.insert(r);
    }
    return result;
  }
  static BOOL WINAPI Delete(HGDIOBJ object) {
    auto* region = static_cast<HRGN>(object);
    if (handedOver.count(region) != 0) deletedAfterHandOver.push_back(region);
    live.erase(region);
    return ::DeleteObject(object);
  }
  static HRGN Track(HRGN r) {
    handedOver.erase(r);  // a new region may reuse a freed one's handle
    live.insert(r);
    return r;
  }
};

TEST_F(SkinFormPaint, NoHandedOverRegionIsDeletedAndRepeatedRebuildsLeakNone) {
  TspRegionCalls& calls = RegionCalls();
  const TspRegionCalls saved = calls;
  calls.CreateRectRgn = &RegionLedger::CreateRect;
  calls.ExtCreateRegion = &RegionLedger::CreateFromData;
  calls.SetWindowRgn = &RegionLedger::SetWindowRegion;
  calls.DeleteObject = &RegionLedger::Delete;
  TspFormSkinner* skinner = ShowSkinned(400, 300);
  for (int i = 0; i < 200; ++i) {
    if (i % 2 == 0) {
      skinner->ChangeSkinData();
    } else {
      form_->SetBounds(40, 40, 400 + i, 300 + i / 2);
    }
  }
  calls = saved;
  EXPECT_FALSE(RegionLedger::handedOver.empty());
  EXPECT_TRUE(RegionLedger::deletedAfterHandOver.empty());
  EXPECT_TRUE(RegionLedger::live.empty()) << RegionLedger::live.size() << " regions never freed";
}

}  // namespace
