#include "skin/controls/Skinctrls_HeaderControl.h"

#include <algorithm>
#include <vector>

#include "classlib/windowing/ControlMessages.h"
#include "skin/controls/Skinctrls_ViewLink.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

// A right-aligned caption without an image keeps this much free at the right.
constexpr int kRightInset = 10;
constexpr int kPlainTextMargin = 2;

}  // namespace

TspSkinHeaderControl::TspSkinHeaderControl(TComponent* owner)
    : THeaderControl(owner), defaultFont_(std::make_unique<TFont>()) {
  SetDefaultViewFont(defaultFont_.get());
  TControlStyle style = ControlStyle();
  style.Include(csPaintWindow);
  SetControlStyle(style);
}

TspSkinHeaderControl::~TspSkinHeaderControl() = default;

void TspSkinHeaderControl::SetSkinData(TspSkinData* value) {
  StoreReference<TspSkinData>(*this, skinData_, value);
  if (value != nullptr && !value->Empty && !ComponentState().Contains(csDesigning)) ChangeSkinData();
}

void TspSkinHeaderControl::GetSkinData() { look_.Find(skinData_, skinDataName_); }

int TspSkinHeaderControl::ImposedHeight() const {
  if (look_.Composes() && look_.FixedHeight()) return look_.SkinRect().Height();
  if (look_.Index() == -1) return defaultHeight_;
  return 0;
}

void TspSkinHeaderControl::ChangeSkinData() {
  GetSkinData();
  if (const int height = ImposedHeight(); height > 0) THeaderControl::SetBounds(Left(), Top(), Width(), height);
  Invalidate();
}

void TspSkinHeaderControl::SetDefaultFont(TFont* value) {
  defaultFont_->Assign(value);
  if (look_.Index() == -1) Font()->Assign(value);
}

void TspSkinHeaderControl::SetDefaultHeight(int value) {
  defaultHeight_ = value;
  if (look_.Index() == -1 && value > 0) THeaderControl::SetBounds(Left(), Top(), Width(), value);
}

void TspSkinHeaderControl::SetBounds(int left, int top, int width, int height) {
  GetSkinData();
  if (height != Height()) {
    if (const int imposed = ImposedHeight(); imposed > 0) height = imposed;
  }
  THeaderControl::SetBounds(left, top, width, height);
}

void TspSkinHeaderControl::CreateWnd() {
  THeaderControl::CreateWnd();
  for (int i = 0; i < Sections()->Count(); ++i) Sections()->Items(i)->SetStyle(hsOwnerDraw);
}

void TspSkinHeaderControl::Notification(TComponent* component, TOperation operation) {
  THeaderControl::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

void TspSkinHeaderControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case CM_SENCPAINT:
      message.Result = kNoFramePainted;
      return;
    default:
      break;
  }
  THeaderControl::WndProc(message);
  const bool designing = ComponentState().Contains(csDesigning);
  switch (message.Msg) {
    case HDM_HITTEST:
      onDivider_ = reinterpret_cast<const HDHITTESTINFO*>(message.LParam)->flags == HHT_ONDIVIDER;
      break;
    case CM_MOUSEENTER:
      if (!designing && !pressed_) Invalidate();
      break;
    case CM_MOUSELEAVE:
      if (designing) break;
      hot_ = -1;
      if (!pressed_) Invalidate();
      break;
    default:
      break;
  }
}

int TspSkinHeaderControl::SectionCount() {
  return std::min(static_cast<int>(SendMessageA(Handle(), HDM_GETITEMCOUNT, 0, 0)), Sections()->Count());
}

int TspSkinHeaderControl::ItemOfPosition(int position) {
  if (!DragReorder()) return position;
  std::vector<int> order(static_cast<size_t>(SectionCount()));
  SendMessageA(Handle(), HDM_GETORDERARRAY, order.size(), reinterpret_cast<LPARAM>(order.data()));
  return position >= 0 && position < static_cast<int>(order.size()) ? order[static_cast<size_t>(position)] : position;
}

TRect TspSkinHeaderControl::GetSkinItemRect(int position) {
  RECT r{};
  SendMessageA(Handle(), HDM_GETITEMRECT, static_cast<WPARAM>(ItemOfPosition(position)), reinterpret_cast<LPARAM>(&r));
  return Rect(r.left, r.top, r.right, r.bottom);
}

int TspSkinHeaderControl::PositionAt(int x, int y) {
  for (int i = 0; i < SectionCount(); ++i) {
    if (PtInRect(GetSkinItemRect(i).AsRECT(), POINT{x, y})) return i;
  }
  return -1;
}

void TspSkinHeaderControl::PaintWindow(HDC dc) {
  GetSkinData();
  if (!HandleAllocated() || Width() <= 0 || Height() <= 0) return;
  TCanvas canvas;
  canvas.SetHandle(dc);
  int right = 0;
  for (int i = 0; i < SectionCount(); ++i) {
    DrawSkinSection(&canvas, i, i == hot_ && pressed_, i == hot_ && !pressed_);
    right = std::max<int>(right, GetSkinItemRect(i).Right);
  }
  PaintRest(&canvas, right);
  canvas.SetHandle(nullptr);
}

void TspSkinHeaderControl::PaintRest(TCanvas* canvas, int left) {
  TRect rest = Rect(left, 0, Width() + 1, Height());
  if (rest.Width() <= 0 || rest.Height() <= 0) return;
  if (!look_.Composes()) {
    DrawPlainSectionFace(canvas, rest, TspSectionState::Normal);
    return;
  }
  TBitmap face;
  look_.ComposeRest(&face, rest.Width(), rest.Height(), spstFull);
  canvas->Draw(rest.Left, rest.Top, &face);
}

void TspSkinHeaderControl::DrawSkinSection(TCanvas* canvas, int position, bool pressed, bool hot) {
  const TspSectionState state =
      pressed ? TspSectionState::Pressed : hot ? TspSectionState::Hot : TspSectionState::Normal;
  DrawSkinSectionR(canvas, Sections()->Items(position), GetSkinItemRect(position), state);
}

void TspSkinHeaderControl::DrawSkinSectionR(TCanvas* canvas, THeaderSection* section, const TRect& rect,
                                            TspSectionState state) {
  GetSkinData();
  const int w = rect.Width();
  if (w <= 0 || rect.Height() <= 0) return;
  const bool composes = look_.Composes();
  const int h = composes && look_.FixedHeight() ? look_.SkinRect().Height() : rect.Height();
  TBitmap bitmap;
  bitmap.SetSize(w, h);
  TCanvas* target = bitmap.Canvas();
  TRect content;
  if (composes) {
    look_.ComposeFace(&bitmap, w, h, state, spstFull);
    content = look_.ContentRect(w, h);
  } else {
    TRect face = Rect(0, 0, w, h);
    DrawPlainSectionFace(target, face, state);
    content = Rect(kPlainTextMargin, kPlainTextMargin, w - kPlainTextMargin, h - kPlainTextMargin);
  }
  PrepareFont(target->Font(), state);
  if (OnDrawSkinSection) {
    OnDrawSkinSection(this, section, content, state == TspSectionState::Hot, state == TspSectionState::Pressed,
                      target);
  } else {
    DrawSectionContent(target, content,
                       {section->Text(), section->Alignment(), Images(), section->ImageIndex(), kRightInset});
  }
  canvas->Draw(rect.Left, rect.Top, &bitmap);
}

void TspSkinHeaderControl::PrepareFont(TFont* font, TspSectionState state) {
  font->Assign(defaultFont_.get());
  if (look_.Composes()) {
    if (useSkinFont_) look_.Font().ApplyTo(font);
    font->SetColor(look_.FontColor(state));
  }
  TspStdLabelLook::ApplyCharset(font, skinData_, defaultFont_.get());
}

void TspSkinHeaderControl::DrawSection(THeaderSection* section, const TRect& rect, bool pressed) {
  THeaderControl::DrawSection(section, rect, pressed);
  int position = section->Index();
  if (DragReorder()) {
    for (int i = 0; i < SectionCount(); ++i) {
      if (ItemOfPosition(i) == section->Index()) position = i;
    }
  }
  DrawSkinSectionR(Canvas(), Sections()->Items(position), rect,
                   pressed ? TspSectionState::Pressed : TspSectionState::Normal);
}

void TspSkinHeaderControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  HDHITTESTINFO hit{};
  hit.pt = POINT{x, y};
  SendMessageA(Handle(), HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  if (button == mbLeft && !onDivider_ && Style() == hsButtons) {
    pressed_ = true;
    pressedSection_ = PositionAt(x, y);
    Invalidate();
  }
  resizing_ = button == mbLeft && onDivider_;
  THeaderControl::MouseDown(button, shift, x, y);
}

void TspSkinHeaderControl::MouseMove(TShiftState shift, int x, int y) {
  THeaderControl::MouseMove(shift, x, y);
  dragging_ = pressed_ && DragReorder();
  if (!ComponentState().Contains(csDesigning) && !dragging_) TestActive(x, y);
  if (resizing_) Invalidate();
}

void TspSkinHeaderControl::TestActive(int x, int y) {
  const int previous = hot_;
  hot_ = PositionAt(x, y);
  if (hot_ != previous && !dragging_) Invalidate();
}

void TspSkinHeaderControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  THeaderControl::MouseUp(button, shift, x, y);
  const bool dragged = dragging_;
  dragging_ = resizing_ = false;
  hot_ = -1;
  if (button != mbLeft || ComponentState().Contains(csDesigning) || Style() != hsButtons) return;
  TestActive(x, y);
  Invalidate();
  pressed_ = false;
  const int released = hot_;
  if (released != -1 && released == pressedSection_ && !onDivider_ && !dragged && OnSkinSectionClick) {
    OnSkinSectionClick(this, Sections()->Items(released));
  }
  pressedSection_ = -1;
}
