#include "framed/FrPanel.h"

#include "classlib/runtime/Strings.h"
#include "framed/FrCommon_Borders.h"
#include "framed/FrCommon_Colors.h"
#include "framed/FrCommon_Drawing.h"

namespace {

constexpr UINT kAlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

}  // namespace

TFrCustomPanel::TFrCustomPanel(TComponent* owner)
    : TCustomPanel(owner), childEnabledStates_(new TStringList) {
  TControlStyle style = ControlStyle();
  style.Exclude(csSetCaption);
  SetControlStyle(style);
  SetBevelOuter(bvNone);
}

TFrCustomPanel::~TFrCustomPanel() {
  if (frameController_ != nullptr) frameController_->DetachControl(this);
  delete childEnabledStates_;
}

template <class T>
void TFrCustomPanel::Store(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Invalidate();
}

void TFrCustomPanel::BordersChanged() {
  Realign();
  Invalidate();
}

template <class T>
void TFrCustomPanel::StoreBorder(T& field, const T& value) {
  if (field == value) return;
  field = value;
  BordersChanged();
}

void TFrCustomPanel::SetBorderOuter(TFrameStyle value) { StoreBorder(borderOuter_, value); }

void TFrCustomPanel::SetBorderInner(TFrameStyle value) { StoreBorder(borderInner_, value); }

void TFrCustomPanel::SetBorderSides(TSides value) { StoreBorder(borderSides_, value); }

void TFrCustomPanel::SetBorderColor(TColor value) { Store(borderColor_, value); }
void TFrCustomPanel::SetBorderHighlight(TColor value) { Store(borderHighlight_, value); }
void TFrCustomPanel::SetBorderShadow(TColor value) { Store(borderShadow_, value); }
void TFrCustomPanel::SetFlatColor(TColor value) { Store(flatColor_, value); }
void TFrCustomPanel::SetFlatColorAdjustment(int value) { Store(flatColorAdjustment_, value); }
void TFrCustomPanel::SetAlignmentVertical(TAlignmentVertical value) { Store(alignmentVertical_, value); }
void TFrCustomPanel::SetShowGrid(bool value) { Store(showGrid_, value); }
void TFrCustomPanel::SetGridColor(TColor value) { Store(gridColor_, value); }
void TFrCustomPanel::SetGridStyle(TFrGridStyle value) { Store(gridStyle_, value); }
void TFrCustomPanel::SetGridXSize(int value) { Store(gridXSize_, value < 0 ? 0 : value); }
void TFrCustomPanel::SetGridYSize(int value) { Store(gridYSize_, value < 0 ? 0 : value); }
void TFrCustomPanel::SetThemeAware(bool value) { Store(themeAware_, value); }

void TFrCustomPanel::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  TControlStyle style = ControlStyle();
  if (value) style.Exclude(csOpaque);
  else style.Include(csOpaque);
  SetControlStyle(style);
  Invalidate();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
}

void TFrCustomPanel::SetFrameController(TFrFrameController* value) {
  SwitchFrameController(this, frameController_, value);
}

void TFrCustomPanel::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation == opRemove && component == frameController_) frameController_ = nullptr;
}

void TFrCustomPanel::ApplyControllerFrame() {
  if (frameController_ == nullptr || !frameController_->FrameVisible()) return;
  borderOuter_ = frameController_->FrameStyle();
  borderSides_ = frameController_->FrameSides();
  flatColor_ = frameController_->FrameColor();
  flatColorAdjustment_ = 0;
  SetColor(frameController_->Color());
  SetParentColor(frameController_->ParentColor());
  borderHighlight_ = LightenColor(Color(), 100);
  borderShadow_ = DarkenColor(Color(), 50);
  BordersChanged();
}

void TFrCustomPanel::SetBounds(int left, int top, int width, int height) {
  if (Align() == alBottom && height != Height()) top = Top() + Height() - height;
  if (Align() == alRight && width != Width()) left = Left() + Width() - width;
  TCustomPanel::SetBounds(left, top, width, height);
}

// ---- Borders and client area ----

void TFrCustomPanel::ShrinkRectForBorders(TRect& rect, bool includeBorderWidth) {
  if (includeBorderWidth) {
    const int band = BorderWidth();
    rect = Rect(rect.Left + band, rect.Top + band, rect.Right - band, rect.Bottom - band);
  }
  for (TFrameStyle style : {borderOuter_, borderInner_}) {
    rect = InsetSides(rect, borderSides_, ControlBorderRoom(style, BevelWidth(), true));
  }
}

void TFrCustomPanel::AlignControls(TControl* control, TRect& rect) {
  ShrinkRectForBorders(rect, false);
  TCustomPanel::AlignControls(control, rect);
}

void TFrCustomPanel::CursorClientPos(TPoint& point) {
  POINT p;
  GetCursorPos(&p);
  point = ScreenToClient(Point(p.x, p.y));
}

// ---- Painting ----

void TFrCustomPanel::PaintRect(TRect& rect) { rect = Rect(0, 0, Width(), Height()); }

TColor TFrCustomPanel::AdjustedFlatColor() const { return ShiftColorLightness(flatColor_, flatColorAdjustment_); }

void TFrCustomPanel::PaintBorder(TRect& rect, TFrameStyle style, TSides sides) {
  const TControlBorderLook look{AdjustedFlatColor(), borderHighlight_, borderShadow_, BevelWidth(), true};
  rect = PaintControlBorderSides(Canvas(), rect, style, sides, look);
}

void TFrCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect;
  PaintRect(rect);
  PaintBorder(rect, borderOuter_, borderSides_);
  if (BorderWidth() > 0) rect = PaintEdgeRings(canvas, rect, borderColor_, borderColor_, BorderWidth(), kAllSides);
  PaintBorder(rect, borderInner_, borderSides_);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  if (!transparent_) canvas->FillRect(rect);
  if (showGrid_) PaintGrid(rect);
  canvas->Brush()->SetStyle(bsClear);
  DrawPanelCaption(rect);
  canvas->Brush()->SetStyle(bsSolid);
  OnPaint(this);
}

void TFrCustomPanel::PaintGrid(TRect rect) {
  const int nx = gridXSize_ > 0 ? rect.Width() / gridXSize_ : 0;
  const int ny = gridYSize_ > 0 ? rect.Height() / gridYSize_ : 0;
  if (gridStyle_ != gsDots) {
    PaintGridLines(rect, nx, ny, gridStyle_ == gsDottedLines);
    return;
  }
  for (int i = 1; i <= nx; ++i) {
    for (int j = 1; j <= ny; ++j) {
      Canvas()->SetPixels(rect.Left + i * gridXSize_ - 1, rect.Top + j * gridYSize_ - 1, gridColor_);
    }
  }
}

// Vertical lines at every GridXSize, horizontal ones at every GridYSize; dotted lines set
// every second pixel, starting one after the line's start.
void TFrCustomPanel::PaintGridLines(const TRect& rect, int nx, int ny, bool dotted) {
  TCanvas* canvas = Canvas();
  canvas->Pen()->SetColor(gridColor_);
  canvas->Pen()->SetWidth(1);
  for (int i = 1; i <= nx; ++i) {
    const int x = rect.Left + i * gridXSize_ - 1;
    if (!dotted) {
      canvas->MoveTo(x, rect.Top);
      canvas->LineTo(x, rect.Bottom);
      continue;
    }
    for (int y = rect.Top + 1; y < rect.Bottom; y += 2) canvas->SetPixels(x, y, gridColor_);
  }
  for (int j = 1; j <= ny; ++j) {
    const int y = rect.Top + j * gridYSize_ - 1;
    if (!dotted) {
      canvas->MoveTo(rect.Left, y);
      canvas->LineTo(rect.Right, y);
      continue;
    }
    for (int x = rect.Left + 1; x < rect.Right; x += 2) canvas->SetPixels(x, y, gridColor_);
  }
}

void TFrCustomPanel::DrawCaptionText(TRect rect, UINT flags) {
  const AnsiString text = Caption();
  if (!Enabled()) {
    TRect raised = Rect(rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1);
    DrawCanvasText(Canvas(), text, raised, flags, clBtnHighlight);
    DrawCanvasText(Canvas(), text, rect, flags, clBtnShadow);
    return;
  }
  DrawCanvasText(Canvas(), text, rect, flags, Font()->Color());
}

void TFrCustomPanel::DrawPanelCaption(TRect rect) {
  const AnsiString text = Caption();
  if (text.IsEmpty()) return;
  Canvas()->SetFont(Font());
  rect.Left += 1;
  const UINT flags = kAlignmentFlags[Alignment()] | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER;
  TRect measured = rect;
  const int height = DrawCanvasText(Canvas(), text, measured, flags | DT_CALCRECT, Font()->Color());
  if (alignmentVertical_ == avCenter) {
    rect.Top = (rect.Bottom + rect.Top - height) >> 1;
    rect.Bottom = rect.Top + height;
  } else if (alignmentVertical_ == avBottom) {
    rect.Top = rect.Bottom - height - 1;
  }
  DrawCaptionText(rect, flags);
}

// ---- Messages ----

void TFrCustomPanel::EraseBackground(TMessage& message) {
  if (!transparent_) {
    TCustomPanel::Dispatch(message);
    return;
  }
  PaintParentBackground(this, reinterpret_cast<HDC>(message.WParam), true);
  message.Result = 1;
}

// Without a full repaint only the strips that the borders leave behind are repainted.
void TFrCustomPanel::WindowPosChanged(TMessage& message) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
  const bool sized = (pos->flags & SWP_NOSIZE) == 0;
  if (sized && HandleAllocated()) {
    if (fullRepaint_ || !Caption().IsEmpty()) {
      Invalidate();
    } else {
      TRect inside = Rect(0, 0, paintedWidth_, paintedHeight_);
      ShrinkRectForBorders(inside, true);
      if (pos->cx != paintedWidth_) {
        const RECT strip{inside.Right - 1, 0, paintedWidth_, paintedHeight_};
        InvalidateRect(Handle(), &strip, TRUE);
      }
      if (pos->cy != paintedHeight_) {
        const RECT strip{0, inside.Bottom - 1, paintedWidth_, paintedHeight_};
        InvalidateRect(Handle(), &strip, TRUE);
      }
    }
    paintedWidth_ = pos->cx;
    paintedHeight_ = pos->cy;
  }
  TCustomPanel::Dispatch(message);
}

// Disabling remembers which children were enabled; enabling restores only those.
void TFrCustomPanel::EnabledChanged() {
  if (!Enabled()) {
    childEnabledStates_->Clear();
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* child = Controls(i);
      childEnabledStates_->AddObject(child->Enabled() ? "1" : "0", child);
    }
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(false);
    return;
  }
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    const int index = childEnabledStates_->IndexOfObject(child);
    if (index < 0 || childEnabledStates_->Strings(index) == "1") child->SetEnabled(true);
  }
  childEnabledStates_->Clear();
}

void TFrCustomPanel::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      EraseBackground(message);
      return;
    case WM_WINDOWPOSCHANGED:
      WindowPosChanged(message);
      return;
    case CM_MOUSEENTER:
      TCustomPanel::Dispatch(message);
      MouseEntered();
      return;
    case CM_MOUSELEAVE:
      TCustomPanel::Dispatch(message);
      MouseLeft();
      return;
    case CM_ENABLEDCHANGED:
      TCustomPanel::Dispatch(message);
      Repaint();
      EnabledChanged();
      return;
    default:
      TCustomPanel::Dispatch(message);
  }
}

// Older resources stored "FrameSides"; the panels' sides are BorderSides now.
void TFrCustomPanel::DefineProperties(TFiler* filer) {
  TCustomPanel::DefineProperties(filer);
  filer->DefineProperty("FrameSides", [](const TValueReader& value) { value.ReadSet(); });
}
