#pragma once
// The application's hints drawn by the skin library: the hint component installs its hint
// window class and serves the hints; the first active component on the main form serves.
#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/runtime/Component.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/HintWindow.h"
#include "classlib/windowing/Timer.h"

class TspSkinHint;

// The hint window: sized to its text (line breaks only), placed inside the screen and
// drawn in its component's look.
class TspSkinHintWindow : public THintWindow {
  CLASSLIB_CLASS(TspSkinHintWindow, THintWindow)
 public:
  explicit TspSkinHintWindow(TComponent* owner);
  // Shows `text` with its top-left corner at `rect`'s; the size is the window's own.
  void ActivateHint(const TRect& rect, const AnsiString& text) override;
  void CalcHintSize(const AnsiString& text, int& width, int& height);
  // The first active hint component of the application's main form, or null.
  static TspSkinHint* FindHintComponent();

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void ApplyFont(TspSkinHint* hint);
};

// The hint component: installs TspSkinHintWindow as the application's hint window class
// and restores the class and the show-hint handler it replaced when it goes.
class TspSkinHint : public TComponent {
  CLASSLIB_CLASS(TspSkinHint, TComponent)
 public:
  explicit TspSkinHint(TComponent* owner);
  ~TspSkinHint() override;

  AnsiString LineSeparator = "@";
  TFont* DefaultFont() const { return defaultFont_; }
  void SetDefaultFont(TFont* font);
  bool Active() const { return active_; }
  // Turning it on turns every other hint component of the main form off.
  void SetActive(bool value);
  TShowHintEvent OnShowHint;

  // Replaces every separator by a line break; replacements are not searched again.
  AnsiString CheckText(const AnsiString& text) const;
  // Shows a plain hint at once with its top-left corner at `point` (screen).
  void ActivateHint(const TPoint& point, const AnsiString& text);
  // A timed hint: shows below the cursor after the application's HintPause and hides
  // after its HintHidePause; replaces any pending or showing one.
  void ActivateHint2(const AnsiString& text);
  // Cancels a pending timed hint and hides a shown one.
  void HideHint();
  bool IsVisible() const;
  // From the cursor's hot spot down to the lowest visible row of its shape, in pixels.
  static int GetCursorHeightMargin();

 private:
  void SelfOnShowHint(AnsiString& text, bool& canShow, THintInfo& info);
  void HintTimerFired(TObject* sender);
  bool Designing() const { return ComponentState().Contains(csDesigning); }

  TFont* defaultFont_;
  bool active_ = true;
  TspSkinHintWindow* window_;
  // Made on the first timed hint; a cancelled one is only switched off, as it may be
  // cancelled from inside its own tick.
  TTimer* timer_ = nullptr;
  bool timedShowing_ = false;
  AnsiString pendingText_;
  TClass previousClass_ = nullptr;
  TShowHintEvent previousOnShowHint_;
};
