// The framed memo: the shared frame, the caret's line and column with their notices, the
// clipboard notice and wheel scrolling.
#include "framed/FrEdit.h"
#include "framed/FrEdit_Messages.h"

TFrMemo::TFrMemo(TComponent* owner) : TMemo(owner), frame_(*this) {
  TControlStyle style = ControlStyle();
  style.Exclude(csSetCaption);
  SetControlStyle(style);
}

TFrMemo::~TFrMemo() { DestroyHandle(); }

void TFrMemo::FrameVisibilityChanged(bool visible) { fredit_detail::ShowEditFrame(this, visible); }

void TFrMemo::RepaintHotState() {
  if (frame_.FrameHotTrack()) frame_.RedrawWindowFrame();
}

void TFrMemo::Loaded() {
  TMemo::Loaded();
  frame_.Loaded();
}

void TFrMemo::DefineProperties(TFiler* filer) {
  TMemo::DefineProperties(filer);
  frame_.DefineProperties(filer);
}

void TFrMemo::Notification(TComponent* component, TOperation operation) {
  TMemo::Notification(component, operation);
  if (operation == opRemove) frame_.Forget(component);
}

void TFrMemo::Dispatch(TMessage& message) {
  if (!fredit_detail::DispatchFrameMessage<TMemo>(this, message)) TMemo::Dispatch(message);
}

void TFrMemo::DoEnter() {
  frame_.ChangeHotState(false, true);
  TMemo::DoEnter();
}

void TFrMemo::DoExit() {
  TMemo::DoExit();
  frame_.ChangeHotState(false, false);
}

// ---- Line and column ----

int TFrMemo::LineStart(int line) {
  return static_cast<int>(SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(line - 1), 0));
}

int TFrMemo::GetLine() {
  if (!HandleAllocated()) return 1;
  return static_cast<int>(SendMessageA(Handle(), EM_LINEFROMCHAR, static_cast<WPARAM>(SelStart()), 0)) + 1;
}

int TFrMemo::GetColumn() {
  if (!HandleAllocated()) return 1;
  return SelStart() - LineStart(GetLine()) + 1;
}

void TFrMemo::SetColumn(int value) {
  if (!HandleAllocated() || value < 1) return;
  const int start = LineStart(GetLine());
  const auto length = static_cast<int>(SendMessageA(Handle(), EM_LINELENGTH, static_cast<WPARAM>(start), 0));
  if (value > length + 1) return;
  const int caret = start + value - 1;
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(caret), caret);
  LineColChanged();
}

void TFrMemo::SetLine(int value) {
  if (!HandleAllocated() || value < 1) return;
  const int start = LineStart(value);
  if (start < 0) return;
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start);
  if (GetLine() != value) return;
  const auto first = static_cast<int>(SendMessageA(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  SendMessageA(Handle(), EM_LINESCROLL, 0, value - 1 - first);
  LineColChanged();
}

void TFrMemo::LineColChanged() {
  OnLineColChange(this, GetLine(), GetColumn());
  ClipboardChanged();
}

void TFrMemo::ClipboardChanged() {
  OnClipboardChange(this, HandleAllocated() && SelLength() != 0, IsClipboardFormatAvailable(CF_TEXT) != 0);
}

// ---- When the notices run ----

void TFrMemo::CreateHandleState() {
  TMemo::CreateHandleState();
  LineColChanged();
  ClipboardChanged();
}

void TFrMemo::Change() {
  TMemo::Change();
  LineColChanged();
}

void TFrMemo::Click() {
  TMemo::Click();
  LineColChanged();
}

void TFrMemo::KeyDown(WORD& key, TShiftState shift) {
  TMemo::KeyDown(key, shift);
  LineColChanged();
}

void TFrMemo::KeyUp(WORD& key, TShiftState shift) {
  TMemo::KeyUp(key, shift);
  LineColChanged();
}

void TFrMemo::KeyPress(char& key) {
  if (!frame_.TakeEnterAsTab(key)) TMemo::KeyPress(key);
}

void TFrMemo::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TMemo::MouseUp(button, shift, x, y);
  ClipboardChanged();
}

// The wheel events first, then one line per turn, or the system's wheel lines with Ctrl.
bool TFrMemo::DoMouseWheel(TShiftState shift, int wheelDelta, const TPoint& mousePos) {
  TMemo::DoMouseWheel(shift, wheelDelta, mousePos);
  UINT lines = 1;
  if (GetKeyState(VK_CONTROL) < 0) SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int step = static_cast<int>(lines);
  SendMessageA(Handle(), EM_LINESCROLL, 0, wheelDelta < 0 ? step : -step);
  return true;
}
