#include "skin/controls/Skinhint.h"

#include <vector>

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

void TspSkinHint::ActivateHint2(const AnsiString& text) {
  if (timer_ == nullptr) {
    timer_ = new TTimer(this);
    timer_->OnTimer = TNotifyEvent(this, &TspSkinHint::HintTimerFired);
  }
  timer_->SetEnabled(false);
  pendingText_ = text;
  timedShowing_ = false;
  timer_->SetInterval(static_cast<unsigned>(Application->HintPause));
  timer_->SetEnabled(true);
}

void TspSkinHint::HintTimerFired(TObject*) {
  if (timedShowing_) {
    HideHint();
    return;
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  ActivateHint(Point(cursor.x, cursor.y + GetCursorHeightMargin()), pendingText_);
  timedShowing_ = true;
  timer_->SetEnabled(false);
  timer_->SetInterval(static_cast<unsigned>(Application->HintHidePause));
  timer_->SetEnabled(true);
}

void TspSkinHint::HideHint() {
  if (timer_ != nullptr) timer_->SetEnabled(false);
  timedShowing_ = false;
  if (!IsVisible()) return;
  SetWindowPos(window_->Handle(), HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_HIDEWINDOW);
}

bool TspSkinHint::IsVisible() const { return window_->HandleAllocated() && IsWindowVisible(window_->Handle()); }

namespace {
// The bits of a monochrome bitmap, top row first, rows padded to 32 bits.
std::vector<BYTE> MonochromeRows(HBITMAP bitmap, int width, int height, int& stride) {
  stride = ((width + 31) / 32) * 4;
  std::vector<BYTE> bits(static_cast<size_t>(stride) * height);
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[2];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width;
  info.header.biHeight = -height;
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  HDC dc = GetDC(nullptr);
  const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), bits.data(),
                             reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  if (rows != height) bits.clear();
  return bits;
}

bool RowIs(const std::vector<BYTE>& bits, int stride, int row, int width, bool set) {
  for (int x = 0; x < width; ++x) {
    const bool bit = (bits[static_cast<size_t>(row) * stride + x / 8] & (0x80 >> (x % 8))) != 0;
    if (bit != set) return false;
  }
  return true;
}

// The lowest row of the cursor's shape that shows something, or -1.
int LowestVisibleRow(const ICONINFO& icon) {
  BITMAP mask{};
  if (GetObjectA(icon.hbmMask, sizeof mask, &mask) == 0) return -1;
  const bool twoPart = icon.hbmColor == nullptr;
  const int height = twoPart ? mask.bmHeight / 2 : mask.bmHeight;
  int stride = 0;
  const std::vector<BYTE> bits = MonochromeRows(icon.hbmMask, mask.bmWidth, mask.bmHeight, stride);
  if (bits.empty()) return -1;
  for (int row = height - 1; row >= 0; --row) {
    if (!RowIs(bits, stride, row, mask.bmWidth, true)) return row;
    if (twoPart && !RowIs(bits, stride, row + height, mask.bmWidth, false)) return row;
  }
  return -1;
}
}  // namespace

int TspSkinHint::GetCursorHeightMargin() {
  CURSORINFO cursor{};
  cursor.cbSize = sizeof cursor;
  ICONINFO icon{};
  if (!GetCursorInfo(&cursor) || cursor.hCursor == nullptr || !GetIconInfo(cursor.hCursor, &icon))
    return GetSystemMetrics(SM_CYCURSOR);
  const int row = LowestVisibleRow(icon);
  DeleteObject(icon.hbmMask);
  if (icon.hbmColor != nullptr) DeleteObject(icon.hbmColor);
  return row < 0 ? GetSystemMetrics(SM_CYCURSOR) : row - static_cast<int>(icon.yHotspot);
}
