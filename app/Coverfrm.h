#pragma once
#include "classlib/stdctrls/Image.h"
#include "classlib/stdctrls/Label.h"
#include "classlib/windowing/Forms.h"

// The borderless cover shown while the program starts: a picture with the version, the
// copyright and a line that tells what start-up is doing. Pictures, texts, places and
// colours come from the environment.
class TCoverForm : public TForm {
  CLASSLIB_CLASS(TCoverForm, TForm)
 public:
  explicit TCoverForm(TComponent* owner);

  // Shows `text` as the start-up status and paints it at once: no message loop runs
  // while the program starts.
  void ShowStatus(const AnsiString& text);

  TImage* BackgroundImage = nullptr;
  TLabel* lblVersion = nullptr;
  TLabel* lblCopyright = nullptr;
  TLabel* lblInfoText = nullptr;

 private:
  void InitLabels();
};

// Registers the cover's form class for its form resource.
void RegisterCoverForm();
