// The track bar: its position kept in range, OnChange for each change by code or key, the
// system's tick marks.
#include <gtest/gtest.h>

#include <memory>

#include "../formres/Defaults.h"
#include "../windowing/WindowingFixtures.h"
#include "classlib/comctrls/TrackBar.h"
#include "classlib/formres/ControlClasses.h"

#include <commctrl.h>

namespace {

class TChangeCounter : public TObject {
 public:
  int changes = 0;
  void Changed(TObject*) { ++changes; }
};

void Press(BYTE vk) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), 0, 0);
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), KEYEVENTF_KEYUP, 0);
  ServeApplication(80);
}

class TrackBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(300, 100));
    bar = new TTrackBar(form.get());
    bar->SetBounds(10, 10, 250, 45);
    bar->SetMax(1000);
    bar->OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
    bar->SetParent(form.get());
    SetForegroundWindow(form->Handle());
    ServeApplication(60);
  }
  std::unique_ptr<TForm> form;
  TTrackBar* bar = nullptr;
  TChangeCounter counter;
};

TEST_F(TrackBarTest, PositionStaysInRangeAndEachChangeFiresOnChangeOnce) {
  bar->SetPosition(1500);
  EXPECT_EQ(1000, bar->Position());
  EXPECT_EQ(1, counter.changes);
  bar->SetPosition(1000);  // unchanged: no event
  EXPECT_EQ(1, counter.changes);
  bar->SetPosition(-5);
  EXPECT_EQ(0, bar->Position());
  EXPECT_EQ(0, SendMessageA(bar->Handle(), TBM_GETPOS, 0, 0));
  EXPECT_EQ(2, counter.changes);
  bar->SetMax(500);
  bar->SetPosition(400);
  bar->SetMax(300);  // the position follows the range
  EXPECT_EQ(300, bar->Position());
  EXPECT_EQ(4, counter.changes);

  bar->SetFocus();
  ServeApplication(60);
  Press(VK_RIGHT);
  EXPECT_EQ(300, bar->Position());  // at the end of the range: no move, no event
  EXPECT_EQ(4, counter.changes);
}

TEST_F(TrackBarTest, AnArrowKeyMovesThePositionAndFiresOnChangeOnce) {
  bar->SetPosition(100);
  counter.changes = 0;
  bar->SetFocus();
  ServeApplication(60);
  Press(VK_RIGHT);
  EXPECT_EQ(101, bar->Position());
  EXPECT_EQ(1, counter.changes);
  Press(VK_LEFT);
  EXPECT_EQ(100, bar->Position());
  EXPECT_EQ(2, counter.changes);
}

TEST_F(TrackBarTest, WithFrequency100TheSystemsTicksAre100Apart) {
  bar->SetFrequency(100);
  const auto first = static_cast<int>(SendMessageA(bar->Handle(), TBM_GETTIC, 0, 0));
  const auto second = static_cast<int>(SendMessageA(bar->Handle(), TBM_GETTIC, 1, 0));
  EXPECT_EQ(100, second - first);
  EXPECT_EQ(9, SendMessageA(bar->Handle(), TBM_GETNUMTICS, 0, 0) - 2);  // both ends count too
}

TEST(TrackBarDefaults, RegisteredDefaultsAreTheStateOfANewTrackBar) {
  InitializeControlClasses();
  TTrackBar bar(nullptr), fresh(nullptr);
  ApplyDefaults(&bar, {"Min", "Max", "Position", "Frequency", "Orientation", "TabStop", "Color"});
  EXPECT_EQ(fresh.Min(), bar.Min());
  EXPECT_EQ(fresh.Max(), bar.Max());
  EXPECT_EQ(fresh.Position(), bar.Position());
  EXPECT_EQ(fresh.Frequency(), bar.Frequency());
  EXPECT_EQ(fresh.Orientation(), bar.Orientation());
  EXPECT_EQ(fresh.Color(), bar.Color());
}

}  // namespace
