#pragma once
// Test descendants of the skinned bases and the skin they are tested with.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "skin/controls/Skinctrls.h"
#include "skin/data/Skindata_SkinData.h"

namespace skinbases {

// Looks of the test skin (named after their type words):
// "panel"  nine-part, active picture 0 (64 x 48) whole, corners (10,8) (54,8) (10,40) (54,40)
// "button" nine-part with mask: the form picture (120 x 90), black mask inside (4,2)-(116,88)
// "gauge"  horizontal: active picture 1, skin rectangle 32 x 20, ends 6 wide
// "label"  as "panel" with a stretched client, "sthorz"
// "bevel"  a look of a descriptor class that is not resizable
std::string WriteBasesSkin(const std::string& folder, const std::map<std::string, std::string>& overrides = {});
// A skin data loaded with WriteBasesSkin's skin.
std::unique_ptr<TspSkinData> LoadBasesSkin(const std::string& folder,
                                           const std::map<std::string, std::string>& overrides = {});

// The colours of a bitmap, row by row.
std::vector<TColor> PixelsOf(TBitmap& bitmap);
// The nine-part composition of `look`'s skin rectangle at W x H, its points moved by
// the size change as a nine-part look moves them.
std::vector<TColor> ComposedLook(TspSkinData& skin, const char* look, int W, int H, bool clientStretch = false,
                                 TspStretchType stretchType = spstFull);
// The same with the border strips of the border-strip composition drawn over it: what
// the direct paint of a large face shows (its client tiled as the composition tiles it).
std::vector<TColor> BorderStripsOverComposedLook(TspSkinData& skin, const char* look, int W, int H);
// What a control paints (its own face, in its client coordinates), as PixelsOf answers.
std::vector<TColor> FaceOf(TControl* control);

// A windowed descendant: counts paints, logs re-skin calls ("B" before, "C" change) and
// records the regions it hands to its window.
class TTestSkinControl : public TspSkinCustomControl {
  CLASSLIB_CLASS(TTestSkinControl, TspSkinCustomControl)
 public:
  explicit TTestSkinControl(TComponent* owner);
  void BeforeChangeSkinData() override;
  void ChangeSkinData() override;

  void SetDirectPaint(bool on) { directPaint_ = on; }
  // Pretends the look at `index` was found (the geometry is the caller's).
  void PretendLook(int index) { lookIndex_ = index; }

  int paints = 0;
  std::string calls;
  std::vector<HRGN> handedRegions;

 protected:
  void Paint() override;
  void HandOverRegion(HRGN region) override;
};

// A window-less descendant that counts paints and logs re-skin calls.
class TTestGraphicSkinControl : public TspGraphicSkinCustomControl {
  CLASSLIB_CLASS(TTestGraphicSkinControl, TspGraphicSkinCustomControl)
 public:
  explicit TTestGraphicSkinControl(TComponent* owner) : TspGraphicSkinCustomControl(owner) {}
  void BeforeChangeSkinData() override;
  void ChangeSkinData() override;

  int paints = 0;
  std::string calls;

 protected:
  void Paint() override;
};

// Registers the two test descendants for form resources (once).
void RegisterTestControls();

}  // namespace skinbases
