#include "skin/controls/Skinhint.h"

#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Screen.h"

namespace {
constexpr int kTextMargin = 2;
constexpr int kShortHintPause = 100;
// A placed hint keeps this gap to the point when it flips left or up.
constexpr int kFlipGap = 2;
}  // namespace

// --- TspSkinHintWindow -------------------------------------------------------

TspSkinHintWindow::TspSkinHintWindow(TComponent* owner) : THintWindow(owner) {}

void TspSkinHintWindow::CreateParams(TCreateParams& params) {
  THintWindow::CreateParams(params);
  params.Style &= ~WS_BORDER;
}

TspSkinHint* TspSkinHintWindow::FindHintComponent() {
  TCustomForm* mainForm = Application->MainForm();
  if (mainForm == nullptr) return nullptr;
  for (int i = 0; i < mainForm->ComponentCount(); ++i) {
    auto* hint = dynamic_cast<TspSkinHint*>(mainForm->Components(i));
    if (hint != nullptr && hint->Active() && !hint->ComponentState().Contains(csDestroying))
      return hint;
  }
  return nullptr;
}

void TspSkinHintWindow::ApplyFont(TspSkinHint* hint) {
  Canvas()->Font()->Assign(hint->DefaultFont());
}

void TspSkinHintWindow::CalcHintSize(const AnsiString& text, int& width, int& height) {
  TRect r = Rect(0, 0, 0, 0);
  DrawTextA(Canvas()->Handle(), text.c_str(), text.Length(), r.AsRECT(), DT_CALCRECT);
  width = r.Width() + 2 * kTextMargin;
  height = r.Height() + 2 * kTextMargin;
}

void TspSkinHintWindow::ActivateHint(const TRect& rect, const AnsiString& text) {
  TspSkinHint* hint = FindHintComponent();
  if (hint == nullptr) return;
  const AnsiString shown = hint->CheckText(text);
  SetCaption(shown);
  ApplyFont(hint);
  int width = 0, height = 0;
  CalcHintSize(shown, width, height);
  TRect r = Bounds(rect.Left, rect.Top, width, height);
  if (r.Right > Screen->Width()) r = Bounds(r.Left - width - kFlipGap, r.Top, width, height);
  if (r.Bottom > Screen->Height()) r = Bounds(r.Left, r.Top - height - kFlipGap, width, height);
  SetBoundsRect(r);
  SetWindowPos(Handle(), HWND_TOPMOST, r.Left, r.Top, width, height,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void TspSkinHintWindow::Paint() {
  TspSkinHint* hint = FindHintComponent();
  const AnsiString text = Caption();
  if (hint == nullptr || text.IsEmpty()) return;
  TCanvas* canvas = Canvas();
  const TRect bounds = ClientRect();
  canvas->Brush()->SetColor(clInfoBk);
  canvas->FillRect(bounds);
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(bounds);
  ApplyFont(hint);
  canvas->Font()->SetColor(clInfoText);
  HDC dc = canvas->Handle();
  SelectObject(dc, canvas->Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(clInfoText));
  TRect r = Rect(kTextMargin, kTextMargin, bounds.Right - kTextMargin, bounds.Bottom - kTextMargin);
  DrawTextA(dc, text.c_str(), text.Length(), r.AsRECT(), 0);
}

void TspSkinHintWindow::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      message.Result = 0;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    default:
      THintWindow::WndProc(message);
  }
}

// --- TspSkinHint -------------------------------------------------------------

TspSkinHint::TspSkinHint(TComponent* owner)
    : TComponent(owner), defaultFont_(new TFont()), window_(new TspSkinHintWindow(this)) {
  if (Designing()) return;
  previousClass_ = Application->HintWindowClass();
  previousOnShowHint_ = Application->OnShowHint;
  Application->SetHintWindowClass(TspSkinHintWindow::StaticClass());
  Application->SetShowHint(false);
  Application->SetShowHint(true);
  Application->OnShowHint = TShowHintEvent(this, &TspSkinHint::SelfOnShowHint);
  Application->HintShortPause = kShortHintPause;
}

TspSkinHint::~TspSkinHint() {
  if (!Designing()) {
    if (Application->OnShowHint == TShowHintEvent(this, &TspSkinHint::SelfOnShowHint))
      Application->OnShowHint = previousOnShowHint_;
    if (Application->HintWindowClass() == TspSkinHintWindow::StaticClass() && previousClass_ != nullptr)
      Application->SetHintWindowClass(previousClass_);
  }
  delete defaultFont_;
}

void TspSkinHint::SetDefaultFont(TFont* font) { defaultFont_->Assign(font); }

void TspSkinHint::SetActive(bool value) {
  active_ = value;
  if (!value) return;
  if (TCustomForm* mainForm = Application->MainForm()) {
    for (int i = 0; i < mainForm->ComponentCount(); ++i) {
      auto* other = dynamic_cast<TspSkinHint*>(mainForm->Components(i));
      if (other != nullptr && other != this) other->active_ = false;
    }
  }
  if (!Designing()) Application->OnShowHint = TShowHintEvent(this, &TspSkinHint::SelfOnShowHint);
}

AnsiString TspSkinHint::CheckText(const AnsiString& text) const {
  if (LineSeparator.IsEmpty()) return text;
  const std::string separator = LineSeparator.c_str();
  std::string result;
  const std::string source = text.c_str();
  for (size_t at = 0; at < source.size();) {
    if (source.compare(at, separator.size(), separator) == 0) {
      result += "\r\n";
      at += separator.size();
    } else {
      result += source[at++];
    }
  }
  return AnsiString(result.c_str());
}

void TspSkinHint::SelfOnShowHint(AnsiString& text, bool& canShow, THintInfo& info) {
  OnShowHint(text, canShow, info);
}

void TspSkinHint::ActivateHint(const TPoint& point, const AnsiString& text) {
  window_->ActivateHint(Bounds(point.X, point.Y, 0, 0), text);
}

void TspSkinHint::HideHint() {
  if (!IsVisible()) return;
  SetWindowPos(window_->Handle(), HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_HIDEWINDOW);
}

bool TspSkinHint::IsVisible() const { return window_->HandleAllocated() && IsWindowVisible(window_->Handle()); }
