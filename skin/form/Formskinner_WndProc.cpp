// The replacement window procedure of a skinned form: per message, the component's work
// and whether the form's saved procedure runs before it, after it or not at all.
#include "skin/form/Formskinner.h"

namespace {


// The signed cursor point of a mouse message's lParam.
TPoint MessagePoint(const TMessage& message) {
  return Point(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam)));
}

TPoint CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return Point(p.x, p.y);
}

// Whether windows show their contents while the platform moves or sizes them.
bool GetFullDragg() {
  BOOL full = FALSE;
  SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
  return full != FALSE;
}

bool IsSizingCode(LRESULT code) { return code == HTCLIENT || (code >= HTLEFT && code <= HTBOTTOMRIGHT); }

}  // namespace

void TspFormSkinner::NewWndProc(TMessage& message) {
  CheckMenuVisible(message.Msg);
  if (HandleMenuMessage(message) || HandleFrameMessage(message) || HandleSkinMessage(message) || HandleObjectMessage(message) ||
      HandleSizeMoveMessage(message)) {
    return;
  }
  switch (message.Msg) {
    case WM_SIZE:
      OldWindowProc(message);
      WMSize();
      return;
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_SHOWWINDOW:
      WMShowWindow(message);
      OldWindowProc(message);
      return;
    case WM_TIMER:
      if (message.WParam == kFadeTimerId && TranslucencyUsable()) FadeStep();
      OldWindowProc(message);
      return;
    case CM_SKINFORMQUERY:
      message.Result = skinnableForm_ || !VistaOS ? kSkinnedFormAnswer : kUnskinnedFormAnswer;
      return;
    default:
      OldWindowProc(message);
      if (supportNCArea_) {
        DispatchNCMouse(message);
      } else {
        DispatchMouse(message);
      }
  }
}

// The rows that hold only while the form is skinned: the frame, activation and caption.
bool TspFormSkinner::HandleFrameMessage(TMessage& message) {
  if (!skinnableForm_) return false;
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      WMNCCalcSize(message);
      return true;
    case WM_NCPAINT:
      if (!SkinUsable && !supportNCArea_) return false;
      PaintFrameInto(nullptr);
      message.Result = 0;
      return true;
    case WM_NCACTIVATE:
      NCActivated = message.WParam != 0;
      message.Result = 1;
      if (OwnerForm->BorderStyle() != bsNone) RepaintFrame();
      FormChangeActive(OwnerForm->BorderStyle() != bsNone);
      return true;
    case WM_ACTIVATE:
      Dragging = false;
      OldWindowProc(message);
      if (supportNCArea_) {
        RepaintFrame();
        TestActive(-1, -1, false);
        UpDateActiveObjects();
      }
      FormChangeActive(true);
      return true;
    case WM_SETTEXT:
      OldWindowProc(message);
      if (OwnerForm->BorderStyle() == bsNone) return true;
      if (SkinUsable) SetDefaultCaptionText(OwnerForm->Caption());
      RepaintFrame();
      return true;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
      info->ptMinTrackSize = POINT{GetMinWidth(), GetMinHeight()};
      info->ptMaxTrackSize = POINT{GetMaxWidth(), GetMaxHeight()};
      OldWindowProc(message);
      return true;
    }
    case CM_SENCPAINT:
      if (message.WParam != 0) PaintFrameInto(reinterpret_cast<HDC>(message.WParam));
      message.Result = kSENCPaintAnswer;
      return true;
    case CM_BENCPAINT:
      if (message.LParam != kBENCPaintTag) return false;
      if (message.WParam != 0) PaintFrameInto(reinterpret_cast<HDC>(message.WParam));
      message.Result = kBENCPaintTag;
      return true;
    default:
      return false;
  }
}

// The skin data's announcements (wParam the skin data): before, at and after a change,
// and a change of its SkinnableForm.
bool TspFormSkinner::HandleSkinMessage(TMessage& message) {
  auto* announced = reinterpret_cast<TspSkinData*>(message.WParam);
  switch (message.Msg) {
    case WM_BEFORECHANGESKINDATA:
      if (announced != skinData_) return false;
      SkinLoading = true;
      SkinUsable = false;
      MouseTimer->SetEnabled(false);
      MorphTimer->SetEnabled(false);
      AnimateTimer->SetEnabled(false);
      ClearObjects();
      BeforeUpDateSkinControls(announced, OwnerForm);
      BeforeUpDateSkinComponents(announced);
      break;
    case WM_CHANGESKINDATA:
      SkinLoading = false;
      if (announced == skinData_) ChangeSkinData();
      UpDateSkinControls(announced, OwnerForm);
      UpDateSkinComponents(announced);
      break;
    case WM_CHANGEFORMSKINNABLE:
      if (skinData_ == nullptr || announced != skinData_) return false;
      SetSkinnableForm(skinData_->SkinnableForm());
      break;
    default:
      return false;
  }
  OldWindowProc(message);
  return true;
}

// The pointer's rows: hit tests, the cursor, the object hints' texts, the timers' end
// and the restore command.
bool TspFormSkinner::HandleObjectMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCHITTEST:
      if (supportNCArea_ ? !skinnableForm_ : !SkinUsable) return false;
      // A borderless form has no built-in frame to hit.
      if (supportNCArea_ && !SkinUsable && OwnerForm->BorderStyle() == bsNone) return false;
      WMNCHitTest(message);
      return true;
    case WM_SETCURSOR:
      if (supportNCArea_ && UseFormCursorInNCArea && skinnableForm_) WMSetCursor(message);
      OldWindowProc(message);
      return true;
    case WM_DESTROY:
      MouseTimer->SetEnabled(false);
      MorphTimer->SetEnabled(false);
      AnimateTimer->SetEnabled(false);
      StopFade();
      OldWindowProc(message);
      return true;
    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) != SC_RESTORE) return false;
      OnRestore(this);
      OldWindowProc(message);
      return true;
    case WM_CHANGERESOURCESTRDATA:
      CheckObjectsHint();
      OldWindowProc(message);
      return true;
    default:
      return false;
  }
}

void TspFormSkinner::WMNCHitTest(TMessage& message) {
  const TPoint screen = MessagePoint(message);
  if (supportNCArea_) {
    const TPoint p = PointToNCPoint(screen);
    message.Result = SkinUsable ? NewNCHitTest(p) : NewDefNCHitTest(p);
    if (!MouseTimer->Enabled() && message.Result == HTOBJECT) {
      TestActive(p.X, p.Y, true);
      MouseTimer->SetEnabled(true);
    }
    return;
  }
  POINT client{screen.X, screen.Y};
  ScreenToClient(OwnerForm->Handle(), &client);
  if (!MouseTracking) {
    MouseTracking = true;
    TestActive(client.x, client.y, true);
    MouseTimer->SetEnabled(true);
  }
  message.Result = NewHitTest(Point(client.x, client.y));
}

// Over the frame the form's own cursor shows, except where the frame sizes the form.
void TspFormSkinner::WMSetCursor(TMessage& message) {
  const WORD code = LOWORD(message.LParam);
  if (IsSizingCode(code)) return;
  message.LParam = MAKELPARAM(HTCLIENT, HIWORD(message.LParam));
}

// The platform's move and size loops: the objects let go of the pointer, the snap
// flags start afresh, the frame follows a full-drag sizing, a maximised form stays put.
bool TspFormSkinner::HandleSizeMoveMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZING: {
      if (!(InSizeMove && FullDragg)) return false;
      ClearSnaps();
      OldWindowProc(message);
      const RECT& proposed = *reinterpret_cast<RECT*>(message.LParam);
      const int width = OwnerForm->Width();
      const int height = OwnerForm->Height();
      NewFormWidth = proposed.right - proposed.left;
      NewFormHeight = proposed.bottom - proposed.top;
      if (skinData_ == nullptr || (skinData_->Empty && skinnableForm_ && supportNCArea_)) {
        CreateNewRegion(true);
      } else if (skinnableForm_ && supportNCArea_ && width >= GetMinWidth() && height >= GetMinHeight() &&
                 (width != NewFormWidth || height != NewFormHeight)) {
        CreateNewForm(true);
      }
      return true;
    }
    case WM_MOVING:
      if (!skinnableForm_) return false;
      WMMoving(*reinterpret_cast<RECT*>(message.LParam));
      OldWindowProc(message);
      return true;
    case WM_ENTERSIZEMOVE:
      SnapCursorPos = CursorPos();
      if (supportNCArea_ && skinnableForm_) {
        UpDateActiveObjects();
        ResetObjectTracking();
        InSizeMove = true;
        FullDragg = GetFullDragg();
      }
      OldWindowProc(message);
      return true;
    case WM_EXITSIZEMOVE:
      if (supportNCArea_ && skinnableForm_) {
        ResetObjectTracking();
        if (SkinDataUsable()) RepaintFrame();
      }
      OldWindowProc(message);
      return true;
    default:
      return false;
  }
}

// The objects lose the pointer.
void TspFormSkinner::ResetObjectTracking() {
  MouseTimer->SetEnabled(false);
  ActiveObject = OldActiveObject = CaptureObject = -1;
}

void TspFormSkinner::WMMoving(RECT& proposed) {
  if (WindowState == spwsMaximized) {
    proposed = RECT{OwnerForm->Left(), OwnerForm->Top(), OwnerForm->Left() + OwnerForm->Width(),
                    OwnerForm->Top() + OwnerForm->Height()};
    return;
  }
  if (!Magnetic) return;
  const int width = proposed.right - proposed.left;
  const int height = proposed.bottom - proposed.top;
  int left = proposed.left;
  int top = proposed.top;
  DoMagnetic(left, top, OwnerForm->Width(), OwnerForm->Height());
  proposed = RECT{left, top, left + width, top + height};
}

// Client mode: the pointer in client coordinates goes to the objects; a press on no
// object of a DraggAble form drags it.
void TspFormSkinner::DispatchMouse(const TMessage& message) {
  const TPoint p = MessagePoint(message);
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(p.X, p.Y);
      if (Dragging) DragTo(CursorPos());
      break;
    case WM_LBUTTONDOWN:
      SnapCursorPos = CursorPos();
      MouseDown(mbLeft, p.X, p.Y);
      break;
    case WM_LBUTTONUP: MouseUp(mbLeft, p.X, p.Y); break;
    case WM_LBUTTONDBLCLK:
      MouseDown(mbLeft, p.X, p.Y);
      MouseDBlClick();
      CheckWindowState();
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: MouseDown(mbRight, p.X, p.Y); break;
    case WM_RBUTTONUP: MouseUp(mbRight, p.X, p.Y); break;
    default: break;
  }
}

// Non-client mode: the pointer in frame coordinates goes to the objects of the frame; a
// press that started a move or size loop only ends it.
void TspFormSkinner::DispatchNCMouse(const TMessage& message) {
  if (!skinnableForm_) return;
  const TPoint p = PointToNCPoint(MessagePoint(message));
  const bool onCaption = message.WParam == HTCAPTION;
  switch (message.Msg) {
    case WM_NCMOUSEMOVE: MouseMove(p.X, p.Y); break;
    case WM_NCLBUTTONDOWN:
      if (InSizeMove) {
        InSizeMove = false;
        break;
      }
      TestActive(p.X, p.Y, true);
      MouseDown(mbLeft, p.X, p.Y);
      if (onCaption) CaptureObject = -1;
      break;
    case WM_NCLBUTTONUP:
      try {
        MouseUp(mbLeft, p.X, p.Y);
      } catch (...) {
        // A failing object's release must not end the pointer's handling of the frame.
      }
      break;
    case WM_NCLBUTTONDBLCLK:
      TestActive(p.X, p.Y, true);
      MouseDown(mbLeft, p.X, p.Y);
      MouseDBlClick();
      if (onCaption) CaptionDoubleClick();
      break;
    case WM_NCRBUTTONDOWN:
      TestActive(p.X, p.Y, true);
      MouseDown(mbRight, p.X, p.Y);
      if (!onCaption) break;
      CaptureObject = -1;
      TrackSystemMenu(MessagePoint(message).X, MessagePoint(message).Y);
      break;
    case WM_NCRBUTTONDBLCLK:
      TestActive(p.X, p.Y, true);
      MouseDown(mbRight, p.X, p.Y);
      if (onCaption) CaptureObject = -1;
      break;
    case WM_NCRBUTTONUP: MouseUp(mbRight, p.X, p.Y); break;
    case WM_LBUTTONUP: MouseUp(mbLeft, -1, -1); break;
    case WM_RBUTTONUP: MouseUp(mbRight, -1, -1); break;
    default: break;
  }
}

// A double click on the caption maximises a sizeable form, or restores a maximised or
// minimised one. (Rolling up comes with the roll-up.)
void TspFormSkinner::CaptionDoubleClick() {
  CaptureObject = -1;
  if (!Sizeable) return;
  if (WindowState == spwsMinimized || WindowState == spwsMaximized) {
    SetWindowState(spwsNormal);
  } else if (BorderIcons.Contains(TspBorderIcon::biMaximize)) {
    SetWindowState(spwsMaximized);
  }
}

void TspFormSkinner::WMSize() {
  ClearSnaps();
  RECT window{};
  GetWindowRect(OwnerForm->Handle(), &window);
  NewFormWidth = window.right - window.left;
  NewFormHeight = window.bottom - window.top;
  if (SkinUsable) {
    if (supportNCArea_) {
      if (NewFormWidth >= GetMinWidth() && NewFormHeight >= GetMinHeight()) CreateNewForm(true);
    } else if (CanScale()) {
      CreateNewForm(true);
    } else if (OwnerForm->ClientWidth() == skinData_->Picture->Width() &&
               OwnerForm->ClientHeight() == skinData_->Picture->Height()) {
      CreateNewForm(false);
    }
  } else if (supportNCArea_) {
    RepaintFrame();
    CreateNewRegion(true);
  }
  RepaintTranslucentForm();
  if (supportNCArea_ && !logoBitMap_->Empty()) RepaintForm();
}

void TspFormSkinner::WMNCCalcSize(TMessage& message) {
  message.Result = 0;
  if (!supportNCArea_ || OwnerForm->BorderStyle() == bsNone) return;
  RECT& r = *reinterpret_cast<RECT*>(message.LParam);  // NCCALCSIZE_PARAMS starts with it too
  if (CanNCSupport()) {
    CalcRects();
    const TRect& client = skinData_->ClientRect;
    r.left += client.Left;
    r.top += client.Top;
    r.right -= skinData_->Picture->Width() - client.Right;
    r.bottom -= skinData_->Picture->Height() - client.Bottom;
  } else {
    r.left += 3;
    r.top += GetDefCaptionHeight() + 3;
    r.right -= 3;
    r.bottom -= 3;
  }
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
}

void TspFormSkinner::WMShowWindow(TMessage& message) {
  if (message.WParam == 0) {
    HideTranslucent();
    return;
  }
  if (PositionPending && (PositionInMonitor == sppDefault || WindowState == spwsNormal)) {
    PositionPending = false;
    ApplyPositionInMonitor();
  }
  StartFadeIn();
  if (!skinnableForm_) return;
  if (supportNCArea_) {
    UpDateForm();
  } else {
    ControlsToAreas();
  }
}

// The frame: into `dc`, or the window's own device context when null.
void TspFormSkinner::PaintFrameInto(HDC dc) {
  if (!supportNCArea_ || OwnerForm->BorderStyle() == bsNone) return;
  if (SkinUsable) {
    PaintNCSkin(dc, dc != nullptr);
  } else if (!SkinLoading) {
    PaintNCDefault(dc, dc != nullptr);
  }
}

void TspFormSkinner::RepaintFrame() {
  if (OwnerForm->HandleAllocated()) SendMessageA(OwnerForm->Handle(), WM_NCPAINT, 1, 0);
}

void TspFormSkinner::RepaintForm() {
  if (!OwnerForm->HandleAllocated()) return;
  InvalidateRect(OwnerForm->Handle(), nullptr, TRUE);
  UpdateWindow(OwnerForm->Handle());
}
