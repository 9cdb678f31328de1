#include "skin/controls/Skinctrls_Edit.h"

#include "classlib/stdctrls/Clipboard.h"
#include "classlib/windowing/ControlMessages.h"
#include "skin/controls/Skinmenus_Host.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Strings.h"
#include "skin/data/Spconst.h"

namespace {

// A menu caption: the skin's string table's text for `key` when the form's skinning
// component has one, else the built-in text.
AnsiString MenuCaption(TspResourceStrData* strings, const char* key, const TspResourceString& builtIn) {
  return strings != nullptr ? strings->GetResStr(key) : builtIn.Text();
}

TspResourceStrData* FormStrings(TCustomForm* form) {
  IspSkinMenuHost* host = form != nullptr ? FindSkinMenuHost(form) : nullptr;
  TspSkinData* skin = host != nullptr ? host->SkinData() : nullptr;
  return skin != nullptr ? skin->ResourceStrData() : nullptr;
}

// Ctrl+C: copying changes nothing, so a read-only edit still takes it.
constexpr WPARAM kCopyChar = 3;

}  // namespace

AnsiString FirstLineOf(const AnsiString& text) {
  const std::string_view s = text.view();
  const size_t end = s.find_first_of("\r\n");
  return end == std::string_view::npos ? text : AnsiString(s.substr(0, end));
}

int TextHeightOf(TFont* font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font->Handle());
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen, &metrics);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return metrics.tmHeight;
}

TspCustomEdit::TspCustomEdit(TComponent* owner) : TCustomMaskEdit(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
}

TspCustomEdit::~TspCustomEdit() = default;

void TspCustomEdit::SetEditTransparent(bool value) {
  editTransparent_ = value;
  RecreateWnd();
}

void TspCustomEdit::CreateParams(TCreateParams& params) {
  TCustomMaskEdit::CreateParams(params);
  params.Style &= ~WS_BORDER;
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
  if (editTransparent_) params.ExStyle |= WS_EX_TRANSPARENT;
  params.Style |= PasswordChar() != 0 ? ES_PASSWORD : ES_MULTILINE;
}

void TspCustomEdit::Invalidate() {
  if (!editTransparent_) {
    TCustomMaskEdit::Invalidate();
    return;
  }
  if (Parent() == nullptr || !HandleAllocated()) return;
  RECT area;
  GetClientRect(Handle(), &area);
  MapWindowPoints(Handle(), Parent()->Handle(), reinterpret_cast<POINT*>(&area), 2);
  InvalidateRect(Parent()->Handle(), &area, TRUE);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TspCustomEdit::RedrawWhenTransparent() {
  if (editTransparent_) Invalidate();
}

void TspCustomEdit::Change() {
  TCustomMaskEdit::Change();
  RedrawWhenTransparent();
}

void TspCustomEdit::ForwardDialogKey(TMessage& message) {
  char key = static_cast<char>(message.WParam);
  OnKeyPress(this, key);
  if (TCustomForm* form = GetParentForm(this)) form->Perform(CM_DIALOGKEY, message.WParam, message.LParam);
  message.Result = 0;
}

void TspCustomEdit::Paste(TMessage& message) {
  const AnsiString text = Clipboard()->AsText();
  const AnsiString line = FirstLineOf(text);
  if (line.Length() == text.Length() || IsMasked()) {
    TCustomMaskEdit::Dispatch(message);
    return;
  }
  // A one-line value keeps only the first line of what is pasted.
  SetSelText(line);
  message.Result = 0;
}

bool TspCustomEdit::HandleInput(TMessage& message) {
  switch (message.Msg) {
    case WM_CHAR:
      if (message.WParam == VK_RETURN || message.WParam == VK_ESCAPE) ForwardDialogKey(message);
      else if (!readOnly_ || message.WParam == kCopyChar) TCustomMaskEdit::Dispatch(message);
      return true;
    case WM_KEYDOWN:
      if (readOnly_ && message.WParam == VK_DELETE) return true;
      TCustomMaskEdit::Dispatch(message);
      RedrawWhenTransparent();
      return true;
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
      if (readOnly_) return true;
      TCustomMaskEdit::Dispatch(message);
      RedrawWhenTransparent();
      return true;
    case WM_PASTE:
      if (readOnly_) return true;
      Paste(message);
      RedrawWhenTransparent();
      return true;
    default:
      return false;
  }
}

bool TspCustomEdit::AnswerColor(TMessage& message) {
  if (!editTransparent_) return false;
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  message.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  return true;
}

void TspCustomEdit::Dispatch(TMessage& message) {
  if (HandleInput(message)) return;
  switch (message.Msg) {
    case WM_CONTEXTMENU:
      ShowContextMenu(message);
      return;
    case WM_AFTERDISPATCH:
      sysPopupMenu_.reset();
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
      if (!AnswerColor(message)) TCustomMaskEdit::Dispatch(message);
      return;
    case WM_ERASEBKGND:
      if (!editTransparent_) {
        TCustomMaskEdit::Dispatch(message);
        return;
      }
      Invalidate();
      message.Result = 1;
      return;
    case WM_SETFOCUS:
      TCustomMaskEdit::Dispatch(message);
      if (AutoSelect()) SelectAll();
      RedrawWhenTransparent();
      return;
    case WM_SETFONT:
      TCustomMaskEdit::Dispatch(message);
      SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(2, 0));
      return;
    case WM_LBUTTONDOWN:
      leftButtonDown_ = true;
      TCustomMaskEdit::Dispatch(message);
      RedrawWhenTransparent();
      return;
    case WM_LBUTTONUP:
      leftButtonDown_ = false;
      TCustomMaskEdit::Dispatch(message);
      return;
    case WM_MOUSEMOVE:
      TCustomMaskEdit::Dispatch(message);
      if (leftButtonDown_) RedrawWhenTransparent();
      return;
    case WM_SETTEXT:
    case WM_MOVE:
    case WM_KILLFOCUS:
      TCustomMaskEdit::Dispatch(message);
      RedrawWhenTransparent();
      return;
    case CM_CANCELMODE:
      TCustomMaskEdit::Dispatch(message);
      OnEditCancelMode(reinterpret_cast<TControl*>(message.LParam));
      return;
    default:
      TCustomMaskEdit::Dispatch(message);
  }
}

TPoint TspCustomEdit::MenuPoint(const TMessage& message) {
  const TPoint at = Point(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam)));
  if (at.X >= 0 && at.Y >= 0) return at;
  const TPoint origin = ClientToScreen(Point(0, 0));
  return Point(origin.X + Width() / 2, origin.Y + Height() / 2);
}

void TspCustomEdit::ShowContextMenu(TMessage& message) {
  if (PopupMenu() != nullptr) {
    TCustomMaskEdit::Dispatch(message);
    return;
  }
  CreateSysPopupMenu();
  const TPoint at = MenuPoint(message);
  sysPopupMenu_->Popup2(this, at.X, at.Y);
  message.Result = 1;
}

void TspCustomEdit::AddMenuItem(const AnsiString& caption, bool enabled, void (TspCustomEdit::*action)(TObject*)) {
  auto* item = new TMenuItem(sysPopupMenu_.get());
  item->SetCaption(caption);
  item->SetEnabled(enabled);
  if (action != nullptr) item->OnClick = TNotifyEvent(this, action);
  sysPopupMenu_->Items()->Add(item);
}

void TspCustomEdit::CreateSysPopupMenu() {
  sysPopupMenu_.reset();
  sysPopupMenu_ = std::make_unique<TspSkinPopupMenu>(nullptr);
  TCustomForm* form = GetParentForm(this);
  sysPopupMenu_->SetHostForm(form);
  TspResourceStrData* strings = FormStrings(form);
  DWORD start = 0, end = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const bool selection = start < end;
  const bool all = start == 0 && static_cast<int>(end) == Text().Length();
  const bool canPaste = !Clipboard()->AsText().IsEmpty();
  AddMenuItem(MenuCaption(strings, "EDIT_UNDO", SP_Edit_Undo), CanUndo(), &TspCustomEdit::UndoClick);
  AddMenuItem("-", true, nullptr);
  AddMenuItem(MenuCaption(strings, "EDIT_CUT", SP_Edit_Cut), selection && !readOnly_, &TspCustomEdit::CutClick);
  AddMenuItem(MenuCaption(strings, "EDIT_COPY", SP_Edit_Copy), selection, &TspCustomEdit::CopyClick);
  AddMenuItem(MenuCaption(strings, "EDIT_PASTE", SP_Edit_Paste), canPaste && !readOnly_, &TspCustomEdit::PasteClick);
  AddMenuItem(MenuCaption(strings, "EDIT_DELETE", SP_Edit_Delete), selection && !readOnly_,
              &TspCustomEdit::DeleteClick);
  AddMenuItem("-", true, nullptr);
  AddMenuItem(MenuCaption(strings, "EDIT_SELECTALL", SP_Edit_SelectAll), !all, &TspCustomEdit::SelectAllClick);
}
