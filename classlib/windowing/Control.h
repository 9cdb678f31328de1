#pragma once
#include "classlib/graphics/Colors.h"
#include "classlib/graphics/Cursors.h"
#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/graphics/Types.h"
#include "classlib/runtime/Component.h"
#include "classlib/runtime/Events.h"
#include "classlib/runtime/Messages.h"
#include "classlib/runtime/Sets.h"
#include "classlib/windowing/ControlMessages.h"

class TWinControl;
class TControl;
class TPopupMenu;
class TBasicAction;
class TBasicActionLink;
class TControlActionLink;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

// What a control class is: set by its constructor.
enum TControlStyleFlag {
  csAcceptsControls,  // may parent other controls
  csCaptureMouse,     // keeps the mouse from a press until its release
  csClickEvents,      // a press and a release inside make a Click
  csSetCaption,       // the name becomes the caption while they are equal
  csOpaque,           // paints its whole rectangle
  csDoubleClicks,     // receives double clicks as such
  csPaintWindow,      // a wrapped system class painted through PaintWindow, not by its own procedure
};
using TControlStyle = TSet<TControlStyleFlag>;

// What a control is doing now. csPaintCopy: it is painting into another control's
// picture (a copy of what it shows), not onto the screen.
enum TControlStateFlag { csLButtonDown, csFocusing, csCreating, csAligning, csPaintCopy };
using TControlState = TSet<TControlStateFlag>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftFlag>;

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;
// A wheel turn: the shift state, the signed distance (WHEEL_DELTA a notch, positive
// away from the user), the pointer in client coordinates; set handled to stop it.
using TMouseWheelEvent = TEvent<TObject*, TShiftState, int, TPoint, bool&>;
using TMouseWheelUpDownEvent = TEvent<TObject*, TShiftState, TPoint, bool&>;
// A context menu is asked for at a client point ((-1, -1) from the keyboard); set
// handled to refuse the control's PopupMenu.
using TContextPopupEvent = TEvent<TObject*, TPoint, bool&>;

// The shift state of a mouse message's wParam, or of the keyboard now (keyData 0).
TShiftState MouseShiftState(WPARAM keys);
TShiftState KeyboardShiftState();

// The control holding the mouse from a press until its release (or null); a window-less
// one holds it through its parent's window.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);

// Limits of a control's size; 0 means no limit.
class TSizeConstraints : public TPersistent {
  CLASSLIB_CLASS(TSizeConstraints, TPersistent)
 public:
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
  // Brings a width and height within the limits.
  void Apply(int& width, int& height) const;
};

// A visible element: bounds relative to its parent's client area, caption, colour and
// font, alignment and anchors, mouse handling and the message chain.
//
// Messages: WindowProc (assignable, first WndProc) sees every message sent to the
// control by Perform or, for windowed controls, by the system. WndProc hands them to
// Dispatch, which each class overrides with its handlers by message number and which
// ends in DefaultHandler for numbers no class handles.
class TControl : public TComponent {
  CLASSLIB_CLASS(TControl, TComponent)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual void SetBounds(int left, int top, int width, int height);
  virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  virtual void SetClientSize(int width, int height);
  virtual TPoint ClientOrigin() const;  // client (0,0) in screen coordinates
  TPoint ClientToScreen(const TPoint& p) const;
  TPoint ScreenToClient(const TPoint& p) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(const TAnchors& anchors);
  TSizeConstraints* Constraints() const { return constraints_; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Lets the parents make room for the control first (a splitter shows its pane), then shows it.
  void Show();
  void Hide() { SetVisible(false); }
  // Visible and every parent showing.
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  AnsiString Caption() const { return GetText(); }
  void SetCaption(const AnsiString& text) { SetText(text); }
  AnsiString Text() const { return GetText(); }
  void SetText(const AnsiString& text);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool on);
  TFont* Font() const { return font_; }
  void SetFont(TFont* font) { font_->Assign(font); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool on);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  AnsiString Hint() const { return hint_; }
  void SetHint(const AnsiString& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);

  const TControlStyle& ControlStyle() const { return controlStyle_; }
  void SetControlStyle(const TControlStyle& style) { controlStyle_ = style; }
  const TControlState& ControlState() const { return controlState_; }
  void SetControlState(TControlStateFlag flag, bool on) {
    if (on) controlState_.Include(flag); else controlState_.Exclude(flag);
  }

  // Sends a message through WindowProc and answers its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // The message procedure; initially WndProc. Assign to hook, assign back to restore.
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& message);
  // Handlers by message number; classes override and call the parent's for the rest.
  virtual void Dispatch(TMessage& message);
  // Messages no handler took.
  virtual void DefaultHandler(TMessage& message);

  virtual void Invalidate();
  virtual void Update() {}
  void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();
  virtual bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  // Frees the control once the current message is done (safe within its own handlers).
  void Release();

  // The menu a right click (or the menu key) opens on the control; unset: the parent's.
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);
  // The action whose caption, enabled state, hint, visibility and execution the control
  // shares (OnClick then runs it).
  TBasicAction* Action() const;
  void SetAction(TBasicAction* action);
  TControlActionLink* ActionLink() const { return actionLink_; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TContextPopupEvent OnContextPopup;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  virtual void Click();
  // Renames; while the caption equals the name (csSetCaption), the caption follows.
  void SetName(const AnsiString& name) override;

 protected:
  virtual AnsiString GetText() const { return text_; }
  virtual void SetTextValue(const AnsiString& text);
  virtual void SetZOrder(bool topMost);
  virtual void VisibleChanging() {}
  virtual void Resize() { OnResize(this); }
  virtual void DblClick() { OnDblClick(this); }
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  // OnContextPopup; handled stops the PopupMenu.
  virtual void DoContextPopup(const TPoint& mousePos, bool& handled);
  // A wheel turn: OnMouseWheel, then OnMouseWheelDown or OnMouseWheelUp; true: handled.
  virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, const TPoint& mousePos);
  virtual bool DoMouseWheelDown(TShiftState shift, const TPoint& mousePos);
  virtual bool DoMouseWheelUp(TShiftState shift, const TPoint& mousePos);
  // The action `sender` changed (or was just linked, then with `checkDefaults`: only
  // the properties still at their defaults take the action's values).
  virtual void ActionChange(TObject* sender, bool checkDefaults);
  // The class of the link made for Action (a TControlActionLink).
  virtual TClass GetActionLinkClass() const;
  // The checked state an action shares with controls that have one.
  virtual bool GetChecked() const { return false; }
  virtual void SetChecked(bool value) { (void)value; }
  void Notification(TComponent* component, TOperation operation) override;
  // Bounds were set; windowed controls move their window.
  virtual void BoundsChanged() { Invalidate(); }
  // Invalidates the control's rectangle in its parent (when it shows or showed).
  void InvalidateControl(bool wasVisible);
  // Keeps the distances to the parent's edges that akRight/akBottom hold.
  void UpdateAnchorRules();
  void AnchorToParent(int parentWidth, int parentHeight);
  void RequestAlign();

  // Message handlers of every control.
  void WMMouse(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMParentFontChanged(TMessage& message);
  void CMParentColorChanged(TMessage& message);
  void CMHitTest(TMessage& message);
  void WMContextMenu(TMessage& message);
  void WMMouseWheel(TMessage& message);

  friend class TWinControl;
  friend class TControlActionLink;

 private:
  void FontChanged(TObject* sender);
  void DoMouseButton(TMessage& message, TMouseButton button, bool down);

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  int anchorRight_ = 0;   // parent client width - right edge
  int anchorBottom_ = 0;  // parent client height - bottom edge
  TAlign align_ = alNone;
  TAnchors anchors_{akLeft, akTop};
  TSizeConstraints* constraints_;
  bool visible_ = true;
  bool enabled_ = true;
  AnsiString text_;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  TFont* font_;
  bool parentFont_ = true;
  TCursor cursor_ = crDefault;
  AnsiString hint_;
  bool showHint_ = false;
  TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState controlState_;
  TPopupMenu* popupMenu_ = nullptr;
  TControlActionLink* actionLink_ = nullptr;
};
