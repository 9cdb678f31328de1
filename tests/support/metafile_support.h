#pragma once
// Enhanced metafiles written by the system for the picture tests.
#include <windows.h>

namespace testsupport {

// A metafile `width` by `height` screen pixels large whose only record fills `fill` with
// `color`; the rest of its area is left undrawn (transparent). The caller owns it.
inline HENHMETAFILE FilledMetafile(int width, int height, RECT fill, COLORREF color) {
  HDC screen = GetDC(nullptr);
  const int ppi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  const RECT frame{0, 0, MulDiv(width, 2540, ppi), MulDiv(height, 2540, ppi)};
  HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &fill, brush);
  DeleteObject(brush);
  return CloseEnhMetaFile(dc);
}

}  // namespace testsupport
