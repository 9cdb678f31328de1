// The framed splitter's bar position, margins, fixed pane and pane layout on screen.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrCommon.h"
#include "framed/FrSplit.h"
#include "window_support.h"

namespace {

class TChangeLog {
 public:
  void Changing(TObject*, int newPos, bool& allow) {
    ++changing;
    lastAsked = newPos;
    allow = !refuse;
  }
  void Changed(TObject*) { ++changed; }

  bool refuse = false;
  int changing = 0;
  int changed = 0;
  int lastAsked = -1;
};

class FramedSplitter : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { form_ = testsupport::ShowTestForm(640, 400); }
  static void TearDownTestSuite() {
    delete form_;
    form_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(nullptr, form_);
    splitter_ = new TFrSplitter(form_);
    splitter_->SetParent(form_);
    splitter_->SetBounds(0, 0, 200, 100);
  }
  void TearDown() override { delete splitter_; }

  int FirstExtent() const { return splitter_->UpperLeftPane()->Width(); }
  int SecondExtent() const { return splitter_->LowerRightPane()->Width(); }

  static TForm* form_;
  TFrSplitter* splitter_ = nullptr;
};

TForm* FramedSplitter::form_ = nullptr;

struct PercentCase {
  int width;
  int position;  // Nearest(0.5 x (width - 2)), halves to even
};

class FramedSplitterPercent : public FramedSplitter, public ::testing::WithParamInterface<PercentCase> {};

TEST_P(FramedSplitterPercent, TheBarStaysInTheMiddleAndThePanesFillEitherSide) {
  splitter_->SetPercent(50);
  ASSERT_TRUE(splitter_->UsePercent());
  splitter_->SetBounds(0, 0, GetParam().width, 100);
  EXPECT_EQ(GetParam().position, splitter_->Position());
  EXPECT_EQ(GetParam().position, FirstExtent());
  EXPECT_EQ(GetParam().position + 4, splitter_->LowerRightPane()->Left());
  EXPECT_EQ(GetParam().width - GetParam().position - 4, SecondExtent());
  EXPECT_EQ(Rect(GetParam().position, 0, GetParam().position + 4, 100), splitter_->BarRect());
}

INSTANTIATE_TEST_SUITE_P(Widths, FramedSplitterPercent,
                         ::testing::Values(PercentCase{201, 100}, PercentCase{203, 100}, PercentCase{205, 102},
                                           PercentCase{300, 149}, PercentCase{451, 224}));

TEST_F(FramedSplitter, ThePercentSurvivesTinySizesOnTheWay) {
  splitter_->SetPercent(50);
  for (int width : {5, 9, 3, 300}) splitter_->SetBounds(0, 0, width, 100);
  EXPECT_EQ(50, splitter_->Percent());
  EXPECT_EQ(149, splitter_->Position());
}

TEST_F(FramedSplitter, AHiddenPaneLeavesTheWholeAreaToTheOtherAndNoBar) {
  splitter_->SetPosition(60);
  splitter_->LowerRightPane()->SetPaneVisible(false);
  EXPECT_EQ(200, FirstExtent());
  EXPECT_EQ(0, splitter_->BarRect().Width());
  splitter_->LowerRightPane()->SetPaneVisible(true);
  splitter_->UpperLeftPane()->SetPaneVisible(false);
  EXPECT_EQ(0, splitter_->LowerRightPane()->Left());
  EXPECT_EQ(200, SecondExtent());
  EXPECT_EQ(0, splitter_->BarRect().Width());
}

TEST_F(FramedSplitter, APositionBeyondTheRangeStopsBeforeTheMarginBarAndLeftTopBorders) {
  splitter_->SetBorderOuter(fsGroove);  // 2 on each side
  splitter_->SetBorderInner(fsFlat);    // 1 on each side
  splitter_->SetMarginMax(10);
  splitter_->SetMarginMin(20);
  // The depth counts both borders once for the left and once for the top side: 6.
  splitter_->SetPosition(500);
  EXPECT_EQ(200 - 10 - 4 - 2 * 6, splitter_->Position());
  splitter_->SetPosition(5);
  EXPECT_EQ(20, splitter_->Position());
  // Without a top border only the left one counts.
  splitter_->SetBorderSides(TSides{sdLeft, sdRight, sdBottom});
  splitter_->SetPosition(500);
  EXPECT_EQ(200 - 10 - 4 - 2 * 3, splitter_->Position());
}

TEST_F(FramedSplitter, ARefusedChangeKeepsThePositionAndReportsNoChange) {
  TChangeLog log;
  splitter_->OnChanging = TPositionChangingEvent(&log, &TChangeLog::Changing);
  splitter_->OnChange = TNotifyEvent(&log, &TChangeLog::Changed);
  splitter_->SetPosition(500);  // asked with the clamped value
  EXPECT_EQ(196, log.lastAsked);
  EXPECT_EQ(1, log.changed);
  log.refuse = true;
  splitter_->SetPosition(50);
  EXPECT_EQ(196, splitter_->Position());
  EXPECT_EQ(196, FirstExtent());
  EXPECT_EQ(2, log.changing);
  EXPECT_EQ(1, log.changed);
}

TEST_F(FramedSplitter, TheLowerRightPaneKeepsItsWidthWhenTheSplitterWidens) {
  splitter_->SetFixedPane(fpLowerRight);
  splitter_->MoveBarTo(120);
  const int second = SecondExtent();
  splitter_->SetBounds(0, 0, 320, 100);
  EXPECT_EQ(second, SecondExtent());
  EXPECT_EQ(240, splitter_->Position());
}

TEST_F(FramedSplitter, APaneSqueezedByANarrowSplitterGrowsBackToItsPreferredWidth) {
  splitter_->MoveBarTo(150);
  splitter_->SetBounds(0, 0, 90, 100);
  EXPECT_EQ(86, splitter_->Position());
  splitter_->SetBounds(0, 0, 300, 100);
  EXPECT_EQ(150, splitter_->Position());
  EXPECT_EQ(150, FirstExtent());
}

TEST_F(FramedSplitter, AVerticalSplitterStacksThePanes) {
  splitter_->SetOrientation(orVertical);
  splitter_->SetPosition(30);
  EXPECT_EQ(30, splitter_->UpperLeftPane()->Height());
  EXPECT_EQ(34, splitter_->LowerRightPane()->Top());
  EXPECT_EQ(100 - 34, splitter_->LowerRightPane()->Height());
  EXPECT_EQ(Rect(0, 30, 200, 34), splitter_->BarRect());
}

TEST_F(FramedSplitter, ABorderWidthSetByCodeMovesThePanesInside) {
  splitter_->SetPosition(60);
  splitter_->SetBorderWidth(5);
  EXPECT_EQ(Rect(5, 5, 65, 95), splitter_->UpperLeftPane()->BoundsRect());
  EXPECT_EQ(195, splitter_->LowerRightPane()->BoundsRect().Right);
}

TEST_F(FramedSplitter, ShowingAControlInAHiddenPaneShowsThePane) {
  splitter_->SetPosition(60);
  auto* inner = new TFrPanel(form_);
  inner->SetParent(splitter_->UpperLeftPane());
  inner->SetVisible(false);
  splitter_->UpperLeftPane()->SetPaneVisible(false);
  ASSERT_EQ(0, FirstExtent());
  inner->Show();
  EXPECT_TRUE(splitter_->UpperLeftPane()->Visible());
  EXPECT_EQ(60, FirstExtent()) << "the panes are laid out again";
  EXPECT_TRUE(inner->Visible());
}

TEST_F(FramedSplitter, ShowingAPaneMovesTheFormsActiveControlFromInsideToTheSplitter) {
  auto* edit = new TFrPanel(form_);
  edit->SetParent(splitter_->LowerRightPane());
  form_->SetActiveControl(edit);
  splitter_->UpperLeftPane()->SetPaneVisible(false);
  splitter_->UpperLeftPane()->Show();
  EXPECT_EQ(splitter_, form_->ActiveControl());
  // Outside the splitter the active control stays.
  form_->SetActiveControl(nullptr);
  splitter_->UpperLeftPane()->SetPaneVisible(false);
  splitter_->UpperLeftPane()->Show();
  EXPECT_EQ(nullptr, form_->ActiveControl());
}

// Whether `control`'s window waits for a repaint.
bool NeedsPaint(TWinControl* control) { return GetUpdateRect(control->Handle(), nullptr, FALSE) != FALSE; }

TEST_F(FramedSplitter, ShowingTheSplitterAndThePointerOnAPaneRepaintThePane) {
  TFrSplitterPane* first = splitter_->UpperLeftPane();
  TFrSplitterPane* second = splitter_->LowerRightPane();
  testsupport::ServeApplication(50);
  UpdateWindow(first->Handle());
  UpdateWindow(second->Handle());
  ASSERT_FALSE(NeedsPaint(first));
  SendMessageA(splitter_->Handle(), WM_SHOWWINDOW, TRUE, 0);
  EXPECT_TRUE(NeedsPaint(first));
  EXPECT_TRUE(NeedsPaint(second));
  UpdateWindow(second->Handle());
  second->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(NeedsPaint(second));
  UpdateWindow(second->Handle());
  second->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(NeedsPaint(second));
}

TEST_F(FramedSplitter, AVisibleHotSpotWidensTheBarAndSitsInItsMiddle) {
  splitter_->SetHotSpotVisible(true);
  EXPECT_EQ(7, splitter_->SplitterWidth());
  splitter_->SetPosition(50);
  // 40 % of 100 is 40: 20 either side of the middle.
  EXPECT_EQ(Rect(50, 30, 57, 70), splitter_->HotSpotRect());
}

}  // namespace

namespace {

// A framed panel that counts its destructions.
class TCountedPanel : public TFrPanel {
  CLASSLIB_CLASS(TCountedPanel, TFrPanel)
 public:
  using TFrPanel::TFrPanel;
  ~TCountedPanel() override { ++freed; }
  static int freed;
};

int TCountedPanel::freed = 0;

class TSplitterForm : public TForm {
  CLASSLIB_CLASS(TSplitterForm, TForm)
 public:
  explicit TSplitterForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TFrSplitter* Split = nullptr;
  TCountedPanel* Files = nullptr;
  TCountedPanel* Details = nullptr;
};

TEST(FramedSplitterResource, NamedChildrenMoveIntoTheirPanesAndStayOwnedByTheForm) {
  RegisterClassProperties(TCountedPanel::StaticClass(), {});
  RegisterFormClass(TSplitterForm::StaticClass(), {},
                    {Field("Split", &TSplitterForm::Split), Field("Files", &TSplitterForm::Files),
                     Field("Details", &TSplitterForm::Details)});
  std::unique_ptr<TSplitterForm> form(testsupport::ShowForm<TSplitterForm>(nullptr));
  ASSERT_NE(nullptr, form->Split);
  TFrSplitter* split = form->Split;
  EXPECT_EQ(7, split->SplitterWidth());
  EXPECT_TRUE(split->UsePercent());
  EXPECT_TRUE(split->LockBar());
  EXPECT_EQ(split->UpperLeftPane(), form->Files->Parent());
  EXPECT_EQ(split->LowerRightPane(), form->Details->Parent());
  EXPECT_EQ(form.get(), form->Files->Owner());
  EXPECT_EQ(form.get(), form->Details->Owner());
  EXPECT_EQ(50, split->Percent());
  // In the middle of 600 less half the bar: Nearest(0.5 x 597).
  EXPECT_EQ(298, split->Position());
  EXPECT_EQ(298, form->Files->Width());
  EXPECT_EQ(600 - 298 - 7 - 2, form->Details->Width()) << "inside the second pane's flat border";
  // The panes' looks are read through the nested pane data.
  EXPECT_EQ(clWhite, split->UpperLeftPane()->Color());
  EXPECT_EQ(fsFlat, split->LowerRightPane()->BorderOuter());
  EXPECT_TRUE(split->LowerRight()->DockSite());
  TCountedPanel::freed = 0;
  form.reset();
  EXPECT_EQ(2, TCountedPanel::freed) << "each child is freed once, with the form";
}

}  // namespace

namespace {

class TSplitterPaneForm : public TForm {
  CLASSLIB_CLASS(TSplitterPaneForm, TForm)
 public:
  explicit TSplitterPaneForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TFrSplitter* Split = nullptr;
  TFrSplitterPane* Extra = nullptr;
  TFrPanel* Note = nullptr;
};

TEST(FramedSplitterResource, AStreamedPaneFindsItsSplitterAndItsChildrenBelongToTheForm) {
  RegisterFormClass(TSplitterPaneForm::StaticClass(), {},
                    {Field("Split", &TSplitterPaneForm::Split), Field("Extra", &TSplitterPaneForm::Extra),
                     Field("Note", &TSplitterPaneForm::Note)});
  std::unique_ptr<TSplitterPaneForm> form(testsupport::ShowForm<TSplitterPaneForm>(nullptr));
  ASSERT_NE(nullptr, form->Extra);
  EXPECT_EQ(form->Split, form->Extra->Splitter());
  EXPECT_EQ(form->Split, form->Extra->Parent());
  EXPECT_EQ(clWhite, form->Extra->Color());
  EXPECT_EQ(form->Extra, form->Note->Parent());
  EXPECT_EQ(form.get(), form->Note->Owner());
}

}  // namespace

namespace {

class TSplitterTabForm : public TForm {
  CLASSLIB_CLASS(TSplitterTabForm, TForm)
 public:
  explicit TSplitterTabForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TFrSplitter* Split = nullptr;
  TFrPanel* First = nullptr;
  TFrPanel* Second = nullptr;
  TFrPanel* Third = nullptr;
};

TEST(FramedSplitterResource, ChildrenMovedIntoAPaneKeepTheTabOrderTheyWereReadWith) {
  RegisterFormClass(TSplitterTabForm::StaticClass(), {},
                    {Field("Split", &TSplitterTabForm::Split), Field("First", &TSplitterTabForm::First),
                     Field("Second", &TSplitterTabForm::Second), Field("Third", &TSplitterTabForm::Third)});
  std::unique_ptr<TSplitterTabForm> form(testsupport::ShowForm<TSplitterTabForm>(nullptr));
  ASSERT_NE(nullptr, form->Third);
  EXPECT_EQ(form->Split->UpperLeftPane(), form->Third->Parent());
  const std::vector<TWinControl*> expected{form->First, form->Second, form->Third};
  EXPECT_EQ(expected, form->Split->UpperLeftPane()->TabOrderList(false));
}

}  // namespace
