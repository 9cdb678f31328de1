// The framed combo box: properties, focus and hot state, mouse and wheel, painting.
#include "framed/FrCmboBx.h"

#include <algorithm>

#include "classlib/runtime/SystemActions.h"
#include "framed/FrCommon_Borders.h"
#include "framed/FrCommon_Drawing.h"
#include "framed/FrThemes.h"

namespace {

bool StylesInUse() { return ThemeServices != nullptr && ThemeServices->StylesActive(); }

}  // namespace

TFrCustomComboBox::TFrCustomComboBox(TComponent* owner)
    : TCustomComboBox(owner), frame_(*this), searchTimer_(new TTimer(this)) {
  TControlStyle style = ControlStyle();
  style.Exclude(csSetCaption);
  SetControlStyle(style);
  searchTimer_->SetEnabled(false);
  searchTimer_->SetInterval(1500);
  searchTimer_->OnTimer = TNotifyEvent(this, &TFrCustomComboBox::SearchTick);
}

TFrCustomComboBox::~TFrCustomComboBox() { DestroyHandle(); }

void TFrCustomComboBox::SetFlatButtons(bool value) {
  if (value == flatButtons_) return;
  flatButtons_ = value;
  Invalidate();
}

void TFrCustomComboBox::SetFlatButtonColor(TColor value) {
  if (value == flatButtonColor_) return;
  flatButtonColor_ = value;
  Invalidate();
}

void TFrCustomComboBox::SetDropDownWidth(int value) {
  if (value == dropDownWidth_) return;
  dropDownWidth_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(value), 0);
}

void TFrCustomComboBox::SetReadOnly(bool value) {
  if (value == readOnly_) return;
  readOnly_ = value;
  if ((Style() == csDropDown || Style() == csSimple) && HandleAllocated() && EditHandle() != nullptr)
    SendMessageA(EditHandle(), EM_SETREADONLY, value ? TRUE : FALSE, 0);
  Invalidate();
}

int TFrCustomComboBox::SelStart() {
  if (!HandleAllocated()) return 0;
  DWORD start = 0;
  SendMessageA(Handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

int TFrCustomComboBox::SelLength() {
  if (!HandleAllocated()) return 0;
  DWORD start = 0, end = 0;
  SendMessageA(Handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TFrCustomComboBox::SetEditSel(int start, int length) {
  if (HandleAllocated()) SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(start, start + length));
}

void TFrCustomComboBox::SetOwnerDrawItemHeight(int value) {
  if (Style() == csOwnerDrawFixed) SetItemHeight(value);
}

// The drop-down width lives in its field, so a new window takes it again.
void TFrCustomComboBox::CreateWnd() {
  TCustomComboBox::CreateWnd();
  if (dropDownWidth_ != 0) SendMessageA(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(dropDownWidth_), 0);
  if (readOnly_ && EditHandle() != nullptr) SendMessageA(EditHandle(), EM_SETREADONLY, TRUE, 0);
}

void TFrCustomComboBox::DestroyWnd() {
  searchText_ = AnsiString();
  TCustomComboBox::DestroyWnd();
}

void TFrCustomComboBox::Loaded() {
  TCustomComboBox::Loaded();
  frame_.Loaded();
}

void TFrCustomComboBox::DefineProperties(TFiler* filer) {
  TCustomComboBox::DefineProperties(filer);
  frame_.DefineProperties(filer);
}

void TFrCustomComboBox::Notification(TComponent* component, TOperation operation) {
  TCustomComboBox::Notification(component, operation);
  if (operation == opRemove) frame_.Forget(component);
}

// The system combo box draws its own sunken edge; a visible frame paints over it.
void TFrCustomComboBox::FrameVisibilityChanged(bool visible) {
  SetParentCtl3D(!visible);
  SetCtl3D(!visible);
  Invalidate();
}

void TFrCustomComboBox::RepaintHotState() {
  if (!HandleAllocated() || (!flatButtons_ && !frame_.FrameHotTrack()) || DroppedDown()) return;
  TRect area = ClientRect();
  if (!frame_.FrameHotTrack()) area.Left = area.Right - GetSystemMetrics(SM_CXVSCROLL) - 2;
  RedrawWindow(Handle(), area.AsRECT(), nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE);
}

void TFrCustomComboBox::DoEnter() {
  TCustomComboBox::DoEnter();
  focused_ = true;
  frame_.ChangeHotState(false, true);
}

void TFrCustomComboBox::CloseUp() {
  TCustomComboBox::CloseUp();
  Invalidate();
}

void TFrCustomComboBox::KeyPress(char& key) {
  if (!DroppedDown() && frame_.TakeEnterAsTab(key)) return;
  if (Style() == csDropDown && MaxLength() > 0 && static_cast<unsigned char>(key) >= 32 &&
      GetWindowTextLengthA(Handle()) >= MaxLength() && SelLength() == 0) {
    SystemBeep(0);
    key = 0;
    return;
  }
  TCustomComboBox::KeyPress(key);
}

// ---- Messages ----

void TFrCustomComboBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      TCustomComboBox::Dispatch(message);
      Paint();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (readOnly_) return;
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      TCustomComboBox::Dispatch(message);
      const bool entering = message.Msg == CM_MOUSEENTER;
      frame_.ChangeHotState(true, entering);
      (entering ? OnMouseEnter : OnMouseLeave)(this);
      return;
    }
    case CM_ENABLEDCHANGED:
      TCustomComboBox::Dispatch(message);
      frame_.ApplyStateColor();
      return;
    case WM_SIZE:
      TCustomComboBox::Dispatch(message);
      if (frame_.DrawsOwnFrame()) Invalidate();
      return;
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_KILLFOCUS:
      if (ListStyleKey(message)) return;
      break;
    case CM_TEXTCHANGED:
      TCustomComboBox::Dispatch(message);
      TextChanged();
      return;
    case CN_COMMAND:
      if (HIWORD(message.WParam) == CBN_SELENDOK) {
        internalTextChange_ = true;
        OnSelEndOk(this);
      } else if (HIWORD(message.WParam) == CBN_SELENDCANCEL) {
        OnSelEndCancel(this);
      }
      break;
    case WM_CUT:
    case WM_PASTE:
      ClipboardMessage(message);
      return;
    case CN_DELETEITEM: {
      auto* item = reinterpret_cast<DELETEITEMSTRUCT*>(message.LParam);
      if (item->itemData != 0) {
        DoDeleteItem(reinterpret_cast<void*>(item->itemData));
        item->itemData = 0;
      }
      break;
    }
    default:
      break;
  }
  TCustomComboBox::Dispatch(message);
}

// ---- Wheel ----

bool TFrCustomComboBox::DoMouseWheel(TShiftState, int wheelDelta, const TPoint&) {
  const bool down = wheelDelta < 0;
  if (DroppedDown()) {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    int top = static_cast<int>(SendMessageA(Handle(), CB_GETTOPINDEX, 0, 0));
    top = down ? top + static_cast<int>(lines) : std::max(0, top - static_cast<int>(lines));
    SendMessageA(Handle(), CB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  } else {
    StepByWheel(down);
  }
  return true;
}

// Down: the next item (the last stays). Up: the previous one; at item 0 or without a
// selection item 0, quietly.
void TFrCustomComboBox::StepByWheel(bool down) {
  const int index = ItemIndex();
  if (down) {
    if (index + 1 < Items()->Count()) SelectAndNotify(index + 1);
  } else if (index <= 0) {
    if (Items()->Count() > 0) SetItemIndex(0);
  } else {
    SelectAndNotify(index - 1);
  }
}

void TFrCustomComboBox::SelectAndNotify(int index) {
  SetItemIndex(index);
  Click();
  Change();
}

// ---- Painting ----

TRect TFrCustomComboBox::ButtonRect() const {
  const int b = StylesInUse() ? 1 : 2;
  return Rect(Width() - GetSystemMetrics(SM_CXVSCROLL) - b, b, Width() - b, Height() - b);
}

void TFrCustomComboBox::Paint() {
  if (!HandleAllocated()) return;
  TControlCanvas* canvas = frame_.Canvas();
  canvas->SetWindow(Handle());
  const bool styled = StylesInUse();
  const TRect client = Rect(0, 0, Width(), Height());
  const TRect button = ButtonRect();
  const bool white = ColorToRGB(Color()) == 0xFFFFFF;
  if (styled) {
    if (frame_.DrawsOwnFrame() && !white) PaintEdgeRings(canvas, client, Color(), Color(), 1, kAllSides);
    const TRect inner = Rect(client.Left + 1, client.Top + 1, button.Left - 1, client.Bottom - 1);
    if (!white) PaintEdgeRings(canvas, inner, Color(), Color(), 2, kAllSides);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(Rect(button.Left - 3, button.Top, button.Left, button.Bottom));
  }
  if (readOnly_) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(button);
  } else if (flatButtons_) {
    PaintButton(canvas, button);
  }
  if (frame_.DrawsOwnFrame()) frame_.PaintFrameOn(canvas, !styled);
  canvas->FreeHandle();
}

// The flat drop-down button: an arrow on the control's colour at rest, a bevel (or the
// styles' button) while hot, pressed while the list is down.
void TFrCustomComboBox::PaintButton(TCanvas* canvas, const TRect& button) {
  const bool styled = StylesInUse();
  const bool dropped = DroppedDown();
  if (!frame_.Hot()) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(button);
    PaintDropArrow(canvas, button, styled, false, Enabled());
    return;
  }
  if (styled) {
    ThemeServices->PaintElement(canvas->Handle(), TThemeServices::ComboBoxElement(dropped ? 4 : 3), button);
    return;
  }
  PaintHotFlatDropButton(canvas, button, flatButtonColor_, dropped, Enabled());
}
