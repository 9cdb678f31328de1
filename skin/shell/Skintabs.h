#pragma once
// The skinned page control with its tab sheets and the skinned tab control. Both keep the
// system tab control's layout, selection and keys, change its display and tab rectangles,
// paint everything themselves from a "tab" look (or a built-in look) and add close buttons,
// a skinned tab scroller and, for the page control, a tab row that can be hidden.
#include <memory>
#include <vector>

#include "classlib/comctrls/TabControl.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/Events.h"
#include "skin/controls/Skinctrls_Reskin.h"
#include "skin/data/Sputils_ParentImage.h"
#include "skin/data/Sputils_Values.h"

class TspSkinData;
class TspSkinUpDown;

// Where a tab's close button was last drawn (relative to the tab's top-left corner) and
// whether it is under the pointer and held down.
struct TspTabCloseState {
  TRect Rect;
  bool Hot = false;
  bool Pressed = false;
};

// What the controls read from their "tab" look before every paint and size change.
struct TspTabLook {
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = clFuchsia;
  TBitmap* Picture = nullptr;
  TRect SkinRect, ClientRect, TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, TabsBGRect;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  int TabLeftOffset = 0, TabRightOffset = 0;
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 14;
  TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
  AnsiString UpDown;
  int BGPictureIndex = -1;
  bool TabStretchEffect = false;
  bool ShowFocus = false;
  int FocusOffsetX = 0, FocusOffsetY = 0;
  bool StretchEffect = false;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  TspStretchType StretchType = spstFull;

  // The frame's margins around the page area.
  TRect Margins() const;
};

using TspCloseEvent = TEvent<TObject*, bool&>;
using TspCloseEvent2 = TEvent<int, bool&>;
// Draws a tab's content (index, face rectangle, active, under the pointer, face canvas).
using TspDrawSkinTabEvent = TEvent<int, TRect, bool, bool, TCanvas*>;

// Draws `Bitmap` turned a quarter turn counter-clockwise (its top row becomes its left
// column), its top-left corner at X, Y.
void DrawRotated90Left(TCanvas* Cnvs, TBitmap* Bitmap, int X, int Y);
// The same turned clockwise (its top row becomes its right column).
void DrawRotated90Right(TCanvas* Cnvs, TBitmap* Bitmap, int X, int Y);
// Turns `Bitmap` upside down in place.
void FlipBitmapVert(TBitmap* Bitmap);
// An image and a caption side by side, centred in W x H and moved down by YOffset.
void DrawImageAndCaption(TCanvas* Cnvs, int W, int H, const AnsiString& Caption, TCustomImageList* Images,
                         int ImageIndex, bool Enabled, int YOffset);
// Lends a device context to a canvas for the life of the scope.
class TspDCCanvas {
 public:
  explicit TspDCCanvas(HDC dc) { canvas_.SetHandle(dc); }
  ~TspDCCanvas() { canvas_.SetHandle(nullptr); }
  TspDCCanvas(const TspDCCanvas&) = delete;
  TspDCCanvas& operator=(const TspDCCanvas&) = delete;
  TCanvas* get() { return &canvas_; }

 private:
  TCanvas canvas_;
};

// `rect`, or `otherwise` when `rect` is a null rectangle.
TRect FallbackRect(const TRect& rect, const TRect& otherwise);
// Covers `area` of the canvas with `part` of `picture`: stretched as `type` says when
// `stretch` is set, else tiled from the area's top-left corner.
void PaintLookPart(TCanvas* canvas, TBitmap* picture, const TRect& part, const TRect& area, bool stretch,
                   TspStretchType type);

// What the page and tab controls share: the look, geometry, painting, hot tracking,
// close buttons and scroller, over the class library's control `Base`.
template <class Base>
class TspSkinTabs : public Base, public IspSkinControl {
 public:
  explicit TspSkinTabs(TComponent* owner);
  ~TspSkinTabs() override;

  TspSkinData* SkinData() const override { return skinData_; }
  void SetSkinData(TspSkinData* value) override;
  void BeforeChangeSkinData() override {}
  void ChangeSkinData() override;

  AnsiString SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }
  // The look in use (-1: the built-in look) and its cached values.
  int LookIndex() const { return lookIndex_; }
  const TspTabLook& Look() const { return look_; }
  // Finds the look again and refreshes the cache.
  void GetSkinData();

  TFont* DefaultFont() const { return defaultFont_.get(); }
  void SetDefaultFont(TFont* value) { defaultFont_->Assign(value); }
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  int DefaultItemHeight() const { return defaultItemHeight_; }
  void SetDefaultItemHeight(int value);
  bool ShowCloseButtons() const { return showCloseButtons_; }
  virtual void SetShowCloseButtons(bool value);
  bool TabsBGTransparent() const { return tabsBGTransparent_; }
  void SetTabsBGTransparent(bool value);
  // The images shown on the tabs (the system control sees only a spacer list).
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  // The spacer the system reserves in every tab.
  TCustomImageList* SpacerImages() const { return spacer_.get(); }
  // The space a close button takes: the look's close rectangle's width, else 14.
  int GetCloseSize() const;
  int CloseSize() const { return closeSize_; }

  // Tab `index` (among the visible tabs) as the control answers it, tab 0 one pixel
  // narrower at its left in single-line mode.
  TRect GetItemRect(int index);
  void SetItemSize(int width, int height);
  // The selected tab's rectangle reaching into the page by the active picture's extra
  // height; the null rectangle without a selected tab.
  TRect GetActiveTabRect();
  // The display rectangle grown by the look's margins.
  TRect FrameRect();
  // The look's own background picture, or null.
  TBitmap* BackgroundPicture() const;
  // The look's page picture: its client rectangle within the skin rectangle.
  TRect ClientPart() const;
  // The skin background without tabs and frame (button face without a look).
  void PaintBackground(TCanvas* canvas, const TRect& area);

  TspSkinUpDown* Scroller() const { return scroller_; }
  int HotTab() const { return hotTab_; }
  // The close state of tab item `ti`, or null when it has none.
  virtual TspTabCloseState* CloseState(int ti) = 0;
  // Closes the selected item when OnClose allows it (nothing without one).
  virtual void DoClose() = 0;

  TspDrawSkinTabEvent OnDrawSkinTab;
  TNotifyEvent OnAfterClose;

  void WndProc(TMessage& message) override;

 protected:
  void CreateHandleState() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void PaintWindow(HDC dc) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void Change() override;

  // What differs between the two controls.
  virtual int VisibleTabCount() = 0;
  // The tab item (page index or tab index) of visible tab `visible`.
  virtual int ItemOfTab(int visible) = 0;
  virtual AnsiString ItemCaption(int ti) = 0;
  // The image shown on item `ti`, -1 for none.
  virtual int ItemImage(int ti) = 0;
  virtual bool ItemEnabled(int ti) { (void)ti; return true; }
  virtual bool TabsHidden() const { return false; }
  // How far the caption of an inactive tab moves away from the page.
  virtual int InactiveShift() const = 0;
  // The frame margins are dropped for a look with its own background picture.
  virtual bool MarginsWithBackground() const { return true; }
  virtual TPoint ScrollerSize() const = 0;
  virtual void EraseBackground(TMessage& message) = 0;
  // The system's own erasing.
  void DefaultErase(TMessage& message) { Base::WndProc(message); }
  // The last step of a skin change.
  virtual void AfterChangeSkinData() {}

  void ApplyItemSize();
  void Change2();
  void UpDateTabs();
  void CheckScroll();
  void ShowSkinUpDown();
  void HideSkinUpDown();
  int GetPosition();
  int GetInVisibleItemCount();
  void OnUpDownChange(TObject* sender);
  // Moves the scroller without scrolling the row.
  void SetScrollerPosition(int position);
  // The scroller at the right edge: at the top for tabs at the top, else at the bottom.
  void PlaceScroller();
  void TestActive(int x, int y);
  // Whether x, y is over the hot tab's recorded close button.
  bool OverCloseButton(int x, int y);
  // Which buttons close the selected item when released over its close button.
  virtual bool ClosesOnButton(TMouseButton button) const { return button == mbLeft; }
  void ForgetHotTabs();
  void RedrawTabs();
  // A close button's flags after the pointer left it.
  void ClearCloseState(int ti);

  void AdjustDisplayRect(TRect& rect);
  void AdjustItemRect(TRect& rect);
  void PaintDefaultWindow(TCanvas* canvas);
  void PaintSkinWindow(TCanvas* canvas);
  void DrawTabs(TCanvas* canvas);
  void DrawTab(int ti, const TRect& rct, bool active, bool mouseIn, TCanvas* canvas);
  void DrawCloseButton(TCanvas* canvas, const TRect& r, int ti, int w, int h);
  // The face of a tab from the look's tab pictures: w wide, as tall as the picture.
  void ComposeSkinFace(TBitmap* face, int w, int h, bool active, bool mouseIn);
  // The "resizetoolbutton" look's button as a close button; answers where it went.
  TRect DrawLookCloseButton(TCanvas* canvas, const TRect& r, const TspTabCloseState& state);
  void SetTabFont(TCanvas* canvas, bool active, bool mouseIn);
  void ApplyFonts();
  void ResizeSpacer(int delta);
  bool Vertical() const { return this->TabPosition() == tpLeft || this->TabPosition() == tpRight; }
  bool Designing() const { return this->ComponentState().Contains(csDesigning); }

  TspSkinData* skinData_ = nullptr;
  AnsiString skinDataName_ = "tab";
  int lookIndex_ = -1;
  TspTabLook look_;
  std::unique_ptr<TFont> defaultFont_;
  bool useSkinFont_ = true;
  int defaultItemHeight_ = 20;
  bool showCloseButtons_ = false;
  bool tabsBGTransparent_ = false;
  int closeSize_ = 14;
  TCustomImageList* images_ = nullptr;
  std::unique_ptr<TImageList> spacer_;
  TspSkinUpDown* scroller_ = nullptr;
  // The tab under the pointer among the visible tabs and as an item, and the one before.
  int hotTab_ = -1, oldHotTab_ = -1;
  int hotItem_ = -1, oldHotItem_ = -1;
  bool painting_ = false;
};

class TspSkinPageControl;

// A page of the skinned page control: its background is the look's page picture, or the
// wallpaper tiled when one is set.
class TspSkinCustomTabSheet : public TTabSheet {
  CLASSLIB_CLASS(TspSkinCustomTabSheet, TTabSheet)
 public:
  explicit TspSkinCustomTabSheet(TComponent* owner);
  ~TspSkinCustomTabSheet() override;

  TBitmap* WallPaper() const { return wallPaper_.get(); }
  void SetWallPaper(TBitmap* value);
  void PaintBG(HDC dc);
  // Tells every windowed child that the background changed.
  void CheckControlsBackground();
  TspTabCloseState& Close() { return close_; }
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TspSkinPageControl* SkinPageControl() const;

  std::unique_ptr<TBitmap> wallPaper_;
  TspTabCloseState close_;
};

class TspSkinTabSheet : public TspSkinCustomTabSheet {
  CLASSLIB_CLASS(TspSkinTabSheet, TspSkinCustomTabSheet)
 public:
  using TspSkinCustomTabSheet::TspSkinCustomTabSheet;
};

class TspSkinPageControl : public TspSkinTabs<TPageControl> {
  CLASSLIB_CLASS(TspSkinPageControl, TPageControl)
 public:
  explicit TspSkinPageControl(TComponent* owner);

  // Hides the tab row (the pages stay); nothing when it is hidden or no tab is visible.
  void HideTabs();
  // Brings the tab row back as it was.
  void ShowTabs();
  bool TabsHidden() const override { return tabsHidden_; }
  bool CheckVisibleTabs() const;
  bool FreeOnClose() const { return freeOnClose_; }
  void SetFreeOnClose(bool value) { freeOnClose_ = value; }
  int HotPage() const { return hotItem_; }
  TspTabCloseState* CloseState(int ti) override;
  void DoClose() override;

  TspCloseEvent OnClose;

 protected:
  void Change() override;
  int VisibleTabCount() override;
  int ItemOfTab(int visible) override;
  AnsiString ItemCaption(int ti) override;
  int ItemImage(int ti) override;
  bool ItemEnabled(int ti) override;
  int InactiveShift() const override { return 2; }
  bool ClosesOnButton(TMouseButton) const override { return true; }
  void AfterChangeSkinData() override;
  TPoint ScrollerSize() const override { return Point(2 * defaultItemHeight_, defaultItemHeight_); }
  void EraseBackground(TMessage& message) override;

 private:
  friend class TspSkinCustomTabSheet;
  bool tabsHidden_ = false;
  TTabPosition savedPosition_ = tpTop;
  bool savedMultiLine_ = false;
  int savedTabHeight_ = -1;
  bool freeOnClose_ = false;
};

// The skinned tab control: tabs over one client area. Its children that paint their
// parent's background get the control's skin background.
class TspSkinTabControl : public TspSkinTabs<TTabControl>, public IspBackgroundPainter {
  CLASSLIB_CLASS(TspSkinTabControl, TTabControl)
 public:
  explicit TspSkinTabControl(TComponent* owner);

  // Every call gives each tab a cleared close state (on) or none (off).
  void SetShowCloseButtons(bool value) override;
  TspTabCloseState* CloseState(int ti) override;
  void DoClose() override;
  void PaintBG(HDC dc) override;

  TspCloseEvent2 OnClose;

 protected:
  int VisibleTabCount() override;
  int ItemOfTab(int visible) override { return visible; }
  AnsiString ItemCaption(int ti) override;
  int ItemImage(int ti) override;
  int InactiveShift() const override { return 1; }
  bool MarginsWithBackground() const override { return false; }
  TPoint ScrollerSize() const override { return Point(36, 18); }
  void EraseBackground(TMessage& message) override;

 private:
  // One entry per tab index 0..254 while close buttons are shown.
  std::vector<TspTabCloseState> closeStates_;
};

// Registers the two controls and the sheet for form resources.
void RegisterSkinTabs();
