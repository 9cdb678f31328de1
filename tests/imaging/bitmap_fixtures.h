#pragma once
// Shared helpers of the bitmap tests: an event recorder and small bitmap builders.
#include <memory>
#include <string>
#include <vector>

#include "imaging/Bitmap32.h"

namespace bitmaptest {

using imaging::TBitmap32;
using imaging::TColor32;

// Records the notifications of a bitmap as readable lines, in order.
struct TEventLog {
  std::vector<std::string> lines;

  void Area(TObject*, const imaging::TRect& r, uint32_t info) {
    lines.push_back("area " + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) +
                    "," + std::to_string(r.Bottom) + (info == imaging::AREA_KIND_RECT ? " rect" : " other"));
  }
  void Change(TObject*) { lines.push_back("change"); }
  void Resize(TObject*) { lines.push_back("resize"); }

  void Watch(TBitmap32& bitmap) {
    bitmap.OnAreaChanged = imaging::TAreaChangedEvent(this, &TEventLog::Area);
    bitmap.OnChange = TNotifyEvent(this, &TEventLog::Change);
    bitmap.OnResize = TNotifyEvent(this, &TEventLog::Resize);
  }
  imaging::TAreaChangedEvent AreaEvent() { return imaging::TAreaChangedEvent(this, &TEventLog::Area); }
};

// A colour naming its pixel: x in the blue byte, y in the green byte, never black.
inline TColor32 Index(int x, int y) { return 0xFF800000u | static_cast<TColor32>(y * 256 + x); }

// A bitmap of the size whose pixel (x, y) holds Index(x, y).

inline std::unique_ptr<TBitmap32> Indexed(int width, int height) {
  auto bitmap = std::make_unique<TBitmap32>();
  bitmap->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->SetPixel(x, y, Index(x, y));
  return bitmap;
}

inline std::unique_ptr<TBitmap32> Filled(int width, int height, TColor32 color) {
  auto bitmap = std::make_unique<TBitmap32>();
  bitmap->SetSize(width, height);
  bitmap->Clear(color);
  return bitmap;
}

// Every pixel, row by row.
inline std::vector<TColor32> Pixels(const TBitmap32& bitmap) {
  std::vector<TColor32> result;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) result.push_back(bitmap.GetPixel(x, y));
  return result;
}

}  // namespace bitmaptest
