#pragma once
// The menu button ("toolmenubutton"): a skinned push button that opens a skinned popup
// menu or an images menu under itself. In plain mode the whole button opens it; in track
// mode only the drop-down part at the right does, and the rest is a push button. The
// button stays down while the menu is open and pops up when the menu reports its close.
#include "skin/controls/Skinctrls_Button.h"
#include "skin/controls/Skinctrls_MenuTrack.h"

class TspSkinMenuButton : public TspSkinButton {
  CLASSLIB_CLASS(TspSkinMenuButton, TspSkinButton)
  template <class> friend struct TspMenuTrack;
  using MenuTrack = TspMenuTrack<TspSkinMenuButton>;

 public:
  explicit TspSkinMenuButton(TComponent* owner);

  // The menu to open (not owned; forgotten when freed).
  TspSkinPopupMenu* SkinPopupMenu() const { return popupMenu_; }
  void SetSkinPopupMenu(TspSkinPopupMenu* value);
  // Only the drop-down part opens the menu.
  bool TrackButtonMode() const { return trackMode_; }
  void SetTrackButtonMode(bool value);
  bool MenuOpen() const { return menuOpen_; }

  // Does a press at the client point open the menu?
  bool CanMenuTrack(int X, int Y) const;
  // The look's track rectangle at the current size.
  TRect GetNewTrackButtonRect() const;
  // Opens the popup menu and then the images menu (both when both are set).
  void TrackMenu();

  void GetSkinData() override;
  void Dispatch(TMessage& message) override;

  // Fired just before each menu opens, and when the menu has closed.
  TNotifyEvent OnShowTrackMenu;
  TNotifyEvent OnHideTrackMenu;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  // Keys while focusable with a popup menu; answers true when the key was consumed.
  bool MenuKey(const TMessage& message);
  bool AccelOpensMenu(TMessage& message);
  // Ways 1 and 2: the tool-button looks composed per part with the arrow or marker.
  void CreateToolButtonImage(TBitmap* B, TspTrackFaceWay way);
  void ImagesMenuClosed(TObject* sender);

  TspSkinPopupMenu* popupMenu_ = nullptr;
  bool trackMode_ = false;
  bool menuOpen_ = false;
  TRect trackRect_;
};
