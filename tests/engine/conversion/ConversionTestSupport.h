#pragma once
#include <cstdint>
#include <memory>
#include <string>

class TVideoProfile;

namespace conversiontest {

// Full path of a generated test medium (bin\test-media).
std::string MediaPath(const std::string& name);
// A shipped profile read from bin\profiles\<name>.pf; fails the test when unreadable.
std::unique_ptr<TVideoProfile> LoadShippedProfile(const std::string& name);
std::uint8_t ShippedProfileCode(const std::string& name);
// Writes the first `count` bytes of `source` to `target`.
void CopyFirstBytes(const std::string& source, const std::string& target, std::size_t count);

}  // namespace conversiontest
