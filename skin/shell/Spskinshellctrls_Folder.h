#pragma once
#include <shlobj.h>

#include <memory>
#include <string>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/Strings.h"
#include "skin/shell/Spskinshellctrls_Shell.h"

// One shell namespace item (a drive, a folder, a file, a virtual folder): its item id
// lists, its parent, its own shell folder and its detail texts. The control that made it
// owns it; its parent is not owned.
class TspShellFolder : public TObject {
  CLASSLIB_CLASS(TspShellFolder, TObject)
 public:
  // `parent` none: the desktop folder. `relative` is copied; `folder` is shared.
  TspShellFolder(TspShellFolder* parent, IShellFolder* folder, LPCITEMIDLIST relative);
  ~TspShellFolder() override;
  TspShellFolder(const TspShellFolder&) = delete;
  TspShellFolder& operator=(const TspShellFolder&) = delete;

  TspShellFolder* Parent() const { return parent_; }
  LPCITEMIDLIST RelativeID() const { return relative_; }
  LPCITEMIDLIST AbsoluteID() const { return absolute_; }
  IShellFolder* ShellFolder() const { return shellFolder_.Get(); }
  // The number of ancestors above the given parent; the combo boxes indent by it.
  int Level() const { return level_; }
  HWND ViewHandle() const { return viewHandle_; }

  // The parent's shell folder, or the desktop's when there is no parent.
  IShellFolder* ParentShellFolder() const;
  TspShellFolderProperties Properties() const;
  TspShellFolderCapabilities Capabilities() const;
  bool SubFolders() const;
  bool IsFolder() const;
  // The parsing name from the desktop ("C:\dir\file.txt", "::{...}" for virtual folders).
  AnsiString PathName() const;
  // The file system path, empty for virtual items.
  AnsiString FullObjectName() const;
  // The name inside the parent folder.
  AnsiString DisplayName() const;
  // Renames the item in its parent; false without the rename capability. Raises
  // Exception "Rename to %s failed" when the shell refuses.
  bool Rename(const std::wstring& newName);
  int ImageIndex(bool large) const;
  // Opens the item with its default verb through the program's system actions.
  bool ExecuteDefault();

  // The detail interface in use (IShellFolder2, else IShellDetails), obtained once.
  IUnknown* GetDetailInterface();
  IShellDetails* GetShellDetails();
  IShellFolder2* GetShellFolder2();
  // Reads the item's first `columns` detail texts through `root` (the folder listing it).
  void LoadColumnDetails(TspShellFolder* root, HWND window, int columns);
  // Detail text of column `index` (1-based); Exception "%s: Missing call to
  // LoadColumnDetails" before any was loaded.
  AnsiString GetDetails(int index) const;
  // Replaces the text of column `index` when it has one, else inserts it there.
  void SetDetails(int index, const AnsiString& text);

 private:
  void LoadDetailsFromFileData(int columns);
  void ReplaceRelativeID(LPITEMIDLIST relative);

  LPITEMIDLIST relative_ = nullptr;
  LPITEMIDLIST absolute_ = nullptr;
  TspShellFolder* parent_ = nullptr;
  TspComRef<IShellFolder> shellFolder_;
  TspComRef<IShellFolder2> shellFolder2_;
  TspComRef<IShellDetails> shellDetails_;
  TspComRef<IUnknown> detailInterface_;
  bool detailInterfaceAsked_ = false;
  int level_ = 0;
  std::unique_ptr<TStringList> details_;
  HWND viewHandle_ = nullptr;
};
