// The four media libraries export exactly the agreed entries at the agreed ordinals, and
// the import libraries the engine links with reach them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "media/contracts/CodecLibrary.h"
#include "media/contracts/ColourConversionLibrary.h"
#include "media/contracts/DecoderLibrary.h"
#include "media/contracts/ResamplingLibrary.h"

namespace {

struct ExpectedExport {
  std::string library;
  int ordinal;
  std::string name;
};

// The agreed table, copied beside the test programs by the build.
std::vector<ExpectedExport> ReadExpectedExports() {
  std::vector<ExpectedExport> table;
  std::ifstream in("media_library_exports.txt");
  ExpectedExport e;
  while (in >> e.library >> e.ordinal >> e.name) table.push_back(e);
  return table;
}

struct LibraryCloser {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using LibraryHandle = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryCloser>;

// The names the module's export directory holds, by ordinal.
std::map<int, std::string> ExportedNames(HMODULE module) {
  auto base = reinterpret_cast<const BYTE*>(module);
  auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  auto exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  auto names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  auto ordinals = reinterpret_cast<const WORD*>(base + exports->AddressOfNameOrdinals);
  std::map<int, std::string> result;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i)
    result[int(exports->Base + ordinals[i])] = reinterpret_cast<const char*>(base + names[i]);
  return result;
}

TEST(LibraryExports, EveryEntryResolvesByOrdinalAndByName) {
  const auto table = ReadExpectedExports();
  ASSERT_GE(table.size(), 30u) << "media_library_exports.txt missing beside the test";
  std::map<std::string, std::map<int, std::string>> expectedByLibrary;
  for (const auto& e : table) expectedByLibrary[e.library][e.ordinal] = e.name;
  for (const auto& [library, expected] : expectedByLibrary) {
    LibraryHandle module(LoadLibraryA(library.c_str()));
    ASSERT_TRUE(module) << library;
    EXPECT_EQ(ExportedNames(module.get()), expected) << library;
    for (const auto& [ordinal, name] : expected) {
      FARPROC byOrdinal = GetProcAddress(module.get(), MAKEINTRESOURCEA(ordinal));
      ASSERT_NE(byOrdinal, nullptr) << library << " @" << ordinal;
      EXPECT_EQ(byOrdinal, GetProcAddress(module.get(), name.c_str())) << library << " " << name;
    }
  }
}

// Entries given nothing to work on answer failure, reached through the import libraries
// with the __stdcall signatures of the contract headers.
TEST(LibraryExports, EntriesWithoutAnObjectAnswerFailure) {
  EXPECT_EQ(OpenDecoderHandle(0, nullptr), 0);
  EXPECT_EQ(GetDecoderState(0), DecoderStopped);
  EXPECT_EQ(CreateResampler(0, 48000, 2, 44100), 0u);
  EXPECT_EQ(FlushResampler(0, nullptr), 0);
}

TEST(LibraryExports, DecoderObjectIsNeverNullAndCloseIsIdempotent) {
  DecoderObject* object = CreateDecoderObject("missing.avi");
  ASSERT_NE(object, nullptr);
  DecoderObjectOpenBlock block{};
  EXPECT_NE(object->Open(&block), kCallOk);
  DecoderObjectInfo info;
  std::memset(&info, 0xAB, sizeof(info));
  EXPECT_NE(object->GetMediaInfo(&info), kCallOk);
  EXPECT_EQ(info.valid, 0);
  EXPECT_EQ(object->Close(), kCallOk);
  EXPECT_EQ(object->Close(), kCallOk);
  ReleaseDecoderObject(object);
}

}  // namespace
