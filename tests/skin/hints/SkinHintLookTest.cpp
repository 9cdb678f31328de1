// The hint window's skinned face, region and translucency, and hints with a title and an
// image, with real windows.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "TestSkin.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/windowing/Forms.h"
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinhint.h"
#include "skin/data/Sputils_Compose.h"
#include "RegionData.h"
#include "skin/data/Sputils_Regions.h"
#include "skin/data/Sputils_System.h"
#include "tests/support/import_hook.h"
#include "tests/support/window_support.h"

using namespace testsupport;

namespace {

// The look: the 120 x 90 form picture cut at 10 px corners, the client 12..108 x 12..78.
const TPoint kLT{10, 10}, kRT{110, 10}, kLB{10, 80}, kRB{110, 80};
const TRect kClient{12, 12, 108, 78};

std::map<std::string, std::string> HintLook(bool masked) {
  return {{"PICTURES/activepicturescount", "5"},      {"PICTURES/3", "form.bmp"},
          {"PICTURES/4", "mask.bmp"},                 {"HINTWINDOW/windowpictureindex", "3"},
          {"HINTWINDOW/maskpictureindex", masked ? "4" : "-1"},
          {"HINTWINDOW/lefttoppoint", "10,10"},       {"HINTWINDOW/righttoppoint", "110,10"},
          {"HINTWINDOW/leftbottompoint", "10,80"},    {"HINTWINDOW/rightbottompoint", "110,80"},
          {"HINTWINDOW/clientrect", "12,12,108,78"},  {"HINTWINDOW/fontname", "Arial"},
          {"HINTWINDOW/fontheight", "14"},            {"HINTWINDOW/fontstyle", ""},
          {"HINTWINDOW/fontcolor", "0"},              {"HINTWINDOW/leftstretch", "0"},
          {"HINTWINDOW/rightstretch", "0"},           {"HINTWINDOW/topstretch", "0"},
          {"HINTWINDOW/bottomstretch", "0"},          {"HINTWINDOW/stretcheffect", "0"},
          {"HINTWINDOW/stretchtype", "stfull"}};
}

// The look's corner points and client rectangle moved to W x H.
struct TMovedLook {
  TPoint lt, rt, lb, rb;
  TRect client;
};
TMovedLook MovedTo(int w, int h) {
  const int dw = w - 120, dh = h - 90;
  return {kLT, Point(kRT.X + dw, kRT.Y), Point(kLB.X, kLB.Y + dh), Point(kRB.X + dw, kRB.Y + dh),
          Rect(kClient.Left, kClient.Top, kClient.Right + dw, kClient.Bottom + dh)};
}

// Pixels that are nearly black (text ink) inside `r` of `bitmap`.
int InkIn(TBitmap& bitmap, const TRect& r) {
  int ink = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      const COLORREF c = GetPixel(bitmap.Canvas()->Handle(), x, y);
      if (GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80) ++ink;
    }
  return ink;
}

class TMainTestForm : public TForm {
 public:
  explicit TMainTestForm(TComponent* owner) : TForm(owner, CreateNew) {}
};

class SkinHintLook : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeGraphics();
    if (Application->MainForm() == nullptr) {
      TMainTestForm* form = nullptr;
      Application->CreateForm(form);
    }
  }
  void SetUp() override { hint.reset(new TspSkinHint(Application->MainForm())); }
  void LoadSkin(bool masked) {
    skin = std::make_unique<TspSkinData>(nullptr);
    skin->LoadFromFile(skintest::WriteTestSkin(masked ? "hint-masked" : "hint-plain", HintLook(masked)).c_str());
    ASSERT_FALSE(skin->Empty);
    hint->SetSkinData(skin.get());
  }
  TspSkinHintWindow* Window() const {
    for (int i = 0; i < hint->ComponentCount(); ++i)
      if (auto* window = dynamic_cast<TspSkinHintWindow*>(hint->Components(i))) return window;
    return nullptr;
  }
  void Show(const AnsiString& text, const TPoint& at = Point(120, 100)) {
    hint->ActivateHint(at, text);
    ServeApplication(20);
  }

  std::unique_ptr<TspSkinData> skin;
  std::unique_ptr<TspSkinHint> hint;
};

TEST_F(SkinHintLook, TheFaceIsTheNinePartCompositionForTheWindowSize) {
  LoadSkin(false);
  Show("a skinned hint@two lines");
  TspSkinHintWindow* window = Window();
  ASSERT_EQ(window->SkinDataInUse(), skin.get());
  const int w = window->Width(), h = window->Height();
  const TMovedLook m = MovedTo(w, h);
  TBitmap expected;
  expected.SetPixelFormat(pf24bit);
  CreateSkinImageBS(kLT, kRT, kLB, kRB, kClient, m.lt, m.rt, m.lb, m.rb, m.client, &expected,
                    skin->ActivePictures[3].get(), Rect(0, 0, 120, 90), w, h, true, false, false, false, false,
                    false, spstFull);
  std::unique_ptr<TBitmap> shown = CaptureWindow(window->Handle());
  int differing = 0, compared = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (PtInRect(m.client.AsRECT(), POINT{x, y})) continue;  // the text's part
      ++compared;
      if (GetPixel(shown->Canvas()->Handle(), x, y) != GetPixel(expected.Canvas()->Handle(), x, y)) ++differing;
    }
  EXPECT_GT(compared, 2 * (w + h));
  EXPECT_EQ(differing, 0);
  // The client part is the picture's too, under dark text.
  EXPECT_GT(InkIn(*shown, m.client), 0);
}

TEST_F(SkinHintLook, AnEmptySkinOrOneWithoutPictureGivesTheDefaultLook) {
  TspSkinData empty(nullptr);
  hint->SetSkinData(&empty);
  Show("plain");
  EXPECT_EQ(Window()->SkinDataInUse(), nullptr);
  EXPECT_EQ(ColorToRGB(clBtnShadow), GetPixel(CaptureWindow(Window()->Handle())->Canvas()->Handle(), 0, 0));
  LoadSkin(false);
  skin->HintWindow->WindowPictureIndex = 17;
  Show("plain");
  EXPECT_EQ(Window()->SkinDataInUse(), nullptr);
}

// A region handed to the window belongs to it: deleting it afterwards would free the next
// region made in its place. Every activation must leave the mask's region at the window's
// size in force, and no region the window gave up may live on.
TEST_F(SkinHintLook, MaskedHintsKeepTheirRegionAndLeakNone) {
  LoadSkin(true);
  TRegionHandOverWatch watch;
  std::vector<HRGN> handed;
  for (int i = 0; i < 500; ++i) {
    hint->ActivateHint(Point(100, 100), AnsiString(std::string(1 + i % 9, 'w').c_str()));
    TspSkinHintWindow* window = Window();
    ASSERT_NE(window->Region(), nullptr);
    handed.push_back(window->Region());
    const int w = window->Width(), h = window->Height();
    const TMovedLook m = MovedTo(w, h);
    HRGN expected = nullptr;
    CreateSkinRegion(expected, kLT, kRT, kLB, kRB, kClient, m.lt, m.rt, m.lb, m.rb, m.client,
                     skin->ActivePictures[4].get(), w, h);
    ASSERT_EQ(skintest::RegionData(expected), skintest::WindowRegionData(window->Handle())) << "activation " << i;
    DeleteObject(expected);
    if (i % 100 == 0) ServeApplication(0);
  }
  hint->HideHint();
  const HRGN current = Window()->Region();
  std::set<HRGN> released(handed.begin(), handed.end());
  released.erase(current);
  for (HRGN region : released) EXPECT_EQ(0u, GetObjectType(region)) << region;
  EXPECT_GE(watch.HandedCount(), 500u);
  EXPECT_TRUE(watch.DeletedAfterHandOver().empty()) << watch.DeletedAfterHandOver().size() << " deleted";
  // A look without a mask takes the region away.
  skin->HintWindow->MaskPictureIndex = -1;
  Show("square");
  EXPECT_EQ(Window()->Region(), nullptr);
  EXPECT_TRUE(skintest::WindowRegionData(Window()->Handle()).empty());
}

TEST_F(SkinHintLook, LayeredOpacityFollowsTheSettings) {
  ASSERT_TRUE(hint->AlphaBlendSupport());
  struct Case {
    bool alphaBlend;
    int value;
  };
  for (const Case& c : {Case{true, 120}, Case{true, 60}, Case{false, 60}, Case{true, 200}}) {
    hint->AlphaBlend = c.alphaBlend;
    hint->SetAlphaBlendValue(c.value);
    Show("layered");
    HWND window = Window()->Handle();
    const bool layered = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    EXPECT_EQ(layered, c.alphaBlend) << c.value;
    if (!layered) continue;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, c.value);
    EXPECT_TRUE(flags & LWA_ALPHA);
  }
  hint->AlphaBlendAnimation = true;
  hint->SetAlphaBlendValue(90);
  Show("faded in");
  BYTE alpha = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Window()->Handle(), nullptr, &alpha, nullptr));
  EXPECT_EQ(alpha, 90);
}

// Posed as a system without layered windows, the hint mixes its face with the screen it
// covers, taken before it showed.
TEST_F(SkinHintLook, WithoutLayeredWindowsTheFaceIsBlendedWithTheScreen) {
  TspSystemEntries old = PlatformSystemEntries();
  old.Version = 0x0A04;  // 4.10
  TspSystemEntriesScope scope(old);
  hint->SetAlphaBlendSupport(true);
  EXPECT_FALSE(hint->AlphaBlendSupport());
  std::unique_ptr<TForm> under(ShowTestForm(300, 200));
  under->SetColor(clRed);
  under->Repaint();
  ServeApplication(50);
  RECT area{};
  GetWindowRect(under->Handle(), &area);
  const TPoint at = Point(area.left + 40, area.top + 60);

  hint->AlphaBlend = false;
  Show("blended", at);
  std::unique_ptr<TBitmap> opaque = CaptureWindow(Window()->Handle());
  hint->HideHint();
  ServeApplication(50);

  hint->AlphaBlend = true;
  hint->SetAlphaBlendValue(0);
  Show("blended", at);
  TspSkinHintWindow* window = Window();
  EXPECT_EQ((GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED), 0);
  ASSERT_EQ(window->ScreenCapture()->Width(), window->Width());
  std::unique_ptr<TBitmap> shown = CaptureWindow(window->Handle());
  HDC screenDc = window->ScreenCapture()->Canvas()->Handle();
  int differing = 0, fromFace = 0;
  for (int y = 0; y < window->Height(); y += 3)
    for (int x = 0; x < window->Width(); x += 3) {
      const COLORREF pixel = GetPixel(shown->Canvas()->Handle(), x, y);
      if (pixel != GetPixel(screenDc, x, y)) ++differing;
      if (pixel != GetPixel(opaque->Canvas()->Handle(), x, y)) ++fromFace;
    }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(fromFace, 0);
}

class SkinHintExtras : public SkinHintLook {
 protected:
  void SetUp() override {
    SkinHintLook::SetUp();
    images = std::make_unique<TImageList>(nullptr);
    images->SetSize(16, 16);
    TBitmap red;
    red.SetPixelFormat(pf24bit);
    red.SetSize(16, 16);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(Rect(0, 0, 16, 16));
    images->Add(&red, nullptr);
  }
  void TearDown() override { hint.reset(); }
  SIZE ShownSize() const { return SIZE{Window()->Width(), Window()->Height()}; }

  std::unique_ptr<TImageList> images;
};

TEST_F(SkinHintExtras, ATitleIsABoldLineAboveTheText) {
  hint->DefaultFont()->SetName("Arial");
  hint->DefaultFont()->SetHeight(20);
  Show("Title");
  const SIZE plain = ShownSize();
  const int lineHeight = plain.cy - 4;
  hint->ActivateHintEx(Point(120, 100), "Title", "Title", -1, nullptr);
  ServeApplication(20);
  const SIZE titled = ShownSize();
  EXPECT_EQ(titled.cy, plain.cy + lineHeight + 10);
  EXPECT_GE(titled.cx, plain.cx);
  std::unique_ptr<TBitmap> shown = CaptureWindow(Window()->Handle());
  const int titleInk = InkIn(*shown, Rect(2, 2, titled.cx - 2, 2 + lineHeight));
  const int textInk = InkIn(*shown, Rect(2, 2 + lineHeight + 5, titled.cx - 2, titled.cy - 2));
  EXPECT_GT(textInk, 0);
  EXPECT_GT(titleInk, textInk);  // the same word, in bold
}

TEST_F(SkinHintExtras, AHintedSkinnedControlBringsItsTitleAndImage) {
  Show("text");
  const SIZE plain = ShownSize();
  hint->HideHint();
  std::unique_ptr<TForm> form(ShowTestForm(200, 100));
  auto* control = new TspSkinControl(form.get());
  control->SetHintImageList(images.get());
  control->SetHintImageIndex(0);
  AnsiString text = "text";
  bool canShow = true;
  THintInfo info;
  info.HintControl = control;
  Application->OnShowHint(text, canShow, info);
  EXPECT_EQ(hint->HintImageList(), images.get());

  auto* window = new TspSkinHintWindow(form.get());
  window->ActivateHint(Bounds(150, 120, 0, 0), text);
  ServeApplication(20);
  EXPECT_EQ(window->Width(), plain.cx + 16 + 10);
  EXPECT_EQ(window->Height(), std::max<int>(plain.cy, 16 + 5 + 4));
  std::unique_ptr<TBitmap> shown = CaptureWindow(window->Handle());
  const int imageTop = 2 + (window->Height() - 4 - 16) / 2;
  EXPECT_EQ(RGB(255, 0, 0), GetPixel(shown->Canvas()->Handle(), 2 + 8, imageTop + 8));
  // The text starts right of the image.
  EXPECT_EQ(InkIn(*shown, Rect(2, 2, 2 + 16 + 7, window->Height() - 2)), 0);
  EXPECT_GT(InkIn(*shown, Rect(2 + 16 + 7, 2, window->Width() - 2, window->Height() - 2)), 0);
  window->ReleaseHandle();
}

TEST_F(SkinHintExtras, AnImageIndexOutsideTheListTakesNoRoom) {
  Show("text");
  const SIZE plain = ShownSize();
  hint->ActivateHintEx(Point(120, 100), "", "text", 5, images.get());
  ServeApplication(20);
  EXPECT_EQ(ShownSize().cx, plain.cx);
  EXPECT_EQ(ShownSize().cy, plain.cy);
}

}  // namespace
