#pragma once
#include <functional>

#include "classlib/runtime/Component.h"
#include "classlib/runtime/Strings.h"
#include "classlib/runtime/WinApi.h"

#include <commdlg.h>

enum TOpenOption {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofAllowMultiSelect,
  ofExtensionDifferent,
  ofPathMustExist,
  ofFileMustExist,
  ofCreatePrompt,
  ofNoReadOnlyReturn,
  ofNoDereferenceLinks,
  ofEnableSizing,
};
using TOpenOptions = TSet<TOpenOption>;

// The system call behind the file dialogs (GetOpenFileName or, with `save`,
// GetSaveFileName); tests put their own to see the request and answer it.
using TFileDialogHandler = std::function<bool(OPENFILENAMEA& request, bool save)>;
// Installs `handler` (empty: the system's) and answers the one it replaces.
TFileDialogHandler SetFileDialogHandler(TFileDialogHandler handler);

// The system dialog that picks a file to open: filters "Text|*.txt|All|*.*" with the
// 1-based FilterIndex (updated by the answer), the initial folder, title and default
// extension; with ofAllowMultiSelect Files holds every chosen file as a full path.
class TOpenDialog : public TComponent {
  CLASSLIB_CLASS(TOpenDialog, TComponent)
 public:
  explicit TOpenDialog(TComponent* owner);
  ~TOpenDialog() override;

  AnsiString FileName() const { return fileName_; }
  void SetFileName(const AnsiString& value) { fileName_ = value; }
  TStrings* Files() const { return files_; }
  AnsiString Filter() const { return filter_; }
  void SetFilter(const AnsiString& value) { filter_ = value; }
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int value) { filterIndex_ = value; }
  AnsiString InitialDir() const { return initialDir_; }
  void SetInitialDir(const AnsiString& value) { initialDir_ = value; }
  AnsiString Title() const { return title_; }
  void SetTitle(const AnsiString& value) { title_ = value; }
  AnsiString DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const AnsiString& value) { defaultExt_ = value; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(const TOpenOptions& value) { options_ = value; }

  // Shows the dialog; true when a file was chosen.
  virtual bool Execute();

 protected:
  bool Run(bool save);

 private:
  DWORD Flags() const;
  void TakeAnswer(const char* buffer, bool multiSelect);

  AnsiString fileName_;
  TStrings* files_;
  AnsiString filter_;
  int filterIndex_ = 1;
  AnsiString initialDir_;
  AnsiString title_;
  AnsiString defaultExt_;
  TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
};

// The system dialog that picks a file to save.
class TSaveDialog : public TOpenDialog {
  CLASSLIB_CLASS(TSaveDialog, TOpenDialog)
 public:
  using TOpenDialog::TOpenDialog;
  bool Execute() override;
};
