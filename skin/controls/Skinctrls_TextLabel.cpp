#include "skin/controls/Skinctrls_TextLabel.h"

#include "classlib/windowing/ControlMessages.h"
#include "classlib/windowing/PaintCanvas.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

UINT AlignmentFlag(TAlignment alignment) {
  static constexpr UINT kFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  return kFlags[alignment];
}

}  // namespace

TspSkinTextLabel::TspSkinTextLabel(TComponent* owner)
    : TGraphicControl(owner), lines_(std::make_unique<TStringList>()) {
  SetControlStyle(ControlStyle() - TControlStyle{csOpaque});
  SetBounds(Left(), Top(), 65, 65);
  lines_->OnChange = TNotifyEvent(this, &TspSkinTextLabel::LinesChanged);
}

TspSkinTextLabel::~TspSkinTextLabel() { lines_->OnChange = nullptr; }

void TspSkinTextLabel::SetLines(TStrings* value) {
  lines_->Assign(value);
  Repaint();
}

void TspSkinTextLabel::LinesChanged(TObject* sender) {
  (void)sender;
  if (autoSize_) AdjustBounds();
  Repaint();
}

void TspSkinTextLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TspSkinTextLabel::SetLayout(TTextLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TspSkinTextLabel::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TspSkinTextLabel::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustBounds();
}

void TspSkinTextLabel::SetSkinData(TspSkinData* value) {
  if (StoreSkinData(*this, value)) ChangeSkinData();
}

void TspSkinTextLabel::ChangeSkinData() {
  FindLook();
  if (autoSize_) AdjustBounds();
  Repaint();
}

void TspSkinTextLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove) ForgetSkinData(component);
}

void TspSkinTextLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TspSkinTextLabel::DoDrawText(TRect& rect, UINT flags) {
  FindLook();
  const AnsiString text = GetLabelText();
  TFont* font = Canvas()->Font();
  const TColor colour = look_.ChooseFont(font, defaultFont_.get(), Font(), useSkinFont_, useSkinColor_);
  TspStdLabelLook::ApplyCharset(font, skinData_, defaultFont_.get());
  HDC dc = Canvas()->Handle();
  HGDIOBJ oldFont = SelectObject(dc, font->Handle());
  RECT r = *rect.AsRECT();
  DrawStateLabelText(dc, text, r, flags, Enabled(), colour, look_.HighlightColor(skinData_),
                     look_.ShadowColor(skinData_), false);
  SelectObject(dc, oldFont);
  rect = Rect(r.left, r.top, r.right, r.bottom);
}

int TspSkinTextLabel::TrailingLineHeight() {
  // Measured, not assumed: systems differ in whether a final line break adds a line.
  HDC dc = Canvas()->Handle();
  HGDIOBJ oldFont = SelectObject(dc, Canvas()->Font()->Handle());
  RECT line{0, 0, 1000, 0}, broken{0, 0, 1000, 0};
  DrawTextA(dc, "A", 1, &line, DT_CALCRECT);
  DrawTextA(dc, "A\r\n", 3, &broken, DT_CALCRECT);
  SelectObject(dc, oldFont);
  return (broken.bottom - broken.top) - (line.bottom - line.top);
}

void TspSkinTextLabel::Paint() {
  Canvas()->Brush()->SetStyle(bsClear);
  const UINT flags = (wordWrap_ ? DT_WORDBREAK : 0) | DT_EXPANDTABS | AlignmentFlag(alignment_);
  TRect rect = ClientRect();
  if (layout_ != tlTop) {
    TRect measured = rect;
    DoDrawText(measured, flags | DT_CALCRECT);
    measured.Bottom -= TrailingLineHeight();
    const int offset = Height() - measured.Bottom;
    OffsetRect(rect.AsRECT(), 0, layout_ == tlBottom ? offset : offset / 2);
  }
  DoDrawText(rect, flags);
}

void TspSkinTextLabel::AdjustBounds() {
  if (ComponentState().Contains(csReading) || ComponentState().Contains(csLoading) || !autoSize_) return;
  auto* canvas = dynamic_cast<TPaintCanvas*>(Canvas());
  HDC screen = GetDC(nullptr);
  TRect rect = ClientRect();
  {
    TPaintScope scope(canvas, screen, Font(), Color());
    DoDrawText(rect, (wordWrap_ ? DT_WORDBREAK : 0) | DT_EXPANDTABS | DT_CALCRECT);
    rect.Bottom -= TrailingLineHeight();
  }
  ReleaseDC(nullptr, screen);
  const int left = alignment_ == taRightJustify ? Left() + Width() - rect.Right : Left();
  SetBounds(left, Top(), rect.Right, rect.Bottom);
}

void TspSkinTextLabel::Dispatch(TMessage& message) {
  TGraphicControl::Dispatch(message);
  if (message.Msg != CM_FONTCHANGED) return;
  AdjustBounds();
  Invalidate();
}
