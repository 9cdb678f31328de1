#include "classlib/formres/StandardClasses.h"

#include <memory>

#include "classlib/formres/PropertyBinders.h"
#include "classlib/graphics/Graphics.h"

namespace {

const TIdentTable& FontStyles() {
  static const TIdentTable table("TFontStyle", {{"fsBold", fsBold}, {"fsItalic", fsItalic},
                                                {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}});
  return table;
}

// Picture data: the class name of the picture (one length byte, then the name), then
// the picture as that class stores it.
void ReadPictureData(TPicture* picture, TStream* stream) {
  unsigned char length = 0;
  stream->ReadBuffer(&length, 1);
  AnsiString className;
  className.SetLength(length);
  if (length > 0) stream->ReadBuffer(className.WritableBuffer(), length);
  TClass graphicClass = GetClass(className);
  if (graphicClass == nullptr || !graphicClass->InheritsFrom(TGraphic::StaticClass()) || !graphicClass->CanCreate()) {
    throw EFormValueError("picture class " + className + " not found");
  }
  std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(graphicClass->Create()));
  graphic->ReadData(stream);
  picture->SetGraphic(graphic.get());
}

}  // namespace

void InitializeFormClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterClassProperties(TComponent::StaticClass(),
                          {IntegerProperty<TComponent>("Tag", &TComponent::SetTag, 0)});
  RegisterClassProperties(
      TFont::StaticClass(),
      {StringProperty<TFont>("Name", &TFont::SetName, "MS Sans Serif"),
       IntegerProperty<TFont>("Height", &TFont::SetHeight, -11), IntegerProperty<TFont>("Size", &TFont::SetSize, 8),
       ColorProperty<TFont>("Color", &TFont::SetColor, clWindowText),
       IntegerProperty<TFont>("Charset", [](TFont* f, int v) { f->SetCharset(static_cast<TFontCharset>(v)); }, 1),
       SetProperty<TFont, TFontStyle>("Style", &TFont::SetStyle, FontStyles())});
  RegisterClassProperties(TPicture::StaticClass(), {BinaryProperty<TPicture>("Data", &ReadPictureData)});
  // Pictures of a fixed class (a button's glyph): their data as the class stores it, or
  // a bitmap resource of the executable by name.
  RegisterClassProperties(TGraphic::StaticClass(), {BinaryProperty<TGraphic>("Data", &TGraphic::ReadData)});
  RegisterClassProperties(TBitmap::StaticClass(),
                          {StringProperty<TBitmap>("ResourceName", [](TBitmap* bitmap, const AnsiString& name) {
                            bitmap->LoadFromResourceName(GetModuleHandleA(nullptr), name);
                          })});
  RegisterClassProperties(
      TCustomImageList::StaticClass(),
      {IntegerProperty<TCustomImageList>("Width", &TCustomImageList::SetWidth, 16),
       IntegerProperty<TCustomImageList>("Height", &TCustomImageList::SetHeight, 16),
       BoolProperty<TCustomImageList>("Masked", &TCustomImageList::SetMasked, true),
       ColorProperty<TCustomImageList>("BkColor", &TCustomImageList::SetBkColor, clNone),
       BinaryProperty<TCustomImageList>("Bitmap", &TCustomImageList::ReadData)});
  RegisterClassProperties(TImageList::StaticClass(), {});
  for (TClass graphicClass : {TIcon::StaticClass(), TJPEGImage::StaticClass()}) RegisterClass(graphicClass);
}
