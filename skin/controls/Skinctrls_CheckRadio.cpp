// TspSkinCheckRadioBox: properties, states, the look's values and the drawing (flat and
// faced). Input, focus, groups and the cross-fade are in Skinctrls_CheckRadioInput.cpp.
#include "skin/controls/Skinctrls_CheckRadio.h"

#include <algorithm>

#include "classlib/windowing/Action.h"
#include "skin/controls/Skinctrls_Faces.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Speffbmp.h"
#include "skin/data/Sputils_Glyphs.h"
#include "skin/data/Sputils_ParentImage.h"
#include "skin/data/Sputils_Text.h"

namespace {

constexpr TColor kHotBoxFrame = static_cast<TColor>(0x800000);
// The built-in box lies 3 pixels from the left edge, 14 pixels square, its caption at 22.
constexpr int kBoxLeft = 3;
constexpr int kBoxHalf = 7;
constexpr int kDefaultCaptionLeft = 22;
constexpr int kDefaultImageGap = 5;
constexpr int kSkinImageGap = 8;
constexpr int kSkinCaptionGap = 7;

TRect OrElse(const TRect& rect, const TRect& fallback) { return rect.IsEmpty() ? fallback : rect; }

// Copies rectangle `r` of `src` into a bitmap of its size.
void CopyPart(TBitmap& part, TCanvas* src, const TRect& r) {
  part.SetSize(r.Width(), r.Height());
  part.Canvas()->CopyRect(Rect(0, 0, r.Width(), r.Height()), src, r);
}

void DrawTransparent(TCanvas* dest, int x, int y, TBitmap& part) {
  part.SetTransparent(true);
  part.SetTransparentMode(tmAuto);
  dest->Draw(x, y, &part);
}

}  // namespace

TspSkinCheckRadioBox::TspSkinCheckRadioBox(TComponent* owner)
    : TspSkinCustomControl(owner), look_(std::make_unique<TspDataSkinCheckRadioControl>("checkbox")) {
  SetSkinDataName("checkbox");
  SetTabStop(false);
  SetBounds(Left(), Top(), 150, 25);
}

TspSkinCheckRadioBox::~TspSkinCheckRadioBox() = default;

// Properties and states

void TspSkinCheckRadioBox::SetChecked(bool value) {
  checked_ = value;
  if (value || state_ == cbChecked) state_ = value ? cbChecked : cbUnchecked;
  Repaint();
  if (checked_ && groupIndex_ != 0) UnCheckAll();
  if (!radio_ || checked_) FireClick();
}

void TspSkinCheckRadioBox::SetState(TCheckBoxState value) {
  state_ = value;
  checked_ = value == cbChecked;
  Repaint();
  FireClick();
}

void TspSkinCheckRadioBox::SetAllowGrayed(bool value) {
  allowGrayed_ = value;
  Repaint();
}

void TspSkinCheckRadioBox::SetRadio(bool value) {
  radio_ = value;
  const bool designing = ComponentState().Contains(csDesigning);
  if ((lookIndex_ == -1 && drawDefault_) || designing) Repaint();
  if (!designing || ComponentState().Contains(csLoading)) return;
  SetSkinDataName(value ? "radiobox" : "checkbox");
  groupIndex_ = value ? 1 : 0;
}

void TspSkinCheckRadioBox::SetFlat(bool value) {
  flat_ = value;
  Repaint();
}

void TspSkinCheckRadioBox::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  if (flat_) Repaint();
}

void TspSkinCheckRadioBox::SetImages(TCustomImageList* value) {
  ReplaceReference(*this, images_, value);
  Repaint();
}

void TspSkinCheckRadioBox::SetImageIndex(int value) { ChangeAndRepaint(imageIndex_, value); }

void TspSkinCheckRadioBox::SetCanFocused(bool value) {
  canFocused_ = value;
  SetTabStop(value);
}

void TspSkinCheckRadioBox::Loaded() {
  TspSkinCustomControl::Loaded();
  SetCanFocused(canFocused_);
}

void TspSkinCheckRadioBox::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation == opRemove && component != nullptr && component == images_) SetImages(nullptr);
}

void TspSkinCheckRadioBox::ActionChange(TObject* sender, bool checkDefaults) {
  TspSkinCustomControl::ActionChange(sender, checkDefaults);
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (action != nullptr && (!checkDefaults || !checked_)) SetChecked(action->Checked());
}

bool TspSkinCheckRadioBox::IsFocused() const { return canFocused_ && Focused(); }

bool TspSkinCheckRadioBox::EnableMorphing() const {
  return TspFaceMorph::Allowed(look_->Morphing, skinData_);
}

bool TspSkinCheckRadioBox::ShowsImage() const {
  return images_ != nullptr && imageIndex_ >= 0 && imageIndex_ < images_->Count();
}

// The look

void TspSkinCheckRadioBox::CopyLookValues(const TspDataSkinCheckRadioControl& data) {
  TspDataSkinCheckRadioControl& look = *look_;
  look.FontName = data.FontName;
  look.FontStyle = data.FontStyle;
  look.FontHeight = data.FontHeight;
  look.FontColor = data.FontColor;
  look.ActiveFontColor = data.ActiveFontColor;
  look.FrameFontColor = data.FrameFontColor;
  look.UnEnabledFontColor = data.UnEnabledFontColor;
  look.ActiveSkinRect = OrElse(data.ActiveSkinRect, SR);
  look.CheckImageArea = data.CheckImageArea;
  look.TextArea = data.TextArea;
  look.CheckImageRect = data.CheckImageRect;
  look.UnCheckImageRect = data.UnCheckImageRect;
  look.ActiveCheckImageRect = OrElse(data.ActiveCheckImageRect, data.CheckImageRect);
  look.UnEnabledCheckImageRect = OrElse(data.UnEnabledCheckImageRect, data.CheckImageRect);
  look.ActiveUnCheckImageRect = OrElse(data.ActiveUnCheckImageRect, data.UnCheckImageRect);
  look.UnEnabledUnCheckImageRect = OrElse(data.UnEnabledUnCheckImageRect, data.UnCheckImageRect);
  look.GrayedCheckImageRect = data.GrayedCheckImageRect;
  look.ActiveGrayedCheckImageRect = data.ActiveGrayedCheckImageRect;
  look.Morphing = data.Morphing;
  look.MorphKind = data.MorphKind;
}

void TspSkinCheckRadioBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  checkLook_ = false;
  if (lookIndex_ == -1) {
    look_->Morphing = false;
    morph_.SetFactor(0);
    return;
  }
  const auto* data = dynamic_cast<const TspDataSkinCheckRadioControl*>(skinData_->CtrlList[lookIndex_].get());
  if (data == nullptr) return;
  checkLook_ = true;
  CopyLookValues(*data);
  if (!flat_) return;
  look_->Morphing = false;
  Mask = nullptr;
}

void TspSkinCheckRadioBox::CalcSize(int& W, int& H) {
  if (flat_) return;
  TspSkinCustomControl::CalcSize(W, H);
  const int grow = W - SR.Width();
  const TRect& text = look_->TextArea;
  textRect_ = Rect(text.Left, text.Top, text.Right + grow, text.Bottom);
  TRect area = look_->CheckImageArea;
  if (text.Right < area.Right) area = Rect(area.Left + grow, area.Top, area.Right + grow, area.Bottom);
  const TRect& glyph = look_->CheckImageRect;
  glyphRect_ = Bounds(area.Left + area.Width() / 2 - glyph.Width() / 2,
                      area.Top + area.Height() / 2 - glyph.Height() / 2, glyph.Width(), glyph.Height());
}

void TspSkinCheckRadioBox::ChangeSkinData() {
  if (flat_) {
    GetSkinData();
    Repaint();
    return;
  }
  StopMorph();
  TspSkinCustomControl::ChangeSkinData();
  if (lookIndex_ != -1 && EnableMorphing() && (IsFocused() || mouseIn_)) {
    morph_.SetFactor(1);
    Repaint();
  }
}

void TspSkinCheckRadioBox::CheckParentBackground() {
  if (flat_) Repaint();
  else TspSkinCustomControl::CheckParentBackground();
}

// Glyphs

void TspSkinCheckRadioBox::SkinDrawCheckImage(int X, int Y, TCanvas* Dest, const TRect& R, TCanvas* Src) {
  if (R.IsEmpty()) return;
  TBitmap part;
  CopyPart(part, Src, R);
  DrawTransparent(Dest, X, Y, part);
}

void TspSkinCheckRadioBox::SkinDrawGrayedCheckImage(int X, int Y, TCanvas* Dest, const TRect& R, TCanvas* Src) {
  const TspDataSkinCheckRadioControl& look = *look_;
  if (!look.GrayedCheckImageRect.IsEmpty()) {
    const bool hot = mouseIn_ && !look.ActiveGrayedCheckImageRect.IsEmpty();
    SkinDrawCheckImage(X, Y, Dest, hot ? look.ActiveGrayedCheckImageRect : look.GrayedCheckImageRect, Src);
    return;
  }
  if (R.IsEmpty()) return;
  TBitmap part;
  part.SetPixelFormat(pf24bit);
  CopyPart(part, Src, R);
  part.FreeContext();
  TspEffectBmp effect(part.Handle());
  effect.ChangeBrightness(0.5);
  effect.Draw(part.Canvas()->Handle(), 0, 0);
  DrawTransparent(Dest, X, Y, part);
}

void TspSkinCheckRadioBox::DrawStateGlyph(TCanvas* canvas, int X, int Y) {
  if (Picture == nullptr) return;
  const TspDataSkinCheckRadioControl& look = *look_;
  TRect checkedGlyph = look.CheckImageRect, uncheckedGlyph = look.UnCheckImageRect;
  if (!Enabled()) {
    checkedGlyph = look.UnEnabledCheckImageRect;
    uncheckedGlyph = look.UnEnabledUnCheckImageRect;
  } else if (mouseIn_) {
    checkedGlyph = look.ActiveCheckImageRect;
    uncheckedGlyph = look.ActiveUnCheckImageRect;
  }
  if (state_ == cbGrayed) SkinDrawGrayedCheckImage(X, Y, canvas, checkedGlyph, Picture->Canvas());
  else SkinDrawCheckImage(X, Y, canvas, checked_ ? checkedGlyph : uncheckedGlyph, Picture->Canvas());
}

void TspSkinCheckRadioBox::DrawDefaultMark(TCanvas* canvas) {
  const int half = Height() / 2;
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(mouseIn_ ? kHotBoxFrame : clBtnShadow);
  canvas->FrameRect(Rect(kBoxLeft, half - kBoxHalf, kBoxLeft + 2 * kBoxHalf, half + kBoxHalf));
  canvas->Brush()->SetStyle(bsClear);
  if (state_ == cbGrayed && !radio_) {
    DrawCheckImage(canvas, 7, half - 4, clGrayText);
    return;
  }
  if (!checked_) return;
  const TColor color = Enabled() ? clBlack : clBtnShadow;
  if (radio_) DrawRadioImage(canvas, 7, half - 3, color);
  else DrawCheckImage(canvas, 7, half - 4, color);
}

// Fonts

void TspSkinCheckRadioBox::SetContentCharset(TCanvas* canvas) { SetCaptionCharset(canvas, skinData_, DefaultFont()); }

void TspSkinCheckRadioBox::SelectSkinFont(TCanvas* canvas) {
  TFont* font = canvas->Font();
  if (UseSkinFont()) {
    font->SetName(look_->FontName);
    font->SetHeight(look_->FontHeight);
    font->SetStyle(look_->FontStyle);
  } else {
    font->Assign(DefaultFont());
  }
  SetContentCharset(canvas);
}

// Painting

void TspSkinCheckRadioBox::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (flat_) PaintFlat();
  else if (HasCheckLook()) PaintFace();
  else TspSkinCustomControl::Paint();
}

void TspSkinCheckRadioBox::PaintFace() {
  int w = Width(), h = Height();
  CalcSize(w, h);
  TBitmap face;
  PrepareFace(*this, face);
  BuildFace(face);
  DrawFace(*this, Canvas(), face);
}

void TspSkinCheckRadioBox::BuildFace(TBitmap& face) {
  if (EnableMorphing() && morph_.Factor() != 0 && morph_.Factor() != 1) {
    TBitmap active;
    PrepareFace(*this, active);
    CreateImage(&face, SR, false);
    CreateImage(&active, look_->ActiveSkinRect, true);
    BlendFaces(face, active, look_->MorphKind, morph_.Factor());
    return;
  }
  if (mouseIn_ || IsFocused()) CreateImage(&face, look_->ActiveSkinRect, true);
  else CreateImage(&face, SR, false);
}

void TspSkinCheckRadioBox::CreateImage(TBitmap* B, const TRect& R, bool AActive) {
  CreateSkinControlImage(B, Picture, R);
  TCanvas* canvas = B->Canvas();
  DrawStateGlyph(canvas, glyphRect_.Left, glyphRect_.Top);
  SelectSkinFont(canvas);
  if (!Enabled()) canvas->Font()->SetColor(look_->UnEnabledFontColor);
  else canvas->Font()->SetColor(AActive ? look_->ActiveFontColor : look_->FontColor);
  canvas->Brush()->SetStyle(bsClear);
  SPDrawText(canvas, Caption(), textRect_);
}

void TspSkinCheckRadioBox::CreateControlDefaultImage(TBitmap* bitmap) {
  TspSkinCustomControl::CreateControlDefaultImage(bitmap);
  TCanvas* canvas = bitmap->Canvas();
  if (IsFocused() || mouseIn_) {
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(ClientRect());
  }
  canvas->Font()->Assign(DefaultFont());
  SetContentCharset(canvas);
  if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
  canvas->Brush()->SetStyle(bsClear);
  SPDrawText(canvas, Caption(), Rect(19, 0, Width(), Height()));
  DrawDefaultMark(canvas);
}

void TspSkinCheckRadioBox::PaintFlat() {
  TBitmap picture;
  picture.SetSize(Width(), Height());
  GetParentImage(this, picture.Canvas());
  if (HasCheckLook()) DrawSkinFlat(picture.Canvas());
  else if (lookIndex_ == -1) DrawDefaultFlat(picture.Canvas());
  Canvas()->Draw(0, 0, &picture);
}

void TspSkinCheckRadioBox::DrawDefaultFlat(TCanvas* canvas) {
  canvas->Font()->Assign(DefaultFont());
  SetContentCharset(canvas);
  canvas->Brush()->SetStyle(bsClear);
  DrawFlatContent(canvas, kDefaultCaptionLeft, kDefaultImageGap, clBtnShadow);
  DrawDefaultMark(canvas);
}

void TspSkinCheckRadioBox::DrawSkinFlat(TCanvas* canvas) {
  const TRect& glyph = look_->CheckImageRect;
  DrawStateGlyph(canvas, kBoxLeft, Height() / 2 - glyph.Height() / 2);
  SelectSkinFont(canvas);
  TColor color = Enabled() ? look_->FrameFontColor : look_->UnEnabledFontColor;
  if (!useSkinFontColor_) color = DefaultFont()->Color();
  canvas->Font()->SetColor(color);
  canvas->Brush()->SetStyle(bsClear);
  DrawFlatContent(canvas, glyph.Width() + kSkinCaptionGap, kSkinImageGap, color);
}

void TspSkinCheckRadioBox::DrawFlatContent(TCanvas* canvas, int left, int imageGap, TColor disabledColor) {
  const int half = Height() / 2;
  const bool image = ShowsImage();
  const int imageLeft = left;
  if (image) left += images_->Width() + imageGap;
  const AnsiString caption = Caption();
  TRect text = Rect(left, 0, wordWrap_ ? ClientRect().Right : left, 0);
  const UINT measure = wordWrap_ ? DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK : DT_CALCRECT | DT_SINGLELINE;
  RECT measured = *text.AsRECT();
  DrawTextA(canvas->Handle(), caption.c_str(), caption.Length(), &measured, measure);
  const int textHeight = measured.bottom - measured.top;
  int top = half - textHeight / 2;
  if (wordWrap_) top = std::max(0, top);
  text = Rect(left, top, std::min<int>(measured.right, Width() - 2), top + textHeight);
  if (image) images_->Draw(canvas, imageLeft, half - images_->Height() / 2, imageIndex_, Enabled());
  if (!Enabled()) canvas->Font()->SetColor(disabledColor);
  if (wordWrap_) {
    RECT r = *text.AsRECT();
    DrawTextA(canvas->Handle(), caption.c_str(), caption.Length(), &r,
              DT_EXPANDTABS | DT_WORDBREAK);
  } else {
    SPDrawText(canvas, caption, text);
  }
  if (!IsFocused()) return;
  TRect focus = Rect(text.Left - 2, text.Top - 1, text.Right + 3, text.Bottom + 1);
  if (caption.IsEmpty()) {
    if (!image) return;
    focus = Bounds(imageLeft - 1, half - images_->Height() / 2 - 1, images_->Width() + 2, images_->Height() + 2);
  }
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(HasCheckLook() ? skinData_->SkinColors->BtnFace : clBtnFace);
  canvas->DrawFocusRect(focus);
  canvas->Brush()->SetStyle(bsClear);
}
