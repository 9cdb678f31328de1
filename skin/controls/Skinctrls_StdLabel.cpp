#include "skin/controls/Skinctrls_StdLabel.h"

#include "skin/data/Skindata_Bases.h"
#include "skin/data/Skindata_Labels.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Strings.h"

namespace {

UINT EllipsisFlag(TspEllipsType type) {
  static constexpr UINT kFlags[] = {0, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS};
  return kFlags[type];
}

}  // namespace

TspSkinStdLabel::TspSkinStdLabel(TComponent* owner)
    : TCustomLabel(owner), defaultFont_(std::make_unique<TFont>()) {
  SetTransparent(true);
}

TspSkinStdLabel::~TspSkinStdLabel() = default;

void TspSkinStdLabel::SetEllipsType(TspEllipsType value) {
  if (value == ellipsType_) return;
  ellipsType_ = value;
  Invalidate();
}

void TspSkinStdLabel::SetSkinData(TspSkinData* value) {
  if (skinData_ != nullptr && skinData_ != value) RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (value == nullptr) return;
  FreeNotification(value);
  ChangeSkinData();
}

void TspSkinStdLabel::ChangeSkinData() {
  GetSkinData();
  if (AutoSize()) AdjustBounds();
  Repaint();
}

void TspSkinStdLabel::Notification(TComponent* component, TOperation operation) {
  TCustomLabel::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

void TspSkinStdLabel::GetSkinData() {
  lookIndex_ = (skinData_ == nullptr || skinData_->Empty) ? -1 : skinData_->GetControlIndex(skinDataName_);
  if (lookIndex_ == -1) return;
  auto* look = dynamic_cast<TspDataSkinStdLabelControl*>(skinData_->CtrlList[lookIndex_].get());
  if (look == nullptr) return;
  fontName_ = look->FontName;
  fontStyle_ = look->FontStyle;
  fontHeight_ = look->FontHeight;
  fontColor_ = look->FontColor;
}

TColor TspSkinStdLabel::ChooseFont() {
  TFont* font = Canvas()->Font();
  if (lookIndex_ == -1) {
    font->Assign(useSkinFont_ ? defaultFont_.get() : Font());
    return font->Color();
  }
  if (useSkinFont_) {
    font->SetName(fontName_);
    font->SetStyle(fontStyle_);
    font->SetHeight(fontHeight_);
  } else {
    font->Assign(Font());
  }
  return useSkinColor_ ? fontColor_ : Font()->Color();
}

void TspSkinStdLabel::DrawLabelText(HDC dc, const AnsiString& text, RECT& rect, UINT flags, TColor colour) {
  SetTextColor(dc, ColorToRGB(colour));
  if (ellipsType_ != spetNone) DrawTextExA(dc, const_cast<char*>(text.c_str()), text.Length(), &rect, flags, nullptr);
  else DrawTextA(dc, text.c_str(), text.Length(), &rect, flags);
}

void TspSkinStdLabel::DoDrawText(TRect& rect, UINT flags) {
  GetSkinData();
  AnsiString text = GetLabelText();
  if ((flags & DT_CALCRECT) != 0 && (text.IsEmpty() || (ShowAccelChar() && text == "&"))) text += " ";
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  flags |= EllipsisFlag(ellipsType_);
  const TColor colour = ChooseFont();
  TspResourceStrData* strings = skinData_ != nullptr ? skinData_->ResourceStrData() : nullptr;
  Canvas()->Font()->SetCharset(strings != nullptr ? strings->CharSet() : defaultFont_->Charset());

  HDC dc = Canvas()->Handle();
  HGDIOBJ oldFont = SelectObject(dc, Canvas()->Font()->Handle());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  RECT r = *rect.AsRECT();
  if (Enabled()) {
    DrawLabelText(dc, text, r, flags, colour);
  } else {
    const bool skinned = lookIndex_ != -1;
    OffsetRect(&r, 1, 1);
    DrawLabelText(dc, text, r, flags, skinned ? skinData_->SkinColors->BtnHighlight : clBtnHighlight);
    OffsetRect(&r, -1, -1);
    DrawLabelText(dc, text, r, flags, skinned ? skinData_->SkinColors->BtnShadow : clBtnShadow);
  }
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
  rect = Rect(r.left, r.top, r.right, r.bottom);
}
