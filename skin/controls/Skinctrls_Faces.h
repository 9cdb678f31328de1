#pragma once
// What the skinned push button and the check box share about their faces: the step of
// the cross-fade between the normal and the hot face, the blend of the two faces, the
// character set of drawn captions, and references to components they are told to forget.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/runtime/Component.h"
#include "skin/data/Sputils_Values.h"

class TspSkinData;

// The cross-fade ticks every 20 ms and moves 0.2 a tick.
constexpr unsigned kFaceMorphInterval = 20;

// One tick of a cross-fade: moves `kf` by 0.2 toward 1 (`toHot`) or 0, kept on tenths so
// the ends are reached exactly. At its end already, `kf` is set to that end and the
// answer is false: the fade is over.
bool StepFaceMorph(double& kf, bool toHot);

// Blends `face` toward `hot` (both of the same size) by `kf` with the transition `kind`.
void BlendFaces(TBitmap& face, TBitmap& hot, TMorphKind kind, double kf);

// The character set of captions: the skin's interface strings', else `fallback`'s.
void SetCaptionCharset(TCanvas* canvas, TspSkinData* skin, const TFont* fallback);

// Points `field` at `value`, moving `self`'s free notification from the old component
// to the new one.
template <class T>
void ReplaceReference(TComponent& self, T*& field, T* value) {
  if (field != nullptr && field != value) self.RemoveFreeNotification(field);
  field = value;
  if (value != nullptr) self.FreeNotification(value);
}
