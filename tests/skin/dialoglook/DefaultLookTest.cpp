// The built-in look of a skinned dialog without a skin: the inset of the client area,
// the border rings, the striped caption with its plain gap around the title, the caption
// buttons, the hit test, and no painting while a skin loads.
#include "DialogLookFixtures.h"
#include "skin/data/Sputils_Text.h"
#include "skin/form/Formskinner_TextObjects.h"

using namespace dialoglook;

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;

COLORREF Sys(int index) { return GetSysColor(index); }

class DefaultLook : public DialogLookTest {
 protected:
  COLORREF Pixel(int x, int y) { return formskin::WindowPixel(form(), x, y); }
  TCustomForm* form() { return forms_.back().get(); }

  // Where the title's gap starts in the window and how wide the title is, computed as
  // the look lays it out on a 300-pixel dialog with the four right-hand buttons.
  static void TitlePlace(TspFormSkinner* skinner, const AnsiString& caption, int& gapLeft, int& textWidth) {
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    bitmap.Canvas()->SetFont(skinner->DefCaptionFont());
    textWidth = CalcTextWidthW(bitmap.Canvas(), CaptionWideText(caption));
    const int captionWidth = kWidth - 6;
    const int left = 17;                         // after the system-menu button
    const int end = captionWidth - (kWidth - 3 - 4 * 17);  // the buttons' share
    const int x = left + (captionWidth - left - end) / 2 - (textWidth + 5) / 2;
    gapLeft = 3 + x - 2;
  }
};

TEST_F(DefaultLook, TheClientAreaIsInsetByTheBorderAndTheCaptionOfTheBorderStyle) {
  struct Case {
    TFormBorderStyle style;
    int top;
    int button;
  };
  const Case cases[] = {{bsSizeable, 22, 17}, {bsDialog, 22, 17}, {bsToolWindow, 18, 13}, {bsSizeToolWin, 18, 13}};
  for (const Case& c : cases) {
    TspFormSkinner* skinner = ShowSkinned(kWidth, kHeight, nullptr, false, c.style);
    RECT window{};
    GetWindowRect(form()->Handle(), &window);
    RECT client{};
    GetClientRect(form()->Handle(), &client);
    POINT origin{0, 0};
    ClientToScreen(form()->Handle(), &origin);
    EXPECT_EQ(origin.x - window.left, 3) << c.style;
    EXPECT_EQ(origin.y - window.top, c.top) << c.style;
    EXPECT_EQ(window.right - (origin.x + client.right), 3) << c.style;
    EXPECT_EQ(window.bottom - (origin.y + client.bottom), 3) << c.style;
    auto* close = ObjectNamed<TspSkinStdButtonObject>(skinner, "closebutton");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->ObjectRect, TRect(kWidth - 3 - c.button, 4, kWidth - 3, 4 + c.button)) << c.style;
    forms_.clear();
  }
}

TEST_F(DefaultLook, TheFrameShowsThreeBorderRingsOnEverySide) {
  ShowSkinned(kWidth, kHeight, nullptr);
  const int outer[] = {COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNFACE};
  const int inner[] = {COLOR_3DDKSHADOW, COLOR_BTNSHADOW, COLOR_BTNFACE};
  for (int ring = 0; ring < 3; ++ring) {
    EXPECT_EQ(Pixel(ring, kHeight / 2), Sys(outer[ring])) << "left ring " << ring;
    EXPECT_EQ(Pixel(kWidth / 2, ring), Sys(outer[ring])) << "top ring " << ring;
    EXPECT_EQ(Pixel(kWidth - 1 - ring, kHeight / 2), Sys(inner[ring])) << "right ring " << ring;
    EXPECT_EQ(Pixel(kWidth / 2, kHeight - 1 - ring), Sys(inner[ring])) << "bottom ring " << ring;
  }
}

TEST_F(DefaultLook, TheCaptionHas14AlternatingStripesWithAPlainGapAroundTheCentredTitle) {
  TspFormSkinner* skinner = ShowSkinned(kWidth, kHeight, nullptr);
  const int column = 25;  // in the stripes, left of the title
  int stripes = 0;
  for (int y = 3; y < 3 + 19; ++y) {
    const COLORREF c = Pixel(column, y);
    if (c == Sys(COLOR_BTNFACE)) continue;
    ++stripes;
    EXPECT_EQ(c, Sys((y - 3) % 2 == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW)) << "row " << y;
  }
  EXPECT_EQ(stripes, 14);
  int gapLeft = 0;
  int textWidth = 0;
  TitlePlace(skinner, "Convert", gapLeft, textWidth);
  EXPECT_EQ(Pixel(gapLeft - 1, 5), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(Pixel(gapLeft, 5), Sys(COLOR_BTNFACE));
  EXPECT_EQ(Pixel(gapLeft + textWidth + 3, 5), Sys(COLOR_BTNFACE));
  EXPECT_EQ(Pixel(gapLeft + textWidth + 4, 5), Sys(COLOR_BTNHIGHLIGHT));
  const TRect title{gapLeft, 3, gapLeft + textWidth + 4, 22};
  EXPECT_TRUE(HasInk(InkBox(form(), title, Sys(COLOR_BTNTEXT))));
  ShowOtherForm();
  EXPECT_FALSE(HasInk(InkBox(forms_.front().get(), title, Sys(COLOR_BTNTEXT)))) << "inactive title";
  EXPECT_TRUE(HasInk(InkBox(forms_.front().get(), title, Sys(COLOR_BTNSHADOW)))) << "inactive title";
}

TEST_F(DefaultLook, AnEmptyCaptionLeavesTheStripesWhole) {
  ShowSkinned(kWidth, kHeight, nullptr, false, bsSizeable, "");
  for (int x = 22; x < kWidth - 3 - 4 * 17 - 6 + 3; ++x) EXPECT_EQ(Pixel(x, 5), Sys(COLOR_BTNHIGHLIGHT)) << x;
}

TEST_F(DefaultLook, CaptionButtonsEndThreePixelsFromTheRightWithTheSystemMenuAtTheLeft) {
  TspFormSkinner* skinner = ShowSkinned(kWidth, kHeight, nullptr);
  struct Case {
    const char* name;
    TRect rect;
  };
  const Case cases[] = {{"closebutton", {280, 4, 297, 21}},
                        {"maxbutton", {263, 4, 280, 21}},
                        {"minbutton", {246, 4, 263, 21}},
                        {"rollupbutton", {229, 4, 246, 21}},
                        {"sysmenubutton", {3, 4, 20, 21}}};
  for (const Case& c : cases) {
    auto* button = ObjectNamed<TspSkinStdButtonObject>(skinner, c.name);
    ASSERT_NE(button, nullptr) << c.name;
    EXPECT_TRUE(button->Visible) << c.name;
    EXPECT_EQ(button->ObjectRect, c.rect) << c.name;
    EXPECT_TRUE(HasInk(InkBox(form(), c.rect, Sys(COLOR_BTNTEXT)))) << c.name << " shows its glyph";
    EXPECT_EQ(Pixel(c.rect.Left, 5), Sys(COLOR_BTNFACE)) << c.name << " hides the stripes";
  }
  EXPECT_FALSE(ObjectNamed<TspSkinStdButtonObject>(skinner, "traybutton")->Visible);
  EXPECT_EQ(skinner->GetDefCaptionRect(), TRect(20, 3, 229, 19));
}

TEST_F(DefaultLook, TheCloseButtonClosesTheDialog) {
  TspFormSkinner* skinner = ShowSkinned(kWidth, kHeight, nullptr);
  formobjects::ClickWindowPoint(form(), 288, 12);
  EXPECT_FALSE(IsWindowVisible(skinner->OwnerForm->Handle()));
}

TEST_F(DefaultLook, TheHitTestSizesAtTwoPixelEdgesCornersFirst) {
  struct Case {
    int x, y;
    LRESULT sizeable, fixed;
  };
  const Case cases[] = {
      {0, 0, HTTOPLEFT, HTOBJECT},           {2, 2, HTTOPLEFT, HTOBJECT},
      {298, 1, HTTOPRIGHT, HTOBJECT},        {1, 198, HTBOTTOMLEFT, HTOBJECT},
      {299, 199, HTBOTTOMRIGHT, HTOBJECT},   {2, 100, HTLEFT, HTOBJECT},
      {150, 2, HTTOP, HTOBJECT},             {298, 100, HTRIGHT, HTOBJECT},
      {150, 198, HTBOTTOM, HTOBJECT},        {150, 12, HTCAPTION, HTCAPTION},
      {100, 100, HTCLIENT, HTCLIENT},        {3, 100, HTCLIENT, HTCLIENT},
      {288, 12, HTOBJECT, HTOBJECT},         {10, 12, HTOBJECT, HTOBJECT},
      {150, 20, HTOBJECT, HTOBJECT}};
  TspFormSkinner* skinner = ShowSkinned(kWidth, kHeight, nullptr);
  skinner->ActiveObject = -1;
  for (const Case& c : cases) EXPECT_EQ(HitTest(form(), c.x, c.y), c.sizeable) << c.x << "," << c.y;
  skinner->Sizeable = false;
  for (const Case& c : cases) EXPECT_EQ(HitTest(form(), c.x, c.y), c.fixed) << "fixed " << c.x << "," << c.y;
  skinner->Sizeable = true;
  skinner->SetWindowState(spwsMaximized);
  testsupport::PumpMessages(50);
  EXPECT_EQ(HitTest(form(), 0, 0), HTOBJECT);
  EXPECT_EQ(HitTest(form(), 1, 100), HTOBJECT);
}

// Paints the default frame into a memory context at WM_BEFORECHANGESKINDATA and tells
// whether anything was drawn.
class TChangePainter : public TObject {
 public:
  explicit TChangePainter(TspFormSkinner* skinner) : skinner_(skinner), saved_(skinner->OwnerForm->WindowProc) {
    skinner->OwnerForm->WindowProc = TWndMethod(this, &TChangePainter::Spy);
  }
  ~TChangePainter() override { skinner_->OwnerForm->WindowProc = saved_; }
  bool paintedWhileChanging = false;
  bool sawChange = false;

  // Whether the default look changes a magenta canvas of the form's size.
  bool PaintsSomething(bool throughMessage) {
    TBitmap target;
    target.SetSize(kWidth, kHeight);
    target.Canvas()->Brush()->SetColor(clFuchsia);
    target.Canvas()->FillRect(TRect{0, 0, kWidth, kHeight});
    if (throughMessage) {
      SendMessageA(skinner_->OwnerForm->Handle(), CM_SENCPAINT, reinterpret_cast<WPARAM>(target.Canvas()->Handle()), 0);
    } else {
      skinner_->PaintNCDefault(target.Canvas()->Handle(), true);
    }
    return ColorToRGB(target.Canvas()->Pixels(0, 0)) != RGB(255, 0, 255);
  }

 private:
  void Spy(TMessage& message) {
    saved_(message);
    if (message.Msg != WM_BEFORECHANGESKINDATA) return;
    sawChange = true;
    paintedWhileChanging = PaintsSomething(false) || PaintsSomething(true);
  }
  TspFormSkinner* skinner_;
  TWndMethod saved_;
};

TEST_F(DefaultLook, NothingIsPaintedWhileTheSkinDataIsChanging) {
  TspSkinData skin(nullptr);
  TspFormSkinner* skinner = ShowSkinned(kWidth, kHeight, &skin);
  ASSERT_FALSE(skinner->SkinUsable);
  TChangePainter painter(skinner);
  EXPECT_TRUE(painter.PaintsSomething(false));
  EXPECT_TRUE(painter.PaintsSomething(true));
  skin.LoadFromFile(formskin::WriteFormSkin("dialoglookchange").c_str());
  EXPECT_TRUE(painter.sawChange);
  EXPECT_FALSE(painter.paintedWhileChanging);
  skinner->SetSkinData(nullptr);
}

}  // namespace
