#pragma once
#include <vector>

#include "classlib/windowing/WindowBinding.h"

#include "classlib/windowing/Control.h"

// What CreateWnd hands to CreateWindowEx; CreateParams fills it and classes amend it.
struct TCreateParams {
  AnsiString Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  WNDCLASSA WindowClass{};
  AnsiString WinClassName;  // the C++ class's name unless a class changes it
};

// A control with a window of its own: children (windowed ones and window-less ones,
// the window-less first in Controls), focus, keys and tab order. Its window class is
// named after the C++ class; a class wrapping a system class (CreateSubClass) keeps
// the system procedure as the default handler.
class TWinControl : public TControl {
  CLASSLIB_CLASS(TWinControl, TControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Makes the window again (new style): children, text, bounds and state are kept.
  void RecreateWnd();

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(const TControl* control) const;
  // Moves a child to the top (or bottom) of its kind's z-order.
  void MoveControl(TControl* control, bool topMost);
  // Paints the control's own face (PaintWindow, without its children) into `dc`, in the
  // control's client coordinates: for pictures of what the control shows.
  void PaintWindowInto(HDC dc) { PaintWindow(dc); }
  // The child at a client point (window-less ones only unless `allowWinControls`),
  // the topmost visible one first, asking each with CM_HITTEST.
  TControl* ControlAtPos(const TPoint& pos, bool allowDisabled, bool allowWinControls = false) const;
  // Sends a message to every child; stops at the first that answers non-zero.
  LRESULT Broadcast(TMessage& message);
  void Realign();
  // Moves every child by (dx, dy) and repaints: the content scrolls.
  void ScrollBy(int dx, int dy);
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();

  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  bool Showing() const override;
  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  void Update() override;

  // Paints through an off-screen bitmap, so the window never shows a half-drawn state.
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value) { helpContext_ = value; }

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool on) { tabStop_ = on; }
  int TabOrder() const;
  void SetTabOrder(int order);
  // The windowed children in tab order (at any depth when `deep`).
  std::vector<TWinControl*> TabOrderList(bool deep) const;
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // Called by Show() of a child (`control`) before it is shown: passes the request up the
  // parents; a container that hides its children (a splitter's pane) overrides it.
  virtual void ShowControl(TControl* control);
  // Moves the focus to the next (or previous) control after `current` that can take it.
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  void Dispatch(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void WndProc(TMessage& message) override;
  // The window procedure of the control's window.
  void MainWndProc(TMessage& message);

  // Key handling that form key preview shares.
  virtual void KeyDown(WORD& key, TShiftState shift) { OnKeyDown(this, key, shift); }
  virtual void KeyUp(WORD& key, TShiftState shift) { OnKeyUp(this, key, shift); }
  virtual void KeyPress(char& key) { OnKeyPress(this, key); }
  // True when the control takes this key itself instead of leaving it to the form.
  bool WantsKey(WORD key);

 protected:
  virtual void CreateParams(TCreateParams& params);
  // Makes params use the system class `className` (its procedure becomes the default).
  void CreateSubClass(TCreateParams& params, const char* className);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  void DestroyHandle();
  // The window was made: children get their windows, state is restored.
  virtual void CreateHandleState();
  void SetTextValue(const AnsiString& text) override;
  AnsiString GetText() const override;
  void BoundsChanged() override;
  // The part of the client area that aligned children share (the whole by default).
  virtual void AdjustClientRect(TRect& rect) { (void)rect; }
  virtual void AlignControls(TControl* control, TRect& rect);
  TClass GetActionLinkClass() const override;
  virtual void PaintControls(HDC dc, TControl* first);
  // Paints the window into `dc`: PaintWindow, then the window-less children.
  void PaintHandler(HDC dc);
  // Paints the control's own face (custom controls draw their canvas here).
  virtual void PaintWindow(HDC dc) { (void)dc; }
  // True when the window is of a wrapped system class.
  bool WrapsSystemClass() const;
  // The client area changed size: anchored children follow, aligned ones realign.
  void ClientResized();
  void UpdateShowing();
  virtual void DoEnter() { OnEnter(this); }
  virtual void DoExit() { OnExit(this); }
  // Whether a pointer message for a window-less child was handed to it.
  bool IsControlMouseMsg(TMessage& message);

  void WMPaint(TMessage& message);
  void WMContextMenu(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMGetText(TMessage& message);
  void WMGetTextLength(TMessage& message);
  void WMSize(TMessage& message);
  void WMWindowPosChanged(TMessage& message);
  void WMSetCursor(TMessage& message);
  void WMKey(TMessage& message);
  void WMChar(TMessage& message);
  void WMSetFocus(TMessage& message);
  void WMCommandReflect(TMessage& message);
  void WMNCDestroy(TMessage& message);
  void CMReflectColor(TMessage& message);

 private:
  friend class TCustomForm;
  friend class TApplication;
  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  TWndMethod mainMethod_;
  std::vector<TControl*> controls_;  // window-less first, then windowed, each in z-order
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  int alignDisabled_ = 0;
  HBRUSH brush_ = nullptr;
  class TCreationBinding* creation_ = nullptr;

  bool doubleBuffered_ = false;
  HDC bufferDC_ = nullptr;  // the off-screen context while a double-buffered paint runs
  int helpContext_ = 0;

  void RegisterWindowClass(TCreateParams& params);
  void PaintBuffered(HDC dc, const RECT& area);
  void ReparentWindow(TWinControl* child);
  void DrawBackground(HDC dc);
};

// The windowed class-library control that owns `window` (or null).
TWinControl* FindControl(HWND window);
// The form or top-most windowed parent of a control.
class TCustomForm;
TCustomForm* GetParentForm(const TControl* control);
