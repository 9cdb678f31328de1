// TspPageAccess: the notebook's pages as the string list of their captions.
#include <algorithm>

#include "skin/controls/Skinctrls_Notebook.h"

AnsiString TspPageAccess::Get(int index) const { return notebook_.Page(index)->Caption(); }

int TspPageAccess::GetCount() const { return notebook_.PageCount(); }

TObject* TspPageAccess::GetObjectAt(int index) const { return notebook_.Page(index); }

void TspPageAccess::Put(int index, const AnsiString& s) {
  notebook_.Page(index)->SetCaption(s);
  if (notebook_.ButtonsMode()) notebook_.UpdateButton(index, s);
}

int TspPageAccess::Add(const AnsiString& s) {
  Insert(GetCount(), s);
  return GetCount() - 1;
}

void TspPageAccess::Insert(int index, const AnsiString& s) {
  auto* page = new TspSkinPage(&notebook_);
  page->SetParent(&notebook_);
  page->SetCaption(s);
  std::vector<TspSkinPage*>& pages = notebook_.pages_;
  pages.insert(pages.begin() + index, page);
  // The page that was shown moved up by one.
  if (notebook_.pageIndex_ >= index) ++notebook_.pageIndex_;
  notebook_.SetPageIndex(index);
  notebook_.PagesChanged();
}

void TspPageAccess::Delete(int index) {
  std::vector<TspSkinPage*>& pages = notebook_.pages_;
  TspSkinPage* shown = notebook_.pageIndex_ >= 0 ? pages[static_cast<size_t>(notebook_.pageIndex_)] : nullptr;
  TspSkinPage* page = pages[static_cast<size_t>(index)];
  pages.erase(pages.begin() + index);
  delete page;
  if (shown != nullptr && shown != page) shown->SetVisible(false);
  notebook_.pageIndex_ = -1;
  notebook_.SetPageIndex(0);
  notebook_.PagesChanged();
}

void TspPageAccess::Clear() {
  std::vector<TspSkinPage*> pages;
  pages.swap(notebook_.pages_);
  for (TspSkinPage* page : pages) delete page;
  notebook_.pageIndex_ = -1;
  notebook_.PagesChanged();
}

void TspPageAccess::Move(int currentIndex, int newIndex) {
  if (currentIndex == newIndex) return;
  std::vector<TspSkinPage*>& pages = notebook_.pages_;
  TspSkinPage* shown = notebook_.pageIndex_ >= 0 ? pages[static_cast<size_t>(notebook_.pageIndex_)] : nullptr;
  TspSkinPage* moved = pages[static_cast<size_t>(currentIndex)];
  pages.erase(pages.begin() + currentIndex);
  pages.insert(pages.begin() + newIndex, moved);
  if (shown != nullptr) notebook_.pageIndex_ = static_cast<int>(std::find(pages.begin(), pages.end(), shown) - pages.begin());
  notebook_.PagesChanged();
}
