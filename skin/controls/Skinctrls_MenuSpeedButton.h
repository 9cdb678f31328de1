#pragma once
// The menu speed button ("toolmenubutton"): a window-less speed button that opens a
// skinned popup menu or an images menu under itself, from anywhere or, in track mode,
// from a 15-pixel drop-down part. The new style draws it from the skin's resizable
// tool-button looks with a separately skinned drop-down part at the right or the bottom.
// Its accelerator clicks it without opening the menu.
#include "skin/controls/Skinctrls_MenuTrack.h"
#include "skin/controls/Skinctrls_SpeedButton.h"

enum TspTrackPosition { sptpRight, sptpBottom };

class TspSkinMenuSpeedButton : public TspSkinSpeedButton {
  CLASSLIB_CLASS(TspSkinMenuSpeedButton, TspSkinSpeedButton)
  template <class> friend struct TspMenuTrack;
  using MenuTrack = TspMenuTrack<TspSkinMenuSpeedButton>;

 public:
  explicit TspSkinMenuSpeedButton(TComponent* owner);

  // New-style faces; turning it on also names the look "resizetoolbutton".
  bool NewStyle() const { return newStyle_; }
  void SetNewStyle(bool value);
  // The side of the new style's drop-down part.
  TspTrackPosition TrackPosition() const { return trackPosition_; }
  void SetTrackPosition(TspTrackPosition value);
  TspSkinPopupMenu* SkinPopupMenu() const { return popupMenu_; }
  void SetSkinPopupMenu(TspSkinPopupMenu* value);
  bool TrackButtonMode() const { return trackMode_; }
  void SetTrackButtonMode(bool value);
  bool MenuOpen() const { return menuOpen_; }
  // The old-style drop-down part shows the direction arrow `code` (1 left, 2 right, 3 up,
  // 4 down) instead of the marker while `on`.
  void SetArrowMode(bool on, int code);

  bool CanMenuTrack(int X, int Y) const;
  TRect GetNewTrackButtonRect() const;
  void TrackMenu();

  void GetSkinData() override;
  void Dispatch(TMessage& message) override;

  TNotifyEvent OnShowTrackMenu;
  TNotifyEvent OnHideTrackMenu;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  bool BottomTrack() const { return newStyle_ && trackPosition_ == sptpBottom; }
  // The drop-down strip of the fixed width at the button's right or bottom.
  TRect TrackStrip() const;
  // The button less the drop-down strip.
  TRect ContentRect() const;
  void PaintIdleFlat();
  void CreateOldStyleImage(TBitmap* B, TspTrackFaceWay way, bool ADown, bool AMouseIn);
  void CreateNewStyleImage(TBitmap* B, bool ADown, bool AMouseIn);
  void SelectFaceFont(TCanvas* canvas, bool down, bool mouseIn);
  void DrawDefaultOldStyle(TCanvas* canvas);
  void DrawDefaultNewStyle(TCanvas* canvas);
  void ImagesMenuClosed(TObject* sender);

  bool newStyle_ = false;
  TspTrackPosition trackPosition_ = sptpRight;
  TspSkinPopupMenu* popupMenu_ = nullptr;
  bool trackMode_ = false;
  bool menuOpen_ = false;
  TRect trackRect_;
  bool arrowMode_ = false;
  int arrowCode_ = 0;
};
