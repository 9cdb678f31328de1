#include "skin/controls/Skinctrls_Bases.h"

#include <algorithm>

#include "skin/controls/Skinctrls_ToolBarParent.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Compose.h"

// TspSkinControl

TspSkinControl::TspSkinControl(TComponent* owner) : TCustomControl(owner) {}

TspSkinControl::~TspSkinControl() = default;

void TspSkinControl::SetAlphaBlend(bool value) {
  alphaBlend_ = value;
  Repaint();
}

void TspSkinControl::SetAlphaBlendValue(BYTE value) {
  alphaBlendValue_ = value;
  Repaint();
}

void TspSkinControl::GetSkinData() { FindLook(); }

void TspSkinControl::SetSkinData(TspSkinData* value) {
  if (StoreSkinData(*this, value)) ChangeSkinData();
}

void TspSkinControl::SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }

void TspSkinControl::ChangeSkinData() {
  GetSkinData();
  ApplySkinCursor(*this);
  Repaint();
}

void TspSkinControl::BeforeChangeSkinData() { lookIndex_ = -1; }

void TspSkinControl::CheckParentBackground() {
  if (!alphaBlend_) return;
  Repaint();
  CheckControlsBackground();
}

void TspSkinControl::SetHintImageList(TCustomImageList* value) { StoreHintImageList(*this, value); }

void TspSkinControl::CheckControlsBackground() {
  for (int i = 0; i < ControlCount(); ++i) {
    auto* windowed = dynamic_cast<TWinControl*>(Controls(i));
    if (windowed != nullptr && windowed->HandleAllocated()) SendMessageA(windowed->Handle(), WM_CHECKPARENTBG, 0, 0);
    else Controls(i)->Perform(WM_CHECKPARENTBG);
  }
}

void TspSkinControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: {
      struct TInPaint {
        bool& flag;
        explicit TInPaint(bool& f) : flag(f) { flag = true; }
        ~TInPaint() { flag = false; }
      } inPaint(inPaint_);
      TCustomControl::Dispatch(message);
      return;
    }
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_MOVE:
      TCustomControl::Dispatch(message);
      if (alphaBlend_) Repaint();
      return;
    case CM_MOUSEENTER:
      TCustomControl::Dispatch(message);
      if (!ComponentState().Contains(csDesigning)) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      TCustomControl::Dispatch(message);
      if (!ComponentState().Contains(csDesigning)) OnMouseLeave(this);
      return;
    case WM_CHECKPARENTBG:
      CheckParentBackground();
      return;
    default:
      TCustomControl::Dispatch(message);
  }
}

void TspSkinControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  TBitmap face;
  PrepareFace(*this, face);
  if (lookIndex_ != -1) CreateControlSkinImage(&face);
  else if (drawDefault_) CreateControlDefaultImage(&face);
  DrawFace(*this, Canvas(), face);
}

void TspSkinControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove) ForgetRemoved(component);
}

void TspSkinControl::HandOverRegion(HRGN region) {
  if (!HandleAllocated()) {
    // No window to own it yet: the window takes its outline when it is made.
    if (region != nullptr) DeleteObject(region);
    region_ = nullptr;
    return;
  }
  region_ = region;
  SetWindowRgn(Handle(), region, TRUE);
}

// TspSkinCustomControl

TspSkinCustomControl::TspSkinCustomControl(TComponent* owner) : TspSkinControl(owner), defaultFont_(new TFont) {
  defaultFont_->SetName("Arial");
  defaultFont_->SetHeight(14);
  defaultFont_->SetStyle({});
  defaultFont_->OnChange = TNotifyEvent(this, &TspSkinCustomControl::DefaultFontChanged);
}

TspSkinCustomControl::~TspSkinCustomControl() {
  defaultFont_->OnChange = nullptr;
  delete defaultFont_;
  region_ = nullptr;
}

void TspSkinCustomControl::SetDefaultFont(TFont* value) { defaultFont_->Assign(value); }

void TspSkinCustomControl::DefaultFontChanged(TObject* sender) {
  (void)sender;
  DefaultFontChange();
  if (lookIndex_ == -1) Repaint();
}

void TspSkinCustomControl::SetDefaultWidth(int value) {
  defaultWidth_ = value;
  if (lookIndex_ == -1 && value > 0) SetWidth(value);
}

void TspSkinCustomControl::SetDefaultHeight(int value) {
  defaultHeight_ = value;
  if (lookIndex_ == -1 && value > 0) SetHeight(value);
}

void TspSkinCustomControl::CalcSize(int& W, int& H) { FitSize(W, H, lookIndex_ != -1); }

void TspSkinCustomControl::SetControlRegion() {
  if (Mask != nullptr && lookIndex_ != -1) CreateControlRegion();
  else if (region_ != nullptr) HandOverRegion(nullptr);
}

void TspSkinCustomControl::GetSkinData() {
  TspSkinControl::GetSkinData();
  if (lookIndex_ != -1) ReadLook(*skinData_, lookIndex_, cursorIndex_, true);
}

void TspSkinCustomControl::ChangeSkinData() {
  GetSkinData();
  ApplySkinCursor(*this);
  bool resized = false;
  if (lookIndex_ == -1) {
    if (defaultWidth_ > 0) SetWidth(defaultWidth_);
    if (defaultHeight_ > 0) SetHeight(defaultHeight_);
  } else {
    int w = Width(), h = Height();
    CalcSize(w, h);
    resized = w != Width() || h != Height();
    if (w != Width()) SetWidth(w);
    if (h != Height()) SetHeight(h);
  }
  if (!resized) {
    SetControlRegion();
    Repaint();
  }
}

void TspSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  GetSkinData();
  const bool reskin = lookIndex_ != -1 && (width != Width() || height != Height());
  if (reskin) {
    CalcSize(width, height);
    if (ResizeMode == rmFixed) NCR = CR;
  }
  if (auto* bar = dynamic_cast<IspSkinToolBarParent*>(Parent()); bar != nullptr && bar->AdjustControls())
    top = CenteredTopInToolBar(bar, height);
  TspSkinControl::SetBounds(left, top, width, height);
  if (reskin) {
    SetControlRegion();
    Repaint();
  }
  if (lookIndex_ != -1 && ClientStretch) CheckControlsBackground();
}

void TspSkinCustomControl::CreateControlRegion() {
  int w = Width(), h = Height();
  CalcSize(w, h);
  if (ResizeMode == rmNone) return;
  HandOverRegion(CreateLookRegion(Width(), Height()));
}

void TspSkinCustomControl::GetNewRect(const TRect& rect, TRect& newRect) const {
  newRect = MapRect(rect, Width(), Height());
}

void TspSkinCustomControl::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  int w = Width(), h = Height();
  CalcSize(w, h);
  if (lookIndex_ == -1 || !directPaint_ || ResizeMode != rmNineParts || alphaBlend_) TspSkinControl::Paint();
  else PaintDirect();
}

void TspSkinCustomControl::CreateWnd() {
  region_ = nullptr;
  TspSkinControl::CreateWnd();
  SetControlRegion();
}

void TspSkinCustomControl::CreateControlDefaultImage(TBitmap* bitmap) {
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(ClientRect());
}

void TspSkinCustomControl::CreateControlSkinImage(TBitmap* bitmap) { CreateSkinControlImage(bitmap, Picture, SR); }

void TspSkinCustomControl::CreateSkinControlImage(TBitmap* bitmap, TBitmap* picture, const TRect& rect) {
  ComposeFace(bitmap, picture, rect, Width(), Height(), !directPaint_);
}

namespace {

// Draws the client piece `piece` of `picture` over `area` of `canvas`: tiled from the
// area's top-left, or stretched as `stretchType` says. A piece without area draws nothing.
void DrawClientPiece(TCanvas* canvas, const TRect& area, TBitmap* picture, const TRect& piece, bool stretch,
                     TspStretchType stretchType) {
  using skincompose::TAxis;
  if (piece.IsEmpty() || area.IsEmpty()) return;
  TCanvas* from = picture->Canvas();
  if (stretch) {
    if (stretchType == spstHorz) skincompose::TilePiece(canvas, area, from, piece, TAxis::Horizontal);
    else if (stretchType == spstVert) skincompose::TilePiece(canvas, area, from, piece, TAxis::Vertical);
    else skincompose::CopyPiece(canvas, area, from, piece);
    return;
  }
  for (int y = area.Top; y < area.Bottom; y += piece.Height()) {
    const int rows = std::min(piece.Height(), static_cast<int>(area.Bottom) - y);
    const TRect band = Rect(area.Left, y, area.Right, y + rows);
    const TRect source = Rect(piece.Left, piece.Top, piece.Right, piece.Top + rows);
    skincompose::TilePiece(canvas, band, from, source, TAxis::Horizontal);
  }
}

}  // namespace

void TspSkinCustomControl::PaintDirect() {
  if (Picture == nullptr) return;
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages(LT, RT, LB, RB, CR, NLT, NRT, NLB, NRB, NCR, &left, &top, &right, &bottom, Picture, SR,
                         Width(), Height(), LeftStretch, TopStretch, RightStretch, BottomStretch);
  CreateControlSkinImage(&top);
  TCanvas* canvas = Canvas();
  if (drawClient_) {
    HDC dc = canvas->Handle();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, NCR.Left, NCR.Top, NCR.Right, NCR.Bottom);
    const TRect piece = Rect(SR.Left + CR.Left, SR.Top + CR.Top, SR.Left + CR.Right, SR.Top + CR.Bottom);
    DrawClientPiece(canvas, NCR, Picture, piece, ClientStretch, StretchType);
    RestoreDC(dc, saved);
  }
  canvas->Draw(0, 0, &top);
  canvas->Draw(0, top.Height(), &left);
  canvas->Draw(Width() - right.Width(), top.Height(), &right);
  canvas->Draw(0, Height() - bottom.Height(), &bottom);
}
