#include <algorithm>

#include "classlib/windowing/ControlMessages.h"
#include "skin/boxes/Skinboxes_ListBox.h"

TspListBox::TspListBox(TComponent* owner) : TListBox(owner) {
  SetBorderStyle(bsNone);
  TControlStyle style = ControlStyle();
  style << csCaptureMouse << csOpaque << csDoubleClicks << csPaintWindow;
  SetControlStyle(style);
}

void TspListBox::SetHorizontalOffset(int value) {
  horizontalOffset_ = std::max(value, 0);
  Invalidate();
}

void TspListBox::CreateParams(TCreateParams& params) {
  TListBox::CreateParams(params);
  params.Style = (params.Style & ~WS_BORDER) | WS_TABSTOP;
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
  params.WindowClass.style = CS_DBLCLKS;
}

void TspListBox::CreateWnd() {
  TListBox::CreateWnd();
  if (OuterControl != nullptr) OuterControl->ListBoxCreateWnd();
}

void TspListBox::SetBounds(int left, int top, int width, int height) {
  const int oldWidth = Width();
  TListBox::SetBounds(left, top, width, height);
  if (width != oldWidth && horizontalOffset_ > 0) SetHorizontalOffset(horizontalOffset_ - (width - oldWidth));
}

// Input forwarding

void TspListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OuterControl != nullptr) OuterControl->ListBoxMouseDown(button, shift, x, y);
  TListBox::MouseDown(button, shift, x, y);
}

void TspListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OuterControl != nullptr) OuterControl->ListBoxMouseUp(button, shift, x, y);
  TListBox::MouseUp(button, shift, x, y);
}

void TspListBox::MouseMove(TShiftState shift, int x, int y) {
  if (OuterControl != nullptr) OuterControl->ListBoxMouseMove(shift, x, y);
  TListBox::MouseMove(shift, x, y);
}

void TspListBox::KeyDown(WORD& key, TShiftState shift) {
  if (OuterControl != nullptr) OuterControl->ListBoxKeyDown(key, shift);
  TListBox::KeyDown(key, shift);
}

void TspListBox::KeyUp(WORD& key, TShiftState shift) {
  if (OuterControl != nullptr) OuterControl->ListBoxKeyUp(key, shift);
  TListBox::KeyUp(key, shift);
}

void TspListBox::KeyPress(char& key) {
  if (OuterControl != nullptr) OuterControl->ListBoxKeyPress(key);
  TListBox::KeyPress(key);
}

void TspListBox::Click() {
  if (OuterControl != nullptr) OuterControl->ListBoxClick();
  TListBox::Click();
}

// Messages

void TspListBox::WndProc(TMessage& message) {
  bool passOn = true;
  if (OuterControl != nullptr) OuterControl->ListBoxWProc(message, passOn);
  if (!passOn) return;
  if (message.Msg == WM_MOUSEWHEEL && OuterControl != nullptr && OuterControl->ScrollBar() != nullptr) {
    // One row a notch, whatever the system's wheel setting.
    WheelStep(message);
    return;
  }
  TListBox::WndProc(message);
  if (OuterControl != nullptr) AfterMessage(message);
}

void TspListBox::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
      OuterControl->UpDateScrollBar();
      return;
    case WM_LBUTTONDBLCLK:
      OuterControl->ListBoxDblClick();
      return;
    default:
      return;
  }
}

void TspListBox::WheelStep(TMessage& message) {
  const int delta = static_cast<short>(HIWORD(message.WParam));
  Perform(WM_VSCROLL, delta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
  OuterControl->UpDateScrollBar();
  message.Result = 0;
}

void TspListBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      message.Result = 0;  // no border, no visible system bars
      return;
    case WM_ERASEBKGND:
      if (Width() > 0 && Height() > 0) PaintBG(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case CN_DRAWITEM:
      DrawItemRequest(message);
      return;
    default:
      TListBox::Dispatch(message);
  }
}

// Painting

void TspListBox::PaintBG(HDC dc) {
  const RECT all{0, 0, Width(), Height()};
  FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
}

void TspListBox::PaintWindow(HDC dc) {
  if (Width() <= 0 || Height() <= 0) return;
  PaintList(dc);
}

void TspListBox::PaintList(HDC dc) {
  const int count = Items()->Count();
  const int last = std::min(TopIndex() + Height() / std::max(ItemHeight(), 1), count - 1);
  int bottom = 0;
  {
    TPaintScope scope(static_cast<TPaintCanvas*>(Canvas()), dc, Font(), Color());
    for (int i = TopIndex(); i <= last; ++i) {
      const TRect r = ItemRect(i);
      DrawDefaultItem(Canvas(), i, GetState(i), r);
      bottom = r.Bottom;
    }
  }
  if (bottom >= Height()) return;
  const RECT rest{0, bottom, Width(), Height()};
  FillRect(dc, &rest, GetSysColorBrush(COLOR_WINDOW));
}

TOwnerDrawState TspListBox::GetState(int index) {
  if (index == ItemIndex()) {
    TOwnerDrawState state{odSelected};
    if (Focused()) state << odFocused;
    return state;
  }
  if (SelCount() > 0 && Selected(index)) return TOwnerDrawState{odSelected};
  return TOwnerDrawState{};
}

void TspListBox::DrawItemRequest(TMessage& message) {
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
  const TRect rect = Rect(draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom);
  {
    TPaintScope scope(static_cast<TPaintCanvas*>(Canvas()), draw->hDC, Font(), Color());
    DrawDefaultItem(Canvas(), static_cast<int>(draw->itemID), OwnerDrawState(LOWORD(draw->itemState)), rect);
  }
  message.Result = 1;
}

void TspListBox::DrawDefaultItem(TCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect) {
  if (index < 0 || index >= Items()->Count()) return;
  const bool selected = state.Contains(odSelected);
  TFont* font = OuterControl != nullptr ? OuterControl->Font() : Font();
  canvas->Font()->Assign(font);
  canvas->Font()->SetColor(selected ? clHighlightText : font->Color());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(selected ? clHighlight : clWindow);
  canvas->FillRect(rect);
  canvas->Brush()->SetStyle(bsClear);
  const AnsiString text = Items()->Strings(index);
  const int y = rect.Top + rect.Height() / 2 - canvas->TextHeight(text) / 2;
  canvas->TextRect(Rect(rect.Left + 2, rect.Top, rect.Right - 2, rect.Bottom), rect.Left + 2 - horizontalOffset_, y, text);
  if (state.Contains(odFocused)) {
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    DrawFocusRect(canvas->Handle(), &r);
  }
}
