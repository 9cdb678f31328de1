#pragma once
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/WinApi.h"

class TGraphic;
class TPicture;

// The clipboard cannot be opened (another window holds it).
CLASSLIB_EXCEPTION(EClipboardError, Exception)

// HasFormat's pseudo-format: any clipboard format registered with TPicture.
constexpr UINT CF_PICTURE = 0xFFFF;

// The system clipboard: text and pictures in and out and the test for a format. Each
// call opens and closes the clipboard unless an Open is pending.
class TClipboard : public TPersistent {
  CLASSLIB_CLASS(TClipboard, TPersistent)
 public:
  TClipboard() = default;
  ~TClipboard() override;

  // Counted; raises EClipboardError when the system refuses.
  void Open();
  void Close();
  void Clear();
  bool HasFormat(UINT format);
  // The CF_TEXT content ("" when there is none).
  AnsiString AsText();
  void SetAsText(const AnsiString& text);
  // A picture (TPicture or TGraphic) replaces the clipboard's content in the picture's
  // clipboard format. The clipboard is opened and the data made before the content is
  // emptied, so a failure loses nothing.
  void Assign(TPersistent* source) override;

 protected:
  // Into a TPicture or TGraphic: the first registered picture format of the clipboard.
  // A clipboard without one raises EInvalidGraphic and leaves the target unchanged.
  void AssignTo(TPersistent* dest) override;

 private:
  void AssignGraphic(TGraphic* graphic);
  void AssignToPicture(TPicture* picture);
  // The first clipboard format registered with TPicture, or 0 (the clipboard is open).
  static UINT FirstPictureFormat();

  int openCount_ = 0;
  HWND owner_ = nullptr;
};

// The process's clipboard object.
TClipboard* Clipboard();
