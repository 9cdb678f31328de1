#include "classlib/formres/StdControlClasses.h"

#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/stdctrls/Bevel.h"
#include "classlib/stdctrls/ComboBox.h"
#include "classlib/stdctrls/FileDialogs.h"
#include "classlib/stdctrls/Frame.h"
#include "classlib/stdctrls/Image.h"
#include "classlib/stdctrls/Label.h"
#include "classlib/stdctrls/ListBox.h"
#include "classlib/stdctrls/MaskEdit.h"
#include "classlib/stdctrls/Memo.h"
#include "classlib/stdctrls/Panel.h"
#include "classlib/stdctrls/Shape.h"
#include "classlib/stdctrls/Splitter.h"
#include "classlib/windowing/Action.h"
#include "classlib/windowing/Menus.h"

namespace {

const TIdentTable kPenStyles("TPenStyle", {{"psSolid", psSolid}, {"psDash", psDash}, {"psDot", psDot},
                                           {"psDashDot", psDashDot}, {"psDashDotDot", psDashDotDot},
                                           {"psClear", psClear}, {"psInsideFrame", psInsideFrame}});
const TIdentTable kPenModes("TPenMode", {{"pmBlack", pmBlack}, {"pmWhite", pmWhite}, {"pmNop", pmNop}, {"pmNot", pmNot},
                                         {"pmCopy", pmCopy}, {"pmNotCopy", pmNotCopy}, {"pmMergePenNot", pmMergePenNot},
                                         {"pmMaskPenNot", pmMaskPenNot}, {"pmMergeNotPen", pmMergeNotPen},
                                         {"pmMaskNotPen", pmMaskNotPen}, {"pmMerge", pmMerge}, {"pmNotMerge", pmNotMerge},
                                         {"pmMask", pmMask}, {"pmNotMask", pmNotMask}, {"pmXor", pmXor},
                                         {"pmNotXor", pmNotXor}});
const TIdentTable kBrushStyles("TBrushStyle", {{"bsSolid", bsSolid}, {"bsClear", bsClear},
                                               {"bsHorizontal", bsHorizontal}, {"bsVertical", bsVertical},
                                               {"bsFDiagonal", bsFDiagonal}, {"bsBDiagonal", bsBDiagonal},
                                               {"bsCross", bsCross}, {"bsDiagCross", bsDiagCross}});
const TIdentTable kLayouts("TTextLayout", {{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}});
const TIdentTable kShapes("TShapeType", {{"stRectangle", stRectangle}, {"stSquare", stSquare},
                                         {"stRoundRect", stRoundRect}, {"stRoundSquare", stRoundSquare},
                                         {"stEllipse", stEllipse}, {"stCircle", stCircle}});
const TIdentTable kBevelShapes("TBevelShape", {{"bsBox", bsBox}, {"bsFrame", bsFrame}, {"bsTopLine", bsTopLine},
                                               {"bsBottomLine", bsBottomLine}, {"bsLeftLine", bsLeftLine},
                                               {"bsRightLine", bsRightLine}, {"bsSpacer", bsSpacer}});
const TIdentTable kBevelStyles("TBevelStyle", {{"bsLowered", bsLowered}, {"bsRaised", bsRaised}});
const TIdentTable kPanelBevels("TPanelBevel", {{"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised},
                                               {"bvSpace", bvSpace}});
const TIdentTable kBorderStyles("TBorderStyle", {{"bsNone", bsNone}, {"bsSingle", bsSingle}});
const TIdentTable kResizeStyles("TResizeStyle", {{"rsNone", rsNone}, {"rsLine", rsLine}, {"rsUpdate", rsUpdate},
                                                 {"rsPattern", rsPattern}});
const TIdentTable kCharCases("TEditCharCase", {{"ecNormal", ecNormal}, {"ecUpperCase", ecUpperCase},
                                               {"ecLowerCase", ecLowerCase}});
const TIdentTable kScrollStyles("TScrollStyle", {{"ssNone", ssNone}, {"ssHorizontal", ssHorizontal},
                                                 {"ssVertical", ssVertical}, {"ssBoth", ssBoth}});
const TIdentTable kListBoxStyles("TListBoxStyle", {{"lbStandard", lbStandard}, {"lbOwnerDrawFixed", lbOwnerDrawFixed}});
const TIdentTable kComboBoxStyles("TComboBoxStyle", {{"csDropDown", csDropDown}, {"csSimple", csSimple},
                                                     {"csDropDownList", csDropDownList},
                                                     {"csOwnerDrawFixed", csOwnerDrawFixed}});
const TIdentTable kPopupAlignments("TPopupAlignment", {{"paLeft", paLeft}, {"paRight", paRight}, {"paCenter", paCenter}});
const TIdentTable kMenuAutoFlags("TMenuAutoFlag", {{"maAutomatic", maAutomatic}, {"maManual", maManual}});
const TIdentTable kOpenOptions("TOpenOption", {{"ofReadOnly", ofReadOnly}, {"ofOverwritePrompt", ofOverwritePrompt},
                                               {"ofHideReadOnly", ofHideReadOnly}, {"ofNoChangeDir", ofNoChangeDir},
                                               {"ofAllowMultiSelect", ofAllowMultiSelect},
                                               {"ofExtensionDifferent", ofExtensionDifferent},
                                               {"ofPathMustExist", ofPathMustExist}, {"ofFileMustExist", ofFileMustExist},
                                               {"ofCreatePrompt", ofCreatePrompt},
                                               {"ofNoReadOnlyReturn", ofNoReadOnlyReturn},
                                               {"ofNoDereferenceLinks", ofNoDereferenceLinks},
                                               {"ofEnableSizing", ofEnableSizing}});

// A shortcut: its number, or its text ("Ctrl+B").
template <class T, class Setter>
TPropertyInfo ShortCutProperty(const char* name, Setter setter) {
  return formres_detail::Entry<T>(name, "0", [setter](T* object, const TValueReader& value) {
    if (value.Value().kind == TFormValueKind::Integer) {
      std::invoke(setter, object, static_cast<TShortCut>(value.ReadInteger()));
      return;
    }
    const AnsiString text = value.ReadString();
    const TShortCut shortCut = TextToShortCut(text);
    if (shortCut == scNone && !text.IsEmpty()) throw EFormValueError("'" + text + "' is not a shortcut");
    std::invoke(setter, object, shortCut);
  });
}

void RegisterGraphicsTools() {
  RegisterClassProperties(TPen::StaticClass(),
                          {ColorProperty<TPen>("Color", &TPen::SetColor, clBlack),
                           IntegerProperty<TPen>("Width", &TPen::SetWidth, 1),
                           EnumProperty<TPen, TPenStyle>("Style", &TPen::SetStyle, kPenStyles, "psSolid"),
                           EnumProperty<TPen, TPenMode>("Mode", &TPen::SetMode, kPenModes, "pmCopy")});
  RegisterClassProperties(TBrush::StaticClass(),
                          {ColorProperty<TBrush>("Color", &TBrush::SetColor, clWhite),
                           EnumProperty<TBrush, TBrushStyle>("Style", &TBrush::SetStyle, kBrushStyles, "bsSolid")});
}

void RegisterMenusAndActions() {
  RegisterClassProperties(
      TMenuItem::StaticClass(),
      {StringProperty<TMenuItem>("Caption", &TMenuItem::SetCaption),
       BoolProperty<TMenuItem>("Checked", &TMenuItem::SetChecked, false),
       BoolProperty<TMenuItem>("RadioItem", &TMenuItem::SetRadioItem, false),
       BoolProperty<TMenuItem>("Default", &TMenuItem::SetDefault, false),
       BoolProperty<TMenuItem>("Enabled", &TMenuItem::SetEnabled, true),
       BoolProperty<TMenuItem>("Visible", &TMenuItem::SetVisible, true),
       StringProperty<TMenuItem>("Hint", &TMenuItem::SetHint),
       ShortCutProperty<TMenuItem>("ShortCut", &TMenuItem::SetShortCut),
       IntegerProperty<TMenuItem>("ImageIndex", &TMenuItem::SetImageIndex, -1),
       IntegerProperty<TMenuItem>("GroupIndex", [](TMenuItem* item, int v) {
         if (v < 0 || v > 255) throw EFormValueError("GroupIndex must be 0 to 255");
         item->SetGroupIndex(static_cast<BYTE>(v));
       }, 0),
       ObjectProperty<TMenuItem>("Bitmap", &TMenuItem::Bitmap),
       ReferenceProperty<TMenuItem, TBasicAction>("Action", &TMenuItem::SetAction),
       EventProperty<TMenuItem>("OnClick", &TMenuItem::OnClick),
       EventProperty<TMenuItem>("OnDrawItem", &TMenuItem::OnDrawItem),
       EventProperty<TMenuItem>("OnMeasureItem", &TMenuItem::OnMeasureItem)});
  RegisterClassProperties(TMenu::StaticClass(),
                          {ReferenceProperty<TMenu, TCustomImageList>("Images", &TMenu::SetImages),
                           EnumProperty<TMenu, TMenuAutoFlag>("AutoLineReduction", &TMenu::SetAutoLineReduction,
                                                              kMenuAutoFlags, "maAutomatic")});
  RegisterClassProperties(TMainMenu::StaticClass(), {});
  RegisterClassProperties(
      TPopupMenu::StaticClass(),
      {BoolProperty<TPopupMenu>("AutoPopup", &TPopupMenu::SetAutoPopup, true),
       EnumProperty<TPopupMenu, TPopupAlignment>("Alignment", &TPopupMenu::SetAlignment, kPopupAlignments, "paLeft"),
       EventProperty<TPopupMenu>("OnPopup", &TPopupMenu::OnPopup)});
  RegisterClassProperties(TBasicAction::StaticClass(),
                          {EventProperty<TBasicAction>("OnExecute", &TBasicAction::OnExecute),
                           EventProperty<TBasicAction>("OnUpdate", &TBasicAction::OnUpdate)});
  RegisterClassProperties(
      TCustomAction::StaticClass(),
      {StringProperty<TCustomAction>("Caption", &TCustomAction::SetCaption),
       BoolProperty<TCustomAction>("Checked", &TCustomAction::SetChecked, false),
       BoolProperty<TCustomAction>("Enabled", &TCustomAction::SetEnabled, true),
       StringProperty<TCustomAction>("Hint", &TCustomAction::SetHint),
       IntegerProperty<TCustomAction>("ImageIndex", &TCustomAction::SetImageIndex, -1),
       ShortCutProperty<TCustomAction>("ShortCut", &TCustomAction::SetShortCut),
       BoolProperty<TCustomAction>("Visible", &TCustomAction::SetVisible, true),
       IntegerProperty<TCustomAction>("HelpContext", &TCustomAction::SetHelpContext, 0),
       IntegerProperty<TCustomAction>("GroupIndex", &TCustomAction::SetGroupIndex, 0)});
  RegisterClassProperties(TAction::StaticClass(), {});
  RegisterClassProperties(
      TCustomActionList::StaticClass(),
      {ReferenceProperty<TCustomActionList, TCustomImageList>("Images", &TCustomActionList::SetImages),
       EventProperty<TCustomActionList>("OnExecute", &TCustomActionList::OnExecute),
       EventProperty<TCustomActionList>("OnUpdate", &TCustomActionList::OnUpdate)});
  RegisterClassProperties(TActionList::StaticClass(), {});
}

void RegisterGraphicControls() {
  RegisterClassProperties(
      TCustomLabel::StaticClass(),
      {EnumProperty<TCustomLabel, TAlignment>("Alignment", &TCustomLabel::SetAlignment, AlignmentIdents(), "taLeftJustify"),
       BoolProperty<TCustomLabel>("AutoSize", &TCustomLabel::SetAutoSize, true),
       BoolProperty<TCustomLabel>("WordWrap", &TCustomLabel::SetWordWrap, false),
       EnumProperty<TCustomLabel, TTextLayout>("Layout", &TCustomLabel::SetLayout, kLayouts, "tlTop"),
       BoolProperty<TCustomLabel>("Transparent", &TCustomLabel::SetTransparent, false),
       BoolProperty<TCustomLabel>("ShowAccelChar", &TCustomLabel::SetShowAccelChar, true),
       ColorProperty<TCustomLabel>("Color", &TCustomLabel::SetColor, clBtnFace),
       BoolProperty<TCustomLabel>("ParentColor", &TCustomLabel::SetParentColor, true)});
  RegisterClassProperties(TLabel::StaticClass(), {});
  RegisterClassProperties(TImage::StaticClass(),
                          {ObjectProperty<TImage>("Picture", &TImage::Picture),
                           BoolProperty<TImage>("AutoSize", &TImage::SetAutoSize, false),
                           BoolProperty<TImage>("Stretch", &TImage::SetStretch, false),
                           BoolProperty<TImage>("Center", &TImage::SetCenter, false),
                           BoolProperty<TImage>("Transparent", &TImage::SetTransparent, false)});
  RegisterClassProperties(TShape::StaticClass(),
                          {EnumProperty<TShape, TShapeType>("Shape", &TShape::SetShape, kShapes, "stRectangle"),
                           ObjectProperty<TShape>("Pen", &TShape::Pen), ObjectProperty<TShape>("Brush", &TShape::Brush)});
  RegisterClassProperties(TBevel::StaticClass(),
                          {EnumProperty<TBevel, TBevelShape>("Shape", &TBevel::SetShape, kBevelShapes, "bsBox"),
                           EnumProperty<TBevel, TBevelStyle>("Style", &TBevel::SetStyle, kBevelStyles, "bsLowered")});
  RegisterClassProperties(
      TSplitter::StaticClass(),
      {EnumProperty<TSplitter, TAlign>("Align", &TSplitter::SetAlign, AlignIdents(), "alLeft"),
       IntegerProperty<TSplitter>("Cursor", &TSplitter::SetCursor, crHSplit),
       EnumProperty<TSplitter, TResizeStyle>("ResizeStyle", &TSplitter::SetResizeStyle, kResizeStyles, "rsPattern"),
       IntegerProperty<TSplitter>("MinSize", &TSplitter::SetMinSize, 30),
       BoolProperty<TSplitter>("AutoSnap", &TSplitter::SetAutoSnap, true),
       BoolProperty<TSplitter>("Beveled", &TSplitter::SetBeveled, false),
       ColorProperty<TSplitter>("Color", &TSplitter::SetColor, clBtnFace),
       BoolProperty<TSplitter>("ParentColor", &TSplitter::SetParentColor, true),
       EventProperty<TSplitter>("OnCanResize", &TSplitter::OnCanResize),
       EventProperty<TSplitter>("OnMoved", &TSplitter::OnMoved)});
}

void RegisterContainers() {
  RegisterClassProperties(
      TCustomPanel::StaticClass(),
      {EnumProperty<TCustomPanel, TPanelBevel>("BevelInner", &TCustomPanel::SetBevelInner, kPanelBevels, "bvNone"),
       EnumProperty<TCustomPanel, TPanelBevel>("BevelOuter", &TCustomPanel::SetBevelOuter, kPanelBevels, "bvRaised"),
       IntegerProperty<TCustomPanel>("BevelWidth", &TCustomPanel::SetBevelWidth, 1),
       IntegerProperty<TCustomPanel>("BorderWidth", &TCustomPanel::SetBorderWidth, 0),
       EnumProperty<TCustomPanel, TFormBorderStyle>("BorderStyle", &TCustomPanel::SetBorderStyle, kBorderStyles, "bsNone"),
       EnumProperty<TCustomPanel, TAlignment>("Alignment", &TCustomPanel::SetAlignment, AlignmentIdents(), "taCenter"),
       ColorProperty<TCustomPanel>("Color", &TCustomPanel::SetColor, clBtnFace)});
  RegisterClassProperties(TPanel::StaticClass(), {});
  RegisterClassProperties(TCustomFrame::StaticClass(),
                          {BoolProperty<TCustomFrame>("AutoScroll", &TCustomFrame::SetAutoScroll, true),
                           BoolProperty<TCustomFrame>("AutoSize", &TCustomFrame::SetAutoSize, false),
                           BoolProperty<TCustomFrame>("TabStop", &TCustomFrame::SetTabStop, true),
                           ColorProperty<TCustomFrame>("Color", &TCustomFrame::SetColor, clBtnFace)});
  RegisterClassProperties(TFrame::StaticClass(), {});
}

void RegisterEdits() {
  RegisterClassProperties(
      TCustomEdit::StaticClass(),
      {BoolProperty<TCustomEdit>("AutoSelect", &TCustomEdit::SetAutoSelect, true),
       EnumProperty<TCustomEdit, TFormBorderStyle>("BorderStyle", &TCustomEdit::SetBorderStyle, kBorderStyles, "bsSingle"),
       BoolProperty<TCustomEdit>("Ctl3D", &TCustomEdit::SetCtl3D, true),
       EnumProperty<TCustomEdit, TEditCharCase>("CharCase", &TCustomEdit::SetCharCase, kCharCases, "ecNormal"),
       BoolProperty<TCustomEdit>("HideSelection", &TCustomEdit::SetHideSelection, true),
       IntegerProperty<TCustomEdit>("MaxLength", &TCustomEdit::SetMaxLength, 0),
       StringProperty<TCustomEdit>("PasswordChar", [](TCustomEdit* edit, const AnsiString& text) {
         if (text.Length() > 1) throw EFormValueError("PasswordChar takes one character");
         edit->SetPasswordChar(text.IsEmpty() ? '\0' : text[1]);
       }),
       BoolProperty<TCustomEdit>("ReadOnly", &TCustomEdit::SetReadOnly, false),
       BoolProperty<TCustomEdit>("TabStop", &TCustomEdit::SetTabStop, true),
       EventProperty<TCustomEdit>("OnChange", &TCustomEdit::OnChange)});
  RegisterClassProperties(TEdit::StaticClass(), {});
  RegisterClassProperties(TCustomMaskEdit::StaticClass(),
                          {StringProperty<TCustomMaskEdit>("EditMask", &TCustomMaskEdit::SetEditMask)});
  RegisterClassProperties(TMaskEdit::StaticClass(), {});
  RegisterClassProperties(
      TCustomMemo::StaticClass(),
      {StringsProperty<TCustomMemo>("Lines", &TCustomMemo::Lines),
       BoolProperty<TCustomMemo>("AutoSelect", &TCustomMemo::SetAutoSelect, false),
       EnumProperty<TCustomMemo, TAlignment>("Alignment", &TCustomMemo::SetAlignment, AlignmentIdents(), "taLeftJustify"),
       EnumProperty<TCustomMemo, TScrollStyle>("ScrollBars", &TCustomMemo::SetScrollBars, kScrollStyles, "ssNone"),
       BoolProperty<TCustomMemo>("WordWrap", &TCustomMemo::SetWordWrap, true),
       BoolProperty<TCustomMemo>("WantReturns", &TCustomMemo::SetWantReturns, true),
       BoolProperty<TCustomMemo>("WantTabs", &TCustomMemo::SetWantTabs, false)});
  RegisterClassProperties(TMemo::StaticClass(), {});
}

void RegisterLists() {
  RegisterClassProperties(
      TCustomListBox::StaticClass(),
      {StringsProperty<TCustomListBox>("Items", &TCustomListBox::Items),
       EnumProperty<TCustomListBox, TListBoxStyle>("Style", &TCustomListBox::SetStyle, kListBoxStyles, "lbStandard"),
       IntegerProperty<TCustomListBox>("ItemHeight", &TCustomListBox::SetItemHeight, 16),
       BoolProperty<TCustomListBox>("MultiSelect", &TCustomListBox::SetMultiSelect, false),
       BoolProperty<TCustomListBox>("ExtendedSelect", &TCustomListBox::SetExtendedSelect, true),
       BoolProperty<TCustomListBox>("Sorted", &TCustomListBox::SetSorted, false),
       BoolProperty<TCustomListBox>("IntegralHeight", &TCustomListBox::SetIntegralHeight, false),
       EnumProperty<TCustomListBox, TFormBorderStyle>("BorderStyle", &TCustomListBox::SetBorderStyle, kBorderStyles,
                                                      "bsSingle"),
       BoolProperty<TCustomListBox>("TabStop", &TCustomListBox::SetTabStop, true),
       EventProperty<TCustomListBox>("OnDrawItem", &TCustomListBox::OnDrawItem)});
  RegisterClassProperties(TListBox::StaticClass(), {});
  RegisterClassProperties(
      TCustomComboBox::StaticClass(),
      {StringsProperty<TCustomComboBox>("Items", &TCustomComboBox::Items),
       EnumProperty<TCustomComboBox, TComboBoxStyle>("Style", &TCustomComboBox::SetStyle, kComboBoxStyles, "csDropDown"),
       IntegerProperty<TCustomComboBox>("ItemIndex", &TCustomComboBox::SetItemIndex, -1),
       IntegerProperty<TCustomComboBox>("DropDownCount", &TCustomComboBox::SetDropDownCount, 8),
       IntegerProperty<TCustomComboBox>("ItemHeight", &TCustomComboBox::SetItemHeight, 16),
       IntegerProperty<TCustomComboBox>("MaxLength", &TCustomComboBox::SetMaxLength, 0),
       BoolProperty<TCustomComboBox>("Sorted", &TCustomComboBox::SetSorted, false),
       BoolProperty<TCustomComboBox>("Ctl3D", &TCustomComboBox::SetCtl3D, true),
       BoolProperty<TCustomComboBox>("ParentCtl3D", &TCustomComboBox::SetParentCtl3D, true),
       BoolProperty<TCustomComboBox>("TabStop", &TCustomComboBox::SetTabStop, true),
       EventProperty<TCustomComboBox>("OnChange", &TCustomComboBox::OnChange),
       EventProperty<TCustomComboBox>("OnSelect", &TCustomComboBox::OnSelect),
       EventProperty<TCustomComboBox>("OnDropDown", &TCustomComboBox::OnDropDown),
       EventProperty<TCustomComboBox>("OnCloseUp", &TCustomComboBox::OnCloseUp),
       EventProperty<TCustomComboBox>("OnDrawItem", &TCustomComboBox::OnDrawItem)});
  RegisterClassProperties(TComboBox::StaticClass(), {});
}

void RegisterDialogs() {
  RegisterClassProperties(
      TOpenDialog::StaticClass(),
      {StringProperty<TOpenDialog>("DefaultExt", &TOpenDialog::SetDefaultExt),
       StringProperty<TOpenDialog>("FileName", &TOpenDialog::SetFileName),
       StringProperty<TOpenDialog>("Filter", &TOpenDialog::SetFilter),
       IntegerProperty<TOpenDialog>("FilterIndex", &TOpenDialog::SetFilterIndex, 1),
       StringProperty<TOpenDialog>("InitialDir", &TOpenDialog::SetInitialDir),
       StringProperty<TOpenDialog>("Title", &TOpenDialog::SetTitle),
       SetProperty<TOpenDialog, TOpenOption>("Options", &TOpenDialog::SetOptions, kOpenOptions,
                                             "[ofHideReadOnly, ofEnableSizing]")});
  RegisterClassProperties(TSaveDialog::StaticClass(), {});
}

}  // namespace

void RegisterStdControlClasses() {
  RegisterGraphicsTools();
  RegisterMenusAndActions();
  RegisterGraphicControls();
  RegisterContainers();
  RegisterEdits();
  RegisterLists();
  RegisterDialogs();
}
