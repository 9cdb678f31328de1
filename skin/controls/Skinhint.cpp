#include "skin/controls/Skinhint.h"

#include <algorithm>
#include <vector>

#include "classlib/windowing/Forms.h"
#include "skin/controls/Skinctrls_Link.h"
#include "skin/data/Sputils_System.h"

namespace {
constexpr int kShortHintPause = 100;
}  // namespace

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

void TspSkinHint::SetAlphaBlendValue(int value) { alphaBlendValue_ = std::clamp(value, 0, 255); }

void TspSkinHint::SetAlphaBlendSupport(bool value) {
  alphaBlendSupport_ = value && (CheckW2KWXP() || Designing());
}

void TspSkinHint::SetSkinData(TspSkinData* value) {
  if (skinData_ != nullptr) RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (value != nullptr) FreeNotification(value);
}

void TspSkinHint::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == hintImageList_) hintImageList_ = nullptr;
}

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

void TspSkinHint::SetHintExtras(const AnsiString& title, int imageIndex, TCustomImageList* imageList) {
  hintTitle_ = title;
  hintImageIndex_ = imageIndex;
  if (hintImageList_ != nullptr && hintImageList_ != imageList) RemoveFreeNotification(hintImageList_);
  hintImageList_ = imageList;
  if (imageList != nullptr) FreeNotification(imageList);
}

void TspSkinHint::SelfOnShowHint(AnsiString& text, bool& canShow, THintInfo& info) {
  SetHintExtras("", -1, nullptr);
  if (auto* link = dynamic_cast<TspSkinLink*>(info.HintControl))
    SetHintExtras(link->HintTitle(), link->HintImageIndex(), link->HintImageList());
  OnShowHint(text, canShow, info);
}

void TspSkinHint::ActivateHint(const TPoint& point, const AnsiString& text) {
  SetHintExtras("", -1, nullptr);
  window_->ActivateHint(Bounds(point.X, point.Y, 0, 0), text);
}

void TspSkinHint::ActivateHintEx(const TPoint& point, const AnsiString& title, const AnsiString& text,
                                 int imageIndex, TCustomImageList* imageList) {
  window_->ActivateHintEx(Bounds(point.X, point.Y, 0, 0), title, text, imageIndex, imageList);
}

void TspSkinHint::ActivateHint2(const AnsiString& text) { StartTimedHint("", text, -1, nullptr); }

void TspSkinHint::ActivateHintEx2(const AnsiString& title, const AnsiString& text, int imageIndex,
                                  TCustomImageList* imageList) {
  StartTimedHint(title, text, imageIndex, imageList);
}

void TspSkinHint::StartTimedHint(const AnsiString& title, const AnsiString& text, int imageIndex,
                                 TCustomImageList* imageList) {
  if (timer_ == nullptr) {
    timer_ = new TTimer(this);
    timer_->OnTimer = TNotifyEvent(this, &TspSkinHint::HintTimerFired);
  }
  timer_->SetEnabled(false);
  pendingText_ = text;
  SetHintExtras(title, imageIndex, imageList);
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
  const TPoint at = Point(cursor.x, cursor.y + GetCursorHeightMargin());
  if (!hintTitle_.IsEmpty() || hintImageList_ != nullptr)
    ActivateHintEx(at, hintTitle_, pendingText_, hintImageIndex_, hintImageList_);
  else
    ActivateHint(at, pendingText_);
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
  SetHintExtras("", -1, nullptr);
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
