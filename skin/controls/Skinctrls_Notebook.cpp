// TspSkinNotebook, its pages and page buttons. The page list as strings is in
// Skinctrls_NotebookPages.cpp.
#include "skin/controls/Skinctrls_Notebook.h"

#include "classlib/windowing/Forms.h"

namespace {

constexpr int kPageButtonHeight = 25;
constexpr int kPageButtonSpacing = 5;

}  // namespace

// Pages

TspSkinPage::TspSkinPage(TComponent* owner) : TspSkinPanel(owner) {
  SetVisible(false);
  SetAlign(alClient);
  SetBorderStyle(TspSkinBorderStyle::bvNone);
}

void TspSkinPage::ReadState(TFormReader& reader) {
  auto* notebook = dynamic_cast<TspSkinNotebook*>(Parent());
  if (notebook == nullptr) return;
  notebook->pages_.push_back(this);
  reader.SetOwner(reader.Root());
}

void TspSkinPage::Dispatch(TMessage& message) {
  if (message.Msg == WM_NCHITTEST && !ComponentState().Contains(csDesigning)) {
    message.Result = HTTRANSPARENT;
    return;
  }
  TspSkinPanel::Dispatch(message);
}

// Page buttons

TspPageButton::TspPageButton(TComponent* owner, int pageIndex, TspSkinNotebook* notebook)
    : TspSkinSpeedButton(owner), pageIndex_(pageIndex), notebook_(notebook) {
  SetNumGlyphs(1);
  SetSpacing(kPageButtonSpacing);
  SetSkinDataName(notebook->ButtonSkinDataName());
}

void TspPageButton::ButtonClick() {
  notebook_->SetPageIndex(pageIndex_);
  TspSkinSpeedButton::ButtonClick();
}

// The notebook

TspSkinNotebook::TspSkinNotebook(TComponent* owner)
    : TspSkinPanel(owner), access_(std::make_unique<TspPageAccess>(*this)) {
  TControlStyle style = ControlStyle();
  style.Exclude(csAcceptsControls).Exclude(csCaptureMouse).Exclude(csClickEvents);
  SetControlStyle(style);
  SetBorderStyle(TspSkinBorderStyle::bvFrame);
  SetBounds(Left(), Top(), 150, 150);
  access_->Add("Default");
}

TspSkinNotebook::~TspSkinNotebook() { ClearButtons(); }

void TspSkinNotebook::SetPages(TStrings* value) {
  access_->Assign(value);
  UpdateButtons();
}

void TspSkinNotebook::SetPageIndex(int index) {
  if (ComponentState().Contains(csLoading)) {
    pageIndex_ = index;
    return;
  }
  if (index == pageIndex_ || index < 0 || index >= PageCount()) return;
  TCustomForm* form = GetParentForm(this);
  const bool focusInside = form != nullptr && form->ActiveControl() != nullptr && ContainsControl(form->ActiveControl());
  ShowPage(Page(index));
  if (pageIndex_ >= 0 && pageIndex_ < PageCount()) Page(pageIndex_)->SetVisible(false);
  pageIndex_ = index;
  if (focusInside) Page(index)->SelectNext(nullptr, true, true);
  if (buttonsMode_) AlignButtons();
  OnPageChanged(this);
}

AnsiString TspSkinNotebook::ActivePage() const {
  return pageIndex_ >= 0 && pageIndex_ < PageCount() ? access_->Strings(pageIndex_) : AnsiString();
}

void TspSkinNotebook::SetActivePage(const AnsiString& value) { SetPageIndex(access_->IndexOf(value)); }

void TspSkinNotebook::SetButtonsMode(bool value) {
  buttonsMode_ = value;
  if (value) UpdateButtons();
  else ClearButtons();
}

void TspSkinNotebook::SetImages(TCustomImageList* value) {
  ReplaceReference(*this, images_, value);
  if (buttonsMode_) UpdateButtons();
}

void TspSkinNotebook::SetSkinData(TspSkinData* value) {
  TspSkinPanel::SetSkinData(value);
  for (TspSkinPage* page : pages_) page->SetSkinData(value);
  for (TspPageButton* button : buttons_) button->SetSkinData(value);
}

void TspSkinNotebook::Notification(TComponent* component, TOperation operation) {
  TspSkinPanel::Notification(component, operation);
  if (operation != opRemove || component == nullptr) return;
  if (component == images_) SetImages(nullptr);
  // A page or button freed from outside leaves the lists.
  std::erase(pages_, component);
  std::erase(buttons_, component);
}

void TspSkinNotebook::CreateParams(TCreateParams& params) {
  TspSkinPanel::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TspSkinNotebook::ShowPage(TspSkinPage* page) {
  page->BringToFront();
  page->SetSkinData(SkinData());
  page->SetVisible(true);
  page->SetAlign(alClient);
}

void TspSkinNotebook::PagesChanged() {
  if (!buttonsMode_) return;
  if (pages_.empty()) ClearButtons();
  else UpdateButtons();
}

// Page buttons

void TspSkinNotebook::UpdateButton(int index, const AnsiString& s) {
  for (TspPageButton* button : buttons_) {
    if (button->PageIndex() != index) continue;
    button->SetCaption(s);
    SetupButton(button, index);
    button->Repaint();
  }
}

void TspSkinNotebook::SetupButton(TspPageButton* button, int index) {
  const int image = Page(index)->ImageIndex();
  const bool hasImage = image != -1 && images_ != nullptr && image < images_->Count();
  button->SetImageList(hasImage ? images_ : nullptr);
  button->SetImageIndex(hasImage ? image : -1);
}

void TspSkinNotebook::UpdateButtons() {
  if (pages_.empty()) return;
  ClearButtons();
  for (int i = 0; i < PageCount(); ++i) {
    auto* button = new TspPageButton(this, i, this);
    buttons_.push_back(button);
    button->SetTop(Height());
    button->SetAlign(i > pageIndex_ ? alBottom : alTop);
    button->SetParent(this);
    button->SetDefaultHeight(kPageButtonHeight);
    button->SetSkinData(SkinData());
    button->SetCaption(access_->Strings(i));
    SetupButton(button, i);
  }
}

void TspSkinNotebook::ClearButtons() {
  std::vector<TspPageButton*> buttons;
  buttons.swap(buttons_);
  for (TspPageButton* button : buttons) delete button;
}

// From the last to the first the later pages' buttons go to the bottom, then from the
// first to the last the others to the top: each lines up after the ones placed before.
void TspSkinNotebook::AlignButtons() {
  for (auto it = buttons_.rbegin(); it != buttons_.rend(); ++it) {
    if ((*it)->PageIndex() > pageIndex_ && (*it)->Align() != alBottom) (*it)->SetAlign(alBottom);
  }
  for (TspPageButton* button : buttons_) {
    if (button->PageIndex() <= pageIndex_ && button->Align() != alTop) button->SetAlign(alTop);
  }
}

// Reading

// The stored PageIndex is read before the pages; Loaded shows that page.
void TspSkinNotebook::ReadState(TFormReader& reader) {
  const int storedIndex = pageIndex_;
  access_->Clear();
  pageIndex_ = storedIndex;
  reader.SetOwner(this);
}

void TspSkinNotebook::Loaded() {
  TspSkinPanel::Loaded();
  if (pageIndex_ >= 0 && pageIndex_ < PageCount()) ShowPage(Page(pageIndex_));
  else pageIndex_ = -1;
  if (buttonsMode_) UpdateButtons();
  for (TspSkinPage* page : pages_) {
    page->DisableAlign();
    page->HandleNeeded();
    page->EnableAlign();
  }
}
