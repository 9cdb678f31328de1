#include "skin/form/Formskinner_SkinComponent.h"

#include "skin/data/Skindata_SkinData.h"

void TspSkinComponent::SetSkinData(TspSkinData* value) {
  if (skinData_ != nullptr) RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (value != nullptr) FreeNotification(value);
}

void TspSkinComponent::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}
