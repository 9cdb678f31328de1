// The check box and radio button without a skin: the built-in flat look, the three
// states under real mouse and key input, and radio groups among siblings.
#include <algorithm>

#include "CheckFixture.h"
#include "classlib/graphics/ImageList.h"
#include "skin/data/Sputils_Glyphs.h"
#include "window_support.h"

using namespace skinchecks;
using testsupport::Click;
using testsupport::PressKey;

namespace {

constexpr TColor kNavy = static_cast<TColor>(0x800000);

// The built-in box's square and inside, as the box paints them over the form.
struct TExpectedBox {
  TColor frame;
  // Draws the mark the box must show inside its square (nothing: none).
  void (*mark)(TCanvas*, int, int, TColor);
  int markTop;  // below H/2
  TColor markColor;
};

// The 16 x 16 block from (2, H/2 - 8) of a box of height H as it must look.
std::vector<TColor> ExpectedBoxBlock(int height, const TExpectedBox& box) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(150, height);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(Rect(0, 0, 150, height));
  canvas->Brush()->SetColor(box.frame);
  canvas->FrameRect(Rect(3, height / 2 - 7, 17, height / 2 + 7));
  if (box.mark != nullptr) box.mark(canvas, 7, height / 2 + box.markTop, box.markColor);
  std::vector<TColor> block;
  for (int y = height / 2 - 8; y < height / 2 + 8; ++y)
    for (int x = 2; x < 18; ++x) block.push_back(ColorToRGB(canvas->Pixels(x, y)));
  return block;
}

std::vector<TColor> Rgb(std::vector<TColor> pixels) {
  for (TColor& pixel : pixels) pixel = ColorToRGB(pixel);
  return pixels;
}

}  // namespace

TEST_F(CheckTest, ANewBoxIsAFlatUncheckedCheckBoxThatIsNoTabStop) {
  TspSkinCheckRadioBox box(nullptr);
  EXPECT_TRUE(box.Flat());
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(cbUnchecked, box.State());
  EXPECT_FALSE(box.Radio());
  EXPECT_EQ(0, box.GroupIndex());
  EXPECT_TRUE(box.CanFocused());
  EXPECT_FALSE(box.TabStop());
  EXPECT_EQ(150, box.Width());
  EXPECT_EQ(25, box.Height());
  EXPECT_STREQ("checkbox", box.SkinDataName().c_str());
  EXPECT_EQ(0, box.ImageIndex());
  box.SetCanFocused(true);
  EXPECT_TRUE(box.TabStop());
}

TEST_F(CheckTest, TheBuiltInFlatLookDrawsTheBoxAndTheMarkOfTheState) {
  struct Row {
    const char* name;
    bool radio;
    TCheckBoxState state;
    bool enabled;
    TExpectedBox expected;
  };
  const Row rows[] = {
      {"unchecked", false, cbUnchecked, true, {clBtnShadow, nullptr, 0, clBlack}},
      {"checked", false, cbChecked, true, {clBtnShadow, DrawCheckImage, -4, clBlack}},
      {"grayed", false, cbGrayed, true, {clBtnShadow, DrawCheckImage, -4, clGrayText}},
      {"checked disabled", false, cbChecked, false, {clBtnShadow, DrawCheckImage, -4, clBtnShadow}},
      {"radio checked", true, cbChecked, true, {clBtnShadow, DrawRadioImage, -3, clBlack}},
      {"radio unchecked", true, cbUnchecked, true, {clBtnShadow, nullptr, 0, clBlack}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TTestBox* box = Place(10, 10);
    box->SetRadio(row.radio);
    box->SetState(row.state);
    box->SetEnabled(row.enabled);
    EXPECT_EQ(ExpectedBoxBlock(25, row.expected), Rgb(PaintedBlock(box, 2, 4, 16, 16)));
    delete box;
  }
}

TEST_F(CheckTest, TheFrameTurnsNavyWhileThePointerIsOverTheBox) {
  TTestBox* box = Place(10, 40);
  box->SetHeight(31);
  testsupport::MoveMouse(box, 60, 12);
  ASSERT_TRUE(box->MouseIn());
  EXPECT_EQ(ExpectedBoxBlock(31, {kNavy, nullptr, 0, clBlack}), Rgb(PaintedBlock(box, 2, 7, 16, 16)));
  testsupport::MoveMouse(form, 310, 230);
  EXPECT_FALSE(box->MouseIn());
  EXPECT_EQ(ExpectedBoxBlock(31, {clBtnShadow, nullptr, 0, clBlack}), Rgb(PaintedBlock(box, 2, 7, 16, 16)));
}

TEST_F(CheckTest, TheCaptionStartsAtX22) {
  TTestBox* box = Place(10, 10, "WWW");
  box->DefaultFont()->SetColor(clBlack);
  const std::vector<TColor> face = Rgb(skinbuttons::FaceOf(box));
  int first = -1;
  for (int x = 18; x < box->Width() && first < 0; ++x)
    for (int y = 0; y < box->Height(); ++y)
      if (face[static_cast<size_t>(y * box->Width() + x)] == ColorToRGB(clBlack)) {
        first = x;
        break;
      }
  // "W" starts at the left edge of its cell; its first stroke may be smoothed.
  EXPECT_GE(first, 22);
  EXPECT_LE(first, 24);
}

TEST_F(CheckTest, AllowGrayedClicksCycleUncheckedGrayedCheckedUnchecked) {
  TTestBox* box = Place(10, 10);
  box->SetAllowGrayed(true);
  const TCheckBoxState expected[] = {cbGrayed, cbChecked, cbUnchecked};
  for (int i = 0; i < 3; ++i) {
    Click(box, 30, 12);
    EXPECT_EQ(expected[i], box->State()) << "click " << i + 1;
    EXPECT_EQ(expected[i] == cbChecked, box->Checked());
    EXPECT_EQ(i + 1, box->clicks);
  }
}

TEST_F(CheckTest, SpaceTurnsAGrayedBoxChecked) {
  TTestBox* box = Place(10, 10);
  box->SetAllowGrayed(true);
  box->SetCanFocused(true);
  box->SetState(cbGrayed);
  box->SetFocus();
  PressKey(VK_SPACE);
  EXPECT_EQ(cbChecked, box->State());
  EXPECT_TRUE(box->Checked());
  PressKey(VK_SPACE);
  EXPECT_EQ(cbUnchecked, box->State());
}

TEST_F(CheckTest, UncheckingKeepsGrayedAndSettingGrayedClearsChecked) {
  TTestBox* box = Place(10, 10);
  box->SetState(cbGrayed);
  box->SetChecked(false);
  EXPECT_EQ(cbGrayed, box->State());
  box->SetChecked(true);
  EXPECT_EQ(cbChecked, box->State());
  box->SetState(cbGrayed);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(4, box->clicks);
}

TEST_F(CheckTest, PressingInsideAndReleasingOutsideChangesNothing) {
  TTestBox* box = Place(10, 10);
  skinbuttons::PressAt(box, 30, 12);
  testsupport::MoveMouse(form, 250, 200);
  skinbuttons::ReleaseButton();
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(0, box->clicks);
}

TEST_F(CheckTest, TheAcceleratorFocusesAndToggles) {
  TTestBox* box = Place(10, 10, "&Auto Shutdown");
  box->SetCanFocused(true);
  PressKey('A', {ssAlt});
  EXPECT_TRUE(box->Focused());
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(1, box->clicks);
  box->SetCanFocused(false);
  PressKey('A', {ssAlt});
  EXPECT_TRUE(box->Checked());
}

TEST_F(CheckTest, ClickingARadioUnchecksItsGroupSiblingThenReportsItself) {
  std::vector<TTestBox*> log;
  TTestBox* boxes[3];
  for (int i = 0; i < 3; ++i) {
    boxes[i] = Place(10, 10 + 30 * i);
    boxes[i]->SetRadio(true);
    boxes[i]->SetGroupIndex(1);
    boxes[i]->log = &log;
  }
  boxes[0]->SetChecked(true);
  log.clear();
  Click(boxes[1], 30, 12);
  EXPECT_FALSE(boxes[0]->Checked());
  EXPECT_TRUE(boxes[1]->Checked());
  EXPECT_EQ(std::vector<TTestBox*>{boxes[1]}, log);

  // A checked radio button stays as it is.
  Click(boxes[1], 30, 12);
  EXPECT_TRUE(boxes[1]->Checked());
  EXPECT_EQ(1u, log.size());
}

TEST_F(CheckTest, CheckBoxesOfOneNonZeroGroupExcludeEachOtherBeforeTheClick) {
  struct Row {
    int group;
    bool firstStaysChecked;
  };
  for (const Row& row : {Row{2, false}, Row{0, true}}) {
    SCOPED_TRACE(row.group);
    std::vector<TTestBox*> log;
    TTestBox* first = Place(10, 10);
    TTestBox* second = Place(10, 40);
    for (TTestBox* box : {first, second}) {
      box->SetGroupIndex(row.group);
      box->log = &log;
    }
    first->SetChecked(true);
    log.clear();
    Click(second, 30, 12);
    EXPECT_TRUE(second->Checked());
    EXPECT_EQ(row.firstStaysChecked, first->Checked());
    // A check box reports being unchecked too, before the clicked one reports.
    const std::vector<TTestBox*> expected =
        row.firstStaysChecked ? std::vector<TTestBox*>{second} : std::vector<TTestBox*>{first, second};
    EXPECT_EQ(expected, log);
    delete first;
    delete second;
  }
}

TEST_F(CheckTest, AnImageGoesBeforeTheCaptionAndTheFocusRectangleFramesTheCaption) {
  TImageList images(form);
  images.SetSize(12, 12);
  TBitmap red;
  red.SetSize(12, 12);
  red.Canvas()->Brush()->SetColor(clRed);
  red.Canvas()->FillRect(Rect(0, 0, 12, 12));
  images.Add(&red, nullptr);
  TTestBox* box = Place(10, 10, "WWW");
  box->SetImages(&images);
  box->SetImageIndex(0);
  // The image at (22, H/2 - 6), the caption from 22 + 12 + 5; a wrapped caption too.
  std::vector<TColor> face;
  for (bool wrap : {true, false}) {
    SCOPED_TRACE(wrap);
    box->SetWordWrap(wrap);
    face = Rgb(skinbuttons::FaceOf(box));
    const auto at = [&](int x, int y) { return face[static_cast<size_t>(y * box->Width() + x)]; };
    EXPECT_EQ(ColorToRGB(clRed), at(22, 6));
    EXPECT_EQ(ColorToRGB(clRed), at(33, 17));
    EXPECT_NE(ColorToRGB(clRed), at(34, 12));
    int first = -1;
    for (int x = 34; x < box->Width() && first < 0; ++x)
      for (int y = 0; y < box->Height(); ++y)
        if (at(x, y) == ColorToRGB(clBlack)) {
          first = x;
          break;
        }
    EXPECT_GE(first, 39);
    EXPECT_LE(first, 41);
  }

  // Focused, a dotted frame 2 pixels left of the caption appears; nothing else changes.
  box->SetCanFocused(true);
  box->SetFocus();
  const std::vector<TColor> focused = Rgb(skinbuttons::FaceOf(box));
  int left = box->Width();
  for (size_t i = 0; i < face.size(); ++i)
    if (focused[i] != face[i]) left = std::min(left, static_cast<int>(i % static_cast<size_t>(box->Width())));
  EXPECT_EQ(37, left);

  // An index outside the list shows no image.
  box->SetImageIndex(3);
  EXPECT_NE(ColorToRGB(clRed), Rgb(skinbuttons::FaceOf(box))[static_cast<size_t>(6 * box->Width() + 22)]);
}
