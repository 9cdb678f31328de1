#include "classlib/windowing/HintWindow.h"

namespace {
constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
constexpr int kMargin = 2;
}  // namespace

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetColor(clInfoBk);
  SetParentFont(false);
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = nullptr;
  params.WindowClass.style |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int maxWidth, const AnsiString& hint) {
  TRect r = Rect(0, 0, maxWidth, 0);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  DrawTextA(dc, hint.c_str(), hint.Length(), r.AsRECT(), kTextFormat | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  r.Right += 2 * kMargin + 4;
  r.Bottom += 2 * kMargin + 2;
  return r;
}

void THintWindow::ActivateHint(const TRect& rect, const AnsiString& hint) {
  SetCaption(hint);
  SetBoundsRect(rect);
  SetWindowPos(Handle(), HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void THintWindow::Paint() {
  TRect r = ClientRect();
  Canvas()->FillRect(r);
  r = Rect(r.Left + kMargin, r.Top + kMargin, r.Right - kMargin, r.Bottom - kMargin);
  HDC dc = Canvas()->Handle();
  SelectObject(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  const AnsiString text = Caption();
  DrawTextA(dc, text.c_str(), text.Length(), r.AsRECT(), kTextFormat);
}
