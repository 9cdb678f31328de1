#pragma once
#include "classlib/graphics/Colors.h"
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Events.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/Sets.h"
#include "classlib/runtime/SyncObjs.h"
#include "classlib/runtime/WinApi.h"

#include <mutex>

class TBitmap;

// The shared part of fonts, pens and brushes: a system object made on demand from the
// object's properties and kept until a property changes. Every change fires OnChange
// once; the old system object is deleted only after OnChange has run, so a canvas that
// still has it selected can put it back first. Each object guards its own state with a
// lock, so an object may be made, used and freed on any thread.
class TGraphicsObject : public TPersistent {
  CLASSLIB_CLASS(TGraphicsObject, TPersistent)
 public:
  TGraphicsObject() = default;
  ~TGraphicsObject() override;

  // True while the system object exists.
  bool HandleAllocated() const;

  TNotifyEvent OnChange;

 protected:
  // The system object, made from the properties when missing.
  HGDIOBJ GetHandleObject();
  // Takes over `handle` (may be null) as this object's system object and reports the change.
  void AdoptHandle(HGDIOBJ handle);
  // Reports a change of the properties: the kept system object is retired.
  void Changed();
  virtual HGDIOBJ CreateHandleObject() = 0;
  TCriticalSection& Guard() const { return lock_; }

 private:
  void Replace(HGDIOBJ handle);

  mutable TCriticalSection lock_;
  HGDIOBJ handle_ = nullptr;
};

// A graphics object whose properties form one value `TData`: read whole under the lock,
// changed one field or all at once, with one change report only when something changed.
template <class TData>
class TGraphicsObjectWith : public TGraphicsObject {
 protected:
  TData Snapshot() const {
    std::lock_guard guard(Guard());
    return data_;
  }
  void Update(const TData& data) {
    {
      std::lock_guard guard(Guard());
      if (data_ == data) return;
      data_ = data;
    }
    Changed();
  }
  template <class T>
  void Set(T TData::*field, const T& value) {
    {
      std::lock_guard guard(Guard());
      if (data_.*field == value) return;
      data_.*field = value;
    }
    Changed();
  }
  // Takes the properties of another object of the same kind; false for any other source.
  template <class TKind>
  bool AssignSameKind(TPersistent* source) {
    auto* other = dynamic_cast<TKind*>(source);
    if (other == nullptr) return false;
    if (other != this) Update(static_cast<const TGraphicsObjectWith*>(other)->Snapshot());
    return true;
  }

  TData data_{};
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = unsigned char;

// The properties of a font as one value.
struct TFontData {
  AnsiString name;
  int height;
  TColor color;
  TFontStyles style;
  TFontCharset charset;
  TFontPitch pitch;
  bool operator==(const TFontData&) const = default;
};

// A font: name, height in pixels (negative: character height; positive: cell height),
// colour, style, character set and pitch. A new font is "MS Sans Serif", height -11,
// clWindowText, no style, DEFAULT_CHARSET, fpDefault.
class TFont : public TGraphicsObjectWith<TFontData> {
  CLASSLIB_CLASS(TFont, TGraphicsObject)
 public:
  TFont();

  HFONT Handle() { return static_cast<HFONT>(GetHandleObject()); }
  // Takes over a system font (owned from now on); the properties follow its description.
  void SetHandle(HFONT font);

  AnsiString Name() const;
  void SetName(const AnsiString& name);
  int Height() const;
  void SetHeight(int height);
  // Size in points at PixelsPerInch: -Height * 72 / PixelsPerInch, rounded.
  int Size() const;
  void SetSize(int size);
  TColor Color() const;
  void SetColor(TColor color);
  TFontStyles Style() const;
  void SetStyle(const TFontStyles& style);
  TFontCharset Charset() const;
  void SetCharset(TFontCharset charset);
  TFontPitch Pitch() const;
  void SetPitch(TFontPitch pitch);
  // The logical resolution of the screen (read once per process).
  int PixelsPerInch() const;

  void Assign(TPersistent* source) override;

 protected:
  HGDIOBJ CreateHandleObject() override;

 private:
  using Data = TFontData;

};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

// The properties of a pen as one value.
struct TPenData {
  TColor color = clBlack;
  int width = 1;
  TPenStyle style = psSolid;
  TPenMode mode = pmCopy;
  bool operator==(const TPenData&) const = default;
};

// A pen: colour (clBlack), width (1), style (psSolid) and mix mode (pmCopy). The mode
// is not part of the system pen; a canvas applies it when it selects the pen.
class TPen : public TGraphicsObjectWith<TPenData> {
  CLASSLIB_CLASS(TPen, TGraphicsObject)
 public:
  HPEN Handle() { return static_cast<HPEN>(GetHandleObject()); }
  TColor Color() const;
  void SetColor(TColor color);
  int Width() const;
  void SetWidth(int width);
  TPenStyle Style() const;
  void SetStyle(TPenStyle style);
  TPenMode Mode() const;
  void SetMode(TPenMode mode);
  // The system mix mode (R2_*) of Mode.
  int Rop2() const;

  void Assign(TPersistent* source) override;

 protected:
  HGDIOBJ CreateHandleObject() override;

 private:
  using Data = TPenData;

};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// The properties of a brush as one value.
struct TBrushData {
  TColor color = clWhite;
  TBrushStyle style = bsSolid;
  TBitmap* bitmap = nullptr;
  bool operator==(const TBrushData&) const = default;
};

// A brush: colour (clWhite) and style (bsSolid), or a pattern bitmap (not owned; it must
// outlive the brush's use of it). A clear brush fills nothing and makes text
// backgrounds transparent.
class TBrush : public TGraphicsObjectWith<TBrushData> {
  CLASSLIB_CLASS(TBrush, TGraphicsObject)
 public:
  HBRUSH Handle() { return static_cast<HBRUSH>(GetHandleObject()); }
  TColor Color() const;
  // A colour other than clNone makes a clear brush solid again; clNone clears it.
  void SetColor(TColor color);
  TBrushStyle Style() const;
  void SetStyle(TBrushStyle style);
  TBitmap* Bitmap() const;
  void SetBitmap(TBitmap* bitmap);

  void Assign(TPersistent* source) override;

 protected:
  HGDIOBJ CreateHandleObject() override;

 private:
  using Data = TBrushData;

};
