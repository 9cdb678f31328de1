#include "skin/controls/Skinctrls_GraphicButton.h"

#include <string>

namespace {

void LoadPicture(TBitmap& picture, const char* name) {
  picture.LoadFromResourceName(GetModuleHandleA(nullptr), name);
}

}  // namespace

TspSkinGraphicButton::TspSkinGraphicButton(TComponent* owner)
    : TspSkinMenuSpeedButton(owner), images_(new TImageList(this)), menu_(new TspSkinImagesMenu(this)) {
  SetBounds(Left(), Top(), 65, Height());
  menu_->SetImages(images_);
  SetSkinImagesMenu(menu_);
  SetUseImagesMenuImage(true);
}

TspSkinGraphicButton::~TspSkinGraphicButton() { images_->Clear(); }

void TspSkinGraphicButton::SetItemIndex(int value) {
  menu_->SetItemIndex(value);
  Repaint();
}

void TspSkinGraphicButton::Loaded() {
  TspSkinMenuSpeedButton::Loaded();
  SetSkinImagesMenu(menu_);
  menu_->SetSkinData(SkinData());
}

void TspSkinGraphicButton::AddPictures(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    TBitmap picture;
    LoadPicture(picture, name);
    if (images_->Count() == 0) images_->SetSize(picture.Width(), picture.Height());
    images_->Add(&picture, nullptr);
  }
}

void TspSkinGraphicButton::AddItem(int imageIndex, const AnsiString& caption, const AnsiString& hint, bool button) {
  TspImagesMenuItem* item = menu_->ImagesItems()->Add();
  item->SetImageIndex(imageIndex);
  item->SetCaption(caption);
  item->SetHint(hint);
  item->SetButton(button);
}

void TspSkinGraphicButton::FinishItems(int columns) {
  menu_->SetColumnsCount(columns);
  menu_->SetItemIndex(0);
}

// Gradient

TspSkinGradientStyleButton::TspSkinGradientStyleButton(TComponent* owner) : TspSkinGraphicButton(owner) {
  InitImages();
  InitItems();
}

void TspSkinGradientStyleButton::InitImages() {
  AddPictures({"SP_GRAD_HORZ_IN", "SP_GRAD_HORZ_OUT", "SP_GRAD_HORZ_INOUT", "SP_GRAD_VERT_IN", "SP_GRAD_VERT_OUT",
               "SP_GRAD_VERT_INOUT"});
}

void TspSkinGradientStyleButton::InitItems() {
  int image = 0;
  for (const char* hint : {"HorizotalIn", "HorizotalOut", "HorizotalInOut", "VerticalIn", "VerticalOut",
                           "VerticalInOut"})
    AddItem(image++, AnsiString(), hint);
  FinishItems(2);
}

// Brush

TspSkinBrushStyleButton::TspSkinBrushStyleButton(TComponent* owner) : TspSkinGraphicButton(owner) {
  InitImages();
  InitItems();
}

void TspSkinBrushStyleButton::InitImages() {
  AddPictures({"SP_BRUSH_CLEAR", "SP_BRUSH_SOLID", "SP_BRUSH_CROSS", "SP_BRUSH_DCROSS", "SP_BRUSH_FD", "SP_BRUSH_BD",
               "SP_BRUSH_H", "SP_BRUSH_V"});
}

void TspSkinBrushStyleButton::InitItems() {
  for (int i = 0; i < 8; ++i) AddItem(i);
  FinishItems(2);
}

// Pen style

TspSkinPenStyleButton::TspSkinPenStyleButton(TComponent* owner) : TspSkinGraphicButton(owner) {
  InitImages();
  InitItems();
}

void TspSkinPenStyleButton::InitImages() {
  AddPictures({"SP_PEN_SOLID", "SP_PEN_DASH", "SP_PEN_DASHDOT", "SP_PEN_DOT", "SP_PEN_DASHDOTDOT"});
}

void TspSkinPenStyleButton::InitItems() {
  for (int i = 0; i < 5; ++i) AddItem(i);
  FinishItems(1);
}

// Pen width

TspSkinPenWidthButton::TspSkinPenWidthButton(TComponent* owner) : TspSkinGraphicButton(owner) {
  InitImages();
  InitItems();
}

void TspSkinPenWidthButton::InitImages() {
  AddPictures({"SP_PEN1", "SP_PEN1", "SP_PEN2", "SP_PEN2", "SP_PEN2", "SP_PEN3", "SP_PEN3", "SP_PEN3", "SP_PEN3",
               "SP_PEN4", "SP_PEN4", "SP_PEN6"});
}

void TspSkinPenWidthButton::InitItems() {
  int image = 0;
  for (const char* caption : {"1/4 pt", "1/2 pt", "3/4 pt", "1 pt", "1 1/4 pt", "1 1/2 pt", "1 3/4 pt", "2 pt",
                              "2 1/2 pt", "3 pt", "4 pt", "6 pt"})
    AddItem(image++, caption, AnsiString(), true);
  FinishItems(2);
}

// Shadow

TspSkinShadowStyleButton::TspSkinShadowStyleButton(TComponent* owner) : TspSkinGraphicButton(owner) {
  InitImages();
  InitItems();
}

void TspSkinShadowStyleButton::InitImages() {
  TCustomImageList* images = GraphicImages();
  images->SetSize(20, 20);
  for (int i = 1; i <= 21; ++i) {
    TBitmap picture;
    LoadPicture(picture, ("SP_SHADOW" + std::to_string(i)).c_str());
    images->AddMasked(&picture, clWhite);
  }
}

void TspSkinShadowStyleButton::InitItems() {
  AddItem(-1, "No shadow", AnsiString(), true);
  for (int i = 0; i < 20; ++i) AddItem(i);
  AddItem(20, "More settings", AnsiString(), true);
  FinishItems(4);
}
