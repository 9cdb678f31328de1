#include "classlib/comctrls/HeaderControl.h"

#include <algorithm>

#include "classlib/comctrls/CommonControls.h"

#include <commctrl.h>

void THeaderSection::SetText(const AnsiString& value) {
  text_ = value;
  Changed(false);
}

void THeaderSection::SetWidth(int value) {
  width_ = std::clamp(value, minWidth_, std::max(minWidth_, maxWidth_));
  Changed(false);
}

void THeaderSection::SetMinWidth(int value) {
  minWidth_ = std::max(value, 0);
  SetWidth(width_);
}

void THeaderSection::SetMaxWidth(int value) {
  maxWidth_ = std::max(value, minWidth_);
  SetWidth(width_);
}

void THeaderSection::SetImageIndex(int value) {
  imageIndex_ = value;
  Changed(false);
}

void THeaderSection::SetAlignment(TAlignment value) {
  alignment_ = value;
  Changed(false);
}

void THeaderSection::SetStyle(THeaderSectionStyle value) {
  style_ = value;
  Changed(false);
}

int THeaderSection::Left() const {
  int left = 0;
  for (int i = 0; i < Index(); ++i) left += static_cast<THeaderSection*>(Collection()->Items(i))->Width();
  return left;
}

THeaderSections::THeaderSections(THeaderControl* control)
    : TOwnedCollection(control, THeaderSection::StaticClass()), control_(control) {}

void THeaderSections::Update(TCollectionItem*) { control_->UpdateSections(); }

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_(new THeaderSections(this)), canvas_(new TPaintCanvas) {
  SetControlStyle({csDoubleClicks});
  SetAlign(alTop);
  SetBounds(Left(), Top(), 250, 17);
  SetColor(clBtnFace);
}

THeaderControl::~THeaderControl() {
  DestroyHandle();
  delete canvas_;
  delete sections_;
}

void THeaderControl::CreateParams(TCreateParams& params) {
  InitializeCommonControls();
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_HEADERA);
  params.Style |= HDS_HORZ | HDS_FULLDRAG;
  if (style_ == hsButtons) params.Style |= HDS_BUTTONS;
  else params.Style |= HDS_FLAT;
  if (dragReorder_) params.Style |= HDS_DRAGDROP;
}

void THeaderControl::CreateHandleState() {
  TWinControl::CreateHandleState();
  SendImageList(this, HDM_SETIMAGELIST, images_);
  UpdateSections();
}

void THeaderControl::SetStyle(THeaderStyle value) {
  if (value == style_) return;
  style_ = value;
  RecreateWnd();
}

void THeaderControl::SetDragReorder(bool value) {
  if (value == dragReorder_) return;
  dragReorder_ = value;
  RecreateWnd();
}

void THeaderControl::SetImages(TCustomImageList* images) {
  images_ = images;
  if (images != nullptr) images->FreeNotification(this);
  SendImageList(this, HDM_SETIMAGELIST, images);
}

void THeaderControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == images_) SetImages(nullptr);
}

void THeaderControl::UpdateSections() {
  if (!HandleAllocated()) return;
  syncing_ = true;
  HWND window = Handle();
  while (SendMessageA(window, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageA(window, HDM_DELETEITEM, 0, 0);
  static constexpr int kAlign[] = {HDF_LEFT, HDF_RIGHT, HDF_CENTER};
  for (int i = 0; i < sections_->Count(); ++i) {
    THeaderSection* section = sections_->Items(i);
    const AnsiString text = section->Text();
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = const_cast<char*>(text.c_str());
    item.cxy = section->Width();
    item.fmt = kAlign[section->Alignment()] | (section->Style() == hsOwnerDraw ? HDF_OWNERDRAW : HDF_STRING);
    if (section->ImageIndex() >= 0 && images_ != nullptr) {
      item.mask |= HDI_IMAGE;
      item.fmt |= HDF_IMAGE;
      item.iImage = section->ImageIndex();
    }
    SendMessageA(window, HDM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  syncing_ = false;
  Invalidate();
}

THeaderSection* THeaderControl::SectionOf(int index) const {
  return index >= 0 && index < sections_->Count() ? sections_->Items(index) : nullptr;
}

void THeaderControl::DrawSection(THeaderSection* section, const TRect& rect, bool pressed) {
  if (OnDrawSection) {
    OnDrawSection(this, section, rect, pressed);
    return;
  }
  canvas_->FillRect(rect);
  canvas_->TextOut(rect.Left + 4, rect.Top + 1, section->Text());
}

bool THeaderControl::SectionDrag(THeaderSection* from, THeaderSection* to) {
  bool allow = true;
  OnSectionDrag(this, from, to, allow);
  return allow;
}

void THeaderControl::ItemChanged(const NMHEADERA* header) {
  THeaderSection* section = SectionOf(header->iItem);
  if (section == nullptr || header->pitem == nullptr || (header->pitem->mask & HDI_WIDTH) == 0) return;
  if (header->pitem->cxy == section->width_) return;
  section->width_ = header->pitem->cxy;
  SectionResize(section);
}

namespace {

// The notifications that carry an NMHEADER; the window sends others with a bare NMHDR.
bool IsSectionNotification(UINT code) {
  switch (code) {
    case HDN_ITEMCLICKA:
    case HDN_ITEMCLICKW:
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW:
    case HDN_TRACKA:
    case HDN_TRACKW:
    case HDN_ENDTRACKA:
    case HDN_ENDTRACKW:
    case HDN_ITEMCHANGEDA:
    case HDN_ITEMCHANGEDW:
    case HDN_ENDDRAG:
      return true;
    default:
      return false;
  }
}

}  // namespace

void THeaderControl::CNNotify(TMessage& message) {
  message.Result = 0;
  if (syncing_) return;
  const auto* notify = reinterpret_cast<const NMHDR*>(message.LParam);
  if (!IsSectionNotification(notify->code)) return;  // e.g. NM_RELEASEDCAPTURE: an NMHDR only
  const auto* header = reinterpret_cast<const NMHEADERA*>(message.LParam);
  THeaderSection* section = SectionOf(header->iItem);
  const int width = header->pitem != nullptr && (header->pitem->mask & HDI_WIDTH) != 0 ? header->pitem->cxy : 0;
  switch (header->hdr.code) {
    case HDN_ITEMCLICKA:
    case HDN_ITEMCLICKW:
      if (section != nullptr && section->AllowClick()) SectionClick(section);
      return;
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW:
      if (section != nullptr) SectionTrack(section, section->Width(), tsTrackBegin);
      return;
    case HDN_TRACKA:
    case HDN_TRACKW:
      if (section != nullptr) SectionTrack(section, width, tsTrackMove);
      return;
    case HDN_ENDTRACKA:
    case HDN_ENDTRACKW:
      if (section != nullptr) SectionTrack(section, width, tsTrackEnd);
      return;
    case HDN_ITEMCHANGEDA:
    case HDN_ITEMCHANGEDW:
      ItemChanged(header);
      return;
    case HDN_ENDDRAG: {
      THeaderSection* target = header->pitem != nullptr ? SectionOf(header->pitem->iOrder) : nullptr;
      if (section == nullptr || target == nullptr || !SectionDrag(section, target)) {
        message.Result = 1;  // the window keeps its order
        return;
      }
      section->SetIndex(target->Index());
      message.Result = 1;  // the sections' new order is written back to the window
      return;
    }
    default:
      return;
  }
}

void THeaderControl::CNDrawItem(TMessage& message) {
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
  if (THeaderSection* section = SectionOf(static_cast<int>(draw->itemID))) {
    TPaintScope scope(canvas_, draw->hDC, Font(), Color());
    DrawSection(section, Rect(draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom),
                (draw->itemState & ODS_SELECTED) != 0);
  }
  message.Result = 1;
}

void THeaderControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY:
      CNNotify(message);
      return;
    case CN_DRAWITEM:
      CNDrawItem(message);
      return;
    default:
      TWinControl::Dispatch(message);
  }
}
