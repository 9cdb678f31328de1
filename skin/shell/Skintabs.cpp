// The page and tab controls' shared core: look cache, geometry answers, messages, hot
// tracking, close buttons and the tab scroller. Painting is in Skintabs_Paint.cpp, the
// two controls and the sheet in Skintabs_Controls.cpp.
#include "skin/shell/Skintabs.h"

#include <commctrl.h>

#include "classlib/windowing/ControlMessages.h"
#include "skin/controls/Skinctrls_Link.h"
#include "skin/controls/Skinctrls_UpDown.h"
#include "skin/controls/Skinctrls_ViewLink.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Strings.h"
#include "skin/data/Skindata_Views.h"
#include "skin/data/Sputils_Geometry.h"

namespace {

void ReadLook(const TspDataSkinTabControl& d, TspSkinData& skin, TspTabLook& look) {
  look.CloseButtonRect = d.CloseButtonRect;
  look.CloseButtonActiveRect = FallbackRect(d.CloseButtonActiveRect, d.CloseButtonRect);
  look.CloseButtonDownRect = FallbackRect(d.CloseButtonDownRect, look.CloseButtonActiveRect);
  look.ButtonTransparent = d.ButtonTransparent;
  look.ButtonTransparentColor = d.ButtonTransparentColor;
  const auto pictures = static_cast<int>(skin.ActivePictures.size());
  look.Picture = d.PictureIndex >= 0 && d.PictureIndex < pictures ? skin.ActivePictures[d.PictureIndex].get() : nullptr;
  look.SkinRect = d.SkinRect;
  look.ClientRect = d.ClientRect;
  look.TabRect = d.TabRect;
  look.ActiveTabRect = FallbackRect(d.ActiveTabRect, d.TabRect);
  look.FocusTabRect = FallbackRect(d.FocusTabRect, look.ActiveTabRect);
  look.MouseInTabRect = d.MouseInTabRect;
  look.TabsBGRect = d.TabsBGRect;
  look.LTPoint = d.LeftTopPoint;
  look.RTPoint = d.RightTopPoint;
  look.LBPoint = d.LeftBottomPoint;
  look.RBPoint = d.RightBottomPoint;
  look.TabLeftOffset = d.TabLeftOffset;
  look.TabRightOffset = d.TabRightOffset;
  look.FontName = d.FontName;
  look.FontStyle = d.FontStyle;
  look.FontHeight = d.FontHeight;
  look.FontColor = d.FontColor;
  look.ActiveFontColor = d.ActiveFontColor;
  look.FocusFontColor = d.FocusFontColor;
  look.MouseInFontColor = d.MouseInFontColor;
  look.UpDown = d.UpDown;
  look.BGPictureIndex = d.BGPictureIndex >= 0 && d.BGPictureIndex < pictures ? d.BGPictureIndex : -1;
  look.TabStretchEffect = d.TabStretchEffect;
  look.ShowFocus = d.ShowFocus;
  look.FocusOffsetX = d.FocusOffsetX;
  look.FocusOffsetY = d.FocusOffsetY;
  look.StretchEffect = d.StretchEffect;
  look.LeftStretch = d.LeftStretch;
  look.TopStretch = d.TopStretch;
  look.RightStretch = d.RightStretch;
  look.BottomStretch = d.BottomStretch;
  look.StretchType = d.StretchType;
}

TRect RectOf(const RECT& r) { return Rect(r.left, r.top, r.right, r.bottom); }

}  // namespace

TRect FallbackRect(const TRect& rect, const TRect& otherwise) { return IsNullRect(rect) ? otherwise : rect; }

TRect TspTabLook::Margins() const {
  return Rect(ClientRect.Left, ClientRect.Top, SkinRect.Width() - ClientRect.Right,
              SkinRect.Height() - ClientRect.Bottom);
}

template <class Base>
TspSkinTabs<Base>::TspSkinTabs(TComponent* owner)
    : Base(owner), defaultFont_(std::make_unique<TFont>()), spacer_(std::make_unique<TImageList>(nullptr)) {
  spacer_->SetSize(1, 1);
  Base::SetImages(spacer_.get());
  for (TFont* font : {defaultFont_.get(), this->Font()}) {
    font->SetName("Arial");
    font->SetHeight(14);
    font->SetColor(clBtnText);
    font->SetStyle({});
  }
  TControlStyle style = this->ControlStyle();
  style.Include(csPaintWindow);
  this->SetControlStyle(style);
}

template <class Base>
TspSkinTabs<Base>::~TspSkinTabs() {
  Base::SetImages(nullptr);
  spacer_.reset();
}

template <class Base>
void TspSkinTabs<Base>::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value != nullptr) value->FreeNotification(this);
  if (value != nullptr && !value->Empty && !Designing()) ChangeSkinData();
}

template <class Base>
void TspSkinTabs<Base>::GetSkinData() {
  look_ = TspTabLook{};
  lookIndex_ = -1;
  if (skinData_ == nullptr || skinData_->Empty) return;
  const int index = skinData_->GetControlIndex(skinDataName_);
  if (index < 0) return;
  const auto* data = dynamic_cast<const TspDataSkinTabControl*>(skinData_->CtrlList[index].get());
  if (data == nullptr) return;
  ReadLook(*data, *skinData_, look_);
  lookIndex_ = index;
}

template <class Base>
void TspSkinTabs<Base>::ChangeSkinData() {
  GetSkinData();
  if (showCloseButtons_) {
    const int size = GetCloseSize();
    ResizeSpacer(size - closeSize_);
    closeSize_ = size;
  }
  ApplyFonts();
  ApplyItemSize();
  Change2();
  this->Realign();
  if (scroller_ != nullptr) {
    HideSkinUpDown();
    CheckScroll();
  }
  AfterChangeSkinData();
}

template <class Base>
void TspSkinTabs<Base>::ApplyFonts() {
  TFont* font = this->Font();
  if (lookIndex_ < 0 || !useSkinFont_) {
    font->Assign(defaultFont_.get());
  } else {
    font->SetName(look_.FontName);
    font->SetHeight(look_.FontHeight);
    font->SetStyle(look_.FontStyle);
  }
  if (lookIndex_ >= 0) font->SetColor(look_.FontColor);
  if (skinData_ != nullptr && skinData_->ResourceStrData() != nullptr)
    font->SetCharset(skinData_->ResourceStrData()->CharSet());
  else
    font->SetCharset(defaultFont_->Charset());
}

template <class Base>
void TspSkinTabs<Base>::SetDefaultItemHeight(int value) {
  defaultItemHeight_ = value;
  if (lookIndex_ >= 0) return;
  ApplyItemSize();
  Change2();
  this->Realign();
}

template <class Base>
void TspSkinTabs<Base>::SetShowCloseButtons(bool value) {
  if (value != showCloseButtons_) {
    if (value) closeSize_ = GetCloseSize();
    ResizeSpacer(value ? closeSize_ : -closeSize_);
    showCloseButtons_ = value;
  }
  this->Invalidate();
}

template <class Base>
void TspSkinTabs<Base>::SetTabsBGTransparent(bool value) {
  if (value == tabsBGTransparent_) return;
  tabsBGTransparent_ = value;
  this->Invalidate();
}

template <class Base>
void TspSkinTabs<Base>::SetImages(TCustomImageList* value) {
  if (images_ != nullptr) ResizeSpacer(-(Vertical() ? images_->Height() : images_->Width()));
  images_ = value;
  if (value != nullptr) {
    value->FreeNotification(this);
    ResizeSpacer(Vertical() ? value->Height() : value->Width());
  }
  this->Invalidate();
}

template <class Base>
void TspSkinTabs<Base>::ResizeSpacer(int delta) {
  if (delta == 0) return;
  if (Vertical()) spacer_->SetHeight(spacer_->Height() + delta);
  else spacer_->SetWidth(spacer_->Width() + delta);
  // A new size gives the list a new handle: hand it to the system again.
  Base::SetImages(spacer_.get());
  this->Realign();
}

template <class Base>
int TspSkinTabs<Base>::GetCloseSize() const {
  if (lookIndex_ < 0 || IsNullRect(look_.CloseButtonRect)) return 14;
  return look_.CloseButtonRect.Width();
}

template <class Base>
TRect TspSkinTabs<Base>::GetItemRect(int index) {
  TRect rect = this->TabRect(index);
  if (!this->MultiLine() && index == 0) rect.Left += 1;
  return rect;
}

template <class Base>
void TspSkinTabs<Base>::SetItemSize(int width, int height) {
  if (this->HandleAllocated()) this->Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
}

template <class Base>
void TspSkinTabs<Base>::ApplyItemSize() {
  int height = defaultItemHeight_;
  if (this->TabHeight() > 0) height = this->TabHeight();
  else if (lookIndex_ >= 0) height = look_.TabRect.Height();
  SetItemSize(this->TabWidth(), height);
}

template <class Base>
TRect TspSkinTabs<Base>::GetActiveTabRect() {
  const int selected = this->TabIndex();
  if (selected < 0 || selected >= VisibleTabCount()) return Rect(0, 0, 0, 0);
  TRect rect = GetItemRect(selected);
  const int extra = look_.ActiveTabRect.Height() - look_.TabRect.Height();
  switch (this->TabPosition()) {
    case tpTop: rect.Bottom += extra; break;
    case tpBottom: rect.Top -= extra; break;
    case tpLeft: rect.Right += extra; break;
    case tpRight: rect.Left -= extra; break;
  }
  return rect;
}

template <class Base>
TRect TspSkinTabs<Base>::FrameRect() {
  TRect frame = this->DisplayRect();
  if (lookIndex_ < 0) return frame;
  const bool bare = look_.BGPictureIndex >= 0 && !MarginsWithBackground();
  const TRect m = bare ? Rect(0, 0, 0, 0) : look_.Margins();
  return Rect(frame.Left - m.Left, frame.Top - m.Top, frame.Right + m.Right, frame.Bottom + m.Bottom);
}

template <class Base>
void TspSkinTabs<Base>::AdjustDisplayRect(TRect& r) {
  const int w = this->ClientWidth();
  const int h = this->ClientHeight();
  const int hidden = TabsHidden() ? 1 : 0;
  if (lookIndex_ >= 0) {
    const bool bare = look_.BGPictureIndex >= 0 && !MarginsWithBackground();
    const TRect m = bare ? Rect(0, 0, 0, 0) : look_.Margins();
    switch (this->TabPosition()) {
      case tpTop: r = Rect(m.Left, r.Top + m.Top - 6 - hidden, w - m.Right, h - m.Bottom); break;
      case tpBottom: r = Rect(m.Left, r.Top + m.Top - 4, w - m.Right, r.Bottom + 4 - m.Bottom + hidden); break;
      case tpLeft: r = Rect(r.Left + m.Left - 4 - hidden, r.Top + m.Top - 4, w - m.Right, h - m.Bottom); break;
      case tpRight: r = Rect(m.Left, r.Top + m.Top - 4, r.Right - m.Right + 4 + hidden, h - m.Bottom); break;
    }
    return;
  }
  switch (this->TabPosition()) {
    case tpTop: r = Rect(1, r.Top - 5 - hidden, w - 1, h - 1); break;
    case tpBottom: r = Rect(1, 1, w - 1, r.Bottom + 3); break;
    case tpLeft: r = Rect(r.Left - 3 - hidden, r.Top - 5, w - 1, h - 1); break;
    case tpRight: r = Rect(r.Left - 3, r.Top - 5, r.Right + 3 + hidden, h - 1); break;
  }
}

template <class Base>
void TspSkinTabs<Base>::AdjustItemRect(TRect& r) {
  const int along = this->MultiLine() ? 0 : -2;
  switch (this->TabPosition()) {
    case tpTop: r = Rect(r.Left + along, r.Top - 2, r.Right + along, r.Bottom - 2); break;
    case tpBottom: r = Rect(r.Left + along, r.Top + 2, r.Right + along, r.Bottom + 2); break;
    case tpLeft: r = Rect(r.Left - 2, r.Top, r.Right - 2, r.Bottom); break;
    case tpRight: r = Rect(r.Left + 2, r.Top, r.Right + 2, r.Bottom); break;
  }
}

template <class Base>
void TspSkinTabs<Base>::WndProc(TMessage& message) {
  switch (message.Msg) {
    case TCM_ADJUSTRECT:
    case TCM_GETITEMRECT: {
      Base::WndProc(message);
      auto* answer = reinterpret_cast<RECT*>(message.LParam);
      if (answer == nullptr || (message.Msg == TCM_GETITEMRECT && message.Result == 0)) return;
      if (message.Msg == TCM_ADJUSTRECT) GetSkinData();
      TRect rect = RectOf(*answer);
      if (message.Msg == TCM_ADJUSTRECT) AdjustDisplayRect(rect);
      else AdjustItemRect(rect);
      *answer = *rect.AsRECT();
      return;
    }
    case WM_SIZE:
      GetSkinData();
      Base::WndProc(message);
      if (!this->MultiLine()) CheckScroll();
      if (lookIndex_ >= 0 && look_.StretchEffect) {
        for (int i = 0; i < this->ControlCount(); ++i) {
          if (auto* child = dynamic_cast<TWinControl*>(this->Controls(i)); child != nullptr && child->HandleAllocated())
            SendMessageA(child->Handle(), WM_CHECKPARENTBG, 0, 0);
        }
      }
      return;
    case WM_ERASEBKGND:
      EraseBackground(message);
      return;
    case WM_PAINT:
      painting_ = true;
      Base::WndProc(message);
      painting_ = false;
      return;
    case WM_HSCROLL:
      Base::WndProc(message);
      this->Invalidate();
      return;
    case CM_MOUSELEAVE:
      Base::WndProc(message);
      if (message.LParam == reinterpret_cast<LPARAM>(static_cast<TControl*>(this))) ForgetHotTabs();
      return;
    case CM_SENCPAINT:
      message.Result = kNoFramePainted;
      return;
    case WM_CHECKPARENTBG:
      if (tabsBGTransparent_) this->Invalidate();
      return;
    default:
      Base::WndProc(message);
  }
}

template <class Base>
void TspSkinTabs<Base>::CreateHandleState() {
  Base::CreateHandleState();
  ApplyItemSize();
}

template <class Base>
void TspSkinTabs<Base>::Loaded() {
  Base::Loaded();
  if (lookIndex_ >= 0) return;
  ApplyItemSize();
  Change2();
  this->Realign();
}

template <class Base>
void TspSkinTabs<Base>::Notification(TComponent* component, TOperation operation) {
  Base::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == images_) SetImages(nullptr);
  if (component == scroller_) scroller_ = nullptr;
}

template <class Base>
void TspSkinTabs<Base>::Change() {
  SetScrollerPosition(GetPosition());
  Base::Change();
  this->Invalidate();
}

template <class Base>
void TspSkinTabs<Base>::Change2() {
  SetScrollerPosition(GetPosition());
  this->Invalidate();
}

template <class Base>
void TspSkinTabs<Base>::SetScrollerPosition(int position) {
  if (scroller_ == nullptr) return;
  const TNotifyEvent onChange = scroller_->OnChange;
  scroller_->OnChange = nullptr;
  scroller_->SetPosition(position);
  scroller_->OnChange = onChange;
}

template <class Base>
void TspSkinTabs<Base>::UpDateTabs() {
  ApplyItemSize();
  if (this->MultiLine()) HideSkinUpDown();
  this->Realign();
}

template <class Base>
int TspSkinTabs<Base>::GetInVisibleItemCount() {
  const int limit = this->ClientWidth() - 3 - (scroller_ != nullptr ? scroller_->Width() : 0);
  int hidden = 0;
  for (int v = 0; v < VisibleTabCount(); ++v) {
    const TRect r = GetItemRect(v);
    if (r.Right > limit || r.Right <= 0) ++hidden;
  }
  return hidden;
}

template <class Base>
int TspSkinTabs<Base>::GetPosition() {
  int position = 0;
  for (int v = 0; v < VisibleTabCount(); ++v) {
    if (GetItemRect(v).Right <= 0) ++position;
  }
  return position;
}

template <class Base>
void TspSkinTabs<Base>::CheckScroll() {
  if (!this->HandleAllocated()) return;
  // The system's own arrow pair gives way to the skinned scroller.
  if (HWND arrows = FindWindowExA(this->Handle(), nullptr, UPDOWN_CLASSA, nullptr)) DestroyWindow(arrows);
  const int hidden = GetInVisibleItemCount();
  if (hidden == 0 || this->MultiLine() || TabsHidden()) {
    HideSkinUpDown();
    return;
  }
  if (scroller_ == nullptr) ShowSkinUpDown();
  if (scroller_ == nullptr) return;
  scroller_->SetMax(hidden);
  PlaceScroller();
}

template <class Base>
void TspSkinTabs<Base>::PlaceScroller() {
  const TPoint size = ScrollerSize();
  const int top = this->TabPosition() == tpTop ? 0 : this->ClientHeight() - size.Y;
  scroller_->SetBounds(this->ClientWidth() - size.X, top, size.X, size.Y);
}

template <class Base>
void TspSkinTabs<Base>::ShowSkinUpDown() {
  if (TabsHidden()) return;
  scroller_ = new TspSkinUpDown(this);
  if (!look_.UpDown.IsEmpty()) scroller_->SetSkinDataName(look_.UpDown);
  scroller_->SetSkinData(skinData_);
  PlaceScroller();
  scroller_->SetMin(0);
  scroller_->SetMax(GetInVisibleItemCount());
  scroller_->SetPosition(GetPosition());
  scroller_->SetIncrement(1);
  scroller_->OnChange = TNotifyEvent(this, &TspSkinTabs::OnUpDownChange);
  scroller_->SetParent(this);
  scroller_->SetVisible(true);
}

template <class Base>
void TspSkinTabs<Base>::HideSkinUpDown() {
  TspSkinUpDown* scroller = scroller_;
  scroller_ = nullptr;
  delete scroller;
}

template <class Base>
void TspSkinTabs<Base>::OnUpDownChange(TObject*) {
  scroller_->SetMax(GetInVisibleItemCount());
  this->Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, scroller_->Position()), 0);
}

template <class Base>
void TspSkinTabs<Base>::RedrawTabs() {
  this->Invalidate();
}

template <class Base>
void TspSkinTabs<Base>::ClearCloseState(int ti) {
  if (TspTabCloseState* state = CloseState(ti)) {
    state->Hot = false;
    state->Pressed = false;
  }
}

template <class Base>
bool TspSkinTabs<Base>::OverCloseButton(int x, int y) {
  TspTabCloseState* state = CloseState(hotItem_);
  if (state == nullptr) return false;
  const TRect tab = GetItemRect(hotTab_);
  const TRect button = Rect(state->Rect.Left + tab.Left, state->Rect.Top + tab.Top, state->Rect.Right + tab.Left,
                            state->Rect.Bottom + tab.Top);
  return PointInRect(button, Point(x, y));
}

template <class Base>
void TspSkinTabs<Base>::TestActive(int x, int y) {
  if (TabsHidden()) return;
  oldHotTab_ = hotTab_;
  oldHotItem_ = hotItem_;
  hotTab_ = -1;
  hotItem_ = -1;
  for (int v = 0; v < VisibleTabCount(); ++v) {
    if (PointInRect(GetItemRect(v), Point(x, y))) {
      hotTab_ = v;
      hotItem_ = ItemOfTab(v);
      break;
    }
  }
  if (hotTab_ != oldHotTab_) {
    // A close button the pointer went away from is normal again.
    if (oldHotTab_ >= 0) ClearCloseState(oldHotItem_);
    RedrawTabs();
  }
  if (hotTab_ < 0 || !showCloseButtons_) return;
  TspTabCloseState* state = CloseState(hotItem_);
  if (state == nullptr) return;
  const bool inside = OverCloseButton(x, y);
  if (inside && !state->Hot) {
    state->Hot = true;
    RedrawTabs();
  } else if (!inside && state->Hot) {
    state->Hot = false;
    state->Pressed = false;
    RedrawTabs();
  }
}

template <class Base>
void TspSkinTabs<Base>::ForgetHotTabs() {
  if (TabsHidden()) return;
  for (int* tab : {&oldHotTab_, &hotTab_}) {
    if (*tab < 0) continue;
    ClearCloseState(tab == &hotTab_ ? hotItem_ : oldHotItem_);
    *tab = -1;
  }
  hotItem_ = -1;
  oldHotItem_ = -1;
  RedrawTabs();
}

template <class Base>
void TspSkinTabs<Base>::MouseMove(TShiftState shift, int x, int y) {
  Base::MouseMove(shift, x, y);
  if (!Designing()) TestActive(x, y);
}

template <class Base>
void TspSkinTabs<Base>::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  Base::MouseDown(button, shift, x, y);
  if (button != mbLeft || TabsHidden()) return;
  TestActive(x, y);
  if (hotTab_ < 0 || !showCloseButtons_) return;
  if (TspTabCloseState* state = CloseState(hotItem_)) {
    const bool inside = OverCloseButton(x, y);
    state->Hot = inside;
    state->Pressed = inside;
    RedrawTabs();
  }
}

template <class Base>
void TspSkinTabs<Base>::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  Base::MouseUp(button, shift, x, y);
  if (TabsHidden()) return;
  if (button == mbLeft) TestActive(x, y);
  if (!ClosesOnButton(button) || hotTab_ < 0 || !showCloseButtons_) return;
  TspTabCloseState* state = CloseState(hotItem_);
  if (state == nullptr) return;
  if (!OverCloseButton(x, y)) {
    state->Hot = false;
    state->Pressed = false;
    return;
  }
  state->Hot = true;
  state->Pressed = false;
  RedrawTabs();
  // Only the selected tab's button closes: the close acts on the selected item.
  if (hotTab_ == this->TabIndex()) DoClose();
}

template class TspSkinTabs<TPageControl>;
template class TspSkinTabs<TTabControl>;
