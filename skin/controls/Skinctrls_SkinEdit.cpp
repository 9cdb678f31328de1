#include "skin/controls/Skinctrls_SkinEdit.h"

#include <algorithm>

#include "classlib/windowing/ControlMessages.h"
#include "skin/controls/Skinctrls_FrameMessages.h"
#include "skin/data/Skindata_Lists.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Strings.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Geometry.h"

TspSkinCustomEdit::TspSkinCustomEdit(TComponent* owner)
    : TspCustomEdit(owner), defaultFont_(std::make_unique<TFont>()) {
  skinDataName_ = "edit";
  SetBorderStyle(bsNone);
  TspCustomEdit::SetEditTransparent(true);
  defaultFont_->SetName("Arial");
  defaultFont_->SetHeight(14);
  defaultFont_->SetStyle({});
  defaultFont_->SetColor(clBlack);
  Font()->Assign(defaultFont_.get());
  defaultFont_->OnChange = TNotifyEvent(this, &TspSkinCustomEdit::DefaultFontChanged);
  SetHeight(20);
}

TspSkinCustomEdit::~TspSkinCustomEdit() = default;

// ---- Skin -------------------------------------------------------------------

void TspSkinCustomEdit::SetSkinData(TspSkinData* value) {
  if (StoreSkinData(*this, value)) ChangeSkinData();
}

void TspSkinCustomEdit::Notification(TComponent* component, TOperation operation) {
  TspCustomEdit::Notification(component, operation);
  if (operation == opRemove) ForgetRemoved(component);
}

void TspSkinCustomEdit::GetSkinData() {
  FindLook();
  if (!Skinned()) return;
  const auto* data = dynamic_cast<const TspDataSkinEditControl*>(skinData_->CtrlList[static_cast<size_t>(lookIndex_)].get());
  if (data == nullptr) return;
  look_.LOffset = data->LeftTopPoint.X;
  look_.ROffset = data->SkinRect.Width() - data->RightTopPoint.X;
  look_.ClRect = data->ClientRect;
  look_.SkinRect = data->SkinRect;
  look_.ActiveSkinRect = data->ActiveSkinRect.IsEmpty() ? data->SkinRect : data->ActiveSkinRect;
  look_.FontName = data->FontName;
  look_.FontStyle = data->FontStyle;
  look_.FontHeight = data->FontHeight;
  look_.FontColor = data->FontColor;
  look_.DisabledFontColor = data->DisabledFontColor;
  look_.ActiveFontColor = data->ActiveFontColor;
  look_.ButtonRect = data->ButtonRect;
  look_.ActiveButtonRect = data->ActiveButtonRect;
  look_.DownButtonRect = data->DownButtonRect.IsEmpty() ? data->ActiveButtonRect : data->DownButtonRect;
  look_.UnEnabledButtonRect = data->UnEnabledButtonRect;
  look_.StretchEffect = data->StretchEffect;
  look_.Picture = SkinPictureAt(*skinData_, data->PictureIndex);
}

TFontCharset TspSkinCustomEdit::Charset() const {
  if (skinData_ != nullptr && skinData_->ResourceStrData() != nullptr) return skinData_->ResourceStrData()->CharSet();
  return defaultFont_->Charset();
}

TColor TspSkinCustomEdit::TextColor(bool withFocus) const {
  if (!Enabled()) return Skinned() ? look_.DisabledFontColor : clGrayText;
  if (!Skinned()) return defaultFont_->Color();
  return withFocus && Active() ? look_.ActiveFontColor : look_.FontColor;
}

void TspSkinCustomEdit::ApplyFont() {
  if (Skinned() && useSkinFont_) {
    Font()->SetName(look_.FontName);
    Font()->SetStyle(look_.FontStyle);
    Font()->SetHeight(look_.FontHeight);
  } else {
    Font()->Assign(defaultFont_.get());
  }
  Font()->SetCharset(Charset());
}

void TspSkinCustomEdit::ChangeSkinData() {
  GetSkinData();
  ApplyFont();
  if (!Skinned()) {
    if (defaultWidth_ > 0) SetWidth(defaultWidth_);
    if (defaultHeight_ > 0) SetHeight(defaultHeight_);
  } else if (useSkinFont_) {
    SetHeight(look_.SkinRect.Height());
  }
  RecreateWnd();
  Font()->SetColor(TextColor(true));
  if (!useSkinFont_) AdjustEditHeight();
}

void TspSkinCustomEdit::Loaded() {
  TspCustomEdit::Loaded();
  Font()->SetCharset(Charset());
}

void TspSkinCustomEdit::DefaultFontChanged(TObject*) {
  if (!Skinned()) Font()->Assign(defaultFont_.get());
}

// ---- Properties -------------------------------------------------------------

void TspSkinCustomEdit::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (!Skinned()) Invalidate();
}

void TspSkinCustomEdit::SetDefaultWidth(int value) {
  defaultWidth_ = value;
  if (!Skinned() && value > 0) SetWidth(value);
}

void TspSkinCustomEdit::SetDefaultHeight(int value) {
  defaultHeight_ = value;
  if (!Skinned() && value > 0 && useSkinFont_) SetHeight(value);
  else AdjustEditHeight();
}

void TspSkinCustomEdit::SetButtonMode(bool value) {
  buttonMode_ = value;
  if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) {
    skinDataName_ = value ? "buttonedit" : "edit";
  }
  RecreateWnd();
}

void TspSkinCustomEdit::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  RecreateWnd();
}

void TspSkinCustomEdit::SetAlphaBlend(bool value) {
  if (alphaBlend_ == value) return;
  alphaBlend_ = value;
  InvalidateNC();
  Invalidate();
}

void TspSkinCustomEdit::SetAlphaBlendValue(BYTE value) {
  alphaBlendValue_ = value;
  if (alphaBlend_) {
    InvalidateNC();
    Invalidate();
  }
}

// ---- Geometry ---------------------------------------------------------------

void TspSkinCustomEdit::CreateParams(TCreateParams& params) {
  TspCustomEdit::CreateParams(params);
  params.ExStyle &= ~WS_EX_TRANSPARENT;
  params.Style &= ~WS_BORDER;
  static constexpr DWORD kAlignStyles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  params.Style |= kAlignStyles[alignment_];
}

void TspSkinCustomEdit::CalcRects() {
  const int W = Width(), H = Height();
  if (!Skinned()) {
    if (buttonMode_) {
      buttonRect_ = Rect(W - H, 0, W, H);
      editRect_ = Rect(2, 2, buttonRect_.Left - 2, H - 2);
    } else {
      editRect_ = Rect(2, 2, W - 2, H - 2);
    }
    return;
  }
  const int dw = W - look_.SkinRect.Width();
  editRect_ = look_.ClRect;
  editRect_.Right += dw;
  buttonRect_ = look_.ButtonRect;
  if (buttonRect_.Left >= look_.SkinRect.Width() - look_.ROffset) buttonRect_ = MovedRect(buttonRect_, dw, 0);
  if (!useSkinFont_) {
    const int dh = H - look_.SkinRect.Height();
    editRect_.Bottom += dh;
    buttonRect_.Bottom += dh;
  }
}

int TspSkinCustomEdit::CalcEditHeight() {
  const int frame = Skinned() ? look_.SkinRect.Height() - look_.ClRect.Height() : 4;
  return TextHeightOf(Font()) + frame;
}

void TspSkinCustomEdit::SetBounds(int left, int top, int width, int height) {
  GetSkinData();
  if (width != Width() || height != Height()) {
    if (!useSkinFont_) height = CalcEditHeight();
    else if (Skinned()) height = look_.SkinRect.Height();
  }
  TspCustomEdit::SetBounds(left, top, width, height);
  Invalidate();
  InvalidateNC();
}

void TspSkinCustomEdit::NCCalcSize(TMessage& message) {
  auto* r = reinterpret_cast<RECT*>(message.LParam);
  GetSkinData();
  if (!Skinned()) {
    const int H = r->bottom - r->top;
    r->left += 2;
    r->top += 2;
    r->bottom -= 2;
    r->right -= buttonMode_ ? H + 2 : 2;
  } else {
    r->left += look_.ClRect.Left;
    r->top += look_.ClRect.Top;
    r->right += look_.ClRect.Right - look_.SkinRect.Width();
    r->bottom += look_.ClRect.Bottom - look_.SkinRect.Height();
  }
  message.Result = 0;
}

LRESULT TspSkinCustomEdit::HitTest(const TMessage& message) {
  POINT p = {static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  ::ScreenToClient(Handle(), &p);
  GetSkinData();
  const TPoint origin = Skinned() ? Point(look_.ClRect.Left, look_.ClRect.Top) : Point(2, 2);
  const TPoint at = Point(p.x + origin.X, p.y + origin.Y);
  CalcRects();
  if (PointInRect(buttonRect_, at)) return kEditButtonHit;
  if (!PointInRect(editRect_, at)) return kEditFrameHit;
  return HTCLIENT;
}

// ---- Painting ---------------------------------------------------------------

void TspSkinCustomEdit::InvalidateNC() {
  if (Parent() != nullptr && HandleAllocated()) SendMessageA(Handle(), WM_NCPAINT, 1, 0);
}

void TspSkinCustomEdit::Invalidate() {
  if (Parent() != nullptr && HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
}

TRect TspSkinCustomEdit::ActiveOrSkinRect() const { return Active() ? look_.ActiveSkinRect : look_.SkinRect; }

void TspSkinCustomEdit::ComposeFrame(TBitmap& face) {
  if (useSkinFont_ || !Skinned()) DrawSkinEdit(face.Canvas());
  else DrawSkinEdit2(face.Canvas());
}

void TspSkinCustomEdit::PaintFrame(HDC dc, bool excludeEdit) {
  const int W = Width(), H = Height();
  if (W <= 0 || H <= 0) return;
  GetSkinData();
  CalcRects();
  TBitmap face;
  PrepareFace(*this, face);
  ComposeFrame(face);
  const int saved = SaveDC(dc);
  if (excludeEdit) ExcludeClipRect(dc, editRect_.Left, editRect_.Top, editRect_.Right, editRect_.Bottom);
  TCanvas canvas;
  canvas.SetHandle(dc);
  DrawFace(*this, &canvas, face);
  canvas.SetHandle(nullptr);
  RestoreDC(dc, saved);
}

void TspSkinCustomEdit::DrawSkinEdit(TCanvas* canvas) {
  const int W = Width(), H = Height();
  if (!Skinned()) {
    const int b = buttonMode_ ? buttonRect_.Width() : 0;
    const TRect ring = Rect(0, 0, W - b, H);
    canvas->Brush()->SetColor(defaultColor_);
    canvas->FillRect(ring);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(ring);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FrameRect(Rect(1, 1, ring.Right - 1, H - 1));
    if (buttonMode_) DrawDefaultButton(canvas, buttonRect_, ButtonState(), true, kNoArrow);
    return;
  }
  if (look_.Picture == nullptr) return;
  TBitmap frame;
  CreateHSkinImage(look_.LOffset, look_.ROffset, &frame, look_.Picture, ActiveOrSkinRect(), W,
                   look_.SkinRect.Height(), look_.StretchEffect);
  canvas->Draw(0, 0, &frame);
  if (!buttonMode_) return;
  TRect source;
  if (!Enabled() && !look_.UnEnabledButtonRect.IsEmpty()) source = look_.UnEnabledButtonRect;
  else if (buttonPressed_ && buttonHot_) source = look_.DownButtonRect;
  else if (buttonHot_) source = look_.ActiveButtonRect;
  if (!source.IsEmpty()) canvas->CopyRect(buttonRect_, look_.Picture->Canvas(), source);
}

void TspSkinCustomEdit::DrawSkinEdit2(TCanvas* canvas) {
  if (look_.Picture != nullptr) {
    TBitmap frame;
    frame.SetPixelFormat(pf24bit);
    frame.SetSize(Width(), Height());
    CreateStretchImage(&frame, look_.Picture, ActiveOrSkinRect(), look_.ClRect, true);
    canvas->Draw(0, 0, &frame);
  }
  if (buttonMode_) DrawResizeButton(canvas, buttonRect_);
}

void TspSkinCustomEdit::DrawResizeButton(TCanvas* canvas, const TRect& rect) {
  DrawSkinButton(skinData_, "editbutton", canvas, rect, ButtonState(), kNoArrow);
}

void TspSkinCustomEdit::DrawEditBackGround(TCanvas* canvas) {
  if (editRect_.IsEmpty()) return;
  TBitmap image;
  image.SetPixelFormat(pf24bit);
  image.SetSize(editRect_.Width(), editRect_.Height());
  if (!Skinned() || look_.Picture == nullptr) {
    image.Canvas()->Brush()->SetColor(defaultColor_);
    image.Canvas()->FillRect(Rect(0, 0, image.Width(), image.Height()));
  } else {
    const TRect& CR = look_.ClRect;
    const TRect state = ActiveOrSkinRect();
    const TRect source = Rect(state.Left + CR.Left, state.Top + CR.Top, state.Left + CR.Right, state.Top + CR.Bottom);
    const int lo = std::max(0, look_.LOffset - static_cast<int>(CR.Left));
    const int ro = std::max(0, static_cast<int>(CR.Right) + look_.ROffset - look_.SkinRect.Width());
    TBitmap client;
    CreateHSkinImage(lo, ro, &client, look_.Picture, source, editRect_.Width(), CR.Height(), look_.StretchEffect);
    if (useSkinFont_) image.Canvas()->Draw(0, 0, &client);
    else image.Canvas()->StretchDraw(Rect(0, 0, image.Width(), image.Height()), &client);
  }
  canvas->Draw(0, 0, &image);
}

void TspSkinCustomEdit::EraseBackground(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  CalcRects();
  TCanvas canvas;
  canvas.SetHandle(dc);
  DrawEditBackGround(&canvas);
  canvas.SetHandle(nullptr);
  // The system edit draws its text over the new background in the same context.
  SendMessageA(Handle(), WM_PAINT, message.WParam, 0);
  message.Result = 1;
}

void TspSkinCustomEdit::PaintDisabledText(TMessage& message) {
  PAINTSTRUCT ps{};
  HDC dc = message.WParam != 0 ? reinterpret_cast<HDC>(message.WParam) : BeginPaint(Handle(), &ps);
  TFont font;
  if (Skinned() && useSkinFont_) {
    font.SetName(look_.FontName);
    font.SetHeight(look_.FontHeight);
    font.SetStyle(look_.FontStyle);
  } else {
    font.Assign(defaultFont_.get());
  }
  font.SetColor(Skinned() ? look_.DisabledFontColor : clGrayText);
  font.SetCharset(Charset());
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.SetFont(&font);
  canvas.Brush()->SetStyle(bsClear);
  const TRect area = Rect(0, 0, editRect_.Width(), editRect_.Height());
  const AnsiString text = Text();
  const int textWidth = canvas.TextWidth(text);
  int x = 2;
  if (alignment_ == taRightJustify) x = area.Width() - textWidth - 1;
  else if (alignment_ == taCenter) x = area.Width() / 2 - textWidth / 2;
  canvas.TextRect(area, x, 0, text);
  canvas.SetHandle(nullptr);
  if (message.WParam == 0) EndPaint(Handle(), &ps);
  message.Result = 0;
}

// ---- States -----------------------------------------------------------------

void TspSkinCustomEdit::FocusColour(bool focused) {
  if (!Skinned() || mouseIn_) return;
  Font()->SetColor(focused ? look_.ActiveFontColor : look_.FontColor);
  InvalidateNC();
  Invalidate();
}

void TspSkinCustomEdit::HoverColour(bool inside) {
  mouseIn_ = inside;
  if (!Skinned() || Focused()) return;
  Font()->SetColor(inside ? look_.ActiveFontColor : look_.FontColor);
  InvalidateNC();
  Invalidate();
}

void TspSkinCustomEdit::SetButtonHot(bool hot) {
  if (buttonHot_ == hot) return;
  buttonHot_ = hot;
  InvalidateNC();
}

// ---- Messages ---------------------------------------------------------------

bool TspSkinCustomEdit::HandleButtonMessage(TMessage& message) {
  if (!buttonMode_ || ComponentState().Contains(csDesigning)) return false;
  switch (message.Msg) {
    case WM_NCHITTEST:
      message.Result = HitTest(message);
      if (message.Result == HTCLIENT) TspCustomEdit::Dispatch(message);
      return true;
    case WM_NCMOUSEMOVE:
      SetButtonHot(message.WParam == static_cast<WPARAM>(kEditButtonHit));
      if (!buttonHot_) TspCustomEdit::Dispatch(message);
      return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (message.WParam == static_cast<WPARAM>(kEditButtonHit)) {
        buttonPressed_ = true;
        InvalidateNC();
      } else if (message.WParam == static_cast<WPARAM>(kEditFrameHit)) {
        // The frame is inert: the system would track a scroll bar the edit does not have.
        SetFocus();
      } else {
        TspCustomEdit::Dispatch(message);
      }
      return true;
    case WM_NCLBUTTONUP:
      if (message.WParam != static_cast<WPARAM>(kEditButtonHit)) return false;
      buttonPressed_ = false;
      InvalidateNC();
      if (!Focused()) SetFocus();
      OnButtonClick(this);
      return true;
    default:
      return false;
  }
}

bool TspSkinCustomEdit::HandleFrameMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      NCCalcSize(message);
      return true;
    case WM_NCPAINT: {
      HDC dc = GetWindowDC(Handle());
      PaintFrame(dc, true);
      ReleaseDC(Handle(), dc);
      message.Result = 0;
      return true;
    }
    case CM_SENCPAINT:
      if (message.WParam != 0) {
        PaintFrame(reinterpret_cast<HDC>(message.WParam), false);
        message.Result = kFramePaintAnswer;
        return true;
      }
      return false;
    case CM_BENCPAINT:
      if (message.LParam != kBackgroundFramePaint) return false;
      if (message.WParam != 0) PaintFrame(reinterpret_cast<HDC>(message.WParam), true);
      message.Result = kBackgroundFramePaint;
      return true;
    case WM_ERASEBKGND:
      EraseBackground(message);
      return true;
    case WM_PAINT:
      if (Enabled()) return false;
      PaintDisabledText(message);
      return true;
    default:
      return false;
  }
}

void TspSkinCustomEdit::Dispatch(TMessage& message) {
  if (HandleButtonMessage(message) || HandleFrameMessage(message)) return;
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      SetButtonHot(false);
      TspCustomEdit::Dispatch(message);
      return;
    case WM_SIZE:
      TspCustomEdit::Dispatch(message);
      InvalidateNC();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TspCustomEdit::Dispatch(message);
      FocusColour(message.Msg == WM_SETFOCUS);
      return;
    case CM_MOUSEENTER:
      TspCustomEdit::Dispatch(message);
      HoverColour(true);
      OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      TspCustomEdit::Dispatch(message);
      if (buttonHot_ || buttonPressed_) {
        buttonHot_ = buttonPressed_ = false;
        InvalidateNC();
        Invalidate();
      }
      HoverColour(false);
      OnMouseLeave(this);
      return;
    case CM_ENABLEDCHANGED:
      TspCustomEdit::Dispatch(message);
      Font()->SetColor(TextColor(false));
      InvalidateNC();
      Invalidate();
      return;
    case CM_FONTCHANGED:
      TspCustomEdit::Dispatch(message);
      if (useSkinFont_ || ComponentState().Contains(csLoading)) return;
      AdjustEditHeight();
      if (!Skinned()) RecreateWnd();
      return;
    default:
      TspCustomEdit::Dispatch(message);
  }
}
