#pragma once
#include <memory>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Types.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/UtilityWindow.h"
#include "classlib/windowing/Action.h"

class TMenu;
class TMenuItem;
class TCustomImageList;

CLASSLIB_EXCEPTION(EMenuError, Exception)

// Whether a menu hides redundant lines (RethinkLines) each time it shows.
enum TMenuAutoFlag { maAutomatic, maManual };

using TMenuDrawItemEvent = TEvent<TObject*, TCanvas*, TRect, bool>;
using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int&, int&>;

// The link of a menu item to its action: caption, checked, enabled, hint, image, shortcut,
// visibility and OnClick follow the action while they still equal its values.
class TMenuActionLink : public TActionLink {
  CLASSLIB_CLASS(TMenuActionLink, TActionLink)
 public:
  explicit TMenuActionLink(TObject* client);
  bool IsCaptionLinked() const override;
  bool IsCheckedLinked() const override;
  bool IsEnabledLinked() const override;
  bool IsHintLinked() const override;
  bool IsImageIndexLinked() const override;
  bool IsShortCutLinked() const override;
  bool IsVisibleLinked() const override;
  bool IsOnExecuteLinked() const override;
  void SetCaption(const AnsiString& value) override;
  void SetChecked(bool value) override;
  void SetEnabled(bool value) override;
  void SetHint(const AnsiString& value) override;
  void SetImageIndex(int value) override;
  void SetShortCut(TShortCut value) override;
  void SetVisible(bool value) override;
  void SetOnExecute(const TNotifyEvent& value) override;

 private:
  TMenuItem* client_;
};

// One entry of a menu, holding the entries of its submenu. A caption of "-" is a line.
// Its Command number is unique in the process; the menu that shows it dispatches the
// number back to it.
class TMenuItem : public TComponent {
  CLASSLIB_CLASS(TMenuItem, TComponent)
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  AnsiString Caption() const { return caption_; }
  void SetCaption(const AnsiString& value) { caption_ = value; }
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value) { radioItem_ = value; }
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value; }
  AnsiString Hint() const { return hint_; }
  void SetHint(const AnsiString& value) { hint_ = value; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value) { shortCut_ = value; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { imageIndex_ = value; }
  // Radio items of one group index form one choice.
  BYTE GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(BYTE value) { groupIndex_ = value; }
  TBitmap* Bitmap() const;
  void SetBitmap(TBitmap* bitmap);
  WORD Command() const { return command_; }
  bool IsLine() const { return caption_ == "-"; }

  TBasicAction* Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }
  void SetAction(TBasicAction* action);
  TMenuActionLink* ActionLink() const { return actionLink_.get(); }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const;
  int IndexOf(const TMenuItem* item) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  // Frees the child at `index`.
  void Delete(int index);
  void Clear();
  // The child whose caption (without "&") is `caption`, case ignored, or null.
  TMenuItem* Find(const AnsiString& caption) const;
  // The menu that shows this item (through its parents), or null.
  TMenu* GetParentMenu() const;
  // Hides lines that would start or end the submenu or follow another line.
  void RethinkLines();
  // Whether RethinkLines hid this line.
  bool LineHidden() const { return lineHidden_; }

  // Runs the action when OnClick is the action's own handler, else OnClick.
  virtual void Click();
  // Draws the item when the menu has it drawn by its owner (OnDrawItem set).
  virtual void DrawItem(TCanvas* canvas, const TRect& rect, bool selected);
  virtual void MeasureItem(TCanvas* canvas, int& width, int& height);

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

 protected:
  virtual void ActionChange(TObject* sender, bool checkDefaults);
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenu;

  AnsiString caption_;
  bool checked_ = false;
  bool radioItem_ = false;
  bool default_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool lineHidden_ = false;
  AnsiString hint_;
  TShortCut shortCut_ = 0;
  int imageIndex_ = -1;
  BYTE groupIndex_ = 0;
  mutable std::unique_ptr<TBitmap> bitmap_;
  WORD command_;
  std::unique_ptr<TMenuActionLink> actionLink_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item of a menu
  std::vector<TMenuItem*> items_;
};

// A tree of menu items under Items; it answers shortcuts and commands of its items.
class TMenu : public TComponent {
  CLASSLIB_CLASS(TMenu, TComponent)
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* Items() const { return items_; }
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);
  // maAutomatic (default): lines that would start or end a submenu or follow another
  // line are hidden when the menu shows; maManual shows every visible line.
  TMenuAutoFlag AutoLineReduction() const { return autoLineReduction_; }
  void SetAutoLineReduction(TMenuAutoFlag value) { autoLineReduction_ = value; }
  // The visible, enabled item with this shortcut: its action updated first, then clicked.
  virtual bool IsShortCut(TShortCut shortCut);
  // Clicks the item with this command number; false when the menu has none.
  bool DispatchCommand(WORD command);
  TMenuItem* FindItem(WORD command) const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // Builds a system menu of the visible items of `parent` (owner drawn when OnDrawItem is
  // set); the caller destroys it.
  HMENU BuildMenu(TMenuItem* parent, bool popup);

 private:
  TMenuItem* items_;
  TCustomImageList* images_ = nullptr;
  TMenuAutoFlag autoLineReduction_ = maAutomatic;
  std::vector<std::unique_ptr<TBitmap>> imageBitmaps_;  // item pictures while a menu is built

  friend class TPopupMenu;
  void AppendItem(HMENU menu, TMenuItem* item);
  HBITMAP ItemBitmap(TMenuItem* item);
};

// A form's menu that answers shortcuts; it shows no native menu bar.
class TMainMenu : public TMenu {
  CLASSLIB_CLASS(TMainMenu, TMenu)
 public:
  using TMenu::TMenu;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

// A menu shown at a point: the right click on a control whose PopupMenu it is opens it
// there (AutoPopup) and PopupComponent names that control.
class TPopupMenu : public TMenu {
  CLASSLIB_CLASS(TPopupMenu, TMenu)
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // Shows the system popup menu at a screen point and runs the chosen item.
  virtual void Popup(int x, int y);
  TPoint PopupPoint() const { return popupPoint_; }
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component);
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment value) { alignment_ = value; }

  TNotifyEvent OnPopup;

 protected:
  virtual void DoPopup(TObject* sender) { OnPopup(sender); }
  // For menus shown by other means than the system popup menu.
  void SetPopupPoint(const TPoint& point) { popupPoint_ = point; }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void OwnerWndProc(TMessage& message);
  void MeasureItem(MEASUREITEMSTRUCT* measure);
  void DrawItem(DRAWITEMSTRUCT* draw);

  TPoint popupPoint_{0, 0};
  TComponent* popupComponent_ = nullptr;
  bool autoPopup_ = true;
  TPopupAlignment alignment_ = paLeft;
  std::unique_ptr<TUtilityWindow> owner_;
};

// The text of a caption without its accelerator marks ("&&" stays one "&").
AnsiString StripHotkey(const AnsiString& text);
