#include "skin/controls/Skinctrls_HeaderLook.h"

#include "classlib/stdctrls/Frame3D.h"
#include "skin/data/Skindata_Buttons.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Text.h"

namespace {

constexpr TColor kNavy = 0x800000;
constexpr TColor kHotFill = 0xD2BDB6;
constexpr TColor kPressedFill = 0xB59385;
constexpr int kImageGap = 10;

bool IsNullRect(const TRect& rect) { return rect.Width() <= 0 || rect.Height() <= 0; }

}  // namespace

void TspHeaderLook::Find(TspSkinData* skin, const AnsiString& name) {
  index_ = (skin == nullptr || skin->Empty) ? -1 : skin->GetControlIndex(name);
  picture_ = nullptr;
  if (index_ == -1) return;
  const auto* look = dynamic_cast<const TspDataSkinButtonControl*>(skin->CtrlList[index_].get());
  if (look == nullptr) return;
  SR = look->SkinRect;
  LT = look->LeftTopPoint;
  RT = look->RightTopPoint;
  LB = look->LeftBottomPoint;
  RB = look->RightBottomPoint;
  CR = look->ClientRect;
  clientStretch_ = look->StretchEffect;
  leftStretch_ = look->LeftStretch;
  topStretch_ = look->TopStretch;
  rightStretch_ = look->RightStretch;
  bottomStretch_ = look->BottomStretch;
  stretchType_ = look->StretchType;
  font_.CopyFrom(*look);
  activeFontColor_ = look->ActiveFontColor;
  downFontColor_ = look->DownFontColor;
  activeSR_ = IsNullRect(look->ActiveSkinRect) ? SR : look->ActiveSkinRect;
  downSR_ = IsNullRect(look->DownSkinRect) ? activeSR_ : look->DownSkinRect;
  const int picture = look->PictureIndex;
  if (picture >= 0 && picture < static_cast<int>(skin->ActivePictures.size())) {
    picture_ = skin->ActivePictures[static_cast<size_t>(picture)].get();
  }
}

const TRect& TspHeaderLook::StateRect(TspSectionState state) const {
  switch (state) {
    case TspSectionState::Hot:
      return activeSR_;
    case TspSectionState::Pressed:
      return downSR_;
    default:
      return SR;
  }
}

TColor TspHeaderLook::FontColor(TspSectionState state) const {
  switch (state) {
    case TspSectionState::Hot:
      return activeFontColor_;
    case TspSectionState::Pressed:
      return downFontColor_;
    default:
      return font_.Color;
  }
}

void TspHeaderLook::ComposeFace(TBitmap* bitmap, int W, int H, TspSectionState state,
                                TspStretchType stretchType) const {
  Compose(bitmap, W, H, StateRect(state), stretchType, CreateSkinImage, CreateHSkinImage);
}

void TspHeaderLook::ComposeRest(TBitmap* bitmap, int W, int H, TspStretchType stretchType) const {
  Compose(bitmap, W, H, SR, stretchType, CreateSkinImage2, CreateHSkinImage2);
}

void TspHeaderLook::Compose(TBitmap* bitmap, int W, int H, const TRect& source, TspStretchType stretchType,
                            TNinePartComposer ninePart, TStripComposer strip) const {
  if (FixedHeight()) {
    bitmap->SetSize(W, SR.Height());
    strip(LT.X, SR.Width() - RT.X, bitmap, picture_, source, W, SR.Height(), clientStretch_);
    return;
  }
  const int dx = W - SR.Width(), dy = H - SR.Height();
  ninePart(LT, RT, LB, RB, CR, LT, Point(RT.X + dx, RT.Y), Point(LB.X, LB.Y + dy), Point(RB.X + dx, RB.Y + dy),
           Rect(CR.Left, CR.Top, CR.Right + dx, CR.Bottom + dy), bitmap, picture_, source, W, H, true, leftStretch_,
           topStretch_, rightStretch_, bottomStretch_, clientStretch_, stretchType);
}

TRect TspHeaderLook::ContentRect(int W, int H) const {
  return Rect(CR.Left, CR.Top, W - (SR.Width() - CR.Right), H - (SR.Height() - CR.Bottom));
}

void DrawPlainSectionFace(TCanvas* canvas, TRect& rect, TspSectionState state) {
  const bool plain = state == TspSectionState::Normal;
  const TColor frame = plain ? clBtnShadow : kNavy;
  Frame3D(canvas, rect, frame, frame, 1);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(plain ? clBtnFace : state == TspSectionState::Hot ? kHotFill : kPressedFill);
  canvas->FillRect(rect);
}

void DrawSectionContent(TCanvas* canvas, const TRect& rect, const TspSectionContent& content) {
  canvas->Brush()->SetStyle(bsClear);
  AnsiString text = content.Text;
  const bool image = content.Images != nullptr && content.ImageIndex >= 0 &&
                     content.ImageIndex < content.Images->Count();
  const int imageWidth = image ? content.Images->Width() + kImageGap : 0;
  CorrectTextbyWidth(canvas, text, rect.Width() - imageWidth);
  const bool shortened = text != content.Text;
  const int textWidth = canvas->TextWidth(text);
  int x = rect.Left;
  if (image) {
    if (!shortened && content.Alignment == taRightJustify) x = rect.Right - textWidth - imageWidth;
    if (!shortened && content.Alignment == taCenter) x = rect.Left + rect.Width() / 2 - (textWidth + imageWidth) / 2;
    content.Images->Draw(canvas, x, rect.Top + rect.Height() / 2 - content.Images->Height() / 2,
                         content.ImageIndex, true);
    x += imageWidth;
  } else if (content.Alignment == taRightJustify) {
    x = rect.Right - textWidth - content.RightInset;
  } else if (content.Alignment == taCenter) {
    x = rect.Left + rect.Width() / 2 - textWidth / 2;
  }
  canvas->TextRect(rect, x, rect.Top + rect.Height() / 2 - canvas->TextHeight(text) / 2, text);
}
