// The framed label: auto size without a look and under whole-side alignment, a fixed-size
// look, and the ellipsis of a caption too wide for the label.
#include <gtest/gtest.h>

#include <memory>

#include "SkinControlsFixtures.h"
#include "window_support.h"

using namespace skinbases;

namespace {

class SkinFramedLabel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterTestControls(); }
  void SetUp() override { form.reset(testsupport::ShowTestForm(300, 200)); }

  TspSkinLabel* NewLabel(const char* caption) {
    auto* label = new TspSkinLabel(form.get());
    label->SetParent(form.get());
    label->SetCaption(caption);
    return label;
  }

  std::unique_ptr<TForm> form;
};

int TextWidth(TFont* font, const char* text) {
  TBitmap bitmap;
  bitmap.Canvas()->Font()->Assign(font);
  return bitmap.Canvas()->TextWidth(text);
}

}  // namespace

TEST_F(SkinFramedLabel, LookLessAutoSizeFitsTheCaptionUnlessAlignedToAWholeSide) {
  struct Case {
    TAlign align;
    bool fits;
  };
  for (const Case c : {Case{alNone, true}, Case{alLeft, true}, Case{alTop, false}, Case{alBottom, false},
                       Case{alClient, false}}) {
    TspSkinLabel* label = NewLabel("Progress:");
    label->SetAlign(c.align);
    const int before = label->Width();
    label->SetAutoSize(true);
    const int fitted = TextWidth(label->DefaultFont(), "Progress:") + 4;
    EXPECT_EQ(c.fits ? fitted : before, label->Width()) << "align " << c.align;
    label->SetCaption("Progress: 100 %");
    if (c.fits) EXPECT_EQ(TextWidth(label->DefaultFont(), "Progress: 100 %") + 4, label->Width());
    delete label;
  }
}

TEST_F(SkinFramedLabel, AFixedSizeLookTakesItsSizeAndTurnsAutoSizeOff) {
  auto skin = LoadBasesSkin("skinlabel_fixed", {{"label/lefttoppoint", "0,0"},
                                                {"label/righttoppoint", "0,0"},
                                                {"label/leftbottompoint", "0,0"},
                                                {"label/rightbottompoint", "0,0"},
                                                {"label/skinrect", "0,0,40,18"}});
  TspSkinLabel* label = NewLabel("A caption far wider than the look");
  label->SetAutoSize(true);
  label->SetSkinData(skin.get());
  EXPECT_EQ(40, label->Width());
  EXPECT_EQ(18, label->Height());
  EXPECT_FALSE(label->AutoSize());
  label->SetCaption("Another caption, wider still than the look");
  EXPECT_EQ(40, label->Width());
}

TEST_F(SkinFramedLabel, ACaptionTooWideEvenForTheEllipsisShowsTheEllipsisAlone) {
  // Both labels are just wide enough for "..." in their text rectangle (2 px each side).
  TspSkinLabel* shortened = NewLabel("Converting the first file");
  TspSkinLabel* dots = NewLabel("...");
  const int width = TextWidth(shortened->DefaultFont(), "...") + 4 + 1;
  shortened->SetEllipsType(spetEllips);
  shortened->SetWidth(width);
  dots->SetWidth(width);
  EXPECT_EQ(FaceOf(dots), FaceOf(shortened));
  shortened->SetEllipsType(spetNoneEllips);
  EXPECT_NE(FaceOf(dots), FaceOf(shortened));
}
