#pragma once
// The expandable panel: a skinned container with a caption bar carrying a glyph or image,
// the caption and two buttons. The close button hides the panel; the roll button
// collapses it either to a strip of caption height (vertical rolling) or to a bar with the
// caption written bottom to top (horizontal rolling), and expands it again. An "expanel"
// look gives the faces, the rolled strip and bar and three states of every button;
// without one the panel is drawn in system colours.
#include <memory>

#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_LabelFont.h"
#include "skin/controls/Skinctrls_Rolling.h"

class TspDataSkinExPanelControl;

enum TspExPanelRollKind { rkRollHorizontal, rkRollVertical };

class TspSkinExPanel : public TspSkinCustomControl {
  CLASSLIB_CLASS(TspSkinExPanel, TspSkinCustomControl)
 public:
  static constexpr int kCloseButton = 0;
  static constexpr int kRollButton = 1;

  explicit TspSkinExPanel(TComponent* owner);
  ~TspSkinExPanel() override;

  TCustomImageList* CaptionImageList() const { return captionImageList_; }
  void SetCaptionImageList(TCustomImageList* value);
  int CaptionImageIndex() const { return captionImageIndex_; }
  void SetCaptionImageIndex(int value);
  // Drawn before the caption; wins over the image.
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* value);
  // Glyph states side by side: normal, disabled (1..2).
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  // The unrolled width while rolled horizontally (height while rolled vertically), else 0.
  int RealWidth() const { return realWidth_; }
  void SetRealWidth(int value) { realWidth_ = value; }
  int RealHeight() const { return realHeight_; }
  void SetRealHeight(int value) { realHeight_ = value; }
  bool ShowRollButton() const { return showRollButton_; }
  void SetShowRollButton(bool value);
  bool ShowCloseButton() const { return showCloseButton_; }
  void SetShowCloseButton(bool value);
  // The caption height of the look-less face and the rolled size without a look.
  int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  void SetDefaultCaptionHeight(int value);
  bool RollState() const { return rollState_; }
  void SetRollState(bool value);
  TspExPanelRollKind RollKind() const { return rollKind_; }
  void SetRollKind(TspExPanelRollKind value);

  TNotifyEvent OnChangeRollState;
  TNotifyEvent OnClose;

  // The rolled bar's width and the rolled strip's height.
  int GetRollWidth() const;
  int GetRollHeight() const;
  // Hides the panel.
  void Close();
  // The button's rectangle of the last face (empty: not shown).
  TRect ButtonRect(int index) const { return buttons_[index].rect; }
  bool ButtonHot(int index) const { return buttons_[index].mouseOver; }
  void ShowControls() { ShowChildControls(*this); }
  void HideControls() { HideChildControls(*this); }

  void SetBounds(int left, int top, int width, int height) override;
  // A panel read rolled hides the children read after its roll state.
  void Loaded() override;
  void GetSkinData() override;
  void ChangeSkinData() override;
  void Dispatch(TMessage& message) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void AdjustClientRect(TRect& rect) override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;

 private:
  struct TCaptionButton {
    TRect rect;
    bool mouseOver = false;
    bool pressed = false;
  };
  // The three pictures of a button state set.
  struct TButtonPictures {
    TRect normal, active, down;
  };
  // The values copied from the look.
  struct TLook {
    TRect rollHSkinRect, rollVSkinRect;
    int rollLeftOffset = 0, rollRightOffset = 0, rollTopOffset = 0, rollBottomOffset = 0;
    TRect captionRect, rollVCaptionRect, rollHCaptionRect;
    TButtonPictures close, hRoll, hRestore, vRoll, vRestore;
    TspLookFont font;
    bool buttonsTransparent = false;
    TColor buttonsTransparentColor = clFuchsia;
  };

  bool HasLook() const { return hasLook_; }
  bool Horizontal() const { return rollKind_ == rkRollHorizontal; }
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool Shown(int index) const { return index == kCloseButton ? showCloseButton_ : showRollButton_; }
  void CopyLook(const TspDataSkinExPanelControl& look);
  TspCaptionPicture CaptionPicture() const;
  const TButtonPictures& PicturesOf(int index) const;

  // Mouse and buttons.
  void TestActive(int x, int y);
  void DrawButton(TCanvas* canvas, int index);
  void DrawDefaultButton(TCanvas* canvas, int index);
  void DrawSkinButton(TCanvas* canvas, int index);
  void ButtonDown(int index);
  void ButtonUp(int index, int x, int y);
  void ButtonEnter(int index);
  void ButtonLeave(int index);
  void LeaveButtons();

  // Faces: the caption bar on top, and the rolled bar with the caption upwards.
  void DrawDefaultCaptionBar(TCanvas* canvas);
  void DrawDefaultRolledBar(TCanvas* canvas);
  void DrawSkinCaptionBar(TCanvas* canvas, TRect text);
  void DrawSkinRolledBar(TCanvas* canvas);
  // Places the buttons right-aligned in `text` (`gap` between them) and cuts their room off
  // its right edge; the default face has no gap and square buttons of `size`.
  void PlaceTopButtons(TRect& text, int closeWidth, int closeHeight, int rollWidth, int rollHeight, int gap);
  // Draws the picture at the left of `text`, centred vertically, then the caption after it.
  void DrawTopCaption(TCanvas* canvas, TRect text);
  // The caption written upwards from `bottom`, the picture below it, clipped to `text`;
  // `margin` keeps both that far above the bottom.
  void DrawUpwardCaption(TCanvas* canvas, const TRect& text, int margin);
  void ApplyCaptionFont(TFont* font);
  void DrawButtons(TCanvas* canvas);

  TCustomImageList* captionImageList_ = nullptr;
  int captionImageIndex_ = -1;
  std::unique_ptr<TBitmap> glyph_;
  int numGlyphs_ = 1;
  int spacing_ = 2;
  int realWidth_ = 0;
  int realHeight_ = 0;
  bool showRollButton_ = true;
  bool showCloseButton_ = true;
  int defaultCaptionHeight_ = 21;
  bool rollState_ = false;
  TspExPanelRollKind rollKind_ = rkRollVertical;

  TCaptionButton buttons_[2];
  int activeButton_ = -1;
  int oldActiveButton_ = -1;
  int captureButton_ = -1;
  bool rolling_ = false;
  TspSavedConstraints savedConstraints_;
  bool hasLook_ = false;
  TLook look_;
};
