#include "window_support.h"

namespace testsupport {
namespace {

HWND WindowOf(TControl* control, TPoint& offset) {
  offset = Point(0, 0);
  TControl* c = control;
  while (c && !dynamic_cast<TWinControl*>(c)) {
    offset.X += c->Left();
    offset.Y += c->Top();
    c = c->Parent();
  }
  return c ? static_cast<TWinControl*>(c)->Handle() : nullptr;
}

void Send(INPUT input) {
  SendInput(1, &input, sizeof input);
}

void Key(WORD virtualKey, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  Send(input);
}

void MouseButton(TMouseButton button, bool down) {
  static const DWORD flags[3][2] = {{MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN},
                                    {MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_RIGHTDOWN},
                                    {MOUSEEVENTF_MIDDLEUP, MOUSEEVENTF_MIDDLEDOWN}};
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags[button][down ? 1 : 0];
  Send(input);
}

void Modifiers(TShiftState shift, bool down) {
  static const std::pair<TShiftFlag, WORD> keys[] = {{ssCtrl, VK_CONTROL}, {ssAlt, VK_MENU}, {ssShift, VK_SHIFT}};
  for (const auto& [flag, key] : keys) {
    if (shift.Contains(flag)) Key(key, down);
  }
}

}  // namespace

void MoveMouse(TControl* control, int x, int y) {
  const TPoint at = control->ClientToScreen(Point(x, y));
  SetCursorPos(at.X, at.Y);
  ServeApplication(30);
}

void Click(TControl* control, int x, int y, TMouseButton button, TShiftState shift) {
  MoveMouse(control, x, y);
  Modifiers(shift, true);
  MouseButton(button, true);
  MouseButton(button, false);
  Modifiers(shift, false);
  ServeApplication(60);
}

void DoubleClick(TControl* control, int x, int y, TMouseButton button) {
  MoveMouse(control, x, y);
  for (int i = 0; i < 2; ++i) {
    MouseButton(button, true);
    MouseButton(button, false);
  }
  ServeApplication(60);
}

void Drag(TControl* control, int fromX, int fromY, int toX, int toY, TMouseButton button) {
  MoveMouse(control, fromX, fromY);
  MouseButton(button, true);
  ServeApplication(30);
  constexpr int steps = 4;
  for (int step = 1; step <= steps; ++step) {
    MoveMouse(control, fromX + (toX - fromX) * step / steps, fromY + (toY - fromY) * step / steps);
  }
  MouseButton(button, false);
  ServeApplication(60);
}

void PressKey(WORD virtualKey, TShiftState shift) {
  Modifiers(shift, true);
  Key(virtualKey, true);
  Key(virtualKey, false);
  Modifiers(shift, false);
  ServeApplication(30);
}

void TypeText(const std::string& text) {
  for (char ch : text) {
    const SHORT scan = VkKeyScanA(ch);
    if (scan == -1) continue;
    TShiftState shift;
    if (scan & 0x100) shift << ssShift;
    PressKey(static_cast<WORD>(scan & 0xFF), shift);
  }
}

COLORREF ControlPixel(TControl* control, int x, int y) {
  TPoint offset;
  HWND window = WindowOf(control, offset);
  HDC dc = GetDC(window);
  const COLORREF pixel = GetPixel(dc, x + offset.X, y + offset.Y);
  ReleaseDC(window, dc);
  return pixel;
}

std::unique_ptr<TBitmap> CaptureWindow(HWND window, const TRect& rect) {
  TRect area = rect;
  if (area.Right <= area.Left || area.Bottom <= area.Top) {
    RECT r;
    GetWindowRect(window, &r);
    area = Rect(0, 0, r.right - r.left, r.bottom - r.top);
  }
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(area.Right - area.Left, area.Bottom - area.Top);
  HDC dc = GetWindowDC(window);
  BitBlt(bitmap->Canvas()->Handle(), 0, 0, bitmap->Width(), bitmap->Height(), dc, area.Left, area.Top, SRCCOPY);
  ReleaseDC(window, dc);
  return bitmap;
}

}  // namespace testsupport
