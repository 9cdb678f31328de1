#pragma once
// The skin the view tests use and the faces they compare against.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "RangesFixtures.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/data/Skindata_SkinData.h"

namespace viewtest {

// The bases' test skin with known view looks:
// "treeview" Courier New 17, colour $0000FF on $C0FFC0
// "listview" Times New Roman 15, colour $000080 on $FFE0E0
// "richedit" Tahoma 16, colour $008000 on $E0E0FF
// "button"   the header look: picture 0, face (0,0,32,20) cut at (4,4)..(28,16), hot face
//            (0,20,32,40), pressed face (32,0,64,20)
std::map<std::string, std::string> ViewLooks();
// That skin (with `overrides` on top) in a folder of its own.
std::unique_ptr<TspSkinData> LoadViewsSkin(const std::string& folder,
                                           const std::map<std::string, std::string>& overrides = {});
// The skin without overrides, loaded once for the program.
TspSkinData* SharedViewsSkin();
// The header look's face at W x H in a state: "skinrect", "activeskinrect" or "downskinrect".
std::vector<TColor> HeaderFace(const char* stateRect, int W, int H);
// The pixels of `rect` of a window as it shows them.
std::vector<TColor> WindowPixels(HWND window, const TRect& rect);

}  // namespace viewtest
