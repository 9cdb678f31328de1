#pragma once
#include "classlib/windowing/Forms.h"

// The main window as far as start-up and shut-down need it: titled after the
// application, it remembers the output folder and the "Preview Movie" choice across
// runs. Its job list, preview and skin come with the converter's windows.
class TMainForm : public TForm {
  CLASSLIB_CLASS(TMainForm, TForm)
 public:
  explicit TMainForm(TComponent* owner);

  void FormDestroy(TObject* sender);

  AnsiString OutputFolder() const { return outputFolder_; }
  bool PreviewMovie() const { return previewMovie_; }

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  AnsiString outputFolder_;
  bool previewMovie_ = true;
};

// The application's main form, from start-up until it is destroyed.
extern TMainForm* MainForm;

// Registers the main window's form class for its form resource.
void RegisterMainForm();
