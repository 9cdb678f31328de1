#include "EditsFixture.h"

namespace edittest {

std::map<std::string, std::string> EditLookValues() {
  return {{"PICTURES/activepicturescount", "4"},
          {"PICTURES/3", "form.bmp"},
          {"edit/pictureindex", "3"},
          {"edit/maskpictureindex", "-1"},
          {"edit/cursorindex", "-1"},
          {"edit/skinrect", "0,0,100,22"},
          {"edit/activeskinrect", "0,30,100,52"},
          {"edit/lefttoppoint", "5,0"},
          {"edit/righttoppoint", "95,0"},
          {"edit/leftbottompoint", "0,0"},
          {"edit/rightbottompoint", "0,0"},
          {"edit/clientrect", "5,4,95,18"},
          {"edit/stretcheffect", "0"},
          {"edit/fontname", "Arial"},
          {"edit/fontheight", "14"},
          {"edit/fontstyle", "[]"},
          {"edit/fontcolor", "0"},
          {"edit/activefontcolor", "8388608"},
          {"edit/disabledfontcolor", "255"},
          {"edit/buttonrect", "0,0,0,0"},
          {"edit/activebuttonrect", "0,0,0,0"},
          {"edit/downbuttonrect", "0,0,0,0"},
          {"edit/unenabledbuttonrect", "0,0,0,0"}};
}

TspSkinData* SharedEditsSkin() {
  static TspSkinData* skin = [] {
    auto* data = new TspSkinData(nullptr);
    menutest::LoadMenuSkin(data, "edits", EditLookValues());
    return data;
  }();
  return skin;
}

void EditsTest::SetUp() {
  MenuTest::SetUp();
  host_->SetSkinData(SharedEditsSkin());
}

TspSkinEdit* EditsTest::AddEdit(bool skinned, int width, int height) {
  auto* edit = new TspSkinEdit(form_.get());
  edit->SetParent(form_.get());
  if (skinned) edit->SetSkinData(SharedEditsSkin());
  edit->SetBounds(10, 60, width, height);
  edit->SetFocus();
  testsupport::ServeApplication(20);
  return edit;
}

TRecordedRepeat<TspSkinSpinEdit>* EditsTest::AddSpinEdit() {
  auto* spin = new TRecordedRepeat<TspSkinSpinEdit>(form_.get());
  spin->SetParent(form_.get());
  spin->SetBounds(10, 60, 120, 20);
  testsupport::ServeApplication(20);
  return spin;
}

std::string EditsTest::MenuCaptions(TspCustomEdit* edit) {
  std::string captions;
  TMenuItem* items = edit->SysPopupMenu()->Items();
  for (int i = 0; i < items->Count(); ++i) captions += (i > 0 ? "," : "") + items->Items(i)->Caption().str();
  return captions;
}

std::string EditsTest::MenuStates(TspCustomEdit* edit) {
  std::string states;
  TMenuItem* items = edit->SysPopupMenu()->Items();
  for (int i = 0; i < items->Count(); ++i) states += items->Items(i)->Enabled() ? '+' : '-';
  return states;
}

}  // namespace edittest
