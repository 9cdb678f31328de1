// The inner list of a skinned list box: its window without a non-client area, the input it
// reports to the outer control, the messages it answers and the painting of its rows.
#include <algorithm>
#include <cstdint>

#include "classlib/windowing/ControlMessages.h"
#include "skin/boxes/Skinboxes_ListBox.h"
#include "skin/form/Formskinner.h"

TspListBox::TspListBox(TComponent* owner) : TListBox(owner) {
  SetBorderStyle(bsNone);
  TControlStyle style = ControlStyle();
  style << csCaptureMouse << csOpaque << csDoubleClicks;
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
  if (OuterControl != nullptr) {
    OuterControl->ListBoxKeyDown(key, shift);
    TspSkinScrollBar* bar = OuterControl->HScrollBar();
    if (bar != nullptr && (key == VK_LEFT || key == VK_RIGHT)) {
      bar->SetPosition(bar->Position() + (key == VK_LEFT ? -bar->SmallChange() : bar->SmallChange()));
      key = 0;
    }
  }
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
  if (message.Msg == WM_MOUSEWHEEL && OuterControl != nullptr &&
      (OuterControl->ScrollBar() != nullptr || OuterControl->HScrollBar() != nullptr)) {
    // One row (or one step sideways) a notch, whatever the system's wheel setting.
    WheelStep(message);
    return;
  }
  TListBox::WndProc(message);
  if (OuterControl != nullptr) AfterMessage(message);
}

void TspListBox::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      OuterControl->UpDateScrollBar();
      return;
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
      OuterControl->ItemAdded(static_cast<int>(message.Result));
      return;
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
      OuterControl->ItemsRemoved();
      return;
    case WM_SETREDRAW:
      OuterControl->SetBarsDeferred(message.WParam == FALSE);
      return;
    case WM_LBUTTONDBLCLK:
      OuterControl->ListBoxDblClick();
      return;
    default:
      return;
  }
}

void TspListBox::WheelStep(TMessage& message) {
  // wParam read as a signed 32-bit number: positive when turned away from the user.
  const bool away = static_cast<int32_t>(static_cast<uint32_t>(message.WParam)) > 0;
  if (OuterControl->ScrollBar() != nullptr) {
    Perform(WM_VSCROLL, away ? SB_LINEUP : SB_LINEDOWN, 0);
    OuterControl->UpDateScrollBar();
  } else {
    TspSkinScrollBar* bar = OuterControl->HScrollBar();
    bar->SetPosition(bar->Position() + (away ? -bar->SmallChange() : bar->SmallChange()));
  }
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
    case CM_ENTER:
      if (OuterControl != nullptr) OuterControl->ListBoxEnter();
      TListBox::Dispatch(message);
      return;
    case CM_EXIT:
      if (OuterControl != nullptr) OuterControl->ListBoxExit();
      TListBox::Dispatch(message);
      return;
    case CM_SENCPAINT:
      message.Result = kSENCPaintAnswer;
      return;
    case CM_BEPAINT:
      if (Items()->Count() == 0 && message.LParam == kBENCPaintTag) PaintEmptyBackground(message);
      else TListBox::Dispatch(message);
      return;
    default:
      TListBox::Dispatch(message);
  }
}

void TspListBox::PaintEmptyBackground(TMessage& message) {
  if (message.WParam != 0) PaintBG(reinterpret_cast<HDC>(message.WParam));
  message.Result = kBENCPaintTag;
}

// Painting

void TspListBox::PaintBG(HDC dc) {
  if (OuterControl != nullptr) OuterControl->GetSkinData();
  if (OuterControl == nullptr || OuterControl->LookIndex() == -1) {
    const RECT all{0, 0, Width(), Height()};
    FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
    return;
  }
  TCanvas canvas;
  canvas.SetHandle(dc);
  PaintBGWH(&canvas, Width(), Height(), 0, 0);
  canvas.SetHandle(nullptr);
}

void TspListBox::PaintBGWH(TCanvas* canvas, int W, int H, int X, int Y) {
  const TspSkinCustomListBox& outer = *OuterControl;
  const TRect client = outer.CR;
  if (client.Width() <= 0 || client.Height() <= 0 || outer.Picture == nullptr || W <= 0 || H <= 0) return;
  const TRect piece = Rect(outer.SR.Left + client.Left, outer.SR.Top + client.Top, outer.SR.Left + client.Right,
                           outer.SR.Top + client.Bottom);
  TBitmap tiles;
  tiles.SetPixelFormat(pf24bit);
  tiles.SetSize(W, H);
  for (int y = 0; y < H; y += piece.Height()) {
    for (int x = 0; x < W; x += piece.Width()) {
      const int w = std::min(piece.Width(), W - x), h = std::min(piece.Height(), H - y);
      tiles.Canvas()->CopyRect(Rect(x, y, x + w, y + h), outer.Picture->Canvas(),
                               Rect(piece.Left, piece.Top, piece.Left + w, piece.Top + h));
    }
  }
  canvas->Draw(X, Y, &tiles);
}

void TspListBox::PaintWindow(HDC dc) {
  if (Width() <= 0 || Height() <= 0) return;
  const int saved = SaveDC(dc);
  if (Columns() <= 0) PaintList(dc);
  else PaintColumnsList(dc);
  RestoreDC(dc, saved);
}

void TspListBox::PaintItems(HDC dc, int last) {
  TPaintScope scope(static_cast<TPaintCanvas*>(Canvas()), dc, Font(), Color());
  for (int i = TopIndex(); i <= last; ++i) DrawItemByLook(Canvas(), i, GetState(i), ItemRect(i));
}

void TspListBox::PaintList(HDC dc) {
  const int count = Items()->Count();
  const int last = std::min(TopIndex() + Height() / std::max(ItemHeight(), 1), count - 1);
  PaintItems(dc, last);
  const int bottom = last >= TopIndex() ? static_cast<int>(ItemRect(last).Bottom) : 0;
  if (bottom >= Height()) return;
  if (OuterControl != nullptr) OuterControl->GetSkinData();
  if (OuterControl == nullptr || OuterControl->LookIndex() == -1) {
    const RECT rest{0, bottom, Width(), Height()};
    FillRect(dc, &rest, GetSysColorBrush(COLOR_WINDOW));
    return;
  }
  TCanvas canvas;
  canvas.SetHandle(dc);
  PaintBGWH(&canvas, Width(), Height() - bottom, 0, bottom);
  canvas.SetHandle(nullptr);
}

void TspListBox::PaintColumnsList(HDC dc) {
  const int rows = Height() / std::max(ItemHeight(), 1);
  PaintItems(dc, std::min(TopIndex() + rows * Columns(), Items()->Count() - 1));
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
  const int index = static_cast<int>(draw->itemID);
  TOwnerDrawState state = OwnerDrawState(LOWORD(draw->itemState));
  // Some systems leave the focus flag out of a selection request for the caret row.
  if (Focused() && index == static_cast<int>(SendMessageA(Handle(), LB_GETCARETINDEX, 0, 0))) state << odFocused;
  {
    TPaintScope scope(static_cast<TPaintCanvas*>(Canvas()), draw->hDC, Font(), Color());
    DrawItemByLook(Canvas(), index, state, rect);
  }
  message.Result = 1;
}

void TspListBox::DrawItemByLook(TCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect) {
  if (OuterControl == nullptr || OuterControl->LookIndex() == -1) DrawDefaultItem(canvas, index, state, rect);
  else if (OuterControl->UseSkinItemHeight()) DrawSkinItem(canvas, index, state, rect);
  else DrawStretchSkinItem(canvas, index, state, rect);
}
