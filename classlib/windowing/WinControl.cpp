#include "classlib/windowing/WinControl.h"

#include <algorithm>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Format.h"
#include "classlib/windowing/ControlActionLink.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Screen.h"

namespace {
bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK; }

LPARAM PointParam(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// The child window a notification to a parent is about (null for others).
HWND NotifyingChild(const TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(m.LParam);
    case WM_NOTIFY:
      return reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
    case WM_DRAWITEM:
      return reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem;
    case WM_DELETEITEM:
      return reinterpret_cast<DELETEITEMSTRUCT*>(m.LParam)->hwndItem;
    case WM_COMPAREITEM:
      return reinterpret_cast<COMPAREITEMSTRUCT*>(m.LParam)->hwndItem;
    default:
      return nullptr;
  }
}
}  // namespace

TWinControl* FindControl(HWND window) {
  if (window == nullptr) return nullptr;
  const TWndMethod* method = BoundMethod(window);
  if (method == nullptr) return nullptr;
  return dynamic_cast<TWinControl*>(static_cast<TObject*>(method->Object()));
}

TCustomForm* GetParentForm(const TControl* control) {
  const TControl* top = control;
  while (top != nullptr && dynamic_cast<const TCustomForm*>(top) == nullptr) top = top->Parent();
  // A form placed inside another answers for its own controls.
  return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(top));
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner), mainMethod_(this, &TWinControl::MainWndProc) {}

TWinControl::~TWinControl() {
  if (TCustomForm* form = GetParentForm(this); form != nullptr && form != this) form->ControlGone(this);
  while (!controls_.empty()) delete controls_.back();
  if (parent_ != nullptr) parent_->RemoveControl(this);
  DestroyHandle();
  if (brush_ != nullptr) DeleteObject(brush_);
}

HWND TWinControl::Handle() {
  if (handle_ == nullptr) {
    if (parent_ != nullptr) parent_->HandleNeeded();
    if (handle_ == nullptr) CreateWnd();
  }
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = text_;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle().Contains(csAcceptsControls)) params.Style |= WS_CLIPCHILDREN;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = parent_ != nullptr ? parent_->Handle() : nullptr;
  params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  params.WindowClass.lpfnWndProc = &DefWindowProcA;
  params.WindowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* className) {
  WNDCLASSA system{};
  if (!GetClassInfoA(nullptr, className, &system)) RaiseLastOSError();
  params.WindowClass = system;
  params.WindowClass.hInstance = nullptr;
  params.WindowClass.lpszClassName = nullptr;
}

void TWinControl::RegisterWindowClass(TCreateParams& params) {
  defWndProc_ = params.WindowClass.lpfnWndProc;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA existing{};
  if (GetClassInfoA(instance, params.WinClassName.c_str(), &existing)) return;
  WNDCLASSA wc = params.WindowClass;
  wc.lpfnWndProc = &ObjectWindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = params.WinClassName.c_str();
  wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  if (RegisterClassA(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) RaiseLastOSError();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) != 0 && params.WndParent == nullptr)
    throw EInvalidOperation(Format("Control '%s' has no parent window", {Name()}));
  RegisterWindowClass(params);
  CreateWindowHandle(params);
  if (handle_ == nullptr) RaiseLastOSError();
  CreateHandleState();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  TCreationBinding binding(&mainMethod_);
  creation_ = &binding;
  HWND window = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                                params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  creation_ = nullptr;
  handle_ = window;
}

void TWinControl::CreateHandleState() {
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->HandleNeeded();
  }
  // Children were made in list order, each on top: that is their z-order.
  Realign();
}

void TWinControl::DestroyHandle() {
  if (handle_ == nullptr) return;
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->DestroyHandle();
  }
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  text_ = GetText();
  if (GetCaptureControl() == this) SetCaptureControl(nullptr);
  DestroyWindow(handle_);
  handle_ = nullptr;
}

void TWinControl::RecreateWnd() {
  if (handle_ == nullptr) return;
  const bool focused = Focused();
  DestroyHandle();
  HandleNeeded();
  if (focused) SetFocus();
}

void TWinControl::MainWndProc(TMessage& message) {
  if (handle_ == nullptr && creation_ != nullptr) handle_ = creation_->Window();
  WindowProc(message);
}

void TWinControl::WndProc(TMessage& message) {
  if (IsMouseMessage(message.Msg) && IsControlMouseMsg(message)) return;
  TControl::WndProc(message);
}

bool TWinControl::IsControlMouseMsg(TMessage& message) {
  TControl* target = GetCaptureControl();
  const TPoint pos = Point(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam)));
  if (target != nullptr) {
    if (target->Parent() != this || dynamic_cast<TWinControl*>(target) != nullptr) return false;
  } else {
    target = ControlAtPos(pos, false);
    if (target == nullptr) return false;
  }
  message.Result = target->Perform(message.Msg, message.WParam, PointParam(pos.X - target->Left(), pos.Y - target->Top()));
  // The window's own procedure turns the release of the right button into WM_CONTEXTMENU.
  if (message.Msg == WM_RBUTTONUP) DefaultHandler(message);
  return true;
}

void TWinControl::Dispatch(TMessage& message) {
  if (NotifyingChild(message) != nullptr) {
    WMCommandReflect(message);
    return;
  }
  switch (message.Msg) {
    case WM_PAINT:
      WMPaint(message);
      return;
    case WM_CONTEXTMENU:
      WMContextMenu(message);
      return;
    case WM_ERASEBKGND:
      WMEraseBkgnd(message);
      return;
    case WM_GETTEXT:
      WMGetText(message);
      return;
    case WM_GETTEXTLENGTH:
      WMGetTextLength(message);
      return;
    case WM_SIZE:
      WMSize(message);
      return;
    case WM_WINDOWPOSCHANGED:
      WMWindowPosChanged(message);
      return;
    case WM_SETCURSOR:
      WMSetCursor(message);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
      WMKey(message);
      return;
    case WM_CHAR:
      WMChar(message);
      return;
    case WM_SETFOCUS:
      WMSetFocus(message);
      return;
    case WM_NCDESTROY:
      WMNCDestroy(message);
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      Broadcast(message);
      return;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORSCROLLBAR:
      CMReflectColor(message);
      return;
    case CM_ENABLEDCHANGED:
      if (handle_ != nullptr) EnableWindow(handle_, Enabled());
      TControl::Dispatch(message);
      return;
    case CM_VISIBLECHANGED:
      UpdateShowing();
      return;
    case CM_COLORCHANGED:
      if (brush_ != nullptr) DeleteObject(brush_);
      brush_ = nullptr;
      for (TControl* child : controls_) child->Perform(CM_PARENTCOLORCHANGED);
      Invalidate();
      return;
    case CM_FONTCHANGED:
      if (handle_ != nullptr) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 1);
      for (TControl* child : controls_) child->Perform(CM_PARENTFONTCHANGED);
      Invalidate();
      return;
    default:
      TControl::Dispatch(message);
  }
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (message.Msg >= CM_BASE && message.Msg < 0xC000) {
    message.Result = 0;
    return;
  }
  if (handle_ == nullptr) {
    TControl::DefaultHandler(message);
    return;
  }
  message.Result = CallWindowProcA(defWndProc_, handle_, message.Msg, message.WParam, message.LParam);
}

bool TWinControl::WrapsSystemClass() const { return defWndProc_ != nullptr && defWndProc_ != &DefWindowProcA; }

void TWinControl::WMPaint(TMessage& message) {
  const bool systemPaints = WrapsSystemClass() && !ControlStyle().Contains(csPaintWindow) &&
                            std::none_of(controls_.begin(), controls_.end(),
                                         [](TControl* c) { return dynamic_cast<TWinControl*>(c) == nullptr; });
  if (systemPaints) {
    DefaultHandler(message);
    return;
  }
  if (message.WParam != 0) {
    PaintHandler(reinterpret_cast<HDC>(message.WParam));
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle_, &ps);
  if (doubleBuffered_) PaintBuffered(dc, ps.rcPaint);
  else PaintHandler(dc);
  EndPaint(handle_, &ps);
}

void TWinControl::PaintBuffered(HDC dc, const RECT& area) {
  RECT client;
  GetClientRect(handle_, &client);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  IntersectClipRect(memory, area.left, area.top, area.right, area.bottom);
  bufferDC_ = memory;
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
  PaintHandler(memory);
  bufferDC_ = nullptr;
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, area.left, area.top, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

void TWinControl::WMContextMenu(TMessage& message) {
  const TPoint screen = Point(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam)));
  if (screen.X != -1 || screen.Y != -1) {
    if (TControl* child = ControlAtPos(ScreenToClient(screen), false)) {
      message.Result = child->Perform(WM_CONTEXTMENU, message.WParam, message.LParam);
      if (message.Result != 0) return;
    }
  }
  TControl::Dispatch(message);
}

TClass TWinControl::GetActionLinkClass() const { return TWinControlActionLink::StaticClass(); }

void TWinControl::PaintHandler(HDC dc) {
  const int saved = SaveDC(dc);
  PaintWindow(dc);
  RestoreDC(dc, saved);
  PaintControls(dc, nullptr);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  auto it = first != nullptr ? std::find(controls_.begin(), controls_.end(), first) : controls_.begin();
  for (; it != controls_.end(); ++it) {
    TControl* child = *it;
    if (dynamic_cast<TWinControl*>(child) != nullptr) break;
    if (!child->Visible()) continue;
    const TRect r = child->BoundsRect();
    if (!RectVisible(dc, r.AsRECT())) continue;
    const int saved = SaveDC(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + r.Left, origin.y + r.Top, nullptr);
    IntersectClipRect(dc, 0, 0, r.Width(), r.Height());
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
}

void TWinControl::DrawBackground(HDC dc) {
  if (brush_ == nullptr) brush_ = CreateSolidBrush(ColorToRGB(Color()));
  RECT r;
  GetClientRect(handle_, &r);
  FillRect(dc, &r, brush_);
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  if (doubleBuffered_ && reinterpret_cast<HDC>(message.WParam) != bufferDC_ && !WrapsSystemClass()) {
    message.Result = 1;  // the buffered paint erases
    return;
  }
  if (WrapsSystemClass()) {
    DefaultHandler(message);
    return;
  }
  DrawBackground(reinterpret_cast<HDC>(message.WParam));
  message.Result = 1;
}

void TWinControl::WMGetText(TMessage& message) {
  if (WrapsSystemClass()) DefaultHandler(message);
  else TControl::DefaultHandler(message);
}

void TWinControl::WMGetTextLength(TMessage& message) { WMGetText(message); }

AnsiString TWinControl::GetText() const {
  if (handle_ == nullptr || !WrapsSystemClass()) return text_;
  const int length = GetWindowTextLengthA(handle_);
  AnsiString text;
  text.SetLength(length);
  GetWindowTextA(handle_, text.WritableBuffer(), length + 1);
  return text;
}

void TWinControl::SetTextValue(const AnsiString& text) {
  text_ = text;
  if (handle_ != nullptr) SetWindowTextA(handle_, text.c_str());
}

void TWinControl::WMSize(TMessage& message) {
  DefaultHandler(message);
  ClientResized();
  Resize();
}

void TWinControl::ClientResized() {
  const TRect client = ClientRect();
  SetControlState(csAligning, true);
  for (TControl* child : controls_) child->AnchorToParent(client.Width(), client.Height());
  SetControlState(csAligning, false);
  Realign();
}

void TWinControl::WMWindowPosChanged(TMessage& message) {
  const auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
  if ((pos->flags & SWP_NOSIZE) == 0 || (pos->flags & SWP_NOMOVE) == 0) {
    RECT r;
    GetWindowRect(handle_, &r);
    HWND parentWindow = GetParent(handle_);
    if (parentWindow != nullptr && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD) != 0)
      MapWindowPoints(nullptr, parentWindow, reinterpret_cast<POINT*>(&r), 2);
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
  }
  DefaultHandler(message);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  const int oldWidth = Width(), oldHeight = Height();
  TControl::SetBounds(left, top, width, height);
  if (handle_ == nullptr && (Width() != oldWidth || Height() != oldHeight)) {
    ClientResized();
    Resize();
  }
}

void TWinControl::BoundsChanged() {
  if (handle_ == nullptr) return;
  SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

TRect TWinControl::ClientRect() const {
  if (handle_ == nullptr) return TControl::ClientRect();
  RECT r;
  GetClientRect(handle_, &r);
  return Rect(r.left, r.top, r.right, r.bottom);
}

TPoint TWinControl::ClientOrigin() const {
  if (handle_ == nullptr) return TControl::ClientOrigin();
  POINT origin{0, 0};
  ::ClientToScreen(handle_, &origin);
  return Point(origin.x, origin.y);
}

bool TWinControl::Showing() const {
  if (handle_ != nullptr) return IsWindowVisible(handle_) != FALSE;
  return TControl::Showing();
}

void TWinControl::UpdateShowing() {
  if (Visible() && parent_ != nullptr && parent_->HandleAllocated()) {
    ShowWindow(Handle(), SW_SHOWNA);
  } else if (handle_ != nullptr && !Visible()) {
    ShowWindow(handle_, SW_HIDE);
  }
}

void TWinControl::Invalidate() {
  if (handle_ != nullptr) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_ != nullptr) UpdateWindow(handle_);
}

void TWinControl::WMSetCursor(TMessage& message) {
  if (LOWORD(message.LParam) == HTCLIENT && Screen != nullptr) {
    TCursor cursor = Screen->Cursor();
    if (cursor == crDefault) {
      POINT p;
      GetCursorPos(&p);
      ::ScreenToClient(handle_, &p);
      TControl* child = ControlAtPos(Point(p.x, p.y), false);
      cursor = child != nullptr ? child->Cursor() : Cursor();
    }
    if (cursor != crDefault) {
      ::SetCursor(Screen->Cursors(cursor));
      message.Result = 1;
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMKey(TMessage& message) {
  auto key = static_cast<WORD>(message.WParam);
  const bool down = message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN;
  const TShiftState shift = KeyboardShiftState();
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form != this && form->KeyPreview()) {
    if (down) form->KeyDown(key, shift);
    else form->KeyUp(key, shift);
  }
  if (key != 0) {
    if (down) KeyDown(key, shift);
    else KeyUp(key, shift);
  }
  if (key == 0) return;
  message.WParam = key;
  DefaultHandler(message);
}

void TWinControl::WMChar(TMessage& message) {
  char key = static_cast<char>(message.WParam);
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form != this && form->KeyPreview()) form->KeyPress(key);
  if (key != 0) KeyPress(key);
  if (key == 0) return;
  message.WParam = static_cast<unsigned char>(key);
  DefaultHandler(message);
}

bool TWinControl::WantsKey(WORD key) {
  UINT mask = 0;
  switch (key) {
    case VK_TAB:
      mask = DLGC_WANTTAB;
      break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      mask = DLGC_WANTARROWS;
      break;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
    case VK_EXECUTE:
      mask = DLGC_WANTALLKEYS;
      break;
    default:
      return true;
  }
  if (Perform(CM_WANTSPECIALKEY, key) != 0) return true;
  return (Perform(WM_GETDLGCODE) & (mask | DLGC_WANTALLKEYS)) != 0;
}

void TWinControl::WMSetFocus(TMessage& message) {
  DefaultHandler(message);
  if (TCustomForm* form = GetParentForm(this)) form->FocusChanged(this);
}

void TWinControl::WMCommandReflect(TMessage& message) {
  TWinControl* child = FindControl(NotifyingChild(message));
  if (child != nullptr && child != this) {
    message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return;
  }
  DefaultHandler(message);
}

void TWinControl::CMReflectColor(TMessage& message) {
  auto dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  SetBkColor(dc, ColorToRGB(Color()));
  if (brush_ == nullptr) brush_ = CreateSolidBrush(ColorToRGB(Color()));
  message.Result = reinterpret_cast<LRESULT>(brush_);
}

void TWinControl::WMNCDestroy(TMessage& message) {
  DefaultHandler(message);
  handle_ = nullptr;
}

void TWinControl::InsertControl(TControl* control) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed == nullptr) {
    auto firstWindowed = std::find_if(controls_.begin(), controls_.end(),
                                      [](TControl* c) { return dynamic_cast<TWinControl*>(c) != nullptr; });
    controls_.insert(firstWindowed, control);
  } else {
    controls_.push_back(control);
    tabList_.push_back(windowed);
  }
  control->parent_ = this;
  control->UpdateAnchorRules();
  control->Perform(CM_PARENTFONTCHANGED);
  control->Perform(CM_PARENTCOLORCHANGED);
  if (windowed != nullptr && handle_ != nullptr) {
    if (windowed->handle_ != nullptr) ReparentWindow(windowed);
    else windowed->HandleNeeded();
  }
  if (control->Align() != alNone) Realign();
  control->Invalidate();
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
}

void TWinControl::ReparentWindow(TWinControl* child) { ::SetParent(child->handle_, handle_); }

void TWinControl::RemoveControl(TControl* control) {
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
  control->Invalidate();
  std::erase(controls_, control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    std::erase(tabList_, windowed);
    windowed->DestroyHandle();
  }
  control->parent_ = nullptr;
  if (control->Align() != alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c != nullptr; c = c->Parent()) {
    if (c == this) return true;
  }
  return false;
}

void TWinControl::MoveControl(TControl* control, bool topMost) {
  const bool windowed = dynamic_cast<TWinControl*>(control) != nullptr;
  std::erase(controls_, control);
  auto sameKind = [windowed](TControl* c) { return (dynamic_cast<TWinControl*>(c) != nullptr) == windowed; };
  if (topMost) {
    auto after = windowed ? controls_.end() : std::find_if_not(controls_.begin(), controls_.end(), sameKind);
    controls_.insert(after, control);
  } else {
    auto first = std::find_if(controls_.begin(), controls_.end(), sameKind);
    controls_.insert(windowed ? first : controls_.begin(), control);
  }
  auto* child = dynamic_cast<TWinControl*>(control);
  if (child != nullptr && child->handle_ != nullptr)
    SetWindowPos(child->handle_, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TControl* TWinControl::ControlAtPos(const TPoint& pos, bool allowDisabled, bool allowWinControls) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    const bool windowed = dynamic_cast<TWinControl*>(c) != nullptr;
    if (windowed && !allowWinControls) continue;
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
    const TRect r = c->BoundsRect();
    if (pos.X < r.Left || pos.Y < r.Top || pos.X >= r.Right || pos.Y >= r.Bottom) continue;
    if (c->Perform(CM_HITTEST, 0, PointParam(pos.X - r.Left, pos.Y - r.Top)) != 0) return c;
  }
  return nullptr;
}

LRESULT TWinControl::Broadcast(TMessage& message) {
  for (TControl* child : std::vector<TControl*>(controls_)) {
    child->WindowProc(message);
    if (message.Result != 0) return message.Result;
  }
  return 0;
}

void TWinControl::ScrollBy(int dx, int dy) {
  SetControlState(csAligning, true);
  for (TControl* child : controls_) child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
  SetControlState(csAligning, false);
  for (TControl* child : controls_) child->UpdateAnchorRules();
  Invalidate();
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0) return;
  TRect rect = ClientRect();
  AdjustClientRect(rect);
  SetControlState(csAligning, true);
  AlignControls(nullptr, rect);
  SetControlState(csAligning, false);
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

namespace {
// The children aligned `kind` in the order they are placed: the nearest to the edge they
// hold first (their current position decides; equal ones keep the list order).
std::vector<TControl*> AlignedOf(const std::vector<TControl*>& controls, TAlign kind) {
  std::vector<TControl*> aligned;
  for (TControl* c : controls) {
    if (c->Align() == kind && c->Visible()) aligned.push_back(c);
  }
  auto key = [kind](const TControl* c) {
    switch (kind) {
      case alTop:
        return c->Top();
      case alBottom:
        return -(c->Top() + c->Height());
      case alLeft:
        return c->Left();
      case alRight:
        return -(c->Left() + c->Width());
      default:
        return 0;
    }
  };
  std::stable_sort(aligned.begin(), aligned.end(), [&](TControl* a, TControl* b) { return key(a) < key(b); });
  return aligned;
}
}  // namespace

void TWinControl::AlignControls(TControl*, TRect& rect) {
  for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : AlignedOf(controls_, kind)) {
      const int w = c->Width(), h = c->Height();
      switch (kind) {
        case alTop:
          c->SetBounds(rect.Left, rect.Top, rect.Width(), h);
          rect.Top += c->Height();
          break;
        case alBottom:
          c->SetBounds(rect.Left, rect.Bottom - h, rect.Width(), h);
          rect.Bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(rect.Left, rect.Top, w, rect.Height());
          rect.Left += c->Width();
          break;
        case alRight:
          c->SetBounds(rect.Right - w, rect.Top, w, rect.Height());
          rect.Right -= c->Width();
          break;
        default:
          c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
      }
    }
  }
}

int TWinControl::TabOrder() const {
  if (parent_ == nullptr) return -1;
  const auto& list = parent_->tabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (parent_ == nullptr) return;
  auto& list = parent_->tabList_;
  std::erase(list, this);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

std::vector<TWinControl*> TWinControl::TabOrderList(bool deep) const {
  std::vector<TWinControl*> result;
  for (TWinControl* child : tabList_) {
    result.push_back(child);
    if (deep) {
      auto inner = child->TabOrderList(true);
      result.insert(result.end(), inner.begin(), inner.end());
    }
  }
  return result;
}

void TWinControl::ShowControl(TControl* control) {
  (void)control;
  if (parent_ != nullptr) parent_->ShowControl(this);
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c != nullptr; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const { return handle_ != nullptr && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  auto list = TabOrderList(true);
  if (list.empty()) return;
  if (!forward) std::reverse(list.begin(), list.end());
  auto start = std::find(list.begin(), list.end(), current);
  const size_t count = list.size();
  size_t index = start == list.end() ? count - 1 : static_cast<size_t>(start - list.begin());
  for (size_t step = 1; step <= count; ++step) {
    TWinControl* candidate = list[(index + step) % count];
    if (candidate == current) break;
    if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop())) {
      candidate->SetFocus();
      return;
    }
  }
}
