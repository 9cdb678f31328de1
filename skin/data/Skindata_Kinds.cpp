#include "skin/data/Skindata_Kinds.h"

#include <vector>

#include "skin/data/Skindata_Buttons.h"
#include "skin/data/Skindata_Labels.h"
#include "skin/data/Skindata_Lists.h"
#include "skin/data/Skindata_Menus.h"
#include "skin/data/Skindata_Objects.h"
#include "skin/data/Skindata_Panels.h"
#include "skin/data/Skindata_Ranges.h"
#include "skin/data/Skindata_Views.h"

namespace {

template <class Base>
struct TKind {
  const char* word;
  TClass lookClass;
  Base* (*make)(const AnsiString& name);
};

template <class Base, class T>
TKind<Base> Kind(const char* word) {
  return {word, T::StaticClass(), [](const AnsiString& name) -> Base* { return new T(name); }};
}

// Descendants before their ancestors, as the writer tests them.
const std::vector<TKind<TspDataSkinControl>>& ControlKinds() {
  using B = TspDataSkinControl;
  static const std::vector<TKind<B>> kinds{
      Kind<B, TspDataSkinSlider>("slider"),
      Kind<B, TspDataSkinBevel>("bevel"),
      Kind<B, TspDataSkinPanelControl>("panel"),
      Kind<B, TspDataSkinExPanelControl>("expanel"),
      Kind<B, TspDataSkinMenuButtonControl>("menubutton"),
      Kind<B, TspDataSkinButtonControl>("button"),
      Kind<B, TspDataSkinCheckRadioControl>("checkradio"),
      Kind<B, TspDataSkinGaugeControl>("gauge"),
      Kind<B, TspDataSkinSplitterControl>("splitter"),
      Kind<B, TspDataSkinTrackBarControl>("trackbar"),
      Kind<B, TspDataSkinLabelControl>("label"),
      Kind<B, TspDataSkinStdLabelControl>("stdlabel"),
      Kind<B, TspDataSkinBitLabelControl>("bitlabel"),
      Kind<B, TspDataSkinFrameRegulator>("frameregulator"),
      Kind<B, TspDataSkinFrameGauge>("framegauge"),
      Kind<B, TspDataSkinAnimateControl>("animate"),
      Kind<B, TspDataSkinUpDownControl>("updown"),
      Kind<B, TspDataSkinSwitchControl>("switch"),
      Kind<B, TspDataSkinGridControl>("grid"),
      Kind<B, TspDataSkinTabControl>("tab"),
      Kind<B, TspDataSkinMainMenuBar>("mainmenubar"),
      Kind<B, TspDataSkinControlBar>("controlbar"),
      Kind<B, TspDataSkinMemoControl>("memo"),
      Kind<B, TspDataSkinEditControl>("edit"),
      Kind<B, TspDataSkinCheckListBox>("checklistbox"),
      Kind<B, TspDataSkinListBox>("listbox"),
      Kind<B, TspDataSkinComboBox>("combobox"),
      Kind<B, TspDataSkinScrollBarControl>("scrollbar"),
      Kind<B, TspDataSkinSpinEditControl>("spinedit"),
      Kind<B, TspDataSkinScrollBoxControl>("scrollbox"),
      Kind<B, TspDataSkinTreeView>("treeview"),
      Kind<B, TspDataSkinListView>("listview"),
      Kind<B, TspDataSkinRichEdit>("richedit"),
  };
  return kinds;
}

const std::vector<TKind<TspDataSkinObject>>& ObjectKinds() {
  using B = TspDataSkinObject;
  static const std::vector<TKind<B>> kinds{
      Kind<B, TspDataSkinMenuItem>("menuitem"),
      Kind<B, TspDataSkinMainMenuBarItem>("mainmenubaritem"),
      Kind<B, TspDataSkinMainMenuItem>("mainmenuitem"),
      Kind<B, TspDataSkinMainMenuBarButton>("mainmenubarbutton"),
      Kind<B, TspDataSkinStdButton>("stdbutton"),
      Kind<B, TspDataSkinButton>("button"),
      Kind<B, TspDataSkinCaption>("caption"),
      Kind<B, TspDataSkinTrackBar>("trackbar"),
      Kind<B, TspDataSkinGauge>("gauge"),
      Kind<B, TspDataSkinFrameGaugeObject>("framegauge"),
      Kind<B, TspDataSkinFrameRegulatorObject>("frameregulator"),
      Kind<B, TspDataSkinLabel>("label"),
      Kind<B, TspDataSkinBitLabel>("bitlabel"),
      Kind<B, TspDataSkinSwitch>("switch"),
      Kind<B, TspDataSkinAnimate>("animate"),
      Kind<B, TspDataUserObject>("userobject"),
  };
  return kinds;
}

template <class Base>
Base* Create(const std::vector<TKind<Base>>& kinds, const AnsiString& word, const AnsiString& name) {
  for (const auto& kind : kinds) {
    if (word == kind.word) return kind.make(name);
  }
  return nullptr;
}

template <class Base>
AnsiString WordOf(const std::vector<TKind<Base>>& kinds, const Base* look) {
  for (const auto& kind : kinds) {
    if (look->InheritsFrom(kind.lookClass)) return kind.word;
  }
  return AnsiString();
}

}  // namespace

TspDataSkinControl* CreateControlLook(const AnsiString& word, const AnsiString& name) {
  return Create(ControlKinds(), word, name);
}

TspDataSkinObject* CreateObjectLook(const AnsiString& word, const AnsiString& name) {
  return Create(ObjectKinds(), word, name);
}

AnsiString ControlLookWord(const TspDataSkinControl* look) { return WordOf(ControlKinds(), look); }

AnsiString ObjectLookWord(const TspDataSkinObject* look) { return WordOf(ObjectKinds(), look); }
