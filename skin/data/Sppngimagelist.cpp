#include "skin/data/Sppngimagelist.h"

#include "classlib/formres/PropertyBinders.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/SysUtils.h"
#include "imaging/Pngheader.h"

namespace {

// The strength of the disabled look: alpha of rebuilt pictures, and a x (s + 1) / 256.
constexpr int kFadeStrength = 127;

enum PngColourType : uint8_t { kGrey = 0, kTrueColour = 2, kPalette = 3 };

// Grey and palette pictures as true colour with the fade's alpha.
std::unique_ptr<TPNGObject> RebuiltFaded(TPNGObject* png, bool bitMode, TColor transparent) {
  const int width = png->Width(), height = png->Height();
  auto faded = std::make_unique<TPNGObject>(6u, 8u, width, height);
  for (int y = 0; y < height; ++y) {
    uint8_t* alpha = faded->GetAlphaScanline(y);
    for (int x = 0; x < width; ++x) {
      const TColor colour = png->GetPixels(x, y);
      faded->SetPixels(x, y, colour);
      alpha[x] = bitMode && colour == transparent ? 0 : kFadeStrength;
    }
  }
  return faded;
}

}  // namespace

std::unique_ptr<TPNGObject> FadedPngCopy(TPNGObject* png) {
  const bool bitMode = png->GetTransparencyMode() == ptmBit;
  const TColor transparent = png->GetTransparentColor();
  const uint8_t colourType = png->GetHeader()->ColorType();
  if (colourType == kGrey || colourType == kPalette) return RebuiltFaded(png, bitMode, transparent);
  auto faded = std::make_unique<TPNGObject>();
  faded->Assign(png);
  if (colourType == kTrueColour) faded->CreateAlpha();
  for (int y = 0; y < faded->Height(); ++y) {
    uint8_t* alpha = faded->GetAlphaScanline(y);
    for (int x = 0; x < faded->Width(); ++x) {
      if (bitMode && faded->GetPixels(x, y) == transparent) alpha[x] = 0;
      else alpha[x] = static_cast<uint8_t>(Round(alpha[x] / 256.0 * (kFadeStrength + 1)));
    }
  }
  return faded;
}

TspPngImageItem::TspPngImageItem(TCollection* collection)
    : TCollectionItem(collection), png_(std::make_unique<TPNGObject>()) {
  Name = Format("PngImage%d", {Index()});
  if (TspPNGImageList* list = ImageList()) list->InsertBitMap(Index());
}

TspPngImageItem::~TspPngImageItem() {
  png_.reset();
  TspPNGImageList* list = ImageList();
  if (list != nullptr && Index() >= 0 && Index() < list->Count()) list->DeleteBitMap(Index());
}

TspPNGImageList* TspPngImageItem::ImageList() const {
  auto* items = dynamic_cast<TspPngImageItems*>(Collection());
  return items != nullptr ? items->ImageList() : nullptr;
}

void TspPngImageItem::Assign(TPersistent* source) {
  if (auto* item = dynamic_cast<TspPngImageItem*>(source)) {
    SetPngImage(item->PngImage());
    Name = item->Name;
    return;
  }
  TCollectionItem::Assign(source);
}

AnsiString TspPngImageItem::GetDisplayName() const {
  return Name.IsEmpty() ? TCollectionItem::GetDisplayName() : Name;
}

void TspPngImageItem::SetPngImage(TPNGObject* value) {
  png_->Assign(value);
  Changed(false);
}

TspPngImageItems::TspPngImageItems(TspPNGImageList* imageList)
    : TCollection(TspPngImageItem::StaticClass()), imageList_(imageList) {}

TPersistent* TspPngImageItems::GetOwner() const { return imageList_; }

TspPngImageItem* TspPngImageItems::GetItem(int index) const { return static_cast<TspPngImageItem*>(Items(index)); }

TspPNGImageList::TspPNGImageList(TComponent* owner)
    : TCustomImageList(owner), pngImages_(std::make_unique<TspPngImageItems>(this)) {}

// The pictures go first: each removes its entry from the list, which still stands.
TspPNGImageList::~TspPNGImageList() { pngImages_.reset(); }

void TspPNGImageList::SetPngWidth(int value) {
  if (value == Width()) return;
  SetWidth(value);
  SizeChanged();
}

void TspPNGImageList::SetPngHeight(int value) {
  if (value == Height()) return;
  SetHeight(value);
  SizeChanged();
}

void TspPNGImageList::SizeChanged() {
  if (!ComponentState().Contains(csLoading)) pngImages_->Clear();
}

void TspPNGImageList::InsertBitMap(int index) {
  TBitmap placeholder;
  placeholder.SetMonochrome(true);
  placeholder.SetSize(PngWidth(), PngHeight());
  Insert(index, &placeholder, nullptr);
}

void TspPNGImageList::Loaded() {
  TCustomImageList::Loaded();
  Clear();
  for (int i = 0; i < pngImages_->Count(); ++i) InsertBitMap(i);
}

void TspPNGImageList::DoDraw(int index, TCanvas* canvas, int x, int y, UINT style, bool enabled) {
  (void)style;
  if (index < 0 || index >= pngImages_->Count()) return;
  TPNGObject* png = pngImages_->GetItem(index)->PngImage();
  if (png->Empty()) return;
  const TRect rect{x, y, x + PngWidth(), y + PngHeight()};
  if (enabled) png->Draw(canvas, rect);
  else FadedPngCopy(png)->Draw(canvas, rect);
}

void RegisterPngImageList() {
  using I = TspPngImageItem;
  RegisterClassProperties(I::StaticClass(),
                          {ObjectProperty<I>("PngImage", [](I* i) -> TPersistent* { return i->PngImage(); }),
                           StringProperty<I>("Name", [](I* i, const AnsiString& v) { i->Name = v; })});
  using L = TspPNGImageList;
  RegisterClassProperties(L::StaticClass(),
                          {CollectionProperty<L>("PngImages", [](L* l) { return l->PngImages(); }),
                           IntegerProperty<L>("PngWidth", &L::SetPngWidth),
                           IntegerProperty<L>("PngHeight", &L::SetPngHeight)});
}
