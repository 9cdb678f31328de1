// Re-skinning: the skin data's change messages reach every control on that skin at any
// depth (through the relay that stands in for the skinned form), a skin data that is not
// loaded yet changes nothing, and the window-less bases size and centre themselves.
#include <gtest/gtest.h>

#include "ReskinRelay.h"
#include "SkinControlsFixtures.h"
#include "window_support.h"

using namespace skinbases;

namespace {

class SkinBasesReskin : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(testsupport::ShowTestForm(320, 240));
    testsupport::ServeApplication(50);
  }

  template <class C>
  C* Place(TWinControl* parent, TspSkinData* skin, int left, int top) {
    auto* control = new C(form.get());
    control->SetParent(parent);
    control->SetBounds(left, top, 60, 40);
    control->SetSkinDataName("panel");
    control->SetSkinData(skin);
    return control;
  }

  std::unique_ptr<TForm> form;
};

// A tool bar as its skinned children see it: its client rectangle is 40..70 down.
class TStandInToolBar : public TCustomControl, public IspSkinToolBarParent {
  CLASSLIB_CLASS(TStandInToolBar, TCustomControl)
 public:
  explicit TStandInToolBar(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  }
  bool AdjustControls() const override { return adjust; }
  TRect SkinClientRect() override { return Rect(4, 40, 196, 70); }
  TCustomImageList* Images() const override { return nullptr; }
  TCustomImageList* HotImages() const override { return nullptr; }
  TCustomImageList* DisabledImages() const override { return nullptr; }

  bool adjust = true;
};

}  // namespace

TEST_F(SkinBasesReskin, ALoadReskinsEveryControlOnThatSkinOnceAtAnyDepth) {
  TspSkinData skinA(nullptr), skinB(nullptr);
  TReskinRelay relay(form.get());
  auto* outer = Place<TTestSkinControl>(form.get(), &skinA, 0, 0);
  auto* inner = Place<TTestSkinControl>(outer, &skinA, 0, 0);
  auto* deepGraphic = Place<TTestGraphicSkinControl>(inner, &skinA, 0, 0);
  auto* deepOther = Place<TTestSkinControl>(inner, &skinB, 0, 0);
  auto* topOther = Place<TTestGraphicSkinControl>(form.get(), &skinB, 100, 0);
  auto* topGraphic = Place<TTestGraphicSkinControl>(form.get(), &skinA, 100, 50);

  skinA.LoadFromFile(WriteBasesSkin("skinbases_reskin_a").c_str());

  EXPECT_EQ("BC", outer->calls);
  EXPECT_EQ("BC", inner->calls);
  EXPECT_EQ("BC", deepGraphic->calls);
  EXPECT_EQ("BC", topGraphic->calls);
  EXPECT_EQ("", deepOther->calls);
  EXPECT_EQ("", topOther->calls);
  EXPECT_NE(-1, deepGraphic->LookIndex());
  EXPECT_EQ(-1, deepOther->LookIndex());

  SendMessageA(form->Handle(), WM_BEFORECHANGESKINDATA, 0, 1000);
  SendMessageA(form->Handle(), WM_CHANGESKINDATA, 0, 1000);
  for (const std::string* calls : {&outer->calls, &inner->calls, &deepGraphic->calls, &topGraphic->calls})
    EXPECT_EQ("BCBC", *calls);
  EXPECT_EQ("BC", deepOther->calls);
  EXPECT_EQ("BC", topOther->calls);
}

TEST_F(SkinBasesReskin, ASkinDataThatIsNotLoadedChangesNothing) {
  TspSkinData empty(nullptr);
  auto* windowed = Place<TTestSkinControl>(form.get(), &empty, 0, 0);
  auto* graphic = Place<TTestGraphicSkinControl>(form.get(), &empty, 100, 0);
  EXPECT_EQ("", windowed->calls);
  EXPECT_EQ("", graphic->calls);
  EXPECT_EQ(&empty, windowed->SkinData());
  EXPECT_EQ(-1, graphic->LookIndex());
}

TEST_F(SkinBasesReskin, TheLookNameAloneRepaintsNothing) {
  auto skin = LoadBasesSkin("skinbases_reskin_name");
  auto* graphic = Place<TTestGraphicSkinControl>(form.get(), skin.get(), 10, 10);
  graphic->SetBounds(10, 10, 64, 48);
  testsupport::ServeApplication(50);
  const int paints = graphic->paints;
  graphic->SetSkinDataName("label");
  testsupport::ServeApplication(50);
  EXPECT_EQ(paints, graphic->paints);
  EXPECT_EQ(skin->GetControlIndex("panel"), graphic->LookIndex());
  graphic->Repaint();
  testsupport::ServeApplication(50);
  EXPECT_EQ(skin->GetControlIndex("label"), graphic->LookIndex());
}

TEST_F(SkinBasesReskin, AResizedWindowLessControlRecomputesItsGeometry) {
  auto skin = LoadBasesSkin("skinbases_reskin_resize");
  auto* graphic = Place<TTestGraphicSkinControl>(form.get(), skin.get(), 10, 10);
  testsupport::ServeApplication(50);
  const int paints = graphic->paints;
  graphic->SetBounds(10, 10, 150, 100);
  testsupport::ServeApplication(50);
  EXPECT_GT(graphic->paints, paints);
  EXPECT_EQ(Point(140, 8), graphic->NRT);
  EXPECT_EQ(Rect(10, 8, 140, 92), graphic->NCR);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(ERROR, GetWindowRgn(form->Handle(), copy));
  DeleteObject(copy);
}

TEST_F(SkinBasesReskin, AToolBarParentCentresItsSkinnedChildren) {
  auto* bar = new TStandInToolBar(form.get());
  bar->SetParent(form.get());
  bar->SetBounds(0, 0, 200, 80);
  for (bool adjust : {true, false}) {
    SCOPED_TRACE(adjust ? "AdjustControls on" : "AdjustControls off");
    bar->adjust = adjust;
    auto* windowed = new TTestSkinControl(form.get());
    windowed->SetParent(bar);
    windowed->SetBounds(10, 3, 50, 20);
    auto* graphic = new TTestGraphicSkinControl(form.get());
    graphic->SetParent(bar);
    graphic->SetBounds(70, 3, 50, 11);
    // 40 + 30 div 2 - height div 2
    EXPECT_EQ(adjust ? 45 : 3, windowed->Top());
    EXPECT_EQ(adjust ? 50 : 3, graphic->Top());
  }
}
