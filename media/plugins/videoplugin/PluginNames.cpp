#include "media/plugins/videoplugin/PluginNames.h"

#include <cstring>
#include <string>

// kPluginNameBufferSize
#include "media/contracts/WmvEncoderPlugin.h"

namespace videoplugin {
namespace {

std::string Text(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

Bool8 CopyName(const char* text, int index, char* buffer) {
  if (buffer == nullptr) return 0;
  buffer[0] = '\0';
  if (text == nullptr || index < 0) return 0;
  std::strncpy(buffer, text, kPluginNameBufferSize - 1);
  buffer[kPluginNameBufferSize - 1] = '\0';
  return 1;
}

TagTexts TagsOf(const char* title, const char* author, const char* copyright, const char* comment) {
  return TagTexts{Text(title), Text(author), Text(copyright), Text(comment), ""};
}

}  // namespace videoplugin
