#include "skin/controls/Skinctrls_ControlBar.h"

#include "skin/controls/Skinctrls_BarLook.h"
#include "skin/controls/Skinctrls_Link.h"
#include "skin/controls/Skinctrls_NCScrollButtons.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Views.h"
#include "skin/data/Sputils_Compose.h"

namespace {

// What a band frame's border pieces are drawn from: the look's band rectangle with fixed
// corners (12 wide at the left for the grab area, 3 at the right) at the band's size.
struct TBandStrips {
  TBitmap left, top, right, bottom;
};

void ComposeBandStrips(TBandStrips& strips, TBitmap* picture, const TspDataSkinControlBar& look, int W, int H) {
  const TRect& item = look.ItemRect;
  const int w = item.Width(), h = item.Height();
  const bool s = look.ItemStretchEffect;
  CreateSkinBorderImages(Point(12, look.ItemOffset1), Point(w - 3, 3), Point(12, h - look.ItemOffset2),
                         Point(w - 3, h - 3), Rect(11, 2, w - 2, h - 2), Point(12, look.ItemOffset1), Point(W - 3, 3),
                         Point(12, H - look.ItemOffset2), Point(W - 3, H - 3), Rect(11, 2, W - 2, H - 2),
                         &strips.left, &strips.top, &strips.right, &strips.bottom, picture, item, W, H, s, s, s, s);
}

}  // namespace

TspSkinControlBar::TspSkinControlBar(TComponent* owner) : TCustomControlBar(owner) {
  if (ComponentState().Contains(csDesigning)) {
    SetAutoSize(true);
    SetAutoDrag(false);
    SetRowSnap(false);
  }
}

const TspDataSkinControlBar* TspSkinControlBar::Look() const { return FindControlBarLook(skinData_, skinDataName_); }

void TspSkinControlBar::SetSkinData(TspSkinData* value) {
  if (skinData_ != nullptr && skinData_ != value) RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (value != nullptr) FreeNotification(value);
  ChangeSkinData();
}

void TspSkinControlBar::ChangeSkinData() {
  if (skinBevel_ && HandleAllocated()) RecalcFrame(Handle());
  Invalidate();
}

void TspSkinControlBar::SetSkinBevel(bool value) {
  skinBevel_ = value;
  if (Look() != nullptr && HandleAllocated()) RecalcFrame(Handle());
}

void TspSkinControlBar::Notification(TComponent* component, TOperation operation) {
  TCustomControlBar::Notification(component, operation);
  if (operation == opRemove && component != nullptr && component == skinData_) skinData_ = nullptr;
}

void TspSkinControlBar::CreateParams(TCreateParams& params) {
  TCustomControlBar::CreateParams(params);
  params.Style &= ~static_cast<DWORD>(WS_BORDER);
  params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
}

void TspSkinControlBar::CheckControlsBackground() {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed != nullptr && windowed->HandleAllocated())
      SendMessage(windowed->Handle(), WM_CHECKPARENTBG, 0, 0);
    else if (windowed == nullptr)
      child->Perform(WM_CHECKPARENTBG, 0, 0);
  }
}

void TspSkinControlBar::PaintNCSkin(HDC dc, bool useDC) {
  const TspDataSkinControlBar* look = Look();
  if (look == nullptr || !HandleAllocated()) return;
  HDC target = useDC ? dc : GetWindowDC(Handle());
  PaintBarBorder(target, skinData_, *look, Width(), Height());
  if (!useDC) ReleaseDC(Handle(), target);
}

// Painting

void TspSkinControlBar::Paint() {
  const TspDataSkinControlBar* look = Look();
  if (look == nullptr) {
    TCustomControlBar::Paint();
    return;
  }
  PaintBarBackground(Canvas(), skinData_, *look, ClientWidth(), ClientHeight(),
                     [this](TCanvas* canvas) { PaintBandFrames(canvas); });
}

void TspSkinControlBar::PaintBandFrames(TCanvas* canvas) {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (!child->Visible()) continue;
    TRect r = Rect(child->Left() - 11, child->Top() - 2, child->Left() + child->Width() + 2,
                   child->Top() + child->Height() + 2);
    PaintControlFrame(canvas, child, r);
  }
}

void TspSkinControlBar::PaintControlFrame(TCanvas* canvas, TControl* control, TRect& rect) {
  const TspDataSkinControlBar* look = Look();
  TBitmap* picture = look != nullptr ? ControlBarPicture(skinData_, *look) : nullptr;
  if (look == nullptr || picture == nullptr) {
    TCustomControlBar::PaintControlFrame(canvas, control, rect);
    return;
  }
  TBandStrips strips;
  ComposeBandStrips(strips, picture, *look, rect.Width(), rect.Height());
  for (TBitmap* strip : {&strips.left, &strips.top, &strips.right, &strips.bottom}) {
    if (!look->ItemTransparent) continue;
    strip->SetTransparent(true);
    strip->SetTransparentColor(look->ItemTransparentColor);
  }
  const int below = rect.Top + strips.top.Height();
  canvas->Draw(rect.Left, rect.Top, &strips.top);
  canvas->Draw(rect.Left, below, &strips.left);
  canvas->Draw(rect.Right - strips.right.Width(), below, &strips.right);
  canvas->Draw(rect.Left, rect.Bottom - strips.bottom.Height(), &strips.bottom);
}

// Messages

void TspSkinControlBar::WMNCCalcSize(TMessage& message, const TspDataSkinControlBar& look) {
  if (skinBevel_) ShrinkByBarMargins(*reinterpret_cast<RECT*>(message.LParam), look);
  message.Result = 0;
}

void TspSkinControlBar::Dispatch(TMessage& message) {
  const TspDataSkinControlBar* look = Look();
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      if (look == nullptr) break;
      WMNCCalcSize(message, *look);
      return;
    case WM_NCPAINT:
      if (look == nullptr) break;
      if (skinBevel_) PaintNCSkin(nullptr, false);
      return;
    case WM_ERASEBKGND:
      if (look == nullptr) break;
      message.Result = 1;
      return;
    case WM_SIZE:
      TCustomControlBar::Dispatch(message);
      if (look != nullptr && skinBevel_) PaintNCSkin(nullptr, false);
      if (look != nullptr && look->StretchEffect) CheckControlsBackground();
      return;
    case CM_SENCPAINT:
      message.Result = 0;
      if (message.WParam != 0 && skinBevel_) {
        PaintNCSkin(reinterpret_cast<HDC>(message.WParam), true);
        message.Result = kFramePaintAnswer;
      }
      return;
    case CM_BENCPAINT:
      if (message.LParam != kBackgroundFramePaint) break;
      if (message.WParam != 0 && skinBevel_) PaintNCSkin(reinterpret_cast<HDC>(message.WParam), true);
      message.Result = kBackgroundFramePaint;
      return;
    default:
      break;
  }
  TCustomControlBar::Dispatch(message);
}
