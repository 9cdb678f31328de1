#pragma once
// The skin, input and timer seams the value-control tests share.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/windowing/Forms.h"
#include "skin/controls/Skinctrls_ScrollBar.h"
#include "skin/controls/Skinctrls_Slider.h"
#include "skin/data/Skindata_SkinData.h"

namespace rangetest {

// The bases' test skin (tests/skin/controls) with value-control looks, all cut from the
// colour-coded active pictures (a pixel's red is twice its x, green twice its y):
// "gauge"     picture 1, face 32 x 20 stretching across, progress area (2,2,30,18), a
//             10 x 10 progress picture at (0,20), a strip of 4 frames of 8 x 10 at (0,20)
//             played every 100 ms
// "scrollbar" picture 0, face 64 x 16 stretching across (16..44), down button (0,0,16,16), up
//             button (48,0,64,16), track (16,0,48,16), a 16 x 16 thumb at (0,16)
// "trackbar"  picture 0, vertical, fixed 20 x 48, track area (2,4,18,40) (4 pixels to
//             the top, 8 to the bottom), an 16 x 8 thumb at (20,0)
// "slider"    picture 1, ruler (0,0,20,6), thumbs (0,10,22,30) and (0,10,22,30)
std::string WriteRangesSkin(const std::string& folder, const std::map<std::string, std::string>& overrides = {});
std::unique_ptr<TspSkinData> LoadRangesSkin(const std::string& folder,
                                            const std::map<std::string, std::string>& overrides = {});
// That skin without overrides, loaded once for the whole program.
TspSkinData* SharedRangesSkin();

// Real left-button input held over several steps: press at a client point of the control,
// release wherever the pointer is.
void PressLeft(TControl* control, int x, int y);
void ReleaseLeft();
// Delivers one tick of the window's timer `id` (as the system would).
void Tick(TWinControl* control, UINT_PTR id);

// The timer calls of the repeat seams, as "S500", "S50", "K" (set with an interval, kill).
class TRecordedScrollBar : public TspSkinScrollBar {
  CLASSLIB_CLASS(TRecordedScrollBar, TspSkinScrollBar)
 public:
  explicit TRecordedScrollBar(TComponent* owner) : TspSkinScrollBar(owner) {}
  std::vector<std::string> timer;

 protected:
  void SetRepeatTimer(int interval) override { timer.push_back("S" + std::to_string(interval)); }
  void KillRepeatTimer() override { timer.push_back("K"); }
};

class TRecordedSlider : public TspSkinSlider {
  CLASSLIB_CLASS(TRecordedSlider, TspSkinSlider)
 public:
  explicit TRecordedSlider(TComponent* owner) : TspSkinSlider(owner) {}
  std::vector<std::string> timer;

 protected:
  void SetJumpTimer(int interval) override { timer.push_back("S" + std::to_string(interval)); }
  void KillJumpTimer() override { timer.push_back("K"); }
};

// One form on screen for a whole suite (showing a form costs more than most cases); each
// case places its controls on it and they are freed after the case.
class RangeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override { placed.clear(); }

  template <class C>
  C* Place(int left, int top, int width, int height) {
    auto* control = new C(nullptr);
    placed.emplace_back(control);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
  }

  static TForm* form;
  std::vector<std::unique_ptr<TControl>> placed;
};

// Counts the firings of an event.
struct TCounter {
  int count = 0;
  void Fire(TObject*) { ++count; }
  TNotifyEvent Event() { return TNotifyEvent(this, &TCounter::Fire); }
};

}  // namespace rangetest
