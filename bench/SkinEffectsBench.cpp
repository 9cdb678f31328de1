// Speed of the skin library's drawing work against the system's own routines: each case
// runs a few rounds, keeps the fastest and prints the time and the ratio to the system's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <random>

#include "skin/data/Speffbmp.h"

namespace {

constexpr int kWidth = 785;
constexpr int kHeight = 521;
constexpr int kRounds = 15;

double Seconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  double best = std::numeric_limits<double>::max();
  for (int round = 0; round < kRounds; ++round) {
    QueryPerformanceCounter(&start);
    work();
    GdiFlush();
    QueryPerformanceCounter(&end);
    best = std::min(best, static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  }
  return best;
}

void Report(const char* name, double ours, const char* systemName, double system) {
  std::printf("%-34s %9.3f ms   %-26s %9.3f ms   ratio %6.2f\n", name, ours * 1000, systemName, system * 1000,
              ours / system);
}

void FillRandom(TspEffectBmp& bmp, uint32_t seed) {
  std::mt19937 generator(seed);
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < 3 * bmp.Width(); ++x) bmp.GetLine(y)[x] = static_cast<uint8_t>(generator());
}

// A memory device context holding a copy of `bmp` in a bitmap of its own.
class MemoryPicture {
 public:
  explicit MemoryPicture(const TspEffectBmp& bmp) : copy_(bmp), dc_(CreateCompatibleDC(nullptr)) {
    old_ = SelectObject(dc_, copy_.Handle());
  }
  ~MemoryPicture() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  MemoryPicture(const MemoryPicture&) = delete;
  MemoryPicture& operator=(const MemoryPicture&) = delete;
  HDC DC() const { return dc_; }

 private:
  TspEffectBmp copy_;
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

int main() {
  TspEffectBmp face(kWidth, kHeight), parent(kWidth, kHeight);
  FillRandom(face, 1);
  FillRandom(parent, 2);
  MemoryPicture target(face), source(parent);
  const BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
  const double alphaBlend = Seconds([&] {
    AlphaBlend(target.DC(), 0, 0, kWidth, kHeight, source.DC(), 0, 0, kWidth, kHeight, half);
  });
  Report("Morph 785 x 521", Seconds([&] { face.Morph(&parent, 0.5); }), "AlphaBlend constant alpha", alphaBlend);
  Report("MorphHGrad 785 x 521", Seconds([&] { face.MorphHGrad(&parent, 0.5); }), "AlphaBlend constant alpha",
         alphaBlend);

  // A control's picture: copied from its handle into an effect bitmap and drawn.
  TspEffectBmp picture(kWidth, kHeight);
  FillRandom(picture, 3);
  HBITMAP handle = CreateDIBSection(nullptr, &picture.Info(), DIB_RGB_COLORS, nullptr, nullptr, 0);
  SetDIBits(nullptr, handle, 0, kHeight, picture.GetLine(0), &picture.Info(), DIB_RGB_COLORS);
  const double copyAndDraw = Seconds([&] {
    TspEffectBmp copy(handle);
    copy.Draw(target.DC(), 0, 0);
  });
  const double bitBlt = Seconds([&] { BitBlt(target.DC(), 0, 0, kWidth, kHeight, source.DC(), 0, 0, SRCCOPY); });
  Report("TspEffectBmp(Handle) + Draw", copyAndDraw, "BitBlt", bitBlt);
  DeleteObject(handle);
  return 0;
}
