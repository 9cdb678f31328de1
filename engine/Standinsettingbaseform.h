#pragma once
#include "classlib/windowing/Forms.h"
#include "media/contracts/AudioEncoderPlugin.h"

// Stand-in of the base of the codec settings dialogs until the program's windows exist: a
// plain dialog captioned "Encoder Settings" whose GetParams writes nothing.
class TSettingBaseForm : public TForm {
  CLASSLIB_CLASS(TSettingBaseForm, TForm)
 public:
  static constexpr const char* kCaption = "Encoder Settings";

  explicit TSettingBaseForm(TComponent* owner);

  // Clears all pairs of `block`, writes the dialog's pairs from the first slot on and
  // answers their count (the caller stores it into the block).
  virtual int GetParams(EncoderParamBlock& block);
};
