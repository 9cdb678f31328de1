#include "classlib/windowing/Control.h"

#include <algorithm>

#include "classlib/windowing/Application.h"
#include "classlib/windowing/ControlActionLink.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Menus.h"
#include "classlib/windowing/WinControl.h"

namespace {
TControl* g_captureControl = nullptr;

int SignedLow(LPARAM v) { return static_cast<short>(LOWORD(v)); }
int SignedHigh(LPARAM v) { return static_cast<short>(HIWORD(v)); }
}  // namespace

TControl* GetCaptureControl() { return g_captureControl; }

void SetCaptureControl(TControl* control) {
  g_captureControl = control;
  if (control == nullptr) {
    ReleaseCapture();
    return;
  }
  auto* windowed = dynamic_cast<TWinControl*>(control);
  TWinControl* holder = windowed != nullptr ? windowed : control->Parent();
  if (holder != nullptr && holder->HandleAllocated()) SetCapture(holder->Handle());
}

TShiftState MouseShiftState(WPARAM keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s << ssShift;
  if (keys & MK_CONTROL) s << ssCtrl;
  if (keys & MK_LBUTTON) s << ssLeft;
  if (keys & MK_RBUTTON) s << ssRight;
  if (keys & MK_MBUTTON) s << ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s << ssAlt;
  return s;
}

TShiftState KeyboardShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s << ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s << ssCtrl;
  if (GetKeyState(VK_MENU) < 0) s << ssAlt;
  return s;
}

void TSizeConstraints::Apply(int& width, int& height) const {
  if (MaxWidth > 0) width = std::min(width, MaxWidth);
  if (MaxHeight > 0) height = std::min(height, MaxHeight);
  width = std::max(width, MinWidth);
  height = std::max(height, MinHeight);
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), constraints_(new TSizeConstraints), font_(new TFont) {
  WindowProc = TWndMethod(this, &TControl::WndProc);
  font_->OnChange = TNotifyEvent(this, &TControl::FontChanged);
}

TControl::~TControl() {
  delete actionLink_;
  actionLink_ = nullptr;
  if (g_captureControl == this) SetCaptureControl(nullptr);
  if (Application != nullptr) Application->ControlDestroying(this);
  if (parent_ != nullptr) parent_->RemoveControl(this);
  delete font_;
  delete constraints_;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (parent != nullptr) parent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* windowed = dynamic_cast<TWinControl*>(parent)) SetParent(windowed);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  constraints_->Apply(width, height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  const bool wasVisible = parent_ != nullptr && Showing();
  if (wasVisible) InvalidateControl(true);
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  const bool byParent = parent_ != nullptr && parent_->ControlState().Contains(csAligning);
  if (!byParent) UpdateAnchorRules();
  BoundsChanged();
  if (resized && dynamic_cast<TWinControl*>(this) == nullptr) Resize();
  if (!byParent && align_ != alNone) RequestAlign();
}

void TControl::SetClientSize(int width, int height) {
  const TRect client = ClientRect();
  SetBounds(left_, top_, width_ + width - client.Width(), height_ + height - client.Height());
}

TPoint TControl::ClientOrigin() const {
  if (parent_ == nullptr) return Point(left_, top_);
  const TPoint origin = parent_->ClientOrigin();
  return Point(origin.X + left_, origin.Y + top_);
}

TPoint TControl::ClientToScreen(const TPoint& p) const {
  const TPoint origin = ClientOrigin();
  return Point(p.X + origin.X, p.Y + origin.Y);
}

TPoint TControl::ScreenToClient(const TPoint& p) const {
  const TPoint origin = ClientOrigin();
  return Point(p.X - origin.X, p.Y - origin.Y);
}

void TControl::UpdateAnchorRules() {
  if (parent_ == nullptr) return;
  const TRect client = parent_->ClientRect();
  anchorRight_ = client.Width() - (left_ + width_);
  anchorBottom_ = client.Height() - (top_ + height_);
}

void TControl::AnchorToParent(int parentWidth, int parentHeight) {
  if (align_ != alNone) return;
  int left = left_, top = top_, width = width_, height = height_;
  if (anchors_.Contains(akRight)) {
    if (anchors_.Contains(akLeft)) width = parentWidth - anchorRight_ - left;
    else left = parentWidth - anchorRight_ - width;
  }
  if (anchors_.Contains(akBottom)) {
    if (anchors_.Contains(akTop)) height = parentHeight - anchorBottom_ - top;
    else top = parentHeight - anchorBottom_ - height;
  }
  SetBounds(left, top, std::max(width, 0), std::max(height, 0));
}

void TControl::SetAlign(TAlign align) {
  align_ = align;
  RequestAlign();
}

void TControl::SetAnchors(const TAnchors& anchors) {
  anchors_ = anchors;
  UpdateAnchorRules();
}

void TControl::RequestAlign() {
  if (parent_ != nullptr) parent_->Realign();
}

bool TControl::Showing() const { return visible_ && parent_ != nullptr && parent_->Showing(); }

void TControl::Show() {
  if (parent_ != nullptr) parent_->ShowControl(this);
  SetVisible(true);
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  VisibleChanging();
  if (!visible) InvalidateControl(true);
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  if (visible) InvalidateControl(false);
  if (align_ != alNone) RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const AnsiString& text) {
  if (text == GetText()) return;
  SetTextValue(text);
  Perform(CM_TEXTCHANGED);
}

void TControl::SetTextValue(const AnsiString& text) { text_ = text; }

void TControl::SetName(const AnsiString& name) {
  // A control read from a form resource takes its caption from there, not from its name.
  const bool captionFollows = controlStyle_.Contains(csSetCaption) && !ComponentState().Contains(csLoading) &&
                              Name() == GetText();
  TComponent::SetName(name);
  if (captionFollows) SetText(name);
}

void TControl::SetColor(TColor color) {
  if (color == color_ && !parentColor_) return;
  color_ = color;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool on) {
  parentColor_ = on;
  if (on && parent_ != nullptr) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool on) {
  parentFont_ = on;
  if (on && parent_ != nullptr) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged(TObject*) {
  parentFont_ = parentFont_ && controlState_.Contains(csCreating);
  Perform(CM_FONTCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
  cursor_ = cursor;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool on) {
  showHint_ = on;
  Perform(CM_SHOWHINTCHANGED);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) { Dispatch(message); }

void TControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      WMMouse(message);
      return;
    case CM_FONTCHANGED:
      CMFontChanged(message);
      return;
    case CM_PARENTFONTCHANGED:
      CMParentFontChanged(message);
      return;
    case CM_PARENTCOLORCHANGED:
      CMParentColorChanged(message);
      return;
    case CM_HITTEST:
      CMHitTest(message);
      return;
    case WM_CONTEXTMENU:
      WMContextMenu(message);
      return;
    case WM_MOUSEWHEEL:
      WMMouseWheel(message);
      return;
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
      Invalidate();
      return;
    default:
      DefaultHandler(message);
  }
}

void TControl::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case WM_GETTEXTLENGTH:
      message.Result = GetText().Length();
      break;
    case WM_GETTEXT: {
      const AnsiString text = GetText();
      const auto size = static_cast<int>(message.WParam);
      if (size <= 0) break;
      const int count = std::min(text.Length(), size - 1);
      std::copy_n(text.c_str(), count, reinterpret_cast<char*>(message.LParam));
      reinterpret_cast<char*>(message.LParam)[count] = '\0';
      message.Result = count;
      break;
    }
    default:
      message.Result = 0;
  }
}

void TControl::CMFontChanged(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage&) {
  if (!parentFont_ || parent_ == nullptr) return;
  font_->OnChange.Clear();
  font_->Assign(parent_->Font());
  font_->OnChange = TNotifyEvent(this, &TControl::FontChanged);
  Perform(CM_FONTCHANGED);
}

void TControl::CMParentColorChanged(TMessage&) {
  if (!parentColor_ || parent_ == nullptr) return;
  color_ = parent_->Color();
  Perform(CM_COLORCHANGED);
}

void TControl::CMHitTest(TMessage& message) { message.Result = 1; }

void TControl::WMMouse(TMessage& message) {
  const TShiftState shift = MouseShiftState(message.WParam);
  const int x = SignedLow(message.LParam), y = SignedHigh(message.LParam);
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (message.Msg == WM_LBUTTONDBLCLK && controlStyle_.Contains(csDoubleClicks)) DblClick();
      DoMouseButton(message, mbLeft, true);
      break;
    case WM_LBUTTONUP:
      DoMouseButton(message, mbLeft, false);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      DoMouseButton(message, mbRight, message.Msg == WM_RBUTTONDOWN);
      break;
    default:
      DoMouseButton(message, mbMiddle, message.Msg == WM_MBUTTONDOWN);
  }
  DefaultHandler(message);
}

void TControl::DoMouseButton(TMessage& message, TMouseButton button, bool down) {
  const TShiftState shift = MouseShiftState(message.WParam);
  const int x = SignedLow(message.LParam), y = SignedHigh(message.LParam);
  if (down) {
    if (controlStyle_.Contains(csCaptureMouse)) SetCaptureControl(this);
    if (button == mbLeft && controlStyle_.Contains(csClickEvents)) SetControlState(csLButtonDown, true);
    MouseDown(button, shift, x, y);
    return;
  }
  const bool pressed = button == mbLeft && controlState_.Contains(csLButtonDown);
  if (button == mbLeft) SetControlState(csLButtonDown, false);
  if (g_captureControl == this) SetCaptureControl(nullptr);
  MouseUp(button, shift, x, y);
  const TRect client = ClientRect();
  if (pressed && x >= 0 && y >= 0 && x < client.Width() && y < client.Height()) Click();
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }

void TControl::Click() {
  TBasicAction* action = Action();
  if (action != nullptr && (!OnClick || OnClick == action->OnExecute)) actionLink_->Execute(this);
  else OnClick(this);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  popupMenu_ = menu;
  if (menu != nullptr) menu->FreeNotification(this);
}

TBasicAction* TControl::Action() const { return actionLink_ != nullptr ? actionLink_->Action() : nullptr; }

TClass TControl::GetActionLinkClass() const { return TControlActionLink::StaticClass(); }

void TControl::SetAction(TBasicAction* action) {
  if (action == nullptr) {
    delete actionLink_;
    actionLink_ = nullptr;
    return;
  }
  if (actionLink_ == nullptr) actionLink_ = static_cast<TControlActionLink*>(GetActionLinkClass()->Create(this));
  actionLink_->SetAction(action);
  ActionChange(action, ComponentState().Contains(csLoading));
  action->FreeNotification(this);
}

void TControl::ActionChange(TObject* sender, bool checkDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (action == nullptr) return;
  if (!checkDefaults || Caption().IsEmpty() || Caption() == Name()) SetCaption(action->Caption());
  if (!checkDefaults || enabled_) SetEnabled(action->Enabled());
  if (!checkDefaults || hint_.IsEmpty()) SetHint(action->Hint());
  if (!checkDefaults || visible_) SetVisible(action->Visible());
  if (!checkDefaults || !GetChecked()) SetChecked(action->Checked());
  if (!checkDefaults || !OnClick) OnClick = action->OnExecute;
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == popupMenu_) popupMenu_ = nullptr;
  if (actionLink_ != nullptr && component == actionLink_->Action()) {
    delete actionLink_;
    actionLink_ = nullptr;
  }
}

void TControl::DoContextPopup(const TPoint& mousePos, bool& handled) { OnContextPopup(this, mousePos, handled); }

void TControl::WMContextMenu(TMessage& message) {
  TPoint pos = Point(SignedLow(message.LParam), SignedHigh(message.LParam));
  const bool fromKeyboard = pos.X == -1 && pos.Y == -1;
  bool handled = false;
  DoContextPopup(fromKeyboard ? pos : ScreenToClient(pos), handled);
  if (handled) {
    message.Result = 1;
    return;
  }
  TPopupMenu* menu = popupMenu_;
  for (TControl* c = parent_; menu == nullptr && c != nullptr; c = c->parent_) menu = c->popupMenu_;
  if (menu == nullptr || !menu->AutoPopup()) {
    DefaultHandler(message);
    return;
  }
  if (fromKeyboard) pos = ClientToScreen(Point(0, 0));
  menu->SetPopupComponent(this);
  menu->Popup(pos.X, pos.Y);
  message.Result = 1;
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, const TPoint& mousePos) {
  bool handled = false;
  OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
  if (handled) return true;
  return wheelDelta < 0 ? DoMouseWheelDown(shift, mousePos) : DoMouseWheelUp(shift, mousePos);
}

bool TControl::DoMouseWheelDown(TShiftState shift, const TPoint& mousePos) {
  bool handled = false;
  OnMouseWheelDown(this, shift, mousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, const TPoint& mousePos) {
  bool handled = false;
  OnMouseWheelUp(this, shift, mousePos, handled);
  return handled;
}

void TControl::WMMouseWheel(TMessage& message) {
  const TShiftState shift = MouseShiftState(LOWORD(message.WParam));
  const auto delta = static_cast<short>(HIWORD(message.WParam));
  const TPoint pos = ScreenToClient(Point(SignedLow(message.LParam), SignedHigh(message.LParam)));
  if (DoMouseWheel(shift, delta, pos)) {
    message.Result = 1;
    return;
  }
  DefaultHandler(message);
}

void TControl::InvalidateControl(bool wasVisible) {
  if (parent_ == nullptr || !parent_->HandleAllocated()) return;
  if (!wasVisible && !Showing()) return;
  const TRect r = BoundsRect();
  InvalidateRect(parent_->Handle(), r.AsRECT(), TRUE);
}

void TControl::Invalidate() { InvalidateControl(true); }

void TControl::Repaint() {
  Invalidate();
  if (parent_ != nullptr) parent_->Update();
}

void TControl::SetZOrder(bool topMost) {
  if (parent_ == nullptr) return;
  parent_->MoveControl(this, topMost);
  Invalidate();
}

void TControl::BringToFront() { SetZOrder(true); }
void TControl::SendToBack() { SetZOrder(false); }

void TControl::Release() {
  if (Application != nullptr) Application->ReleaseLater(this);
}
