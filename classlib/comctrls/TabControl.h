#pragma once
#include <vector>

#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/Strings.h"
#include "classlib/windowing/PaintCanvas.h"
#include "classlib/windowing/WinControl.h"

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

using TTabChangingEvent = TEvent<TObject*, bool&>;
using TDrawTabEvent = TEvent<TObject*, int, TRect, bool>;

// Tabs over the system tab control. Its own requests for the display area (TCM_ADJUSTRECT)
// and a tab's rectangle (TCM_GETITEMRECT) go through WndProc, so a derived class can change
// the answers; aligned children share the display area. OnChanging may refuse a change of
// the tab, OnChange follows one.
class TCustomTabControl : public TWinControl {
  CLASSLIB_CLASS(TCustomTabControl, TWinControl)
 public:
  explicit TCustomTabControl(TComponent* owner);
  ~TCustomTabControl() override;

  TStrings* Tabs() const { return tabs_; }
  void SetTabs(TStrings* tabs) { tabs_->Assign(tabs); }
  int TabIndex();
  void SetTabIndex(int index);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition value);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value);
  int TabHeight() const { return tabHeight_; }
  void SetTabHeight(int value);
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int value);
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);
  TCanvas* Canvas() const { return canvas_; }
  // The part of the client area inside the tabs (asked through WndProc).
  TRect DisplayRect();
  // A tab's rectangle as the control reports it (through WndProc).
  TRect TabRect(int index);
  // The tab at a client point, or -1.
  int IndexOfTabAt(int x, int y);

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;
  TDrawTabEvent OnDrawTab;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void DestroyWnd() override;
  void AdjustClientRect(TRect& rect) override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual bool CanChange();
  virtual void Change();
  virtual void DrawTab(int index, const TRect& rect, bool active);
  // The tabs' texts changed: the display area may have moved.
  void TabsChanged();

 private:
  friend class TTabStrings;
  void CNNotify(TMessage& message);
  void CNDrawItem(TMessage& message);
  void ApplyItemSize();

  TStrings* tabs_;
  TStringList* saved_;
  int savedIndex_ = -1;
  TTabPosition tabPosition_ = tpTop;
  bool multiLine_ = false;
  int tabHeight_ = 0;
  int tabWidth_ = 0;
  bool ownerDraw_ = false;
  TCustomImageList* images_ = nullptr;
  TPaintCanvas* canvas_;
};

class TTabControl : public TCustomTabControl {
  CLASSLIB_CLASS(TTabControl, TCustomTabControl)
 public:
  using TCustomTabControl::TCustomTabControl;
};

class TPageControl;

// A page of a page control: a container shown while it is the active page.
class TTabSheet : public TWinControl {
  CLASSLIB_CLASS(TTabSheet, TWinControl)
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* control);
  int PageIndex() const;
  void SetPageIndex(int index);
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  // The index of its tab among the visible ones, or -1.
  int TabIndex() const;
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);

  void SetParentComponent(TComponent* parent) override;
  void Dispatch(TMessage& message) override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
  int imageIndex_ = -1;
};

// Pages with a tab each: the active page fills the display area, the others are hidden.
// Hiding the active page's tab activates the next visible page.
class TPageControl : public TCustomTabControl {
  CLASSLIB_CLASS(TPageControl, TCustomTabControl)
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // The next (or previous) page after `current` whose tab is visible, wrapping; or null.
  TTabSheet* FindNextPage(TTabSheet* current, bool forward) const;

 protected:
  void AlignControls(TControl* control, TRect& rect) override;
  void Change() override;
  void Loaded() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  // Makes the tabs those of the visible pages again.
  void UpdateTabs();
  void ShowActivePage();

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
};
