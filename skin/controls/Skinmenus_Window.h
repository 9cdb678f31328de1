#pragma once
#include <memory>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/Menus.h"
#include "classlib/windowing/Timer.h"
#include "skin/data/Skindata.h"
#include "skin/data/Speffbmp.h"

class TspSkinMenu;
class TspSkinMenuItem;

// The window parameters of a popup: a borderless top-most tool window without a parent
// that saves the screen under it (and casts a shadow where the system can).
void SetPopupWindowParams(TCreateParams& params);

// One level of an open skinned popup menu: a borderless top-most tool window that never
// takes the activation and shows the visible children of one menu item (or of two, one
// after the other) as TspSkinMenuItem objects. It sizes itself to its items, places
// itself beside the rectangle it opens from within the work area, paints the skin's
// popup-window look or a default frame, scrolls when the items do not fit, follows the
// pointer with a 50 ms timer and takes the keys the form forwards (PopupKeyDown).
//
// A skin whose popup-window look has no usable picture, or that has no usable
// "MENUITEM"/"menuitem" look, gives the default look for the window or its items.
class TspSkinPopupWindow : public TCustomControl {
  CLASSLIB_CLASS(TspSkinPopupWindow, TCustomControl)
 public:
  static constexpr int kMarkerHeight = 10;
  static constexpr int kScrollTimerId = 1;
  static constexpr unsigned kScrollInterval = 100;
  static constexpr unsigned kMouseInterval = 50;
  static constexpr unsigned kEffectInterval = 20;
  static constexpr unsigned kDelayInterval = 100;
  static constexpr int kDefaultSeparatorHeight = 4;

  TspSkinPopupWindow(TComponent* owner, TspSkinMenu* controller, TspDataSkinPopupWindow* look);
  ~TspSkinPopupWindow() override;

  // Builds, places and shows the window; `r` is in screen coordinates.
  void Show(const TRect& r, TMenuItem* item, int startIndex, bool isSub, bool upward);
  void Show2(const TRect& r, TMenuItem* itemA, TMenuItem* itemB, int startIndex, bool isSub, bool upward);
  // A virtual-key code forwarded by the skinned form (only while the window shows).
  void PopupKeyDown(int key);
  // Hides the window without freeing it and stops following the pointer.
  void Hide();
  // Closes the windows after this one and releases this window's pressed items.
  void UpDatePW();
  void ScrollUp(bool wrap);
  void ScrollDown(bool wrap);
  bool CanScroll(int direction) const;

  TspSkinMenu* Controller() const { return controller_; }
  TspSkinData* SkinData() const { return skinData_; }
  TspDataSkinPopupWindow* Look() const { return look_; }
  TspDataSkinMenuItem* ItemLook() const { return itemLook_; }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  TspSkinMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
  int IndexOfItem(const TspSkinMenuItem* item) const;
  int ActiveIndex() const { return activeIndex_; }
  int TopIndex() const { return topIndex_; }
  int VisibleCount() const { return visibleCount_; }
  bool Scrollable() const { return scrollable_; }
  int ScrollDirection() const { return scrollDirection_; }
  TRect ItemArea() const { return itemArea_; }
  TPoint ScreenPosition() const { return screenPosition_; }
  // The window region handed to the window (it belongs to the window), or null.
  HRGN Region() const { return region_; }
  TCustomImageList* Images() const { return images_; }
  int ImageColumnWidth() const { return imageColumnWidth_; }
  bool AlphaBlend() const { return alphaBlend_; }
  int AlphaBlendValue() const { return alphaBlendValue_; }
  // Translucency imitated by blending with a screen capture (no layered windows).
  bool ImitatesTranslucency() const;
  TspEffectBmp* ScreenCapture() const { return screenCaptureEffect_.get(); }
  // The full window picture under items that are transparent when inactive, or null.
  TBitmap* Background() const { return background_.get(); }
  TTimer* EffectTimer() const { return effectTimer_; }
  // The window was closed by its controller and waits to be freed.
  bool Closed() const { return closed_; }

  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  friend class TspSkinMenu;

  // Building and layout.
  void CreateMenu(TMenuItem* item, int startIndex);
  void CreateMenu2(TMenuItem* itemA, TMenuItem* itemB, int startIndex);
  void AddItems(TMenuItem* item, int from);
  void PrepareCanvasFont();
  void CalcSize();
  int TextWidthOfItems();
  int Margin(bool horizontal) const;
  int LimitedItemHeight() const;
  void CalcItemRects();
  int GetEndStartVisibleIndex() const;
  void Place(const TRect& r, bool isSub, bool upward, int& x, int& y);
  void ShowWindowAt(int x, int y);
  void FadeIn();
  void SelectFirstItem();
  void ShowWith(const TRect& r, bool isSub, bool upward);

  // Painting.
  void PaintMenu(HDC dc);
  void CreateRealImage(TBitmap* bitmap, bool drawClient);
  void BlendWithCapture(TBitmap* bitmap);
  void DrawUpMarker(TCanvas* canvas);
  void DrawDownMarker(TCanvas* canvas);
  void DrawMarker(TCanvas* canvas, const TRect& strip, int code, int direction);
  void DrawScrollArea(TCanvas* canvas, const TRect& rect);
  void RedrawMarkers();
  void SetMenuWindowRegion();
  void RepaintAll();

  // Pointer, scrolling and keys.
  void TestMouse(TObject* sender);
  void TestActive(int x, int y);
  bool GetActive(int x, int y) const;
  bool InWindow(const TPoint& screenPoint);
  void TestMorph(TObject* sender);
  void WTProc(TObject* sender);
  void StartScroll();
  void StopScroll();
  void ActivateByKey(int index);
  bool AccelKey(int key);
  void NextItem();
  void PriorItem();
  void ReleaseActiveOfLast();
  void WMTimer(TMessage& message);

  TspDataSkinMenuItem* itemLook_ = nullptr;
  int visibleCount_ = 0;
  int topIndex_ = 0;
  bool scrollable_ = false;
  bool limited_ = false;
  int scrollDirection_ = 0;
  TPoint newLTPoint_, newRTPoint_, newLBPoint_, newRBPoint_;
  TRect itemArea_;
  HRGN region_ = nullptr;
  TPoint screenPosition_;
  TTimer* delayTimer_;
  TPoint lastMousePoint_{-1, -1};
  TCustomImageList* images_ = nullptr;
  int imageColumnWidth_ = 16;
  TBitmap* windowPicture_ = nullptr;
  TBitmap* maskPicture_ = nullptr;
  int previousIndex_ = -1;
  TTimer* mouseTimer_;
  TTimer* effectTimer_;
  TspSkinMenu* controller_;
  TspSkinData* skinData_ = nullptr;
  TspDataSkinPopupWindow* look_ = nullptr;
  std::unique_ptr<TBitmap> screenCapture_;
  std::unique_ptr<TspEffectBmp> screenCaptureEffect_;
  bool alphaBlend_;
  int alphaBlendValue_;
  bool alphaAnimation_;
  std::vector<std::unique_ptr<TspSkinMenuItem>> items_;
  int activeIndex_ = -1;
  std::unique_ptr<TBitmap> background_;
  bool closed_ = false;
  bool shown_ = false;
  bool pendingSub_ = false;  // placement waits for the delay timer
  TRect pendingRect_;
  bool pendingUpward_ = false;
};
