// The label, the picture-font label and the caption objects, and the form component's
// side of them: their texts by IDName, the default caption, the activation animation.
#include "skin/form/Formskinner_TextObjects.h"

#include <algorithm>

#include "skin/data/Skindata_Strings.h"
#include "skin/data/Speffbmp.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/data/Sputils_Text.h"
#include "skin/form/Formskinner.h"

namespace {

// A bitmap of w x h holding `face` of `picture` stretched over it.
void CutFace(TBitmap* bitmap, TBitmap* picture, const TRect& face, int w, int h) {
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(w, h);
  if (picture != nullptr) bitmap->Canvas()->CopyRect(Rect(0, 0, w, h), picture->Canvas(), face);
}

void SetObjectFont(TCanvas* canvas, const AnsiString& name, const TFontStyles& style, int height, TColor color) {
  TFont* font = canvas->Font();
  font->SetName(name);
  font->SetStyle(style);
  font->SetHeight(height);
  font->SetColor(color);
  canvas->Brush()->SetStyle(bsClear);
}

}  // namespace

std::wstring CaptionWideText(const AnsiString& text) {
  if (text.IsEmpty()) return {};
  const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), text.Length(), nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), text.Length(), out.data(), size);
  return out;
}

UINT RightToLeftFlags(TCustomForm* form, bool alignment) {
  if (form == nullptr || !form->HandleAllocated()) return 0;
  const LONG_PTR exStyle = GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE);
  UINT flags = (exStyle & WS_EX_RTLREADING) != 0 ? DT_RTLREADING : 0;
  if (alignment && (exStyle & WS_EX_RIGHT) != 0) flags |= DT_RIGHT;
  return flags;
}

// ---- The label -------------------------------------------------------------------

TspSkinLabelObject::TspSkinLabelObject(TspFormSkinner* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  auto* label = dynamic_cast<TspDataSkinLabel*>(data);
  if (label == nullptr) return;
  TextValue = label->TextValue;
  FontName = label->FontName;
  FontStyle = label->FontStyle;
  FontHeight = label->FontHeight;
  FontColor = label->FontColor;
  ActiveFontColor = label->ActiveFontColor;
  Alignment = label->Alignment;
}

void TspSkinLabelObject::SetTextValue(const AnsiString& text, bool drawNow) {
  TextValue = text;
  if (drawNow) Parent->DrawSkinObject(this);
}

void TspSkinLabelObject::MakeFace(TBitmap* bitmap, TBitmap* picture, const TRect& face, TColor color) {
  const int w = RectWidth(ObjectRect);
  const int h = RectHeight(ObjectRect);
  CutFace(bitmap, picture, face, w, h);
  TCanvas* c = bitmap->Canvas();
  SetObjectFont(c, FontName, FontStyle, FontHeight, color);
  const SIZE size = c->TextExtent(TextValue);
  int x = w / 2 - size.cx / 2;
  if (Alignment == taLeftJustify) x = 0;
  if (Alignment == taRightJustify) x = w - size.cx;
  c->TextRect(Rect(0, 0, w, h), x, h / 2 - size.cy / 2, TextValue);
}

void TspSkinLabelObject::Draw(TCanvas* canvas, bool alone) {
  (void)alone;
  const bool hasActiveFace = !IsNullRect(ActiveSkinRect);
  TBitmap face;
  if (BetweenMorphEnds()) {
    MakeFace(&face, NormalFacePicture(), SkinRect, FontColor);
    TBitmap active;
    if (hasActiveFace) {
      MakeFace(&active, ActivePicture, ActiveSkinRect, ActiveFontColor);
    } else {
      MakeFace(&active, NormalFacePicture(), SkinRect, ActiveFontColor);
    }
    face.FreeContext();
    active.FreeContext();
    TspEffectBmp a(face.Handle());
    const TspEffectBmp b(active.Handle());
    a.MorphByKind(MorphKind, &b, MorphKf());
    a.Draw(canvas->Handle(), ObjectRect.Left, ObjectRect.Top);
    return;
  }
  if (Active && hasActiveFace) {
    MakeFace(&face, ActivePicture, ActiveSkinRect, ActiveFontColor);
  } else {
    MakeFace(&face, NormalFacePicture(), SkinRect, Active ? ActiveFontColor : FontColor);
  }
  canvas->Draw(ObjectRect.Left, ObjectRect.Top, &face);
}

bool TspSkinLabelObject::HoverChangesLook() const { return !IsNullRect(ActiveSkinRect) || ActiveFontColor != FontColor; }

void TspSkinLabelObject::MouseEnter() {
  MouseIn = Active = true;
  if (HoverChangesLook()) Redraw();
  Parent->MouseEnterEvent(IDName);
}

void TspSkinLabelObject::MouseLeave() {
  MouseIn = Active = false;
  if (HoverChangesLook()) Redraw();
  Parent->MouseLeaveEvent(IDName);
}

// ---- The picture-font label ------------------------------------------------------

TspSkinBitLabelObject::TspSkinBitLabelObject(TspFormSkinner* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  auto* label = dynamic_cast<TspDataSkinBitLabel*>(data);
  if (label == nullptr) return;
  TextValue = label->TextValue;
  SymbolWidth = label->SymbolWidth;
  SymbolHeight = label->SymbolHeight;
  Symbols = &label->Symbols;
  Transparent = label->Transparent;
  TransparentColor = label->TransparentColor;
  Morphing = false;
}

void TspSkinBitLabelObject::SetTextValue(const AnsiString& text, bool drawNow) {
  TextValue = text;
  if (drawNow) Parent->DrawSkinObject(this);
}

bool TspSkinBitLabelObject::FindSymbol(char c, int& row, int& column) const {
  if (Symbols == nullptr) return false;
  for (int r = 0; r < Symbols->Count(); ++r) {
    const AnsiString line = Symbols->Strings(r);
    const size_t at = line.view().find(c);
    if (at != std::string_view::npos) {
      row = r;
      column = static_cast<int>(at);
      return true;
    }
  }
  return false;
}

void TspSkinBitLabelObject::Draw(TCanvas* canvas, bool alone) {
  (void)alone;
  const int w = RectWidth(SkinRect);
  const int h = RectHeight(SkinRect);
  TBitmap text;
  CutFace(&text, Picture, SkinRect, w, h);
  for (int i = 1; i <= TextValue.Length() && SymbolWidth > 0 && ActivePicture != nullptr; ++i) {
    const int cut = std::max(0, i * SymbolWidth - w);
    int row = 0;
    int column = 0;
    if (FindSymbol(TextValue[i], row, column)) {
      const int sx = ActiveSkinRect.Left + column * SymbolWidth;
      const int sy = ActiveSkinRect.Top + row * SymbolHeight;
      const int dx = (i - 1) * SymbolWidth;
      text.Canvas()->CopyRect(Rect(dx, 0, dx + SymbolWidth - cut, SymbolHeight), ActivePicture->Canvas(),
                              Rect(sx, sy, sx + SymbolWidth - cut, sy + SymbolHeight));
    }
    if (cut > 0) break;
  }
  if (!Transparent) {
    canvas->Draw(ObjectRect.Left, ObjectRect.Top, &text);
    return;
  }
  text.SetTransparent(true);
  text.SetTransparentColor(TransparentColor);
  TBitmap back;
  CutFace(&back, SkinData != nullptr ? SkinData->Picture.get() : nullptr, SkinRect, w, h);
  back.Canvas()->Draw(0, 0, &text);
  canvas->Draw(ObjectRect.Left, ObjectRect.Top, &back);
}

// ---- The caption -----------------------------------------------------------------

TspSkinCaptionObject::TspSkinCaptionObject(TspFormSkinner* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  auto* caption = dynamic_cast<TspDataSkinCaption*>(data);
  if (caption == nullptr) return;
  FontName = caption->FontName;
  FontStyle = caption->FontStyle;
  FontHeight = caption->FontHeight;
  FontColor = caption->FontColor;
  ActiveFontColor = caption->ActiveFontColor;
  ShadowColor = caption->ShadowColor;
  ActiveShadowColor = caption->ActiveShadowColor;
  Shadow = caption->Shadow;
  Alignment = caption->Alignment;
  TextRect = caption->TextRect;
  DefaultCaption = caption->DefaultCaption;
  FrameRect = caption->FrameRect;
  ActiveFrameRect = caption->ActiveFrameRect;
  FrameLeftOffset = caption->FrameLeftOffset;
  FrameRightOffset = caption->FrameRightOffset;
  FrameTextRect = caption->FrameTextRect;
  LightColor = caption->LightColor;
  ActiveLightColor = caption->ActiveLightColor;
  Light = caption->Light;
  StretchEffect = caption->StretchEffect;
  AnimateSkinRect = caption->AnimateSkinRect;
  FrameCount = caption->FrameCount;
  AnimateInterval = caption->AnimateInterval;
  InActiveAnimation = caption->InActiveAnimation;
  FullFrame = caption->FullFrame;
}

void TspSkinCaptionObject::SetTextValue(const AnsiString& text) {
  TextValue = text;
  Parent->DrawSkinObject(this);
}

void TspSkinCaptionObject::SimpleSetTextValue(const AnsiString& text) { TextValue = text; }

bool TspSkinCaptionObject::EnableAnimation() const {
  const TspSkinData* skin = Parent->SkinData();
  return skin != nullptr && skin->EnableSkinEffects() && !skin->Empty && !IsNullRect(AnimateSkinRect) && FrameCount > 0;
}

bool TspSkinCaptionObject::StepAnimation() {
  const bool active = Parent->GetFormActive();
  const bool framesLeft = active ? AnimateFrame <= FrameCount : AnimateFrame > 0;
  if (!framesLeft) return false;
  if (AnimateElapsed < AnimateInterval) {
    AnimateElapsed += kAnimateTick;
    return true;
  }
  AnimateFrame += active ? 1 : -1;
  AnimateElapsed = kAnimateTick;
  Parent->DrawSkinObject(this);
  return true;
}

TRect TspSkinCaptionObject::TitleRect() const {
  TRect t = TextRect;
  if (!IsNullRect(TextRect)) t.Right = RectWidth(ObjectRect) - (RectWidth(SkinRect) - TextRect.Right);
  if (!IsNullRect(FrameRect)) {
    t.Left += FrameTextRect.Left;
    t.Top += FrameTextRect.Top;
    t.Right -= RectWidth(FrameRect) - FrameTextRect.Right;
  }
  return t;
}

void TspSkinCaptionObject::MakeFace(TBitmap* face, TBitmap* picture, const TRect& source, bool horizontalOnly) const {
  const int w = RectWidth(ObjectRect);
  const int h = RectHeight(ObjectRect);
  face->SetPixelFormat(pf24bit);
  face->SetSize(w, h);
  const TspSkinData* skin = Parent->SkinData();
  if (picture == nullptr || skin == nullptr) return;
  if (!Parent->CanScale()) {
    face->Canvas()->CopyRect(Rect(0, 0, w, h), picture->Canvas(), source);
    return;
  }
  const TPoint lt = skin->LeftTopPoint, rt = skin->RightTopPoint;
  const TPoint lb = skin->LeftBottomPoint, rb = skin->RightBottomPoint;
  int kind = 4;
  if (RectWidth(SkinRect) == w && RectHeight(SkinRect) == h) {
    kind = 0;
  } else if (SkinRect.Top <= lt.Y && SkinRect.Bottom < rt.Y) {
    kind = 1;
  } else if (SkinRect.Top >= lb.Y && SkinRect.Bottom > rb.Y) {
    kind = 2;
  } else if (SkinRect.Top <= lt.Y && SkinRect.Bottom > lb.Y) {
    kind = 3;
  }
  if (horizontalOnly && kind > 2) kind = 1;
  int first = 0;
  int second = 0;
  switch (kind) {
    case 1: first = lt.X - SkinRect.Left; second = SkinRect.Right - rt.X; break;
    case 2: first = lb.X - SkinRect.Left; second = SkinRect.Right - rb.X; break;
    case 3: first = lt.Y - SkinRect.Top; second = SkinRect.Bottom - lb.Y; break;
    case 4: first = rt.Y - SkinRect.Top; second = SkinRect.Bottom - rb.Y; break;
    default: break;
  }
  first = std::max(0, first);
  second = std::max(0, second);
  if (first == 0 && second == 0) {
    face->Canvas()->CopyRect(Rect(0, 0, w, h), picture->Canvas(), source);
  } else if (kind <= 2) {
    CreateHSkinImage(first, second, face, picture, source, w, h, StretchEffect);
  } else {
    CreateVSkinImage(first, second, face, picture, source, w, h, StretchEffect);
  }
}

void TspSkinCaptionObject::DrawTextCopy(TCanvas* canvas, const std::wstring& text, int x, int y, TColor color) {
  const TColor saved = canvas->Font()->Color();
  canvas->Font()->SetColor(color);
  TRect r = Rect(x, y, x, y);
  SPDrawSkinText(canvas, text, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SPDrawSkinText(canvas, text, r, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | RightToLeftFlags(Parent->OwnerForm, false));
  canvas->Font()->SetColor(saved);
}

void TspSkinCaptionObject::DrawFrame(TCanvas* canvas, int x0, int textX, int textY, int textWidth, bool active) {
  if (IsNullRect(FrameRect) || ActivePicture == nullptr) return;
  const TRect source = active && !IsNullRect(ActiveFrameRect) ? ActiveFrameRect : FrameRect;
  const int offset = Parent->SkinData()->ButtonsOffset;
  const int width = FullFrame ? RectWidth(ObjectRect) - 2 * offset
                              : RectWidth(FrameRect) + textWidth - RectWidth(FrameTextRect);
  if (width <= 0) return;
  TBitmap frame;
  CreateHSkinImage(FrameLeftOffset, FrameRightOffset, &frame, ActivePicture, source, width, RectHeight(FrameRect), false);
  const int x = FullFrame ? x0 + offset : textX - FrameTextRect.Left;
  canvas->Draw(x, textY - FrameTextRect.Top, &frame);
}

void TspSkinCaptionObject::DrawTitle(TCanvas* canvas, int x0, int y0, bool active, TColor color) {
  SetObjectFont(canvas, FontName, FontStyle, FontHeight, color);
  TspResourceStrData* strings = Parent->SkinData() != nullptr ? Parent->SkinData()->ResourceStrData() : nullptr;
  canvas->Font()->SetCharset(strings != nullptr ? strings->CharSet() : Parent->DefCaptionFont()->Charset());
  if (Parent->OnCaptionPaint) {
    Parent->OnCaptionPaint(canvas, Rect(x0, y0, x0 + RectWidth(ObjectRect), y0 + RectHeight(ObjectRect)), active);
    return;
  }
  std::wstring text = CaptionWideText(Parent->OwnerForm->Caption());
  if (text.empty() || IsNullRect(TextRect)) return;
  const TRect t = TitleRect();
  CorrectTextbyWidthW(canvas, text, RectWidth(t));
  const int h = CalcTextHeightW(canvas, text);
  const int w = CalcTextWidthW(canvas, text);
  int x = t.Left + RectWidth(t) / 2 - w / 2;
  if (Alignment == taLeftJustify) x = t.Left;
  if (Alignment == taRightJustify) x = t.Right - w;
  x += x0;
  const int y = t.Top + RectHeight(t) / 2 - h / 2 + y0;
  DrawFrame(canvas, x0, x, y, w, active);
  if (Light) DrawTextCopy(canvas, text, x - 1, y - 1, active ? ActiveLightColor : LightColor);
  if (Shadow) DrawTextCopy(canvas, text, x + 1, y + 1, active ? ActiveShadowColor : ShadowColor);
  DrawTextCopy(canvas, text, x, y, color);
}

void TspSkinCaptionObject::DrawFaced(TCanvas* canvas, TBitmap* picture, const TRect& source, bool active,
                                     TColor color, bool effect) {
  TBitmap face;
  MakeFace(&face, picture, source, false);
  DrawTitle(face.Canvas(), 0, 0, active, color);
  if (!effect || Parent->GetFormActive() || !Parent->GetAutoRenderingInActiveImage()) {
    canvas->Draw(ObjectRect.Left, ObjectRect.Top, &face);
    return;
  }
  face.FreeContext();
  TspEffectBmp bitmap(face.Handle());
  ApplyInactiveEffect(bitmap, Parent->SkinData()->InActiveEffect);
  bitmap.Draw(canvas->Handle(), ObjectRect.Left, ObjectRect.Top);
}

void TspSkinCaptionObject::DrawAnimationFrame(TCanvas* canvas) {
  TRect frame = AnimateSkinRect;
  if (RectHeight(AnimateSkinRect) > RectHeight(SkinRect)) {
    const int h = RectHeight(AnimateSkinRect) / FrameCount;
    frame.Top += (AnimateFrame - 1) * h;
    frame.Bottom = frame.Top + h;
  } else {
    const int w = RectWidth(AnimateSkinRect) / FrameCount;
    frame.Left += (AnimateFrame - 1) * w;
    frame.Right = frame.Left + w;
  }
  TBitmap face;
  MakeFace(&face, ActivePicture, frame, Parent->SupportNCArea());
  DrawTitle(face.Canvas(), 0, 0, !Active, Active ? FontColor : ActiveFontColor);
  canvas->Draw(ObjectRect.Left, ObjectRect.Top, &face);
}

void TspSkinCaptionObject::DrawMorphed(TCanvas* canvas) {
  TBitmap active;
  MakeFace(&active, ActivePicture, ActiveSkinRect, false);
  DrawTitle(active.Canvas(), 0, 0, true, ActiveFontColor);
  TBitmap normal;
  MakeFace(&normal, NormalFacePicture(), SkinRect, false);
  DrawTitle(normal.Canvas(), 0, 0, false, FontColor);
  active.FreeContext();
  normal.FreeContext();
  TspEffectBmp blend(normal.Handle());
  const TspEffectBmp target(active.Handle());
  blend.MorphByKind(MorphKind, &target, MorphKf());
  if (!Active && Parent->GetAutoRenderingInActiveImage()) ApplyInactiveEffect(blend, Parent->SkinData()->InActiveEffect);
  blend.Draw(canvas->Handle(), ObjectRect.Left, ObjectRect.Top);
}

void TspSkinCaptionObject::Draw(TCanvas* canvas, bool alone) {
  Active = Parent->GetFormActive();
  const TColor color = Active ? ActiveFontColor : FontColor;
  const bool hasActiveFace = !IsNullRect(ActiveSkinRect);
  const bool morphing = EnableMorphing();
  if (EnableAnimation() && AnimateFrame >= 1 && AnimateFrame <= FrameCount) {
    DrawAnimationFrame(canvas);
  } else if (Parent->SupportNCArea() && !hasActiveFace) {
    DrawTitle(canvas, ObjectRect.Left, ObjectRect.Top, Active, color);
  } else if (hasActiveFace && (Active || (MorphKf() != 0 && morphing))) {
    if (Active && (MorphKf() == 1 || (MorphKf() == 0 && !morphing))) {
      DrawFaced(canvas, ActivePicture, ActiveSkinRect, true, ActiveFontColor, false);
    } else {
      DrawMorphed(canvas);
    }
  } else if (!alone) {
    DrawTitle(canvas, ObjectRect.Left, ObjectRect.Top, Active, color);
  } else {
    DrawFaced(canvas, NormalFacePicture(), SkinRect, Active, color, true);
  }
}

void TspSkinCaptionObject::MouseDown(int x, int y, TMouseButton button) {
  if (!Parent->SupportNCArea() && Parent->WindowState != spwsMaximized) Parent->StartDragg(x, y);
  TspActiveSkinObject::MouseDown(x, y, button);
}

void TspSkinCaptionObject::MouseUp(int x, int y, TMouseButton button) {
  if (!Parent->SupportNCArea()) Parent->EndDragg();
  Parent->MouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TspSkinCaptionObject::MouseEnter() {
  MouseIn = true;
  Parent->MouseEnterEvent(IDName);
}

void TspSkinCaptionObject::MouseLeave() {
  MouseIn = false;
  Parent->MouseLeaveEvent(IDName);
}

// ---- The form component's side ---------------------------------------------------

void TspFormSkinner::LabelSetText(const AnsiString& idName, const AnsiString& text) {
  if (auto* label = Find<TspSkinLabelObject>(idName)) label->SetTextValue(text, !ApplyingSkin);
}

void TspFormSkinner::BitLabelSetText(const AnsiString& idName, const AnsiString& text) {
  if (auto* label = Find<TspSkinBitLabelObject>(idName)) label->SetTextValue(text, !ApplyingSkin);
}

void TspFormSkinner::CaptionSetText(const AnsiString& idName, const AnsiString& text) {
  auto* caption = Find<TspSkinCaptionObject>(idName);
  if (caption == nullptr) return;
  if (ApplyingSkin) {
    caption->SimpleSetTextValue(text);
  } else {
    caption->SetTextValue(text);
  }
}

void TspFormSkinner::SetDefaultCaptionText(const AnsiString& caption) {
  if (!SkinDataUsable()) return;
  for (const auto& object : ObjectList) {
    auto* title = dynamic_cast<TspSkinCaptionObject*>(object.get());
    if (title != nullptr && title->DefaultCaption) title->SimpleSetTextValue(caption);
  }
}

// The caption marked as default mirrors the form's caption; without a mark, the first.
void TspFormSkinner::ChooseDefaultCaption() {
  TspSkinCaptionObject* first = nullptr;
  bool marked = false;
  for (const auto& object : ObjectList) {
    auto* caption = dynamic_cast<TspSkinCaptionObject*>(object.get());
    if (caption == nullptr) continue;
    if (first == nullptr) first = caption;
    if (caption->DefaultCaption) {
      marked = true;
      caption->SimpleSetTextValue(OwnerForm->Caption());
    }
  }
  if (marked || first == nullptr) return;
  first->DefaultCaption = true;
  first->SimpleSetTextValue(OwnerForm->Caption());
}

void TspFormSkinner::CaptionsChangeActive(bool update) {
  const bool active = GetFormActive();
  for (const auto& object : ObjectList) {
    auto* caption = dynamic_cast<TspSkinCaptionObject*>(object.get());
    if (caption == nullptr) continue;
    if (!update || !CanObjectTest(caption->RollUp)) {
      if (caption->Morphing) caption->SetMorphKf(active ? 1 : 0);
      continue;
    }
    caption->Active = active;
    if (caption->EnableAnimation()) {
      caption->AnimateElapsed = kAnimateTick;
      caption->AnimateFrame = active ? 1 : (caption->InActiveAnimation ? caption->FrameCount : 0);
      AnimateTimer->SetEnabled(true);
    }
    if (!supportNCArea_ || !IsNullRect(caption->ActiveSkinRect)) caption->Redraw();
  }
}
