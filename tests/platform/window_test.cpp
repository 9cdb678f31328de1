// A real top-level window under Xvfb shows its painted colour exactly where the
// system says its client area is.
#include <gtest/gtest.h>
#include <windows.h>

#include "test_support.h"

namespace {

constexpr COLORREF kPaint = RGB(0x12, 0xA4, 0x7E);

LRESULT CALLBACK PaintProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(wnd, &ps);
    HBRUSH brush = CreateSolidBrush(kPaint);
    RECT r;
    GetClientRect(wnd, &r);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    EndPaint(wnd, &ps);
    return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

const char* RegisterPaintClass() {
  static const char* name = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PaintProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PlatformPaintWindow";
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&wc);
    return "PlatformPaintWindow";
  }();
  return name;
}

struct WindowCase {
  const char* label;
  DWORD style;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.label; }

class WindowPixelTest : public testing::TestWithParam<WindowCase> {};

TEST_P(WindowPixelTest, ClientShowsPaintedColourAtItsScreenPosition) {
  const WindowCase& c = GetParam();
  HWND wnd = CreateWindowExA(WS_EX_TOPMOST, RegisterPaintClass(), c.label, c.style, 200, 150, 160,
                             120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  ShowWindow(wnd, SW_SHOWNORMAL);
  UpdateWindow(wnd);

  POINT client{20, 15};
  ClientToScreen(wnd, &client);
  if (c.style & WS_POPUP) {
    // A borderless window's client starts at the requested screen position.
    EXPECT_EQ(client.x, 220);
    EXPECT_EQ(client.y, 165);
  }
  const bool shown = testsupport::PumpUntil(
      [&] { return testsupport::ScreenPixel(client.x, client.y) == kPaint; }, 3000);
  EXPECT_TRUE(shown) << std::hex << "screen shows 0x"
                     << testsupport::ScreenPixel(client.x, client.y);
  DestroyWindow(wnd);
}

INSTANTIATE_TEST_SUITE_P(Styles, WindowPixelTest,
                         testing::Values(WindowCase{"Popup", WS_POPUP},
                                         WindowCase{"Overlapped", WS_OVERLAPPEDWINDOW}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
