#include "skin/controls/Skinmenus_Item.h"

#include <algorithm>
#include <array>

#include "classlib/graphics/ImageList.h"
#include "classlib/windowing/ShortCut.h"
#include "skin/controls/Skinmenus_Controller.h"
#include "skin/controls/Skinmenus_Window.h"
#include "skin/data/Speffbmp.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Glyphs.h"
#include "skin/data/Sputils_Text.h"

namespace {

constexpr TColor kLitFrameColor = static_cast<TColor>(0x800000);  // navy
constexpr TColor kLitFillColor = static_cast<TColor>(0xD2BDB6);   // RGB 182, 189, 210
constexpr int kDefaultStripWidth = 19;
constexpr int kDefaultImageColumn = 16;
constexpr int kDefaultAnimateInterval = 25;
constexpr double kMorphStep = 0.2;
constexpr UINT kTextFlags = DT_CENTER | DT_VCENTER;

struct TSystemItem {
  const char* name;
  void (*glyph)(TCanvas*, int, int, TColor);
};

const std::array<TSystemItem, 8> kSystemItems{{{"DSF_CLOSE", DrawCloseImage},
                                               {"TRAY_DSF_CLOSE", DrawCloseImage},
                                               {"DSF_MINITEM", DrawMinimizeImage},
                                               {"DSF_MAXITEM", DrawMaximizeImage},
                                               {"DSF_RESTORE", DrawRestoreImage},
                                               {"TRAY_DSF_RESTORE", DrawRestoreImage},
                                               {"DSF_ROLLUP", DrawRollUpImage},
                                               {"DSF_MINTOTRAY", DrawMTImage}}};

const TSystemItem* FindSystemItem(const AnsiString& name) {
  for (const TSystemItem& item : kSystemItems) {
    if (name == item.name) return &item;
  }
  return nullptr;
}

TBitmap* UsablePicture(TspSkinData* skinData, int index) {
  if (skinData == nullptr || index < 0 || index >= static_cast<int>(skinData->ActivePictures.size())) return nullptr;
  return skinData->ActivePictures[static_cast<size_t>(index)].get();
}

// The character set of the skin's string table, or `fallback` without one.
TFontCharset StringTableCharset(TspSkinData* skinData, TFontCharset fallback) {
  if (skinData != nullptr && skinData->ResourceStrData() != nullptr) return skinData->ResourceStrData()->CharSet();
  return fallback;
}

// Draws `text` in `r` (measured first) at the vertical middle of top..top + height.
TRect DrawMiddleText(TCanvas* canvas, const std::wstring& text, TRect r, int top, int height) {
  SPDrawSkinText(canvas, text, r, DT_CALCRECT);
  const int measured = r.Height();
  r.Top = top + height / 2 - measured / 2;
  r.Bottom = r.Top + measured;
  r.Right += 2;
  SPDrawSkinText(canvas, text, r, kTextFlags);
  return r;
}

// The caption from `left`, and the short-cut text ending `gap` pixels left of `right`.
void DrawCaptionAndShortCut(TCanvas* canvas, TMenuItem* item, int left, int right, int gap, int top, int height) {
  const TRect caption =
      DrawMiddleText(canvas, MenuText(item->Caption()), Rect(left, 0, right - gap, 0), top, height);
  const AnsiString shortCut = ShortCutToText(item->ShortCut());
  if (shortCut.IsEmpty()) return;
  const std::wstring text = MenuText(shortCut);
  TRect measured = Rect(0, 0, 0, 0);
  SPDrawSkinText(canvas, text, measured, DT_CALCRECT);
  TRect r = Rect(right - measured.Width() - gap, caption.Top, right - gap, caption.Bottom);
  SPDrawSkinText(canvas, text, r, kTextFlags);
}

TBitmap* NewItemBitmap(TBitmap* bitmap, int width, int height) {
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(width, height);
  return bitmap;
}

}  // namespace

bool CanMenuClose(UINT message) {
  switch (message) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
      return true;
    default:
      return false;
  }
}

void DrawMenuCheckImage(TCanvas* canvas, int x, int y, TColor color) { DrawCheckImage(canvas, x, y, color); }

void DrawMenuRadioImage(TCanvas* canvas, int x, int y, TColor color) {
  canvas->Pen()->SetColor(color);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(color);
  canvas->Ellipse(x, y, x + 6, y + 6);
}

void DrawMenuArrowImage(TCanvas* canvas, int x, int y, TColor color) {
  canvas->Pen()->SetColor(color);
  for (int i = 0; i < 4; ++i) {
    canvas->MoveTo(x + i, y + i);
    canvas->LineTo(x + i, y + 7 - i);
  }
}

std::wstring MenuText(const AnsiString& text) {
  const std::string s = text.c_str();
  if (s.empty()) return {};
  const int size = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), out.data(), size);
  return out;
}

TspSkinMenuItem::TspSkinMenuItem(TspSkinPopupWindow* window, TMenuItem* menuItem, TspDataSkinMenuItem* look)
    : window_(window), look_(look), menuItem_(menuItem) {
  if (look_ != nullptr) picture_ = UsablePicture(window_->SkinData(), look_->ActivePictureIndex);
  if (picture_ == nullptr) look_ = nullptr;
}

TspSkinMenuItem::~TspSkinMenuItem() = default;

bool TspSkinMenuItem::IsSystemItem() const {
  if (HasImage() || FindSystemItem(menuItem_->Name()) == nullptr) return false;
  return true;
}

TspMenuItemKind TspSkinMenuItem::Kind() const {
  const AnsiString caption = menuItem_->Caption();
  if (caption == "-") return TspMenuItemKind::Separator;
  const int length = caption.Length();
  if (look_ != nullptr && length > 1 && caption[1] == '-' && caption[length] == '-' && !menuItem_->Enabled()) {
    return TspMenuItemKind::Header;
  }
  if (IsSystemItem()) return TspMenuItemKind::System;
  if (menuItem_->Count() > 0) return TspMenuItemKind::SubMenu;
  return TspMenuItemKind::Plain;
}

int TspSkinMenuItem::ItemHeight() const {
  if (look_ != nullptr) return IsSeparator() ? look_->DividerRect.Height() : look_->SkinRect.Height();
  return IsSeparator() ? TspSkinPopupWindow::kDefaultSeparatorHeight : window_->Controller()->ItemHeight();
}

bool TspSkinMenuItem::HasImage() const {
  if (!menuItem_->Bitmap()->Empty()) return true;
  TCustomImageList* images = window_->Images();
  return images != nullptr && menuItem_->ImageIndex() >= 0 && menuItem_->ImageIndex() < images->Count();
}

SIZE TspSkinMenuItem::ImageSize() const {
  TBitmap* bitmap = menuItem_->Bitmap();
  if (!bitmap->Empty()) return SIZE{bitmap->Width(), bitmap->Height()};
  return SIZE{window_->Images()->Width(), window_->Images()->Height()};
}

void TspSkinMenuItem::DrawItemImage(TCanvas* canvas, int left, int top, TColor frameColor) {
  const SIZE size = ImageSize();
  if (menuItem_->Checked()) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(frameColor);
    canvas->FrameRect(Rect(left - 1, top - 1, left + size.cx + 1, top + size.cy + 1));
  }
  TBitmap* bitmap = menuItem_->Bitmap();
  if (!bitmap->Empty()) canvas->Draw(left, top, bitmap);
  else window_->Images()->Draw(canvas, left, top, menuItem_->ImageIndex(), menuItem_->Enabled());
}

void TspSkinMenuItem::DrawSystemGlyph(TCanvas* canvas, int x, int y, TColor color) const {
  FindSystemItem(menuItem_->Name())->glyph(canvas, x, y, color);
}

void TspSkinMenuItem::PrepareFont(TFont* font, bool skinFont) const {
  TFont* itemFont = window_->Controller()->ItemFont();
  if (skinFont) {
    font->SetName(look_->FontName);
    font->SetStyle(look_->FontStyle);
    font->SetHeight(look_->FontHeight);
  } else {
    font->Assign(itemFont);
  }
  font->SetCharset(StringTableCharset(window_->Controller()->SkinData(), itemFont->Charset()));
}

void TspSkinMenuItem::Draw(TCanvas* canvas) {
  if (!Visible) return;
  if (look_ == nullptr) {
    DefaultDraw(canvas);
    return;
  }
  TBitmap bitmap;
  const int width = ItemRect.Width();
  if (IsSeparator()) {
    NewItemBitmap(&bitmap, width, ItemRect.Height());
    CreateHSkinImage(look_->DividerLeftOffset, look_->DividerRightOffset, &bitmap, picture_, look_->DividerRect,
                     width, look_->DividerRect.Height(), look_->DividerStretchEffect);
  } else if (EnableAnimation() && CurrentFrame > 0 && CurrentFrame <= look_->FrameCount) {
    const TRect frame = FrameRect(CurrentFrame);
    DrawOnce(&bitmap, Lit(), &frame);
  } else if (!EnableMorphing() || (Lit() && morphKf_ >= 1) || (!Lit() && morphKf_ <= 0)) {
    DrawOnce(&bitmap, Lit(), nullptr);
  } else {
    DrawMorphed(canvas);
    return;
  }
  CopyToCanvas(canvas, &bitmap);
}

TRect TspSkinMenuItem::FrameRect(int frame) const {
  const TRect& a = look_->AnimateSkinRect;
  const int count = std::max(1, look_->FrameCount);
  if (a.Height() > look_->SkinRect.Height()) {
    const int h = a.Height() / count;
    return Rect(a.Left, a.Top + (frame - 1) * h, a.Right, a.Top + frame * h);
  }
  const int w = a.Width() / count;
  return Rect(a.Left + (frame - 1) * w, a.Top, a.Left + frame * w, a.Bottom);
}

void TspSkinMenuItem::DrawMorphed(TCanvas* canvas) {
  TBitmap normal;
  TBitmap lit;
  DrawOnce(&normal, false, nullptr);
  DrawOnce(&lit, true, nullptr);
  normal.FreeContext();
  lit.FreeContext();
  TspEffectBmp from(normal.Handle());
  TspEffectBmp to(lit.Handle());
  from.MorphByKind(look_->MorphKind, &to, morphKf_);
  if (window_->ImitatesTranslucency() && !window_->ScreenCapture()->Empty()) {
    from.MorphRect(window_->ScreenCapture(), 1 - window_->AlphaBlendValue() / 255.0,
                   Rect(0, 0, from.Width(), from.Height()), ItemRect.Left, ItemRect.Top);
  }
  from.Draw(canvas->Handle(), ItemRect.Left, ItemRect.Top);
}

void TspSkinMenuItem::CopyToCanvas(TCanvas* canvas, TBitmap* bitmap) {
  if (window_->ImitatesTranslucency() && !window_->ScreenCapture()->Empty()) {
    bitmap->FreeContext();
    TspEffectBmp blended(bitmap->Handle());
    blended.MorphRect(window_->ScreenCapture(), 1 - window_->AlphaBlendValue() / 255.0,
                      Rect(0, 0, blended.Width(), blended.Height()), ItemRect.Left, ItemRect.Top);
    blended.Draw(canvas->Handle(), ItemRect.Left, ItemRect.Top);
    return;
  }
  canvas->Draw(ItemRect.Left, ItemRect.Top, bitmap);
}

void TspSkinMenuItem::DrawOnce(TBitmap* bitmap, bool lit, const TRect* frameRect) {
  const int width = ItemRect.Width();
  const int height = ItemRect.Height();
  TRect source = lit ? look_->ActiveSkinRect : look_->SkinRect;
  const bool stretch =
      lit ? look_->StretchEffect : look_->InActiveStretchEffect || (frameRect != nullptr && look_->StretchEffect);
  if (frameRect != nullptr) source = *frameRect;
  NewItemBitmap(bitmap, width, height);
  if (!lit && look_->InActiveTransparent && window_->Background() != nullptr) {
    bitmap->Canvas()->CopyRect(Rect(0, 0, width, height), window_->Background()->Canvas(), ItemRect);
  } else {
    CreateHSkinImage(look_->ItemLeftOffset, look_->ItemRightOffset, bitmap, picture_, source, width, height, stretch);
  }
  TCanvas* canvas = bitmap->Canvas();
  TRect textRect = look_->TextRect;
  textRect.Right = width + look_->TextRect.Right - look_->SkinRect.Width();
  canvas->Brush()->SetStyle(bsClear);
  PrepareFont(canvas->Font(), window_->Controller()->UseSkinFont);
  const TColor color = lit ? look_->ActiveFontColor : menuItem_->Enabled() ? look_->FontColor : look_->UnEnabledFontColor;
  canvas->Font()->SetColor(color);
  if (menuItem_->OnDrawItem) {
    menuItem_->OnDrawItem(this, canvas, textRect, lit);
    return;
  }
  if (Kind() == TspMenuItemKind::Header) {
    DrawHeader(bitmap);
    return;
  }
  DrawContent(canvas, textRect, color, lit);
}

void TspSkinMenuItem::DrawContent(TCanvas* canvas, const TRect& tr, TColor fontColor, bool lit) {
  const bool noImageRect = look_->ImageRect.Width() <= 0 || look_->ImageRect.Height() <= 0;
  const int imageColumn = !noImageRect ? 0 : window_->Images() != nullptr ? window_->ImageColumnWidth()
                                                                            : kDefaultImageColumn;
  const int middle = tr.Top + tr.Height() / 2;
  DrawCaptionAndShortCut(canvas, menuItem_, tr.Left + imageColumn, tr.Right, 16, tr.Top, tr.Height());
  if (menuItem_->Count() > 0) {
    if (look_->ArrowImageRect.Width() <= 0 || look_->ArrowImageRect.Height() <= 0) {
      DrawMenuArrowImage(canvas, tr.Right - 7, middle - 4, fontColor);
    } else {
      DrawSkinArrowImage(canvas, Rect(tr.Right - look_->ArrowImageRect.Width() - 5, tr.Top, tr.Right, tr.Bottom),
                         lit);
    }
  }
  const TColor glyphColor = !look_->UseImageColor ? fontColor : lit ? look_->ActiveImageColor : look_->ImageColor;
  const TRect& ir = look_->ImageRect;
  if (HasImage()) {
    const SIZE size = ImageSize();
    const int left = noImageRect ? tr.Left + 2 : ir.Left + (ir.Width() - size.cx) / 2;
    const int top = noImageRect ? middle - size.cy / 2 : ir.Top + (ir.Height() - size.cy) / 2;
    DrawItemImage(canvas, left, top, glyphColor);
    return;
  }
  const int x = noImageRect ? tr.Left + 2 : ir.Left + ir.Width() / 2 - 4;
  const int y = noImageRect ? middle - 4 : ir.Top + ir.Height() / 2 - 4;
  const TRect markRect = noImageRect ? Rect(tr.Left + 2, tr.Top, tr.Left + 16, tr.Bottom) : ir;
  if (IsSystemItem()) {
    DrawSystemGlyph(canvas, x, y, glyphColor);
  } else if (menuItem_->Checked() && menuItem_->RadioItem()) {
    if (look_->RadioImageRect.Width() <= 0 || look_->RadioImageRect.Height() <= 0) {
      DrawMenuRadioImage(canvas, x, y + 1, glyphColor);
    } else {
      DrawSkinRadioImage(canvas, markRect, lit);
    }
  } else if (menuItem_->Checked()) {
    if (look_->CheckImageRect.Width() <= 0 || look_->CheckImageRect.Height() <= 0) {
      DrawMenuCheckImage(canvas, x, y, glyphColor);
    } else {
      DrawSkinCheckImage(canvas, markRect, lit);
    }
  }
}

void TspSkinMenuItem::DrawHeader(TBitmap* bitmap) {
  TspSkinData* skinData = window_->SkinData();
  int index = skinData->GetControlIndex("menuheader");
  if (index < 0) index = skinData->GetControlIndex("label");
  if (index < 0) return;
  auto* header = dynamic_cast<TspDataSkinLabelControl*>(skinData->CtrlList[static_cast<size_t>(index)].get());
  TBitmap* picture = header != nullptr ? UsablePicture(skinData, header->PictureIndex) : nullptr;
  if (picture == nullptr) return;
  TBitmap image;
  NewItemBitmap(&image, bitmap->Width(), header->SkinRect.Height());
  CreateHSkinImage(header->LeftTopPoint.X, header->SkinRect.Width() - header->RightTopPoint.X, &image, picture,
                   header->SkinRect, bitmap->Width(), header->SkinRect.Height(), header->StretchEffect);
  TCanvas* canvas = image.Canvas();
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetColor(header->FontColor);
  canvas->Font()->SetName(header->FontName);
  canvas->Font()->SetHeight(header->FontHeight);
  canvas->Font()->SetCharset(bitmap->Canvas()->Font()->Charset());
  const AnsiString caption = menuItem_->Caption();
  TRect r = Rect(0, header->ClientRect.Top, image.Width(), image.Height());
  SPDrawSkinText(canvas, MenuText(caption.SubString(2, caption.Length() - 2)), r, kTextFlags);
  bitmap->Canvas()->Draw(0, (bitmap->Height() - image.Height()) / 2, &image);
}

void TspSkinMenuItem::DefaultDraw(TCanvas* canvas) {
  if (!Visible) return;
  TBitmap bitmap;
  const int width = ItemRect.Width();
  const int height = ItemRect.Height();
  NewItemBitmap(&bitmap, width, height);
  TCanvas* c = bitmap.Canvas();
  TspSkinMenu* controller = window_->Controller();
  c->Font()->Assign(controller->ItemFont());
  c->Font()->SetCharset(StringTableCharset(controller->SkinData(), controller->ItemFont()->Charset()));
  const int strip = window_->Images() != nullptr ? window_->ImageColumnWidth() : kDefaultStripWidth;
  TColor textColor = clWindowText;
  if (Lit() && !IsSeparator()) {
    c->Brush()->SetColor(kLitFrameColor);
    c->FillRect(Rect(0, 0, width, height));
    c->Brush()->SetColor(kLitFillColor);
    c->FillRect(Rect(1, 1, width - 1, height - 1));
  } else {
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(0, 0, strip, height));
    c->Brush()->SetColor(clWindow);
    c->FillRect(Rect(strip, 0, width, height));
    if (!menuItem_->Enabled()) textColor = clBtnShadow;
  }
  if (IsSeparator()) {
    c->Pen()->SetColor(clBtnShadow);
    c->MoveTo(strip, height / 2);
    c->LineTo(width, height / 2);
    CopyToCanvas(canvas, &bitmap);
    return;
  }
  const TRect inner = Rect(2, 2, width - 2, height - 2);
  const int middle = inner.Top + inner.Height() / 2;
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetColor(textColor);
  DrawCaptionAndShortCut(c, menuItem_, inner.Left + strip, inner.Right, kDefaultStripWidth, inner.Top,
                         inner.Height());
  if (menuItem_->Count() > 0) DrawMenuArrowImage(c, inner.Right - 7, middle - 4, textColor);
  if (HasImage()) {
    DrawItemImage(c, inner.Left + 2, middle - ImageSize().cy / 2, textColor);
  } else if (IsSystemItem()) {
    DrawSystemGlyph(c, inner.Left + 2, middle - 4, textColor);
  } else if (menuItem_->Checked() && menuItem_->RadioItem()) {
    DrawMenuRadioImage(c, inner.Left + 3, middle - 3, textColor);
  } else if (menuItem_->Checked()) {
    DrawMenuCheckImage(c, inner.Left + 3, middle - 4, textColor);
  }
  CopyToCanvas(canvas, &bitmap);
}

void TspSkinMenuItem::DrawSkinMark(TCanvas* canvas, const TRect& markRect, const TRect& r) {
  if (markRect.Width() <= 0 || markRect.Height() <= 0) return;
  TBitmap mark;
  NewItemBitmap(&mark, markRect.Width(), markRect.Height());
  mark.Canvas()->CopyRect(Rect(0, 0, markRect.Width(), markRect.Height()), picture_->Canvas(), markRect);
  mark.SetTransparentMode(tmAuto);
  mark.SetTransparent(true);
  const int x = r.Left + std::max(0, (r.Width() - markRect.Width()) / 2);
  const int y = r.Top + std::max(0, (r.Height() - markRect.Height()) / 2);
  canvas->Draw(x, y, &mark);
}

void TspSkinMenuItem::DrawSkinCheckImage(TCanvas* canvas, const TRect& r, bool active) {
  DrawSkinMark(canvas, active ? look_->ActiveCheckImageRect : look_->CheckImageRect, r);
}

void TspSkinMenuItem::DrawSkinRadioImage(TCanvas* canvas, const TRect& r, bool active) {
  DrawSkinMark(canvas, active ? look_->ActiveRadioImageRect : look_->RadioImageRect, r);
}

void TspSkinMenuItem::DrawSkinArrowImage(TCanvas* canvas, const TRect& r, bool active) {
  DrawSkinMark(canvas, active ? look_->ActiveArrowImageRect : look_->ArrowImageRect, r);
}

bool TspSkinMenuItem::EnableAnimation() const {
  TspSkinData* skinData = window_->SkinData();
  return look_ != nullptr && look_->AnimateSkinRect.Width() > 0 && look_->AnimateSkinRect.Height() > 0 &&
         look_->FrameCount > 0 && skinData != nullptr && !skinData->Empty && skinData->EnableSkinEffects();
}

bool TspSkinMenuItem::EnableMorphing() const {
  TspSkinData* skinData = window_->SkinData();
  return look_ != nullptr && look_->Morphing && skinData != nullptr && skinData->EnableSkinEffects();
}

bool TspSkinMenuItem::CanMorphing() {
  if (!Visible) {
    if (morphKf_ != 0) {
      Active = false;
      Down = false;
      morphKf_ = 0;
    }
    return false;
  }
  return (Lit() && morphKf_ < 1) || (!Lit() && morphKf_ > 0);
}

void TspSkinMenuItem::SetMorphKf(double value) { morphKf_ = std::clamp(value, 0.0, 1.0); }

void TspSkinMenuItem::DoMorphing() {
  SetMorphKf(Lit() ? morphKf_ + kMorphStep : morphKf_ - kMorphStep);
  Draw(window_->Canvas());
}

bool TspSkinMenuItem::StepAnimation() {
  if (Active && CurrentFrame < look_->FrameCount + 1) {
    ++CurrentFrame;
  } else if (!Active && CurrentFrame > 0) {
    --CurrentFrame;
  } else {
    return false;
  }
  Draw(window_->Canvas());
  return true;
}

void TspSkinMenuItem::Redraw() {
  if (!window_->HandleAllocated() || window_->Closed()) return;
  TTimer* timer = window_->EffectTimer();
  if (EnableAnimation()) {
    const unsigned interval = look_->AnimateInterval > 0 ? look_->AnimateInterval : kDefaultAnimateInterval;
    if (timer->Interval() != interval) timer->SetInterval(interval);
    if (!look_->InActiveAnimation && !Active) {
      CurrentFrame = 0;
      Draw(window_->Canvas());
    } else {
      timer->SetEnabled(true);
    }
  } else if (EnableMorphing()) {
    if (timer->Interval() != TspSkinPopupWindow::kEffectInterval) timer->SetInterval(TspSkinPopupWindow::kEffectInterval);
    timer->SetEnabled(true);
  } else {
    Draw(window_->Canvas());
  }
}

void TspSkinMenuItem::MouseEnter(bool byKeyboard) {
  Active = true;
  if (EnableAnimation()) CurrentFrame = 0;
  for (int i = 0; i < window_->ItemCount(); ++i) {
    TspSkinMenuItem* other = window_->Items(i);
    if (other == this || !other->Down) continue;
    other->Down = false;
    other->Redraw();
  }
  TspSkinMenu* controller = window_->Controller();
  const int index = controller->GetPWIndex(window_);
  if (Waiting && !byKeyboard) {
    Redraw();
  } else if (Down && controller->WindowCount() - index - 1 >= 2) {
    controller->Windows(index + 1)->UpDatePW();
  } else {
    Redraw();
    controller->CheckItem(window_, this, false, byKeyboard);
  }
  if (!window_->Closed()) window_->SetHint(menuItem_->Hint());
}

void TspSkinMenuItem::MouseLeave() {
  Waiting = false;
  Active = false;
  if (EnableAnimation()) CurrentFrame = look_->FrameCount + 1;
  if (!Down) Redraw();
  window_->Controller()->CancelWait(this);
}

void TspSkinMenuItem::MouseDown(int x, int y) {
  (void)x;
  (void)y;
  Waiting = false;
  if (!Down && menuItem_->Enabled()) window_->Controller()->CheckItem(window_, this, true, false);
}
