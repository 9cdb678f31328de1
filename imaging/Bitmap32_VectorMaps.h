#pragma once
// TVectorMap: a displacement field of one 16.16 vector per cell, read bilinearly at
// fractional positions, written spread over four cells, merged from another map, and
// kept in ".msh" mesh files (a 24-byte header, the vectors as IEEE singles in pixels,
// an 8-byte trailer; little-endian).
#include <cstdint>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Events.h"
#include "imaging/Bitmap32_Geometry.h"
#include "imaging/Bitmap32_Persistent.h"

namespace imaging {

using TArrayOfFixedVector = TArrayOfFixedPoint;

enum TVectorCombineMode : uint8_t { vcmAdd, vcmReplace, vcmCustom };
// F the incoming vector, P the progression (-1..1 or 0..1 across the area), B the
// vector to change.
using TVectorCombineEvent = TEvent<const TFixedPoint&, const TFixedPoint&, TFixedPoint&>;

class TVectorMap : public TCustomMap {
  CLASSLIB_CLASS(TVectorMap, TCustomMap)
 public:
  ~TVectorMap() override;

  bool Empty() const override;
  TArrayOfFixedVector& GetVectors() { return vectors_; }
  TRect BoundsRect() const { return TRect{0, 0, Width(), Height()}; }
  // Every vector (0, 0), without notification.
  void Clear();

  // Cell reads: the plain forms need the cell to exist, the S forms answer (0, 0)
  // outside. X forms take 16.16 positions, F forms singles: bilinear between the cell
  // and its right and lower neighbours (the cell itself on the last column and row);
  // the XS and FS forms count missing neighbours as (0, 0).
  TFixedPoint GetFixedVector(int32_t x, int32_t y) const { return vectors_[Index(x, y)]; }
  TFixedPoint GetFixedVectorS(int32_t x, int32_t y) const;
  TFixedPoint GetFixedVectorX(TFixed x, TFixed y) const;
  TFixedPoint GetFixedVectorXS(TFixed x, TFixed y) const;
  TFloatPoint GetFloatVector(int32_t x, int32_t y) const { return FloatPoint(GetFixedVector(x, y)); }
  TFloatPoint GetFloatVectorS(int32_t x, int32_t y) const { return FloatPoint(GetFixedVectorS(x, y)); }
  TFloatPoint GetFloatVectorF(float x, float y) const { return FloatPoint(GetFixedVectorX(Fixed(x), Fixed(y))); }
  TFloatPoint GetFloatVectorFS(float x, float y) const { return FloatPoint(GetFixedVectorXS(Fixed(x), Fixed(y))); }

  // Cell writes: the plain forms need the cell(s) to exist, the S forms ignore what lies
  // outside. A fractional position combines the vector into the four cells around it,
  // each keeping its old vector by its bilinear weight.
  void SetFixedVector(int32_t x, int32_t y, const TFixedPoint& v) { vectors_[Index(x, y)] = v; }
  void SetFixedVectorS(int32_t x, int32_t y, const TFixedPoint& v);
  void SetFixedVectorX(TFixed x, TFixed y, const TFixedPoint& v);
  void SetFixedVectorXS(TFixed x, TFixed y, const TFixedPoint& v);
  void SetFloatVector(int32_t x, int32_t y, const TFloatPoint& v) { SetFixedVector(x, y, FixedPoint(v)); }
  void SetFloatVectorS(int32_t x, int32_t y, const TFloatPoint& v) { SetFixedVectorS(x, y, FixedPoint(v)); }
  void SetFloatVectorF(float x, float y, const TFloatPoint& v) { SetFixedVectorX(Fixed(x), Fixed(y), FixedPoint(v)); }
  void SetFloatVectorFS(float x, float y, const TFloatPoint& v) {
    SetFixedVectorXS(Fixed(x), Fixed(y), FixedPoint(v));
  }

  // Combines srcRect of `src` into this map at (dstLeft, dstTop) by src's
  // VectorCombineMode. Either map empty raises Exception "Src is empty!" / "Base is
  // empty!".
  void Merge(int32_t dstLeft, int32_t dstTop, TVectorMap* src, TRect srcRect);

  // A missing file raises Exception "File not found!", a wrong identifier "Bad format -
  // Photoshop .msh expected!", a file shorter than its header promises the stream's
  // EReadError; each leaves the map unchanged.
  void LoadFromFile(const AnsiString& fileName);
  // Failures raise the stream's errors.
  void SaveToFile(const AnsiString& fileName);

  // The smallest rectangle (right and bottom exclusive) holding every non-zero vector;
  // (0, 0, 0, 0) when there is none.
  TRect GetTrimmedBounds() const;

  TVectorCombineMode VectorCombineMode() const { return vectorCombineMode_; }
  // A different value notifies a change.
  void SetVectorCombineMode(TVectorCombineMode value);
  TVectorCombineEvent OnVectorCombine;

 protected:
  // Contents never survive a resize: the new vectors are (0, 0). Raises Exception
  // "Can't allocate VectorMap!" when the memory is not there.
  void ChangeSize(int32_t& width, int32_t& height, int32_t newWidth, int32_t newHeight) override;

 private:
  size_t Index(int32_t x, int32_t y) const { return static_cast<size_t>(x) + static_cast<size_t>(y) * Width(); }
  bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
  // Bilinear mix of four cells by the fractions of the position.
  static TFixedPoint Bilinear(const TFixedPoint (&cells)[4], TFixed fx, TFixed fy);
  void SpreadVector(TFixed x, TFixed y, const TFixedPoint& v, bool checked);

  TArrayOfFixedVector vectors_;
  TVectorCombineMode vectorCombineMode_ = vcmAdd;
};

}  // namespace imaging
