#include "ReskinRelay.h"

#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_GraphicBases.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

bool Named(const IspSkinControl* control, WPARAM wParam) {
  return wParam == 0 || reinterpret_cast<WPARAM>(control->SkinData()) == wParam;
}

template <class Visit>
void Walk(TWinControl* parent, Visit visit) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* control = parent->Controls(i);
    visit(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) Walk(windowed, visit);
  }
}

}  // namespace

TReskinRelay::TReskinRelay(TCustomForm* form) : form_(form), saved_(form->WindowProc) {
  form->WindowProc = TWndMethod(this, &TReskinRelay::Relay);
}

TReskinRelay::~TReskinRelay() { form_->WindowProc = saved_; }

void TReskinRelay::BeforeChange(WPARAM wParam) {
  Walk(form_, [wParam](TControl* control) {
    IspSkinControl* skinned = dynamic_cast<TspSkinControl*>(control);
    if (skinned == nullptr) skinned = dynamic_cast<TspGraphicSkinControl*>(control);
    if (skinned != nullptr && Named(skinned, wParam)) skinned->BeforeChangeSkinData();
  });
}

void TReskinRelay::Change(WPARAM wParam) {
  Walk(form_, [wParam](TControl* control) {
    auto* skinned = dynamic_cast<IspSkinControl*>(control);
    if (skinned != nullptr && Named(skinned, wParam)) skinned->ChangeSkinData();
  });
}

void TReskinRelay::Relay(TMessage& message) {
  if (message.Msg == WM_BEFORECHANGESKINDATA) BeforeChange(message.WParam);
  else if (message.Msg == WM_CHANGESKINDATA) Change(message.WParam);
  saved_(message);
}
