#pragma once
#include "classlib/graphics/Graphic.h"
#include "classlib/windowing/GraphicControl.h"

// A window-less picture: drawn at the corner, stretched to the bounds (Stretch) or
// centred (Center); AutoSize makes the bounds the picture's size.
class TImage : public TGraphicControl {
  CLASSLIB_CLASS(TImage, TGraphicControl)
 public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return picture_; }
  void SetPicture(TPicture* picture) { picture_->Assign(picture); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

 protected:
  void Paint() override;

 private:
  void PictureChanged(TObject* sender);
  TRect DestRect() const;

  TPicture* picture_;
  bool autoSize_ = false;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};
