#include "skin/controls/Skinctrls_Linked.h"

template <class Base>
void TspSkinLinked<Base>::SetAlphaBlend(bool value) {
  alphaBlend_ = value;
  this->Repaint();
}

template <class Base>
void TspSkinLinked<Base>::SetAlphaBlendValue(BYTE value) {
  alphaBlendValue_ = value;
  this->Repaint();
}

template <class Base>
void TspSkinLinked<Base>::GetSkinData() {
  FindLook();
}

template <class Base>
void TspSkinLinked<Base>::SetSkinData(TspSkinData* value) {
  if (StoreSkinData(*this, value)) ChangeSkinData();
}

template <class Base>
void TspSkinLinked<Base>::ChangeSkinData() {
  GetSkinData();
  ApplySkinCursor(*this);
  this->Repaint();
}

template <class Base>
void TspSkinLinked<Base>::BeforeChangeSkinData() {
  lookIndex_ = -1;
}

template <class Base>
void TspSkinLinked<Base>::CheckParentBackground() {
  if (alphaBlend_) this->Repaint();
}

template <class Base>
void TspSkinLinked<Base>::Dispatch(TMessage& message) {
  const bool designing = this->ComponentState().Contains(csDesigning);
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;  // the face covers the whole control
      return;
    case WM_MOVE:
      Base::Dispatch(message);
      if (alphaBlend_) this->Repaint();
      return;
    case CM_MOUSEENTER:
      Base::Dispatch(message);
      if (!designing) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      Base::Dispatch(message);
      if (!designing) OnMouseLeave(this);
      return;
    case WM_CHECKPARENTBG:
      CheckParentBackground();
      return;
    default:
      Base::Dispatch(message);
  }
}

template <class Base>
void TspSkinLinked<Base>::Paint() {
  if (this->Width() <= 0 || this->Height() <= 0) return;
  GetSkinData();
  TBitmap face;
  PrepareFace(*this, face);
  if (lookIndex_ != -1) CreateControlSkinImage(&face);
  else if (drawDefault_) CreateControlDefaultImage(&face);
  DrawFace(*this, this->Canvas(), face);
}

template <class Base>
void TspSkinLinked<Base>::Notification(TComponent* component, TOperation operation) {
  Base::Notification(component, operation);
  if (operation == opRemove) ForgetRemoved(component);
}

template class TspSkinLinked<TCustomControl>;
template class TspSkinLinked<TGraphicControl>;
