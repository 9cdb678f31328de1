#include "skin/data/Sputils_FBitmap.h"

#include "classlib/runtime/Exceptions.h"

TFBitmap::TFBitmap(HBITMAP source) {
  BITMAP bm{};
  GetObjectA(source, sizeof(bm), &bm);
  width_ = bm.bmWidth;
  height_ = bm.bmHeight;
  rowInc_ = width_ * 3 + width_ % 4;
  BITMAPINFOHEADER& header = info_.bmiHeader;
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = width_;
  header.biHeight = -height_;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  void* bits = nullptr;
  handle_ = CreateDIBSection(nullptr, &info_, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (handle_ == nullptr) throw EOutOfResources("Out of system resources");
  bits_ = static_cast<uint8_t*>(bits);
  GdiFlush();
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, source, 0, static_cast<UINT>(height_), bits_, &info_, DIB_RGB_COLORS);
  dc_ = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  oldBitmap_ = SelectObject(dc_, handle_);
  rows_.resize(static_cast<size_t>(height_));
  for (int y = 0; y < height_; ++y) rows_[static_cast<size_t>(y)] = bits_ + static_cast<ptrdiff_t>(y) * rowInc_;
}

TFBitmap::~TFBitmap() {
  SelectObject(dc_, oldBitmap_);
  DeleteDC(dc_);
  DeleteObject(handle_);
}
