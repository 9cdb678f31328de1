// The system menu, rebuilt before each showing into the built-in popup or the user's
// SystemMenu, and the tray menu. Their items are owned by the component and carry fixed
// names: the skinned menu draws glyphs by them and the rebuilding finds its own items.
#include <array>

#include "classlib/windowing/ShortCut.h"
#include "skin/controls/Skinmenus_Popup.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Strings.h"
#include "skin/form/Formskinner.h"

namespace {

struct TStandardItem {
  const char* name;
  const char* captionKey;
  const char* caption;
  void (TspFormSkinner::*click)(TObject*);
  bool closes;  // carries the close shortcut
};

enum TStandardEntry { seMin, seMax, seRestore, seRollUp, seMinToTray, seClose, seTrayRestore, seTrayClose };

constexpr std::array<TStandardItem, 8> kStandardItems{{
    {"DSF_MINITEM", "MI_MINCAPTION", "Mi&nimize", &TspFormSkinner::SM_Min, false},
    {"DSF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize", &TspFormSkinner::SM_Max, false},
    {"DSF_RESTORE", "MI_RESTORECAPTION", "&Restore", &TspFormSkinner::SM_Restore, false},
    {"DSF_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp", &TspFormSkinner::SM_RollUp, false},
    {"DSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray", &TspFormSkinner::SM_MinToTray, false},
    {"DSF_CLOSE", "MI_CLOSECAPTION", "&Close", &TspFormSkinner::SM_Close, true},
    {"TRAY_DSF_RESTORE", "MI_RESTORECAPTION", "&Restore", &TspFormSkinner::TSM_Restore, false},
    {"TRAY_DSF_CLOSE", "MI_CLOSECAPTION", "&Close", &TspFormSkinner::TSM_Close, true},
}};

// The system-menu entries: the built-in menu appends them in this order, the user's menu
// inserts them at the top in the reverse one.
constexpr std::array<TStandardEntry, 5> kStateEntries{seMin, seMax, seRestore, seRollUp, seMinToTray};

bool IsSystemMenuItemName(const AnsiString& name) {
  for (int entry = seMin; entry <= seClose; ++entry) {
    if (name == kStandardItems[static_cast<size_t>(entry)].name) return true;
  }
  return false;
}

TMenuItem* MakeSeparator(TComponent* owner) {
  auto* item = new TMenuItem(owner);
  item->SetCaption("-");
  return item;
}

}  // namespace

void TspFormSkinner::SetSystemMenu(TPopupMenu* value) {
  if (systemMenu_ != nullptr) RemoveFreeNotification(systemMenu_);
  systemMenu_ = value;
  if (value != nullptr) FreeNotification(value);
}

// The system-menu button shows the form's icon in the icon's size.
void TspFormSkinner::SetShowIcon(bool value) {
  showIcon_ = value;
  if (!Designing() && !ComponentState().Contains(csLoading)) RepaintFrame();
}

TMenuItem* TspFormSkinner::MakeStandardItem(int entry) {
  const TStandardItem& standard = kStandardItems[static_cast<size_t>(entry)];
  auto* item = new TMenuItem(this);
  item->SetName(standard.name);
  TspResourceStrData* strings = skinData_ != nullptr ? skinData_->ResourceStrData() : nullptr;
  item->SetCaption(strings != nullptr ? strings->GetResStr(standard.captionKey) : AnsiString(standard.caption));
  item->OnClick = TNotifyEvent(this, standard.click);
  // (An MDI child's close item would take "Ctrl+F4": the forms have no MDI style yet.)
  if (standard.closes) item->SetShortCut(TextToShortCut("Alt+F4"));
  return item;
}

bool TspFormSkinner::StandardItemShown(int entry) const {
  switch (entry) {
    case seMin: return WindowState != spwsMinimized && BorderIcons.Contains(TspBorderIcon::biMinimize);
    case seMax: return WindowState != spwsMaximized && BorderIcons.Contains(TspBorderIcon::biMaximize);
    case seRestore: return WindowState != spwsNormal || RollUpState;
    case seRollUp:
      return !RollUpState && WindowState != spwsMinimized && BorderIcons.Contains(TspBorderIcon::biRollUp);
    case seMinToTray: return BorderIcons.Contains(TspBorderIcon::biMinimizeToTray);
    default: return true;
  }
}

// Both menus take their standard items under the same names: the ones left in the other
// menu go first, so no name is held twice.
void TspFormSkinner::FreeStandardSysItems() {
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    if (i >= ComponentCount()) continue;  // freeing an item may free others
    auto* item = dynamic_cast<TMenuItem*>(Components(i));
    if (item != nullptr && IsSystemMenuItemName(item->Name())) delete item;
  }
}

void TspFormSkinner::CreateSysMenu() {
  FreeStandardSysItems();
  TMenuItem* items = BuiltInSysMenu->Items();
  while (items->Count() > 0) items->Delete(items->Count() - 1);
  for (TStandardEntry entry : kStateEntries) {
    if (StandardItemShown(entry)) items->Add(MakeStandardItem(entry));
  }
  if (items->Count() > 0) items->Add(MakeSeparator(this));
  items->Add(MakeStandardItem(seClose));
}

void TspFormSkinner::CreateUserSysMenu() {
  if (!UseDefaultSysMenu) return;
  FreeStandardSysItems();
  TMenuItem* items = systemMenu_->Items();
  for (auto entry = kStateEntries.rbegin(); entry != kStateEntries.rend(); ++entry) {
    if (StandardItemShown(*entry)) items->Insert(0, MakeStandardItem(*entry));
  }
  items->Add(MakeStandardItem(seClose));
}

TMenuItem* TspFormSkinner::GetSystemMenu() {
  if (systemMenu_ != nullptr) {
    CreateUserSysMenu();
    return systemMenu_->Items();
  }
  CreateSysMenu();
  return BuiltInSysMenu->Items();
}

// Filled once, before a skin can be set: the tray items keep the built-in captions.
void TspFormSkinner::CreateSysTrayMenu() {
  TMenuItem* items = TrayMenu->Items();
  items->Add(MakeStandardItem(seTrayRestore));
  items->Add(MakeSeparator(this));
  items->Add(MakeStandardItem(seTrayClose));
}

// Minimising to the tray and rolling up come with their own area; until then the
// minimise item minimises and the roll-up items do nothing.
void TspFormSkinner::SM_Min(TObject* sender) {
  (void)sender;
  SetWindowState(spwsMinimized);
}

void TspFormSkinner::SM_Max(TObject* sender) {
  (void)sender;
  SetWindowState(spwsMaximized);
}

void TspFormSkinner::SM_Restore(TObject* sender) {
  (void)sender;
  SetWindowState(spwsNormal);
}

void TspFormSkinner::SM_RollUp(TObject* sender) { (void)sender; }

void TspFormSkinner::SM_MinToTray(TObject* sender) { (void)sender; }

void TspFormSkinner::SM_Close(TObject* sender) {
  (void)sender;
  OwnerForm->Close();
}

void TspFormSkinner::TSM_Restore(TObject* sender) { (void)sender; }

void TspFormSkinner::TSM_Close(TObject* sender) {
  (void)sender;
  OwnerForm->Close();
}
