// The link label: opens its target with the shell when clicked.
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/runtime/SystemActions.h"
#include "classlib/windowing/Screen.h"
#include "framed/FrLabel.h"

namespace {

// ShellExecuteEx's SEE_MASK_NOCLOSEPROCESS, SEE_MASK_FLAG_DDEWAIT and SEE_MASK_FLAG_NO_UI.
constexpr unsigned kOpenMask = 0x540;
constexpr char kOpenWithCommand[] = "RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm";

// The program's hand cursor becomes screen cursor crFrHandCursor (once per screen).
void InstallHandCursor() {
  if (Screen == nullptr || Screen->Cursors(crFrHandCursor) != Screen->Cursors(crArrow)) return;
  auto* cursor = static_cast<HCURSOR>(
      LoadImageA(GetModuleHandleA(nullptr), "FRCOMMON_HANDCURSOR", IMAGE_CURSOR, 0, 0, 0));
  if (cursor != nullptr) Screen->SetCursors(crFrHandCursor, cursor);
}

}  // namespace

TFrURLLabel::TFrURLLabel(TComponent* owner) : TFrLabel(owner) {
  InstallHandCursor();
  SetCursor(crFrHandCursor);
  SetTextStyle(tsNormal);
  Font()->SetColor(unvisitedColor_);
  Font()->SetStyle(Font()->Style() + TFontStyles{fsUnderline});
}

template <class T>
void TFrURLLabel::StoreLink(T& field, const T& value) {
  if (field == value) return;
  field = value;
  UpdateLinkColor();
  Invalidate();
}

void TFrURLLabel::SetVisited(bool value) { StoreLink(visited_, value); }
void TFrURLLabel::SetVisitedColor(TColor value) { StoreLink(visitedColor_, value); }
void TFrURLLabel::SetUnvisitedColor(TColor value) { StoreLink(unvisitedColor_, value); }

void TFrURLLabel::UpdateLinkColor() { Font()->SetColor(visited_ ? visitedColor_ : unvisitedColor_); }

void TFrURLLabel::Click() {
  TFrLabel::Click();
  const AnsiString target = Trim(URL()).IsEmpty() ? Trim(Caption()) : Trim(URL());
  if (target.IsEmpty()) return;
  TShellOpenRequest request;
  request.Verb = "Open";
  request.File = target;
  request.Show = SW_SHOWNORMAL;
  request.Mask = kOpenMask;
  if (ShellOpen(request)) {
    SetVisited(true);
    return;
  }
  if (UpperCase(ExtractFileExt(target)) == ".HTM") RunCommand(kOpenWithCommand, SW_SHOWNORMAL);
}
