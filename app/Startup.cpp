#include "app/Startup.h"

#include "app/Coverfrm.h"
#include "app/Mainfrm.h"
#include "app/Resourcefrm.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/Screen.h"
#include "engine/Quorinvccommon.h"
#include "engine/Quorinvcenvloader.h"
#include "framed/FrCommon.h"
#include "imaging/Imaging.h"
#include "skin/boxes/Skinboxes_ListBox.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/data/Skindata.h"
#include "skin/form/Formskinner.h"
#include "skin/shell/Spskinshellctrls.h"

namespace {

constexpr int kEnvironmentFailed = -1;
constexpr int kEndedByException = 1;

void InitializeLibraries() {
  InitializeGraphics();
  InitializeControlClasses();
  imaging::InitializeImaging();
  InitializeSkinData();
  InitializeSkinControls();
  InitializeSkinBoxes();
  InitializeFormSkinner();
  InitializeShellControls();
  InitializeFramed();
  RegisterConverterForms();
}

void FinalizeLibraries() {
  FinalizeFramed();
  FinalizeShellControls();
  imaging::FinalizeImaging();
}

void LoadApplicationIcon() {
  const AnsiString icon = ExecutableFolder() + EnvLoader.SkinPath + EnvLoader.ApplicationIcon;
  if (FileExists(icon)) Application->Icon()->LoadFromFile(icon);
}

// Shows the cover and walks the loading steps on it; the cover is gone afterwards.
void LoadWithCover() {
  auto* cover = NewForm<TCoverForm>(Application);
  cover->Show();
  cover->Update();
  ResourceForm = NewForm<TResourceForm>(Application);
  cover->ShowStatus(kLoadingMainSkinText);
  ResourceForm->LoadMainSkin();
  cover->ShowStatus(kLoadingFormSkinText);
  ResourceForm->LoadFormSkin();
  cover->ShowStatus(kLoadingProfilesText);
  ResourceForm->LoadProfiles();
  cover->Repaint();
  cover->ShowStatus(kStartingText);
  Application->CreateForm(MainForm);
  cover->Close();
  delete cover;
}

int StartAndRun() {
  Application->Initialize();
  if (!EnvLoader.LoadFromFile(ExecutableFolder() + "ZediruVeze.EDF")) {
    ShowMessageBox("Application failed to initialize properly, Please reinstall the application!",
                   "Initialization error!", MB_ICONSTOP);
    return kEnvironmentFailed;
  }
  Application->SetTitle(EnvLoader.ApplicationName);
  Application->HintPause = 0;
  LoadApplicationIcon();
  Screen->SetCursor(crHourGlass);
  LoadWithCover();
  Screen->SetCursor(crDefault);
  Application->Run();
  return 0;
}

// Shows what ended the run and frees what start-up made so far (the plug-ins go with the
// resource holder).
int EndAfterException(const std::exception_ptr& error) {
  Application->ShowException(error);
  Screen->SetCursor(crDefault);
  Application->DestroyComponents();
  return kEndedByException;
}

}  // namespace

void RegisterConverterForms() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterCoverForm();
  RegisterResourceForm();
  RegisterMainForm();
}

int RunConverter() {
  InitializeLibraries();
  int exitCode = 0;
  try {
    exitCode = StartAndRun();
  } catch (const std::exception&) {
    exitCode = EndAfterException(std::current_exception());
  } catch (...) {
    exitCode = EndAfterException(std::make_exception_ptr(Exception("")));
  }
  FinalizeLibraries();
  return exitCode;
}
