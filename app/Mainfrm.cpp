#include "app/Mainfrm.h"

#include "app/Dropshadow.h"
#include "app/Lastsettings.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/windowing/Application.h"
#include "engine/Quorinvcenvloader.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
  ReadFormResource(this, StaticClass());
  SetCaption(EnvLoader.ApplicationName);
  Application->SetTitle(EnvLoader.ApplicationName);
  outputFolder_ = ReadSetting(lastsettings::OutputFolder);
  previewMovie_ = ReadSetting(lastsettings::PreviewMovie);
}

void TMainForm::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  AddDropShadow(params);
}

void TMainForm::FormDestroy(TObject*) {
  // A settings file that cannot be written is reported; the program still ends.
  try {
    WriteSetting(lastsettings::OutputFolder, outputFolder_);
    WriteSetting(lastsettings::PreviewMovie, previewMovie_);
  } catch (const Exception&) {
    Application->HandleException(this);
  }
  if (MainForm == this) MainForm = nullptr;
}

void RegisterMainForm() {
  RegisterFormClass(TMainForm::StaticClass(), {Handler("FormDestroy", &TMainForm::FormDestroy)}, {});
}
