#include "tests/engine/conversion/ConversionTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/IniFiles.h"
#include "engine/Videoprofilekinds.h"

namespace conversiontest {

std::string MediaPath(const std::string& name) {
  return std::string(GetCurrentDir().c_str()) + "\\test-media\\" + name;
}

std::unique_ptr<TVideoProfile> LoadShippedProfile(const std::string& name) {
  const AnsiString path = (std::string(GetCurrentDir().c_str()) + "\\profiles\\" + name + ".pf").c_str();
  TMemIniFile ini(path);
  std::unique_ptr<TVideoProfile> profile =
      CreateProfileOfFormat(ini.ReadString("ProfileCommon", "VideoFormat", ""), name.c_str(), path);
  EXPECT_TRUE(profile != nullptr && profile->LoadFromFile()) << name;
  return profile;
}

std::uint8_t ShippedProfileCode(const std::string& name) { return LoadShippedProfile(name)->FormatCode(); }

void CopyFirstBytes(const std::string& source, const std::string& target, std::size_t count) {
  std::ifstream in(source, std::ios::binary);
  std::vector<char> bytes(count);
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  std::ofstream(target, std::ios::binary).write(bytes.data(), in.gcount());
}

}  // namespace conversiontest
