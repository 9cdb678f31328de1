#include <algorithm>

#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Screen.h"
#include "skin/controls/Skinhint.h"
#include "skin/data/Speffbmp.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_ParentImage.h"
#include "skin/data/Sputils_Regions.h"
#include "skin/data/Sputils_System.h"

namespace {
constexpr int kTextMargin = 2;
// A placed hint keeps this gap to the point when it flips left or up.
constexpr int kFlipGap = 2;
// Room between the title, the image and the text.
constexpr int kTitleGap = 5;
constexpr int kImageGap = 5;
// The skin's client margin grows by this much for plain and for extended hints.
constexpr int kPlainSkinExtra = 5;
constexpr int kExtendedSkinExtra = 10;
constexpr int kFadeStep = 20;
constexpr DWORD kFadeTickMs = 3;

// Selects the canvas font and colour into its context for the API's text calls.
HDC PrepareText(TCanvas* canvas) {
  HDC dc = canvas->Handle();
  SelectObject(dc, canvas->Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(canvas->Font()->Color()));
  return dc;
}

SIZE MeasureText(TCanvas* canvas, const AnsiString& text) {
  TRect r = Rect(0, 0, 0, 0);
  DrawTextA(PrepareText(canvas), text.c_str(), text.Length(), r.AsRECT(), DT_CALCRECT);
  return SIZE{r.Width(), r.Height()};
}

void DrawTextAt(TCanvas* canvas, const AnsiString& text, TRect r) {
  DrawTextA(PrepareText(canvas), text.c_str(), text.Length(), r.AsRECT(), 0);
}

bool ValidImage(TCustomImageList* list, int index) { return list != nullptr && index >= 0 && index < list->Count(); }

void DrawTitle(TCanvas* canvas, int x, int y, const AnsiString& title) {
  if (title.IsEmpty()) return;
  const TFontStyles normal = canvas->Font()->Style();
  TFontStyles bold = normal;
  bold.Include(fsBold);
  canvas->Font()->SetStyle(bold);
  DrawTextAt(canvas, title, Rect(x, y, x + 10000, y + 10000));
  canvas->Font()->SetStyle(normal);
}
}  // namespace

TspSkinHintWindow::TspSkinHintWindow(TComponent* owner)
    : THintWindow(owner), screenCapture_(std::make_unique<TBitmap>()) {}

void TspSkinHintWindow::CreateParams(TCreateParams& params) {
  THintWindow::CreateParams(params);
  params.Style &= ~WS_BORDER;
  if (CheckWXP()) params.WindowClass.style |= CS_DROPSHADOW;
}

TspSkinHint* TspSkinHintWindow::FindHintComponent() {
  TCustomForm* mainForm = Application->MainForm();
  if (mainForm == nullptr) return nullptr;
  for (int i = 0; i < mainForm->ComponentCount(); ++i) {
    auto* hint = dynamic_cast<TspSkinHint*>(mainForm->Components(i));
    if (hint != nullptr && hint->Active() && !hint->ComponentState().Contains(csDestroying))
      return hint;
  }
  return nullptr;
}

TBitmap* TspSkinHintWindow::SkinPicture(int index) const {
  if (skinData_ == nullptr || index < 0 || index >= static_cast<int>(skinData_->ActivePictures.size())) return nullptr;
  TBitmap* picture = skinData_->ActivePictures[static_cast<size_t>(index)].get();
  return picture != nullptr && !picture->Empty() ? picture : nullptr;
}

// --- Showing -------------------------------------------------------------------

void TspSkinHintWindow::ActivateHint(const TRect& rect, const AnsiString& text) {
  TspSkinHint* hint = FindHintComponent();
  if (hint == nullptr) return;
  if (!hint->HintTitle().IsEmpty() || hint->HintImageList() != nullptr) {
    ActivateHintEx(rect, hint->HintTitle(), text, hint->HintImageIndex(), hint->HintImageList());
    return;
  }
  Show(rect, text, false);
}

void TspSkinHintWindow::ActivateHintEx(const TRect& rect, const AnsiString& title, const AnsiString& text,
                                       int imageIndex, TCustomImageList* imageList) {
  title_ = title;
  imageIndex_ = imageIndex;
  imageList_ = imageList;
  Show(rect, text, true);
}

void TspSkinHintWindow::Show(const TRect& rect, const AnsiString& text, bool extended) {
  TspSkinHint* hint = FindHintComponent();
  if (hint == nullptr) return;
  extended_ = extended;
  TspSkinData* skin = hint->SkinData();
  skinData_ = skin != nullptr && !skin->Empty ? skin : nullptr;
  if (skinData_ != nullptr && SkinPicture(Look().WindowPictureIndex) == nullptr) skinData_ = nullptr;
  ApplyFont(hint);
  const AnsiString shown = hint->CheckText(text);
  SetCaption(shown);
  int width = 0, height = 0;
  if (extended) CalcHintSizeEx(shown, title_, imageIndex_, imageList_, width, height);
  else CalcHintSize(shown, width, height);
  TRect r = Bounds(rect.Left, rect.Top, width, height);
  if (r.Right > Screen->Width()) r = Bounds(r.Left - width - kFlipGap, r.Top, width, height);
  if (r.Bottom > Screen->Height()) r = Bounds(r.Left, r.Top - height - kFlipGap, width, height);
  SetBoundsRect(r);
  imitated_ = hint->AlphaBlend && !hint->AlphaBlendSupport();
  imitatedValue_ = hint->AlphaBlendValue();
  if (hint->AlphaBlendSupport()) ApplyTranslucency(hint);
  if (imitated_) {
    screenCapture_->SetPixelFormat(pf24bit);
    screenCapture_->SetSize(width, height);
    GetScreenImage(r.Left, r.Top, screenCapture_.get());
  }
  SetHintWindowRegion();
  SetWindowPos(Handle(), HWND_TOPMOST, r.Left, r.Top, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
  Update();
  if (hint->AlphaBlendSupport() && hint->AlphaBlend && hint->AlphaBlendAnimation)
    FadeInAlphaBlend(Handle(), hint->AlphaBlendValue(), kFadeStep, kFadeTickMs, [this] { Update(); });
}

void TspSkinHintWindow::ApplyTranslucency(TspSkinHint* hint) {
  HWND handle = Handle();
  const int value = hint->AlphaBlendValue();
  if (hint->AlphaBlend != alphaBlendApplied_) {
    const LONG style = GetWindowLongA(handle, GWL_EXSTYLE);
    SetWindowLongA(handle, GWL_EXSTYLE, hint->AlphaBlend ? style | WS_EX_LAYERED : style & ~WS_EX_LAYERED);
    if (hint->AlphaBlend && !hint->AlphaBlendAnimation) SetAlphaBlendTransparent(handle, value);
    alphaBlendApplied_ = hint->AlphaBlend;
  }
  if (!hint->AlphaBlend) return;
  if (hint->AlphaBlendAnimation) SetAlphaBlendTransparent(handle, 0);
  if (value != alphaBlendValueApplied_) {
    if (!hint->AlphaBlendAnimation) SetAlphaBlendTransparent(handle, value);
    alphaBlendValueApplied_ = value;
  }
}

void TspSkinHintWindow::SetHintWindowRegion() {
  TBitmap* mask = skinData_ != nullptr ? SkinPicture(Look().MaskPictureIndex) : nullptr;
  if (mask != nullptr) {
    const TspDataSkinHintWindow& l = Look();
    HRGN region = nullptr;
    CreateSkinRegion(region, l.LeftTopPoint, l.RightTopPoint, l.LeftBottomPoint, l.RightBottomPoint, l.ClientRect,
                     newLTPoint_, newRTPoint_, newLBPoint_, newRBPoint_, clientRect_, mask, Width(), Height());
    // The window owns the region from here on and frees it, and the one it replaces.
    SetWindowRgn(Handle(), region, FALSE);
    region_ = region;
  } else if (region_ != nullptr) {
    SetWindowRgn(Handle(), nullptr, FALSE);
    region_ = nullptr;
  }
}

// --- Sizing --------------------------------------------------------------------

void TspSkinHintWindow::ApplyFont(TspSkinHint* hint) {
  TFont* font = Canvas()->Font();
  font->Assign(hint->DefaultFont());
  if (skinData_ != nullptr && hint->UseSkinFont) {
    font->SetName(Look().FontName);
    font->SetHeight(Look().FontHeight);
    font->SetStyle(Look().FontStyle);
  }
  TspSkinData* skin = hint->SkinData();
  if (skin != nullptr && skin->ResourceStrData() != nullptr) font->SetCharset(skin->ResourceStrData()->CharSet());
  font->SetColor(skinData_ != nullptr ? Look().FontColor : clInfoText);
}

void TspSkinHintWindow::CalcHintSize(const AnsiString& text, int& width, int& height) {
  const SIZE size = MeasureText(Canvas(), text);
  width = size.cx;
  height = size.cy;
  FitToLook(width, height, kPlainSkinExtra);
}

void TspSkinHintWindow::CalcHintSizeEx(const AnsiString& text, const AnsiString& title, int imageIndex,
                                       TCustomImageList* imageList, int& width, int& height) {
  const SIZE size = MeasureText(Canvas(), text);
  width = size.cx;
  height = size.cy;
  int titleHeight = 0;
  if (!title.IsEmpty()) {
    const SIZE titleSize = MeasureText(Canvas(), title);
    titleHeight = titleSize.cy;
    height += titleHeight + 2 * kTitleGap;
    width = std::max<int>(width, titleSize.cx);
  }
  if (ValidImage(imageList, imageIndex)) {
    width += imageList->Width() + 2 * kImageGap;
    height = std::max(height, imageList->Height() + titleHeight + kTitleGap);
  }
  FitToLook(width, height, kExtendedSkinExtra);
}

void TspSkinHintWindow::FitToLook(int& width, int& height, int extraWidth) {
  if (skinData_ == nullptr) {
    width += 2 * kTextMargin;
    height += 2 * kTextMargin;
    return;
  }
  const TspDataSkinHintWindow& l = Look();
  const TBitmap* picture = SkinPicture(l.WindowPictureIndex);
  const TRect& k = l.ClientRect;
  width += k.Left + picture->Width() - k.Right + extraWidth;
  height += k.Top + picture->Height() - k.Bottom;
  int dw = width - picture->Width();
  int dh = height - picture->Height();
  // Corners must not cross: the window grows until they fit.
  const auto grow = [](int& size, int& delta, int from, int to) {
    if (to + delta < from) {
      size += from - (to + delta);
      delta = from - to;
    }
  };
  grow(width, dw, l.LeftTopPoint.X, l.RightTopPoint.X);
  grow(width, dw, l.LeftBottomPoint.X, l.RightBottomPoint.X);
  grow(height, dh, l.LeftTopPoint.Y, l.LeftBottomPoint.Y);
  grow(height, dh, l.RightTopPoint.Y, l.RightBottomPoint.Y);
  clientRect_ = Rect(k.Left, k.Top, k.Right + dw, k.Bottom + dh);
  newLTPoint_ = l.LeftTopPoint;
  newRTPoint_ = Point(l.RightTopPoint.X + dw, l.RightTopPoint.Y);
  newLBPoint_ = Point(l.LeftBottomPoint.X, l.LeftBottomPoint.Y + dh);
  newRBPoint_ = Point(l.RightBottomPoint.X + dw, l.RightBottomPoint.Y + dh);
}

// --- Painting ------------------------------------------------------------------

void TspSkinHintWindow::Paint() {
  TspSkinHint* hint = FindHintComponent();
  if (hint == nullptr || Caption().IsEmpty()) return;
  TBitmap buffer;
  buffer.SetPixelFormat(pf24bit);
  buffer.SetSize(Width(), Height());
  DrawFace(&buffer);
  TCanvas* canvas = buffer.Canvas();
  canvas->Font()->Assign(Canvas()->Font());
  if (extended_) DrawExtended(canvas);
  else DrawPlainText(canvas);
  if (imitated_) BlendWithScreen(&buffer);
  BitBlt(Canvas()->Handle(), 0, 0, buffer.Width(), buffer.Height(), buffer.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspSkinHintWindow::DrawFace(TBitmap* buffer) {
  const int width = buffer->Width(), height = buffer->Height();
  if (skinData_ == nullptr) {
    TCanvas* canvas = buffer->Canvas();
    canvas->Brush()->SetColor(clInfoBk);
    canvas->FillRect(Rect(0, 0, width, height));
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(Rect(0, 0, width, height));
    return;
  }
  const TspDataSkinHintWindow& l = Look();
  TBitmap* picture = SkinPicture(l.WindowPictureIndex);
  CreateSkinImageBS(l.LeftTopPoint, l.RightTopPoint, l.LeftBottomPoint, l.RightBottomPoint, l.ClientRect,
                    newLTPoint_, newRTPoint_, newLBPoint_, newRBPoint_, clientRect_, buffer, picture,
                    Rect(0, 0, picture->Width(), picture->Height()), width, height, true, l.LeftStretch,
                    l.TopStretch, l.RightStretch, l.BottomStretch, l.StretchEffect, l.StretchType);
}

void TspSkinHintWindow::DrawPlainText(TCanvas* canvas) {
  const AnsiString text = Caption();
  if (skinData_ == nullptr) {
    DrawTextAt(canvas, text, Rect(kTextMargin, kTextMargin, Width() - kTextMargin, Height() - kTextMargin));
    return;
  }
  const SIZE size = MeasureText(canvas, text);
  const int x = clientRect_.Left + (clientRect_.Width() - size.cx) / 2;
  const int y = clientRect_.Top + (clientRect_.Height() - size.cy) / 2;
  DrawTextAt(canvas, text, Rect(x, y, x + size.cx, y + size.cy));
}

void TspSkinHintWindow::DrawExtended(TCanvas* canvas) {
  const AnsiString text = Caption();
  const bool image = ValidImage(imageList_, imageIndex_);
  const int titleHeight = title_.IsEmpty() ? 0 : MeasureText(canvas, title_).cy;
  const bool skinned = skinData_ != nullptr;
  const TRect area = skinned ? clientRect_
                             : Rect(kTextMargin, kTextMargin, Width() - kTextMargin, Height() - kTextMargin);
  const int left = skinned ? area.Left + kImageGap : area.Left;
  const int top = area.Top;
  DrawTitle(canvas, left, top, title_);
  const int belowTitle = top + titleHeight + kTitleGap;
  int textLeft = left;
  if (image) {
    const int imageTop = !title_.IsEmpty() ? (skinned ? belowTitle : titleHeight + kTitleGap)
                                           : area.Top + (area.Height() - imageList_->Height()) / 2;
    imageList_->Draw(canvas, left, imageTop, imageIndex_);
    textLeft = left + imageList_->Width() + (skinned ? kImageGap : kImageGap + kTextMargin);
  }
  int textTop = belowTitle;
  if (title_.IsEmpty())
    textTop = skinned ? area.Top + (area.Height() - MeasureText(canvas, text).cy) / 2 : area.Top;
  DrawTextAt(canvas, text, Rect(textLeft, textTop, area.Right, area.Bottom));
}

void TspSkinHintWindow::BlendWithScreen(TBitmap* buffer) {
  if (screenCapture_->Width() != buffer->Width() || screenCapture_->Height() != buffer->Height()) return;
  buffer->FreeContext();
  screenCapture_->FreeContext();
  TspEffectBmp blended(buffer->Handle());
  const TspEffectBmp screen(screenCapture_->Handle());
  blended.Morph(&screen, 1 - imitatedValue_ / 255.0);
  blended.Draw(buffer->Canvas()->Handle(), 0, 0);
}

void TspSkinHintWindow::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      message.Result = 0;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    default:
      THintWindow::WndProc(message);
  }
}
