#pragma once
// The skinned notebook: a skinned panel holding one skinned page per entry of Pages, of
// which one is shown. In ButtonsMode a speed button per page stands above (pages up to the
// shown one) or below (later pages) the shown page and opens its page when clicked. Pages
// read from a form resource belong to the notebook; their controls belong to the form.
#include <memory>
#include <vector>

#include "classlib/formres/FormReader.h"
#include "classlib/runtime/Strings.h"
#include "skin/controls/Skinctrls_Panel.h"
#include "skin/controls/Skinctrls_SpeedButton.h"

class TspSkinNotebook;

// One page: invisible until shown, client-aligned, without border; at run time it lets
// the mouse through to the notebook where it has no child.
class TspSkinPage : public TspSkinPanel, public IReadStateHook {
  CLASSLIB_CLASS(TspSkinPage, TspSkinPanel)
 public:
  explicit TspSkinPage(TComponent* owner);

  // The image of the page's button in the notebook's Images (-1: none).
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { imageIndex_ = value; }

  // Read inside a notebook, the page joins its page list; its own children belong to the form.
  void ReadState(TFormReader& reader) override;
  void Dispatch(TMessage& message) override;

 private:
  int imageIndex_ = -1;
};

// The button of one page in ButtonsMode.
class TspPageButton : public TspSkinSpeedButton {
  CLASSLIB_CLASS(TspPageButton, TspSkinSpeedButton)
 public:
  TspPageButton(TComponent* owner, int pageIndex, TspSkinNotebook* notebook);

  int PageIndex() const { return pageIndex_; }
  // Shows the button's page, then fires OnClick.
  void ButtonClick() override;

 private:
  int pageIndex_;
  TspSkinNotebook* notebook_;
};

// The notebook's pages as a string list of their captions: adding, inserting, deleting,
// clearing and moving lines makes, frees and reorders pages.
class TspPageAccess : public TStrings {
  CLASSLIB_CLASS(TspPageAccess, TStrings)
 public:
  explicit TspPageAccess(TspSkinNotebook& notebook) : notebook_(notebook) {}

  // A new page, appended and shown.
  int Add(const AnsiString& s) override;
  // A new page at `index`, shown.
  void Insert(int index, const AnsiString& s) override;
  // Frees the page; the page then at index 0 is shown (none when no page is left).
  void Delete(int index) override;
  // Frees every page (and the page buttons).
  void Clear() override;
  // The page at `currentIndex` moves to `newIndex`; the shown page stays shown.
  void Move(int currentIndex, int newIndex) override;

 protected:
  AnsiString Get(int index) const override;
  int GetCount() const override;
  // Renames the page (and its button).
  void Put(int index, const AnsiString& s) override;
  TObject* GetObjectAt(int index) const override;

 private:
  TspSkinNotebook& notebook_;
};

class TspSkinNotebook : public TspSkinPanel, public IReadStateHook {
  CLASSLIB_CLASS(TspSkinNotebook, TspSkinPanel)
 public:
  explicit TspSkinNotebook(TComponent* owner);
  ~TspSkinNotebook() override;

  // The pages' captions; assigning replaces every page.
  TStrings* Pages() const { return access_.get(); }
  void SetPages(TStrings* value);
  // The shown page (-1: none); an index outside the pages is ignored.
  int PageIndex() const { return pageIndex_; }
  void SetPageIndex(int index);
  // The shown page's caption; assigning shows the first page of that caption in any case.
  AnsiString ActivePage() const;
  void SetActivePage(const AnsiString& value);
  bool ButtonsMode() const { return buttonsMode_; }
  void SetButtonsMode(bool value);
  // The look of the page buttons.
  AnsiString ButtonSkinDataName() const { return buttonSkinDataName_; }
  void SetButtonSkinDataName(const AnsiString& value) { buttonSkinDataName_ = value; }
  // The page buttons' images, by each page's ImageIndex (not owned).
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  // The pages and page buttons take the notebook's skin data too.
  void SetSkinData(TspSkinData* value) override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TspSkinPage* Page(int index) const { return pages_[static_cast<size_t>(index)]; }
  int PageButtonCount() const { return static_cast<int>(buttons_.size()); }
  TspPageButton* PageButton(int index) const { return buttons_[static_cast<size_t>(index)]; }

  // Gives the buttons of page `index` the caption `s` and the page's image.
  void UpdateButton(int index, const AnsiString& s);
  // Makes one button per page anew (nothing without pages).
  void UpdateButtons();
  void ClearButtons();

  // Reading a resource: the pages are the resource's; their components the notebook's.
  void ReadState(TFormReader& reader) override;
  void Loaded() override;

  // After the shown page changed.
  TNotifyEvent OnPageChanged;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;

 private:
  friend class TspPageAccess;
  friend class TspSkinPage;

  // Brings the page to the front with the notebook's skin, visible and client-aligned.
  void ShowPage(TspSkinPage* page);
  // Pages up to the shown one to the top, later ones to the bottom, in page order.
  void AlignButtons();
  void SetupButton(TspPageButton* button, int index);
  // Pages changed in structure: the buttons follow in ButtonsMode.
  void PagesChanged();

  std::vector<TspSkinPage*> pages_;
  std::vector<TspPageButton*> buttons_;
  std::unique_ptr<TspPageAccess> access_;
  int pageIndex_ = -1;
  bool buttonsMode_ = false;
  AnsiString buttonSkinDataName_ = "toolbutton";
  TCustomImageList* images_ = nullptr;
};
