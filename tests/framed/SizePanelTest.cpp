// The framed size panel: dragging its bar within the margins, the hot spot's collapse and
// restore, the bar's width rules and the error without a parent.
#include <gtest/gtest.h>

#include <memory>

#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/runtime/Exceptions.h"
#include "framed/FrCommon.h"
#include "framed/FrSplit.h"
#include "window_support.h"

namespace {

class FramedSizePanel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { form_ = testsupport::ShowTestForm(640, 400); }
  static void TearDownTestSuite() {
    delete form_;
    form_ = nullptr;
  }
  void TearDown() override {
    delete panel_;
    testsupport::ServeApplication(30);
  }

  // The advanced dialog's panel: on the right, 210 wide, a locked bar with a hot spot.
  void MakePanel(TAlign align, int extent) {
    panel_ = new TFrSizePanel(form_);
    panel_->SetAlign(align);
    if (align == alTop || align == alBottom) panel_->SetHeight(extent);
    else panel_->SetWidth(extent);
    panel_->SetParent(form_);
    panel_->SetColor(15395562);
    panel_->SetSizeBarWidth(7);
    testsupport::ServeApplication(30);
  }
  int Extent() const { return panel_->Align() == alTop || panel_->Align() == alBottom ? panel_->Height() : panel_->Width(); }
  // A point on the bar away from its middle (where a hot spot would be).
  TPoint OnBar() const {
    TRect bar;
    panel_->SizeBarRect(bar);
    const bool alongX = panel_->Align() == alTop || panel_->Align() == alBottom;
    return alongX ? Point(bar.Left + 20, (bar.Top + bar.Bottom) / 2) : Point((bar.Left + bar.Right) / 2, bar.Top + 20);
  }
  TPoint HotSpotMiddle() const {
    const TRect spot = panel_->HotSpotRect();
    return Point((spot.Left + spot.Right) / 2, (spot.Top + spot.Bottom) / 2);
  }

  static TForm* form_;
  TFrSizePanel* panel_ = nullptr;
};

TForm* FramedSizePanel::form_ = nullptr;

struct TCollapseCase {
  int marginMin;
  bool ignoreMargins;
  int collapsed;
};

class FramedSizePanelCollapse : public FramedSizePanel, public ::testing::WithParamInterface<TCollapseCase> {};

TEST_P(FramedSizePanelCollapse, ALockedHotSpotCollapsesToTheBarAndASecondClickRestores) {
  MakePanel(alRight, 210);
  panel_->SetHotSpotVisible(true);
  panel_->SetHotSpotSizePercent(10);
  panel_->SetLockBar(true);
  panel_->SetMarginMin(GetParam().marginMin);
  panel_->SetHotSpotIgnoreMargins(GetParam().ignoreMargins);
  TRect bar;
  panel_->SizeBarRect(bar);
  ASSERT_EQ(40, panel_->HotSpotRect().Height()) << "10 % of the bar's 400 pixels";
  testsupport::Drag(panel_, OnBar().X, OnBar().Y, OnBar().X - 50, OnBar().Y);
  EXPECT_EQ(210, panel_->Width()) << "a locked bar does not drag";
  testsupport::Click(panel_, HotSpotMiddle().X, HotSpotMiddle().Y);
  EXPECT_TRUE(panel_->HotSpotClosed());
  EXPECT_EQ(GetParam().collapsed, panel_->Width());
  EXPECT_EQ(640, panel_->Left() + panel_->Width()) << "it stays on the right edge";
  testsupport::Click(panel_, HotSpotMiddle().X, HotSpotMiddle().Y);
  EXPECT_FALSE(panel_->HotSpotClosed());
  EXPECT_EQ(210, panel_->Width());
}

INSTANTIATE_TEST_SUITE_P(Margins, FramedSizePanelCollapse,
                         ::testing::Values(TCollapseCase{0, false, 8}, TCollapseCase{5, false, 13},
                                           TCollapseCase{5, true, 8}));

TEST_F(FramedSizePanel, DraggedLeftItGrowsByTheDistanceWithinTheMargins) {
  MakePanel(alRight, 210);
  panel_->SetMarginMax(30);
  panel_->SetMarginMin(10);
  const TPoint at = OnBar();
  testsupport::Drag(panel_, at.X, at.Y, at.X - 40, at.Y);
  EXPECT_EQ(250, panel_->Width());
  EXPECT_EQ(640, panel_->Left() + panel_->Width());
  testsupport::Drag(panel_, OnBar().X, OnBar().Y, OnBar().X - 900, OnBar().Y);
  EXPECT_EQ(640 - 30, panel_->Width()) << "30 pixels of the parent stay free";
  testsupport::Drag(panel_, OnBar().X, OnBar().Y, OnBar().X + 900, OnBar().Y);
  EXPECT_EQ(10 + 7 + 1, panel_->Width()) << "the margin, the bar and the pixel beside it stay";
}

struct TEdgeCase {
  TAlign align;
  int dx;
  int dy;
  int realTimeExtent;  // after dragging back by the same distance in real time
};

class FramedSizePanelEdges : public FramedSizePanel, public ::testing::WithParamInterface<TEdgeCase> {};

TEST_P(FramedSizePanelEdges, DraggingTheBarAwayFromTheEdgeGrowsThePanel) {
  MakePanel(GetParam().align, 100);
  const TPoint at = OnBar();
  testsupport::Drag(panel_, at.X, at.Y, at.X + GetParam().dx, at.Y + GetParam().dy);
  EXPECT_EQ(130, Extent());
  // Back in real time, the pointer led across the form (a bottom or right panel moves
  // under it): each step keeps one pixel more (top, left) or less (bottom, right) than a
  // drag that waits for the release.
  panel_->SetRealTimeDrag(true);
  const TPoint from = Point(panel_->Left() + OnBar().X, panel_->Top() + OnBar().Y);
  testsupport::Drag(form_, from.X, from.Y, from.X - GetParam().dx, from.Y - GetParam().dy);
  EXPECT_EQ(GetParam().realTimeExtent, Extent());
}

INSTANTIATE_TEST_SUITE_P(Aligns, FramedSizePanelEdges,
                         ::testing::Values(TEdgeCase{alLeft, 30, 0, 101}, TEdgeCase{alRight, -30, 0, 99},
                                           TEdgeCase{alTop, 0, 30, 101}, TEdgeCase{alBottom, 0, -30, 99}));

TEST_F(FramedSizePanel, AVisibleHotSpotWidensANarrowBar) {
  MakePanel(alRight, 210);
  panel_->SetSizeBarWidth(4);
  panel_->SetHotSpotVisible(true);
  EXPECT_EQ(7, panel_->SizeBarWidth());
  panel_->SetSizeBarStyle(ssBump);
  EXPECT_EQ(7, panel_->SizeBarWidth()) << "a styled bar needs 6: 7 is kept";
}

TEST(FramedSizePanelWithoutParent, SettingMarginsRaisesNoParentSpecified) {
  TFrSizePanel panel(nullptr);
  for (auto set : {&TFrSizePanel::SetMarginMin, &TFrSizePanel::SetMarginMax}) {
    try {
      (panel.*set)(10);
      ADD_FAILURE() << "no error";
    } catch (const Exception& error) {
      EXPECT_EQ(AnsiString("No parent specified"), error.Message());
    }
  }
}

}  // namespace

namespace {

class TSizePanelForm : public TForm {
  CLASSLIB_CLASS(TSizePanelForm, TForm)
 public:
  explicit TSizePanelForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TFrSizePanel* Side = nullptr;
};

TEST(FramedSizePanelResource, APanelStoredCollapsedOpensToItsStoredExtent) {
  RegisterFormClass(TSizePanelForm::StaticClass(), {}, {Field("Side", &TSizePanelForm::Side)});
  std::unique_ptr<TSizePanelForm> form(testsupport::ShowForm<TSizePanelForm>(nullptr));
  TFrSizePanel* side = form->Side;
  ASSERT_NE(nullptr, side);
  EXPECT_TRUE(side->HotSpotClosed());
  EXPECT_EQ(8, side->Width());
  TRect bar;
  side->SizeBarRect(bar);  // places the hot spot
  const TRect spot = side->HotSpotRect();
  testsupport::Click(side, (spot.Left + spot.Right) / 2, (spot.Top + spot.Bottom) / 2);
  EXPECT_FALSE(side->HotSpotClosed());
  EXPECT_EQ(210, side->Width());
}

}  // namespace
