#include "skin/controls/Skinimagesmenu.h"
#include "skin/data/Sputils_Compose.h"

namespace {
// A picture sits this far inside its cell; a button's caption this far right of it.
constexpr int kImageInset = 5;
constexpr TColor kDefaultFrame = static_cast<TColor>(RGB(0, 0, 128));
constexpr TColor kDefaultDownFill = static_cast<TColor>(RGB(133, 147, 181));
constexpr TColor kDefaultHotFill = static_cast<TColor>(RGB(182, 189, 210));

void DrawSingleLine(TCanvas* canvas, const AnsiString& text, TRect r, UINT align) {
  HDC dc = canvas->Handle();
  SelectObject(dc, canvas->Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(canvas->Font()->Color()));
  DrawTextA(dc, text.c_str(), text.Length(), r.AsRECT(), DT_SINGLELINE | DT_VCENTER | align);
}
}  // namespace

TspDataSkinLabelControl* TspSkinImagesMenuPopupWindow::GetLabelDataControl() const {
  TspSkinData* skin = menu_->SkinData();
  if (skin == nullptr || skin->Empty) return nullptr;
  const int index = skin->GetControlIndex("label");
  if (index < 0) return nullptr;
  auto* look = dynamic_cast<TspDataSkinLabelControl*>(skin->CtrlList[static_cast<size_t>(index)].get());
  return look != nullptr && SkinPicture(look->PictureIndex) != nullptr ? look : nullptr;
}

TspDataSkinButtonControl* TspSkinImagesMenuPopupWindow::GetButtonDataControl() const {
  TspSkinData* skin = menu_->SkinData();
  if (!skinned_ || skin == nullptr) return nullptr;
  for (const char* name : {"menuitembutton", "resizebutton"}) {
    const int index = skin->GetControlIndex(name);
    if (index < 0) continue;
    auto* look = dynamic_cast<TspDataSkinButtonControl*>(skin->CtrlList[static_cast<size_t>(index)].get());
    if (look != nullptr && SkinPicture(look->PictureIndex) != nullptr) return look;
  }
  return nullptr;
}

TspDataSkinMenuItem* TspSkinImagesMenuPopupWindow::GetMenuItemData() const {
  TspSkinData* skin = menu_->SkinData();
  if (!skinned_ || skin == nullptr) return nullptr;
  for (const char* name : {"menuitem", "MENUITEM"}) {
    const int index = skin->GetIndex(name);
    if (index < 0) continue;
    if (auto* look = dynamic_cast<TspDataSkinMenuItem*>(skin->ObjectList[static_cast<size_t>(index)].get()))
      return look;
  }
  return nullptr;
}

void TspSkinImagesMenuPopupWindow::Paint() {
  if (closing_ || menu_->Images() == nullptr) return;
  DecideSkinned();
  TBitmap buffer;
  buffer.SetPixelFormat(pf24bit);
  buffer.SetSize(Width(), Height());
  TCanvas* canvas = buffer.Canvas();
  if (skinned_) {
    const TspDataSkinPopupWindow& l = *menu_->SkinData()->PopupWindow;
    CreateSkinImageBS(l.LeftTopPoint, l.RightTopPoint, l.LeftBottomPoint, l.RightBottomPoint, l.ItemsRect,
                      newLTPoint_, newRTPoint_, newLBPoint_, newRBPoint_, itemArea_, &buffer, windowPicture_,
                      Rect(0, 0, windowPicture_->Width(), windowPicture_->Height()), Width(), Height(), true,
                      l.LeftStretch, l.TopStretch, l.RightStretch, l.BottomStretch, l.StretchEffect, l.StretchType);
  } else {
    canvas->Brush()->SetColor(clWindow);
    canvas->FillRect(Rect(0, 0, Width(), Height()));
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(Rect(0, 0, Width(), Height()));
  }
  DrawItems(activeItem_, menu_->ShowSelectedItem ? menu_->ItemIndex() : -1, canvas);
  BitBlt(Canvas()->Handle(), 0, 0, Width(), Height(), canvas->Handle(), 0, 0, SRCCOPY);
}

void TspSkinImagesMenuPopupWindow::DrawItems(int active, int selected, TCanvas* canvas) {
  TCustomImageList* images = menu_->Images();
  for (int i = 0; i <= LastItem(); ++i) {
    const TspImagesMenuItem* item = menu_->ImagesItems()->Items(i);
    const TRect& r = item->ItemRect;
    if (item->Header()) {
      DrawHeader(item->Caption(), r, canvas);
      continue;
    }
    const bool isSelected = i == selected && !pressedOnItem_;
    const bool isActive = i == active;
    if (isSelected) DrawActiveItem(r, canvas, true);
    else if (isActive) DrawActiveItem(r, canvas, pressedOnItem_);
    const bool image = item->ImageIndex() >= 0 && item->ImageIndex() < images->Count();
    if (image) images->Draw(canvas, r.Left + kImageInset, r.Top + kImageInset, item->ImageIndex(), true);
    if (!item->Button() || item->Caption().IsEmpty()) continue;
    TRect text = r;
    if (image) text.Left += images->Width() + kImageInset;
    DrawItemCaption(item->Caption(), text, canvas, (i == selected && !pressed_) || (isActive && pressed_),
                    isActive && !pressed_);
  }
}

void TspSkinImagesMenuPopupWindow::DrawActiveItem(const TRect& r, TCanvas* canvas, bool down) {
  if (TspDataSkinButtonControl* look = GetButtonDataControl()) {
    TRect source = look->SkinRect;
    if (down && !look->DownSkinRect.IsEmpty()) source = look->DownSkinRect;
    else if (!look->ActiveSkinRect.IsEmpty()) source = look->ActiveSkinRect;
    const int dw = r.Width() - look->SkinRect.Width();
    const int dh = r.Height() - look->SkinRect.Height();
    const TPoint& lt = look->LeftTopPoint;
    TBitmap face;
    face.SetPixelFormat(pf24bit);
    CreateSkinImage(lt, look->RightTopPoint, look->LeftBottomPoint, look->RightBottomPoint, look->ClientRect, lt,
                    Point(look->RightTopPoint.X + dw, look->RightTopPoint.Y),
                    Point(look->LeftBottomPoint.X, look->LeftBottomPoint.Y + dh),
                    Point(look->RightBottomPoint.X + dw, look->RightBottomPoint.Y + dh),
                    Rect(look->ClientRect.Left, look->ClientRect.Top, look->ClientRect.Right + dw,
                         look->ClientRect.Bottom + dh),
                    &face, SkinPicture(look->PictureIndex), source, r.Width(), r.Height(), true, look->LeftStretch,
                    look->TopStretch, look->RightStretch, look->BottomStretch, look->StretchEffect, look->StretchType);
    canvas->Draw(r.Left, r.Top, &face);
    return;
  }
  canvas->Brush()->SetColor(down ? kDefaultDownFill : kDefaultHotFill);
  canvas->FillRect(r);
  canvas->Brush()->SetColor(kDefaultFrame);
  canvas->FrameRect(r);
}

void TspSkinImagesMenuPopupWindow::DrawItemCaption(const AnsiString& caption, const TRect& r, TCanvas* canvas,
                                                   bool down, bool hot) {
  TFont* font = canvas->Font();
  font->Assign(menu_->DefaultFont());
  font->SetColor(clWindowText);
  TspDataSkinButtonControl* button = GetButtonDataControl();
  TspDataSkinMenuItem* itemLook = GetMenuItemData();
  if (button != nullptr && itemLook != nullptr) {
    if (menu_->UseSkinFont) {
      font->SetName(button->FontName);
      font->SetHeight(button->FontHeight);
      font->SetStyle(button->FontStyle);
    }
    TspResourceStrData* strings = menu_->SkinData()->ResourceStrData();
    if (strings != nullptr) font->SetCharset(strings->CharSet());
    font->SetColor(down ? button->DownFontColor : hot ? button->ActiveFontColor : itemLook->FontColor);
  }
  const UINT align = canvas->TextWidth(caption) > r.Width() ? DT_LEFT : DT_CENTER;
  DrawSingleLine(canvas, caption, r, align);
}

void TspSkinImagesMenuPopupWindow::DrawHeader(const AnsiString& caption, const TRect& r, TCanvas* canvas) {
  TspDataSkinLabelControl* look = GetLabelDataControl();
  if (look == nullptr) {
    canvas->Font()->Assign(menu_->DefaultFont());
    canvas->Font()->SetColor(clWindowText);
    DrawSingleLine(canvas, caption, r, DT_CENTER);
    return;
  }
  TBitmap strip;
  strip.SetPixelFormat(pf24bit);
  const TRect& sr = look->SkinRect;
  CreateHSkinImage(look->LeftTopPoint.X, sr.Width() - look->RightTopPoint.X, &strip, SkinPicture(look->PictureIndex),
                   sr, r.Width(), sr.Height(), look->StretchEffect);
  TCanvas* stripCanvas = strip.Canvas();
  stripCanvas->Font()->SetName(look->FontName);
  stripCanvas->Font()->SetHeight(look->FontHeight);
  stripCanvas->Font()->SetStyle(look->FontStyle);
  stripCanvas->Font()->SetColor(look->FontColor);
  const TRect& k = look->ClientRect;
  DrawSingleLine(stripCanvas, caption, Rect(k.Left, k.Top, strip.Width() + k.Right - sr.Width(), strip.Height()),
                 DT_CENTER);
  canvas->Draw(r.Left, r.Top, &strip);
}
