#include "skin/controls/Skinctrls_LinkLabel.h"

#include "classlib/runtime/SystemActions.h"
#include "classlib/windowing/ControlMessages.h"
#include "skin/data/Skindata_SkinData.h"

void OpenLinkURL(const AnsiString& url) {
  TShellOpenRequest request;
  request.Verb = "open";
  request.File = url;
  request.Show = SW_SHOWNORMAL;
  ShellOpen(request);
}

// TspSkinLinkImage

TspSkinLinkImage::TspSkinLinkImage(TComponent* owner) : TImage(owner) {
  SetAutoSize(true);
  SetCursor(crHandPoint);
}

void TspSkinLinkImage::Click() {
  TImage::Click();
  if (!url_.IsEmpty()) OpenLinkURL(url_);
}

// TspSkinLinkLabel

TspSkinLinkLabel::TspSkinLinkLabel(TComponent* owner) : TCustomLabel(owner) {
  defaultFont_->SetName("Arial");
  defaultFont_->SetHeight(14);
  defaultFont_->SetStyle(TFontStyles{fsUnderline});
  Font()->Assign(defaultFont_.get());
  SetTransparent(true);
  SetCursor(crHandPoint);
}

TspSkinLinkLabel::~TspSkinLinkLabel() = default;

void TspSkinLinkLabel::SetUseUnderLine(bool value) {
  if (value == useUnderLine_) return;
  useUnderLine_ = value;
  Repaint();
}

void TspSkinLinkLabel::SetSkinData(TspSkinData* value) {
  if (StoreSkinData(*this, value)) ChangeSkinData();
}

void TspSkinLinkLabel::ChangeSkinData() {
  FindLook();
  Repaint();
}

void TspSkinLinkLabel::Notification(TComponent* component, TOperation operation) {
  TCustomLabel::Notification(component, operation);
  if (operation == opRemove) ForgetSkinData(component);
}

void TspSkinLinkLabel::DoDrawText(TRect& rect, UINT flags) {
  FindLook();
  const AnsiString text = PrepareLabelText(GetLabelText(), flags, ShowAccelChar());
  TFont* font = Canvas()->Font();
  TColor colour = look_.ChooseFont(font, defaultFont_.get(), Font(), useSkinFont_, true);
  TspStdLabelLook::ApplyCharset(font, skinData_, defaultFont_.get());
  if (mouseIn_) colour = look_.Found() ? look_.ActiveFontColor() : defaultActiveFontColor_;
  // A disabled label without a look stays underlined.
  const bool underline = useUnderLine_ || (!look_.Found() && !Enabled());
  TFontStyles style = font->Style();
  if (underline) style.Include(fsUnderline);
  else style.Exclude(fsUnderline);
  font->SetStyle(style);

  HDC dc = Canvas()->Handle();
  HGDIOBJ oldFont = SelectObject(dc, font->Handle());
  RECT r = *rect.AsRECT();
  DrawStateLabelText(dc, text, r, flags, Enabled(), colour, look_.HighlightColor(skinData_),
                     look_.ShadowColor(skinData_), false);
  SelectObject(dc, oldFont);
  rect = Rect(r.left, r.top, r.right, r.bottom);
}

void TspSkinLinkLabel::Click() {
  TCustomLabel::Click();
  if (!url_.IsEmpty()) OpenLinkURL(url_);
}

void TspSkinLinkLabel::Dispatch(TMessage& message) {
  TCustomLabel::Dispatch(message);
  if ((message.Msg != CM_MOUSEENTER && message.Msg != CM_MOUSELEAVE) || ComponentState().Contains(csDesigning)) return;
  mouseIn_ = message.Msg == CM_MOUSEENTER;
  Repaint();
}
