#pragma once
// The skinned push button: its face comes from a "button" look (a picture per state, an
// optional cross-fade between the normal and the hot face and a frame animation) or, without
// a look, from a flat built-in style; an image (image list, glyph cells or an images menu's
// selected item) and the caption are laid out on it. It clicks, repeats while held, keeps a
// pressed state in groups, answers Enter as the default and Escape as the cancel button,
// hands its ModalResult to the form and runs its action.
#include <memory>

#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Timer.h"
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_ButtonPress.h"
#include "skin/controls/Skinctrls_ButtonTimers.h"
#include "skin/controls/Skinctrls_Faces.h"
#include "skin/controls/Skinctrls_ImagesMenuLink.h"
#include "skin/data/Skinctrls_Layout.h"
#include "skin/data/Skindata_Buttons.h"
#include "skin/data/Sputils_Values.h"

class TspSkinButton : public TspSkinCustomControl {
  CLASSLIB_CLASS(TspSkinButton, TspSkinCustomControl)
  template <class> friend struct TspButtonPress;
  using ButtonPress = TspButtonPress<TspSkinButton>;

 public:
  explicit TspSkinButton(TComponent* owner);
  ~TspSkinButton() override;

  // Image source (not owned) and the image shown from it; an index outside the list
  // shows the glyph.
  TCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(TCustomImageList* value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  // Size and outline come from the look (off: the face is stretched to the control).
  bool UseSkinSize() const { return useSkinSize_; }
  void SetUseSkinSize(bool value) { useSkinSize_ = value; }
  // Caption colours come from the look (off: DefaultFont's colour while enabled).
  bool UseSkinFontColor() const { return useSkinFontColor_; }
  void SetUseSkinFontColor(bool value) { useSkinFontColor_ = value; }
  // Held, the button clicks after 500 ms and then every RepeatInterval ms.
  bool RepeatMode() const { return repeatMode_; }
  void SetRepeatMode(bool value) { repeatMode_ = value; }
  int RepeatInterval() const { return repeatInterval_; }
  void SetRepeatInterval(int value) { repeatInterval_ = value; }
  // In a group: several buttons may be down, and a second click releases one.
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) { allowAllUp_ = value; }
  // The button takes the keyboard focus; TabStop follows.
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value);
  bool Down() const { return down_; }
  virtual void SetDown(bool value);
  // Buttons of one parent with the same non-zero index form a group; a group button
  // is not focusable.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  // A strip of NumGlyphs cells: normal, disabled, pressed, hot (owned; set by copy).
  TBitmap* Glyph() const { return glyph_; }
  void SetGlyph(TBitmap* value);
  TspNumGlyphs NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(TspNumGlyphs value);
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  TspButtonLayout Layout() const { return layout_; }
  void SetLayout(TspButtonLayout value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  bool Default() const { return default_; }
  void SetDefault(bool value);
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  // The images menu whose selected item the button shows (not owned).
  IspSkinImagesMenu* SkinImagesMenu() const { return imagesMenu_; }
  void SetSkinImagesMenu(IspSkinImagesMenu* value);
  bool UseImagesMenuImage() const { return useImagesMenuImage_; }
  void SetUseImagesMenuImage(bool value);
  bool UseImagesMenuCaption() const { return useImagesMenuCaption_; }
  void SetUseImagesMenuCaption(bool value);

  // The button's click: the form's ModalResult, then OnClick or the action.
  virtual void ButtonClick();
  // The glyph cell (1..4) for a state.
  int GetGlyphNum(bool down, bool mouseIn) const;
  bool IsFocused() const;
  // Fades and frame animations run only with skin data that has skin effects on.
  bool EnableMorphing() const;
  bool EnableAnimation() const;
  // Draws the look's drop-down marker centred in `rect`.
  void DrawMenuMarker(TCanvas* canvas, const TRect& rect, bool active, bool down);
  // Back to the released, non-hot face.
  void RefreshButton();
  // Fades toward the face of the current state, or repaints.
  void ReDrawControl();

  // The state the face shows: the pointer is over it (or it stands as the form's
  // default), the cross-fade factor, the frame of a running animation (0: none).
  bool MouseIn() const { return mouseIn_; }
  double MorphFactor() const { return morph_.Factor(); }
  int CurrentFrame() const { return animation_.Frame(); }

  void GetSkinData() override;
  void ChangeSkinData() override;
  void CalcSize(int& W, int& H) override;
  // The platform's click runs only without an action (ButtonClick runs that).
  void Click() override;
  void Dispatch(TMessage& message) override;
  void Loaded() override;

  // The button's own click event (fired by ButtonClick only).
  TNotifyEvent OnClick;

 protected:
  void Paint() override;
  void CreateWnd() override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  // The face is built in Paint.
  void CreateControlSkinImage(TBitmap* bitmap) override { (void)bitmap; }
  // Draws the face of look rectangle R into B (already of the control's size).
  virtual void CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn);
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void ActionChange(TObject* sender, bool checkDefaults) override;
  void Notification(TComponent* component, TOperation operation) override;

  // Down and (hot, or focused and not pressed, or in a group): the face is pressed.
  bool DrawnDown() const;
  // The character set of drawn text: the skin's interface strings', else DefaultFont's.
  void SetContentCharset(TCanvas* canvas);
  void StartRepeat() { repeat_.Start(repeatInterval_); }
  void StopRepeat() { repeat_.Stop(); }
  void StartMorph() { morph_.Start(); }
  void StopMorph() { morph_.Stop(); }
  void StartAnimate(bool forward) { animation_.Start(forward, *look_); }
  void StopAnimate() { animation_.Stop(); }
  // Releases the other down buttons of the group.
  void DoAllUp();
  // Timer steps (the timers call them).
  void DoMorph();
  void DoAnimate();

  TTimer* RepeatTimer() const { return repeat_.Timer(); }
  TTimer* MorphTimer() const { return morph_.Timer(); }
  TTimer* AnimateTimer() const { return animation_.Timer(); }

  // Font, focus rectangle and content of a skinned face on `content`.
  void DrawFaceContent(TBitmap* B, TRect content, bool ADown, bool AMouseIn);
  void SelectSkinFont(TCanvas* canvas, bool ADown, bool AMouseIn);
  // The look's focus rectangle around `rect` while focused (when the look shows focus).
  void DrawFocusFrame(TCanvas* canvas, const TRect& rect);
  // Image and caption from the images menu, the image list or the glyph.
  void DrawContent(TCanvas* canvas, const TRect& rect, bool imageDown, bool glyphDown, int glyphNum);

  bool mouseIn_ = false;
  bool pressed_ = false;
  bool down_ = false;
  TspFaceMorph morph_{TNotifyEvent(this, &TspSkinButton::MorphTick)};
  int groupIndex_ = 0;
  // The space key presses and releases the button.
  bool spaceDown_ = true;
  // The values copied from the look at every GetSkinData (a look of another kind leaves
  // them as they were), with the state rectangles' fallbacks and the animation frame.
  std::unique_ptr<TspDataSkinButtonControl> look_;

 private:
  // The face for the state, from the look (Paint) or built in.
  void BuildSkinFace(TBitmap& face);

  void MorphTick(TObject* sender) { (void)sender; DoMorph(); }
  void AnimateTick(TObject* sender) { (void)sender; DoAnimate(); }
  void RepeatTick(TObject* sender) { (void)sender; ButtonClick(); }
  void ImagesMenuChanged(TObject* sender) { (void)sender; Repaint(); }
  // Stores a changed value and repaints.
  template <class T>
  void ChangeAndRepaint(T& field, T value) {
    if (field == value) return;
    field = value;
    Repaint();
  }

  // Messages.
  void MouseEnterChanged(bool enter);
  void CMFocusChanged(TMessage& message);
  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void KeyMessage(const TMessage& message);
  bool FocusingPress();
  void WMKillFocus(TMessage& message);

  TCustomImageList* imageList_ = nullptr;
  int imageIndex_ = -1;
  bool useSkinSize_ = true;
  bool useSkinFontColor_ = true;
  bool repeatMode_ = false;
  int repeatInterval_ = 100;
  bool allowAllUp_ = false;
  bool canFocused_ = true;
  TBitmap* glyph_;
  TspNumGlyphs numGlyphs_ = 1;
  int margin_ = -1;
  int spacing_ = 1;
  TspButtonLayout layout_ = blGlyphLeft;
  bool cancel_ = false;
  bool default_ = false;
  TModalResult modalResult_ = mrNone;
  IspSkinImagesMenu* imagesMenu_ = nullptr;
  TComponent* imagesMenuComponent_ = nullptr;
  bool useImagesMenuImage_ = false;
  bool useImagesMenuCaption_ = false;

  bool releaseOnClick_ = false;
  bool activeDefault_ = false;
  bool clicksDisabled_ = false;
  TspFrameAnimation animation_{TNotifyEvent(this, &TspSkinButton::AnimateTick)};
  TspButtonRepeat repeat_{TNotifyEvent(this, &TspSkinButton::RepeatTick)};
};
