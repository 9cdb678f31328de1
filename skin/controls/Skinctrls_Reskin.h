#pragma once
// What the skinned form needs of every control that follows a skin change: the skin data
// it takes its look from and the two steps of a change. Every skinned control class
// implements it, so the form finds them all by one class test (dynamic_cast).
class TspSkinData;

class IspSkinControl {
 public:
  // The skin data the control takes its look from (or null).
  virtual TspSkinData* SkinData() const = 0;
  // Connects the control to a skin data; a loaded skin re-skins the control at once.
  virtual void SetSkinData(TspSkinData* value) = 0;
  // The skin is about to be replaced: nothing may paint from the old look any more.
  virtual void BeforeChangeSkinData() = 0;
  // The skin was replaced (or the control's look changed): find the look again, size
  // and repaint.
  virtual void ChangeSkinData() = 0;

 protected:
  ~IspSkinControl() = default;
};
