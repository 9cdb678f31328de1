#include "classlib/comctrls/RichEdit.h"

#include "classlib/runtime/Exceptions.h"

#include <richedit.h>

namespace {
// The rich edit library, loaded on first use and kept for the life of the process.
class TRichEditLibrary {
 public:
  TRichEditLibrary() : module_(LoadLibraryA("riched20.dll")) {}
  ~TRichEditLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  TRichEditLibrary(const TRichEditLibrary&) = delete;
  TRichEditLibrary& operator=(const TRichEditLibrary&) = delete;
  bool Loaded() const { return module_ != nullptr; }

 private:
  HMODULE module_;
};

void LoadRichEditLibrary() {
  static TRichEditLibrary library;
  if (!library.Loaded()) throw EOSError("The rich edit library could not be loaded");
}
}  // namespace

TCustomRichEdit::TCustomRichEdit(TComponent* owner) : TCustomMemo(owner) {}

void TCustomRichEdit::CreateParams(TCreateParams& params) {
  LoadRichEditLibrary();
  TCustomMemo::CreateParams(params);
  CreateSubClass(params, "RichEdit20A");
}

void TCustomRichEdit::CreateHandleState() {
  TCustomMemo::CreateHandleState();
  SendMessageA(Handle(), EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
  ApplyColors();
}

void TCustomRichEdit::ApplyColors() {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, ColorToRGB(Color()));
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = ColorToRGB(Font()->Color());
  SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void TCustomRichEdit::Dispatch(TMessage& message) {
  if (message.Msg == CM_COLORCHANGED || message.Msg == CM_FONTCHANGED) {
    TCustomMemo::Dispatch(message);
    ApplyColors();
    return;
  }
  if (message.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(message.LParam)->code == EN_SELCHANGE) {
    SelectionChange();
    message.Result = 0;
    return;
  }
  TCustomMemo::Dispatch(message);
}
