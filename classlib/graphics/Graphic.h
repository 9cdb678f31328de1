#pragma once
#include "classlib/graphics/Types.h"
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Events.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/Streams.h"
#include "classlib/runtime/WinApi.h"

class TCanvas;
class TBitmap;
class TIcon;

// A picture that cannot be read (bad or truncated data, unknown file extension).
CLASSLIB_EXCEPTION(EInvalidGraphic, Exception)
// An operation a picture does not support.
CLASSLIB_EXCEPTION(EInvalidGraphicOperation, Exception)

// A picture format: draws itself, has a size and a transparency, and reads and writes
// itself on streams and files. Bad input raises EInvalidGraphic and leaves the picture
// empty.
class TGraphic : public TPersistent {
  CLASSLIB_CLASS(TGraphic, TPersistent)
 public:
  // Draws the picture stretched into `rect` of the canvas (the canvas's Draw and
  // StretchDraw call it).
  virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
  virtual bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool transparent);

  virtual void LoadFromStream(TStream* stream) = 0;
  virtual void SaveToStream(TStream* stream) = 0;
  void LoadFromFile(const AnsiString& fileName);
  void SaveToFile(const AnsiString& fileName);
  // The picture as form resources store it (the "Data" property); the default is the
  // stream format itself.
  virtual void ReadData(TStream* stream) { LoadFromStream(stream); }
  virtual void WriteData(TStream* stream) { SaveToStream(stream); }
  // The picture as clipboard data: a new system handle in `format`, owned by the caller
  // (the clipboard once set), and a palette handle or null. A picture without a
  // clipboard form raises EInvalidGraphic.
  virtual void SaveToClipboardFormat(WORD& format, HANDLE& data, HPALETTE& palette);
  // Takes a copy of clipboard data of `format` (the handles stay the clipboard's). An
  // unsupported format raises EInvalidGraphic.
  virtual void LoadFromClipboardFormat(WORD format, HANDLE data, HPALETTE palette);

  bool Modified() const { return modified_; }
  void SetModified(bool modified);

  TNotifyEvent OnChange;

 protected:
  // Reports a change: marks the picture modified and fires OnChange.
  virtual void Changed();

 private:
  bool transparent_ = false;
  bool modified_ = false;
};

using TGraphicClass = TClass;

// A holder of any one picture, with the process-wide registry of picture formats by
// file extension. The registry is filled by InitializeGraphics (and by formats added
// later, such as PNG); entries can be removed by class.
class TPicture : public TPersistent {
  CLASSLIB_CLASS(TPicture, TPersistent)
 public:
  TPicture() = default;
  ~TPicture() override;

  // The picture held, or null.
  TGraphic* Graphic() const { return graphic_; }
  // Holds a copy of `graphic` (an instance of its class, assigned); null empties.
  void SetGraphic(TGraphic* graphic);
  // The picture as a bitmap: a picture holding something else is emptied first and
  // made to hold a new empty bitmap.
  TBitmap* Bitmap();
  TIcon* Icon();
  int Width() const { return graphic_ != nullptr ? graphic_->Width() : 0; }
  int Height() const { return graphic_ != nullptr ? graphic_->Height() : 0; }

  // Picks the format by the file's extension (case ignored) and loads the file; an
  // unknown extension raises EInvalidGraphic "Unknown picture file extension (.ext)".
  // A failure leaves the picture empty.
  void LoadFromFile(const AnsiString& fileName);
  // Saves the held picture in its own format; nothing when empty.
  void SaveToFile(const AnsiString& fileName);
  // Holds a new picture of the class registered for the clipboard `format`, loaded
  // from the data; an unregistered format raises EInvalidGraphic and, as a failed load,
  // leaves the picture as it was.
  void LoadFromClipboardFormat(WORD format, HANDLE data, HPALETTE palette);
  // Assigning the clipboard (TClipboard) takes its first registered picture format.
  void Assign(TPersistent* source) override;

  // Registers a format: `extension` with or without the leading dot, its description
  // and its class (derived from TGraphic). A later registration of the same extension
  // takes precedence.
  static void RegisterFileFormat(const AnsiString& extension, const AnsiString& description,
                                 TGraphicClass graphicClass);
  // Removes every registration of `graphicClass`.
  static void UnregisterGraphicClass(TGraphicClass graphicClass);
  // The class registered for the extension (dot optional, case ignored), or null.
  static TGraphicClass GraphicClassOf(const AnsiString& extension);
  // The description registered for the extension, or "".
  static AnsiString GraphicDescription(const AnsiString& extension);
  // Registers the class that reads clipboard `format` (a later registration takes
  // precedence); UnregisterGraphicClass removes it too.
  static void RegisterClipboardFormat(WORD format, TGraphicClass graphicClass);
  static bool SupportsClipboardFormat(WORD format);

  TNotifyEvent OnChange;

 protected:
  void AssignTo(TPersistent* dest) override;

 private:
  void Replace(TGraphic* graphic);
  void GraphicChanged(TObject* sender);
  template <class T>
  T* Hold();

  TGraphic* graphic_ = nullptr;
};
