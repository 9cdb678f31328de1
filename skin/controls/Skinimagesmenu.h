#pragma once
// A picture picker: a popup grid of an image list's pictures, with full-width header and
// button rows mixed in, from which one item is chosen by mouse or keys.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/Collections.h"
#include "classlib/runtime/Component.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/CustomControl.h"
#include "skin/controls/Skinctrls_ImagesMenuLink.h"
#include "skin/controls/Skinhint.h"
#include "skin/data/Skindata.h"

class TspSkinImagesMenu;

// One cell (a picture), full-width button or header of the menu.
class TspImagesMenuItem : public TCollectionItem {
  CLASSLIB_CLASS(TspImagesMenuItem, TCollectionItem)
 public:
  explicit TspImagesMenuItem(TCollection* collection);
  // Copies ImageIndex, Caption, Button, Header and Hint of another item.
  void Assign(TPersistent* source) override;

  int ImageIndex() const { return imageIndex_; }
  virtual void SetImageIndex(int value) { imageIndex_ = value; }
  AnsiString Caption() const { return caption_; }
  virtual void SetCaption(const AnsiString& value) { caption_ = value; }
  bool Button() const { return button_; }
  void SetButton(bool value) { button_ = value; }
  // A header is a caption row that is never chosen.
  bool Header() const { return header_; }
  void SetHeader(bool value) { header_ = value; }
  AnsiString Hint() const { return hint_; }
  void SetHint(const AnsiString& value) { hint_ = value; }
  // Runs when the item is chosen (sender: the menu).
  TNotifyEvent OnClick;

  // The item's place in the open popup window.
  TRect ItemRect;

 private:
  int imageIndex_ = -1;
  AnsiString caption_;
  bool button_ = false;
  bool header_ = false;
  AnsiString hint_;
};

class TspImagesMenuItems : public TOwnedCollection {
  CLASSLIB_CLASS(TspImagesMenuItems, TOwnedCollection)
 public:
  explicit TspImagesMenuItems(TspSkinImagesMenu* menu);
  TspImagesMenuItem* Items(int index) const { return static_cast<TspImagesMenuItem*>(TCollection::Items(index)); }
  void SetItem(int index, TspImagesMenuItem* value) { SetItems(index, value); }
  TspImagesMenuItem* Add() { return static_cast<TspImagesMenuItem*>(TCollection::Add()); }
};

// The open grid: a top-most tool window that never takes the activation, holds the mouse
// capture and the application's message handler while it shows, and closes itself with
// or without a choice.
class TspSkinImagesMenuPopupWindow : public TCustomControl {
  CLASSLIB_CLASS(TspSkinImagesMenuPopupWindow, TCustomControl)
 public:
  explicit TspSkinImagesMenuPopupWindow(TspSkinImagesMenu* menu);
  ~TspSkinImagesMenuPopupWindow() override;

  // Lays out, sizes and shows the grid below `rect` (above when there is no room).
  void Show(const TRect& rect);
  // Hides the window and tells the menu, which frees it once its handlers returned.
  void Hide(bool chosen);
  // The first item that is not a header whose rectangle holds the point, or -1.
  int GetItemFromPoint(const TPoint& point) const;
  TRect GetItemRect(int index) const;
  void ProcessKey(int key);

  int ActiveItem() const { return activeItem_; }
  bool Skinned() const { return skinned_; }
  // The region handed to the window (the window owns it), or null.
  HRGN Region() const { return region_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;

 private:
  // Layout and size.
  void CreateMenu();
  void AssignItemRects();
  int RowWidth() const;
  void SetMenuWindowRegion();
  void Place(const TRect& rect, int& x, int& y) const;
  void FadeIn();

  // Input.
  void TestActive(int x, int y);
  void SetActive(int index);
  void FindUp();
  void FindDown();
  void FindLeft();
  void FindRight();
  int LastItem() const;
  bool IsHeader(int index) const;
  void HookApp();
  void UnHookApp();
  void NewAppMessage(MSG& message, bool& handled);
  void HideItemHint();

  // Painting.
  void DrawItems(int active, int selected, TCanvas* canvas);
  void DrawActiveItem(const TRect& r, TCanvas* canvas, bool down);
  void DrawItemCaption(const AnsiString& caption, const TRect& r, TCanvas* canvas, bool down, bool hot);
  void DrawHeader(const AnsiString& caption, const TRect& r, TCanvas* canvas);
  TspDataSkinLabelControl* GetLabelDataControl() const;
  TspDataSkinButtonControl* GetButtonDataControl() const;
  TspDataSkinMenuItem* GetMenuItemData() const;
  TBitmap* SkinPicture(int index) const;
  bool DecideSkinned();

  TspSkinImagesMenu* menu_;
  bool skinned_ = false;
  TMessageEvent savedOnMessage_;
  bool hooked_ = false;
  HRGN region_ = nullptr;
  TPoint newLTPoint_, newRTPoint_, newLBPoint_, newRBPoint_;
  TRect itemArea_;
  TBitmap* windowPicture_ = nullptr;
  TBitmap* maskPicture_ = nullptr;
  int activeItem_ = -1;
  int lastActiveItem_ = -1;
  bool pressed_ = false;
  bool pressedOnItem_ = false;
  bool closing_ = false;
};

// The menu component: opens the popup with its items and reports the choice. Buttons
// bind to it through IspSkinImagesMenu.
class TspSkinImagesMenu : public TComponent, public IspSkinImagesMenu {
  CLASSLIB_CLASS(TspSkinImagesMenu, TComponent)
 public:
  static constexpr int kMaxColumns = 50;

  explicit TspSkinImagesMenu(TComponent* owner);
  ~TspSkinImagesMenu() override;

  TCustomImageList* Images() const override { return images_; }
  void SetImages(TCustomImageList* value);
  TspImagesMenuItems* ImagesItems() const { return items_; }
  // Takes a copy of `value`'s items.
  void SetImagesItems(TspImagesMenuItems* value) { items_->Assign(value); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value) { itemIndex_ = value; }
  int ColumnsCount() const { return columnsCount_; }
  // Takes 1 to kMaxColumns; other values are ignored.
  void SetColumnsCount(int value);
  bool ShowSelectedItem = true;
  bool ShowHints = true;
  TspSkinHint* SkinHint() const { return skinHint_; }
  void SetSkinHint(TspSkinHint* value);
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  bool UseSkinFont = true;
  TFont* DefaultFont() const { return defaultFont_; }
  void SetDefaultFont(TFont* value) { defaultFont_->Assign(value); }
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(int value);

  TNotifyEvent OnItemClick;
  TNotifyEvent OnChange;
  TNotifyEvent OnMenuPopup;
  TNotifyEvent OnMenuClose;
  // Hooks of the control that opens the menu: after a choice that changed ItemIndex,
  // and after every close.
  TNotifyEvent ChangeHook;
  TNotifyEvent CloseHook;

  // Pops up with the grid's top-left at the screen point.
  void Popup(int x, int y);
  // Pops up below `rect` (screen), above it when there is no room below.
  void PopupFromRect(const TRect& rect);
  // Closes an open popup without a choice.
  void Hide();
  // The closing window reports: frees it and runs the hooks and events.
  void ProcessEvents(bool chosen);
  TspImagesMenuItem* GetSelectedItem() const;
  // The open popup window, or null.
  TspSkinImagesMenuPopupWindow* PopupWindow() const { return popupWindow_; }
  // ItemIndex when the popup opened.
  int OldItemIndex() const { return oldItemIndex_; }

  // IspSkinImagesMenu
  TComponent* MenuComponent() override { return this; }
  bool SelectedItem(int& imageIndex, AnsiString& caption) const override;
  void SetOnChanged(const TNotifyEvent& hook) override { ChangeHook = hook; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void Watch(TComponent* previous, TComponent* value);

  TCustomImageList* images_ = nullptr;
  TspImagesMenuItems* items_;
  int itemIndex_ = -1;
  int columnsCount_ = 1;
  TspSkinHint* skinHint_ = nullptr;
  TspSkinData* skinData_ = nullptr;
  TFont* defaultFont_;
  int alphaBlendValue_ = 200;
  TspSkinImagesMenuPopupWindow* popupWindow_ = nullptr;
  int oldItemIndex_ = -1;
};
