// The framed push button: roles, keys, groups and its three looks.
#include <memory>

#include "classlib/formres/Filer.h"
#include "classlib/windowing/Button.h"
#include "framed/FrButton.h"
#include "framed/FrCommon_Borders.h"
#include "framed/FrCommon_Colors.h"
#include "framed/FrThemes.h"

namespace {

bool StylesActive() { return ThemeServices != nullptr && ThemeServices->StylesActive(); }

constexpr UINT kAlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

void Line(TCanvas* canvas, int x1, int y1, int x2, int y2, TColor color) {
  canvas->Pen()->SetColor(color);
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

// Two lines meeting at the corner (x2, y2).
void Corner(TCanvas* canvas, int x1, int y1, int x2, int y2, int x3, int y3, TColor color) {
  Line(canvas, x1, y1, x2, y2, color);
  canvas->LineTo(x3, y3);
}

// A one-pixel frame whose corners stay open.
void OpenCorneredFrame(TCanvas* canvas, const TRect& r, TColor color) {
  Line(canvas, r.Left, r.Top + 1, r.Left, r.Bottom - 1, color);
  Line(canvas, r.Left + 1, r.Top, r.Right - 1, r.Top, color);
  Line(canvas, r.Right - 1, r.Top + 1, r.Right - 1, r.Bottom - 1, color);
  Line(canvas, r.Left + 1, r.Bottom - 1, r.Right - 1, r.Bottom - 1, color);
}

TRect Inflated(const TRect& r, int d) { return Rect(r.Left - d, r.Top - d, r.Right + d, r.Bottom + d); }

void Fill(TCanvas* canvas, const TRect& rect, TColor color) {
  canvas->Brush()->SetColor(color);
  canvas->FillRect(rect);
}

}  // namespace

TFrButton::TFrButton(TComponent* owner) : TFrCustomButton(owner) {
  SetBounds(Left(), Top(), 75, 25);
  SetColor(clBtnFace);
}

// ---- Roles and keys ----

void TFrButton::CreateWnd() {
  TFrCustomButton::CreateWnd();
  active_ = default_;
}

// Every push button of the form weighs again which one shows the default look.
void TFrButton::SetDefault(bool value) {
  default_ = value;
  if (!HandleAllocated()) return;
  if (TCustomForm* form = GetParentForm(this); form != nullptr)
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TFrButton::FocusChanged(TMessage& message) {
  auto* sender = reinterpret_cast<TControl*>(message.LParam);
  const bool pushButton = dynamic_cast<TFrButton*>(sender) != nullptr || dynamic_cast<TButton*>(sender) != nullptr;
  const bool active = pushButton ? sender == this : default_;
  if (active != active_) {
    active_ = active;
    Repaint();
  }
  TFrCustomButton::Dispatch(message);
}

void TFrButton::DialogKey(TMessage& message) {
  const TShiftState shift = KeyboardShiftState();
  const bool noShift = !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
  const bool ours = (message.WParam == VK_RETURN && active_) || (message.WParam == VK_ESCAPE && cancel_);
  if (ours && noShift && CanFocus()) {
    Click();
    message.Result = 1;
    return;
  }
  TFrCustomButton::Dispatch(message);
}

void TFrButton::Click() {
  if (TCustomForm* form = GetParentForm(this); form != nullptr) form->SetModalResult(modalResult_);
  TFrCustomButton::Click();
}

void TFrButton::KeyDown(WORD& key, TShiftState shift) {
  if (key == VK_SPACE && !shift.Contains(ssAlt)) {
    spacePressed_ = true;
    SetShowDownVersion(true);
    RepaintDisplay();
  }
  TFrCustomButton::KeyDown(key, shift);
}

void TFrButton::KeyUp(WORD& key, TShiftState shift) {
  if (key == VK_SPACE) {
    SetShowDownVersion(false);
    if (spacePressed_) ChangeState();
    spacePressed_ = false;
    RepaintDisplay();
  }
  TFrCustomButton::KeyUp(key, shift);
}

void TFrButton::ChangeState() {
  if (Grouped()) SetDown(!down_);
  else Repaint();
  clicking_ = true;
  try {
    Click();
  } catch (...) {
    clicking_ = false;
    throw;
  }
  clicking_ = false;
}

void TFrButton::SetHotTrack(bool value) {
  TFrCustomButton::SetHotTrack(value);
  SetTransparent(value);
}

// Older resources stored the hot-track look as "FrameFlat".
void TFrButton::DefineProperties(TFiler* filer) {
  TFrCustomButton::DefineProperties(filer);
  filer->DefineProperty("FrameFlat", [this](const TValueReader& value) { SetHotTrack(value.ReadBoolean()); });
}

// ---- Groups ----

void TFrButton::SetDown(bool value) {
  value = Grouped() && value;
  if (value == down_ || (down_ && Grouped() && !allowAllUp_)) return;
  down_ = value;
  state_ = value ? 3 : 0;
  Invalidate();
  if (value) NotifyGroup();
}

void TFrButton::SetAllowAllUp(bool value) {
  allowAllUp_ = value;
  NotifyGroup();
}

void TFrButton::SetGroupIndex(int value) {
  groupIndex_ = value;
  NotifyGroup();
}

void TFrButton::NotifyGroup() {
  if (!Grouped() || Parent() == nullptr) return;
  TMessage message{CM_GROUPBUTTONDOWN, static_cast<WPARAM>(groupIndex_), reinterpret_cast<LPARAM>(this), 0};
  Parent()->Broadcast(message);
}

void TFrButton::GroupButtonDown(TMessage& message) {
  auto* sender = reinterpret_cast<TFrButton*>(message.LParam);
  if (sender == this || !Grouped() || static_cast<int>(message.WParam) != groupIndex_) return;
  if (sender->Down() && down_) {
    down_ = false;
    state_ = 0;
    Invalidate();
  }
  allowAllUp_ = sender->AllowAllUp();
}

void TFrButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_FOCUSCHANGED:
      FocusChanged(message);
      return;
    case CM_DIALOGKEY:
      DialogKey(message);
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char>(message.WParam), Caption()) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
      }
      TFrCustomButton::Dispatch(message);
      return;
    case CM_GROUPBUTTONDOWN:
      GroupButtonDown(message);
      return;
    default:
      TFrCustomButton::Dispatch(message);
  }
}

// ---- Painting ----

void TFrButton::Paint() {
  const bool styled = StylesActive();
  TRect inside;
  if (styled) inside = PaintStyledFace(ClientRect());
  else if (HotTrack()) inside = Enabled() ? PaintHotTrackFace(ClientRect()) : PaintDisabledHotTrackFace(ClientRect());
  else inside = PaintClassicFace(ClientRect());
  if (Grouped() && state_ == 3 && showDownPattern_) PaintDownPattern(inside);
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetColor(Color());
  DrawButtonCaption();
  if (!Focused() || !showFocusRect_) return;
  TRect focus = Inflated(ClientRect(), HotTrack() || styled ? -3 : -4);
  if (Grouped() && Pressed()) focus = Rect(focus.Left + 1, focus.Top + 1, focus.Right + 1, focus.Bottom + 1);
  PaintFocusDots(canvas, focus);
}

TRect TFrButton::PaintStyledFace(const TRect& rect) {
  int n = 5;
  if (Enabled()) n = Pressed() ? 4 : MouseOverButton() ? 3 : ShowsPlain() ? 2 : 6;
  const ThemedElementDetails details = TThemeServices::ButtonElement(n);
  HDC dc = Canvas()->Handle();
  ThemeServices->PaintParentElementBackground(Handle(), dc, &details, true, rect);
  ThemeServices->PaintElement(dc, details, rect);
  return rect;
}

// The light and dark rings of the hover and default looks, the inside filled with Color.
void TFrButton::HotTrackRings(TRect& rect, TColor light, TColor dark) {
  TCanvas* canvas = Canvas();
  rect = PaintEdgeRings(canvas, rect, light, dark, 1, kAllSides);
  rect = PaintEdgeRings(canvas, rect, DarkenColor(light, 10), LightenColor(dark, 10), 1, kAllSides);
  Fill(canvas, rect, Color());
}

TRect TFrButton::PaintHotTrackFace(TRect r) {
  TCanvas* canvas = Canvas();
  // The rounded outer edge.
  const TColor d = DarkenColor(clBtnFace, 20), l = LightenColor(clBtnFace, 20);
  Line(canvas, r.Left, r.Top + 2, r.Left, r.Bottom - 2, d);
  Line(canvas, r.Left + 2, r.Top, r.Right - 2, r.Top, d);
  Line(canvas, r.Right - 1, r.Top + 2, r.Right - 1, r.Bottom - 2, l);
  Line(canvas, r.Left + 2, r.Bottom - 1, r.Right - 2, r.Bottom - 1, l);
  canvas->SetPixels(r.Left + 1, r.Top + 1, d);
  canvas->SetPixels(r.Right - 2, r.Top + 1, d);
  canvas->SetPixels(r.Left + 1, r.Bottom - 2, d);
  canvas->SetPixels(r.Right - 2, r.Bottom - 2, l);
  r = Inflated(r, -1);
  OpenCorneredFrame(canvas, r, Color() == clBtnFace ? cl3DDkShadow : DarkenColor(Color(), 150));
  r = Inflated(r, -1);
  if (Pressed()) {
    Fill(canvas, r, DarkenColor(Color(), 10));
  } else if (MouseOverButton()) {
    const THotTrackColors pair = HotTrackColors(HotTrackColor(), HotTrackColorType());
    HotTrackRings(r, pair.Light, DarkenColor(pair.Track, 30));
  } else if (ShowsPlain()) {
    // Graded edges: lighter toward the top, darker toward the bottom right.
    Line(canvas, r.Left, r.Top, r.Right, r.Top, LightenColor(Color(), 20));
    Line(canvas, r.Left, r.Top + 1, r.Right, r.Top + 1, LightenColor(Color(), 15));
    Line(canvas, r.Left, r.Top + 2, r.Right, r.Top + 2, LightenColor(Color(), 10));
    Corner(canvas, r.Left, r.Bottom - 3, r.Right - 2, r.Bottom - 3, r.Right - 2, r.Top + 2, DarkenColor(Color(), 10));
    Corner(canvas, r.Left, r.Bottom - 2, r.Right - 1, r.Bottom - 2, r.Right - 1, r.Top + 2, DarkenColor(Color(), 20));
    Line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, DarkenColor(Color(), 30));
    Fill(canvas, Rect(r.Left, r.Top + 3, r.Right - 2, r.Bottom - 3), Color());
  } else {
    const TColor track = MakeColorFromHsl(HueOfColor(HighlightColor()), 220, 220);
    HotTrackRings(r, track, DarkenColor(track, 30));
  }
  return r;
}

TRect TFrButton::PaintDisabledHotTrackFace(TRect r) {
  r = Inflated(r, -1);
  OpenCorneredFrame(Canvas(), r, Color() == clBtnFace ? LightenColor(clBtnShadow, 30) : DarkenColor(Color(), 80));
  r = Inflated(r, -1);
  Fill(Canvas(), r, Color());
  return r;
}

TRect TFrButton::PaintClassicFace(TRect r) {
  TCanvas* canvas = Canvas();
  if (!Grouped() && (((active_ || Focused()) && !ShowDownVersion()) || clicking_)) {
    canvas->Brush()->SetColor(clWindowFrame);
    canvas->FrameRect(r);
    r = Inflated(r, -1);
  }
  if (Color() == clBtnFace) {
    if (Grouped()) return PaintStyledBorder(canvas, r, Pressed() ? fsLowered : fsButtonUp);
    return PaintPushButtonBorder(canvas, r, ShowDownVersion());
  }
  if (Grouped() && Pressed()) return PaintTintedBorder(canvas, r, Color(), fsLowered);
  return PaintTintedPushButtonBorder(canvas, r, Color(), !Grouped() && ShowDownVersion());
}

void TFrButton::MakeDownPattern(TBitmap* bitmap) {
  bitmap->SetSize(8, 8);
  const TColor dots = ColorToRGB(Color()) == ColorToRGB(clSilver) ? clGray : clSilver;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) bitmap->Canvas()->SetPixels(x, y, (x + y) % 2 == 0 ? dots : Color());
  }
}

void TFrButton::PaintDownPattern(const TRect& rect) {
  auto pattern = std::make_unique<TBitmap>();
  MakeDownPattern(pattern.get());
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetBitmap(pattern.get());
  canvas->FillRect(rect);
  canvas->Brush()->SetBitmap(nullptr);
}

void TFrButton::GetCaptionRect(TRect& rect) {
  rect = Inflated(ClientRect(), -5);
  const bool pressed = Grouped() ? Pressed() : ShowDownVersion();
  if (pressed && !HotTrack() && !StylesActive()) rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1);
}

void TFrButton::DrawButtonCaption() {
  TRect rect;
  GetCaptionRect(rect);
  PaintCaption(Canvas(), rect, kAlignmentFlags[alignment_] | DT_WORDBREAK | DT_EXPANDTABS);
}
