#include <objbase.h>

#include "classlib/windowing/Application.h"
#include "framed/FrButton.h"
#include "framed/FrCmboBx.h"
#include "framed/FrCommon.h"
#include "framed/FrEdit.h"
#include "framed/FrLabel.h"
#include "framed/FrPanel.h"
#include "framed/FrRadChk.h"
#include "framed/FrRadGrp.h"
#include "framed/FrSplit.h"
#include "framed/FrSpnEdt.h"

namespace {

bool comInitialized = false;

}  // namespace

void InitializeFramed() {
  if (ThemeServices != nullptr) return;
  InitializeStylesBinding();
  comInitialized = SUCCEEDED(CoInitialize(nullptr));
  ThemeServices = new TThemeServices(Application->Handle());
  RegisterFrameControllerClasses();
  RegisterPanelClasses();
  RegisterLabelClasses();
  RegisterSplitterClasses();
  RegisterButtonClasses();
  RegisterRadioCheckClasses();
  RegisterRadioGroupClasses();
  RegisterComboBoxClasses();
  RegisterEditClasses();
  RegisterSpinEditClasses();
}

void FinalizeFramed() {
  if (ThemeServices == nullptr) return;
  FreeAndNil(ThemeServices);
  if (comInitialized) CoUninitialize();
  comInitialized = false;
  FinalizeStylesBinding();
}
