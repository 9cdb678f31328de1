#include "skin/data/Speffbmp.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "skin/data/Speffbmp_Channels.h"

using speffbmp::LimitKf;
using speffbmp::Mix;

namespace {

// The screen's device context for the length of a scope.
class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ~ScreenDC() { ReleaseDC(nullptr, dc_); }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A memory device context with a bitmap selected for the length of a scope.
class SelectedBitmapDC {
 public:
  SelectedBitmapDC(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)) {
    if (dc_ != nullptr) old_ = SelectObject(dc_, bitmap);
  }
  ~SelectedBitmapDC() {
    if (dc_ == nullptr) return;
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  SelectedBitmapDC(const SelectedBitmapDC&) = delete;
  SelectedBitmapDC& operator=(const SelectedBitmapDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

// n = Round(w x kf) limited to low..w - 1 (in that order, so a width of 1 gives 0).
int ColumnsOf(int width, double kf, int low) {
  int n = static_cast<int>(Round(width * kf));
  if (n < low) n = low;
  if (n > width - 1) n = width - 1;
  return n;
}

// The gradient weight: starts at 0, grows by step, held at 1.
class Weight {
 public:
  explicit Weight(double step) : step_(step) {}
  double Next() {
    const double k = k_;
    k_ += step_;
    if (k_ > 1) k_ = 1;
    return k;
  }

 private:
  double step_;
  double k_ = 0;
};

}  // namespace

TspEffectBmp::TspEffectBmp(int width, int height) { Create(width, height); }

TspEffectBmp::TspEffectBmp(HBITMAP handle) {
  BITMAP bm{};
  GetObjectA(handle, sizeof(bm), &bm);
  Create(bm.bmWidth, bm.bmHeight);
  if (Empty()) return;
  ScreenDC screen;
  GetDIBits(screen.Get(), handle, 0, static_cast<UINT>(height_), bits_, &info_, DIB_RGB_COLORS);
}

TspEffectBmp::TspEffectBmp(const TspEffectBmp& source) : TObject() {
  Create(source.width_, source.height_);
  if (!Empty()) std::memcpy(bits_, source.bits_, static_cast<size_t>(stride_) * height_);
}

TspEffectBmp::~TspEffectBmp() {
  if (handle_ != nullptr) DeleteObject(handle_);
}

void TspEffectBmp::Create(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  // The pixel bytes must be addressable by the system's 32-bit sizes.
  const int64_t stride = 3 * static_cast<int64_t>(width_) + width_ % 4;
  if (stride * height_ > std::numeric_limits<int32_t>::max()) {
    width_ = height_ = 0;
    throw EOutOfResources("Out of system resources");
  }
  stride_ = static_cast<int>(stride);
  BITMAPINFOHEADER& header = info_.bmiHeader;
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = width_;
  header.biHeight = -height_;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(stride_) * static_cast<DWORD>(height_);
  if (width_ == 0 || height_ == 0) return;
  void* bits = nullptr;
  handle_ = CreateDIBSection(nullptr, &info_, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (handle_ == nullptr || bits == nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = nullptr;
    throw EOutOfResources("Out of system resources");
  }
  bits_ = static_cast<uint8_t*>(bits);
}

bool TspEffectBmp::SameSize(const TspEffectBmp* other) const {
  return other != nullptr && other->width_ == width_ && other->height_ == height_ && !Empty();
}

int TspEffectBmp::GetPixel(int x, int y) const {
  const uint8_t* p = PixelAt(x, y);
  return p[0] | (p[1] << 8) | (p[2] << 16);
}

void TspEffectBmp::SetPixel(int x, int y, int value) {
  uint8_t* p = PixelAt(x, y);
  p[0] = static_cast<uint8_t>(value);
  p[1] = static_cast<uint8_t>(value >> 8);
  p[2] = static_cast<uint8_t>(value >> 16);
}

void TspEffectBmp::GetScanLine(int y, uint8_t* buffer) const { std::memcpy(buffer, GetLine(y), 3 * static_cast<size_t>(width_)); }

void TspEffectBmp::SetLine(int y, const uint8_t* buffer) { std::memcpy(GetLine(y), buffer, 3 * static_cast<size_t>(width_)); }

void TspEffectBmp::Draw(HDC dc, int x, int y) const {
  if (Empty()) return;
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width_), static_cast<DWORD>(height_), 0, 0, 0,
                    static_cast<UINT>(height_), bits_, &info_, DIB_RGB_COLORS);
}

void TspEffectBmp::Stretch(HDC dc, int x, int y, int w, int h) const {
  if (Empty()) return;
  StretchDIBits(dc, x, y, w, h, 0, 0, width_, height_, bits_, &info_, DIB_RGB_COLORS, SRCCOPY);
}

void TspEffectBmp::DrawRect(HDC dc, int x, int y, int xSrc, int ySrc, int w, int h) const {
  if (Empty()) return;
  GdiFlush();
  SelectedBitmapDC source(dc, handle_);
  if (source.Get() != nullptr) BitBlt(dc, x, y, w, h, source.Get(), xSrc, ySrc, SRCCOPY);
}

void TspEffectBmp::Resize(TspEffectBmp* dest) const {
  if (dest == nullptr || Empty() || dest->Empty()) return;
  const double sx = static_cast<double>(dest->width_ - 1) / width_;
  const double sy = static_cast<double>(dest->height_ - 1) / height_;
  const int blockW = static_cast<int>(Round(sx)) + 1;
  const int blockH = static_cast<int>(Round(sy)) + 1;
  for (int y = 0; y < height_; ++y) {
    const int top = static_cast<int>(Round(y * sy));
    const int bottom = std::min(top + blockH, dest->height_);
    for (int x = 0; x < width_; ++x) {
      const int left = static_cast<int>(Round(x * sx));
      const int right = std::min(left + blockW, dest->width_);
      const uint8_t* pixel = PixelAt(x, y);
      for (int dy = top; dy < bottom; ++dy) {
        for (int dx = left; dx < right; ++dx) std::memcpy(dest->PixelAt(dx, dy), pixel, 3);
      }
    }
  }
}

void TspEffectBmp::CopyRect(const TspEffectBmp* source, const TRect& rect, int srcX, int srcY) {
  if (source == nullptr) return;
  const int right = std::min<int>(rect.Right, width_ - 1);
  const int bottom = std::min<int>(rect.Bottom, height_ - 1);
  for (int y = rect.Top; y <= bottom; ++y) {
    for (int x = rect.Left; x <= right; ++x) {
      std::memcpy(PixelAt(x, y), source->PixelAt(srcX + (x - rect.Left), srcY + (y - rect.Top)), 3);
    }
  }
}

void TspEffectBmp::Morph(const TspEffectBmp* source, double kf) {
  if (!SameSize(source)) return;
  kf = LimitKf(kf);
  ForEachRow([&](uint8_t* row, int y) {
    const uint8_t* src = source->GetLine(y);
    for (int i = 0; i < 3 * width_; i += 3) Mix(row + i, src + i, 1 - kf, kf);
  });
}

void TspEffectBmp::MorphRect(const TspEffectBmp* source, double kf, const TRect& rect, int srcX, int srcY) {
  if (source == nullptr) return;
  kf = LimitKf(kf);
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    for (int x = rect.Left; x < rect.Right; ++x) {
      Mix(PixelAt(x, y), source->PixelAt(srcX + (x - rect.Left), srcY + (y - rect.Top)), 1 - kf, kf);
    }
  }
}

void TspEffectBmp::MorphGrad(const TspEffectBmp* source, double kf) {
  if (width_ < height_) MorphVGrad(source, kf);
  else MorphHGrad(source, kf);
}

void TspEffectBmp::MorphHGrad(const TspEffectBmp* source, double kf) {
  if (!SameSize(source)) return;
  kf = LimitKf(kf);
  const int a = static_cast<int>(Round(width_ * kf));
  const int b = (width_ - a) / 2;
  const double step = b == 0 ? 1.0 : 1.0 / b;
  const int left = std::max(width_ / 2 - a / 2, 0);
  const int right = std::min(width_ / 2 + a / 2, width_ - 1);
  ForEachRow([&](uint8_t* row, int y) {
    const uint8_t* src = source->GetLine(y);
    std::memcpy(row + 3 * left, src + 3 * left, 3 * static_cast<size_t>(right - left + 1));
    Weight toLeft(step);
    for (int x = left; x >= 0; --x) {
      const double k = toLeft.Next();
      Mix(row + 3 * x, src + 3 * x, k, 1 - k);
    }
    Weight toRight(step);
    for (int x = right; x < width_; ++x) {
      const double k = toRight.Next();
      Mix(row + 3 * x, src + 3 * x, k, 1 - k);
    }
  });
}

void TspEffectBmp::MorphVGrad(const TspEffectBmp* source, double kf) {
  if (!SameSize(source)) return;
  kf = LimitKf(kf);
  const int a = static_cast<int>(Round(height_ * kf));
  const int b = ((height_ - 1) - a) / 2;
  const double step = b == 0 ? 0.0 : 1.0 / b;
  const int top = std::max(height_ / 2 - a / 2, 0);
  const int bottom = std::min(height_ / 2 + a / 2, height_ - 1);
  // Rows top..bottom take Source; the weights of the own picture grow from there.
  std::vector<double> rowWeight(static_cast<size_t>(height_), 0.0);
  Weight upwards(step);
  for (int y = top; y >= 0; --y) rowWeight[static_cast<size_t>(y)] = upwards.Next();
  Weight downwards(step);
  for (int y = bottom; y < height_; ++y) rowWeight[static_cast<size_t>(y)] = downwards.Next();
  ForEachRow([&](uint8_t* row, int y) {
    const uint8_t* src = source->GetLine(y);
    const double k = rowWeight[static_cast<size_t>(y)];
    for (int i = 0; i < 3 * width_; i += 3) Mix(row + i, src + i, k, 1 - k);
  });
}

void TspEffectBmp::MorphLeftGrad(const TspEffectBmp* source, double kf) {
  if (!SameSize(source)) return;
  const int n = ColumnsOf(width_, LimitKf(kf), 1);
  const double step = n == 0 ? 1.0 : 1.0 / n;
  ForEachRow([&](uint8_t* row, int y) {
    const uint8_t* src = source->GetLine(y);
    Weight weight(step);
    for (int x = 0; x <= n; ++x) {
      const double k = weight.Next();
      Mix(row + 3 * x, src + 3 * x, k, 1 - k);
    }
  });
}

void TspEffectBmp::MorphRightGrad(const TspEffectBmp* source, double kf) {
  if (!SameSize(source)) return;
  const int start = std::clamp(width_ - static_cast<int>(Round(width_ * LimitKf(kf))), 0, width_ - 1);
  const int g = width_ - start;
  const double step = g == 0 ? 1.0 : 1.0 / g;
  ForEachRow([&](uint8_t* row, int y) {
    const uint8_t* src = source->GetLine(y);
    Weight weight(step);
    for (int x = width_ - 1; x >= start; --x) {
      const double k = weight.Next();
      Mix(row + 3 * x, src + 3 * x, k, 1 - k);
    }
  });
}

void TspEffectBmp::MorphLeftSlide(const TspEffectBmp* source, double kf) {
  if (!SameSize(source)) return;
  const int n = ColumnsOf(width_, LimitKf(kf), 1);
  const int first = std::max(0, width_ - 1 - n) + 1;
  ForEachRow([&](uint8_t* row, int y) {
    const uint8_t* src = source->GetLine(y);
    for (int k = 0; k < n; ++k) std::memcpy(row + 3 * k, src + 3 * std::min(first + k, width_ - 1), 3);
  });
}

void TspEffectBmp::MorphRightSlide(const TspEffectBmp* source, double kf) {
  if (!SameSize(source)) return;
  const int n = ColumnsOf(width_, LimitKf(kf), 1);
  const int first = std::max(0, width_ - 1 - n) + 1;
  ForEachRow([&](uint8_t* row, int y) {
    const uint8_t* src = source->GetLine(y);
    for (int k = 0; k < n; ++k) std::memcpy(row + 3 * std::min(first + k, width_ - 1), src + 3 * k, 3);
  });
}

void TspEffectBmp::MorphPush(const TspEffectBmp* source, double kf) {
  if (!SameSize(source)) return;
  const int n = ColumnsOf(width_, LimitKf(kf), 0);
  const int first = std::max(0, width_ - n - 1);
  ForEachRow([&](uint8_t* row, int y) {
    const uint8_t* own = GetLine(y);
    const uint8_t* src = source->GetLine(y);
    for (int j = width_ - 1; j >= n; --j) std::memcpy(row + 3 * j, own + 3 * std::max(0, j - n - 1), 3);
    for (int i = 0; i <= n; ++i) std::memcpy(row + 3 * i, src + 3 * std::min(first + i, width_ - 1), 3);
  });
}

void TspEffectBmp::MorphByKind(TMorphKind kind, const TspEffectBmp* source, double kf) {
  switch (kind) {
    case mkDefault: Morph(source, kf); break;
    case mkGradient: MorphGrad(source, kf); break;
    case mkLeftGradient: MorphLeftGrad(source, kf); break;
    case mkRightGradient: MorphRightGrad(source, kf); break;
    case mkLeftSlide: MorphLeftSlide(source, kf); break;
    case mkRightSlide: MorphRightSlide(source, kf); break;
    case mkPush: MorphPush(source, kf); break;
  }
}
