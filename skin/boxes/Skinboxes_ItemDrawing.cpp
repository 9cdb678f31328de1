// The rows of the inner list, each composed off screen and drawn at its place: the
// built-in look, the skin look at the skin's item height, and the skin look stretched to
// any item height; then the images and text (or OnDrawItem) and the focus rectangle.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "skin/boxes/Skinboxes_ListBox.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Text.h"

namespace {

constexpr int kMaxTabStops = 10;

void PrepareItemPicture(TBitmap& picture, int W, int H) {
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(W, H);
}

// A tab stop line: its value when it is all digits and fits an int, else 0.
int TabStopOfLine(const AnsiString& line) {
  const std::string text = line.c_str();
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return 0;
  long long value = 0;
  for (char c : text) {
    value = value * 10 + (c - '0');
    if (value > INT32_MAX) return 0;
  }
  return static_cast<int>(value);
}

}  // namespace

void TspListBox::SetCharset(TFont* font) {
  TspSkinData* skin = OuterControl->SkinData();
  TspResourceStrData* strings = skin != nullptr ? skin->ResourceStrData() : nullptr;
  font->SetCharset(strings != nullptr ? strings->CharSet() : OuterControl->DefaultFont()->Charset());
}

void TspListBox::DrawFocus(TCanvas* canvas, const TRect& rect, bool skinBrush) {
  if (skinBrush) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(OuterControl->SkinData()->SkinColors->BtnFace);
  }
  const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  DrawFocusRect(canvas->Handle(), &r);
  canvas->Brush()->SetStyle(bsClear);
}

void TspListBox::DrawDefaultItem(TCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect) {
  if (index < 0 || index >= Items()->Count()) return;
  const int W = rect.Width(), H = rect.Height();
  TBitmap picture;
  PrepareItemPicture(picture, W, H);
  TCanvas* c = picture.Canvas();
  TFont* font = OuterControl != nullptr ? OuterControl->Font() : Font();
  c->Font()->Assign(font);
  if (OuterControl != nullptr) SetCharset(c->Font());
  const bool selected = state.Contains(odSelected);
  c->Font()->SetColor(selected ? clHighlightText : font->Color());
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(selected ? clHighlight : clWindow);
  c->FillRect(Rect(0, 0, W, H));
  const TRect whole = Rect(0, 0, W, H);
  DrawItemContent(picture, index, state, Rect(2, 0, W - 2, H), whole);
  if (state.Contains(odFocused)) DrawFocus(c, whole, false);
  canvas->Draw(rect.Left, rect.Top, &picture);
}

void TspListBox::DrawSkinItem(TCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect) {
  const TspSkinCustomListBox& outer = *OuterControl;
  const TspListBoxLook& look = outer.Look();
  if (index < 0 || index >= Items()->Count() || outer.Picture == nullptr) return;
  const int W = rect.Width(), H = look.ItemRect.Height();
  TBitmap picture;
  PrepareItemPicture(picture, W, H);
  const bool focused = state.Contains(odFocused), selected = state.Contains(odSelected);
  const TRect& source = focused && selected ? look.FocusItemRect : selected && !focused ? look.ActiveItemRect
                                                                                         : look.ItemRect;
  const bool stretch = (focused || selected) && outer.ClientStretch;
  CreateHSkinImage(look.ItemLeftOffset, look.ItemRightOffset, &picture, outer.Picture, source, W, H, stretch);
  TRect textRect = look.ItemTextRect;
  textRect.Right += W - look.ItemRect.Width();
  TCanvas* c = picture.Canvas();
  if (outer.UseSkinFont()) {
    look.SetItemFont(c->Font());
    SetCharset(c->Font());
  } else {
    c->Font()->Assign(outer.DefaultFont());
  }
  c->Font()->SetColor(focused && selected ? look.FocusFontColor : selected ? look.ActiveFontColor : look.FontColor);
  if (focused && (!selected || look.ShowFocus)) DrawFocus(c, Rect(0, 0, W, H), true);
  DrawItemContent(picture, index, state, textRect, textRect);
  canvas->Draw(rect.Left, rect.Top, &picture);
}

void TspListBox::DrawStretchSkinItem(TCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect) {
  const TspSkinCustomListBox& outer = *OuterControl;
  const TspListBoxLook& look = outer.Look();
  if (index < 0 || index >= Items()->Count() || outer.Picture == nullptr) return;
  const int W = rect.Width(), H = rect.Height();
  TBitmap picture;
  PrepareItemPicture(picture, W, H);
  const bool focused = state.Contains(odFocused), selected = state.Contains(odSelected);
  const TRect& source = focused ? look.FocusItemRect : selected ? look.ActiveItemRect : look.ItemRect;
  const TRect& t = look.ItemTextRect;
  CreateStretchImage(&picture, outer.Picture, source, Rect(t.Left + 1, t.Top + 1, t.Right - 1, t.Bottom - 1), true);
  TRect textRect = t;
  textRect.Right += W - look.ItemRect.Width();
  textRect.Bottom += H - look.ItemRect.Height();
  TCanvas* c = picture.Canvas();
  if (outer.UseSkinFont()) look.SetItemFont(c->Font());
  else c->Font()->Assign(outer.DefaultFont());
  SetCharset(c->Font());
  c->Font()->SetColor(focused ? look.FocusFontColor : selected ? look.ActiveFontColor : look.FontColor);
  if (focused && look.ShowFocus) DrawFocus(c, Rect(0, 0, W, H), true);
  DrawItemContent(picture, index, state, textRect, textRect);
  canvas->Draw(rect.Left, rect.Top, &picture);
}

void TspListBox::DrawItemContent(TBitmap& picture, int index, TOwnerDrawState state, const TRect& textRect,
                                 const TRect& tabbedRect) {
  TCanvas* c = picture.Canvas();
  c->Brush()->SetStyle(bsClear);
  if (OuterControl == nullptr) {
    SPDrawText3(c, Items()->Strings(index), textRect, -horizontalOffset_);
    return;
  }
  if (OuterControl->OnDrawItem) {
    OuterControl->OnDrawItem(c, index, picture.Width(), picture.Height(), textRect, state);
    return;
  }
  int offset = 0;
  if (TCustomImageList* images = OuterControl->Images()) {
    const int image = OuterControl->ImageIndex() >= 0 ? OuterControl->ImageIndex() : index;
    if (image < images->Count())
      images->Draw(c, textRect.Left - horizontalOffset_, textRect.Top + textRect.Height() / 2 - images->Height() / 2,
                   image, true);
    offset = images->Width() + 2;
  }
  const AnsiString text = Items()->Strings(index);
  if (OuterControl->TabWidths()->Count() > 0 && Columns() == 0)
    DrawTabbedString(text, OuterControl->TabWidths(), c, tabbedRect, offset);
  else
    SPDrawText3(c, text, textRect, offset - horizontalOffset_);
}

std::vector<int> TspListBox::TabStops(TStrings* tabWidths) {
  std::vector<int> stops;
  for (int i = 0; i < std::min(tabWidths->Count(), kMaxTabStops); ++i) stops.push_back(TabStopOfLine(tabWidths->Strings(i)));
  return stops;
}

void TspListBox::DrawTabbedString(const AnsiString& text, TStrings* tabWidths, TCanvas* canvas, const TRect& rect,
                                  int offset) {
  std::vector<int> stops = TabStops(tabWidths);
  const int y = rect.Top + rect.Height() / 2 - canvas->TextHeight(text) / 2;  // selects the font
  SetBkMode(canvas->Handle(), TRANSPARENT);
  TabbedTextOutA(canvas->Handle(), rect.Left + offset + 2, y, text.c_str(), static_cast<int>(text.Length()),
                 static_cast<int>(stops.size()), stops.data(), 0);
}
