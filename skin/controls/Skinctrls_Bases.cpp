#include "skin/controls/Skinctrls_Bases.h"

#include <algorithm>

#include "skin/data/Sputils_Compose.h"

// TspSkinControl

TspSkinControl::TspSkinControl(TComponent* owner) : TspSkinLinked(owner) {}

TspSkinControl::~TspSkinControl() = default;

void TspSkinControl::SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }

void TspSkinControl::CheckParentBackground() {
  if (!alphaBlend_) return;
  Repaint();
  CheckControlsBackground();
}

void TspSkinControl::CheckControlsBackground() {
  for (int i = 0; i < ControlCount(); ++i) {
    auto* windowed = dynamic_cast<TWinControl*>(Controls(i));
    if (windowed != nullptr && windowed->HandleAllocated()) SendMessageA(windowed->Handle(), WM_CHECKPARENTBG, 0, 0);
    else Controls(i)->Perform(WM_CHECKPARENTBG);
  }
}

void TspSkinControl::Dispatch(TMessage& message) {
  if (message.Msg != WM_PAINT) {
    TspSkinLinked::Dispatch(message);
    return;
  }
  struct TInPaint {
    bool& flag;
    explicit TInPaint(bool& f) : flag(f) { flag = true; }
    ~TInPaint() { flag = false; }
  } inPaint(inPaint_);
  TspSkinLinked::Dispatch(message);
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

TspSkinCustomControl::TspSkinCustomControl(TComponent* owner) : TspSkinResizable(owner) {}

TspSkinCustomControl::~TspSkinCustomControl() { region_ = nullptr; }

void TspSkinCustomControl::SetControlRegion() {
  if (Mask != nullptr && lookIndex_ != -1) CreateControlRegion();
  else if (region_ != nullptr) HandOverRegion(nullptr);
}

void TspSkinCustomControl::CreateControlRegion() {
  int w = Width(), h = Height();
  CalcSize(w, h);
  if (ResizeMode == rmNone) return;
  HandOverRegion(CreateLookRegion(Width(), Height()));
}

void TspSkinCustomControl::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  int w = Width(), h = Height();
  CalcSize(w, h);
  if (lookIndex_ == -1 || !directPaint_ || ResizeMode != rmNineParts || alphaBlend_) TspSkinResizable::Paint();
  else PaintDirect();
}

void TspSkinCustomControl::CreateWnd() {
  region_ = nullptr;
  TspSkinControl::CreateWnd();
  SetControlRegion();
}

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
    canvas->Refresh();  // the restore put back the objects selected before the clip
  }
  canvas->Draw(0, 0, &top);
  canvas->Draw(0, top.Height(), &left);
  canvas->Draw(Width() - right.Width(), top.Height(), &right);
  canvas->Draw(0, Height() - bottom.Height(), &bottom);
}
