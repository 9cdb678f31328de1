#pragma once
// What the edit, up-down and spin edit tests share: the menu tests' form with its test
// menu host, a skin with a known "edit" look, and controls whose repeat timer is
// recorded instead of started.
#include <map>
#include <string>
#include <vector>

#include "MenuFixture.h"
#include "skin/controls/Skinctrls_SkinEdit.h"
#include "skin/controls/Skinctrls_SpinEdit.h"
#include "skin/controls/Skinctrls_UpDown.h"

namespace edittest {

// The "edit" look: the form picture (active picture 3), face (0,0,100,22), hot face
// (0,30,100,52), ends 5 wide, client (5,4,95,18), Arial 14, black text, hot text navy,
// disabled text red.
constexpr TColor kDisabledTextColour = static_cast<TColor>(0x0000FF);
std::map<std::string, std::string> EditLookValues();
// The menu tests' skin with that look, loaded once for the program.
TspSkinData* SharedEditsSkin();

// A control whose repeat timer is recorded: the intervals asked for, and whether one runs.
template <class C>
class TRecordedRepeat : public C {
 public:
  explicit TRecordedRepeat(TComponent* owner) : C(owner) {}
  std::vector<UINT> intervals;
  bool running = false;
  // One tick of the repeat timer.
  void Tick() { this->Perform(WM_TIMER, kRepeatTimerId, 0); }

 protected:
  void SetRepeatTimer(UINT interval) override {
    intervals.push_back(interval);
    running = true;
  }
  void KillRepeatTimer() override { running = false; }
};

// Counts notify events and records pressed keys.
struct TEventLog {
  int count = 0;
  std::string keys;
  void Notified(TObject*) { ++count; }
  void KeyPressed(TObject*, char& key) { keys += key; }
  TNotifyEvent Event() { return TNotifyEvent(this, &TEventLog::Notified); }
  TKeyPressEvent KeyEvent() { return TKeyPressEvent(this, &TEventLog::KeyPressed); }
};

class EditsTest : public menutest::MenuTest {
 protected:
  void SetUp() override;
  // A skinned edit on the form (no skin when `skinned` is false), focused.
  TspSkinEdit* AddEdit(bool skinned, int width = 200, int height = 22);
  // A spin edit without skin at (10, 60), 120 x 20.
  TRecordedRepeat<TspSkinSpinEdit>* AddSpinEdit();
  // The captions of the edit's context menu, and their enabled states ("+" on, "-" off).
  static std::string MenuCaptions(TspCustomEdit* edit);
  static std::string MenuStates(TspCustomEdit* edit);
};

}  // namespace edittest
