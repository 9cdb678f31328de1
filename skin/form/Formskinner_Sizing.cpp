// The size limits of a skinned form, answered to WM_GETMINMAXINFO, and the client-mode
// size check of a skin application.
#include <algorithm>

#include "skin/data/Sputils_Geometry.h"
#include "skin/data/Sputils_System.h"
#include "skin/form/Formskinner.h"

namespace {

// The limit when set and below the monitor's extent, else the monitor's extent.
int LimitWithin(int limit, int extent) { return limit != 0 && limit < extent ? limit : extent; }

}  // namespace

int TspFormSkinner::GetDefCaptionHeight() const {
  const TFormBorderStyle style = OwnerForm->BorderStyle();
  return style == bsToolWindow || style == bsSizeToolWin ? 15 : 19;
}

int TspFormSkinner::GetMinWidth() const {
  if (supportNCArea_) {
    if (!SkinUsable) return MinWidth > 0 ? MinWidth : 130;
    const int pictureWidth = skinData_->Picture->Width();
    if (pictureWidth < MinWidth && WindowState != spwsMinimized) return MinWidth;
    return skinData_->FormMinWidth > 0 ? skinData_->FormMinWidth : pictureWidth;
  }
  if (!SkinUsable) return 0;
  const int pictureWidth = skinData_->Picture->Width();
  return MinWidth == 0 ? pictureWidth : std::min(MinWidth, pictureWidth);
}

int TspFormSkinner::GetMinHeight() const {
  if (supportNCArea_) {
    const int frame = SkinUsable ? skinData_->Picture->Height() - RectHeight(skinData_->ClientRect)
                                 : GetDefCaptionHeight() + 6;
    return frame >= MinHeight || WindowState == spwsMinimized ? frame : MinHeight;
  }
  if (!SkinUsable) return 0;
  const int pictureHeight = skinData_->Picture->Height();
  return MinHeight == 0 ? pictureHeight : std::min(MinHeight, pictureHeight);
}

int TspFormSkinner::GetMaxWidth() const {
  return LimitWithin(MaxWidth, GetMonitorWorkArea(OwnerForm->Handle(), !MaximizeOnFullScreen).Width());
}

int TspFormSkinner::GetMaxHeight() const {
  return LimitWithin(MaxHeight, GetMonitorWorkArea(OwnerForm->Handle(), !MaximizeOnFullScreen).Height());
}

void TspFormSkinner::CheckSize() {
  RecalcFrame();
  const int pictureWidth = skinData_->Picture->Width();
  const int pictureHeight = skinData_->Picture->Height();
  if (!CanScale()) {
    if (OwnerForm->ClientWidth() != pictureWidth || OwnerForm->ClientHeight() != pictureHeight) {
      SetFormClientSize(pictureWidth, pictureHeight);
    }
    Sizeable = false;
    return;
  }
  if (MinWidth != 0 && MinHeight != 0) return;
  const int width = std::max(OwnerForm->ClientWidth(), pictureWidth);
  const int height = std::max(OwnerForm->ClientHeight(), pictureHeight);
  if (width != OwnerForm->ClientWidth() || height != OwnerForm->ClientHeight()) SetFormClientSize(width, height);
}
