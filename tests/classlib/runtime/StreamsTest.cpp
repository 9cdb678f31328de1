#include <gtest/gtest.h>

#include <cstring>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Streams.h"
#include "TestFolder.h"

namespace {
const char kResourceBytes[] = "resource bytes\x00\x01\xff";
constexpr int kResourceSize = sizeof kResourceBytes - 1;

AnsiString ReadAll(TStream& stream) {
  AnsiString text;
  text.SetLength(static_cast<int>(stream.Size()));
  stream.SetPosition(0);
  stream.ReadBuffer(text.WritableBuffer(), text.Length());
  return text;
}
}  // namespace

TEST(Streams, FileStreamWritesReadsSeeksAndSizes) {
  const AnsiString path = TestFolder() + "data.bin";
  {
    TFileStream out(path, fmCreate);
    out.WriteBuffer("0123456789", 10);
    EXPECT_EQ(out.Position(), 10);
    EXPECT_EQ(out.Size(), 10);
    out.SetSize(4);
    EXPECT_EQ(out.Size(), 4);
  }
  TFileStream in(path, fmOpenRead | fmShareDenyWrite);
  EXPECT_EQ(ReadAll(in), "0123");
  EXPECT_EQ(in.Seek(-2, soEnd), 2);
  char two[3] = {};
  EXPECT_EQ(in.Read(two, 10), 2);  // short read answers the count
  EXPECT_STREQ(two, "23");
  EXPECT_THROW(in.ReadBuffer(two, 1), EReadError);
  EXPECT_EQ(in.FileName(), path);
}

TEST(Streams, OpenAndCreateErrorsNameThePath) {
  const AnsiString folder = TestFolder();
  const AnsiString missing = folder + "missing.bin";
  try {
    TFileStream stream(missing, fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message().Pos("Cannot open file \"" + missing + "\"."), 1) << e.Message();
  }
  const AnsiString inMissingFolder = folder + "no\\such\\file.bin";
  try {
    TFileStream stream(inMissingFolder, fmCreate);
    FAIL();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message().Pos("Cannot create file \"" + inMissingFolder + "\"."), 1) << e.Message();
  }
}

TEST(Streams, MemoryStreamGrowsAndCopies) {
  TMemoryStream memory;
  memory.WriteBuffer("abc", 3);
  memory.SetPosition(5);
  memory.WriteBuffer("z", 1);  // writing past the end fills the gap with zeros
  EXPECT_EQ(memory.Size(), 6);
  EXPECT_EQ(std::memcmp(memory.Memory(), "abc\0\0z", 6), 0);
  memory.SetSize(2);
  EXPECT_EQ(memory.Position(), 2);
  EXPECT_EQ(ReadAll(memory), "ab");

  TMemoryStream copy;
  memory.SetPosition(1);
  EXPECT_EQ(copy.CopyFrom(&memory, 1), 1);
  EXPECT_EQ(ReadAll(copy), "b");
  EXPECT_EQ(copy.CopyFrom(&memory, 0), 2);  // 0: the whole source from its start
  EXPECT_EQ(ReadAll(copy), "bab");
  EXPECT_THROW(copy.CopyFrom(&memory, 5), EReadError);

  const AnsiString path = TestFolder() + "memory.bin";
  copy.SaveToFile(path);
  TMemoryStream loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(ReadAll(loaded), "bab");
  loaded.Clear();
  EXPECT_EQ(loaded.Size(), 0);
}

TEST(Streams, ResourceStreamReadsRcdataByNameAndId) {
  HINSTANCE self = GetModuleHandleA(nullptr);
  TResourceStream byName(self, "SAMPLE", MAKEINTRESOURCEA(10));
  EXPECT_EQ(byName.Size(), kResourceSize);
  EXPECT_EQ(ReadAll(byName), AnsiString(kResourceBytes, kResourceSize));
  TResourceStream byId(self, 42, MAKEINTRESOURCEA(10));
  EXPECT_EQ(ReadAll(byId), AnsiString(kResourceBytes, kResourceSize));
  EXPECT_THROW(byId.WriteBuffer("x", 1), EStreamError);
  try {
    TResourceStream missing(self, "NOSUCH", MAKEINTRESOURCEA(10));
    FAIL();
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource NOSUCH not found");
  }
}
