// Demo program: shows a painted window for a moment and saves what the screen shows
// of it as "screenshot.bmp" in the current folder.
#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

LRESULT CALLBACK DemoProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(wnd, &ps);
      RECT r;
      GetClientRect(wnd, &r);
      HBRUSH back = CreateSolidBrush(RGB(32, 64, 112));
      FillRect(dc, &r, back);
      DeleteObject(back);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(255, 255, 255));
      DrawTextA(dc, "Video Converter", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(wnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

bool SaveScreenRect(const RECT& r, const char* path) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  const int stride = (w * 3 + 3) & ~3;
  std::vector<unsigned char> bits(stride * h);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(mem, old);
  GetDIBits(mem, bmp, 0, h, bits.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
  FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  std::fwrite(&file, sizeof(file), 1, f);
  std::fwrite(&info, sizeof(info), 1, f);
  std::fwrite(bits.data(), bits.size(), 1, f);
  return std::fclose(f) == 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DemoProc;
  wc.hInstance = instance;
  wc.lpszClassName = "VideoConverterDemo";
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassA(&wc);
  HWND wnd = CreateWindowExA(0, wc.lpszClassName, "Video Converter", WS_OVERLAPPEDWINDOW, 100, 100,
                             480, 320, nullptr, nullptr, instance, nullptr);
  ShowWindow(wnd, SW_SHOWNORMAL);
  UpdateWindow(wnd);
  SetTimer(wnd, 1, 1500, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.hwnd == wnd) {
      RECT r;
      GetWindowRect(wnd, &r);
      const bool saved = SaveScreenRect(r, "screenshot.bmp");
      DestroyWindow(wnd);
      if (!saved) return 1;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
