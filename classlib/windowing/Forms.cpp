#include "classlib/windowing/Forms.h"

#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/windowing/Action.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/Menus.h"
#include "classlib/windowing/Screen.h"

namespace {
// Disables the thread's other enabled top-level windows for its life.
class TWindowDisabler {
 public:
  explicit TWindowDisabler(HWND keep) : keep_(keep) {
    EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
    for (HWND w : windows_) EnableWindow(w, FALSE);
  }
  ~TWindowDisabler() {
    for (HWND w : windows_) {
      if (IsWindow(w)) EnableWindow(w, TRUE);
    }
  }
  TWindowDisabler(const TWindowDisabler&) = delete;
  TWindowDisabler& operator=(const TWindowDisabler&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM self) {
    auto* disabler = reinterpret_cast<TWindowDisabler*>(self);
    if (window != disabler->keep_ && IsWindowVisible(window) && IsWindowEnabled(window))
      disabler->windows_.push_back(window);
    return TRUE;
  }
  HWND keep_;
  std::vector<HWND> windows_;
};

// Tells every control under `parent`, at any depth, which control took the focus.
void NotifyFocusChanged(TWinControl* parent, TWinControl* focused) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* control = parent->Controls(i);
    control->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(focused));
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) NotifyFocusChanged(windowed, focused);
  }
}
}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TCustomForm(owner, CreateNew) {}

TCustomForm::TCustomForm(TComponent* owner, TCreateNew) : TCustomControl(owner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
  SetVisible(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  if (Screen != nullptr) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  BeforeDestruction();
  if (Screen != nullptr) Screen->RemoveForm(this);
  DestroyHandle();
}

void TCustomForm::AfterConstruction() {
  if (created_) return;
  created_ = true;
  OnCreate(this);
}

void TCustomForm::BeforeDestruction() {
  if (destroying_) return;
  destroying_ = true;
  if (created_) OnDestroy(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  borderStyle_ = style;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(const TBorderIcons& icons) {
  borderIcons_ = icons;
  RecreateWnd();
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.WindowClass.hbrBackground = nullptr;
  if (Parent() != nullptr) {
    params.Style = (params.Style & ~WS_VISIBLE) | WS_CLIPCHILDREN;
    return;
  }
  params.WndParent = Application != nullptr ? Application->Handle() : nullptr;
  params.Style = WS_CLIPCHILDREN;
  switch (borderStyle_) {
    case bsNone:
      params.Style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      params.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
      params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) params.ExStyle |= WS_EX_TOOLWINDOW;
  if (borderStyle_ != bsNone && borderIcons_.Contains(biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    const bool iconsAllowed = borderStyle_ == bsSingle || borderStyle_ == bsSizeable;
    if (iconsAllowed && borderIcons_.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
    if (iconsAllowed && borderIcons_.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
    if (borderIcons_.Contains(biHelp) && !iconsAllowed) params.ExStyle |= WS_EX_CONTEXTHELP;
  }
}

void TCustomForm::CreateHandleState() {
  TCustomControl::CreateHandleState();
  // A top-level form shows the application's icon.
  if (Parent() == nullptr && Application != nullptr && Application->Icon()->Handle() != nullptr)
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Application->Icon()->Handle()));
}

TRect TCustomForm::ClientRect() const {
  if (HandleAllocated() || Parent() != nullptr) return TCustomControl::ClientRect();
  TCreateParams params;
  const_cast<TCustomForm*>(this)->CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  return Rect(0, 0, Width() - (frame.right - frame.left), Height() - (frame.bottom - frame.top));
}

void TCustomForm::ApplyPosition() {
  if (positioned_ || Parent() != nullptr) return;
  positioned_ = true;
  TRect area = Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  TCustomForm* centre = nullptr;
  switch (position_) {
    case poMainFormCenter:
      centre = Application != nullptr ? Application->MainForm() : nullptr;
      break;
    case poOwnerFormCenter:
      centre = dynamic_cast<TCustomForm*>(Owner());
      break;
    case poScreenCenter:
    case poDesktopCenter:
      break;
    default:
      return;
  }
  if (centre != nullptr && centre != this) area = centre->BoundsRect();
  SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::ShowForm(bool show) {
  if (!show) {
    if (!HandleAllocated()) return;
    ShowWindow(Handle(), SW_HIDE);
    OnHide(this);
    return;
  }
  AfterConstruction();
  ApplyPosition();
  ShowWindow(Handle(), Parent() != nullptr ? SW_SHOWNA : SW_SHOWNORMAL);
  OnShow(this);
  if (Parent() == nullptr) {
    SetForegroundWindow(Handle());
    FocusFirst();
  }
}

void TCustomForm::FocusFirst() {
  if (activeControl_ != nullptr && activeControl_->CanFocus()) {
    activeControl_->SetFocus();
    return;
  }
  SelectNext(nullptr, true, true);
  if (GetFocus() == nullptr || !ContainsControl(FindControl(GetFocus()))) ::SetFocus(Handle());
}

void TCustomForm::Show() {
  SetVisible(true);
  if (HandleAllocated()) SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  activeControl_ = control;
  if (control != nullptr && HandleAllocated() && Showing() && control->CanFocus()) control->SetFocus();
}

void TCustomForm::FocusChanged(TWinControl* control) {
  if (control == activeControl_ || control == this) return;
  TWinControl* previous = activeControl_;
  activeControl_ = control;
  NotifyFocusChanged(this, control);
  if (previous != nullptr) previous->DoExit();
  control->DoEnter();
}

void TCustomForm::ControlGone(TWinControl* control) {
  if (activeControl_ == control) activeControl_ = nullptr;
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  if (GetCaptureControl() != nullptr) SetCaptureControl(nullptr);
  ReleaseCapture();
  HWND previousActive = GetActiveWindow();
  modal_ = true;
  modalResult_ = mrNone;
  {
    TWindowDisabler disabler(Handle());
    try {
      Show();
      while (modalResult_ == mrNone) {
        Application->HandleMessage();
        if (Application->Terminated()) modalResult_ = mrCancel;
        else if (modalResult_ != mrNone) CloseModal();
      }
    } catch (...) {
      modal_ = false;
      Hide();
      throw;
    }
  }
  modal_ = false;
  Hide();
  if (previousActive != nullptr && IsWindow(previousActive)) SetActiveWindow(previousActive);
  return modalResult_;
}

void TCustomForm::CloseModal() {
  TCloseAction action = CloseQuery() ? caHide : caNone;
  if (action != caNone) DoClose(action);
  if (action == caNone) modalResult_ = mrNone;
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  const bool mainForm = Application != nullptr && Application->MainForm() == this;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (mainForm) {
    Application->Terminate();
    return;
  }
  if (action == caHide) Hide();
  else if (action == caMinimize) ShowWindow(Handle(), SW_MINIMIZE);
  else Release();
}

bool TCustomForm::IsShortCut(MSG& message) {
  bool handled = false;
  OnShortCut(message, handled);
  if (handled) return true;
  const TShortCut shortCut = ShortCutOfKey(static_cast<WORD>(message.wParam));
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* menu = dynamic_cast<TMainMenu*>(Components(i)); menu != nullptr && menu->IsShortCut(shortCut)) return true;
  }
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* list = dynamic_cast<TCustomActionList*>(Components(i)); list != nullptr && list->IsShortCut(shortCut))
      return true;
  }
  return false;
}

void TCustomForm::UpdateActions() {
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* list = dynamic_cast<TCustomActionList*>(Components(i))) list->UpdateActions();
  }
}

void TCustomForm::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
      ShowForm(message.WParam != 0);
      return;
    case CM_DIALOGKEY:
      CMDialogKey(message);
      return;
    case CM_FOCUSCHANGED:
      // Sent to the form itself (a control asking for a re-evaluation): passed on to
      // every control, as a focus move does.
      NotifyFocusChanged(this, reinterpret_cast<TWinControl*>(message.LParam));
      return;
    case WM_CLOSE:
      WMClose(message);
      return;
    case WM_ACTIVATE:
      WMActivate(message);
      return;
    default:
      TCustomControl::Dispatch(message);
  }
}

void TCustomForm::CMDialogKey(TMessage& message) {
  const auto key = static_cast<WORD>(message.WParam);
  const TShiftState shift = KeyboardShiftState();
  if (key == VK_TAB && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) {
    SelectNext(activeControl_, !shift.Contains(ssShift), true);
    message.Result = 1;
    return;
  }
  const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
  if (arrow && activeControl_ != nullptr && activeControl_->Parent() != nullptr) {
    activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN, false);
    message.Result = 1;
    return;
  }
  TCustomControl::Dispatch(message);
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WMActivate(TMessage& message) {
  DefaultHandler(message);
  if (LOWORD(message.WParam) == WA_INACTIVE) {
    OnDeactivate(this);
    return;
  }
  OnActivate(this);
  if (activeControl_ != nullptr && activeControl_->CanFocus() && HIWORD(message.WParam) == 0)
    activeControl_->SetFocus();
}
