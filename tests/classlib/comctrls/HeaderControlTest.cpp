// The header control: a divider dragged by the pointer, owner-drawn sections.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "../windowing/WindowingFixtures.h"
#include "classlib/comctrls/HeaderControl.h"

namespace {

class THeaderLog : public TObject {
 public:
  std::vector<THeaderSection*> resized;
  std::vector<TSectionTrackState> tracked;
  std::vector<std::pair<int, TRect>> drawn;
  void Resized(THeaderControl*, THeaderSection* section) { resized.push_back(section); }
  void Tracked(THeaderControl*, THeaderSection*, int, TSectionTrackState state) { tracked.push_back(state); }
  void Draw(THeaderControl* header, THeaderSection* section, TRect rect, bool) {
    drawn.emplace_back(section->Index(), rect);
    header->Canvas()->Brush()->SetColor(section->Index() == 0 ? clRed : clBlue);
    header->Canvas()->FillRect(rect);
  }
};

class HeaderControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(300, 100));
    header = new THeaderControl(form.get());
    header->SetHeight(24);
    for (int width : {100, 80}) {
      THeaderSection* section = header->Sections()->Add();
      section->SetText(width == 100 ? "Name" : "Size");
      section->SetWidth(width);
    }
    header->OnSectionResize = TSectionNotifyEvent(&log, &THeaderLog::Resized);
    header->OnSectionTrack = TSectionTrackEvent(&log, &THeaderLog::Tracked);
    header->SetParent(form.get());
    SetForegroundWindow(form->Handle());
    ServeApplication(100);
  }
  std::unique_ptr<TForm> form;
  THeaderControl* header = nullptr;
  THeaderLog log;
};

TEST_F(HeaderControlTest, DraggingADivider20PixelsWidensItsSection20) {
  EXPECT_EQ(Bounds(0, 0, 300, 24), header->BoundsRect());  // aligned to the top
  const TPoint start = header->ClientToScreen(Point(99, 12));
  SetCursorPos(start.X, start.Y);
  ServeApplication(60);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  ServeApplication(60);
  for (int step = 5; step <= 20; step += 5) {
    SetCursorPos(start.X + step, start.Y);
    ServeApplication(40);
  }
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  ServeApplication(100);
  EXPECT_EQ(120, header->Sections()->Items(0)->Width());
  EXPECT_EQ(80, header->Sections()->Items(1)->Width());
  ASSERT_FALSE(log.resized.empty());
  EXPECT_EQ(header->Sections()->Items(0), log.resized.back());
  ASSERT_FALSE(log.tracked.empty());
  EXPECT_EQ(tsTrackBegin, log.tracked.front());
  EXPECT_EQ(tsTrackEnd, log.tracked.back());
  EXPECT_EQ(120, header->Sections()->Items(1)->Left());
}

TEST_F(HeaderControlTest, OwnerDrawnSectionsAreDrawnInTheirRectangles) {
  header->OnDrawSection = TDrawSectionEvent(&log, &THeaderLog::Draw);
  for (int i = 0; i < 2; ++i) header->Sections()->Items(i)->SetStyle(hsOwnerDraw);
  SetCursorPos(0, 0);
  RedrawWindow(header->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  testsupport::PumpUntil([&] { return log.drawn.size() >= 2; }, 2000);
  ServeApplication(100);
  ASSERT_GE(log.drawn.size(), 2u);
  bool sawSecond = false;
  for (const auto& [index, rect] : log.drawn) {
    if (index != 1) continue;
    sawSecond = true;
    EXPECT_EQ(Rect(100, 0, 180, 24), rect);
  }
  EXPECT_TRUE(sawSecond);
  const TPoint first = header->ClientToScreen(Point(50, 12));
  const TPoint second = header->ClientToScreen(Point(140, 12));
  EXPECT_EQ(clRed, static_cast<TColor>(testsupport::ScreenPixel(first.X, first.Y)));
  EXPECT_EQ(clBlue, static_cast<TColor>(testsupport::ScreenPixel(second.X, second.Y)));
}

}  // namespace
