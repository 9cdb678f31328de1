#include "skin/boxes/Skinboxes_ListBox.h"

#include <algorithm>

#include "classlib/windowing/ControlMessages.h"
#include "skin/data/Skindata_Lists.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Geometry.h"

// The look's values

void TspListBoxLook::CopyFrom(const TspDataSkinListBox& look) {
  ItemRect = look.ItemRect;
  ActiveItemRect = IsNullRect(look.ActiveItemRect) ? look.ItemRect : look.ActiveItemRect;
  FocusItemRect = IsNullRect(look.FocusItemRect) ? look.ItemRect : look.FocusItemRect;
  ItemLeftOffset = look.ItemLeftOffset;
  ItemRightOffset = look.ItemRightOffset;
  ItemTextRect = look.ItemTextRect;
  FontName = look.FontName;
  FontStyle = look.FontStyle;
  FontHeight = look.FontHeight;
  FontColor = look.FontColor;
  ActiveFontColor = look.ActiveFontColor;
  FocusFontColor = look.FocusFontColor;
  CaptionRect = look.CaptionRect;
  CaptionFontName = look.CaptionFontName;
  CaptionFontStyle = look.CaptionFontStyle;
  CaptionFontHeight = look.CaptionFontHeight;
  CaptionFontColor = look.CaptionFontColor;
  ButtonRect = {look.UpButtonRect, look.DownButtonRect, look.CheckButtonRect};
  ActiveButtonRect = {look.ActiveUpButtonRect, look.ActiveDownButtonRect, look.ActiveCheckButtonRect};
  DownButtonRect = {look.DownUpButtonRect, look.DownDownButtonRect, look.DownCheckButtonRect};
  for (size_t i = 0; i < DownButtonRect.size(); ++i)
    if (IsNullRect(DownButtonRect[i])) DownButtonRect[i] = ActiveButtonRect[i];
  VScrollBarName = look.VScrollBarName;
  HScrollBarName = look.HScrollBarName;
  BothHScrollBarName = look.BothHScrollBarName;
  ShowFocus = look.ShowFocus;
}

void TspListBoxLook::SetItemFont(TFont* font) const {
  font->SetName(FontName);
  font->SetStyle(FontStyle);
  font->SetHeight(FontHeight);
}

void TspListBoxLook::SetCaptionFont(TFont* font) const {
  font->SetName(CaptionFontName);
  font->SetStyle(CaptionFontStyle);
  font->SetHeight(CaptionFontHeight);
  font->SetColor(CaptionFontColor);
}

// Construction

TspSkinCustomListBox::TspSkinCustomListBox(TComponent* owner)
    : TspSkinCustomControl(owner), tabWidths_(new TStringList), glyph_(new TBitmap), defaultCaptionFont_(new TFont) {
  skinDataName_ = "listbox";
  directPaint_ = true;  // the border strips only: the inner list covers the client part
  drawClient_ = false;
  TControlStyle style = ControlStyle();
  style << csAcceptsControls << csCaptureMouse << csClickEvents << csDoubleClicks << csOpaque;
  SetControlStyle(style);
  Font()->SetName("Arial");
  Font()->SetHeight(14);
  Font()->SetColor(clWindowText);
  defaultCaptionFont_->SetName("Arial");
  defaultCaptionFont_->SetHeight(14);
  defaultCaptionFont_->OnChange = TNotifyEvent(this, &TspSkinCustomListBox::CaptionFontChanged);
  listBox_ = new TspListBox(this);
  listBox_->OuterControl = this;
  listBox_->SetStyle(lbOwnerDrawFixed);
  listBox_->SetItemHeight(defaultItemHeight_);
  listBox_->SetParent(this);
  listBox_->SetVisible(true);
  SetBounds(Left(), Top(), 120, 120);
}

TspSkinCustomListBox::~TspSkinCustomListBox() {
  delete scrollBar_;
  delete hScrollBar_;
  listBox_->OuterControl = nullptr;
  delete listBox_;
  delete defaultCaptionFont_;
  delete glyph_;
  delete tabWidths_;
}

void TspSkinCustomListBox::CreateParams(TCreateParams& params) {
  TspSkinCustomControl::CreateParams(params);
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TspSkinCustomListBox::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

// Forwarded list properties

void TspSkinCustomListBox::SetItems(TStrings* items) {
  listBox_->SetItems(items);
  UpDateScrollBar();
}

void TspSkinCustomListBox::SetSorted(bool value) {
  if (scrollBar_ != nullptr) HideScrollBar();
  listBox_->SetSorted(value);
}

void TspSkinCustomListBox::Clear() {
  listBox_->Clear();
  UpDateScrollBar();
}

void TspSkinCustomListBox::SetColumns(int value) {
  listBox_->SetColumns(value);
  UpDateScrollBar();
}

// Own properties

void TspSkinCustomListBox::SetTabWidths(TStrings* value) {
  tabWidths_->Assign(value);
  if (listBox_->Items()->Count() > 0) listBox_->Invalidate();
}

void TspSkinCustomListBox::SetHorizontalExtent(bool value) {
  horizontalExtent_ = value;
  UpDateScrollBar();
}

void TspSkinCustomListBox::SetImages(TCustomImageList* value) {
  if (images_ != nullptr) images_->RemoveFreeNotification(this);
  images_ = value;
  if (images_ != nullptr) images_->FreeNotification(this);
  listBox_->Invalidate();
}

void TspSkinCustomListBox::SetImageIndex(int value) {
  imageIndex_ = value;
  listBox_->Invalidate();
}

void TspSkinCustomListBox::SetDefaultItemHeight(int value) {
  defaultItemHeight_ = value;
  if (LookIndex() == -1 || !useSkinItemHeight_) listBox_->SetItemHeight(value);
}

void TspSkinCustomListBox::SetRowCount(int value) {
  rowCount_ = value;
  if (rowCount_ != 0) SetBounds(Left(), Top(), Width(), CalcHeight(rowCount_));
  UpDateScrollBar();
}

// The skin

void TspSkinCustomListBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (LookIndex() == -1) return;
  const auto* look = dynamic_cast<const TspDataSkinListBox*>(skinData_->CtrlList[LookIndex()].get());
  if (look != nullptr) look_.CopyFrom(*look);
}

void TspSkinCustomListBox::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  skinChanging_ = true;
  ChangeInnerSkin();
  if (scrollBar_ != nullptr) {
    NameRowsBar();
    scrollBar_->SetSkinData(skinData_);
  }
  if (hScrollBar_ != nullptr) {
    NameHorizontalBar(false);
    hScrollBar_->SetSkinData(skinData_);
  }
  if (rowCount_ != 0) SetBounds(Left(), Top(), Width(), CalcHeight(rowCount_));
  CalcRects();
  skinChanging_ = false;
  UpDateScrollBar();
  listBox_->Invalidate();
}

void TspSkinCustomListBox::ChangeInnerSkin() {
  if (LookIndex() == -1) {
    listBox_->SetItemHeight(defaultItemHeight_);
    Font()->Assign(DefaultFont());
  } else if (useSkinItemHeight_ && look_.ItemRect.Height() > 0) {
    listBox_->SetItemHeight(look_.ItemRect.Height());
  }
}

void TspSkinCustomListBox::SetBounds(int left, int top, int width, int height) {
  TspSkinCustomControl::SetBounds(left, top, width, height);
  if (LookIndex() == -1) Invalidate();
}

void TspSkinCustomListBox::DefaultFontChange() {
  if (LookIndex() == -1) Font()->Assign(DefaultFont());
}

// Face

void TspSkinCustomListBox::CreateControlDefaultImage(TBitmap* bitmap) {
  TspSkinCustomControl::CreateControlDefaultImage(bitmap);
  TCanvas* canvas = bitmap->Canvas();
  const int W = bitmap->Width();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(Rect(0, 0, W, bitmap->Height()));
  DrawDefaultCaption(canvas, W);
}

void TspSkinCustomListBox::CreateControlSkinImage(TBitmap* bitmap) {
  TspSkinCustomControl::CreateControlSkinImage(bitmap);
  SkinListRect();
  if (!captionMode_) return;
  PlaceSkinCaption();
  DrawSkinCaption(bitmap->Canvas());
}

void TspSkinCustomListBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(message);
      CaptionTimerTick();
      return;
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(message);
      if (captionMode_) Invalidate();
      return;
    case CM_MOUSEENTER:
      TspSkinCustomControl::Dispatch(message);
      TestActive(-1, -1);
      return;
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(message);
      for (auto& button : buttons_) button.MouseIn = false;
      Invalidate();
      return;
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(message);
      CalcRects();
      UpDateScrollBar();
      if (scrollBar_ != nullptr) scrollBar_->Invalidate();
      return;
    default:
      TspSkinCustomControl::Dispatch(message);
  }
}

// The inner list's input, forwarded with this control as sender

void TspSkinCustomListBox::ListBoxMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  OnListBoxMouseDown(this, button, shift, x, y);
}

void TspSkinCustomListBox::ListBoxMouseMove(TShiftState shift, int x, int y) { OnListBoxMouseMove(this, shift, x, y); }

void TspSkinCustomListBox::ListBoxMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnListBoxMouseUp(this, button, shift, x, y);
}

void TspSkinCustomListBox::ListBoxClick() { OnListBoxClick(this); }

void TspSkinCustomListBox::ListBoxDblClick() { OnListBoxDblClick(this); }

void TspSkinCustomListBox::ListBoxKeyDown(WORD& key, TShiftState shift) { OnListBoxKeyDown(this, key, shift); }

void TspSkinCustomListBox::ListBoxKeyUp(WORD& key, TShiftState shift) { OnListBoxKeyUp(this, key, shift); }

void TspSkinCustomListBox::ListBoxKeyPress(char& key) { OnListBoxKeyPress(this, key); }

void TspSkinCustomListBox::ListBoxWProc(TMessage&, bool& passOn) { passOn = true; }
