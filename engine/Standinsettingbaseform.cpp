#include "engine/Standinsettingbaseform.h"

#include <algorithm>

TSettingBaseForm::TSettingBaseForm(TComponent* owner) : TForm(owner, CreateNew) {
  SetBorderStyle(bsDialog);
  SetCaption(kCaption);
}

int TSettingBaseForm::GetParams(EncoderParamBlock& block) {
  std::fill(std::begin(block.pairs), std::end(block.pairs), EncoderParamPair{0, 0});
  return 0;
}
