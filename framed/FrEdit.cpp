// The framed edit: frame in the non-client area, alignment, Enter as Tab, validation.
#include "framed/FrEdit.h"

#include "classlib/runtime/SystemActions.h"
#include "framed/FrEdit_Messages.h"
#include "framed/FrThemes.h"

namespace {

int versionMajor = 0;
int versionMinor = 0;

}  // namespace

bool IsWindows40() {
  if (versionMajor != 0) return versionMajor == 4 && versionMinor == 0;
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return false;
#pragma GCC diagnostic pop
  return info.dwMajorVersion == 4 && info.dwMinorVersion == 0;
}

void OverrideWindowsVersion(int major, int minor) {
  versionMajor = major;
  versionMinor = minor;
}

TFrCustomEdit::TFrCustomEdit(TComponent* owner) : TCustomMaskEdit(owner), frame_(*this) {
  TControlStyle style = ControlStyle();
  style.Exclude(csSetCaption);
  style.Include(csCaptureMouse);
  SetControlStyle(style);
}

TFrCustomEdit::~TFrCustomEdit() { DestroyHandle(); }

void TFrCustomEdit::CreateParams(TCreateParams& params) {
  TCustomMaskEdit::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  params.Style &= ~static_cast<DWORD>(ES_MULTILINE);
  if (alignment_ == taRightJustify) params.Style |= ES_RIGHT;
}

void TFrCustomEdit::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  RecreateWnd();
}

void TFrCustomEdit::SetFlatButtons(bool value) {
  if (value == flatButtons_) return;
  flatButtons_ = value;
  RedrawFrame();
}

void TFrCustomEdit::FrameVisibilityChanged(bool visible) { fredit_detail::ShowEditFrame(this, visible); }

void TFrCustomEdit::RepaintHotState() {
  if (!HandleAllocated()) return;
  const bool styled = frame_.ThemedFraming() || (ThemeServices != nullptr && ThemeServices->StylesActive());
  if (dropButtonVisible_) {
    if ((!flatButtons_ && !frame_.FrameHotTrack() && !styled) || dropButtonDown_) return;
    TRect area = ClientRect();
    if (!frame_.FrameHotTrack()) area.Left = area.Right - GetSystemMetrics(SM_CXVSCROLL) - 2;
    RedrawWindow(Handle(), area.AsRECT(), nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE);
  } else if (frame_.FrameHotTrack()) {
    RedrawFrame();
  }
}

void TFrCustomEdit::Loaded() {
  TCustomMaskEdit::Loaded();
  frame_.Loaded();
}

void TFrCustomEdit::DefineProperties(TFiler* filer) {
  TCustomMaskEdit::DefineProperties(filer);
  frame_.DefineProperties(filer);
}

void TFrCustomEdit::Notification(TComponent* component, TOperation operation) {
  TCustomMaskEdit::Notification(component, operation);
  if (operation == opRemove) frame_.Forget(component);
}

// The validation event may name the error; an empty message leaves it to the masked edit.
void TFrCustomEdit::ValidateError() {
  AnsiString message;
  OnValidateError(this, message);
  if (message.IsEmpty()) {
    TCustomMaskEdit::ValidateError();
    return;
  }
  SystemBeep(0);
  throw EDBEditError(message);
}

void TFrCustomEdit::DoEnter() {
  if (IsWindows40() && AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
  frame_.ChangeHotState(false, true);
  TCustomMaskEdit::DoEnter();
}

void TFrCustomEdit::DoExit() {
  struct TLeaveHot {
    TFrEntryFrame& frame;
    ~TLeaveHot() { frame.ChangeHotState(false, false); }
  } leave{frame_};
  TCustomMaskEdit::DoExit();
}

void TFrCustomEdit::KeyPress(char& key) {
  if (frame_.TakeEnterAsTab(key)) return;
  if (alignment_ == taRightJustify && key == '\r' && IsWindows40()) {
    key = 0;
    return;
  }
  TCustomMaskEdit::KeyPress(key);
}

void TFrCustomEdit::KeyDown(WORD& key, TShiftState shift) {
  TCustomMaskEdit::KeyDown(key, shift);
  if (key == VK_DOWN && shift == TShiftState{ssAlt} && dropButtonVisible_) OpenDropButton();
}

void TFrCustomEdit::Dispatch(TMessage& message) {
  if (DropButtonMessage(message)) return;
  if (!fredit_detail::DispatchFrameMessage<TCustomMaskEdit>(this, message)) TCustomMaskEdit::Dispatch(message);
}
