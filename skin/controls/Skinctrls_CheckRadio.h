#pragma once
// The skinned check box and radio button (one class, switched by Radio): three states,
// groups among the parent's children by GroupIndex, a hot look with an optional timed
// cross-fade, and two ways of drawing: flat (glyph and caption straight over the parent's
// picture, the default) or faced (the whole face of a "checkradio" look). Without a look
// it draws a built-in box and mark.
#include <memory>

#include "classlib/graphics/ImageList.h"
#include "classlib/windowing/Timer.h"
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_Faces.h"
#include "skin/data/Skindata_Buttons.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TspSkinCheckRadioBox : public TspSkinCustomControl {
  CLASSLIB_CLASS(TspSkinCheckRadioBox, TspSkinCustomControl)
 public:
  explicit TspSkinCheckRadioBox(TComponent* owner);
  ~TspSkinCheckRadioBox() override;

  // Setting checks or unchecks (a grayed box set unchecked stays grayed), unchecks the
  // rest of the group and fires OnClick (a radio button only when it becomes checked).
  bool Checked() const { return checked_; }
  void SetChecked(bool value) override;
  bool GetChecked() const override { return checked_; }
  // Setting stores the state, makes Checked follow it and fires OnClick.
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState value);
  // A click on an unchecked check box makes it grayed.
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value);
  bool Radio() const { return radio_; }
  void SetRadio(bool value);
  // Boxes of one parent with the same non-zero index exclude each other.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value) { groupIndex_ = value; }
  // Drawn over the parent's picture; a flat box never takes its size from the look.
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  // The caption wraps (flat drawing only).
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  // An image before the caption (flat drawing only; not owned).
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  // A flat skinned caption takes the look's colours (off: DefaultFont's).
  bool UseSkinFontColor() const { return useSkinFontColor_; }
  void SetUseSkinFontColor(bool value) { useSkinFontColor_ = value; }
  // The box takes the keyboard focus; TabStop follows.
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value);

  // The toggle of space, accelerator and mouse: a check box flips, a radio button only
  // becomes checked.
  void SetCheckState();
  // Unchecks the checked boxes of the same group among the parent's children.
  void UnCheckAll();
  bool IsFocused() const;
  // Fades run with a morphing look and skin data that has skin effects on.
  bool EnableMorphing() const;
  // Fades toward the face of the hot state, or repaints.
  void ReDrawControl();

  // The pointer is over the box; the cross-fade factor (0 normal face, 1 hot face).
  bool MouseIn() const { return mouseIn_; }
  double MorphFactor() const { return morph_.Factor(); }
  // Where the glyph and the caption go on a face at the current size.
  TRect GlyphRect() const { return glyphRect_; }
  TRect TextRect() const { return textRect_; }

  void GetSkinData() override;
  void ChangeSkinData() override;
  void CheckParentBackground() override;
  void CalcSize(int& W, int& H) override;
  void Dispatch(TMessage& message) override;
  void Loaded() override;

  // The box's own click event (see SetChecked and SetState).
  TNotifyEvent OnClick;

 protected:
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void ActionChange(TObject* sender, bool checkDefaults) override;
  void Notification(TComponent* component, TOperation operation) override;

  // Builds the face of look rectangle R into B (of the control's size); the glyph
  // follows the hot state, the caption colour AActive.
  void CreateImage(TBitmap* B, const TRect& R, bool AActive);
  // Draws rectangle R of Src at X, Y of Dest, transparent by its lower-left pixel.
  void SkinDrawCheckImage(int X, int Y, TCanvas* Dest, const TRect& R, TCanvas* Src);
  // The grayed glyph: the look's, or the checked glyph R at half brightness.
  void SkinDrawGrayedCheckImage(int X, int Y, TCanvas* Dest, const TRect& R, TCanvas* Src);
  void StartMorph() { morph_.Start(); }
  void StopMorph() { morph_.Stop(); }
  void DoMorph();
  TTimer* MorphTimer() const { return morph_.Timer(); }

 private:
  void FireClick() { OnClick(this); }
  // Faced drawing with the look: plain, cross-faded.
  void PaintFace();
  void BuildFace(TBitmap& face);
  // Flat drawing over the parent's picture, built in or from the look.
  void PaintFlat();
  void DrawDefaultFlat(TCanvas* canvas);
  void DrawSkinFlat(TCanvas* canvas);
  // Image, caption and focus rectangle of a flat box from `left`; the image moves the
  // caption right by its width and `imageGap`.
  void DrawFlatContent(TCanvas* canvas, int left, int imageGap, TColor disabledColor);
  bool ShowsImage() const;
  // The built-in box and mark.
  void DrawDefaultMark(TCanvas* canvas);
  // The glyph of the state from the look at X, Y.
  void DrawStateGlyph(TCanvas* canvas, int X, int Y);
  // The caption font: the look's (UseSkinFont) or DefaultFont, with the skin's charset.
  void SelectSkinFont(TCanvas* canvas);
  void SetContentCharset(TCanvas* canvas);
  void CopyLookValues(const TspDataSkinCheckRadioControl& data);
  bool HasCheckLook() const { return lookIndex_ != -1 && checkLook_; }
  // Repaints when the value changes.
  template <class T>
  void ChangeAndRepaint(T& field, T value) {
    if (field == value) return;
    field = value;
    Repaint();
  }

  // Messages.
  void MouseEnterChanged(bool enter);
  void CMDialogChar(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  bool FocusingPress();
  void MorphTick(TObject* sender) { (void)sender; DoMorph(); }

  bool checked_ = false;
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  bool radio_ = false;
  int groupIndex_ = 0;
  bool flat_ = true;
  bool wordWrap_ = false;
  TCustomImageList* images_ = nullptr;
  int imageIndex_ = 0;
  bool useSkinFontColor_ = true;
  bool canFocused_ = true;

  bool mouseIn_ = false;
  bool focusing_ = false;
  TspFaceMorph morph_{TNotifyEvent(this, &TspSkinCheckRadioBox::MorphTick)};
  TRect glyphRect_;
  TRect textRect_;
  // The values copied from the look (with the glyph fallbacks); checkLook_: the look
  // found is a check-and-radio look.
  std::unique_ptr<TspDataSkinCheckRadioControl> look_;
  bool checkLook_ = false;
};
