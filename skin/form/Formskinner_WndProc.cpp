// The replacement window procedure of a skinned form: per message, the component's work
// and whether the form's saved procedure runs before it, after it or not at all.
#include "skin/form/Formskinner.h"

void TspFormSkinner::NewWndProc(TMessage& message) {
  if (HandleFrameMessage(message) || HandleSkinMessage(message)) return;
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
    case CM_SKINFORMQUERY:
      message.Result = skinnableForm_ || !VistaOS ? kSkinnedFormAnswer : kUnskinnedFormAnswer;
      return;
    default:
      OldWindowProc(message);
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
      if (!SkinUsable) return false;  // the built-in frame without a skin comes with the default look
      if (OwnerForm->BorderStyle() != bsNone) PaintNCSkin(nullptr, false);
      message.Result = 0;
      return true;
    case WM_NCACTIVATE:
      NCActivated = message.WParam != 0;
      message.Result = 1;
      if (OwnerForm->BorderStyle() != bsNone) RepaintFrame();
      FormChangeActive(OwnerForm->BorderStyle() != bsNone);
      return true;
    case WM_ACTIVATE:
      OldWindowProc(message);
      if (supportNCArea_) RepaintFrame();
      FormChangeActive(true);
      return true;
    case WM_SETTEXT:
      OldWindowProc(message);
      if (OwnerForm->BorderStyle() != bsNone) RepaintFrame();
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

void TspFormSkinner::WMSize() {
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
  if (message.WParam == 0) return;
  if (PositionPending && (PositionInMonitor == sppDefault || WindowState == spwsNormal)) {
    PositionPending = false;
    ApplyPositionInMonitor();
  }
  if (!skinnableForm_) return;
  if (supportNCArea_) {
    UpDateForm();
  } else {
    ControlsToAreas();
  }
}

void TspFormSkinner::PaintFrameInto(HDC dc) {
  if (!supportNCArea_ || OwnerForm->BorderStyle() == bsNone || !SkinUsable) return;
  PaintNCSkin(dc, true);
}

void TspFormSkinner::RepaintFrame() {
  if (OwnerForm->HandleAllocated()) SendMessageA(OwnerForm->Handle(), WM_NCPAINT, 1, 0);
}

void TspFormSkinner::RepaintForm() {
  if (!OwnerForm->HandleAllocated()) return;
  InvalidateRect(OwnerForm->Handle(), nullptr, TRUE);
  UpdateWindow(OwnerForm->Handle());
}
