#include "media/plugins/apeenc/ApeTags.h"

#include <algorithm>
#include <utility>

namespace apeenc {
namespace {

constexpr std::uint32_t kApeTagVersion = 2000;
constexpr std::size_t kApeTagFrame = 32;
constexpr std::uint32_t kHasHeader = 1u << 31;
constexpr std::uint32_t kIsHeader = 1u << 29;

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutText(std::vector<std::uint8_t>& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

// The header or footer: both count the items and the footer, not the header.
void PutFrame(std::vector<std::uint8_t>& out, std::size_t tagSize, std::size_t items, bool header) {
  PutText(out, "APETAGEX");
  PutLittleEndian(out, kApeTagVersion);
  PutLittleEndian(out, static_cast<std::uint32_t>(tagSize));
  PutLittleEndian(out, static_cast<std::uint32_t>(items));
  PutLittleEndian(out, kHasHeader | (header ? kIsHeader : 0));
  out.insert(out.end(), 8, 0);
}

// A fixed-width ID3v1 field: the text cut, the rest zero.
void PutField(std::vector<std::uint8_t>& out, const std::string& text, std::size_t width) {
  const std::size_t used = std::min(text.size(), width);
  out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(used));
  out.insert(out.end(), width - used, 0);
}

}  // namespace

std::vector<std::uint8_t> ApeV2Tag(const std::string& utf8Title, const std::string& year) {
  std::vector<std::uint8_t> items;
  std::size_t count = 0;
  for (const auto& [key, value] : {std::pair<std::string, std::string>{"Title", utf8Title}, {"Year", year}}) {
    if (value.empty()) continue;
    PutLittleEndian(items, static_cast<std::uint32_t>(value.size()));
    PutLittleEndian(items, 0);  // UTF-8 text, read-write
    PutText(items, key);
    items.push_back(0);
    PutText(items, value);
    ++count;
  }
  if (count == 0) return {};
  const std::size_t tagSize = items.size() + kApeTagFrame;
  std::vector<std::uint8_t> tag;
  PutFrame(tag, tagSize, count, true);
  tag.insert(tag.end(), items.begin(), items.end());
  PutFrame(tag, tagSize, count, false);
  return tag;
}

std::vector<std::uint8_t> Id3v1Tag(const std::string& title, const std::string& year) {
  std::vector<std::uint8_t> tag;
  PutText(tag, "TAG");
  PutField(tag, title, 30);
  PutField(tag, "", 30);  // artist
  PutField(tag, "", 30);  // album
  PutField(tag, year, 4);
  PutField(tag, "", 30);  // comment
  tag.push_back(0xFF);    // no genre
  return tag;
}

}  // namespace apeenc
