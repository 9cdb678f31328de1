#include "framed/FrSplit.h"

#include <algorithm>

#include "classlib/formres/Filer.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/windowing/Forms.h"

namespace {

// The room one border of `style` takes on a side.
int EdgeWidth(TFrameStyle style, int bevelWidth) {
  switch (style) {
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return bevelWidth;
    case fsGroove:
    case fsBump:
    case fsLowered:
    case fsButtonDown:
    case fsRaised:
    case fsButtonUp: return 2;
    default: return 0;
  }
}

std::vector<AnsiString> ReadNames(const TValueReader& value) {
  std::vector<AnsiString> names;
  value.ReadList([&](const TValueReader& element) { names.push_back(element.ReadIdent()); });
  return names;
}

int Nearest(double value) { return static_cast<int>(Round(value)); }

}  // namespace

namespace {

TFrSplitter* SplitterOf(TComponent* owner) {
  if (auto* splitter = dynamic_cast<TFrSplitter*>(owner)) return splitter;
  TFormReader* reader = TFormReader::Current();
  return reader != nullptr ? dynamic_cast<TFrSplitter*>(reader->Parent()) : nullptr;
}

}  // namespace

TFrSplitterPane::TFrSplitterPane(TComponent* owner) : TFrSplitterPane(owner, SplitterOf(owner)) {}

TFrSplitterPane::TFrSplitterPane(TComponent* owner, TFrSplitter* splitter)
    : TFrCustomPanel(owner), splitter_(splitter) {
  TControlStyle style = ControlStyle();
  style.Include(csAcceptsControls);
  SetControlStyle(style);
  SetBorderOuter(fsNone);
  SetTabStop(false);
}

void TFrSplitterPane::ReadState(TFormReader& reader) { reader.SetOwner(reader.Root()); }

// The pane's empty area belongs to the splitter: the mouse goes through it. Entering and
// leaving the pane repaints it.
void TFrSplitterPane::Dispatch(TMessage& message) {
  if (message.Msg == WM_NCHITTEST) {
    message.Result = HTTRANSPARENT;
    return;
  }
  TFrCustomPanel::Dispatch(message);
  if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) Invalidate();
}

void TFrSplitterPane::SetPaneVisible(bool value) {
  SetVisible(value);
  if (splitter_ != nullptr) splitter_->UpdatePanes();
}

void TFrPaneData::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TFrPaneData*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  SetBorderColor(other->BorderColor());
  SetBorderInner(other->BorderInner());
  SetBorderOuter(other->BorderOuter());
  SetBorderWidth(other->BorderWidth());
  SetColor(other->Color());
  SetFlatColor(other->FlatColor());
  SetDockSite(other->DockSite());
  SetShowDockClientCaptions(other->ShowDockClientCaptions());
  SetVisible(other->Visible());
}

// The panes come after the default size, so that sizing the new splitter moves no bar.
TFrSplitter::TFrSplitter(TComponent* owner) : TFrCustomPanel(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csCaptureMouse, csOpaque});
  SetBorderOuter(fsNone);
  SetBounds(Left(), Top(), 200, 100);
  upperLeft_ = new TFrSplitterPane(this, this);
  lowerRight_ = new TFrSplitterPane(this, this);
  upperLeft_->SetParent(this);
  lowerRight_->SetParent(this);
  upperLeftData_ = std::make_unique<TFrPaneData>(upperLeft_);
  lowerRightData_ = std::make_unique<TFrPaneData>(lowerRight_);
  SetPreferredExtent(position_);
  RememberFixedExtent();
  UpdatePanes();
}

int TFrSplitter::Extent() const { return orientation_ == orHorizontal ? Width() : Height(); }

int TFrSplitter::PercentBase() const { return Extent() - splitterWidth_ / 2; }

int TFrSplitter::PercentToPixels(int percent) const { return Nearest(percent / 100.0 * PercentBase()); }

TRect TFrSplitter::PaneArea() {
  TRect rect = Rect(0, 0, Width(), Height());
  ShrinkRectForBorders(rect, true);
  return rect;
}

int TFrSplitter::BorderDepth() {
  int depth = BorderWidth();
  for (TSide side : {sdLeft, sdTop}) {
    if (!BorderSides().Contains(side)) continue;
    depth += EdgeWidth(BorderOuter(), BevelWidth()) + EdgeWidth(BorderInner(), BevelWidth());
  }
  return depth;
}

void TFrSplitter::SetPreferredExtent(int pos) {
  preferredExtent_ = fixedPane_ == fpLowerRight ? Extent() - pos : pos;
}

void TFrSplitter::RememberFixedExtent() {
  fixedExtent_ = fixedPane_ == fpLowerRight ? Extent() - position_ : position_;
}

void TFrSplitter::ClampPosition(int& pos) {
  if (!upperLeft_->Visible() || !lowerRight_->Visible()) return;
  const bool free = Collapsed() && hotSpotIgnoreMargins_;
  const int lo = free ? 0 : marginMin_;
  const int hi = free ? 0 : marginMax_;
  const int top = Extent() - hi - splitterWidth_ - 2 * BorderDepth();
  if (pos < lo) pos = lo;
  if (pos > top) pos = top;
}

void TFrSplitter::SetPosition(int value) {
  if (value == position_ && !resizing_) return;
  ClampPosition(value);
  bool allow = true;
  OnChanging(this, value, allow);
  if (!allow) return;
  position_ = value;
  // A bar that follows the percent keeps it while the splitter is read or resized: taking
  // it back from the rounded position would let it drift with every size step.
  const int base = PercentBase();
  const bool following = usePercent_ && (resizing_ || ComponentState().Contains(csLoading));
  if (!following) percent_ = base <= 0 ? 0 : Nearest(100.0 * position_ / base);
  UpdatePanes();
  RememberFixedExtent();
  OnChange(this);
}

void TFrSplitter::MoveBarTo(int pos) {
  if (pos == position_) return;
  SetPosition(pos);
  SetPreferredExtent(position_);
}

void TFrSplitter::SetMarginMin(int value) {
  marginMin_ = value < 0 ? 0 : value;
  if (Extent() < marginMin_ + marginMax_) marginMin_ = Extent() - marginMax_;
}

void TFrSplitter::SetMarginMax(int value) {
  marginMax_ = value < 0 ? 0 : value;
  if (Extent() < marginMin_ + marginMax_) marginMax_ = Extent() - marginMin_;
}

void TFrSplitter::SetPercent(int value) {
  if (value == percent_) return;
  percent_ = value;
  if (ComponentState().Contains(csLoading)) return;
  usePercent_ = true;
  SetPosition(PercentToPixels(value));
}

void TFrSplitter::SetPercentMin(int value) {
  percentMin_ = value < 0 ? 0 : value;
  if (usePercent_ && !ComponentState().Contains(csLoading)) SetMarginMin(PercentToPixels(percentMin_));
}

void TFrSplitter::SetPercentMax(int value) {
  percentMax_ = value > 100 ? 100 : value;
  if (usePercent_ && !ComponentState().Contains(csLoading)) {
    SetMarginMax(PercentBase() - PercentToPixels(percentMax_));
  }
}

void TFrSplitter::ApplyPercentMargins() {
  SetPercentMin(percentMin_);
  SetPercentMax(percentMax_);
}

void TFrSplitter::SetUsePercent(bool value) {
  if (value != usePercent_) {
    usePercent_ = value;
    if (value) {
      fixedPane_ = fpUpperLeft;
      ApplyPercentMargins();
    }
  }
  SetPosition(position_);
}

void TFrSplitter::SetFixedPane(TFixedPane value) {
  if (value == fixedPane_) return;
  fixedPane_ = value;
  if (value == fpLowerRight) usePercent_ = false;
  SetPreferredExtent(position_);
  RememberFixedExtent();
}

void TFrSplitter::SetOrientation(TOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  if (usePercent_) {
    SetPosition(PercentToPixels(percent_));
    ApplyPercentMargins();
  } else {
    UpdatePanes();
  }
  Invalidate();
}

void TFrSplitter::SetSplitterWidth(int value) {
  if (value == splitterWidth_) return;
  splitterWidth_ = value;
  UpdatePanes();
  Invalidate();
}

void TFrSplitter::SetSplitterStyle(TSplitterStyle value) {
  if (value == splitterStyle_) return;
  splitterStyle_ = value;
  if (value != ssStandard && splitterWidth_ < 6) SetSplitterWidth(6);
  Invalidate();
}

void TFrSplitter::SetHotSpotVisible(bool value) {
  if (value == hotSpotVisible_) return;
  hotSpotVisible_ = value;
  if (value && splitterWidth_ < 7) SetSplitterWidth(7);
  Invalidate();
}

void TFrSplitter::SetHotSpotDirection(THotSpotDirection value) {
  if (value == hotSpotDirection_) return;
  hotSpotDirection_ = value;
  Invalidate();
}

void TFrSplitter::SetHotSpotHighlight(TColor value) {
  if (value == hotSpotHighlight_) return;
  hotSpotHighlight_ = value;
  Invalidate();
}

void TFrSplitter::SetHotSpotSizePercent(int value) {
  if (value == hotSpotSizePercent_) return;
  hotSpotSizePercent_ = value;
  UpdateHotSpotRect();
  Invalidate();
}

void TFrSplitter::SetBorderOuter(TFrameStyle value) {
  if (value == BorderOuter()) return;
  TFrCustomPanel::SetBorderOuter(value);
  UpdatePanes();
}

void TFrSplitter::SetBorderInner(TFrameStyle value) {
  if (value == BorderInner()) return;
  TFrCustomPanel::SetBorderInner(value);
  UpdatePanes();
}

void TFrSplitter::SetBorderSides(TSides value) {
  if (value == BorderSides()) return;
  TFrCustomPanel::SetBorderSides(value);
  UpdatePanes();
}

void TFrSplitter::UpdateHotSpotRect() {
  hotSpotRect_ = barRect_;
  const bool across = orientation_ == orVertical;
  const int length = across ? barRect_.Width() : barRect_.Height();
  const int half = Nearest(hotSpotSizePercent_ / 100.0 * length) / 2;
  const int center = (across ? barRect_.Left : barRect_.Top) + length / 2;
  if (across) {
    hotSpotRect_.Left = center - half;
    hotSpotRect_.Right = center + half;
  } else {
    hotSpotRect_.Top = center - half;
    hotSpotRect_.Bottom = center + half;
  }
}

void TFrSplitter::UpdatePanes() {
  if (upperLeft_ == nullptr || lowerRight_ == nullptr || ComponentState().Contains(csLoading)) return;
  DisableAlign();
  const TRect r = PaneArea();
  laidOutArea_ = r;
  const bool first = upperLeft_->Visible();
  const bool second = lowerRight_->Visible();
  const bool both = first && second;
  const bool vertical = orientation_ == orVertical;
  // (offset along the axis, extent along the axis) placed inside r.
  auto place = [&](TControl* control, int offset, int extent) {
    if (vertical) control->SetBounds(r.Left, r.Top + offset, r.Width(), extent);
    else control->SetBounds(r.Left + offset, r.Top, extent, r.Height());
  };
  const int whole = vertical ? r.Height() : r.Width();
  if (first) place(upperLeft_, 0, second ? position_ : whole);
  else place(upperLeft_, 0, 0);
  barRect_ = vertical ? Rect(r.Left, r.Top + (both ? position_ : 0), r.Right, r.Top + (both ? position_ + splitterWidth_ : 0))
                      : Rect(r.Left + (both ? position_ : 0), r.Top, r.Left + (both ? position_ + splitterWidth_ : 0), r.Bottom);
  UpdateHotSpotRect();
  const int secondStart = position_ + splitterWidth_;
  if (second) {
    if (first) place(lowerRight_, secondStart, whole - secondStart);
    else place(lowerRight_, 0, whole);
  } else {
    place(lowerRight_, 0, 0);
  }
  EnableAlign();
  Invalidate();
  // Dragging in real time shows each step at once.
  if (realTimeDrag_ && HandleAllocated()) {
    upperLeft_->Update();
    lowerRight_->Update();
    Update();
  }
}

void TFrSplitter::ResizeByPercent() {
  ApplyPercentMargins();
  if (hotSpotClosedToMin_) SetPosition(0);
  else if (hotSpotClosedToMax_) SetPosition(PercentBase());
  else SetPosition(PercentToPixels(percent_));
}

void TFrSplitter::ResizeUpperLeftFixed() {
  SetPosition(position_);
  if (preferredExtent_ > position_ && !Collapsed()) SetPosition(preferredExtent_);
}

void TFrSplitter::ResizeLowerRightFixed() {
  SetPosition(Extent() - fixedExtent_);
  if (Extent() - position_ < preferredExtent_ && !Collapsed()) SetPosition(Extent() - preferredExtent_);
  if (Collapsed()) restorePosition_ = Extent() - preferredExtent_;
}

void TFrSplitter::Resize() {
  TFrCustomPanel::Resize();
  if (ComponentState().Contains(csDestroying) || ComponentState().Contains(csLoading) || upperLeft_ == nullptr) return;
  FollowExtent();
}

void TFrSplitter::FollowExtent() {
  struct ResizingFlag {
    bool& flag;
    explicit ResizingFlag(bool& f) : flag(f) { flag = true; }
    ~ResizingFlag() { flag = false; }
  } guard(resizing_);
  if (fixedPane_ == fpUpperLeft && usePercent_) ResizeByPercent();
  else if (fixedPane_ == fpUpperLeft) ResizeUpperLeftFixed();
  else if (!usePercent_) ResizeLowerRightFixed();
}

void TFrSplitter::DefineProperties(TFiler* filer) {
  TFrCustomPanel::DefineProperties(filer);
  filer->DefineProperty("BarSize", [this](const TValueReader& value) {
    std::vector<int> edges;
    value.ReadList([&](const TValueReader& element) { edges.push_back(element.ReadInteger()); });
    if (edges.size() != 4) return;
    barRect_ = Rect(edges[0], edges[1], edges[2], edges[3]);
    UpdateHotSpotRect();
  });
  filer->DefineProperty("HotSpotClosed", [this](const TValueReader& value) { hotSpotClosed_ = value.ReadBoolean(); });
  filer->DefineProperty("HotSpotClosedToMin",
                        [this](const TValueReader& value) { hotSpotClosedToMin_ = value.ReadBoolean(); });
  filer->DefineProperty("HotSpotClosedToMax",
                        [this](const TValueReader& value) { hotSpotClosedToMax_ = value.ReadBoolean(); });
  filer->DefineProperty("HotSpotPosition",
                        [this](const TValueReader& value) { restorePosition_ = value.ReadInteger(); });
  filer->DefineProperty("UpperLeftControls", [this](const TValueReader& value) { upperLeftNames_ = ReadNames(value); });
  filer->DefineProperty("LowerRightControls",
                        [this](const TValueReader& value) { lowerRightNames_ = ReadNames(value); });
  filer->DefineProperty("PositionMin", [](const TValueReader& value) { value.ReadInteger(); });
  filer->DefineProperty("PositionMax", [](const TValueReader& value) { value.ReadInteger(); });
}

void TFrSplitter::AdoptNamedControls(const std::vector<AnsiString>& names, TFrSplitterPane* pane) {
  if (Owner() == nullptr) return;
  std::vector<TControl*> controls;
  for (const AnsiString& name : names) {
    if (auto* control = dynamic_cast<TControl*>(Owner()->FindComponent(name))) controls.push_back(control);
  }
  auto tabOrder = [](TControl* control) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    return windowed != nullptr ? windowed->TabOrder() : -1;
  };
  std::stable_sort(controls.begin(), controls.end(),
                   [&](TControl* a, TControl* b) { return tabOrder(a) < tabOrder(b); });
  for (TControl* control : controls) control->SetParent(pane);
}

void TFrSplitter::ShowControl(TControl* control) {
  auto* pane = dynamic_cast<TFrSplitterPane*>(control);
  if (pane == nullptr || (pane != upperLeft_ && pane != lowerRight_)) {
    TFrCustomPanel::ShowControl(control);
    return;
  }
  if (ComponentState().Contains(csLoading) || pane->Visible()) return;
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form->ActiveControl() != nullptr && ContainsControl(form->ActiveControl())) {
    form->SetActiveControl(this);
  }
  pane->SetPaneVisible(true);
}

void TFrSplitter::Loaded() {
  TFrCustomPanel::Loaded();
  SetPreferredExtent(position_);
  UpdatePanes();
  if (usePercent_) FollowExtent();
  DisableAlign();
  AdoptNamedControls(upperLeftNames_, upperLeft_);
  AdoptNamedControls(lowerRightNames_, lowerRight_);
  EnableAlign();
}

void TFrSplitter::CreateParams(TCreateParams& params) {
  TFrCustomPanel::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

// Realigning also follows a changed BorderWidth, which moves the area the panes share.
void TFrSplitter::AlignControls(TControl* control, TRect& rect) {
  if (ComponentState().Contains(csLoading)) return;
  TFrCustomPanel::AlignControls(control, rect);
  if (PaneArea() != laidOutArea_) UpdatePanes();
}
