#pragma once
#include <string>
#include <vector>

#include "ShippedNames.h"
#include "skin/data/Skindata.h"

// Checks a loaded skin against its description and the names the windows need. Each
// problem is one line naming the skin file, the section or name and the key at fault.
namespace shippedskin {

// `skinFile` is the file name ("Skin.ini"), `iniPath` the description that `skin` was
// loaded from.
std::vector<std::string> LintSkin(const std::string& skinFile, const std::string& iniPath, const TspSkinData& skin);

// The contrast ratio of two colours (class-library colour values).
double Contrast(TColor a, TColor b);

}  // namespace shippedskin
