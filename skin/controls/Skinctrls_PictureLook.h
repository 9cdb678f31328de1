#pragma once
// Finding a control look that a control draws from directly, checked for its kind and
// for a picture.
#include "skin/data/Skindata_SkinData.h"

// The look `name` of a loaded `skin` when it is of kind L and its picture index names
// one of the skin's pictures; `picture` is that picture. Null (and no picture) otherwise.
template <class L>
const L* FindPictureLook(const TspSkinData* skin, const AnsiString& name, TBitmap*& picture) {
  picture = nullptr;
  if (skin == nullptr || skin->Empty) return nullptr;
  const int index = skin->GetControlIndex(name);
  if (index == -1) return nullptr;
  const auto* look = dynamic_cast<const L*>(skin->CtrlList[static_cast<size_t>(index)].get());
  if (look == nullptr || look->PictureIndex < 0 || look->PictureIndex >= static_cast<int>(skin->ActivePictures.size()))
    return nullptr;
  picture = skin->ActivePictures[static_cast<size_t>(look->PictureIndex)].get();
  return picture == nullptr ? nullptr : look;
}
