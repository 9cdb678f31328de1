#pragma once
// The graphic button: a menu speed button that owns an images menu and its image list,
// opens the menu when pressed and shows the chosen item's picture on its face. The five
// style pickers only fill the list from the built-in pictures and the menu's items.
#include "classlib/graphics/ImageList.h"
#include "skin/controls/Skinctrls_MenuSpeedButton.h"

class TspSkinGraphicButton : public TspSkinMenuSpeedButton {
  CLASSLIB_CLASS(TspSkinGraphicButton, TspSkinMenuSpeedButton)
 public:
  explicit TspSkinGraphicButton(TComponent* owner);
  ~TspSkinGraphicButton() override;

  // The owned menu's choice; setting it in code repaints without the menu's events.
  int ItemIndex() const { return menu_->ItemIndex(); }
  void SetItemIndex(int value);
  TspImagesMenuItems* GraphicItems() const { return menu_->ImagesItems(); }
  TspImagesMenuItem* GetSelectedItem() const { return menu_->GetSelectedItem(); }
  // The owned menu and its pictures.
  TspSkinImagesMenu* GraphicMenu() const { return menu_; }
  TCustomImageList* GraphicImages() const { return images_; }

  // The owned menu's settings.
  TspSkinHint* MenuSkinHint() const { return menu_->SkinHint(); }
  void SetMenuSkinHint(TspSkinHint* value) { menu_->SetSkinHint(value); }
  bool MenuShowHints() const { return menu_->ShowHints; }
  void SetMenuShowHints(bool value) { menu_->ShowHints = value; }
  bool MenuUseSkinFont() const { return menu_->UseSkinFont; }
  void SetMenuUseSkinFont(bool value) { menu_->UseSkinFont = value; }
  TFont* MenuDefaultFont() const { return menu_->DefaultFont(); }
  void SetMenuDefaultFont(TFont* value) { menu_->SetDefaultFont(value); }
  bool MenuAlphaBlend() const { return menu_->AlphaBlend; }
  void SetMenuAlphaBlend(bool value) { menu_->AlphaBlend = value; }
  int MenuAlphaBlendValue() const { return menu_->AlphaBlendValue(); }
  void SetMenuAlphaBlendValue(int value) { menu_->SetAlphaBlendValue(value); }
  bool MenuAlphaBlendAnimation() const { return menu_->AlphaBlendAnimation; }
  void SetMenuAlphaBlendAnimation(bool value) { menu_->AlphaBlendAnimation = value; }

  void Loaded() override;

 protected:
  // Fill the list and the menu's items; each picker's constructor runs them.
  virtual void InitImages() {}
  virtual void InitItems() {}

  // Appends the built-in pictures of these names; the list takes the first one's size.
  void AddPictures(std::initializer_list<const char*> names);
  // Appends an item: its image (-1: none), caption, hint and whether it is a full-width button.
  void AddItem(int imageIndex, const AnsiString& caption = AnsiString(), const AnsiString& hint = AnsiString(),
               bool button = false);
  // The menu's column count, and the first item chosen.
  void FinishItems(int columns);

 private:
  TImageList* images_;
  TspSkinImagesMenu* menu_;
};

// Gradient directions: horizontal and vertical, in, out and in-out.
class TspSkinGradientStyleButton : public TspSkinGraphicButton {
  CLASSLIB_CLASS(TspSkinGradientStyleButton, TspSkinGraphicButton)
 public:
  explicit TspSkinGradientStyleButton(TComponent* owner);

 protected:
  void InitImages() override;
  void InitItems() override;
};

// Brush styles: clear, solid and six hatches.
class TspSkinBrushStyleButton : public TspSkinGraphicButton {
  CLASSLIB_CLASS(TspSkinBrushStyleButton, TspSkinGraphicButton)
 public:
  explicit TspSkinBrushStyleButton(TComponent* owner);

 protected:
  void InitImages() override;
  void InitItems() override;
};

// Pen styles: solid, dash, dash-dot, dot, dash-dot-dot.
class TspSkinPenStyleButton : public TspSkinGraphicButton {
  CLASSLIB_CLASS(TspSkinPenStyleButton, TspSkinGraphicButton)
 public:
  explicit TspSkinPenStyleButton(TComponent* owner);

 protected:
  void InitImages() override;
  void InitItems() override;
};

// Pen widths from 1/4 pt to 6 pt.
class TspSkinPenWidthButton : public TspSkinGraphicButton {
  CLASSLIB_CLASS(TspSkinPenWidthButton, TspSkinGraphicButton)
 public:
  explicit TspSkinPenWidthButton(TComponent* owner);

 protected:
  void InitImages() override;
  void InitItems() override;
};

// Shadow styles, with "No shadow" first and "More settings" last.
class TspSkinShadowStyleButton : public TspSkinGraphicButton {
  CLASSLIB_CLASS(TspSkinShadowStyleButton, TspSkinGraphicButton)
 public:
  explicit TspSkinShadowStyleButton(TComponent* owner);

 protected:
  void InitImages() override;
  void InitItems() override;
};
