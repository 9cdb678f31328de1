#pragma once
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/WinApi.h"

// The system clipboard: text in and out and the test for a format (pictures are not
// handled). Each call opens and closes the clipboard unless an Open is pending.
class TClipboard : public TPersistent {
  CLASSLIB_CLASS(TClipboard, TPersistent)
 public:
  TClipboard() = default;
  ~TClipboard() override;

  // Counted; raises EClipboardError when the system refuses.
  void Open();
  void Close();
  void Clear();
  bool HasFormat(UINT format) const;
  // The CF_TEXT content ("" when there is none).
  AnsiString AsText();
  void SetAsText(const AnsiString& text);

 private:
  int openCount_ = 0;
  HWND owner_ = nullptr;
};

// The process's clipboard object.
TClipboard* Clipboard();
