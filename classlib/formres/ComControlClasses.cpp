#include "classlib/formres/ComControlClasses.h"

#include "classlib/comctrls/ControlBar.h"
#include "classlib/comctrls/CoolBar.h"
#include "classlib/comctrls/HeaderControl.h"
#include "classlib/comctrls/ListView.h"
#include "classlib/comctrls/RichEdit.h"
#include "classlib/comctrls/TabControl.h"
#include "classlib/comctrls/TrackBar.h"
#include "classlib/comctrls/TreeView.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/graphics/ImageList.h"

namespace {
const TIdentTable kTabPositions("TTabPosition", {{"tpTop", tpTop}, {"tpBottom", tpBottom}, {"tpLeft", tpLeft},
                                                 {"tpRight", tpRight}});
const TIdentTable kSectionStyles("THeaderSectionStyle", {{"hsText", hsText}, {"hsOwnerDraw", hsOwnerDraw}});
const TIdentTable kHeaderStyles("THeaderStyle", {{"hsButtons", hsButtons}, {"hsFlat", hsFlat}});
const TIdentTable kViewStyles("TViewStyle", {{"vsIcon", vsIcon}, {"vsSmallIcon", vsSmallIcon}, {"vsList", vsList},
                                             {"vsReport", vsReport}});
const TIdentTable kOrientations("TTrackBarOrientation", {{"trHorizontal", trHorizontal}, {"trVertical", trVertical}});

void RegisterTabs() {
  RegisterClassProperties(
      TCustomTabControl::StaticClass(),
      {StringsProperty<TCustomTabControl>("Tabs", &TCustomTabControl::Tabs),
       IntegerProperty<TCustomTabControl>("TabIndex", &TCustomTabControl::SetTabIndex, -1),
       EnumProperty<TCustomTabControl, TTabPosition>("TabPosition", &TCustomTabControl::SetTabPosition, kTabPositions,
                                                     "tpTop"),
       BoolProperty<TCustomTabControl>("MultiLine", &TCustomTabControl::SetMultiLine, false),
       IntegerProperty<TCustomTabControl>("TabHeight", &TCustomTabControl::SetTabHeight, 0),
       IntegerProperty<TCustomTabControl>("TabWidth", &TCustomTabControl::SetTabWidth, 0),
       BoolProperty<TCustomTabControl>("OwnerDraw", &TCustomTabControl::SetOwnerDraw, false),
       ReferenceProperty<TCustomTabControl, TCustomImageList>("Images", &TCustomTabControl::SetImages),
       BoolProperty<TCustomTabControl>("TabStop", &TCustomTabControl::SetTabStop, true),
       ColorProperty<TCustomTabControl>("Color", &TCustomTabControl::SetColor, clBtnFace),
       EventProperty<TCustomTabControl>("OnChange", &TCustomTabControl::OnChange),
       EventProperty<TCustomTabControl>("OnChanging", &TCustomTabControl::OnChanging),
       EventProperty<TCustomTabControl>("OnDrawTab", &TCustomTabControl::OnDrawTab)});
  RegisterClassProperties(TTabControl::StaticClass(), {});
  RegisterClassProperties(TPageControl::StaticClass(),
                          {ReferenceProperty<TPageControl, TTabSheet>("ActivePage", &TPageControl::SetActivePage)});
  RegisterClassProperties(TTabSheet::StaticClass(),
                          {BoolProperty<TTabSheet>("TabVisible", &TTabSheet::SetTabVisible, true),
                           IntegerProperty<TTabSheet>("PageIndex", &TTabSheet::SetPageIndex),
                           IntegerProperty<TTabSheet>("ImageIndex", &TTabSheet::SetImageIndex, -1),
                           BoolProperty<TTabSheet>("Visible", &TTabSheet::SetVisible, false),
                           ColorProperty<TTabSheet>("Color", &TTabSheet::SetColor, clBtnFace)});
}
}  // namespace

void RegisterHeader() {
  RegisterClassProperties(
      THeaderSection::StaticClass(),
      {StringProperty<THeaderSection>("Text", &THeaderSection::SetText),
       IntegerProperty<THeaderSection>("Width", &THeaderSection::SetWidth, 50),
       IntegerProperty<THeaderSection>("MinWidth", &THeaderSection::SetMinWidth, 0),
       IntegerProperty<THeaderSection>("MaxWidth", &THeaderSection::SetMaxWidth, 10000),
       IntegerProperty<THeaderSection>("ImageIndex", &THeaderSection::SetImageIndex, -1),
       EnumProperty<THeaderSection, TAlignment>("Alignment", &THeaderSection::SetAlignment, AlignmentIdents(),
                                                "taLeftJustify"),
       EnumProperty<THeaderSection, THeaderSectionStyle>("Style", &THeaderSection::SetStyle, kSectionStyles, "hsText"),
       BoolProperty<THeaderSection>("AllowClick", &THeaderSection::SetAllowClick, true)});
  RegisterClassProperties(
      THeaderControl::StaticClass(),
      {CollectionProperty<THeaderControl>("Sections",
                                          [](THeaderControl* c) -> TCollection* { return c->Sections(); }),
       EnumProperty<THeaderControl, THeaderStyle>("Style", &THeaderControl::SetStyle, kHeaderStyles, "hsButtons"),
       BoolProperty<THeaderControl>("DragReorder", &THeaderControl::SetDragReorder, false),
       ReferenceProperty<THeaderControl, TCustomImageList>("Images", &THeaderControl::SetImages),
       EnumProperty<THeaderControl, TAlign>("Align", &THeaderControl::SetAlign, AlignIdents(), "alTop"),
       ColorProperty<THeaderControl>("Color", &THeaderControl::SetColor, clBtnFace),
       EventProperty<THeaderControl>("OnSectionClick", &THeaderControl::OnSectionClick),
       EventProperty<THeaderControl>("OnSectionResize", &THeaderControl::OnSectionResize),
       EventProperty<THeaderControl>("OnSectionTrack", &THeaderControl::OnSectionTrack),
       EventProperty<THeaderControl>("OnSectionDrag", &THeaderControl::OnSectionDrag),
       EventProperty<THeaderControl>("OnDrawSection", &THeaderControl::OnDrawSection)});
}

void RegisterListView() {
  RegisterClassProperties(TListColumn::StaticClass(),
                          {StringProperty<TListColumn>("Caption", &TListColumn::SetCaption),
                           IntegerProperty<TListColumn>("Width", &TListColumn::SetWidth, 50),
                           EnumProperty<TListColumn, TAlignment>("Alignment", &TListColumn::SetAlignment, AlignmentIdents(),
                                                                 "taLeftJustify"),
                           IntegerProperty<TListColumn>("ImageIndex", &TListColumn::SetImageIndex, -1)});
  RegisterClassProperties(
      TCustomListView::StaticClass(),
      {CollectionProperty<TCustomListView>("Columns", [](TCustomListView* v) -> TCollection* { return v->Columns(); }),
       EnumProperty<TCustomListView, TViewStyle>("ViewStyle", &TCustomListView::SetViewStyle, kViewStyles, "vsIcon"),
       BoolProperty<TCustomListView>("ShowColumnHeaders", &TCustomListView::SetShowColumnHeaders, true),
       BoolProperty<TCustomListView>("OwnerData", [](TCustomListView*, bool on) {
         if (!on) throw EFormValueError("list views hold owner data only");
       }, true),
       BoolProperty<TCustomListView>("OwnerDraw", &TCustomListView::SetOwnerDraw, false),
       BoolProperty<TCustomListView>("MultiSelect", &TCustomListView::SetMultiSelect, false),
       BoolProperty<TCustomListView>("RowSelect", &TCustomListView::SetRowSelect, false),
       BoolProperty<TCustomListView>("FullDrag", &TCustomListView::SetFullDrag, false),
       BoolProperty<TCustomListView>("ReadOnly", &TCustomListView::SetReadOnly, false),
       BoolProperty<TCustomListView>("HideSelection", &TCustomListView::SetHideSelection, true),
       ReferenceProperty<TCustomListView, TCustomImageList>("SmallImages", &TCustomListView::SetSmallImages),
       ReferenceProperty<TCustomListView, TCustomImageList>("LargeImages", &TCustomListView::SetLargeImages),
       BoolProperty<TCustomListView>("TabStop", &TCustomListView::SetTabStop, true),
       EventProperty<TCustomListView>("OnData", &TCustomListView::OnData),
       EventProperty<TCustomListView>("OnDataFind", &TCustomListView::OnDataFind),
       EventProperty<TCustomListView>("OnDrawItem", &TCustomListView::OnDrawItem),
       EventProperty<TCustomListView>("OnSelectItem", &TCustomListView::OnSelectItem),
       EventProperty<TCustomListView>("OnEdited", &TCustomListView::OnEdited),
       EventProperty<TCustomListView>("OnColumnClick", &TCustomListView::OnColumnClick)});
  RegisterClassProperties(TListView::StaticClass(), {});
}

void RegisterTreeView() {
  RegisterClassProperties(
      TCustomTreeView::StaticClass(),
      {BoolProperty<TCustomTreeView>("RightClickSelect", &TCustomTreeView::SetRightClickSelect, false),
       BoolProperty<TCustomTreeView>("ShowRoot", &TCustomTreeView::SetShowRoot, true),
       BoolProperty<TCustomTreeView>("ShowButtons", &TCustomTreeView::SetShowButtons, true),
       BoolProperty<TCustomTreeView>("ShowLines", &TCustomTreeView::SetShowLines, true),
       BoolProperty<TCustomTreeView>("ReadOnly", &TCustomTreeView::SetReadOnly, false),
       BoolProperty<TCustomTreeView>("HideSelection", &TCustomTreeView::SetHideSelection, true),
       IntegerProperty<TCustomTreeView>("Indent", &TCustomTreeView::SetIndent, 19),
       ReferenceProperty<TCustomTreeView, TCustomImageList>("Images", &TCustomTreeView::SetImages),
       ReferenceProperty<TCustomTreeView, TCustomImageList>("StateImages", &TCustomTreeView::SetStateImages),
       BoolProperty<TCustomTreeView>("TabStop", &TCustomTreeView::SetTabStop, true),
       EventProperty<TCustomTreeView>("OnExpanding", &TCustomTreeView::OnExpanding),
       EventProperty<TCustomTreeView>("OnChanging", &TCustomTreeView::OnChanging),
       EventProperty<TCustomTreeView>("OnChange", &TCustomTreeView::OnChange),
       EventProperty<TCustomTreeView>("OnDeletion", &TCustomTreeView::OnDeletion),
       EventProperty<TCustomTreeView>("OnGetImageIndex", &TCustomTreeView::OnGetImageIndex),
       EventProperty<TCustomTreeView>("OnGetSelectedIndex", &TCustomTreeView::OnGetSelectedIndex),
       EventProperty<TCustomTreeView>("OnEdited", &TCustomTreeView::OnEdited)});
  RegisterClassProperties(TTreeView::StaticClass(), {});
}

void RegisterCoolBar() {
  RegisterClassProperties(TCoolBand::StaticClass(),
                          {ReferenceProperty<TCoolBand, TWinControl>("Control", &TCoolBand::SetControl),
                           StringProperty<TCoolBand>("Text", &TCoolBand::SetText),
                           IntegerProperty<TCoolBand>("ImageIndex", &TCoolBand::SetImageIndex, -1),
                           BoolProperty<TCoolBand>("Break", &TCoolBand::SetBreak, true),
                           IntegerProperty<TCoolBand>("Width", &TCoolBand::SetWidth, 100),
                           IntegerProperty<TCoolBand>("MinHeight", &TCoolBand::SetMinHeight, 25),
                           BoolProperty<TCoolBand>("FixedSize", &TCoolBand::SetFixedSize, false)});
  RegisterClassProperties(
      TCoolBar::StaticClass(),
      {CollectionProperty<TCoolBar>("Bands", [](TCoolBar* bar) -> TCollection* { return bar->Bands(); }),
       ReferenceProperty<TCoolBar, TCustomImageList>("Images", &TCoolBar::SetImages),
       BoolProperty<TCoolBar>("ShowText", &TCoolBar::SetShowText, true),
       BoolProperty<TCoolBar>("Vertical", &TCoolBar::SetVertical, false),
       BoolProperty<TCoolBar>("FixedOrder", &TCoolBar::SetFixedOrder, false),
       EnumProperty<TCoolBar, TAlign>("Align", &TCoolBar::SetAlign, AlignIdents(), "alTop"),
       ColorProperty<TCoolBar>("Color", &TCoolBar::SetColor, clBtnFace)});
}

void RegisterControlBar() {
  RegisterClassProperties(
      TCustomControlBar::StaticClass(),
      {BoolProperty<TCustomControlBar>("AutoDrag", &TCustomControlBar::SetAutoDrag, true),
       BoolProperty<TCustomControlBar>("AutoSize", &TCustomControlBar::SetAutoSize, false),
       IntegerProperty<TCustomControlBar>("RowSize", &TCustomControlBar::SetRowSize, 26),
       BoolProperty<TCustomControlBar>("RowSnap", &TCustomControlBar::SetRowSnap, true),
       ObjectProperty<TCustomControlBar>("Picture", &TCustomControlBar::Picture),
       EnumProperty<TCustomControlBar, TAlign>("Align", &TCustomControlBar::SetAlign, AlignIdents(), "alNone"),
       ColorProperty<TCustomControlBar>("Color", &TCustomControlBar::SetColor, clBtnFace)});
  RegisterClassProperties(TControlBar::StaticClass(), {});
}

void RegisterComControlClasses() {
  RegisterTabs();
  RegisterCoolBar();
  RegisterControlBar();
  RegisterTreeView();
  RegisterListView();
  RegisterHeader();
  RegisterClassProperties(TCustomRichEdit::StaticClass(),
                          {BoolProperty<TCustomRichEdit>("PlainText", &TCustomRichEdit::SetPlainText, false),
                           EventProperty<TCustomRichEdit>("OnSelectionChange", &TCustomRichEdit::OnSelectionChange)});
  RegisterClassProperties(TRichEdit::StaticClass(), {});
  RegisterClassProperties(
      TTrackBar::StaticClass(),
      {IntegerProperty<TTrackBar>("Min", &TTrackBar::SetMin, 0), IntegerProperty<TTrackBar>("Max", &TTrackBar::SetMax, 10),
       IntegerProperty<TTrackBar>("Position", &TTrackBar::SetPosition, 0),
       IntegerProperty<TTrackBar>("Frequency", &TTrackBar::SetFrequency, 1),
       EnumProperty<TTrackBar, TTrackBarOrientation>("Orientation", &TTrackBar::SetOrientation, kOrientations,
                                                     "trHorizontal"),
       BoolProperty<TTrackBar>("TabStop", &TTrackBar::SetTabStop, true),
       ColorProperty<TTrackBar>("Color", &TTrackBar::SetColor, clBtnFace),
       EventProperty<TTrackBar>("OnChange", &TTrackBar::OnChange)});
}
