// The skinned list box's layout: the height for a number of rows, the places of the inner
// list and the skin bars, and the bars that mirror the inner list's hidden scroll state.
#include <algorithm>

#include "classlib/runtime/SysUtils.h"
#include "skin/boxes/Skinboxes_ListBox.h"

namespace {

// The corner the row bar leaves free in a horizontal bar without a skin.
constexpr int kBothMarkerWidth = 19;

}  // namespace

int TspSkinCustomListBox::CalcHeight(int rows) {
  int height = rows * listBox_->ItemHeight();
  if (LookIndex() == -1) height += 4 + (captionMode_ ? defaultCaptionHeight_ : 0);
  else height += SR.Height() - CR.Height();
  if (hScrollBar_ != nullptr) height += hScrollBar_->Height();
  return height;
}

void TspSkinCustomListBox::SkinListRect() {
  listRect_ = CR;
  listRect_.Right += Width() - SR.Width();
  listRect_.Bottom += Height() - SR.Height();
}

void TspSkinCustomListBox::CalcRects() {
  const int W = Width();
  const int H = Height();
  const bool skin = LookIndex() != -1;
  const int captionTop = captionMode_ ? defaultCaptionHeight_ : 1;
  if (skin) SkinListRect();
  int hb = 0;
  if (Columns() == 0 && hScrollBar_ != nullptr && hScrollBar_->Visible()) {
    if (skin) {
      hScrollBar_->SetBounds(listRect_.Left, listRect_.Bottom - hScrollBar_->Height(), listRect_.Width(),
                             hScrollBar_->Height());
      hb = hScrollBar_->Height();
    } else {
      hScrollBar_->SetBounds(1, H - 20, W - 2, 19);
      hb = hScrollBar_->Height() - 1;
    }
  }
  if (scrollBar_ != nullptr && scrollBar_->Visible()) {
    const bool rows = Columns() <= 0;
    if (!skin && rows) {
      scrollBar_->SetBounds(W - 20, captionTop, 19, H - captionTop - hb - 1);
      listBoxRect_ = Rect(2, captionTop + 1, scrollBar_->Left(), H - hb - 2);
    } else if (!skin) {
      scrollBar_->SetBounds(1, H - 20, W - 2, 19);
      listBoxRect_ = Rect(2, captionTop + 1, W - 2, scrollBar_->Top());
    } else if (rows) {
      const int barWidth = scrollBar_->Width();
      scrollBar_->SetBounds(listRect_.Right - barWidth, listRect_.Top, barWidth, listRect_.Height() - hb);
      listBoxRect_ = Rect(listRect_.Left, listRect_.Top, listRect_.Right - barWidth, listRect_.Bottom - hb);
    } else {
      const int barHeight = scrollBar_->Height();
      scrollBar_->SetBounds(listRect_.Left, listRect_.Bottom - barHeight, listRect_.Width(), barHeight);
      listBoxRect_ = Rect(listRect_.Left, listRect_.Top, listRect_.Right, listRect_.Bottom - barHeight);
    }
  } else if (skin) {
    listBoxRect_ = Rect(listRect_.Left, listRect_.Top, listRect_.Right, listRect_.Bottom - hb);
  } else {
    listBoxRect_ = Rect(2, captionTop + 1, W - 2, H - hb - 2);
  }
  listBox_->SetBounds(listBoxRect_.Left, listBoxRect_.Top, listBoxRect_.Width(), listBoxRect_.Height());
}

// The bars

void TspSkinCustomListBox::UpDateScrollBar() {
  if (listBox_ == nullptr || !listBox_->HandleAllocated() || barsDeferred_) return;
  if (Columns() > 0) {
    UpdateColumnsBar();
    return;
  }
  UpdateHorizontalBar();
  UpdateRowsBar();
}

void TspSkinCustomListBox::UpdateColumnsBar() {
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(listBox_->Handle(), SB_HORZ, &info);
  const int count = listBox_->Items()->Count();
  const int rows = listBox_->Height() / std::max(listBox_->ItemHeight(), 1);
  if (info.nMax > info.nMin && info.nPos <= info.nMax && Columns() <= info.nMax && rows * Columns() < count) {
    if (scrollBar_ == nullptr) ShowScrollBar();
    MirrorInBar(scrollBar_, info.nMin, info.nMax, info.nPos, Columns(), scrollBar_->LargeChange());
  } else if (scrollBar_ != nullptr) {
    HideScrollBar();
  }
}

int TspSkinCustomListBox::GetFullItemWidth(int index, TCanvas* canvas) {
  return canvas->TextWidth(listBox_->Items()->Strings(index));
}

// The widest item is measured once for a font and kept up to date as items come: a full
// measure on every added item would make filling a long list quadratic.
int TspSkinCustomListBox::MaxItemWidth(TCanvas* canvas) {
  const TFont* font = canvas->Font();
  const AnsiString fontKey = font->Name() + "|" + IntToStr(font->Height()) + "|" +
                             IntToStr(static_cast<int>(font->Style().Bits())) + "|" + IntToStr(font->Charset());
  if (widest_ < 0 || fontKey != widestFont_) {
    widest_ = 0;
    for (int i = 0; i < listBox_->Items()->Count(); ++i) widest_ = std::max(widest_, GetFullItemWidth(i, canvas));
    widestFont_ = fontKey;
  } else {
    for (int index : addedItems_)
      if (index >= 0 && index < listBox_->Items()->Count()) widest_ = std::max(widest_, GetFullItemWidth(index, canvas));
  }
  addedItems_.clear();
  return widest_;
}

void TspSkinCustomListBox::ItemAdded(int index) {
  if (barsDeferred_) {
    ForgetItemWidths();  // one measure of all items when the list draws again
    return;
  }
  if (horizontalExtent_ && widest_ >= 0) addedItems_.push_back(index);
  UpDateScrollBar();
}

void TspSkinCustomListBox::SetBarsDeferred(bool value) {
  barsDeferred_ = value;
  if (!value) UpDateScrollBar();
}

void TspSkinCustomListBox::ItemsRemoved() {
  ForgetItemWidths();
  UpDateScrollBar();
}

void TspSkinCustomListBox::ForgetItemWidths() {
  widest_ = -1;
  addedItems_.clear();
}

void TspSkinCustomListBox::UpdateHorizontalBar() {
  if (!horizontalExtent_ || skinChanging_) {
    ForgetItemWidths();
    if (hScrollBar_ != nullptr) HideHScrollBar();
    return;
  }
  // Measured on the inner list's window in the font its rows are drawn with.
  TControlCanvas canvas;
  canvas.SetWindow(listBox_->Handle());
  if (LookIndex() != -1 && UseSkinFont()) look_.SetItemFont(canvas.Font());
  else canvas.Font()->Assign(listBox_->Font());
  const int widest = MaxItemWidth(&canvas);
  int visible = LookIndex() == -1 ? listBox_->Width() - 4
                                  : listBox_->Width() - (look_.ItemRect.Width() - look_.ItemTextRect.Width());
  if (images_ != nullptr) visible -= images_->Width() + 4;
  if (visible >= widest) {
    if (hScrollBar_ != nullptr) HideHScrollBar();
    return;
  }
  if (hScrollBar_ == nullptr) ShowHScrollBar();
  const int step = canvas.TextWidth("0");
  MirrorInBar(hScrollBar_, 0, widest, hScrollBar_->Position(), visible, step);
  if (hScrollBar_->SmallChange() != step) hScrollBar_->SetSmallChange(step);
}

void TspSkinCustomListBox::UpdateRowsBar() {
  const int count = listBox_->Items()->Count();
  if (rowCount_ > 0 && rowCount_ == count) {
    if (scrollBar_ != nullptr) HideScrollBar();
    return;
  }
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(listBox_->Handle(), SB_VERT, &info);
  const int rows = listBox_->Height() / std::max(listBox_->ItemHeight(), 1);
  if (info.nMax > info.nMin && info.nPos <= info.nMax && rows < count) {
    if (scrollBar_ == nullptr) ShowScrollBar();
    MirrorInBar(scrollBar_, info.nMin, info.nMax, info.nPos, rows, rows);
  } else if (scrollBar_ != nullptr) {
    HideScrollBar();
  }
}

// Sets a bar's values; an unchanged bar is not repainted.
void TspSkinCustomListBox::MirrorInBar(TspSkinScrollBar* bar, int min, int max, int position, int pageSize,
                                       int largeChange) {
  if (bar->Min() != min || bar->Max() != max || bar->Position() != position || bar->PageSize() != pageSize)
    bar->SetRange(min, max, position, pageSize);
  if (bar->LargeChange() != largeChange) bar->SetLargeChange(largeChange);
}

TspSkinScrollBar* TspSkinCustomListBox::NewBar(TScrollBarKind kind, TNotifyEvent onChange) {
  auto* bar = new TspSkinScrollBar(this);
  bar->SetKind(kind);
  bar->SetBounds(0, 0, 20, 100);
  bar->SetRange(0, bar->Max(), 0, 0);
  bar->OnChange = onChange;
  return bar;
}

void TspSkinCustomListBox::NameRowsBar() {
  if (LookIndex() == -1) scrollBar_->SetSkinDataName(AnsiString());
  else scrollBar_->SetSkinDataName(Columns() < 1 ? look_.VScrollBarName : look_.HScrollBarName);
}

// `chooseBoth`: a new bar (or one the row bar joins) takes the two-bar look when the row
// bar exists; a skin change only renames an existing bar and leaves its corner as it is.
void TspSkinCustomListBox::NameHorizontalBar(bool chooseBoth) {
  const bool both = scrollBar_ != nullptr;
  if (LookIndex() == -1) {
    hScrollBar_->SetSkinDataName(AnsiString());
    if (both) hScrollBar_->SetBothMarkerWidth(kBothMarkerWidth);
    if (chooseBoth && both) hScrollBar_->SetBoth(true);
    return;
  }
  const AnsiString name = both ? look_.BothHScrollBarName : look_.HScrollBarName;
  if (chooseBoth) {
    hScrollBar_->SetBothSkinDataName(name);
    hScrollBar_->SetBoth(both);
  }
  hScrollBar_->SetSkinDataName(name);
}

void TspSkinCustomListBox::ShowScrollBar() {
  scrollBar_ = NewBar(Columns() <= 0 ? sbVertical : sbHorizontal, TNotifyEvent(this, &TspSkinCustomListBox::SBChange));
  NameRowsBar();
  scrollBar_->SetSkinData(SkinData());
  scrollBar_->SetParent(this);
  if (hScrollBar_ != nullptr) {
    NameHorizontalBar(true);
    hScrollBar_->SetSkinData(SkinData());
  }
  CalcRects();
  scrollBar_->SetVisible(true);
  Invalidate();
}

void TspSkinCustomListBox::ShowHScrollBar() {
  hScrollBar_ = NewBar(sbHorizontal, TNotifyEvent(this, &TspSkinCustomListBox::HSBChange));
  NameHorizontalBar(true);
  hScrollBar_->SetSkinData(SkinData());
  hScrollBar_->SetParent(this);
  hScrollBar_->SetVisible(true);
  CalcRects();
  Invalidate();
}

void TspSkinCustomListBox::HideScrollBar() {
  scrollBar_->SetVisible(false);
  delete scrollBar_;
  scrollBar_ = nullptr;
  CalcRects();
}

void TspSkinCustomListBox::HideHScrollBar() {
  listBox_->SetHorizontalOffset(0);
  hScrollBar_->SetVisible(false);
  delete hScrollBar_;
  hScrollBar_ = nullptr;
  CalcRects();
  listBox_->Invalidate();
}

void TspSkinCustomListBox::SBChange(TObject*) {
  const UINT message = Columns() <= 0 ? WM_VSCROLL : WM_HSCROLL;
  SendMessageA(listBox_->Handle(), message, MAKEWPARAM(SB_THUMBPOSITION, scrollBar_->Position()), 0);
  // Paint the scrolled rows now: a paint left pending would mirror the list's position
  // back into the bar while the bar delivers its next move.
  listBox_->Update();
}

void TspSkinCustomListBox::HSBChange(TObject*) {
  listBox_->SetHorizontalOffset(hScrollBar_->Position());
}
