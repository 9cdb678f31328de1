// Times full-drag resize steps of an 892 x 573 dialog: each step changes the size and
// paints everything at once, as the system does while the frame is dragged with its
// contents shown. The skinned dialog (a masked, scalable skin: region, frame and client
// background rebuilt every step) against the same dialog unskinned. Prints the steps per
// second of both and their ratio (the best of several runs).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/IniFiles.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/Forms.h"
#include "skin/form/Formskinner.h"

namespace {

constexpr int kWidth = 892;
constexpr int kHeight = 573;
constexpr int kSteps = 100;
constexpr int kRuns = 3;

// A 200 x 150 skin with 30-pixel top and 10-pixel side borders, patterned, and a mask
// whose four corners are rounded off.
std::string WriteSkin() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "skin_form_bench\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(200, 150);
  for (int y = 0; y < 150; ++y) {
    auto* row = static_cast<uint8_t*>(picture.ScanLine(y));
    for (int x = 0; x < 200; ++x) {
      row[3 * x] = static_cast<uint8_t>(x ^ y);
      row[3 * x + 1] = static_cast<uint8_t>(y);
      row[3 * x + 2] = static_cast<uint8_t>(x);
    }
  }
  picture.SaveToFile((folder + "form.bmp").c_str());
  TBitmap mask;
  mask.SetPixelFormat(pf24bit);
  mask.SetSize(200, 150);
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(0, 0, 200, 150));
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 6 - i; ++j) {
      for (TPoint p : {Point(i, j), Point(199 - i, j), Point(i, 149 - j), Point(199 - i, 149 - j)}) {
        mask.Canvas()->SetPixels(p.X, p.Y, clWhite);
      }
    }
  }
  mask.SaveToFile((folder + "mask.bmp").c_str());
  TMemIniFile ini((folder + "skin.ini").c_str());
  ini.WriteString("PICTURES", "picture", "form.bmp");
  ini.WriteString("PICTURES", "mask", "mask.bmp");
  const std::pair<const char*, const char*> formInfo[] = {
      {"lefttoppoint", "20,30"},    {"righttoppoint", "180,30"},  {"leftbottompoint", "20,140"},
      {"rightbottompoint", "180,140"}, {"clientrect", "10,30,190,140"}, {"maskrectarea", "10,30,190,140"},
      {"bgpictureindex", "-1"}};
  for (const auto& [key, value] : formInfo) ini.WriteString("FORMINFO", key, value);
  ini.UpdateFile();
  return folder + "skin.ini";
}

void Serve() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// The best steps per second of kRuns runs of kSteps resize steps.
double StepsPerSecond(TForm* form) {
  double best = 0;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    for (int step = 0; step < kSteps; ++step) {
      const int grow = step % 20;
      form->SetBounds(form->Left(), form->Top(), kWidth + grow, kHeight + grow / 2);
      RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      Serve();
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    best = std::max(best, kSteps / spent.count());
  }
  return best;
}

double Measure(TspSkinData* skin) {
  auto form = std::make_unique<TForm>(nullptr, CreateNew);
  form->SetBorderStyle(bsDialog);
  form->SetBounds(20, 20, kWidth, kHeight);
  if (skin != nullptr) (new TspFormSkinner(form.get()))->SetSkinData(skin);
  form->Show();
  Serve();
  return StepsPerSecond(form.get());
}

}  // namespace

int main() {
  Application->Initialize();
  TspSkinData skin(nullptr);
  skin.LoadFromFile(WriteSkin().c_str());
  const double plain = Measure(nullptr);
  const double skinned = Measure(&skin);
  std::printf("full-drag resize of a %dx%d dialog: skinned %.0f steps/s, unskinned %.0f steps/s, ratio %.2f\n",
              kWidth, kHeight, skinned, plain, skinned / plain);
  return 0;
}
