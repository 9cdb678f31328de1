// Where the skin's marks fall on a form of any size, and the window region from the mask.
// The picture is cut by its four corner points: what lies right of the right ones moves
// right by the width difference, what lies below the bottom ones moves down by the
// height difference, the parts between stretch.
#include <vector>

#include "skin/data/Sputils_Geometry.h"
#include "skin/data/Sputils_Regions.h"
#include "skin/form/Formskinner.h"
#include "skin/form/Formskinner_AnimateObject.h"

namespace {

// Right and bottom edges excluded.
bool InZone(const TRect& zone, int x, int y) {
  return x >= zone.Left && x < zone.Right && y >= zone.Top && y < zone.Bottom;
}

// The region of a mask band placed at (x, y), or none for an empty band.
TspRegion BandRegion(TBitmap* band, int x, int y) {
  std::vector<uint8_t> data;
  const int size = CreateRgnFromBmp(band, x, y, data);
  if (size == 0) return TspRegion();
  return TspRegion(
      RegionCalls().ExtCreateRegion(nullptr, static_cast<DWORD>(size), reinterpret_cast<const RGNDATA*>(data.data())));
}

// The visible caption buttons and animations of `command` whose face lies in a picture,
// in list order.
std::vector<TspActiveSkinObject*> PictureButtons(const std::vector<std::unique_ptr<TspActiveSkinObject>>& objects,
                                                 TStdCommand command) {
  std::vector<TspActiveSkinObject*> found;
  for (const auto& object : objects) {
    TStdCommand own = cmClose;
    if (ObjectCommand(object.get(), own) && own == command && object->Visible && object->SkinRectInAPicture) {
      found.push_back(object.get());
    }
  }
  return found;
}

}  // namespace

bool TspFormSkinner::CanScale() const {
  if (skinData_ == nullptr) return false;
  const TPoint lt = skinData_->LeftTopPoint;
  const TPoint rb = skinData_->RightBottomPoint;
  return lt.X != rb.X && lt.Y != rb.Y;
}

bool TspFormSkinner::CanNCSupport() const {
  return supportNCArea_ && SkinDataUsable() && !IsNullRect(skinData_->ClientRect);
}

void TspFormSkinner::CalcRects() {
  if (NewFormWidth == 0) NewFormWidth = OwnerForm->Width();
  if (NewFormHeight == 0) NewFormHeight = OwnerForm->Height();
  if (!SkinDataUsable()) return;
  const TspSkinData& s = *skinData_;
  const int w = s.Picture->Width();
  const int dx = NewFormWidth - w;
  const int dy = NewFormHeight - s.Picture->Height();
  CurLTPoint = s.LeftTopPoint;
  CurRTPoint = Point(s.RightTopPoint.X + dx, s.RightTopPoint.Y);
  CurLBPoint = Point(s.LeftBottomPoint.X, s.LeftBottomPoint.Y + dy);
  CurRBPoint = Point(s.RightBottomPoint.X + dx, s.RightBottomPoint.Y + dy);
  CurClRect = GrownRect(s.ClientRect, dx, dy);
  NewCaptionRect = IsNullRect(s.CaptionRect) ? s.CaptionRect : GrownRect(s.CaptionRect, dx, 0);
  NewButtonsRect = !IsNullRect(s.ButtonsRect) && s.ButtonsRect.Left > w / 2 ? MovedRect(s.ButtonsRect, dx, 0) : s.ButtonsRect;
  ButtonsOffset = s.ButtonsOffset;
  ButtonsInLeft = s.ButtonsInLeft;
  NewHitTestLTPoint = s.HitTestLeftTopPoint;
  NewHitTestRTPoint = Point(s.HitTestRightTopPoint.X + dx, s.HitTestRightTopPoint.Y);
  NewHitTestLBPoint = Point(s.HitTestLeftBottomPoint.X, s.HitTestLeftBottomPoint.Y + dy);
  NewHitTestRBPoint = Point(s.HitTestRightBottomPoint.X + dx, s.HitTestRightBottomPoint.Y + dy);
  NewMaskRectArea = GrownRect(s.MaskRectArea, dx, dy);
  NewIconRect = CalcRealObjectRect(s.IconRect);
  MainMenuRect = s.MainMenuRect;
  if (CanScale()) {
    MainMenuRect.Right += dx;
    const TRect bottomLeft = Rect(0, s.LeftBottomPoint.Y, s.LeftBottomPoint.X, s.Picture->Height());
    if (InZone(bottomLeft, MainMenuRect.Left, MainMenuRect.Top)) MainMenuRect = MovedRect(MainMenuRect, 0, dy);
  }
}

TRect TspFormSkinner::CalcRealObjectRect(const TRect& r) const {
  if (skinData_ == nullptr || skinData_->Picture->Empty()) return r;
  const TspSkinData& s = *skinData_;
  const int w = s.Picture->Width();
  const int h = s.Picture->Height();
  const TRect zlt = Rect(0, 0, s.LeftTopPoint.X, s.LeftTopPoint.Y);
  const TRect zlb = Rect(0, s.LeftBottomPoint.Y, s.LeftBottomPoint.X, h);
  const TRect zrt = Rect(s.RightTopPoint.X, 0, w, s.RightTopPoint.Y);
  const TRect zrb = Rect(s.RightBottomPoint.X, s.RightBottomPoint.Y, w, h);
  if (IsNullRect(zlt) && IsNullRect(zlb) && IsNullRect(zrt) && IsNullRect(zrb)) return r;
  const int dx = CurRBPoint.X - s.RightBottomPoint.X;
  const int dy = CurRBPoint.Y - s.RightBottomPoint.Y;
  if (RectInRect(r, zlt)) return r;
  if (RectInRect(r, zrt)) return MovedRect(r, dx, 0);
  if (RectInRect(r, zlb)) return MovedRect(r, 0, dy);
  if (RectInRect(r, zrb)) return MovedRect(r, dx, dy);
  const bool tlInLT = InZone(zlt, r.Left, r.Top);
  const bool tlInLB = InZone(zlb, r.Left, r.Top);
  const bool tlInRT = InZone(zrt, r.Left, r.Top);
  const bool brInRB = InZone(zrb, r.Right, r.Bottom);
  const bool brInRT = InZone(zrt, r.Right, r.Bottom);
  const bool brInLB = InZone(zlb, r.Right, r.Bottom);
  if (tlInLT && brInRB) return GrownRect(r, dx, dy);
  if (tlInLT && brInRT) return GrownRect(r, dx, 0);
  if (tlInLB && brInRB) return MovedRect(GrownRect(r, dx, 0), 0, dy);
  if (tlInLT && brInLB) return GrownRect(r, 0, dy);
  if (tlInRT && brInRB) return GrownRect(MovedRect(r, dx, 0), 0, dy);
  return r;
}

void TspFormSkinner::CalcAllRealObjectRect() {
  for (const auto& object : ObjectList) object->ObjectRect = CalcRealObjectRect(object->SkinRect);
  NewSizeGripRect = SkinDataUsable() && !IsNullRect(skinData_->SizeGripArea)
                        ? CalcRealObjectRect(skinData_->SizeGripArea)
                        : NullRect();
  if (supportNCArea_) LayOutCaptionButtons();
}

// Caption buttons and animations whose face lies in a picture carry no position: they
// line up in the buttons rectangle (else the caption rectangle), close first, from the
// right end leftwards (or from the left end rightwards); the system-menu one goes to the
// left end of the caption, in the form's icon size when a button shows the icon.
void TspFormSkinner::LayOutCaptionButtons() {
  const TRect base = !IsNullRect(NewButtonsRect) ? NewButtonsRect : NewCaptionRect;
  if (IsNullRect(base)) return;
  std::vector<TspActiveSkinObject*> row;
  for (TStdCommand command : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray}) {
    const auto buttons = PictureButtons(ObjectList, command);
    if (!buttons.empty()) row.push_back(buttons.front());
  }
  const auto custom = PictureButtons(ObjectList, cmDefault);
  row.insert(row.end(), custom.begin(), custom.end());
  const auto sysMenus = PictureButtons(ObjectList, cmSysMenu);
  TspActiveSkinObject* sysMenu = sysMenus.empty() ? nullptr : sysMenus.front();
  const int y = base.Top;
  int x = ButtonsInLeft ? base.Left : base.Right;
  for (TspActiveSkinObject* button : row) {
    const int w = RectWidth(button->SkinRect);
    const int h = RectHeight(button->SkinRect);
    button->ObjectRect = ButtonsInLeft ? Rect(x, y, x + w, y + h) : Rect(x - w, y, x, y + h);
    x += ButtonsInLeft ? w + ButtonsOffset : -(w + ButtonsOffset);
  }
  if (sysMenu == nullptr) return;
  int w = RectWidth(sysMenu->SkinRect);
  int h = RectHeight(sysMenu->SkinRect);
  if (showIcon_ && dynamic_cast<TspSkinStdButtonObject*>(sysMenu) != nullptr) GetIconSize(w, h);
  if (!ButtonsInLeft) {
    const int top = NewCaptionRect.Top + RectHeight(NewCaptionRect) / 2 - h / 2;
    sysMenu->ObjectRect = Rect(NewCaptionRect.Left, top, NewCaptionRect.Left + w, top + h);
  } else if (IsNullRect(NewButtonsRect)) {
    sysMenu->ObjectRect = Rect(x, y, x + w, y + h);
  }
}

void TspFormSkinner::CreateNewForm(bool scale) {
  if (Designing() || !SkinDataUsable()) return;
  if (skinnableForm_) {
    CalcRects();
    if (scale) CalcAllRealObjectRect();
  }
  CreateNewRegion(scale);
  OnChangeClientRect(CurClRect);
  if (supportNCArea_) {
    if (FormRegion == nullptr && skinnableForm_) RepaintFrame();
    if (SkinUsable && skinData_->StretchEffect) {
      RepaintForm();
      CheckControlsBackground();
    }
  } else {
    RepaintForm();
    ControlsToAreas();
  }
}

void TspFormSkinner::SetRegion(HRGN region) {
  TspRegion owned(region);
  if (owned.HandTo(OwnerForm->Handle(), true)) FormRegion = region;
}

void TspFormSkinner::RemoveRegion() {
  if (OwnerForm->HandleAllocated()) RegionCalls().SetWindowRgn(OwnerForm->Handle(), nullptr, TRUE);
  FormRegion = nullptr;
}

void TspFormSkinner::CreateNewRegion(bool scale) {
  if (!skinnableForm_ || (supportNCArea_ && OwnerForm->BorderStyle() == bsNone)) {
    RemoveRegion();
    return;
  }
  if (NewFormWidth == 0) NewFormWidth = OwnerForm->Width();
  if (NewFormHeight == 0) NewFormHeight = OwnerForm->Height();
  const bool usable = SkinDataUsable();
  if (!usable || skinData_->MaskPicture->Empty()) {
    if (!usable) {
      for (auto* band : {TopMask.get(), BottomMask.get(), LeftMask.get(), RightMask.get()}) band->SetSize(0, 0);
    }
    SetRegion(RegionCalls().CreateRectRgn(0, 0, NewFormWidth, NewFormHeight));
    return;
  }
  const TspSkinData& s = *skinData_;
  if (!scale) {
    TspRegion whole = BandRegion(s.MaskPicture.get(), 0, 0);
    if (whole) SetRegion(whole.Release());
    return;
  }
  CreateSkinMask(s.LeftTopPoint, s.RightTopPoint, s.LeftBottomPoint, s.RightBottomPoint, s.MaskRectArea, CurLTPoint,
                 CurRTPoint, CurLBPoint, CurRBPoint, NewMaskRectArea, s.MaskPicture.get(), TopMask.get(),
                 LeftMask.get(), RightMask.get(), BottomMask.get(), NewFormWidth, NewFormHeight);
  const TRect& area = NewMaskRectArea;
  TspRegion region(RegionCalls().CreateRectRgn(area.Left, area.Top, area.Right, area.Bottom));
  if (TopMask->Height() > 0) region.Unite(BandRegion(TopMask.get(), 0, 0));
  if (BottomMask->Height() > 0) region.Unite(BandRegion(BottomMask.get(), 0, area.Bottom));
  if (LeftMask->Width() > 0) region.Unite(BandRegion(LeftMask.get(), 0, area.Top));
  if (RightMask->Width() > 0) region.Unite(BandRegion(RightMask.get(), area.Right, area.Top));
  SetRegion(region.Release());
}
