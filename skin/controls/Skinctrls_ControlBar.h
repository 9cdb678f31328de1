#pragma once
// The skinned control bar: the class library's control bar (children on movable bands)
// with a background, band frames and, with SkinBevel, a non-client border from a
// "controlbar" look. Without a look it paints as the class library's bar.
#include "classlib/comctrls/ControlBar.h"
#include "skin/controls/Skinctrls_FrameMessages.h"
#include "skin/controls/Skinctrls_Reskin.h"

class TspDataSkinControlBar;

class TspSkinControlBar : public TCustomControlBar, public IspSkinControl {
  CLASSLIB_CLASS(TspSkinControlBar, TCustomControlBar)
 public:
  explicit TspSkinControlBar(TComponent* owner);

  const AnsiString& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }
  // The look's frame drawn as a border in the non-client area.
  bool SkinBevel() const { return skinBevel_; }
  void SetSkinBevel(bool value);
  // The control-bar look in use now (re-read at every call), or null.
  const TspDataSkinControlBar* Look() const;

  TspSkinData* SkinData() const override { return skinData_; }
  void SetSkinData(TspSkinData* value) override;
  // The look is read at every use: nothing is kept.
  void BeforeChangeSkinData() override {}
  void ChangeSkinData() override;

  // Tells every child that the background changed (WM_CHECKPARENTBG).
  void CheckControlsBackground();
  // Paints the border into `dc` (`useDC`) or into the window's device context.
  void PaintNCSkin(HDC dc, bool useDC);

  void Dispatch(TMessage& message) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void PaintControlFrame(TCanvas* canvas, TControl* control, TRect& rect) override;

 private:
  void WMNCCalcSize(TMessage& message, const TspDataSkinControlBar& look);
  void PaintStretchedBackground(const TspDataSkinControlBar& look);
  void PaintTiledBackground(const TspDataSkinControlBar& look);
  void PaintBandFrames(TCanvas* canvas);

  TspSkinData* skinData_ = nullptr;
  AnsiString skinDataName_ = "controlbar";
  bool skinBevel_ = false;
};
