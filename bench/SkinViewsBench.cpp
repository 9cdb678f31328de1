// Times the skinned report view (skinned header, both skinned bars) against the class
// library's plain list view with its native header and bars showing the same owner-data
// rows: paged from top to bottom (the skinned view by its vertical bar) with each page
// painted. The skinned view runs with the shipped main skin (Skin/Quorin/MainSkin.ini
// beside the program) and with the default look. Each time is the best of a few passes
// (the first pass also warms the caches). Prints the times, the ratios and whether each
// ratio is within the aim of 1.5; nothing fails.
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
#include "skin/controls/Skinctrls_ListView.h"
#include "skin/controls/Skinctrls_ScrollBar.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

int kRows = 10000;  // or the first argument
constexpr int kPasses = 3;
// The skinned view should page within this factor of the plain one.
constexpr double kAim = 1.5;

using TClock = std::chrono::steady_clock;

double Millis(TClock::time_point from, TClock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

struct TRows {
  void Fill(TObject*, TListItem* item) {
    item->SetCaption(AnsiString(("Converted file " + std::to_string(item->Index()) + ".avi").c_str()));
    item->SubItems()->Clear();
    item->SubItems()->Add("Ready");
    item->SubItems()->Add("00:03:20");
  }
};

template <class V>
void SetUpView(V* view, TForm* form, TRows* rows) {
  view->SetParent(form);
  view->SetBounds(10, 10, 300, 320);
  view->SetViewStyle(vsReport);
  for (const char* caption : {"File", "Status", "Duration"}) {
    TListColumn* column = view->Columns()->Add();
    column->SetCaption(caption);
    column->SetWidth(120);
  }
  view->OnData = TLVOwnerDataEvent(rows, &TRows::Fill);
  view->Items()->SetCount(kRows);
  view->Repaint();
}

// Milliseconds per page of the skinned view paged by its bar.
double TimeSkinned(TForm* form, TspSkinData* skin, TRows* rows) {
  auto* view = new TspSkinListView(form);
  auto* vbar = new TspSkinScrollBar(form);
  auto* hbar = new TspSkinScrollBar(form);
  vbar->SetKind(sbVertical);
  for (TspSkinScrollBar* bar : {vbar, hbar}) {
    bar->SetParent(form);
    bar->SetSkinData(skin);
  }
  vbar->SetBounds(312, 10, 16, 320);
  hbar->SetBounds(10, 332, 300, 16);
  view->SetSkinData(skin);
  SetUpView(view, form, rows);
  view->SetVScrollBar(vbar);
  view->SetHScrollBar(hbar);
  Application->ProcessMessages();
  int pages = 0;
  const auto start = TClock::now();
  for (int last = -1; vbar->Position() != last; ++pages) {
    last = vbar->Position();
    vbar->SetPosition(last + vbar->PageSize());
    view->Repaint();
    vbar->Repaint();
  }
  const double perPage = Millis(start, TClock::now()) / pages;
  delete view;
  delete vbar;
  delete hbar;
  return perPage;
}

// Milliseconds per page of the plain view paged by whole pages of rows.
double TimePlain(TForm* form, TRows* rows) {
  auto* view = new TListView(form);
  SetUpView(view, form, rows);
  Application->ProcessMessages();
  const int rowHeight = view->ItemRect(0).Height();
  const int perPage = std::max(view->VisibleRowCount(), 1);
  int pages = 0;
  const auto start = TClock::now();
  for (int last = -1; view->TopIndex() != last; ++pages) {
    last = view->TopIndex();
    view->Scroll(0, perPage * rowHeight);
    view->Repaint();
  }
  const double page = Millis(start, TClock::now()) / pages;
  delete view;
  return page;
}

// The best of kPasses runs of `time`, each building, paging and freeing its own view.
template <class F>
double Best(F time) {
  double best = time();
  for (int pass = 1; pass < kPasses; ++pass) best = std::min(best, time());
  return best;
}

void PrintRatio(const char* what, double ratio) {
  std::printf("page ratio %s / plain: %.2f (%s the aim of %.1f)\n", what, ratio, ratio <= kAim ? "within" : "misses",
              kAim);
}

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) kRows = std::max(1, std::atoi(argv[1]));
  InitializeGraphics();
  auto* form = new TForm(nullptr);
  form->SetBounds(50, 50, 360, 400);
  form->Show();
  Application->ProcessMessages();
  TRows rows;

  TspSkinData skin(nullptr);
  const std::string skinFile = ProgramFolder() + "Skin\\Quorin\\MainSkin.ini";
  if (GetFileAttributesA(skinFile.c_str()) != INVALID_FILE_ATTRIBUTES) skin.LoadFromFile(skinFile.c_str());
  const double plain = Best([&] { return TimePlain(form, &rows); });
  const double skinned = skin.Empty ? -1 : Best([&] { return TimeSkinned(form, &skin, &rows); });
  const double defaultLook = Best([&] { return TimeSkinned(form, nullptr, &rows); });

  std::printf("plain list view, %d rows: page %.2f ms\n", kRows, plain);
  if (skinned < 0) {
    std::printf("skinned list view: no shipped skin at %s, no time\n", skinFile.c_str());
  } else {
    std::printf("skinned list view, %d rows, shipped skin: page %.2f ms\n", kRows, skinned);
    PrintRatio("skinned", skinned / plain);
  }
  std::printf("default-look list view, %d rows: page %.2f ms\n", kRows, defaultLook);
  PrintRatio("default look", defaultLook / plain);
  delete form;
  return 0;
}
