#pragma once
#include "classlib/graphics/Colors.h"
#include "classlib/runtime/Component.h"
#include "classlib/runtime/Events.h"
#include "classlib/runtime/Streams.h"
#include "classlib/runtime/WinApi.h"

#include <commctrl.h>

class TBitmap;
class TCanvas;
class TIcon;

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };

// A list of equally sized images over a system image list (made on first use). Changing
// the size clears the images. A list given a shared handle (ShareImages) never destroys
// it. Drawing goes through the virtual DoDraw, so lists that keep their own pictures
// can draw them.
class TCustomImageList : public TComponent {
  CLASSLIB_CLASS(TCustomImageList, TComponent)
 public:
  explicit TCustomImageList(TComponent* owner);
  ~TCustomImageList() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  // A new size empties the list (nothing happens for the current size).
  void SetSize(int width, int height);
  // Images carry a mask (default true); changing it empties the list.
  bool Masked() const { return masked_; }
  void SetMasked(bool masked);
  int AllocBy() const { return allocBy_; }
  void SetAllocBy(int allocBy) { allocBy_ = allocBy < 1 ? 1 : allocBy; }
  // The background under masked images (clNone: transparent).
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor color);
  TDrawingStyle DrawingStyle() const { return drawingStyle_; }
  void SetDrawingStyle(TDrawingStyle style) { drawingStyle_ = style; }
  TImageType ImageType() const { return imageType_; }
  void SetImageType(TImageType type) { imageType_ = type; }
  bool ShareImages() const { return shareImages_; }
  void SetShareImages(bool share) { shareImages_ = share; }

  // The system image list (made when missing).
  HIMAGELIST Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  // Takes `handle` as this list's images; its size becomes the list's. The previous
  // list is destroyed unless shared.
  void SetHandle(HIMAGELIST handle);

  int Count();
  // Adds the images of `image` (one per Width-wide cell of a strip); `mask` (may be null)
  // marks transparent pixels white. Answers the index of the first one added.
  int Add(TBitmap* image, TBitmap* mask);
  // As Add, with every pixel of `maskColor` transparent.
  int AddMasked(TBitmap* image, TColor maskColor);
  int AddIcon(TIcon* icon);
  // Inserts before `index` (0..Count); another index raises EInvalidOperation
  // "Invalid ImageList Index". The *Masked form keys out `maskColor`.
  void Insert(int index, TBitmap* image, TBitmap* mask);
  void InsertMasked(int index, TBitmap* image, TColor maskColor);
  void Replace(int index, TBitmap* image, TBitmap* mask);
  void Delete(int index);
  void Clear();
  // Copies image `index` into `image` (sized to the list, 24 bits) / into `icon`.
  void GetBitmap(int index, TBitmap* image);
  void GetIcon(int index, TIcon* icon);

  // Draws image `index` at (x, y); a disabled image is drawn embossed in the button
  // shadow and highlight colours. An index outside the list draws nothing.
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  void Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle style, TImageType type, bool enabled);

  // Form resources: the images as the system image list streams them.
  void ReadData(TStream* stream);
  void WriteData(TStream* stream);

  TNotifyEvent OnChange;

 protected:
  // The drawing itself; `style` holds the system's ILD_* flags.
  virtual void DoDraw(int index, TCanvas* canvas, int x, int y, UINT style, bool enabled);
  virtual void Change();

 private:
  void FreeHandle();
  void CheckIndex(int index, int count);
  void MoveAdded(int first, int index);
  void DrawDisabled(int index, TCanvas* canvas, int x, int y);

  HIMAGELIST handle_ = nullptr;
  int width_ = 16;
  int height_ = 16;
  bool masked_ = true;
  int allocBy_ = 4;
  TColor bkColor_ = clNone;
  TDrawingStyle drawingStyle_ = dsNormal;
  TImageType imageType_ = itImage;
  bool shareImages_ = false;
};

// The image list placed on forms.
class TImageList : public TCustomImageList {
  CLASSLIB_CLASS(TImageList, TCustomImageList)
 public:
  explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};
