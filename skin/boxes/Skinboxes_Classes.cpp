#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/windowing/Menus.h"
#include "skin/boxes/Skinboxes_ListBox.h"

namespace {

// Published by TspSkinListBox; the logic lives in TspSkinCustomListBox.
void RegisterListBox() {
  using C = TspSkinCustomListBox;
  RegisterClassProperties(
      C::StaticClass(),
      {StringsProperty<C>("Items", &C::Items), IntegerProperty<C>("ItemIndex", &C::SetItemIndex, -1),
       BoolProperty<C>("MultiSelect", &C::SetMultiSelect, false),
       BoolProperty<C>("ExtandedSelect", &C::SetExtandedSelect, true), BoolProperty<C>("Sorted", &C::SetSorted, false),
       StringsProperty<C>("TabWidths", &C::TabWidths), BoolProperty<C>("UseSkinItemHeight", &C::SetUseSkinItemHeight, true),
       BoolProperty<C>("HorizontalExtent", &C::SetHorizontalExtent, false),
       IntegerProperty<C>("Columns", &C::SetColumns, 0), IntegerProperty<C>("RowCount", &C::SetRowCount, 0),
       ReferenceProperty<C, TCustomImageList>("Images", &C::SetImages),
       IntegerProperty<C>("ImageIndex", &C::SetImageIndex, -1), ObjectProperty<C>("Glyph", &C::Glyph),
       IntegerProperty<C>("NumGlyphs", &C::SetNumGlyphs, 1), IntegerProperty<C>("Spacing", &C::SetSpacing, 2),
       BoolProperty<C>("CaptionMode", &C::SetCaptionMode, false),
       IntegerProperty<C>("DefaultCaptionHeight", &C::SetDefaultCaptionHeight, 20),
       ObjectProperty<C>("DefaultCaptionFont", &C::DefaultCaptionFont),
       EnumProperty<C, TAlignment>("Alignment", &C::SetAlignment, AlignmentIdents(), "taLeftJustify"),
       IntegerProperty<C>("DefaultItemHeight", &C::SetDefaultItemHeight, 20),
       ObjectProperty<C>("ListBoxFont", &C::ListBoxFont),
       IntegerProperty<C>("ListBoxTabOrder", &C::SetListBoxTabOrder),
       BoolProperty<C>("ListBoxTabStop", &C::SetListBoxTabStop, true),
       ReferenceProperty<C, TPopupMenu>("ListBoxPopupMenu", &C::SetListBoxPopupMenu),
       EventProperty<C>("OnUpButtonClick", &C::OnUpButtonClick),
       EventProperty<C>("OnDownButtonClick", &C::OnDownButtonClick),
       EventProperty<C>("OnCheckButtonClick", &C::OnCheckButtonClick), EventProperty<C>("OnDrawItem", &C::OnDrawItem),
       EventProperty<C>("OnListBoxClick", &C::OnListBoxClick),
       EventProperty<C>("OnListBoxDblClick", &C::OnListBoxDblClick),
       EventProperty<C>("OnListBoxMouseDown", &C::OnListBoxMouseDown),
       EventProperty<C>("OnListBoxMouseMove", &C::OnListBoxMouseMove),
       EventProperty<C>("OnListBoxMouseUp", &C::OnListBoxMouseUp),
       EventProperty<C>("OnListBoxKeyDown", &C::OnListBoxKeyDown),
       EventProperty<C>("OnListBoxKeyPress", &C::OnListBoxKeyPress),
       EventProperty<C>("OnListBoxKeyUp", &C::OnListBoxKeyUp)});
  RegisterClassProperties(TspSkinListBox::StaticClass(), {});
}

}  // namespace

void InitializeSkinBoxes() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterListBox();
}
