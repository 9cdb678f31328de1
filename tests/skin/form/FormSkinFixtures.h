#pragma once
#include <map>
#include <memory>
#include <string>

#include "TestSkin.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/windowing/Forms.h"
#include "skin/form/Formskinner.h"
#include "test_support.h"
#include "window_support.h"

// A skin for form tests: a 200 x 150 picture whose pixel (x, y) is RGB(x, y, tag), so a
// captured colour tells which picture pixel landed there; corners (10, 30) and (190, 140),
// client rectangle (10, 30, 190, 140); a mask with its two top corners cut (8 x 8 white);
// areas "PreviewArea" (spanning the top-left and bottom-right zones) and "CornerArea"
// (inside the bottom-right zone).
namespace formskin {

constexpr int kWidth = 200;
constexpr int kHeight = 150;
constexpr int kCut = 8;
constexpr int kFormTag = 77;
constexpr int kInactiveTag = 177;
constexpr int kFormMinWidth = 120;
const TRect kClientRect{10, 30, 190, 140};
const TRect kPreviewArea{2, 2, 196, 146};
const TRect kCornerArea{192, 142, 198, 148};

inline COLORREF PicturePixel(int x, int y, int tag = kFormTag) { return RGB(x, y, tag); }

inline void WritePicture(const std::string& path, int tag) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    auto* row = static_cast<uint8_t*>(bitmap.ScanLine(y));
    for (int x = 0; x < kWidth; ++x) {
      row[3 * x] = static_cast<uint8_t>(tag);
      row[3 * x + 1] = static_cast<uint8_t>(y);
      row[3 * x + 2] = static_cast<uint8_t>(x);
    }
  }
  bitmap.SaveToFile(path.c_str());
}

inline void WriteCutCornerMask(const std::string& path) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(kWidth, kHeight);
  bitmap.Canvas()->Brush()->SetColor(clBlack);
  bitmap.Canvas()->FillRect(TRect{0, 0, kWidth, kHeight});
  bitmap.Canvas()->Brush()->SetColor(clWhite);
  bitmap.Canvas()->FillRect(TRect{0, 0, kCut, kCut});
  bitmap.Canvas()->FillRect(TRect{kWidth - kCut, 0, kWidth, kCut});
  bitmap.SaveToFile(path.c_str());
}

// Writes the skin into a fresh folder `name`; `overrides` replace "section/key" values.
inline std::string WriteFormSkin(const std::string& name, const std::map<std::string, std::string>& overrides = {}) {
  std::map<std::string, std::string> values = {
      {"FORMINFO/lefttoppoint", "10,30"},       {"FORMINFO/righttoppoint", "190,30"},
      {"FORMINFO/leftbottompoint", "10,140"},   {"FORMINFO/rightbottompoint", "190,140"},
      {"FORMINFO/clientrect", "10,30,190,140"}, {"FORMINFO/maskrectarea", "10,30,190,140"},
      {"FORMINFO/bgpictureindex", "-1"},        {"FORMINFO/stretcheffect", "0"},
      {"FORMINFO/leftstretch", "0"},            {"FORMINFO/topstretch", "0"},
      {"FORMINFO/autorenderinginactiveimage", "0"}, {"FORMINFO/formminwidth", std::to_string(kFormMinWidth)},
      {"FORMINFO/sizegriparea", "0,0,0,0"},     {"SKINAREAS/count", "2"},
      {"SKINAREAS/0", "PreviewArea:2,2,196,146"}, {"SKINAREAS/1", "CornerArea:192,142,198,148"}};
  for (const auto& [key, value] : overrides) values[key] = value;
  std::string path = skintest::WriteTestSkin(name, values);
  std::string folder = ExtractFilePath(path.c_str()).c_str();
  WritePicture(folder + "form.bmp", kFormTag);
  WritePicture(folder + "inactive.bmp", kInactiveTag);
  WriteCutCornerMask(folder + "mask.bmp");
  return path;
}

// A plain form at (left, top) of the given outer size, freed with the fixture.
inline std::unique_ptr<TForm> MakeForm(int left, int top, int width, int height) {
  auto form = std::make_unique<TForm>(nullptr, CreateNew);
  form->SetBounds(left, top, width, height);
  return form;
}

// What the window shows at a point of the window (frame included).
inline COLORREF WindowPixel(TWinControl* control, int x, int y) {
  return ColorToRGB(testsupport::CaptureWindow(control->Handle(), TRect{x, y, x + 1, y + 1})->Canvas()->Pixels(0, 0));
}

// What the screen shows at a point of the window (outside its region: what lies behind).
inline COLORREF ScreenPixelOf(TWinControl* control, int x, int y) {
  RECT r{};
  GetWindowRect(control->Handle(), &r);
  return testsupport::ScreenPixel(r.left + x, r.top + y);
}

}  // namespace formskin
