// The skinned splitters on a shown form: the live splitter's drag with real mouse input
// (all four alignments, AutoSnap, Escape, a refusing OnCanResize), the thickness and face
// from the test skin's splitter look, and a re-skin through the skinned-control interface.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ButtonFixture.h"
#include "ReskinRelay.h"
#include "TestSkin.h"
#include "classlib/stdctrls/Edit.h"
#include "classlib/stdctrls/Panel.h"
#include "skin/controls/Skinctrls_Splitter.h"
#include "skin/data/Skindata_SkinData.h"
#include "window_support.h"

using skinbuttons::TLookKeys;
using testsupport::HoldMouse;
using testsupport::MoveMouse;
using testsupport::ReleaseMouse;

namespace {

// The test skin's look of type word "splitter": a 6-pixel strip with 5-pixel ends.
const TRect kStrip = Rect(0, 0, 6, 40);

TLookKeys SplitterKeys(const TLookKeys& changes = {}) {
  TLookKeys keys = {{"pictureindex", "0"},      {"skinrect", "0,0,6,40"},     {"lefttoppoint", "0,5"},
                    {"righttoppoint", "6,5"},   {"leftbottompoint", "0,35"}, {"stretcheffect", "0"},
                    {"gripperrect", "0,0,0,0"}, {"grippertransparent", "0"}};
  for (const auto& [key, value] : changes) keys[key] = value;
  return keys;
}

TspSkinData* SplitterSkin(const TLookKeys& changes = {}) {
  return skinbuttons::SkinWithLook("splitter", SplitterKeys(changes));
}

class SplitterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitializeSkinControls();
    form = testsupport::ShowTestForm(400, 300);
    focus = new TEdit(form);
    focus->SetParent(form);
    focus->SetAlign(alClient);
    form->SetActiveControl(focus);
  }
  void TearDown() override { delete form; }

  // A panel aligned `align` of `size`, and a live splitter placed just beyond it.
  TspCustomSplitter* PlaceLive(TAlign align, int size) {
    pane = new TPanel(form);
    pane->SetParent(form);
    pane->SetAlign(align);
    if (LyingSplitter(align)) pane->SetHeight(size);
    else pane->SetWidth(size);
    auto* splitter = new TspCustomSplitter(form);
    splitter->SetAlign(align);
    const TRect p = pane->BoundsRect();
    const TPoint beyond = align == alLeft ? TPoint{p.Right, 0}
                          : align == alRight ? TPoint{p.Left - 3, 0}
                          : align == alTop   ? TPoint{0, p.Bottom}
                                             : TPoint{0, p.Top - 3};
    splitter->SetBounds(beyond.X, beyond.Y, 3, 3);
    splitter->SetParent(form);
    splitter->OnMoved = moved.Event();
    testsupport::ServeApplication(20);
    return splitter;
  }

  int PaneSize(TAlign align) const { return LyingSplitter(align) ? pane->Height() : pane->Width(); }

  // The middle of the splitter in form coordinates, moved by (dx, dy).
  static TPoint Grip(TControl* splitter, int dx = 0, int dy = 0) {
    return TPoint{splitter->Left() + splitter->Width() / 2 + dx, splitter->Top() + splitter->Height() / 2 + dy};
  }

  void Press(TControl* splitter) {
    const TPoint at = Grip(splitter);
    HoldMouse(form, at.X, at.Y);
    start = at;
  }
  void MoveBy(int dx, int dy) { MoveMouse(form, start.X + dx, start.Y + dy); }

  TForm* form = nullptr;
  TEdit* focus = nullptr;
  TPanel* pane = nullptr;
  TPoint start{0, 0};
  skinbuttons::TCallCounter moved;
};

struct TDrag {
  TAlign align;
  int dx, dy;
  int expected;
};

TEST_F(SplitterTest, DraggingResizesTheNeighbourLiveOnEveryEdge) {
  const TDrag drags[] = {{alLeft, 50, 0, 250},  {alLeft, -60, 0, 140}, {alRight, -40, 0, 240},
                         {alTop, 0, 30, 130},   {alBottom, 0, -25, 125}};
  for (const TDrag& drag : drags) {
    SCOPED_TRACE(testing::Message() << "align " << drag.align << " by " << drag.dx << "," << drag.dy);
    const int size = drag.align == alLeft || drag.align == alRight ? 200 : 100;
    TspCustomSplitter* splitter = PlaceLive(drag.align, size);
    Press(splitter);
    MoveBy(drag.dx, drag.dy);
    // Live: the size follows before the release.
    EXPECT_EQ(drag.expected, PaneSize(drag.align));
    ReleaseMouse();
    EXPECT_EQ(drag.expected, PaneSize(drag.align));
    EXPECT_GT(moved.count, 0);
    // The splitter stays beside its neighbour.
    const TRect p = pane->BoundsRect();
    const int gap = drag.align == alLeft ? splitter->Left() - p.Right
                    : drag.align == alRight ? p.Left - splitter->Left() - splitter->Width()
                    : drag.align == alTop   ? splitter->Top() - p.Bottom
                                            : p.Top - splitter->Top() - splitter->Height();
    EXPECT_EQ(0, gap);
    delete splitter;
    delete pane;
  }
}

TEST_F(SplitterTest, BelowMinSizeTheNeighbourSnapsShutOnlyWithAutoSnap) {
  for (bool autoSnap : {true, false}) {
    SCOPED_TRACE(autoSnap);
    TspCustomSplitter* splitter = PlaceLive(alLeft, 200);
    splitter->SetAutoSnap(autoSnap);
    Press(splitter);
    MoveBy(-185, 0);
    ReleaseMouse();
    EXPECT_EQ(autoSnap ? 0 : 30, pane->Width());
    delete splitter;
    delete pane;
  }
}

TEST_F(SplitterTest, EscapeStopsTheDragKeepingTheWidthAndGivesTheKeysBack) {
  int editKeys = 0;
  struct TKeyCounter {
    int* count;
    void KeyDown(TObject*, WORD&, TShiftState) { ++*count; }
  } counter{&editKeys};
  focus->OnKeyDown = TKeyEvent(&counter, &TKeyCounter::KeyDown);
  TspCustomSplitter* splitter = PlaceLive(alLeft, 200);
  Press(splitter);
  MoveBy(50, 0);
  const int movedBefore = moved.count;
  testsupport::PressKey(VK_ESCAPE);
  EXPECT_GT(moved.count, movedBefore);
  EXPECT_EQ(nullptr, splitter->Neighbour());
  MoveBy(90, 0);
  ReleaseMouse();
  EXPECT_EQ(250, pane->Width());
  // The edit has its own key handler again.
  testsupport::PressKey('A');
  EXPECT_EQ(1, editKeys);
}

TEST_F(SplitterTest, ARefusingOnCanResizeKeepsTheWidthAndAnAdjustingOneSetsIt) {
  struct TPolicy {
    std::function<bool(int&)> decide;
    void CanResize(TObject*, int& size, bool& accept) { accept = decide(size); }
  };
  TPolicy refuse{[](int&) { return false; }};
  TPolicy halve{[](int& size) {
    size /= 2;
    return true;
  }};
  const std::pair<TPolicy*, int> cases[] = {{&refuse, 200}, {&halve, 125}};
  for (const auto& [policy, expected] : cases) {
    TspCustomSplitter* splitter = PlaceLive(alLeft, 200);
    splitter->OnCanResize = TCanResizeEvent(policy, &TPolicy::CanResize);
    Press(splitter);
    MoveBy(50, 0);
    EXPECT_EQ(expected, pane->Width());
    ReleaseMouse();
    delete splitter;
    delete pane;
  }
}

TEST_F(SplitterTest, APressWithoutANeighbourStartsNoDrag) {
  auto* splitter = new TspCustomSplitter(form);
  splitter->SetAlign(alNone);
  splitter->SetBounds(100, 100, 6, 40);
  splitter->SetParent(form);
  testsupport::ServeApplication(20);
  Press(splitter);
  EXPECT_EQ(nullptr, splitter->Neighbour());
  MoveBy(30, 0);
  ReleaseMouse();
  EXPECT_EQ(100, splitter->Left());
  EXPECT_EQ(0, moved.count);
}

// Both skinned splitters, made the same way.
struct TSkinnedKind {
  const char* name;
  std::function<TControl*(TForm*, const char*)> make;
};

template <class S>
TControl* MakeSplitter(TForm* form, const char* look) {
  auto* splitter = new S(form);
  splitter->SetSkinDataName(look);
  return splitter;
}

const TSkinnedKind kSkinned[] = {{"TspSkinSplitter", MakeSplitter<TspSkinSplitter>},
                                 {"TspSkinSplitterEx", MakeSplitter<TspSkinSplitterEx>}};

TControl* PlaceSkinned(TForm* form, const TSkinnedKind& kind, TAlign align, const char* look = "splitter") {
  TControl* splitter = kind.make(form, look);
  splitter->SetAlign(align);
  splitter->SetParent(form);
  return splitter;
}

COLORREF PicturePixel(int x, int y) {
  return static_cast<COLORREF>(skintest::PictureColour(skintest::piActive0, x, y));
}

TEST_F(SplitterTest, SkinnedSplittersTakeTheLooksThicknessAndDrawItsStrip) {
  TspSkinData* skin = SplitterSkin();
  for (const TSkinnedKind& kind : kSkinned) {
    SCOPED_TRACE(kind.name);
    TControl* upright = PlaceSkinned(form, kind, alLeft);
    TControl* lying = PlaceSkinned(form, kind, alTop);
    for (TControl* splitter : {upright, lying}) dynamic_cast<IspSkinControl*>(splitter)->SetSkinData(skin);
    testsupport::ServeApplication(30);
    EXPECT_EQ(kStrip.Width(), upright->Width());
    EXPECT_EQ(kStrip.Height(), lying->Height());
    // Upright: the ends stay, the middle rows tile down the bar.
    const int y = upright->Height() - 2;
    const int fromBottom = kStrip.Height() - 2;
    EXPECT_EQ(PicturePixel(3, 2), testsupport::ControlPixel(upright, 3, 2));
    EXPECT_EQ(PicturePixel(3, fromBottom), testsupport::ControlPixel(upright, 3, y));
    EXPECT_EQ(PicturePixel(4, 5 + (60 - 5) % 30), testsupport::ControlPixel(upright, 4, 60));
    delete upright;
    delete lying;
  }
}

TEST_F(SplitterTest, WithoutALookOrWhenTransparentTheThicknessIsDefaultSize) {
  TspSkinData* skin = SplitterSkin();
  TspSkinData* other = skinbuttons::SkinWithLook("button", {});
  for (const TSkinnedKind& kind : kSkinned) {
    SCOPED_TRACE(kind.name);
    // A look of another kind counts as none.
    TControl* wrongKind = PlaceSkinned(form, kind, alLeft, "button");
    dynamic_cast<IspSkinControl*>(wrongKind)->SetSkinData(other);
    EXPECT_EQ(10, wrongKind->Width());
    delete wrongKind;
  }
  auto* transparent = new TspSkinSplitter(form);
  transparent->SetSkinDataName("splitter");
  transparent->SetAlign(alTop);
  transparent->SetParent(form);
  transparent->SetTransparent(true);
  transparent->SetDefaultSize(7);
  transparent->SetSkinData(skin);
  EXPECT_EQ(7, transparent->Height());
}

TEST_F(SplitterTest, ASkinChangeGivesBothSplittersTheNewLook) {
  TspSkinData skin(nullptr);
  skin.LoadFromFile(skinbuttons::WriteSkinWithLook("splitters_reskin_a", "splitter", SplitterKeys()).c_str());
  TReskinRelay relay(form);
  std::vector<TControl*> splitters;
  for (const TSkinnedKind& kind : kSkinned) {
    splitters.push_back(PlaceSkinned(form, kind, alLeft));
    dynamic_cast<IspSkinControl*>(splitters.back())->SetSkinData(&skin);
    EXPECT_EQ(6, splitters.back()->Width());
  }
  skin.LoadFromFile(
      skinbuttons::WriteSkinWithLook("splitters_reskin_b", "splitter", SplitterKeys({{"skinrect", "8,0,17,40"}}))
          .c_str());
  testsupport::ServeApplication(30);
  for (TControl* splitter : splitters) {
    EXPECT_EQ(9, splitter->Width());
    EXPECT_EQ(PicturePixel(8 + 4, 2), testsupport::ControlPixel(splitter, 4, 2));
  }
}

}  // namespace
