#pragma once
// The window-less skinned speed button ("toolbutton" look): the push button's faces,
// cross-fade, frame animation, repeat and groups without focus, default or cancel. A flat
// one shows no face until the pointer is over it; the caption can be switched off (with a
// width for either state); on a tool bar it takes the bar's image lists, and a glyph wins
// over an image list.
#include <memory>

#include "skin/controls/Skinctrls_ButtonPress.h"
#include "skin/controls/Skinctrls_ButtonTimers.h"
#include "skin/controls/Skinctrls_Faces.h"
#include "skin/controls/Skinctrls_GraphicBases.h"
#include "skin/controls/Skinctrls_ImagesMenuLink.h"
#include "skin/data/Skinctrls_Layout.h"
#include "skin/data/Skindata_Buttons.h"

class TspSkinSpeedButton : public TspGraphicSkinCustomControl {
  CLASSLIB_CLASS(TspSkinSpeedButton, TspGraphicSkinCustomControl)
  template <class> friend struct TspButtonPress;
  using ButtonPress = TspButtonPress<TspSkinSpeedButton>;

 public:
  explicit TspSkinSpeedButton(TComponent* owner);
  ~TspSkinSpeedButton() override;

  // Image source (not owned) when the glyph is empty; the image shown from it or from
  // a tool-bar parent's lists.
  TCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(TCustomImageList* value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  bool UseSkinSize() const { return useSkinSize_; }
  void SetUseSkinSize(bool value) { useSkinSize_ = value; }
  bool UseSkinFontColor() const { return useSkinFontColor_; }
  void SetUseSkinFontColor(bool value) { useSkinFontColor_ = value; }
  // The widths ShowCaption switches between (both must be set).
  int WidthWithCaption() const { return widthWithCaption_; }
  void SetWidthWithCaption(int value) { widthWithCaption_ = value; }
  int WidthWithoutCaption() const { return widthWithoutCaption_; }
  void SetWidthWithoutCaption(int value) { widthWithoutCaption_ = value; }
  // Off, the caption is drawn as empty.
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  bool RepeatMode() const { return repeatMode_; }
  void SetRepeatMode(bool value) { repeatMode_ = value; }
  int RepeatInterval() const { return repeatInterval_; }
  void SetRepeatInterval(int value) { repeatInterval_ = value; }
  // No face until the pointer is over it; never fades or animates.
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) { allowAllUp_ = value; }
  bool Down() const { return down_; }
  void SetDown(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value) { groupIndex_ = value; }
  // A strip of NumGlyphs cells: normal, disabled, pressed, hot (owned; set by copy).
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* value);
  TspNumGlyphs NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(TspNumGlyphs value);
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  TspButtonLayout Layout() const { return layout_; }
  void SetLayout(TspButtonLayout value);
  // The images menu whose selected item the button shows (not owned).
  IspSkinImagesMenu* SkinImagesMenu() const { return imagesMenu_; }
  void SetSkinImagesMenu(IspSkinImagesMenu* value);
  bool UseImagesMenuImage() const { return useImagesMenuImage_; }
  void SetUseImagesMenuImage(bool value);
  bool UseImagesMenuCaption() const { return useImagesMenuCaption_; }
  void SetUseImagesMenuCaption(bool value);
  // The colour marker every content drawing passes on.
  bool DrawColorMarker() const { return drawColorMarker_; }
  TColor ColorValue() const { return colorValue_; }

  // Fires OnClick (an action sets it through its link).
  virtual void ButtonClick();
  int GetGlyphNum(bool down, bool mouseIn) const;
  bool EnableMorphing() const;
  bool EnableAnimation() const;
  // Draws the look's drop-down marker of the state centred in `rect`.
  void DrawMenuMarker(TCanvas* canvas, const TRect& rect, bool active, bool down, bool flat);
  // Back to the released, non-hot face.
  void RefreshButton();
  // Fades toward the face of the current state, or repaints.
  void ReDrawControl();

  bool MouseIn() const { return mouseIn_; }
  double MorphFactor() const { return morph_.Factor(); }
  int CurrentFrame() const { return animation_.Frame(); }

  void GetSkinData() override;
  void ChangeSkinData() override;
  void CalcSize(int& W, int& H) override;
  void Dispatch(TMessage& message) override;

 protected:
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override { (void)bitmap; }
  // Draws the face of look rectangle R into B (of the control's size).
  virtual void CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn);
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void ActionChange(TObject* sender, bool checkDefaults) override;
  void Notification(TComponent* component, TOperation operation) override;

  void SetDrawColorMarker(bool value) { drawColorMarker_ = value; }
  void SetColorValue(TColor value) { colorValue_ = value; }
  // Down and (hot outside a group, or in a group): the face is pressed.
  bool DrawnDown() const;
  void StartRepeat() { repeat_.Start(repeatInterval_); }
  void StopRepeat() { repeat_.Stop(); }
  void StartMorph() { morph_.Start(); }
  void StopMorph() { morph_.Stop(); }
  void StartAnimate(bool forward);
  void StopAnimate() { animation_.Stop(); }
  void DoAllUp();
  void DoMorph();
  void DoAnimate();

  TTimer* RepeatTimer() const { return repeat_.Timer(); }
  TTimer* MorphTimer() const { return morph_.Timer(); }
  TTimer* AnimateTimer() const { return animation_.Timer(); }

  std::unique_ptr<TspDataSkinButtonControl> look_;

  AnsiString ShownCaption() const { return showCaption_ ? Caption() : AnsiString(); }
  // The faces show the hot state only while enabled (the flag follows the pointer anyway).
  bool ShownHot() const { return mouseIn_ && Enabled(); }
  // Image and caption: images menu, tool-bar lists (`hot`: the hot list if any), glyph,
  // image list.
  void DrawContent(TCanvas* canvas, const TRect& rect, bool imageDown, bool hot, bool glyphDown, int glyphNum);

  bool mouseIn_ = false;

 private:
  // The flat button's face-less drawing straight on the canvas.
  void PaintFlatContent();
  void BuildSkinFace(TBitmap& face);
  void DrawFaceContent(TBitmap* B, const TRect& content, bool ADown, bool AMouseIn);
  void MouseEnterChanged(bool enter);
  void CMDialogChar(TMessage& message);
  void CMEnabledChanged(TMessage& message);

  void MorphTick(TObject* sender) { (void)sender; DoMorph(); }
  void AnimateTick(TObject* sender) { (void)sender; DoAnimate(); }
  void RepeatTick(TObject* sender) { (void)sender; ButtonClick(); }
  void ImagesMenuChanged(TObject* sender) { (void)sender; Repaint(); }
  template <class T>
  void ChangeAndRepaint(T& field, T value) {
    if (field == value) return;
    field = value;
    Repaint();
  }

  TCustomImageList* imageList_ = nullptr;
  int imageIndex_ = 0;
  bool useSkinSize_ = true;
  bool useSkinFontColor_ = true;
  int widthWithCaption_ = 0;
  int widthWithoutCaption_ = 0;
  bool showCaption_ = true;
  bool repeatMode_ = false;
  int repeatInterval_ = 100;
  bool flat_ = false;
  bool allowAllUp_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  std::unique_ptr<TBitmap> glyph_;
  TspNumGlyphs numGlyphs_ = 1;
  int margin_ = -1;
  int spacing_ = 1;
  TspButtonLayout layout_ = blGlyphLeft;
  IspSkinImagesMenu* imagesMenu_ = nullptr;
  TComponent* imagesMenuComponent_ = nullptr;
  bool useImagesMenuImage_ = false;
  bool useImagesMenuCaption_ = false;
  bool drawColorMarker_ = false;
  TColor colorValue_ = 0;

  bool pressed_ = false;
  bool releaseOnClick_ = false;
  TspFaceMorph morph_{TNotifyEvent(this, &TspSkinSpeedButton::MorphTick)};
  TspFrameAnimation animation_{TNotifyEvent(this, &TspSkinSpeedButton::AnimateTick)};
  TspButtonRepeat repeat_{TNotifyEvent(this, &TspSkinSpeedButton::RepeatTick)};
};
