// The splitter look and TspSkinSplitter, the class library's splitter with a skinned face.
#include "skin/controls/Skinctrls_Splitter.h"

#include "skin/controls/Skinctrls_PictureLook.h"
#include "skin/data/Skindata_Ranges.h"
#include "skin/data/Sputils_Compose.h"

// The look

void TspSplitterLook::Read(TspSkinData* skin, const AnsiString& name) {
  Index = -1;
  const auto* data = FindPictureLook<TspDataSkinSplitterControl>(skin, name, Picture);
  if (data == nullptr) return;
  Index = skin->GetControlIndex(name);
  SkinRect = data->SkinRect;
  LeftTopPoint = data->LeftTopPoint;
  RightTopPoint = data->RightTopPoint;
  LeftBottomPoint = data->LeftBottomPoint;
  StretchEffect = data->StretchEffect;
  GripperRect = data->GripperRect;
  GripperTransparent = data->GripperTransparent;
  GripperTransparentColor = data->GripperTransparentColor;
}

void SizeSplitter(TControl& splitter, const TspSplitterLook& look, bool useDefault, int defaultSize) {
  const bool plain = useDefault || !look.Found();
  if (LyingSplitter(splitter.Align())) splitter.SetHeight(plain ? defaultSize : look.SkinRect.Height());
  else splitter.SetWidth(plain ? defaultSize : look.SkinRect.Width());
}

void PaintSplitterFace(TCanvas* canvas, const TspSplitterLook& look, TAlign align, int width, int height) {
  TBitmap strip;
  const TRect& sr = look.SkinRect;
  if (LyingSplitter(align)) {
    CreateHSkinImage(look.LeftTopPoint.X, sr.Width() - look.RightTopPoint.X, &strip, look.Picture, sr, width,
                     sr.Height(), look.StretchEffect);
  } else {
    CreateVSkinImage(look.LeftTopPoint.Y, sr.Height() - look.LeftBottomPoint.Y, &strip, look.Picture, sr, sr.Width(),
                     height, look.StretchEffect);
  }
  const TRect& grip = look.GripperRect;
  if (grip.Width() > 0 && grip.Height() > 0) {
    TBitmap gripper;
    gripper.SetSize(grip.Width(), grip.Height());
    gripper.Canvas()->CopyRect(Rect(0, 0, grip.Width(), grip.Height()), look.Picture->Canvas(), grip);
    if (look.GripperTransparent) {
      gripper.SetTransparentMode(tmFixed);
      gripper.SetTransparentColor(look.GripperTransparentColor);
      gripper.SetTransparent(true);
    }
    strip.Canvas()->Draw(strip.Width() / 2 - grip.Width() / 2, strip.Height() / 2 - grip.Height() / 2, &gripper);
  }
  canvas->Draw(0, 0, &strip);
}

// TspSkinSplitter

TspSkinSplitter::TspSkinSplitter(TComponent* owner) : TSplitter(owner) {
  skinDataName_ = "vsplitter";
  TControlStyle style = ControlStyle();
  style.Include(csOpaque);
  SetControlStyle(style);
}

void TspSkinSplitter::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  Invalidate();
}

void TspSkinSplitter::SetSkinData(TspSkinData* value) {
  StoreSkinData(*this, value);
  ChangeSkinData();
}

void TspSkinSplitter::ReadLook() { look_.Read(skinData_, skinDataName_); }

void TspSkinSplitter::ChangeSkinData() {
  ReadLook();
  SizeSplitter(*this, look_, transparent_, defaultSize_);
  Repaint();
}

void TspSkinSplitter::Paint() {
  if (transparent_ || Width() <= 0 || Height() <= 0) return;
  ReadLook();
  if (!look_.Found() || Align() == alNone || Align() == alClient) TSplitter::Paint();
  else PaintSplitterFace(Canvas(), look_, Align(), Width(), Height());
}

void TspSkinSplitter::Notification(TComponent* component, TOperation operation) {
  TSplitter::Notification(component, operation);
  if (operation == opRemove) ForgetRemoved(component);
}

void TspSkinSplitter::BoundsChanged() {
  TSplitter::BoundsChanged();
  if (ComponentState().Contains(csDesigning)) skinDataName_ = SplitterLookName(Align());
}

// TspSkinSplitterEx

TspSkinSplitterEx::TspSkinSplitterEx(TComponent* owner) : TspCustomSplitter(owner) { skinDataName_ = "vsplitter"; }

void TspSkinSplitterEx::GetSkinData() {
  TspCustomSplitter::GetSkinData();
  look_.Read(skinData_, skinDataName_);
}

void TspSkinSplitterEx::ChangeSkinData() {
  TspCustomSplitter::ChangeSkinData();
  SizeSplitter(*this, look_, false, defaultSize_);
  Repaint();
}

void TspSkinSplitterEx::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  if (look_.Found() && Align() != alNone && Align() != alClient) {
    PaintSplitterFace(Canvas(), look_, Align(), Width(), Height());
    return;
  }
  Canvas()->Brush()->SetColor(clBtnFace);
  Canvas()->FillRect(ClientRect());
}
