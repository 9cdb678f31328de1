#pragma once
// A framed splitter: two panes side by side (or one above the other) with a bar between
// them held at a pixel or percent position, limited by margins, with one pane keeping its
// extent while the splitter resizes.
#include <vector>

#include "framed/FrPanel.h"

enum TFixedPane { fpUpperLeft, fpLowerRight };
enum THotSpotDirection { hsdMin, hsdMax, hsdBoth };

class TFrSplitter;

// One of a splitter's two panes: a plain framed panel that tells its splitter when it is
// shown or hidden.
class TFrSplitterPane : public TFrCustomPanel {
  CLASSLIB_CLASS(TFrSplitterPane, TFrCustomPanel)
 public:
  TFrSplitterPane(TComponent* owner, TFrSplitter* splitter);

  void SetPaneVisible(bool value);
  TFrSplitter* Splitter() const { return splitter_; }

 private:
  TFrSplitter* splitter_;
};

class TFrSplitter : public TFrCustomPanel {
  CLASSLIB_CLASS(TFrSplitter, TFrCustomPanel)
 public:
  explicit TFrSplitter(TComponent* owner);

  TFrSplitterPane* UpperLeftPane() const { return upperLeft_; }
  TFrSplitterPane* LowerRightPane() const { return lowerRight_; }

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

  TNotifyEvent OnChange;
  TPositionChangingEvent OnChanging;

 protected:
  virtual void RememberFixedExtent();
  // The room the borders take on the left (or top) side, BorderWidth included.
  virtual int BorderDepth();
  virtual void UpdateHotSpotRect();
  virtual void ClampPosition(int& pos);
  virtual void SetPreferredExtent(int pos);
  void Resize() override;
  void Loaded() override;
  void AlignControls(TControl* control, TRect& rect) override;

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
  // Moves the controls named in `names` (the owner's components) into `pane`.
  void AdoptNamedControls(const std::vector<AnsiString>& names, TFrSplitterPane* pane);
  bool Collapsed() const { return hotSpotClosed_; }

  TFrSplitterPane* upperLeft_ = nullptr;
  TFrSplitterPane* lowerRight_ = nullptr;
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
  int restorePosition_ = 100;
  TRect barRect_;
  TRect hotSpotRect_;
  int fixedExtent_ = 0;
  int preferredExtent_ = 0;
  bool resizing_ = false;
  std::vector<AnsiString> upperLeftNames_;
  std::vector<AnsiString> lowerRightNames_;
};

// Registers the splitter's properties for form resources.
void RegisterSplitterClasses();
