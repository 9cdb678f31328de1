#pragma once
// Stands in for a skinned form's component while the bases are tested: it takes the skin
// data's change messages on a form and walks the form's controls, through windowed
// children at any depth. Before a change it tells the skinned bases (look index -1);
// after it, every skinned control (IspSkinControl). Only controls whose SkinData is the
// skin data in wParam are told, all of them when wParam is 0.
#include "classlib/windowing/Forms.h"

class TReskinRelay {
 public:
  explicit TReskinRelay(TCustomForm* form);
  ~TReskinRelay();
  TReskinRelay(const TReskinRelay&) = delete;
  TReskinRelay& operator=(const TReskinRelay&) = delete;

  // The walks for the skin data in `wParam` (0: all), as the messages do.
  void BeforeChange(WPARAM wParam);
  void Change(WPARAM wParam);

 private:
  void Relay(TMessage& message);

  TCustomForm* form_;
  TWndMethod saved_;
};
