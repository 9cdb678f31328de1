#pragma once
// Geometric transformations between a destination and a source plane: affine,
// projective and the distortions twirl, bloat, disturbance, fish-eye, polar, path and
// remap. Forward maps a source point to the destination; reverse answers which source
// point feeds a destination pixel, which is what drawing (Transform) uses.
#include <array>
#include <cstdint>
#include <memory>

#include "classlib/runtime/Exceptions.h"
#include "imaging/Bitmap32.h"
#include "imaging/Bitmap32_Rasterizers.h"
#include "imaging/Bitmap32_VectorMaps.h"

namespace imaging {

// M[i][j]: x' = M00 x + M10 y + M20, y' = M01 x + M11 y + M21, w = M02 x + M12 y + M22.
using TFloatMatrix = std::array<std::array<float, 3>, 3>;
using TFixedMatrix = std::array<std::array<TFixed, 3>, 3>;
using TVector3f = std::array<float, 3>;

extern const TFloatMatrix IdentityMatrix;

CLASSLIB_EXCEPTION(ETransformError, Exception)
CLASSLIB_EXCEPTION(ETransformNotImplemented, Exception)

// The base: a source rectangle and derived values made current by PrepareTransform
// after every change. Each kind implements the float forms it supports; the fixed forms
// go through the float ones (Fixed rounding) and the integer forms through the fixed
// ones (FixedRound: halves down). A missing direction raises ETransformNotImplemented.
class TTransformation : public TNotifiablePersistent {
  CLASSLIB_CLASS(TTransformation, TNotifiablePersistent)
 public:
  const TFloatRect& SrcRect() const { return srcRect_; }
  void SetSrcRect(const TFloatRect& value);
  bool TransformValid() const { return transformValid_; }
  // Marks the derived values stale, then notifies.
  void Changed() override;
  virtual void PrepareTransform() {}
  virtual bool HasTransformedBounds() { return true; }
  // The destination rectangle the source rectangle can reach; here the rectangle
  // itself, rounded to the closest integers.
  virtual TRect GetTransformedBounds(const TFloatRect& srcRect);
  TRect GetTransformedBounds() { return GetTransformedBounds(srcRect_); }

  // Prepared when stale.
  TPoint ReverseTransform(const TPoint& p);
  TFixedPoint ReverseTransform(const TFixedPoint& p);
  TFloatPoint ReverseTransform(const TFloatPoint& p);
  TPoint Transform(const TPoint& p);
  TFixedPoint Transform(const TFixedPoint& p);
  TFloatPoint Transform(const TFloatPoint& p);

 protected:
  friend class TTransformer;
  friend class TNearestTransformer;
  friend TArrayOfArrayOfFixedPoint TransformPoints(const TArrayOfArrayOfFixedPoint&, TTransformation*);
  // Without preparation.
  virtual void ReverseTransformInt(int32_t dstX, int32_t dstY, int32_t& srcX, int32_t& srcY);
  virtual void ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY);
  virtual void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY);
  virtual void TransformInt(int32_t srcX, int32_t srcY, int32_t& dstX, int32_t& dstY);
  virtual void TransformFixed(TFixed srcX, TFixed srcY, TFixed& dstX, TFixed& dstY);
  virtual void TransformFloat(float srcX, float srcY, float& dstX, float& dstY);
  void Prepare() {
    if (!transformValid_) PrepareTransform();
  }
  template <class Coordinate>
  using TForm = void (TTransformation::*)(Coordinate x, Coordinate y, Coordinate& outX, Coordinate& outY);
  // Prepares when stale, then maps p through the form.
  template <class Point, class Coordinate>
  Point Mapped(const Point& p, TForm<Coordinate> form);
  void SetValid() { transformValid_ = true; }
  // Stores a parameter; a different value notifies a change.
  template <class T>
  void SetParameter(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }

 private:
  TFloatRect srcRect_;
  bool transformValid_ = false;
};

class TAffineTransformation : public TTransformation {
  CLASSLIB_CLASS(TAffineTransformation, TTransformation)
 public:
  TAffineTransformation() { Clear(); }
  TFloatMatrix Matrix = IdentityMatrix;

  // Each operation applies after the earlier ones and notifies a change.
  void Clear();
  // Degrees about (cx, cy): x' = cos x + sin y, y' = -sin x + cos y about the centre.
  void Rotate(float cx, float cy, float angle);
  void Scale(float sx, float sy);
  void Skew(float fx, float fy);
  void Translate(float dx, float dy);

  // The inverse (the identity for a nearly singular matrix) and the fixed copies.
  void PrepareTransform() override;
  TRect GetTransformedBounds(const TFloatRect& srcRect) override;
  using TTransformation::GetTransformedBounds;

 protected:
  void ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) override;
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;
  void TransformFixed(TFixed srcX, TFixed srcY, TFixed& dstX, TFixed& dstY) override;
  void TransformFloat(float srcX, float srcY, float& dstX, float& dstY) override;

 private:
  void Apply(const TFloatMatrix& operation);
  TFloatMatrix inverse_ = IdentityMatrix;
  TFixedMatrix fixedMatrix_{};
  TFixedMatrix fixedInverse_{};
};

// Maps the source rectangle onto the quadrilateral of the destination corners (X0, Y0)
// top-left, (X1, Y1) top-right, (X2, Y2) bottom-right, (X3, Y3) bottom-left. Where the
// perspective divisor is 0 the output is left as it was.
class TProjectiveTransformation : public TTransformation {
  CLASSLIB_CLASS(TProjectiveTransformation, TTransformation)
 public:
  // Corner i of 0..3 as X(i), Y(i); the named forms X0 .. Y3 are the same values.
  float X(int32_t corner) const { return x_[corner]; }
  float Y(int32_t corner) const { return y_[corner]; }
  void SetX(int32_t corner, float value) { SetParameter(x_[corner], value); }
  void SetY(int32_t corner, float value) { SetParameter(y_[corner], value); }
  float X0() const { return x_[0]; }
  float X1() const { return x_[1]; }
  float X2() const { return x_[2]; }
  float X3() const { return x_[3]; }
  float Y0() const { return y_[0]; }
  float Y1() const { return y_[1]; }
  float Y2() const { return y_[2]; }
  float Y3() const { return y_[3]; }
  void SetX0(float value) { SetX(0, value); }
  void SetX1(float value) { SetX(1, value); }
  void SetX2(float value) { SetX(2, value); }
  void SetX3(float value) { SetX(3, value); }
  void SetY0(float value) { SetY(0, value); }
  void SetY1(float value) { SetY(1, value); }
  void SetY2(float value) { SetY(2, value); }
  void SetY3(float value) { SetY(3, value); }
  // All four corners at once, one change.
  void SetCorners(const std::array<TFloatPoint, 4>& corners);

  void PrepareTransform() override;
  // The corners' bounds; the argument is not used.
  TRect GetTransformedBounds(const TFloatRect& srcRect) override;
  using TTransformation::GetTransformedBounds;

 protected:
  void ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) override;
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;
  void TransformFixed(TFixed srcX, TFixed srcY, TFixed& dstX, TFixed& dstY) override;
  void TransformFloat(float srcX, float srcY, float& dstX, float& dstY) override;

 private:
  std::array<float, 4> x_{};
  std::array<float, 4> y_{};
  TFloatMatrix matrix_ = IdentityMatrix;
  TFloatMatrix inverse_ = IdentityMatrix;
  TFixedMatrix fixedMatrix_{};
  TFixedMatrix fixedInverse_{};
};

// Turns points about the centre (half the source size from the origin) by an angle
// growing with their distance. Reverse only.
class TTwirlTransformation : public TTransformation {
  CLASSLIB_CLASS(TTwirlTransformation, TTransformation)
 public:
  float Twirl() const { return twirl_; }
  void SetTwirl(float value) { SetParameter(twirl_, value); }
  void PrepareTransform() override;
  TRect GetTransformedBounds(const TFloatRect& srcRect) override;
  using TTransformation::GetTransformedBounds;

 protected:
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;

 private:
  float twirl_ = 0.03f;
  float rx_ = 0;
  float ry_ = 0;
};

// A sinusoidal bulge; the source rectangle must not be empty. Reverse only.
class TBloatTransformation : public TTransformation {
  CLASSLIB_CLASS(TBloatTransformation, TTransformation)
 public:
  float BloatPower() const { return bloatPower_; }
  void SetBloatPower(float value) { SetParameter(bloatPower_, value); }
  void PrepareTransform() override;

 protected:
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;

 private:
  float bloatPower_ = 0.3f;
  float piW_ = 0;
  float piH_ = 0;
  float amplitude_ = 0;
};

// Random jitter of up to Disturbance / 2 in each direction (the library's random
// source). Reverse only.
class TDisturbanceTransformation : public TTransformation {
  CLASSLIB_CLASS(TDisturbanceTransformation, TTransformation)
 public:
  float Disturbance() const { return disturbance_; }
  void SetDisturbance(float value) { SetParameter(disturbance_, value); }
  TRect GetTransformedBounds(const TFloatRect& srcRect) override;
  using TTransformation::GetTransformedBounds;

 protected:
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;

 private:
  float disturbance_ = 0;
};

// A lens inside the ellipse of the source's half extents; points outside it, and the
// centre, stay where they are. Reverse only.
class TFishEyeTransformation : public TTransformation {
  CLASSLIB_CLASS(TFishEyeTransformation, TTransformation)
 public:
  void PrepareTransform() override;

 protected:
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;

 private:
  float rx_ = 0, ry_ = 0, sx_ = 1, sy_ = 1, minR_ = 0, invMinR_ = 0, angleFactor_ = 0;
};

// Wraps the source rectangle around the centre of the destination rectangle: x
// becomes the angle (plus the phase), the distance from the bottom the radius. The
// reverse inverts the forward exactly when the destination rectangle starts at (0, 0).
class TPolarTransformation : public TTransformation {
  CLASSLIB_CLASS(TPolarTransformation, TTransformation)
 public:
  const TFloatRect& DstRect() const { return dstRect_; }
  void SetDstRect(const TFloatRect& value) { SetParameter(dstRect_, value); }
  float Phase() const { return phase_; }
  void SetPhase(float value) { SetParameter(phase_, value); }
  void PrepareTransform() override;

 protected:
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;
  void TransformFloat(float srcX, float srcY, float& dstX, float& dstY) override;

 private:
  TFloatRect dstRect_;
  float phase_ = 0;
  float sw_ = 0, sh_ = 0, cx_ = 0, cy_ = 0, dx_ = 0, dy_ = 0, rt_ = 0, rt2_ = 0, rr_ = 0, rcx_ = 0, rcy_ = 0;
};

// Bends the source between a top and a bottom polyline (at least two points each);
// the source rectangle must not be empty. Forward only.
class TPathTransformation : public TTransformation {
  CLASSLIB_CLASS(TPathTransformation, TTransformation)
 public:
  const TArrayOfFloatPoint& TopCurve() const { return topCurve_; }
  const TArrayOfFloatPoint& BottomCurve() const { return bottomCurve_; }
  void SetTopCurve(const TArrayOfFloatPoint& value);
  void SetBottomCurve(const TArrayOfFloatPoint& value);
  void PrepareTransform() override;

 protected:
  void TransformFloat(float srcX, float srcY, float& dstX, float& dstY) override;

 private:
  TArrayOfFloatPoint topCurve_;
  TArrayOfFloatPoint bottomCurve_;
  TArrayOfFloat topLengths_;
  TArrayOfFloat bottomLengths_;
};

// Maps through an owned displacement field spread over the mapping rectangle; the
// field needs at least 2 x 2 cells. Reverse only; preparing with an empty source or
// mapping rectangle raises Exception "SrcRect is empty!" / "MappingRect is empty!".
class TRemapTransformation : public TTransformation {
  CLASSLIB_CLASS(TRemapTransformation, TTransformation)
 public:
  TRemapTransformation();
  TVectorMap* VectorMap() const { return vectorMap_.get(); }
  const TFloatRect& MappingRect() const { return mappingRect_; }
  void SetMappingRect(const TFloatRect& value) { SetParameter(mappingRect_, value); }
  const TFloatPoint& Offset() const { return offset_; }
  void SetOffset(const TFloatPoint& value);
  void Scale(float sx, float sy);

  void PrepareTransform() override;
  bool HasTransformedBounds() override { return false; }
  // Unbounded.
  TRect GetTransformedBounds(const TFloatRect& srcRect) override;
  using TTransformation::GetTransformedBounds;

 protected:
  // The vector of the cell (x, y) minus the rounded offset, which must exist.
  void ReverseTransformInt(int32_t dstX, int32_t dstY, int32_t& srcX, int32_t& srcY) override;
  void ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) override;
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;

 private:
  // The mapping of a point displaced by the vector v, in fixed point.
  TFixedPoint RemapFixed(TFixed x, TFixed y, const TFixedPoint& v) const;
  std::unique_ptr<TVectorMap> vectorMap_;
  TFloatRect mappingRect_;
  TFloatPoint offset_;
  TPoint offsetInt_;
  TFixedPoint offsetFixed_;
  TFloatPoint scaling_{1, 1};
  TFixedPoint scalingFixed_{FixedOne, FixedOne};
  TFloatPoint srcTranslation_, srcScale_, dstTranslation_, dstScale_, combinedScaling_;
  TFixedPoint srcTranslationFixed_, srcScaleFixed_, dstTranslationFixed_, dstScaleFixed_, combinedScalingFixed_;
};

// Draws src into dst through the transformation's reverse mapping, over the
// transformed bounds within dst's clip rectangle and dstClip, sampling src's resampler
// through its transformer class. Without a rasterizer one of DefaultRasterizerClass
// serves. Notifies the target rectangle (also when the clip misses: (0, 0, 0, 0)).
void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation);
void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation, const TRect& dstClip);
void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation, TRasterizer* rasterizer);
void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation, TRasterizer* rasterizer,
               const TRect& dstClip);
// Alpha 0 on the outermost pixel ring of the rectangle (within the bitmap), colours kept.
void SetBorderTransparent(TBitmap32* bitmap, const TRect& rect);
// Every point mapped forward; the transformation is prepared once.
TArrayOfArrayOfFixedPoint TransformPoints(const TArrayOfArrayOfFixedPoint& points, TTransformation* transformation);
// Writes each cell's displacement (reverse mapping minus the point, relative to the
// rectangle's corner) into the map within dstRect. The custom mode's progression runs
// from 0 to 1 across the rectangle; a side one cell long takes one whole step.
void RasterizeTransformation(TVectorMap* vectorMap, TTransformation* transformation, TRect dstRect,
                             TVectorCombineMode combineMode = vcmAdd,
                             const TVectorCombineEvent& combineCallback = {});

// Matrix routines (in place where they take a reference).
void Adjoint(TFloatMatrix& m);
float Determinant(const TFloatMatrix& m);
void Scale(TFloatMatrix& m, float factor);
// |determinant| below 1e-5 gives the identity.
void Invert(TFloatMatrix& m);
// Maps through m2 first, then m1.
TFloatMatrix Mult(const TFloatMatrix& m1, const TFloatMatrix& m2);
TVector3f VectorTransform(const TFloatMatrix& m, const TVector3f& v);
TFixedMatrix FixedMatrix(const TFloatMatrix& m);
TFloatMatrix FloatMatrix(const TFixedMatrix& m);

}  // namespace imaging
