#include "imaging/Bitmap32_Transforms.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "imaging/Bitmap32_Resamplers.h"
#include "imaging/Bitmap32_Rounding.h"
#include "imaging/Bitmap32_Samplers_Nested.h"

namespace imaging {

const TFloatMatrix IdentityMatrix = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr double kFixedToFloat = 1.0 / 65536;

float ToFloat(TFixed value) { return static_cast<float>(value * kFixedToFloat); }

float WidthOf(const TFloatRect& r) { return r.Right - r.Left; }
float HeightOf(const TFloatRect& r) { return r.Bottom - r.Top; }

// The affine part of a matrix applied to a point.
void AffineFloat(const TFloatMatrix& m, float x, float y, float& outX, float& outY) {
  outX = m[0][0] * x + m[1][0] * y + m[2][0];
  outY = m[0][1] * x + m[1][1] * y + m[2][1];
}

void AffineFixed(const TFixedMatrix& m, TFixed x, TFixed y, TFixed& outX, TFixed& outY) {
  outX = FixedMul(m[0][0], x) + FixedMul(m[1][0], y) + m[2][0];
  outY = FixedMul(m[0][1], x) + FixedMul(m[1][1], y) + m[2][1];
}

// The perspective mapping: a divisor of 0 leaves the outputs alone.
void ProjectiveFloat(const TFloatMatrix& m, float x, float y, float& outX, float& outY) {
  const float w = m[0][2] * x + m[1][2] * y + m[2][2];
  if (w == 0) return;
  float px;
  float py;
  AffineFloat(m, x, y, px, py);
  if (w != 1) {
    const float z = 1 / w;
    px *= z;
    py *= z;
  }
  outX = px;
  outY = py;
}

void ProjectiveFixed(const TFixedMatrix& m, TFixed x, TFixed y, TFixed& outX, TFixed& outY) {
  const TFixed w = FixedMul(m[0][2], x) + FixedMul(m[1][2], y) + m[2][2];
  if (w == 0) return;
  TFixed px;
  TFixed py;
  AffineFixed(m, x, y, px, py);
  if (w != FixedOne) {
    const float z = 65536.0f / static_cast<float>(w);
    px = Round(static_cast<float>(px) * z);
    py = Round(static_cast<float>(py) * z);
  }
  outX = px;
  outY = py;
}

TFloatMatrix OperationMatrix(float m00, float m10, float m20, float m01, float m11, float m21) {
  TFloatMatrix m = IdentityMatrix;
  m[0][0] = m00;
  m[1][0] = m10;
  m[2][0] = m20;
  m[0][1] = m01;
  m[1][1] = m11;
  m[2][1] = m21;
  return m;
}

TRect BoundsOfCorners(float minX, float minY, float maxX, float maxY) {
  return TRect{Round(minX - 0.5f), Round(minY - 0.5f), Round(maxX + 0.5f), Round(maxY + 0.5f)};
}

AnsiString NotImplemented(const char* direction, const TTransformation* t) {
  AnsiString message(direction);
  message += " transformation is not implemented in ";
  message += t->ClassName();
  message += ".";
  return message;
}

}  // namespace

// --- Matrix routines -------------------------------------------------------------------

float Determinant(const TFloatMatrix& m) {
  const auto det2 = [](float a1, float a2, float b1, float b2) { return a1 * b2 - a2 * b1; };
  return m[0][0] * det2(m[1][1], m[2][1], m[1][2], m[2][2]) - m[1][0] * det2(m[0][1], m[2][1], m[0][2], m[2][2]) +
         m[2][0] * det2(m[0][1], m[1][1], m[0][2], m[1][2]);
}

void Adjoint(TFloatMatrix& m) {
  const TFloatMatrix a = m;
  const auto cofactor = [&](int i, int j) {
    const int i1 = i == 0 ? 1 : 0, i2 = i == 2 ? 1 : 2;
    const int j1 = j == 0 ? 1 : 0, j2 = j == 2 ? 1 : 2;
    const float minor = a[i1][j1] * a[i2][j2] - a[i1][j2] * a[i2][j1];
    return ((i + j) & 1) ? -minor : minor;
  };
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) m[i][j] = cofactor(j, i);
}

void Scale(TFloatMatrix& m, float factor) {
  for (auto& row : m)
    for (float& element : row) element *= factor;
}

void Invert(TFloatMatrix& m) {
  const float det = Determinant(m);
  if (std::fabs(det) < 1e-5f) {
    m = IdentityMatrix;
    return;
  }
  Adjoint(m);
  Scale(m, 1 / det);
}

TFloatMatrix Mult(const TFloatMatrix& m1, const TFloatMatrix& m2) {
  TFloatMatrix r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r[i][j] = m1[0][j] * m2[i][0] + m1[1][j] * m2[i][1] + m1[2][j] * m2[i][2];
  return r;
}

TVector3f VectorTransform(const TFloatMatrix& m, const TVector3f& v) {
  TVector3f r{};
  for (int i = 0; i < 3; ++i) r[i] = m[0][i] * v[0] + m[1][i] * v[1] + m[2][i] * v[2];
  return r;
}

TFixedMatrix FixedMatrix(const TFloatMatrix& m) {
  TFixedMatrix r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r[i][j] = Round(m[i][j] * 65536.0f);
  return r;
}

TFloatMatrix FloatMatrix(const TFixedMatrix& m) {
  TFloatMatrix r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r[i][j] = ToFloat(m[i][j]);
  return r;
}

// --- TTransformation -------------------------------------------------------------------

void TTransformation::SetSrcRect(const TFloatRect& value) {
  srcRect_ = value;
  Changed();
}

void TTransformation::Changed() {
  transformValid_ = false;
  TNotifiablePersistent::Changed();
}

TRect TTransformation::GetTransformedBounds(const TFloatRect& srcRect) { return MakeRect(srcRect, rrClosest); }

template <class Point, class Coordinate>
Point TTransformation::Mapped(const Point& p, TForm<Coordinate> form) {
  Prepare();
  Point r;
  (this->*form)(p.X, p.Y, r.X, r.Y);
  return r;
}

TPoint TTransformation::ReverseTransform(const TPoint& p) { return Mapped(p, &TTransformation::ReverseTransformInt); }
TFixedPoint TTransformation::ReverseTransform(const TFixedPoint& p) {
  return Mapped(p, &TTransformation::ReverseTransformFixed);
}
TFloatPoint TTransformation::ReverseTransform(const TFloatPoint& p) {
  return Mapped(p, &TTransformation::ReverseTransformFloat);
}
TPoint TTransformation::Transform(const TPoint& p) { return Mapped(p, &TTransformation::TransformInt); }
TFixedPoint TTransformation::Transform(const TFixedPoint& p) { return Mapped(p, &TTransformation::TransformFixed); }
TFloatPoint TTransformation::Transform(const TFloatPoint& p) { return Mapped(p, &TTransformation::TransformFloat); }

void TTransformation::ReverseTransformInt(int32_t dstX, int32_t dstY, int32_t& srcX, int32_t& srcY) {
  TFixed x;
  TFixed y;
  ReverseTransformFixed(Fixed(dstX), Fixed(dstY), x, y);
  srcX = FixedRound(x);
  srcY = FixedRound(y);
}

void TTransformation::ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) {
  float x;
  float y;
  ReverseTransformFloat(ToFloat(dstX), ToFloat(dstY), x, y);
  srcX = Fixed(x);
  srcY = Fixed(y);
}

void TTransformation::ReverseTransformFloat(float, float, float&, float&) {
  throw ETransformNotImplemented(NotImplemented("Reverse", this));
}

void TTransformation::TransformInt(int32_t srcX, int32_t srcY, int32_t& dstX, int32_t& dstY) {
  TFixed x;
  TFixed y;
  TransformFixed(Fixed(srcX), Fixed(srcY), x, y);
  dstX = FixedRound(x);
  dstY = FixedRound(y);
}

void TTransformation::TransformFixed(TFixed srcX, TFixed srcY, TFixed& dstX, TFixed& dstY) {
  float x;
  float y;
  TransformFloat(ToFloat(srcX), ToFloat(srcY), x, y);
  dstX = Fixed(x);
  dstY = Fixed(y);
}

void TTransformation::TransformFloat(float, float, float&, float&) {
  throw ETransformNotImplemented(NotImplemented("Forward", this));
}

// --- TAffineTransformation --------------------------------------------------------------

void TAffineTransformation::Clear() {
  Matrix = IdentityMatrix;
  Changed();
}

void TAffineTransformation::Apply(const TFloatMatrix& operation) {
  Matrix = Mult(operation, Matrix);
  Changed();
}

void TAffineTransformation::Rotate(float cx, float cy, float angle) {
  const bool centred = cx != 0 || cy != 0;
  if (centred) Translate(-cx, -cy);
  const float radians = angle * (kPi / 180);
  float s;
  float c;
  SinCos(radians, s, c);
  Apply(OperationMatrix(c, s, 0, -s, c, 0));
  if (centred) Translate(cx, cy);
}

void TAffineTransformation::Scale(float sx, float sy) { Apply(OperationMatrix(sx, 0, 0, 0, sy, 0)); }
void TAffineTransformation::Skew(float fx, float fy) { Apply(OperationMatrix(1, fx, 0, fy, 1, 0)); }
void TAffineTransformation::Translate(float dx, float dy) { Apply(OperationMatrix(1, 0, dx, 0, 1, dy)); }

void TAffineTransformation::PrepareTransform() {
  inverse_ = Matrix;
  Invert(inverse_);
  fixedInverse_ = FixedMatrix(inverse_);
  fixedMatrix_ = FixedMatrix(Matrix);
  SetValid();
}

TRect TAffineTransformation::GetTransformedBounds(const TFloatRect& srcRect) {
  const TVector3f corners[4] = {VectorTransform(Matrix, {srcRect.Left, srcRect.Top, 1}),
                                VectorTransform(Matrix, {srcRect.Right, srcRect.Top, 1}),
                                VectorTransform(Matrix, {srcRect.Left, srcRect.Bottom, 1}),
                                VectorTransform(Matrix, {srcRect.Right, srcRect.Bottom, 1})};
  float minX = corners[0][0], maxX = minX, minY = corners[0][1], maxY = minY;
  for (const TVector3f& c : corners) {
    minX = std::min(minX, c[0]);
    maxX = std::max(maxX, c[0]);
    minY = std::min(minY, c[1]);
    maxY = std::max(maxY, c[1]);
  }
  return BoundsOfCorners(minX, minY, maxX, maxY);
}

void TAffineTransformation::ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) {
  AffineFixed(fixedInverse_, dstX, dstY, srcX, srcY);
}
void TAffineTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  AffineFloat(inverse_, dstX, dstY, srcX, srcY);
}
void TAffineTransformation::TransformFixed(TFixed srcX, TFixed srcY, TFixed& dstX, TFixed& dstY) {
  AffineFixed(fixedMatrix_, srcX, srcY, dstX, dstY);
}
void TAffineTransformation::TransformFloat(float srcX, float srcY, float& dstX, float& dstY) {
  AffineFloat(Matrix, srcX, srcY, dstX, dstY);
}

// --- TProjectiveTransformation --------------------------------------------------------

void TProjectiveTransformation::SetCorners(const std::array<TFloatPoint, 4>& corners) {
  for (int i = 0; i < 4; ++i) {
    x_[i] = corners[i].X;
    y_[i] = corners[i].Y;
  }
  Changed();
}

void TProjectiveTransformation::PrepareTransform() {
  const float px = x_[0] - x_[1] + x_[2] - x_[3];
  const float py = y_[0] - y_[1] + y_[2] - y_[3];
  TFloatMatrix m = IdentityMatrix;
  if (px == 0 && py == 0) {
    m = OperationMatrix(x_[1] - x_[0], x_[2] - x_[1], x_[0], y_[1] - y_[0], y_[2] - y_[1], y_[0]);
  } else {
    const float dx1 = x_[1] - x_[2], dx2 = x_[3] - x_[2], dy1 = y_[1] - y_[2], dy2 = y_[3] - y_[2];
    const float k = dx1 * dy2 - dx2 * dy1;
    if (k != 0) {
      const float g = (px * dy2 - py * dx2) / k;
      const float h = (py * dx1 - px * dy1) / k;
      m = OperationMatrix(x_[1] - x_[0] + g * x_[1], x_[3] - x_[0] + h * x_[3], x_[0], y_[1] - y_[0] + g * y_[1],
                          y_[3] - y_[0] + h * y_[3], y_[0]);
      m[0][2] = g;
      m[1][2] = h;
    } else {
      m = TFloatMatrix{};
    }
  }
  const TFloatRect& src = SrcRect();
  m = Mult(m, OperationMatrix(1 / WidthOf(src), 0, 0, 0, 1 / HeightOf(src), 0));
  m = Mult(m, OperationMatrix(1, 0, -src.Left, 0, 1, -src.Top));
  matrix_ = m;
  inverse_ = m;
  Invert(inverse_);
  fixedMatrix_ = FixedMatrix(matrix_);
  fixedInverse_ = FixedMatrix(inverse_);
  SetValid();
}

TRect TProjectiveTransformation::GetTransformedBounds(const TFloatRect&) {
  return BoundsOfCorners(*std::min_element(x_.begin(), x_.end()), *std::min_element(y_.begin(), y_.end()),
                         *std::max_element(x_.begin(), x_.end()), *std::max_element(y_.begin(), y_.end()));
}

void TProjectiveTransformation::ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) {
  ProjectiveFixed(fixedInverse_, dstX, dstY, srcX, srcY);
}
void TProjectiveTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  ProjectiveFloat(inverse_, dstX, dstY, srcX, srcY);
}
void TProjectiveTransformation::TransformFixed(TFixed srcX, TFixed srcY, TFixed& dstX, TFixed& dstY) {
  ProjectiveFixed(fixedMatrix_, srcX, srcY, dstX, dstY);
}
void TProjectiveTransformation::TransformFloat(float srcX, float srcY, float& dstX, float& dstY) {
  ProjectiveFloat(matrix_, srcX, srcY, dstX, dstY);
}

// --- TTwirlTransformation -------------------------------------------------------------

void TTwirlTransformation::PrepareTransform() {
  rx_ = WidthOf(SrcRect()) / 2;
  ry_ = HeightOf(SrcRect()) / 2;
  SetValid();
}

void TTwirlTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  const float u = dstX - rx_;
  const float v = dstY - ry_;
  const float r = Hypot(u, v);
  const float t = std::atan2(v, u) + r * twirl_;
  srcX = r * std::cos(t) + rx_;
  srcY = r * std::sin(t) + ry_;
}

TRect TTwirlTransformation::GetTransformedBounds(const TFloatRect& srcRect) {
  const float cx = (srcRect.Left + srcRect.Right) / 2;
  const float cy = (srcRect.Top + srcRect.Bottom) / 2;
  const float reach = std::max(cx - srcRect.Left, cy - srcRect.Top) * (kPi / 2);
  return TRect{Round(cx - reach), Round(cy - reach), Round(cx + reach), Round(cy + reach)};
}

// --- TBloatTransformation -------------------------------------------------------------

void TBloatTransformation::PrepareTransform() {
  const float w = WidthOf(SrcRect());
  const float h = HeightOf(SrcRect());
  piW_ = kPi / w;
  piH_ = kPi / h;
  amplitude_ = bloatPower_ * std::max(w, h);
  SetValid();
}

void TBloatTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  const float t = amplitude_ * std::sin(piH_ * dstY) * std::sin(piW_ * dstX);
  srcX = dstX + t * std::cos(piW_ * dstX);
  srcY = dstY + t * std::cos(piH_ * dstY);
}

// --- TDisturbanceTransformation -------------------------------------------------------

void TDisturbanceTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  srcX = dstX + (RandomFraction() - 0.5f) * disturbance_;
  srcY = dstY + (RandomFraction() - 0.5f) * disturbance_;
}

TRect TDisturbanceTransformation::GetTransformedBounds(const TFloatRect& srcRect) {
  TFloatRect grown = srcRect;
  InflateRect(grown, disturbance_ / 2, disturbance_ / 2);
  return MakeRect(grown, rrClosest);
}

// --- TFishEyeTransformation -----------------------------------------------------------

void TFishEyeTransformation::PrepareTransform() {
  rx_ = WidthOf(SrcRect()) / 2;
  ry_ = HeightOf(SrcRect()) / 2;
  if (rx_ > ry_) {
    minR_ = ry_;
    sx_ = ry_ / rx_;
    sy_ = 1;
  } else {
    minR_ = rx_;
    sx_ = 1;
    sy_ = rx_ / ry_;
  }
  invMinR_ = 1 / minR_;
  float f = std::asin(std::clamp(minR_ * invMinR_, -1.0f, 1.0f));
  if (f != 0) f = 1 / f;
  angleFactor_ = f * minR_;
  SetValid();
}

void TFishEyeTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  const float u = (dstX - rx_) * sx_;
  const float v = (dstY - ry_) * sy_;
  float d = Hypot(u, v);
  if (d > 0 && d < minR_) {
    d = std::asin(d * invMinR_) * angleFactor_ / d;
    srcX = u * d + rx_;
    srcY = v * d + ry_;
  } else {
    srcX = dstX;
    srcY = dstY;
  }
}

// --- TPolarTransformation -------------------------------------------------------------

void TPolarTransformation::PrepareTransform() {
  const auto reciprocal = [](float divisor) { return divisor != 0 ? 1 / divisor : 1e-8f; };
  sw_ = WidthOf(SrcRect());
  sh_ = HeightOf(SrcRect());
  cx_ = (dstRect_.Left + dstRect_.Right) / 2;
  cy_ = (dstRect_.Top + dstRect_.Bottom) / 2;
  dx_ = dstRect_.Right - cx_;
  dy_ = dstRect_.Bottom - cy_;
  rt_ = sw_ / (2 * kPi);
  rt2_ = sw_ != 0 ? 2 * kPi / sw_ : 2 * kPi * 1e-8f;
  rr_ = reciprocal(sh_);
  rcx_ = reciprocal(cx_);
  rcy_ = reciprocal(cy_);
  SetValid();
}

void TPolarTransformation::TransformFloat(float srcX, float srcY, float& dstX, float& dstY) {
  const float theta = (srcX - SrcRect().Left) * rt2_ + phase_;
  const float r = (srcY - SrcRect().Bottom) * rr_;
  dstX = dx_ * r * std::cos(theta) + cx_;
  dstY = dy_ * r * std::sin(theta) + cy_;
}

void TPolarTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  const float u = (dstX - cx_) * rcx_;
  const float v = (dstY - cy_) * rcy_;
  float theta = std::atan2(v, u) + kPi - phase_;
  if (theta < 0) theta += 2 * kPi;
  srcX = SrcRect().Left + theta * rt_;
  srcY = SrcRect().Bottom - Hypot(u, v) * sh_;
}

// --- TPathTransformation --------------------------------------------------------------

namespace {

TArrayOfFloat CumulativeLengths(const TArrayOfFloatPoint& curve) {
  TArrayOfFloat lengths(curve.size(), 0);
  for (size_t i = 1; i < curve.size(); ++i)
    lengths[i] = lengths[i - 1] + Hypot(curve[i].X - curve[i - 1].X, curve[i].Y - curve[i - 1].Y);
  return lengths;
}

// The point at fraction `at` of the curve's length.
TFloatPoint PointAlong(const TArrayOfFloatPoint& curve, const TArrayOfFloat& lengths, float at) {
  const float target = at * lengths.back();
  size_t i = 1;
  while (lengths[i] < target && i < lengths.size() - 1) ++i;
  const float r = (lengths[i] - target) / (lengths[i] - lengths[i - 1]);
  return TFloatPoint{curve[i].X + r * (curve[i - 1].X - curve[i].X), curve[i].Y + r * (curve[i - 1].Y - curve[i].Y)};
}

}  // namespace

void TPathTransformation::SetTopCurve(const TArrayOfFloatPoint& value) {
  topCurve_ = value;
  Changed();
}

void TPathTransformation::SetBottomCurve(const TArrayOfFloatPoint& value) {
  bottomCurve_ = value;
  Changed();
}

void TPathTransformation::PrepareTransform() {
  topLengths_ = CumulativeLengths(topCurve_);
  bottomLengths_ = CumulativeLengths(bottomCurve_);
  SetValid();
}

void TPathTransformation::TransformFloat(float srcX, float srcY, float& dstX, float& dstY) {
  const TFloatRect& src = SrcRect();
  const float x = (srcX - src.Left) / WidthOf(src);
  const float y = (srcY - src.Top) / HeightOf(src);
  const TFloatPoint top = PointAlong(topCurve_, topLengths_, x);
  const TFloatPoint bottom = PointAlong(bottomCurve_, bottomLengths_, x);
  dstX = top.X + y * (bottom.X - top.X);
  dstY = top.Y + y * (bottom.Y - top.Y);
}

// --- TRemapTransformation -------------------------------------------------------------

TRemapTransformation::TRemapTransformation() : vectorMap_(std::make_unique<TVectorMap>()) {
  vectorMap_->SetSize(1, 1);
}

void TRemapTransformation::SetOffset(const TFloatPoint& value) {
  offset_ = value;
  offsetInt_ = Point(value);
  offsetFixed_ = FixedPoint(value);
  Changed();
}

void TRemapTransformation::Scale(float sx, float sy) {
  scaling_ = TFloatPoint{sx, sy};
  scalingFixed_ = FixedPoint(sx, sy);
  Changed();
}

void TRemapTransformation::PrepareTransform() {
  if (IsRectEmpty(SrcRect())) throw Exception("SrcRect is empty!");
  if (IsRectEmpty(mappingRect_)) throw Exception("MappingRect is empty!");
  const float cellsX = static_cast<float>(vectorMap_->Width() - 1);
  const float cellsY = static_cast<float>(vectorMap_->Height() - 1);
  srcTranslation_ = TFloatPoint{SrcRect().Left, SrcRect().Top};
  srcScale_ = TFloatPoint{WidthOf(SrcRect()) / cellsX, HeightOf(SrcRect()) / cellsY};
  dstTranslation_ = TFloatPoint{mappingRect_.Left, mappingRect_.Top};
  dstScale_ = TFloatPoint{cellsX / WidthOf(mappingRect_), cellsY / HeightOf(mappingRect_)};
  combinedScaling_ = TFloatPoint{dstScale_.X * scaling_.X, dstScale_.Y * scaling_.Y};
  srcTranslationFixed_ = FixedPoint(srcTranslation_);
  srcScaleFixed_ = FixedPoint(srcScale_);
  dstTranslationFixed_ = FixedPoint(dstTranslation_);
  dstScaleFixed_ = FixedPoint(dstScale_);
  combinedScalingFixed_ = FixedPoint(combinedScaling_);
  SetValid();
}

TRect TRemapTransformation::GetTransformedBounds(const TFloatRect&) {
  return TRect{-2147483647, -2147483647, 2147483647, 2147483647};
}

void TRemapTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  const TFloatPoint v = vectorMap_->GetFloatVectorF(dstX - offset_.X, dstY - offset_.Y);
  srcX = ((dstX - dstTranslation_.X) * dstScale_.X + v.X * combinedScaling_.X) * srcScale_.X + srcTranslation_.X;
  srcY = ((dstY - dstTranslation_.Y) * dstScale_.Y + v.Y * combinedScaling_.Y) * srcScale_.Y + srcTranslation_.Y;
}

TFixedPoint TRemapTransformation::RemapFixed(TFixed x, TFixed y, const TFixedPoint& v) const {
  const auto axis = [](TFixed p, TFixed vector, TFixed dstTranslation, TFixed dstScale, TFixed combined,
                       TFixed srcScale, TFixed srcTranslation) {
    return FixedMul(FixedMul(p - dstTranslation, dstScale) + FixedMul(vector, combined), srcScale) + srcTranslation;
  };
  return TFixedPoint{axis(x, v.X, dstTranslationFixed_.X, dstScaleFixed_.X, combinedScalingFixed_.X, srcScaleFixed_.X,
                          srcTranslationFixed_.X),
                     axis(y, v.Y, dstTranslationFixed_.Y, dstScaleFixed_.Y, combinedScalingFixed_.Y, srcScaleFixed_.Y,
                          srcTranslationFixed_.Y)};
}

void TRemapTransformation::ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) {
  const TFixedPoint r = RemapFixed(dstX, dstY, vectorMap_->GetFixedVectorX(dstX - offsetFixed_.X, dstY - offsetFixed_.Y));
  srcX = r.X;
  srcY = r.Y;
}

void TRemapTransformation::ReverseTransformInt(int32_t dstX, int32_t dstY, int32_t& srcX, int32_t& srcY) {
  const TFixedPoint r =
      RemapFixed(Fixed(dstX), Fixed(dstY), vectorMap_->GetFixedVector(dstX - offsetInt_.X, dstY - offsetInt_.Y));
  srcX = FixedRound(r.X);
  srcY = FixedRound(r.Y);
}

// --- Unit routines ---------------------------------------------------------------------

void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation) {
  Transform(dst, src, transformation, dst->BoundsRect());
}

void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation, const TRect& dstClip) {
  std::unique_ptr<TRasterizer> rasterizer(static_cast<TRasterizer*>(DefaultRasterizerClass->Create()));
  Transform(dst, src, transformation, rasterizer.get(), dstClip);
}

void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation, TRasterizer* rasterizer) {
  Transform(dst, src, transformation, rasterizer, dst->BoundsRect());
}

void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation, TRasterizer* rasterizer,
               const TRect& dstClip) {
  TRect target;
  IntersectRect(target, transformation->GetTransformedBounds(), dst->ClipRect());
  IntersectRect(target, target, dstClip);
  if (target.Right < target.Left || target.Bottom < target.Top) return;
  if (!dst->MeasuringMode()) {
    TClass transformerClass = TTransformer::StaticClass();
    if (auto* resampler = dynamic_cast<TBitmap32Resampler*>(src->Resampler()))
      transformerClass = resampler->TransformerClass();
    std::unique_ptr<TTransformer> transformer(static_cast<TTransformer*>(transformerClass->Create(src->Resampler())));
    transformer->SetTransformation(transformation);
    // The rasterizer never keeps the transformer past this call.
    TCustomSampler* previous = rasterizer->Sampler();
    rasterizer->SetSampler(transformer.get());
    try {
      rasterizer->Rasterize(dst, target, src);
    } catch (...) {
      EMMS();
      rasterizer->SetSampler(previous);
      throw;
    }
    EMMS();
    rasterizer->SetSampler(previous);
  }
  dst->Changed(target, AREA_KIND_RECT);
}

void SetBorderTransparent(TBitmap32* bitmap, const TRect& rect) {
  TRect r;
  IntersectRect(r, rect, bitmap->BoundsRect());
  TRect overlap;
  if (IsRectEmpty(r) || !IntersectRect(overlap, r, bitmap->ClipRect()) || IsRectEmpty(overlap)) return;
  const int32_t lastX = r.Right - 1;
  const int32_t lastY = r.Bottom - 1;
  const auto clearAlpha = [bitmap](int32_t x, int32_t y) { *bitmap->GetPixelPtr(x, y) &= 0x00FFFFFF; };
  for (int32_t x = r.Left; x <= lastX; ++x) {
    clearAlpha(x, r.Top);
    clearAlpha(x, lastY);
  }
  for (int32_t y = r.Top; y <= lastY; ++y) {
    clearAlpha(r.Left, y);
    clearAlpha(lastX, y);
  }
  bitmap->Changed();
}

TArrayOfArrayOfFixedPoint TransformPoints(const TArrayOfArrayOfFixedPoint& points, TTransformation* transformation) {
  TArrayOfArrayOfFixedPoint result;
  if (points.empty()) return result;
  transformation->PrepareTransform();
  result.reserve(points.size());
  for (const TArrayOfFixedPoint& polygon : points) {
    TArrayOfFixedPoint& mapped = result.emplace_back();
    mapped.reserve(polygon.size());
    for (const TFixedPoint& p : polygon) {
      TFixedPoint q;
      transformation->TransformFixed(p.X, p.Y, q.X, q.Y);
      mapped.push_back(q);
    }
  }
  return result;
}

void RasterizeTransformation(TVectorMap* vectorMap, TTransformation* transformation, TRect dstRect,
                             TVectorCombineMode combineMode, const TVectorCombineEvent& combineCallback) {
  IntersectRect(dstRect, dstRect, vectorMap->BoundsRect());
  if (IsRectEmpty(dstRect)) return;
  if (!transformation->TransformValid()) transformation->PrepareTransform();
  // A side one cell long takes one whole step instead of dividing by zero.
  const TFixed stepX = Fixed(1.0f / static_cast<float>(std::max(dstRect.Right - dstRect.Left - 1, 1)));
  const TFixed stepY = Fixed(1.0f / static_cast<float>(std::max(dstRect.Bottom - dstRect.Top - 1, 1)));
  TFixedPoint progression;
  for (int32_t y = dstRect.Top; y < dstRect.Bottom; ++y, progression.Y += stepY) {
    progression.X = 0;
    for (int32_t x = dstRect.Left; x < dstRect.Right; ++x, progression.X += stepX) {
      const TFixedPoint p = FixedPoint(x - dstRect.Left, y - dstRect.Top);
      const TFixedPoint q = transformation->ReverseTransform(p);
      const TFixedPoint d{q.X - p.X, q.Y - p.Y};
      TFixedPoint& cell = vectorMap->GetVectors()[static_cast<size_t>(x) + static_cast<size_t>(y) * vectorMap->Width()];
      switch (combineMode) {
        case vcmAdd: cell = TFixedPoint{cell.X + d.X, cell.Y + d.Y}; break;
        case vcmReplace: cell = d; break;
        case vcmCustom: combineCallback(d, progression, cell); break;
      }
    }
  }
}

}  // namespace imaging
