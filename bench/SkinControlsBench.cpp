// Times the skinned popup menu against the class library's system popup menu with the
// same items: a 40-item menu whose fourth item holds a two-level sub-menu, opened and
// walked with Down, in the skin's look and in the default look. The skinned menu is timed
// to its first full paint and per Down step (each step painted); the system menu to its
// first WM_ENTERIDLE. Prints the times and the ratios; nothing fails.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

#include "classlib/graphics/Graphics.h"
#include "classlib/windowing/Application.h"
#include "skin/controls/Skinmenus.h"

namespace {

constexpr int kItems = 40;
constexpr int kRuns = 5;

using TClock = std::chrono::steady_clock;

double Micros(TClock::time_point from, TClock::time_point to) {
  return std::chrono::duration<double, std::micro>(to - from).count();
}

void Fill(TBitmap* picture, int width, int height, int seed) {
  picture->SetPixelFormat(pf24bit);
  picture->SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    auto* row = static_cast<uint8_t*>(picture->ScanLine(y));
    for (int x = 0; x < width; ++x) {
      row[3 * x] = static_cast<uint8_t>(x * 4 + seed);
      row[3 * x + 1] = static_cast<uint8_t>(y * 4);
      row[3 * x + 2] = static_cast<uint8_t>((x ^ y) + seed);
    }
  }
}

// A skin with a popup-window frame (picture 0) and a menu-item look (picture 1).
void MakeSkin(TspSkinData* skin) {
  for (int i = 0; i < 2; ++i) skin->ActivePictures.push_back(std::make_unique<TBitmap>());
  Fill(skin->ActivePictures[0].get(), 64, 48, 10);
  Fill(skin->ActivePictures[1].get(), 64, 40, 90);
  TspDataSkinPopupWindow& frame = *skin->PopupWindow;
  frame.WindowPictureIndex = 0;
  frame.LeftTopPoint = Point(4, 4);
  frame.RightTopPoint = Point(60, 4);
  frame.LeftBottomPoint = Point(4, 44);
  frame.RightBottomPoint = Point(60, 44);
  frame.ItemsRect = Rect(4, 4, 60, 44);
  auto item = std::make_unique<TspDataSkinMenuItem>("menuitem");
  item->ActivePictureIndex = 1;
  item->SkinRect = Rect(0, 0, 64, 18);
  item->ActiveSkinRect = Rect(0, 18, 64, 36);
  item->ItemLeftOffset = 6;
  item->ItemRightOffset = 6;
  item->DividerRect = Rect(0, 36, 64, 40);
  item->TextRect = Rect(6, 0, 58, 18);
  item->FontName = "Arial";
  item->FontHeight = 13;
  skin->ObjectList.push_back(std::move(item));
  skin->Empty = false;
}

void AddItems(TPopupMenu* menu) {
  TMenuItem* root = menu->Items();
  for (int i = 0; i < kItems; ++i) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(i % 10 == 9 ? AnsiString("-") : AnsiString(("Menu item number " + std::to_string(i)).c_str()));
    root->Add(item);
  }
  TMenuItem* sub = root->Items(3);
  for (int i = 0; i < 8; ++i) {
    auto* child = new TMenuItem(menu);
    child->SetCaption(("Sub item " + std::to_string(i)).c_str());
    sub->Add(child);
  }
  TMenuItem* deeper = sub->Items(2);
  for (int i = 0; i < 6; ++i) {
    auto* child = new TMenuItem(menu);
    child->SetCaption(("Deeper item " + std::to_string(i)).c_str());
    deeper->Add(child);
  }
}

void Serve() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

struct TSkinnedTimes {
  double open = 1e300;
  double step = 1e300;
};

// Opens the menu, paints it, walks the top level, then the sub-menus, with Down.
TSkinnedTimes TimeSkinned(TspSkinMenu* controller, TspSkinData* skin, TPopupMenu* menu) {
  TSkinnedTimes best;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = TClock::now();
    controller->Popup(nullptr, skin, 0, Rect(100, 60, 100, 60), menu->Items(), false);
    UpdateWindow(controller->LastWindow()->Handle());
    const auto opened = TClock::now();
    int steps = 0;
    const auto press = [&](int key) {
      controller->LastWindow()->PopupKeyDown(key);
      UpdateWindow(controller->LastWindow()->Handle());
      ++steps;
    };
    for (int i = 0; i < kItems; ++i) press(VK_DOWN);
    while (controller->LastWindow()->ActiveIndex() != 3) press(VK_DOWN);  // to the sub-menu item
    press(VK_RIGHT);
    for (int i = 0; i < 2; ++i) press(VK_DOWN);
    press(VK_RIGHT);
    for (int i = 0; i < 6; ++i) press(VK_DOWN);
    const auto walked = TClock::now();
    controller->CloseMenu(0);
    Serve();
    best.open = std::min(best.open, Micros(start, opened));
    best.step = std::min(best.step, Micros(opened, walked) / steps);
  }
  return best;
}

TClock::time_point g_idleAt;
bool g_idleSeen = false;

LRESULT CALLBACK WatchEnterIdle(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_ENTERIDLE && !g_idleSeen) {
    g_idleAt = TClock::now();
    g_idleSeen = true;
    EndMenu();
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK EndStuckMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

// The system popup menu to its first WM_ENTERIDLE; -1 when it never came.
double TimeSystemMenu(TPopupMenu* menu) {
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchEnterIdle, nullptr, GetCurrentThreadId());
  double best = 1e300;
  for (int run = 0; run < kRuns; ++run) {
    g_idleSeen = false;
    const UINT_PTR guard = SetTimer(nullptr, 0, 2000, EndStuckMenu);
    const auto start = TClock::now();
    menu->Popup(100, 60);
    KillTimer(nullptr, guard);
    Serve();
    if (g_idleSeen) best = std::min(best, Micros(start, g_idleAt));
  }
  UnhookWindowsHookEx(hook);
  return best == 1e300 ? -1 : best;
}

}  // namespace

int main() {
  InitializeGraphics();
  auto skin = std::make_unique<TspSkinData>(nullptr);
  MakeSkin(skin.get());
  auto menu = std::make_unique<TPopupMenu>(nullptr);
  AddItems(menu.get());
  auto controller = std::make_unique<TspSkinMenu>(nullptr, nullptr);
  const TSkinnedTimes skinned = TimeSkinned(controller.get(), skin.get(), menu.get());
  const TSkinnedTimes plain = TimeSkinned(controller.get(), nullptr, menu.get());
  const double system = TimeSystemMenu(menu.get());
  std::printf("skinned popup menu, %d items: open %.0f us, Down step %.0f us\n", kItems, skinned.open, skinned.step);
  std::printf("default-look popup menu, %d items: open %.0f us, Down step %.0f us\n", kItems, plain.open, plain.step);
  if (system < 0) {
    std::printf("system popup menu: no WM_ENTERIDLE seen, no ratio\n");
    return 0;
  }
  std::printf("system popup menu, %d items: open %.0f us\n", kItems, system);
  std::printf("open ratio skinned / system: %.2f\n", skinned.open / system);
  std::printf("open ratio default look / system: %.2f\n", plain.open / system);
  return 0;
}
