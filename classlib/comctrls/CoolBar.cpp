#include "classlib/comctrls/CoolBar.h"

#include <algorithm>

#include "classlib/comctrls/CommonControls.h"

#include <commctrl.h>
#include <shlwapi.h>

void TCoolBand::SetControl(TWinControl* control) {
  control_ = control;
  if (auto* bar = dynamic_cast<TCoolBar*>(Collection() != nullptr ? Collection()->GetOwner() : nullptr);
      bar != nullptr && control != nullptr)
    control->FreeNotification(bar);
  Changed(false);
}

void TCoolBand::SetText(const AnsiString& value) {
  text_ = value;
  Changed(false);
}

void TCoolBand::SetImageIndex(int value) {
  imageIndex_ = value;
  Changed(false);
}

void TCoolBand::SetBreak(bool value) {
  break_ = value;
  Changed(false);
}

void TCoolBand::SetWidth(int value) {
  width_ = std::max(value, 0);
  Changed(false);
}

void TCoolBand::SetMinHeight(int value) {
  minHeight_ = std::max(value, 0);
  Changed(false);
}

void TCoolBand::SetFixedSize(bool value) {
  fixedSize_ = value;
  Changed(false);
}

TCoolBands::TCoolBands(TCoolBar* bar) : TOwnedCollection(bar, TCoolBand::StaticClass()), bar_(bar) {}

TCoolBand* TCoolBands::FindBand(const TControl* control) const {
  for (int i = 0; i < Count(); ++i) {
    if (Items(i)->Control() == control) return Items(i);
  }
  return nullptr;
}

void TCoolBands::Update(TCollectionItem*) { bar_->UpdateBands(); }

TCoolBar::TCoolBar(TComponent* owner) : TWinControl(owner), bands_(new TCoolBands(this)) {
  SetControlStyle({csAcceptsControls, csDoubleClicks});
  SetAlign(alTop);
  SetBounds(Left(), Top(), 150, 75);
  SetColor(clBtnFace);
}

TCoolBar::~TCoolBar() {
  DestroyHandle();
  delete bands_;
}

void TCoolBar::CreateParams(TCreateParams& params) {
  InitializeCommonControls();
  TWinControl::CreateParams(params);
  CreateSubClass(params, REBARCLASSNAMEA);
  params.Style |= WS_CLIPCHILDREN | RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (vertical_) params.Style |= CCS_VERT;
  if (fixedOrder_) params.Style |= RBS_FIXEDORDER;
}

void TCoolBar::CreateHandleState() {
  TWinControl::CreateHandleState();
  UpdateBands();
}

void TCoolBar::UpdateBands() {
  if (!HandleAllocated() || updating_) return;
  updating_ = true;
  HWND window = Handle();
  REBARINFO info{sizeof(REBARINFO), RBIM_IMAGELIST, images_ != nullptr ? images_->Handle() : nullptr};
  SendMessageA(window, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
  while (SendMessageA(window, RB_GETBANDCOUNT, 0, 0) > 0) SendMessageA(window, RB_DELETEBAND, 0, 0);
  for (int i = 0; i < bands_->Count(); ++i) {
    TCoolBand* band = bands_->Items(i);
    const AnsiString text = showText_ ? band->Text() : AnsiString();
    REBARBANDINFOA entry{};
    entry.cbSize = sizeof entry;
    entry.fMask = RBBIM_STYLE | RBBIM_SIZE | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_TEXT | RBBIM_IMAGE;
    entry.fStyle = (band->Break() ? RBBS_BREAK : 0) | (band->FixedSize() ? RBBS_FIXEDSIZE | RBBS_NOGRIPPER : 0);
    entry.cx = static_cast<UINT>(band->Width());
    entry.cyMinChild = static_cast<UINT>(band->MinHeight());
    entry.wID = static_cast<UINT>(band->ID());
    entry.lpText = const_cast<char*>(text.c_str());
    entry.iImage = band->ImageIndex();
    if (TWinControl* control = band->Control(); control != nullptr && control->Parent() == this) {
      entry.fMask |= RBBIM_CHILD;
      entry.hwndChild = control->Handle();
      entry.cxMinChild = static_cast<UINT>(vertical_ ? control->Height() : control->Width());
    }
    SendMessageA(window, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&entry));
  }
  updating_ = false;
}

TRect TCoolBar::BandRect(int index) {
  RECT r{};
  SendMessageA(Handle(), RB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  // A vertical bar answers in its rows' coordinates: across is x, along is y.
  if (vertical_) return Rect(r.top, r.left, r.bottom, r.right);
  return Rect(r.left, r.top, r.right, r.bottom);
}

void TCoolBar::SetImages(TCustomImageList* images) {
  images_ = images;
  if (images != nullptr) images->FreeNotification(this);
  UpdateBands();
}

void TCoolBar::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == images_) SetImages(nullptr);
  for (int i = 0; i < bands_->Count(); ++i) {
    if (bands_->Items(i)->Control() == component) bands_->Items(i)->SetControl(nullptr);
  }
}

void TCoolBar::SetShowText(bool value) {
  showText_ = value;
  UpdateBands();
}

void TCoolBar::SetVertical(bool value) {
  if (value == vertical_) return;
  vertical_ = value;
  SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TCoolBar::SetFixedOrder(bool value) {
  if (value == fixedOrder_) return;
  fixedOrder_ = value;
  RecreateWnd();
}

namespace {

// Whether the activation context in use sends "comctl32.dll" to a side-by-side assembly:
// only the common controls of version 6 are one (a program manifest asks for them).
bool ComCtlRedirectedToVersion6() {
  ACTCTX_SECTION_KEYED_DATA data{};
  data.cbSize = sizeof(data);
  return FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, "comctl32.dll", &data) !=
         FALSE;
}

}  // namespace

DWORD GetComCtlVersion() {
  HMODULE module = GetModuleHandleA("comctl32.dll");
  if (module == nullptr) return 0;
  auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetVersion")));
  if (getVersion == nullptr) return MAKELONG(0, 4);
  DLLVERSIONINFO version{sizeof(DLLVERSIONINFO), 0, 0, 0, 0};
  if (FAILED(getVersion(&version))) return 0;
  const DWORD reported = MAKELONG(version.dwMinorVersion, version.dwMajorVersion);
  // Some systems' version 6 library reports an older version.
  if (reported < MAKELONG(0, 6) && ComCtlRedirectedToVersion6()) return MAKELONG(0, 6);
  return reported;
}
