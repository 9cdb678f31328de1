#pragma once
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/WinControl.h"

class TVideoInfoReader;

// Stand-in of the skinned stream-choice dialog until the program's windows exist: a plain
// form with the same name, the same two lists and the same lines, which the engine shows
// modally and reads after it closed.

// A drop-down list over the system COMBOBOX class.
class TStreamComboBox : public TWinControl {
  CLASSLIB_CLASS(TStreamComboBox, TWinControl)
 public:
  explicit TStreamComboBox(TComponent* owner);
  void AddItem(const AnsiString& text);
  // The selected line, -1 when none.
  int GetItemIndex();
  void SetItemIndex(int index);
  int ItemCount() const { return static_cast<int>(items_.size()); }
  AnsiString Item(int index) const { return items_.at(static_cast<size_t>(index)); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  std::vector<AnsiString> items_;
  int itemIndex_ = -1;
};

class TSelectStreamForm : public TForm {
  CLASSLIB_CLASS(TSelectStreamForm, TForm)
 public:
  // Caption of the dialog.
  static constexpr const char* kCaption = "Select Stream";

  TSelectStreamForm(TComponent* owner, const TVideoInfoReader* reader);

  TStreamComboBox* cbVideoStream;
  TStreamComboBox* cbAudioStream;
};
