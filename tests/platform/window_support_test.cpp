// The shared window-test helpers give real input and read back what a window shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "classlib/windowing/CustomControl.h"
#include "window_support.h"

using namespace testsupport;

namespace {

// A focusable control that fills itself with its colour and records the input it gets.
class TInputRecorder : public TCustomControl {
  CLASSLIB_CLASS(TInputRecorder, TCustomControl)
 public:
  explicit TInputRecorder(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
  std::vector<std::string> log;

 protected:
  void Paint() override { Canvas()->FillRect(ClientRect()); }
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    log.push_back("down " + std::to_string(button) + (shift.Contains(ssShift) ? " shift " : " ") +
                  std::to_string(x) + "," + std::to_string(y));
    SetFocus();
    TCustomControl::MouseDown(button, shift, x, y);
  }
  void DblClick() override { log.push_back("double"); }
  void KeyDown(WORD& key, TShiftState shift) override {
    log.push_back("key " + std::to_string(key) + (shift.Contains(ssCtrl) ? " ctrl" : ""));
  }
  void KeyPress(char& key) override { log.push_back(std::string("char ") + key); }
};

class WindowSupport : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(200, 120));
    control = new TInputRecorder(form.get());
    control->SetParent(form.get());
    control->SetBounds(10, 10, 100, 60);
    control->SetColor(clRed);
    SetForegroundWindow(form->Handle());
    ServeApplication(100);
  }
  std::unique_ptr<TForm> form;
  TInputRecorder* control = nullptr;
};

TEST_F(WindowSupport, ClickReachesTheControlOnceAtItsClientPoint) {
  Click(control, 30, 20);
  Click(control, 40, 25, mbRight, TShiftState() << ssShift);
  ServeApplication(GetDoubleClickTime() + 50);
  EXPECT_EQ((std::vector<std::string>{"down 0 30,20", "down 1 shift 40,25"}), control->log);
}

TEST_F(WindowSupport, DoubleClickIsOneDoubleClick) {
  DoubleClick(control, 30, 20);
  ServeApplication(GetDoubleClickTime() + 50);
  EXPECT_EQ(1, std::count(control->log.begin(), control->log.end(), "double"));
}

TEST_F(WindowSupport, KeysAndTextReachTheFocusedControl) {
  Click(control, 5, 5);
  control->log.clear();
  PressKey('S', TShiftState() << ssCtrl);
  TypeText("a!");
  const std::vector<std::string> expected{"key 83 ctrl", "key 65", "char a", "key 16", "key 49", "char !"};
  EXPECT_EQ(expected, control->log);
}

TEST_F(WindowSupport, CapturesReadWhatTheWindowShows) {
  EXPECT_EQ(RGB(255, 0, 0), ControlPixel(control, 50, 30));
  EXPECT_EQ(static_cast<COLORREF>(ColorToRGB(clBtnFace)), ControlPixel(form.get(), 150, 100));
  auto picture = CaptureWindow(control->Handle(), Rect(0, 0, 8, 4));
  ASSERT_EQ(8, picture->Width());
  ASSERT_EQ(4, picture->Height());
  const auto* row = static_cast<const uint32_t*>(picture->ScanLine(3));
  EXPECT_EQ(0xFF0000u, row[7] & 0xFFFFFFu);
}

}  // namespace
