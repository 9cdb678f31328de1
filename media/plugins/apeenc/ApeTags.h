#pragma once
// The tags an APE file can end with, holding a title and a year (empty ones are left out).
#include <cstdint>
#include <string>
#include <vector>

namespace apeenc {

// An APEv2 tag with header and footer, items "Title" and "Year" in UTF-8.
std::vector<std::uint8_t> ApeV2Tag(const std::string& utf8Title, const std::string& year);
// A 128-byte ID3v1 tag: the title cut to 30 bytes, the year to 4, genre unset.
std::vector<std::uint8_t> Id3v1Tag(const std::string& title, const std::string& year);

}  // namespace apeenc
