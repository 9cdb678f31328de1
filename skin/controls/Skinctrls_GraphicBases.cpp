#include "skin/controls/Skinctrls_GraphicBases.h"

#include "classlib/windowing/WinControl.h"
#include "skin/controls/Skinctrls_ToolBarParent.h"
#include "skin/data/Skindata_SkinData.h"

// TspGraphicSkinControl

TspGraphicSkinControl::TspGraphicSkinControl(TComponent* owner) : TGraphicControl(owner) {}

TspGraphicSkinControl::~TspGraphicSkinControl() = default;

void TspGraphicSkinControl::SetAlphaBlend(bool value) {
  alphaBlend_ = value;
  Repaint();
}

void TspGraphicSkinControl::SetAlphaBlendValue(BYTE value) {
  alphaBlendValue_ = value;
  Repaint();
}

void TspGraphicSkinControl::GetSkinData() { FindLook(); }

void TspGraphicSkinControl::SetSkinData(TspSkinData* value) {
  if (StoreSkinData(*this, value)) ChangeSkinData();
}

void TspGraphicSkinControl::ChangeSkinData() {
  GetSkinData();
  ApplySkinCursor(*this);
  Repaint();
}

void TspGraphicSkinControl::BeforeChangeSkinData() { lookIndex_ = -1; }

void TspGraphicSkinControl::SetHintImageList(TCustomImageList* value) { StoreHintImageList(*this, value); }

void TspGraphicSkinControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_MOVE:
      TGraphicControl::Dispatch(message);
      if (alphaBlend_) Repaint();
      return;
    case WM_CHECKPARENTBG:
      if (alphaBlend_) Repaint();
      return;
    case CM_MOUSEENTER:
      TGraphicControl::Dispatch(message);
      if (!ComponentState().Contains(csDesigning)) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      TGraphicControl::Dispatch(message);
      if (!ComponentState().Contains(csDesigning)) OnMouseLeave(this);
      return;
    default:
      TGraphicControl::Dispatch(message);
  }
}

void TspGraphicSkinControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  TBitmap face;
  PrepareFace(*this, face);
  if (lookIndex_ != -1) CreateControlSkinImage(&face);
  else if (drawDefault_) CreateControlDefaultImage(&face);
  DrawFace(*this, Canvas(), face);
}

void TspGraphicSkinControl::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove) ForgetRemoved(component);
}

// TspGraphicSkinCustomControl

TspGraphicSkinCustomControl::TspGraphicSkinCustomControl(TComponent* owner)
    : TspGraphicSkinControl(owner), defaultFont_(new TFont) {
  defaultFont_->SetName("Arial");
  defaultFont_->SetHeight(14);
  defaultFont_->SetStyle({});
  defaultFont_->OnChange = TNotifyEvent(this, &TspGraphicSkinCustomControl::DefaultFontChanged);
}

TspGraphicSkinCustomControl::~TspGraphicSkinCustomControl() {
  defaultFont_->OnChange = nullptr;
  delete defaultFont_;
}

void TspGraphicSkinCustomControl::SetDefaultFont(TFont* value) { defaultFont_->Assign(value); }

void TspGraphicSkinCustomControl::DefaultFontChanged(TObject* sender) {
  (void)sender;
  DefaultFontChange();
  if (lookIndex_ == -1) Repaint();
}

void TspGraphicSkinCustomControl::SetDefaultWidth(int value) {
  defaultWidth_ = value;
  if (lookIndex_ == -1 && value > 0) SetWidth(value);
}

void TspGraphicSkinCustomControl::SetDefaultHeight(int value) {
  defaultHeight_ = value;
  if (lookIndex_ == -1 && value > 0) SetHeight(value);
}

void TspGraphicSkinCustomControl::CalcSize(int& W, int& H) { FitSize(W, H, lookIndex_ != -1); }

void TspGraphicSkinCustomControl::GetSkinData() {
  TspGraphicSkinControl::GetSkinData();
  if (lookIndex_ != -1) ReadLook(*skinData_, lookIndex_, cursorIndex_, false);
}

void TspGraphicSkinCustomControl::ChangeSkinData() {
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
  if (!resized) Repaint();
}

void TspGraphicSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  GetSkinData();
  const bool reskin = lookIndex_ != -1 && (width != Width() || height != Height());
  if (reskin) {
    CalcSize(width, height);
    if (ResizeMode == rmFixed) NCR = CR;
  }
  if (auto* bar = dynamic_cast<IspSkinToolBarParent*>(Parent()); bar != nullptr && bar->AdjustControls())
    top = CenteredTopInToolBar(bar, height);
  TspGraphicSkinControl::SetBounds(left, top, width, height);
  if (reskin) Repaint();
}

void TspGraphicSkinCustomControl::GetNewRect(const TRect& rect, TRect& newRect) const {
  newRect = MapRect(rect, Width(), Height());
}

void TspGraphicSkinCustomControl::CreateControlDefaultImage(TBitmap* bitmap) {
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(ClientRect());
}

void TspGraphicSkinCustomControl::CreateControlSkinImage(TBitmap* bitmap) {
  CreateSkinControlImage(bitmap, Picture, SR);
}

void TspGraphicSkinCustomControl::CreateSkinControlImage(TBitmap* bitmap, TBitmap* picture, const TRect& rect) {
  ComposeFace(bitmap, picture, rect, Width(), Height(), true);
}
