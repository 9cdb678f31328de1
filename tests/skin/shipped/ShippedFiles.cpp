#include "ShippedFiles.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "ShippedNames.h"
#include "classlib/runtime/IniFiles.h"
#include "test_support.h"

namespace shippedskin {
namespace {

uint64_t Fnv(const void* data, size_t size, uint64_t hash = 1469598103934665603ull) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
  return hash;
}

std::vector<std::string> FilesOf(const std::string& folder) {
  std::vector<std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) files.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

// The entry of a section list whose name is `name`: its key, or "" when there is none.
std::string EntryKey(TMemIniFile& ini, const char* section, const std::string& name) {
  int count = ini.ReadInteger(section, "count", 0);
  for (int i = 0; i < count; ++i) {
    std::string entry = ini.ReadString(section, std::to_string(i).c_str(), "").str();
    if (entry.compare(0, name.size() + 1, name + ":") == 0) return std::to_string(i);
  }
  return "";
}

// Rewrites the entry `name`: its name replaced (keepRest) or its rest replaced.
bool EditEntry(const std::string& iniPath, const char* section, const std::string& name,
               const std::string& replacement, bool keepRest) {
  TMemIniFile ini(iniPath.c_str());
  std::string key = EntryKey(ini, section, name);
  if (key.empty()) return false;
  std::string entry = ini.ReadString(section, key.c_str(), "").str();
  std::string text = keepRest ? replacement + entry.substr(name.size()) : name + ":" + replacement;
  ini.WriteString(section, key.c_str(), text.c_str());
  ini.UpdateFile();
  return true;
}

}  // namespace

std::string ShippedPath(const std::string& file) { return std::string(kFolder) + file; }

std::string CopyShippedFolder(const std::string& name) {
  std::string folder = testsupport::FreshTempFolder(name) + "\\";
  for (const std::string& file : FilesOf(kFolder)) {
    CopyFileA((std::string(kFolder) + file).c_str(), (folder + file).c_str(), FALSE);
  }
  return folder;
}

std::map<std::string, uint64_t> FolderChecksums(const std::string& folder) {
  std::map<std::string, uint64_t> sums;
  for (const std::string& file : FilesOf(folder)) {
    std::ifstream stream(folder + file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    sums[file] = Fnv(bytes.data(), bytes.size());
  }
  return sums;
}

uint64_t PictureChecksum(TBitmap* picture) {
  int size[2] = {picture->Width(), picture->Height()};
  uint64_t hash = Fnv(size, sizeof(size));
  int rowBytes = picture->Width() * TBitmap::BitsPerPixel(picture->PixelFormat()) / 8;
  for (int y = 0; y < picture->Height(); ++y) hash = Fnv(picture->ScanLine(y), static_cast<size_t>(rowBytes), hash);
  return hash;
}

bool RenameEntry(const std::string& iniPath, const char* section, const std::string& name,
                 const std::string& newName) {
  return EditEntry(iniPath, section, name, newName, true);
}

bool ReplaceEntry(const std::string& iniPath, const char* section, const std::string& name, const std::string& rest) {
  return EditEntry(iniPath, section, name, rest, false);
}

}  // namespace shippedskin
