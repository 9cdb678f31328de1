#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormResource.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/runtime/Exceptions.h"
#include "skin/data/Skindata.h"
#include "skin/data/Spzlibcompress.h"
#include "test_support.h"

namespace {

std::vector<uint8_t> Bytes(TMemoryStream& stream) {
  const auto* data = static_cast<const uint8_t*>(stream.Memory());
  return std::vector<uint8_t>(data, data + stream.Size());
}

void Put(TMemoryStream& stream, const std::vector<uint8_t>& bytes) {
  stream.Clear();
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  stream.SetPosition(0);
}

std::vector<uint8_t> Sample(size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>((i * 7) % 13 + (i / 100));
  return bytes;
}

TEST(ZlibStreams, CompressedBytesInflateToTheSame) {
  TMemoryStream source;
  Put(source, Sample(20000));
  TMemoryStream packed;
  CompressStream(&source, &packed);
  EXPECT_LT(packed.Size(), 20000);
  TMemoryStream unpacked;
  DeCompressStream(&unpacked, &packed);
  EXPECT_EQ(Sample(20000), Bytes(unpacked));
}

TEST(ZlibStreams, CompressionRateIsZeroBeforeWritingThenTheSaving) {
  TMemoryStream packed;
  TCompressionStream compressor(TCompressionLevel::clMax, &packed);
  EXPECT_EQ(0.0f, compressor.GetCompressionRate());
  std::vector<uint8_t> zeros(10000, 0);
  compressor.Write(zeros.data(), static_cast<int>(zeros.size()));
  EXPECT_EQ(10000, compressor.Seek(0, soCurrent));
  EXPECT_GT(compressor.GetCompressionRate(), 0.0f);
  uint8_t byte = 0;
  EXPECT_THROW(compressor.Read(&byte, 1), ECompressionError);
  EXPECT_THROW(compressor.Seek(1, soBeginning), ECompressionError);
}

TEST(ZlibStreams, DecompressionRestartsFromTheBeginningAndSkipsForwardOnly) {
  TMemoryStream source;
  Put(source, Sample(9000));
  TMemoryStream packed;
  CompressStream(&source, &packed);
  packed.SetPosition(0);
  TDecompressionStream reader(&packed);
  std::vector<uint8_t> first(5000);
  ASSERT_EQ(5000, reader.Read(first.data(), 5000));
  EXPECT_EQ(0, reader.Seek(0, soBeginning));
  std::vector<uint8_t> again(5000);
  ASSERT_EQ(5000, reader.Read(again.data(), 5000));
  EXPECT_EQ(first, again);
  EXPECT_EQ(6000, reader.Seek(1000, soCurrent));
  uint8_t byte = 0;
  ASSERT_EQ(1, reader.Read(&byte, 1));
  EXPECT_EQ(Sample(9000)[6000], byte);
  try {
    reader.Seek(10, soBeginning);
    ADD_FAILURE() << "a backward seek was allowed";
  } catch (const EDecompressionError& e) {
    EXPECT_EQ(AnsiString("Invalid stream operation"), e.Message());
  }
  EXPECT_THROW(reader.Write(&byte, 1), EDecompressionError);
  std::vector<uint8_t> rest(9000);
  EXPECT_EQ(9000 - 6001, reader.Read(rest.data(), 9000));  // the data ends: fewer bytes
}

struct BufferCounter {
  void Count(TObject*) { ++buffers; }
  int buffers = 0;
};

TEST(ZlibStreams, EachFullBufferIsReportedWhileCompressingAndInflating) {
  std::vector<uint8_t> noise(200000);
  uint32_t state = 12345;
  for (uint8_t& byte : noise) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<uint8_t>(state >> 24);
  }
  TMemoryStream packed;
  BufferCounter written;
  {
    TCompressionStream compressor(TCompressionLevel::clNone, &packed);
    compressor.OnBuffer = TNotifyEvent(&written, &BufferCounter::Count);
    compressor.Write(noise.data(), static_cast<int>(noise.size()));
  }
  // Buffers filled while writing are reported; the ones written when the stream ends are not.
  EXPECT_GT(written.buffers, 0);
  EXPECT_LE(written.buffers, static_cast<int>(packed.Size() / TCustomZlibStream::kBufferSize));
  packed.SetPosition(0);
  BufferCounter read;
  TDecompressionStream reader(&packed);
  reader.OnBuffer = TNotifyEvent(&read, &BufferCounter::Count);
  std::vector<uint8_t> back(noise.size());
  ASSERT_EQ(static_cast<int>(noise.size()), reader.Read(back.data(), static_cast<int>(back.size())));
  EXPECT_EQ(noise, back);
  EXPECT_GE(read.buffers, static_cast<int>(noise.size()) / TCustomZlibStream::kBufferSize);
}

TEST(ZlibStreams, InflatingStopsBeyondTheLimit) {
  TMemoryStream source;
  Put(source, std::vector<uint8_t>(100000, 0));
  TMemoryStream packed;
  CompressStream(&source, &packed);
  TMemoryStream out;
  EXPECT_THROW(DeCompressStream(&out, &packed, 50000), EDecompressionError);
  EXPECT_LE(out.Size(), 50000);
  TMemoryStream garbage;
  Put(garbage, {1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_THROW(DeCompressStream(&out, &garbage), EDecompressionError);
}

// A small skin folder of BMP pictures with a cursor list.
class CompressedSkin : public testing::Test {
 protected:
  void SetUp() override {
    InitializeGraphics();
    folder_ = testsupport::FreshTempFolder("skin-compressed") + "\\";
    WritePicture("form.bmp", 30, 20);
    WritePicture("act0.bmp", 9, 7);
    std::ofstream(folder_ + "skin.ini", std::ios::binary)
        << "[VERSION]\nskinname=Packed\n[PICTURES]\npicture=form.bmp\nactivepicturescount=1\n0=act0.bmp\n"
           "[CURSORS]\nstartcursorindex=3\ncursorscount=1\n0=none.cur\n"
           "[FORMINFO]\nclientrect=2,2,20,15\nlefttoppoint=1,1\nrightbottompoint=25,18\n"
           "[SKINOBJECTS]\ncount=1\n0=close:button\n[close]\ngroupindex=4\n"
           "[SKINCONTROLS]\ncount=2\n0=button:button\n1=bar:scrollbar\n[button]\nfontcolor=123\n"
           "[bar]\nthumbminsize=9\n";
  }

  void WritePicture(const char* name, int width, int height) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) bitmap.Canvas()->SetPixels(x, y, static_cast<TColor>(RGB(x * 8, y * 8, 77)));
    }
    bitmap.SaveToFile((folder_ + name).c_str());
  }

  AnsiString Path(const char* name) const { return (folder_ + name).c_str(); }

  static std::string Description(TspSkinData& skin) {
    TMemIniFile ini("");
    skin.SaveToCustomIniFile(&ini);
    TStringList lines;
    ini.GetStrings(&lines);
    return lines.Text().str();
  }

  // A compressed skin file of the given file version and skin stream.
  void WriteCompressedFile(const char* name, int32_t version, const std::vector<uint8_t>& skinStream) {
    TMemoryStream plain;
    Put(plain, skinStream);
    TMemoryStream packed;
    CompressStream(&plain, &packed);
    TFileStream file(Path(name), fmCreate);
    int32_t length = static_cast<int32_t>(packed.Size());
    file.WriteBuffer(&version, 4);
    file.WriteBuffer(&length, 4);
    packed.SetPosition(0);
    file.CopyFrom(&packed, length);
  }

  std::string folder_;
};

TEST_F(CompressedSkin, FolderToCompressedFileAndBackKeepsLooksAndPixels) {
  TspCompressedStoredSkin store(nullptr);
  store.LoadFromIniFile(Path("skin.ini"));
  ASSERT_FALSE(store.GetEmpty());
  store.SaveToCompressFile(Path("skin.skn"));
  TspSkinData folderSkin(nullptr);
  folderSkin.LoadFromFile(Path("skin.ini"));
  TspSkinData packedSkin(nullptr);
  packedSkin.LoadFromCompressedFile(Path("skin.skn"));
  EXPECT_FALSE(packedSkin.Empty);
  EXPECT_EQ(AnsiString("Packed"), packedSkin.SkinName);
  ASSERT_EQ(2u, packedSkin.CtrlList.size());
  EXPECT_EQ(123, static_cast<TspDataSkinButtonControl*>(packedSkin.CtrlList[0].get())->FontColor);
  EXPECT_EQ(9, static_cast<TspDataSkinScrollBarControl*>(packedSkin.CtrlList[1].get())->ThumbMinSize);
  EXPECT_EQ(4, static_cast<TspDataSkinButton*>(packedSkin.ObjectList[0].get())->GroupIndex);
  EXPECT_EQ(folderSkin.LeftTopPoint, packedSkin.LeftTopPoint);
  EXPECT_EQ(0, packedSkin.CursorsNames->Count());
  EXPECT_EQ(1, packedSkin.StartCursorIndex);
  ASSERT_EQ(1u, packedSkin.ActivePictures.size());
  for (auto [x, y] : {std::pair{0, 0}, std::pair{8, 6}, std::pair{3, 2}}) {
    EXPECT_EQ(folderSkin.ActivePictures[0]->Canvas()->Pixels(x, y), packedSkin.ActivePictures[0]->Canvas()->Pixels(x, y));
  }
  EXPECT_EQ(folderSkin.Picture->Canvas()->Pixels(29, 19), packedSkin.Picture->Canvas()->Pixels(29, 19));
  TspSkinData fromData(nullptr);
  packedSkin.SaveToCompressedFile(Path("again.skn"));
  fromData.LoadFromCompressedFile(Path("again.skn"));
  EXPECT_EQ(Description(packedSkin), Description(fromData));
}

TEST_F(CompressedSkin, EmptyStoreWritesNoFileButAStreamHeader) {
  TspCompressedStoredSkin store(nullptr);
  store.SaveToCompressFile(Path("empty.skn"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Path("empty.skn").c_str()));
  TMemoryStream stream;
  store.SaveToCompressStream(&stream);
  EXPECT_EQ((std::vector<uint8_t>{2, 0, 0, 0, 0, 0, 0, 0}), Bytes(stream));
  TspSkinData skin(nullptr);
  skin.LoadCompressedStoredSkin(&store);
  EXPECT_TRUE(skin.Empty);
}

TEST_F(CompressedSkin, FileVersionsUpToThreeAreReadAndLargerOnesLeaveTheStoreEmpty) {
  TspCompressedStoredSkin store(nullptr);
  store.LoadFromIniFile(Path("skin.ini"));
  TMemoryStream plain;
  store.DeCompressToStream(&plain);
  const std::vector<uint8_t> skinStream = Bytes(plain);
  for (int32_t version : {-1, 0, 3, 4}) {
    SCOPED_TRACE(version);
    WriteCompressedFile("versioned.skn", version, skinStream);
    TspCompressedStoredSkin read(nullptr);
    read.LoadFromCompressFile(Path("versioned.skn"));
    EXPECT_EQ(version > 3, read.GetEmpty());
    TspSkinData skin(nullptr);
    skin.LoadFromCompressedFile(Path("versioned.skn"));
    EXPECT_EQ(version > 3, skin.Empty);
  }
}

TEST_F(CompressedSkin, SkinStreamLayoutsReadTheirPictureRecords) {
  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(3, 2);
  TMemoryStream bmp;
  picture.SaveToStream(&bmp);
  const std::vector<uint8_t> image = Bytes(bmp);
  const std::string text = "[VERSION]\r\nskinname=Layout\r\n[PICTURES]\r\npicture=p.bmp\r\n[FORMINFO]\r\nborderwidth=3\r\n"
                           "[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=0\r\n";
  struct {
    int32_t layout;
    int records;
  } cases[] = {{0, 2}, {1, 4}, {2, 5}, {3, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.layout);
    std::vector<uint8_t> stream(4);
    std::memcpy(stream.data(), &c.layout, 4);
    for (int r = 0; r < c.records; ++r) {
      stream.push_back(r == 0 ? 0 : 1);  // the first record holds a picture, the others are empty
      if (r == 0) stream.insert(stream.end(), image.begin(), image.end());
    }
    const int32_t count = 1;
    stream.insert(stream.end(), reinterpret_cast<const uint8_t*>(&count), reinterpret_cast<const uint8_t*>(&count) + 4);
    stream.insert(stream.end(), image.begin(), image.end());
    stream.insert(stream.end(), text.begin(), text.end());
    WriteCompressedFile("layout.skn", 2, stream);
    TspSkinData skin(nullptr);
    skin.LoadFromCompressedFile(Path("layout.skn"));
    EXPECT_FALSE(skin.Empty);
    EXPECT_EQ(3, skin.Picture->Width());
    ASSERT_EQ(1u, skin.ActivePictures.size());
    EXPECT_EQ(2, skin.ActivePictures[0]->Height());
    EXPECT_EQ(3, skin.BorderWidth);
    EXPECT_EQ(AnsiString("Layout"), skin.SkinName);
  }
}

TEST_F(CompressedSkin, DamagedFilesGiveASkinOrAnErrorAndKeepTheOldSkin) {
  TspCompressedStoredSkin store(nullptr);
  store.LoadFromIniFile(Path("skin.ini"));
  store.SaveToCompressFile(Path("good.skn"));
  std::ifstream in((folder_ + "good.skn").c_str(), std::ios::binary);
  const std::vector<uint8_t> good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  TspSkinData skin(nullptr);
  skin.LoadFromFile(Path("skin.ini"));
  std::vector<std::vector<uint8_t>> damaged;
  for (size_t cut : {size_t{0}, size_t{3}, size_t{7}, size_t{8}, size_t{20}, good.size() / 2, good.size() - 1}) {
    damaged.emplace_back(good.begin(), good.begin() + static_cast<ptrdiff_t>(cut));
  }
  for (size_t at : {size_t{4}, size_t{8}, size_t{9}, size_t{40}, good.size() / 3, good.size() - 5}) {
    std::vector<uint8_t> flipped = good;
    flipped[at] ^= 0x5A;
    damaged.push_back(flipped);
  }
  for (size_t i = 0; i < damaged.size(); ++i) {
    SCOPED_TRACE(i);
    std::ofstream((folder_ + "bad.skn").c_str(), std::ios::binary)
        .write(reinterpret_cast<const char*>(damaged[i].data()), static_cast<std::streamsize>(damaged[i].size()));
    try {
      skin.LoadFromCompressedFile(Path("bad.skn"));
    } catch (const Exception&) {
      EXPECT_EQ(AnsiString("Packed"), skin.SkinName);
      EXPECT_EQ(0, skin.GetControlIndex("button"));
    }
    EXPECT_FALSE(skin.SkinChanging());
    skin.LoadFromFile(Path("skin.ini"));
  }
}

std::string Hex(TMemoryStream& stream) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  const auto* bytes = static_cast<const unsigned char*>(stream.Memory());
  for (int64_t i = 0; i < stream.Size(); ++i) {
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 15];
    if (i % 32 == 31) text += "\n      ";
  }
  return text;
}

TEST_F(CompressedSkin, FormResourceLoadsAStoredSkinAndASkinOfAList) {
  InitializeControlClasses();
  InitializeSkinData();
  std::ofstream(folder_ + "other.ini", std::ios::binary)
      << "[VERSION]\nskinname=Other\n[PICTURES]\npicture=form.bmp\n[FORMINFO]\nborderwidth=2\n"
         "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n";
  TspCompressedStoredSkin packed(nullptr);
  packed.LoadFromIniFile(Path("skin.ini"));
  TspCompressedStoredSkin other(nullptr);
  other.LoadFromIniFile(Path("other.ini"));
  TMemoryStream packedFile;
  packed.SaveToCompressStream(&packedFile);
  TMemoryStream otherFile;
  other.SaveToCompressStream(&otherFile);
  const std::string text = "object Holder: TComponent\n"
                            "  object Stored: TspCompressedStoredSkin\n"
                            "    Description = 'stored'\n"
                            "    CompressedData = {\n      " + Hex(*packed.CompressedData()) + "}\n"
                            "  end\n"
                            "  object List: TspCompressedSkinList\n"
                            "    Skins = <\n"
                            "      item\n        Name = 'first'\n        Skin = {\n      " + Hex(packedFile) + "}\n      end\n"
                            "      item\n        Skin = {\n      " + Hex(otherFile) + "}\n      end>\n"
                            "  end\n"
                            "  object FromStore: TspSkinData\n    CompressedStoredSkin = Stored\n  end\n"
                            "  object FromList: TspSkinData\n    SkinIndex = 1\n    SkinList = List\n  end\n"
                            "end\n";
  TComponent holder(nullptr);
  ReadFormText(&holder, TComponent::StaticClass(), text.c_str(), "Skins.form");
  auto* stored = dynamic_cast<TspCompressedStoredSkin*>(holder.FindComponent("Stored"));
  auto* list = dynamic_cast<TspCompressedSkinList*>(holder.FindComponent("List"));
  auto* fromStore = dynamic_cast<TspSkinData*>(holder.FindComponent("FromStore"));
  auto* fromList = dynamic_cast<TspSkinData*>(holder.FindComponent("FromList"));
  ASSERT_TRUE(stored != nullptr && list != nullptr && fromStore != nullptr && fromList != nullptr);
  EXPECT_EQ(AnsiString("stored"), stored->Description);
  ASSERT_EQ(2, list->Skins()->Count());
  EXPECT_EQ(AnsiString("first"), list->Skins()->GetItem(0)->Name);
  EXPECT_EQ(AnsiString("spSkin1"), list->Skins()->GetItem(1)->GetDisplayName());
  EXPECT_EQ(AnsiString("Packed"), fromStore->SkinName);
  EXPECT_EQ(stored, fromStore->CompressedStoredSkin());
  EXPECT_EQ(AnsiString("Other"), fromList->SkinName);
  EXPECT_EQ(1, fromList->SkinIndex());
  fromList->SetSkinIndex(5);
  EXPECT_EQ(1, fromList->SkinIndex());
  EXPECT_EQ(AnsiString("Other"), fromList->SkinName);
  fromList->SetSkinIndex(0);
  EXPECT_EQ(AnsiString("Packed"), fromList->SkinName);
}

// Written by make_compressed_skin.py with Python's zlib (a CTest fixture).
TEST_F(CompressedSkin, AFileWrittenByAnotherZlibLoads) {
  TspSkinData skin(nullptr);
  skin.LoadFromCompressedFile("skin-fixtures\\python.skn");
  ASSERT_FALSE(skin.Empty);
  EXPECT_EQ(AnsiString("From Python"), skin.SkinName);
  EXPECT_EQ(6, skin.Picture->Width());
  EXPECT_EQ(static_cast<TColor>(RGB(80, 60, 200)), skin.Picture->Canvas()->Pixels(2, 1));
  ASSERT_EQ(1u, skin.ActivePictures.size());
  EXPECT_EQ(static_cast<TColor>(RGB(80, 17, 200)), skin.ActivePictures[0]->Canvas()->Pixels(1, 4));
  EXPECT_TRUE(skin.InActivePicture->Empty());
  EXPECT_EQ(2, skin.BorderWidth);
  ASSERT_EQ(0, skin.GetControlIndex("button"));
  EXPECT_EQ(4660, static_cast<TspDataSkinButtonControl*>(skin.CtrlList[0].get())->FontColor);
}

TEST_F(CompressedSkin, ASkinStreamOfAnUnknownLayoutChangesNothing) {
  TspSkinData skin(nullptr);
  skin.LoadFromFile(Path("skin.ini"));
  const int32_t layout = 4;
  std::vector<uint8_t> stream(reinterpret_cast<const uint8_t*>(&layout), reinterpret_cast<const uint8_t*>(&layout) + 4);
  stream.push_back(1);
  WriteCompressedFile("layout4.skn", 2, stream);
  skin.LoadFromCompressedFile(Path("layout4.skn"));
  EXPECT_FALSE(skin.Empty);
  EXPECT_EQ(AnsiString("Packed"), skin.SkinName);
  EXPECT_EQ(0, skin.GetControlIndex("button"));
}

}  // namespace
