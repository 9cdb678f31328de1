// The skinned list view's column header: the native header window is bound to
// HeaderWndProc, which paints every section from the header look and keeps the pressed
// section while the left button is down inside one (not on a divider).
#include <algorithm>
#include <vector>

#include "classlib/windowing/WindowBinding.h"
#include "skin/controls/Skinctrls_ListView.h"

namespace {

constexpr int kClassNameLength = 80;
// The header is made this much wider than the list places it.
constexpr int kHeaderOverhang = 4;
constexpr int kCaptionMargin = 5;

bool IsHeaderWindow(HWND window) {
  char name[kClassNameLength + 1] = {};
  GetClassNameA(window, name, kClassNameLength);
  return lstrcmpA(name, "SysHeader32") == 0;
}

}  // namespace

void TspSkinCustomListView::HookCreatedChild(const TMessage& message) {
  const HWND child = reinterpret_cast<HWND>(message.LParam);
  if (!IsHeaderWindow(child) || !ShowColumnHeaders()) return;
  UnhookHeader();
  HookHeader(child);
}

void TspSkinCustomListView::HookHeader(HWND header) {
  header_ = header;
  headerDefProc_ = BindWindow(header, &headerMethod_);
}

void TspSkinCustomListView::UnhookHeader() {
  if (header_ == nullptr) return;
  UnbindWindow(header_, headerDefProc_);
  header_ = nullptr;
  headerDefProc_ = nullptr;
  pressedSection_ = -1;
  headerDown_ = false;
}

void TspSkinCustomListView::DestroyWnd() {
  UnhookHeader();
  TCustomListView::DestroyWnd();
}

void TspSkinCustomListView::HeaderWndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGING:
      reinterpret_cast<WINDOWPOS*>(message.LParam)->cx += kHeaderOverhang;
      message.Result = 0;
      return;
    case WM_PAINT:
      PaintHeader(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    default:
      break;
  }
  const HWND header = header_;
  message.Result = CallWindowProcA(headerDefProc_, header, message.Msg, message.WParam, message.LParam);
  if (header_ == header) HeaderMouse(message);
}

void TspSkinCustomListView::HeaderMouse(const TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN) {
    const TPoint point = Point(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam)));
    pressedSection_ = -1;
    for (int i = 0; i < Columns()->Count() && pressedSection_ == -1; ++i) {
      if (PtInRect(GetHeaderSectionRect(i).AsRECT(), POINT{point.X, point.Y})) pressedSection_ = i;
    }
    HDHITTESTINFO hit{};
    hit.pt = POINT{point.X, point.Y};
    SendMessageA(header_, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    headerDown_ = hit.flags != HHT_ONDIVIDER;
  } else if (message.Msg == WM_LBUTTONUP) {
    headerDown_ = false;
    pressedSection_ = -1;
  } else {
    return;
  }
  RedrawWindow(header_, nullptr, nullptr, RDW_INVALIDATE);
}

int TspSkinCustomListView::HeaderItemAt(int position) {
  if (!FullDrag()) return position;
  std::vector<int> order(static_cast<size_t>(Columns()->Count()));
  if (position < 0 || position >= static_cast<int>(order.size()) ||
      !SendMessageA(header_, HDM_GETORDERARRAY, order.size(), reinterpret_cast<LPARAM>(order.data()))) {
    return position;
  }
  return order[static_cast<size_t>(position)];
}

TRect TspSkinCustomListView::GetHeaderSectionRect(int index) {
  RECT r{};
  SendMessageA(header_, HDM_GETITEMRECT, static_cast<WPARAM>(HeaderItemAt(index)), reinterpret_cast<LPARAM>(&r));
  return Rect(r.left, r.top, r.right, r.bottom);
}

void TspSkinCustomListView::PaintHeader(HDC dc) {
  PAINTSTRUCT ps;
  const bool ownPaint = dc == nullptr;
  if (ownPaint) dc = BeginPaint(header_, &ps);
  TCanvas canvas;
  canvas.SetHandle(dc);
  const int count = std::min(static_cast<int>(SendMessageA(header_, HDM_GETITEMCOUNT, 0, 0)), Columns()->Count());
  int right = 0;
  for (int i = 0; i < count; ++i) {
    const TRect rect = GetHeaderSectionRect(i);
    DrawHeaderSection(&canvas, Columns()->Items(HeaderItemAt(i)), false, i == pressedSection_ && headerDown_, rect);
    right = std::max<int>(right, rect.Right);
  }
  PaintHeaderRest(&canvas, right);
  canvas.SetHandle(nullptr);
  if (ownPaint) EndPaint(header_, &ps);
}

void TspSkinCustomListView::PaintHeaderRest(TCanvas* canvas, int left) {
  RECT client;
  GetClientRect(header_, &client);
  TRect rest = Rect(left, 0, client.right + 1, client.bottom);
  if (rest.Width() <= 0 || rest.Height() <= 0) return;
  headerLook_.Find(skinData_, headerSkinDataName_);
  if (!headerLook_.Composes()) {
    DrawPlainSectionFace(canvas, rest, TspSectionState::Normal);
    return;
  }
  TBitmap face;
  headerLook_.ComposeRest(&face, rest.Width(), rest.Height(), headerLook_.StretchType());
  canvas->Draw(rest.Left, rest.Top, &face);
}

void TspSkinCustomListView::DrawHeaderSection(TCanvas* canvas, TListColumn* column, bool active, bool pressed,
                                              const TRect& rect) {
  const int w = rect.Width(), h = rect.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap bitmap;
  bitmap.SetSize(w, h);
  headerLook_.Find(skinData_, headerSkinDataName_);
  const TspSectionState state =
      pressed ? TspSectionState::Pressed : active ? TspSectionState::Hot : TspSectionState::Normal;
  TRect content = Rect(0, 0, w, h);
  TCanvas* target = bitmap.Canvas();
  if (!headerLook_.Composes()) {
    DrawPlainSectionFace(target, content, state);
    target->Font()->Assign(Font());
    target->Font()->SetColor(clBtnText);
  } else {
    if (headerLook_.FixedHeight()) {
      TBitmap strip;
      headerLook_.ComposeFace(&strip, w, h, state, headerLook_.StretchType());
      target->StretchDraw(Rect(0, 0, w, h), &strip);
    } else {
      headerLook_.ComposeFace(&bitmap, w, h, state, headerLook_.StretchType());
    }
    target->Font()->Assign(Font());
    target->Font()->SetColor(headerLook_.FontColor(state));
  }
  if (OnDrawHeaderSection) {
    OnDrawHeaderSection(target, column, pressed, Rect(0, 0, w, h));
  } else {
    content.Left += kCaptionMargin;
    content.Right -= kCaptionMargin;
    DrawSectionContent(target, content, {column->Caption(), column->Alignment(), SmallImages(), column->ImageIndex(), 0});
  }
  canvas->Draw(rect.Left, rect.Top, &bitmap);
}
