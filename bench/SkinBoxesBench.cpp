// Times the skinned list box against the class library's owner-drawn list drawing the same
// rows: filling 5,000 items (the skinned list with HorizontalExtent on, so every added item
// re-measures the widest one) and paging through them with each page painted. Prints the
// times and the ratios; nothing fails.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "classlib/graphics/Graphics.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/Forms.h"
#include "skin/boxes/Skinboxes_ListBox.h"

namespace {

int kItems = 5000;  // or the first argument
constexpr int kItemHeight = 20;

using TClock = std::chrono::steady_clock;

double Millis(TClock::time_point from, TClock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

AnsiString ItemText(int i) { return AnsiString(("Converted file number " + std::to_string(i) + " of the batch").c_str()); }

struct TTimes {
  double fill = 0;
  double page = 0;  // per page
};

// Fills `items` and pages `list` (of `rows` rows) from the top to the end.
template <class L>
TTimes Time(L* list, TStrings* items, int rows) {
  TTimes times;
  const auto start = TClock::now();
  items->BeginUpdate();  // as a program fills a long list
  for (int i = 0; i < kItems; ++i) items->Add(ItemText(i));
  items->EndUpdate();
  const auto filled = TClock::now();
  int pages = 0;
  for (int top = 0; top < kItems; top += rows, ++pages) {
    list->SetTopIndex(top);
    list->Repaint();
  }
  const auto paged = TClock::now();
  times.fill = Millis(start, filled);
  times.page = Millis(filled, paged) / pages;
  return times;
}

// The plain list's rows: the built-in look's fill and text.
struct TPlainRows {
  TListBox* list;
  void Draw(TWinControl*, int index, TRect rect, TOwnerDrawState state) {
    TCanvas* canvas = list->Canvas();
    const bool selected = state.Contains(odSelected);
    canvas->Brush()->SetColor(selected ? clHighlight : clWindow);
    canvas->Font()->SetColor(selected ? clHighlightText : clWindowText);
    canvas->FillRect(rect);
    canvas->TextRect(rect, rect.Left + 2, rect.Top + 2, list->Items()->Strings(index));
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) kItems = std::max(1, std::atoi(argv[1]));
  InitializeGraphics();
  auto* form = new TForm(nullptr);
  form->SetBounds(50, 50, 400, 400);
  form->Show();
  Application->ProcessMessages();

  auto* skinned = new TspSkinListBox(form);
  skinned->SetParent(form);
  skinned->SetBounds(10, 10, 180, 300);
  skinned->SetHorizontalExtent(true);
  const int skinnedRows = skinned->ListBox()->Height() / kItemHeight;
  const TTimes skinnedTimes = Time(skinned->ListBox(), skinned->Items(), skinnedRows);

  auto* plain = new TListBox(form);
  plain->SetParent(form);
  plain->SetStyle(lbOwnerDrawFixed);
  plain->SetItemHeight(kItemHeight);
  plain->SetBounds(200, 10, 180, 300);
  TPlainRows rows{plain};
  plain->OnDrawItem = TDrawItemEvent(&rows, &TPlainRows::Draw);
  const TTimes plainTimes = Time(plain, plain->Items(), plain->ClientHeight() / kItemHeight);

  std::printf("skinned list box, %d items, HorizontalExtent on: fill %.0f ms, page %.2f ms\n", kItems,
              skinnedTimes.fill, skinnedTimes.page);
  std::printf("owner-drawn list, %d items: fill %.0f ms, page %.2f ms\n", kItems, plainTimes.fill, plainTimes.page);
  std::printf("fill ratio skinned / plain: %.2f\n", skinnedTimes.fill / plainTimes.fill);
  std::printf("page ratio skinned / plain: %.2f\n", skinnedTimes.page / plainTimes.page);
  delete form;
  return 0;
}
