#include "app/Coverfrm.h"

#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/runtime/FileUtils.h"
#include "engine/Quorinvccommon.h"
#include "engine/Quorinvcenvloader.h"

namespace {

void PlaceLabel(TLabel* label, int color, int left, int top) {
  label->Font()->SetColor(static_cast<TColor>(color));
  label->SetLeft(left);
  label->SetTop(top);
}

}  // namespace

TCoverForm::TCoverForm(TComponent* owner) : TForm(owner) {
  ReadFormResource(this, StaticClass());
  InitLabels();
}

void TCoverForm::InitLabels() {
  const AnsiString background = ExecutableFolder() + EnvLoader.SkinPath + EnvLoader.CoverFormBackgroundFile;
  if (FileExists(background)) BackgroundImage->Picture()->LoadFromFile(background);
  lblVersion->SetCaption("Version: " + EnvLoader.ApplicationVersion + "(Build: " + EnvLoader.ApplicationBuild + ")");
  PlaceLabel(lblVersion, EnvLoader.CoverVersionTextColor, EnvLoader.CoverVersionTextPosX,
             EnvLoader.CoverVersionTextPosY);
  lblCopyright->SetCaption(EnvLoader.CoverCopyrightText);
  PlaceLabel(lblCopyright, EnvLoader.CoverCopyrightTextColor, EnvLoader.CoverCopyrightTextPosX,
             EnvLoader.CoverCopyrightTextPosY);
  PlaceLabel(lblInfoText, EnvLoader.CoverLoadInfoTextColor, EnvLoader.CoverLoadInfoTextPosX,
             EnvLoader.CoverLoadInfoTextPosY);
}

void TCoverForm::ShowStatus(const AnsiString& text) {
  lblInfoText->SetCaption(text);
  lblInfoText->Repaint();
}

void RegisterCoverForm() {
  RegisterFormClass(TCoverForm::StaticClass(), {},
                    {Field("BackgroundImage", &TCoverForm::BackgroundImage),
                     Field("lblVersion", &TCoverForm::lblVersion), Field("lblCopyright", &TCoverForm::lblCopyright),
                     Field("lblInfoText", &TCoverForm::lblInfoText)});
}
