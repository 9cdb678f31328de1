#pragma once
// Names and tag texts as the WMV and RealMedia plug-ins hand them over: a name is written
// zero-terminated into the caller's buffer of kPluginNameBufferSize bytes.
#include <iterator>

#include "media/contracts/LibraryAbi.h"
#include "media/plugins/videoplugin/ContextOutput.h"

namespace videoplugin {

// Writes `text` into `buffer` and answers true; with no text, or a negative index, writes
// the empty name and answers false.
Bool8 CopyName(const char* text, int index, char* buffer);

// The name of row `index` of a table whose rows have a `name`.
template <typename Table>
Bool8 CopyNameAt(const Table& table, int index, char* buffer) {
  const bool inside = index >= 0 && index < static_cast<int>(std::size(table));
  return CopyName(inside ? table[index].name : nullptr, index, buffer);
}

// Tag texts from the caller's, a missing one empty.
TagTexts TagsOf(const char* title, const char* author, const char* copyright, const char* comment);

}  // namespace videoplugin
