#pragma once
// The form-style button: a skinned push button that carries its own pictures (normal, hot,
// pressed and a mask) for the case that no look applies. Without a look and with a normal
// picture it takes the picture's size, the mask's outline and draws the picture of its
// state with the glyph and caption on top; with a look it is the push button. It does not
// take the keyboard focus unless CanFocused is set.
#include <memory>

#include "skin/controls/Skinctrls_Button.h"

class TspSkinXFormButton : public TspSkinButton {
  CLASSLIB_CLASS(TspSkinXFormButton, TspSkinButton)
 public:
  explicit TspSkinXFormButton(TComponent* owner);
  ~TspSkinXFormButton() override;

  // The normal picture (owned; set by copy): without a look it sizes and draws the button.
  TBitmap* DefImage() const { return defImage_.get(); }
  void SetDefImage(TBitmap* value);
  // The pictures while hot or focused and while pressed.
  TBitmap* DefActiveImage() const { return defActiveImage_.get(); }
  void SetDefActiveImage(TBitmap* value) { defActiveImage_->Assign(value); }
  TBitmap* DefDownImage() const { return defDownImage_.get(); }
  void SetDefDownImage(TBitmap* value) { defDownImage_->Assign(value); }
  // The window's outline: solid where the mask is black.
  TBitmap* DefMask() const { return defMask_.get(); }
  void SetDefMask(TBitmap* value);
  TColor DefActiveFontColor() const { return defActiveFontColor_; }
  void SetDefActiveFontColor(TColor value) { defActiveFontColor_ = value; }
  TColor DefDownFontColor() const { return defDownFontColor_; }
  void SetDefDownFontColor(TColor value) { defDownFontColor_ = value; }

  // In picture mode the size stays the picture's.
  void SetBounds(int left, int top, int width, int height) override;
  void ChangeSkinData() override;
  // In picture mode the outline comes from DefMask.
  void SetControlRegion() override;
  void Loaded() override;

 protected:
  void CreateControlDefaultImage(TBitmap* bitmap) override;

 private:
  // No look and a normal picture: the pictures decide size, outline and face.
  bool PictureMode() const { return lookIndex_ == -1 && !defImage_->Empty(); }
  void DrawDefaultButton(TCanvas* canvas);

  std::unique_ptr<TBitmap> defImage_;
  std::unique_ptr<TBitmap> defActiveImage_;
  std::unique_ptr<TBitmap> defDownImage_;
  std::unique_ptr<TBitmap> defMask_;
  TColor defActiveFontColor_ = 0;
  TColor defDownFontColor_ = 0;
};
