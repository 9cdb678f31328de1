#include "classlib/comctrls/ControlBar.h"

#include <algorithm>

#include "classlib/windowing/ControlMessages.h"

TCustomControlBar::TCustomControlBar(TComponent* owner) : TCustomControl(owner), picture_(new TPicture) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls, csCaptureMouse});
  picture_->OnChange = TNotifyEvent(this, &TCustomControlBar::PictureChanged);
  SetBounds(Left(), Top(), 100, 50);
}

TCustomControlBar::~TCustomControlBar() { delete picture_; }

void TCustomControlBar::SetAutoSize(bool value) {
  autoSize_ = value;
  Realign();
}

void TCustomControlBar::SetRowSize(int value) {
  rowSize_ = std::max(value, 2 * BandMargin + 1);
  Realign();
}

void TCustomControlBar::SetRowSnap(bool value) {
  rowSnap_ = value;
  Realign();
}

TRect TCustomControlBar::BandRect(const TControl* control) {
  return Rect(control->Left() - GrabWidth, control->Top() - BandMargin, control->Left() + control->Width() + BandMargin,
              control->Top() + control->Height() + BandMargin);
}

int TCustomControlBar::RowOf(const TControl* control) const {
  for (size_t r = 0; r < rows_.size(); ++r) {
    if (std::find(rows_[r].begin(), rows_[r].end(), control) != rows_[r].end()) return static_cast<int>(r);
  }
  return -1;
}

std::vector<std::vector<TControl*>> TCustomControlBar::GroupRows() const {
  std::vector<TControl*> children;
  for (int i = 0; i < ControlCount(); ++i) {
    if (Controls(i)->Visible()) children.push_back(Controls(i));
  }
  std::stable_sort(children.begin(), children.end(), [](const TControl* a, const TControl* b) {
    return a->Top() != b->Top() ? a->Top() < b->Top() : a->Left() < b->Left();
  });
  // A band starts a new row when its top lies below the row begun before it.
  std::vector<std::vector<TControl*>> rows;
  int rowStart = 0, rowHeight = 0;
  for (TControl* c : children) {
    const TRect band = BandRect(c);
    if (rows.empty() || band.Top >= rowStart + rowHeight) {
      rows.emplace_back();
      rowStart = band.Top;
      rowHeight = rowSnap_ ? rowSize_ : 0;
    }
    if (!rowSnap_) rowHeight = std::max(rowHeight, band.Height());
    rows.back().push_back(c);
  }
  for (auto& row : rows) {
    std::stable_sort(row.begin(), row.end(), [](const TControl* a, const TControl* b) { return a->Left() < b->Left(); });
  }
  return rows;
}

void TCustomControlBar::PlaceRows(std::vector<std::vector<TControl*>> rows) {
  rows_ = std::move(rows);
  rowHeights_.clear();
  int top = 0;
  for (const auto& row : rows_) {
    int height = rowSize_;
    if (!rowSnap_) {
      height = 0;
      for (const TControl* c : row) height = std::max(height, c->Height() + 2 * BandMargin);
    }
    int x = 0;
    for (TControl* c : row) {
      const int bandLeft = std::max(c->Left() - GrabWidth, x);
      const int childHeight = rowSnap_ ? rowSize_ - 2 * BandMargin : c->Height();
      c->SetBounds(bandLeft + GrabWidth, top + BandMargin, c->Width(), childHeight);
      x = c->Left() + c->Width() + BandMargin;
    }
    rowHeights_.push_back(height);
    top += height;
  }
  if (autoSize_ && top > 0 && top != ClientRect().Height()) SetClientSize(ClientRect().Width(), top);
}

void TCustomControlBar::AlignControls(TControl* control, TRect& rect) {
  TCustomControl::AlignControls(control, rect);
  PlaceRows(GroupRows());
  Invalidate();
}

int TCustomControlBar::RowTop(int row) const {
  int top = 0;
  for (int r = 0; r < row && r < static_cast<int>(rowHeights_.size()); ++r) top += rowHeights_[r];
  return top;
}

int TCustomControlBar::RowAt(int y) const {
  if (y < 0) return 0;
  int top = 0;
  for (size_t r = 0; r < rowHeights_.size(); ++r) {
    top += rowHeights_[r];
    if (y < top) return static_cast<int>(r);
  }
  return RowCount();
}

TControl* TCustomControlBar::GrabbedAt(int x, int y) const {
  for (const auto& row : rows_) {
    for (TControl* c : row) {
      const TRect band = BandRect(c);
      if (x >= band.Left && x < c->Left() && y >= band.Top && y < band.Bottom) return c;
    }
  }
  return nullptr;
}

void TCustomControlBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !autoDrag_) return;
  dragged_ = GrabbedAt(x, y);
  if (dragged_ != nullptr) {
    const TRect band = BandRect(dragged_);
    dragOffset_ = Point(x - band.Left, y - band.Top);
  }
}

void TCustomControlBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (dragged_ == nullptr) return;
  const int bandLeft = std::max(0, x - static_cast<int>(dragOffset_.X));
  const int row = RowAt(y);
  const int rowTop = row < RowCount() ? RowTop(row) : RowTop(RowCount());
  if (bandLeft + GrabWidth == dragged_->Left() && rowTop + BandMargin == dragged_->Top()) return;
  dragged_->SetBounds(bandLeft + GrabWidth, rowTop + BandMargin, dragged_->Width(), dragged_->Height());
  Realign();
}

void TCustomControlBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  dragged_ = nullptr;
  TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomControlBar::WndProc(TMessage& message) {
  if (message.Msg == CM_CONTROLLISTCHANGE && message.LParam == 0) {
    auto* control = reinterpret_cast<TControl*>(message.WParam);
    for (auto& row : rows_) std::erase(row, control);
    std::erase_if(rows_, [](const auto& row) { return row.empty(); });
    if (dragged_ == control) dragged_ = nullptr;
  }
  TCustomControl::WndProc(message);
  if (message.Msg == CM_CONTROLLISTCHANGE && message.LParam == 1) Realign();
}

void TCustomControlBar::Paint() {
  TCanvas* canvas = Canvas();
  TGraphic* background = picture_->Graphic();
  if (background != nullptr && !background->Empty()) {
    for (int y = 0; y < Height(); y += background->Height()) {
      for (int x = 0; x < Width(); x += background->Width()) canvas->Draw(x, y, background);
    }
  } else {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
  }
  for (const auto& row : rows_) {
    for (TControl* c : row) {
      TRect band = BandRect(c);
      PaintControlFrame(canvas, c, band);
    }
  }
}

void TCustomControlBar::PaintControlFrame(TCanvas* canvas, TControl*, TRect& rect) {
  HDC dc = canvas->Handle();
  RECT frame{rect.Left, rect.Top, rect.Right, rect.Bottom};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  for (int line = 0; line < 2; ++line) {
    RECT grab{rect.Left + 3 + 3 * line, rect.Top + 3, rect.Left + 6 + 3 * line, rect.Bottom - 3};
    DrawEdge(dc, &grab, BDR_RAISEDINNER, BF_RECT);
  }
}

void TCustomControlBar::PictureChanged(TObject*) { Invalidate(); }
