#include "skin/controls/Skinmenus_Window.h"

#include <algorithm>

#include "classlib/windowing/Application.h"
#include "skin/controls/Skinmenus_Controller.h"
#include "skin/controls/Skinmenus_Item.h"
#include "classlib/windowing/ShortCut.h"
#include "skin/data/Sputils_ParentImage.h"
#include "skin/data/Sputils_Regions.h"
#include "skin/data/Sputils_System.h"
#include "skin/data/Sputils_Text.h"

namespace {

constexpr int kFadeStep = 10;
constexpr DWORD kFadeTickMs = 5;

TBitmap* SkinPicture(TspSkinData* skinData, int index) {
  if (skinData == nullptr || index < 0 || index >= static_cast<int>(skinData->ActivePictures.size())) return nullptr;
  return skinData->ActivePictures[static_cast<size_t>(index)].get();
}

TspDataSkinMenuItem* FindItemLook(TspSkinData* skinData, const char* name) {
  const int index = skinData->GetIndex(name);
  if (index < 0) return nullptr;
  return dynamic_cast<TspDataSkinMenuItem*>(skinData->ObjectList[static_cast<size_t>(index)].get());
}

// The skin's menu-item look ("MENUITEM", else "menuitem") when its picture is usable.
TspDataSkinMenuItem* UsableItemLook(TspSkinData* skinData) {
  TspDataSkinMenuItem* look = FindItemLook(skinData, "MENUITEM");
  if (look == nullptr) look = FindItemLook(skinData, "menuitem");
  if (look == nullptr || SkinPicture(skinData, look->ActivePictureIndex) == nullptr) return nullptr;
  return look;
}

}  // namespace

TspSkinPopupWindow::TspSkinPopupWindow(TComponent* owner, TspSkinMenu* controller, TspDataSkinPopupWindow* look)
    : TCustomControl(owner),
      delayTimer_(new TTimer(this)),
      mouseTimer_(new TTimer(this)),
      effectTimer_(new TTimer(this)),
      controller_(controller),
      screenCapture_(std::make_unique<TBitmap>()),
      alphaBlend_(controller->AlphaBlend),
      alphaBlendValue_(controller->AlphaBlendValue),
      alphaAnimation_(controller->AlphaBlendAnimation) {
  SetVisible(false);
  const std::pair<TTimer*, unsigned> timers[] = {
      {delayTimer_, kDelayInterval}, {mouseTimer_, kMouseInterval}, {effectTimer_, kEffectInterval}};
  for (const auto& [timer, interval] : timers) {
    timer->SetEnabled(false);
    timer->SetInterval(interval);
  }
  delayTimer_->OnTimer = TNotifyEvent(this, &TspSkinPopupWindow::WTProc);
  mouseTimer_->OnTimer = TNotifyEvent(this, &TspSkinPopupWindow::TestMouse);
  effectTimer_->OnTimer = TNotifyEvent(this, &TspSkinPopupWindow::TestMorph);
  TspSkinData* skinData = controller->SkinData();
  if (look == nullptr || look->WindowPictureIndex == -1) return;
  // A window picture beyond the skin's pictures, or no usable item look, gives the
  // default look: the frame's sizes need both.
  TBitmap* picture = SkinPicture(skinData, look->WindowPictureIndex);
  TspDataSkinMenuItem* itemLook = picture != nullptr ? UsableItemLook(skinData) : nullptr;
  if (itemLook == nullptr) return;
  look_ = look;
  skinData_ = skinData;
  itemLook_ = itemLook;
  windowPicture_ = picture;
  if (look->MaskPictureIndex != -1) maskPicture_ = SkinPicture(skinData, look->MaskPictureIndex);
}

TspSkinPopupWindow::~TspSkinPopupWindow() {
  // The region was handed to the window, which deletes it with itself.
  items_.clear();
}

void SetPopupWindowParams(TCreateParams& params) {
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW;
  params.WndParent = nullptr;
  params.WindowClass.style |= CS_SAVEBITS;
  if (CheckWXP()) params.WindowClass.style |= CS_DROPSHADOW;
}

void TspSkinPopupWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  SetPopupWindowParams(params);
}

bool TspSkinPopupWindow::ImitatesTranslucency() const { return alphaBlend_ && !CheckW2KWXP(); }

int TspSkinPopupWindow::IndexOfItem(const TspSkinMenuItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == item) return static_cast<int>(i);
  }
  return -1;
}

// ---- Building and layout ----

void TspSkinPopupWindow::PrepareCanvasFont() {
  TFont* font = Canvas()->Font();
  TFont* itemFont = controller_->ItemFont();
  if (look_ != nullptr && controller_->UseSkinFont) {
    font->SetName(itemLook_->FontName);
    font->SetStyle(itemLook_->FontStyle);
    font->SetHeight(itemLook_->FontHeight);
    font->SetCharset(itemFont->Charset());
  } else {
    font->Assign(itemFont);
  }
}

void TspSkinPopupWindow::AddItems(TMenuItem* item, int from) {
  TMenu* menu = item->GetParentMenu();
  const bool reduceLines = menu != nullptr && menu->AutoLineReduction() == maAutomatic;
  for (int i = std::max(0, from); i < item->Count(); ++i) {
    TMenuItem* child = item->Items(i);
    if (!child->Visible() || (reduceLines && child->LineHidden())) continue;
    if (child->Action() != nullptr) child->Action()->Update();
    items_.push_back(std::make_unique<TspSkinMenuItem>(this, child, itemLook_));
  }
}

void TspSkinPopupWindow::CreateMenu(TMenuItem* item, int startIndex) { CreateMenu2(item, nullptr, startIndex); }

void TspSkinPopupWindow::CreateMenu2(TMenuItem* itemA, TMenuItem* itemB, int startIndex) {
  PrepareCanvasFont();
  if (itemB != nullptr) {
    TspSkinData* skinData = controller_->SkinData();
    Canvas()->Font()->SetCharset(skinData != nullptr && skinData->ResourceStrData() != nullptr
                                     ? skinData->ResourceStrData()->CharSet()
                                     : controller_->ItemFont()->Charset());
  }
  TMenu* menu = itemA->GetParentMenu();
  if (menu != nullptr && menu->AutoLineReduction() == maAutomatic) itemA->RethinkLines();
  images_ = menu != nullptr ? menu->Images() : nullptr;
  if (startIndex < itemA->Count()) AddItems(itemA, startIndex);
  if (itemB != nullptr) {
    if (menu != nullptr && menu->AutoLineReduction() == maAutomatic) itemB->RethinkLines();
    AddItems(itemB, startIndex - itemA->Count());
  }
  CalcSize();
}

int TspSkinPopupWindow::TextWidthOfItems() {
  TBitmap measure;
  TCanvas* canvas = measure.Canvas();
  canvas->Font()->Assign(Canvas()->Font());
  int widest = 0;
  for (const auto& item : items_) {
    AnsiString text = item->MenuItem()->Caption();
    const AnsiString shortCut = ShortCutToText(item->MenuItem()->ShortCut());
    if (!shortCut.IsEmpty()) text = text + "  " + shortCut;
    TRect r = Rect(0, 0, 0, 0);
    SPDrawSkinText(canvas, MenuText(text), r, DT_CALCRECT);
    widest = std::max(widest, r.Width());
  }
  return widest;
}

// The margins around the items: the picture's outside its items rectangle, or the
// default frame's.
int TspSkinPopupWindow::Margin(bool horizontal) const {
  if (look_ == nullptr) return horizontal ? 10 : 6;
  const TRect& items = look_->ItemsRect;
  return horizontal ? items.Left + windowPicture_->Width() - items.Right
                    : items.Top + windowPicture_->Height() - items.Bottom;
}

int TspSkinPopupWindow::LimitedItemHeight() const {
  return look_ != nullptr ? itemLook_->SkinRect.Height() : controller_->ItemHeight();
}

void TspSkinPopupWindow::CalcSize() {
  topIndex_ = 0;
  visibleCount_ = ItemCount();
  scrollable_ = false;
  limited_ = false;
  imageColumnWidth_ = images_ != nullptr ? images_->Width() + 5 : 16;
  int width = TextWidthOfItems() + 2 + imageColumnWidth_ + 16 + Margin(true);
  if (look_ != nullptr) width += itemLook_->TextRect.Left + itemLook_->SkinRect.Width() - itemLook_->TextRect.Right;
  int height = Margin(false);
  for (const auto& item : items_) height += item->ItemHeight();
  const int limit = controller_->MaxMenuItemsInWindow();
  if (limit > 0 && limit < ItemCount()) {
    height = LimitedItemHeight() * limit + Margin(false) + 2 * kMarkerHeight;
    scrollable_ = true;
    limited_ = true;
  }
  const int workHeight = controller_->WorkArea().Height();
  if (height > workHeight) {
    height = workHeight;
    scrollable_ = true;
  }
  SetBounds(Left(), Top(), width, height);
  if (look_ == nullptr) {
    itemArea_ = Rect(3, 3, width - 3, height - 3);
  } else {
    const int dw = width - windowPicture_->Width();
    const int dh = height - windowPicture_->Height();
    const TRect& items = look_->ItemsRect;
    itemArea_ = Rect(items.Left, items.Top, items.Right + dw, items.Bottom + dh);
    newLTPoint_ = look_->LeftTopPoint;
    newRTPoint_ = Point(look_->RightTopPoint.X + dw, look_->RightTopPoint.Y);
    newLBPoint_ = Point(look_->LeftBottomPoint.X, look_->LeftBottomPoint.Y + dh);
    newRBPoint_ = Point(look_->RightBottomPoint.X + dw, look_->RightBottomPoint.Y + dh);
  }
  CalcItemRects();
  if (maskPicture_ != nullptr) SetMenuWindowRegion();
}

void TspSkinPopupWindow::CalcItemRects() {
  const int marker = scrollable_ ? kMarkerHeight : 0;
  int y = itemArea_.Top + marker;
  const int limit = itemArea_.Bottom - marker;
  visibleCount_ = 0;
  for (int i = topIndex_; i < ItemCount(); ++i) {
    TspSkinMenuItem* item = Items(i);
    const int height = item->ItemHeight();
    item->ItemRect = Rect(itemArea_.Left, y, itemArea_.Right, y + height);
    y += height;
    if (y > limit) break;
    item->Visible = true;
    ++visibleCount_;
  }
  if (!scrollable_) return;
  for (int i = 0; i < ItemCount(); ++i) {
    if (i < topIndex_ || i >= topIndex_ + visibleCount_) Items(i)->Visible = false;
  }
}

// The top index that shows the end of the list: as many of the last items as fit
// between the two marker strips.
int TspSkinPopupWindow::GetEndStartVisibleIndex() const {
  int room = itemArea_.Bottom - kMarkerHeight;
  const int top = itemArea_.Top + kMarkerHeight;
  int count = 0;
  for (int i = ItemCount() - 1; i >= 0; --i) {
    room -= Items(i)->ItemHeight();
    if (room < top) break;
    ++count;
  }
  return ItemCount() - count;
}

// ---- Placement and showing ----

void TspSkinPopupWindow::Place(const TRect& r, bool isSub, bool upward, int& x, int& y) {
  const TRect w = controller_->WorkArea();
  const int width = Width();
  const int height = Height();
  const bool upperHalf = r.Top < w.Top + w.Height() / 2;
  const bool fullHeight = scrollable_ && !limited_;
  bool shifted = false;
  if (fullHeight) {
    y = w.Top;
  } else if (isSub) {
    if (r.Top + height - itemArea_.Top <= w.Bottom) y = r.Top - itemArea_.Top;
    else if (upperHalf) y = w.Bottom - height;
    else y = std::max<int>(w.Top, r.Bottom + itemArea_.Top - height);
  } else if (upward) {
    if (r.Top - height >= w.Top) {
      y = r.Top - height;
    } else if (upperHalf && r.Bottom + height <= w.Bottom) {
      y = r.Bottom;
    } else {
      y = upperHalf ? w.Bottom - height : w.Top;
      shifted = true;
    }
  } else {
    if (r.Bottom + height <= w.Bottom) {
      y = r.Bottom;
    } else if (!upperHalf && r.Top - height >= w.Top) {
      y = r.Top - height;
    } else {
      y = upperHalf ? w.Bottom - height : w.Top;
      shifted = true;
    }
  }
  if (!isSub && !fullHeight && !shifted) {
    x = r.Left;
    if (x + width > w.Right) x = w.Right - width;
    else if (x < w.Left) x = w.Left;
  } else {
    x = r.Right + width + 1 <= w.Right ? r.Right + 1 : r.Left - width - 1;
  }
}

void TspSkinPopupWindow::Show(const TRect& r, TMenuItem* item, int startIndex, bool isSub, bool upward) {
  if (CheckW2KWXP() && alphaBlend_ && alphaAnimation_ && controller_->First()) Application->ProcessMessages();
  CreateMenu(item, startIndex);
  ShowWith(r, isSub, upward);
}

void TspSkinPopupWindow::Show2(const TRect& r, TMenuItem* itemA, TMenuItem* itemB, int startIndex, bool isSub,
                               bool upward) {
  if (CheckW2KWXP() && alphaBlend_ && alphaAnimation_ && controller_->First()) Application->ProcessMessages();
  CreateMenu2(itemA, itemB, startIndex);
  ShowWith(r, isSub, upward);
}

void TspSkinPopupWindow::ShowWith(const TRect& r, bool isSub, bool upward) {
  int x = 0;
  int y = 0;
  Place(r, isSub, upward, x, y);
  screenPosition_ = Point(x, y);
  if (ImitatesTranslucency()) {
    delayTimer_->SetEnabled(true);
    return;
  }
  if (look_ != nullptr && look_->CursorIndex != -1) {
    SetCursor(static_cast<TCursor>(skinData_->StartCursorIndex + look_->CursorIndex));
  }
  const bool fades = CheckW2KWXP() && alphaBlend_ && alphaAnimation_ && controller_->First();
  if (CheckW2KWXP() && alphaBlend_) {
    HWND handle = Handle();
    SetWindowLongA(handle, GWL_EXSTYLE, GetWindowLongA(handle, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetAlphaBlendTransparent(handle, fades ? 0 : alphaBlendValue_);
  }
  ShowWindowAt(x, y);
  if (fades) FadeIn();
  SelectFirstItem();
}

void TspSkinPopupWindow::ShowWindowAt(int x, int y) {
  SetBounds(x, y, Width(), Height());
  SetWindowPos(Handle(), HWND_TOPMOST, x, y, Width(), Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  shown_ = true;
  mouseTimer_->SetEnabled(true);
}

void TspSkinPopupWindow::FadeIn() { FadeInAlphaBlend(Handle(), alphaBlendValue_, kFadeStep, kFadeTickMs); }

void TspSkinPopupWindow::SelectFirstItem() {
  activeIndex_ = -1;
  for (int i = 0; i < ItemCount(); ++i) {
    TspSkinMenuItem* item = Items(i);
    if (!item->Selectable()) continue;
    item->Waiting = true;
    activeIndex_ = i;
    item->MouseEnter(true);
    return;
  }
}

void TspSkinPopupWindow::WTProc(TObject* sender) {
  (void)sender;
  delayTimer_->SetEnabled(false);
  screenCapture_->SetPixelFormat(pf24bit);
  screenCapture_->SetSize(Width() + 1, Height() + 1);
  GetScreenImage(screenPosition_.X, screenPosition_.Y, screenCapture_.get());
  screenCapture_->FreeContext();
  screenCaptureEffect_ = std::make_unique<TspEffectBmp>(screenCapture_->Handle());
  if (look_ != nullptr && look_->CursorIndex != -1) {
    SetCursor(static_cast<TCursor>(skinData_->StartCursorIndex + look_->CursorIndex));
  }
  ShowWindowAt(screenPosition_.X, screenPosition_.Y);
  SelectFirstItem();
}

void TspSkinPopupWindow::Hide() {
  if (HandleAllocated()) {
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  }
  mouseTimer_->SetEnabled(false);
  SetVisible(false);
  shown_ = false;
}
