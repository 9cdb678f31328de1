// media-check [KIND:NAME...]
// Checks that the media stack linked in offers every encoder, muxer, decoder, demuxer,
// parser, protocol and library the converter relies on, or, given items on the command
// line, exactly those. Prints the library versions and each missing item; exit code 1
// when something is missing, 2 for an item it cannot read.
#include <cstdio>
#include <vector>

#include "MediaInventory.h"

int main(int argc, char** argv) {
  std::vector<MediaInventory::Item> items;
  for (int i = 1; i < argc; ++i) {
    const auto item = MediaInventory::Parse(argv[i]);
    if (!item) {
      std::printf("media-check: cannot read '%s' (expected KIND:NAME)\n", argv[i]);
      return 2;
    }
    items.push_back(*item);
  }
  if (items.empty()) items = MediaInventory::Required();

  for (const auto& item : items)
    if (item.kind == MediaInventory::Kind::Library && MediaInventory::Has(item))
      std::printf("%s: %s\n", item.name.c_str(), MediaInventory::LibraryVersion(item.name).c_str());
  const auto missing = MediaInventory::Missing(items);
  for (const auto& item : missing) std::printf("missing: %s\n", MediaInventory::Describe(item).c_str());
  std::printf("media-check: %zu of %zu present\n", items.size() - missing.size(), items.size());
  return missing.empty() ? 0 : 1;
}
