#pragma once
// A framed splitter: two panes side by side (or one above the other) with a bar between
// them held at a pixel or percent position, limited by margins, with one pane keeping its
// extent while the splitter resizes; the bar is dragged with the mouse and a hot spot in its
// middle collapses one pane. A size panel: a panel on one edge of its parent resized or
// collapsed through a bar on its inner edge.
#include <memory>
#include <vector>

#include "classlib/formres/FormReader.h"
#include "framed/FrPanel.h"
#include "framed/FrSplit_Bar.h"

enum TFixedPane { fpUpperLeft, fpLowerRight };
enum THotSpotDirection { hsdMin, hsdMax, hsdBoth };

class TFrSplitter;

// One of a splitter's two panes: a plain framed panel that tells its splitter when it is
// shown or hidden.
class TFrSplitterPane : public TFrCustomPanel, public IReadStateHook {
  CLASSLIB_CLASS(TFrSplitterPane, TFrCustomPanel)
 public:
  TFrSplitterPane(TComponent* owner, TFrSplitter* splitter);
  // A pane read from a form resource: its splitter is the owner, or the component the
  // reader is reading into.
  explicit TFrSplitterPane(TComponent* owner);

  // The components read inside the pane belong to the form, not to the pane's owner.
  void ReadState(TFormReader& reader) override;

  void SetPaneVisible(bool value);
  TFrSplitter* Splitter() const { return splitter_; }
  void Dispatch(TMessage& message) override;

 private:
  TFrSplitter* splitter_;
};

// The look of one pane as a nested property of the splitter ("UpperLeft.Color"): each
// value is the pane's own. DockSite and ShowDockClientCaptions are kept without effect.
class TFrPaneData : public TPersistent {
  CLASSLIB_CLASS(TFrPaneData, TPersistent)
 public:
  explicit TFrPaneData(TFrSplitterPane* pane) : pane_(pane) {}

  TColor BorderColor() const { return pane_->BorderColor(); }
  void SetBorderColor(TColor value) { pane_->SetBorderColor(value); }
  TFrameStyle BorderInner() const { return pane_->BorderInner(); }
  void SetBorderInner(TFrameStyle value) { pane_->SetBorderInner(value); }
  TFrameStyle BorderOuter() const { return pane_->BorderOuter(); }
  void SetBorderOuter(TFrameStyle value) { pane_->SetBorderOuter(value); }
  int BorderWidth() const { return pane_->BorderWidth(); }
  void SetBorderWidth(int value) { pane_->SetBorderWidth(value); }
  TColor Color() const { return pane_->Color(); }
  void SetColor(TColor value) { pane_->SetColor(value); }
  TColor FlatColor() const { return pane_->FlatColor(); }
  void SetFlatColor(TColor value) { pane_->SetFlatColor(value); }
  bool Visible() const { return pane_->Visible(); }
  void SetVisible(bool value) { pane_->SetPaneVisible(value); }
  bool DockSite() const { return dockSite_; }
  void SetDockSite(bool value) { dockSite_ = value; }
  bool ShowDockClientCaptions() const { return showDockClientCaptions_; }
  void SetShowDockClientCaptions(bool value) { showDockClientCaptions_ = value; }

  // Takes another pane's look.
  void Assign(TPersistent* source) override;

 private:
  TFrSplitterPane* pane_;
  bool dockSite_ = false;
  bool showDockClientCaptions_ = true;
};

class TFrSplitter : public TFrCustomPanel {
  CLASSLIB_CLASS(TFrSplitter, TFrCustomPanel)
 public:
  explicit TFrSplitter(TComponent* owner);

  TFrSplitterPane* UpperLeftPane() const { return upperLeft_; }
  TFrSplitterPane* LowerRightPane() const { return lowerRight_; }
  // The panes' looks; setting one assigns to it.
  TFrPaneData* UpperLeft() const { return upperLeftData_.get(); }
  void SetUpperLeft(TFrPaneData* value) { upperLeftData_->Assign(value); }
  TFrPaneData* LowerRight() const { return lowerRightData_.get(); }
  void SetLowerRight(TFrPaneData* value) { lowerRightData_->Assign(value); }

  TOrientation Orientation() const { return orientation_; }
  virtual void SetOrientation(TOrientation value);
  TFixedPane FixedPane() const { return fixedPane_; }
  virtual void SetFixedPane(TFixedPane value);
  int Position() const { return position_; }
  virtual void SetPosition(int value);
  // Moves the bar as the user does: the new position is also the preferred one.
  virtual void MoveBarTo(int pos);
  int MarginMax() const { return marginMax_; }
  virtual void SetMarginMax(int value);
  int MarginMin() const { return marginMin_; }
  virtual void SetMarginMin(int value);
  int Percent() const { return percent_; }
  virtual void SetPercent(int value);
  bool UsePercent() const { return usePercent_; }
  virtual void SetUsePercent(bool value);
  int PercentMax() const { return percentMax_; }
  virtual void SetPercentMax(int value);
  int PercentMin() const { return percentMin_; }
  virtual void SetPercentMin(int value);
  TSplitterStyle SplitterStyle() const { return splitterStyle_; }
  virtual void SetSplitterStyle(TSplitterStyle value);
  int SplitterWidth() const { return splitterWidth_; }
  virtual void SetSplitterWidth(int value);
  bool HotSpotVisible() const { return hotSpotVisible_; }
  virtual void SetHotSpotVisible(bool value);
  int HotSpotSizePercent() const { return hotSpotSizePercent_; }
  virtual void SetHotSpotSizePercent(int value);
  THotSpotDirection HotSpotDirection() const { return hotSpotDirection_; }
  virtual void SetHotSpotDirection(THotSpotDirection value);
  bool HotSpotIgnoreMargins() const { return hotSpotIgnoreMargins_; }
  void SetHotSpotIgnoreMargins(bool value) { hotSpotIgnoreMargins_ = value; }
  bool RealTimeDrag() const { return realTimeDrag_; }
  void SetRealTimeDrag(bool value) { realTimeDrag_ = value; }
  bool LockBar() const { return lockBar_; }
  void SetLockBar(bool value) { lockBar_ = value; }
  TColor HotSpotHighlight() const { return hotSpotHighlight_; }
  virtual void SetHotSpotHighlight(TColor value);
  // True while a pane is collapsed by the hot spot.
  bool HotSpotClosed() const { return hotSpotClosed_; }
  virtual void ClearHotSpotState();

  TRect BarRect() const { return barRect_; }
  TRect HotSpotRect() const { return hotSpotRect_; }
  // Places the panes and the bar in the client area.
  virtual void UpdatePanes();

  void SetBorderOuter(TFrameStyle value) override;
  void SetBorderInner(TFrameStyle value) override;
  void SetBorderSides(TSides value) override;

  // "BarSize", the hot spot's collapsed state and the names of each pane's children;
  // the older "PositionMin" and "PositionMax" are read and dropped.
  void DefineProperties(TFiler* filer) override;
  // The bar's cursors and the hot spot's highlight under the pointer; showing the splitter
  // repaints both panes.
  void Dispatch(TMessage& message) override;
  // Showing a hidden pane (Show() of the pane) makes it visible and lays the panes out again;
  // when the form's active control lies inside the splitter, the splitter takes its place.
  void ShowControl(TControl* control) override;

  TNotifyEvent OnChange;
  TPositionChangingEvent OnChanging;
  TNotifyEvent OnHotSpotClick;

 protected:
  virtual void RememberFixedExtent();
  // The room the borders take on the left (or top) side, BorderWidth included.
  virtual int BorderDepth();
  // Inverts the dragged bar at `pos` on the screen; a second call at `pos` erases it.
  virtual void DrawDragBar(int pos);
  virtual void UpdateHotSpotRect();
  // `mousePos` (client) chooses the highlighted half of a hot spot serving both panes.
  virtual void PaintHotSpot(bool highlight, TPoint mousePos);
  // The bar's grips and the hot spot, over the panel's painting.
  virtual void PaintBar();
  virtual void ClampPosition(int& pos);
  virtual void SetPreferredExtent(int pos);
  void Resize() override;
  void Loaded() override;
  void AlignControls(TControl* control, TRect& rect) override;
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  virtual void HotSpotClick() { OnHotSpotClick(this); }

 private:
  // The splitter's extent along the bar's axis (S) and S less half the bar.
  int Extent() const;
  int PercentBase() const;
  int PercentToPixels(int percent) const;
  TRect PaneArea();
  void ApplyPercentMargins();
  // Puts the bar where the fixed pane or the percent asks for the current extent.
  void FollowExtent();
  void ResizeByPercent();
  void ResizeUpperLeftFixed();
  void ResizeLowerRightFixed();
  // Moves the controls named in `names` (the owner's components) into `pane`, in their tab
  // order among the splitter's children, so the pane keeps the order they were read with.
  void AdoptNamedControls(const std::vector<AnsiString>& names, TFrSplitterPane* pane);
  bool Collapsed() const { return hotSpotClosed_; }
  bool Vertical() const { return orientation_ == orVertical; }
  // The mouse coordinate along the splitter's extent.
  int AlongExtent(int x, int y) const { return Vertical() ? y : x; }
  void InvertDragBar(int pos);
  void FinishHotSpotClick(TPoint releasePoint);
  void CollapseFrom(TPoint releasePoint);
  void UpdateHotSpotHighlight(bool repeatInside);
  bool TriangleTowardsFirst(bool atStart) const;

  TFrSplitterPane* upperLeft_ = nullptr;
  TFrSplitterPane* lowerRight_ = nullptr;
  std::unique_ptr<TFrPaneData> upperLeftData_;
  std::unique_ptr<TFrPaneData> lowerRightData_;
  TOrientation orientation_ = orHorizontal;
  TFixedPane fixedPane_ = fpUpperLeft;
  int position_ = 100;
  int percent_ = 50;
  bool usePercent_ = false;
  int percentMin_ = 0;
  int percentMax_ = 100;
  int marginMin_ = 0;
  int marginMax_ = 0;
  TSplitterStyle splitterStyle_ = ssStandard;
  int splitterWidth_ = 4;
  bool realTimeDrag_ = false;
  bool lockBar_ = false;
  bool hotSpotVisible_ = false;
  THotSpotDirection hotSpotDirection_ = hsdMin;
  bool hotSpotIgnoreMargins_ = true;
  int hotSpotSizePercent_ = 40;
  bool hotSpotClosed_ = false;
  bool hotSpotClosedToMin_ = false;
  bool hotSpotClosedToMax_ = false;
  TColor hotSpotHighlight_ = clWindow;
  int restorePosition_ = 100;
  TBarDrag drag_;
  TFrBarTools tools_;
  TRect barRect_;
  TRect hotSpotRect_;
  int fixedExtent_ = 0;
  int preferredExtent_ = 0;
  bool resizing_ = false;
  // The area the panes were last placed in.
  TRect laidOutArea_;
  std::vector<AnsiString> upperLeftNames_;
  std::vector<AnsiString> lowerRightNames_;
};

// A panel on one edge of its parent (Align) with a size bar on its inner edge: dragging the
// bar resizes the panel within the margins, and the hot spot in the bar's middle collapses
// the panel to the bar and restores it.
class TFrCustomSizePanel : public TFrCustomPanel {
  CLASSLIB_CLASS(TFrCustomSizePanel, TFrCustomPanel)
 public:
  explicit TFrCustomSizePanel(TComponent* owner);

  int SizeBarWidth() const { return sizeBarWidth_; }
  virtual void SetSizeBarWidth(int value);
  TSplitterStyle SizeBarStyle() const { return sizeBarStyle_; }
  virtual void SetSizeBarStyle(TSplitterStyle value);
  // The smallest extent beyond the bar.
  int MarginMin() const { return marginMin_; }
  virtual void SetMarginMin(int value);
  // The room the panel leaves free in its parent.
  int MarginMax() const { return marginMax_; }
  virtual void SetMarginMax(int value);
  bool RealTimeDrag() const { return realTimeDrag_; }
  void SetRealTimeDrag(bool value) { realTimeDrag_ = value; }
  bool LockBar() const { return lockBar_; }
  void SetLockBar(bool value) { lockBar_ = value; }
  bool HotSpotVisible() const { return hotSpotVisible_; }
  virtual void SetHotSpotVisible(bool value);
  TColor HotSpotHighlight() const { return hotSpotHighlight_; }
  virtual void SetHotSpotHighlight(TColor value);
  bool HotSpotIgnoreMargins() const { return hotSpotIgnoreMargins_; }
  void SetHotSpotIgnoreMargins(bool value) { hotSpotIgnoreMargins_ = value; }
  int HotSpotSizePercent() const { return hotSpotSizePercent_; }
  virtual void SetHotSpotSizePercent(int value);
  // True while the panel is collapsed to its bar.
  bool HotSpotClosed() const { return hotSpotClosed_; }
  virtual void ClearHotSpotState();

  // The bar on the panel's inner edge (client coordinates); also places the hot spot.
  virtual void SizeBarRect(TRect& rect);
  TRect HotSpotRect() const { return hotSpotRect_; }
  // The parent's client area less its edge-aligned controls (this panel included).
  // Raises "No parent specified" without a parent.
  virtual void AvailableRect(TRect& rect);
  // Keeps a bar coordinate (the panel's extent for top and left alignment) within the
  // margins; the upper limit wins when they cross.
  virtual void ClampExtent(int& pos);
  // The largest extent the panel could take in its parent.
  virtual int MaxExtent();

  // "HotSpotClosed" and "HotSpotPosition" (the extent to restore).
  void DefineProperties(TFiler* filer) override;
  // The bar's cursors and the hot spot's highlight under the pointer.
  void Dispatch(TMessage& message) override;

  TNotifyEvent OnHotSpotClick;

 protected:
  // Inverts the dragged bar at the bar coordinate `pos` on the screen; twice erases it.
  virtual void DrawDragBar(int pos);
  virtual void UpdateHotSpotRect(const TRect& bar);
  virtual void PaintHotSpot(bool highlight);
  virtual void PaintBar();
  void AdjustClientRect(TRect& rect) override;
  void PaintRect(TRect& rect) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  virtual void HotSpotClick() { OnHotSpotClick(this); }

 private:
  // The bar lies along the x axis (top and bottom alignment).
  bool BarAlongX() const { return Align() == alTop || Align() == alBottom; }
  // The bar coordinate of the panel's inner edge: its extent for top and left alignment, 0 otherwise.
  int Origin() const;
  int Extent() const { return BarAlongX() ? Height() : Width(); }
  // Takes `room` off the bar's side of `rect`.
  void CutBarSide(TRect& rect, int room) const;
  void SetExtent(int extent);
  // The extent for the bar at `pos`, `extra` pixels added (real-time steps).
  int ExtentAt(int pos, int extra) const;
  bool Enlarges(int pos, int last) const;
  void InvertDragBar(int pos);
  void FinishHotSpotClick(TPoint releasePoint);
  void UpdateHotSpotHighlight();

  int sizeBarWidth_ = 4;
  TSplitterStyle sizeBarStyle_ = ssStandard;
  int marginMin_ = 0;
  int marginMax_ = 0;
  bool realTimeDrag_ = false;
  bool lockBar_ = false;
  bool hotSpotVisible_ = false;
  TColor hotSpotHighlight_ = clWindow;
  bool hotSpotIgnoreMargins_ = false;
  int hotSpotSizePercent_ = 40;
  bool hotSpotClosed_ = false;
  int restoreExtent_ = 100;
  TRect hotSpotRect_;
  TBarDrag drag_;
  int startWidth_ = 0;
  int startHeight_ = 0;
  TFrBarTools tools_;
};

class TFrSizePanel : public TFrCustomSizePanel {
  CLASSLIB_CLASS(TFrSizePanel, TFrCustomSizePanel)
 public:
  using TFrCustomSizePanel::TFrCustomSizePanel;
};

// Registers the splitter's and the size panel's properties for form resources.
void RegisterSplitterClasses();
