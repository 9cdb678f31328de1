#include "ShippedNames.h"

#include "skin/data/Skindata.h"

namespace shippedskin {
namespace {

template <class T>
TName Look(const char* skin, const char* name, const char* className) {
  return {skin, TList::Control, name, className,
          [](const TObject* look) { return dynamic_cast<const T*>(look) != nullptr; }};
}

template <class T>
TName Object(const char* skin, const char* name, const char* className, bool commandButton = false) {
  return {skin, TList::Object, name, className,
          [](const TObject* look) { return dynamic_cast<const T*>(look) != nullptr; }, commandButton};
}

// The objects the main window handles by name (its command buttons).
const char* const kCommandButtons[] = {"Add Files", "Add Folder", "Clear Jobs", "Menu", "iPodMenu", "Browse",
                                       "Setting", "EditProfile", "Preview", "StopPreview", "PausePreview",
                                       "StartPoint", "EndPoint", "DeleteFiles", "Up", "Down", "Jump", "Go",
                                       "Stop", "Option", "Transfer", "SaveBmp"};

std::vector<TName> MakeNames() {
#define LOOK(skin, name, cls) Look<cls>(skin, name, #cls)
#define OBJECT(skin, name, cls) Object<cls>(skin, name, #cls)
  std::vector<TName> names{
      // The main window: frame, job list with header and scroll bars, preview track bar,
      // output profile box with its drop-down list, and its popup menus.
      OBJECT(kMainSkin, "caption", TspDataSkinCaption),
      OBJECT(kMainSkin, "sysmenubutton", TspDataSkinStdButton),
      OBJECT(kMainSkin, "minbutton", TspDataSkinStdButton),
      OBJECT(kMainSkin, "closebutton", TspDataSkinStdButton),
      OBJECT(kMainSkin, "menuitem", TspDataSkinMenuItem),
      LOOK(kMainSkin, "panel", TspDataSkinPanelControl),
      LOOK(kMainSkin, "listview", TspDataSkinListView),
      LOOK(kMainSkin, "resizebutton", TspDataSkinButtonControl),
      LOOK(kMainSkin, "hscrollbar", TspDataSkinScrollBarControl),
      LOOK(kMainSkin, "vscrollbar", TspDataSkinScrollBarControl),
      LOOK(kMainSkin, "bothhscrollbar", TspDataSkinScrollBarControl),
      LOOK(kMainSkin, "htrackbar", TspDataSkinTrackBarControl),
      LOOK(kMainSkin, "combobox", TspDataSkinComboBox),
      LOOK(kMainSkin, "listbox", TspDataSkinListBox),
      LOOK(kMainSkin, "menuheader", TspDataSkinLabelControl),
      // Every dialog (and the main window's other controls): frame, caption buttons, menus
      // and every control kind the dialogs and the skinned file dialogs place.
      OBJECT(kFormSkin, "caption", TspDataSkinCaption),
      OBJECT(kFormSkin, "closebutton", TspDataSkinStdButton),
      OBJECT(kFormSkin, "sysmenubutton", TspDataSkinStdButton),
      OBJECT(kFormSkin, "menuitem", TspDataSkinMenuItem),
      LOOK(kFormSkin, "button", TspDataSkinButtonControl),
      LOOK(kFormSkin, "resizebutton", TspDataSkinButtonControl),
      LOOK(kFormSkin, "toolbutton", TspDataSkinButtonControl),
      LOOK(kFormSkin, "resizetoolbutton", TspDataSkinButtonControl),
      LOOK(kFormSkin, "toolmenubutton", TspDataSkinMenuButtonControl),
      LOOK(kFormSkin, "editbutton", TspDataSkinButtonControl),
      LOOK(kFormSkin, "combobutton", TspDataSkinButtonControl),
      LOOK(kFormSkin, "edit", TspDataSkinEditControl),
      LOOK(kFormSkin, "buttonedit", TspDataSkinEditControl),
      LOOK(kFormSkin, "tooledit", TspDataSkinEditControl),
      LOOK(kFormSkin, "memo", TspDataSkinMemoControl),
      LOOK(kFormSkin, "spinedit", TspDataSkinSpinEditControl),
      LOOK(kFormSkin, "hupdown", TspDataSkinUpDownControl),
      LOOK(kFormSkin, "vupdown", TspDataSkinUpDownControl),
      LOOK(kFormSkin, "combobox", TspDataSkinComboBox),
      LOOK(kFormSkin, "listbox", TspDataSkinListBox),
      LOOK(kFormSkin, "checklistbox", TspDataSkinCheckListBox),
      LOOK(kFormSkin, "checkbox", TspDataSkinCheckRadioControl),
      LOOK(kFormSkin, "radiobox", TspDataSkinCheckRadioControl),
      LOOK(kFormSkin, "stdlabel", TspDataSkinStdLabelControl),
      LOOK(kFormSkin, "label", TspDataSkinLabelControl),
      LOOK(kFormSkin, "statusbar", TspDataSkinPanelControl),
      LOOK(kFormSkin, "statuspanel", TspDataSkinLabelControl),
      LOOK(kFormSkin, "gauge", TspDataSkinGaugeControl),
      LOOK(kFormSkin, "panel", TspDataSkinPanelControl),
      LOOK(kFormSkin, "groupbox", TspDataSkinPanelControl),
      LOOK(kFormSkin, "toolpanel", TspDataSkinPanelControl),
      LOOK(kFormSkin, "scrollbox", TspDataSkinScrollBoxControl),
      LOOK(kFormSkin, "bevel", TspDataSkinBevel),
      LOOK(kFormSkin, "tab", TspDataSkinTabControl),
      LOOK(kFormSkin, "listview", TspDataSkinListView),
      LOOK(kFormSkin, "treeview", TspDataSkinTreeView),
      LOOK(kFormSkin, "htrackbar", TspDataSkinTrackBarControl),
      LOOK(kFormSkin, "trackbar", TspDataSkinTrackBarControl),
      LOOK(kFormSkin, "hscrollbar", TspDataSkinScrollBarControl),
      LOOK(kFormSkin, "vscrollbar", TspDataSkinScrollBarControl),
      LOOK(kFormSkin, "bothhscrollbar", TspDataSkinScrollBarControl),
      LOOK(kFormSkin, "grid", TspDataSkinGridControl),
  };
  for (const char* name : kCommandButtons) {
    names.push_back(Object<TspDataSkinButton>(kMainSkin, name, "TspDataSkinButton", true));
  }
#undef LOOK
#undef OBJECT
  return names;
}

}  // namespace

const std::vector<TName>& Names() {
  static const std::vector<TName> names = MakeNames();
  return names;
}

const std::vector<TArea>& MainAreas() {
  static const std::vector<TArea> areas{{"FileList", TRect{49, 100, 481, 249}},
                                        {"OutputFolder", TRect{56, 300, 328, 318}},
                                        {"HintMessageArea", TRect{48, 320, 113, 336}},
                                        {"PreviewTrackBar", TRect{56, 346, 359, 366}},
                                        {"PreviewArea", TRect{504, 72, 705, 241}},
                                        {"ConvertInfoArea", TRect{24, 384, 469, 473}},
                                        {"OutputProfile", TRect{24, 488, 353, 508}}};
  return areas;
}

}  // namespace shippedskin
