// What the popup windows show: the default look, the skin's faces, and the sizes of
// scrolling windows.
#include "MenuFixture.h"
#include "TestSkin.h"
#include "skin/data/Sputils_System.h"

namespace menutest {
namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kLitFill = RGB(182, 189, 210);

COLORREF Pixel(TspSkinPopupWindow* window, int x, int y) { return testsupport::ControlPixel(window, x, y); }

// How many pixels of `colour` lie in the rectangle of the window.
int CountPixels(TspSkinPopupWindow* window, const TRect& r, COLORREF colour) {
  std::unique_ptr<TBitmap> picture = testsupport::CaptureWindow(window->Handle(), r);
  int count = 0;
  for (int y = 0; y < r.Height(); ++y) {
    for (int x = 0; x < r.Width(); ++x) {
      if (ColorToRGB(picture->Canvas()->Pixels(x, y)) == static_cast<TColor>(colour)) ++count;
    }
  }
  return count;
}

class DefaultLook : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    TMenuItem* root = popup_->Items();
    AddItem(root, "Checked")->SetChecked(true);
    TMenuItem* radio = AddItem(root, "Radio");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    TMenuItem* picture = AddItem(root, "Picture");
    picture->Bitmap()->SetSize(12, 12);
    picture->Bitmap()->Canvas()->Brush()->SetColor(clRed);
    picture->Bitmap()->Canvas()->FillRect(Rect(0, 0, 12, 12));
    picture->SetChecked(true);
    AddItem(root, "Close")->SetName("DSF_CLOSE");
    AddItem(root, "-Word-", false);
    OpenAt(100, 100);
  }

  // The item's inner rectangle (2 pixels inside) and its middle row.
  TRect Inner(const char* caption) const {
    const TRect r = FindItem(Window(0), caption)->ItemRect;
    return Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
  }
  int Middle(const char* caption) const {
    const TRect inner = Inner(caption);
    return inner.Top + inner.Height() / 2;
  }
  COLORREF Text() const { return GetSysColor(COLOR_WINDOWTEXT); }
};

TEST_F(DefaultLook, TheLitItemHasANavyFrameAndABlueGreyFill) {
  const TRect r = FindItem(Window(0), "Open")->ItemRect;
  EXPECT_EQ(20, r.Height());
  EXPECT_EQ(kNavy, Pixel(Window(0), r.Left, r.Top));
  EXPECT_EQ(kNavy, Pixel(Window(0), r.Right - 1, r.Bottom - 1));
  EXPECT_EQ(kLitFill, Pixel(Window(0), r.Left + 1, r.Top + 1));
  const TRect last = FindItem(Window(0), "Last")->ItemRect;
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), Pixel(Window(0), last.Left, last.Top));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), Pixel(Window(0), last.Right - 1, last.Top));
}

TEST_F(DefaultLook, ALineIsFourPixelsHighWithAShadowLineRightOfTheStrip) {
  const TRect r = FindItem(Window(0), "-")->ItemRect;
  EXPECT_EQ(4, r.Height());
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), Pixel(Window(0), r.Left + 19, r.Top + 2));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), Pixel(Window(0), r.Right - 1, r.Top + 2));
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), Pixel(Window(0), r.Left + 18, r.Top + 2));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), Pixel(Window(0), r.Left + 19, r.Top + 1));
}

TEST_F(DefaultLook, CheckMarksRadioDotsFramedImagesAndSystemGlyphs) {
  // The check mark's long stroke passes (x + 6, middle - 1); the radio dot covers
  // (x + 3, middle); the image of a checked item gets a frame 1 pixel around it.
  const int x = Inner("Checked").Left + 3;
  EXPECT_EQ(Text(), Pixel(Window(0), x + 6, Middle("Checked") - 1));
  EXPECT_NE(Text(), Pixel(Window(0), x + 6, Middle("Radio") - 1));
  EXPECT_EQ(Text(), Pixel(Window(0), x + 3, Middle("Radio")));
  EXPECT_NE(Text(), Pixel(Window(0), x + 6, Middle("Last") - 1));
  const int imageLeft = Inner("Picture").Left + 2;
  const int imageTop = Middle("Picture") - 6;
  EXPECT_EQ(Text(), Pixel(Window(0), imageLeft - 1, imageTop - 1));
  EXPECT_EQ(Text(), Pixel(Window(0), imageLeft + 12, imageTop + 12));
  EXPECT_EQ(RGB(255, 0, 0), Pixel(Window(0), imageLeft + 6, imageTop + 6));
  const TRect glyph = Rect(Inner("Close").Left + 2, Middle("Close") - 4, Inner("Close").Left + 14, Middle("Close") + 7);
  EXPECT_GT(CountPixels(Window(0), glyph, Text()), 5);
  const TRect plain = Rect(Inner("Last").Left + 2, Middle("Last") - 4, Inner("Last").Left + 14, Middle("Last") + 7);
  EXPECT_EQ(0, CountPixels(Window(0), plain, Text()));
}

TEST_F(DefaultLook, ADisabledWordBetweenDashesIsAnOrdinaryDisabledItem) {
  TspSkinMenuItem* item = FindItem(Window(0), "-Word-");
  EXPECT_EQ(TspMenuItemKind::Plain, item->Kind());
  EXPECT_EQ(20, item->ItemRect.Height());
  EXPECT_GT(CountPixels(Window(0), item->ItemRect, GetSysColor(COLOR_BTNSHADOW)), 10);
}

class SkinnedLook : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    LoadMenuSkin(&skin_, "skin-menu-look",
                 {{"label/pictureindex", "2"}, {"label/skinrect", "0,0,16,20"}, {"label/lefttoppoint", "4,0"},
                  {"label/righttoppoint", "12,0"}, {"label/clientrect", "0,0,16,20"}, {"label/stretcheffect", "0"}});
    host_->SetSkinData(&skin_);
    AddItem(popup_->Items(), "-Word-", false);
    OpenAt(100, 100);
  }
  TspSkinData skin_{nullptr};
};

TEST_F(SkinnedLook, ItemsAndTheWindowShowTheSkinsFaces) {
  using skintest::PictureColour;
  TspSkinPopupWindow* window = Window(0);
  ASSERT_NE(nullptr, window->Look());
  const TRect lit = FindItem(window, "Open")->ItemRect;
  const TRect normal = FindItem(window, "Last")->ItemRect;
  struct Probe {
    const char* what;
    int x, y;
    TColor expected;
  } probes[] = {
      {"lit left end", lit.Left + 1, lit.Top + 1, PictureColour(skintest::piActive1, 1, 17)},
      {"lit right end", lit.Right - 2, lit.Top + 14, PictureColour(skintest::piActive1, 30, 30)},
      {"normal left end", normal.Left + 1, normal.Top + 1, PictureColour(skintest::piActive1, 1, 1)},
      {"normal right end", normal.Right - 2, normal.Top + 14, PictureColour(skintest::piActive1, 30, 14)},
      {"window corner", 1, 1, PictureColour(skintest::piActive0, 1, 1)},
      {"window far corner", window->Width() - 2, window->Height() - 2, PictureColour(skintest::piActive0, 62, 46)},
  };
  for (const Probe& p : probes) {
    EXPECT_EQ(static_cast<COLORREF>(p.expected), Pixel(window, p.x, p.y)) << p.what;
  }
  EXPECT_EQ(16, lit.Height());
  EXPECT_EQ(4, FindItem(window, "-")->ItemRect.Height());
}

TEST_F(SkinnedLook, ADisabledWordBetweenDashesIsAHeaderOnTheLabelLook) {
  TspSkinMenuItem* header = FindItem(Window(0), "-Word-");
  EXPECT_EQ(TspMenuItemKind::Header, header->Kind());
  const TRect r = header->ItemRect;
  // The 20-pixel label face is centred on the 16-pixel item: its row 2 is the item's top.
  EXPECT_EQ(static_cast<COLORREF>(skintest::PictureColour(skintest::piActive2, 1, 3)),
            Pixel(Window(0), r.Left + 1, r.Top + 1));
}

struct ScrollCase {
  const char* name;
  bool skinned;
  int height;  // items x 5 + margins + the two 10-pixel marker strips
};

class ScrollingWindow : public MenuTest, public testing::WithParamInterface<ScrollCase> {
 protected:
  TspSkinData skin_{nullptr};
};

TEST_P(ScrollingWindow, FiveOfEightItemsGiveMarkersAndTheirHeight) {
  if (GetParam().skinned) {
    LoadMenuSkin(&skin_, "skin-menu-scroll");
    host_->SetSkinData(&skin_);
  }
  for (const char* caption : {"Six", "Seven", "Eight"}) AddItem(popup_->Items(), caption);
  Menu()->SetMaxMenuItemsInWindow(5);
  Menu()->SetMaxMenuItemsInWindow(-1);  // ignored
  OpenAt(100, 100);
  TspSkinPopupWindow* window = Window(0);
  EXPECT_EQ(GetParam().height, window->Height());
  EXPECT_TRUE(window->Scrollable());
  EXPECT_EQ(100, window->ScreenPosition().Y);
  EXPECT_TRUE(window->CanScroll(2));
  EXPECT_FALSE(window->CanScroll(1));
  const int strip = window->ItemArea().Bottom - TspSkinPopupWindow::kMarkerHeight;
  for (int i = window->TopIndex(); i < window->TopIndex() + window->VisibleCount(); ++i) {
    EXPECT_LE(window->Items(i)->ItemRect.Bottom, strip);
  }
  // Up from the first item wraps to the last, scrolling it into view.
  Key(VK_UP);
  EXPECT_EQ("Eight", ActiveCaption());
  EXPECT_TRUE(window->Items(window->ActiveIndex())->Visible);
  EXPECT_FALSE(window->CanScroll(2));
  Key(VK_DOWN);
  EXPECT_EQ("Open", ActiveCaption());
  EXPECT_EQ(0, window->TopIndex());
}

INSTANTIATE_TEST_SUITE_P(Looks, ScrollingWindow,
                         testing::Values(ScrollCase{"Default", false, 20 * 5 + 6 + 20},
                                         ScrollCase{"Skinned", true, 16 * 5 + 8 + 20}),
                         [](const testing::TestParamInfo<ScrollCase>& info) { return info.param.name; });

TEST_F(MenuTest, AMenuTallerThanTheWorkAreaTakesItsHeightAndTop) {
  for (int i = 0; i < 80; ++i) AddItem(popup_->Items(), ("Item " + std::to_string(i)).c_str());
  OpenAt(100, 100);
  const TRect work = Menu()->GetWorkArea();
  TspSkinPopupWindow* window = Window(0);
  EXPECT_EQ(work.Height(), window->Height());
  EXPECT_EQ(work.Top, window->ScreenPosition().Y);
  EXPECT_TRUE(window->Scrollable());
  EXPECT_EQ(101, window->ScreenPosition().X);  // beside the opening point
  const int w = window->Width();
  const int h = window->Height();
  EXPECT_GT(CountPixels(window, Rect(3, h - 10, w - 3, h - 3), GetSysColor(COLOR_BTNSHADOW)), 5);
}

TEST_F(MenuTest, RedundantLinesAreLeftOutUnlessTheMenuKeepsThemByHand) {
  auto* leading = new TMenuItem(popup_);
  leading->SetCaption("-");
  popup_->Items()->Insert(0, leading);
  const std::pair<TMenuAutoFlag, int> cases[] = {{maAutomatic, 5}, {maManual, 6}};
  for (const auto& [reduction, items] : cases) {
    popup_->SetAutoLineReduction(reduction);
    OpenAt(100, 100);
    EXPECT_EQ(items, Window(0)->ItemCount());
    Menu()->Hide();
  }
}

TEST_F(MenuTest, WithoutLayeredWindowsTranslucencyBlendsTheWindowWithTheScreenUnderIt) {
  TspSystemEntries nt4 = PlatformSystemEntries();
  nt4.Version = 4;  // Windows NT 4: no layered windows
  TspSystemEntriesScope scope(nt4);
  const COLORREF under = RGB(10, 200, 30);
  form_->SetColor(static_cast<TColor>(under));
  form_->Invalidate();
  testsupport::ServeApplication(50);
  Menu()->AlphaBlend = true;
  Menu()->AlphaBlendValue = 0;  // all screen
  const TPoint origin = form_->ClientOrigin();
  popup_->Popup(origin.X + 150, origin.Y + 60);
  ASSERT_EQ(1, Menu()->WindowCount());
  TspSkinPopupWindow* window = Window(0);
  EXPECT_FALSE(IsWindowVisible(window->Handle()));  // shown after the screen under it was taken
  ASSERT_TRUE(ServeUntil([&] { return IsWindowVisible(window->Handle()) != FALSE; }));
  testsupport::ServeApplication(30);
  EXPECT_EQ(0, GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ("Open", ActiveCaption());
  EXPECT_EQ(window->Width() + 1, window->ScreenCapture()->Width());
  const TRect lit = FindItem(window, "Open")->ItemRect;
  EXPECT_EQ(under, Pixel(window, 0, 0));
  EXPECT_EQ(under, Pixel(window, lit.Left + 1, lit.Top + 1));
}

}  // namespace
}  // namespace menutest
