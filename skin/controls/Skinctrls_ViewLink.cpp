#include "skin/controls/Skinctrls_ViewLink.h"

#include "classlib/windowing/ControlMessages.h"
#include "skin/controls/Skinctrls_LabelFont.h"
#include "skin/controls/Skinctrls_ScrollBar.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Views.h"

void SetDefaultViewFont(TFont* font) {
  font->SetName("Arial");
  font->SetHeight(14);
  font->SetStyle(TFontStyles());
}

TspNativeScrollRange NativeScrollRange(HWND window, int bar) {
  TspNativeScrollRange range;
  GetScrollRange(window, bar, &range.Min, &range.Max);
  range.Position = GetScrollPos(window, bar);
  return range;
}

TspViewSkinLink::TspViewSkinLink(TWinControl& view, const char* skinDataName)
    : view_(view), skinDataName_(skinDataName), defaultFont_(std::make_unique<TFont>()) {
  SetDefaultViewFont(defaultFont_.get());
}

TspViewSkinLink::~TspViewSkinLink() = default;

bool TspViewSkinLink::StoreSkinData(TspSkinData* value) {
  StoreReference<TspSkinData>(view_, skinData_, value);
  return value != nullptr && !value->Empty && !view_.ComponentState().Contains(csDesigning);
}

void TspViewSkinLink::StoreBar(TspSkinScrollBar*& slot, TspSkinScrollBar* value) {
  StoreReference<TspSkinScrollBar>(view_, slot, value);
}

void TspViewSkinLink::AttachBar(TspSkinScrollBar*& slot, TspSkinScrollBar* bar, const TNotifyEvent& onChange) {
  StoreBar(slot, bar);
  if (bar != nullptr) {
    bar->SetEnabled(true);
    bar->SetVisible(false);
    bar->OnChange = onChange;
  }
  UpDateScrollBars();
}

void TspViewSkinLink::SetDefaultFont(TFont* value) {
  defaultFont_->Assign(value);
  if (ShowsDefaults()) view_.Font()->Assign(value);
}

void TspViewSkinLink::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (ShowsDefaults()) view_.SetColor(value);
}

bool TspViewSkinLink::AnswerFrameMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      message.Result = 0;
      return true;
    case CM_SENCPAINT:
      message.Result = kNoFramePainted;
      return true;
    default:
      return false;
  }
}

void TspViewSkinLink::FollowViewMessage(const TMessage& message) {
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
      ShowBarsWithView();
      break;
    case WM_SIZE:
    case WM_PAINT:
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
      UpDateScrollBars();
      break;
    default:
      break;
  }
}

void TspViewSkinLink::Forget(TComponent* removed) {
  if (removed == skinData_) skinData_ = nullptr;
  if (removed == vScrollBar_) vScrollBar_ = nullptr;
  if (removed == hScrollBar_) hScrollBar_ = nullptr;
}

void TspViewSkinLink::FindLook() {
  lookIndex_ = (skinData_ == nullptr || skinData_->Empty) ? -1 : skinData_->GetControlIndex(skinDataName_);
}

template <class Look>
void TspViewSkinLink::ApplyLookOrDefaults() {
  if (lookIndex_ == -1) {
    ApplyDefaults();
    return;
  }
  if (const auto* look = dynamic_cast<const Look*>(skinData_->CtrlList[lookIndex_].get())) {
    ApplyLookFont(look->FontName, look->FontStyle, look->FontHeight, look->FontColor, look->BGColor);
  }
}

template void TspViewSkinLink::ApplyLookOrDefaults<TspDataSkinTreeView>();
template void TspViewSkinLink::ApplyLookOrDefaults<TspDataSkinListView>();
template void TspViewSkinLink::ApplyLookOrDefaults<TspDataSkinRichEdit>();

void TspViewSkinLink::ApplyLookFont(const AnsiString& name, const TFontStyles& style, int height, TColor colour,
                                    TColor background) {
  TFont* font = view_.Font();
  if (useSkinFont_) {
    font->SetName(name);
    font->SetStyle(style);
    font->SetHeight(height);
  } else {
    font->Assign(defaultFont_.get());
  }
  font->SetColor(colour);
  view_.SetColor(background);
}

void TspViewSkinLink::ApplyDefaults() {
  view_.SetColor(defaultColor_);
  view_.Font()->Assign(defaultFont_.get());
}

void TspViewSkinLink::ApplyCharset() { TspStdLabelLook::ApplyCharset(view_.Font(), skinData_, defaultFont_.get()); }

void TspViewSkinLink::RealignBars() {
  for (TspSkinScrollBar* bar : {vScrollBar_, hScrollBar_}) {
    if (bar != nullptr) bar->SetAlign(bar->Align());
  }
}

void TspViewSkinLink::ShowBarsWithView() {
  for (TspSkinScrollBar* bar : {vScrollBar_, hScrollBar_}) {
    if (bar != nullptr) bar->SetVisible(view_.Visible());
  }
}

bool TspViewSkinLink::ShowBar(TspSkinScrollBar* bar, bool visible) {
  if (bar->Visible() == visible) return false;
  bar->SetVisible(visible);
  return true;
}

void TspViewSkinLink::FinishBarUpdate(bool changed) {
  if (vScrollBar_ != nullptr && hScrollBar_ != nullptr && hScrollBar_->Both() != vScrollBar_->Visible()) {
    hScrollBar_->SetBoth(vScrollBar_->Visible());
  }
  if (!changed || view_.Align() == alNone || view_.Parent() == nullptr) return;
  updating_ = true;
  view_.Parent()->Realign();
  updating_ = false;
}
