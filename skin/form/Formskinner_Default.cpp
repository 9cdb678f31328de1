// The built-in look of a non-client-mode form without a usable skin: a 3-pixel raised
// border, a caption strip of horizontal stripes with the title centred in a plain gap,
// and six caption buttons made of default button objects; its geometry and hit test.
#include <algorithm>
#include <memory>

#include "skin/data/Skindata_Strings.h"
#include "skin/data/Sputils_Text.h"
#include "skin/form/Formskinner.h"
#include "skin/form/Formskinner_DC.h"
#include "skin/form/Formskinner_TextObjects.h"

namespace {

constexpr int kBorder = 3;
constexpr int kButtonTop = 4;
constexpr int kEdgeZone = 2;

// Right and bottom edges excluded.
bool InRect(const TRect& r, const TPoint& p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

struct TDefaultButton {
  const char* idName;
  TStdCommand command;
};

// The default caption buttons, in the order they are made.
constexpr TDefaultButton kDefaultButtons[] = {{"closebutton", cmClose},   {"maxbutton", cmMaximize},
                                              {"minbutton", cmMinimize},  {"rollupbutton", cmRollUp},
                                              {"sysmenubutton", cmSysMenu}, {"traybutton", cmMinimizeToTray}};

// The right-hand buttons, laid out from the right edge in this order.
constexpr TStdCommand kRightButtons[] = {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray};

// The first visible caption button of `command` whose face lies in a picture, or null.
TspSkinStdButtonObject* FirstPictureButton(const std::vector<std::unique_ptr<TspActiveSkinObject>>& objects,
                                           TStdCommand command) {
  for (const auto& object : objects) {
    auto* button = dynamic_cast<TspSkinStdButtonObject*>(object.get());
    if (button != nullptr && button->Visible && button->SkinRectInAPicture && button->Command == command) return button;
  }
  return nullptr;
}

// The three rings of the border, outermost first: top-left and bottom-right colours.
void DrawDefaultBorder(TCanvas* canvas, TRect r) {
  const TColor rings[][2] = {{cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}, {clBtnFace, clBtnFace}};
  for (const auto& ring : rings) {
    Frm3D(canvas, r, ring[0], ring[1]);
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  }
}

// Horizontal lines from y = 2 to `height` - 4, highlight and shadow by turns.
void DrawStripes(TCanvas* canvas, int left, int right, int height) {
  for (int y = 2; y <= height - 4; ++y) {
    canvas->Pen()->SetColor(y % 2 == 0 ? clBtnHighlight : clBtnShadow);
    canvas->MoveTo(left, y);
    canvas->LineTo(right, y);
  }
}

}  // namespace

int TspFormSkinner::GetDefButtonSize() const {
  const TFormBorderStyle style = OwnerForm->BorderStyle();
  return style == bsToolWindow || style == bsSizeToolWin ? 13 : 17;
}

void TspFormSkinner::LoadDefObjects() {
  ClearObjects();
  for (const TDefaultButton& made : kDefaultButtons) {
    auto button = std::make_unique<TspSkinStdButtonObject>(this, nullptr);
    button->IDName = made.idName;
    button->Command = made.command;
    button->SkinRect = button->ActiveSkinRect = button->DownRect = Rect(0, 0, 1, 1);
    button->SkinRectInAPicture = true;
    button->SkinSupport = false;
    ObjectList.push_back(std::move(button));
  }
  CheckObjects();
}

void TspFormSkinner::CalcDefRects() {
  if (ObjectList.empty()) return;
  const int bs = GetDefButtonSize();
  int x = NewFormWidth - kBorder;
  DefCaptionRect = Rect(kBorder, kBorder, NewFormWidth - kBorder, GetDefCaptionHeight());
  for (const TStdCommand command : kRightButtons) {
    if (TspSkinStdButtonObject* button = FirstPictureButton(ObjectList, command)) {
      button->ObjectRect = Rect(x - bs, kButtonTop, x, kButtonTop + bs);
      x -= bs;
    }
  }
  DefCaptionRect.Right = x;
  x = DefCaptionRect.Left;
  if (TspSkinStdButtonObject* button = FirstPictureButton(ObjectList, cmSysMenu)) {
    int w = bs;
    int h = bs;
    if (ShowIcon()) GetIconSize(w, h);
    button->ObjectRect = Rect(x, kButtonTop, x + w, kButtonTop + h);
    DefCaptionRect.Left = x + w;
  }
}

TRect TspFormSkinner::GetDefCaptionRect() {
  CalcDefRects();
  return DefCaptionRect;
}

void TspFormSkinner::CorrectCaptionText(TCanvas* canvas, std::wstring& text, int width) {
  CorrectTextbyWidthW(canvas, text, width);
}

void TspFormSkinner::PaintNCDefault(HDC dc, bool useDC) {
  if (skinData_ != nullptr && skinData_->SkinChanging()) return;
  if (NewFormWidth == 0) NewFormWidth = OwnerForm->Width();
  if (NewFormHeight == 0) NewFormHeight = OwnerForm->Height();
  if (ObjectList.empty() && !SkinUsable) LoadDefObjects();
  CalcDefRects();
  std::unique_ptr<TWindowDC> frameDC;
  if (!useDC) {
    frameDC = std::make_unique<TWindowDC>(OwnerForm->Handle());
    dc = frameDC->Handle();
  }
  const int captionHeight = GetDefCaptionHeight();
  TBitmap caption;
  caption.SetSize(std::max(0, NewFormWidth - 2 * kBorder), captionHeight);
  TCanvas* c = caption.Canvas();
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(Rect(0, 0, caption.Width(), caption.Height()));
  const int left = DefCaptionRect.Left - kBorder;
  const int end = caption.Width() - DefCaptionRect.Right;
  DrawStripes(c, left + 2, caption.Width() - end - 6, captionHeight);
  DrawDefaultCaptionText(c, left, end);
  for (const auto& object : ObjectList) {
    if (!object->Visible) continue;
    const TRect placed = object->ObjectRect;
    object->ObjectRect = Rect(placed.Left - kBorder, placed.Top - kBorder, placed.Right - kBorder, placed.Bottom - kBorder);
    object->Draw(c, true);
    object->ObjectRect = placed;
  }
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, kBorder, captionHeight + kBorder, NewFormWidth - kBorder, NewFormHeight - kBorder);
  BitBlt(dc, kBorder, kBorder, caption.Width(), caption.Height(), c->Handle(), 0, 0, SRCCOPY);
  TDCCanvas canvas(dc);
  DrawDefaultBorder(canvas.Get(), Rect(0, 0, NewFormWidth, NewFormHeight));
  RestoreDC(dc, saved);
}

// The title in the caption bitmap between `left` and the bitmap's width less `end`, on a
// plain gap in the stripes; OnCaptionPaint paints it instead when assigned.
void TspFormSkinner::DrawDefaultCaptionText(TCanvas* canvas, int left, int end) {
  const bool active = GetFormActive();
  canvas->SetFont(active ? defCaptionFont_.get() : defInActiveCaptionFont_.get());
  if (skinData_ != nullptr && skinData_->ResourceStrData() != nullptr) {
    canvas->Font()->SetCharset(skinData_->ResourceStrData()->CharSet());
  }
  const int captionWidth = NewFormWidth - 2 * kBorder;
  const int captionHeight = GetDefCaptionHeight();
  if (OnCaptionPaint) {
    OnCaptionPaint(canvas, Rect(left, 0, captionWidth - end - 3, captionHeight), active);
    return;
  }
  std::wstring text = CaptionWideText(OwnerForm->Caption());
  if (text.empty()) return;
  CorrectCaptionText(canvas, text, captionWidth - left - end);
  const int x = left + (captionWidth - left - end) / 2 - (CalcTextWidthW(canvas, text) + 5) / 2;
  const int y = captionHeight / 2 - CalcTextHeightW(canvas, text) / 2;
  TRect r = Rect(x, y, x, y);
  SPDrawSkinText(canvas, text, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(Rect(r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 2));
  canvas->Brush()->SetStyle(bsClear);
  SPDrawSkinText(canvas, text, r, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | RightToLeftFlags(OwnerForm, true));
}

void TspFormSkinner::PaintBGDefault(HDC dc) {
  TDCCanvas canvas(dc);
  canvas.Get()->Brush()->SetColor(clBtnFace);
  canvas.Get()->FillRect(OwnerForm->ClientRect());
  if (!logoBitMap_->Empty()) DrawLogoBitMap(canvas.Get());
}

int TspFormSkinner::NewDefNCHitTest(const TPoint& p) {
  const int w = OwnerForm->Width();
  const int h = OwnerForm->Height();
  const bool fixed = WindowState != spwsNormal || RollUpState || !Sizeable;
  if (!fixed) {
    if (ActiveObject != -1) return HTOBJECT;
    const bool left = p.X <= kEdgeZone;
    const bool top = p.Y <= kEdgeZone;
    const bool right = p.X >= w - kEdgeZone;
    const bool bottom = p.Y >= h - kEdgeZone;
    if (left && top) return HTTOPLEFT;
    if (right && top) return HTTOPRIGHT;
    if (left && bottom) return HTBOTTOMLEFT;
    if (right && bottom) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (top) return HTTOP;
    if (right) return HTRIGHT;
    if (bottom) return HTBOTTOM;
  }
  if (InRect(GetDefCaptionRect(), p)) return HTCAPTION;
  if (InRect(Rect(kBorder, GetDefCaptionHeight() + kBorder, w - kBorder, h - kBorder), p)) return HTCLIENT;
  return HTOBJECT;
}
