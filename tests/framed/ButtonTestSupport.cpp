#include <gtest/gtest.h>

#include "ButtonTestSupport.h"

namespace buttontests {

TForm* OnForm::form_ = nullptr;

namespace {

void Send(const INPUT& input) {
  INPUT copy = input;
  SendInput(1, &copy, sizeof copy);
  testsupport::ServeApplication(40);
}

void Key(WORD virtualKey, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  Send(input);
}

}  // namespace

void HoldLeft(TControl* control, int x, int y) {
  testsupport::MoveMouse(control, x, y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  Send(input);
}

void ReleaseLeft() {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  Send(input);
}

void HoldKey(WORD virtualKey) { Key(virtualKey, true); }
void ReleaseKey(WORD virtualKey) { Key(virtualKey, false); }

}  // namespace buttontests
