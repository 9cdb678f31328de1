#include "skin/controls/Skinctrls_Resizable.h"

#include "classlib/windowing/WinControl.h"
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_GraphicBases.h"
#include "skin/controls/Skinctrls_ToolBarParent.h"
#include "skin/data/Skindata_SkinData.h"

template <class Base>
TspSkinResizable<Base>::TspSkinResizable(TComponent* owner) : Base(owner), defaultFont_(new TFont) {
  defaultFont_->SetName("Arial");
  defaultFont_->SetHeight(14);
  defaultFont_->SetStyle({});
  defaultFont_->OnChange = TNotifyEvent(this, &TspSkinResizable::DefaultFontChanged);
}

template <class Base>
TspSkinResizable<Base>::~TspSkinResizable() {
  defaultFont_->OnChange = nullptr;
  delete defaultFont_;
}

template <class Base>
void TspSkinResizable<Base>::DefaultFontChanged(TObject* sender) {
  (void)sender;
  DefaultFontChange();
  if (this->lookIndex_ == -1) this->Repaint();
}

template <class Base>
void TspSkinResizable<Base>::SetDefaultWidth(int value) {
  defaultWidth_ = value;
  if (this->lookIndex_ == -1 && value > 0) this->SetWidth(value);
}

template <class Base>
void TspSkinResizable<Base>::SetDefaultHeight(int value) {
  defaultHeight_ = value;
  if (this->lookIndex_ == -1 && value > 0) this->SetHeight(value);
}

template <class Base>
void TspSkinResizable<Base>::CalcSize(int& W, int& H) {
  FitSize(W, H, this->lookIndex_ != -1);
}

template <class Base>
void TspSkinResizable<Base>::GetSkinData() {
  Base::GetSkinData();
  if (this->lookIndex_ != -1) ReadLook(*this->skinData_, this->lookIndex_, this->cursorIndex_, ReadsMask());
}

template <class Base>
void TspSkinResizable<Base>::ChangeSkinData() {
  GetSkinData();
  this->ApplySkinCursor(*this);
  bool resized = false;
  if (this->lookIndex_ == -1) {
    if (defaultWidth_ > 0) this->SetWidth(defaultWidth_);
    if (defaultHeight_ > 0) this->SetHeight(defaultHeight_);
  } else {
    int w = this->Width(), h = this->Height();
    CalcSize(w, h);
    resized = w != this->Width() || h != this->Height();
    // Each through its setter: SetBounds fits, outlines and repaints.
    if (w != this->Width()) this->SetWidth(w);
    if (h != this->Height()) this->SetHeight(h);
  }
  if (!resized) {
    LookGeometryChanged();
    this->Repaint();
  }
}

template <class Base>
void TspSkinResizable<Base>::SetBounds(int left, int top, int width, int height) {
  GetSkinData();
  const bool reskin = this->lookIndex_ != -1 && (width != this->Width() || height != this->Height());
  if (reskin) {
    CalcSize(width, height);
    if (ResizeMode == rmFixed) NCR = CR;
  }
  if (auto* bar = dynamic_cast<IspSkinToolBarParent*>(this->Parent()); bar != nullptr && bar->AdjustControls())
    top = CenteredTopInToolBar(bar, height);
  Base::SetBounds(left, top, width, height);
  if (reskin) {
    LookGeometryChanged();
    this->Repaint();
  }
  if (this->lookIndex_ != -1 && ClientStretch) ClientBackgroundChanged();
}

template <class Base>
void TspSkinResizable<Base>::GetNewRect(const TRect& rect, TRect& newRect) const {
  newRect = MapRect(rect, this->Width(), this->Height());
}

template <class Base>
void TspSkinResizable<Base>::CreateControlDefaultImage(TBitmap* bitmap) {
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(this->ClientRect());
}

template <class Base>
void TspSkinResizable<Base>::CreateControlSkinImage(TBitmap* bitmap) {
  CreateSkinControlImage(bitmap, Picture, SR);
}

template <class Base>
void TspSkinResizable<Base>::CreateSkinControlImage(TBitmap* bitmap, TBitmap* picture, const TRect& rect) {
  ComposeFace(bitmap, picture, rect, this->Width(), this->Height(), ComposesNineParts());
}

template class TspSkinResizable<TspSkinControl>;
template class TspSkinResizable<TspGraphicSkinControl>;
