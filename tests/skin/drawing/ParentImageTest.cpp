#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/GraphicControl.h"
#include "skin/data/Sputils.h"
#include "tests/skin/drawing/PlacePictures.h"

namespace {

constexpr int kPatternTag = 0x40;
constexpr TColor kFormColor = 0x00C0FF;

// A windowed parent whose face colours each pixel by its place.
class TPlacePanel : public TCustomControl {
  CLASSLIB_CLASS(TPlacePanel, TCustomControl)
 public:
  explicit TPlacePanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    placepic::Fill(pattern_, 200, 150, kPatternTag);
  }
  int Paints = 0;
  bool SawPaintCopy = false;

 protected:
  void Paint() override {
    ++Paints;
    SawPaintCopy = ControlState().Contains(csPaintCopy);
    Canvas()->Draw(0, 0, &pattern_);
  }
  TBitmap pattern_;
};

// A parent that paints its background itself when asked.
class TPainterPanel : public TPlacePanel, public IspBackgroundPainter {
  CLASSLIB_CLASS(TPainterPanel, TPlacePanel)
 public:
  using TPlacePanel::TPlacePanel;
  void PaintBG(HDC dc) override {
    ++Calls;
    GetViewportOrgEx(dc, &Origin);
    BitBlt(dc, 0, 0, 200, 150, pattern_.Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  int Calls = 0;
  POINT Origin{};
};

// A window-less control of one colour that counts its paintings.
class TShape : public TGraphicControl {
  CLASSLIB_CLASS(TShape, TGraphicControl)
 public:
  explicit TShape(TComponent* owner) : TGraphicControl(owner) {}
  int Paints = 0;
  bool SawPaintCopy = false;
  bool Throws = false;

 protected:
  void Paint() override {
    ++Paints;
    SawPaintCopy = ControlState().Contains(csPaintCopy);
    if (Throws) throw std::runtime_error("paint failed");
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
  }
};

class SkinParentImage : public testing::Test {
 protected:
  void SetUp() override {
    form_.reset(new TForm(nullptr, CreateNew));
    form_->SetBounds(40, 40, 300, 240);
    form_->SetColor(kFormColor);
  }

  template <class Panel = TPlacePanel>
  Panel* MakePanel() {
    auto* panel = new Panel(form_.get());
    panel->SetBounds(10, 10, 200, 150);
    panel->SetParent(form_.get());
    return panel;
  }
  TShape* MakeShape(TWinControl* parent, const TRect& bounds, TColor color) {
    auto* shape = new TShape(form_.get());
    shape->SetBoundsRect(bounds);
    shape->SetColor(color);
    shape->SetParent(parent);
    return shape;
  }
  template <class Control = TCustomControl>
  Control* MakeControl(TWinControl* parent, const TRect& bounds) {
    auto* control = new Control(form_.get());
    control->SetBoundsRect(bounds);
    control->SetParent(parent);
    form_->HandleNeeded();
    return control;
  }
  // Captures what lies under `control` into a picture of its size.
  void Capture(TControl* control) {
    placepic::Plain(picture_, control->Width(), control->Height(), clWhite);
    GetParentImage(control, picture_.Canvas());
  }
  // The parent's pattern at its point (x, y).
  static TColor Pattern(int x, int y) { return placepic::PlaceColor(x, y, kPatternTag); }

  std::unique_ptr<TForm> form_;
  TBitmap picture_;
};

TEST_F(SkinParentImage, AWindowedControlSeesTheParentFaceAndEveryWindowlessSiblingUnderIt) {
  TPlacePanel* panel = MakePanel();
  TShape* before = MakeShape(panel, Bounds(40, 30, 20, 20), clLime);
  TCustomControl* control = MakeControl(panel, Bounds(30, 20, 60, 50));
  TShape* after = MakeShape(panel, Bounds(70, 40, 10, 10), clRed);
  TShape* hidden = MakeShape(panel, Bounds(35, 25, 5, 5), clBlue);
  hidden->SetVisible(false);
  TShape* apart = MakeShape(panel, Bounds(150, 100, 10, 10), clBlue);
  Capture(control);
  int wrong = 0;
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 60; ++x) {
      const int px = 30 + x, py = 20 + y;
      TColor expected = Pattern(px, py);
      if (px >= 40 && px < 60 && py >= 30 && py < 50) expected = clLime;
      if (px >= 70 && px < 80 && py >= 40 && py < 50) expected = clRed;
      wrong += placepic::At(picture_, x, y) != expected;
    }
  }
  EXPECT_EQ(0, wrong);
  EXPECT_EQ(0, hidden->Paints);
  EXPECT_EQ(0, apart->Paints);
  EXPECT_TRUE(panel->SawPaintCopy);
  EXPECT_TRUE(before->SawPaintCopy);
  EXPECT_FALSE(panel->ControlState().Contains(csPaintCopy));
  EXPECT_FALSE(before->ControlState().Contains(csPaintCopy));
  EXPECT_EQ(1, after->Paints);
}

TEST_F(SkinParentImage, AWindowlessControlSeesOnlyTheSiblingsBeforeIt) {
  TPlacePanel* panel = MakePanel();
  MakeShape(panel, Bounds(40, 30, 20, 20), clLime);
  TShape* control = MakeShape(panel, Bounds(30, 20, 60, 50), clBlack);
  TShape* after = MakeShape(panel, Bounds(70, 40, 10, 10), clRed);
  form_->HandleNeeded();
  Capture(control);
  EXPECT_EQ(clLime, placepic::At(picture_, 15, 15));
  EXPECT_EQ(Pattern(75, 45), placepic::At(picture_, 45, 25));
  EXPECT_EQ(0, after->Paints);
  EXPECT_EQ(0, control->Paints);
}

TEST_F(SkinParentImage, OnAFormOnlyTheBackgroundIsErased) {
  struct TPaintWatch {
    bool Painted = false;
    void Paint(TObject*) { Painted = true; }
  } watch;
  form_->OnPaint = TNotifyEvent(&watch, &TPaintWatch::Paint);
  TCustomControl* control = MakeControl(form_.get(), Bounds(20, 20, 30, 30));
  Capture(control);
  EXPECT_EQ(kFormColor, placepic::At(picture_, 0, 0));
  EXPECT_EQ(kFormColor, placepic::At(picture_, 29, 29));
  EXPECT_FALSE(watch.Painted);
}

TEST_F(SkinParentImage, APartOfTheControlStartsAtItsOwnCorner) {
  TPlacePanel* panel = MakePanel();
  TCustomControl* control = MakeControl(panel, Bounds(30, 20, 60, 50));
  MakeShape(panel, Bounds(45, 35, 5, 5), clLime);
  placepic::Plain(picture_, 15, 15, clWhite);
  GetParentImageRect(control, Rect(5, 5, 20, 20), picture_.Canvas());
  EXPECT_EQ(Pattern(35, 25), placepic::At(picture_, 0, 0));
  EXPECT_EQ(clLime, placepic::At(picture_, 10, 10));
  EXPECT_EQ(Pattern(44, 34), placepic::At(picture_, 9, 9));
}

TEST_F(SkinParentImage, AParentThatPaintsItsBackgroundIsAskedWithTheControlsOrigin) {
  auto* panel = MakePanel<TPainterPanel>();
  TCustomControl* control = MakeControl(panel, Bounds(30, 20, 60, 50));
  Capture(control);
  EXPECT_EQ(1, panel->Calls);
  EXPECT_EQ(-30, panel->Origin.x);
  EXPECT_EQ(-20, panel->Origin.y);
  EXPECT_EQ(0, panel->Paints);
  EXPECT_EQ(Pattern(30, 20), placepic::At(picture_, 0, 0));
  EXPECT_EQ(Pattern(89, 69), placepic::At(picture_, 59, 49));
}

TEST_F(SkinParentImage, AFailingPaintLeavesTheContextAndTheFlagsAsTheyWere) {
  TPlacePanel* panel = MakePanel();
  TShape* failing = MakeShape(panel, Bounds(40, 30, 20, 20), clLime);
  failing->Throws = true;
  TCustomControl* control = MakeControl(panel, Bounds(30, 20, 60, 50));
  placepic::Plain(picture_, 60, 50, clWhite);
  HDC dc = picture_.Canvas()->Handle();
  EXPECT_THROW(GetParentImage(control, picture_.Canvas()), std::runtime_error);
  EXPECT_TRUE(failing->SawPaintCopy);
  EXPECT_FALSE(failing->ControlState().Contains(csPaintCopy));
  EXPECT_FALSE(panel->ControlState().Contains(csPaintCopy));
  POINT origin{7, 7};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(0, origin.x);
  EXPECT_EQ(0, origin.y);
  RECT clip;
  GetClipBox(dc, &clip);
  EXPECT_EQ(Rect(0, 0, 60, 50), *reinterpret_cast<TRect*>(&clip));
}

TEST_F(SkinParentImage, WithoutAParentNothingIsDrawn) {
  TShape orphan(nullptr);
  orphan.SetBounds(0, 0, 10, 10);
  placepic::Plain(picture_, 10, 10, clWhite);
  GetParentImage(&orphan, picture_.Canvas());
  EXPECT_EQ(clWhite, placepic::At(picture_, 5, 5));
}

}  // namespace
