#pragma once
// Visual styles for the framed controls: whether the system's visual styles are in use,
// theme handles per element class, the controls' state numbers mapped onto the styles'
// parts and states, and element drawing. The styles library ("uxtheme.dll") is bound at
// run time and counted; without it, or with styles switched off, nothing is drawn with
// styles and the controls paint their own look.
#include <string>

#include "classlib/graphics/Types.h"
#include "classlib/runtime/Events.h"
#include "classlib/runtime/Messages.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/WinApi.h"

using HTHEME = HANDLE;

// ---- The run-time binding of the styles library ----

// The entries of the styles library that the framed controls call; all null while the
// library is not loaded (a missing entry stays null).
struct TStylesEntries {
  HTHEME(WINAPI* OpenThemeData)(HWND window, LPCWSTR classList) = nullptr;
  HRESULT(WINAPI* CloseThemeData)(HTHEME theme) = nullptr;
  HRESULT(WINAPI* DrawThemeBackground)(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                                       const RECT* clip) = nullptr;
  HRESULT(WINAPI* DrawThemeText)(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int length, DWORD flags,
                                 DWORD flags2, const RECT* rect) = nullptr;
  BOOL(WINAPI* IsThemeBackgroundPartiallyTransparent)(HTHEME theme, int part, int state) = nullptr;
  HRESULT(WINAPI* DrawThemeParentBackground)(HWND window, HDC dc, const RECT* rect) = nullptr;
  BOOL(WINAPI* IsThemeActive)() = nullptr;
  BOOL(WINAPI* IsAppThemed)() = nullptr;
  DWORD(WINAPI* GetThemeAppProperties)() = nullptr;
};

// The lock that pairs loads and unloads across threads: made by the framed library's
// start-up before anything loads the library; the shut-down unloads what is left and
// frees it.
void InitializeStylesBinding();
void FinalizeStylesBinding();

// Counted load: true when the library is loaded (the first load binds the entries).
bool LoadStylesLibrary();
// Counted release: the last one frees the library and clears the entries.
void UnloadStylesLibrary();
// The library is loaded and the application and the system both use styles.
bool StylesLibraryUsable();
// The bound entries (read on the window thread).
const TStylesEntries& StylesEntries();

// ---- Elements ----

// The element classes, in the order of their theme handles.
enum TThemedElement {
  teButton, teClock, teComboBox, teEdit, teExplorerBar, teHeader, teListView, teMenu,
  tePage, teProgress, teRebar, teScrollBar, teSpin, teStartPanel, teStatus, teTab,
  teTaskBand, teTaskBar, teToolBar, teToolTip, teTrackBar, teTrayNotify, teTreeView, teWindow
};
constexpr int kThemedElementCount = teWindow + 1;

// One drawing of an element: its class and the styles library's part and state numbers.
struct ThemedElementDetails {
  TThemedElement Element = teButton;
  int Part = 0;
  int State = 0;
  friend bool operator==(const ThemedElementDetails&, const ThemedElementDetails&) = default;
};

// ---- The styles object ----

// The one object that answers whether styles are in use and draws elements. It follows
// the application window's WM_THEMECHANGED (through the application's hook): styles are
// evaluated again, the theme handles closed, and OnStylesChanged fires; the handles open
// again lazily at the next drawing.
class TThemeServices : public TObject {
  CLASSLIB_CLASS(TThemeServices, TObject)
 public:
  // `window` is the application window (null: no window to follow, nothing hooked).
  explicit TThemeServices(HWND window);
  ~TThemeServices() override;
  TThemeServices(const TThemeServices&) = delete;
  TThemeServices& operator=(const TThemeServices&) = delete;

  // The test every framed control makes before drawing with styles: the library is
  // loaded, styles are used by the application, and allowed on controls.
  bool StylesActive() const { return stylesAvailable_ && useStyles_ && controlsEnabled_; }
  bool StylesAvailable() const { return stylesAvailable_; }

  // The element's theme handle, opened on first use while styles are in use; 0 otherwise.
  HTHEME ThemeHandle(TThemedElement element);
  // Whether the element's handle is open now (without opening it).
  bool ThemeHandleOpen(TThemedElement element) const { return handles_[element] != nullptr; }

  // The controls' state numbers as parts and states (see FrThemes.cpp for the ranges);
  // a number outside the ranges gives part 0 and state n + 1.
  static ThemedElementDetails ButtonElement(int n);
  static ThemedElementDetails ComboBoxElement(int n);
  static ThemedElementDetails ScrollBarElement(int n);
  static ThemedElementDetails SpinElement(int n);

  void PaintElement(HDC dc, const ThemedElementDetails& details, const TRect& rect, const TRect* clip = nullptr);
  // Paints the parent's background behind `window` into `rect`; with `onlyIfTransparent`
  // and details, only when that element is partly transparent.
  void PaintParentElementBackground(HWND window, HDC dc, const ThemedElementDetails* details,
                                    bool onlyIfTransparent, const TRect& rect);
  void PaintElementText(HDC dc, const ThemedElementDetails& details, const std::wstring& text, const TRect& rect,
                        DWORD flags, DWORD flags2);

  // Evaluates styles again (the handles are closed when styles were in use).
  void RefreshStylesState();
  void CloseThemeHandles();

  TNotifyEvent OnStylesChanged;

 protected:
  virtual void DoStylesChanged();

 private:
  void MainWindowHook(TMessage& message, bool& handled);

  HWND window_;
  bool hooked_ = false;
  bool stylesAvailable_ = false;
  bool useStyles_ = false;
  bool controlsEnabled_ = false;
  HTHEME handles_[kThemedElementCount] = {};
};

// The framed library's styles object, made by InitializeFramed and freed by FinalizeFramed.
extern TThemeServices* ThemeServices;
