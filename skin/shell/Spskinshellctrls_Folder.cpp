#include "skin/shell/Spskinshellctrls_Folder.h"

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Format.h"
#include "classlib/runtime/SystemActions.h"
#include "classlib/windowing/Application.h"
#include "skin/shell/Spskinshellctrls.h"

namespace {

AnsiString NarrowText(const std::wstring& text) {
  const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string buffer(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), buffer.data(), length, nullptr, nullptr);
  return AnsiString(buffer.c_str(), length);
}

// The number of ancestors of `parent` (0 for none or the topmost item).
int LevelBelow(const TspShellFolder* parent) {
  int level = 0;
  for (const TspShellFolder* p = parent; p != nullptr && p->Parent() != nullptr; p = p->Parent()) ++level;
  return level;
}

}  // namespace

TspShellFolder::TspShellFolder(TspShellFolder* parent, IShellFolder* folder, LPCITEMIDLIST relative)
    : parent_(parent != nullptr ? parent : DesktopFolder),
      shellFolder_(TspComRef<IShellFolder>::Share(folder)),
      level_(LevelBelow(parent)),
      details_(std::make_unique<TStringList>()) {
  relative_ = CopyItemIDList(relative);
  absolute_ = ConcatItemIDLists(parent_ != nullptr ? parent_->AbsoluteID() : nullptr, relative);
}

TspShellFolder::~TspShellFolder() {
  FreeItemIDList(relative_);
  FreeItemIDList(absolute_);
}

IShellFolder* TspShellFolder::ParentShellFolder() const {
  if (parent_ != nullptr) return parent_->ShellFolder();
  return DesktopFolder != nullptr ? DesktopFolder->ShellFolder() : shellFolder_.Get();
}

TspShellFolderProperties TspShellFolder::Properties() const {
  IShellFolder* parent = ParentShellFolder();
  return PropertiesFromAttributes(ItemAttributes(parent, relative_, PropertyAttributesAsked()) &
                                  PropertyAttributesAsked()) +
         PropertiesFromAttributes(ItemAttributes(parent, relative_, 0) &
                                  (SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR | SFGAO_REMOVABLE | SFGAO_VALIDATE));
}

TspShellFolderCapabilities TspShellFolder::Capabilities() const {
  return CapabilitiesFromAttributes(ItemAttributes(ParentShellFolder(), relative_, CapabilityAttributes()) &
                                    CapabilityAttributes());
}

bool TspShellFolder::SubFolders() const { return ItemHasSubFolders(ParentShellFolder(), relative_); }

bool TspShellFolder::IsFolder() const {
  return IsFolderItem(ItemAttributes(ParentShellFolder(), relative_, SFGAO_FOLDER), FullObjectName());
}

AnsiString TspShellFolder::PathName() const {
  return GetDisplayNameText(DesktopFolder->ShellFolder(), absolute_, SHGDN_FORPARSING);
}

AnsiString TspShellFolder::FullObjectName() const {
  char path[MAX_PATH + 1] = {};
  if (!SHGetPathFromIDListA(absolute_, path)) return AnsiString();
  return path;
}

AnsiString TspShellFolder::DisplayName() const {
  return GetDisplayNameText(ParentShellFolder(), relative_, SHGDN_INFOLDER);
}

bool TspShellFolder::Rename(const std::wstring& newName) {
  if (!Capabilities().Contains(fcCanRename)) return false;
  TspItemIDList renamed;
  if (FAILED(ParentShellFolder()->SetNameOf(nullptr, relative_, newName.c_str(), SHGDN_NORMAL, renamed.Put())) ||
      renamed.Get() == nullptr)
    throw Exception(Format("Rename to %s failed", NarrowText(newName)));
  ReplaceRelativeID(renamed.Detach());
  return true;
}

void TspShellFolder::ReplaceRelativeID(LPITEMIDLIST relative) {
  FreeItemIDList(relative_);
  FreeItemIDList(absolute_);
  relative_ = relative;
  absolute_ = parent_ != nullptr ? ConcatItemIDLists(parent_->AbsoluteID(), relative_) : CopyItemIDList(relative_);
}

int TspShellFolder::ImageIndex(bool large) const { return GetShellImage(absolute_, large, false); }

bool TspShellFolder::ExecuteDefault() {
  TShellOpenRequest request;
  request.Owner = Application != nullptr ? Application->Handle() : nullptr;
  request.ItemIDList = absolute_;
  request.Show = SW_SHOW;
  return ShellOpen(request);
}
