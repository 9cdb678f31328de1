#pragma once
#include <cstdint>
#include <vector>

#include "classlib/graphics/Graphic.h"
#include "classlib/runtime/WinApi.h"

// An icon: the system icon made from one image of an ICO file (the one of the system's
// icon size with the most colours, else the largest). Icons are always transparent and
// keep their size. Saving writes the file the icon was read from, or, for an icon made
// from a handle, a one-image 32-bit ICO file.
class TIcon : public TGraphic {
  CLASSLIB_CLASS(TIcon, TGraphic)
 public:
  TIcon();
  ~TIcon() override;

  void Draw(TCanvas* canvas, const TRect& rect) override;
  bool Empty() const override { return icon_ == nullptr; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Icons keep their size: raises EInvalidGraphicOperation "Cannot change the size of an icon".
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  void SetTransparent(bool) override {}

  // The system icon (owned; null while empty).
  HICON Handle() const { return icon_; }
  // Takes over `icon`.
  void SetHandle(HICON icon);

  void LoadFromStream(TStream* stream) override;
  void SaveToStream(TStream* stream) override;
  void Assign(TPersistent* source) override;

 private:
  void Reset(HICON icon, std::vector<uint8_t> file);
  std::vector<uint8_t> FileFromHandle() const;

  HICON icon_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> file_;
};
