#include "framed/FrThemes.h"

#include <memory>
#include <mutex>

#include "classlib/comctrls/CoolBar.h"
#include "classlib/runtime/SyncObjs.h"
#include "classlib/windowing/Application.h"

TThemeServices* ThemeServices = nullptr;

// ---- The run-time binding of the styles library ----

namespace {

struct TStylesBinding {
  TCriticalSection lock;
  HMODULE module = nullptr;
  int count = 0;
  TStylesEntries entries;
};

std::unique_ptr<TStylesBinding>& Binding() {
  static std::unique_ptr<TStylesBinding> binding;
  return binding;
}

template <class F>
void BindEntry(HMODULE module, F& entry, const char* name) {
  entry = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void BindEntries(HMODULE module, TStylesEntries& entries) {
  BindEntry(module, entries.OpenThemeData, "OpenThemeData");
  BindEntry(module, entries.CloseThemeData, "CloseThemeData");
  BindEntry(module, entries.DrawThemeBackground, "DrawThemeBackground");
  BindEntry(module, entries.DrawThemeText, "DrawThemeText");
  BindEntry(module, entries.IsThemeBackgroundPartiallyTransparent, "IsThemeBackgroundPartiallyTransparent");
  BindEntry(module, entries.DrawThemeParentBackground, "DrawThemeParentBackground");
  BindEntry(module, entries.IsThemeActive, "IsThemeActive");
  BindEntry(module, entries.IsAppThemed, "IsAppThemed");
  BindEntry(module, entries.GetThemeAppProperties, "GetThemeAppProperties");
}

// Whether the bound entry answers true; a missing entry answers false.
bool Ask(BOOL(WINAPI* entry)()) { return entry != nullptr && entry() != FALSE; }

}  // namespace

void InitializeStylesBinding() {
  if (!Binding()) Binding() = std::make_unique<TStylesBinding>();
}

void FinalizeStylesBinding() {
  if (!Binding()) return;
  while (Binding()->count > 0) UnloadStylesLibrary();
  Binding().reset();
}

bool LoadStylesLibrary() {
  TStylesBinding* binding = Binding().get();
  if (binding == nullptr) return false;
  std::lock_guard<TCriticalSection> scope(binding->lock);
  ++binding->count;
  if (binding->module != nullptr) return true;
  binding->module = LoadLibraryA("uxtheme.dll");
  if (binding->module == nullptr) return false;
  BindEntries(binding->module, binding->entries);
  return true;
}

void UnloadStylesLibrary() {
  TStylesBinding* binding = Binding().get();
  if (binding == nullptr) return;
  std::lock_guard<TCriticalSection> scope(binding->lock);
  if (binding->count > 0) --binding->count;
  if (binding->module != nullptr && binding->count == 0) {
    FreeLibrary(binding->module);
    binding->module = nullptr;
    binding->entries = TStylesEntries();
  }
}

bool StylesLibraryUsable() {
  TStylesBinding* binding = Binding().get();
  return binding != nullptr && binding->module != nullptr && Ask(binding->entries.IsAppThemed) &&
         Ask(binding->entries.IsThemeActive);
}

const TStylesEntries& StylesEntries() {
  static const TStylesEntries none;
  return Binding() ? Binding()->entries : none;
}

// ---- Elements ----

namespace {

const wchar_t* const kElementClasses[kThemedElementCount] = {
    L"button", L"clock",    L"combobox", L"edit",     L"explorerbar", L"header",     L"listview",   L"menu",
    L"page",   L"progress", L"rebar",    L"scrollbar", L"spin",       L"startpanel", L"status",     L"tab",
    L"taskband", L"taskbar", L"toolbar", L"tooltip",  L"trackbar",    L"traynotify", L"treeview",   L"window"};

// A run of state numbers that maps onto one part: state = n - first + 1.
struct TStateRange {
  int first;
  int last;
  int part;
};

template <size_t N>
ThemedElementDetails MapState(TThemedElement element, const TStateRange (&ranges)[N], int n) {
  for (const TStateRange& range : ranges) {
    if (n >= range.first && n <= range.last) return {element, range.part, n - range.first + 1};
  }
  return {element, 0, n + 1};
}

// Push button (normal, hot, pressed, disabled, default); radio button and check box
// (per check state: normal, hot, pressed, disabled); group box; user button.
constexpr TStateRange kButtonStates[] = {{2, 6, 1}, {7, 14, 2}, {15, 26, 3}, {27, 28, 4}, {29, 29, 5}};
// Drop-down button: normal, hot, pressed, disabled.
constexpr TStateRange kComboBoxStates[] = {{2, 5, 1}};
// Arrow buttons (16 states); thumbs, tracks and grippers (normal, hot, pressed,
// disabled); size box (two states).
constexpr TStateRange kScrollBarStates[] = {{2, 17, 1},  {18, 21, 2}, {22, 25, 3}, {26, 29, 4}, {30, 33, 5},
                                            {34, 37, 6}, {38, 41, 7}, {42, 45, 8}, {46, 49, 9}, {50, 51, 10}};
// Up, down, horizontal up, horizontal down: normal, hot, pressed, disabled.
constexpr TStateRange kSpinStates[] = {{2, 5, 1}, {6, 9, 2}, {10, 13, 3}, {14, 17, 4}};

constexpr DWORD kComCtlVersion6 = 0x60000;
constexpr DWORD kAllowControls = 2;  // STAP_ALLOW_CONTROLS

}  // namespace

// ---- The styles object ----

TThemeServices::TThemeServices(HWND window) : window_(window) {
  if (window_ != nullptr) {
    Application->HookMainWindow(TWindowHook(this, &TThemeServices::MainWindowHook));
    hooked_ = true;
  }
  stylesAvailable_ = LoadStylesLibrary();
  RefreshStylesState();
}

TThemeServices::~TThemeServices() {
  if (hooked_) Application->UnhookMainWindow(TWindowHook(this, &TThemeServices::MainWindowHook));
  CloseThemeHandles();
  UnloadStylesLibrary();
}

void TThemeServices::MainWindowHook(TMessage& message, bool& handled) {
  handled = false;  // the application window handles every message as before
  if (message.Msg != WM_THEMECHANGED) return;
  RefreshStylesState();
  DoStylesChanged();
}

void TThemeServices::RefreshStylesState() {
  if (useStyles_) CloseThemeHandles();
  useStyles_ = StylesLibraryUsable() && GetComCtlVersion() >= kComCtlVersion6;
  const TStylesEntries& entries = StylesEntries();
  controlsEnabled_ = useStyles_ && entries.GetThemeAppProperties != nullptr &&
                     (entries.GetThemeAppProperties() & kAllowControls) != 0;
}

void TThemeServices::CloseThemeHandles() {
  for (HTHEME& handle : handles_) {
    if (handle == nullptr) continue;
    if (StylesEntries().CloseThemeData != nullptr) StylesEntries().CloseThemeData(handle);
    handle = nullptr;
  }
}

void TThemeServices::DoStylesChanged() { OnStylesChanged(this); }

HTHEME TThemeServices::ThemeHandle(TThemedElement element) {
  HTHEME& handle = handles_[element];
  if (useStyles_ && handle == nullptr && StylesEntries().OpenThemeData != nullptr) {
    handle = StylesEntries().OpenThemeData(window_, kElementClasses[element]);
  }
  return handle;
}

ThemedElementDetails TThemeServices::ButtonElement(int n) { return MapState(teButton, kButtonStates, n); }
ThemedElementDetails TThemeServices::ComboBoxElement(int n) { return MapState(teComboBox, kComboBoxStates, n); }
ThemedElementDetails TThemeServices::ScrollBarElement(int n) { return MapState(teScrollBar, kScrollBarStates, n); }
ThemedElementDetails TThemeServices::SpinElement(int n) { return MapState(teSpin, kSpinStates, n); }

void TThemeServices::PaintElement(HDC dc, const ThemedElementDetails& details, const TRect& rect, const TRect* clip) {
  HTHEME theme = ThemeHandle(details.Element);
  if (theme == nullptr || StylesEntries().DrawThemeBackground == nullptr) return;
  StylesEntries().DrawThemeBackground(theme, dc, details.Part, details.State, rect.AsRECT(),
                                      clip != nullptr ? clip->AsRECT() : nullptr);
}

void TThemeServices::PaintParentElementBackground(HWND window, HDC dc, const ThemedElementDetails* details,
                                                  bool onlyIfTransparent, const TRect& rect) {
  const TStylesEntries& entries = StylesEntries();
  bool transparent = true;
  if (onlyIfTransparent && details != nullptr) {
    HTHEME theme = ThemeHandle(details->Element);
    transparent = theme != nullptr && entries.IsThemeBackgroundPartiallyTransparent != nullptr &&
                  entries.IsThemeBackgroundPartiallyTransparent(theme, details->Part, details->State) != FALSE;
  }
  if (!transparent || entries.DrawThemeParentBackground == nullptr) return;
  entries.DrawThemeParentBackground(window, dc, rect.AsRECT());
}

void TThemeServices::PaintElementText(HDC dc, const ThemedElementDetails& details, const std::wstring& text,
                                      const TRect& rect, DWORD flags, DWORD flags2) {
  HTHEME theme = ThemeHandle(details.Element);
  if (theme == nullptr || StylesEntries().DrawThemeText == nullptr) return;
  StylesEntries().DrawThemeText(theme, dc, details.Part, details.State, text.c_str(), static_cast<int>(text.size()),
                                flags, flags2, rect.AsRECT());
}
