// The page and tab controls' painting: page area and frame, the tab row composed off
// screen, each tab's face (turned for side tabs, flipped for bottom ones) and the close
// buttons, and the routines that turn, flip and lay out a face.
#include "skin/shell/Skintabs.h"

#include <algorithm>

#include "skin/data/Skindata_Buttons.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Strings.h"
#include "skin/data/Speffbmp.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/data/Sputils_Glyphs.h"

namespace {

constexpr TColor kDefaultHotTab = static_cast<TColor>(0xD2BDB6);
constexpr TColor kDefaultFocusedTab = static_cast<TColor>(0xB59385);
constexpr TColor kDefaultTabFrame = static_cast<TColor>(0x800000);

// Saves a device context's state and restores it at the end of the scope.
class TDCState {
 public:
  explicit TDCState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~TDCState() { RestoreDC(dc_, saved_); }
  TDCState(const TDCState&) = delete;
  TDCState& operator=(const TDCState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// Copies `source` of `from` into `to` at `dest`, both clipped to the area's far edges.
void TileInto(TCanvas* to, const TRect& area, TCanvas* from, const TRect& source) {
  const int w = source.Width();
  const int h = source.Height();
  if (w <= 0 || h <= 0) return;
  for (int y = area.Top; y < area.Bottom; y += h) {
    for (int x = area.Left; x < area.Right; x += w) {
      const int cw = std::min<int>(w, area.Right - x);
      const int ch = std::min<int>(h, area.Bottom - y);
      to->CopyRect(Rect(x, y, x + cw, y + ch), from, Rect(source.Left, source.Top, source.Left + cw, source.Top + ch));
    }
  }
}

// The corner points and client rectangle of a nine-part look grown by dw x dh.
struct TMovedCorners {
  TPoint LT, RT, LB, RB;
  TRect CR;
};
TMovedCorners MoveCorners(const TPoint& lt, const TPoint& rt, const TPoint& lb, const TPoint& rb, const TRect& cr,
                          int dw, int dh) {
  return {lt, Point(rt.X + dw, rt.Y), Point(lb.X, lb.Y + dh), Point(rb.X + dw, rb.Y + dh),
          Rect(cr.Left, cr.Top, cr.Right + dw, cr.Bottom + dh)};
}

// One line of text centred in `rect` with the canvas's font, on a clear background.
void DrawCentredCaption(TCanvas* canvas, const AnsiString& text, const TRect& rect) {
  canvas->TextExtent(AnsiString());  // the font is in the context from here on
  HDC dc = canvas->Handle();
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(canvas->Font()->Color())));
  RECT area = *rect.AsRECT();
  DrawTextA(dc, text.c_str(), -1, &area, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

// Turns `bitmap` with `turn` into an effect bitmap of swapped size and draws it at X, Y.
template <class Turn>
void DrawTurned(TCanvas* canvas, TBitmap* bitmap, int x, int y, Turn turn) {
  const TspEffectBmp source(bitmap->Handle());
  TspEffectBmp turned(bitmap->Height(), bitmap->Width());
  turn(source, turned);
  turned.Draw(canvas->Handle(), x, y);
}

}  // namespace

void DrawRotated90Left(TCanvas* Cnvs, TBitmap* Bitmap, int X, int Y) {
  DrawTurned(Cnvs, Bitmap, X, Y, [](const TspEffectBmp& s, TspEffectBmp& d) { s.Rotate90_1(&d); });
}

void DrawRotated90Right(TCanvas* Cnvs, TBitmap* Bitmap, int X, int Y) {
  DrawTurned(Cnvs, Bitmap, X, Y, [](const TspEffectBmp& s, TspEffectBmp& d) { s.Rotate90_2(&d); });
}

void FlipBitmapVert(TBitmap* Bitmap) {
  const TspEffectBmp source(Bitmap->Handle());
  TspEffectBmp flipped(Bitmap->Width(), Bitmap->Height());
  source.FlipVert(&flipped);
  flipped.Draw(Bitmap->Canvas()->Handle(), 0, 0);
}

void DrawImageAndCaption(TCanvas* Cnvs, int W, int H, const AnsiString& Caption, TCustomImageList* Images,
                         int ImageIndex, bool Enabled, int YOffset) {
  const SIZE extent = Cnvs->TextExtent(Caption);
  const int tw = extent.cx + 2;
  const int th = extent.cy;
  const int iw = Images != nullptr ? Images->Width() : 0;
  const int ih = Images != nullptr ? Images->Height() : 0;
  const int x = W / 2 - (iw + tw + 2) / 2;
  if (Images != nullptr && ImageIndex >= 0) Images->Draw(Cnvs, x, H / 2 + YOffset - ih / 2, ImageIndex, Enabled);
  const int top = H / 2 + YOffset - th / 2;
  DrawCentredCaption(Cnvs, Caption, Rect(x + iw + 2, top, x + iw + 2 + tw, top + th));
}

void PaintLookPart(TCanvas* canvas, TBitmap* picture, const TRect& part, const TRect& area, bool stretch,
                   TspStretchType type) {
  if (picture == nullptr || IsNullRect(part) || IsNullRect(area)) return;
  if (!stretch) {
    TileInto(canvas, area, picture->Canvas(), part);
    return;
  }
  if (type == spstFull) {
    canvas->CopyRect(area, picture->Canvas(), part);
    return;
  }
  // One band stretched across the other axis, then tiled along the first.
  TBitmap band;
  band.SetPixelFormat(pf24bit);
  if (type == spstHorz) band.SetSize(part.Width(), area.Height());
  else band.SetSize(area.Width(), part.Height());
  band.Canvas()->CopyRect(Rect(0, 0, band.Width(), band.Height()), picture->Canvas(), part);
  TileInto(canvas, area, band.Canvas(), Rect(0, 0, band.Width(), band.Height()));
}

template <class Base>
TBitmap* TspSkinTabs<Base>::BackgroundPicture() const {
  if (lookIndex_ < 0 || look_.BGPictureIndex < 0) return nullptr;
  return skinData_->ActivePictures[look_.BGPictureIndex].get();
}

template <class Base>
TRect TspSkinTabs<Base>::ClientPart() const {
  return MovedRect(look_.ClientRect, look_.SkinRect.Left, look_.SkinRect.Top);
}

template <class Base>
void TspSkinTabs<Base>::PaintBackground(TCanvas* canvas, const TRect& area) {
  if (lookIndex_ < 0) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(area);
    return;
  }
  if (TBitmap* background = BackgroundPicture()) {
    PaintLookPart(canvas, background, Rect(0, 0, background->Width(), background->Height()), area,
                  look_.StretchEffect, look_.StretchType);
    return;
  }
  PaintLookPart(canvas, look_.Picture, ClientPart(), area, look_.StretchEffect, look_.StretchType);
}

template <class Base>
void TspSkinTabs<Base>::PaintWindow(HDC dc) {
  if (this->Width() <= 0 || this->Height() <= 0) return;
  GetSkinData();
  TspDCCanvas canvas(dc);
  {
    const TDCState state(dc);
    if (lookIndex_ < 0) PaintDefaultWindow(canvas.get());
    else PaintSkinWindow(canvas.get());
  }
  DrawTabs(canvas.get());
}

template <class Base>
void TspSkinTabs<Base>::PaintDefaultWindow(TCanvas* canvas) {
  PaintBackground(canvas, this->ClientRect());
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(GrownRect(this->DisplayRect(), 1, 1));
}

template <class Base>
void TspSkinTabs<Base>::PaintSkinWindow(TCanvas* canvas) {
  if (BackgroundPicture() != nullptr) {
    PaintBackground(canvas, this->ClientRect());
    return;
  }
  if (look_.Picture == nullptr) return;
  HDC dc = canvas->Handle();
  {
    const TDCState state(dc);
    const TRect display = this->DisplayRect();
    IntersectClipRect(dc, display.Left, display.Top, display.Right, display.Bottom);
    PaintBackground(canvas, this->ClientRect());
  }
  const TRect frame = FrameRect();
  const int dw = frame.Width() - look_.SkinRect.Width();
  const int dh = frame.Height() - look_.SkinRect.Height();
  const TMovedCorners moved = MoveCorners(look_.LTPoint, look_.RTPoint, look_.LBPoint, look_.RBPoint,
                                          look_.ClientRect, dw, dh);
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages(look_.LTPoint, look_.RTPoint, look_.LBPoint, look_.RBPoint, look_.ClientRect, moved.LT,
                         moved.RT, moved.LB, moved.RB, moved.CR, &left, &top, &right, &bottom, look_.Picture,
                         look_.SkinRect, frame.Width(), frame.Height(), look_.LeftStretch, look_.TopStretch,
                         look_.RightStretch, look_.BottomStretch);
  const TDCState state(dc);
  const TRect active = GetActiveTabRect();
  if (!IsNullRect(active)) ExcludeClipRect(dc, active.Left, active.Top, active.Right, active.Bottom);
  canvas->Draw(frame.Left, frame.Top, &top);
  canvas->Draw(frame.Left, frame.Top + top.Height(), &left);
  canvas->Draw(frame.Right - right.Width(), frame.Top + top.Height(), &right);
  canvas->Draw(frame.Left, frame.Bottom - bottom.Height(), &bottom);
}

template <class Base>
void TspSkinTabs<Base>::DrawTabs(TCanvas* canvas) {
  const int count = VisibleTabCount();
  if (TabsHidden() || count == 0) return;
  const int selected = this->TabIndex();
  if (lookIndex_ < 0) {
    for (int v = 0; v < count; ++v) DrawTab(ItemOfTab(v), GetItemRect(v), v == selected, v == hotTab_, canvas);
    return;
  }
  const TRect frame = FrameRect();
  const int cw = this->ClientWidth();
  const int ch = this->ClientHeight();
  TRect strip;
  switch (this->TabPosition()) {
    case tpTop: strip = Rect(0, 0, cw, frame.Top); break;
    case tpBottom: strip = Rect(0, frame.Bottom, cw, ch); break;
    case tpLeft: strip = Rect(0, 0, frame.Left, ch); break;
    case tpRight: strip = Rect(frame.Right, 0, cw, ch); break;
  }
  if (!IsNullRect(strip)) {
    TBitmap row;
    row.SetPixelFormat(pf24bit);
    row.SetSize(strip.Width(), strip.Height());
    const TRect whole = Rect(0, 0, strip.Width(), strip.Height());
    if (tabsBGTransparent_) {
      GetParentImageRect(this, strip, row.Canvas());
    } else {
      const TRect part = IsNullRect(look_.TabsBGRect) ? ClientPart() : look_.TabsBGRect;
      PaintLookPart(row.Canvas(), look_.Picture, part, whole, false, spstFull);
    }
    for (int v = 0; v < count; ++v) {
      if (v == selected) continue;
      DrawTab(ItemOfTab(v), MovedRect(GetItemRect(v), -strip.Left, -strip.Top), false, v == hotTab_, row.Canvas());
    }
    const TDCState state(canvas->Handle());
    const TRect active = GetActiveTabRect();
    if (!IsNullRect(active)) ExcludeClipRect(canvas->Handle(), active.Left, active.Top, active.Right, active.Bottom);
    canvas->Draw(strip.Left, strip.Top, &row);
  }
  if (selected < 0 || selected >= count) return;
  TRect rect = GetItemRect(selected);
  // A taller active picture reaches toward the page.
  const int shift = look_.TabRect.Height() - look_.ActiveTabRect.Height();
  if (this->TabPosition() == tpBottom) rect = MovedRect(rect, 0, shift);
  if (this->TabPosition() == tpRight) rect = MovedRect(rect, shift, 0);
  DrawTab(ItemOfTab(selected), rect, true, selected == hotTab_, canvas);
}

template <class Base>
void TspSkinTabs<Base>::ComposeSkinFace(TBitmap* face, int w, int h, bool active, bool mouseIn) {
  const bool focused = this->Focused();
  TRect part = look_.ActiveTabRect;
  if (mouseIn && !active && !IsNullRect(look_.MouseInTabRect)) part = look_.MouseInTabRect;
  else if (active && focused) part = look_.FocusTabRect;
  else if (!active) part = look_.TabRect;
  if (look_.Picture == nullptr || IsNullRect(part)) {
    face->SetSize(w, h);
    face->Canvas()->Brush()->SetColor(clBtnFace);
    face->Canvas()->FillRect(Rect(0, 0, w, h));
    return;
  }
  if (this->TabHeight() > 0) {
    const int tabHeight = look_.TabRect.Height();
    if (active && tabHeight < look_.ActiveTabRect.Height()) h += look_.ActiveTabRect.Height() - tabHeight;
    else if (active && focused && tabHeight < part.Height()) h += part.Height() - tabHeight;
    face->SetSize(w, h);
    CreateStretchImage(face, look_.Picture, part,
                       Rect(look_.TabLeftOffset, tabHeight / 4, part.Width() - look_.TabRightOffset,
                            part.Height() - tabHeight / 4),
                       true);
    return;
  }
  CreateHSkinImage(look_.TabLeftOffset, look_.TabRightOffset, face, look_.Picture, part, w, part.Height(),
                   look_.TabStretchEffect);
}

template <class Base>
void TspSkinTabs<Base>::SetTabFont(TCanvas* canvas, bool active, bool mouseIn) {
  TFont* font = canvas->Font();
  if (lookIndex_ >= 0 && useSkinFont_) {
    font->SetName(look_.FontName);
    font->SetStyle(look_.FontStyle);
    font->SetHeight(look_.FontHeight);
    font->SetCharset(this->Font()->Charset());
  } else {
    font->Assign(this->Font());
  }
  if (skinData_ != nullptr && skinData_->ResourceStrData() != nullptr)
    font->SetCharset(skinData_->ResourceStrData()->CharSet());
  if (lookIndex_ < 0) return;
  const bool focused = this->Focused();
  if (mouseIn && !active) font->SetColor(look_.MouseInFontColor);
  else if (active && focused) font->SetColor(look_.FocusFontColor);
  else if (!active) font->SetColor(look_.FontColor);
  else font->SetColor(look_.ActiveFontColor);
}

template <class Base>
void TspSkinTabs<Base>::DrawTab(int ti, const TRect& rct, bool active, bool mouseIn, TCanvas* canvas) {
  if (TabsHidden() || ti < 0) return;
  const TTabPosition position = this->TabPosition();
  const int w = Vertical() ? rct.Height() : rct.Width();
  const int h = Vertical() ? rct.Width() : rct.Height();
  if (w <= 0 || h <= 0) return;
  const int image = ItemImage(ti);
  TBitmap face;
  face.SetPixelFormat(pf24bit);
  TCanvas* c = nullptr;
  TRect caption = Rect(0, 0, w, h);
  if (lookIndex_ < 0) {
    face.SetSize(w, h);
    c = face.Canvas();
    c->Brush()->SetStyle(bsSolid);
    if (active) {
      c->Brush()->SetColor(kDefaultTabFrame);
      c->FrameRect(caption);
      caption = GrownRect(caption, -1, -1);
      c->Brush()->SetColor(this->Focused() ? kDefaultFocusedTab : kDefaultHotTab);
    } else {
      c->Brush()->SetColor(mouseIn ? kDefaultHotTab : clBtnFace);
    }
    c->FillRect(caption);
  } else {
    ComposeSkinFace(&face, w, h, active, mouseIn);
    // Bottom tabs: the picture's far edge faces the page, and the face's extra height
    // lies above the tab.
    if (position == tpBottom) {
      FlipBitmapVert(&face);
      caption = MovedRect(caption, 0, face.Height() - h);
    }
    c = face.Canvas();
  }
  SetTabFont(c, active, mouseIn);
  c->Brush()->SetStyle(bsClear);
  if (lookIndex_ >= 0 && look_.ShowFocus && active && this->Focused()) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(skinData_->SkinColors->BtnFace);
    c->DrawFocusRect(GrownRect(caption, -look_.FocusOffsetX, -look_.FocusOffsetY));
    c->Brush()->SetStyle(bsClear);
  }
  int imageOffset = 0;
  if (lookIndex_ >= 0 && look_.TabRect.Height() != look_.ActiveTabRect.Height() && !active) {
    const int away = position == tpTop || position == tpLeft ? 1 : -1;
    caption.Top += away * InactiveShift();
    if (image >= 0) imageOffset = away * 2;
  }
  const int closeSpace = showCloseButtons_ ? closeSize_ + 2 : 0;
  const int cut = closeSpace > 0 ? closeSpace + (lookIndex_ < 0 ? 0 : 3) : 0;
  if (OnDrawSkinTab) {
    OnDrawSkinTab(ti, Rect(0, 0, w, h), active, mouseIn, c);
    caption.Right -= cut;
  } else if (image >= 0) {
    DrawImageAndCaption(c, w - closeSpace, h, ItemCaption(ti), images_, image, ItemEnabled(ti), imageOffset);
    caption.Right -= cut;
  } else {
    caption.Right -= cut;
    DrawCentredCaption(c, ItemCaption(ti), caption);
  }
  if (showCloseButtons_) {
    if (!mouseIn) {
      if (TspTabCloseState* state = CloseState(ti)) state->Hot = false;
    }
    DrawCloseButton(c, Rect(caption.Right, caption.Top + imageOffset, w, caption.Bottom), ti, w, face.Height());
  }
  if (position == tpLeft) DrawRotated90Left(canvas, &face, rct.Left, rct.Top);
  else if (position == tpRight) DrawRotated90Right(canvas, &face, rct.Left, rct.Top);
  else canvas->Draw(rct.Left, rct.Top, &face);
}

template <class Base>
TRect TspSkinTabs<Base>::DrawLookCloseButton(TCanvas* canvas, const TRect& r, const TspTabCloseState& state) {
  const int index = skinData_->GetControlIndex("resizetoolbutton");
  const auto* button =
      index < 0 ? nullptr : dynamic_cast<const TspDataSkinButtonControl*>(skinData_->CtrlList[index].get());
  const auto pictures = static_cast<int>(skinData_->ActivePictures.size());
  if (button == nullptr || button->PictureIndex < 0 || button->PictureIndex >= pictures) return Rect(0, 0, 0, 0);
  TRect part = button->SkinRect;
  TColor colour = button->FontColor;
  const TRect activePart = FallbackRect(button->ActiveSkinRect, button->SkinRect);
  if (state.Hot && state.Pressed) {
    part = FallbackRect(button->DownSkinRect, activePart);
    colour = button->DownFontColor;
  } else if (state.Hot) {
    part = activePart;
    colour = button->ActiveFontColor;
  }
  const int size = closeSize_;
  const TMovedCorners moved =
      MoveCorners(button->LeftTopPoint, button->RightTopPoint, button->LeftBottomPoint, button->RightBottomPoint,
                  button->ClientRect, size - part.Width(), size - part.Height());
  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  CreateSkinImage(button->LeftTopPoint, button->RightTopPoint, button->LeftBottomPoint, button->RightBottomPoint,
                  button->ClientRect, moved.LT, moved.RT, moved.LB, moved.RB, moved.CR, &picture,
                  skinData_->ActivePictures[button->PictureIndex].get(), part, size, size, true, button->LeftStretch,
                  button->TopStretch, button->RightStretch, button->BottomStretch, button->StretchEffect,
                  button->StretchType);
  DrawCloseImage(picture.Canvas(), picture.Width() / 2 - 5, picture.Height() / 2 - 5, colour);
  const int x = r.Left;
  const int y = r.Top + r.Height() / 2 - picture.Height() / 2;
  canvas->Draw(x, y, &picture);
  return Rect(x, y, x + picture.Width(), y + picture.Height());
}

template <class Base>
void TspSkinTabs<Base>::DrawCloseButton(TCanvas* canvas, const TRect& r, int ti, int w, int h) {
  TspTabCloseState* state = CloseState(ti);
  if (state == nullptr) return;
  TRect placed;
  if (lookIndex_ < 0) {
    const int x = r.Left;
    const int y = r.Top + r.Height() / 2 - 7;
    DrawCloseImage(canvas, x + 2, y + 2, state->Hot ? clWhite : clBlack);
    placed = Rect(x, y, x + 14, y + 14);
  } else if (IsNullRect(look_.CloseButtonRect)) {
    placed = DrawLookCloseButton(canvas, r, *state);
  } else {
    TRect part = look_.CloseButtonRect;
    if (state->Hot && state->Pressed) part = look_.CloseButtonDownRect;
    else if (state->Hot) part = look_.CloseButtonActiveRect;
    const int x = r.Left;
    const int y = r.Top + r.Height() / 2 - part.Height() / 2;
    placed = Rect(x, y, x + part.Width(), y + part.Height());
    if (look_.Picture != nullptr && look_.ButtonTransparent) {
      TBitmap button;
      button.SetPixelFormat(pf24bit);
      button.SetSize(part.Width(), part.Height());
      button.Canvas()->CopyRect(Rect(0, 0, part.Width(), part.Height()), look_.Picture->Canvas(), part);
      button.SetTransparentMode(tmFixed);
      button.SetTransparentColor(look_.ButtonTransparentColor);
      button.SetTransparent(true);
      canvas->Draw(x, y, &button);
    } else if (look_.Picture != nullptr) {
      canvas->CopyRect(placed, look_.Picture->Canvas(), part);
    }
  }
  // Kept in the turned face's coordinates, so that hit tests only add the tab's corner.
  switch (this->TabPosition()) {
    case tpLeft: state->Rect = Rect(placed.Top, w - placed.Right, placed.Bottom, w - placed.Left); break;
    case tpRight: state->Rect = Rect(h - placed.Bottom, placed.Left, h - placed.Top, placed.Right); break;
    default: state->Rect = placed;
  }
}

template class TspSkinTabs<TPageControl>;
template class TspSkinTabs<TTabControl>;
