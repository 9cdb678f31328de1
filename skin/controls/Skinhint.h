#pragma once
// The application's hints drawn by the skin library: the hint component installs its hint
// window class and serves the hints; the first active component on the main form serves.
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/Component.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/HintWindow.h"
#include "classlib/windowing/Timer.h"
#include "skin/data/Skindata.h"

class TspSkinHint;

// The hint window: sized to its text (line breaks only), an optional bold title and an
// optional image, placed inside the screen and drawn in the skin's hint-window look (a
// nine-part face, a window region from its mask) or in the default look; translucent
// through a layered window, or by blending with the screen where there is none.
class TspSkinHintWindow : public THintWindow {
  CLASSLIB_CLASS(TspSkinHintWindow, THintWindow)
 public:
  explicit TspSkinHintWindow(TComponent* owner);
  // Shows `text` with its top-left corner at `rect`'s; the size is the window's own. The
  // component's title and image, when it holds some, come along.
  void ActivateHint(const TRect& rect, const AnsiString& text) override;
  void ActivateHintEx(const TRect& rect, const AnsiString& title, const AnsiString& text, int imageIndex,
                      TCustomImageList* imageList);
  void CalcHintSize(const AnsiString& text, int& width, int& height);
  void CalcHintSizeEx(const AnsiString& text, const AnsiString& title, int imageIndex, TCustomImageList* imageList,
                      int& width, int& height);
  // The first active hint component of the application's main form, or null.
  static TspSkinHint* FindHintComponent();

  // The skin in use for the last hint (null: default look).
  TspSkinData* SkinDataInUse() const { return skinData_; }
  // The region handed to the window (the window owns it), or null.
  HRGN Region() const { return region_; }
  // The screen under the window taken before it showed (imitated translucency).
  TBitmap* ScreenCapture() const { return screenCapture_.get(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void Show(const TRect& rect, const AnsiString& text, bool extended);
  void ApplyFont(TspSkinHint* hint);
  // The text size, widened by `extraWidth` to the skin's client margin.
  void FitToLook(int& width, int& height, int extraWidth);
  void ApplyTranslucency(TspSkinHint* hint);
  void SetHintWindowRegion();
  void DrawFace(TBitmap* buffer);
  void DrawPlainText(TCanvas* canvas);
  void DrawExtended(TCanvas* canvas);
  void BlendWithScreen(TBitmap* buffer);
  TBitmap* SkinPicture(int index) const;
  const TspDataSkinHintWindow& Look() const { return *skinData_->HintWindow; }

  TRect clientRect_;
  TPoint newLTPoint_, newRTPoint_, newLBPoint_, newRBPoint_;
  TspSkinData* skinData_ = nullptr;
  std::unique_ptr<TBitmap> screenCapture_;
  HRGN region_ = nullptr;
  bool alphaBlendApplied_ = false;
  int alphaBlendValueApplied_ = 0;
  bool imitated_ = false;
  int imitatedValue_ = 255;
  bool extended_ = false;
  AnsiString title_;
  int imageIndex_ = -1;
  TCustomImageList* imageList_ = nullptr;
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
  // Take the font of the skin's hint-window look.
  bool UseSkinFont = true;
  // Translucent hints, AlphaBlendValue of 255 opaque, optionally faded in.
  bool AlphaBlend = false;
  int AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(int value);
  bool AlphaBlendAnimation = false;
  // Translucency through a layered window; stays off on systems without them, where the
  // hint is blended with the screen under it instead.
  bool AlphaBlendSupport() const { return alphaBlendSupport_; }
  void SetAlphaBlendSupport(bool value);
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  bool Active() const { return active_; }
  // Turning it on turns every other hint component of the main form off.
  void SetActive(bool value);
  TShowHintEvent OnShowHint;

  // Replaces every separator by a line break; replacements are not searched again.
  AnsiString CheckText(const AnsiString& text) const;
  // Shows a plain hint at once with its top-left corner at `point` (screen).
  void ActivateHint(const TPoint& point, const AnsiString& text);
  // The same with a bold title above the text and an image at its left.
  void ActivateHintEx(const TPoint& point, const AnsiString& title, const AnsiString& text, int imageIndex,
                      TCustomImageList* imageList);
  // A timed hint: shows below the cursor after the application's HintPause and hides
  // after its HintHidePause; replaces any pending or showing one.
  void ActivateHint2(const AnsiString& text);
  void ActivateHintEx2(const AnsiString& title, const AnsiString& text, int imageIndex,
                       TCustomImageList* imageList);
  // Cancels a pending timed hint and hides a shown one.
  void HideHint();
  bool IsVisible() const;
  // From the cursor's hot spot down to the lowest visible row of its shape, in pixels.
  static int GetCursorHeightMargin();

  // The title and image of the hint being shown (set for the hinted skinned control).
  AnsiString HintTitle() const { return hintTitle_; }
  int HintImageIndex() const { return hintImageIndex_; }
  TCustomImageList* HintImageList() const { return hintImageList_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void SelfOnShowHint(AnsiString& text, bool& canShow, THintInfo& info);
  void HintTimerFired(TObject* sender);
  void StartTimedHint(const AnsiString& title, const AnsiString& text, int imageIndex, TCustomImageList* imageList);
  void SetHintExtras(const AnsiString& title, int imageIndex, TCustomImageList* imageList);
  bool Designing() const { return ComponentState().Contains(csDesigning); }

  TFont* defaultFont_;
  bool active_ = true;
  bool alphaBlendSupport_ = true;
  int alphaBlendValue_ = 200;
  TspSkinData* skinData_ = nullptr;
  TspSkinHintWindow* window_;
  // Made on the first timed hint; a cancelled one is only switched off, as it may be
  // cancelled from inside its own tick.
  TTimer* timer_ = nullptr;
  bool timedShowing_ = false;
  AnsiString pendingText_;
  AnsiString hintTitle_;
  int hintImageIndex_ = -1;
  TCustomImageList* hintImageList_ = nullptr;
  TClass previousClass_ = nullptr;
  TShowHintEvent previousOnShowHint_;
};
