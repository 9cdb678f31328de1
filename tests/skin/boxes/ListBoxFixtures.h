#pragma once
// The skin, the form and the input the skinned list box tests share.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/windowing/Forms.h"
#include "skin/boxes/Skinboxes_ListBox.h"
#include "skin/data/Skindata_SkinData.h"

namespace boxtest {

// The "listbox" look of the test skin, cut from a picture of its own (120 x 60):
// face       (0,0,60,60): a grey frame 10 pixels wide round a 40 x 40 client piece whose
//            pixel (x, y) is ClientPieceColour(x, y)
// items      flat 40 x 20 pictures: "itemrect" (60,0), "activeitemrect" (60,20),
//            "focusitemrect" (60,40); text rectangle (2,0,38,20); no fixed ends
// caption    "captionrect" (2,0,38,10), up and down buttons at (40,1) and (48,1), 8 x 8
// text       black normally, white when selected, yellow when focused
constexpr TColor kFrame = static_cast<TColor>(0x5A5A5A);
constexpr TColor kItem = static_cast<TColor>(0x14C814);
constexpr TColor kActiveItem = static_cast<TColor>(0x1414C8);
constexpr TColor kFocusItem = static_cast<TColor>(0xC81414);
constexpr TColor kFontColour = clBlack;
constexpr TColor kActiveFontColour = clWhite;
constexpr TColor kFocusFontColour = static_cast<TColor>(0x00FFFF);
constexpr int kClientPiece = 40;
TColor ClientPieceColour(int x, int y);

std::unique_ptr<TspSkinData> LoadListBoxSkin(const std::string& folder,
                                             const std::map<std::string, std::string>& overrides = {});
// That skin without overrides, loaded once for the whole program.
TspSkinData* SharedListBoxSkin();

// A list box whose caption repeat timer calls are recorded ("S500", "S100", "K").
class TRecordedListBox : public TspSkinListBox {
  CLASSLIB_CLASS(TRecordedListBox, TspSkinListBox)
 public:
  explicit TRecordedListBox(TComponent* owner) : TspSkinListBox(owner) {}
  std::vector<std::string> timer;

 protected:
  void SetCaptionTimer(int interval) override { timer.push_back("S" + std::to_string(interval)); }
  void KillCaptionTimer() override { timer.push_back("K"); }
};

// One form on screen for a whole suite; each case places a list of 150 x 200 at (10, 10).
class ListBoxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  // Adds "item 0" .. and serves the queue.
  void Fill(int count);
  void Wheel(int delta);

  static TForm* form;
  std::unique_ptr<TRecordedListBox> list;
};

// The columns of `row` of a window whose colour is `colour`, left to right.
std::vector<int> ColumnsOf(HWND window, int row, int width, TColor colour);

// Counts the firings of an event.
struct TSenderLog {
  TObject* sender = nullptr;
  int count = 0;
  void Fire(TObject* s) {
    sender = s;
    ++count;
  }
  TNotifyEvent Event() { return TNotifyEvent(this, &TSenderLog::Fire); }
};

}  // namespace boxtest
