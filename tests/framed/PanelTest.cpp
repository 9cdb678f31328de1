// Framed panels and group boxes read from a form resource and shown on screen.
#include <gtest/gtest.h>

#include <memory>

#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrCommon.h"
#include "framed/FrLabel.h"
#include "framed/FrPanel.h"
#include "window_support.h"

namespace {

using testsupport::ControlPixel;

class TPanelsForm : public TForm {
  CLASSLIB_CLASS(TPanelsForm, TForm)
 public:
  explicit TPanelsForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TFrPanel* Groove = nullptr;
  TFrPanel* GrooveChild = nullptr;
  TFrPanel* FlatExact = nullptr;
  TFrPanel* FlatLighter = nullptr;
  TFrPanel* Holder = nullptr;
  TFrPanel* ChildA = nullptr;
  TFrPanel* ChildB = nullptr;
  TFrLabel* ChildC = nullptr;
  TFrPanel* Dots = nullptr;
  TFrPanel* NoDots = nullptr;
  TFrPanel* Yellow = nullptr;
  TFrPanel* Glass = nullptr;
  TFrGroupBox* Box = nullptr;
  TFrPanel* Footer = nullptr;
};

TColor Rgb(TColor color) { return ColorToRGB(color); }

// The pixels of a windowed control that have `color`, as (x, y) pairs.
std::vector<std::pair<int, int>> PixelsOf(TWinControl* control, TColor color) {
  std::unique_ptr<TBitmap> shot = testsupport::CaptureWindow(control->Handle());
  std::vector<std::pair<int, int>> found;
  for (int y = 0; y < shot->Height(); ++y) {
    for (int x = 0; x < shot->Width(); ++x) {
      if (shot->Canvas()->Pixels(x, y) == color) found.emplace_back(x, y);
    }
  }
  return found;
}

class FramedPanels : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterFormClass(TPanelsForm::StaticClass(), {},
                      {Field("Groove", &TPanelsForm::Groove), Field("GrooveChild", &TPanelsForm::GrooveChild),
                       Field("FlatExact", &TPanelsForm::FlatExact), Field("FlatLighter", &TPanelsForm::FlatLighter),
                       Field("Holder", &TPanelsForm::Holder), Field("ChildA", &TPanelsForm::ChildA),
                       Field("ChildB", &TPanelsForm::ChildB), Field("ChildC", &TPanelsForm::ChildC),
                       Field("Dots", &TPanelsForm::Dots), Field("NoDots", &TPanelsForm::NoDots),
                       Field("Yellow", &TPanelsForm::Yellow), Field("Glass", &TPanelsForm::Glass),
                       Field("Box", &TPanelsForm::Box), Field("Footer", &TPanelsForm::Footer)});
    form_ = testsupport::ShowForm<TPanelsForm>(nullptr);
  }
  static void TearDownTestSuite() {
    delete form_;
    form_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(nullptr, form_); }

  static TPanelsForm* form_;
};

TPanelsForm* FramedPanels::form_ = nullptr;

TEST_F(FramedPanels, ABottomGrooveIsTheOnlyBorderAndTheClientChildEndsAboveIt) {
  TFrPanel* groove = form_->Groove;
  EXPECT_EQ(TSides{sdBottom}, groove->BorderSides()) << "the obsolete FrameSides is dropped";
  EXPECT_EQ(Rect(0, 0, 120, 58), form_->GrooveChild->BoundsRect());
  EXPECT_EQ(Rgb(clBtnShadow), ControlPixel(groove, 60, 58));
  EXPECT_EQ(Rgb(clBtnHighlight), ControlPixel(groove, 60, 59));
  for (auto [x, y] : {std::pair{0, 0}, {119, 0}, {0, 57}, {119, 57}, {60, 57}}) {
    EXPECT_EQ(Rgb(clRed), ControlPixel(groove, x, y)) << x << "," << y;
  }
}

TEST_F(FramedPanels, FlatBordersTakeTheFlatColourShiftedByTheAdjustment) {
  constexpr TColor kFlat = 0x406080;
  ASSERT_EQ(30, form_->FlatLighter->FlatColorAdjustment());
  const TColor lighter = ShiftColorLightness(kFlat, 30);
  ASSERT_NE(kFlat, lighter);
  for (auto [x, y] : {std::pair{0, 15}, {59, 15}, {30, 0}, {30, 29}}) {
    EXPECT_EQ(kFlat, ControlPixel(form_->FlatExact, x, y)) << x << "," << y;
    EXPECT_EQ(lighter, ControlPixel(form_->FlatLighter, x, y)) << x << "," << y;
  }
  EXPECT_EQ(Rgb(clBtnFace), ControlPixel(form_->FlatExact, 30, 15));
}

TEST_F(FramedPanels, EnablingRestoresOnlyTheChildrenThatWereEnabled) {
  form_->Holder->SetEnabled(false);
  EXPECT_FALSE(form_->ChildA->Enabled());
  EXPECT_FALSE(form_->ChildB->Enabled());
  EXPECT_FALSE(form_->ChildC->Enabled());
  form_->Holder->SetEnabled(true);
  EXPECT_TRUE(form_->ChildA->Enabled());
  EXPECT_FALSE(form_->ChildB->Enabled());
  EXPECT_TRUE(form_->ChildC->Enabled());
}

TEST_F(FramedPanels, ABottomAlignedPanelGrowsUpwards) {
  TFrPanel* footer = form_->Footer;
  const int bottom = footer->Top() + footer->Height();
  footer->SetHeight(footer->Height() + 10);
  testsupport::ServeApplication(20);
  EXPECT_EQ(bottom - 40, footer->Top());
  EXPECT_EQ(bottom, footer->Top() + footer->Height());
  footer->SetHeight(30);
  EXPECT_EQ(bottom - 30, footer->Top());
}

TEST_F(FramedPanels, GridDotsSitAtEveryGridStepFromTheInnerCorner) {
  std::vector<std::pair<int, int>> expected;
  for (int y = 7; y < 37; y += 8) {
    for (int x = 7; x < 45; x += 8) expected.emplace_back(x, y);
  }
  ASSERT_EQ(20u, expected.size());
  auto dots = PixelsOf(form_->Dots, Rgb(clBlue));
  std::sort(dots.begin(), dots.end(), [](auto a, auto b) { return std::tie(a.second, a.first) < std::tie(b.second, b.first); });
  EXPECT_EQ(expected, dots);
  EXPECT_TRUE(PixelsOf(form_->NoDots, Rgb(clBlue)).empty()) << "GridXSize 0 draws no dots";
}

TEST_F(FramedPanels, ATransparentPanelShowsItsParentsPixels) {
  EXPECT_EQ(Rgb(clYellow), ControlPixel(form_->Glass, 30, 30));
  EXPECT_EQ(Rgb(clYellow), ControlPixel(form_->Glass, 1, 1));
  form_->Glass->SetTransparent(false);
  form_->Glass->Update();
  EXPECT_EQ(Rgb(clRed), ControlPixel(form_->Glass, 30, 30));
  form_->Glass->SetTransparent(true);
  form_->Glass->Update();
  EXPECT_EQ(Rgb(clYellow), ControlPixel(form_->Glass, 30, 30));
}

TEST_F(FramedPanels, AGroupBoxWithoutCaptionFramesFromHalfTheTextHeight) {
  TFrGroupBox* box = form_->Box;
  const int k = ScreenTextExtent(box->Font(), "Pp").cy / 2 - 1;
  ASSERT_GT(k, 0);
  for (int x = 1; x < box->Width() - 1; ++x) {
    ASSERT_EQ(Rgb(clBtnShadow), ControlPixel(box, x, k)) << "no gap at x " << x;
  }
  EXPECT_EQ(Rgb(clBtnHighlight), ControlPixel(box, 20, k + 1));
  for (int y = 0; y < k; ++y) EXPECT_EQ(Rgb(clWhite), ControlPixel(box, 20, y)) << y;
  EXPECT_EQ(Rgb(clBtnShadow), ControlPixel(box, 0, box->Height() / 2));
}

TEST_F(FramedPanels, TheCaptionSitsAtItsVerticalAlignment) {
  std::unique_ptr<TFrPanel> panel(new TFrPanel(nullptr));
  panel->SetParent(form_);
  panel->SetBounds(10, 150, 100, 80);
  panel->SetBorderOuter(fsNone);
  panel->SetColor(clWhite);
  panel->Font()->SetColor(clBlack);
  panel->SetCaption("Xy");
  const int h = ScreenTextExtent(panel->Font(), "Xy").cy;
  struct Case {
    TAlignmentVertical align;
    int top;  // where the text's line starts
  };
  for (const Case& c : {Case{avTop, 0}, Case{avCenter, (80 - h) / 2}, Case{avBottom, 80 - h - 1}}) {
    panel->SetAlignmentVertical(c.align);
    panel->Repaint();
    auto text = PixelsOf(panel.get(), Rgb(clBlack));
    ASSERT_FALSE(text.empty()) << c.align;
    for (auto [x, y] : text) ASSERT_TRUE(y >= c.top && y < c.top + h) << c.align << ": " << x << "," << y;
  }
}

TEST_F(FramedPanels, AFrameControllerSetsTheBordersOfAnAttachedPanel) {
  TFrFrameController controller(nullptr);
  controller.SetFrameVisible(true);
  controller.SetFrameStyle(fsFlat);
  controller.SetFrameSides(TSides{sdTop});
  controller.SetFrameColor(clNavy);
  std::unique_ptr<TFrPanel> panel(new TFrPanel(nullptr));
  panel->SetFrameController(&controller);
  EXPECT_EQ(fsFlat, panel->BorderOuter());
  EXPECT_EQ(TSides{sdTop}, panel->BorderSides());
  EXPECT_EQ(clNavy, panel->FlatColor());
  EXPECT_EQ(0, panel->FlatColorAdjustment());
  controller.SetFrameStyle(fsGroove);
  EXPECT_EQ(fsGroove, panel->BorderOuter());
  panel.reset();
  controller.SetFrameStyle(fsFlat);  // the freed panel was detached
}

}  // namespace
