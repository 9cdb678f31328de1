#include <algorithm>

#include "classlib/windowing/ControlMessages.h"
#include "skin/controls/Skinimagesmenu.h"
#include "skin/controls/Skinmenus_Item.h"
#include "skin/controls/Skinmenus_Window.h"
#include "skin/data/Sputils_Regions.h"
#include "skin/data/Sputils_System.h"

namespace {
// A cell is the picture with this much room around it; rows are 1 px apart.
constexpr int kCellPadding = 10;
constexpr int kRowGap = 1;
// The grid's offset in the default look, and the default frame around it.
constexpr int kDefaultOffset = 5;
constexpr int kFadeStep = 10;
constexpr DWORD kFadeTickMs = 5;

// What closes a popup menu closes the grid too, except a left click (the grid's own
// clicks come this way while it holds the capture), and so do system keys.
bool ClosesThePopup(UINT message) {
  if (message == WM_SYSKEYDOWN || message == WM_SYSCHAR) return true;
  return message != WM_LBUTTONDOWN && CanMenuClose(message);
}
}  // namespace

// The window has no owner: once released, the application frees it even when the menu
// has gone meanwhile; the menu frees a window that is still open.
TspSkinImagesMenuPopupWindow::TspSkinImagesMenuPopupWindow(TspSkinImagesMenu* menu)
    : TCustomControl(nullptr), menu_(menu) {
  SetVisible(false);
}

TspSkinImagesMenuPopupWindow::~TspSkinImagesMenuPopupWindow() {
  UnHookApp();
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

void TspSkinImagesMenuPopupWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  SetPopupWindowParams(params);
}

TBitmap* TspSkinImagesMenuPopupWindow::SkinPicture(int index) const {
  TspSkinData* skin = menu_->SkinData();
  if (skin == nullptr || index < 0 || index >= static_cast<int>(skin->ActivePictures.size())) return nullptr;
  TBitmap* picture = skin->ActivePictures[static_cast<size_t>(index)].get();
  return picture != nullptr && !picture->Empty() ? picture : nullptr;
}

bool TspSkinImagesMenuPopupWindow::DecideSkinned() {
  TspSkinData* skin = menu_->SkinData();
  windowPicture_ = skin != nullptr && !skin->Empty ? SkinPicture(skin->PopupWindow->WindowPictureIndex) : nullptr;
  maskPicture_ = windowPicture_ != nullptr ? SkinPicture(skin->PopupWindow->MaskPictureIndex) : nullptr;
  skinned_ = windowPicture_ != nullptr;
  return skinned_;
}

// --- Layout and size -------------------------------------------------------------

int TspSkinImagesMenuPopupWindow::RowWidth() const {
  return menu_->ColumnsCount() * (menu_->Images()->Width() + kCellPadding);
}

bool TspSkinImagesMenuPopupWindow::IsHeader(int index) const { return menu_->ImagesItems()->Items(index)->Header(); }

int TspSkinImagesMenuPopupWindow::LastItem() const { return menu_->ImagesItems()->Count() - 1; }

void TspSkinImagesMenuPopupWindow::AssignItemRects() {
  const int cw = menu_->Images()->Width() + kCellPadding;
  const int ch = menu_->Images()->Height() + kCellPadding;
  const int rw = RowWidth();
  const TRect& items = menu_->SkinData() != nullptr ? menu_->SkinData()->PopupWindow->ItemsRect : TRect{};
  const int sx = skinned_ ? items.Left : kDefaultOffset;
  int y = skinned_ ? items.Top : kDefaultOffset;
  int x = sx;
  TspDataSkinLabelControl* label = GetLabelDataControl();
  for (int i = 0; i <= LastItem(); ++i) {
    TspImagesMenuItem* item = menu_->ImagesItems()->Items(i);
    if (item->Header() || item->Button()) {
      if (x != sx) y += ch + kRowGap;
      const int h = item->Header() && label != nullptr ? label->SkinRect.Height() : ch;
      item->ItemRect = Rect(sx, y, sx + rw, y + h);
      y += h + kRowGap;
      x = sx;
      continue;
    }
    item->ItemRect = Rect(x, y, x + cw, y + ch);
    x += cw;
    if (x + cw > sx + rw) {
      x = sx;
      y += ch + kRowGap;
    }
  }
}

TRect TspSkinImagesMenuPopupWindow::GetItemRect(int index) const { return menu_->ImagesItems()->Items(index)->ItemRect; }

int TspSkinImagesMenuPopupWindow::GetItemFromPoint(const TPoint& point) const {
  for (int i = 0; i <= LastItem(); ++i) {
    const TRect r = GetItemRect(i);
    if (!IsHeader(i) && point.X >= r.Left && point.X <= r.Right && point.Y >= r.Top && point.Y <= r.Bottom) return i;
  }
  return -1;
}

void TspSkinImagesMenuPopupWindow::CreateMenu() {
  DecideSkinned();
  AssignItemRects();
  const int content = GetItemRect(LastItem()).Bottom - GetItemRect(0).Top;
  if (!skinned_) {
    SetBounds(Left(), Top(), RowWidth() + 2 * kDefaultOffset, content + 2 * kDefaultOffset);
    return;
  }
  const TspDataSkinPopupWindow& l = *menu_->SkinData()->PopupWindow;
  const int width = windowPicture_->Width() + RowWidth() - l.ItemsRect.Width();
  const int height = windowPicture_->Height() + content - l.ItemsRect.Height();
  SetBounds(Left(), Top(), width, height);
  const int dw = width - windowPicture_->Width();
  const int dh = height - windowPicture_->Height();
  itemArea_ = Rect(l.ItemsRect.Left, l.ItemsRect.Top, l.ItemsRect.Right + dw, l.ItemsRect.Bottom + dh);
  newLTPoint_ = l.LeftTopPoint;
  newRTPoint_ = Point(l.RightTopPoint.X + dw, l.RightTopPoint.Y);
  newLBPoint_ = Point(l.LeftBottomPoint.X, l.LeftBottomPoint.Y + dh);
  newRBPoint_ = Point(l.RightBottomPoint.X + dw, l.RightBottomPoint.Y + dh);
  if (maskPicture_ != nullptr) SetMenuWindowRegion();
}

void TspSkinImagesMenuPopupWindow::SetMenuWindowRegion() {
  const TspDataSkinPopupWindow& l = *menu_->SkinData()->PopupWindow;
  HRGN region = nullptr;
  CreateSkinRegion(region, l.LeftTopPoint, l.RightTopPoint, l.LeftBottomPoint, l.RightBottomPoint, l.ItemsRect,
                   newLTPoint_, newRTPoint_, newLBPoint_, newRBPoint_, itemArea_, maskPicture_, Width(), Height());
  // The window owns the region from here on and frees it, and the one it replaces.
  SetWindowRgn(Handle(), region, TRUE);
  region_ = region;
}

// --- Showing and closing ---------------------------------------------------------

void TspSkinImagesMenuPopupWindow::Place(const TRect& rect, int& x, int& y) const {
  const TRect work = GetMonitorWorkArea(const_cast<TspSkinImagesMenuPopupWindow*>(this)->Handle(), true);
  x = rect.Left;
  y = rect.Bottom;
  if (y + Height() > work.Bottom) y = rect.Top - Height();
  if (x + Width() > work.Right) x = work.Right - Width();
  x = std::max<int>(x, work.Left);
  y = std::max<int>(y, work.Top);
}

void TspSkinImagesMenuPopupWindow::Show(const TRect& rect) {
  CreateMenu();
  int x = 0, y = 0;
  Place(rect, x, y);
  const bool layered = CheckW2KWXP() && menu_->AlphaBlend;
  const bool fades = layered && menu_->AlphaBlendAnimation;
  if (layered) {
    SetWindowLongA(Handle(), GWL_EXSTYLE, GetWindowLongA(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetAlphaBlendTransparent(Handle(), fades ? 0 : menu_->AlphaBlendValue());
  }
  SetBounds(x, y, Width(), Height());
  SetWindowPos(Handle(), HWND_TOPMOST, x, y, Width(), Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  if (fades) FadeIn();
  HookApp();
  SetCapture(Handle());
}

void TspSkinImagesMenuPopupWindow::FadeIn() {
  Application->ProcessMessages();
  FadeInAlphaBlend(Handle(), menu_->AlphaBlendValue(), kFadeStep, kFadeTickMs);
}

void TspSkinImagesMenuPopupWindow::Hide(bool chosen) {
  if (closing_) return;
  closing_ = true;
  HideItemHint();
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  SetVisible(false);
  UnHookApp();
  if (GetCapture() == Handle()) ReleaseCapture();
  menu_->ProcessEvents(chosen);
}

void TspSkinImagesMenuPopupWindow::HookApp() {
  savedOnMessage_ = Application->OnMessage;
  Application->OnMessage = TMessageEvent(this, &TspSkinImagesMenuPopupWindow::NewAppMessage);
  hooked_ = true;
}

void TspSkinImagesMenuPopupWindow::UnHookApp() {
  if (!hooked_) return;
  Application->OnMessage = savedOnMessage_;
  hooked_ = false;
}

void TspSkinImagesMenuPopupWindow::NewAppMessage(MSG& message, bool& handled) {
  if (closing_) return;
  if (ClosesThePopup(message.message)) {
    Hide(false);
  } else if (message.message == WM_KEYDOWN) {
    ProcessKey(static_cast<int>(message.wParam));
    message.message = 0;
    handled = true;
  }
}

// --- Mouse -----------------------------------------------------------------------

void TspSkinImagesMenuPopupWindow::HideItemHint() {
  if (menu_->ShowHints && menu_->SkinHint() != nullptr) menu_->SkinHint()->HideHint();
}

void TspSkinImagesMenuPopupWindow::SetActive(int index) {
  if (index == activeItem_) return;
  activeItem_ = index;
  Invalidate();
}

void TspSkinImagesMenuPopupWindow::TestActive(int x, int y) {
  const int item = GetItemFromPoint(Point(x, y));
  activeItem_ = item;
  if (item == -1 && menu_->SkinHint() != nullptr) menu_->SkinHint()->HideHint();
  if (item == lastActiveItem_) return;
  lastActiveItem_ = item;
  Invalidate();
  if (!menu_->ShowHints || menu_->SkinHint() == nullptr) return;
  menu_->SkinHint()->HideHint();
  if (item != -1 && !menu_->ImagesItems()->Items(item)->Hint().IsEmpty())
    menu_->SkinHint()->ActivateHint2(menu_->ImagesItems()->Items(item)->Hint());
}

void TspSkinImagesMenuPopupWindow::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (!closing_) TestActive(x, y);
}

void TspSkinImagesMenuPopupWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (closing_) return;
  HideItemHint();
  pressed_ = true;
  pressedOnItem_ = GetItemFromPoint(Point(x, y)) != -1;
  Invalidate();
}

void TspSkinImagesMenuPopupWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (closing_) return;
  const int item = GetItemFromPoint(Point(x, y));
  if (pressed_ && item != -1) {
    menu_->SetItemIndex(item);
    Hide(true);
    return;
  }
  SetCapture(Handle());
}

void TspSkinImagesMenuPopupWindow::WndProc(TMessage& message) {
  // A closed window waits to be freed and may outlive its menu: it touches it no more.
  if (closing_) {
    TCustomControl::WndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_MOUSEACTIVATE:
      message.Result = MA_NOACTIVATE;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case CM_MOUSEENTER:
      return;
    case CM_MOUSELEAVE:
      HideItemHint();
      activeItem_ = -1;
      lastActiveItem_ = -1;
      Invalidate();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const POINT at{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
      RECT client{0, 0, Width(), Height()};
      if (!PtInRect(&client, at)) {
        Hide(false);
        return;
      }
      break;
    }
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

// --- Keys ------------------------------------------------------------------------

void TspSkinImagesMenuPopupWindow::ProcessKey(int key) {
  switch (key) {
    case VK_RETURN:
    case VK_SPACE:
      if (activeItem_ != -1) menu_->SetItemIndex(activeItem_);
      Hide(true);
      break;
    case VK_ESCAPE:
      Hide(false);
      break;
    case VK_RIGHT:
      FindRight();
      break;
    case VK_LEFT:
      FindLeft();
      break;
    case VK_DOWN:
      FindDown();
      break;
    case VK_UP:
      FindUp();
      break;
    default:
      break;
  }
}

void TspSkinImagesMenuPopupWindow::FindRight() {
  if (activeItem_ == -1 || activeItem_ == LastItem()) {
    SetActive(IsHeader(0) && LastItem() > 0 ? 1 : 0);
    return;
  }
  for (int i = activeItem_ + 1; i <= LastItem(); ++i)
    if (!IsHeader(i)) return SetActive(i);
}

void TspSkinImagesMenuPopupWindow::FindLeft() {
  if (activeItem_ == -1 || activeItem_ == 0 || (IsHeader(0) && LastItem() > 0 && activeItem_ == 1)) {
    SetActive(LastItem());
    return;
  }
  for (int i = activeItem_ - 1; i >= 0; --i)
    if (!IsHeader(i)) return SetActive(i);
}

void TspSkinImagesMenuPopupWindow::FindDown() {
  if (activeItem_ == -1) {
    SetActive(IsHeader(0) && LastItem() > 0 ? 1 : 0);
    return;
  }
  const TRect active = GetItemRect(activeItem_);
  for (int i = activeItem_ + 1; i <= LastItem(); ++i) {
    const TspImagesMenuItem* item = menu_->ImagesItems()->Items(i);
    const TRect r = item->ItemRect;
    if (!item->Header() && r.Top > active.Top && (item->Button() || r.Left == active.Left)) return SetActive(i);
  }
}

void TspSkinImagesMenuPopupWindow::FindUp() {
  if (activeItem_ == -1) {
    SetActive(LastItem());
    return;
  }
  const TRect active = GetItemRect(activeItem_);
  for (int i = activeItem_ - 1; i >= 0; --i) {
    const TspImagesMenuItem* item = menu_->ImagesItems()->Items(i);
    const TRect r = item->ItemRect;
    if (!item->Header() && r.Top < active.Top && (item->Button() || r.Left == active.Left)) return SetActive(i);
  }
}
