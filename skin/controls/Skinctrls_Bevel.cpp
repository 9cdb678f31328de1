#include "skin/controls/Skinctrls_Bevel.h"

#include "classlib/windowing/WinControl.h"
#include "skin/controls/Skinctrls_ToolBarParent.h"
#include "skin/data/Skindata_Panels.h"
#include "skin/data/Skindata_SkinData.h"

void TspSkinBevel::SetDividerMode(bool value) {
  dividerMode_ = value;
  Repaint();
}

void TspSkinBevel::SetSkinData(TspSkinData* value) {
  if (skinData_ != nullptr && skinData_ != value) RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (value != nullptr) FreeNotification(value);
  ChangeSkinData();
}

void TspSkinBevel::ChangeSkinData() {
  lookIndex_ = (skinData_ == nullptr || skinData_->Empty) ? -1 : skinData_->GetControlIndex(skinDataName_);
  if (lookIndex_ == -1) {
    lightColor_ = clBtnHighlight;
    darkColor_ = clBtnShadow;
  } else if (auto* look = dynamic_cast<TspDataSkinBevel*>(skinData_->CtrlList[lookIndex_].get())) {
    lightColor_ = look->LightColor;
    darkColor_ = look->DarkColor;
  }
  Repaint();
}

void TspSkinBevel::SetBounds(int left, int top, int width, int height) {
  if (auto* bar = dynamic_cast<IspSkinToolBarParent*>(Parent())) top = CenteredTopInToolBar(bar, height);
  TBevel::SetBounds(left, top, width, height);
}

void TspSkinBevel::Notification(TComponent* component, TOperation operation) {
  TBevel::Notification(component, operation);
  if (operation != opRemove || component != skinData_) return;
  skinData_ = nullptr;
  ChangeSkinData();
}

void TspSkinBevel::BevelRect(const TRect& r, TColor first, TColor second) {
  Canvas()->Pen()->SetColor(first);
  const TPoint topLeft[] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
  Canvas()->Polyline(topLeft);
  Canvas()->Pen()->SetColor(second);
  const TPoint bottomRight[] = {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}};
  Canvas()->Polyline(bottomRight);
}

void TspSkinBevel::BevelLine(TColor colour, int x1, int y1, int x2, int y2) {
  Canvas()->Pen()->SetColor(colour);
  Canvas()->MoveTo(x1, y1);
  Canvas()->LineTo(x2, y2);
}

void TspSkinBevel::PaintDivider(TColor first, TColor second) {
  const int w = Width(), h = Height();
  switch (Shape()) {
    case bsTopLine:
    case bsBottomLine:
      BevelRect(Rect(2, h / 2 - 1, w - 2, h / 2), first, second);
      break;
    case bsSpacer:
      break;
    default:
      BevelRect(Rect(w / 2 - 1, 2, w / 2, h - 2), first, second);
  }
}

void TspSkinBevel::PaintShape(TColor first, TColor second) {
  const int w = Width(), h = Height();
  switch (Shape()) {
    case bsBox:
      BevelRect(Rect(0, 0, w - 1, h - 1), first, second);
      break;
    case bsFrame:
      BevelRect(Rect(1, 1, w - 1, h - 1), second, second);
      BevelRect(Rect(0, 0, w - 2, h - 2), first, first);
      break;
    case bsTopLine:
      BevelLine(first, 0, 0, w, 0);
      BevelLine(second, 0, 1, w, 1);
      break;
    case bsBottomLine:
      BevelLine(first, 0, h - 2, w, h - 2);
      BevelLine(second, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      BevelLine(first, 0, 0, 0, h);
      BevelLine(second, 1, 0, 1, h);
      break;
    case bsRightLine:
      BevelLine(first, w - 2, 0, w - 2, h);
      BevelLine(second, w - 1, 0, w - 1, h);
      break;
    case bsSpacer:
      break;
  }
}

void TspSkinBevel::Paint() {
  Canvas()->Pen()->SetStyle(psSolid);
  Canvas()->Pen()->SetWidth(1);
  const TColor first = Style() == bsLowered ? darkColor_ : lightColor_;
  const TColor second = Style() == bsLowered ? lightColor_ : darkColor_;
  if (dividerMode_) PaintDivider(first, second);
  else PaintShape(first, second);
}
