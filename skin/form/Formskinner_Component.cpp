// The form-skinning component itself: construction and take-over of the form's window
// procedure, destruction, references, skinned or not, border icons, activation and the
// placement of the first showing.
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/windowing/Screen.h"
#include "skin/controls/Skinctrls_StatusBar.h"
#include "skin/controls/Skinhint.h"
#include "skin/data/Sputils_System.h"
#include "skin/form/Formskinner.h"

namespace {

// A window-thread timer of the component, off until started.
std::unique_ptr<TTimer> MakeTimer(TspFormSkinner* skinner, unsigned interval, void (TspFormSkinner::*handler)(TObject*)) {
  auto timer = std::make_unique<TTimer>(nullptr);
  timer->SetEnabled(false);
  timer->SetInterval(interval);
  timer->OnTimer = TNotifyEvent(skinner, handler);
  return timer;
}

// A caption font of the default look: bold Arial, 14 pixels, in `color`.
std::unique_ptr<TFont> MakeCaptionFont(TColor color) {
  auto font = std::make_unique<TFont>();
  font->SetName("Arial");
  font->SetHeight(14);
  font->SetStyle({fsBold});
  font->SetColor(color);
  return font;
}

}  // namespace

TspFormSkinner::TspFormSkinner(TComponent* owner)
    : TComponent(owner),
      MouseTimer(MakeTimer(this, 50, &TspFormSkinner::TestMouse)),
      MorphTimer(MakeTimer(this, 25, &TspFormSkinner::TestMorph)),
      AnimateTimer(MakeTimer(this, 25, &TspFormSkinner::TestAnimate)),
      TopMask(std::make_unique<TBitmap>()),
      BottomMask(std::make_unique<TBitmap>()),
      LeftMask(std::make_unique<TBitmap>()),
      RightMask(std::make_unique<TBitmap>()),
      logoBitMap_(std::make_unique<TBitmap>()),
      defCaptionFont_(MakeCaptionFont(clBtnText)),
      defInActiveCaptionFont_(MakeCaptionFont(clBtnShadow)) {
  VistaOS = IsVistaOs();
  OwnerForm = dynamic_cast<TCustomForm*>(owner);
  if (OwnerForm == nullptr) throw EInvalidCast("Invalid class typecast");
  OwnerForm->SetBorderIcons({});
  OwnerForm->OnShortCut = TShortCutEvent(this, &TspFormSkinner::FormShortCut);
  CreateMenus();
  if (!Designing()) TakeOverWindowProc();
}

TspFormSkinner::~TspFormSkinner() {
  if (!Designing() && OwnerForm->WindowProc == TWndMethod(this, &TspFormSkinner::NewWndProc)) {
    OwnerForm->WindowProc = OldWindowProc;
  }
  if (OwnerForm->OnShortCut == TShortCutEvent(this, &TspFormSkinner::FormShortCut)) OwnerForm->OnShortCut = nullptr;
  ClearObjects();
  FreeMenus();
}

void TspFormSkinner::TakeOverWindowProc() {
  OldWindowProc = OwnerForm->WindowProc;
  OwnerForm->WindowProc = TWndMethod(this, &TspFormSkinner::NewWndProc);
  OwnerForm->RecreateWnd();
}

void TspFormSkinner::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  std::erase_if(AreaLinks, [component](const TspAreaLink& link) { return link.Control == component; });
  if (component == skinData_) {
    skinData_ = nullptr;
  } else if (component == menusSkinData_) {
    menusSkinData_ = nullptr;
  } else if (component == systemMenu_) {
    systemMenu_ = nullptr;
  }
  if (component == skinHint_) {
    skinHint_ = nullptr;
  } else if (component == statusBar_) {
    statusBar_ = nullptr;
  }
}

void TspFormSkinner::SetSkinHint(TspSkinHint* value) {
  if (skinHint_ != nullptr) RemoveFreeNotification(skinHint_);
  skinHint_ = value;
  if (value != nullptr) FreeNotification(value);
}

void TspFormSkinner::SetStatusBar(TspSkinStatusBar* value) {
  if (statusBar_ != nullptr) RemoveFreeNotification(statusBar_);
  statusBar_ = value;
  if (value != nullptr) FreeNotification(value);
}

void TspFormSkinner::SetMenusSkinData(TspSkinData* value) {
  if (menusSkinData_ != nullptr) RemoveFreeNotification(menusSkinData_);
  menusSkinData_ = value;
  if (value != nullptr) FreeNotification(value);
}

void TspFormSkinner::SetSupportNCArea(bool value) {
  supportNCArea_ = value;
  if (!value && Designing()) OwnerForm->SetBorderStyle(bsNone);
}

bool TspFormSkinner::SkinDataUsable() const { return skinData_ != nullptr && !skinData_->Empty; }

void TspFormSkinner::SetSkinnableForm(bool value) {
  NCActivated = GetFormActive();
  if (value == skinnableForm_ || Designing()) return;
  skinnableForm_ = value;
  ChangeSkinData();
  UpDateSkinControls(nullptr, OwnerForm);
  if (OwnerForm->HandleAllocated()) RecalcFrame();
  OwnerForm->Refresh();
}

void TspFormSkinner::LoadBorderIcons() {
  TBorderIcons icons;
  if (!HideCaptionButtons && !skinnableForm_) icons.Include(biSystemMenu);
  if (BorderIcons.Contains(TspBorderIcon::biMinimize)) icons.Include(biMinimize);
  if (BorderIcons.Contains(TspBorderIcon::biMaximize)) icons.Include(biMaximize);
  OwnerForm->SetBorderIcons(icons);
}

void TspFormSkinner::UpDateForm() {
  const int width = OwnerForm->Width();
  if (width - 1 < GetMinWidth()) {
    OwnerForm->SetWidth(width + 1);
  } else {
    OwnerForm->SetWidth(width - 1);
  }
  OwnerForm->SetWidth(width);
}

bool TspFormSkinner::GetFormActive() const { return NCActivated && Screen->ActiveForm() == OwnerForm; }

void TspFormSkinner::FormChangeActive(bool update) {
  CaptionsChangeActive(update);
  if (GetFormActive()) {
    OnActivate(this);
  } else {
    OnDeActivate(this);
  }
}

TPoint TspFormSkinner::GetPositionInMonitor(int x, int y, int w, int h) const {
  if (PositionInMonitor == sppDefault) return Point(x, y);
  const TRect r = GetMonitorWorkArea(OwnerForm->Handle(), PositionInMonitor == sppDesktopCenter);
  return Point(r.Left + r.Width() / 2 - w / 2, r.Top + r.Height() / 2 - h / 2);
}

void TspFormSkinner::ApplyPositionInMonitor() {
  if (PositionInMonitor == sppDefault) return;
  const TPoint p = GetPositionInMonitor(OwnerForm->Left(), OwnerForm->Top(), OwnerForm->Width(), OwnerForm->Height());
  OwnerForm->SetBounds(p.X, p.Y, OwnerForm->Width(), OwnerForm->Height());
}

TspFormSkinner* GetFormSkinnerComponent(TCustomForm* form) {
  if (form == nullptr) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    if (auto* skinner = dynamic_cast<TspFormSkinner*>(form->Components(i))) return skinner;
  }
  return nullptr;
}
