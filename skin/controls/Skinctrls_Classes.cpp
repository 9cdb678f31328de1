#include "skin/controls/Skinctrls_Classes.h"

void InitializeSkinControls() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterSkinControlBases();
  RegisterSkinMenuClasses();
  RegisterSkinLabels();
  RegisterSkinRanges();
  RegisterSkinButtons();
  RegisterSkinChecks();
  RegisterSkinHintsAndImagesMenus();
  RegisterSkinViews();
  RegisterSkinSpeedButtons();
  RegisterSkinNotebooks();
  RegisterSkinSplitters();
  RegisterSkinScrollPanels();
  RegisterSkinEdits();
  RegisterSkinExPanels();
  RegisterSkinMenuButtons();
  RegisterSkinToolBars();
}
