#pragma once
#include <memory>

#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/Collections.h"
#include "imaging/Pngimage.h"

// An image list of PNG pictures with alpha: any control that takes an image list can
// take it. The pictures live in a collection; the underlying image list holds one blank
// placeholder per picture so that its count and indices match, and the list draws the
// pictures itself, blending their alpha over the target.

class TspPNGImageList;

// One picture of the list, owned by the item.
class TspPngImageItem : public TCollectionItem {
  CLASSLIB_CLASS(TspPngImageItem, TCollectionItem)
 public:
  // Named "PngImage" and its index; puts a placeholder into the list at its index.
  explicit TspPngImageItem(TCollection* collection);
  // Removes the list's entry at its index while that entry exists.
  ~TspPngImageItem() override;

  // From another item: its picture and name.
  void Assign(TPersistent* source) override;
  AnsiString GetDisplayName() const override;

  TPNGObject* PngImage() const { return png_.get(); }
  // Copies `value` into the owned picture.
  void SetPngImage(TPNGObject* value);

  AnsiString Name;

 private:
  TspPNGImageList* ImageList() const;

  std::unique_ptr<TPNGObject> png_;
};

class TspPngImageItems : public TCollection {
  CLASSLIB_CLASS(TspPngImageItems, TCollection)
 public:
  explicit TspPngImageItems(TspPNGImageList* imageList);

  TPersistent* GetOwner() const override;
  TspPNGImageList* ImageList() const { return imageList_; }
  TspPngImageItem* GetItem(int index) const;
  void SetItem(int index, TspPngImageItem* value) { SetItems(index, value); }

 private:
  TspPNGImageList* imageList_;
};

class TspPNGImageList : public TCustomImageList {
  CLASSLIB_CLASS(TspPNGImageList, TCustomImageList)
 public:
  explicit TspPNGImageList(TComponent* owner);
  ~TspPNGImageList() override;

  TspPngImageItems* PngImages() const { return pngImages_.get(); }
  // Makes the collection hold copies of `value`'s items.
  void SetPngImages(TspPngImageItems* value) { pngImages_->Assign(value); }
  int PngWidth() const { return Width(); }
  int PngHeight() const { return Height(); }
  // A new size empties the image list and, unless the list is loading, the pictures.
  void SetPngWidth(int value);
  void SetPngHeight(int value);

  // A monochrome placeholder of the list's size inserted at `index` (0..image count;
  // another index raises EInvalidOperation "Invalid ImageList Index").
  void InsertBitMap(int index);
  void DeleteBitMap(int index) { Delete(index); }

 protected:
  // Draws picture `index` into (x, y, x + PngWidth, y + PngHeight), a disabled one from
  // a faded copy; an index without a picture draws nothing. `style` is ignored.
  void DoDraw(int index, TCanvas* canvas, int x, int y, UINT style, bool enabled) override;
  // The stored size comes after the pictures and empties the image list: the
  // placeholders are made again at the final size.
  void Loaded() override;

 private:
  void SizeChanged();

  std::unique_ptr<TspPngImageItems> pngImages_;
};

// The faded copy that a disabled picture is drawn from: alpha x 128 / 256 (halves to
// even), a single transparent colour keeping alpha 0; grey and palette pictures become
// true colour with alpha 127.
std::unique_ptr<TPNGObject> FadedPngCopy(TPNGObject* png);

// Registers the image list classes for form resources (part of InitializeSkinData).
void RegisterPngImageList();
