#include "skin/controls/Skinctrls_StdLabel.h"

#include "skin/data/Skindata_SkinData.h"

namespace {

UINT EllipsisFlag(TspEllipsType type) {
  static constexpr UINT kFlags[] = {0, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS};
  return kFlags[type];
}

}  // namespace

TspSkinStdLabel::TspSkinStdLabel(TComponent* owner)
    : TCustomLabel(owner) {
  SetTransparent(true);
}

TspSkinStdLabel::~TspSkinStdLabel() = default;

void TspSkinStdLabel::SetEllipsType(TspEllipsType value) {
  if (value == ellipsType_) return;
  ellipsType_ = value;
  Invalidate();
}

void TspSkinStdLabel::SetSkinData(TspSkinData* value) {
  if (StoreSkinData(*this, value)) ChangeSkinData();
}

void TspSkinStdLabel::ChangeSkinData() {
  FindLook();
  if (AutoSize()) AdjustBounds();
  Repaint();
}

void TspSkinStdLabel::Notification(TComponent* component, TOperation operation) {
  TCustomLabel::Notification(component, operation);
  if (operation == opRemove) ForgetSkinData(component);
}

void TspSkinStdLabel::DoDrawText(TRect& rect, UINT flags) {
  FindLook();
  const AnsiString text = PrepareLabelText(GetLabelText(), flags, ShowAccelChar());
  flags |= EllipsisFlag(ellipsType_);
  TFont* font = Canvas()->Font();
  const TColor colour = look_.ChooseFont(font, defaultFont_.get(), Font(), useSkinFont_, useSkinColor_);
  TspStdLabelLook::ApplyCharset(font, skinData_, defaultFont_.get());

  HDC dc = Canvas()->Handle();
  HGDIOBJ oldFont = SelectObject(dc, font->Handle());
  RECT r = *rect.AsRECT();
  DrawStateLabelText(dc, text, r, flags, Enabled(), colour, look_.HighlightColor(skinData_),
                     look_.ShadowColor(skinData_), ellipsType_ != spetNone);
  SelectObject(dc, oldFont);
  rect = Rect(r.left, r.top, r.right, r.bottom);
}
