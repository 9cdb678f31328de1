// The multi-line text label's size and layout, the link image's and link label's shell
// open, the link label's font and hover colour, and the button label's states.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "SkinControlsFixtures.h"
#include "window_support.h"

using namespace skinbases;

namespace {

constexpr TColor kText = 0x0000C0;
constexpr TColor kBackground = 0xFFFFFF;

class SkinTextLabels : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterTestControls(); }
  void SetUp() override {
    form.reset(testsupport::ShowTestForm(300, 200));
    form->SetColor(kBackground);
  }

  template <class C>
  C* Place(int left, int top) {
    auto* control = new C(form.get());
    control->SetParent(form.get());
    control->SetLeft(left);
    control->SetTop(top);
    return control;
  }

  std::unique_ptr<TForm> form;
};

int LineHeight(TFont* font) {
  TBitmap bitmap;
  bitmap.Canvas()->Font()->Assign(font);
  return bitmap.Canvas()->TextHeight("A");
}

// The rows of a face (width `width`) holding any pixel of `colour`: first and last.
std::pair<int, int> RowsOf(const std::vector<TColor>& face, int width, TColor colour) {
  int first = -1, last = -1;
  for (size_t i = 0; i < face.size(); ++i) {
    if (face[i] != colour) continue;
    const int row = static_cast<int>(i) / width;
    if (first == -1) first = row;
    last = row;
  }
  return {first, last};
}

// What a window-less control paints over the form's background.
std::vector<TColor> PaintedOver(TControl* control) {
  TBitmap face;
  face.SetPixelFormat(pf24bit);
  face.SetSize(control->Width(), control->Height());
  face.Canvas()->Brush()->SetColor(kBackground);
  face.Canvas()->FillRect(Rect(0, 0, control->Width(), control->Height()));
  control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(face.Canvas()->Handle()), 0);
  face.Canvas()->Refresh();
  return PixelsOf(face);
}

}  // namespace

TEST_F(SkinTextLabels, AnAutoSizedTextLabelIsAsHighAsItsLinesAndLaysTheLastOneOnTheBottom) {
  auto* label = Place<TspSkinTextLabel>(10, 10);
  label->DefaultFont()->SetColor(kText);
  label->Lines()->Add("First line");
  label->Lines()->Add("Second");
  label->Lines()->Add("Third");
  const int line = LineHeight(label->DefaultFont());
  EXPECT_EQ(3 * line, label->Height());

  label->SetAutoSize(false);
  label->SetHeight(6 * line);
  struct Case {
    TTextLayout layout;
    int lastRowAtLeast, lastRowBelow;
  };
  for (const Case c : {Case{tlTop, 2 * line, 3 * line}, Case{tlBottom, 5 * line, 6 * line}}) {
    label->SetLayout(c.layout);
    const auto [first, last] = RowsOf(PaintedOver(label), label->Width(), kText);
    EXPECT_GE(last, c.lastRowAtLeast) << "layout " << c.layout;
    EXPECT_LT(last, c.lastRowBelow) << "layout " << c.layout;
  }
}

TEST_F(SkinTextLabels, ARightAlignedAutoSizedTextLabelKeepsItsRightEdge) {
  auto* label = Place<TspSkinTextLabel>(10, 10);
  label->SetAlignment(taRightJustify);
  label->Lines()->Add("A rather long line of text");
  const int right = label->Left() + label->Width();
  label->Lines()->Clear();
  label->Lines()->Add("Short");
  EXPECT_EQ(right, label->Left() + label->Width());
}

TEST_F(SkinTextLabels, LinksOpenTheirURLOnceWithTheShellAndFireOnClickAlways) {
  auto* image = Place<TspSkinLinkImage>(10, 10);
  image->SetAutoSize(false);
  image->SetBounds(10, 10, 40, 20);
  auto* label = Place<TspSkinLinkLabel>(10, 50);
  label->SetCaption("Home page");
  struct TClicks {
    int n = 0;
    void Clicked(TObject*) { ++n; }
  } clicks;
  image->OnClick = TNotifyEvent(&clicks, &TClicks::Clicked);
  label->OnClick = TNotifyEvent(&clicks, &TClicks::Clicked);
  struct Case {
    TControl* control;
    const char* url;
  };
  for (const Case c : {Case{image, ""}, Case{label, ""}, Case{image, "http://example.org/"},
                       Case{label, "C:\\readme.txt"}}) {
    if (c.control == image) image->SetURL(c.url);
    else label->SetURL(c.url);
    testsupport::TRecordedActions actions;
    clicks.n = 0;
    testsupport::Click(c.control, 5, 5);
    EXPECT_EQ(1, clicks.n) << c.url;
    if (*c.url == '\0') {
      EXPECT_TRUE(actions.Lines().empty());
    } else {
      ASSERT_EQ(1u, actions.Lines().size()) << c.url;
      const std::vector<std::string>& open = actions.Lines()[0];
      EXPECT_EQ("open", open[0]);
      EXPECT_EQ("open", open[1]) << "the verb";
      EXPECT_EQ(c.url, open[2]);
    }
  }
}

TEST_F(SkinTextLabels, ANewLinkLabelIsUnderlinedArialAndTurnsBlueUnderTheMouse) {
  auto* label = Place<TspSkinLinkLabel>(20, 20);
  label->SetCaption("Visit us");
  EXPECT_EQ(AnsiString("Arial"), label->Font()->Name());
  EXPECT_EQ(14, label->Font()->Height());
  EXPECT_TRUE(label->Font()->Style().Contains(fsUnderline));
  EXPECT_EQ(crHandPoint, label->Cursor());
  label->DefaultFont()->SetColor(kText);

  const std::vector<TColor> normal = PaintedOver(label);
  EXPECT_NE(normal.end(), std::find(normal.begin(), normal.end(), kText));
  // The underline: a row drawn all along the text.
  const auto [first, last] = RowsOf(normal, label->Width(), kText);
  const int underlined = static_cast<int>(std::count(normal.begin() + last * label->Width(),
                                                     normal.begin() + (last + 1) * label->Width(), kText));
  EXPECT_GT(underlined, label->Width() * 3 / 4);

  testsupport::MoveMouse(label, 5, 5);
  ASSERT_TRUE(testsupport::ServeUntil([&] { return label->MouseIn(); }));
  const std::vector<TColor> hovered = PaintedOver(label);
  EXPECT_EQ(normal.end() - normal.begin(), hovered.end() - hovered.begin());
  EXPECT_NE(hovered.end(), std::find(hovered.begin(), hovered.end(), static_cast<TColor>(0xFF0000)));
  EXPECT_EQ(hovered.end(), std::find(hovered.begin(), hovered.end(), kText));
  testsupport::MoveMouse(form.get(), 250, 150);
  ASSERT_TRUE(testsupport::ServeUntil([&] { return !label->MouseIn(); }));
}

TEST_F(SkinTextLabels, AButtonLabelShowsHotPressedAndDisabledCellsLikeAFlatButton) {
  auto* button = Place<TspSkinButtonLabel>(20, 20);
  TBitmap glyph;
  glyph.SetSize(64, 16);
  button->SetGlyph(&glyph);
  button->SetNumGlyphs(4);
  int clicks = 0;
  struct TCounter {
    int& n;
    void Clicked(TObject*) { ++n; }
  } counter{clicks};
  button->OnClick = TNotifyEvent(&counter, &TCounter::Clicked);
  EXPECT_EQ(1, button->GlyphCell());

  testsupport::MoveMouse(button, 50, 25);
  ASSERT_TRUE(testsupport::ServeUntil([&] { return button->MouseIn(); }));
  EXPECT_EQ(4, button->GlyphCell());
  testsupport::Click(button, 50, 25);
  EXPECT_EQ(1, clicks);
  EXPECT_FALSE(button->Pressed());
  button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 25));
  EXPECT_TRUE(button->Pressed());
  EXPECT_EQ(3, button->GlyphCell());
  button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(50, 25));

  button->SetNumGlyphs(2);
  EXPECT_EQ(1, button->GlyphCell()) << "two cells: hover shows the normal one";
  testsupport::MoveMouse(form.get(), 250, 150);
  ASSERT_TRUE(testsupport::ServeUntil([&] { return !button->MouseIn(); }));
  button->SetEnabled(false);
  EXPECT_EQ(2, button->GlyphCell());
}

TEST_F(SkinTextLabels, AButtonLabelIgnoresAMarginBelowMinusOne) {
  TspSkinButtonLabel button(nullptr);
  button.SetMargin(5);
  button.SetMargin(-2);
  EXPECT_EQ(5, button.Margin());
  button.SetMargin(-1);
  EXPECT_EQ(-1, button.Margin());
}
