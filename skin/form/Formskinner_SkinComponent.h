#pragma once
#include "classlib/runtime/Component.h"

class TspSkinData;

// A non-visual component that takes its look from a skin data and hears of skin changes:
// the form-skinning component of its form calls BeforeChangeSkinData when the form's own
// skin data announces a change and ChangeSkinData after every change of any skin data.
class TspSkinComponent : public TComponent {
  CLASSLIB_CLASS(TspSkinComponent, TComponent)
 public:
  explicit TspSkinComponent(TComponent* owner) : TComponent(owner) {}

  TspSkinData* SkinData() const { return skinData_; }
  // Stores the reference only.
  virtual void SetSkinData(TspSkinData* value);
  virtual void BeforeChangeSkinData() {}
  virtual void ChangeSkinData() {}

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TspSkinData* skinData_ = nullptr;
};
