#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "classlib/graphics/Bitmap.h"

// The shipped skin folder and copies of it for tests that change or damage files.
namespace shippedskin {

// The path of a file of the shipped folder (beside the test program).
std::string ShippedPath(const std::string& file);

// Copies every file of the shipped folder into a fresh temporary folder `name`; answers
// the folder with its trailing separator.
std::string CopyShippedFolder(const std::string& name);

// A checksum of every file of a folder, by file name.
std::map<std::string, uint64_t> FolderChecksums(const std::string& folder);

// A checksum of a picture's size and pixels.
uint64_t PictureChecksum(TBitmap* picture);

// Renames the entry `name` of a section list (SKINCONTROLS, SKINOBJECTS, SKINAREAS) of a
// description to `newName`; answers false when the entry is not there.
bool RenameEntry(const std::string& iniPath, const char* section, const std::string& name,
                 const std::string& newName);

// Replaces the entry `name` of a section list by "name:rest".
bool ReplaceEntry(const std::string& iniPath, const char* section, const std::string& name, const std::string& rest);

}  // namespace shippedskin
