#include "skin/controls/Skinctrls_LabelFont.h"

#include "skin/data/Skindata_Labels.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Strings.h"

TspLabelSkinLink::TspLabelSkinLink() : defaultFont_(std::make_unique<TFont>()) {}

TspLabelSkinLink::~TspLabelSkinLink() = default;

bool TspLabelSkinLink::StoreSkinData(TComponent& self, TspSkinData* value) {
  StoreReference<TspSkinData>(self, skinData_, value);
  return value != nullptr;
}

void TspLabelSkinLink::ForgetSkinData(TComponent* removed) {
  if (removed == skinData_) skinData_ = nullptr;
}

void TspStdLabelLook::Find(TspSkinData* skin, const AnsiString& name) {
  index_ = (skin == nullptr || skin->Empty) ? -1 : skin->GetControlIndex(name);
  if (index_ == -1) return;
  auto* look = dynamic_cast<TspDataSkinStdLabelControl*>(skin->CtrlList[index_].get());
  if (look == nullptr) return;
  font_.CopyFrom(*look);
  activeFontColor_ = look->ActiveFontColor;
}

void TspLookFont::ApplyTo(TFont* font) const {
  font->SetName(Name);
  font->SetStyle(Style);
  font->SetHeight(Height);
}

void TspLookFont::ApplyOrDefault(TFont* font, bool useLook, TFont* defaultFont) const {
  if (useLook) ApplyTo(font);
  else font->Assign(defaultFont);
}

TColor TspStdLabelLook::ChooseFont(TFont* canvasFont, TFont* defaultFont, TFont* font, bool useSkinFont,
                                   bool useSkinColor) const {
  if (index_ == -1) {
    canvasFont->Assign(useSkinFont ? defaultFont : font);
    return canvasFont->Color();
  }
  if (useSkinFont) font_.ApplyTo(canvasFont);
  else canvasFont->Assign(font);
  return useSkinColor ? font_.Color : font->Color();
}

void TspStdLabelLook::ApplyCharset(TFont* canvasFont, TspSkinData* skin, TFont* defaultFont) {
  TspResourceStrData* strings = skin != nullptr ? skin->ResourceStrData() : nullptr;
  canvasFont->SetCharset(strings != nullptr ? strings->CharSet() : defaultFont->Charset());
}

TColor TspStdLabelLook::HighlightColor(TspSkinData* skin) const {
  return index_ != -1 ? skin->SkinColors->BtnHighlight : clBtnHighlight;
}

TColor TspStdLabelLook::ShadowColor(TspSkinData* skin) const {
  return index_ != -1 ? skin->SkinColors->BtnShadow : clBtnShadow;
}

AnsiString PrepareLabelText(AnsiString text, UINT& flags, bool showAccelChar) {
  if ((flags & DT_CALCRECT) != 0 && (text.IsEmpty() || (showAccelChar && text == "&"))) text += " ";
  if (!showAccelChar) flags |= DT_NOPREFIX;
  return text;
}

void DrawLabelTextIn(HDC dc, const AnsiString& text, RECT& rect, UINT flags, TColor colour, bool extended) {
  SetTextColor(dc, ColorToRGB(colour));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  if (extended) DrawTextExA(dc, const_cast<char*>(text.c_str()), text.Length(), &rect, flags, nullptr);
  else DrawTextA(dc, text.c_str(), text.Length(), &rect, flags);
  SetBkMode(dc, oldMode);
}

void DrawStateLabelText(HDC dc, const AnsiString& text, RECT& rect, UINT flags, bool enabled, TColor colour,
                        TColor highlight, TColor shadow, bool extended) {
  if (enabled) {
    DrawLabelTextIn(dc, text, rect, flags, colour, extended);
    return;
  }
  OffsetRect(&rect, 1, 1);
  DrawLabelTextIn(dc, text, rect, flags, highlight, extended);
  OffsetRect(&rect, -1, -1);
  DrawLabelTextIn(dc, text, rect, flags, shadow, extended);
}
